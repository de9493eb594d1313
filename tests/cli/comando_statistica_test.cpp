#include "cli/comandi.h"

#include "core/file_archivio.h"
#include "editor/smorfia.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

// Two draws in the data folder: Nazionale 6..10 on 1/1/2010, Bari 1..5 on 2/1/2010; a small smorfia.
class ComandoStatistica : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::setenv("QUARVIN_IMPOSTAZIONI", m_cartella.file("impostazioni.ini").c_str(), 1);
        std::filesystem::create_directories(m_cartella.file("dati"));
        ArchivioStorico archivio;
        for (int giorno : {1, 2}) {
            Tipo_Estrazione e;
            e.giorno = static_cast<std::uint8_t>(giorno);
            e.mese = 1;
            e.setAnno(2010);
            for (int p = 1; p <= 5; ++p) {
                e.setNumero(giorno == 1 ? Nazionale : Bari, p,
                            static_cast<std::uint8_t>(giorno == 1 ? 5 + p : p));
            }
            archivio.InserisciEstrazione(e);
        }
        ASSERT_TRUE(SalvaArchivio(m_cartella.file("dati") + "/" + file_archivio::NomeFile, archivio,
                                  [] { return std::uint8_t{0}; }));
        ASSERT_TRUE(smorfia::ScriviSmorfia(m_cartella.file("dati") + "/" + smorfia::NomeFile,
                                           {{31, "il padrone di casa"}, {70, "casa grande"}}));
    }
    void TearDown() override { ::unsetenv("QUARVIN_IMPOSTAZIONI"); }

    int esegui(std::vector<std::string> argomenti, std::vector<std::string>& righe, std::string& err)
    {
        argomenti.insert(argomenti.begin(),
                         {"--dati", m_cartella.file("dati"), "--personale", m_cartella.file("pers")});
        std::ostringstream o;
        std::ostringstream e;
        const int uscita = EseguiRigaComando(argomenti, o, e);
        righe.clear();
        std::istringstream in(o.str());
        for (std::string r; std::getline(in, r);) {
            righe.push_back(r);
        }
        err = e.str();
        return uscita;
    }

private:
    test::CartellaTemporanea m_cartella;
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
