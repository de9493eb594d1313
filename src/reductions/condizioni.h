#pragma once

#include "core/giocata.h"
#include "core/messaggi_servizio.h"
#include "editor/record_riduzioni.h"
#include "editor/sviluppo_integrale.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The conditions of "Riduzione condizionata": 24 criteria on the structure of a play (even and odd
// numbers, sums, means, gaps, consecutive numbers, parity changes, symmetric and parallel pairs) and the
// allowed numbers of failed criteria. The record is the 17888-byte image kept in Quarvin.con and in the
// system file; VerificaCondizioni is the test shared by the run, the historic chart and the analyses.

namespace messaggi_condizioni {

inline constexpr const char* MinimoNonValido = "Il valore minimo dell'intervallo nº ";
inline constexpr const char* MassimoNonValido = "Il valore massimo dell'intervallo nº ";
inline constexpr const char* NonValido = " non è valido.";
inline constexpr const char* MinimoMaggiore = " è maggiore di quello massimo.";
inline constexpr const char* AlmenoUnIntervallo = "Inserire almeno un intervallo consentito.";
inline constexpr const char* AlmenoUnaCondizione = "Selezionare almeno una condizione!";

} // namespace messaggi_condizioni

// Criteria 0..23 are tests; entry 24 is "Errori consentiti". The index is the same everywhere: enable
// flags, failure flags, analysis rows, list items.
inline constexpr int CriteriCondizioni = 24;
inline constexpr int CriterioErrori = 24;
inline constexpr int VociCondizioni = 25;
// What VerificaCondizioni returns for a play that lacks a fixed number.
inline constexpr int EsitoFisseMancanti = 25;
inline constexpr int PrimoCriterioIntervalli = 4;
inline constexpr int UltimoCriterioIntervalli = 14;
inline constexpr int ListeCondizioni = UltimoCriterioIntervalli - PrimoCriterioIntervalli + 1;
// The largest value of an interval (the sum of 81..90).
inline constexpr double ValoreMassimoIntervallo = 855.0;

// The caption of entry c (0..24) as the list shows it.
const char* DidascaliaCriterio(int criterio);
// Criteria 4..14 hold interval lists; the others sets of values.
constexpr bool CriterioAIntervalli(int criterio)
{
    return criterio >= PrimoCriterioIntervalli && criterio <= UltimoCriterioIntervalli;
}
// Values a set entry offers: 0..10 (criteria 0..3), 0..9 (15..17), 0..5 (18..23), 0..23 (24); 0 for
// interval criteria.
int ValoriInsieme(int criterio);
// Criteria 8, 9, 10 and 12 have real values (means): their bounds take decimals.
constexpr bool CriterioReale(int criterio)
{
    return criterio == 8 || criterio == 9 || criterio == 10 || criterio == 12;
}

// Up to 100 intervals [minimo, massimo], both inclusive; only the first `numero` count.
struct ListaIntervalli
{
    static constexpr std::int32_t Massimo = 100;

    std::array<double, Massimo> minimi{};
    std::array<double, Massimo> massimi{};
    std::int32_t numero = 0;
    std::array<std::uint8_t, 4> riservati{};

    // The count actually used: `numero` held to 0..100.
    int usati() const { return numero < 0 ? 0 : (numero > Massimo ? Massimo : numero); }
    bool contiene(double valore) const;
};

// The record, field by field. Sets are one byte per value (1 = allowed); every byte of the image,
// reserved ones included, survives a read and a write unchanged.
struct CondizioniRiduzione
{
    static constexpr std::size_t Dimensione = 17888;

    std::array<std::uint8_t, VociCondizioni> abilitati{};
    // Sets of criteria 0..3 and 15..23, 11 bytes each (unused bytes of the smaller sets kept as they
    // are); the entries of interval criteria and of 24 are not part of the image.
    std::array<std::array<std::uint8_t, 11>, CriteriCondizioni> insiemi{};
    std::array<std::uint8_t, 3> riservati{};
    std::array<ListaIntervalli, ListeCondizioni> intervalli{};
    // Byte e = 1 when e failed criteria are allowed; 0..23 from the dialog, 24 kept at 0, 25..28
    // reserved.
    std::array<std::uint8_t, 29> errori{};

