#include "cli/comandi.h"

#include "support/cli_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

namespace {

// Two draws in the data folder: Nazionale 6..10 in the first, Bari 1..5 in the second.
class ComandoStatistiche : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        ArchivioStorico archivio;
        archivio.InserisciEstrazione(test::estrazioneSu(Nazionale, 1, 1, 2010, 6));
        archivio.InserisciEstrazione(test::estrazioneSu(Bari, 2, 1, 2010, 1));
        ASSERT_TRUE(salvaArchivio(archivio));
    }

    int esegui(std::vector<std::string> argomenti, std::string& out, std::string& err)
    {
        Risultato esito = ProvaRigaComando::esegui(std::move(argomenti));
        out = std::move(esito.out);
        err = std::move(esito.err);
        return esito.uscita;
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

} // namespace

TEST_F(ComandoStatistiche, NovantaRigheConRitardoFrequenzaEProbabilita)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        std::string uno; // the line of number 1
        std::string sei; // the line of number 6
    };
    const Riga righe[] = {
        {"Tutte come un nuovo sistema", {"statistiche"}, "1\t0\t1\t0.000000", "6\t2\t0\t100.000000"},
        {"solo Nazionale",
         {"statistiche", "--ruote", "Nazionale"},
         "1\t2\t0\t100.000000",
         "6\t1\t1\t0.000000"},
        {"Bari e Nazionale",
         {"statistiche", "--ruote", "bari nazionale"},
         "1\t0\t1\t0.000000",
         "6\t1\t1\t25.000000"},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        std::string out;
        std::string err;
        ASSERT_EQ(esegui(r.argomenti, out, err), 0) << err;
        EXPECT_EQ(err, "");
        const auto linee = Righe(out);
        ASSERT_EQ(linee.size(), 90U);
        EXPECT_EQ(linee[0], r.uno);
        EXPECT_EQ(linee[5], r.sei);
        EXPECT_EQ(linee[89].substr(0, 3), "90\t");
    }
}

TEST_F(ComandoStatistiche, RuotaSconosciutaRifiutata)
{
    std::string out;
    std::string err;
    EXPECT_EQ(esegui({"statistiche", "--ruote", "Bari Pippo"}, out, err), 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "Ruota non riconosciuta: Pippo\n");
    EXPECT_EQ(esegui({"statistiche", "Bari"}, out, err), 2);
}
