#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "core/importi.h"
#include "editor/riepilogo.h"

#include <ostream>

namespace cli {

// The summary texts of the main window for the opened system, one per line.
int ComandoInfo(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    std::string percorso;
    std::string errore;
    if (!LeggiArgomentoFile(riga.argomenti, percorso, errore)) {
        return ErroreUso(err, errore);
    }
    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(percorso)) {
        return UscitaRifiuto;
    }
    const StatoApplicazione& stato = ambiente.stato();
    const EsitoImporti importi =
        ValidaImporti(CaselleDaSistema(stato.sistema), stato.sistema.posizioni, stato.generali);
    const Riepilogo riepilogo =
        AggiornaRiepilogo(stato.sistema, stato.giocate.conteggio(), importi, stato.generali.decimali);
    for (const std::string& r : riepilogo.righe()) {
        out << r << '\n';
    }
    return UscitaOk;
}

} // namespace cli
