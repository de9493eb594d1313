#pragma once

#include "core/memoria_disponibile.h"

namespace test {

// A machine with a fixed amount of memory left, for the play list's memory check.
class MemoriaLimitata final : public MemoriaDisponibile
{
public:
    explicit MemoriaLimitata(std::uint64_t byte) : m_byte(byte) {}
    std::optional<std::uint64_t> byteDisponibili() const override { return m_byte; }

private:
    std::uint64_t m_byte;
};

} // namespace test