    ListaIntervalli& lista(int criterio) { return intervalli[static_cast<std::size_t>(criterio - 4)]; }
    const ListaIntervalli& lista(int criterio) const
    {
        return intervalli[static_cast<std::size_t>(criterio - 4)];
    }
    bool abilitato(int criterio) const { return abilitati[static_cast<std::size_t>(criterio)] != 0; }
    // Whether a set entry (0..3, 15..23, or 24 for the error counts) allows the value.
    bool ammesso(int criterio, int valore) const;
    bool erroreAmmesso(int errori) const;

    static CondizioniRiduzione daBlocco(const BloccoRecord<Dimensione>& blocco);
    BloccoRecord<Dimensione> blocco() const;
};

// Byte offsets of the image.
namespace offset_condizioni {
inline constexpr std::size_t Abilitati = 0;
inline constexpr std::size_t Riservati = 69;
inline constexpr std::size_t Liste = 72;
inline constexpr std::size_t DimensioneLista = 1608;
inline constexpr std::size_t ConteggioLista = 1600;
inline constexpr std::size_t Errori = 17859;
// Offset of the set of criterion c (0..3, 15..23).
std::size_t Insieme(int criterio);
} // namespace offset_condizioni

// The values of one play, from its numbers a1 < ... < am up to the first empty slot.
struct ValoriGiocata
{
    int m = 0;
    int pari = 0;
    int dispari = 0;
    int sequenzaPari = 0;
    int sequenzaDispari = 0;
    int somma = 0;
    int sommaPari = 0;
    int sommaDispari = 0;
    int differenzaMinima = 0;
    int differenzaMassima = 0;
    int differenzaTotale = 0;
    int consecutivi = 0;
    int interruzioni = 0;
    int interruzioniConsecutive = 0;
    int simmetrie = 0;
    int simmetriePari = 0;
    int simmetrieDispari = 0;
    int paralleli = 0;
    int paralleliPari = 0;
    int paralleliDispari = 0;
};
ValoriGiocata CalcolaValori(const Tipo_Giocata& giocata);
// Whether criterion c (0..23) is evaluated for the play: the means of even (odd) numbers only when it
// holds one, the gap and pair criteria only from two numbers up.
bool CriterioValutato(int criterio, const ValoriGiocata& valori);
// The value of criterion c (0..23): whole for every criterion but the means.
double ValoreCriterio(int criterio, const ValoriGiocata& valori);

// The failure flags of the last test: 0..23 per criterion, 24 when a fixed number was missing.
using EsitoCondizioni = std::array<std::uint8_t, VociCondizioni>;

// The conditions prepared for testing many plays: every criterion becomes a table look-up (the
// parity criteria one look-up for all of them, the interval criteria a table over the possible values,
// the means a table over sum and count), so a test allocates nothing and costs one pass over the
// play's numbers plus a few look-ups. Built in a few microseconds.
class VerificatoreCondizioni
{
public:
    explicit VerificatoreCondizioni(const CondizioniRiduzione& condizioni, const MappaFisse& mappa = {});

    // The full test: clears esito; when consideraFisse and the play lacks a fixed number sets flag 24
    // and returns 25; otherwise flags every enabled criterion evaluated for the play that it fails and
    // returns how many (0..24).
    int VerificaCondizioni(const Tipo_Giocata& giocata, bool consideraFisse, EsitoCondizioni& esito) const;
    // Whether the play is accepted: the result of VerificaCondizioni is below 25 and its error count
    // allowed. Stops as soon as the allowed error counts settle the answer (with errors {0}, at the
    // first failed criterion), so the same answer costs less.
    bool accettata(const Tipo_Giocata& giocata, bool consideraFisse) const;
    bool erroreAmmesso(int risultato) const
    {
        return risultato >= 0 && risultato < EsitoFisseMancanti &&
               m_errori[static_cast<std::size_t>(risultato)];
    }

private:
    template <bool ConFlag> int valuta(const Tipo_Giocata& giocata, EsitoCondizioni* esito) const;
    // The plain evaluation through CalcolaValori, for plays out of canonical form (and as the reference
    // the tables reproduce).
    template <bool ConFlag> int piana(const Tipo_Giocata& giocata, EsitoCondizioni* esito) const;

