#include "cli/comandi.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace {

struct Risultato
{
    int uscita = -1;
    std::string out;
    std::string err;
};

class ComandoDistribuzione : public ::testing::Test
{
protected:
    void SetUp() override { ::setenv("QUARVIN_IMPOSTAZIONI", file("impostazioni.ini").c_str(), 1); }
    void TearDown() override { ::unsetenv("QUARVIN_IMPOSTAZIONI"); }

    Risultato esegui(std::vector<std::string> argomenti)
    {
        argomenti.insert(argomenti.begin(), {"--dati", file("dati"), "--personale", file("pers")});
        std::ostringstream out;
        std::ostringstream err;
        Risultato r;
        r.uscita = EseguiRigaComando(argomenti, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    std::string file(const std::string& nome) const { return m_cartella.file(nome); }

private:
    test::CartellaTemporanea m_cartella;
};

} // namespace

TEST_F(ComandoDistribuzione, SviluppoDiSeiNumeriInTerzine)
{
    const std::string sistema = file("sei.qvs");
    ASSERT_EQ(esegui({"crea", "-o", sistema, "--pronostico", "4 17 33 58 71 90", "--k", "3"}).uscita, 0);
    ASSERT_EQ(esegui({"sviluppa", sistema, "--sovrascrivi"}).uscita, 0);

    const Risultato r = esegui({"distribuzione", sistema});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::string atteso;
    for (int n = 1; n <= 90; ++n) {
        const bool predetto = n == 4 || n == 17 || n == 33 || n == 58 || n == 71 || n == 90;
        atteso += std::to_string(n) + '\t' + (predetto ? "10" : "0") + '\n';
    }
    EXPECT_EQ(r.out, atteso);
}

TEST_F(ComandoDistribuzione, Rifiuti)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
    };
    const Riga righe[] = {
        {"senza file", {"distribuzione"}, 2},
        {"file inesistente", {"distribuzione", file("manca.qvs")}, 1},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const Risultato esito = esegui(r.argomenti);
        EXPECT_EQ(esito.uscita, r.uscita);
        EXPECT_EQ(esito.out, "");
        EXPECT_NE(esito.err, "");
    }
}
