#include "cli/comandi.h"

#include "editor/importa_giocate.h"
#include "support/cli_prova.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

// A system of three plays in a temporary folder, and the commands run on it.
class ComandiGiocate : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(esegui({"crea", "-o", file("base.qvs"), "--pronostico", "1 2 3 4 5", "--k", "1"}).uscita,
                  0);
        scrivi("tre.txt", "1 2\n3 4\n5 6\n");
        ASSERT_EQ(esegui({"importa", file("base.qvs"), "--testo", file("tre.txt"), "--sovrascrivi"}).uscita,
                  0);
    }

    void scrivi(const std::string& nome, const std::string& testo)
    {
        std::ofstream(file(nome), std::ios::binary) << testo;
    }
};

} // namespace

TEST_F(ComandiGiocate, ImportaDalleTreFonti)
{
    scrivi("nuove.txt", "3 4\n7 8 9\ngarbage\n");
    std::vector<unsigned char> lpc(importa_giocate::OffsetGiocateLpc + 64, 0);
    lpc[0] = 2;
    lpc[importa_giocate::OffsetConteggioLpc] = 1;
    lpc[importa_giocate::OffsetGiocateLpc] = 40;
    test::ScriviFile(file("esterno.lpc"), lpc);
    ASSERT_EQ(esegui({"crea", "-o", file("altro.qvs"), "--pronostico", "1", "--k", "1"}).uscita, 0);
    scrivi("altre.txt", "1 2\n60 70\n");
    ASSERT_EQ(esegui({"importa", file("altro.qvs"), "--testo", file("altre.txt"), "--sovrascrivi"}).uscita,
              0);

    struct Riga
    {
        const char* nome;
        std::vector<std::string> fonte;
        std::string giocate;
    };
    const Riga righe[] = {
        {"testo", {"--testo", file("nuove.txt")}, "1 2\n3 4\n5 6\n7 8 9\n"},
        {"sistema", {"--sistema", file("altro.qvs")}, "1 2\n3 4\n5 6\n60 70\n"},
        {"lpc", {"--lpc", file("esterno.lpc")}, "1 2\n3 4\n5 6\n40\n"},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        std::vector<std::string> argomenti{"importa", file("base.qvs")};
        argomenti.insert(argomenti.end(), r.fonte.begin(), r.fonte.end());
        argomenti.insert(argomenti.end(), {"-o", file("uscita.qvs")});
        const Risultato esito = esegui(argomenti);
        EXPECT_EQ(esito.uscita, 0) << esito.err;
        EXPECT_EQ(esito.err, "");
        EXPECT_EQ(giocate(file("uscita.qvs")), r.giocate);
        EXPECT_EQ(giocate(file("base.qvs")), "1 2\n3 4\n5 6\n");
    }
}

TEST_F(ComandiGiocate, ImportazioniRifiutateNonScrivonoNulla)
{
    scrivi("vecchie.txt", "2 1\n5 6\n");
    std::vector<unsigned char> ostile(importa_giocate::OffsetGiocateLpc, 0);
    ostile[0] = 2;
    const std::int32_t enorme = 0x7fffffff;
    std::memcpy(ostile.data() + importa_giocate::OffsetConteggioLpc, &enorme, 4);
    test::ScriviFile(file("ostile.lpc"), ostile);
    test::ScriviFile(file("versione.qvs"), {9, 9, 9});
    struct Riga
    {
        const char* nome;
        std::vector<std::string> fonte;
        int uscita;
        std::string err;
    };
    const std::string formato =
        "Questa versione non è compatibile con la versione usata per creare il sistema da aprire.\n";
    const Riga righe[] = {
        {"nessuna nuova",
         {"--testo", file("vecchie.txt")},
         1,
         "Nel file non è stata trovata nessuna nuova giocata valida.\n"
         "Il file di testo deve contenere una sola giocata per riga.\n"
         "Le giocate non possono avere più di dieci numeri (separati da almeno uno spazio o un segno di "
         "tabulazione).\n"},
        {"conteggio ostile", {"--lpc", file("ostile.lpc")}, 1, formato},
        {"versione sbagliata", {"--sistema", file("versione.qvs")}, 1, formato},
        {"file mancante",
         {"--testo", file("manca.txt")},
         1,
         "Impossibile leggere il file: " + file("manca.txt") + "\n"},
        {"due fonti", {"--testo", file("vecchie.txt"), "--lpc", file("ostile.lpc")}, 2, ""},
        {"nessuna fonte", {}, 2, ""},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        std::vector<std::string> argomenti{"importa", file("base.qvs")};
        argomenti.insert(argomenti.end(), r.fonte.begin(), r.fonte.end());
        argomenti.insert(argomenti.end(), {"-o", file("uscita.qvs")});
        const Risultato esito = esegui(argomenti);
        EXPECT_EQ(esito.uscita, r.uscita);
        if (r.uscita == 1) {
            EXPECT_EQ(esito.err, r.err);
        }
        EXPECT_FALSE(std::filesystem::exists(file("uscita.qvs")));
    }
}

