#include "reducers/elenco_riduttori.h"
#include "reducers/riduttore_personale.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using test::giocata;

std::vector<std::string> Giocate(const RiduttorePersonale& r)
{
    std::vector<std::string> v;
    for (const Tipo_Giocata& g : r.giocate) {
        v.push_back(TestoGiocata(g));
    }
    return v;
}

void Scrivi(const std::string& percorso, const std::string& testo)
{
    std::ofstream(percorso, std::ios::binary) << testo;
}

TEST(RiduttorePersonale, ValidazioneDelleRigheDigitate)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::string> righe;
        int m;                            // 0: refused
        std::vector<std::string> giocate; // positions
        std::string messaggio;
        int rigaErrata;
    };
    const std::vector<Riga> righe = {
        {"numeri in posizioni", {"5 17 33", "17 33 80"}, 4, {"1 2 3", "2 3 4"}, "", -1},
        {"ripetute e ordine diverso", {"3 1 2", "", "1 2 3", "  1\t2 3 "}, 3, {"1 2 3"}, "", -1},
        {"una sola giocata", {"90"}, 1, {"1"}, "", -1},
        {"undici numeri",
         {"1 2", "1 2 3 4 5 6 7 8 9 10 11"},
         0,
         {},
         "La giocata \"1 2 3 4 5 6 7 8 9 10 11\" non è valida.\rCorreggere e riprovare.",
         1},
        {"numero 91", {" 4 91 "}, 0, {}, "La giocata \"4 91\" non è valida.\rCorreggere e riprovare.", 0},
        {"numero ripetuto",
         {"1 2", "", "7 7"},
         0,
         {},
         "La giocata \"7 7\" non è valida.\rCorreggere e riprovare.",
         2},
        {"nessuna giocata", {"", "  "}, 0, {}, "Inserire almeno una giocata valida.", -1},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const EsitoValidazioneRiduttore esito = ValidaRigheRiduttore(r.righe, "c");
        if (r.m == 0) {
            ASSERT_FALSE(esito.valida());
            EXPECT_EQ(esito.errore->testo, r.messaggio);
            EXPECT_EQ(esito.errore->titolo, "Attenzione");
            EXPECT_EQ(esito.rigaErrata, r.rigaErrata);
            continue;
        }
        ASSERT_TRUE(esito.valida());
        EXPECT_EQ(esito.riduttore.m, r.m);
        EXPECT_EQ(Giocate(esito.riduttore), r.giocate);
        EXPECT_EQ(static_cast<int>(esito.numeri.size()), r.m);
    }
}

TEST(RiduttorePersonale, IlFileRiletto)
{
    test::CartellaTemporanea cartella;
    EsitoValidazioneRiduttore v =
        ValidaRigheRiduttore({"5 17 33", "17 33 80"}, "prima riga\r\nseconda  \n\n");
    ASSERT_TRUE(v.valida());
    const std::string percorso = cartella.file("prova.rid");
    ASSERT_TRUE(ScriviFileRiduttore(percorso, v.riduttore));
    const auto byte = test::LeggiFile(percorso);
    EXPECT_EQ(
        std::string(byte.begin(), byte.end()),
        "<<1>>\r\n4\r\n2\r\n<</1>>\r\n<<2>>\r\nprima riga\r\nseconda\r\n<</2>>\r\n<<3>>\r\n1 2 3\r\n2 3 4\r\n"
        "<</3>>\r\n");
    const EsitoLetturaRiduttore letto = LeggiFileRiduttore(percorso);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto.riduttore.m, 4);
    EXPECT_EQ(letto.riduttore.p, 2);
    EXPECT_EQ(letto.riduttore.commenti, "prima riga\nseconda");
    EXPECT_EQ(letto.riduttore.giocate, v.riduttore.giocate);

    // Comment lines that read as markers cannot cut the sections of the saved file.
    v.riduttore.commenti = "a\n<<3>>\n1 2 3\n <</2>> ";
    const EsitoLetturaRiduttore riletto = LeggiTestoRiduttore(TestoRiduttore(v.riduttore));
    EXPECT_EQ(riletto.riduttore.giocate, v.riduttore.giocate);
    EXPECT_EQ(riletto.riduttore.commenti, "a\n'<<3>>\n1 2 3\n' <</2>>");

    // No comment writes one empty line, read back as none.
    v.riduttore.commenti.clear();
    EXPECT_NE(TestoRiduttore(v.riduttore).find("<<2>>\r\n\r\n<</2>>"), std::string::npos);
    EXPECT_EQ(LeggiTestoRiduttore(TestoRiduttore(v.riduttore)).riduttore.commenti, "");
}

