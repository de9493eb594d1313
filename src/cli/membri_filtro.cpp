#include "cli/membri_filtro.h"

#include <array>
#include <utility>

namespace cli {

std::optional<MembroFiltro> MembroDalNome(std::string_view nome)
{
    static constexpr std::array<std::pair<std::string_view, MembroFiltro>, 6> Nomi{{
        {"numeri", MembroFiltro::Numeri},
        {"cadenze", MembroFiltro::Cadenze},
        {"figure", MembroFiltro::Figure},
        {"decine", MembroFiltro::Decine},
        {"giocate-filtro", MembroFiltro::GiocateFiltro},
        {"confronto-storico", MembroFiltro::ConfrontoStorico},
    }};
    for (const auto& [n, membro] : Nomi) {
        if (n == nome) {
            return membro;
        }
    }
    return std::nullopt;
}

std::optional<MembroProbabilistico> MembroProbabilisticoDalNome(std::string_view nome)
{
    static constexpr std::array<std::pair<std::string_view, MembroProbabilistico>, 5> Nomi{{
        {"probabilita-ritardi", MembroProbabilistico::ProbabilitaRitardi},
        {"probabilita-frequenze", MembroProbabilistico::ProbabilitaFrequenze},
        {"probabilita-personalizzate", MembroProbabilistico::ProbabilitaPersonali},
        {"frequenze", MembroProbabilistico::Frequenze},
        {"ritardi", MembroProbabilistico::Ritardi},
    }};
    for (const auto& [n, membro] : Nomi) {
        if (n == nome) {
            return membro;
        }
    }
    return std::nullopt;
}

} // namespace cli
