#include "cli/comandi.h"
#include "editor/file_riduzioni.h"
#include "reductions/condizioni.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

struct Risultato
{
    int uscita = -1;
    std::string out;
    std::string err;
};

// riduci condizionata on systems that carry the conditions of Quarvin.con (read by every new system).
class RiduciCondizionata : public ::testing::Test
{
protected:
    void SetUp() override { ::setenv("QUARVIN_IMPOSTAZIONI", file("impostazioni.ini").c_str(), 1); }
    void TearDown() override { ::unsetenv("QUARVIN_IMPOSTAZIONI"); }

    // Conditions: 1 or 2 even numbers, no error; then the system 1..8 in plays of 3.
    void crea(bool conCondizioni)
    {
        std::filesystem::create_directories(file("dati"));
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

    std::size_t giocate(const std::string& sistema)
    {
        const std::string testo = esegui({"giocate", sistema}).out;
        return static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
    }
    std::string file(const std::string& nome) const { return m_cartella.file(nome); }

private:
    test::CartellaTemporanea m_cartella;
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
