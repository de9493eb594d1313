#include "core/memoria_disponibile.h"

#include <gtest/gtest.h>

#include <optional>

TEST(MemoriaDisponibile, LettaDaMeminfo)
{
    struct Riga
    {
        const char* nome;
        const char* testo;
        std::optional<std::uint64_t> byte;
    };
    const Riga righe[] = {
        {"riga normale",
         "MemTotal:       24683728 kB\nMemFree:        17787640 kB\nMemAvailable:   23367144 kB\n",
         std::uint64_t{23367144} * 1024},
        {"ultima riga senza a capo", "MemFree: 1 kB\nMemAvailable: 2048 kB", std::uint64_t{2048} * 1024},
        {"unità sconosciuta", "MemAvailable: 12 MB\n", std::nullopt},
        {"troppe cifre", "MemAvailable: 99999999999999999999999 kB\n", std::nullopt},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        EXPECT_EQ(MemoriaDaMeminfo(riga.testo), riga.byte);
    }
    // The machine running the tests tells how much it has.
    const auto sistema = MemoriaDelSistema().byteDisponibili();
    ASSERT_TRUE(sistema.has_value());
    EXPECT_GT(*sistema, 0u);
}
