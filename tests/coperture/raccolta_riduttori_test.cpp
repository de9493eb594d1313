#include "coperture/raccolta_riduttori.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

void Scrivi(const std::string& percorso, const std::string& testo)
{
    std::filesystem::create_directories(std::filesystem::path(percorso).parent_path());
    std::ofstream(percorso) << testo;
}

constexpr const char* Fano = "1 2 3\n1 4 5\n1 6 7\n2 4 6\n2 5 7\n3 4 7\n3 5 6\n";

// A folder as the search keeps it: L(7,3,3,2) in 4 blocks (the program's own path gives 5); the Fano plane
// as C(7,3,2) (9); L(6,3,3,2) in 3 blocks where the program's path gives 2; C(4,3,3), which no dialog asks
// for; and files the collection must leave alone.
void CartellaDiProva(const std::string& radice)
{
    Scrivi(radice + "/GENERAZIONE", "7\n");
    Scrivi(radice + "/garanzia/v7-k3-p3-t2.txt", "1 2 4\n1 3 4\n2 3 4\n5 6 7\n");
    Scrivi(radice + "/garanzia/v6-k3-p3-t2.txt", "1 2 3\n4 5 6\n1 4 5\n");
    Scrivi(radice + "/ortogonale/v7-k3-p2-t2.txt", Fano);
    Scrivi(radice + "/ortogonale/v4-k3-p3-t3.txt", "1 2 3\n1 2 4\n1 3 4\n2 3 4\n");
    Scrivi(radice + "/ortogonale/.tmp-x1y2", "1 2\n");
    Scrivi(radice + "/garanzia/LEGGIMI.md", "appunti\n");
}

} // namespace

TEST(RaccoltaRiduttori, DisegniVerificatiEConfrontati)
{
    test::CartellaTemporanea cartella;
    const std::string radice = cartella.file("riduttori");
    CartellaDiProva(radice);

    const RaccoltaRiduttori r = RaccogliRiduttori(radice);
    ASSERT_EQ(r.errore, "");
    EXPECT_EQ(r.generazione, 7U);
    ASSERT_EQ(r.voci.size(), 4U);
    struct Atteso
    {
        TipoDisegno tipo;
        int v;
        std::size_t blocchi;
        std::optional<std::int64_t> algoritmo;
        bool spedita;
        const char* nota;
    };
    const Atteso attesi[] = {
        {TipoDisegno::Garanzia, 6, 3, 2, false, "l'algoritmo del programma dà 2 giocate"},
        {TipoDisegno::Garanzia, 7, 4, 5, true, ""},
        {TipoDisegno::Ortogonale, 4, 4, std::nullopt, false, "garanzia mai richiesta dai dialoghi"},
        {TipoDisegno::Ortogonale, 7, 7, 9, true, ""},
    };
    for (std::size_t i = 0; i < r.voci.size(); ++i) {
        SCOPED_TRACE(NomeFileCella(r.voci[i].cella));
        EXPECT_EQ(r.voci[i].cella.tipo, attesi[i].tipo);
        EXPECT_EQ(r.voci[i].cella.v, attesi[i].v);
        EXPECT_EQ(r.voci[i].blocchi, attesi[i].blocchi);
        EXPECT_EQ(r.voci[i].algoritmo, attesi[i].algoritmo);
        EXPECT_EQ(r.voci[i].spedita, attesi[i].spedita);
        EXPECT_EQ(r.voci[i].nota, attesi[i].nota);
    }
    ASSERT_EQ(r.garanzia.size(), 1U);
    EXPECT_EQ(r.garanzia[0].g, 2);
    EXPECT_EQ(r.garanzia[0].posizioni, (std::vector<std::uint8_t>{1, 2, 4, 1, 3, 4, 2, 3, 4, 5, 6, 7}));
    ASSERT_EQ(r.ortogonali.size(), 1U);

    const std::string uscita = cartella.file("share/quarvin");
    ASSERT_EQ(ScriviRaccolta(r, uscita), std::nullopt);
    const std::string ra2 = uscita + "/" + NomeFileRiduttoriGaranzia;
    const std::string ro2 = uscita + "/" + NomeFileRiduttoriOrtogonali;
    EXPECT_EQ(GenerazioneRiduttori(ra2), 7U);
    EXPECT_EQ(GenerazioneRiduttori(ro2), 7U);
    const RiduttoreImmediato fano = CercaRiduttoreImmediato(ro2, 7, 3, 2);
    ASSERT_EQ(fano.giocate, 7);
    EXPECT_EQ(LeggiRiduttoreImmediato(ro2, fano).posizioni, r.ortogonali[0].posizioni);
    EXPECT_EQ(ElencoRiduttoriImmediati(ra2).size(), 1U);
}

// Anything wrong in the folder fails the whole collection, and nothing is written.
TEST(RaccoltaRiduttori, CartelleRifiutate)
{
    struct Caso
    {
        const char* nome;
        const char* file; // relative to the folder; empty: GENERAZIONE removed
        const char* testo;
        const char* errore; // part of the reason
    };
    const Caso casi[] = {
        {"disegno che non garantisce", "garanzia/v8-k3-p3-t2.txt", "1 2 3\n4 5 6\n",
         "il disegno non garantisce la cella (24 bersagli scoperti)"},
        {"nome con uno zero davanti", "garanzia/v07-k3-p3-t2.txt", Fano,
         "il nome non indica una cella valida"},
        {"copertura con p diverso da t", "ortogonale/v7-k3-p3-t2.txt", Fano, "il nome non indica"},
        {"riga incompleta", "garanzia/v7-k3-p3-t2.txt", "1 2\n", "attese 3 posizioni diverse"},
        {"disegno vuoto", "garanzia/v9-k3-p3-t2.txt", "\n", "nessun blocco"},
        {"generazione zero", "GENERAZIONE", "0\n", "non contiene un numero positivo"},
        {"generazione non numerica", "GENERAZIONE", "uno\n", "non contiene un numero positivo"},
        {"senza generazione", "", "", "GENERAZIONE: manca"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        test::CartellaTemporanea cartella;
        const std::string radice = cartella.file("riduttori");
        CartellaDiProva(radice);
        if (*caso.file == '\0') {
            std::filesystem::remove(radice + "/GENERAZIONE");
        } else {
            Scrivi(radice + "/" + caso.file, caso.testo);
        }
        const RaccoltaRiduttori r = RaccogliRiduttori(radice);
        EXPECT_NE(r.errore.find(caso.errore), std::string::npos) << r.errore;
        const std::string uscita = cartella.file("uscita");
        EXPECT_EQ(ScriviRaccolta(r, uscita), r.errore);
        EXPECT_FALSE(std::filesystem::exists(uscita));
    }
}
