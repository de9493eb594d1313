#pragma once

#include "core/archivio_storico.h"
#include "editor/stato_applicazione.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Texts of the manual maintenance of the archive and of the windows where a draw is typed.
namespace messaggi_manutenzione {

inline constexpr const char* RuotaNonValidaPrima = "La ruota ";
inline constexpr const char* RuotaNonValidaDopo = " contiene dei valori non validi!";
inline constexpr const char* NumeriIdenticiPrima = "Alcuni numeri della ruota ";
inline constexpr const char* NumeriIdenticiDopo = " sono identici!";
inline constexpr const char* AzzeraEstrazione = "Azzerare i numeri dell'estrazione ?";
inline constexpr const char* EliminaPrima = "Eliminare le estrazioni dalla nº ";
inline constexpr const char* EliminaMezzo = " alla nº ";
inline constexpr const char* EliminaDopo = " ?";
inline constexpr const char* TestoSelezioneElimina = "Selezionare l'intervallo di estrazioni da eliminare";

} // namespace messaggi_manutenzione

// "La ruota \"Bari\" contiene dei valori non validi!" for archive wheel 1..11.
std::string MessaggioRuotaNonValida(int ruota);
// "Alcuni numeri della ruota \"Bari\" sono identici!".
std::string MessaggioNumeriIdentici(int ruota);
// "Eliminare le estrazioni dalla nº 3 alla nº 7 ?".
std::string DomandaEliminaIntervallo(std::int32_t prima, std::int32_t ultima);

// The draw date as day/month/year without leading zeros ("7/3/2003").
std::string TestoDataBreve(const Tipo_Estrazione& estrazione);

// A draw as the user typed it: the date text and the cells by archive wheel (0..10) and position (0..4).
struct EstrazioneDigitata
{
    std::string data;
    std::array<std::array<std::string, 5>, 11> numeri{};
};

struct EsitoEstrazioneDigitata
{
    bool valida = false;
    Tipo_Estrazione estrazione{}; // the record (other bytes 0) when valida
    std::string messaggio;        // the refusal (caption "Attenzione", warning icon) otherwise
};

// Checks a complete typed draw: the date with LeggiData, then wheel by wheel every cell a whole number 1..90,
// then wheel by wheel no number twice. The first failure gives its message.
EsitoEstrazioneDigitata LeggiEstrazioneDigitata(const EstrazioneDigitata& digitata);

// The typed cells of a stored draw (empty for a wheel without data) and its short date.
EstrazioneDigitata EstrazioneInTesto(const Tipo_Estrazione& estrazione);

// Stores a checked draw: when `modificata` (1..count) is given the draw edited there is first removed, then
// the record is inserted in date order (replacing a draw of the same date). Returns its 1-based index, 0
// when the archive is full and nothing changed. The caller saves the archive.
std::int32_t MemorizzaEstrazione(ArchivioStorico& archivio, const Tipo_Estrazione& estrazione,
                                 std::int32_t modificata = 0);

// Removes the draws prima..ultima (clamped to the archive), from the last down, but never the last draw left
// in the archive, so deleting 1..count keeps the oldest. Returns how many were removed.
std::int32_t EliminaIntervallo(ArchivioStorico& archivio, std::int32_t prima, std::int32_t ultima);

// The date chooser of the draws: the years from the newest draw's down to the oldest's (empty archive: none),
// the days of a month that hold a draw (ascending), and the draw a chosen date points at: the first with
// exactly that date, else the first of that year and month, else the newest (0 for an empty archive).
std::vector<int> AnniArchivio(const ArchivioStorico& archivio);
std::vector<int> GiorniConEstrazione(const ArchivioStorico& archivio, int anno, int mese);
std::int32_t PosizioneData(const ArchivioStorico& archivio, int anno, int mese, int giorno);

// Writes the state's archive to Quarvin.db of its data folder, the header bytes from the state's generator.
// On failure shows messaggi_archivio::ErroreSalvataggioArchivio (caption "Errore") and returns false; the
// archive in memory keeps its change either way.
[[nodiscard]] bool SalvaArchivioStato(StatoApplicazione& stato);

// One line per archive wheel, "Bari\t1 2 3 4 5", a wheel without data with nothing after the tab.
std::vector<std::string> RigheEstrazione(const Tipo_Estrazione& estrazione);
