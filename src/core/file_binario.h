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

// Writes a temporary file beside the target, flushes it to the disk and renames it over the target,
// so that neither a failure nor a crash at any moment destroys the previous good copy: the target
// always holds the old or the new content in full. A symbolic link stays a link: the file it leads
// to (through any chain of links) is the one replaced. The new file keeps the permission bits (and,
// where allowed, the owner and group) of the file it replaces. The folder is flushed too, so the
// rename survives a power loss. False when any step failed (the temporary file is removed then).
//
// The temporary file is named after the target and the writing process ("Sistema1.qvs.tmp1234"). A
// process killed while writing leaves its temporary file behind; the next save of the same target
// removes every such file whose process no longer runs (FileTemporaneiOrfani).
[[nodiscard]] bool ScriviFileAtomico(const std::string& percorso, std::span<const std::uint8_t> dati);
// The same with the content in consecutive parts, so a large block (the plays) is written from
// where it lives instead of being copied first.
[[nodiscard]] bool ScriviFileAtomico(const std::string& percorso,
                                     std::initializer_list<std::span<const std::uint8_t>> parti);

// The file a save of `percorso` replaces: the path itself, or the end of its chain of symbolic
// links (relative links are taken from the folder of the link). A link that leads nowhere gives
// the path it names, so the save creates it. nullopt after 40 links (a loop): the save fails.
std::optional<std::string> DestinazioneSalvataggio(const std::string& percorso);

// For a writer that must produce its file itself (a PDF drawn by the toolkit): the temporary file to
// write, beside the file a save of `percorso` replaces and named like those of ScriviFileAtomico (so an
// interrupted write is cleaned up the same way); nullopt on a loop of links. SostituisciFile then
// flushes it to the disk, gives it the permission bits of the file it replaces and renames it over
// that file; on failure it removes the temporary file and returns false.
std::optional<std::string> FileTemporaneoPer(const std::string& percorso);
[[nodiscard]] bool SostituisciFile(const std::string& temporaneo, const std::string& percorso);

// The temporary files left beside `destinazione` by saves whose process is gone.
std::vector<std::string> FileTemporaneiOrfani(const std::string& destinazione);

bool EsisteFile(const std::string& percorso);
