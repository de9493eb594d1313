#pragma once

#include "core/archivio_impostazioni.h"

#include <cstdint>
#include <string>
#include <string_view>

// The counts typed in the reduction dialogs ("Nº di giocate da aggiungere:" ...) kept as IDE_ values
// of the settings store: read when the dialog opens, written when it closes.

// The stored count as the box shows it; the default when nothing is stored.
std::string LeggiConteggioDialogo(ArchivioImpostazioni& store, std::string_view nome,
                                  std::int32_t predefinito);
// Writes the box's text as a whole number; a text that is not one (empty, too long) is written as 1.
void SalvaConteggioDialogo(ArchivioImpostazioni& store, std::string_view nome, std::string_view testo);

// A whole number of digits only (no sign, no spaces) that fits 64 bits; false otherwise.
[[nodiscard]] bool LeggiNumeroIntero(std::string_view testo, std::int64_t& valore);
