#pragma once

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/messaggi_servizio.h"
#include "editor/sistema.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
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

// The largest file a count of plays can describe; every system that can be saved is smaller, and
// the exact size a file must have follows from its count.
inline constexpr std::size_t DimensioneMassima = OffsetGiocate + DimensioneGiocata * std::size_t{INT32_MAX};

// Plays read at a time when opening or importing a file; pending events run after each chunk.
inline constexpr std::int32_t BloccoLettura = 6000;

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

// Where the bytes of a system file come from, read once from the start: an open file or an image in
// memory. Reading a file this way keeps no copy of it: the plays go straight into the list.
class SorgenteSistema
{
public:
    virtual ~SorgenteSistema() = default;
    // Bytes from the current position to the end.
    virtual std::uint64_t rimanenti() const = 0;
    // Reads exactly n bytes into `destinazione`; false when they are not all there.
    virtual bool leggi(std::uint8_t* destinazione, std::size_t n) = 0;
};

class SorgenteImmagine final : public SorgenteSistema
{
public:
    explicit SorgenteImmagine(std::span<const std::uint8_t> dati) : m_dati(dati) {}
    std::uint64_t rimanenti() const override { return m_dati.size(); }
    bool leggi(std::uint8_t* destinazione, std::size_t n) override;

private:
    std::span<const std::uint8_t> m_dati;
};

// A regular file opened for reading; its size is taken once, when it is opened.
class SorgenteFile final : public SorgenteSistema
{
public:
    // nullptr when the path is not a regular file that can be opened.
    static std::unique_ptr<SorgenteFile> apri(const std::string& percorso);
    ~SorgenteFile() override;
    SorgenteFile(const SorgenteFile&) = delete;
    SorgenteFile& operator=(const SorgenteFile&) = delete;

    std::uint64_t rimanenti() const override { return m_rimanenti; }
    bool leggi(std::uint8_t* destinazione, std::size_t n) override;

private:
    SorgenteFile(std::FILE* file, std::uint64_t dimensione) : m_file(file), m_rimanenti(dimensione) {}
    std::FILE* m_file;
    std::uint64_t m_rimanenti;
};

// Reads and checks every field before the plays into `letto` (nothing else is touched) and gives the
// count of plays, which must match the bytes left exactly: the source is then at the first play.
// Reads about 46 KB whatever the size of the file. Refused as by LeggiImmagineSistema.
[[nodiscard]] CodiceFileSistema LeggiIntestazioneSistema(SorgenteSistema& sorgente, Sistema& letto,
                                                         std::int32_t& conteggio);

enum class CodiceGiocateFile {
    Ok,
    NonValide, // a play not in canonical form, or the file ended early
    Memoria,   // the list could not grow (AmpliaElenco has shown its warning) or would pass 2^31-1
};

// Reads `quante` plays from the source into slots n0+1..n0+quante of the list (n0 = its count), growing
// it first (AssicuraCapacita, with its memory check); BloccoLettura plays at a time, each checked for
// the canonical form, polling after every chunk (the poll cannot stop the reading). The count and plays
// 1..n0 are never changed: the caller commits.
[[nodiscard]] CodiceGiocateFile LeggiGiocateDopoConteggio(SorgenteSistema& sorgente, std::int32_t quante,
                                                          ElencoGiocate& giocate,
                                                          ControlloEsecuzione& controllo);

// Reads a system file into the system and the play list. Every field is checked before anything is
// applied and every play before the count changes: on success the fields of the file replace those of
// the system (the file name and the records the file does not carry stay) and the list holds exactly
// the plays of the file; on failure the system keeps its fields and records and the list keeps its
// plays. Either way `modificato` is cleared, as after any open. Refused: a version other than 3/4, a
// short file, a count that is negative or does not match the bytes that follow exactly, a fixed count
// outside 0..9 or a fixed number outside 1..90, k outside 1..10, a stake that is not a number in
// 0..10000000, a reduction record with a count out of range (ConteggiRecordValidi), a play not in
// canonical form (1..10 numbers 1..90 strictly ascending, then zeros). Flags are stored as 0/1. The
// plays are read straight into the list after its count (LeggiGiocateDopoConteggio), so the list must
// have room for its count plus the file's; they are moved to the front when the list was not empty.
// The memory warning of a failed growth uses the list's message service.
[[nodiscard]] EsitoFileSistema LeggiSorgenteSistema(SorgenteSistema& sorgente, Sistema& sistema,
                                                    ElencoGiocate& giocate, ControlloEsecuzione& controllo);

// The same over a file image in memory, without polling.
[[nodiscard]] EsitoFileSistema LeggiImmagineSistema(std::span<const std::uint8_t> dati, Sistema& sistema,
                                                    ElencoGiocate& giocate);

// The same checks as LeggiImmagineSistema without applying anything: on success `giocate` views the
// plays of the image (10 bytes each, canonical form checked, in file order); on failure it is empty.
[[nodiscard]] EsitoFileSistema GiocateImmagineSistema(std::span<const std::uint8_t> dati,
                                                      std::span<const std::uint8_t>& giocate);

// Reads the file named by sistema.nomeFile, streaming its plays into the list, polling the run control
// after every BloccoLettura plays. A file that cannot be opened gives ErroreApertura, nothing changed.
[[nodiscard]] EsitoFileSistema LeggiSistema(Sistema& sistema, ElencoGiocate& giocate,
                                            ControlloEsecuzione& controllo);
// Without polling (command line, tests).
[[nodiscard]] EsitoFileSistema LeggiSistema(Sistema& sistema, ElencoGiocate& giocate);
