#include "cli/comandi.h"

#include "reductions/riduttori_immediati.h"
#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

class RiduciGaranzia : public test::ProvaRigaComando
{
protected:
    void SetUp() override { creaDati(); }

    void crea(const std::string& nome, const std::string& numeri, const std::string& k,
              const std::string& fisse = "")
    {
        std::vector<std::string> a{"crea", "-o", file(nome), "--pronostico", numeri, "--k", k};
        if (!fisse.empty()) {
            a.insert(a.end(), {"--fisse", fisse});
        }
        ASSERT_EQ(esegui(a).uscita, 0);
    }

    void testo(const std::string& nome, const std::string& contenuto)
    {
        std::ofstream(file(nome)) << contenuto;
    }
};

constexpr const char* Fano = "1 2 3\n1 4 5\n1 6 7\n2 4 6\n2 5 7\n3 4 7\n3 5 6\n";

std::size_t Righe(const std::string& testo)
{
    return static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
}

} // namespace

TEST_F(RiduciGaranzia, StessoSemeStesseGiocate)
{
    crea("base.qvs", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20", "6");
    const auto riduci = [&](const std::string& seme, const std::string& uscita) {
        return esegui({"riduci", "garanzia-pronostico", file("base.qvs"), "--garanzia", "ambo", "--seme",
                       seme, "-o", file(uscita)});
    };
    ASSERT_EQ(riduci("7", "a.qvs").uscita, 0);
    ASSERT_EQ(riduci("7", "b.qvs").uscita, 0);
    ASSERT_EQ(riduci("8", "c.qvs").uscita, 0);
    EXPECT_FALSE(giocate(file("a.qvs")).empty());
    EXPECT_EQ(giocate(file("a.qvs")), giocate(file("b.qvs")));
    EXPECT_NE(giocate(file("a.qvs")), giocate(file("c.qvs")));
}

TEST_F(RiduciGaranzia, GiocateRidotteEFisseSenzaRisultato)
{
    crea("base.qvs", "1 2 3 4 5 6 7 8 9 10", "7", "1 2 3 4 5 6");
    ASSERT_EQ(esegui({"sviluppa", file("base.qvs"), "--sovrascrivi"}).uscita, 0);
    const Risultato ridotte = esegui({"riduci", "garanzia-giocate", file("base.qvs"), "--garanzia", "terno",
                                      "--seme", "1", "-o", file("ridotte.qvs")});
    ASSERT_EQ(ridotte.uscita, 0) << ridotte.err;
    EXPECT_LT(Righe(giocate(file("ridotte.qvs"))), 120U);

    // More than five fixed numbers: no five-number combination passes; nothing is written.
    const Risultato nessuna = esegui({"riduci", "garanzia-giocate", file("base.qvs"), "--garanzia", "terno",
                                      "--considera-fisse", "-o", file("nessuna.qvs")});
    EXPECT_EQ(nessuna.uscita, 1);
    EXPECT_NE(nessuna.err.find("Non è stata aggiunta nemmeno una giocata!"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("nessuna.qvs")));
}

TEST_F(RiduciGaranzia, RiduttoriCreatiEUsati)
{
    testo("fano.txt", Fano);
    const Risultato creato = esegui({"riduttori", "crea", file("dati/Quarvin.ra2"), file("fano.txt")});
    ASSERT_EQ(creato.uscita, 0) << creato.err;
    EXPECT_EQ(esegui({"riduttori", "elenco", file("dati/Quarvin.ra2")}).out, "7 3 2 7\n");

    crea("sette.qvs", "11 12 13 14 15 16 17", "3");
    ASSERT_EQ(esegui({"riduci", "garanzia-pronostico", file("sette.qvs"), "--garanzia", "ambo", "--immediati",
                      "--sovrascrivi"})
                  .uscita,
              0);
    EXPECT_EQ(giocate(file("sette.qvs")),
              "11 12 13\n11 14 15\n11 16 17\n12 14 16\n12 15 17\n13 14 17\n13 15 16\n");

    // A damaged reducer: the error, nothing written.
    auto byte = test::LeggiFile(file("dati/Quarvin.ra2"));
    byte.back() = 9;
    test::ScriviFile(file("dati/Quarvin.ra2"), byte);
    crea("altro.qvs", "11 12 13 14 15 16 17", "3");
    const Risultato danneggiato = esegui({"riduci", "garanzia-pronostico", file("altro.qvs"), "--garanzia",
                                          "ambo", "--immediati", "-o", file("danneggiato.qvs")});
    EXPECT_EQ(danneggiato.uscita, 1);
    EXPECT_NE(danneggiato.err.find("risulta danneggiato"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("danneggiato.qvs")));
}

TEST_F(RiduciGaranzia, RiduttoriRifiutati)
{
    testo("fano.txt", Fano);
    testo("poche.txt", "1 2 3\n4 5 6\n7 8 9\n");
    testo("miste.txt", "1 2 3\n4 5\n");
    struct Caso
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
    };
    const Caso casi[] = {
        {"garanzia non mantenuta", {"--garanzia", "terno", file("fano.txt")}, 1},
        {"nemmeno l'ambo", {file("poche.txt")}, 1},
        {"righe di lunghezza diversa", {file("miste.txt")}, 1},
        {"testo mancante", {file("manca.txt")}, 1},
        {"nessun testo", {}, 2},
        {"garanzia sconosciuta", {"--garanzia", "sestina", file("fano.txt")}, 2},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        std::vector<std::string> a{"riduttori", "crea", file("r.ra2")};
        a.insert(a.end(), c.argomenti.begin(), c.argomenti.end());
        EXPECT_EQ(esegui(a).uscita, c.uscita);
        EXPECT_FALSE(std::filesystem::exists(file("r.ra2")));
    }
}

