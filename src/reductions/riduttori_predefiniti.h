#pragma once

#include "core/elenco_giocate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The immediate reducers shipped with the program: the files Quarvin.ra2 and Quarvin.ro2 that the build
// makes from the program's own designs (data/riduttori, see coperture/raccolta_riduttori.h), their
// installation into the user's data folder, and the size each shipped design must not exceed.

namespace messaggi_riduttori {

// Followed by the path of the file that could not be written.
inline constexpr const char* InstallazioneNonRiuscita =
    "Impossibile installare i riduttori immediati nella cartella dei dati: ";
// Followed by the path of the copy kept of the unreadable file.
inline constexpr const char* IlleggibileSostituito =
    "Il file dei riduttori immediati della cartella dei dati era illeggibile ed è stato sostituito con "
    "quello del programma. Il file precedente è stato conservato come: ";

} // namespace messaggi_riduttori

struct EsitoRiduttoriPredefiniti
{
    // The files written (full paths), in the order Quarvin.ra2, Quarvin.ro2.
    std::vector<std::string> installati;
    // One text per file that should have been written and could not (the previous file, if any, is
    // whole); empty when all went well.
    std::vector<std::string> problemi;
    // One text per unreadable file of the user's that the shipped one replaced, naming the copy kept.
    std::vector<std::string> sostituiti;
};

// Copies Quarvin.ra2 and Quarvin.ro2 from the folder of the program's data into the user's data folder
// (created when missing), each file on its own:
//  - when the user has no entry of that name, the shipped file is copied;
//  - when the user's file is itself a shipped one (it carries a generation, GenerazioneRiduttori) and the
//    shipped file's generation is higher, it is replaced: "newer" means a higher generation;
//  - when the user's file holds no reducer at all (random bytes, cut short before its directory), it is
//    copied aside first (name + ".danneggiato", or ".danneggiato.N" when taken) and then replaced, so that
//    the immediate path works again and nothing is lost; it stays when the copy cannot be made;
//  - anything else is kept: a file without generation is the user's own (made with "riduttori crea"),
//    and an entry that is not a regular file is never touched.
// A shipped file that is missing, holds no reducer or exceeds 64 MB is skipped. Each copy is written to a
// temporary file renamed over the target. An empty cartellaDatiProgramma (no shipped data) does nothing.
// Reads the two directories and generation blocks; copies at most two files.
[[nodiscard]] EsitoRiduttoriPredefiniti PreparaRiduttoriPredefiniti(const std::string& cartellaDati,
                                                                    const std::string& cartellaDatiProgramma);

// The number of combinations the program's own algorithm enumerates for the cell: C(v, g) for the
// orthogonal reduction, C(v, k) for the guarantee reduction with k <= 5 and C(v, 5) above.
[[nodiscard]] std::uint64_t CombinazioniSenzaRiduttore(bool ortogonale, int v, int k, int g);

// At most this many combinations (a few seconds of the greedy path) for GiocateSenzaRiduttore.
inline constexpr std::uint64_t CombinazioniMassimeSenzaRiduttore = 5'000'000;

// The number of plays the program's own algorithm gives without a reducer file (the greedy or merge path
// of RiduzionePronosticoGaranzia, or RiduzioneOrtogonale) on the prediction 1..v in plays of k with the
// guarantee g, an empty play list and the generator's state set to 1 (the merge paths' plays are counted
// before the random completion, which never adds one, so the count does not depend on it). nullopt when
// the cell is outside 3 <= k <= 10, k <= v <= 90, 2 <= g <= 5, when g is not one the dialogs allow for k
// (GaranziaAmmessa), or when the run would enumerate more than CombinazioniMassimeSenzaRiduttore
// combinations.
[[nodiscard]] std::optional<std::int64_t> GiocateSenzaRiduttore(bool ortogonale, int v, int k, int g);

// The same for many cells: the play list (33 MB once grown) is kept from one cell to the next.
class ConfrontoSenzaRiduttore
{
public:
    [[nodiscard]] std::optional<std::int64_t> giocate(bool ortogonale, int v, int k, int g);

private:
    ElencoGiocate m_giocate;
};
