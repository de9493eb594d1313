#include "reductions/accetta_confronti.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The accepted comparisons as the table shows them again: "N:scores".
std::vector<std::string> Righe(const ConfrontiStorico& record)
{
    std::vector<std::string> righe;
    for (const auto& c : record.confronti) {
        const RigaConfronto r = RigaDelConfronto(c);
        righe.push_back(r.estrazioni + ":" + r.punteggi);
    }
    return righe;
}

} // namespace

TEST(AccettaConfronti, TabellaComeScritta)
{
    namespace m = messaggi_confronti;
    struct Riga
    {
        const char* nome;
        std::vector<RigaConfronto> righe;
        std::string errori;
        std::vector<std::string> attese; // empty: refused
        std::int32_t erroriAttesi;
        std::string messaggio;
        CampoConfronti focus;
        int riga;
    };
    const std::vector<RigaConfronto> troppi(151, RigaConfronto{"10", "2"});
    const std::vector<Riga> righe = {
        {"ordinati per N",
         {{"300", "3"}, {"10", "2"}, {"100", "3 2"}},
         "0",
         {"10:2", "100:2 3", "300:3"},
         0,
         "",
         CampoConfronti::Tabella,
         0},
        {"0 e 7 consentono 0 e 5",
         {{" 20 ", "  0   7 x "}},
         "0",
         {"20:0 5"},
         0,
         "",
         CampoConfronti::Tabella,
         0},
        {"N oltre l'archivio abbassato",
         {{"99999999999", "1"}},
         "3",
         {"500:1"},
         0,
         "",
         CampoConfronti::Tabella,
         0},
        {"errori abbassati, righe vuote saltate",
         {{"", ""}, {"5", "1"}, {" ", " "}, {"6", "2"}},
         "9",
         {"5:1", "6:2"},
         1,
         "",
         CampoConfronti::Tabella,
         0},
        // Equal N are never exchanged with each other, but the exchange sort may carry one past another.
        {"scambi con N uguali",
         {{"5", "1"}, {"5", "2"}, {"1", "3"}},
         "0",
         {"1:3", "5:2", "5:1"},
         0,
         "",
         CampoConfronti::Tabella,
         0},
        {"N = 0 rifiutato",
         {{"10", "2"}, {"", ""}, {"0", "2"}},
         "0",
         {},
         0,
         "Il numero di estrazioni da usare per il confronto nº 3 non è valido.",
         CampoConfronti::Tabella,
         3},
        {"N mancante",
         {{"", "2"}},
         "0",
         {},
         0,
         "Il numero di estrazioni da usare per il confronto nº 1 non è valido.",
         CampoConfronti::Tabella,
         1},
        {"nessun punteggio",
         {{"10", "2"}, {"20", "x -1"}},
         "0",
         {},
         0,
         "Alcuni punteggi consentiti del confronto nº 2 non sono validi.",
         CampoConfronti::Tabella,
         2},
        {"errori non numerici", {{"10", "2"}}, "a", {}, 0, m::ErroriNonValidi, CampoConfronti::Errori, 0},
        {"errori vuoti", {{"10", "2"}}, "", {}, 0, m::ErroriNonValidi, CampoConfronti::Errori, 0},
        {"nessun confronto", {{"", ""}}, "0", {}, 0, m::AlmenoUno, CampoConfronti::Tabella, 0},
        {"più di 150", troppi, "0", {}, 0, m::TroppiConfronti, CampoConfronti::Tabella, 0},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        const EsitoAccettazioneConfronti esito = AccettaConfronti(r.righe, r.errori, 500);
        EXPECT_EQ(esito.ok, !r.attese.empty());
        if (esito.ok) {
            EXPECT_EQ(Righe(esito.record), r.attese);
            EXPECT_EQ(esito.record.massimoErrori, r.erroriAttesi);
            EXPECT_FALSE(esito.messaggio.has_value());
        } else {
            ASSERT_TRUE(esito.messaggio.has_value());
            EXPECT_EQ(esito.messaggio->testo, r.messaggio);
            EXPECT_EQ(esito.messaggio->titolo, "Attenzione");
            EXPECT_EQ(esito.focus, r.focus);
            EXPECT_EQ(esito.riga, r.riga);
        }
    }
}

TEST(AccettaConfronti, IlRecordAccettatoSopravviveAlFile)
{
    const EsitoAccettazioneConfronti esito =
        AccettaConfronti({{"300", "3"}, {"10", "2"}, {"100", "2 3"}}, "1", 5000);
    ASSERT_TRUE(esito.ok);
    const ConfrontiStorico letto = ConfrontiStorico::daBlocco(esito.record.blocco());
    EXPECT_EQ(Righe(letto), (std::vector<std::string>{"10:2", "100:2 3", "300:3"}));
    EXPECT_EQ(letto.massimoErrori, 1);
}

TEST(AccettaConfronti, RegolaDelleCinquantaEstrazioni)
{
    const ConfrontiStorico record =
        AccettaConfronti({{"300", "3"}, {"10", "2"}, {"100", "2 3"}}, "0", 5000).record;
    EXPECT_FALSE(ControllaAnalisiStorica(record, 350).has_value());
    const auto messaggio = ControllaAnalisiStorica(record, 349);
    ASSERT_TRUE(messaggio.has_value());
    EXPECT_EQ(messaggio->testo, "Il confronto Nº 3 richiede troppe estrazioni.\r"
                                "Le statistiche con le rimanenti estrazioni non sarebbero affidabili.\r"
                                "Diminuire il numero di estrazioni del confronto Nº 3 e riprovare.");
    EXPECT_EQ(messaggio->titolo, "Attenzione");
}
