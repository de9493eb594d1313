#include "cli/comandi.h"

#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class RiduttoriPersonali : public test::ProvaRigaComando
{
protected:
    std::string personale(const std::string& nome) const { return file("pers/" + nome); }
};

TEST_F(RiduttoriPersonali, CreaDaSistemaElencaEApplicaAUnAltroPronostico)
{
    ASSERT_EQ(esegui({"crea", "-o", file("a.qvs"), "--pronostico", "10 20 30 40 50", "--k", "3"}).uscita, 0);
    std::ofstream(file("giocate.txt")) << "10 20 30\n20 30 40\n10 40 50\n";
    ASSERT_EQ(esegui({"importa", file("a.qvs"), "--testo", file("giocate.txt"), "--sovrascrivi"}).uscita, 0);
    std::filesystem::create_directories(file("pers"));
    const Risultato crea = esegui({"riduttori-personali", "crea", personale("cinque.rid"), "--da-sistema",
                                   file("a.qvs"), "--commenti", "tre giocate"});
    ASSERT_EQ(crea.uscita, 0) << crea.err;

    std::ofstream(file("sei.txt")) << "1 2 3\n4 5 6\n";
    ASSERT_EQ(
        esegui({"riduttori-personali", "crea", personale("sei.rid"), "--da-testo", file("sei.txt")}).uscita,
        0);
    EXPECT_EQ(esegui({"riduttori-personali", "elenco"}).out, "5\t3\tcinque.rid\n6\t2\tsei.rid\n");
    EXPECT_EQ(esegui({"riduttori-personali", "elenco", "--pronostico", "6"}).out, "6\t2\tsei.rid\n");

    ASSERT_EQ(esegui({"crea", "-o", file("b.qvs"), "--pronostico", "2 3 5 7 11", "--k", "3"}).uscita, 0);
    const Risultato applica =
        esegui({"riduttori-personali", "applica", file("b.qvs"), "cinque.rid", "-o", file("c.qvs")});
    ASSERT_EQ(applica.uscita, 0) << applica.err;
    EXPECT_EQ(giocate(file("c.qvs")), "2 3 5\n3 5 7\n2 7 11\n");

    // Again on the result: nothing new, exit 1 and nothing written.
    const Risultato ancora =
        esegui({"riduttori-personali", "applica", file("c.qvs"), personale("cinque.rid"), "--sovrascrivi"});
    EXPECT_EQ(ancora.uscita, 1);
    EXPECT_EQ(ancora.err, "Non è stata aggiunta nessuna nuova giocata.\n"
                          "Verificare la presenza di eventuali fisse nel pronostico.\n");
    // A reducer of six positions does not fit five numbers.
    EXPECT_EQ(esegui({"riduttori-personali", "applica", file("b.qvs"), personale("sei.rid"), "--sovrascrivi"})
                  .uscita,
              1);
}

TEST_F(RiduttoriPersonali, RifiutiEProbabilita)
{
    std::filesystem::create_directories(file("pers"));
    std::ofstream(file("male.txt")) << "1 2 3\n4 4 5\n";
    const Risultato male =
        esegui({"riduttori-personali", "crea", personale("male.rid"), "--da-testo", file("male.txt")});
    EXPECT_EQ(male.uscita, 1);
    EXPECT_EQ(male.err, "La giocata \"4 4 5\" non è valida.\nCorreggere e riprovare.\n");
    EXPECT_FALSE(std::filesystem::exists(personale("male.rid")));
    EXPECT_EQ(esegui({"riduttori-personali", "crea", personale("x.rid")}).uscita, 2);
    EXPECT_EQ(esegui({"riduttori-personali", "boh"}).uscita, 2);

    // Every pair of 1..6 in plays: five points always give at least an ambo, and one of the terzine the best.
    std::ofstream(file("ambi.txt")) << "1 2 3\n4 5 6\n1 4\n2 5\n3 6\n";
    ASSERT_EQ(
        esegui({"riduttori-personali", "crea", personale("ambi.rid"), "--da-testo", file("ambi.txt")}).uscita,
        0);
    const Risultato p = esegui({"riduttori-personali", "probabilita", personale("ambi.rid"), "--punti", "2"});
    ASSERT_EQ(p.uscita, 0) << p.err;
    // 15 pairs of 1..6: 3+3 inside the terzine, 3 in the ambi, the other 6 meet only an estratto.
    EXPECT_EQ(
        p.out,
        "0\t0.0000\nEstratto\t40.0000\nAmbo\t60.0000\nTerno\t0.0000\nQuaterna\t0.0000\nCinquina\t0.0000\n");
}

} // namespace
