#include "checking/manutenzione_archivio.h"
#include "core/messaggi_archivio.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Eleven full wheels: wheel w holds w, w+11, w+22, w+33, w+44.
EstrazioneDigitata Completa(const std::string& data)
{
    EstrazioneDigitata d;
    d.data = data;
    for (std::size_t w = 0; w < 11; ++w) {
        for (std::size_t p = 0; p < 5; ++p) {
            d.numeri[w][p] = std::to_string(w + 1 + 11 * p);
        }
    }
    return d;
}

ArchivioStorico Archivio(std::initializer_list<Tipo_Estrazione> estrazioni)
{
    ArchivioStorico a;
    for (const Tipo_Estrazione& e : estrazioni) {
        EXPECT_GT(a.InserisciEstrazione(e), 0);
    }
    return a;
}

std::vector<int> Segni(const ArchivioStorico& a)
{
    std::vector<int> segni;
    for (int i = 1; i <= a.conteggio(); ++i) {
        segni.push_back(a.estrazione(i).numero(Bari, 1));
    }
    return segni;
}

} // namespace

TEST(ManutenzioneArchivio, EstrazioneDigitata)
{
    struct Riga
    {
        const char* nome;
        std::string data;
        std::size_t ruota; // 0-based wheel whose cells change
        std::array<std::string, 5> celle;
        std::string messaggio; // empty: accepted
    };
    const std::array<std::string, 5> vuota{};
    const std::vector<Riga> righe = {
        {"completa", "30/06/2003", 0, {"1", "12", "23", "34", "45"}, ""},
        {"data non valida", "31/13/2003", 0, {"1", "12", "23", "34", "45"}, messaggi_archivio::DataNonValida},
        {"zero",
         "1/1/2000",
         2,
         {"0", "14", "25", "36", "47"},
         "La ruota \"Firenze\" contiene dei valori non validi!"},
        {"oltre novanta",
         "1/1/2000",
         3,
         {"91", "15", "26", "37", "48"},
         "La ruota \"Genova\" contiene dei valori non validi!"},
        {"ruota in parte vuota",
         "1/1/2000",
         4,
         {"5", "", "27", "38", "49"},
         "La ruota \"Milano\" contiene dei valori non validi!"},
        {"numeri doppi",
         "1/1/2000",
         9,
         {"10", "21", "10", "43", "54"},
         "Alcuni numeri della ruota \"Venezia\" sono identici!"},
        {"Nazionale senza dati", "1/1/2000", 10, vuota, ""},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        EstrazioneDigitata d = Completa(r.data);
        d.numeri[r.ruota] = r.celle;
        const EsitoEstrazioneDigitata esito = LeggiEstrazioneDigitata(d);
        EXPECT_EQ(esito.valida, r.messaggio.empty());
        EXPECT_EQ(esito.messaggio, r.messaggio);
        if (esito.valida) {
            EXPECT_TRUE(EstrazioneValida(esito.estrazione));
            EXPECT_EQ(EstrazioneInTesto(esito.estrazione).numeri, d.numeri);
            EXPECT_EQ(esito.estrazione.riservato, 0);
        }
    }
    // A draw without any number is refused on its first wheel.
    EstrazioneDigitata nulla;
    nulla.data = "1/1/2000";
    EXPECT_EQ(LeggiEstrazioneDigitata(nulla).messaggio, "La ruota \"Bari\" contiene dei valori non validi!");
}

