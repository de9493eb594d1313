#pragma once

#include "coperture/cella.h"
#include "coperture/costruzioni.h"

#include <optional>
#include <string>

// Designs as text: one block per line, its positions 1..v ascending separated by one space, the lines
// in lexicographic order of their positions. The same text "riduttori crea" reads.

// The text of the design (each block's mask as its positions); empty for no block.
[[nodiscard]] std::string TestoDisegno(const Blocchi& blocchi);

struct LetturaDisegno
{
    Blocchi blocchi;
    // Empty when the file was read whole; otherwise the reason, with the line.
    std::string errore;
};

// Reads a design of the cell's shape: blank lines skipped, every other line exactly k distinct positions
// 1..v in any order. Files above 4 MB are refused before they are read. Does not check coverage.
[[nodiscard]] LetturaDisegno LeggiDisegno(const std::string& percorso, const Cella& cella);

// Writes the text through a temporary file renamed over the target: the previous file stays whole when
// the write fails (false).
[[nodiscard]] bool ScriviDisegno(const std::string& percorso, const Blocchi& blocchi);

// The coverings kept in a folder, one file per cell named by NomeFileCella
// (cartella/v14-k4-p3-t3.txt): a file that is missing, unreadable or fails ContaScoperti gives nullopt.
[[nodiscard]] FornitoreCoperture FornitoreDaCartella(const std::string& cartella);
