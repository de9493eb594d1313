// condizioni FILE.qvs "NUMERI": the values the conditional reduction measures on one play, and the
// criteria the play fails under the conditions stored in the system, so a script can see why a play
// was kept or dropped.
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/giocata.h"
#include "core/testo.h"
#include "reductions/criteri_condizioni.h"
#include "reductions/rid_condizionata.h"
#include "reductions/valori_giocata.h"
#include "reductions/verifica_condizioni.h"

#include <ostream>

namespace cli {

namespace {

// Whole values as integers, means with two decimals.
std::string TestoValore(const DescrizioneCriterio& d, double valore)
{
    return d.reale ? testo::Fisso(valore, 2) : testo::Fisso(valore, 0);
}

} // namespace

int ComandoCondizioni(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (riga.argomenti.size() != 2) {
        return ErroreUso(err, messaggi_cli::GiocataMancante);
    }
    Tipo_Giocata giocata{};
    if (!LeggiGiocataDaTesto(riga.argomenti[1], giocata)) {
        ServizioMessaggiTesto(err).mostra(
            Avviso(std::string(messaggi_cli::GiocataNonValida) + riga.argomenti[1]));
        return UscitaRifiuto;
    }
    (void)OrdinaGiocata(giocata);
    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(riga.argomenti[0])) {
        return UscitaRifiuto;
    }

    const ValoriGiocata valori = CalcolaValori(giocata);
    for (int i = 0; i < CriteriCondizioni; ++i) {
        const DescrizioneCriterio& d = DescrizioniCriteri[static_cast<std::size_t>(i)];
        out << d.didascalia << '\t' << TestoValore(d, d.valore(valori)) << '\n';
    }

    const VerificatoreCondizioni verificatore(CondizioniDelSistema(ambiente.stato().sistema));
    EsitoCondizioni esito{};
    const int falliti = verificatore.VerificaCondizioni(giocata, false, esito);
    out << messaggi_cli::CriteriNonRispettati << falliti << '\n';
    for (int i = 0; i < CriteriCondizioni; ++i) {
        if (esito[static_cast<std::size_t>(i)] != 0) {
            out << DescrizioniCriteri[static_cast<std::size_t>(i)].didascalia << '\n';
        }
    }
    return UscitaOk;
}

} // namespace cli
