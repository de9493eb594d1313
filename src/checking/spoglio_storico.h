#pragma once

#include "core/archivio_storico.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/ruote.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Texts of the historic checking, shared by its window and the command-line tool.
namespace messaggi_spoglio_storico {

inline constexpr const char* Titolo = "Spoglio con l'archivio storico";
inline constexpr const char* NessunaGiocata = "Non ci sono giocate da controllare!";
inline constexpr std::array<const char*, 6> Colonne = {
    "Data", "Nº cinquine", "Nº quaterne", "Nº terni", "Nº ambi", "Nº estratti",
};
inline constexpr const char* Totale = "TOTALE:";
inline constexpr const char* Estrazioni = "Nº di estrazioni:";
inline constexpr const char* Partenza = "Estrazione di partenza:";
inline constexpr const char* TutteLeRuote = "Usa tutte le undici ruote";
inline constexpr const char* SuggerimentoTutte =
    " Se non selezionata saranno usate le ruote indicate nella sezione "
    "\"Giocate finali\" della scheda principale ";
inline constexpr const char* Guida = "gf_sposto.htm";

} // namespace messaggi_spoglio_storico

// The per-dialog settings of the historic checking: the number of draws as typed and the
// all-wheels box.
inline constexpr const char* ChiaveSpoStoEstrazioni = "SpoStoED1";
inline constexpr const char* ChiaveSpoStoTutte = "SpoStoCB1";
inline constexpr const char* EstrazioniPredefinite = "100";
inline constexpr std::int32_t EstrazioniSeNonNumero = 100;

// A span of archive draws, positions 1..N (1 the oldest); empty (quante() == 0) only for an empty archive.
struct IntervalloEstrazioni
{
    std::int32_t prima = 0;
    std::int32_t ultima = -1;

    std::int32_t quante() const { return ultima >= prima ? ultima - prima + 1 : 0; }
};

// A typed whole number as the window's boxes read it: optional spaces around an optional sign and
// digits; nothing else, and it must fit 32 bits.
[[nodiscard]] bool LeggiNumeroDigitato(std::string_view testo, std::int32_t& valore);

// The first position shown in "Estrazione di partenza:" for n as typed in "Nº di estrazioni:" (100
// when not a number): N - n + 1 when that is at least 1, else 1.
std::int32_t PartenzaPredefinita(std::string_view estrazioni, std::int32_t conteggio);

// The draws to scan from the two typed texts and the number N of draws in the archive: n is the
// number of draws (100 when not a number) clamped to 1..N, s the start (N - n + 1 when not a
// number); the span starts at s clamped to 1..N and ends n - 1 draws later, or at N. So a start close
// to the end scans fewer draws than asked, and the window writes the span back into its boxes.
IntervalloEstrazioni IntervalloSpoglioStorico(std::string_view estrazioni, std::string_view partenza,
                                              std::int32_t conteggio);

// Counts of one draw, or totals: combinations won by class, index k - 1 for k = 1 (estratti) .. 5
// (cinquine).
using ConteggiClassi = std::array<std::int64_t, 5>;

struct RigaSpoglioStorico
{
    std::int32_t estrazione = 0; // archive position
    ConteggiClassi conteggi{};
};

struct EsitoSpoglioStorico
{
    std::vector<RigaSpoglioStorico> righe; // the draws with at least one hit, in archive order
    ConteggiClassi totali{};
    std::int32_t esaminate = 0; // draws scanned completely
    bool interrotto = false;    // a stop was confirmed
};

// Which wheels of a draw count: all eleven, or those of the system's selection (its own flag, or Tutte
// for the ten regional wheels; Nazionale only by its own flag).
struct ParametriSpoglioStorico
{
    bool tutteLeRuote = true;
    SegniRuote ruote{};
};

// Plays between two polls within a draw; a poll also closes every draw.
inline constexpr std::int32_t PassoControlloStorico = 256;

// Runs the plays giocate[0 .. quante) against the draws of the span, in archive order. On each counted wheel
// where a play of m numbers (up to its first empty slot) hits h > 0 of the drawn numbers, it wins C(h, k)
// combinations of class k for k = 1..min(h, 5): 1 cinquina, 5 quaterne, 10 terni, 10 ambi, 5 estratti for
// five hits. A wheel without data (zeros) hits nothing; a wheel counts once even when selected both by
// itself and by Tutte. `esito` is reset, then kept up to date: a draw's row and its totals are added when
// the draw is complete. Polls every PassoControlloStorico plays and after each draw (elaborati: the draws
// complete, totale: the draws of the span); a confirmed stop returns at once with `interrotto` set, the
// interrupted draw left out. Cost: one table look-up per number of a play per draw, whatever the wheels.
void SpoglioStorico(const Tipo_Giocata* giocate, std::int32_t quante, const ArchivioStorico& archivio,
                    IntervalloEstrazioni intervallo, const ParametriSpoglioStorico& parametri,
                    EsitoSpoglioStorico& esito, ControlloEsecuzione& controllo);

// The same over the committed plays of the list.
void SpoglioStorico(const ElencoGiocate& elenco, const ArchivioStorico& archivio,
                    IntervalloEstrazioni intervallo, const ParametriSpoglioStorico& parametri,
                    EsitoSpoglioStorico& esito, ControlloEsecuzione& controllo);

// The cells of a row as the grid shows them: the draw's date (day/month/year without leading zeros),
// then cinquine, quaterne, terni, ambi, estratti.
std::array<std::string, 6> CelleRigaSpoglioStorico(const ArchivioStorico& archivio,
                                                   const RigaSpoglioStorico& riga);

// The five totals in the grid's order: cinquine, quaterne, terni, ambi, estratti.
std::array<std::string, 5> TestiTotaliSpoglioStorico(const ConteggiClassi& totali);
