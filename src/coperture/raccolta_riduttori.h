#pragma once

#include "coperture/cella.h"
#include "reductions/riduttori_immediati.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The shipped immediate-reducer files made from the designs the search keeps. The folder (data/riduttori)
// holds garanzia/ and ortogonale/, one design per file named by NomeFileCella (v30-k5-p5-t3.txt, the
// text of testo_disegno.h), and GENERAZIONE, the generation the files are stamped with (one whole number,
// raised whenever a design changes; see riduttori_immediati.h for what it decides).
//
// A design becomes the reducer (v, k, g = t): garanzia/ cells go to Quarvin.ra2 and must have p = min(k, 5)
// (PGaranzia), ortogonale/ cells to Quarvin.ro2. Every design is checked with ContaScoperti before it is
// taken; one that does not carry its guarantee, a file that cannot be read and a name that is not a
// cell's make the whole collection fail, so no broken reducer ever reaches a data file.

inline constexpr const char* FileGenerazioneDisegni = "GENERAZIONE";

// One design file and what became of it.
struct VoceRaccolta
{
    Cella cella;
    std::size_t blocchi = 0;
    // The plays the program's own algorithm gives for the cell (GiocateSenzaRiduttore); nullopt when it
    // was not computed (the cell is beyond its bound, or the dialogs never ask for the guarantee).
    std::optional<std::int64_t> algoritmo;
    bool spedita = false;
    // Why it is not shipped: the dialogs never ask for it, or the program's algorithm gives fewer plays.
    std::string nota;
};

struct RaccoltaRiduttori
{
    std::uint32_t generazione = 0;
    std::vector<RiduttoreDaScrivere> garanzia;   // Quarvin.ra2, by v, k, g
    std::vector<RiduttoreDaScrivere> ortogonali; // Quarvin.ro2, by v, k, g
    // Every design file, garanzia/ first, each kind by v, k, t.
    std::vector<VoceRaccolta> voci;
    // Non-empty when the collection failed (nothing may be written): the reason, with the file.
    std::string errore;
};

// Reads and checks every design of the folder. Costs one ContaScoperti and one run of the program's own
// algorithm per design (C(v, 5) candidates at most each: a few seconds for the whole folder); no polling.
[[nodiscard]] RaccoltaRiduttori RaccogliRiduttori(const std::string& cartella);

// Writes Quarvin.ra2 and Quarvin.ro2 of a successful collection into the folder (created when missing),
// stamped with its generation, each through a temporary file. The reason when one could not be written.
[[nodiscard]] std::optional<std::string> ScriviRaccolta(const RaccoltaRiduttori& raccolta,
                                                        const std::string& cartella);
