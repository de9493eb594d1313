#include "cli/comandi.h"

#include "core/file_archivio.h"
#include "editor/file_sistema.h"
#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

// Every run works in its own folders, with the settings in an INI file of the temporary folder.
using Cli = test::ProvaRigaComando;

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
        // The stakes the window refuses: no accepted amount, a total below the minimum, more than a box
        // holds, a class that k numbers cannot play.
        {"importo non accettato", crea({"--pronostico", "1 2", "--k", "2", "--importi", "ambo=0,07"}), 1,
         "Alcuni importi non sono validi."},
        {"totale sotto il minimo", crea({"--pronostico", "1 2", "--k", "2", "--importi", "ambo=0,5"}), 1,
         "Alcuni importi non sono validi."},
        {"oltre la casella", crea({"--pronostico", "1 2", "--k", "2", "--importi", "ambo=10000000"}), 1,
         "Alcuni importi non sono validi."},
        {"classe non giocabile", crea({"--pronostico", "1 2", "--k", "2", "--importi", "ambo=1 terno=1"}), 1,
         "Alcuni importi non sono validi."},
        {"posizione 6", crea({"--pronostico", "1 2", "--k", "2", "--posizioni", "6"}), 1,
         "Le posizioni dell'estratto determinato"},
        {"cartella mancante",
         {"crea", "-o", file("manca/x.qvs"), "--pronostico", "1 2", "--k", "2"},
         1,
         "Si è verificato un errore durante il salvataggio del sistema!\nImpossibile scrivere sul disco.\n"},
        {"file mancante",
         {"info", file("nessuno.qvs")},
         1,
         "Si è verificato un errore durante l'apertura del sistema.\n"},
        {"versione 5",
         {"giocate", s.nomeFile},
         1,
         "Questa versione non è compatibile con la versione usata per creare il sistema da aprire.\n"
         "Si è verificato un errore durante l'apertura del sistema.\n"},
        {"senza -o", {"crea", "--pronostico", "1 2", "--k", "2"}, 2, "quarvin-cli: manca l'opzione -o\nuso:"},
        {"opzione sconosciuta", crea({"--pronostico", "1 2", "--k", "2", "--x", "1"}), 2,
         "quarvin-cli: opzione sconosciuta: --x"},
        {"valore mancante", crea({"--pronostico", "1 2", "--k"}), 2, "quarvin-cli: manca il valore"},
        {"comando sconosciuto", {"sconosciuto", o}, 2, "quarvin-cli: comando sconosciuto: sconosciuto"},
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

TEST_F(Cli, ArchivioInfoPreparaQuarvinDbDalTestoDistribuito)
{
    const std::string atteso =
        "Estrazioni: 7323\nPrima estrazione: 07/01/1939\nUltima estrazione: 30/05/2026\n";
    Risultato r = esegui({"archivio", "info"});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.out, atteso);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(std::filesystem::file_size(file("dati/Quarvin.db")), 77u + 7323u * 60u);

    // From now on the archive is the user's file: it is read, not rebuilt.
    ArchivioStorico piccolo;
    for (int giorno : {3, 10}) {
        Tipo_Estrazione e;
        e.giorno = static_cast<std::uint8_t>(giorno);
        e.mese = 1;
        e.setAnno(2004);
        piccolo.InserisciEstrazione(e);
    }
    ASSERT_TRUE(salvaArchivio(piccolo));
    r = esegui({"archivio", "info"});
    EXPECT_EQ(r.out, "Estrazioni: 2\nPrima estrazione: 03/01/2004\nUltima estrazione: 10/01/2004\n");
}

