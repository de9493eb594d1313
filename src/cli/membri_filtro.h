#pragma once

#include "reductions/rid_filtri.h"
#include "reductions/rid_probabilistiche.h"

#include <optional>
#include <string_view>

namespace cli {

// The names of the filter reductions on the command line: numeri, cadenze, figure, decine,
// giocate-filtro, confronto-storico.
std::optional<MembroFiltro> MembroDalNome(std::string_view nome);
// The reductions by delays, frequencies and custom scores: probabilita-ritardi, probabilita-frequenze,
// probabilita-personalizzate, frequenze, ritardi.
std::optional<MembroProbabilistico> MembroProbabilisticoDalNome(std::string_view nome);

} // namespace cli
