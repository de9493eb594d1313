#pragma once

#include <QString>

// The folder of the data shipped with the program (default archive storico.txt, smorfia, help pages),
// searched from the program's folder only, so the program, the help viewer and the command line find the
// same one wherever they run: the first existing of <cartellaProgramma>/data (a portable or Windows
// install) and share/quarvin in the program's folder or one of the three above it (an install under a
// prefix: bin/../share/quarvin; the build tree, which the build lays out the same way). Clean absolute path
// without a trailing separator; empty when none exists.
QString CartellaDatiProgramma(const QString& cartellaProgramma);
