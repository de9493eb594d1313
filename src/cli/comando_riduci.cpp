// riduci METODO FILE.qvs [options of the method] (-o OUT.qvs | --sovrascrivi): a reduction method run
// on a system file, with the entry checks of the window's menu item. A new method is one row of
// Metodi: its name, its argument reader, its entry-check family and its run.
#include "cli/ambiente.h"
#include "cli/argomenti_giocate.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/generatore_casuale.h"
#include "editor/fisse.h"
#include "reductions/ingresso_riduzioni.h"
#include "reductions/messaggi_riduzioni.h"
#include "reductions/rid_casuale.h"
#include "reductions/rid_condizionata.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_ortogonale.h"
#include "reductions/riduttori_immediati.h"
#include "reductions/valida_condizioni.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

namespace {

constexpr const char* OpzioneN = "--n";
constexpr const char* OpzioneSeme = "--seme";
constexpr const char* OpzioneConsideraFisse = "--considera-fisse";
constexpr const char* OpzioneGaranzia = "--garanzia";
constexpr const char* OpzioneImmediati = "--immediati";
constexpr const char* OpzioneDaPronostico = "--da-pronostico";
constexpr const char* OpzioneDaGiocate = "--da-giocate";
constexpr const char* ModiEsclusivi = "--da-pronostico e --da-giocate non possono essere usate insieme";

constexpr const char* MetodoMancante = "manca il metodo di riduzione";
constexpr const char* MetodoSconosciuto = "metodo di riduzione sconosciuto: ";
constexpr const char* SemeNonValido = "il seme deve essere un numero da 0 a 4294967295: ";
constexpr const char* GaranziaNonValida = "la garanzia deve essere ambo, terno, quaterna o cinquina: ";

// What a method's run works on.
struct LavoroRiduzione
{
    StatoApplicazione& stato;
    const ArgomentiSistema& argomenti;
};

// A run ends with its outcome, or with std::nullopt when the input was refused (its message shown).
using Esito = std::optional<EsitoRiduzione>;

struct MetodoCli
{
    std::string_view nome;
    // Reads the method's arguments (after the method's name); false with the reason on a usage error.
    bool (*leggi)(const std::vector<std::string>& argomenti, ArgomentiSistema& a, std::string& errore);
    // The window's entry checks for the menu item.
    EsitoIngresso (*ingresso)(ContestoIngresso& contesto);
    Esito (*esegui)(LavoroRiduzione& lavoro);
};

bool LeggiSeme(const std::string& testo, std::uint32_t& seme)
{
    if (testo.empty() || testo.size() > 10 || testo.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const unsigned long long valore = std::stoull(testo);
    if (valore > 0xFFFFFFFFull) {
        return false;
    }
    seme = static_cast<std::uint32_t>(valore);
    return true;
}

// --n N --seme S [--considera-fisse]: the options of the random methods. --n is required; its value
// is checked by the method like the dialog's box, so a bad count is a refusal, not a usage error.
bool LeggiCasuale(const std::vector<std::string>& argomenti, ArgomentiSistema& a, std::string& errore,
                  bool conFisse)
{
    const bool letti = conFisse ? LeggiArgomentiSistema(argomenti, {OpzioneN, OpzioneSeme},
                                                        {OpzioneConsideraFisse}, a, errore)
                                : LeggiArgomentiSistema(argomenti, {OpzioneN, OpzioneSeme}, {}, a, errore);
    if (!letti) {
        return false;
    }
    if (!a.valore(OpzioneN)) {
        errore = std::string(messaggi_cli::OpzioneObbligatoria) + OpzioneN;
        return false;
    }
    if (const auto seme = a.valore(OpzioneSeme)) {
        std::uint32_t valore = 0;
        if (!LeggiSeme(*seme, valore)) {
            errore = SemeNonValido + *seme;
            return false;
        }
    }
    return true;
}

// The generator's state before a random run: --seme, else the clock (as at the program's start).
void SeminaGeneratore(LavoroRiduzione& lavoro)
{
    std::uint32_t seme = 0;
    if (const auto testo = lavoro.argomenti.valore(OpzioneSeme); testo && LeggiSeme(*testo, seme)) {
        lavoro.stato.generatore.imposta(seme);
    } else {
        lavoro.stato.generatore.seminaDaOrologio(ContatoreAltaRisoluzione());
    }
}

Esito CasualeAggiungi(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const bool fisse = lavoro.argomenti.acceso(OpzioneConsideraFisse) && stato.sistema.numeroFisse > 0;
    const RichiestaCasuale richiesta =
        ControllaAggiuntaCasuale(stato.sistema, stato.giocate, fisse, *lavoro.argomenti.valore(OpzioneN));
    if (!richiesta.valida()) {
        stato.messaggi.mostra(*richiesta.rifiuto);
        return std::nullopt;
    }
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    return AggiungiGiocateCasuali(stato.sistema, stato.giocate, fisse, richiesta.quante, stato.generatore,
                                  continua);
}

Esito CasualeElimina(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const RichiestaCasuale richiesta =
        ControllaEliminazioneCasuale(stato.giocate, *lavoro.argomenti.valore(OpzioneN));
    if (!richiesta.valida()) {
        stato.messaggi.mostra(*richiesta.rifiuto);
        return std::nullopt;
    }
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    return EliminaGiocateCasualmente(stato.sistema, stato.giocate, richiesta.quante, stato.generatore,
                                     continua);
}

// ambo, terno, quaterna, cinquina -> 2..5; 0 for anything else.
int LeggiGaranzia(std::string_view testo)
{
    constexpr std::array<std::string_view, 4> nomi{"ambo", "terno", "quaterna", "cinquina"};
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        if (testo == nomi[i]) {
            return static_cast<int>(i) + 2;
        }
    }
    return 0;
}

// --garanzia G [--seme S] [--considera-fisse] [--immediati]: the options of the orthogonal and the
// guarantee reductions.
bool LeggiOrtogonale(const std::vector<std::string>& argomenti, ArgomentiSistema& a, std::string& errore)
{
    if (!LeggiArgomentiSistema(argomenti, {OpzioneGaranzia, OpzioneSeme},
                               {OpzioneConsideraFisse, OpzioneImmediati}, a, errore)) {
        return false;
    }
    const auto garanzia = a.valore(OpzioneGaranzia);
    if (!garanzia) {
        errore = std::string(messaggi_cli::OpzioneObbligatoria) + OpzioneGaranzia;
        return false;
    }
    if (LeggiGaranzia(*garanzia) == 0) {
        errore = GaranziaNonValida + *garanzia;
        return false;
    }
    if (const auto seme = a.valore(OpzioneSeme)) {
        std::uint32_t valore = 0;
        if (!LeggiSeme(*seme, valore)) {
            errore = SemeNonValido + *seme;
            return false;
        }
    }
    return true;
}

// The reducer file of the data folder with --immediati; none otherwise, so that a script gets the
// program's own algorithm unless it asks for the reducers.
std::string FileRiduttori(const LavoroRiduzione& lavoro, const std::string& nome)
{
    return lavoro.argomenti.acceso(OpzioneImmediati) ? lavoro.stato.cartelle.dati + nome : std::string();
}

// The damaged-reducer outcome carries no message (the window asks a question too): the error is
// printed here.
template <typename EsitoConRiduttore>
Esito FineConRiduttore(LavoroRiduzione& lavoro, const EsitoConRiduttore& esito)
{
    if (esito.riduttoreDanneggiato) {
        Messaggio errore = Errore(messaggi_riduttori::Danneggiato);
        errore.titolo = messaggi_riduttori::TitoloDanneggiato;
        lavoro.stato.messaggi.mostra(errore);
    }
    return esito.esito;
}

Esito OrtogonalePronostico(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    ParametriOrtogonale parametri;
    parametri.garanzia = LeggiGaranzia(*lavoro.argomenti.valore(OpzioneGaranzia));
    parametri.consideraFisse =
        lavoro.argomenti.acceso(OpzioneConsideraFisse) && stato.sistema.numeroFisse > 0;
    parametri.fileRiduttori = FileRiduttori(lavoro, NomeFileRiduttoriOrtogonali);
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    return FineConRiduttore(
        lavoro, RiduzioneOrtogonale(stato.sistema, stato.giocate, parametri, stato.generatore, continua));
}

Esito OrtogonaleGiocate(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    ParametriOrtogonaleGiocate parametri;
    parametri.garanzia = LeggiGaranzia(*lavoro.argomenti.valore(OpzioneGaranzia));
    parametri.numeriPerGiocata = NumeriGiocata(stato.giocate.voce(1));
    parametri.numeriUsati = NumeriNelleGiocate(stato.giocate);
    parametri.consideraFisse =
        lavoro.argomenti.acceso(OpzioneConsideraFisse) && stato.sistema.numeroFisse > 0;
    parametri.immediati = lavoro.argomenti.acceso(OpzioneImmediati);
    parametri.fileRiduttori = FileRiduttori(lavoro, NomeFileRiduttoriOrtogonali);
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    return FineConRiduttore(lavoro, RiduzioneOrtogonaleGiocate(stato.sistema, stato.giocate, parametri,
                                                               stato.generatore, continua));
}

Esito GaranziaPronostico(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    ParametriGaraPro parametri;
    parametri.garanzia = GaranziaAmmessa(stato.sistema.numeriPerGiocata,
                                         LeggiGaranzia(*lavoro.argomenti.valore(OpzioneGaranzia)));
    parametri.consideraFisse =
        lavoro.argomenti.acceso(OpzioneConsideraFisse) && stato.sistema.numeroFisse > 0;
    parametri.fileRiduttori = FileRiduttori(lavoro, NomeFileRiduttoriGaranzia);
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    return FineConRiduttore(lavoro, RiduzionePronosticoGaranzia(stato.sistema, stato.giocate, parametri,
                                                                stato.generatore, continua));
}

Esito GaranziaGiocate(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    ParametriGaraGio parametri;
    parametri.numeriGiocate = NumeriGiocata(stato.giocate.voce(1));
    parametri.garanzia =
        GaranziaAmmessa(parametri.numeriGiocate, LeggiGaranzia(*lavoro.argomenti.valore(OpzioneGaranzia)));
    parametri.numeriUsati = NumeriNelleGiocate(stato.giocate);
    parametri.consideraFisse =
        lavoro.argomenti.acceso(OpzioneConsideraFisse) && stato.sistema.numeroFisse > 0;
    parametri.immediati = lavoro.argomenti.acceso(OpzioneImmediati);
    parametri.fileRiduttori = FileRiduttori(lavoro, NomeFileRiduttoriGaranzia);
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    InsiemeCombinazioni cinquine;
    const bool conMappa = cinquine.prenota(5);
    return FineConRiduttore(lavoro, RiduzioneGiocateGaranzia(stato.sistema, stato.giocate, parametri,
                                                             conMappa ? &cinquine : nullptr, stato.generatore,
                                                             continua));
}

// [--da-pronostico | --da-giocate]: the conditional reduction's mode; without either, the mode the
// dialog selects (the plays when the list has some, else the prediction).
bool LeggiCondizionata(const std::vector<std::string>& argomenti, ArgomentiSistema& a, std::string& errore)
{
    if (!LeggiArgomentiSistema(argomenti, {}, {OpzioneDaPronostico, OpzioneDaGiocate}, a, errore)) {
        return false;
    }
    if (a.acceso(OpzioneDaPronostico) && a.acceso(OpzioneDaGiocate)) {
        errore = ModiEsclusivi;
        return false;
    }
    return true;
}

// The conditions stored in the system file, checked as the dialog validates them; the fixed numbers
// count whenever the system has some (the dialog's "Considera Fisse" as it opens).
Esito Condizionata(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    CondizioniRiduzione condizioni = CondizioniDelSistema(stato.sistema);
    condizioni.setAbilitato(Criterio::ErroriConsentiti, true);
    condizioni.errori[Indice(Criterio::ErroriConsentiti)] = 0;
    if (const auto rifiuto = ControllaCondizioni(condizioni)) {
        stato.messaggi.mostra(*rifiuto);
        return std::nullopt;
    }
    ModoCondizionata modo = stato.giocate.vuoto() ? ModoCondizionata::Pronostico : ModoCondizionata::Giocate;
    if (lavoro.argomenti.acceso(OpzioneDaPronostico)) {
        modo = ModoCondizionata::Pronostico;
    } else if (lavoro.argomenti.acceso(OpzioneDaGiocate)) {
        if (stato.giocate.vuoto()) {
            stato.messaggi.mostra(Avviso(messaggi_riduzioni::AlmenoUnaGiocata));
            return std::nullopt;
        }
        modo = ModoCondizionata::Giocate;
    }
    EsecuzioneContinua continua;
    return RiduzioneCondizionata(stato.sistema, stato.giocate, condizioni, modo,
                                 stato.sistema.numeroFisse > 0, continua);
}

const std::array Metodi = {
    MetodoCli{"casuale-aggiungi",
              [](const std::vector<std::string>& v, ArgomentiSistema& a, std::string& e) {
                  return LeggiCasuale(v, a, e, true);
              },
              &IngressoValidazione, &CasualeAggiungi},
    MetodoCli{"casuale-elimina",
              [](const std::vector<std::string>& v, ArgomentiSistema& a, std::string& e) {
                  return LeggiCasuale(v, a, e, false);
              },
              &IngressoEliminaCasualmente, &CasualeElimina},
    MetodoCli{"condizionata", &LeggiCondizionata, &IngressoValidazioneSeVuoto, &Condizionata},
    MetodoCli{"ortogonale-pronostico", &LeggiOrtogonale, &IngressoPronosticoAlmenoTre, &OrtogonalePronostico},
    MetodoCli{"ortogonale-giocate", &LeggiOrtogonale, &IngressoGiocateUniformi, &OrtogonaleGiocate},
    MetodoCli{"garanzia-pronostico", &LeggiOrtogonale, &IngressoPronosticoAlmenoTre, &GaranziaPronostico},
    MetodoCli{"garanzia-giocate", &LeggiOrtogonale, &IngressoGiocateUniformi, &GaranziaGiocate},
};

// The window's ValidaSistema on the fixed numbers as they are stored.
bool SistemaValido(Sistema& sistema, ServizioMessaggi& messaggi)
{
    CaselleFisse caselle{};
    const int quante = std::min<int>(sistema.numeroFisse, static_cast<int>(caselle.size()));
    for (int i = 0; i < quante; ++i) {
        caselle[static_cast<std::size_t>(i)] = std::to_string(sistema.fisse[static_cast<std::size_t>(i)]);
    }
    const SegniRuote ruote = sistema.ruote;
    return ValidaSistema(sistema, caselle, ruote, messaggi);
}

} // namespace

