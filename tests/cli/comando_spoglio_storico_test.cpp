#include "support/cli_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// An archive of 30 draws: draw i (1-based) holds i .. i + 4 on Bari and 60 .. 64 on Nazionale; the system
// plays 10 11 12 13 14 and 61 62 on Tutte.
class ComandoSpoglioStorico : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        ArchivioStorico a;
        for (int i = 0; i < 30; ++i) {
            Tipo_Estrazione e = test::estrazioneNumero(i, i + 1);
            for (int p = 1; p <= 5; ++p) {
                e.setNumero(Nazionale, p, static_cast<std::uint8_t>(59 + p));
            }
            ASSERT_GT(a.InserisciEstrazione(e), 0);
        }
        ASSERT_TRUE(salvaArchivio(a));
        ASSERT_EQ(
            esegui({"crea", "-o", sistema(), "--pronostico", "10 11 12 13 14 61 62", "--k", "5"}).uscita, 0);
        Giocate(sistema(), "10 11 12 13 14\n61 62\n");
    }

    void Giocate(const std::string& qvs, const std::string& testo)
    {
        const std::string txt = file("giocate.txt");
        std::ofstream(txt) << testo;
        ASSERT_EQ(esegui({"importa", qvs, "--testo", txt, "--sovrascrivi"}).uscita, 0);
    }

    std::string sistema() const { return file("sistema.qvs"); }
};

} // namespace

TEST_F(ComandoSpoglioStorico, RigheETotali)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::string> opzioni;
        std::string atteso;
    };
    // Draw 10 (10/1/1900) is the first with 10..14 on Bari; draw 14 the last with one of them.
    const Riga righe[] = {
        {"le ultime 4 da N - 3, su tutte le ruote",
         {"--estrazioni", "100", "--partenza", "27"},
         "27/1/1900\t0\t0\t0\t1\t2\n"
         "28/1/1900\t0\t0\t0\t1\t2\n"
         "1/2/1900\t0\t0\t0\t1\t2\n"
         "2/2/1900\t0\t0\t0\t1\t2\n"
         "TOTALE:\t0\t0\t0\t4\t8\n"},
        {"le ruote del sistema (Tutte) senza Nazionale, partenza non numerica: le ultime 21",
         {"--estrazioni", "21", "--partenza", "x", "--tutte-ruote", "0"},
         "10/1/1900\t1\t5\t10\t10\t5\n"
         "11/1/1900\t0\t1\t4\t6\t4\n"
         "12/1/1900\t0\t0\t1\t3\t3\n"
         "13/1/1900\t0\t0\t0\t1\t2\n"
         "14/1/1900\t0\t0\t0\t0\t1\n"
         "TOTALE:\t1\t6\t15\t20\t15\n"},
        {"nessuna vincita",
         {"--estrazioni", "3", "--partenza", "1", "--tutte-ruote", "0"},
         "TOTALE:\t0\t0\t0\t0\t0\n"},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        std::vector<std::string> argomenti = {"spoglio-storico", sistema()};
        argomenti.insert(argomenti.end(), r.opzioni.begin(), r.opzioni.end());
        const auto esito = esegui(argomenti);
        EXPECT_EQ(esito.uscita, 0) << esito.err;
        EXPECT_EQ(esito.out, r.atteso);
    }
    // Without options: 100 draws asked, the whole archive of 30, all eleven wheels.
    const auto tutte = esegui({"spoglio-storico", sistema()});
    EXPECT_EQ(tutte.uscita, 0);
    EXPECT_NE(tutte.out.find("TOTALE:\t1\t7\t20\t60\t85\n"), std::string::npos) << tutte.out;
}

TEST_F(ComandoSpoglioStorico, RifiutiEdErroriDUso)
{
    EXPECT_EQ(esegui({"spoglio-storico", sistema(), "--tutte-ruote", "2"}).uscita, 2);
    EXPECT_EQ(esegui({"spoglio-storico"}).uscita, 2);
    EXPECT_EQ(esegui({"probabilita-vincita", sistema(), "--punti", "6"}).uscita, 2);
    EXPECT_EQ(esegui({"probabilita-vincita", sistema(), "--punti", "0"}).uscita, 2);

    ASSERT_EQ(esegui({"crea", "-o", file("vuoto.qvs"), "--pronostico", "1 2 3 4 5", "--k", "5"}).uscita, 0);
    const auto storico = esegui({"spoglio-storico", file("vuoto.qvs")});
    EXPECT_EQ(storico.uscita, 1);
    EXPECT_NE(storico.err.find("Non ci sono giocate da controllare!"), std::string::npos);
    const auto probabilita = esegui({"probabilita-vincita", file("vuoto.qvs"), "--punti", "3"});
    EXPECT_EQ(probabilita.uscita, 1);
    EXPECT_NE(probabilita.err.find("Non ci sono giocate finali da controllare."), std::string::npos);
    EXPECT_TRUE(probabilita.out.empty());
}

TEST_F(ComandoSpoglioStorico, ProbabilitaDiVincita)
{
    const std::string sei = file("sei.qvs");
    ASSERT_EQ(esegui({"crea", "-o", sei, "--pronostico", "1 2 3 4 5 6", "--k", "3"}).uscita, 0);
    Giocate(sei, "1 2 3\n4 5 6\n");
    const auto tre = esegui({"probabilita-vincita", sei, "--punti", "3"});
    EXPECT_EQ(tre.uscita, 0) << tre.err;
    EXPECT_EQ(tre.out, "0\t0.0000\nEstratto\t0.0000\nAmbo\t90.0000\nTerno\t10.0000\nQuaterna\t0.0000\n"
                       "Cinquina\t0.0000\n");
    // Five points of six numbers: 6 sets, each holding one play whole and two of the other.
    const auto cinque = esegui({"probabilita-vincita", sei});
    EXPECT_EQ(cinque.uscita, 0);
    EXPECT_EQ(cinque.out, "0\t0.0000\nEstratto\t0.0000\nAmbo\t0.0000\nTerno\t100.0000\nQuaterna\t0.0000\n"
                          "Cinquina\t0.0000\n");
}