TEST(ManutenzioneArchivio, ModificaSpostaOSostituisce)
{
    ArchivioStorico a = Archivio(
        {test::estrazione(1, 3, 2003, 1), test::estrazione(8, 3, 2003, 2), test::estrazione(15, 3, 2003, 3)});
    // Draw 1 moved after the last one: the old position holds the next draw.
    EXPECT_EQ(MemorizzaEstrazione(a, test::estrazione(22, 3, 2003, 1), 1), 3);
    EXPECT_EQ(Segni(a), (std::vector<int>{2, 3, 1}));
    // Draw 3 given the date of draw 1: it replaces it, one draw fewer.
    EXPECT_EQ(MemorizzaEstrazione(a, test::estrazione(8, 3, 2003, 9), 3), 1);
    EXPECT_EQ(Segni(a), (std::vector<int>{9, 3}));
    // A new draw (no position) goes in date order.
    EXPECT_EQ(MemorizzaEstrazione(a, test::estrazione(1, 1, 2003, 7)), 1);
    EXPECT_EQ(Segni(a), (std::vector<int>{7, 9, 3}));
}

TEST(ManutenzioneArchivio, EliminaIntervalloLasciaUnaEstrazione)
{
    struct Riga
    {
        const char* nome;
        std::int32_t prima, ultima;
        std::vector<int> restano;
    };
    const std::vector<Riga> righe = {
        {"tutte: resta la più vecchia", 1, 5, {1}},
        {"in mezzo", 2, 3, {1, 4, 5}},
        {"l'ultima", 5, 5, {1, 2, 3, 4}},
        {"oltre i limiti", 0, 9, {1}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ArchivioStorico a;
        for (int i = 0; i < 5; ++i) {
            (void)a.InserisciEstrazione(test::estrazioneNumero(i, i + 1));
        }
        EliminaIntervallo(a, r.prima, r.ultima);
        EXPECT_EQ(Segni(a), r.restano);
    }
    ArchivioStorico una = Archivio({test::estrazione(1, 1, 2000)});
    EXPECT_EQ(EliminaIntervallo(una, 1, 1), 0);
    EXPECT_EQ(una.conteggio(), 1);
}

TEST(ManutenzioneArchivio, SceltaDellaData)
{
    const ArchivioStorico a = Archivio({test::estrazione(30, 12, 1998, 1), test::estrazione(3, 3, 2000, 2),
                                        test::estrazione(7, 3, 2000, 3), test::estrazione(21, 3, 2000, 4),
                                        test::estrazione(2, 1, 2001, 5)});
    EXPECT_EQ(AnniArchivio(a), (std::vector<int>{2001, 2000, 1999, 1998}));
    EXPECT_EQ(GiorniConEstrazione(a, 2000, 3), (std::vector<int>{3, 7, 21}));
    EXPECT_TRUE(GiorniConEstrazione(a, 2000, 4).empty());
    EXPECT_TRUE(GiorniConEstrazione(a, 2000, 2).empty());

    struct Riga
    {
        const char* nome;
        int anno, mese, giorno;
        std::int32_t posizione;
    };
    const std::vector<Riga> righe = {
        {"data esatta", 2000, 3, 7, 3},           {"giorno assente: la prima del mese", 2000, 3, 8, 2},
        {"nessun giorno scelto", 2000, 3, 0, 2},  {"mese senza estrazioni: la più recente", 2000, 4, 1, 5},
        {"anno senza estrazioni", 1999, 3, 7, 5}, {"la più vecchia", 1998, 12, 30, 1},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(PosizioneData(a, r.anno, r.mese, r.giorno), r.posizione);
    }
    EXPECT_EQ(PosizioneData(ArchivioStorico{}, 2000, 1, 1), 0);
    EXPECT_TRUE(AnniArchivio(ArchivioStorico{}).empty());
}

TEST(ManutenzioneArchivio, TestiDellEstrazione)
{
    Tipo_Estrazione e = test::estrazione(7, 3, 2003, 10);
    EXPECT_EQ(TestoDataBreve(e), "7/3/2003");
    const std::vector<std::string> righe = RigheEstrazione(e);
    ASSERT_EQ(righe.size(), 11U);
    EXPECT_EQ(righe[0], "Bari\t10 11 12 13 14");
    EXPECT_EQ(righe[10], "Nazionale\t");
    EXPECT_EQ(DomandaEliminaIntervallo(3, 7), "Eliminare le estrazioni dalla nº 3 alla nº 7 ?");
}
