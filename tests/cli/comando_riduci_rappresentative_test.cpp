#include "cli/comandi.h"

#include "support/cartella_temporanea.h"
#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>

namespace {

// The prediction 1..20 in plays of 4 with the fixed number 7, and 30 random plays of it.
class RiduciRiscrive : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        std::string pronostico;
        for (int i = 1; i <= 20; ++i) {
            pronostico += std::to_string(i) + " ";
        }
        ASSERT_EQ(
            esegui({"crea", "-o", file("base.qvs"), "--pronostico", pronostico, "--k", "4", "--fisse", "7"})
                .uscita,
            0);
        ASSERT_EQ(esegui({"riduci", "casuale-aggiungi", file("base.qvs"), "--n", "30", "--seme", "11", "-o",
                          file("trenta.qvs")})
                      .uscita,
                  0);
    }

    std::vector<std::string> righe(const std::string& sistema)
    {
        std::vector<std::string> v;
        std::istringstream testo(giocate(sistema));
        for (std::string riga; std::getline(testo, riga);) {
            v.push_back(riga);
        }
        return v;
    }
};

} // namespace

TEST_F(RiduciRiscrive, PiuRappresentativeRiproducibile)
{
    for (const char* uscita : {"a.qvs", "b.qvs"}) {
        const Risultato r = esegui({"riduci", "piu-rappresentative", file("trenta.qvs"), "--n", "3", "--seme",
                                    "5", "--candidati", "200", "-o", file(uscita)});
        ASSERT_EQ(r.uscita, 0) << r.err;
    }
    EXPECT_EQ(righe(file("a.qvs")).size(), 33U);
    EXPECT_EQ(giocate(file("a.qvs")), giocate(file("b.qvs")));
    // Without --considera-fisse the fixed number is not imposed: some added play lacks it.
    const Risultato conFisse =
        esegui({"riduci", "piu-rappresentative", file("trenta.qvs"), "--n", "3", "--seme", "5", "--candidati",
                "200", "--considera-fisse", "-o", file("c.qvs")});
    ASSERT_EQ(conFisse.uscita, 0) << conFisse.err;
    const auto aggiunte = righe(file("c.qvs"));
    for (std::size_t i = 30; i < aggiunte.size(); ++i) {
        std::istringstream numeri(aggiunte[i]);
        const std::set<int> insieme{std::istream_iterator<int>(numeri), std::istream_iterator<int>()};
        EXPECT_EQ(insieme.count(7), 1U) << aggiunte[i];
    }

    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
    };
    const std::vector<Riga> rifiuti = {
        {"senza limite", {"--n", "1", "--seme", "1"}, 2},
        {"due limiti", {"--n", "1", "--candidati", "3", "--millisecondi", "3"}, 2},
        {"numero non valido", {"--n", "0", "--candidati", "3"}, 1},
        {"candidati non validi", {"--n", "1", "--candidati", "x"}, 1},
    };
    for (const Riga& r : rifiuti) {
        SCOPED_TRACE(r.nome);
        std::vector<std::string> argomenti = {"riduci", "piu-rappresentative", file("trenta.qvs")};
        argomenti.insert(argomenti.end(), r.argomenti.begin(), r.argomenti.end());
        argomenti.push_back("--sovrascrivi");
        EXPECT_EQ(esegui(argomenti).uscita, r.uscita);
    }
    EXPECT_EQ(righe(file("trenta.qvs")).size(), 30U);
}

TEST_F(RiduciRiscrive, MenoRappresentative)
{
    const Risultato cinque =
        esegui({"riduci", "meno-rappresentative", file("trenta.qvs"), "--n", "5", "-o", file("meno.qvs")});
    ASSERT_EQ(cinque.uscita, 0) << cinque.err;
    EXPECT_EQ(righe(file("meno.qvs")).size(), 25U);
    // Above the count: every play goes, and that is a result.
    const Risultato tutte =
        esegui({"riduci", "meno-rappresentative", file("trenta.qvs"), "--n", "99", "-o", file("vuoto.qvs")});
    ASSERT_EQ(tutte.uscita, 0) << tutte.err;
    EXPECT_EQ(giocate(file("vuoto.qvs")), "");
    EXPECT_EQ(
        esegui({"riduci", "meno-rappresentative", file("vuoto.qvs"), "--n", "1", "--sovrascrivi"}).uscita, 1);
}

