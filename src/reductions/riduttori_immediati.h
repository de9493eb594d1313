#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Immediate reducers: precomputed plays for a triple (v, k, g), kept in the optional data files
// Quarvin.ra2 (guarantee reductions) and Quarvin.ro2 (orthogonal reductions) in CartellaDati. A reducer
// holds P plays, each k positions 1..v (ascending) into the base list of the run, and a 16-bit checksum,
// the sum of all positions of all plays modulo 65536.
//
// File layout (little-endian, no padding):
//
//   offset  size  field
//   0       4     signature "QRI1"
//   4       4     E: number of directory entries (u32)
//   8       16*E  directory, one entry per reducer:
//                   +0  u8   v (1..90)
//                   +1  u8   k (1..10, k <= v)
//                   +2  u8   g (1..5)
//                   +3  u8   0 (reserved)
//                   +4  u32  P, the number of plays (>= 1)
//                   +8  u32  offset of the plays from the start of the file
//                   +12 u16  checksum
//                   +14 u16  0 (reserved)
//   8+16*E  16    optional generation block (files built from the program's own designs):
//                   +0  4    signature "QRIG"
//                   +4  u32  generation (>= 1)
//                   +8  8    0 (reserved)
//   ...           the plays of each entry at its offset: P * k bytes, one byte per position.
//
// The generation block sits between the directory and the plays, where no entry points, so a reader
// that follows the offsets never sees it. It marks a file built and shipped with the program: a higher
// generation holds newer designs, and only such a file may replace a shipped file of a lower generation
// in the user's data folder. A file without it (written by "riduttori crea", or by hand) is the user's.
//
// The reader believes nothing: E is checked against the file size before the directory is read, and
// each entry's plays (offset + P * k) against the file size and the end of the directory before they
// are read. An entry that fails those checks is reported as found but damaged, so the run shows the
// damaged-reducer message instead of silently using its own algorithm. A file that is missing, shorter
// than its directory or without the signature holds no reducer. The first entry of a triple wins.

inline constexpr const char* NomeFileRiduttoriGaranzia = "Quarvin.ra2";
inline constexpr const char* NomeFileRiduttoriOrtogonali = "Quarvin.ro2";

inline constexpr std::uint32_t DimensioneIntestazioneRiduttori = 8;
inline constexpr std::uint32_t DimensioneVoceRiduttori = 16;
inline constexpr std::uint32_t DimensioneGenerazioneRiduttori = 16;

// A directory entry: CercaRiduttoreImmediato's answer.
struct RiduttoreImmediato
{
    int v = 0;
    int k = 0;
    int g = 0;
    // P: 0 when the file does not exist or holds no entry for the triple.
    std::int64_t giocate = 0;
    // Byte offset of the plays within the file.
    std::uint64_t posizione = 0;
    std::uint16_t checksum = 0;
    // The entry exists but points outside the file (truncated or damaged): reading it fails.
    bool danneggiato = false;

    bool disponibile() const { return giocate > 0; }
};

// The entry for (v, k, g) of the file; giocate 0 when there is none. Reads the signature and the
// directory only (16 bytes per entry), not the plays.
[[nodiscard]] RiduttoreImmediato CercaRiduttoreImmediato(const std::string& file, int v, int k, int g);

// Every entry of the file in directory order (empty when the file holds no reducer).
[[nodiscard]] std::vector<RiduttoreImmediato> ElencoRiduttoriImmediati(const std::string& file);

// The generation of a file built with the program: 0 when the file is missing, holds no reducer or has
// no generation block (or one that an entry's plays overlap, so that it cannot be trusted).
[[nodiscard]] std::uint32_t GenerazioneRiduttori(const std::string& file);

// The plays of a reducer as read from the file.
struct LetturaRiduttore
{
    // False when the plays could not be read whole, a position is outside 1..v or not ascending, or the
    // sum of the positions differs from the checksum: the reducer is damaged and must not be used.
    bool integro = false;
    // P * k positions, play after play (filled only when integro).
    std::vector<std::uint8_t> posizioni;
};

