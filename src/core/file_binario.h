#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Whole-file reads and safe writes.

// The whole file, or nullopt when it cannot be opened or is larger than the limit (a file that
// cannot be one of ours is refused before anything is allocated for it).
std::optional<std::vector<std::uint8_t>> LeggiFileIntero(const std::string& percorso, std::size_t limite);

// Writes a temporary file beside the target, flushes it and renames it over the target, so a
// failure never destroys the previous good copy. False when any step failed (the temporary file
// is removed then).
[[nodiscard]] bool ScriviFileAtomico(const std::string& percorso, std::span<const std::uint8_t> dati);
// The same with the content in consecutive parts, so a large block (the plays) is written from
// where it lives instead of being copied first.
[[nodiscard]] bool ScriviFileAtomico(const std::string& percorso,
                                     std::initializer_list<std::span<const std::uint8_t>> parti);

bool EsisteFile(const std::string& percorso);
