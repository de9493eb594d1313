#pragma once

#include "core/file_archivio.h"

#include <string>

struct EsitoArchivioPredefinito
{
    bool creato = false; // Quarvin.db was written from the shipped text
    std::string testo;   // a problem to report (the text could not be read, the
                         // save failed), or empty
};

// The first run's archive: when the data folder (with or without a trailing separator) has no Quarvin.db, the
// shipped text in the official format is imported and saved there once. An existing Quarvin.db is the user's
// and is never replaced, whatever it holds. An empty text path (no shipped data found) does nothing, and the
// program starts with an empty archive; a text that cannot be read is reported and nothing is written.
// Loading the archive is the caller's next step.
[[nodiscard]] EsitoArchivioPredefinito PreparaArchivioPredefinito(const std::string& cartellaDati,
                                                                  const std::string& percorsoTestoPredefinito,
                                                                  const SorgenteByte& byteCasuale);
