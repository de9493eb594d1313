#include "core/memoria_disponibile.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>
#include <unistd.h>

std::optional<std::uint64_t> MemoriaDaMeminfo(std::string_view testo)
{
    constexpr std::string_view Chiave = "MemAvailable:";
    std::size_t pos = 0;
    while (pos < testo.size()) {
        const std::size_t fine = std::min(testo.find('\n', pos), testo.size());
        std::string_view riga = testo.substr(pos, fine - pos);
        pos = fine + 1;
        if (riga.substr(0, Chiave.size()) != Chiave) {
            continue;
        }
        riga.remove_prefix(Chiave.size());
        while (!riga.empty() && riga.front() == ' ') {
            riga.remove_prefix(1);
        }
        std::uint64_t kib = 0;
        std::size_t cifre = 0;
        for (; cifre < riga.size() && riga[cifre] >= '0' && riga[cifre] <= '9'; ++cifre) {
            if (kib > std::numeric_limits<std::uint64_t>::max() / 10240) {
                return std::nullopt;
            }
            kib = kib * 10 + static_cast<std::uint64_t>(riga[cifre] - '0');
        }
        if (cifre == 0 || riga.substr(cifre) != " kB") {
            return std::nullopt;
        }
        return kib * 1024;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> MemoriaDelSistema::byteDisponibili() const
{
    if (std::FILE* f = std::fopen("/proc/meminfo", "r")) {
        // MemAvailable is the third line; the whole file is under 2 KB.
        char blocco[4096];
        const std::size_t letti = std::fread(blocco, 1, sizeof blocco, f);
        std::fclose(f);
        if (const auto byte = MemoriaDaMeminfo(std::string_view(blocco, letti))) {
            return byte;
        }
    }
    const long pagine = ::sysconf(_SC_AVPHYS_PAGES);
    const long dimensione = ::sysconf(_SC_PAGESIZE);
    if (pagine > 0 && dimensione > 0) {
        return static_cast<std::uint64_t>(pagine) * static_cast<std::uint64_t>(dimensione);
    }
    return std::nullopt;
}
