#include "checking/vincite.h"
#include "core/importi.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using test::giocata;

// A wheel's draw from up to five numbers; missing positions stay 0.
NumeriRuota Estratti(std::initializer_list<int> numeri)
{
    NumeriRuota e{};
    std::size_t i = 0;
    for (int n : numeri) {
        e[i++] = static_cast<std::uint8_t>(n);
    }
    return e;
}

SegniRuote Ruote(std::initializer_list<Ruota> ruote)
{
    SegniRuote segni{};
    for (Ruota r : ruote) {
        segni[static_cast<std::size_t>(r - 1)] = 1;
    }
    return segni;
}

// A line as "Bari/Tutte Ambo 3 75,00" (the class detail: count, position p3, pair 10-21).
std::string Descrivi(const Tipo_Vincita& v)
{
    std::string d = std::string(NomiRuote[static_cast<std::size_t>(v.ruota)]);
    d += v.puntata == Puntata::Tutte ? "/Tutte " : " ";
    d += std::string(NomiClassi[static_cast<std::size_t>(v.classe)]) + " " + std::to_string(v.quantita);
    if (v.classe == EstrattoDeterminato) {
        d += " p" + std::to_string(v.posizione);
    }
    if (v.classe == Ambetto) {
        d += " " + std::to_string(v.coppia[0]) + "-" + std::to_string(v.coppia[1]);
    }
    return d + " " + FormatoImporto(v.importo, true, 2);
}

std::vector<std::string> Descrivi(const std::vector<Tipo_Vincita>& vincite)
{
    std::vector<std::string> righe;
    for (const Tipo_Vincita& v : vincite) {
        righe.push_back(Descrivi(v));
    }
    return righe;
}

} // namespace

TEST(Vincite, CoppieDellaGiocataInOrdineDiPosizione)
{
    EXPECT_TRUE(CoppieGiocata(1, giocata({7})).empty());
    EXPECT_TRUE(CoppieGiocata(0, giocata({})).empty());
    const Tipo_Vettore_AmboPerSpoglio coppie = CoppieGiocata(4, giocata({2, 5, 9, 40}));
    const Tipo_Vettore_AmboPerSpoglio attese = {{2, 5}, {2, 9}, {2, 40}, {5, 9}, {5, 40}, {9, 40}};
    EXPECT_EQ(coppie, attese);
    EXPECT_EQ(CoppieGiocata(10, giocata({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})).size(), 45U);
}

