#pragma once

#include "core/giocata.h"
#include "core/impostazioni_generali.h"
#include "core/statistiche.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The probability model: every number gets a score 0..100 from its delay and its frequency, and a
// play scores the mean of its numbers' scores. The scores are points of a scale the user orients,
// not probabilities in the mathematical sense.

namespace messaggi_probabilita {

inline constexpr const char* NumeroEstrazioniNonValido = "Il numero di estrazioni non è valido!";

inline constexpr const char* ProbabilitaImpostate =
    "Le probabilità personalizzate attuali sono state impostate come predefinite.";
inline constexpr const char* TitoloProbabilitaImpostate = "OK";

inline constexpr const char* ConfermaRipristino = "Ripristinare le probabilità personalizzate predefinite ?";

} // namespace messaggi_probabilita

// Which raw values score high in ScalaProbabilita.
enum class CriterioScala {
    ValoriAlti,  // the largest value scores 100, the smallest 0
    ValoriBassi, // the smallest value scores 100, the largest 0
    ValoriMedi,  // the value halfway between smallest and largest scores 100, both ends 0
};

// ScalaProbabilita: rescales 90 raw values (delays or frequencies; valori[n - 1] belongs to number
// n) to scores 0..100, linearly between the smallest value m and the largest M. When every value is
// the same (M - m <= 0) every score is 0. With ValoriMedi the centre is (M + m) / 2, so two values
// equally far from it tie, and when M - m is odd no value reaches 100. Computed in double
// precision, so any int32 values are safe.
std::array<double, 90> ScalaProbabilita(std::span<const std::int32_t, 90> valori, CriterioScala criterio);

// ProbabilitaGiocata: the mean of the scores of the play's numbers (punteggi[n - 1] is the score of
// n), taken in slot order up to the first slot that holds no number 1..90, at most 10. An empty
// play scores 0. The result is compared with the allowed intervals as it is, without rounding.
double ProbabilitaGiocata(const Tipo_Giocata& giocata, std::span<const double, 90> punteggi);

// ProbabilitaNumeri of the statistics in the layout above (the statistics leave index 0 unused).
inline std::span<const double, 90> PunteggiNumeri(const StatisticheNumeri& statistiche)
{
    return std::span<const double, 90>(statistiche.probabilita.data() + 1, 90);
}

// ImpostazioniProbabilita: what the probability settings dialog edits. It has no storage of its
// own: it is read from and written into the ip* fields of the general settings, which are stored
// with the rest of group A. The weights are one slider position 0..100: the delays weigh
// 100 - posizione, the frequencies posizione, and the two ranges always start at 0.
struct ImpostazioniProbabilita
{
    static constexpr int PosizioneMassima = 100;

    bool usaRitardi = true;
    bool ritardiDirProp = true; // true: the more delayed numbers score higher
    bool usaFrequenze = true;
    bool frequenzeInvProp = true; // true: the less frequent numbers score higher
    int posizione = 50;

    int pesoRitardi() const { return PosizioneMassima - posizione; }
    int pesoFrequenze() const { return posizione; }
};

// The dialog's view of the settings. The position is 100 - IPprmax rounded to a whole step and
// kept inside 0..100 (a stored maximum outside the scale, or not a number, is pulled in).
ImpostazioniProbabilita LeggiImpostazioniProbabilita(const ImpostazioniGenerali& generali);
// Confirming the dialog: the four switches, IPprmin = IPpfmin = 0, IPprmax = 100 - posizione,
// IPpfmax = 100 - IPprmax. The frequency window is left alone.
void ApplicaImpostazioniProbabilita(const ImpostazioniProbabilita& scelte, ImpostazioniGenerali& generali);

// What a click on either component switch leads to: with both off the delays come back on; a
// component that is off gives all the weight to the other (the slider to 100 without delays, to 0
// without frequencies). The orientation choices are kept as they are.
void RegolaComponenti(ImpostazioniProbabilita& scelte);

// The frequency window typed by the user: a whole number >= 1 (blanks around it are ignored),
// lowered to the number of draws in the archive when larger. With an empty archive the number is
// kept as typed, so that the window does not shrink to nothing before the first draws arrive.
// nullopt when the text is refused (then the dialog shows NumeroEstrazioniNonValido).
std::optional<std::int32_t> LeggiNumeroEstrazioniFrequenze(std::string_view testo,
                                                           std::int32_t estrazioniArchivio);
