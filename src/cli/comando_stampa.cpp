#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/file_binario.h"
#include "core/importi.h"
#include "core/testo.h"
#include "editor/riepilogo.h"
#include "printing/impaginazione.h"
#include "printing/messaggi_stampa.h"
#include "printing/opzioni_stampa.h"
#include "ui/stampa/tela_stampa.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

#include <charconv>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

namespace cli {

namespace {

using stampa::ModelloSchedina;

bool LeggiIntero(const std::string& testo, int& valore)
{
    const char* fine = testo.data() + testo.size();
    const auto [p, ec] = std::from_chars(testo.data(), fine, valore);
    return ec == std::errc() && p == fine;
}

// Painting text needs a GUI application; a script has no display, so the offscreen platform serves.
std::unique_ptr<QGuiApplication> ApplicazioneGrafica(std::ostream& err, bool& pronta)
{
    pronta = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (pronta || QCoreApplication::instance() != nullptr) {
        if (!pronta) {
            err << "quarvin-cli: " << messaggi_cli::StampaSenzaGrafica << '\n';
        }
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char nome[] = "quarvin-cli";
    static char* argv[] = {nome, nullptr};
    pronta = true;
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int ComandoStampa(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    // --segni takes no value, unlike the other options: it is taken out before they are read.
    std::vector<std::string> argomenti = riga.argomenti;
    const bool segni = std::erase(argomenti, std::string("--segni")) > 0;
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(argomenti, {"--modello", "--orientamento", "--da", "--a", "-o"}, errore)) {
        return ErroreUso(err, errore);
    }
    const std::vector<std::string>& parole = a.parole();
    if (parole.empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (parole.size() > 1) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + parole[1]);
    }
    const std::string modelloTesto = a.valore("--modello").value_or("");
    const bool carta = modelloTesto == "carta";
    ModelloSchedina modello = ModelloSchedina::Simbolotto;
    if (modelloTesto == "mdn") {
        modello = ModelloSchedina::Mdn;
    } else if (modelloTesto == "lottopiu") {
        modello = ModelloSchedina::LottoPiu;
    } else if (modelloTesto != "schedina" && !carta) {
        return ErroreUso(err, messaggi_cli::ModelloStampaNonValido + modelloTesto);
    }
    const auto uscita = a.valore("-o");
    if (segni == uscita.has_value() || (segni && carta)) {
        return ErroreUso(err, messaggi_cli::UscitaStampa);
    }
    const auto orientamentoTesto = a.valore("--orientamento");
    if (orientamentoTesto && *orientamentoTesto != "verticale" && *orientamentoTesto != "orizzontale") {
        return ErroreUso(err, messaggi_cli::OrientamentoNonValido + *orientamentoTesto);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(parole.front())) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    const int n = stato.giocate.conteggio();
    if (!carta) {
        if (n == 0) {
            ambiente.mostra({Messaggio{messaggi_stampa::NessunaGiocata, "Attenzione", Icona::Informazione,
                                       Pulsanti::Ok, Risposta::Ok}});
            return UscitaRifiuto;
        }
        if (modello != ModelloSchedina::LottoPiu) {
            const EsitoImporti importi =
                ValidaImporti(CaselleDaSistema(stato.sistema), stato.sistema.posizioni, stato.generali);
            if (!importi.valido) {
                ambiente.mostra({Errore(MessaggioImportiNonValidi(stato.generali), Icona::Avviso)});
                return UscitaRifiuto;
            }
            const stampa::ControlloImporti controllo =
                stampa::ControllaImportiSchedine(modello, stato.sistema, stato.generali.decimali);
            ambiente.mostra(controllo.avvisi);
            if (controllo.rifiuto) {
                ambiente.mostra({*controllo.rifiuto});
                return UscitaRifiuto;
            }
        }
    }
    int da = 1;
    int fino = n;
    const auto daTesto = a.valore("--da");
    const auto aTesto = a.valore("--a");
    if (daTesto && (!LeggiIntero(*daTesto, da) || da < 1 || da > n)) {
        ambiente.mostra({Errore(messaggi_stampa::SchedinaNonValida)});
        return UscitaRifiuto;
    }
    if (aTesto && (!LeggiIntero(*aTesto, fino) || fino < 1 || fino > n)) {
        ambiente.mostra({Errore(messaggi_stampa::UltimaNonValida)});
        return UscitaRifiuto;
    }
    if (fino < da) {
        ambiente.mostra({Errore(messaggi_stampa::IntervalloNonValido)});
        return UscitaRifiuto;
    }

    stampa::OpzioniSchedina opzioni = stampa::OpzioniDaImpostazioni(
        stato.generali, stampa::LeggiOpzioniSimbolotto(stato.impostazioni), modello);
    if (orientamentoTesto) {
        opzioni.orientamento = *orientamentoTesto == "verticale" ? stampa::Orientamento::Verticale
                                                                 : stampa::Orientamento::Orizzontale;
    }
    const stampa::CalibrazioneSchedina record =
        stampa::LeggiCalibrazione(stato.generali, modello, opzioni.orientamento);

    if (segni) {
        for (int i = da; i <= fino; ++i) {
            for (const auto& e :
                 stampa::ElementiSchedina(modello, stato.sistema, stato.giocate.voce(i), opzioni)) {
                const stampa::Punto p = stampa::PosizioneElemento(modello, opzioni.orientamento, record, e);
                out << i << '\t' << e.tipo << '\t' << e.a << '\t' << testo::Fisso(p.x, 4) << '\t'
                    << testo::Fisso(p.y, 4) << '\n';
            }
        }
        return UscitaOk;
    }

    bool pronta = false;
    const auto applicazione = ApplicazioneGrafica(err, pronta);
    if (!pronta) {
        return UscitaRifiuto;
    }
    // Drawn into a temporary file renamed over the output once complete, like every save.
    const std::optional<std::string> temporaneo = FileTemporaneoPer(*uscita);
    if (!temporaneo) {
        err << "quarvin-cli: " << messaggi_cli::PdfNonScritto << *uscita << '\n';
        return UscitaRifiuto;
    }
    QPdfWriter pdf(QString::fromStdString(*temporaneo));
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(QString::fromUtf8(messaggi_stampa::TitoloLavoro));
    tela::MisuraQt misura(&pdf);
    stampa::Impaginazione imp;
    if (carta) {
        stampa::DatiCartaComune dati;
        const EsitoImporti importi =
            ValidaImporti(CaselleDaSistema(stato.sistema), stato.sistema.posizioni, stato.generali);
        dati.intestazione = stampa::IntestazioneProposta(
            stato.sistema, AggiornaRiepilogo(stato.sistema, n, importi, stato.generali.decimali));
        dati.fisse = stato.sistema.numeroFisse > 0;
        dati.pronostico = stato.sistema.numeriPronostico() > 0;
        dati.giocate = n > 0;
        dati.decimali = stato.generali.decimali;
        imp = stampa::ImpaginaCartaComune(dati, stato.sistema, stato.giocate, pdf.width(), pdf.height(),
                                          misura);
    } else {
        imp = stampa::ImpaginaSchedine(modello, record, tela::PaginaDi(pdf), misura, stato.sistema,
                                       stato.giocate, da, fino, opzioni);
    }
    // The painter has closed the file when StampaImpaginazione returns.
    const bool scritto = tela::StampaImpaginazione(pdf, imp);
    if (!scritto) {
        std::error_code ignorato;
        std::filesystem::remove(*temporaneo, ignorato);
    }
    if (!scritto || !SostituisciFile(*temporaneo, *uscita)) {
        err << "quarvin-cli: " << messaggi_cli::PdfNonScritto << *uscita << '\n';
        return UscitaRifiuto;
    }
    return UscitaOk;
}

} // namespace cli
