#include "reductions/condizioni_riduzione.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

TEST(CondizioniRiduzione, ImmagineDi17888Byte)
{
    // Every byte survives a read and a write, reserved ones and odd doubles included.
    BloccoRecord<17888> casuale{};
    std::mt19937 caso(7);
    for (auto& b : casuale) {
        b = static_cast<std::uint8_t>(caso());
    }
    EXPECT_EQ(CondizioniRiduzione::daBlocco(casuale).blocco(), casuale);

    CondizioniRiduzione c;
    c.abilitati[3] = 1;
    c.abilitati[24] = 1;
    c.insiemi[0][10] = 1;
    c.insiemi[3][2] = 1;
    c.insiemi[15][9] = 1;
    c.insiemi[23][5] = 1;
    c.lista(Criterio::Somma).minimi[0] = 150.0;
    c.lista(Criterio::Somma).massimi[99] = 300.0;
    c.lista(Criterio::Somma).numero = 1;
    c.lista(Criterio::DifferenzaTotale).numero = 100;
    c.errori[23] = 1;
    const BloccoRecord<17888> b = c.blocco();
    struct Riga
    {
        const char* nome;
        std::size_t offset;
        std::uint8_t byte;
    };
    for (const Riga& r : std::vector<Riga>{{"abilitato 3", 3, 1},
                                           {"abilitato 24", 24, 1},
                                           {"pari 10", 25 + 10, 1},
                                           {"sequenze dispari 2", 58 + 2, 1},
                                           {"consecutivi 9", 17760 + 9, 1},
                                           {"paralleli dispari 5", 17848 + 5, 1},
                                           {"errori 23", 17859 + 23, 1},
                                           {"conteggio somma", 72 + 1600, 1},
                                           {"conteggio differenza totale", 16152 + 1600, 100}}) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(b[r.offset], r.byte);
    }
    EXPECT_EQ(LeggiCampoDouble(b, 72), 150.0);
    EXPECT_EQ(LeggiCampoDouble(b, 72 + 800 + 99 * 8), 300.0);
    EXPECT_EQ(std::count_if(b.begin(), b.end(), [](std::uint8_t x) { return x != 0; }), 15);
}

// Each criterion reaches the bytes the file format gives it: its enable flag, and its set (up to its
// largest value, the bytes past it kept but never allowing anything) or the count of its interval list.
TEST(CondizioniRiduzione, OgniCriterioAlSuoPosto)
{
    using enum Criterio;
    struct Riga
    {
        Criterio criterio;
        std::size_t abilitato;
        std::size_t dati; // the set, or the interval list
        int massimo;      // the largest value of a set; -1 for an interval list
    };
    const std::vector<Riga> righe = {
        {NumeriPari, 0, 25, 10},
        {NumeriDispari, 1, 36, 10},
        {SequenzePari, 2, 47, 10},
        {SequenzeDispari, 3, 58, 10},
        {Somma, 4, 72, -1},
        {SommaPari, 5, 1680, -1},
        {SommaDispari, 6, 3288, -1},
        {DifferenzaTraSomme, 7, 4896, -1},
        {Media, 8, 6504, -1},
        {MediaPari, 9, 8112, -1},
        {MediaDispari, 10, 9720, -1},
        {DifferenzaMinima, 11, 11328, -1},
        {DifferenzaMedia, 12, 12936, -1},
        {DifferenzaMassima, 13, 14544, -1},
        {DifferenzaTotale, 14, 16152, -1},
        {Consecutivi, 15, 17760, 9},
        {InterruzioniPariDispari, 16, 17771, 9},
        {InterruzioniConsecutive, 17, 17782, 9},
        {Simmetrie, 18, 17793, 5},
        {SimmetriePari, 19, 17804, 5},
        {SimmetrieDispari, 20, 17815, 5},
        {Paralleli, 21, 17826, 5},
        {ParalleliPari, 22, 17837, 5},
        {ParalleliDispari, 23, 17848, 5},
    };
    ASSERT_EQ(righe.size(), Criteri.size());
    for (const Riga& r : righe) {
        SCOPED_TRACE(Descrizione(r.criterio).didascalia);
        CondizioniRiduzione c;
        c.setAbilitato(r.criterio, true);
        if (r.massimo < 0) {
            c.lista(r.criterio).numero = 1;
        } else {
            c.insieme(r.criterio).fill(1);
        }
        const BloccoRecord<17888> b = c.blocco();
        EXPECT_EQ(b[r.abilitato], 1);
        if (r.massimo < 0) {
            EXPECT_EQ(b[r.dati + 1600], 1);
            EXPECT_EQ(std::count(b.begin(), b.end(), 1), 2);
            continue;
        }
        EXPECT_EQ(std::count(b.begin() + static_cast<std::ptrdiff_t>(r.dati),
                             b.begin() + static_cast<std::ptrdiff_t>(r.dati + 11), 1),
                  11);
        const CondizioniRiduzione letta = CondizioniRiduzione::daBlocco(b);
        EXPECT_TRUE(letta.abilitato(r.criterio));
        EXPECT_TRUE(letta.ammesso(r.criterio, r.massimo));
        EXPECT_FALSE(letta.ammesso(r.criterio, r.massimo + 1));
    }
}
