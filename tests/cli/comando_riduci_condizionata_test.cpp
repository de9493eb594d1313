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
             {"due-modi", {"--da-pronostico", "--da-giocate"}, 2, "indicare un solo modo"},
             {"modo e alias discordi", {"--modo", "giocate", "--da-pronostico"}, 2, "indicare un solo modo"},
             {"modo sconosciuto",
              {"--modo", "entrambi"},
              2,
              "il modo deve essere pronostico o giocate: entrambi"},
             {"condizioni illeggibili",
              {"--condizioni", "/nessuna/cartella/x.con"},
              1,
              "Il file delle condizioni non è valido: /nessuna/cartella/x.con"},
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

// --modo names the mode; --condizioni takes another record (kept in the written system); the fixed numbers
// count only with --considera-fisse, as in every other reduction command.
TEST_F(RiduciCondizionata, ModoCondizioniEFisse)
{
    crea(false);
    CondizioniRiduzione c;
    c.abilitati[0] = 1;
    c.insiemi[0][1] = c.insiemi[0][2] = 1;
    c.errori[0] = 1;
    std::filesystem::create_directories(file("altre"));
    ASSERT_TRUE(ScriviCondizioni(file("altre"), c.blocco()));
    const std::string record = (std::filesystem::path(file("altre")) / "Quarvin.con").string();
    ASSERT_EQ(esegui({"riduci", "condizionata", file("base.qvs"), "--modo", "pronostico", "--condizioni",
                      record, "-o", file("ridotto.qvs")})
                  .uscita,
              0);
    EXPECT_EQ(giocate(file("ridotto.qvs")), 48U);
    // The record travels with the system: the plays mode of the reduced system keeps all 48.
    ASSERT_EQ(
        esegui({"riduci", "condizionata", file("ridotto.qvs"), "--modo", "giocate", "-o", file("g.qvs")})
            .uscita,
        0);
    EXPECT_EQ(giocate(file("g.qvs")), 48U);

    ASSERT_EQ(esegui({"crea", "-o", file("fisse.qvs"), "--pronostico", "1 2 3 4 5 6 7 8", "--k", "3",
                      "--fisse", "1"})
                  .uscita,
              0);
    ASSERT_EQ(
        esegui({"riduci", "condizionata", file("fisse.qvs"), "--condizioni", record, "-o", file("f1.qvs")})
            .uscita,
        0);
    EXPECT_EQ(giocate(file("f1.qvs")), 48U) << "without --considera-fisse the fixed number is not imposed";
    ASSERT_EQ(esegui({"riduci", "condizionata", file("fisse.qvs"), "--condizioni", record,
                      "--considera-fisse", "-o", file("f2.qvs")})
                  .uscita,
              0);
    // The 21 plays with 1, less the 3 whose other two numbers are odd.
    EXPECT_EQ(giocate(file("f2.qvs")), 18U);
}

TEST_F(RiduciCondizionata, ValoriEFallimentiDiUnaGiocata)
{
    crea(true);
    const Risultato dispari = esegui({"condizioni", file("base.qvs"), "5 3 1"});
    ASSERT_EQ(dispari.uscita, 0) << dispari.err;
    std::vector<std::string> righe;
    for (std::size_t inizio = 0; inizio < dispari.out.size();) {
        const std::size_t fine = dispari.out.find('\n', inizio);
        righe.push_back(dispari.out.substr(inizio, fine - inizio));
        inizio = fine + 1;
    }
    ASSERT_EQ(righe.size(), 26U) << dispari.out;
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_NE(righe[i].find('\t'), std::string::npos) << righe[i];
    }
    EXPECT_EQ(righe[0].substr(righe[0].find('\t')), "\t0") << "no even number";
    EXPECT_EQ(righe[4].substr(righe[4].find('\t')), "\t9") << "the sum";
    EXPECT_EQ(righe[24], "Criteri non rispettati: 1");
    EXPECT_EQ(righe[25], righe[0].substr(0, righe[0].find('\t')));

    const Risultato pari = esegui({"condizioni", file("base.qvs"), "1 2 3"});
    EXPECT_NE(pari.out.find("Criteri non rispettati: 0\n"), std::string::npos) << pari.out;
    EXPECT_EQ(esegui({"condizioni", file("base.qvs"), "1 x"}).uscita, 1);
    EXPECT_EQ(esegui({"condizioni", file("base.qvs")}).uscita, 2);
}
