#include "editor/smorfia.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace {

std::vector<int> Numeri(const std::vector<smorfia::Risultato>& r)
{
    std::vector<int> numeri;
    for (const auto& x : r) {
        numeri.push_back(x.numero);
    }
    return numeri;
}

const std::vector<smorfia::Voce> Dizionario = {
    {3, "la gatta"},           {12, "i soldati"},   {31, "il padrone di casa"}, {40, "casa nuova"},
    {50, "la casa in fiamme"}, {70, "Casa grande"}, {42, "il caffè"},
};

} // namespace

TEST(Smorfia, RicercaDeiTermini)
{
    struct Caso
    {
        const char* nome;
        const char* testo;
        std::vector<int> atteso;
    };
    const Caso casi[] = {
        // Entries starting with the term and the entry of the number go to the top, each above the
        // previous one; the other entries containing the term follow in file order.
        {"casa e un numero", "casa 12", {70, 40, 12, 31, 50}},
        {"spazi e maiuscole", "   CASA   ", {70, 40, 31, 50}},
        {"accenti senza maiuscole", "CAFFÈ", {42}},
        {"nulla da cercare", "   ", {}},
        {"nessuna voce", "zebra", {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(Numeri(smorfia::CercaSmorfia(Dizionario, c.testo)), c.atteso);
    }
    const auto r = smorfia::CercaSmorfia(Dizionario, "padrone caffè");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].testoNumero, "    31");
    EXPECT_EQ(r[0].descrizione, "Il padrone di casa");
    EXPECT_EQ(r[1].descrizione, "Il caffè");
}

TEST(Smorfia, FileDelDizionario)
{
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella.file("Quarvin.smo");
    const std::string lunga(90, 'x');
    ASSERT_TRUE(smorfia::ScriviSmorfia(percorso, {{42, "il caffè"}, {1, lunga}}));
    std::vector<unsigned char> byte = test::LeggiFile(percorso);
    ASSERT_EQ(byte.size(), 2 * smorfia::DimensioneRecord);
    EXPECT_EQ(byte[0], 8);    // "il caffè" is 8 Latin-1 characters
    EXPECT_EQ(byte[8], 0xE8); // è in one byte
    EXPECT_EQ(byte[81], 42);
    EXPECT_EQ(byte[82], 80); // cut at 80

    // A record with a number outside 1..90 and a trailing partial record are skipped; a length
    // byte above 80 reads 80 characters.
    std::vector<unsigned char> cattivo(smorfia::DimensioneRecord, 'a');
    cattivo[0] = 200;
    cattivo[81] = 7;
    byte.insert(byte.end(), cattivo.begin(), cattivo.end());
    cattivo[81] = 0;
    byte.insert(byte.end(), cattivo.begin(), cattivo.end());
    byte.insert(byte.end(), 10, 'z');
    test::ScriviFile(percorso, byte);
    std::vector<smorfia::Voce> voci;
    ASSERT_TRUE(smorfia::LeggiSmorfia(percorso, voci));
    ASSERT_EQ(voci.size(), 3u);
    EXPECT_EQ(voci[0].descrizione, "il caffè");
    EXPECT_EQ(voci[1].descrizione, std::string(80, 'x'));
    EXPECT_EQ(voci[2].numero, 7);
    EXPECT_EQ(voci[2].descrizione.size(), 80u);
    EXPECT_FALSE(smorfia::LeggiSmorfia(cartella.file("manca.smo"), voci));
}

TEST(Smorfia, DizionarioDiUnaNuovaInstallazione)
{
    test::CartellaTemporanea cartella;
    const std::string testo = cartella.file("smorfia.txt");
    std::ofstream(testo) << "# prova\n1\tl'Italia\n\n2\tla bambina\r\nx\tnulla\n3\t\n";
    EXPECT_EQ(smorfia::PreparaSmorfiaPredefinita(cartella.cartella(), testo), "");
    std::vector<smorfia::Voce> voci;
    ASSERT_TRUE(smorfia::LeggiSmorfia(cartella.file("Quarvin.smo"), voci));
    ASSERT_EQ(voci.size(), 2u);
    EXPECT_EQ(voci[1].descrizione, "la bambina");

    // Never replaced once there.
    std::ofstream(testo) << "5\tla mano\n";
    EXPECT_EQ(smorfia::PreparaSmorfiaPredefinita(cartella.cartella(), testo), "");
    ASSERT_TRUE(smorfia::LeggiSmorfia(cartella.file("Quarvin.smo"), voci));
    EXPECT_EQ(voci.size(), 2u);

    std::vector<int> scartate;
    (void)smorfia::LeggiTestoSmorfia("1\tuno\nx\tnulla\n3\t\n", &scartate);
    EXPECT_EQ(scartate, (std::vector<int>{2, 3}));
}

// The shipped text gives every number at least one meaning that fits a record.
TEST(Smorfia, DizionarioDistribuito)
{
    const char* sorgenti = std::getenv("QUARVIN_SORGENTI");
    ASSERT_NE(sorgenti, nullptr);
    std::ifstream file(std::string(sorgenti) + "/data/smorfia.txt", std::ios::binary);
    ASSERT_TRUE(file.good());
    std::ostringstream testo;
    testo << file.rdbuf();
    std::vector<int> scartate;
    const auto voci = smorfia::LeggiTestoSmorfia(testo.str(), &scartate);
    EXPECT_TRUE(scartate.empty());
    std::set<int> numeri;
    for (const auto& v : voci) {
        numeri.insert(v.numero);
        EXPECT_LE(smorfia::Latin1DaUtf8(v.descrizione).size(), smorfia::LunghezzaMassima) << v.descrizione;
        EXPECT_EQ(smorfia::Latin1DaUtf8(v.descrizione).find('?'), std::string::npos) << v.descrizione;
    }
    EXPECT_EQ(numeri.size(), 90u);
}
