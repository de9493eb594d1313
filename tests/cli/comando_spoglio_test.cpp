#include "cli/comandi.h"
#include "editor/file_sistema.h"

#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using Esito = test::EsitoRigaComando;

const std::string Separatore(74, '-');

std::string Riepilogo(const std::string& ambo, const std::string& totale)
{
    return "Cinquina\t0\t0,00\nQuaterna\t0\t0,00\nTerno\t0\t0,00\nAmbo\t" + ambo +
           "\nAmbetto\t0\t0,00\nEstratto\t0\t0,00\nEstratto determinato\t0\t0,00\n\t\t\nTOTALE\t" + totale +
           "\n";
}

// The data folder starts empty, so the archive is the one shipped with the program. The system is the
// development in pairs of 2 10 20 47 67 on Roma and Tutte, ambo 1 €: (2,47) is play 3, (2,67) play 4,
// (47,67) play 10.
class ComandoSpoglio : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(esegui({"crea", "-o", sistema(), "--pronostico", "2 10 20 47 67", "--k", "2", "--ruote",
                          "Roma Tutte", "--importi", "ambo=1"})
                      .uscita,
                  0);
        ASSERT_EQ(esegui({"sviluppa", sistema(), "--sovrascrivi"}).uscita, 0);
    }

    std::string sistema() const { return file("coppie.qvs"); }
};

// The 55 numbers of a day of the shipped archive, wheel by wheel, as --numeri takes them ("-" for a wheel
// without data).
std::string NumeriDelTesto(const std::string& data)
{
    const char* sorgenti = std::getenv("QUARVIN_SORGENTI");
    if (sorgenti == nullptr) {
        return {};
    }
    const char* sigle[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE", "RN"};
    std::string numeri;
    for (const char* sigla : sigle) {
        std::ifstream testo(std::string(sorgenti) + "/data/storico.txt");
        std::string riga;
        std::string ruota = " - - - - -";
        while (std::getline(testo, riga)) {
            if (riga.rfind(data + "\t" + sigla + "\t", 0) == 0) {
                ruota.clear();
                std::istringstream campi(riga.substr(data.size() + 4));
                for (std::string n; campi >> n;) {
                    ruota += " " + n;
                }
            }
        }
        numeri += ruota;
    }
    return numeri.substr(1);
}

} // namespace

TEST_F(ComandoSpoglio, EstrazioneDellArchivioDistribuito)
{
    const std::string roma =
        " Ruota: Roma" + std::string(10, ' ') + "Nº Ambi indovinati: 1" + std::string(7, ' ');
    std::string atteso = Separatore + "\n";
    for (const char* giocata : {"3", "4", "10"}) {
        atteso += std::string("Giocata Nº ") + giocata + "\n" + roma + "Vincita: 250,00 Euro\n" + roma +
                  "Vincita: 25,00 Euro\n" + Separatore + "\n";
    }
    atteso += std::string(43, ' ') + "VINCITA TOTALE: 825,00 Euro\n" + Riepilogo("6\t825,00", "6\t825,00");
    const Esito r = esegui({"spoglio", sistema(), "--data", "30/05/2026"});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.out, atteso);
    EXPECT_EQ(r.err, "");

    // The same draw typed in gives the same report.
    const std::string numeri = NumeriDelTesto("2026/05/30");
    ASSERT_NE(numeri.find(" 84 23 40 15 24 77 72 73 56 83"), std::string::npos)
        << numeri; // Venezia, Nazionale
    const Esito digitata = esegui({"spoglio", sistema(), "--numeri", numeri});
    EXPECT_EQ(digitata.uscita, 0) << digitata.err;
    EXPECT_EQ(digitata.out, atteso);

    // A draw of 1990 has no Nazionale: its empty cells match nothing and the check runs. Napoli holds 47
    // and 67, paid through Tutte.
    const std::string numeri1990 = NumeriDelTesto("1990/01/08");
    ASSERT_GT(numeri1990.size(), 9u);
    EXPECT_EQ(numeri1990.substr(numeri1990.size() - 9), "- - - - -");
    const Esito vecchia = esegui({"spoglio", sistema(), "--data", "8/1/1990"});
    EXPECT_EQ(vecchia.uscita, 0) << vecchia.err;
    EXPECT_EQ(vecchia.out, Separatore + "\nGiocata Nº 10\n Ruota: Napoli" + std::string(8, ' ') +
                               "Nº Ambi indovinati: 1" + std::string(7, ' ') + "Vincita: 25,00 Euro\n" +
                               Separatore + "\n" + std::string(43, ' ') + "VINCITA TOTALE: 25,00 Euro\n" +
                               Riepilogo("1\t25,00", "1\t25,00"));
}

