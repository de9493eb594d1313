#include "core/generatore_casuale.h"

#include <chrono>

std::uint32_t GeneratoreCasuale::estrai(std::uint32_t n)
{
    m_seme = m_seme * 134775813U + 1U;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_seme) * n) >> 32);
}

std::uint64_t ContatoreAltaRisoluzione()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}
