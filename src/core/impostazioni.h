#pragma once

#include "core/archivio_impostazioni.h"
#include "core/impostazioni_generali.h"

#include <cstdint>
#include <string>
#include <string_view>

// Group A: every general setting, read together at start-up and written together.
ImpostazioniGenerali CaricaImpostazioniGenerali(const ArchivioImpostazioni& store);
void SalvaImpostazioniGenerali(ArchivioImpostazioni& store, const ImpostazioniGenerali& impostazioni);

// Group B: per-dialog options stored as "IDE_" + nome. Reading (scrivi = false) returns the stored
// value or the given default; writing stores the value and returns it. When the store cannot be
// opened the given value is returned.
std::string IDE_Testo(ArchivioImpostazioni& store, std::string_view nome, std::string_view valore,
                      bool scrivi);
bool IDE_Booleano(ArchivioImpostazioni& store, std::string_view nome, bool valore, bool scrivi);
std::int32_t IDE_Intero(ArchivioImpostazioni& store, std::string_view nome, std::int32_t valore, bool scrivi);
