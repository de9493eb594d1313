#include "cli/comandi.h"

#include "core/file_archivio.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

// Two draws in the data folder: Nazionale 6..10 in the first, Bari 1..5 in the second.
class ComandoStatistiche : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::setenv("QUARVIN_IMPOSTAZIONI", m_cartella.file("impostazioni.ini").c_str(), 1);
        std::filesystem::create_directories(m_cartella.file("dati"));
        ArchivioStorico archivio;
        Tipo_Estrazione e;
        e.giorno = 1;
        e.mese = 1;
        e.setAnno(2010);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(Nazionale, p, static_cast<std::uint8_t>(5 + p));
        }
        archivio.InserisciEstrazione(e);
        e = {};
        e.giorno = 2;
        e.mese = 1;
        e.setAnno(2010);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(Bari, p, static_cast<std::uint8_t>(p));
        }
        archivio.InserisciEstrazione(e);
        ASSERT_TRUE(SalvaArchivio(m_cartella.file("dati") + "/" + file_archivio::NomeFile, archivio,
                                  [] { return std::uint8_t{0}; }));
    }
    void TearDown() override { ::unsetenv("QUARVIN_IMPOSTAZIONI"); }

    int esegui(std::vector<std::string> argomenti, std::string& out, std::string& err)
    {
        argomenti.insert(argomenti.begin(),
                         {"--dati", m_cartella.file("dati"), "--personale", m_cartella.file("pers")});
        std::ostringstream o;
        std::ostringstream e;
        const int uscita = EseguiRigaComando(argomenti, o, e);
        out = o.str();
        err = e.str();
        return uscita;
    }

private:
    test::CartellaTemporanea m_cartella;
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
        {"solo Nazionale", {"statistiche", "--ruote", "Nazionale"}, "1\t2\t0\t100.000000",
         "6\t1\t1\t0.000000"},
        {"Bari e Nazionale", {"statistiche", "--ruote", "bari nazionale"}, "1\t0\t1\t0.000000",
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
