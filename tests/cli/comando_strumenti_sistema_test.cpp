#include "support/cli_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

class ComandoGaranzia : public test::ProvaRigaComando
{
protected:
    void SetUp() override { creaDati(); }

    void Giocate(const std::string& qvs, const std::string& testo)
    {
        const std::string txt = file("giocate.txt");
        std::ofstream(txt) << testo;
        ASSERT_EQ(esegui({"importa", qvs, "--testo", txt, "--sovrascrivi"}).uscita, 0);
    }
};

std::vector<std::string> Righe(const std::string& testo)
{
    std::vector<std::string> righe;
    std::istringstream in(testo);
    for (std::string r; std::getline(in, r);) {
        righe.push_back(r);
    }
    return righe;
}

std::set<int> Numeri(const std::string& riga)
{
    std::set<int> n;
    std::istringstream in(riga);
    for (int x = 0; in >> x;) {
        n.insert(x);
    }
    return n;
}

} // namespace

TEST_F(ComandoGaranzia, UnBucoNoto)
{
    const std::string sei = file("sei.qvs");
    ASSERT_EQ(esegui({"crea", "-o", sei, "--pronostico", "1 2 3 4 5 6", "--k", "3"}).uscita, 0);
    // The twenty triples of 1..6 but 2 4 6.
    Giocate(sei, "1 2 3\n1 2 4\n1 2 5\n1 2 6\n1 3 4\n1 3 5\n1 3 6\n1 4 5\n1 4 6\n1 5 6\n"
                 "2 3 4\n2 3 5\n2 3 6\n2 4 5\n2 5 6\n3 4 5\n3 4 6\n3 5 6\n4 5 6\n");
    const auto tre = esegui({"garanzia", sei, "--punti", "3"});
    EXPECT_EQ(tre.uscita, 0) << tre.err;
    EXPECT_EQ(tre.out, "garantito\t2\n0\t0\t0.0000\nEstratto\t0\t0.0000\nAmbo\t1\t5.0000\n"
                       "Terno\t19\t95.0000\nQuaterna\t0\t0.0000\nCinquina\t0\t0.0000\nbuchi\t1\n2 4 6\n");
    // An ambo asked: no holes; a quaterna asked of four points: 15 holes, two listed.
    EXPECT_NE(esegui({"garanzia", sei, "--punti", "3", "--livello", "2"}).out.find("buchi\t0\n"),
              std::string::npos);
    const auto quattro = esegui({"garanzia", sei, "--punti", "4", "--livello", "4", "--buchi", "2"});
    EXPECT_NE(quattro.out.find("garantito\t3\n"), std::string::npos);
    EXPECT_NE(quattro.out.find("buchi\t15\n1 2 3 4\n1 2 3 5\n"), std::string::npos) << quattro.out;

    EXPECT_EQ(esegui({"garanzia", sei}).uscita, 2);
    EXPECT_EQ(esegui({"garanzia", sei, "--punti", "6"}).uscita, 2);
    EXPECT_EQ(esegui({"garanzia", sei, "--punti", "3", "--buchi", "-1"}).uscita, 2);
    EXPECT_EQ(esegui({"garanzia", sei, "--punti", "3", "--livello", "0"}).uscita, 2);
    ASSERT_EQ(esegui({"crea", "-o", file("vuoto.qvs"), "--pronostico", "1 2 3", "--k", "2"}).uscita, 0);
    EXPECT_EQ(esegui({"garanzia", file("vuoto.qvs"), "--punti", "2"}).uscita, 1);
}

TEST_F(ComandoGaranzia, LaRiduzioneAGaranziaTernoEUnaGiocataTolta)
{
    const std::string pronostico = "1 2 3 4 5 6 7 8 9 10 11 12";
    ASSERT_EQ(esegui({"crea", "-o", file("base.qvs"), "--pronostico", pronostico, "--k", "5"}).uscita, 0);
    const auto ridotte = esegui({"riduci", "garanzia-pronostico", file("base.qvs"), "--garanzia", "terno",
                                 "--seme", "3", "-o", file("terno.qvs")});
    ASSERT_EQ(ridotte.uscita, 0) << ridotte.err;
    // The reduction guarantees the terno when five predicted numbers are drawn.
    const auto garanzia = esegui({"garanzia", file("terno.qvs"), "--punti", "5", "--livello", "3"});
    ASSERT_EQ(garanzia.uscita, 0) << garanzia.err;
    EXPECT_TRUE(garanzia.out.starts_with("garantito\t3\n")) << garanzia.out;
    EXPECT_TRUE(garanzia.out.ends_with("buchi\t0\n")) << garanzia.out;

    // Without its first play the system misses the sets whose terno only that play held: every hole
    // shares at least three numbers with it.
    const auto ridotto = Righe(giocate(file("terno.qvs")));
    ASSERT_GT(ridotto.size(), 1U);
    const std::set<int> tolta = Numeri(ridotto.front());
    std::string resto;
    for (std::size_t i = 1; i < ridotto.size(); ++i) {
        resto += ridotto[i] + "\n";
    }
    ASSERT_EQ(esegui({"crea", "-o", file("rotto.qvs"), "--pronostico", pronostico, "--k", "5"}).uscita, 0);
    Giocate(file("rotto.qvs"), resto);
    const auto rotta = Righe(
        esegui({"garanzia", file("rotto.qvs"), "--punti", "5", "--livello", "3", "--buchi", "100000"}).out);
    ASSERT_GE(rotta.size(), 8U);
    EXPECT_EQ(rotta[0], "garantito\t2");
    ASSERT_EQ(rotta[7], "buchi\t" + std::to_string(rotta.size() - 8));
    EXPECT_GT(rotta.size(), 8U);
    for (std::size_t i = 8; i < rotta.size(); ++i) {
        const std::set<int> buco = Numeri(rotta[i]);
        EXPECT_EQ(buco.size(), 5U);
        std::vector<int> comuni;
        std::set_intersection(tolta.begin(), tolta.end(), buco.begin(), buco.end(),
                              std::back_inserter(comuni));
        EXPECT_GE(comuni.size(), 3U) << rotta[i];
    }
}

