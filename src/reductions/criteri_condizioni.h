#pragma once

#include "reductions/valori_giocata.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The criteria of "Riduzione condizionata" in the order of the dialog's list: 24 tests on the structure
// of a play, then "Errori consentiti", the allowed numbers of failed tests. The underlying value is the
// index everywhere: enable flags, sets and interval lists of the stored record, failure flags of
// VerificaCondizioni, rows of the analyses, pages of the dialog, the selected entry in the settings.
enum class Criterio : std::uint8_t {
    NumeriPari,
    NumeriDispari,
    SequenzePari,
    SequenzeDispari,
    Somma,
    SommaPari,
    SommaDispari,
    DifferenzaTraSomme,
    Media,
    MediaPari,
    MediaDispari,
    DifferenzaMinima,
    DifferenzaMedia,
    DifferenzaMassima,
    DifferenzaTotale,
    Consecutivi,
    InterruzioniPariDispari,
    InterruzioniConsecutive,
    Simmetrie,
    SimmetriePari,
    SimmetrieDispari,
    Paralleli,
    ParalleliPari,
    ParalleliDispari,
    ErroriConsentiti,
};

inline constexpr int CriteriCondizioni = 24; // the tests
inline constexpr int VociCondizioni = 25;    // the tests and "Errori consentiti"

constexpr std::size_t Indice(Criterio criterio)
{
    return static_cast<std::size_t>(criterio);
}
// The criterion of list entry i, 0..24.
constexpr Criterio CriterioDi(int indice)
{
    return static_cast<Criterio>(indice);
}

// The interval criteria are one run in the middle of the list, as their lists lie in the record.
inline constexpr Criterio PrimoCriterioIntervalli = Criterio::Somma;
inline constexpr Criterio UltimoCriterioIntervalli = Criterio::DifferenzaTotale;
inline constexpr int ListeCondizioni = Indice(UltimoCriterioIntervalli) - Indice(PrimoCriterioIntervalli) + 1;
// The largest bound of an interval: the sum of 81..90.
inline constexpr int ValoreMassimoIntervallo = 855;

// How the allowed values are held: one flag per whole value, or a list of intervals.
enum class FormaCriterio : std::uint8_t { Insieme, Intervalli };

// What a criterion's value counts or measures.
enum class GrandezzaCriterio : std::uint8_t {
    Quantita,   // numbers, gaps or pairs of a kind in the play
    Sequenza,   // the longest run of neighbours of a kind
    Somma,      // a sum of numbers, or the difference of two sums
    Media,      // a sum of numbers over their count
    Differenza, // gaps between neighbouring numbers: smallest, mean, largest, total
    Errori,     // failed tests
};

// Which plays a test applies to; for the others it counts as passed.
enum class ValutazioneCriterio : std::uint8_t {
    Sempre,
    ConPari,     // plays holding an even number
    ConDispari,  // plays holding an odd number
    DaDueNumeri, // plays of two numbers or more
};

struct DescrizioneCriterio
{
    Criterio criterio;
    const char* didascalia; // the list entry; also the page, chart and analysis captions
    FormaCriterio forma;
    GrandezzaCriterio grandezza;
    bool reale;            // a mean: the bounds take decimals, the chart rounds the value to its bin
    int massimo;           // allowed values 0..massimo (a set's cells, an interval's bounds)
    const char* etichetta; // the line above the cells of a set page; empty for interval criteria
    ValutazioneCriterio valutazione;
    bool parita;      // the value depends only on which positions of the play hold odd numbers
    int bin;          // bins of the historic chart: 0..bin - 1, larger values in the last one
    bool percentuali; // the chart's bars carry their share of the total as a label
    // The value for a play; none for "Errori consentiti", whose value is the result of the test.
    double (*valore)(const ValoriGiocata&);

    constexpr bool intervalli() const { return forma == FormaCriterio::Intervalli; }
    // The cells of a set page: values 0..massimo; none for interval criteria.
    constexpr int valoriInsieme() const { return forma == FormaCriterio::Insieme ? massimo + 1 : 0; }
};

