#include "cli/ambiente.h"
#include "cli/comandi_cli.h"

#include <ostream>

namespace cli {

// The text export format: one play per line, numbers separated by one space.
int ComandoGiocate(const RigaComando& riga, std::ostream& out, std::ostream& err)
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
    const ElencoGiocate& giocate = ambiente.stato().giocate;
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        out << TestoGiocata(giocate.voce(i), " ") << '\n';
    }
    return UscitaOk;
}

} // namespace cli
