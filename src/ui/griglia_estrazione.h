#pragma once

#include "core/ruote.h"

#include <array>
#include <string>

class QTableWidget;
class QWidget;

// The texts of a draw grid, by archive wheel and position.
using TestiGrigliaEstrazione = std::array<std::array<std::string, 5>, RuoteArchivio>;

// The 11 x 5 draw grid ("numeriTableWidget"): one row per archive wheel, one column per position, every
// cell edited in a two-digit box that lets through digits and backspace only. The cells have a fixed
// size and the table is sized to show them all without scroll bars.
[[nodiscard]] QTableWidget* CreaGrigliaEstrazione(QWidget* genitore, int larghezzaCella, int altezzaRiga);

// Writes every cell of the grid.
void ScriviGrigliaEstrazione(QTableWidget& griglia, const TestiGrigliaEstrazione& testi);

// Empties every cell of the grid.
void SvuotaGrigliaEstrazione(QTableWidget& griglia);

// The texts of every cell of the grid.
[[nodiscard]] TestiGrigliaEstrazione LeggiGrigliaEstrazione(const QTableWidget& griglia);