TEST_F(Cli, ArchivioImportaEdEsporta)
{
    const std::string nuove = file("nuove.txt");
    const std::string righe = "2026/06/02\tBA\t1\t2\t3\t4\t5\n2026/06/02\tRN\t90\t89\t88\t87\t86\n";
    test::ScriviFile(nuove, std::vector<unsigned char>(righe.begin(), righe.end()));
    const std::string conErrori = righe + "2026/06/02\tXX\t1\t2\t3\t4\t5\n2026/05/30\tVE\t1\t2\t3\t4\t5\r\n";
    test::ScriviFile(file("errori.txt"), std::vector<unsigned char>(conErrori.begin(), conErrori.end()));

    Risultato r = esegui({"archivio", "importa", file("errori.txt")});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "Estrazioni aggiunte: 1\nEstrazioni aggiornate: 1\nRighe non valide ignorate: 1 (righe 3)\n");
    EXPECT_EQ(esegui({"archivio", "info"}).out,
              "Estrazioni: 7324\nPrima estrazione: 07/01/1939\nUltima estrazione: 02/06/2026\n");

    r = esegui({"archivio", "esporta", file("esportato.txt")});
    ASSERT_EQ(r.uscita, 0) << r.err;
    const char* sorgenti = std::getenv("QUARVIN_SORGENTI");
    ASSERT_NE(sorgenti, nullptr);
    std::vector<unsigned char> atteso = test::LeggiFile(std::string(sorgenti) + "/data/storico.txt");
    const std::string ultimaVenezia = "2026/05/30\tVE\t84\t23\t40\t15\t24\n";
    ASSERT_GT(atteso.size(), ultimaVenezia.size());
    atteso.resize(atteso.size() - ultimaVenezia.size());
    const std::string coda = "2026/05/30\tVE\t1\t2\t3\t4\t5\n" + righe;
    atteso.insert(atteso.end(), coda.begin(), coda.end());
    EXPECT_TRUE(test::LeggiFile(file("esportato.txt")) == atteso);

    r = esegui({"archivio", "importa", nuove});
    EXPECT_EQ(r.uscita, 0);
    EXPECT_EQ(r.err, "Estrazioni aggiunte: 0\nEstrazioni aggiornate: 0\n");
}

