// riduci METODO FILE.qvs [options of the method] (-o OUT.qvs | --sovrascrivi): a reduction method run
// on a system file, with the entry checks of the window's menu item. A new method is one row of
// Metodi: its name, its argument reader, its entry-check family and its run.
#include "cli/ambiente.h"
#include "cli/argomenti_giocate.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "cli/opzioni_riduzione.h"
#include "core/file_binario.h"
#include "core/generatore_casuale.h"
#include "editor/file_riduzioni.h"
#include "editor/fisse.h"
#include "reductions/ingresso_riduzioni.h"
#include "reductions/messaggi_riduzioni.h"
#include "reductions/rid_casuale.h"
#include "reductions/rid_condizionata.h"
#include "reductions/rid_cruciverba.h"
#include "reductions/rid_filtri.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_normalizza.h"
#include "reductions/rid_ortogonale.h"
#include "reductions/rid_otti_proba.h"
#include "reductions/rid_probabilistiche.h"
#include "reductions/rid_rappresentative.h"
#include "reductions/rid_sostituzione.h"
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

constexpr const char* MetodoMancante = "manca il metodo di riduzione";
constexpr const char* MetodoSconosciuto = "metodo di riduzione sconosciuto: ";

// What a method's run works on.
struct LavoroRiduzione
{
    StatoApplicazione& stato;
    const OpzioniRiduzione& opzioni;

    // "Considera fisse" counts only when the system has fixed numbers, as in the dialogs.
    bool fisse() const { return opzioni.consideraFisse && stato.sistema.numeroFisse > 0; }
};

// A run ends with its outcome, or with std::nullopt when the input was refused (its message shown).
using Esito = std::optional<EsitoRiduzione>;

struct MetodoCli
{
    std::string_view nome;
    // The options the method takes (OpzioneRiduzione flags) and those it needs.
    unsigned accettate;
    unsigned obbligatorie;
    // The window's entry checks for the menu item.
    EsitoIngresso (*ingresso)(ContestoIngresso& contesto);
    Esito (*esegui)(LavoroRiduzione& lavoro);
    // Whether the run reads the archive of the data folder.
    bool conArchivio = false;
};

// The generator's state before a random run: --seme, else the clock (as at the program's start).
void SeminaGeneratore(LavoroRiduzione& lavoro)
{
    if (lavoro.opzioni.seme) {
        lavoro.stato.generatore.imposta(*lavoro.opzioni.seme);
    } else {
        lavoro.stato.generatore.seminaDaOrologio(ContatoreAltaRisoluzione());
    }
}

Esito CasualeAggiungi(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const bool fisse = lavoro.fisse();
    const RichiestaCasuale richiesta =
        ControllaAggiuntaCasuale(stato.sistema, stato.giocate, fisse, lavoro.opzioni.n);
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
    const RichiestaCasuale richiesta = ControllaEliminazioneCasuale(stato.giocate, lavoro.opzioni.n);
    if (!richiesta.valida()) {
        stato.messaggi.mostra(*richiesta.rifiuto);
        return std::nullopt;
    }
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    return EliminaGiocateCasualmente(stato.sistema, stato.giocate, richiesta.quante, stato.generatore,
                                     continua);
}

// The reducer file of the data folder with --immediati; none otherwise, so that a script gets the
// program's own algorithm unless it asks for the reducers.
std::string FileRiduttori(const LavoroRiduzione& lavoro, const std::string& nome)
{
    return lavoro.opzioni.immediati ? lavoro.stato.cartelle.dati + nome : std::string();
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
    parametri.garanzia = lavoro.opzioni.garanzia;
    parametri.consideraFisse = lavoro.fisse();
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
    parametri.garanzia = lavoro.opzioni.garanzia;
    parametri.numeriPerGiocata = NumeriGiocata(stato.giocate.voce(1));
    parametri.numeriUsati = NumeriNelleGiocate(stato.giocate);
    parametri.consideraFisse = lavoro.fisse();
    parametri.immediati = lavoro.opzioni.immediati;
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
    parametri.garanzia = GaranziaAmmessa(stato.sistema.numeriPerGiocata, lavoro.opzioni.garanzia);
    parametri.consideraFisse = lavoro.fisse();
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
    parametri.garanzia = GaranziaAmmessa(parametri.numeriGiocate, lavoro.opzioni.garanzia);
    parametri.numeriUsati = NumeriNelleGiocate(stato.giocate);
    parametri.consideraFisse = lavoro.fisse();
    parametri.immediati = lavoro.opzioni.immediati;
    parametri.fileRiduttori = FileRiduttori(lavoro, NomeFileRiduttoriGaranzia);
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    InsiemeCombinazioni cinquine;
    const bool conMappa = cinquine.prenota(5);
    return FineConRiduttore(lavoro, RiduzioneGiocateGaranzia(stato.sistema, stato.giocate, parametri,
                                                             conMappa ? &cinquine : nullptr, stato.generatore,
                                                             continua));
}

