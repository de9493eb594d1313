#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"
#include "editor/sviluppo_integrale.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// The pieces every analysis window shares: the percentage format, the "V su T (P %)" line, the
// counters per criterion, the run over the candidates and the refresh cadence of the grid.

// Fixed point with two decimals and "." as separator; then, while the text ends in two zeros, its last
// character goes: 12 -> "12.0", 12.5 -> "12.50", 0 -> "0.0", 33.333 -> "33.33".
std::string FormatoPercentuale(double percentuale);

// "V su T (P %)" with P = V / T * 100 in FormatoPercentuale; "0 su 0 (0 %)" when T is 0.
std::string TestoValide(std::int64_t valide, std::int64_t esaminate);
// The same line with P the nearest whole number, as the lines written while a count goes on.
std::string TestoValideArrotondato(std::int64_t valide, std::int64_t esaminate);

// What an analysis counts: per criterion the candidates that fail it, the candidates that pass every
// criterion, the candidates examined. A stop keeps the counts reached.
struct ConteggiAnalisi
{
    explicit ConteggiAnalisi(std::size_t criteri = 0) : nonRispettate(criteri, 0) {}

    std::vector<std::int64_t> nonRispettate;
    std::int64_t valide = 0;
    std::int64_t esaminate = 0;
    // The candidates the run was to examine, all of them, whether or not it was stopped.
    std::int64_t totale = 0;
    bool interrotta = false;
};

// Polls of an analysis over the plays of the list.
inline constexpr std::int64_t IntervalloVerificaGiocate = 17;

// The run of an analysis over candidates: every combination of the ordered prediction (k numbers,
// poll every 64) or every play of the list (poll every 17). valuta(const Tipo_Giocata&, ConteggiAnalisi&)
// adds one to nonRispettate[c] for each criterion c the candidate fails and returns whether it passes
// them all. At each poll Avanzamento carries the examined count, the total and the valid count. A
// confirmed stop ends the run with the counts reached and interrotta set.
template <typename Valuta>
void AnalizzaCombinazioni(const CombinazioniPronostico& combinazioni, ConteggiAnalisi& conteggi,
                          ControlloEsecuzione& controllo, Valuta&& valuta);
template <typename Valuta>
void AnalizzaGiocate(const ElencoGiocate& giocate, ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo,
                     Valuta&& valuta);

// When the grid of an analysis window is refreshed: first 300 ms after the start, then at most every
// 2500 ms (and always at the end, which the window does itself). Times in milliseconds from the start.
class CadenzaAggiornamento
{
public:
    static constexpr std::int64_t PrimoMs = 300;
    static constexpr std::int64_t IntervalloMs = 2500;

    // True when a refresh is due at this time; it then counts as done.
    bool dovuto(std::int64_t adessoMs);
    void azzera() { m_prossimo = PrimoMs; }

private:
    std::int64_t m_prossimo = PrimoMs;
};

template <typename Valuta>
void AnalizzaCombinazioni(const CombinazioniPronostico& combinazioni, ConteggiAnalisi& conteggi,
                          ControlloEsecuzione& controllo, Valuta&& valuta)
{
    const double totale = combinazioni.totale();
    conteggi.totale = std::llround(totale);
    std::int64_t finoAllaVerifica = 64;
    combinazioni.perOgni([&](const Tipo_Giocata& candidata) {
        ++conteggi.esaminate;
        if (valuta(candidata, conteggi)) {
            ++conteggi.valide;
        }
        if (--finoAllaVerifica == 0) {
            finoAllaVerifica = 64;
            Avanzamento stato;
            stato.elaborati = static_cast<double>(conteggi.esaminate);
            stato.totale = totale;
            stato.prodotti = conteggi.valide;
            if (!controllo.verifica(stato)) {
                conteggi.interrotta = true;
                return false;
            }
        }
        return true;
    });
}

template <typename Valuta>
void AnalizzaGiocate(const ElencoGiocate& giocate, ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo,
                     Valuta&& valuta)
{
    const std::int32_t totale = giocate.conteggio();
    conteggi.totale = totale;
    for (std::int32_t i = 1; i <= totale; ++i) {
        ++conteggi.esaminate;
        if (valuta(giocate.voce(i), conteggi)) {
            ++conteggi.valide;
        }
        if (i % IntervalloVerificaGiocate == 0) {
            Avanzamento stato;
            stato.elaborati = i;
            stato.totale = totale;
            stato.prodotti = conteggi.valide;
            if (!controllo.verifica(stato)) {
                conteggi.interrotta = true;
                return;
            }
        }
    }
}