TEST_F(ComandoSpoglio, RifiutiEdErroriDUso)
{
    ASSERT_EQ(
        esegui({"crea", "-o", file("vuoto.qvs"), "--pronostico", "1 2 3", "--k", "2", "--importi", "ambo=1"})
            .uscita,
        0);
    // A stake the window refuses (0,07 is no accepted amount) can only come from a file written elsewhere.
    ASSERT_EQ(esegui({"crea", "-o", file("importi.qvs"), "--pronostico", "1 2 3", "--k", "2", "--importi",
                      "ambo=1"})
                  .uscita,
              0);
    {
        Sistema s;
        s.nomeFile = file("importi.qvs");
        ElencoGiocate elenco;
        ASSERT_TRUE(LeggiSistema(s, elenco).ok());
        s.importi[Ambo - 1] = 0.07;
        ASSERT_TRUE(ScriviSistema(s, elenco).ok());
    }
    ASSERT_EQ(esegui({"sviluppa", file("importi.qvs"), "--sovrascrivi"}).uscita, 0);
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
        std::string err; // expected start of standard error
    };
    const std::vector<Riga> righe = {
        {"zero",
         {"spoglio", sistema(), "--numeri", "0 1 2 3 4"},
         1,
         "La ruota \"Bari\" contiene dei valori non validi!\n"},
        {"oltre 90",
         {"spoglio", sistema(), "--numeri", "- - - - - 1 2 3 4 91"},
         1,
         "La ruota \"Cagliari\" contiene dei valori non validi!\n"},
        {"numeri uguali",
         {"spoglio", sistema(), "--numeri", "1 2 3 4 5 6 7 8 9 6"},
         1,
         "Alcuni numeri della ruota \"Cagliari\" sono identici!\n"},
        {"nessun numero",
         {"spoglio", sistema(), "--numeri", "- - -"},
         1,
         "Inserire i numeri dell'estrazione da utilizzare per lo spoglio.\n"},
        {"data non valida",
         {"spoglio", sistema(), "--data", "31/02"},
         1,
         "La data inserita non è valida. Usare il formato gg/mm/aaaa (es: 30/06/2003)\n"},
        {"data assente",
         {"spoglio", sistema(), "--data", "2/1/1939"},
         1,
         "L'archivio storico non contiene l'estrazione del 2/1/1939.\n"},
        {"senza giocate",
         {"spoglio", file("vuoto.qvs"), "--numeri", "1 2 3 4 5"},
         1,
         "Non ci sono giocate da controllare!\n"},
        {"importi non validi",
         {"spoglio", file("importi.qvs"), "--numeri", "1 2 3 4 5"},
         1,
         "Alcuni importi non sono validi. L'importo minimo per giocata è 1,00 €\n"},
        {"file mancante", {"spoglio", file("manca.qvs"), "--numeri", "1 2 3 4 5"}, 1, ""},
        {"senza estrazione",
         {"spoglio", sistema()},
         2,
         "quarvin-cli: indicare l'estrazione con --data oppure con --numeri\n"},
        {"due estrazioni",
         {"spoglio", sistema(), "--data", "30/05/2026", "--numeri", "1"},
         2,
         "quarvin-cli: indicare l'estrazione con --data oppure con --numeri\n"},
        {"senza file", {"spoglio", "--numeri", "1"}, 2, "quarvin-cli: manca il file del sistema\n"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const Esito r = esegui(riga.argomenti);
        EXPECT_EQ(r.uscita, riga.uscita) << r.err;
        EXPECT_EQ(r.err.substr(0, riga.err.size()), riga.err);
        if (riga.uscita != 0) {
            EXPECT_EQ(r.out, "");
        }
    }

    std::string troppi;
    for (int i = 1; i <= 56; ++i) {
        troppi += std::to_string(i) + " ";
    }
    const Esito r = esegui({"spoglio", sistema(), "--numeri", troppi});
    EXPECT_EQ(r.uscita, 2);
    EXPECT_EQ(r.err.rfind("quarvin-cli: --numeri accetta al massimo 55 numeri", 0), 0u) << r.err;
}
