#include "checking/bilancio_storico.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"

#include <ostream>

namespace cli {

int ComandoBilancio(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(riga.argomenti, {"--estrazioni", "--partenza"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (a.parole().size() > 1) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.parole().front())) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (stato.giocate.vuoto()) {
        ambiente.mostra({Avviso(messaggi_bilancio_storico::NessunaGiocata)});
        return UscitaRifiuto;
    }
    const ParametriVincite parametri = ParametriDaSistema(stato.sistema, stato.generali.vincitaMassima);
    if (!(PuntataGiocata(parametri) > 0)) {
        ambiente.mostra({Avviso(messaggi_bilancio_storico::ImportiNulli)});
        return UscitaRifiuto;
    }
    if (!ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    // The span as the historic checking reads its boxes.
    const std::string estrazioni = a.valore("--estrazioni").value_or(EstrazioniPredefinite);
    const std::string partenza =
        a.valore("--partenza")
            .value_or(std::to_string(PartenzaPredefinita(estrazioni, stato.archivio.conteggio())));
    const IntervalloEstrazioni intervallo =
        IntervalloSpoglioStorico(estrazioni, partenza, stato.archivio.conteggio());

    EsitoBilancio esito;
    EsecuzioneContinua continua;
    BilancioStorico(stato.giocate.dati(), stato.giocate.conteggio(), stato.archivio, intervallo, parametri,
                    esito, continua);
    out << messaggi_bilancio_storico::Avvertenza << '\n';
    for (const std::string& r : RigheBilancio(stato.archivio, esito, stato.generali.decimali)) {
        out << r << '\n';
    }
    return UscitaOk;
}

} // namespace cli
