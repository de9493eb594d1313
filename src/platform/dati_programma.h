#pragma once

#include <QString>

// The folder of the data shipped with the program (default archive storico.txt, help pages): the first
// existing of <cartellaProgramma>/data (a portable or Windows install), <cartellaProgramma>/../share/quarvin
// (an install under a prefix) and the source tree's data folder (a program run from its build folder). Clean
// absolute path without a trailing separator; empty when none exists.
QString CartellaDatiProgramma(const QString& cartellaProgramma);
