#pragma once

#include "core/archivio_impostazioni.h"
#include "core/messaggi_servizio.h"
#include "editor/record_riduzioni.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The settings files of the reductions in the data folder: raw little-endian images of their
// records, no header. A file is read whole and only when it has exactly its record's size and its
// counts are in range; otherwise the record keeps its defaults. Every write goes through a
// temporary file renamed over the target, so a failed write leaves the previous copy intact.
namespace file_riduzioni {

inline constexpr const char* Condizioni = "Quarvin.con";
inline constexpr const char* GiocateFiltro = "Filtri.def";
inline constexpr const char* ConfrontoStorico = "ConfSto.def";
inline constexpr const char* Intervalli = "Intervalli.def";
inline constexpr const char* Cadenze = "Cadenze.def";
inline constexpr const char* Figure = "Figure.def";
inline constexpr const char* Decine = "Decine.def";
inline constexpr const char* Sostituzioni = "Sostituzioni.def";
inline constexpr const char* Probabilita = "Probabilita.def";

inline constexpr const char* ErroreScritturaDisco =
    "Si è verificato un errore durante la scrittura sul disco.\r\n"
    "Probabilmente l'unità dalla quale è stato eseguito QUARVINA LOTTO è di sola lettura.";

} // namespace file_riduzioni

// What a failed write of Probabilita.def shows (caption "Errore", error icon).
inline Messaggio MessaggioErroreScritturaDisco()
{
    return Errore(file_riduzioni::ErroreScritturaDisco);
}

enum class EsitoLettura {
    Letto,
    Assente,   // no such file (or it cannot be opened): the record keeps its defaults
    Rifiutato, // the file exists but has the wrong size or a count out of range: defaults kept
};

// Quarvin.con: read over the record as it stands; a missing or refused file leaves it unchanged.
EsitoLettura LeggiCondizioni(const std::string& cartellaDati, BloccoRecord<17888>& record);
// A conditions record at any path (a copy of Quarvin.con), checked as the data folder's; the record is
// changed only when it is read.
EsitoLettura LeggiFileCondizioni(const std::string& percorso, BloccoRecord<17888>& record);
// Filtri.def and Sostituzioni.def: zeroed, then read.
EsitoLettura LeggiGiocateFiltro(const std::string& cartellaDati, BloccoRecord<15160>& record);
EsitoLettura LeggiSostituzioni(const std::string& cartellaDati, BloccoRecord<2008>& record);
// ConfSto.def, Intervalli.def, Cadenze.def, Figure.def, Decine.def: the built-in defaults, then read.
EsitoLettura LeggiConfrontoStorico(const std::string& cartellaDati, BloccoRecord<1508>& record);
EsitoLettura LeggiIntervalliNumeri(const std::string& cartellaDati, BloccoRecord<884>& record);
EsitoLettura LeggiCadenze(const std::string& cartellaDati, BloccoRecord<124>& record);
EsitoLettura LeggiFigure(const std::string& cartellaDati, BloccoRecord<112>& record);
EsitoLettura LeggiDecine(const std::string& cartellaDati, BloccoRecord<112>& record);

[[nodiscard]] bool ScriviCondizioni(const std::string& cartellaDati, const BloccoRecord<17888>& record);
[[nodiscard]] bool ScriviGiocateFiltro(const std::string& cartellaDati, const BloccoRecord<15160>& record);
[[nodiscard]] bool ScriviSostituzioni(const std::string& cartellaDati, const BloccoRecord<2008>& record);
[[nodiscard]] bool ScriviConfrontoStorico(const std::string& cartellaDati, const BloccoRecord<1508>& record);
[[nodiscard]] bool ScriviIntervalliNumeri(const std::string& cartellaDati, const BloccoRecord<884>& record);
[[nodiscard]] bool ScriviCadenze(const std::string& cartellaDati, const BloccoRecord<124>& record);
[[nodiscard]] bool ScriviFigure(const std::string& cartellaDati, const BloccoRecord<112>& record);
[[nodiscard]] bool ScriviDecine(const std::string& cartellaDati, const BloccoRecord<112>& record);