TEST_F(RiduciRiscrive, SostituzioneENormalizza)
{
    test::ScriviFile(file("tabella.txt"), {'1', ' ', '2', ' ', ';', ' ', '3', ' ', '4', '\n'});
    const Risultato parziale = esegui({"riduci", "sostituzione", file("trenta.qvs"), "--tabella",
                                       file("tabella.txt"), "--parziale", "-o", file("sost.qvs")});
    ASSERT_EQ(parziale.uscita, 0) << parziale.err;
    for (const std::string& riga : righe(file("sost.qvs"))) {
        std::istringstream numeri(riga);
        const std::set<int> insieme{std::istream_iterator<int>(numeri), std::istream_iterator<int>()};
        EXPECT_EQ(insieme.count(1) + insieme.count(2), 0U) << riga;
    }
    test::ScriviFile(file("errata.txt"), {'1', ' ', '2', ' ', ';', ' ', '3', '\n'});
    const Risultato errata = esegui(
        {"riduci", "sostituzione", file("trenta.qvs"), "--tabella", file("errata.txt"), "--sovrascrivi"});
    EXPECT_EQ(errata.uscita, 1);
    EXPECT_EQ(errata.err, "Una delle combinazioni della sostituzione nº 1 non è valida.\n");
    EXPECT_EQ(esegui({"riduci", "sostituzione", file("trenta.qvs"), "--tabella", file("manca.txt"),
                      "--sovrascrivi"})
                  .uscita,
              1);

    const Risultato normalizza =
        esegui({"riduci", "normalizza", file("trenta.qvs"), "-o", file("norma.qvs")});
    ASSERT_EQ(normalizza.uscita, 0) << normalizza.err;
    EXPECT_EQ(righe(file("norma.qvs")).size(), 30U);
    // A second run finds nothing more to move.
    const Risultato ancora = esegui({"riduci", "normalizza", file("norma.qvs"), "-o", file("norma2.qvs")});
    ASSERT_EQ(ancora.uscita, 0) << ancora.err;
    EXPECT_EQ(giocate(file("norma2.qvs")), giocate(file("norma.qvs")));
    // The entry check: at least two plays.
    ASSERT_EQ(
        esegui({"riduci", "meno-rappresentative", file("trenta.qvs"), "--n", "29", "-o", file("una.qvs")})
            .uscita,
        0);
    const Risultato gia = esegui({"riduci", "normalizza", file("una.qvs"), "--sovrascrivi"});
    EXPECT_EQ(gia.err, "Questo metodo richiede almeno due giocate.\n");
    EXPECT_EQ(gia.uscita, 1);
}

TEST_F(RiduciRiscrive, Ottimizza)
{
    const Risultato r = esegui(
        {"riduci", "ottimizza", file("trenta.qvs"), "--passi", "2", "--m", "2", "-o", file("otti.qvs")});
    ASSERT_EQ(r.uscita, 0) << r.err;
    const auto dopo = righe(file("otti.qvs"));
    EXPECT_EQ(dopo.size(), 30U);
    EXPECT_EQ(std::set<std::string>(dopo.begin(), dopo.end()).size(), 30U);
    EXPECT_NE(giocate(file("otti.qvs")), giocate(file("trenta.qvs")));
    EXPECT_EQ(esegui({"riduci", "ottimizza", file("trenta.qvs"), "--m", "11", "--sovrascrivi"}).uscita, 1);
    EXPECT_EQ(esegui({"riduci", "ottimizza", file("trenta.qvs"), "--passi", "1", "--m", "2", "--sovrascrivi"})
                  .uscita,
              1);
}

TEST_F(RiduciRiscrive, Cruciverba)
{
    for (const char* uscita : {"a.qvs", "b.qvs"}) {
        const Risultato r = esegui({"riduci", "cruciverba", file("base.qvs"), "--lato", "4", "--diagonali",
                                    "--seme", "21", "-o", file(uscita)});
        ASSERT_EQ(r.uscita, 0) << r.err;
    }
    // Two diagonals of 4 numbers, plays of 4: one play each.
    EXPECT_EQ(righe(file("a.qvs")).size(), 2U);
    EXPECT_EQ(giocate(file("a.qvs")), giocate(file("b.qvs")));
    const Risultato lato = esegui({"riduci", "cruciverba", file("base.qvs"), "--lato", "3", "--sovrascrivi"});
    EXPECT_EQ(lato.uscita, 1);
    EXPECT_EQ(lato.err, "La dimensione dei lati non è valida.\n");
    EXPECT_EQ(esegui({"riduci", "cruciverba", file("base.qvs"), "--sovrascrivi"}).uscita, 2);
}