TEST_F(ComandiGiocate, EsportaScriveIlTestoOLoDiceQuandoNonPuo)
{
    Risultato esito = esegui({"esporta", file("base.qvs"), file("giocate.txt")});
    EXPECT_EQ(esito.uscita, 0);
    EXPECT_EQ(esito.err, "Giocate salvate con successo.\n");
    std::ifstream in(file("giocate.txt"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "1 2\n3 4\n5 6\n");

    esito = esegui({"esporta", file("base.qvs"), file("manca/giocate.txt")});
    EXPECT_EQ(esito.uscita, 1);
    EXPECT_EQ(esito.err, "Si è verificato un errore durante la scrittura del file di testo!\n"
                         "Impossibile scrivere sul disco.\n"
                         "Le giocate non sono state salvate.\n");

    ASSERT_EQ(esegui({"crea", "-o", file("vuoto.qvs"), "--pronostico", "1", "--k", "1"}).uscita, 0);
    esito = esegui({"esporta", file("vuoto.qvs"), file("vuoto.txt")});
    EXPECT_EQ(esito.uscita, 1);
    EXPECT_EQ(esito.err, "Non ci sono giocate da salvare!\n");
    EXPECT_EQ(esegui({"esporta", file("base.qvs")}).uscita, 2);
}

TEST_F(ComandiGiocate, Pronostico)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::string> azione;
        int uscita;
        std::string pronostico; // the first line of "info" afterwards
        std::string err;
    };
    const Riga righe[] = {
        {"dalle giocate", {"--da-giocate"}, 0, "Pronostico: 6 numeri", ""},
        {"svuota", {"--svuota"}, 0, "Pronostico: 0 numeri", ""},
        {"aggiunge a caso", {"--aggiungi-casuali", "4", "--seme", "1"}, 0, "Pronostico: 9 numeri", ""},
        {"elimina a caso", {"--elimina-casuali", "5", "--seme", "1"}, 0, "Pronostico: 0 numeri", ""},
        {"troppi a caso",
         {"--elimina-casuali", "6", "--seme", "1"},
         1,
         "",
         "Il valore inserito non è valido.\nIndicare un numero compreso tra 1 e 5\n"},
        {"piu probabili oltre i liberi", {"--aggiungi-probabili", "500"}, 0, "Pronostico: 90 numeri", ""},
        {"meno probabili", {"--elimina-meno-probabili", "2"}, 0, "Pronostico: 3 numeri", ""},
        {"quantita zero",
         {"--aggiungi-probabili", "0"},
         1,
         "",
         "Il valore inserito non è valido.\nIndicare un numero compreso tra 1 e 85\n"},
        {"seme senza casuali", {"--svuota", "--seme", "3"}, 2, "", ""},
        {"due operazioni", {"--svuota", "--da-giocate"}, 2, "", ""},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        std::filesystem::remove(file("uscita.qvs"));
        std::vector<std::string> argomenti{"pronostico", file("base.qvs")};
        argomenti.insert(argomenti.end(), r.azione.begin(), r.azione.end());
        argomenti.insert(argomenti.end(), {"-o", file("uscita.qvs")});
        const Risultato esito = esegui(argomenti);
        EXPECT_EQ(esito.uscita, r.uscita) << esito.err;
        if (r.uscita == 0) {
            EXPECT_EQ(esito.err, "");
            const std::string info = esegui({"info", file("uscita.qvs")}).out;
            EXPECT_EQ(info.substr(0, info.find('\n')), r.pronostico);
        } else {
            EXPECT_FALSE(std::filesystem::exists(file("uscita.qvs")));
            if (r.uscita == 1) {
                EXPECT_EQ(esito.err, r.err);
            }
        }
    }
}

TEST_F(ComandiGiocate, NumeriCasualiRiproducibiliColSeme)
{
    for (const char* uscita : {"a.qvs", "b.qvs"}) {
        ASSERT_EQ(esegui({"pronostico", file("base.qvs"), "--aggiungi-casuali", "20", "--seme", "777", "-o",
                          file(uscita)})
                      .uscita,
                  0);
    }
    EXPECT_EQ(test::LeggiFile(file("a.qvs")), test::LeggiFile(file("b.qvs")));
}
