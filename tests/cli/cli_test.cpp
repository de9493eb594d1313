#include "cli/comandi.h"

#include "editor/file_sistema.h"
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

// Every run works in its own folders, with the settings in an INI file of the temporary folder.
class Cli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::setenv("QUARVIN_IMPOSTAZIONI", m_cartella.file("impostazioni.ini").c_str(), 1);
    }
    void TearDown() override { ::unsetenv("QUARVIN_IMPOSTAZIONI"); }

    Risultato esegui(std::vector<std::string> argomenti)
    {
        argomenti.insert(argomenti.begin(),
                         {"--dati", m_cartella.file("dati"), "--personale", m_cartella.file("pers")});
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

TEST_F(Cli, CreaPoiInfoStampaIlRiepilogo)
{
    const std::string sistema = file("prova.qvs");
    Risultato crea = esegui({"crea", "-o", sistema, "--pronostico", "1 2 3 4 5 6 7 8 9 10", "--k", "3",
                             "--ruote", "bari ROMA Nazionale", "--importi", "ambo=1 terno=0,5"});
    ASSERT_EQ(crea.uscita, 0) << crea.err;
    EXPECT_EQ(crea.err, "");

    Risultato info = esegui({"info", sistema});
    ASSERT_EQ(info.uscita, 0) << info.err;
    EXPECT_EQ(info.out, "Pronostico: 10 numeri\n"
                        "Numeri per giocata: 3\n"
                        "Sviluppo integrale: 120 giocate\n"
                        "Nº Ruote: 3\n"
                        "Importo di giocata: 1,50 €\n"
                        "Numero giocate finali: 0\n"
                        "Costo complessivo: 0,00 €\n"
                        "Stato sistema: non modificato\n");

    Risultato giocate = esegui({"giocate", sistema});
    EXPECT_EQ(giocate.uscita, 0);
    EXPECT_EQ(giocate.out, "");
}

TEST_F(Cli, CreaSalvaOgniCampo)
{
    const std::string sistema = file("campi.qvs");
    Risultato crea =
        esegui({"crea", "-o", sistema, "--pronostico", "90 1 45", "--k", "2", "--fisse", "45 1", "--ruote",
                "Tutte", "--importi", "estratto=0.5 determinato=1", "--posizioni", "1 3"});
    ASSERT_EQ(crea.uscita, 0) << crea.err;

    Sistema s;
    s.nomeFile = sistema;
    ElencoGiocate elenco;
    ASSERT_TRUE(LeggiSistema(s, elenco).ok());
    EXPECT_EQ(s.numeriPronostico(), 3);
    EXPECT_EQ(s.pronostico[89], 1);
    EXPECT_EQ(s.numeriPerGiocata, 2);
    EXPECT_EQ(s.numeroFisse, 2);
    EXPECT_EQ(s.fisse[0], 45);
    EXPECT_EQ(s.fisse[1], 1);
    EXPECT_EQ(s.ruote, (SegniRuote{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(s.importo(Estratto), 0.5);
    EXPECT_EQ(s.importo(EstrattoDeterminato), 1.0);
    EXPECT_EQ(s.posizioni, (std::array<std::uint8_t, 5>{1, 0, 1, 0, 0}));
}

TEST_F(Cli, GiocateUnaPerRiga)
{
    Sistema s;
    s.nomeFile = file("giocate.qvs");
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AssicuraCapacita(2));
    elenco.voce(1) = test::giocata({1, 2, 3});
    elenco.voce(2) = test::giocata({7, 45, 89, 90});
    elenco.setConteggio(2);
    ASSERT_TRUE(ScriviSistema(s, elenco).ok());

    Risultato r = esegui({"giocate", s.nomeFile});
    EXPECT_EQ(r.uscita, 0);
    EXPECT_EQ(r.out, "1 2 3\n7 45 89 90\n");
}

TEST_F(Cli, InputRifiutatiEErroriDUso)
{
    Sistema s;
    s.nomeFile = file("v5.qvs");
    ElencoGiocate vuoto;
    auto dati = ImmagineSistema(s, vuoto);
    dati[0] = 5;
    test::ScriviFile(s.nomeFile, dati);

    const std::string o = file("out.qvs");
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
        std::string err; // expected start of standard error
    };
    // "crea -o out.qvs" followed by the given arguments.
    auto crea = [&](std::vector<std::string> altri) {
        altri.insert(altri.begin(), {"crea", "-o", o});
        return altri;
    };
    const std::vector<Riga> righe = {
        {"numero 91", crea({"--pronostico", "1 91", "--k", "2"}), 1, "Il pronostico non è valido"},
        {"pronostico vuoto", crea({"--pronostico", "", "--k", "2"}), 1, "Il pronostico non è valido"},
        {"numero ripetuto", crea({"--pronostico", "4 4", "--k", "2"}), 1, "Il pronostico non è valido"},
        {"k 11", crea({"--pronostico", "1 2", "--k", "11"}), 1, "La quantità di numeri per giocata deve"},
        {"k 0", crea({"--pronostico", "1 2", "--k", "0"}), 1, "La quantità di numeri per giocata deve"},
        {"fissa ripetuta", crea({"--pronostico", "1 2", "--k", "3", "--fisse", "5 6 5"}), 1,
         "La fissa numero 3 non è valida!"},
        {"fissa 0", crea({"--pronostico", "1 2", "--k", "3", "--fisse", "7 0"}), 1,
         "La fissa numero 2 non è valida!"},
        {"dieci fisse", crea({"--pronostico", "1 2", "--k", "10", "--fisse", "1 2 3 4 5 6 7 8 9 10"}), 1,
         "Le fisse possono essere al massimo 9."},
        {"fisse oltre k", crea({"--pronostico", "1 2", "--k", "2", "--fisse", "1 2 3"}), 1,
         "La quantità di numeri per giocata non può essere inferiore al numero di fisse!"},
        {"ruota sconosciuta", crea({"--pronostico", "1 2", "--k", "2", "--ruote", "Bari Atlantide"}), 1,
         "Ruota non riconosciuta: Atlantide"},
        {"importo sbagliato", crea({"--pronostico", "1 2", "--k", "2", "--importi", "ambo=1x"}), 1,
         "Importo non valido: ambo=1x"},
        {"classe sconosciuta", crea({"--pronostico", "1 2", "--k", "2", "--importi", "sestina=1"}), 1,
         "Classe non riconosciuta"},
        {"posizione 6", crea({"--pronostico", "1 2", "--k", "2", "--posizioni", "6"}), 1,
         "Le posizioni dell'estratto determinato"},
        {"cartella mancante", {"crea", "-o", file("manca/x.qvs"), "--pronostico", "1 2", "--k", "2"}, 1,
         "Si è verificato un errore durante il salvataggio del sistema!\nImpossibile scrivere sul disco.\n"},
        {"file mancante", {"info", file("nessuno.qvs")}, 1,
         "Si è verificato un errore durante l'apertura del sistema.\n"},
        {"versione 5", {"giocate", s.nomeFile}, 1,
         "Questa versione non è compatibile con la versione usata per creare il sistema da aprire.\n"
         "Si è verificato un errore durante l'apertura del sistema.\n"},
        {"senza -o", {"crea", "--pronostico", "1 2", "--k", "2"}, 2, "quarvin-cli: manca l'opzione -o\nuso:"},
        {"opzione sconosciuta", crea({"--pronostico", "1 2", "--k", "2", "--x", "1"}), 2,
         "quarvin-cli: opzione sconosciuta: --x"},
        {"valore mancante", crea({"--pronostico", "1 2", "--k"}), 2, "quarvin-cli: manca il valore"},
        {"comando sconosciuto", {"riduci", o}, 2, "quarvin-cli: comando sconosciuto: riduci"},
        {"info senza file", {"info"}, 2, "quarvin-cli: manca il file del sistema"},
        {"info con due file", {"info", o, o}, 2, "quarvin-cli: argomento inatteso"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Risultato r = esegui(riga.argomenti);
        EXPECT_EQ(r.uscita, riga.uscita);
        EXPECT_EQ(r.err.substr(0, riga.err.size()), riga.err) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(o));

    Risultato senzaComando = [] {
        std::ostringstream out;
        std::ostringstream err;
        Risultato r;
        r.uscita = EseguiRigaComando({"--dati"}, out, err);
        r.err = err.str();
        return r;
    }();
    EXPECT_EQ(senzaComando.uscita, 2);
}