namespace {

class ComandoBilancio : public test::ProvaRigaComando
{
};

} // namespace

TEST_F(ComandoBilancio, RigheETotali)
{
    // Four draws: Bari 1..5 | Bari 10..14, Nazionale 20..24 | Bari 50..54, Nazionale 60..64 | Bari 55..59.
    ArchivioStorico a;
    const int bari[] = {1, 10, 50, 55};
    const int nazionale[] = {0, 20, 60, 0};
    for (int i = 0; i < 4; ++i) {
        Tipo_Estrazione e = test::estrazioneSu(Bari, i + 1, 1, 2000, bari[i]);
        for (int p = 1; p <= 5 && nazionale[i] > 0; ++p) {
            e.setNumero(Nazionale, p, static_cast<std::uint8_t>(nazionale[i] + p - 1));
        }
        ASSERT_GT(a.InserisciEstrazione(e), 0);
    }
    ASSERT_TRUE(salvaArchivio(a));
    const std::string qvs = file("bilancio.qvs");
    ASSERT_EQ(esegui({"crea", "-o", qvs, "--pronostico", "1 2 3 10 20", "--k", "3", "--ruote",
                      "Bari Nazionale", "--importi", "estratto=1 ambo=1"})
                  .uscita,
              0);
    const std::string txt = file("giocate.txt");
    std::ofstream(txt) << "1 2 3\n10 20\n";
    ASSERT_EQ(esegui({"importa", qvs, "--testo", txt, "--sovrascrivi"}).uscita, 0);

    // 1 2 3 on the first draw: 3 ambi of 3 (250) and 3 estratti of 3 (11.23); 10 and 20 on the second,
    // one estratto of 2 on each wheel (2 x 5.615). Nazionale was not drawn in the first and last draws.
    const auto tutte = esegui({"bilancio", qvs});
    EXPECT_EQ(tutte.uscita, 0) << tutte.err;
    EXPECT_EQ(tutte.out, "Le estrazioni passate non permettono di prevedere quelle future: il bilancio dice "
                         "soltanto come sarebbe andato il sistema se fosse stato giocato.\n"
                         "1/1/2000\t4,00\t261,23\t257,23\n"
                         "2/1/2000\t8,00\t11,23\t260,46\n"
                         "3/1/2000\t8,00\t0,00\t252,46\n"
                         "4/1/2000\t4,00\t0,00\t248,46\n"
                         "Spesa\t24,00\n"
                         "Vincite\t272,46\n"
                         "Saldo\t248,46\n"
                         "Resa\t1.135,25 %\n"
                         "Vincita massima\t261,23\n"
                         "Estrazioni senza vincite consecutive (massimo)\t2\n");
    // The span rule of the historic checking: two draws from the third.
    const auto due = esegui({"bilancio", qvs, "--estrazioni", "2", "--partenza", "3"});
    EXPECT_NE(due.out.find("\n3/1/2000\t8,00\t0,00\t-8,00\n4/1/2000\t4,00\t0,00\t-12,00\nSpesa\t12,00\n"),
              std::string::npos)
        << due.out;
    EXPECT_NE(due.out.find("Resa\t0,00 %\n"), std::string::npos);

    EXPECT_EQ(esegui({"bilancio"}).uscita, 2);
    ASSERT_EQ(esegui({"crea", "-o", file("vuoto.qvs"), "--pronostico", "1 2 3", "--k", "2"}).uscita, 0);
    EXPECT_EQ(esegui({"bilancio", file("vuoto.qvs")}).uscita, 1);
}

TEST_F(ComandoGaranzia, ProbabilitaEValoreAtteso)
{
    const std::string qvs = file("ambo.qvs");
    ASSERT_EQ(esegui({"crea", "-o", qvs, "--pronostico", "17 71", "--k", "2", "--ruote", "Bari", "--importi",
                      "ambo=1"})
                  .uscita,
              0);
    Giocate(qvs, "17 71\n");
    const auto esito = esegui({"probabilita", qvs});
    EXPECT_EQ(esito.uscita, 0) << esito.err;
    // Estratto: 1 - C(88,5)/C(90,5); ambo 2/801; one euro on the ambo returns 10/4005 x 250.
    EXPECT_EQ(esito.out, "Estratto\t0.108614232\t0.108614232\n"
                         "Ambo\t0.002496879\t0.002496879\n"
                         "Terno\t0.000000000\t0.000000000\n"
                         "Quaterna\t0.000000000\t0.000000000\n"
                         "Cinquina\t0.000000000\t0.000000000\n"
                         "Valore atteso per euro\t0.6242\n");
    EXPECT_EQ(esegui({"probabilita"}).uscita, 2);
    EXPECT_EQ(esegui({"probabilita", qvs, "altro"}).uscita, 2);
}
