#include "editor/file_recenti.h"

#include "core/impostazioni.h"
#include "editor/file_sistema.h"
#include "editor/nuovo_sistema.h"
#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

namespace {

std::string Valore(ArchivioImpostazioni& store, int n)
{
    return IDE_Testo(store, "mrf_" + std::to_string(n), "", false);
}

void Crea(const std::string& percorso)
{
    test::ScriviFile(percorso, {4});
}

} // namespace

TEST(FileRecenti, SalvataggioDiUnNuovoSistema)
{
    test::CartellaTemporanea cartella;
    test::ArchivioMemoria store;
    test::MessaggiRegistrati messaggi;
    StatoApplicazione stato(
        store, messaggi,
        Cartelle{cartella.cartella(), cartella.cartella(), cartella.cartella(), cartella.cartella()});
    NuovoSistema(stato);
    const std::string primo = stato.sistema.nomeFile;
    ASSERT_EQ(primo, cartella.file("Sistema1.qvs"));

    // Saving adds the path, hidden while it is the current system.
    ASSERT_TRUE(ScriviSistema(stato.sistema, stato.giocate).ok());
    VociRecenti voci = AggiornaFileRecenti(store, stato.sistema.nomeFile, stato.sistema.nomeFile);
    EXPECT_EQ(voci[0].percorso, primo);
    EXPECT_FALSE(voci[0].visibile);
    EXPECT_EQ(Valore(store, 1), primo);

    // Saving again does not duplicate it.
    ASSERT_TRUE(ScriviSistema(stato.sistema, stato.giocate).ok());
    voci = AggiornaFileRecenti(store, stato.sistema.nomeFile, stato.sistema.nomeFile);
    EXPECT_EQ(Valore(store, 1), primo);
    EXPECT_EQ(Valore(store, 2), "");
    EXPECT_TRUE(voci[1].percorso.empty());

    // After "Nuovo" it is shown as item 1; the new default name is the next free one.
    NuovoSistema(stato);
    EXPECT_EQ(stato.sistema.nomeFile, cartella.file("Sistema2.qvs"));
    voci = AggiornaFileRecenti(store, stato.sistema.nomeFile);
    EXPECT_TRUE(voci[0].visibile);
    EXPECT_EQ(voci[0].percorso, primo);
    EXPECT_EQ(voci[0].didascalia, "\u2026/Sistema1.qvs");
    for (std::size_t i = 1; i < voci.size(); ++i) {
        EXPECT_FALSE(voci[i].visibile);
    }
}

TEST(FileRecenti, VociMancantiRimovibiliEPiene)
{
    test::CartellaTemporanea cartella;
    test::ArchivioMemoria store;
    const std::string a = cartella.file("A.qvs");
    const std::string b = cartella.file("B.qvs");
    const std::string nuovo = cartella.file("Nuovo.qvs");
    Crea(a);
    Crea(b);
    Crea(nuovo);
    IDE_Testo(store, "mrf_1", cartella.file("sparito.qvs"), true);
    IDE_Testo(store, "mrf_2", "  " + a + " ", true);
    IDE_Testo(store, "mrf_3", "a:\\Sistemi\\Floppy.qvs", true);
    IDE_Testo(store, "mrf_4", b, true);

    VociRecenti voci = AggiornaFileRecenti(store, "/altrove/Corrente.qvs");
    EXPECT_FALSE(voci[0].visibile);
    EXPECT_TRUE(voci[0].percorso.empty());
    EXPECT_TRUE(voci[1].visibile);
    EXPECT_EQ(voci[1].percorso, a);
    EXPECT_FALSE(voci[2].visibile);
    EXPECT_TRUE(voci[3].visibile);

    // Adding moves every slot down one place; skipped slots are written empty.
    voci = AggiornaFileRecenti(store, nuovo, nuovo);
    EXPECT_EQ(Valore(store, 1), nuovo);
    EXPECT_EQ(Valore(store, 2), "");
    EXPECT_EQ(Valore(store, 3), a);
    EXPECT_EQ(Valore(store, 4), "");
    EXPECT_EQ(Valore(store, 5), b);

    // The same path in other letters is already there; a missing file is never added.
    Crea(cartella.file("NUOVO.qvs"));
    AggiornaFileRecenti(store, "", cartella.file("NUOVO.qvs"));
    AggiornaFileRecenti(store, "", cartella.file("mai_creato.qvs"));
    EXPECT_EQ(Valore(store, 1), nuovo);
    EXPECT_EQ(Valore(store, 2), "");

    // Ten saves keep the nine most recent.
    for (int i = 1; i <= 10; ++i) {
        const std::string p = cartella.file("S" + std::to_string(i) + ".qvs");
        Crea(p);
        voci = AggiornaFileRecenti(store, p, p);
    }
    EXPECT_EQ(voci[0].percorso, cartella.file("S10.qvs"));
    EXPECT_EQ(voci[8].percorso, cartella.file("S2.qvs"));
    EXPECT_EQ(Valore(store, 9), cartella.file("S2.qvs"));
}

TEST(FileRecenti, DidascalieEUnitaRimovibile)
{
    struct Riga
    {
        const char* percorso;
        const char* didascalia;
        bool rimovibile;
    };
    const Riga righe[] = {
        {"C:\\Documenti\\Lotto\\Sistema3.qvs", "C:\\..\\Sistema3.qvs", false},
        {"a:\\Sistema1.qvs", "a:\\..\\Sistema1.qvs", true},
        {"A:\\Sistema1.qvs", "A:\\..\\Sistema1.qvs", true},
        {"/home/utente/Documenti/Sistema1.qvs", "\u2026/Sistema1.qvs", false},
        {"/archivio/Sistema1.qvs", "\u2026/Sistema1.qvs", false},
        {"alfa/Sistema1.qvs", "\u2026/Sistema1.qvs", false},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.percorso);
        EXPECT_EQ(DidascaliaRecente(riga.percorso), riga.didascalia);
        EXPECT_EQ(SuUnitaRimovibile(riga.percorso), riga.rimovibile);
    }
}
