#include "cli/comandi.h"

#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using ComandoStampa = test::ProvaRigaComando;

// The text of a PDF as pdftotext reads it; empty when the tool is missing.
std::string TestoPdf(const std::string& pdf)
{
    const std::string comando = "pdftotext -layout '" + pdf + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> p(::popen(comando.c_str(), "r"), ::pclose);
    std::string testo;
    char buffer[4096];
    while (p && std::fgets(buffer, sizeof buffer, p.get()) != nullptr) {
        testo += buffer;
    }
    return testo;
}

} // namespace

TEST_F(ComandoStampa, SegniDelleSchedine)
{
    const std::string sistema = file("tre.qvs");
    ASSERT_EQ(esegui({"crea", "-o", sistema, "--pronostico", "4 17 90", "--k", "3", "--ruote",
                      "Tutte Nazionale", "--importi", "estratto=0,7 ambo=0,3"})
                  .uscita,
              0);
    ASSERT_EQ(esegui({"sviluppa", sistema, "--sovrascrivi"}).uscita, 0);

    const Risultato v =
        esegui({"stampa", sistema, "--modello", "schedina", "--orientamento", "verticale", "--segni"});
    ASSERT_EQ(v.uscita, 0) << v.err;
    EXPECT_EQ(v.out, "1\t1\t4\t21.0000\t0.0000\n"
                     "1\t1\t17\t42.0000\t6.9000\n"
                     "1\t1\t90\t63.0000\t55.2000\n"
                     "1\t2\t11\t83.0000\t51.5000\n"
                     "1\t2\t12\t83.0000\t56.6800\n"
                     "1\t3\t10\t65.8500\t78.6151\n"
                     "1\t3\t11\t71.6000\t78.6151\n"
                     "1\t4\t11\t71.6000\t85.1951\n"
                     "1\t4\t12\t77.3500\t85.1951\n");

    const Risultato o =
        esegui({"stampa", sistema, "--modello", "mdn", "--orientamento", "orizzontale", "--segni"});
    ASSERT_EQ(o.uscita, 0) << o.err;
    EXPECT_NE(o.out.find("1\t1\t90\t56.2000\t21.0000\n"), std::string::npos) << o.out;

    // LottoPiù: the two flags in the sixth wheel row of its record (vertical defaults).
    const Risultato lp =
        esegui({"stampa", sistema, "--modello", "lottopiu", "--orientamento", "verticale", "--segni"});
    ASSERT_EQ(lp.uscita, 0) << lp.err;
    EXPECT_NE(lp.out.find("1\t1\t90\t82.1200\t127.9900\n"), std::string::npos) << lp.out;
    EXPECT_NE(lp.out.find("1\t2\t11\t31.0800\t181.8757\n"), std::string::npos) << lp.out;
    EXPECT_NE(lp.out.find("1\t2\t12\t11.9400\t181.8757\n"), std::string::npos) << lp.out;
}