    // Decision after f failures with r enabled criteria still to test: +1 accepted whatever follows,
    // -1 rejected whatever follows, 0 open.
    std::int8_t decisione(int falliti, int restanti) const
    {
        return m_decisione[static_cast<std::size_t>(falliti * VociCondizioni + restanti)];
    }

    CondizioniRiduzione m_condizioni;
    MappaFisse m_mappa;
    std::array<bool, VociCondizioni + 1> m_errori{};
    std::array<std::int8_t, VociCondizioni * VociCondizioni> m_decisione{};
    // Failure mask of the parity criteria (0..3, 16, 17, 19, 20, 22, 23), by (1 << m) | odd-position mask.
    std::vector<std::uint32_t> m_parita;
    int m_abilitatiParita = 0;
    // Interval criteria over whole values 0..855 (4..7, 11, 13, 14); set criteria 15, 18, 21 over 0..10.
    std::vector<std::uint8_t> m_tabelle;            // 7 tables of 856
    std::array<int, CriteriCondizioni> m_tabella{}; // criterion -> table index, -1 when disabled
    // Means: criterion 8 by m and sum, 9 and 10 by count and sum, 12 by (m - 1) and total gap.
    std::vector<std::uint8_t> m_medie; // 4 tables of 11 x 856
    std::array<bool, CriteriCondizioni> m_abilitato{};
    std::array<std::array<bool, 11>, CriteriCondizioni> m_insieme{};
    int m_abilitatiTotali = 0;
    bool m_coppie = false; // 18 or 21 enabled
};

// --- Reading the dialog's pages ----------------------------------------------------------------------

// One row of an interval grid: the typed minimum and maximum.
struct RigaIntervallo
{
    std::string minimo;
    std::string massimo;
};

struct EsitoIntervalli
{
    bool ok = true;
    std::optional<Messaggio> messaggio; // the warning when not ok
};

// LeggiIntervalli: rows blank after trimming are skipped; the others must hold two real numbers in
// 0..855 (a "." separates the decimals), minimum not above maximum; they become the intervals in order.
// Row numbers in the messages count from 1. On failure the list holds the intervals read before.
[[nodiscard]] EsitoIntervalli LeggiIntervalli(const std::vector<RigaIntervallo>& righe,
                                              ListaIntervalli& lista);

// What the dialog shows: ticks, the values selected on the set pages, the typed interval grids.
struct PagineCondizioni
{
    std::array<bool, VociCondizioni> spunte{};
    std::array<std::array<bool, CriteriCondizioni>, VociCondizioni> valori{}; // [criterion][value]
    std::array<std::vector<RigaIntervallo>, ListeCondizioni> griglie{};
};

struct EsitoValidazione
{
    bool ok = false;
    std::optional<Messaggio> messaggio;
    // Where the focus goes on failure: the grid of this criterion, or the list (-1).
    int criterioFocus = -1;
    CondizioniRiduzione condizioni; // the new record when ok
};

// ValidaCondizioni without the widgets: the sets of 0..3, the interval lists of 4..14 in order (grids of
// unticked criteria are read too; a ticked criterion needs at least one interval), the sets of 15..23
// and the error counts 0..23, the ticks; at least one of criteria 0..23 ticked. The record starts from
// `attuale`, so reserved bytes pass through; enable flag 24 and error byte 24 come from the pages as the
// dialog sets them. Nothing is changed on failure: the caller commits the new record (memory and
// Quarvin.con) only when ok.
[[nodiscard]] EsitoValidazione ValidaCondizioni(const PagineCondizioni& pagine,
                                                const CondizioniRiduzione& attuale);

// The checks of ValidaCondizioni on a stored record (quarvin-cli): a ticked interval criterion with no
// interval, then no criterion ticked. nullopt when the record can run.
std::optional<Messaggio> ControllaCondizioni(const CondizioniRiduzione& condizioni);
