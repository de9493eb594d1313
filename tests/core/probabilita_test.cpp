#include "core/impostazioni.h"
#include "core/probabilita.h"
#include "core/statistiche.h"
#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Valori = std::array<std::int32_t, 90>;

// 90 values all equal to `resto`, with the given numbers (1-based) set apart.
Valori ValoriCon(std::map<int, std::int32_t> diversi, std::int32_t resto)
{
    Valori v;
    v.fill(resto);
    for (const auto& [numero, valore] : diversi) {
        v[static_cast<std::size_t>(numero - 1)] = valore;
    }
    return v;
}

} // namespace

TEST(ScalaProbabilita, CriteriEstremiEPareggi)
{
    constexpr auto MaxInt = std::numeric_limits<std::int32_t>::max();
    constexpr auto MinInt = std::numeric_limits<std::int32_t>::min();
    struct Riga
    {
        const char* nome;
        Valori valori;
        CriterioScala criterio;
        std::map<int, double> attesi; // number -> score
        double resto;                 // every other number
    };
    const std::vector<Riga> righe{
        {"medi su 0, 10 e 20",
         ValoriCon({{1, 0}, {2, 10}, {3, 20}}, 10),
         CriterioScala::ValoriMedi,
         {{1, 0.0}, {2, 100.0}, {3, 0.0}},
         100.0},
        {"alti", ValoriCon({{1, 5}, {2, 15}}, 10), CriterioScala::ValoriAlti, {{1, 0.0}, {2, 100.0}}, 50.0},
        {"bassi", ValoriCon({{1, 5}, {2, 15}}, 10), CriterioScala::ValoriBassi, {{1, 100.0}, {2, 0.0}}, 50.0},
        {"bassi a un quarto",
         ValoriCon({{1, 0}, {2, 4}}, 1),
         CriterioScala::ValoriBassi,
         {{1, 100.0}, {2, 0.0}},
         75.0},
        // An odd range puts the centre between two values: they tie and none reaches 100.
        {"medi con campo dispari",
         ValoriCon({{1, 0}, {2, 1}, {3, 2}}, 3),
         CriterioScala::ValoriMedi,
         {{1, 0.0}, {2, 100.0 - 100.0 / 3.0}, {3, 100.0 - 100.0 / 3.0}},
         0.0},
        {"tutti uguali, alti", ValoriCon({}, 7), CriterioScala::ValoriAlti, {}, 0.0},
        {"tutti uguali, bassi", ValoriCon({}, 7), CriterioScala::ValoriBassi, {}, 0.0},
        {"tutti uguali, medi", ValoriCon({}, 7), CriterioScala::ValoriMedi, {}, 0.0},
        // Delays on no selected wheel are all 10000000.
        {"nessuna ruota", ValoriCon({}, 10000000), CriterioScala::ValoriBassi, {}, 0.0},
        // A damaged cache may hold any int32: the range must not overflow.
        {"estremi int32",
         ValoriCon({{1, MinInt}, {2, MaxInt}}, 0),
         CriterioScala::ValoriAlti,
         {{1, 0.0}, {2, 100.0}},
         100.0 * (0.0 - MinInt) / (double(MaxInt) - MinInt)},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const std::array<double, 90> punteggi = ScalaProbabilita(riga.valori, riga.criterio);
        for (int n = 1; n <= 90; ++n) {
            const auto trovato = riga.attesi.find(n);
            const double atteso = trovato != riga.attesi.end() ? trovato->second : riga.resto;
            EXPECT_NEAR(punteggi[static_cast<std::size_t>(n - 1)], atteso, 1e-9) << "numero " << n;
        }
    }
}

