#include "checking/manutenzione_archivio.h"
#include "checking/spoglio.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/importi.h"
#include "core/messaggi_archivio.h"
#include "core/testo.h"
#include "editor/riepilogo.h"

#include <ostream>

namespace cli {

namespace {

// The cells of --numeri: up to 55 items separated by spaces, wheel by wheel (Bari 1..5, Cagliari 1..5, ...,
// Nazionale 1..5); "-" is an empty cell and the items left out are empty. False with the reason when there
// are more than 55.
bool CelleDaTesto(const std::string& numeri, CelleSpoglio& celle, std::string& errore)
{
    const std::vector<std::string_view> voci = testo::Dividi(numeri, ' ');
    if (voci.size() > 55) {
        errore = messaggi_cli::TroppiNumeriSpoglio;
        return false;
    }
    for (std::size_t i = 0; i < voci.size(); ++i) {
        celle[i / 5][i % 5] = voci[i] == "-" ? std::string() : std::string(voci[i]);
    }
    return true;
}

} // namespace

int ComandoSpoglio(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(riga.argomenti, {"--data", "--numeri"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (a.parole().size() > 1) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    const auto data = a.valore("--data");
    const auto numeri = a.valore("--numeri");
    if (data.has_value() == numeri.has_value()) {
        return ErroreUso(err, messaggi_cli::EstrazioneSpoglio);
    }
    CelleSpoglio celle{};
    if (numeri && !CelleDaTesto(*numeri, celle, errore)) {
        return ErroreUso(err, errore);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.parole().front())) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (data) {
        int giorno = 0;
        int mese = 0;
        int anno = 0;
        if (!LeggiData(testo::Trim(*data), giorno, mese, anno)) {
            ambiente.mostra({Avviso(messaggi_archivio::DataNonValida)});
            return UscitaRifiuto;
        }
        if (!ambiente.caricaArchivio()) {
            return UscitaRifiuto;
        }
        const std::int32_t i = stato.archivio.indiceData(anno * 10000 + mese * 100 + giorno);
        if (i == 0) {
            ambiente.mostra({Avviso(messaggi_cli::EstrazioneAssentePrima + testo::Trim(*data) +
                                    messaggi_cli::EstrazioneAssenteDopo)});
            return UscitaRifiuto;
        }
        celle = EstrazioneInTesto(stato.archivio.estrazione(i)).numeri;
    }

    if (stato.giocate.vuoto()) {
        ambiente.mostra({Avviso(messaggi_spoglio::NessunaGiocata)});
        return UscitaRifiuto;
    }
    const EsitoImporti importi =
        ValidaImporti(CaselleDaSistema(stato.sistema), stato.sistema.posizioni, stato.generali);
    if (!importi.valido) {
        ambiente.mostra({Errore(MessaggioImportiNonValidi(stato.generali), Icona::Avviso)});
        return UscitaRifiuto;
    }
    stato.sistema.importi = importi.importi;
    const EsitoGrigliaSpoglio griglia = LeggiGrigliaSpoglio(celle);
    if (!griglia.valida) {
        ambiente.mostra({Avviso(griglia.messaggio)});
        return UscitaRifiuto;
    }

    const EsitoSpoglio esito =
        Spoglio(stato.giocate, griglia.numeri,
                ParametriDaSistema(stato.sistema, stato.generali.vincitaMassima), stato.generali.decimali);
    for (const std::string& r : esito.resoconto) {
        out << r << '\n';
    }
    for (const VoceRiepilogoSpoglio& voce : RiepilogoSpoglio(esito, stato.generali.decimali)) {
        out << voce.voce << '\t' << voce.vincite << '\t' << voce.importo << '\n';
    }
    return UscitaOk;
}

} // namespace cli
