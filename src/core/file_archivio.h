#pragma once

#include "core/archivio_storico.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The archive file Quarvin.db: 77 header bytes (random, ignored on load), then the 60-byte draw records
// oldest first. There is no count field: count = (size - 77) / 60 and trailing bytes that do not make a whole
// record are ignored. Recomputing the statistics after a load or a save is the caller's step
// (StatoApplicazione::ricalcolaStatistiche).
namespace file_archivio {

inline constexpr const char* NomeFile = "Quarvin.db";
inline constexpr std::size_t DimensioneRecord = sizeof(Tipo_Estrazione);
// Files larger than this (a million records) are refused before anything is allocated for them.
inline constexpr std::size_t DimensioneMassima = ArchivioStorico::DimensioneIntestazione + 1'000'000 * 60;

} // namespace file_archivio

// One header byte, each uniform in 0..255 (the program's generator; tests pass a fixed one).
using SorgenteByte = std::function<std::uint8_t()>;

struct EsitoCaricaArchivio
{
    bool esiste = false; // false: no file (archive empty, nothing to tell)
    bool letto = false;  // false: the file exists but could not be read (archive empty)
    std::int32_t recordNelFile = 0;
    std::int32_t nonValide = 0;      // records skipped by EstrazioneValida
    std::int32_t primaNonValida = 0; // 1-based record number in the file of the first of them
    std::int32_t doppie = 0;         // records dropped because a later record has the same date
    std::int32_t oltreCapacita = 0;  // oldest draws left out to keep the most recent 12000
    std::vector<std::string> avvisi; // the texts to show, one message each; empty when all was well

    // Success: the file existed and was read (possibly with notes about skipped records).
    bool ok() const { return esiste && letto; }
};

// Replaces the archive with the draws of the file; the file itself is never changed. Every record is checked
// with EstrazioneValida: a bad record is skipped (counted, with the number of the first) so the good draws
// stay usable. Records out of date order are put in order; of two records with the same date the later one in
// the file is kept. When more than 12000 draws remain, the most recent 12000 are kept. A missing file, or one
// that cannot be read or is larger than DimensioneMassima, leaves the archive empty.
[[nodiscard]] EsitoCaricaArchivio CaricaArchivio(const std::string& percorso, ArchivioStorico& archivio);
// The same over the bytes of a file.
[[nodiscard]] EsitoCaricaArchivio CaricaArchivioDaDati(std::span<const std::uint8_t> dati,
                                                       ArchivioStorico& archivio);

// Writes 77 bytes from `byteCasuale` and then the records, through a temporary file renamed over the target,
// so a failed save leaves the previous file whole. False when anything could not be written
// (messaggi_archivio::ErroreSalvataggioArchivio is the caller's text); the archive is never changed.
[[nodiscard]] bool SalvaArchivio(const std::string& percorso, const ArchivioStorico& archivio,
                                 const SorgenteByte& byteCasuale);