// The mode the options ask for; without one, the mode the dialogs select: the plays when the list has
// some, else the prediction. The plays mode on an empty list is refused with the dialogs' message.
std::optional<ModoFiltro> ModoScelto(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    if (lavoro.opzioni.daPronostico) {
        return ModoFiltro::Pronostico;
    }
    if (lavoro.opzioni.daGiocate && stato.giocate.vuoto()) {
        stato.messaggi.mostra(Avviso(messaggi_riduzioni::AlmenoUnaGiocata));
        return std::nullopt;
    }
    return stato.giocate.vuoto() ? ModoFiltro::Pronostico : ModoFiltro::Giocate;
}

// The conditions stored in the system file, checked as the dialog validates them; the fixed numbers
// count whenever the system has some (the dialog's "Considera Fisse" as it opens).
Esito Condizionata(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    if (!lavoro.opzioni.condizioni.empty()) {
        // Another record replaces the system's, and travels with it as the dialog's would.
        BloccoRecord<17888> record{};
        if (LeggiFileCondizioni(lavoro.opzioni.condizioni, record) != EsitoLettura::Letto) {
            stato.messaggi.mostra(Avviso(messaggi_cli::CondizioniNonValide + lavoro.opzioni.condizioni));
            return std::nullopt;
        }
        stato.sistema.riduzioni.condizionata = record;
    }
    CondizioniRiduzione condizioni = CondizioniDelSistema(stato.sistema);
    condizioni.setAbilitato(Criterio::ErroriConsentiti, true);
    condizioni.errori[Indice(Criterio::ErroriConsentiti)] = 0;
    if (const auto rifiuto = ControllaCondizioni(condizioni)) {
        stato.messaggi.mostra(*rifiuto);
        return std::nullopt;
    }
    const auto modo = ModoScelto(lavoro);
    if (!modo) {
        return std::nullopt;
    }
    EsecuzioneContinua continua;
    return RiduzioneCondizionata(stato.sistema, stato.giocate, condizioni, *modo, lavoro.fisse(), continua);
}

// A filter reduction with the record the system file carries; a record without criteria is refused as
// the dialog refuses it.
template <MembroFiltro Membro> Esito Filtra(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const FiltroRiduzione filtro = FiltroRiduzione::DelSistema(Membro, stato.sistema, stato.archivio);
    if (!HaCriteri(filtro)) {
        stato.messaggi.mostra(Avviso(MessaggioNessunCriterio(Membro)));
        return std::nullopt;
    }
    const auto modo = ModoScelto(lavoro);
    if (!modo) {
        return std::nullopt;
    }
    EsecuzioneContinua continua;
    return RiduzioneFiltro(stato.sistema, stato.giocate, filtro, *modo, lavoro.fisse(), continua);
}

