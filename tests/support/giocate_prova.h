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
