#include "cli/comandi.h"

#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A system with the prediction 1..8 in plays of 3 and the fixed number 1, in a temporary folder.
class Riduci : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(esegui({"crea", "-o", file("base.qvs"), "--pronostico", "1 2 3 4 5 6 7 8", "--k", "3",
                          "--fisse", "1"})
                      .uscita,
                  0);
    }
};

std::size_t Righe(const std::string& testo)
{
    return static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
}

} // namespace

TEST_F(Riduci, CasualeAggiungiRiproducibileColSeme)
{
    for (const char* uscita : {"a.qvs", "b.qvs"}) {
        const Risultato r = esegui(
            {"riduci", "casuale-aggiungi", file("base.qvs"), "--n", "5", "--seme", "42", "-o", file(uscita)});
        ASSERT_EQ(r.uscita, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
    // The same plays the window draws from the same generator state.
    EXPECT_EQ(giocate(file("a.qvs")), "1 2 4\n2 3 6\n4 6 8\n4 5 7\n1 5 8\n");
    EXPECT_EQ(giocate(file("b.qvs")), giocate(file("a.qvs")));
    EXPECT_EQ(giocate(file("base.qvs")), "");
}

TEST_F(Riduci, CasualeAggiungiConLeFisse)
{
    const Risultato troppe = esegui({"riduci", "casuale-aggiungi", file("base.qvs"), "--n", "22", "--seme",
                                     "1", "--considera-fisse", "--sovrascrivi"});
    EXPECT_EQ(troppe.uscita, 1);
    EXPECT_EQ(troppe.err, "Il numero di giocate da estrarre non è valido.\n"
                          "Con le fisse, inserire un numero compreso tra 1 e 21\n");
    EXPECT_EQ(giocate(file("base.qvs")), "");

    const Risultato tutte = esegui({"riduci", "casuale-aggiungi", file("base.qvs"), "--n", "21", "--seme",
                                    "1", "--considera-fisse", "--sovrascrivi"});
    ASSERT_EQ(tutte.uscita, 0) << tutte.err;
    const std::string elenco = giocate(file("base.qvs"));
    EXPECT_EQ(Righe(elenco), 21U);
    std::istringstream righe(elenco);
    for (std::string riga; std::getline(righe, riga);) {
        EXPECT_EQ(riga.rfind("1 ", 0), 0U) << riga;
    }
}

TEST_F(Riduci, CasualeEliminaEIRifiuti)
{
    ASSERT_EQ(
        esegui({"riduci", "casuale-aggiungi", file("base.qvs"), "--n", "10", "--seme", "3", "--sovrascrivi"})
            .uscita,
        0);
    const Risultato elimina = esegui(
        {"riduci", "casuale-elimina", file("base.qvs"), "--n", "4", "--seme", "9", "-o", file("meno.qvs")});
    ASSERT_EQ(elimina.uscita, 0) << elimina.err;
    EXPECT_EQ(Righe(giocate(file("meno.qvs"))), 6U);

    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
        std::string err; // the start of standard error
    };
    const std::vector<Riga> righe = {
        {"metodo mancante", {"riduci"}, 2, "quarvin-cli: manca il metodo di riduzione\n"},
        {"metodo sconosciuto",
         {"riduci", "casuale", file("base.qvs"), "--n", "1", "--sovrascrivi"},
         2,
         "quarvin-cli: metodo di riduzione sconosciuto: casuale\n"},
        {"senza --n",
         {"riduci", "casuale-elimina", file("base.qvs"), "--sovrascrivi"},
         2,
         "quarvin-cli: manca l'opzione --n\n"},
        {"seme non valido",
         {"riduci", "casuale-elimina", file("base.qvs"), "--n", "1", "--seme", "x", "--sovrascrivi"},
         2,
         "quarvin-cli: il seme deve essere un numero da 0 a 4294967295: x\n"},
        {"fisse solo per aggiungere",
         {"riduci", "casuale-elimina", file("base.qvs"), "--n", "1", "--considera-fisse", "--sovrascrivi"},
         2,
         "quarvin-cli: "},
        {"numero non valido",
         {"riduci", "casuale-elimina", file("base.qvs"), "--n", "0", "--sovrascrivi"},
         1,
         "Il numero di giocate da eliminare non è valido.\nInserire un numero compreso tra 1 e 10\n"},
        {"nessuna giocata da eliminare",
         {"riduci", "casuale-elimina", file("vuoto.qvs"), "--n", "1", "--sovrascrivi"},
         1,
         "Non ci sono giocate finali da eliminare.\n"},
    };
    ASSERT_EQ(esegui({"crea", "-o", file("vuoto.qvs"), "--pronostico", "1 2 3", "--k", "2"}).uscita, 0);
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const Risultato r = esegui(riga.argomenti);
        EXPECT_EQ(r.uscita, riga.uscita);
        EXPECT_EQ(r.err.substr(0, riga.err.size()), riga.err);
    }
    // Refusals write nothing.
    EXPECT_EQ(Righe(giocate(file("base.qvs"))), 10U);
}
