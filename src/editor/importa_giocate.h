#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/messaggi_servizio.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

// The three imports of plays: from another system file (.qvs), from an external system file (.lpc)
// and from a text file of one play per line. Each reads and checks its whole source before the count
// changes (a system file streams its plays straight into the slots after the count, BloccoLettura at a
// time), writes the plays after the current count, drops those already among the plays that were
// in the list (the last imported play moves into the freed slot, which is examined again; imported
// plays are not compared with one another), takes the undo snapshot and then raises the count. A
// refused source, a failed growth or no new play leave the list exactly as it was. The run control
// is polled to let pending events run (it cannot stop an import).
namespace importa_giocate {

inline constexpr std::uint8_t VersioneLpc = 2;
inline constexpr std::size_t OffsetConteggioLpc = 2264;
inline constexpr std::size_t OffsetGiocateLpc = 2268;
inline constexpr std::size_t DimensioneRecordLpc = 64;
// Larger .lpc files are refused unread (the other program never writes that many plays).
inline constexpr std::int32_t MassimoGiocateLpc = 4'000'000;
inline constexpr std::size_t DimensioneMassimaLpc =
    OffsetGiocateLpc + DimensioneRecordLpc * MassimoGiocateLpc;

// Text files above this size are refused with a message before any line is read.
inline constexpr std::size_t DimensioneMassimaTesto = std::size_t{256} << 20;
// A longer line cannot be a play: it is skipped without being kept in memory.
inline constexpr std::size_t LunghezzaMassimaRiga = 4096;

// Poll strides: records read from an .lpc file, text lines read and imported plays examined against
// the list (a system file polls after each file_sistema::BloccoLettura plays).
inline constexpr std::int32_t PassoLpc = 162;
inline constexpr std::int32_t PassoEsame = 197;

} // namespace importa_giocate

enum class CodiceImportazione {
    Completata,       // the plays left were added (none, possibly, from a system file)
    NessunaNuova,     // text file: no valid play that was not already in the list
    NonLeggibile,     // the file could not be opened: nothing happens, no message
    FormatoNonValido, // wrong version byte, truncated or inconsistent file, count out of range
    TroppoGrande,     // text file above DimensioneMassimaTesto
    Memoria,          // the list could not grow; AmpliaElenco has shown its warning
};

struct EsitoImportazione
{
    CodiceImportazione codice = CodiceImportazione::Completata;
    std::int32_t lette = 0;         // plays read from the source
    std::int32_t aggiunte = 0;      // plays added to the list
    std::int32_t righeScartate = 0; // text lines that were not a play (empty lines are not counted)

    // Whether the system is now modified: a completed import, even of no new play from a system file.
    bool modificato() const { return codice == CodiceImportazione::Completata; }
    // The message to show, if any.
    std::optional<Messaggio> messaggio() const;
};

// The plays of a system file image (version 3 or 4, every field checked as when opening it).
[[nodiscard]] EsitoImportazione ImportaImmagineSistema(std::span<const std::uint8_t> dati,
                                                       ElencoGiocate& giocate,
                                                       ControlloEsecuzione& controllo);
// The plays of an .lpc image: version byte 2, the count at 2264, 64-byte records from 2268 whose first
// 10 bytes are a play. The records must fit in the image and every play must be in canonical form.
[[nodiscard]] EsitoImportazione ImportaImmagineLpc(std::span<const std::uint8_t> dati, ElencoGiocate& giocate,
                                                   ControlloEsecuzione& controllo);
// The plays of a text, one per line (LeggiGiocataDaTesto); lines end at "\n", "\r\n" or "\r". A UTF-8
// byte-order mark is skipped and a UTF-16 text with its mark is read as such; lines that are not a
// play, over-long lines and binary garbage are skipped.
[[nodiscard]] EsitoImportazione ImportaTesto(std::istream& in, ElencoGiocate& giocate,
                                             ControlloEsecuzione& controllo);

// The same from files. A file that cannot be opened gives NonLeggibile; a system or .lpc file too
// large to be one gives FormatoNonValido, a text file too large TroppoGrande.
[[nodiscard]] EsitoImportazione ImportaGiocateDaSistema(const std::string& percorso, ElencoGiocate& giocate,
                                                        ControlloEsecuzione& controllo);
[[nodiscard]] EsitoImportazione ImportaGiocateDaLpc(const std::string& percorso, ElencoGiocate& giocate,
                                                    ControlloEsecuzione& controllo);
[[nodiscard]] EsitoImportazione ImportaGiocateDaTesto(const std::string& percorso, ElencoGiocate& giocate,
                                                      ControlloEsecuzione& controllo);
