#include "reductions/analisi_riduzione.h"

#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

TEST(AnalisiRiduzione, FormatoPercentuale)
{
    struct Riga
    {
        const char* nome;
        double valore;
        const char* atteso;
    };
    const std::vector<Riga> righe = {
        {"intero perde uno zero", 12.0, "12.0"},
        {"mezzo resta", 12.5, "12.50"},
        {"zero", 0.0, "0.0"},
        {"cento", 100.0, "100.0"},
        {"due decimali", 33.3333, "33.33"},
        {"arrotondato a due decimali", 66.666, "66.67"},
        {"decimo con zero finale resta", 7.1, "7.10"},
        {"zero virgola zero uno", 0.01, "0.01"},
        {"quasi intero arrotonda", 99.999, "100.0"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        EXPECT_EQ(FormatoPercentuale(riga.valore), riga.atteso);
    }
}

TEST(AnalisiRiduzione, FormatoPercentualeIgnoraLaLinguaDelSistema)
{
    // Qt sets the user's locale at start-up; the separator must stay ".".
    const char* prima = std::setlocale(LC_NUMERIC, nullptr);
    const std::string salvata = prima != nullptr ? prima : "C";
    if (std::setlocale(LC_NUMERIC, "it_IT.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma installed";
    }
    EXPECT_EQ(FormatoPercentuale(12.5), "12.50");
    std::setlocale(LC_NUMERIC, salvata.c_str());
}

TEST(AnalisiRiduzione, RigaValide)
{
    EXPECT_EQ(TestoValide(5, 20), "5 su 20 (25.0 %)");
    EXPECT_EQ(TestoValide(1, 3), "1 su 3 (33.33 %)");
    EXPECT_EQ(TestoValide(0, 0), "0 su 0 (0 %)");
    EXPECT_EQ(TestoValideArrotondato(2, 3), "2 su 3 (67 %)");
    EXPECT_EQ(TestoValideArrotondato(0, 0), "0 su 0 (0 %)");
}

TEST(AnalisiRiduzione, CadenzaDellaGriglia)
{
    CadenzaAggiornamento cadenza;
    struct Passo
    {
        std::int64_t ms;
        bool dovuto;
    };
    // First refresh 0.3 s after the start, then at most every 2.5 s.
    const std::vector<Passo> passi = {{0, false},    {299, false}, {300, true},   {301, false},
                                      {2799, false}, {2800, true}, {5000, false}, {9000, true}};
    for (const Passo& p : passi) {
        SCOPED_TRACE(p.ms);
        EXPECT_EQ(cadenza.dovuto(p.ms), p.dovuto);
    }
}

namespace {

using test::StopAl;

// Criterion 0: the play holds 1; criterion 1: the sum of its numbers is even.
bool Valuta(const Tipo_Giocata& g, ConteggiAnalisi& c)
{
    bool valida = true;
    if (std::find(g.begin(), g.end(), 1) == g.end()) {
        ++c.nonRispettate[0];
        valida = false;
    }
    int somma = 0;
    for (auto n : g) {
        somma += n;
    }
    if (somma % 2 != 0) {
        ++c.nonRispettate[1];
        valida = false;
    }
    return valida;
}

} // namespace

TEST(AnalisiRiduzione, ConteggiSuCombinazioniEGiocate)
{
    // 1..10 in pairs: 45 candidates; 36 lack 1; 25 have an odd sum; valid: {1, odd number} = 4.
    CombinazioniPronostico combinazioni(std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 2);
    ConteggiAnalisi conteggi(2);
    StopAl mai(0);
    AnalizzaCombinazioni(combinazioni, conteggi, mai, Valuta);
    EXPECT_EQ(conteggi.esaminate, 45);
    EXPECT_EQ(conteggi.nonRispettate, (std::vector<std::int64_t>{36, 25}));
    EXPECT_EQ(conteggi.valide, 4);
    EXPECT_FALSE(conteggi.interrotta);

    // Plays: polled every 17; a stop keeps the counts reached.
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AssicuraCapacita(40));
    for (int i = 1; i <= 40; ++i) {
        elenco.voce(i) = test::giocata({1, i + 1});
    }
    elenco.setConteggio(40);
    ConteggiAnalisi parziali(2);
    StopAl secondo(2);
    AnalizzaGiocate(elenco, parziali, secondo, Valuta);
    EXPECT_TRUE(parziali.interrotta);
    EXPECT_EQ(parziali.esaminate, 34);
    EXPECT_EQ(parziali.valide, 17); // {1, odd number}: 3, 5, ..., 35
    EXPECT_EQ(parziali.nonRispettate, (std::vector<std::int64_t>{0, 17}));
}
