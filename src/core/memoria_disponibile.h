#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How much physical memory the machine can still give the program. The play list asks it before
// each growth, so that a list that would not fit is refused with a message instead of letting the
// system kill the program when the pages are touched. Tests hand in a lower limit of their own.
class MemoriaDisponibile
{
public:
    virtual ~MemoriaDisponibile() = default;
    // Bytes available now; nullopt when the system does not tell (nothing is refused then).
    virtual std::optional<std::uint64_t> byteDisponibili() const = 0;
};

// The system's own figure: MemAvailable of /proc/meminfo (free memory plus the caches the kernel
// can drop), else the free physical pages of sysconf. About 20 microseconds a call.
class MemoriaDelSistema final : public MemoriaDisponibile
{
public:
    std::optional<std::uint64_t> byteDisponibili() const override;
};

// The MemAvailable line of a /proc/meminfo text, in bytes; nullopt when missing or malformed.
std::optional<std::uint64_t> MemoriaDaMeminfo(std::string_view testo);
