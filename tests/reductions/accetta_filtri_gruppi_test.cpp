#include "reductions/accetta_filtri_gruppi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mg = messaggi_gruppi;

namespace {

std::string Rifiuto(const char* inizio, int riga, const char* fine)
{
    return inizio + std::to_string(riga) + fine;
}

std::string IntervalloRifiutato(int riga)
{
    return Rifiuto(mg::IntervalloNonValido, riga, mg::IntervalloNonValidoFine);
}

std::string QuantitaRifiutate(int riga)
{
    return Rifiuto(mg::QuantitaNonValide, riga, mg::QuantitaNonValideFine);
}

std::vector<RigaIntervalloNumeri> Molte(int quante)
{
    std::vector<RigaIntervalloNumeri> righe;
    for (int i = 1; i <= quante; ++i) {
        righe.push_back({std::to_string(i) + "-" + std::to_string(i + 1), "1"});
    }
    return righe;
}

} // namespace

TEST(AccettaFiltriGruppi, Intervalli)
{
    struct Riga
    {
        const char* nome;
        std::string errori;
        std::vector<RigaIntervalloNumeri> righe;
        std::string messaggio; // empty: accepted
        FocusAccettazione focus = FocusAccettazione::Nessuno;
        std::vector<IntervalloNumeri> attesi{};
        std::int32_t erroriAttesi = 0;
    };
    const std::vector<Riga> righe{
        {"un solo numero", "0", {{"5-5", "1"}}, IntervalloRifiutato(1), FocusAccettazione::Tabella},
        {"basso zero", "0", {{"0-10", "1"}}, IntervalloRifiutato(1), FocusAccettazione::Tabella},
        {"alto oltre 90", "0", {{"80-99", "0 1"}}, "", {}, {{80, 99, 0b11}}},
        {"senza trattino", "0", {{"10 20", "1"}}, IntervalloRifiutato(1), FocusAccettazione::Tabella},
        {"basso sopra alto", "0", {{"20-10", "1"}}, IntervalloRifiutato(1), FocusAccettazione::Tabella},
        {"tre limiti", "0", {{"1-5-9", "1"}}, IntervalloRifiutato(1), FocusAccettazione::Tabella},
        {"spazi intorno", "0", {{"  1 - 30 ", " 3   1 "}}, "", {}, {{1, 30, 0b1010}}},
        {"quantità oltre 10", "0", {{"1-30", "0 1 15"}}, "", {}, {{1, 30, 0b10000000011}}},
        {"pezzi ignorati", "0", {{"1-30", "a 2 -1"}}, "", {}, {{1, 30, 0b100}}},
        // The row count includes the blank row above.
        {"quantità vuote",
         "0",
         {{"1-30", "1"}, {"", ""}, {"31-60", ""}},
         QuantitaRifiutate(3),
         FocusAccettazione::Tabella},
        {"quantità illeggibili", "0", {{"1-30", "x y"}}, QuantitaRifiutate(1), FocusAccettazione::Tabella},
        {"riga vuota saltata", "0", {{"", " "}, {"1-30", "1"}}, "", {}, {{1, 30, 0b10}}},
        {"nessun intervallo", "0", {{"", ""}}, mg::AlmenoUnIntervallo, FocusAccettazione::Tabella},
        {"errori vuoti", "", {{"1-30", "1"}}, mg::ErroriNonValidi, FocusAccettazione::Errori},
        {"errori negativi", "-1", {{"1-30", "1"}}, mg::ErroriNonValidi, FocusAccettazione::Errori},
        {"errori abbassati",
         "5",
         {{"1-30", "1"}, {"31-60", "1"}, {"61-90", "1"}},
         "",
         {},
         {{1, 30, 0b10}, {31, 60, 0b10}, {61, 90, 0b10}},
         2},
        {"errori entro il conteggio",
         "1",
         {{"1-30", "1"}, {"31-60", "1"}},
         "",
         {},
         {{1, 30, 2}, {31, 60, 2}},
         1},
        {"46 intervalli", "0", Molte(46), ""},
        {"47 intervalli", "0", Molte(47), mg::TroppiIntervalli, FocusAccettazione::Tabella},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const auto esito = AccettaIntervalli(riga.errori, riga.righe);
        if (!riga.messaggio.empty()) {
            ASSERT_FALSE(esito.ok());
            ASSERT_TRUE(esito.messaggio.has_value());
            EXPECT_EQ(esito.messaggio->testo, riga.messaggio);
            EXPECT_EQ(esito.messaggio->titolo, "Attenzione");
            EXPECT_EQ(esito.focus, riga.focus);
            continue;
        }
        ASSERT_TRUE(esito.ok());
        EXPECT_FALSE(esito.messaggio.has_value());
        const IntervalliNumeri& record = *esito.record;
        EXPECT_EQ(record.massimoErrori, riga.erroriAttesi);
        if (riga.attesi.empty()) {
            EXPECT_EQ(record.intervalli.size(), riga.righe.size());
            continue;
        }
        ASSERT_EQ(record.intervalli.size(), riga.attesi.size());
        for (std::size_t i = 0; i < riga.attesi.size(); ++i) {
            EXPECT_EQ(record.intervalli[i].basso, riga.attesi[i].basso);
            EXPECT_EQ(record.intervalli[i].alto, riga.attesi[i].alto);
            EXPECT_EQ(record.intervalli[i].ammesse, riga.attesi[i].ammesse);
        }
        // What the table shows again reads back as the same record.
        std::vector<RigaIntervalloNumeri> mostrate;
        for (const auto& intervallo : record.intervalli) {
            mostrate.push_back(TestoIntervallo(intervallo));
        }
        const auto riletto = AccettaIntervalli(std::to_string(record.massimoErrori), mostrate);
        ASSERT_TRUE(riletto.ok());
        EXPECT_TRUE(riletto.record->blocco() == record.blocco());
    }
}