TEST(RiduttorePersonale, FileScrittiAMano)
{
    struct Riga
    {
        const char* nome;
        std::string testo;
        bool letto;
        std::vector<std::string> giocate;
        int scartate;
    };
    const std::vector<Riga> righe = {
        {"sezioni senza chiusura, righe LF", "<<1>>\n3\n9\n<<3>>\n1 2\n 2 3 \n", true, {"1 2", "2 3"}, 0},
        {"posizioni oltre m e zero scartate",
         "<<1>>\r\n3\r\n3\r\n<</1>>\r\n<<3>>\r\n1 4\r\n0 1\r\nx\r\n3 1\r\n<</3>>",
         true,
         {"1 3"},
         3},
        {"righe dopo la chiusura ignorate", "<<1>>\n2\n1\n<<3>>\n1 2\n<</3>>\n1\n", true, {"1 2"}, 0},
        // The plays were read into the comments too, and read twice once the file was saved again.
        {"commenti senza chiusura", "<<1>>\n6\n1\n<<2>>\nnota\n<<3>>\n1 2 3\n", true, {"1 2 3"}, 0},
        {"testo prima dell'intestazione", "ciao\n<<1>>\n2\n1\n<<3>>\n2\n", true, {"2"}, 0},
        {"senza intestazione", "<<3>>\n1 2\n", false, {}, 0},
        {"m non intero", "<<1>>\nsei\n1\n", false, {}, 0},
        {"p mancante (troncato)", "<<1>>\n6", false, {}, 0},
        {"m fuori da 1..90", "<<1>>\n91\n1\n", false, {}, 0},
        {"vuoto", "", false, {}, 0},
        {"binario", std::string("<<1>>\n2\n1\n\0\x01", 11), false, {}, 0},
        {"riga troppo lunga",
         "<<1>>\n2\n1\n<<2>>\n" + std::string(LunghezzaMassimaRiga + 1, 'a'),
         false,
         {},
         0},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const EsitoLetturaRiduttore esito = LeggiTestoRiduttore(r.testo);
        ASSERT_EQ(esito.letto, r.letto);
        if (r.letto) {
            EXPECT_EQ(Giocate(esito.riduttore), r.giocate);
            EXPECT_EQ(esito.righeScartate, r.scartate);
        } else {
            EXPECT_FALSE(esito.errore.empty());
        }
    }
}

TEST(RiduttorePersonale, TestoCasualeNonFaDanni)
{
    std::mt19937 gen(17);
    const std::string alfabeto = "<</>>123\r\n 0987 ";
    for (int i = 0; i < 2000; ++i) {
        std::string t(gen() % 200, ' ');
        for (char& c : t) {
            c = (i % 2 == 0) ? alfabeto[gen() % alfabeto.size()] : static_cast<char>(gen() % 256);
        }
        const EsitoLetturaRiduttore esito = LeggiTestoRiduttore(t);
        if (esito) {
            for (const Tipo_Giocata& g : esito.riduttore.giocate) {
                ASSERT_LE(g[static_cast<std::size_t>(NumeriGiocata(g) - 1)], esito.riduttore.m);
            }
        }
    }
}

TEST(ElencoRiduttori, CartellaConFileBuoniECattivi)
{
    test::CartellaTemporanea cartella;
    const auto valido = [](int m, int p) {
        return "<<1>>\r\n" + std::to_string(m) + "\r\n" + std::to_string(p) +
               "\r\n<</1>>\r\n<<3>>\r\n1\r\n<</3>>\r\n";
    };
    Scrivi(cartella.file("b.rid"), valido(7, 12));
    Scrivi(cartella.file("a.RID"), valido(8, 3));
    Scrivi(cartella.file("c.rid"), valido(7, 100));
    Scrivi(cartella.file("rotto.rid"), "<<1>>\nx\n");
    Scrivi(cartella.file("binario.rid"), std::string("\0\0\0\0", 4));
    Scrivi(cartella.file("altro.txt"), valido(7, 1));
    std::filesystem::create_directory(cartella.file("cartella.rid"));
    // A large file whose header is far from the top is not read to its end.
    Scrivi(cartella.file("grande.rid"), std::string(200000, '\n') + valido(5, 5));

    std::vector<VoceRiduttore> elenco = ElencoRiduttori(cartella.cartella());
    ASSERT_EQ(elenco.size(), 3u);
    EXPECT_EQ(elenco[0].nomeFile, "a.RID");
    EXPECT_EQ(elenco[0].nome(), "a");
    EXPECT_EQ(elenco[1].nomeFile, "b.rid");
    EXPECT_EQ(elenco[1].m, 7);
    EXPECT_EQ(elenco[1].p, 12);

    const std::vector<VoceRiduttore> sette = RiduttoriApplicabili(elenco, 7);
    ASSERT_EQ(sette.size(), 2u);
    EXPECT_EQ(sette[0].nomeFile, "b.rid");
    EXPECT_EQ(sette[1].nomeFile, "c.rid");

    OrdinaRiduttori(elenco, ColonnaRiduttori::Giocate, false);
    EXPECT_EQ(elenco[0].p, 100);
    EXPECT_EQ(elenco[2].p, 3);
    OrdinaRiduttori(elenco, ColonnaRiduttori::Dimensione, true);
    EXPECT_EQ(elenco[2].m, 8);

    ASSERT_TRUE(EliminaFileRiduttore(elenco[2].percorso));
    EXPECT_EQ(ElencoRiduttori(cartella.cartella()).size(), 2u);
    EXPECT_FALSE(EliminaFileRiduttore(elenco[2].percorso));
    EXPECT_TRUE(ElencoRiduttori(cartella.file("manca")).empty());
}

TEST(ElencoRiduttori, NomiDiFile)
{
    for (const char* buono : {"Prova", "riduttore 10 numeri", "a-b_c", "àèì"}) {
        EXPECT_TRUE(NomeRiduttoreValido(buono)) << buono;
    }
    for (const char* cattivo : {"", "../fuori", "a/b", "a\\b", "..", "c:x", "a?", "a*", "fine.", " inizio",
                                "fine ", "a\tb", "a\"b"}) {
        EXPECT_FALSE(NomeRiduttoreValido(cattivo)) << cattivo;
    }
    EXPECT_FALSE(NomeRiduttoreValido(std::string(201, 'a')));
}

} // namespace
