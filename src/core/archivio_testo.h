#pragma once

#include "core/archivio_storico.h"
#include "core/ruote.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text format of the official draw archive: one line per wheel of a draw,
// "YYYY/MM/DD<TAB>WW<TAB>n1<TAB>n2<TAB>n3<TAB>n4<TAB>n5", the numbers in extraction order (position 1..5), WW
// one of BA CA FI GE MI NA PA RM TO VE and RN (Nazionale).
namespace archivio_testo {

// Larger files are refused before they are read.
inline constexpr std::size_t DimensioneMassima = 64u * 1024u * 1024u;
// Longer lines cannot be a draw line and are counted as bad without being looked at.
inline constexpr std::size_t LunghezzaMassimaRiga = 200;
// How many bad line numbers an outcome keeps.
inline constexpr std::size_t RigheScartateRicordate = 5;

// The archive wheels in the order of their codes (BA CA FI GE MI NA PA RM RN TO VE), as the official file
// lists them within a date.
inline constexpr std::array<int, RuoteArchivio> OrdineCodici = {
    Bari, Cagliari, Firenze, Genova, Milano, Napoli, Palermo, Roma, Nazionale, Torino, Venezia,
};

// The two-letter code of archive wheel w (1..11); "RN" for Nazionale.
std::string_view CodiceRuota(int w);
// The archive wheel of a code (upper case), 0 when unknown.
int RuotaDaCodice(std::string_view codice);

} // namespace archivio_testo

struct EsitoImportazioneTesto
{
    bool letto = false;                           // false: the file could not be read or is too large
                                                  // (`testo` says why)
    std::string testo;                            // refusal text when !letto
    std::int32_t righe = 0;                       // lines with content (blank lines are not counted)
    std::int32_t righeScartate = 0;               // bad lines, ignored
    std::vector<std::int32_t> primeRigheScartate; // their 1-based line numbers, the first few
    std::int32_t aggiunte = 0;                    // draws of dates new to the archive
    std::int32_t aggiornate = 0;                  // draws already in the archive whose numbers changed
    std::int32_t rifiutate = 0;                   // new dates that did not fit in the full archive
    std::int32_t primaRifiutata = 0;              // yyyymmdd key of the first of them

    bool modificato() const { return aggiunte > 0 || aggiornate > 0; }
    // What happened, for the user: counts and the refusal of a full archive, lines separated by "\r".
    std::string descrizione() const;
};

// Merges the text into the archive. Each line fills its wheel of the draw of that date: a date already in the
// archive keeps the wheels the text does not give, a new date starts with every wheel empty. A UTF-8 BOM,
// CRLF endings and blank lines are accepted. A bad line (not seven TAB-separated fields, a date that is not a
// real calendar day in 1900..2100, an unknown wheel code, a number outside 1..90 or not a plain decimal, a
// number repeated in the line, a wheel given again for the same date with other numbers) is skipped and
// counted; a repeated identical line is harmless. The draws are then inserted in ascending date order through
// InserisciEstrazione (appends cost O(1)); when the archive is full the new dates that do not fit are refused
// and counted. Cost: O(lines x log dates).
EsitoImportazioneTesto ImportaArchivioTesto(std::string_view testo, ArchivioStorico& archivio);
// The same from a file (at most archivio_testo::DimensioneMassima bytes).
EsitoImportazioneTesto ImportaFileArchivioTesto(const std::string& percorso, ArchivioStorico& archivio);

// The archive in the same format: dates ascending, within a date the wheels with data in code order (BA CA FI
// GE MI NA PA RM RN TO VE), LF endings, a final newline. Importing the official file into an empty archive
// and exporting gives back the same bytes.
std::string EsportaArchivioTesto(const ArchivioStorico& archivio);
// Writes the export through a temporary file renamed over the target; false when it failed.
[[nodiscard]] bool SalvaArchivioTesto(const std::string& percorso, const ArchivioStorico& archivio);
