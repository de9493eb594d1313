#include "checking/spoglio_storico.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using test::giocata;

using test::StopAl;

ArchivioStorico Archivio(int quante)
{
    ArchivioStorico a;
    for (int i = 0; i < quante; ++i) {
        EXPECT_GT(a.InserisciEstrazione(test::estrazioneNumero(i, 1 + i % 80)), 0);
    }
    return a;
}

EsitoSpoglioStorico Esegui(const std::vector<Tipo_Giocata>& giocate, const ArchivioStorico& archivio,
                           IntervalloEstrazioni intervallo, const ParametriSpoglioStorico& parametri)
{
    EsitoSpoglioStorico esito;
    EsecuzioneContinua continua;
    SpoglioStorico(giocate.data(), static_cast<std::int32_t>(giocate.size()), archivio, intervallo, parametri,
                   esito, continua);
    return esito;
}

// The plain rule: for each counted wheel, count the hits h and add C(h, k).
ConteggiClassi Letterale(const std::vector<Tipo_Giocata>& giocate, const Tipo_Estrazione& e,
                         const ParametriSpoglioStorico& p)
{
    static const int C[6][6] = {{1, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0}, {1, 2, 1, 0, 0, 0},
                                {1, 3, 3, 1, 0, 0}, {1, 4, 6, 4, 1, 0}, {1, 5, 10, 10, 5, 1}};
    ConteggiClassi c{};
    for (const Tipo_Giocata& g : giocate) {
        for (int w = 1; w <= RuoteArchivio; ++w) {
            if (!p.tutteLeRuote && !RuotaSelezionata(p.ruote, w)) {
                continue;
            }
            int h = 0;
            for (int i = 0; i < NumeriGiocata(g); ++i) {
                for (int pos = 1; pos <= 5; ++pos) {
                    h += e.numero(w, pos) != 0 && e.numero(w, pos) == g[static_cast<std::size_t>(i)] ? 1 : 0;
                }
            }
            for (int k = 1; k <= 5; ++k) {
                c[static_cast<std::size_t>(k - 1)] += C[h][k];
            }
        }
    }
    return c;
}

} // namespace

TEST(SpoglioStorico, IntervalloDaiTestiDigitati)
{
    struct Riga
    {
        const char* nome;
        const char* estrazioni;
        const char* partenza;
        std::int32_t conteggio;
        std::int32_t prima;
        std::int32_t ultima;
    };
    const Riga righe[] = {
        {"le ultime 100", "100", "901", 1000, 901, 1000},
        {"partenza a N - 10: le ultime 11", "100", "990", 1000, 990, 1000},
        {"partenza non numerica: le ultime n", "50", "abc", 1000, 951, 1000},
        {"estrazioni non numeriche: 100", "xx", "", 1000, 901, 1000},
        {"piu' estrazioni dell'archivio", "5000", "", 1000, 1, 1000},
        {"zero estrazioni: almeno una", "0", "", 1000, 1000, 1000},
        {"partenza sotto 1: dalla prima, n estrazioni", "10", "-3", 1000, 1, 10},
        {"partenza oltre N: l'ultima", "10", "2000", 1000, 1000, 1000},
        {"spazi e segno", " 20 ", " +5 ", 1000, 5, 24},
        {"archivio piccolo", "100", "", 7, 1, 7},
        {"archivio vuoto", "100", "1", 0, 0, -1},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const IntervalloEstrazioni i = IntervalloSpoglioStorico(r.estrazioni, r.partenza, r.conteggio);
        EXPECT_EQ(i.prima, r.prima);
        EXPECT_EQ(i.ultima, r.ultima);
    }
    EXPECT_EQ(PartenzaPredefinita("100", 1000), 901);
    EXPECT_EQ(PartenzaPredefinita("100", 40), 1);
    EXPECT_EQ(PartenzaPredefinita("nulla", 150), 51);
    std::int32_t v = 7;
    for (const char* rifiutato : {"", "+", "1.5", "12a", "99999999999", "+-3"}) {
        EXPECT_FALSE(LeggiNumeroDigitato(rifiutato, v)) << rifiutato;
    }
    EXPECT_EQ(v, 7);
}