TEST_F(RiduciGaranzia, ErroriDUso)
{
    crea("base.qvs", "1 2 3 4 5 6 7 8", "3");
    struct Caso
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
    };
    const Caso casi[] = {
        {"garanzia mancante", {"riduci", "garanzia-pronostico", file("base.qvs"), "--sovrascrivi"}, 2},
        {"garanzia sconosciuta",
         {"riduci", "garanzia-giocate", file("base.qvs"), "--garanzia", "sestina", "--sovrascrivi"},
         2},
        {"giocate assenti",
         {"riduci", "garanzia-giocate", file("base.qvs"), "--garanzia", "ambo", "--sovrascrivi"},
         1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(esegui(c.argomenti).uscita, c.uscita);
    }
}

TEST_F(RiduciGaranzia, RiduttoriCompostiDaiDisegni)
{
    std::filesystem::create_directories(file("disegni/garanzia"));
    std::filesystem::create_directories(file("disegni/ortogonale"));
    testo("disegni/GENERAZIONE", "4\n");
    testo("disegni/ortogonale/v7-k3-p2-t2.txt", Fano);
    // L(6,3,3,2) in three blocks: the program's own algorithm needs two, so it is not shipped.
    testo("disegni/garanzia/v6-k3-p3-t2.txt", "1 2 3\n4 5 6\n1 4 5\n");
    const Risultato r = esegui({"riduttori", "componi", file("disegni"), file("uscita")});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.out, "Quarvin.ra2: 0 riduttori, Quarvin.ro2: 1 riduttori, generazione 4\n");
    EXPECT_EQ(r.err,
              "garanzia/v6-k3-p3-t2.txt (3 blocchi) escluso: l'algoritmo del programma dà 2 giocate\n");

    // A design that breaks its promise stops everything: no file is written.
    testo("disegni/ortogonale/v8-k3-p2-t2.txt", Fano);
    const Risultato rotto = esegui({"riduttori", "componi", file("disegni"), file("rotto")});
    EXPECT_EQ(rotto.uscita, 1);
    EXPECT_NE(rotto.err.find("v8-k3-p2-t2.txt: il disegno non garantisce la cella"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("rotto")));

    const Risultato algoritmo =
        esegui({"riduttori", "algoritmo", "--tipo", "ortogonale", "--v", "7", "--k", "3", "--t", "2"});
    EXPECT_EQ(algoritmo.out, "9\n");
    const Risultato maiChiesta =
        esegui({"riduttori", "algoritmo", "--tipo", "garanzia", "--v", "7", "--k", "3", "--t", "3"});
    EXPECT_EQ(maiChiesta.uscita, 1);
    EXPECT_EQ(maiChiesta.out, "-\n");
    EXPECT_EQ(
        esegui({"riduttori", "algoritmo", "--tipo", "sestina", "--v", "7", "--k", "3", "--t", "2"}).uscita,
        2);
}

// With --immediati the command line installs the program's reducers into its data folder, as the window
// does at its start, and uses them.
TEST_F(RiduciGaranzia, ImmediatiInstallatiDalProgramma)
{
    // The program's folder: its working folder here (no application object), with the shipped data in data/.
    std::filesystem::create_directories(file("programma/data"));
    ASSERT_TRUE(ScriviRiduttoriImmediati(
        file("programma/data/Quarvin.ra2"),
        {{7, 3, 2, {1, 2, 3, 1, 4, 5, 1, 6, 7, 2, 4, 6, 2, 5, 7, 3, 4, 7, 3, 5, 6}}}, 2));
    const std::filesystem::path prima = std::filesystem::current_path();
    std::filesystem::current_path(file("programma"));
    crea("sette.qvs", "11 12 13 14 15 16 17", "3");
    // Without --immediati nothing is installed.
    const Risultato normale = esegui({"riduci", "garanzia-pronostico", file("sette.qvs"), "--garanzia",
                                      "ambo", "-o", file("normale.qvs")});
    const bool installatoSenza = std::filesystem::exists(file("dati/Quarvin.ra2"));
    const Risultato immediato = esegui({"riduci", "garanzia-pronostico", file("sette.qvs"), "--garanzia",
                                        "ambo", "--immediati", "-o", file("immediato.qvs")});
    std::filesystem::current_path(prima);

    ASSERT_EQ(normale.uscita, 0) << normale.err;
    EXPECT_FALSE(installatoSenza);
    ASSERT_EQ(immediato.uscita, 0) << immediato.err;
    EXPECT_EQ(GenerazioneRiduttori(file("dati/Quarvin.ra2")), 2U);
    EXPECT_EQ(giocate(file("immediato.qvs")),
              "11 12 13\n11 14 15\n11 16 17\n12 14 16\n12 15 17\n13 14 17\n13 15 16\n");
}