// The reductions by delays, frequencies and custom scores with the blocks the system file carries; a
// cache already filled in the block is used as it is, otherwise it is computed from the archive.
template <MembroProbabilistico Membro> Esito Probabilistica(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const ImpostazioniProbabilistiche imp = ProbabilisticheDelSistema(Membro, stato.sistema, stato.archivio);
    if (imp.corretto) {
        stato.messaggi.mostra(Avviso(messaggi_probabilistiche::ImpostazioniCorrette));
    }
    if (const auto rifiuto = ControllaProbabilistiche(imp, stato.archivio.conteggio())) {
        stato.messaggi.mostra(*rifiuto);
        return std::nullopt;
    }
    const auto modo = ModoScelto(lavoro);
    if (!modo) {
        return std::nullopt;
    }
    const GiudizioProbabilistico giudizio(ValoriNumeri(imp), imp.intervalli);
    EsecuzioneContinua continua;
    return RiduzioneProbabilistica(stato.sistema, stato.giocate, giudizio, *modo, lavoro.fisse(), continua);
}

// The plays of a run: its candidates per play (--candidati, the same plays on every machine for a seed)
// or its time per play (--millisecondi), exactly one of them.
Esito PiuRappresentative(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const auto n = LeggiQuanteRappresentative(lavoro.opzioni.n);
    if (!n) {
        stato.messaggi.mostra(Avviso(messaggi_rappresentative::AggiuntaNonValida));
        return std::nullopt;
    }
    const bool conCandidati = !lavoro.opzioni.candidati.empty();
    const auto limite =
        LeggiQuanteRappresentative(conCandidati ? lavoro.opzioni.candidati : lavoro.opzioni.millisecondi);
    if (!limite) {
        stato.messaggi.mostra(
            Avviso(std::string(messaggi_cli::LimiteNonValido) +
                   (conCandidati ? lavoro.opzioni.candidati : lavoro.opzioni.millisecondi)));
        return std::nullopt;
    }
    ParametriGenio parametri;
    parametri.giocate = *n;
    parametri.consideraFisse = lavoro.fisse();
    (conCandidati ? parametri.candidati : parametri.millisecondi) = *limite;
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    return AggiungiPiuRappresentative(stato.sistema, stato.giocate, parametri, stato.generatore, continua);
}

Esito MenoRappresentative(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const auto n = LeggiQuanteRappresentative(lavoro.opzioni.n);
    if (!n) {
        stato.messaggi.mostra(Avviso(messaggi_rappresentative::EliminazioneNonValida +
                                     std::to_string(stato.giocate.conteggio())));
        return std::nullopt;
    }
    EsecuzioneContinua continua;
    return EliminaMenoRappresentative(stato.sistema, stato.giocate, *n, continua);
}

// --m M, the dialog's selector (1..10, lowered to k): the number of passes, so --passi P says the same
// and both given must agree; without either, the dialog's default k.
Esito Ottimizza(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    if (!lavoro.opzioni.passi.empty() && !lavoro.opzioni.m.empty() &&
        lavoro.opzioni.passi != lavoro.opzioni.m) {
        stato.messaggi.mostra(Avviso(messaggi_cli::PassiDiversi));
        return std::nullopt;
    }
    const std::string& testo = lavoro.opzioni.passi.empty() ? lavoro.opzioni.m : lavoro.opzioni.passi;
    const int k = std::clamp(stato.sistema.numeriPerGiocata, 1, NumeriMassimiPerGiocata);
    int passi = k;
    if (!testo.empty()) {
        const auto letto = LeggiQuanteRappresentative(testo);
        if (!letto || *letto > NumeriMassimiPerGiocata) {
            stato.messaggi.mostra(Avviso(std::string(messaggi_cli::PassiNonValidi) + testo));
            return std::nullopt;
        }
        passi = std::min(*letto, k);
    }
    EsecuzioneContinua continua;
    return OttimizzaProbabilita(stato.sistema, stato.giocate, passi, lavoro.fisse(), continua);
}

