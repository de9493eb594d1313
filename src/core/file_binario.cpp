#include "core/file_binario.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

std::optional<std::vector<std::uint8_t>> LeggiFileIntero(const std::string& percorso, std::size_t limite)
{
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore)) {
        return std::nullopt;
    }
    auto dimensione = std::filesystem::file_size(percorso, errore);
    if (errore || dimensione > limite) {
        return std::nullopt;
    }
    std::ifstream in(percorso, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> dati(static_cast<std::size_t>(dimensione));
    in.read(reinterpret_cast<char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != dimensione) {
        return std::nullopt;
    }
    return dati;
}

bool ScriviFileAtomico(const std::string& percorso, std::span<const std::uint8_t> dati)
{
    return ScriviFileAtomico(percorso, {dati});
}

bool ScriviFileAtomico(const std::string& percorso,
                       std::initializer_list<std::span<const std::uint8_t>> parti)
{
    const std::string temporaneo = percorso + ".tmp" + std::to_string(::getpid());
    std::FILE* f = std::fopen(temporaneo.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    bool ok = true;
    for (const auto& dati : parti) {
        ok = ok && (dati.empty() || std::fwrite(dati.data(), 1, dati.size(), f) == dati.size());
    }
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    std::error_code errore;
    if (ok) {
        std::filesystem::rename(temporaneo, percorso, errore);
        ok = !errore;
    }
    if (!ok) {
        std::filesystem::remove(temporaneo, errore);
    }
    return ok;
}

bool EsisteFile(const std::string& percorso)
{
    std::error_code errore;
    return std::filesystem::is_regular_file(percorso, errore);
}