// Built-in defaults. Historic comparison: N = 10 allowing score 2, N = 100 allowing 2 and 3,
// N = 300 allowing 3, no error. Intervals of numbers: 1-30, 31-60, 61-90 each allowing 1..3 numbers,
// no error. Cadences (10 groups), figures and decades (9 groups): every group in use allowing 0 or 1
// number, no error.
BloccoRecord<1508> ConfrontoStoricoPredefinito();
BloccoRecord<884> IntervalliNumeriPredefiniti();
BloccoRecord<124> CadenzePredefinite();
BloccoRecord<112> FigurePredefinite();
BloccoRecord<112> DecinePredefinite();

// FileIntervalli (1604 bytes): count 0..100, then 100 lower and 100 upper bounds; only the first
// `numero` intervals are used.
struct FileIntervalli
{
    static constexpr std::int32_t Massimo = 100;

    std::int32_t numero = 0;
    std::array<double, Massimo> minimi{};
    std::array<double, Massimo> massimi{};
};

enum class QualeFileIntervalli {
    ProbabilitaRitardi,   // Quarvin.ipr, default one interval 7..28
    ProbabilitaFrequenze, // Quarvin.ipf, default 40..65
    ProbabilitaPersonali, // Quarvin.ipp, default 75..100
    Frequenze,            // Quarvin.irf, no default interval
    Ritardi,              // Quarvin.irr, no default interval
};

const char* NomeFileIntervalli(QualeFileIntervalli quale);

// The generic read: a missing or refused file gives count 0 and leaves the bounds untouched.
// Refused: a size other than 1604, a count outside 0..100, or a used interval outside
// 0 <= min <= max <= 100.
EsitoLettura LeggiFileIntervalli(const std::string& percorso, FileIntervalli& intervalli);
[[nodiscard]] bool ScriviFileIntervalli(const std::string& percorso, const FileIntervalli& intervalli);
// What a new system starts from: zeroed bounds, the file's intervals, and the file's default
// interval when that leaves none.
EsitoLettura CaricaIntervalli(const std::string& cartellaDati, QualeFileIntervalli quale,
                              FileIntervalli& intervalli);

// Probabilita.def: the 90 saved custom scores of numbers 1..90. Read only when the file has
// 720 bytes of scores in 0..100; otherwise `probabilita` is left as it was. The write reports
// failure when the file could not be written whole; the caller then shows
// MessaggioErroreScritturaDisco().
EsitoLettura LeggiProbabilitaPersonalizzate(const std::string& cartellaDati,
                                            std::array<double, 90>& probabilita);
[[nodiscard]] bool ScriviProbabilitaPersonalizzate(const std::string& cartellaDati,
                                                   const std::array<double, 90>& probabilita);

// True when every count of every record is in range (also for the copies a system file carries).
bool ConteggiRecordValidi(const RecordRiduzioni& record);

struct EsitoCaricamentoRecord
{
    std::vector<std::string> rifiutati; // names of files present but refused (defaults used)
};

// What every new system does: every settings file except Probabilita.def is read into its record.
// Quarvin.con over the record as it stands; Filtri.def and Sostituzioni.def over zeros; the others
// over their defaults. The delay and frequency blocks are rebuilt: zeroed, intervals from their
// interval files, statistics caches marked not computed (-1), custom scores 50, and the criteria
// and spans from the store (IDE_ProRitTC, IDE_ProFreTC, IDE_ProFreNumGio, IDE_DatiRidFreNumGio);
// a stored criterion outside 0..2 reads as 0 and a span below 1 as its default.
EsitoCaricamentoRecord CaricaRecordRiduzioni(const std::string& cartellaDati, ArchivioImpostazioni& store,
                                             RecordRiduzioni& record);