int ComandoRiduci(const RigaComando& riga, std::ostream& /*out*/, std::ostream& err)
{
    if (riga.argomenti.empty()) {
        return ErroreUso(err, MetodoMancante);
    }
    const std::string& nome = riga.argomenti.front();
    const MetodoCli* metodo = nullptr;
    for (const MetodoCli& m : Metodi) {
        if (m.nome == nome) {
            metodo = &m;
        }
    }
    if (metodo == nullptr) {
        return ErroreUso(err, MetodoSconosciuto + nome);
    }
    ArgomentiSistema argomenti;
    std::string errore;
    if (!metodo->leggi(std::vector<std::string>(riga.argomenti.begin() + 1, riga.argomenti.end()), argomenti,
                       errore)) {
        return ErroreUso(err, errore);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(argomenti.sistema)) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    ContestoIngresso contesto{stato.sistema, stato.giocate, stato.messaggi,
                              [&stato] { return SistemaValido(stato.sistema, stato.messaggi); }};
    if (!metodo->ingresso(contesto)) {
        return UscitaRifiuto;
    }

    LavoroRiduzione lavoro{stato, argomenti};
    const Esito esito = metodo->esegui(lavoro);
    if (!esito) {
        return UscitaRifiuto;
    }
    if (esito->messaggio) {
        stato.messaggi.mostra(*esito->messaggio);
    }
    if (!esito->confermata()) {
        // Nothing committed: nothing is written.
        return UscitaRifiuto;
    }
    return ScriviSistemaUscita(ambiente, argomenti);
}

} // namespace cli
