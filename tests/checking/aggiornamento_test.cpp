#include "checking/aggiornamento.h"
#include "checking/testo_rtf.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using namespace aggiornamento;

// The value of an "esl" line: date, then Bari's numbers, then the other ten wheels as given.
std::string Valore(const char* data, const char* bari, const std::string& altre = std::string(100, '0'))
{
    return std::string(data) + bari + altre;
}

TEST(Aggiornamento, IndirizzoConLaDataDellUltimaEstrazione)
{
    ArchivioStorico archivio;
    EXPECT_EQ(IndirizzoAggiornamento("http://server.example", archivio),
              "http://server.example/aggiorna.php?idp=19&ver=51&duel=00000000");
    (void)archivio.InserisciEstrazione(test::estrazione(5, 3, 2009));
    (void)archivio.InserisciEstrazione(test::estrazione(28, 2, 2009));
    EXPECT_EQ(IndirizzoAggiornamento(" http://server.example/lotto// ", archivio),
              "http://server.example/lotto/aggiorna.php?idp=19&ver=51&duel=20090305");
}

TEST(Aggiornamento, IndirizziWeb)
{
    struct Riga
    {
        const char* indirizzo;
        bool web;
    };
    const Riga righe[] = {
        {"http://example.org", true},
        {"HTTPS://example.org/a?b=c", true},
        {"https://example.org:8443/x", true},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)", false},
        {"ftp://example.org/", false},
        {"http://", false},
        {"http:///etc/passwd", false},
        {"http://example.org/a b", false},
        {"http://exa\nmple.org", false},
        {"mailto:a@example.org", false},
        {"", false},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.indirizzo);
        EXPECT_EQ(IndirizzoWeb(r.indirizzo), r.web);
    }
}

TEST(Aggiornamento, AnalisiDellaRisposta)
{
    struct Riga
    {
        const char* nome;
        const char* risposta;
        TipoRisposta tipo;
        const char* indirizzo;
        const char* estrazioni;
        const char* messaggio;
    };
    const Riga righe[] = {
        {"indirizzo del file", " http://s.example/e.txt\r\n", TipoRisposta::FileEstrazioni,
         "http://s.example/e.txt", "", ""},
        {"HTTP maiuscolo", "HTTP://s.example/e.txt", TipoRisposta::Altro, "", "", "HTTP://s.example/e.txt"},
        {"Http misto", "Http://s.example", TipoRisposta::Altro, "", "", "Http://s.example"},
        {"nuova versione con estrazioni", "nnn http://s.example/n.exe nnnddd http://s.example/e.txt dddCiao",
         TipoRisposta::NuovaVersione, "http://s.example/n.exe", "http://s.example/e.txt", "Ciao"},
        {"nuova versione senza estrazioni", "NnN http://s.example/n.exe NNN Ciao",
         TipoRisposta::NuovaVersione, "http://s.example/n.exe", "", " Ciao"},
        {"nuova versione senza chiusura", "nnnhttp://s.example/n.exe", TipoRisposta::NuovaVersione,
         "http://s.example/n.exe", "", ""},
        {"informazione: collegamento non ripulito", "ccc http://s.example cccDDDhttp://e DDDInfo",
         TipoRisposta::Informazione, " http://s.example ", "http://e", "Info"},
        {"ddd senza chiusura", "cccLcccdddhttp://e", TipoRisposta::Informazione, "L", "http://e", ""},
        {"avviso", "KkKhttp://s.examplekkkAttenti", TipoRisposta::Avviso, "http://s.example", "", "Attenti"},
        {"altro", "Server in manutenzione", TipoRisposta::Altro, "", "", "Server in manutenzione"},
        {"marcatore da solo", "nnn", TipoRisposta::NuovaVersione, "", "", ""},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const RispostaServer a = AnalizzaRisposta(r.risposta);
        EXPECT_EQ(a.tipo, r.tipo);
        EXPECT_EQ(a.indirizzo, r.indirizzo);
        EXPECT_EQ(a.estrazioni, r.estrazioni);
        EXPECT_EQ(a.messaggio, r.messaggio);
    }
}

TEST(Aggiornamento, RigaDiEstrazione)
{
    const std::string tutte = "0102030405"
                              "1112131415"
                              "2122232425"
                              "3132333435"
                              "4142434445"
                              "5152535455"
                              "6162636465"
                              "7172737475"
                              "8182838485"
                              "8687888990";
    const auto piena = LeggiRigaEstrazione(Valore("20090305", "9001020304", tutte));
    ASSERT_TRUE(piena.has_value());
    EXPECT_EQ(piena->chiaveData(), 20090305);
    EXPECT_EQ(piena->numero(Bari, 1), 90);
    EXPECT_EQ(piena->numero(Bari, 5), 4);
    EXPECT_EQ(piena->numero(Cagliari, 1), 1);
    EXPECT_EQ(piena->numero(Nazionale, 5), 90);
    // Position-major layout of the record.
    EXPECT_EQ(piena->numeri[1 * RuoteArchivio + 0], 1);

    struct Riga
    {
        const char* nome;
        std::string valore;
        bool valida;
    };
    const Riga righe[] = {
        {"ruote senza dati", Valore("20090305", "0102030405"), true},
        {"caratteri dopo la riga", Valore("20090305", "0102030405") + "  commento", true},
        {"29 febbraio bisestile", Valore("20080229", "0102030405"), true},
        {"corta", Valore("20090305", "0102030405").substr(0, 117), false},
        {"vuota", "", false},
        {"lettera tra le cifre", Valore("2009O305", "0102030405"), false},
        {"segno", Valore("20090305", "-102030405"), false},
        {"numero 91", Valore("20090305", "9102030405"), false},
        {"numero ripetuto", Valore("20090305", "0102030401"), false},
        {"ruota in parte a zero", Valore("20090305", "0102030400"), false},
        {"tutte le ruote a zero", Valore("20090305", "0000000000"), false},
        {"31 febbraio", Valore("20090231", "0102030405"), false},
        {"29 febbraio non bisestile", Valore("21000229", "0102030405"), false},
        {"mese 13", Valore("20091305", "0102030405"), false},
        {"giorno 0", Valore("20090300", "0102030405"), false},
        {"anno 1899", Valore("18991231", "0102030405"), false},
        {"anno 2101", Valore("21010101", "0102030405"), false},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(LeggiRigaEstrazione(r.valore).has_value(), r.valida);
    }
}