TEST_F(ComandoStampa, ControlliComeNelMenu)
{
    struct Riga
    {
        const char* nome;
        std::string importi;
        std::vector<std::string> opzioni;
        int uscita;
        std::string messaggio;
    };
    const std::string noStampa = " € non può essere stampato sulle nuove schedine.";
    const std::vector<Riga> righe = {
        {"ambo 0,40 senza caselle",
         "estratto=0,6 ambo=0,4",
         {"--modello", "schedina"},
         1,
         "L'importo 0,40" + noStampa},
        {"ambetto controllato come gli altri",
         "estratto=0,6 ambetto=0,4",
         {"--modello", "schedina"},
         1,
         "L'importo 0,40" + noStampa},
        {"ambetto su Mod. MDN",
         "estratto=0,5 ambetto=0,5",
         {"--modello", "mdn"},
         1,
         "L'importo 0,50" + noStampa},
        {"LottoPiù senza importi", "estratto=0,6 ambo=0,4", {"--modello", "lottopiu"}, 0, ""},
        {"ultima oltre le giocate",
         "estratto=1",
         {"--modello", "schedina", "--a", "7"},
         1,
         "Il numero dell'ultima schedina da stampare non è valido!"},
        {"intervallo rovesciato",
         "estratto=1",
         {"--modello", "schedina", "--da", "3", "--a", "2"},
         1,
         "Il numero delle schedine da stampare non è valido!"},
        {"prima non valida",
         "estratto=1",
         {"--modello", "schedina", "--da", "0"},
         1,
         "Il numero della schedina da stampare non è valido!"},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const std::string sistema = file("s.qvs");
        ASSERT_EQ(
            esegui({"crea", "-o", sistema, "--pronostico", "1 2 3 4", "--k", "2", "--importi", r.importi})
                .uscita,
            0);
        ASSERT_EQ(esegui({"sviluppa", sistema, "--sovrascrivi"}).uscita, 0);
        std::vector<std::string> argomenti = {"stampa", sistema, "--segni"};
        argomenti.insert(argomenti.end(), r.opzioni.begin(), r.opzioni.end());
        const Risultato e = esegui(argomenti);
        EXPECT_EQ(e.uscita, r.uscita) << e.err;
        EXPECT_NE(e.err.find(r.messaggio), std::string::npos) << e.err;
    }
    const std::string vuoto = file("vuoto.qvs");
    ASSERT_EQ(esegui({"crea", "-o", vuoto, "--pronostico", "1 2 3", "--k", "2"}).uscita, 0);
    const Risultato e = esegui({"stampa", vuoto, "--modello", "schedina", "--segni"});
    EXPECT_EQ(e.uscita, 1);
    EXPECT_NE(e.err.find("Non ci sono giocate da stampare!"), std::string::npos);
    EXPECT_EQ(esegui({"stampa", vuoto, "--modello", "carta", "--segni"}).uscita, 2);
    EXPECT_EQ(esegui({"stampa", vuoto, "--modello", "biglietto", "--segni"}).uscita, 2);
}

TEST_F(ComandoStampa, PdfDelleSchedineEDellElenco)
{
    const std::string sistema = file("sette.qvs");
    ASSERT_EQ(esegui({"crea", "-o", sistema, "--pronostico", "11 22 33 44 55 66 77", "--k", "6", "--ruote",
                      "Bari Roma", "--importi", "ambo=1"})
                  .uscita,
              0);
    ASSERT_EQ(esegui({"sviluppa", sistema, "--sovrascrivi"}).uscita, 0);

    const std::string schedine = file("schedine.pdf");
    const Risultato s =
        esegui({"stampa", sistema, "--modello", "schedina", "--da", "2", "--a", "4", "-o", schedine});
    ASSERT_EQ(s.uscita, 0) << s.err;
    ASSERT_TRUE(std::filesystem::exists(schedine));
    const std::string carta = file("carta.pdf");
    const Risultato c = esegui({"stampa", sistema, "--modello", "carta", "-o", carta});
    ASSERT_EQ(c.uscita, 0) << c.err;

    const std::string testo = TestoPdf(schedine);
    if (testo.empty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    EXPECT_NE(testo.find("Scheda Nº 2"), std::string::npos) << testo;
    EXPECT_NE(testo.find("Scheda Nº 4"), std::string::npos) << testo;
    EXPECT_EQ(testo.find("Scheda Nº 5"), std::string::npos) << testo;
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\f'), 3); // three pages

    const std::string elenco = TestoPdf(carta);
    EXPECT_NE(elenco.find("Nome del sistema: Sette"), std::string::npos) << elenco;
    EXPECT_NE(elenco.find("Pronostico: 11 22 33 44 55 66 77"), std::string::npos) << elenco;
    EXPECT_NE(elenco.find("Ruote: Bari Roma"), std::string::npos) << elenco;
    EXPECT_NE(elenco.find("Importi: Ambo: 1,00 €"), std::string::npos) << elenco;
    EXPECT_NE(elenco.find("11 22 33 44 55 77"), std::string::npos) << elenco;
    EXPECT_NE(elenco.find("GIOCATA"), std::string::npos) << elenco;
}
