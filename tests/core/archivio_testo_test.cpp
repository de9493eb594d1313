#include "core/archivio_testo.h"
#include "core/file_binario.h"
#include "core/messaggi_archivio.h"
#include "support/cartella_temporanea.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

using test::estrazione;

namespace {

std::string SorgentiDati(const std::string& nome)
{
    const char* radice = std::getenv("QUARVIN_SORGENTI");
    return std::string(radice != nullptr ? radice : ".") + "/data/" + nome;
}

std::string Numeri(const Tipo_Estrazione& e, int w)
{
    std::string s;
    for (int p = 1; p <= 5; ++p) {
        s += (p > 1 ? " " : "") + std::to_string(e.numero(w, p));
    }
    return s;
}

int RuoteConDati(const Tipo_Estrazione& e)
{
    int n = 0;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        n += e.haDati(w) ? 1 : 0;
    }
    return n;
}

const Tipo_Estrazione* Cerca(const ArchivioStorico& a, std::int32_t chiave)
{
    const std::int32_t i = a.indiceData(chiave);
    return i == 0 ? nullptr : &a.estrazione(i);
}

} // namespace

TEST(ArchivioTesto, RigheValideEScartate)
{
    const std::string buona = "2003/06/30\tMI\t7\t45\t3\t90\t1\n";
    struct Riga
    {
        const char* nome;
        std::string testo;
        std::int32_t scartate;
        std::vector<std::int32_t> righeScartate;
    };
    const std::vector<Riga> righe = {
        {"solo la buona", buona, 0, {}},
        {"BOM e CRLF",
         "\xEF\xBB\xBF"
         "2003/06/30\tMI\t7\t45\t3\t90\t1\r\n",
         0,
         {}},
        {"senza a capo finale", "2003/06/30\tMI\t7\t45\t3\t90\t1", 0, {}},
        {"righe vuote", "\n  \r\n" + buona + "\n\t\n", 0, {}},
        {"riga ripetuta identica", buona + buona, 0, {}},
        {"numeri con zero davanti", "2003/06/30\tMI\t07\t45\t03\t90\t01\n", 0, {}},
        {"sei campi", buona + "2003/06/30\tRM\t1\t2\t3\t4\n", 1, {2}},
        {"otto campi", buona + "2003/06/30\tRM\t1\t2\t3\t4\t5\t6\n", 1, {2}},
        {"tabulazione finale", buona + "2003/06/30\tRM\t1\t2\t3\t4\t5\t\n", 1, {2}},
        {"spazi al posto delle tabulazioni", buona + "2003/06/30 RM 1 2 3 4 5\n", 1, {2}},
        {"29 febbraio non bisestile", buona + "2003/02/29\tRM\t1\t2\t3\t4\t5\n", 1, {2}},
        {"31 aprile", buona + "2003/04/31\tRM\t1\t2\t3\t4\t5\n", 1, {2}},
        {"mese 13", buona + "2003/13/01\tRM\t1\t2\t3\t4\t5\n", 1, {2}},
        {"anno 1899", buona + "1899/12/31\tRM\t1\t2\t3\t4\t5\n", 1, {2}},
        {"data italiana", buona + "30/06/2003\tRM\t1\t2\t3\t4\t5\n", 1, {2}},
        {"ruota sconosciuta", buona + "2003/06/30\tXX\t1\t2\t3\t4\t5\n", 1, {2}},
        {"ruota minuscola", buona + "2003/06/30\trm\t1\t2\t3\t4\t5\n", 1, {2}},
        {"numero 0", buona + "2003/06/30\tRM\t0\t2\t3\t4\t5\n", 1, {2}},
        {"numero 91", buona + "2003/06/30\tRM\t1\t2\t91\t4\t5\n", 1, {2}},
        {"numero con segno", buona + "2003/06/30\tRM\t+1\t2\t3\t4\t5\n", 1, {2}},
        {"numero vuoto", buona + "2003/06/30\tRM\t1\t\t3\t4\t5\n", 1, {2}},
        {"numero ripetuto", buona + "2003/06/30\tRM\t1\t2\t3\t4\t1\n", 1, {2}},
        {"ruota data due volte diversa", buona + "2003/06/30\tMI\t7\t45\t3\t90\t2\n", 1, {2}},
        {"riga lunghissima", buona + std::string(100000, '9') + "\n", 1, {2}},
        {"solo spazzatura binaria", std::string("\0\x01\xFF\n", 4) + buona, 1, {1}},
        {"prime cinque righe ricordate", "x\n" + buona + "x\n\nx\nx\nx\nx\nx\n", 7, {1, 3, 5, 6, 7}},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ArchivioStorico a;
        const EsitoImportazioneTesto esito = ImportaArchivioTesto(riga.testo, a);
        EXPECT_TRUE(esito.letto);
        EXPECT_EQ(esito.righeScartate, riga.scartate);
        EXPECT_EQ(esito.primeRigheScartate, riga.righeScartate);
        ASSERT_EQ(a.conteggio(), 1);
        EXPECT_EQ(esito.aggiunte, 1);
        const Tipo_Estrazione& e = a.estrazione(1);
        EXPECT_EQ(e.chiaveData(), 20030630);
        EXPECT_EQ(Numeri(e, Milano), "7 45 3 90 1");
        EXPECT_EQ(RuoteConDati(e), 1) << "a bad line fills nothing";
    }
}

