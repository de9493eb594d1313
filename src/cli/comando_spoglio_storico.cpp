#include "checking/spoglio_storico.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"

#include <ostream>

namespace cli {

int ComandoSpoglioStorico(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(riga.argomenti, {"--estrazioni", "--partenza", "--tutte-ruote"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (a.parole().size() > 1) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    const std::string tutte = a.valore("--tutte-ruote").value_or("1");
    if (tutte != "0" && tutte != "1") {
        return ErroreUso(err, messaggi_cli::TutteRuoteNonValido + tutte);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.parole().front())) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (stato.giocate.vuoto()) {
        ambiente.mostra({Messaggio{messaggi_spoglio_storico::NessunaGiocata, "Attenzione",
                                   Icona::Informazione, Pulsanti::Ok, Risposta::Ok}});
        return UscitaRifiuto;
    }
    if (!ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    // The boxes of the window as typed: an omitted option is the text the window starts with.
    const std::string estrazioni = a.valore("--estrazioni").value_or(EstrazioniPredefinite);
    const std::string partenza =
        a.valore("--partenza")
            .value_or(std::to_string(PartenzaPredefinita(estrazioni, stato.archivio.conteggio())));
    const IntervalloEstrazioni intervallo =
        IntervalloSpoglioStorico(estrazioni, partenza, stato.archivio.conteggio());

    ParametriSpoglioStorico parametri;
    parametri.tutteLeRuote = tutte == "1";
    parametri.ruote = stato.sistema.ruote;
    EsitoSpoglioStorico esito;
    EsecuzioneContinua continua;
    SpoglioStorico(stato.giocate, stato.archivio, intervallo, parametri, esito, continua);
    for (const RigaSpoglioStorico& r : esito.righe) {
        const auto celle = CelleRigaSpoglioStorico(stato.archivio, r);
        for (std::size_t c = 0; c < celle.size(); ++c) {
            out << (c > 0 ? "\t" : "") << celle[c];
        }
        out << '\n';
    }
    out << messaggi_spoglio_storico::Totale;
    for (const std::string& t : TestiTotaliSpoglioStorico(esito.totali)) {
        out << '\t' << t;
    }
    out << '\n';
    return UscitaOk;
}

} // namespace cli
