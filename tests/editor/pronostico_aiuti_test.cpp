#include "editor/pronostico_aiuti.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::giocata;

SegniNumeri Segni(std::initializer_list<int> numeri)
{
    SegniNumeri s{};
    for (int n : numeri) {
        s[static_cast<std::size_t>(n - 1)] = 1;
    }
    return s;
}

std::vector<int> Numeri(const SegniNumeri& s)
{
    std::vector<int> numeri;
    for (int n = 1; n <= 90; ++n) {
        if (s[static_cast<std::size_t>(n - 1)] != 0) {
            numeri.push_back(n);
        }
    }
    return numeri;
}

// Scores rising with the number, except a few favourites.
std::array<double, 91> Probabilita()
{
    std::array<double, 91> p{};
    for (int n = 1; n <= 90; ++n) {
        p[static_cast<std::size_t>(n)] = n / 10.0;
    }
    p[5] = 100;
    p[6] = 100; // tie with 5: the lower number stays first
    p[90] = 0;
    return p;
}

} // namespace

TEST(PronosticoAiuti, LetturaDellaQuantita)
{
    struct Riga
    {
        const char* nome;
        const char* testo;
        bool abbassa;
        bool valida;
        int quantita;
    };
    const Riga righe[] = {
        {"entro i limiti", "7", false, true, 7},
        {"il massimo", "10", false, true, 10},
        {"oltre il massimo", "11", false, false, 0},
        {"oltre il massimo abbassato", "11", true, true, 10},
        {"enorme abbassato", "99999999999", true, true, 10},
        {"zero", "0", true, false, 0},
        {"vuoto", "", true, false, 0},
        {"non numero", "3a", true, false, 0},
        {"negativo", "-2", true, false, 0},
        {"zeri iniziali", "007", false, true, 7},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        int q = -1;
        EXPECT_EQ(LeggiQuantita(r.testo, 1, 10, r.abbassa, q), r.valida);
        if (r.valida) {
            EXPECT_EQ(q, r.quantita);
        }
    }
}

TEST(PronosticoAiuti, NumeriPiuEMenoProbabili)
{
    struct Riga
    {
        const char* nome;
        SegniNumeri prima;
        Verso verso;
        int quantita;
        std::vector<int> dopo;
        int girati;
    };
    SegniNumeri tutti{};
    tutti.fill(1);
    SegniNumeri quasiTutti = tutti;
    quasiTutti[4] = 0;  // 5
    quasiTutti[89] = 0; // 90
    const Riga righe[] = {
        {"aggiunge i piu probabili, pari merito in ordine", Segni({}), Verso::Aggiungi, 3, {5, 6, 89}, 3},
        {"salta quelli gia nel pronostico", Segni({5, 89}), Verso::Aggiungi, 2, {5, 6, 88, 89}, 2},
        {"oltre i liberi aggiunge tutti i liberi", quasiTutti, Verso::Aggiungi, 88, Numeri(tutti), 2},
        {"elimina i meno probabili", Segni({1, 2, 5, 90}), Verso::Elimina, 2, {2, 5}, 2},
        {"elimina oltre i presenti", Segni({3, 4}), Verso::Elimina, 10, {}, 2},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        SegniNumeri s = r.prima;
        EXPECT_EQ(NumeriProbabili(s, r.quantita, r.verso, Probabilita()), r.girati);
        EXPECT_EQ(Numeri(s), r.dopo);
    }
}

TEST(PronosticoAiuti, NumeriCasualiRiproducibili)
{
    for (Verso verso : {Verso::Aggiungi, Verso::Elimina}) {
        SCOPED_TRACE(verso == Verso::Aggiungi ? "aggiungi" : "elimina");
        const SegniNumeri prima = Segni({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        SegniNumeri a = prima;
        SegniNumeri b = prima;
        GeneratoreCasuale g1;
        GeneratoreCasuale g2;
        g1.imposta(12345);
        g2.imposta(12345);
        NumeriCasuali(a, 4, verso, g1);
        NumeriCasuali(b, 4, verso, g2);
        EXPECT_EQ(a, b);
        EXPECT_EQ(NumeriDisponibili(a, Verso::Elimina), verso == Verso::Aggiungi ? 14 : 6);
        // Only numbers of the right kind were flipped.
        for (std::size_t i = 0; i < 90; ++i) {
            if (a[i] != prima[i]) {
                EXPECT_EQ(prima[i], verso == Verso::Aggiungi ? 0 : 1);
            }
        }
    }
    SegniNumeri pieno{};
    pieno.fill(1);
    GeneratoreCasuale g;
    NumeriCasuali(pieno, 5, Verso::Aggiungi, g); // nothing to add: must not loop forever
    EXPECT_EQ(NumeriDisponibili(pieno, Verso::Aggiungi), 0);
}

TEST(PronosticoAiuti, PronosticoDalleGiocate)
{
    ElencoGiocate elenco;
    SegniNumeri s = Segni({44});
    EXPECT_FALSE(PronosticoDaGiocate(elenco, s));
    EXPECT_EQ(Numeri(s), std::vector<int>{44});
    ASSERT_TRUE(elenco.AssicuraCapacita(2));
    elenco.voce(1) = giocata({1, 2, 90});
    elenco.voce(2) = giocata({2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    elenco.setConteggio(2);
    EXPECT_TRUE(PronosticoDaGiocate(elenco, s));
    EXPECT_EQ(Numeri(s), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 90}));
}
