#include "cli/ambiente.h"
#include "cli/argomenti_giocate.h"
#include "cli/comandi_cli.h"
#include "core/esecuzione.h"
#include "editor/importa_giocate.h"

#include <ostream>

namespace cli {

namespace {

constexpr const char* FonteMancante = "indicare una fonte: --testo, --sistema oppure --lpc";
constexpr const char* FontiInsieme = "indicare una sola fonte tra --testo, --sistema e --lpc";
constexpr const char* FileNonLeggibile = "Impossibile leggere il file: ";

} // namespace

// importa FILE.qvs (--testo T.txt | --sistema ALTRO.qvs | --lpc X.lpc) (-o OUT.qvs | --sovrascrivi):
// the plays of the source not already in the system appended to it, as the window's imports do.
int ComandoImporta(const RigaComando& riga, std::ostream& /*out*/, std::ostream& err)
{
    ArgomentiSistema a;
    std::string errore;
    if (!LeggiArgomentiSistema(riga.argomenti, {"--testo", "--sistema", "--lpc"}, {}, a, errore)) {
        return ErroreUso(err, errore);
    }
    const auto testo = a.valore("--testo");
    const auto sistema = a.valore("--sistema");
    const auto lpc = a.valore("--lpc");
    const int fonti = (testo ? 1 : 0) + (sistema ? 1 : 0) + (lpc ? 1 : 0);
    if (fonti != 1) {
        return ErroreUso(err, fonti == 0 ? FonteMancante : FontiInsieme);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.sistema)) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    EsecuzioneContinua continua;
    const std::string& fonte = testo ? *testo : sistema ? *sistema : *lpc;
    const EsitoImportazione esito = testo     ? ImportaGiocateDaTesto(fonte, stato.giocate, continua)
                                    : sistema ? ImportaGiocateDaSistema(fonte, stato.giocate, continua)
                                              : ImportaGiocateDaLpc(fonte, stato.giocate, continua);
    if (const auto messaggio = esito.messaggio()) {
        stato.messaggi.mostra(*messaggio);
    }
    if (esito.codice == CodiceImportazione::NonLeggibile) {
        stato.messaggi.mostra(Avviso(FileNonLeggibile + fonte));
    }
    if (!esito.modificato()) {
        // Nothing changed: nothing is written.
        return UscitaRifiuto;
    }
    stato.sistema.modificato = true;
    return ScriviSistemaUscita(ambiente, a);
}

} // namespace cli
