#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/classi_premio.h"
#include "core/importi.h"
#include "core/ruote.h"
#include "core/testo.h"
#include "editor/file_sistema.h"
#include "editor/fisse.h"
#include "editor/nuovo_sistema.h"
#include "editor/riepilogo.h"

#include <ostream>

namespace cli {

namespace {

// The fields "crea" sets on a new system, checked before the system is touched.
struct CampiCrea
{
    std::string uscita;
    SegniNumeri pronostico{};
    int numeriPerGiocata = 0;
    CaselleFisse fisse{};
    std::optional<SegniRuote> ruote;
    std::array<std::optional<double>, NumeroImporti> importi{};
    std::array<std::string, NumeroImporti> testiImporti{}; // as a stake box would hold them
    std::array<std::uint8_t, NumeroPosizioni> posizioni{};
};

struct NomeClasse
{
    std::string_view chiave;
    ClassePremio classe;
};

constexpr std::array<NomeClasse, 7> ChiaviImporti = {{
    {"estratto", Estratto},
    {"ambo", Ambo},
    {"terno", Terno},
    {"quaterna", Quaterna},
    {"cinquina", Cinquina},
    {"ambetto", Ambetto},
    {"determinato", EstrattoDeterminato},
}};

std::vector<std::string_view> Parole(const std::string& testo)
{
    return testo::Dividi(testo, ' ');
}

bool LeggiFisseCrea(const std::string& testoFisse, int numeriPerGiocata, CaselleFisse& caselle,
                    std::string& errore)
{
    const auto parole = Parole(testoFisse);
    if (parole.size() > caselle.size()) {
        errore = messaggi_cli::TroppeFisse;
        return false;
    }
    for (std::size_t i = 0; i < parole.size(); ++i) {
        caselle[i] = std::string(parole[i]);
    }
    Sistema prova;
    if (const int p = LeggiFisse(caselle, prova); p > 0) {
        errore = messaggi_cli::FissaNonValidaPrima + std::to_string(p) + messaggi_cli::FissaNonValidaDopo;
        return false;
    }
    if (numeriPerGiocata < prova.numeroFisse) {
        errore = messaggi_cli::FisseOltreNumeriPerGiocata;
        return false;
    }
    return true;
}

bool LeggiImporti(const std::string& testoImporti, std::array<std::optional<double>, NumeroImporti>& importi,
                  std::array<std::string, NumeroImporti>& testi, std::string& errore)
{
    for (std::string_view voce : Parole(testoImporti)) {
        const std::size_t uguale = voce.find('=');
        const std::string_view chiave = voce.substr(0, uguale);
        const NomeClasse* trovata = nullptr;
        for (const NomeClasse& c : ChiaviImporti) {
            if (testo::UgualiSenzaMaiuscole(chiave, c.chiave)) {
                trovata = &c;
            }
        }
        if (trovata == nullptr || uguale == std::string_view::npos) {
            errore = messaggi_cli::ClasseNonValida + std::string(voce);
            return false;
        }
        double valore = 0;
        if (!LeggiImporto(voce.substr(uguale + 1), valore)) {
            errore = messaggi_cli::ImportoNonValido + std::string(voce);
            return false;
        }
        importi[static_cast<std::size_t>(trovata->classe - 1)] = valore;
        testi[static_cast<std::size_t>(trovata->classe - 1)] = std::string(voce.substr(uguale + 1));
    }
    return true;
}

// The stakes as the window takes them: each in a box of seven characters, enabled for k numbers, and
// together valid against the accepted amounts and the limits of the general settings. A system written
// with stakes the window refuses could not be checked nor printed, and one beyond the boxes' reach
// would not reopen.
bool ImportiAccettati(const CampiCrea& campi, const ImpostazioniGenerali& generali)
{
    CaselleImporti caselle;
    caselle.abilitate = CaselleAbilitate(campi.numeriPerGiocata);
    bool dati = false;
    for (int slot = Estratto; slot <= Ambetto; ++slot) {
        const std::string& testo = campi.testiImporti[static_cast<std::size_t>(slot - 1)];
        if (testo.empty()) {
            continue;
        }
        dati = true;
        if (testo.size() > LunghezzaCasellaImporto || !caselle.abilitate[static_cast<std::size_t>(slot)]) {
            return false;
        }
        caselle.testi[static_cast<std::size_t>(slot)] = testo;
    }
    return !dati || ValidaImporti(caselle, campi.posizioni, generali).valido;
}

bool LeggiPosizioni(const std::string& testoPosizioni, std::array<std::uint8_t, NumeroPosizioni>& posizioni,
                    std::string& errore)
{
    for (std::string_view parola : Parole(testoPosizioni)) {
        int p = 0;
        if (!testo::LeggiIntero(parola, p) || p < 1 || p > NumeroPosizioni ||
            posizioni[static_cast<std::size_t>(p - 1)] != 0) {
            errore = messaggi_cli::PosizioneNonValida + std::string(parola);
            return false;
        }
        posizioni[static_cast<std::size_t>(p - 1)] = 1;
    }
    return true;
}

// The values of the options; false with the message of the first bad one.
bool LeggiCampi(const ArgomentiComando& a, CampiCrea& campi, std::string& errore)
{
    if (LeggiInsiemeNumeri(*a.valore("--pronostico"), campi.pronostico) == 0) {
        errore = messaggi_cli::PronosticoNonValido;
        return false;
    }
    const std::string k = testo::Trim(*a.valore("--k"));
    if (!testo::LeggiIntero(k, campi.numeriPerGiocata) || campi.numeriPerGiocata < 1 ||
        campi.numeriPerGiocata > NumeriMassimiPerGiocata) {
        errore = messaggi_cli::NumeriPerGiocataNonValidi;
        return false;
    }
    if (auto f = a.valore("--fisse"); f && !LeggiFisseCrea(*f, campi.numeriPerGiocata, campi.fisse, errore)) {
        return false;
    }
    if (!LeggiRuoteOpzionali(a, campi.ruote, errore)) {
        return false;
    }
    if (auto i = a.valore("--importi"); i && !LeggiImporti(*i, campi.importi, campi.testiImporti, errore)) {
        return false;
    }
    if (auto p = a.valore("--posizioni"); p && !LeggiPosizioni(*p, campi.posizioni, errore)) {
        return false;
    }
    return true;
}

} // namespace

int ComandoCrea(const RigaComando& riga, std::ostream& /*out*/, std::ostream& err)
{
    ArgomentiComando argomenti;
    std::string errore;
    if (!argomenti.leggi(riga.argomenti,
                         {"-o", "--pronostico", "--k", "--fisse", "--ruote", "--importi", "--posizioni"},
                         errore)) {
        return ErroreUso(err, errore);
    }
    if (!argomenti.parole().empty()) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + argomenti.parole()[0]);
    }
    for (const char* obbligatoria : {"-o", "--pronostico", "--k"}) {
        if (!argomenti.valore(obbligatoria)) {
            return ErroreUso(err, messaggi_cli::OpzioneObbligatoria + std::string(obbligatoria));
        }
    }

    CampiCrea campi;
    if (!LeggiCampi(argomenti, campi, errore)) {
        ServizioMessaggiTesto(err).mostra(Avviso(errore));
        return UscitaRifiuto;
    }

    AmbienteCli ambiente(riga, err);
    if (!ImportiAccettati(campi, ambiente.stato().generali)) {
        ambiente.mostra({Errore(MessaggioImportiNonValidi(ambiente.stato().generali), Icona::Avviso)});
        return UscitaRifiuto;
    }

    StatoApplicazione& stato = ambiente.stato();
    NuovoSistema(stato);
    Sistema& s = stato.sistema;
    s.pronostico = campi.pronostico;
    s.numeriPerGiocata = campi.numeriPerGiocata;
    (void)LeggiFisse(campi.fisse, s);
    if (campi.ruote) {
        s.ruote = *campi.ruote;
    }
    for (std::size_t i = 0; i < campi.importi.size(); ++i) {
        if (campi.importi[i]) {
            s.importi[i] = *campi.importi[i];
        }
    }
    s.posizioni = campi.posizioni;
    s.nomeFile = *argomenti.valore("-o");
    s.modificato = true;

    const EsitoFileSistema esito = ScriviSistema(s, stato.giocate);
    ambiente.mostra(esito.messaggi());
    return esito.ok() ? UscitaOk : UscitaRifiuto;
}

} // namespace cli
