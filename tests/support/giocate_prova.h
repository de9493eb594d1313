#pragma once

#include "core/elenco_giocate.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace test {

// The plays of a list, in order.
inline std::vector<Tipo_Giocata> Giocate(const ElencoGiocate& elenco)
{
    std::vector<Tipo_Giocata> v;
    for (std::int32_t i = 1; i <= elenco.conteggio(); ++i) {
        v.push_back(elenco.voce(i));
    }
    return v;
}

// Makes the list hold exactly these plays, in order; false when it could not grow.
[[nodiscard]] inline bool CaricaGiocate(ElencoGiocate& elenco, const std::vector<Tipo_Giocata>& giocate)
{
    if (!elenco.AssicuraCapacita(static_cast<std::int32_t>(giocate.size()) + 1)) {
        return false;
    }
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        elenco.voce(static_cast<std::int32_t>(i + 1)) = giocate[i];
    }
    elenco.setConteggio(static_cast<std::int32_t>(giocate.size()));
    return true;
}

// Gives at most `limite` plays of storage in total, so that a run can be made to fail while growing.
class AllocatoreLimitato final : public AllocatoreGiocate
{
public:
    explicit AllocatoreLimitato(std::size_t limite) : m_limite(limite) {}
    Tipo_Giocata* rialloca(Tipo_Giocata* vecchio, std::size_t nuoveVoci) override
    {
        return nuoveVoci > m_limite ? nullptr : m_standard.rialloca(vecchio, nuoveVoci);
    }
    void libera(Tipo_Giocata* blocco) override { m_standard.libera(blocco); }

private:
    std::size_t m_limite;
    AllocatoreStandard m_standard;
};

} // namespace test
