#pragma once

#include "reductions/rid_filtri.h"

#include <optional>
#include <string_view>

namespace cli {

// The names of the filter reductions on the command line: numeri, cadenze, figure, decine,
// giocate-filtro, confronto-storico.
std::optional<MembroFiltro> MembroDalNome(std::string_view nome);

} // namespace cli
