#include "cli/comandi.h"

#include "reductions/riduttori_immediati.h"
#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

namespace {

// A system with the prediction 1..8, plays of 3, the fixed numbers 1 and 2, in a temporary folder.
class RiduciOrtogonale : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        creaDati();
        ASSERT_EQ(esegui({"crea", "-o", file("base.qvs"), "--pronostico", "1 2 3 4 5 6 7 8", "--k", "3",
                          "--fisse", "1 2"})
                      .uscita,
                  0);
    }
};

std::vector<std::vector<int>> Righe(const std::string& testo)
{
    std::vector<std::vector<int>> righe;
    std::istringstream in(testo);
    for (std::string riga; std::getline(in, riga);) {
        std::istringstream numeri(riga);
        std::vector<int> v;
        for (int n = 0; numeri >> n;) {
            v.push_back(n);
        }
        righe.push_back(v);
    }
    return righe;
}

// Every pair of 1..8 lies in some play.
bool CopreTuttiGliAmbi(const std::vector<std::vector<int>>& giocate)
{
    for (int a = 1; a <= 8; ++a) {
        for (int b = a + 1; b <= 8; ++b) {
            const bool coperta = std::any_of(giocate.begin(), giocate.end(), [&](const std::vector<int>& g) {
                return std::count(g.begin(), g.end(), a) == 1 && std::count(g.begin(), g.end(), b) == 1;
            });
            if (!coperta) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST_F(RiduciOrtogonale, StessoSemeStesseGiocate)
{
    for (const char* metodo : {"ortogonale-pronostico", "ortogonale-giocate"}) {
        SCOPED_TRACE(metodo);
        std::string sorgente = file("base.qvs");
        if (std::string(metodo) == "ortogonale-giocate") {
            ASSERT_EQ(esegui({"sviluppa", file("base.qvs"), "-o", file("sviluppo.qvs")}).uscita, 0);
            sorgente = file("sviluppo.qvs");
        }
        for (const char* uscita : {"a.qvs", "b.qvs"}) {
            const Risultato r =
                esegui({"riduci", metodo, sorgente, "--garanzia", "ambo", "--seme", "7", "-o", file(uscita)});
            ASSERT_EQ(r.uscita, 0) << r.err;
            EXPECT_EQ(r.err, "");
        }
        const std::string a = giocate(file("a.qvs"));
        EXPECT_EQ(giocate(file("b.qvs")), a);
        const auto righe = Righe(a);
        EXPECT_TRUE(CopreTuttiGliAmbi(righe));
        EXPECT_LT(righe.size(), 56U);
        for (const auto& g : righe) {
            EXPECT_EQ(g.size(), 3U);
        }
    }
    // The source is left alone with -o.
    EXPECT_EQ(giocate(file("base.qvs")), "");
}

TEST_F(RiduciOrtogonale, RifiutiEdErroriDUso)
{
    ASSERT_EQ(esegui({"crea", "-o", file("k2.qvs"), "--pronostico", "1 2 3 4 5", "--k", "2"}).uscita, 0);
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
        std::string err; // exact text, or "" to check only that something was printed
    };
    const std::vector<Riga> righe = {
        {"garanzia mancante", {"ortogonale-pronostico", file("base.qvs"), "--sovrascrivi"}, 2, ""},
        {"garanzia sconosciuta",
         {"ortogonale-pronostico", file("base.qvs"), "--garanzia", "sestina", "--sovrascrivi"},
         2,
         ""},
        {"seme non valido",
         {"ortogonale-giocate", file("base.qvs"), "--garanzia", "ambo", "--seme", "x", "--sovrascrivi"},
         2,
         ""},
        {"k minore di 3",
         {"ortogonale-pronostico", file("k2.qvs"), "--garanzia", "ambo", "--sovrascrivi"},
         1,
         "Per questa riduzione sono richiesti almeno 3 numeri per giocata.\n"},
        {"nessuna giocata",
         {"ortogonale-giocate", file("base.qvs"), "--garanzia", "ambo", "--sovrascrivi"},
         1,
         "Questo metodo richiede almeno due giocate.\n"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        std::vector<std::string> argomenti = {"riduci"};
        argomenti.insert(argomenti.end(), riga.argomenti.begin(), riga.argomenti.end());
        const Risultato r = esegui(argomenti);
        EXPECT_EQ(r.uscita, riga.uscita);
        if (riga.err.empty()) {
            EXPECT_FALSE(r.err.empty());
        } else {
            EXPECT_EQ(r.err, riga.err);
        }
    }
    EXPECT_EQ(giocate(file("base.qvs")), "");
}

TEST_F(RiduciOrtogonale, ConLeFisse)
{
    ASSERT_EQ(esegui({"crea", "-o", file("tre.qvs"), "--pronostico", "1 2 3 4 5 6 7 8", "--k", "4", "--fisse",
                      "1 2 3"})
                  .uscita,
              0);
    // Three fixed numbers and ambo: no pair holds them all.
    const Risultato nessuna = esegui({"riduci", "ortogonale-pronostico", file("tre.qvs"), "--garanzia",
                                      "ambo", "--considera-fisse", "--sovrascrivi"});
    EXPECT_EQ(nessuna.uscita, 1);
    EXPECT_EQ(
        nessuna.err,
        "Non è stata aggiunta nemmeno una giocata!\nVerificare la presenza delle fisse nel pronostico.\n");
    EXPECT_EQ(giocate(file("tre.qvs")), "");

    // Two fixed numbers and ambo: the one pair of them, in one play that holds both.
    const Risultato una = esegui({"riduci", "ortogonale-pronostico", file("base.qvs"), "--garanzia", "ambo",
                                  "--considera-fisse", "--seme", "3", "-o", file("una.qvs")});
    ASSERT_EQ(una.uscita, 0) << una.err;
    const auto righe = Righe(giocate(file("una.qvs")));
    ASSERT_EQ(righe.size(), 1U);
    EXPECT_EQ(righe[0][0], 1);
    EXPECT_EQ(righe[0][1], 2);
}

TEST_F(RiduciOrtogonale, RiduttoriImmediati)
{
    // Positions for (8, 3, 2) that hold every pair of 8 positions.
    std::vector<std::uint8_t> posizioni;
    for (int a = 1; a <= 8; ++a) {
        for (int b = a + 1; b <= 8; ++b) {
            const int c = b == 8 ? (a == 7 ? 6 : 8) : b + 1;
            std::vector<int> g = {a, b, c};
            std::sort(g.begin(), g.end());
            g.erase(std::unique(g.begin(), g.end()), g.end());
            if (g.size() == 3) {
                posizioni.insert(posizioni.end(), g.begin(), g.end());
            }
        }
    }
    const std::string ro2 = file("dati/Quarvin.ro2");
    ASSERT_TRUE(ScriviRiduttoriImmediati(ro2, {{8, 3, 2, posizioni}}));

    const Risultato r = esegui({"riduci", "ortogonale-pronostico", file("base.qvs"), "--garanzia", "ambo",
                                "--immediati", "-o", file("imm.qvs")});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(Righe(giocate(file("imm.qvs"))).size(), posizioni.size() / 3);

    // A damaged file: the error is printed and nothing is written.
    std::vector<unsigned char> byte = test::LeggiFile(ro2);
    byte.back() = static_cast<unsigned char>(byte.back() == 8 ? 7 : 8);
    test::ScriviFile(ro2, byte);
    const Risultato danneggiato = esegui({"riduci", "ortogonale-pronostico", file("base.qvs"), "--garanzia",
                                          "ambo", "--immediati", "-o", file("danno.qvs")});
    EXPECT_EQ(danneggiato.uscita, 1);
    EXPECT_EQ(danneggiato.err, std::string(messaggi_riduttori::Danneggiato) + "\n");
    EXPECT_FALSE(std::filesystem::exists(file("danno.qvs")));
}
