#pragma once

#include "core/elenco_giocate.h"

#include <string>

// The text export: one line per play in list order, its numbers in decimal separated by one space,
// no trailing space, each line ended by "\n".
std::string TestoGiocate(const ElencoGiocate& giocate);

// Writes TestoGiocate to the file through a temporary file renamed over it, so a failed export
// leaves any previous file as it was; false when the file could not be written.
[[nodiscard]] bool EsportaGiocate(const ElencoGiocate& giocate, const std::string& percorso);