TEST(ProbabilitaGiocata, MediaDeiNumeriDellaGiocata)
{
    std::array<double, 90> punteggi{};
    punteggi[0] = 10;
    punteggi[1] = 20;
    punteggi[2] = 60;
    punteggi[89] = 100;
    struct Riga
    {
        const char* nome;
        Tipo_Giocata giocata;
        double attesa;
    };
    Tipo_Giocata conEstraneo = test::giocata({1, 2, 3});
    conEstraneo[1] = 91; // not a number: the play ends before it
    const std::vector<Riga> righe{
        {"1 2 3", test::giocata({1, 2, 3}), 30.0},
        {"un numero", test::giocata({90}), 100.0},
        {"dieci numeri", test::giocata({1, 2, 3, 4, 5, 6, 7, 8, 9, 90}), 19.0},
        {"vuota", Tipo_Giocata{}, 0.0},
        {"byte estraneo", conEstraneo, 10.0},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        EXPECT_DOUBLE_EQ(ProbabilitaGiocata(riga.giocata, punteggi), riga.attesa);
    }
}

TEST(ImpostazioniProbabilita, CursoreEPesi)
{
    struct Riga
    {
        const char* nome;
        double prMaxSalvato;
        int posizioneLetta;
        double prMax; // after confirming the read position
        double pfMax;
    };
    const std::vector<Riga> righe{
        {"predefinito", 50.0, 50, 50.0, 50.0},      {"solo frequenze", 0.0, 100, 0.0, 100.0},
        {"solo ritardi", 100.0, 0, 100.0, 0.0},     {"tre quarti ai ritardi", 75.0, 25, 75.0, 25.0},
        {"mezzo passo", 62.4, 38, 62.0, 38.0},      {"oltre la scala", 250.0, 0, 100.0, 0.0},
        {"sotto la scala", -20.0, 100, 0.0, 100.0}, {"non un numero", std::nan(""), 50, 50.0, 50.0},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ImpostazioniGenerali generali;
        generali.ipPrMax = riga.prMaxSalvato;
        generali.ipPrMin = 3.0;
        generali.ipPfMin = 4.0;
        const ImpostazioniProbabilita scelte = LeggiImpostazioniProbabilita(generali);
        EXPECT_EQ(scelte.posizione, riga.posizioneLetta);
        ApplicaImpostazioniProbabilita(scelte, generali);
        EXPECT_EQ(generali.ipPrMin, 0.0);
        EXPECT_EQ(generali.ipPfMin, 0.0);
        EXPECT_EQ(generali.ipPrMax, riga.prMax);
        EXPECT_EQ(generali.ipPfMax, riga.pfMax);
    }
}

TEST(ImpostazioniProbabilita, SiConservanoConLeImpostazioniGenerali)
{
    test::ArchivioMemoria store;
    ImpostazioniGenerali generali;
    generali.ifNumEstra = 240;
    ImpostazioniProbabilita scelte;
    scelte.usaRitardi = false;
    scelte.ritardiDirProp = false;
    scelte.frequenzeInvProp = false;
    scelte.posizione = 100;
    ApplicaImpostazioniProbabilita(scelte, generali);
    SalvaImpostazioniGenerali(store, generali);

    const ImpostazioniGenerali letti = CaricaImpostazioniGenerali(store);
    EXPECT_FALSE(letti.ipUsaRit);
    EXPECT_FALSE(letti.ipRitDirProp);
    EXPECT_TRUE(letti.ipUsaFre);
    EXPECT_FALSE(letti.ipFreqInvProp);
    EXPECT_EQ(letti.ipPrMax, 0.0);
    EXPECT_EQ(letti.ipPfMax, 100.0);
    EXPECT_EQ(letti.ifNumEstra, 240);
    EXPECT_EQ(LeggiImpostazioniProbabilita(letti).posizione, 100);
}