TEST_F(Cli, ArchivioInputRifiutati)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
        std::string err; // expected start of standard error
    };
    const std::vector<Riga> righe = {
        {"senza comando",
         {"archivio"},
         2,
         "quarvin-cli: manca il comando di archivio (info, importa, esporta)"},
        {"comando sconosciuto",
         {"archivio", "svuota"},
         2,
         "quarvin-cli: comando di archivio sconosciuto: svuota"},
        {"importa senza file",
         {"archivio", "importa"},
         2,
         "quarvin-cli: manca il file di testo delle estrazioni"},
        {"info con file", {"archivio", "info", "x.txt"}, 2, "quarvin-cli: argomento inatteso: x.txt"},
        {"esporta con due file", {"archivio", "esporta", "a", "b"}, 2, "quarvin-cli: argomento inatteso: b"},
        {"file mancante",
         {"archivio", "importa", file("manca.txt")},
         1,
         "Impossibile aprire il file " + file("manca.txt") + "\n"},
        {"cartella mancante",
         {"archivio", "esporta", file("manca/x.txt")},
         1,
         "Impossibile scrivere il file " + file("manca/x.txt") + "\n"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Risultato r = esegui(riga.argomenti);
        EXPECT_EQ(r.uscita, riga.uscita);
        EXPECT_EQ(r.err.substr(0, riga.err.size()), riga.err) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(Cli, ArchivioIlleggibileNonVieneSovrascritto)
{
    std::filesystem::create_directories(file("dati"));
    test::ScriviFile(file("dati/Quarvin.db"), {1});
    std::filesystem::resize_file(file("dati/Quarvin.db"), file_archivio::DimensioneMassima + 1);
    const std::string riga = "2026/06/02\tBA\t1\t2\t3\t4\t5\n";
    test::ScriviFile(file("nuove.txt"), std::vector<unsigned char>(riga.begin(), riga.end()));

    Risultato r = esegui({"archivio", "importa", file("nuove.txt")});
    EXPECT_EQ(r.uscita, 1);
    EXPECT_EQ(r.err, "Impossibile leggere il file dell'archivio storico Quarvin.db.\n");
    EXPECT_EQ(std::filesystem::file_size(file("dati/Quarvin.db")), file_archivio::DimensioneMassima + 1);

    // A damaged record is reported, the other draws are used.
    std::filesystem::resize_file(file("dati/Quarvin.db"), 0);
    std::filesystem::resize_file(file("dati/Quarvin.db"), 77 + 60);
    r = esegui({"archivio", "info"});
    EXPECT_EQ(r.uscita, 0);
    EXPECT_EQ(r.out, "Estrazioni: 0\n");
    EXPECT_EQ(r.err,
              "Il file dell'archivio storico Quarvin.db è danneggiato: l'estrazione numero 1 non è valida "
              "ed è stata ignorata.\n");
}

TEST_F(Cli, SviluppaAggiungeLoSviluppoIntegrale)
{
    const std::string sistema = file("sei.qvs");
    ASSERT_EQ(
        esegui({"crea", "-o", sistema, "--pronostico", "6 5 4 3 2 1", "--k", "3", "--fisse", "1"}).uscita, 0);
    std::string tutte;
    std::string conUno;
    for (int a = 1; a <= 6; ++a) {
        for (int b = a + 1; b <= 6; ++b) {
            for (int c = b + 1; c <= 6; ++c) {
                const std::string riga =
                    std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + "\n";
                tutte += riga;
                conUno += a == 1 ? riga : "";
            }
        }
    }

    // The fixed numbers count only when asked for.
    const std::string uscita = file("sviluppato.qvs");
    Risultato r = esegui({"sviluppa", sistema, "-o", uscita});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(esegui({"giocate", uscita}).out, tutte);
    EXPECT_EQ(esegui({"giocate", sistema}).out, "");

    r = esegui({"sviluppa", "--considera-fisse", sistema, "--sovrascrivi"});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(esegui({"giocate", sistema}).out, conUno);

    // Developing again adds nothing: the message, status 1 and the file as it was.
    const auto prima = test::LeggiFile(uscita);
    r = esegui({"sviluppa", uscita, "--sovrascrivi"});
    EXPECT_EQ(r.uscita, 1);
    EXPECT_EQ(
        r.err,
        "Non è stata aggiunta nemmeno una giocata!\nVerificare la presenza delle fisse nel pronostico.\n");
    EXPECT_TRUE(test::LeggiFile(uscita) == prima);

    // The plays already there are kept and only the missing ones are appended.
    r = esegui({"sviluppa", sistema, "-o", uscita});
    ASSERT_EQ(r.uscita, 0) << r.err;
    std::string senzaUno;
    for (std::size_t i = 0; i < tutte.size(); i = tutte.find('\n', i) + 1) {
        const std::string riga = tutte.substr(i, tutte.find('\n', i) + 1 - i);
        senzaUno += riga[0] == '1' ? "" : riga;
    }
    EXPECT_EQ(esegui({"giocate", uscita}).out, conUno + senzaUno);
}

TEST_F(Cli, SviluppaRifiuti)
{
    const std::string pochi = file("pochi.qvs");
    ASSERT_EQ(esegui({"crea", "-o", pochi, "--pronostico", "1 2", "--k", "3"}).uscita, 0);
    const std::string fissa7 = file("fissa7.qvs");
    ASSERT_EQ(esegui({"crea", "-o", fissa7, "--pronostico", "1 2 3 4", "--k", "3", "--fisse", "7"}).uscita,
              0);
    const std::string o = file("out.qvs");
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
        std::string err; // expected start of standard error
    };
    const std::vector<Riga> righe = {
        {"pronostico insufficiente",
         {"sviluppa", pochi, "-o", o},
         1,
         "Il pronostico iniziale non contiene abbastanza numeri!\n"},
        {"fissa non pronosticata",
         {"sviluppa", fissa7, "--considera-fisse", "-o", o},
         1,
         "Non è stata aggiunta nemmeno una giocata!\n"},
        {"file mancante",
         {"sviluppa", file("nessuno.qvs"), "-o", o},
         1,
         "Si è verificato un errore durante l'apertura del sistema.\n"},
        {"senza uscita",
         {"sviluppa", fissa7},
         2,
         "quarvin-cli: indicare -o FILE.qvs oppure --sovrascrivi\nuso:"},
        {"due uscite",
         {"sviluppa", fissa7, "-o", o, "--sovrascrivi"},
         2,
         "quarvin-cli: -o e --sovrascrivi non si possono usare insieme"},
        {"opzione ripetuta",
         {"sviluppa", fissa7, "--considera-fisse", "--considera-fisse", "-o", o},
         2,
         "quarvin-cli: opzione ripetuta: --considera-fisse"},
        {"senza file", {"sviluppa", "--sovrascrivi"}, 2, "quarvin-cli: manca il file del sistema"},
        {"due file",
         {"sviluppa", fissa7, pochi, "--sovrascrivi"},
         2,
         "quarvin-cli: argomento inatteso: " + pochi},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Risultato r = esegui(riga.argomenti);
        EXPECT_EQ(r.uscita, riga.uscita);
        EXPECT_EQ(r.err.substr(0, riga.err.size()), riga.err) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(o));
}
