#pragma once

#include "core/elenco_giocate.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The system file (.qvs): a little-endian image of the Sistema without gaps, version byte first,
// the plays last in list order. Version 4 is written; versions 3 (no Estratto determinato positions)
// and 4 are read.
namespace file_sistema {

inline constexpr std::uint8_t Versione = 4;
inline constexpr std::uint8_t VersionePrecedente = 3;

inline constexpr std::size_t OffsetImporti = 1;
inline constexpr std::size_t OffsetRuote = 81;
inline constexpr std::size_t OffsetNumeroFisse = 93;
inline constexpr std::size_t OffsetFisse = 97;
inline constexpr std::size_t OffsetPronostico = 106;
inline constexpr std::size_t OffsetNumeriPerGiocata = 196;
inline constexpr std::size_t OffsetRecord = 200;
inline constexpr std::size_t OffsetPosizioni = 46196;
inline constexpr std::size_t OffsetConteggio = 46201; // 46196 in version 3
inline constexpr std::size_t OffsetGiocate = 46205;   // 46200 in version 3: the size of a file of 0 plays
inline constexpr std::size_t OffsetGiocateV3 = 46200;
inline constexpr std::size_t DimensioneGiocata = 10;

// Files with more plays than this are refused before anything is read.
inline constexpr std::int32_t MassimoGiocate = 60'000'000;
inline constexpr std::size_t DimensioneMassima = OffsetGiocate + DimensioneGiocata * MassimoGiocate;

// A stake above this cannot come from a stake box (7 characters).
inline constexpr double ImportoMassimo = 10'000'000.0;

} // namespace file_sistema

enum class CodiceFileSistema {
    Ok,
    VersioneNonCompatibile, // version byte other than 3 or 4
    ErroreApertura,         // missing, unreadable, short, oversized or inconsistent file; no memory
    ErroreSalvataggio,      // the file could not be written
};

struct EsitoFileSistema
{
    CodiceFileSistema codice = CodiceFileSistema::Ok;
    std::string testo; // the first message to show, empty on success

    bool ok() const { return codice == CodiceFileSistema::Ok; }
    // The message boxes to show, in order: a version mismatch is followed by the open error.
    std::vector<Messaggio> messaggi() const;
};

// The bytes of the file for the system and its plays (46205 + 10 x count).
std::vector<std::uint8_t> ImmagineSistema(const Sistema& sistema, const ElencoGiocate& giocate);

// Writes the system to sistema.nomeFile through a temporary file renamed over the target, so a failed
// save leaves the previous file as it was. Success clears `modificato`; a failure keeps it set. Adding
// the path to the recent files is the caller's step (AggiornaFileRecenti).
[[nodiscard]] EsitoFileSistema ScriviSistema(Sistema& sistema, const ElencoGiocate& giocate);

// Reads the file image into the system and the play list. Every field and every play is checked
// before anything is applied: on success the fields of the file replace those of the system (the file
// name and the records the file does not carry stay) and the list holds the plays; on failure the
// system keeps its fields and records and the list is left empty. Either way `modificato` is cleared,
// as after any open. Refused: a version other than 3/4, a short file, a count that is negative or does
// not match the bytes that follow exactly, a fixed count outside 0..9 or a fixed number outside 1..90,
// k outside 1..10, a stake that is not a number in 0..10000000, a reduction record with a count out
// of range (ConteggiRecordValidi), a play not in canonical form (1..10 numbers 1..90 strictly
// ascending, then zeros). Flags are stored as 0/1. Growing the list goes through
// ElencoGiocate::AssicuraCapacita, whose memory warning uses the list's message service.
[[nodiscard]] EsitoFileSistema LeggiImmagineSistema(std::span<const std::uint8_t> dati, Sistema& sistema,
                                                    ElencoGiocate& giocate);

// The same checks as LeggiImmagineSistema without applying anything: on success `giocate` views the
// plays of the image (10 bytes each, canonical form checked, in file order); on failure it is empty.
// Used to take the plays of another system file.
[[nodiscard]] EsitoFileSistema GiocateImmagineSistema(std::span<const std::uint8_t> dati,
                                                      std::span<const std::uint8_t>& giocate);

// Reads the file named by sistema.nomeFile (refused unread when larger than DimensioneMassima).
[[nodiscard]] EsitoFileSistema LeggiSistema(Sistema& sistema, ElencoGiocate& giocate);
