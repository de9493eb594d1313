#pragma once

// The run shared by every reduction method.
//
// How a method plugs in:
//  1. Engine (src/reductions/<metodo>.{h,cpp}): a function that validates its parameters (an outcome
//     with the refusal message, shown by the caller) and a run function
//         EsitoRiduzione Metodo(Sistema&, ElencoGiocate&, <parameters>, ControlloEsecuzione&);
//     that builds an EsecuzioneRiduzione with the right ModoRiduzione, calls avvia(), produces or keeps
//     plays through aggiungi()/mantieni()/elimina()/riscritta(), polls with esamina() or verifica()
//     (stopping at once when they return false) and ends with `return esecuzione.concludi(messaggio);`.
//     concludi() applies the commit rule of the mode, so no method touches the count itself.
//  2. Entry check: the command calls the function of ingresso_riduzioni.h for its menu item.
//  3. Dialog (src/ui/<metodo>_dialog.{h,cpp}): a subclass of TRiduzioneDialog that adds its parameter
//     widgets, loads and saves its IDE_ options (opzioni_riduzione.h), reads and checks its widgets in
//     controllaParametri() (before they are locked for the run) and implements esegui() as one
//     call of the engine's run with the controllo() it is handed; the base does the buttons, the
//     running state, the close refusal, the progress, the message and the close on commit.
//  4. Command (src/ui/pri_<area>.cpp): m_comandi.collega(caption, ...) running
//         if (!ingressoRiduzione(&IngressoFamiglia)) { return; }
//         TMetodo dialogo(m_stato, m_apriGuida, this);
//         apriRiduzione(dialogo);
//     and, for quarvin-cli, one row of the Metodi table in src/cli/comando_riduci.cpp (name, argument
//     reader, entry-check family, run).

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"

#include <cstdint>
#include <optional>
#include <vector>

// How a run changes the play list, and so how it commits and what a stop leaves.
enum class ModoRiduzione {
    // Produced plays are written after the committed count (aggiungi); the commit raises the count by
    // them, the plays already in the list staying in front. A stop or a failed growth drops them.
    Aggiunge,
    // Kept plays are gathered at the front (mantieni, or setMantenute after the method's own moves);
    // the commit sets the count to them. A stop leaves the count as it was, the plays possibly in
    // another order.
    Mantiene,
    // Plays are appended one at a time and the count grows at once (aggiungi). A stop takes the
    // appended plays away again; a failed growth keeps those already appended.
    AggiungeSubito,
    // Plays are removed one at a time by swapping them with the last play and lowering the count
    // (elimina). A stop restores the count: every removed play comes back, in another order.
    EliminaSubito,
    // Plays are rewritten in place (riscritta counts them); the count never changes and a stop keeps
    // the changes made so far.
    Riscrive,
};

enum class CodiceRiduzione {
    Completata,          // committed: the dialog closes
    NessunRisultato,     // nothing produced (or kept): the method's message, nothing committed
    Interrotta,          // the stop was confirmed
    MemoriaInsufficiente // the list could not grow (its warning already shown)
};

struct EsitoRiduzione
{
    CodiceRiduzione codice = CodiceRiduzione::Completata;
    // Plays added, kept, removed or rewritten, by the mode; after a stop, those reached.
    std::int64_t giocate = 0;
    // What the caller shows: the method's message for NessunRisultato, nothing otherwise.
    std::optional<Messaggio> messaggio;

    bool confermata() const { return codice == CodiceRiduzione::Completata; }
};

// Candidates between two polls of a combination enumeration.
inline constexpr std::int64_t IntervalloVerificaCombinazioni = 64;

class EsecuzioneRiduzione
{
public:
    struct Opzioni
    {
        ModoRiduzione modo = ModoRiduzione::Aggiunge;
        // The dialog's "Considera fisse", counted only when the system has fixed numbers.
        bool consideraFisse = false;
        // esamina() polls once every this many candidates.
        std::int64_t intervalloVerifica = IntervalloVerificaCombinazioni;
        // Mantiene / EliminaSubito: whether keeping no play at all is a result that commits (an empty
        // list) rather than NessunRisultato.
        bool risultatoVuotoAmmesso = false;
    };

    EsecuzioneRiduzione(Sistema& sistema, ElencoGiocate& giocate, ControlloEsecuzione& controllo,
                        Opzioni opzioni);
    EsecuzioneRiduzione(const EsecuzioneRiduzione&) = delete;
    EsecuzioneRiduzione& operator=(const EsecuzioneRiduzione&) = delete;

    // The start of every run: the fixed-number map rebuilt when "Considera fisse" counts, the undo
    // snapshot taken when the list is not empty (before any change, once per run), the ordered
    // prediction built, the counters cleared.
    void avvia();
    bool inCorso() const { return m_inCorso; }