TEST(ArchivioTesto, DescrizioneDelRisultato)
{
    ArchivioStorico a;
    const EsitoImportazioneTesto esito =
        ImportaArchivioTesto("x\n2003/06/30\tMI\t7\t45\t3\t90\t1\n2003/07/05\tBA\t1\t2\t3\t4\t5\ny\n", a);
    EXPECT_EQ(esito.descrizione(), "Estrazioni aggiunte: 2\rEstrazioni aggiornate: 0\r"
                                   "Righe non valide ignorate: 2 (righe 1, 4)");
}

TEST(ArchivioTesto, UnisceAlleEstrazioniPresenti)
{
    ArchivioStorico a;
    a.InserisciEstrazione(estrazione(1, 6, 2003, 10));
    a.InserisciEstrazione(estrazione(8, 6, 2003, 20));

    // A wheel added to an existing date, a wheel changed, a date in between, one after the last.
    EsitoImportazioneTesto esito = ImportaArchivioTesto("2003/06/01\tRN\t5\t4\t3\t2\t1\n"
                                                        "2003/06/04\tCA\t9\t8\t7\t6\t5\n"
                                                        "2003/06/08\tBA\t20\t21\t22\t23\t25\n"
                                                        "2003/06/10\tTO\t1\t2\t3\t4\t5\n",
                                                        a);
    EXPECT_EQ(esito.aggiunte, 2);
    EXPECT_EQ(esito.aggiornate, 2);
    EXPECT_TRUE(esito.modificato());
    ASSERT_EQ(a.conteggio(), 4);
    EXPECT_EQ(Numeri(a.estrazione(1), Bari), "10 11 12 13 14") << "wheels not in the text stay";
    EXPECT_EQ(Numeri(a.estrazione(1), Nazionale), "5 4 3 2 1") << "numbers kept in extraction order";
    EXPECT_EQ(Numeri(a.estrazione(2), Cagliari), "9 8 7 6 5");
    EXPECT_EQ(RuoteConDati(a.estrazione(2)), 1);
    EXPECT_EQ(Numeri(a.estrazione(3), Bari), "20 21 22 23 25");
    EXPECT_EQ(a.estrazione(4).chiaveData(), 20030610);

    // The same text again changes nothing.
    esito = ImportaArchivioTesto("2003/06/01\tRN\t5\t4\t3\t2\t1\n2003/06/10\tTO\t1\t2\t3\t4\t5\n", a);
    EXPECT_EQ(esito.aggiunte, 0);
    EXPECT_EQ(esito.aggiornate, 0);
    EXPECT_FALSE(esito.modificato());
}

TEST(ArchivioTesto, ArchivioPienoRifiutaLeDateNuove)
{
    ArchivioStorico a;
    for (int n = 0; n < ArchivioStorico::Capacita; ++n) {
        a.InserisciEstrazione(test::estrazioneNumero(n));
    }
    const EsitoImportazioneTesto esito = ImportaArchivioTesto("2050/01/01\tBA\t1\t2\t3\t4\t5\n"
                                                              "2050/01/02\tBA\t1\t2\t3\t4\t5\n"
                                                              "1900/01/01\tRM\t1\t2\t3\t4\t5\n",
                                                              a);
    EXPECT_EQ(a.conteggio(), ArchivioStorico::Capacita);
    EXPECT_EQ(esito.aggiunte, 0);
    EXPECT_EQ(esito.aggiornate, 1);
    EXPECT_EQ(esito.rifiutate, 2);
    EXPECT_EQ(esito.primaRifiutata, 20500101);
    EXPECT_EQ(esito.descrizione(), std::string("Estrazioni aggiunte: 0\rEstrazioni aggiornate: 1\r") +
                                       messaggi_archivio::ArchivioPieno + "\rEstrazioni non inserite: 2");
}

TEST(ArchivioTesto, EsportaNelFormatoUfficiale)
{
    ArchivioStorico a;
    Tipo_Estrazione e = estrazione(4, 5, 2005, 10);
    for (int p = 1; p <= 5; ++p) {
        e.setNumero(Nazionale, p, static_cast<std::uint8_t>(80 - p));
        e.setNumero(Torino, p, static_cast<std::uint8_t>(p));
        e.setNumero(Roma, p, static_cast<std::uint8_t>(50 + p));
    }
    a.InserisciEstrazione(e);
    a.InserisciEstrazione(estrazione(7, 1, 1939, 58));
    EXPECT_EQ(EsportaArchivioTesto(a), "1939/01/07\tBA\t58\t59\t60\t61\t62\n"
                                       "2005/05/04\tBA\t10\t11\t12\t13\t14\n"
                                       "2005/05/04\tRM\t51\t52\t53\t54\t55\n"
                                       "2005/05/04\tRN\t79\t78\t77\t76\t75\n"
                                       "2005/05/04\tTO\t1\t2\t3\t4\t5\n");
    EXPECT_EQ(EsportaArchivioTesto(ArchivioStorico()), "");
}

