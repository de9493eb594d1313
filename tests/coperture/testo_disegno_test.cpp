#include "coperture/testo_disegno.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

void Scrivi(const std::string& percorso, const std::string& testo)
{
    std::ofstream(percorso) << testo;
}

} // namespace

TEST(TestoDisegno, ScrittoELettoInOrdineLessicografico)
{
    test::CartellaTemporanea cartella;
    const Cella c{TipoDisegno::Ortogonale, 12, 3, 2, 2};
    // {1,2,12} comes before {1,3,4} although its mask is larger.
    const Blocchi b{0b1001100, 0b100000000011, 0b111000000};
    ASSERT_TRUE(ScriviDisegno(cartella.file("d.txt"), b));
    EXPECT_EQ(TestoDisegno(b), "1 2 12\n3 4 7\n7 8 9\n");
    const LetturaDisegno letto = LeggiDisegno(cartella.file("d.txt"), c);
    ASSERT_EQ(letto.errore, "");
    EXPECT_EQ(TestoDisegno(letto.blocchi), TestoDisegno(b));
}

TEST(TestoDisegno, RigheRifiutate)
{
    test::CartellaTemporanea cartella;
    const Cella c{TipoDisegno::Garanzia, 10, 3, 3, 2};
    const struct
    {
        const char* nome;
        const char* testo;
        const char* errore; // empty: accepted
    } righe[] = {
        {"righe vuote e disordine", "\n3 1 2\r\n\n10 9 8\n", ""},
        {"posizione oltre v", "1 2 11\n", "riga 1: posizione fuori da 1..10"},
        {"posizione zero", "0 1 2\n", "riga 1: posizione fuori da 1..10"},
        {"troppe posizioni", "1 2 3\n1 2 3 4\n", "riga 2: attese 3 posizioni diverse"},
        {"ripetuta", "1 1 2\n", "riga 1: attese 3 posizioni diverse"},
        {"non numero", "1 2 x\n", "riga 1: posizione non valida"},
        {"numero enorme", "1 2 99999999999999999999\n", "riga 1: posizione non valida"},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        Scrivi(cartella.file("d.txt"), r.testo);
        const LetturaDisegno letto = LeggiDisegno(cartella.file("d.txt"), c);
        if (std::string(r.errore).empty()) {
            EXPECT_EQ(letto.errore, "");
            EXPECT_EQ(letto.blocchi.size(), 2U);
        } else {
            EXPECT_NE(letto.errore.find(r.errore), std::string::npos) << letto.errore;
        }
    }
    EXPECT_FALSE(LeggiDisegno(cartella.file("manca.txt"), c).errore.empty());
}

TEST(TestoDisegno, FornitoreSoloDiCopertureValide)
{
    test::CartellaTemporanea cartella;
    const std::string fano = "1 2 3\n1 4 5\n1 6 7\n2 4 6\n2 5 7\n3 4 7\n3 5 6\n";
    Scrivi(cartella.file("v7-k3-p2-t2.txt"), fano);
    Scrivi(cartella.file("v8-k3-p2-t2.txt"), fano); // misses the pairs of point 8
    const FornitoreCoperture fornitore = FornitoreDaCartella(cartella.percorso().string());
    ASSERT_TRUE(fornitore(7, 3, 2));
    EXPECT_EQ(fornitore(7, 3, 2)->size(), 7U);
    EXPECT_FALSE(fornitore(8, 3, 2));
    EXPECT_FALSE(fornitore(9, 3, 2));
}