    const Sistema& sistema() const { return m_sistema; }
    ElencoGiocate& giocate() { return m_giocate; }
    // The predicted numbers ascending, and k.
    const std::vector<std::uint8_t>& pronostico() const { return m_pronostico; }
    int numeriPerGiocata() const { return m_sistema.numeriPerGiocata; }
    bool consideraFisse() const { return m_consideraFisse; }
    // The fixed-number map (empty, every play passing, when fixed numbers are not considered).
    const MappaFisse& mappa() const { return m_mappa; }
    // ContieneFisse over the first k slots; true when fixed numbers are not considered.
    bool conFisse(const Tipo_Giocata& giocata) const
    {
        return !m_consideraFisse || ContieneFisse(giocata, m_sistema.numeriPerGiocata, m_mappa);
    }
    // The committed count when the run started.
    std::int32_t iniziali() const { return m_iniziali; }

    // Aggiunge, AggiungeSubito: writes the play after the plays produced so far, growing the list on
    // demand. False when the list could not grow: the run must end (concludi).
    [[nodiscard]] bool aggiungi(const Tipo_Giocata& giocata)
    {
        // The common case inline: a deferred play with room for it (the capacity never exceeds the
        // largest count, so the position fits).
        if (m_opzioni.modo == ModoRiduzione::Aggiunge) {
            const std::int64_t posizione = std::int64_t{m_iniziali} + m_prodotte + 1;
            if (posizione <= m_giocate.capacita()) {
                m_giocate.voce(static_cast<std::int32_t>(posizione)) = giocata;
                ++m_prodotte;
                return true;
            }
        }
        return aggiungiAmpliando(giocata);
    }
    std::int64_t aggiunte() const { return m_prodotte; }
    // Aggiunge: room for the next n plays, written by the caller and counted with scritte(n); nullptr
    // when the list cannot grow to hold them (aggiungi then ends the run as usual). Spares a run of
    // plays the per-play bookkeeping.
    Tipo_Giocata* spazio(std::int64_t n)
    {
        const std::int64_t ultima = std::int64_t{m_iniziali} + m_prodotte + n;
        if (m_opzioni.modo == ModoRiduzione::Aggiunge && ultima <= m_giocate.capacita()) {
            return m_giocate.dati() + (ultima - n);
        }
        return spazioAmpliando(n);
    }
    void scritte(std::int64_t n) { m_prodotte += n; }

    // Mantiene: play i (mantenute() < i <= count) is swapped into position mantenute() + 1, so the
    // kept plays stay in their order at the front.
    void mantieni(std::int32_t i);
    // Mantiene, for methods that arrange the kept plays themselves at positions 1..n.
    void setMantenute(std::int32_t n) { m_prodotte = n; }
    std::int64_t mantenute() const { return m_prodotte; }

    // EliminaSubito: play i (1..count) is swapped with the last play and the count lowered by one.
    void elimina(std::int32_t i);
    std::int64_t eliminate() const { return m_prodotte; }

    // Riscrive: one more play rewritten.
    void riscritta() { ++m_prodotte; }

    // Progress. The total drives the bar (elaborati / totale); 0 leaves the bar alone.
    void setTotale(double totale) { m_totale = totale; }
    // The count shown beside the bar ("Nº di giocate: "); by default the plays added, kept, removed
    // or rewritten. Methods that show the list's total set it before each poll.
    void setMostrate(std::int64_t n) { m_mostrate = n; }
    std::int64_t elaborati() const { return m_elaborati; }

    // One or more candidates examined; polls each time the count crosses a multiple of the interval.
    // False when the stop was confirmed: the run must end (concludi).
    [[nodiscard]] bool esamina(std::int64_t quanti = 1);
    // Polls now with the current progress; false when the stop was confirmed.
    [[nodiscard]] bool verifica();
    // Sets the candidates examined without polling (for methods whose progress is a position).
    void setElaborati(std::int64_t n) { m_elaborati = n; }
    bool interrotta() const { return m_interrotta; }

    // The end of every run: the commit rule of the mode, the system's modified flag set on every
    // change that stays in the list, the running state cleared. messaggioNessunRisultato is what a run
    // that produced nothing shows (for example messaggi_sviluppo::NessunaGiocataAggiunta).
    [[nodiscard]] EsitoRiduzione concludi(std::optional<Messaggio> messaggioNessunRisultato = std::nullopt);

private:
    bool aggiungiAmpliando(const Tipo_Giocata& giocata);
    Tipo_Giocata* spazioAmpliando(std::int64_t n);

    Sistema& m_sistema;
    ElencoGiocate& m_giocate;
    ControlloEsecuzione& m_controllo;
    Opzioni m_opzioni;
    bool m_consideraFisse = false;
    MappaFisse m_mappa;
    std::vector<std::uint8_t> m_pronostico;
    bool m_inCorso = false;
    bool m_interrotta = false;
    bool m_memoriaEsaurita = false;
    std::int32_t m_iniziali = 0;
    std::int64_t m_prodotte = 0;
    std::int64_t m_elaborati = 0;
    std::int64_t m_prossimaVerifica = 0;
    std::int64_t m_mostrate = -1;
    double m_totale = 0;
};