TEST(Aggiornamento, FileDelleEstrazioni)
{
    const std::string buona = "esl" + Valore("20090305", "0102030405");
    const std::string file = "\xEF\xBB\xBF" + buona + "\r\n" + // line 1, after a byte-order mark
                             "  ESL" + Valore("20090307", "0607080910") + "  \n" + // line 2
                             "esl2009\r" +                                         // line 3: short, skipped
                             "url\n" + // ignored: nothing after the kind
                             "url http://a.example \n" + "Url http://b.example\n" +
                             "rtf http://m.example/1\n" + "xyz qualcosa\n" + "\n\n" + "es\n" + "esl" +
                             Valore("20091305", "0102030405");
    const FileEstrazioni f = LeggiFileEstrazioni(file);
    ASSERT_EQ(f.estrazioni.size(), 2u);
    EXPECT_EQ(f.estrazioni[0].chiaveData(), 20090305);
    EXPECT_EQ(f.estrazioni[1].numero(Bari, 1), 6);
    EXPECT_EQ(f.righeNonValide, 2);
    EXPECT_EQ(f.primaRigaNonValida, 3);
    EXPECT_EQ(f.url, "http://b.example");
    EXPECT_EQ(f.rtf, "http://m.example/1");

    // Hostile input: binary noise and huge lines give no draw and no crash.
    std::string rumore;
    for (int i = 0; i < 200000; ++i) {
        rumore += static_cast<char>((i * 7919) % 256);
    }
    const FileEstrazioni r = LeggiFileEstrazioni(rumore + "\nesl" + std::string(100000, '9'));
    EXPECT_TRUE(r.estrazioni.empty());
    EXPECT_TRUE(LeggiFileEstrazioni("").estrazioni.empty());
}

TEST(Aggiornamento, UnioneNellArchivio)
{
    ArchivioStorico archivio;
    (void)archivio.InserisciEstrazione(test::estrazione(3, 3, 2009, 1));
    (void)archivio.InserisciEstrazione(test::estrazione(5, 3, 2009, 1));
    const EsitoUnione esito =
        UnisciEstrazioni(archivio, {test::estrazione(7, 3, 2009, 2), test::estrazione(4, 3, 2009, 3),
                                    test::estrazione(5, 3, 2009, 4), test::estrazione(1, 1, 1990, 5)});
    EXPECT_TRUE(esito.modificato);
    EXPECT_EQ(esito.nuove, 3);
    EXPECT_EQ(esito.sostituite, 1);
    ASSERT_EQ(archivio.conteggio(), 5);
    const int attese[] = {19900101, 20090303, 20090304, 20090305, 20090307};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(archivio.estrazione(i + 1).chiaveData(), attese[i]);
    }
    EXPECT_EQ(archivio.estrazione(4).numero(Bari, 1), 4);

    const EsitoUnione nulla = UnisciEstrazioni(archivio, {});
    EXPECT_FALSE(nulla.modificato);
}

TEST(TestoRtf, TestoSempliceSenzaComandi)
{
    struct Riga
    {
        const char* nome;
        std::string rtf;
        std::string testo;
    };
    const Riga righe[] = {
        {"paragrafi",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
         "\\f0\\fs20 Primo\\par\\b Secondo\\b0\\par}",
         "Primo\nSecondo"},
        {"caratteri", "{\\rtf1 Citt\\'e0 \\u8364? euro \\{graffe\\} \\\\ fine}",
         "Città € euro {graffe} \\ fine"},
        {"campo: solo il risultato",
         "{\\rtf1 Vai {\\field{\\*\\fldinst HYPERLINK \"file:///c:/x.exe\"}{\\fldrslt qui}} ora}",
         "Vai qui ora"},
        {"destinazioni ignorabili e oggetti",
         "{\\rtf1 A{\\*\\generator x;}{\\object{\\objdata 0102}}{\\pict 89504e}B}", "AB"},
        {"testo non rtf", "Solo testo", "Solo testo"},
        {"latin-1", "Perch\xE9", "Perché"},
        {"troncato", "{\\rtf1 Ciao\\'", "Ciao"},
        {"gruppi non chiusi", "{\\rtf1 {{{ A", " A"},
        {"graffe chiuse in eccesso", "{\\rtf1 A}}}} B", "A B"},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(TestoDaRtf(r.rtf), r.testo);
    }
    // Deep nesting does not exhaust anything.
    const std::string profondo =
        "{\\rtf1 " + std::string(100000, '{') + "x" + std::string(100000, '}') + "y}";
    EXPECT_EQ(TestoDaRtf(profondo), "y");
}

} // namespace
