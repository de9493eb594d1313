#pragma once

#include "core/archivio_impostazioni.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The "Riapri" menu: up to nine recently saved systems, most recent first, kept in the settings
// values IDE_mrf_1..IDE_mrf_9.

inline constexpr int NumeroFileRecenti = 9;

struct VoceRecente
{
    bool visibile = false;
    std::string didascalia; // what the menu shows
    std::string percorso;   // full path; empty for a slot with no usable file
};

using VociRecenti = std::array<VoceRecente, NumeroFileRecenti>;

// Rebuilds the nine items from the store. A slot is skipped (no path) when its trimmed value is empty,
// names a removable drive (see SuUnitaRimovibile) or a file that no longer exists; the current system's
// file keeps its path but is not shown. When percorsoNuovo is given, is not already an item's path
// (case-insensitive), is not on a removable drive and exists, the items move down one place (the ninth
// is dropped), it becomes item 1 and the nine paths are written back (skipped slots as empty texts).
// Nothing is written otherwise.
VociRecenti AggiornaFileRecenti(ArchivioImpostazioni& store, std::string_view fileCorrente,
                                const std::optional<std::string>& percorsoNuovo = std::nullopt);

// "A:\..\Sistema1.qvs" for a path with a drive letter, "…/Sistema1.qvs" for any other path.
std::string DidascaliaRecente(std::string_view percorso);

// A path on the removable drive A: ("a:" or "A:" at the start). Paths without a drive letter never are.
bool SuUnitaRimovibile(std::string_view percorso);
