#pragma once

// What the fuzz targets share: the input as text, a file holding it for the readers that take a path, and
// a play list that grows in small steps.
#include "core/elenco_giocate.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fuzz {

inline std::string_view Testo(std::span<const std::uint8_t> dati)
{
    return {reinterpret_cast<const char*>(dati.data()), dati.size()};
}

// A folder of this process (removed at exit), standing for the data folder of the program: the readers
// that take a path read the input from a file there, as they read the user's files.
class Cartella
{
public:
    Cartella()
    {
        m_percorso = Base() / ("quarvin-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_percorso);
    }
    ~Cartella()
    {
        std::error_code ignorato;
        std::filesystem::remove_all(m_percorso, ignorato);
    }
    Cartella(const Cartella&) = delete;
    Cartella& operator=(const Cartella&) = delete;

    std::string percorso() const { return m_percorso.string(); }

    // Writes the bytes as the file `nome` of the folder and gives its path.
    std::string scrivi(const std::string& nome, std::span<const std::uint8_t> dati) const
    {
        const std::filesystem::path file = m_percorso / nome;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
        return file.string();
    }

    // Removes every file, so that a reader of the folder sees only what this input wrote.
    void svuota() const
    {
        for (const auto& voce : std::filesystem::directory_iterator(m_percorso)) {
            std::error_code ignorato;
            std::filesystem::remove(voce.path(), ignorato);
        }
    }

private:
    // Memory when the system offers it: on a disk, writing and reading a small file took milliseconds
    // per input, most of the fuzzer's time.
    static std::filesystem::path Base()
    {
        std::error_code errore;
        if (std::filesystem::is_directory("/dev/shm", errore) && ::access("/dev/shm", W_OK) == 0) {
            return "/dev/shm";
        }
        const char* tmp = std::getenv("TMPDIR");
        return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    }

    std::filesystem::path m_percorso;
};

// One folder for the whole run: made on the first input, not on every one.
inline const Cartella& CartellaDiLavoro()
{
    static const Cartella cartella;
    return cartella;
}

// The play list's first growth asks for millions of plays and zero-fills them: tens of milliseconds per
// input under the sanitizers, which left the fuzzer at a few inputs per second. Refusing blocks above a
// few hundred kilobytes sends the list through its own fall-back to smaller steps (the path of a machine
// short of memory), and an input holds far fewer plays than that anyway.
class AllocatoreLimitato final : public AllocatoreGiocate
{
public:
    static constexpr std::size_t MassimoVoci = 65536;

    Tipo_Giocata* rialloca(Tipo_Giocata* vecchio, std::size_t nuoveVoci) override
    {
        return nuoveVoci > MassimoVoci ? nullptr : m_standard.rialloca(vecchio, nuoveVoci);
    }
    void libera(Tipo_Giocata* blocco) override { m_standard.libera(blocco); }

private:
    AllocatoreStandard m_standard;
};

// A play list on AllocatoreLimitato.
class Giocate
{
public:
    ElencoGiocate& elenco() { return m_elenco; }

private:
    AllocatoreLimitato m_allocatore;
    ElencoGiocate m_elenco{&m_allocatore};
};

// Stops the run with a finding when a property of the readers does not hold.
inline void Verifica(bool condizione)
{
    if (!condizione) {
        std::abort();
    }
}

} // namespace fuzz
