#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

using RiduttoriCerca = test::ProvaRigaComando;

std::string Testo(const std::string& percorso)
{
    std::ifstream in(percorso);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

extern "C" void IgnoraInterruzione(int) {}

} // namespace

TEST_F(RiduttoriCerca, DisegnoScrittoVerificatoERipetibile)
{
    const std::vector<std::string> cerca{"riduttori", "cerca",  "--tipo", "ortogonale", "--v",
                                         "9",         "--k",    "3",      "--t",        "2",
                                         "--mosse",   "200000", "--seme", "3",          "-o"};
    auto primo = cerca;
    primo.push_back(file("a.txt"));
    const Risultato a = esegui(primo);
    ASSERT_EQ(a.uscita, 0) << a.err;
    EXPECT_EQ(a.out, "12\n");
    // The command that builds the reducer files accepts it with its guarantee.
    EXPECT_EQ(
        esegui({"riduttori", "crea", file("r.ro2"), "--v", "9", "--garanzia", "2", file("a.txt")}).uscita, 0);

    auto secondo = cerca;
    secondo.push_back(file("b.txt"));
    ASSERT_EQ(esegui(secondo).uscita, 0);
    EXPECT_EQ(Testo(file("a.txt")), Testo(file("b.txt")));
}

TEST_F(RiduttoriCerca, GaranziaDaCopertureNoteEPartenza)
{
    std::filesystem::create_directories(file("coperture"));
    std::ofstream(file("coperture/v7-k3-p2-t2.txt")) << "1 2 3\n1 4 5\n1 6 7\n2 4 6\n2 5 7\n3 4 7\n3 5 6\n";
    const Risultato r =
        esegui({"riduttori", "cerca", "--tipo", "garanzia", "--v", "14", "--k", "3", "--t", "2", "--mosse",
                "1000", "--coperture", file("coperture"), "-o", file("g.txt")});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.out, "14\n");
    EXPECT_EQ(
        esegui({"riduttori", "crea", file("g.ra2"), "--v", "14", "--garanzia", "2", file("g.txt")}).uscita,
        0);

    // Started from that design, a short run gives nothing larger.
    const Risultato ripresa =
        esegui({"riduttori", "cerca", "--tipo", "garanzia", "--v", "14", "--k", "3", "--t", "2", "--mosse",
                "10", "--partenza", file("g.txt"), "-o", file("g2.txt")});
    ASSERT_EQ(ripresa.uscita, 0) << ripresa.err;
    EXPECT_EQ(ripresa.out, "14\n");
}

TEST_F(RiduttoriCerca, ErroriNienteScritto)
{
    std::ofstream(file("storta.txt")) << "1 2\n";
    const struct
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
    } casi[] = {
        {"senza tipo", {"--v", "9", "--k", "3", "--t", "2"}, 2},
        {"tipo sconosciuto", {"--tipo", "ambo", "--v", "9", "--k", "3", "--t", "2"}, 2},
        {"k oltre v", {"--tipo", "ortogonale", "--v", "9", "--k", "10", "--t", "2"}, 2},
        {"p diverso da t", {"--tipo", "ortogonale", "--v", "9", "--k", "3", "--t", "2", "--p", "3"}, 2},
        {"v oltre 30", {"--tipo", "garanzia", "--v", "31", "--k", "3", "--t", "2"}, 2},
        {"mosse non numeriche",
         {"--tipo", "garanzia", "--v", "9", "--k", "3", "--t", "2", "--mosse", "x"},
         2},
        {"opzione sconosciuta", {"--tipo", "garanzia", "--v", "9", "--k", "3", "--t", "2", "--g", "2"}, 2},
        {"partenza mancante",
         {"--tipo", "garanzia", "--v", "9", "--k", "3", "--t", "2", "--partenza", file("manca.txt")},
         1},
        {"partenza storta",
         {"--tipo", "garanzia", "--v", "9", "--k", "3", "--t", "2", "--partenza", file("storta.txt")},
         1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        // Every case is refused before the search starts.
        std::vector<std::string> a{"riduttori", "cerca"};
        a.insert(a.end(), c.argomenti.begin(), c.argomenti.end());
        a.insert(a.end(), {"-o", file("d.txt")});
        const Risultato r = esegui(a);
        EXPECT_EQ(r.uscita, c.uscita) << r.err;
        EXPECT_FALSE(std::filesystem::exists(file("d.txt")));
    }
}

TEST_F(RiduttoriCerca, CtrlCScriveIlMiglioreTrovato)
{
    // A search of a minute ends at the first Ctrl-C after its start with the design it has. Until the
    // command installs its handler an interruption must not end the test, hence the one of the test.
    const auto precedente = std::signal(SIGINT, IgnoraInterruzione);
    std::atomic<bool> finita = false;
    Risultato r;
    std::thread ricerca([&] {
        r = esegui({"riduttori", "cerca", "--tipo", "ortogonale", "--v", "20", "--k", "6", "--t", "4",
                    "--secondi", "60", "-o", file("c.txt")});
        finita = true;
    });
    const auto inizio = std::chrono::steady_clock::now();
    while (!finita && std::chrono::steady_clock::now() - inizio < std::chrono::seconds(30)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::raise(SIGINT);
    }
    ricerca.join();
    std::signal(SIGINT, precedente);
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(30));
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_NE(r.err.find(", interrotta)"), std::string::npos) << r.err;
    EXPECT_EQ(
        esegui({"riduttori", "crea", file("c.ro2"), "--v", "20", "--garanzia", "4", file("c.txt")}).uscita,
        0);
}