TEST(Vincite, CoppieAmbettoSulCerchio)
{
    struct Riga
    {
        const char* nome;
        std::uint8_t x, y;
        Tipo_Vettore_AmboPerSpoglio attese;
    };
    const std::vector<Riga> righe = {
        {"quattro vicine", 10, 20, {{10, 21}, {10, 19}, {11, 20}, {9, 20}}},
        {"numeri adiacenti", 1, 2, {{1, 3}, {90, 2}}},
        {"adiacenti in fondo", 89, 90, {{89, 1}, {88, 90}}},
        {"uno e novanta", 1, 90, {{1, 89}, {2, 90}}},
        {"il novanta gira", 30, 90, {{30, 1}, {30, 89}, {31, 90}, {29, 90}}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(CoppieAmbetto(r.x, r.y), r.attese);
    }
}

TEST(Vincite, Combinazioni)
{
    EXPECT_EQ(Combinazioni(10, 5), 252.0L);
    EXPECT_EQ(Combinazioni(5, 0), 1.0L);
    EXPECT_EQ(Combinazioni(3, 3), 1.0L);
    EXPECT_EQ(Combinazioni(2, 3), 0.0L);
}

// The win lines of one play on one wheel, each row a case a player can meet.
TEST(Vincite, LineeDiUnaGiocataSuUnaRuota)
{
    struct Riga
    {
        const char* nome;
        Tipo_Giocata giocata;
        int ruota;
        NumeriRuota estratti;
        SegniRuote ruote;
        std::vector<std::pair<ClassePremio, double>> importi;
        std::array<std::uint8_t, 5> posizioni;
        std::vector<std::string> attese;
    };
    const Tipo_Giocata cinque = giocata({3, 17, 25, 48, 66});
    const std::vector<Riga> righe = {
        {"ambo su Bari",
         cinque,
         Bari,
         Estratti({3, 17, 25, 80, 81}),
         Ruote({Bari}),
         {{Ambo, 1}},
         {},
         {"Bari Ambo 3 75,00"}},
        {"Bari e Tutte pagano due volte",
         cinque,
         Bari,
         Estratti({3, 17, 25, 80, 81}),
         Ruote({Bari, Tutte}),
         {{Ambo, 1}},
         {},
         {"Bari Ambo 3 75,00", "Bari/Tutte Ambo 3 7,50"}},
        {"Tutte non comprende Nazionale",
         cinque,
         Nazionale,
         Estratti({3, 17, 25, 80, 81}),
         Ruote({Tutte}),
         {{Ambo, 1}},
         {},
         {}},
        {"Nazionale pagata con divisore uno",
         cinque,
         Nazionale,
         Estratti({3, 17, 25, 80, 81}),
         Ruote({Nazionale, Tutte}),
         {{Ambo, 1}},
         {},
         {"Nazionale Ambo 3 75,00"}},
        {"ruota non giocata",
         cinque,
         Roma,
         Estratti({3, 17, 25, 80, 81}),
         Ruote({Bari}),
         {{Ambo, 1}},
         {},
         {}},
        {"nessun numero indovinato",
         cinque,
         Bari,
         Estratti({1, 2, 4, 5, 6}),
         Ruote({Bari}),
         {{Estratto, 1}},
         {},
         {}},
        {"ordine delle classi, ruota prima di Tutte",
         cinque,
         Roma,
         Estratti({3, 17, 25, 48, 90}),
         Ruote({Roma, Tutte}),
         {{Estratto, 1}, {Ambo, 1}, {Terno, 1}, {Quaterna, 1}},
         {},
         {"Roma Quaterna 1 24.000,00", "Roma/Tutte Quaterna 1 2.400,00", "Roma Terno 4 1.800,00",
          "Roma/Tutte Terno 4 180,00", "Roma Ambo 6 150,00", "Roma/Tutte Ambo 6 15,00",
          "Roma Estratto 4 8,98", "Roma/Tutte Estratto 4 0,89"}},
        {"determinato su due posizioni",
         giocata({20, 40}),
         Bari,
         Estratti({40, 7, 20, 8, 9}),
         Ruote({Bari}),
         {{EstrattoDeterminato, 1}},
         {1, 0, 1, 0, 0},
         {"Bari Estratto determinato 1 p1 27,50", "Bari Estratto determinato 1 p3 27,50"}},
        {"determinato: prima la ruota poi Tutte",
         giocata({20, 40}),
         Bari,
         Estratti({40, 7, 20, 8, 9}),
         Ruote({Bari, Tutte}),
         {{EstrattoDeterminato, 1}},
         {1, 0, 1, 0, 0},
         {"Bari Estratto determinato 1 p1 27,50", "Bari Estratto determinato 1 p3 27,50",
          "Bari/Tutte Estratto determinato 1 p1 2,75", "Bari/Tutte Estratto determinato 1 p3 2,75"}},
        {"determinato senza posizioni",
         giocata({20, 40}),
         Bari,
         Estratti({40, 7, 20, 8, 9}),
         Ruote({Bari}),
         {{EstrattoDeterminato, 1}},
         {},
         {}},
        {"ambetto",
         giocata({10, 20}),
         Bari,
         Estratti({10, 21, 50, 60, 70}),
         Ruote({Bari}),
         {{Ambetto, 1}},
         {},
         {"Bari Ambetto 1 10-21 65,00"}},
        {"ambetto: ogni coppia sulla ruota e poi su Tutte",
         giocata({10, 20}),
         Bari,
         Estratti({10, 21, 19, 60, 70}),
         Ruote({Bari, Tutte}),
         {{Ambetto, 1}},
         {},
         {"Bari Ambetto 1 10-21 65,00", "Bari/Tutte Ambetto 1 10-21 6,50", "Bari Ambetto 1 10-19 65,00",
          "Bari/Tutte Ambetto 1 10-19 6,50"}},
        {"nessun ambetto quando tutti i numeri sono estratti",
         giocata({10, 20}),
         Bari,
         Estratti({10, 20, 21, 11, 9}),
         Ruote({Bari}),
         {{Ambetto, 1}},
         {},
         {}},
        {"ambetto di una giocata di tre numeri",
         giocata({1, 2, 50}),
         Bari,
         Estratti({1, 3, 51, 0, 0}),
         Ruote({Bari}),
         {{Ambetto, 3}},
         {},
         // (1,2) has 2 neighbours, (1,50) and (2,50) have 4: P = 3.
         {"Bari Ambetto 1 1-3 130,00", "Bari Ambetto 1 1-51 65,00"}},
        {"la cinquina oltre il massimo",
         cinque,
         Bari,
         Estratti({66, 48, 25, 17, 3}),
         Ruote({Bari}),
         {{Cinquina, 2}},
         {},
         {"Bari Cinquina 1 6.000.000,00"}},
        {"posizione vuota non vince",
         giocata({20, 40}),
         Bari,
         Estratti({20, 0, 0, 0, 0}),
         Ruote({Bari}),
         {{EstrattoDeterminato, 1}, {Estratto, 1}},
         {1, 1, 0, 0, 0},
         {"Bari Estratto 1 5,61", "Bari Estratto determinato 1 p1 27,50"}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ParametriVincite p;
        p.ruote = r.ruote;
        p.posizioni = r.posizioni;
        for (const auto& [classe, importo] : r.importi) {
            p.importi[static_cast<std::size_t>(classe - 1)] = importo;
        }
        EXPECT_EQ(Descrivi(VinciteGiocataRuota(r.giocata, r.ruota, r.estratti, p)), r.attese);
    }
}

TEST(Vincite, TotaleDellaGiocataLimitato)
{
    ParametriVincite p;
    p.ruote = Ruote({Bari, Roma});
    p.importi[Cinquina - 1] = 1;
    p.importi[Estratto - 1] = 1;
    std::array<std::uint8_t, 55> numeri{};
    for (int pos = 1; pos <= 5; ++pos) {
        numeri[static_cast<std::size_t>((pos - 1) * 11 + Bari - 1)] = static_cast<std::uint8_t>(pos);
        numeri[static_cast<std::size_t>((pos - 1) * 11 + Roma - 1)] = static_cast<std::uint8_t>(pos);
    }
    const std::vector<Tipo_Vincita> vincite = VinciteGiocata(giocata({1, 2, 3, 4, 5}), numeri, p);
    ASSERT_EQ(vincite.size(), 4U);
    EXPECT_EQ(vincite[0].ruota, Bari);
    EXPECT_EQ(vincite[2].ruota, Roma);
    EXPECT_EQ(vincite[0].importo, 6000000.0);
    EXPECT_EQ(TotaleVincite(vincite, p.vincitaMassima), 6000000.0);
    EXPECT_DOUBLE_EQ(TotaleVincite(vincite, 1e9), 12000000.0 + 2 * 11.23);
}

// Random small plays and draws: the counts of the lines agree with a direct count of the winning
// combinations, and each amount is the count's share of the play's combinations.
TEST(Vincite, ConteggiComeUnConteggioDiretto)
{
    std::mt19937 caso(20240601);
    for (int prova = 0; prova < 2000; ++prova) {
        std::vector<int> urna(12);
        for (int i = 0; i < 12; ++i) {
            urna[static_cast<std::size_t>(i)] = i + 1; // a small pool makes hits frequent
        }
        std::shuffle(urna.begin(), urna.end(), caso);
        const int n = std::uniform_int_distribution<int>(1, 10)(caso);
        Tipo_Giocata g{};
        std::copy_n(urna.begin(), n, g.begin());
        (void)OrdinaGiocata(g);
        std::shuffle(urna.begin(), urna.end(), caso);
        NumeriRuota estratti{};
        for (std::size_t i = 0; i < 5; ++i) {
            estratti[i] = static_cast<std::uint8_t>(urna[i]);
        }

        ParametriVincite p;
        p.ruote = Ruote({Milano});
        p.importi = {1, 1, 1, 1, 1, 0, 0};
        p.vincitaMassima = 1e12;
        int h = 0;
        for (int i = 0; i < n; ++i) {
            h += std::count(estratti.begin(), estratti.end(), g[static_cast<std::size_t>(i)]) > 0 ? 1 : 0;
        }
        // Direct count: every k-subset of the play whose numbers are all drawn.
        std::array<int, 6> vinte{};
        std::array<int, 6> totali{};
        for (unsigned maschera = 1; maschera < (1U << n); ++maschera) {
            const int k = __builtin_popcount(maschera);
            if (k > 5) {
                continue;
            }
            ++totali[static_cast<std::size_t>(k)];
            bool tutti = true;
            for (int i = 0; i < n; ++i) {
                if ((maschera >> i & 1U) != 0 &&
                    std::count(estratti.begin(), estratti.end(), g[static_cast<std::size_t>(i)]) == 0) {
                    tutti = false;
                }
            }
            vinte[static_cast<std::size_t>(k)] += tutti ? 1 : 0;
        }

        const std::vector<Tipo_Vincita> vincite = VinciteGiocataRuota(g, Milano, estratti, p);
        std::array<int, 6> trovate{};
        for (const Tipo_Vincita& v : vincite) {
            const auto k = static_cast<std::size_t>(v.classe);
            trovate[k] = v.quantita;
            const double quota = static_cast<double>(vinte[k]) / totali[k];
            const double moltiplicatore =
                k == 1 ? 11.23 : static_cast<double>(pagamenti::MoltiplicatoreClasse(v.classe));
            ASSERT_NEAR(v.importo, quota * moltiplicatore, 1e-6) << "n " << n << " classe " << k;
        }
        for (std::size_t k = 1; k <= 5; ++k) {
            ASSERT_EQ(trovate[k], vinte[k]) << "n " << n << " h " << h << " classe " << k;
        }
        ASSERT_EQ(vincite.empty(), h == 0);
    }
}

TEST(Vincite, Calcolatore)
{
    struct Riga
    {
        const char* nome;
        int n, h, divisore;
        std::array<double, 5> importi;
        std::array<double, 5> vincite;
        double totale;
    };
    const std::vector<Riga> righe = {
        {"estratto a 11,232", 1, 1, 1, {1, 0, 0, 0, 0}, {11.232, 0, 0, 0, 0}, 11.232},
        {"ambo su tre indovinati di cinque", 5, 3, 1, {0, 1, 0, 0, 0}, {0, 75, 0, 0, 0}, 75},
        {"Tutte divide per dieci", 5, 3, 10, {1, 1, 0, 0, 0}, {0.67392, 7.5, 0, 0, 0}, 8.17392},
        {"nessun indovinato", 5, 0, 1, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, 0},
        {"cinquina limitata", 5, 5, 1, {0, 0, 0, 0, 2}, {0, 0, 0, 0, 6000000}, 6000000},
        {"totale limitato", 5, 5, 1, {0, 0, 0, 1, 1}, {0, 0, 0, 120000, 6000000}, 6000000},
        {"classi oltre i numeri giocati", 2, 2, 1, {0, 1, 1, 0, 0}, {0, 250, 0, 0, 0}, 250},
        {"indovinati oltre i giocati", 2, 7, 1, {0, 1, 1, 0, 0}, {0, 250, 0, 0, 0}, 250},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const RisultatoCalcolo c = CalcolaVincita(r.n, r.h, r.importi, r.divisore, 6000000.0);
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_NEAR(c.vincite[k], r.vincite[k], 1e-9) << k + 1;
        }
        EXPECT_NEAR(c.totale, r.totale, 1e-9);
    }
}

TEST(Vincite, ImportiDelCalcolatore)
{
    struct Riga
    {
        const char* nome;
        std::array<std::string, 5> testi;
        std::string errore;
        int campo;
    };
    const Riga righe[] = {
        {"validi con spazi e virgola", {" 1 ", "0,5", "", "", "2"}, "", -1},
        {"tutti vuoti", {"", "", "", "", ""}, messaggi_vincite::ImportiZero, -1},
        {"tutti zero", {"0", "0,0", "", "0", ""}, messaggi_vincite::ImportiZero, -1},
        {"il primo illeggibile vince", {"1", "x", "", "2.2.2", ""}, messaggi_vincite::ImportiNonValidi[1], 1},
        {"cinquina illeggibile", {"", "", "", "", "1e3"}, messaggi_vincite::ImportiNonValidi[4], 4},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const ImportiCalcolatore letti = LeggiImportiCalcolatore(riga.testi);
        EXPECT_EQ(letti.errore, riga.errore);
        EXPECT_EQ(letti.campo, riga.campo);
    }
    EXPECT_EQ(LeggiImportiCalcolatore({" 1 ", "0,5", "", "", "2"}).importi,
              (std::array<double, 5>{1.0, 0.5, 0.0, 0.0, 2.0}));
}