TEST(AccettaFiltriGruppi, Gruppi)
{
    std::array<bool, 10> tutti{};
    tutti.fill(true);
    std::array<bool, 10> tre{};
    tre[0] = tre[4] = tre[8] = true;
    std::array<std::uint16_t, 10> zeroUno{};
    zeroUno.fill(0b11);
    struct Riga
    {
        const char* nome;
        FamigliaGruppi famiglia;
        std::string errori;
        std::array<bool, 10> inUso;
        std::string messaggio; // empty: accepted
        FocusAccettazione focus = FocusAccettazione::Nessuno;
        std::int32_t erroriAttesi = 0;
    };
    const std::vector<Riga> righe{
        {"cadenze: 9 errori", FamigliaGruppi::Cadenze, "9", tutti, "", {}, 9},
        {"cadenze: 10 errori", FamigliaGruppi::Cadenze, "10", tutti, mg::ErroriCadenze,
         FocusAccettazione::Errori},
        {"figure: 9 errori", FamigliaGruppi::Figure, "9", tutti, mg::ErroriFigureDecine,
         FocusAccettazione::Errori},
        {"decine: 8 errori", FamigliaGruppi::Decine, "8", tutti, "", {}, 8},
        {"decine: errori vuoti", FamigliaGruppi::Decine, "", tutti, mg::ErroriFigureDecine,
         FocusAccettazione::Errori},
        {"cadenze: nessuna",
         FamigliaGruppi::Cadenze,
         "0",
         {},
         mg::AlmenoUnaCadenza,
         FocusAccettazione::Gruppi},
        {"figure: nessuna", FamigliaGruppi::Figure, "0", {}, mg::AlmenoUnaFigura, FocusAccettazione::Gruppi},
        {"decine: nessuna", FamigliaGruppi::Decine, "0", {}, mg::AlmenoUnaDecina, FocusAccettazione::Gruppi},
        {"errori abbassati ai gruppi in uso", FamigliaGruppi::Figure, "8", tre, "", {}, 2},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const auto esito = AccettaGruppi(riga.famiglia, riga.errori, riga.inUso, zeroUno);
        if (!riga.messaggio.empty()) {
            ASSERT_FALSE(esito.ok());
            EXPECT_EQ(esito.messaggio->testo, riga.messaggio);
            EXPECT_EQ(esito.focus, riga.focus);
            continue;
        }
        ASSERT_TRUE(esito.ok());
        EXPECT_EQ(esito.record->famiglia, riga.famiglia);
        EXPECT_EQ(esito.record->massimoErrori, riga.erroriAttesi);
        // The tenth flag of figures and decades is not theirs.
        EXPECT_EQ(esito.record->gruppiInUso(),
                  std::min<int>(esito.record->gruppi(),
                                static_cast<int>(std::count(riga.inUso.begin(), riga.inUso.end(), true))));
        // Through the record's bytes and back, unchanged.
        const auto byte = esito.record->byte();
        const GruppiFissi riletto = GruppiFissi::daBlocco(riga.famiglia, byte.data(), byte.size());
        EXPECT_EQ(riletto.inUso, esito.record->inUso);
        EXPECT_EQ(riletto.massimoErrori, esito.record->massimoErrori);
    }
}

TEST(AccettaFiltriGruppi, GruppoSenzaQuantitaAmmetteZero)
{
    std::array<bool, 10> inUso{};
    inUso[2] = true;
    std::array<std::uint16_t, 10> ammesse{};
    ammesse[3] = 0b100;
    const auto esito = AccettaGruppi(FamigliaGruppi::Decine, "0", inUso, ammesse);
    ASSERT_TRUE(esito.ok());
    EXPECT_EQ(esito.record->ammesse[2], 1);
    EXPECT_EQ(esito.record->ammesse[3], 0b100);
}
