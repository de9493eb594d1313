#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "editor/esporta_giocate.h"
#include "editor/messaggi_giocate.h"

#include <ostream>

namespace cli {

namespace {

constexpr const char* FileTestoMancante = "manca il file di testo delle giocate";

} // namespace

// esporta FILE.qvs T.txt: the plays written to the text file, one per line, as the window exports
// them.
int ComandoEsporta(const RigaComando& riga, std::ostream& /*out*/, std::ostream& err)
{
    ArgomentiComando argomenti;
    std::string errore;
    if (!argomenti.leggi(riga.argomenti, {}, errore)) {
        return ErroreUso(err, errore);
    }
    const auto& parole = argomenti.parole();
    if (parole.empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (parole.size() < 2) {
        return ErroreUso(err, FileTestoMancante);
    }
    if (parole.size() > 2) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + parole[2]);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(parole[0])) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (stato.giocate.vuoto()) {
        stato.messaggi.mostra(Avviso(messaggi_giocate::NessunaGiocataDaSalvare));
        return UscitaRifiuto;
    }
    if (!EsportaGiocate(stato.giocate, parole[1])) {
        stato.messaggi.mostra(Errore(messaggi_giocate::ErroreSalvataggioGiocate));
        return UscitaRifiuto;
    }
    stato.messaggi.mostra(
        Messaggio{messaggi_giocate::GiocateSalvate, messaggi_giocate::TitoloOk, Icona::Informazione});
    return UscitaOk;
}

} // namespace cli
