#include "cli/comandi.h"
#include "editor/file_riduzioni.h"
#include "reductions/condizioni_riduzione.h"

#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// riduci condizionata on systems that carry the conditions of Quarvin.con (read by every new system).
class RiduciCondizionata : public test::ProvaRigaComando
{
protected:
    // Conditions: 1 or 2 even numbers, no error; then the system 1..8 in plays of 3.
    void crea(bool conCondizioni)
    {
        creaDati();
        if (conCondizioni) {
            CondizioniRiduzione c;
            c.abilitati[0] = 1;
            c.insiemi[0][1] = c.insiemi[0][2] = 1;
            c.errori[0] = 1;
            ASSERT_TRUE(ScriviCondizioni(file("dati"), c.blocco()));
        }
        ASSERT_EQ(
            esegui({"crea", "-o", file("base.qvs"), "--pronostico", "1 2 3 4 5 6 7 8", "--k", "3"}).uscita,
            0);
    }

    std::size_t giocate(const std::string& sistema)
    {
        const std::string testo = esegui({"giocate", sistema}).out;
        return static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
    }
};

} // namespace

TEST_F(RiduciCondizionata, DalPronosticoPoiDalleGiocate)
{
    crea(true);
    // C(8, 3) = 56 less 4 with no even number and 4 with three.
    ASSERT_EQ(esegui({"riduci", "condizionata", file("base.qvs"), "-o", file("ridotto.qvs")}).uscita, 0);
    EXPECT_EQ(giocate(file("ridotto.qvs")), 48U);

    // With plays the default is the plays mode: every play passes, nothing changes.
    ASSERT_EQ(esegui({"riduci", "condizionata", file("ridotto.qvs"), "-o", file("ancora.qvs")}).uscita, 0);
    EXPECT_EQ(giocate(file("ancora.qvs")), 48U);
    // From the prediction again: nothing new to add.
    const Risultato niente =
        esegui({"riduci", "condizionata", file("ridotto.qvs"), "--da-pronostico", "-o", file("x.qvs")});
    EXPECT_EQ(niente.uscita, 1);
    EXPECT_NE(niente.err.find("Non è stata aggiunta nessuna nuova giocata."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("x.qvs")));
}

TEST_F(RiduciCondizionata, Rifiuti)
{
    crea(false);
    struct Riga
    {
        const char* nome;
        std::vector<std::string> opzioni;
        int uscita;
        const char* errore;
    };
    for (const Riga& r : std::vector<Riga>{
             {"nessuna-condizione", {}, 1, "Selezionare almeno una condizione!"},
             {"due-modi", {"--da-pronostico", "--da-giocate"}, 2, "non possono essere usate insieme"},
         }) {
        SCOPED_TRACE(r.nome);
        std::vector<std::string> argomenti = {"riduci", "condizionata", file("base.qvs")};
        argomenti.insert(argomenti.end(), r.opzioni.begin(), r.opzioni.end());
        argomenti.insert(argomenti.end(), {"-o", file("out.qvs")});
        const Risultato esito = esegui(argomenti);
        EXPECT_EQ(esito.uscita, r.uscita);
        EXPECT_NE(esito.err.find(r.errore), std::string::npos) << esito.err;
    }
}

TEST_F(RiduciCondizionata, DalleGiocateSenzaGiocate)
{
    crea(true);
    const Risultato esito =
        esegui({"riduci", "condizionata", file("base.qvs"), "--da-giocate", "-o", file("out.qvs")});
    EXPECT_EQ(esito.uscita, 1);
    EXPECT_NE(esito.err.find("Questo metodo richiede almeno una giocata."), std::string::npos);
}