// The square built from the seed (within the window's time limits) and its systems developed. Without
// a line kind, the kinds the window ticks the first time: rows, columns and the main diagonals.
Esito Cruciverba(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const auto lato = LeggiLato(lavoro.opzioni.lato, stato.sistema.numeriPerGiocata);
    if (!lato) {
        Messaggio errore = Errore(messaggi_cruciverba::LatoNonValido);
        errore.titolo = "Errore";
        stato.messaggi.mostra(errore);
        return std::nullopt;
    }
    LineeCruciverba linee;
    const OpzioniRiduzione& o = lavoro.opzioni;
    if (o.righe || o.colonne || o.diagonali || o.oblique) {
        linee = {o.righe, o.colonne, o.diagonali, o.oblique};
    }
    std::vector<std::uint8_t> pronostico;
    for (std::size_t i = 0; i < stato.sistema.pronostico.size(); ++i) {
        if (stato.sistema.pronostico[i] != 0) {
            pronostico.push_back(static_cast<std::uint8_t>(i + 1));
        }
    }
    SeminaGeneratore(lavoro);
    EsecuzioneContinua continua;
    GrigliaCruciverba griglia;
    if (CostruisciCruciverba(*lato, pronostico, stato.generatore, continua, griglia) !=
        EsitoCostruzione::Costruita) {
        Messaggio avviso = Avviso(messaggi_cruciverba::Impossibile);
        avviso.icona = Icona::Informazione;
        stato.messaggi.mostra(avviso);
        return std::nullopt;
    }
    return SviluppaSistemi(stato.sistema, stato.giocate, SistemiCruciverba(griglia, linee), lavoro.fisse(),
                           continua);
}

