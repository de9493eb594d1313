#include "core/archivio_storico.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using test::estrazione;
using test::estrazioneNumero;

namespace {

// The archive of the draws of these days of January 2003 (segno = the day, so replacements show).
ArchivioStorico ArchivioGennaio(const std::vector<int>& giorni)
{
    ArchivioStorico a;
    for (int g : giorni) {
        a.InserisciEstrazione(estrazione(g, 1, 2003, g));
    }
    return a;
}

// "giorno:segno" of every draw, in archive order.
std::string Contenuto(const ArchivioStorico& a)
{
    std::string s;
    for (std::int32_t i = 1; i <= a.conteggio(); ++i) {
        s += (i > 1 ? " " : "") + std::to_string(a.estrazione(i).giorno) + ":" +
             std::to_string(a.estrazione(i).numero(Bari, 1));
    }
    return s;
}

} // namespace

TEST(ArchivioStorico, InserimentoInOrdineDiData)
{
    struct Riga
    {
        const char* nome;
        std::vector<int> giorni;
        Tipo_Estrazione nuova;
        std::int32_t indice;
        const char* dopo;
    };
    const std::vector<Riga> righe = {
        {"archivio vuoto", {}, estrazione(9, 1, 2003, 50), 1, "9:50"},
        {"dopo l'ultima si accoda", {3, 5, 7}, estrazione(9, 1, 2003, 50), 4, "3:3 5:5 7:7 9:50"},
        {"anno successivo", {3, 5}, estrazione(1, 1, 2004, 50), 3, "3:3 5:5 1:50"},
        {"più vecchia di tutte", {3, 5, 7}, estrazione(1, 1, 2003, 50), 1, "1:50 3:3 5:5 7:7"},
        {"mese precedente", {3, 5}, estrazione(30, 12, 2002, 50), 1, "30:50 3:3 5:5"},
        {"in mezzo", {3, 5, 7}, estrazione(6, 1, 2003, 50), 3, "3:3 5:5 6:50 7:7"},
        {"stessa data della prima", {3, 5, 7}, estrazione(3, 1, 2003, 50), 1, "3:50 5:5 7:7"},
        {"stessa data di una in mezzo", {3, 5, 7}, estrazione(5, 1, 2003, 50), 2, "3:3 5:50 7:7"},
        {"stessa data dell'ultima", {3, 5, 7}, estrazione(7, 1, 2003, 50), 3, "3:3 5:5 7:50"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ArchivioStorico a = ArchivioGennaio(riga.giorni);
        EXPECT_EQ(a.InserisciEstrazione(riga.nuova), riga.indice);
        EXPECT_EQ(Contenuto(a), riga.dopo);
        EXPECT_EQ(a.indiceData(riga.nuova.chiaveData()), riga.indice);
    }
}

TEST(ArchivioStorico, ArchivioPienoRifiutaSoloLeDateNuove)
{
    ArchivioStorico a;
    for (int n = 1; n <= ArchivioStorico::Capacita; ++n) {
        ASSERT_EQ(a.InserisciEstrazione(estrazioneNumero(n)), n);
    }
    const Tipo_Estrazione prima = a.estrazione(1);
    EXPECT_EQ(a.InserisciEstrazione(estrazioneNumero(ArchivioStorico::Capacita + 1)), 0) << "later date";
    EXPECT_EQ(a.InserisciEstrazione(estrazioneNumero(0)), 0) << "older date";
    EXPECT_EQ(a.conteggio(), ArchivioStorico::Capacita);
    EXPECT_EQ(a.estrazione(1).chiaveData(), prima.chiaveData());

    EXPECT_EQ(a.InserisciEstrazione(estrazioneNumero(500, 80)), 500) << "an existing date is still replaced";
    EXPECT_EQ(a.estrazione(500).numero(Bari, 1), 80);
    EXPECT_EQ(a.conteggio(), ArchivioStorico::Capacita);
}

TEST(ArchivioStorico, EliminaSpostaLeSuccessive)
{
    struct Riga
    {
        const char* nome;
        std::int32_t indice;
        const char* dopo;
    };
    const std::vector<Riga> righe = {
        {"la prima", 1, "2:2 3:3 4:4 5:5"},
        {"in mezzo", 3, "1:1 2:2 4:4 5:5"},
        {"l'ultima", 5, "1:1 2:2 3:3 4:4"},
        {"indice 0: nulla", 0, "1:1 2:2 3:3 4:4 5:5"},
        {"oltre il conteggio: nulla", 6, "1:1 2:2 3:3 4:4 5:5"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ArchivioStorico a = ArchivioGennaio({1, 2, 3, 4, 5});
        a.EliminaEstrazione(riga.indice);
        EXPECT_EQ(Contenuto(a), riga.dopo);
    }
}

TEST(ArchivioStorico, LeggiData)
{
    struct Riga
    {
        const char* testo;
        bool valida;
        int giorno, mese, anno;
    };
    const std::vector<Riga> righe = {
        {"1/1/1900", true, 1, 1, 1900},     {"31/12/2100", true, 31, 12, 2100},
        {"30/06/2003", true, 30, 6, 2003},  {"31/02/2003", true, 31, 2, 2003},
        {"007/05/02003", true, 7, 5, 2003}, {"0/5/2003", false, 0, 0, 0},
        {"32/5/2003", false, 0, 0, 0},      {"12/13/2003", false, 0, 0, 0},
        {"12/0/2003", false, 0, 0, 0},      {"12/5/1899", false, 0, 0, 0},
        {"12/5/2101", false, 0, 0, 0},      {"12/5", false, 0, 0, 0},
        {"/5/2003", false, 0, 0, 0},        {"12//2003", false, 0, 0, 0},
        {"12/5/", false, 0, 0, 0},          {"", false, 0, 0, 0},
        {"12/5/2003/1", false, 0, 0, 0},    {" 12/5/2003", false, 0, 0, 0},
        {"12/5/2003 ", false, 0, 0, 0},     {"+1/5/2003", false, 0, 0, 0},
        {"1.5/5/2003", false, 0, 0, 0},     {"99999999999999999999/5/2003", false, 0, 0, 0},
        {"12-5-2003", false, 0, 0, 0},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.testo);
        int g = -1;
        int m = -1;
        int a = -1;
        ASSERT_EQ(LeggiData(riga.testo, g, m, a), riga.valida);
        if (riga.valida) {
            EXPECT_EQ(g, riga.giorno);
            EXPECT_EQ(m, riga.mese);
            EXPECT_EQ(a, riga.anno);
        } else {
            EXPECT_EQ(g, -1) << "outputs untouched on failure";
        }
    }
}

TEST(ArchivioStorico, TestoData)
{
    EXPECT_EQ(TestoData(estrazione(7, 1, 1939)), "07/01/1939");
    EXPECT_EQ(TestoData(estrazione(30, 12, 2100)), "30/12/2100");
}