TEST(SpoglioStorico, ConteggiPerRuoteEClassi)
{
    // Draw 1: 10 20 30 40 50 on Roma, 1 2 3 4 5 on Nazionale; draw 2: nothing of the plays; draw 3:
    // 10 20 99-less on Bari (three of them), Roma without data.
    ArchivioStorico a;
    Tipo_Estrazione d1 = test::estrazioneSu(Nazionale, 1, 1, 2010, 1);
    for (int p = 1; p <= 5; ++p) {
        d1.setNumero(Roma, p, static_cast<std::uint8_t>(10 * p));
    }
    const Tipo_Estrazione d2 = test::estrazioneSu(Bari, 2, 1, 2010, 80);
    Tipo_Estrazione d3 = test::estrazioneSu(Bari, 3, 1, 2010, 60);
    d3.setNumero(Bari, 1, 10);
    d3.setNumero(Bari, 2, 20);
    d3.setNumero(Bari, 3, 30);
    ASSERT_GT(a.InserisciEstrazione(d1), 0);
    ASSERT_GT(a.InserisciEstrazione(d2), 0);
    ASSERT_GT(a.InserisciEstrazione(d3), 0);

    const std::vector<Tipo_Giocata> cinque = {giocata({10, 20, 30, 40, 50})};
    const std::vector<Tipo_Giocata> conNazionale = {giocata({1, 2, 10})};
    ParametriSpoglioStorico tutte;
    ParametriSpoglioStorico soloTutte;
    soloTutte.tutteLeRuote = false;
    soloTutte.ruote[Tutte - 1] = 1;
    ParametriSpoglioStorico nazionale;
    nazionale.tutteLeRuote = false;
    nazionale.ruote[Nazionale - 1] = 1;

    struct Riga
    {
        const char* nome;
        std::vector<Tipo_Giocata> giocate;
        ParametriSpoglioStorico parametri;
        std::vector<std::int32_t> estrazioni; // the rows
        ConteggiClassi totali;                // estratti .. cinquine
    };
    const Riga righe[] = {
        {"cinque numeri tutti estratti su Roma", cinque, tutte, {1, 3}, {5 + 3, 10 + 3, 10 + 1, 5, 1}},
        {"Tutte senza Nazionale non conta la Nazionale",
         conNazionale,
         soloTutte,
         {1, 3},
         {1 + 1, 0, 0, 0, 0}},
        {"Nazionale da sola", conNazionale, nazionale, {1}, {2, 1, 0, 0, 0}},
        {"tutte le undici ruote", conNazionale, tutte, {1, 3}, {3 + 1, 1, 0, 0, 0}},
        {"nessuna vincita: nessuna riga", {giocata({77, 78})}, tutte, {}, {0, 0, 0, 0, 0}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const EsitoSpoglioStorico esito = Esegui(r.giocate, a, {1, 3}, r.parametri);
        std::vector<std::int32_t> estrazioni;
        for (const RigaSpoglioStorico& riga : esito.righe) {
            estrazioni.push_back(riga.estrazione);
        }
        EXPECT_EQ(estrazioni, r.estrazioni);
        EXPECT_EQ(esito.totali, r.totali);
        EXPECT_EQ(esito.esaminate, 3);
        EXPECT_FALSE(esito.interrotto);
    }

    // The grid's texts: date without leading zeros, then cinquine first.
    const EsitoSpoglioStorico esito = Esegui(cinque, a, {1, 1}, tutte);
    ASSERT_EQ(esito.righe.size(), 1U);
    const std::array<std::string, 6> attese = {"1/1/2010", "1", "5", "10", "10", "5"};
    EXPECT_EQ(CelleRigaSpoglioStorico(a, esito.righe[0]), attese);
    const std::array<std::string, 5> totali = {"1", "5", "10", "10", "5"};
    EXPECT_EQ(TestiTotaliSpoglioStorico(esito.totali), totali);
}

TEST(SpoglioStorico, UgualeAllaRegolaSempliceSuCasiCasuali)
{
    std::mt19937 caso(20240616);
    ArchivioStorico a;
    for (int i = 0; i < 60; ++i) {
        Tipo_Estrazione e = test::estrazioneNumero(i);
        for (int w = 1; w <= RuoteArchivio; ++w) {
            std::vector<int> numeri(90);
            std::iota(numeri.begin(), numeri.end(), 1);
            std::shuffle(numeri.begin(), numeri.end(), caso);
            const bool senzaDati = caso() % 7 == 0;
            for (int p = 1; p <= 5; ++p) {
                e.setNumero(w, p,
                            senzaDati ? 0 : static_cast<std::uint8_t>(numeri[static_cast<std::size_t>(p)]));
            }
        }
        ASSERT_GT(a.InserisciEstrazione(e), 0);
    }
    for (int prova = 0; prova < 20; ++prova) {
        std::vector<Tipo_Giocata> giocate;
        const int quante = 1 + static_cast<int>(caso() % 300);
        for (int g = 0; g < quante; ++g) {
            std::vector<int> numeri(30);
            std::iota(numeri.begin(), numeri.end(), 1 + static_cast<int>(caso() % 60));
            std::shuffle(numeri.begin(), numeri.end(), caso);
            Tipo_Giocata giocata{};
            const int m = 1 + static_cast<int>(caso() % 10);
            for (int i = 0; i < m; ++i) {
                giocata[static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(numeri[static_cast<std::size_t>(i)]);
            }
            OrdinaGiocata(giocata);
            giocate.push_back(giocata);
        }
        ParametriSpoglioStorico p;
        p.tutteLeRuote = caso() % 2 == 0;
        for (auto& r : p.ruote) {
            r = static_cast<std::uint8_t>(caso() % 3 == 0);
        }
        const EsitoSpoglioStorico esito = Esegui(giocate, a, {11, 50}, p);
        ConteggiClassi totali{};
        std::size_t riga = 0;
        for (std::int32_t d = 11; d <= 50; ++d) {
            const ConteggiClassi c = Letterale(giocate, a.estrazione(d), p);
            if (c == ConteggiClassi{}) {
                continue;
            }
            ASSERT_LT(riga, esito.righe.size());
            EXPECT_EQ(esito.righe[riga].estrazione, d);
            EXPECT_EQ(esito.righe[riga].conteggi, c);
            ++riga;
            for (std::size_t k = 0; k < 5; ++k) {
                totali[k] += c[k];
            }
        }
        EXPECT_EQ(riga, esito.righe.size());
        EXPECT_EQ(esito.totali, totali);
    }
}

TEST(SpoglioStorico, InterruzioneTieneLeEstrazioniComplete)
{
    const ArchivioStorico a = Archivio(30);
    // Every draw holds 1 + i % 80 .. on Bari: the plays of all numbers hit every draw.
    std::vector<Tipo_Giocata> giocate;
    for (int g = 0; g < 600; ++g) {
        giocate.push_back(giocata({1 + g % 85, 2 + g % 85, 3 + g % 85, 4 + g % 85, 5 + g % 85}));
    }
    ParametriSpoglioStorico p;
    // 600 plays: polls after play 256 and 512, then at the end of the draw; the fifth poll is inside the
    // second draw.
    StopAl stop(5);
    EsitoSpoglioStorico esito;
    SpoglioStorico(giocate.data(), 600, a, {1, 30}, p, esito, stop);
    EXPECT_TRUE(esito.interrotto);
    EXPECT_EQ(esito.esaminate, 1);
    ASSERT_EQ(esito.righe.size(), 1U);
    EXPECT_EQ(esito.righe[0].estrazione, 1);
    EXPECT_EQ(esito.totali, esito.righe[0].conteggi);
    EXPECT_EQ(stop.ultimo.totale, 30.0);
    EXPECT_EQ(stop.ultimo.elaborati, 1.0);

    // A run stopped at the poll of its last draw is complete.
    StopAl allaFine(3);
    SpoglioStorico(giocate.data(), 600, a, {30, 30}, p, esito, allaFine);
    EXPECT_FALSE(esito.interrotto);
    EXPECT_EQ(esito.esaminate, 1);
}