TEST(ImpostazioniProbabilita, CursoreA100UsaSoloLeFrequenze)
{
    // Three draws on Bari: 1..5, 6..10, 1..5. Numbers 1..5 are the most frequent and the least
    // delayed; numbers 11..90 never came out: most delayed and least frequent.
    ArchivioStorico archivio;
    for (int k = 0; k < 3; ++k) {
        Tipo_Estrazione e;
        e.giorno = static_cast<std::uint8_t>(1 + k);
        e.mese = 1;
        e.setAnno(2020);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(Bari, p, static_cast<std::uint8_t>(k == 1 ? 5 + p : p));
        }
        ASSERT_EQ(archivio.InserisciEstrazione(e), k + 1);
    }
    SegniRuote ruote{};
    ruote[Bari - 1] = 1;

    ImpostazioniGenerali generali;
    ImpostazioniProbabilita scelte = LeggiImpostazioniProbabilita(generali);
    scelte.posizione = 100; // delays stay ticked but weigh nothing
    ApplicaImpostazioniProbabilita(scelte, generali);
    StatisticheNumeri statistiche;
    RicalcolaStatistiche(archivio, ruote, generali, statistiche);
    const auto p = PunteggiNumeri(statistiche);
    EXPECT_DOUBLE_EQ(p[0], 0.0);    // frequency 2, the highest
    EXPECT_DOUBLE_EQ(p[5], 50.0);   // frequency 1
    EXPECT_DOUBLE_EQ(p[89], 100.0); // never drawn

    // The same numbers with the weights reversed: delays alone (1..5 delay 0, 6..10 delay 1, the rest 3).
    scelte.posizione = 0;
    ApplicaImpostazioniProbabilita(scelte, generali);
    RicalcolaStatistiche(archivio, ruote, generali, statistiche);
    EXPECT_DOUBLE_EQ(PunteggiNumeri(statistiche)[0], 0.0);
    EXPECT_NEAR(PunteggiNumeri(statistiche)[5], 100.0 / 3.0, 1e-9);
    EXPECT_DOUBLE_EQ(PunteggiNumeri(statistiche)[89], 100.0);
}

TEST(ImpostazioniProbabilita, RegolaComponenti)
{
    struct Riga
    {
        const char* nome;
        bool ritardi;
        bool frequenze;
        int posizione;
        bool ritardiDopo;
        bool frequenzeDopo;
        int posizioneDopo;
    };
    const std::vector<Riga> righe{
        {"entrambe", true, true, 30, true, true, 30},
        {"senza ritardi", false, true, 30, false, true, 100},
        {"senza frequenze", true, false, 30, true, false, 0},
        {"nessuna: tornano i ritardi", false, false, 30, true, false, 0},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ImpostazioniProbabilita scelte;
        scelte.usaRitardi = riga.ritardi;
        scelte.usaFrequenze = riga.frequenze;
        scelte.ritardiDirProp = false;
        scelte.frequenzeInvProp = false;
        scelte.posizione = riga.posizione;
        RegolaComponenti(scelte);
        EXPECT_EQ(scelte.usaRitardi, riga.ritardiDopo);
        EXPECT_EQ(scelte.usaFrequenze, riga.frequenzeDopo);
        EXPECT_EQ(scelte.posizione, riga.posizioneDopo);
        EXPECT_FALSE(scelte.ritardiDirProp);
        EXPECT_FALSE(scelte.frequenzeInvProp);
    }
}

TEST(ImpostazioniProbabilita, NumeroEstrazioniFrequenze)
{
    struct Riga
    {
        const char* nome;
        const char* testo;
        std::int32_t archivio;
        std::optional<std::int32_t> atteso;
    };
    const std::vector<Riga> righe{
        {"valido", "80", 300, 80},
        {"uno", "1", 300, 1},
        {"spazi intorno", " 40 ", 300, 40},
        {"oltre l'archivio", "500", 300, 300},
        {"pari all'archivio", "300", 300, 300},
        {"archivio vuoto", "500", 0, 500},
        {"zero", "0", 300, std::nullopt},
        {"vuoto", "", 300, std::nullopt},
        {"negativo", "-5", 300, std::nullopt},
        {"lettere", "12x", 300, std::nullopt},
        {"decimale", "1.5", 300, std::nullopt},
        {"troppe cifre", "1234567890", 300, std::nullopt},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        EXPECT_EQ(LeggiNumeroEstrazioniFrequenze(riga.testo, riga.archivio), riga.atteso);
    }
}