// The table of a text file, one substitution a line; it becomes the system's table and Sostituzioni.def
// of the data folder, as the dialog stores what it reads.
Esito Sostituzione(LavoroRiduzione& lavoro)
{
    StatoApplicazione& stato = lavoro.stato;
    const auto byte = LeggiFileIntero(lavoro.opzioni.tabella, std::size_t{1} << 20);
    if (!byte) {
        stato.messaggi.mostra(Avviso(messaggi_cli::TabellaNonLeggibile + lavoro.opzioni.tabella));
        return std::nullopt;
    }
    const std::string testo(byte->begin(), byte->end());
    const LetturaSostituzioni lettura = LeggiRigheSostituzioni(RigheDaTesto(testo), lavoro.opzioni.parziale);
    if (lettura.rifiuto) {
        stato.messaggi.mostra(*lettura.rifiuto);
        return std::nullopt;
    }
    if (lettura.avviso) {
        stato.messaggi.mostra(*lettura.avviso);
    }
    TabellaInRecord(lettura.tabella, stato.sistema.riduzioni.sostituzioni);
    if (!ScriviSostituzioni(stato.cartelle.dati, stato.sistema.riduzioni.sostituzioni)) {
        stato.messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    EsecuzioneContinua continua;
    return SostituisciCombinazioni(stato.sistema, stato.giocate, lettura.tabella, lavoro.fisse(), continua);
}

Esito Normalizza(LavoroRiduzione& lavoro)
{
    EsecuzioneContinua continua;
    return NormalizzaDistribuzione(lavoro.stato.sistema, lavoro.stato.giocate, lavoro.fisse(), continua);
}

constexpr unsigned OpzFiltro = OpzModo | OpzDaPronostico | OpzDaGiocate | OpzConsideraFisse;

constexpr unsigned OpzCasuale = OpzN | OpzSeme;
constexpr unsigned OpzCopertura = OpzGaranzia | OpzSeme | OpzConsideraFisse | OpzImmediati;

const std::array Metodi = {
    MetodoCli{"casuale-aggiungi", OpzCasuale | OpzConsideraFisse, OpzN, &IngressoValidazione,
              &CasualeAggiungi},
    MetodoCli{"casuale-elimina", OpzCasuale, OpzN, &IngressoEliminaCasualmente, &CasualeElimina},
    // Without a mode, the one the dialog selects: the plays when the list has some, else the prediction.
    MetodoCli{"condizionata", OpzModo | OpzDaPronostico | OpzDaGiocate | OpzConsideraFisse | OpzCondizioni, 0,
              &IngressoValidazioneSeVuoto, &Condizionata},
    MetodoCli{"numeri", OpzFiltro, 0, &IngressoValidazioneSeVuoto, &Filtra<MembroFiltro::Numeri>},
    MetodoCli{"cadenze", OpzFiltro, 0, &IngressoValidazioneSeVuoto, &Filtra<MembroFiltro::Cadenze>},
    MetodoCli{"figure", OpzFiltro, 0, &IngressoValidazioneSeVuoto, &Filtra<MembroFiltro::Figure>},
    MetodoCli{"decine", OpzFiltro, 0, &IngressoValidazioneSeVuoto, &Filtra<MembroFiltro::Decine>},
    MetodoCli{"giocate-filtro", OpzFiltro, 0, &IngressoValidazioneSeVuoto,
              &Filtra<MembroFiltro::GiocateFiltro>},
    MetodoCli{"confronto-storico", OpzFiltro, 0, &IngressoValidazioneSeVuoto,
              &Filtra<MembroFiltro::ConfrontoStorico>, true},
    MetodoCli{"probabilita-ritardi", OpzFiltro, 0, &IngressoValidazioneSeVuoto,
              &Probabilistica<MembroProbabilistico::ProbabilitaRitardi>, true},
    MetodoCli{"probabilita-frequenze", OpzFiltro, 0, &IngressoValidazioneSeVuoto,
              &Probabilistica<MembroProbabilistico::ProbabilitaFrequenze>, true},
    MetodoCli{"probabilita-personalizzate", OpzFiltro, 0, &IngressoValidazioneSeVuoto,
              &Probabilistica<MembroProbabilistico::ProbabilitaPersonali>},
    MetodoCli{"frequenze", OpzFiltro, 0, &IngressoValidazioneSeVuoto,
              &Probabilistica<MembroProbabilistico::Frequenze>, true},
    MetodoCli{"ritardi", OpzFiltro, 0, &IngressoValidazioneSeVuoto,
              &Probabilistica<MembroProbabilistico::Ritardi>, true},
    MetodoCli{"ortogonale-pronostico", OpzCopertura, OpzGaranzia, &IngressoPronosticoAlmenoTre,
              &OrtogonalePronostico},
    MetodoCli{"ortogonale-giocate", OpzCopertura, OpzGaranzia, &IngressoGiocateUniformi, &OrtogonaleGiocate},
    MetodoCli{"garanzia-pronostico", OpzCopertura, OpzGaranzia, &IngressoPronosticoAlmenoTre,
              &GaranziaPronostico},
    MetodoCli{"garanzia-giocate", OpzCopertura, OpzGaranzia, &IngressoGiocateUniformi, &GaranziaGiocate},
    MetodoCli{"piu-rappresentative", OpzN | OpzSeme | OpzCandidati | OpzMillisecondi | OpzConsideraFisse,
              OpzN, &IngressoAggiungiRappresentative, &PiuRappresentative},
    MetodoCli{"meno-rappresentative", OpzN, OpzN, &IngressoEliminaRappresentative, &MenoRappresentative},
    MetodoCli{"ottimizza", OpzPassi | OpzM | OpzConsideraFisse, 0, &IngressoOttimizzaProbabilita, &Ottimizza},
    MetodoCli{"cruciverba", OpzLato | OpzLinee | OpzSeme | OpzConsideraFisse, OpzLato, &IngressoCruciverba,
              &Cruciverba},
    MetodoCli{"sostituzione", OpzTabella | OpzParziale | OpzConsideraFisse, OpzTabella, &IngressoSostituzione,
              &Sostituzione},
    MetodoCli{"normalizza", OpzConsideraFisse, 0, &IngressoNormalizza, &Normalizza},
};

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
    OpzioniRiduzione opzioni;
    std::string errore;
    if (!LeggiOpzioniRiduzione(std::vector<std::string>(riga.argomenti.begin() + 1, riga.argomenti.end()),
                               metodo->accettate, metodo->obbligatorie, argomenti, opzioni, errore)) {
        return ErroreUso(err, errore);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(argomenti.sistema)) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    ContestoIngresso contesto{stato.sistema, stato.giocate, stato.messaggi,
                              [&stato] { return ValidaSistemaSalvato(stato.sistema, stato.messaggi); }};
    if (!metodo->ingresso(contesto)) {
        return UscitaRifiuto;
    }

    if (metodo->conArchivio && !ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    if (opzioni.immediati) {
        // The same reducers as the window: the shipped ones, installed as at the program's start.
        ambiente.preparaRiduttori();
    }
    LavoroRiduzione lavoro{stato, opzioni};
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