// Reads and checks the plays of a reducer found by CercaRiduttoreImmediato. Allocates P * k bytes only
// after checking them against the file size.
[[nodiscard]] LetturaRiduttore LeggiRiduttoreImmediato(const std::string& file, const RiduttoreImmediato& r);

// The 16-bit sum of the positions.
[[nodiscard]] std::uint16_t ChecksumPosizioni(const std::vector<std::uint8_t>& posizioni);

// A reducer to write: the triple and P * k positions, play after play.
struct RiduttoreDaScrivere
{
    int v = 0;
    int k = 0;
    int g = 0;
    std::vector<std::uint8_t> posizioni;
};

// Why a reducer cannot be written, or nullopt when every reducer is valid (triple in range, at least one
// play, positions 1..v ascending within each play, no triple twice, the file under 4 GiB).
[[nodiscard]] std::optional<std::string>
ControllaRiduttori(const std::vector<RiduttoreDaScrivere>& riduttori);

// The file image of the reducers (checksums computed), as ScriviRiduttoriImmediati writes it, with the
// generation block when generazione is not 0; expects reducers accepted by ControllaRiduttori.
[[nodiscard]] std::vector<std::uint8_t> ImmagineRiduttori(const std::vector<RiduttoreDaScrivere>& riduttori,
                                                          std::uint32_t generazione = 0);

// Whether the reducer's plays, as positions 1..v, carry guarantee g: for Quarvin.ra2 (ortogonale false)
// every min(k, 5)-subset of 1..v shares at least g positions with some play; for Quarvin.ro2 every
// g-subset of 1..v lies inside some play. Uses the coverage index: C(v, min(k, 5)) candidates of
// C(min(k, 5), g) look-ups at most (a few seconds for v = 90).
[[nodiscard]] bool RiduttoreGarantisce(const RiduttoreDaScrivere& riduttore, bool ortogonale);

// Writes the file through a temporary file renamed over the target, with the generation block when
// generazione is not 0. False when the reducers are not valid or the write failed (the previous file then
// stays as it was).
[[nodiscard]] bool ScriviRiduttoriImmediati(const std::string& file,
                                            const std::vector<RiduttoreDaScrivere>& riduttori,
                                            std::uint32_t generazione = 0);

// What the dialogs show when a reducer is damaged, and the download page of the reducers.
namespace messaggi_riduttori {

inline constexpr const char* Danneggiato =
    "Il file contenente i riduttori immediati risulta danneggiato. Si consiglia di reinstallare il "
    "software o i riduttori immediati.";
inline constexpr const char* TitoloDanneggiato = "Errore fatale";
inline constexpr const char* ApriPaginaRiduttori =
    "Vuoi aprire la pagina web del sito di QUARVINA LOTTO dedicata all'installazione dei riduttori "
    "immediati ?";

} // namespace messaggi_riduttori

// The server of the download page when the settings name none.
inline constexpr const char* ServerRiduttoriPredefinito = "http://riduttori.quarvina.example";
// The page's path on that server.
inline constexpr const char* PercorsoPaginaRiduttori = "/lotto/riduttori_immediati/index2.php";

// The download page: the server (scheme and host, a trailing "/" ignored) followed by the path and the
// query "idm=" + metodo ('g' guarantee, 'o' orthogonal) + "&idf=" + idf. Empty when the server is not an
// http:// or https:// address, so that nothing else is ever handed to the shell.
[[nodiscard]] std::string IndirizzoPaginaRiduttori(const std::string& server, char metodo,
                                                   const std::string& idf);

// The idf of "Scarica riduttori": the size in bytes of the file, "0" when it does not exist. The
// damaged-reducer question uses "12345".
[[nodiscard]] std::string IdfFileRiduttori(const std::string& file);
inline constexpr const char* IdfRiduttoreDanneggiato = "12345";
