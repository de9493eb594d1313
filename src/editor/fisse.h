#pragma once

#include "core/messaggi_servizio.h"
#include "editor/sistema.h"

#include <array>
#include <string>

// The nine fixed-number boxes in the order they are read.
using CaselleFisse = std::array<std::string, 9>;

// 0 when every non-empty box holds a whole number 1..90 and no value repeats (the values and their
// count are then stored in the system); otherwise the 1-based position of the first bad box, or,
// for a repetition, the position of the repeated value among the non-empty boxes. On a non-zero
// result the stored fixed numbers keep their previous values.
int LeggiFisse(const CaselleFisse& caselle, Sistema& sistema);

// Whether the text of one box is acceptable by itself (empty, or a whole number 1..90).
bool FissaValida(const std::string& testo);

// The check run before building plays: wheels copied from the boxes, fixed numbers valid, k not
// below the fixed count, enough predicted numbers. Shows the first failure through the service.
[[nodiscard]] bool ValidaSistema(Sistema& sistema, const CaselleFisse& caselle, const SegniRuote& ruote,
                                 ServizioMessaggi& messaggi);
// ValidaSistema on the fixed numbers as the system stores them, for callers without the window's boxes
// (the command-line tool).
[[nodiscard]] bool ValidaSistemaSalvato(Sistema& sistema, ServizioMessaggi& messaggi);