// The headings of an interval grid by the kind of value.
struct TitoliIntervalli
{
    const char* minimo;
    const char* massimo;
};
constexpr TitoliIntervalli TitoliColonne(GrandezzaCriterio grandezza)
{
    switch (grandezza) {
    case GrandezzaCriterio::Somma:
        return {"Somma minima", "Somma massima"};
    case GrandezzaCriterio::Media:
        return {"Media minima", "Media massima"};
    default:
        return {"Valore minimo", "Valore massimo"};
    }
}

// The one description of every criterion, indexed by Criterio.
inline constexpr std::array<DescrizioneCriterio, VociCondizioni> DescrizioniCriteri = [] {
    using F = FormaCriterio;
    using G = GrandezzaCriterio;
    using V = ValutazioneCriterio;
    using C = Criterio;
    using Valori = ValoriGiocata;
    constexpr int M = ValoreMassimoIntervallo;
    // Columns: criterion, caption, form, kind, real, largest value, set-page line, applies to, parity only,
    // chart bins, chart labels, value.
    // clang-format off
    return std::array<DescrizioneCriterio, VociCondizioni>{{
        {C::NumeriPari, "Numeri pari", F::Insieme, G::Quantita, false, 10,
         "Quantità ammesse di numeri pari:", V::Sempre, true, 6, true,
         [](const Valori& v) -> double { return v.pari; }},
        {C::NumeriDispari, "Numeri dispari", F::Insieme, G::Quantita, false, 10,
         "Quantità ammesse di numeri dispari:", V::Sempre, true, 6, true,
         [](const Valori& v) -> double { return v.dispari; }},
        {C::SequenzePari, "Sequenze di numeri pari", F::Insieme, G::Sequenza, false, 10,
         "Lunghezza massima sequenze di numeri pari consecutivi", V::Sempre, true, 6, true,
         [](const Valori& v) -> double { return v.sequenzaPari; }},
        {C::SequenzeDispari, "Sequenze di numeri dispari", F::Insieme, G::Sequenza, false, 10,
         "Lunghezza massima sequenze di numeri dispari consecutivi", V::Sempre, true, 6, true,
         [](const Valori& v) -> double { return v.sequenzaDispari; }},
        {C::Somma, "Somma", F::Intervalli, G::Somma, false, M,
         "", V::Sempre, false, 441, false,
         [](const Valori& v) -> double { return v.somma; }},
        {C::SommaPari, "Somma numeri pari", F::Intervalli, G::Somma, false, M,
         "", V::Sempre, false, 441, false,
         [](const Valori& v) -> double { return v.sommaPari; }},
        {C::SommaDispari, "Somma numeri dispari", F::Intervalli, G::Somma, false, M,
         "", V::Sempre, false, 441, false,
         [](const Valori& v) -> double { return v.sommaDispari; }},
        {C::DifferenzaTraSomme, "Differenza tra somme", F::Intervalli, G::Somma, false, M,
         "", V::Sempre, false, 441, false,
         [](const Valori& v) -> double { return std::abs(v.sommaPari - v.sommaDispari); }},
        {C::Media, "Media", F::Intervalli, G::Media, true, M,
         "", V::Sempre, false, 91, false,
         [](const Valori& v) { return v.m > 0 ? MediaDi(v.somma, v.m) : 0.0; }},
        {C::MediaPari, "Media numeri pari", F::Intervalli, G::Media, true, M,
         "", V::ConPari, false, 91, false,
         [](const Valori& v) { return v.pari > 0 ? MediaDi(v.sommaPari, v.pari) : 0.0; }},
        {C::MediaDispari, "Media numeri dispari", F::Intervalli, G::Media, true, M,
         "", V::ConDispari, false, 91, false,
         [](const Valori& v) { return v.dispari > 0 ? MediaDi(v.sommaDispari, v.dispari) : 0.0; }},
        {C::DifferenzaMinima, "Differenza minima", F::Intervalli, G::Differenza, false, M,
         "", V::DaDueNumeri, false, 91, true,
         [](const Valori& v) -> double { return v.differenzaMinima; }},
        {C::DifferenzaMedia, "Differenza media", F::Intervalli, G::Differenza, true, M,
         "", V::DaDueNumeri, false, 91, true,
         [](const Valori& v) { return v.m >= 2 ? MediaDi(v.differenzaTotale, v.m - 1) : 0.0; }},
        {C::DifferenzaMassima, "Differenza massima", F::Intervalli, G::Differenza, false, M,
         "", V::DaDueNumeri, false, 91, false,
         [](const Valori& v) -> double { return v.differenzaMassima; }},
        {C::DifferenzaTotale, "Differenza totale", F::Intervalli, G::Differenza, false, M,
         "", V::DaDueNumeri, false, 441, false,
         [](const Valori& v) -> double { return v.differenzaTotale; }},
        {C::Consecutivi, "Consecutività numeriche", F::Insieme, G::Quantita, false, 9,
         "Quantità ammesse di consecutività numeriche:", V::Sempre, false, 6, true,
         [](const Valori& v) -> double { return v.consecutivi; }},
        {C::InterruzioniPariDispari, "Interruzioni pari/dispari", F::Insieme, G::Quantita, false, 9,
         "Quantità ammesse di interruzioni pari/dispari:", V::Sempre, true, 6, true,
         [](const Valori& v) -> double { return v.interruzioni; }},
        {C::InterruzioniConsecutive, "Interruzioni consecutive", F::Insieme, G::Sequenza, false, 9,
         "Quantità ammesse di interruzioni pari/dispari consecutive", V::Sempre, true, 6, true,
         [](const Valori& v) -> double { return v.interruzioniConsecutive; }},
        {C::Simmetrie, "Simmetrie numeriche", F::Insieme, G::Quantita, false, 5,
         "Quantità ammesse di simmetrie numeriche:", V::DaDueNumeri, false, 6, true,
         [](const Valori& v) -> double { return v.simmetrie; }},
        {C::SimmetriePari, "Simmetrie pari", F::Insieme, G::Quantita, false, 5,
         "Quantità ammesse di simmetrie pari:", V::DaDueNumeri, true, 6, true,
         [](const Valori& v) -> double { return v.simmetriePari; }},
        {C::SimmetrieDispari, "Simmetrie dispari", F::Insieme, G::Quantita, false, 5,
         "Quantità ammesse di simmetrie dispari:", V::DaDueNumeri, true, 6, true,
         [](const Valori& v) -> double { return v.simmetrieDispari; }},
        {C::Paralleli, "Paralleli numerici", F::Insieme, G::Quantita, false, 5,
         "Quantità ammesse di paralleli numerici:", V::DaDueNumeri, false, 6, true,
         [](const Valori& v) -> double { return v.paralleli; }},
        {C::ParalleliPari, "Paralleli pari", F::Insieme, G::Quantita, false, 5,
         "Quantità ammesse di paralleli pari:", V::DaDueNumeri, true, 6, true,
         [](const Valori& v) -> double { return v.paralleliPari; }},
        {C::ParalleliDispari, "Paralleli dispari", F::Insieme, G::Quantita, false, 5,
         "Quantità ammesse di paralleli dispari:", V::DaDueNumeri, true, 6, true,
         [](const Valori& v) -> double { return v.paralleliDispari; }},
        {C::ErroriConsentiti, "Errori consentiti", F::Insieme, G::Errori, false, CriteriCondizioni - 1,
         "Numero di errori consentiti", V::Sempre, false, 31, true,
         nullptr},
    }};
    // clang-format on
}();

constexpr const DescrizioneCriterio& Descrizione(Criterio criterio)
{
    return DescrizioniCriteri[Indice(criterio)];
}

// The 24 tests in list order, and the whole list with "Errori consentiti".
inline constexpr std::array<Criterio, CriteriCondizioni> Criteri = [] {
    std::array<Criterio, CriteriCondizioni> c{};
    for (int i = 0; i < CriteriCondizioni; ++i) {
        c[static_cast<std::size_t>(i)] = CriterioDi(i);
    }
    return c;
}();
inline constexpr std::array<Criterio, VociCondizioni> VociCriteri = [] {
    std::array<Criterio, VociCondizioni> c{};
    for (int i = 0; i < VociCondizioni; ++i) {
        c[static_cast<std::size_t>(i)] = CriterioDi(i);
    }
    return c;
}();

// Whether test c is applied to the play (its ValutazioneCriterio).
bool CriterioValutato(Criterio criterio, const ValoriGiocata& valori);
// The value of test c: whole for every test but the means; 0 for "Errori consentiti".
double ValoreCriterio(Criterio criterio, const ValoriGiocata& valori);