TEST(ArchivioTesto, FileIlleggibili)
{
    test::CartellaTemporanea cartella;
    ArchivioStorico a;
    EsitoImportazioneTesto esito = ImportaFileArchivioTesto(cartella.file("manca.txt"), a);
    EXPECT_FALSE(esito.letto);
    EXPECT_EQ(esito.testo, "Impossibile aprire il file " + cartella.file("manca.txt"));

    const std::string enorme = cartella.file("enorme.txt");
    test::ScriviFile(enorme, {'x'});
    std::filesystem::resize_file(enorme, archivio_testo::DimensioneMassima + 1);
    esito = ImportaFileArchivioTesto(enorme, a);
    EXPECT_FALSE(esito.letto);
    EXPECT_EQ(esito.testo, "Il file è troppo grande per essere un archivio delle estrazioni: " + enorme);
    EXPECT_TRUE(a.vuoto());

    EXPECT_FALSE(SalvaArchivioTesto(cartella.file("manca/uscita.txt"), a));
}

// The archive shipped with the program, imported whole.
TEST(ArchivioTesto, ArchivioUfficialeDistribuito)
{
    const std::string percorso = SorgentiDati("storico.txt");
    ArchivioStorico a;
    const EsitoImportazioneTesto esito = ImportaFileArchivioTesto(percorso, a);
    ASSERT_TRUE(esito.letto) << esito.testo;
    EXPECT_EQ(esito.righe, 76428);
    EXPECT_EQ(esito.righeScartate, 0);
    EXPECT_EQ(esito.aggiunte, 7323);
    ASSERT_EQ(a.conteggio(), 7323);
    EXPECT_EQ(TestoData(a.estrazione(1)), "07/01/1939");
    EXPECT_EQ(TestoData(a.estrazione(a.conteggio())), "30/05/2026");

    // Nazionale begins on 4 May 2005 and is in every draw from then on.
    const std::int32_t inizioNazionale = a.indiceData(20050504);
    ASSERT_NE(inizioNazionale, 0);
    EXPECT_EQ(Numeri(a.estrazione(inizioNazionale), Nazionale), "72 12 42 57 31");
    for (std::int32_t i = 1; i <= a.conteggio(); ++i) {
        ASSERT_EQ(a.estrazione(i).haDati(Nazionale), i >= inizioNazionale) << TestoData(a.estrazione(i));
    }
    EXPECT_EQ(RuoteConDati(a.estrazione(a.conteggio())), 11);
    EXPECT_EQ(Numeri(a.estrazione(a.conteggio()), Venezia), "84 23 40 15 24");
    EXPECT_EQ(Numeri(a.estrazione(1), Bari), "58 22 47 49 69");

    // The five draws held apart: one wheel on its own date, the other nine on a nearby one.
    const std::map<std::int32_t, int> separate = {
        {19480501, Napoli}, {19620602, Roma}, {19621212, Genova}, {19640425, Firenze}, {19691228, Torino}};
    for (const auto& [chiave, ruota] : separate) {
        SCOPED_TRACE(chiave);
        const Tipo_Estrazione* e = Cerca(a, chiave);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(RuoteConDati(*e), 1);
        EXPECT_TRUE(e->haDati(ruota));
    }
    ASSERT_NE(Cerca(a, 19480430), nullptr);
    EXPECT_EQ(RuoteConDati(*Cerca(a, 19480430)), 9);

    // Wartime gaps stay as wheels without data.
    const Tipo_Estrazione* aprile45 = Cerca(a, 19450428);
    ASSERT_NE(aprile45, nullptr);
    EXPECT_FALSE(aprile45->haDati(Torino));
    EXPECT_FALSE(aprile45->haDati(Venezia));
    EXPECT_EQ(Numeri(*aprile45, Torino), "0 0 0 0 0");
    EXPECT_TRUE(aprile45->haDati(Bari));
    EXPECT_EQ(RuoteConDati(*Cerca(a, 19430911)), 6);
    EXPECT_EQ(RuoteConDati(*Cerca(a, 19390701)), 8) << "before Cagliari and Genova";

    // Back to text: the very same bytes.
    test::CartellaTemporanea cartella;
    ASSERT_TRUE(SalvaArchivioTesto(cartella.file("esportato.txt"), a));
    EXPECT_TRUE(test::LeggiFile(cartella.file("esportato.txt")) == test::LeggiFile(percorso));
}
