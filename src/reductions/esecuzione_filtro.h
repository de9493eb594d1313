#pragma once

#include "core/elenco_giocate.h"
#include "core/giocata.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/esecuzione_riduzione.h"

#include <cstdint>
#include <limits>

// The run shared by the reductions that test plays one by one (the conditional reduction and the filter
// reductions): either every combination of the prediction that passes is added after the plays of the
// list, or every play of the list that fails is removed.

enum class ModoFiltro { Pronostico, Giocate };

namespace messaggi_filtro {

inline constexpr const char* NessunaNuovaGiocata =
    "Non è stata aggiunta nessuna nuova giocata.\r"
    "Verificare le condizioni o la presenza di eventuali fisse nel pronostico.";
inline constexpr const char* TutteEliminate =
    "Sono state eliminate tutte le giocate.\r"
    "Verificare le condizioni o la presenza di eventuali fisse nel pronostico.";
inline constexpr const char* GiocateFinali = "Nº Giocate finali: ";

} // namespace messaggi_filtro

// Polls of the plays mode.
inline constexpr std::int64_t IntervalloVerificaFiltro = 17;

// The run's options for a mode: the prediction mode adds plays, the plays mode removes them at once.
EsecuzioneRiduzione::Opzioni OpzioniFiltro(ModoFiltro modo, bool consideraFisse);

// The ends of the two modes: the commit and the messages (nothing added: NessunaNuovaGiocata; every play
// removed: TutteEliminate with the list left empty; every play kept: Completata).
EsitoRiduzione ConcludiFiltroGiocate(EsecuzioneRiduzione& esecuzione);
EsitoRiduzione ConcludiFiltroPronostico(EsecuzioneRiduzione& esecuzione);

// What the prediction mode does with the candidates: each accepted one is added unless it is among the
// plays the list held before the run (one cursor search, skipped when the list was empty), and every
// 64 candidates (never for k = 1) the run polls with "Nº Giocate finali: " count + added.
class RaccoltaCandidati
{
public:
    explicit RaccoltaCandidati(EsecuzioneRiduzione& esecuzione);

    // False when the list could not grow: the run ends.
    [[nodiscard]] bool accettata(const Tipo_Giocata& candidata)
    {
        if (m_duplicati && m_esecuzione.giocate().CercaGiocataTra(candidata, m_iniziali) != 0) {
            return true;
        }
        return m_esecuzione.aggiungi(candidata);
    }
    // Room for n accepted candidates that need no duplicate check, written by the caller and counted
    // with scritte(n); nullptr when each must go through accettata().
    Tipo_Giocata* spazio(std::int64_t n) { return m_duplicati ? nullptr : m_esecuzione.spazio(n); }
    void scritte(std::int64_t n) { m_esecuzione.scritte(n); }
    // One candidate examined; false when a stop was confirmed.
    [[nodiscard]] bool esaminata()
    {
        if (--m_finoAllaVerifica != 0) {
            return true;
        }
        return verifica();
    }

    // The candidates that can be examined before the next poll is due, that one included (at least 1).
    std::int64_t primaDellaVerifica() const { return m_finoAllaVerifica; }
    // n <= primaDellaVerifica() candidates examined: the poll falls on the last when it is due; false
    // when a stop was confirmed.
    [[nodiscard]] bool esaminate(std::int64_t n)
    {
        m_finoAllaVerifica -= n;
        return m_finoAllaVerifica != 0 || verifica();
    }
    // n candidates examined at once when no poll falls among them (true); otherwise nothing is counted
    // and each must go through esaminata().
    [[nodiscard]] bool esaminateSenzaVerifica(std::int64_t n)
    {
        if (m_finoAllaVerifica <= n) {
            return false;
        }
        m_finoAllaVerifica -= n;
        return true;
    }

private:
    bool verifica();

    EsecuzioneRiduzione& m_esecuzione;
    std::int32_t m_iniziali = 0;
    bool m_duplicati = false;
    std::int64_t m_finoAllaVerifica = std::numeric_limits<std::int64_t>::max();
    std::int64_t m_esaminate = 0;
};

// The prediction mode over CombinazioniPronostico with accetta(const Tipo_Giocata&) -> bool.
template <typename Accetta> void FiltraPronostico(EsecuzioneRiduzione& esecuzione, Accetta&& accetta)
{
    const CombinazioniPronostico combinazioni(esecuzione.pronostico(), esecuzione.numeriPerGiocata());
    esecuzione.setTotale(combinazioni.totale());
    RaccoltaCandidati raccolta(esecuzione);
    combinazioni.perOgni([&](const Tipo_Giocata& candidata) {
        if (accetta(candidata) && !raccolta.accettata(candidata)) {
            return false;
        }
        return raccolta.esaminata();
    });
}

// The plays mode: from j = 1 while j <= count an accepted play stays and j advances; a refused one is
// swapped with the last play and the count lowered (the play moved in is tested next). Polls every 17
// plays with "Nº Giocate finali: " count and the bar at j / count; a stop brings every removed play
// back. Plays remaining: Completata with the system marked modified; none: the list stays empty,
// NessunRisultato with TutteEliminate.
template <typename Accetta> EsitoRiduzione FiltraGiocate(EsecuzioneRiduzione& esecuzione, Accetta&& accetta)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    std::int32_t j = 1;
    std::int64_t finoAllaVerifica = IntervalloVerificaFiltro;
    while (j <= giocate.conteggio()) {
        if (accetta(giocate.voce(j))) {
            ++j;
        } else {
            esecuzione.elimina(j);
        }
        if (--finoAllaVerifica == 0) {
            finoAllaVerifica = IntervalloVerificaFiltro;
            esecuzione.setElaborati(j);
            esecuzione.setTotale(giocate.conteggio());
            esecuzione.setMostrate(giocate.conteggio());
            if (!esecuzione.verifica()) {
                break;
            }
        }
    }
    return ConcludiFiltroGiocate(esecuzione);
}
