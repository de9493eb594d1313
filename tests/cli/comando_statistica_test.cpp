#include "cli/comandi.h"

#include "editor/smorfia.h"
#include "support/cli_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

namespace {

// Two draws in the data folder: Nazionale 6..10 on 1/1/2010, Bari 1..5 on 2/1/2010; a small smorfia.
class ComandoStatistica : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        ArchivioStorico archivio;
        archivio.InserisciEstrazione(test::estrazioneSu(Nazionale, 1, 1, 2010, 6));
        archivio.InserisciEstrazione(test::estrazioneSu(Bari, 2, 1, 2010, 1));
        ASSERT_TRUE(salvaArchivio(archivio));
        ASSERT_TRUE(smorfia::ScriviSmorfia(file("dati") + "/" + smorfia::NomeFile,
                                           {{31, "il padrone di casa"}, {70, "casa grande"}}));
    }

    int esegui(std::vector<std::string> argomenti, std::vector<std::string>& righe, std::string& err)
    {
        const Risultato esito = ProvaRigaComando::esegui(std::move(argomenti));
        righe.clear();
        std::istringstream in(esito.out);
        for (std::string r; std::getline(in, r);) {
            righe.push_back(r);
        }
        err = esito.err;
        return esito.uscita;
    }
};

} // namespace

TEST_F(ComandoStatistica, VisteRicercheEAnalisi)
{
    struct Caso
    {
        const char* nome;
        std::vector<std::string> argomenti;
        std::size_t righe;
        std::string prima;
        std::string ultima;
    };
    const Caso casi[] = {
        {"ritardi dei numeri", {"statistica", "0", "--ruote", "Bari"}, 90, "1\t0", "90\t2"},
        {"posizioni",
         {"statistica", "7", "--ruote", "Nazionale"},
         90,
         "1\t2\t2\t2\t2\t2",
         "90\t2\t2\t2\t2\t2"},
        // 1 2 came out in the last draw; 1 6 never on Bari, the first larger value the sort meets.
        {"ritardi degli ambi",
         {"statistica", "11", "--ruote", "Bari"},
         4005,
         "1 6\t2\tAmbo mai uscito!",
         "4 5\t0"},
        {"ritardi per ruota", {"statistica", "3"}, 990, "1\tCagliari\t2", "5\tBari\t0"},
        {"smorfia", {"smorfia", "casa"}, 2, "70\tCasa grande", "31\tIl padrone di casa"},
        {"analisi", {"analisi-combinazioni", "1 6"}, 16, "1/1/2010\t1\t0\t0\t0\t0", "TOTALE:\t2\t0\t0\t0\t0"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        std::vector<std::string> righe;
        std::string err;
        ASSERT_EQ(esegui(c.argomenti, righe, err), 0) << err;
        ASSERT_EQ(righe.size(), c.righe);
        EXPECT_EQ(righe.front(), c.prima);
        EXPECT_EQ(righe.back(), c.ultima);
    }
}

TEST_F(ComandoStatistica, ArgomentiRifiutati)
{
    struct Caso
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
    };
    const Caso casi[] = {
        {"vista della smorfia", {"statistica", "13"}, 2},
        {"vista mancante", {"statistica"}, 2},
        {"ruota sconosciuta", {"statistica", "0", "--ruote", "Atlantide"}, 1},
        {"numeri ripetuti", {"analisi-combinazioni", "1 1"}, 1},
        {"nessun termine", {"smorfia"}, 2},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        std::vector<std::string> righe;
        std::string err;
        EXPECT_EQ(esegui(c.argomenti, righe, err), c.uscita);
        EXPECT_TRUE(righe.empty());
    }
}
