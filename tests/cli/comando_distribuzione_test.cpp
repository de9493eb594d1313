#include "cli/comandi.h"

#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ComandoDistribuzione = test::ProvaRigaComando;

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
