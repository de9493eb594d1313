#include "editor/importa_giocate.h"

#include "core/byte_io.h"
#include "editor/esporta_giocate.h"
#include "editor/file_sistema.h"
#include "editor/messaggi_giocate.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

using test::giocata;
using test::Giocate;

void Riempi(ElencoGiocate& elenco, std::initializer_list<Tipo_Giocata> giocate)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(giocate.size())));
    std::int32_t i = 0;
    for (const Tipo_Giocata& g : giocate) {
        elenco.voce(++i) = g;
    }
    elenco.setConteggio(i);
}

// A counting run control: how often the import let events run.
using Conteggio = test::ContaVerifiche;

EsitoImportazione DaTesto(const std::string& testo, ElencoGiocate& elenco)
{
    std::istringstream in(testo);
    EsecuzioneContinua continua;
    return ImportaTesto(in, elenco, continua);
}

std::vector<std::uint8_t> ImmagineSistemaCon(std::initializer_list<Tipo_Giocata> giocate)
{
    ElencoGiocate elenco;
    if (giocate.size() > 0) {
        Riempi(elenco, giocate);
    }
    Sistema s;
    return ImmagineSistema(s, elenco);
}

// An .lpc image: version byte 2, the count at 2264, 64-byte records whose first 10 bytes are a play.
std::vector<std::uint8_t> ImmagineLpc(const std::vector<Tipo_Giocata>& giocate, std::int32_t conteggio = -1,
                                      std::size_t extra = 0)
{
    std::vector<std::uint8_t> dati(importa_giocate::OffsetGiocateLpc + 64 * giocate.size() + extra, 0xAB);
    dati[0] = importa_giocate::VersioneLpc;
    const std::int32_t c =
        conteggio >= 0 || conteggio == INT32_MIN ? conteggio : static_cast<std::int32_t>(giocate.size());
    std::memcpy(dati.data() + importa_giocate::OffsetConteggioLpc, &c, 4);
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        std::memcpy(dati.data() + importa_giocate::OffsetGiocateLpc + 64 * i, giocate[i].data(), 10);
    }
    return dati;
}

} // namespace

TEST(ImportaGiocate, TestoConRigheRipetuteENonValideImportatoDueVolte)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    const std::string testo = "1 2 3\n3 2 1\n1 2 3 4 5 6 7 8 9 10 11\n\n";
    EsitoImportazione esito = DaTesto(testo, elenco);
    EXPECT_EQ(esito.codice, CodiceImportazione::Completata);
    EXPECT_EQ(esito.aggiunte, 2);
    EXPECT_EQ(esito.righeScartate, 1);
    EXPECT_TRUE(esito.modificato());
    EXPECT_FALSE(esito.messaggio());
    EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{giocata({1, 2, 3}), giocata({1, 2, 3})}));

    esito = DaTesto(testo, elenco);
    EXPECT_EQ(esito.codice, CodiceImportazione::NessunaNuova);
    EXPECT_FALSE(esito.modificato());
    ASSERT_TRUE(esito.messaggio());
    EXPECT_EQ(esito.messaggio()->testo.rfind("Nel file non è stata trovata nessuna nuova giocata valida.", 0),
              0u);
    EXPECT_EQ(elenco.conteggio(), 2);
    EXPECT_EQ(elenco.conteggioAnnulla(), 2);
}

TEST(ImportaGiocate, LeGiocateGiaPresentiLascianoIlPostoAllUltima)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    const auto a = giocata({1}), b = giocata({2}), c = giocata({3}), d = giocata({4}), e = giocata({5});
    Riempi(elenco, {a, b, c});
    Conteggio controllo;
    std::istringstream in("2\n4\n1\n5\n");
    const EsitoImportazione esito = ImportaTesto(in, elenco, controllo);
    EXPECT_EQ(esito.lette, 4);
    EXPECT_EQ(esito.aggiunte, 2);
    // B is replaced by E (examined again and kept), then A by itself: E and D remain.
    EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{a, b, c, e, d}));
    EXPECT_EQ(elenco.conteggioAnnulla(), 3);
    elenco.RipristinaCopia();
    EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{a, b, c}));
}

TEST(ImportaGiocate, RigheDiTestoInOgniForma)
{
    struct Riga
    {
        const char* nome;
        std::string testo;
        std::vector<Tipo_Giocata> giocate;
        std::int32_t scartate;
    };
    const std::string lunga = std::string(5000, '7') + "\n";
    const std::string spazi = "1 2" + std::string(5000, ' ') + "3\n";
    const auto u16 = [](const std::string& s, bool le) {
        std::string r = le ? "\xFF\xFE" : "\xFE\xFF";
        for (char c : s) {
            r += le ? std::string{c, '\0'} : std::string{'\0', c};
        }
        return r;
    };
    const Riga righe[] = {
        {"fine riga windows", "1 2\r\n3 4\r\n", {giocata({1, 2}), giocata({3, 4})}, 0},
        {"fine riga vecchio mac", "1 2\r3 4\r", {giocata({1, 2}), giocata({3, 4})}, 0},
        {"senza a capo finale", "10 20", {giocata({10, 20})}, 0},
        {"tabulazioni e spazi", "\t5\t\t1  3 \n", {giocata({1, 3, 5})}, 0},
        {"marca utf-8",
         "\xEF\xBB\xBF"
         "1 2\n",
         {giocata({1, 2})},
         0},
        {"utf-16 little endian", u16("8 9\r\n7\r\n", true), {giocata({8, 9}), giocata({7})}, 0},
        {"utf-16 big endian", u16("8 9\n", false), {giocata({8, 9})}, 0},
        {"utf-16 senza marca", std::string("8\0 \09\0\n\0", 8), {}, 1},
        {"riga lunghissima", lunga + "4\n", {giocata({4})}, 1},
        {"riga lunga di soli spazi", spazi + "6\n", {giocata({6})}, 1},
        {"byte nulli e spazzatura", std::string("\0\xff\xfe\x01 2\n\x80\x81\n3\n", 13), {giocata({3})}, 2},
        {"accentate latin-1", "1 2 \xe8\n", {}, 1},
        {"numeri fuori campo", "0 1\n91\n", {}, 2},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ElencoGiocate elenco;
        const EsitoImportazione esito = DaTesto(r.testo, elenco);
        EXPECT_EQ(Giocate(elenco), r.giocate);
        EXPECT_EQ(esito.righeScartate, r.scartate);
    }
}

TEST(ImportaGiocate, DaUnAltroSistema)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    Riempi(elenco, {giocata({1, 2})});
    auto immagine = ImmagineSistemaCon({giocata({1, 2}), giocata({3, 4}), giocata({5, 6, 7})});
    Conteggio controllo;
    const EsitoImportazione esito = ImportaImmagineSistema(immagine, elenco, controllo);
    EXPECT_EQ(esito.codice, CodiceImportazione::Completata);
    EXPECT_EQ(esito.aggiunte, 2);
    EXPECT_EQ(Giocate(elenco),
              (std::vector<Tipo_Giocata>{giocata({1, 2}), giocata({5, 6, 7}), giocata({3, 4})}));

    // Version 3: no positions, the count 5 bytes earlier.
    std::vector<std::uint8_t> v3(immagine.begin(), immagine.begin() + file_sistema::OffsetPosizioni);
    v3.insert(v3.end(), immagine.begin() + file_sistema::OffsetConteggio, immagine.end());
    v3[0] = 3;
    ElencoGiocate altro;
    EXPECT_EQ(ImportaImmagineSistema(v3, altro, controllo).aggiunte, 3);

    // Nothing new from a system file is still a completed import (the window marks it modified).
    const EsitoImportazione ancora = ImportaImmagineSistema(immagine, elenco, controllo);
    EXPECT_EQ(ancora.codice, CodiceImportazione::Completata);
    EXPECT_EQ(ancora.aggiunte, 0);
    EXPECT_EQ(elenco.conteggio(), 3);
}

TEST(ImportaGiocate, SistemiTroncatiOOstiliSonoRifiutati)
{
    const auto valida = ImmagineSistemaCon({giocata({1, 2}), giocata({3, 4})});
    const std::size_t conteggio = file_sistema::OffsetConteggio;
    const auto conConteggio = [&](std::int32_t c) {
        auto d = valida;
        std::memcpy(d.data() + conteggio, &c, 4);
        return d;
    };
    struct Riga
    {
        const char* nome;
        std::vector<std::uint8_t> dati;
    };
    auto versione5 = valida;
    versione5[0] = 5;
    auto nonCanonica = valida;
    nonCanonica[file_sistema::OffsetGiocate] = 9; // 9 2: not ascending
    const Riga righe[] = {
        {"vuoto", {}},
        {"versione 5", versione5},
        {"troncato nelle giocate", {valida.begin(), valida.end() - 5}},
        {"troncato nell'intestazione", {valida.begin(), valida.begin() + 1000}},
        {"conteggio negativo", conConteggio(-1)},
        {"conteggio enorme", conConteggio(INT32_MAX)},
        {"conteggio oltre il file", conConteggio(3)},
        {"conteggio sotto il file", conConteggio(1)},
        {"giocata non canonica", nonCanonica},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ElencoGiocate elenco;
        ASSERT_TRUE(elenco.AllocaAnnulla());
        Riempi(elenco, {giocata({80})});
        EsecuzioneContinua continua;
        const EsitoImportazione esito = ImportaImmagineSistema(r.dati, elenco, continua);
        EXPECT_EQ(esito.codice, CodiceImportazione::FormatoNonValido);
        ASSERT_TRUE(esito.messaggio());
        EXPECT_EQ(esito.messaggio()->testo, messaggi_giocate::VersioneNonCompatibile);
        EXPECT_EQ(esito.messaggio()->titolo, "Errore");
        EXPECT_EQ(Giocate(elenco), std::vector<Tipo_Giocata>{giocata({80})});
        EXPECT_EQ(elenco.conteggioAnnulla(), 0);
    }
}

TEST(ImportaGiocate, DaUnSistemaEsterno)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::uint8_t> dati;
        CodiceImportazione codice;
        std::int32_t aggiunte;
    };
    const std::vector<Tipo_Giocata> tre{giocata({1, 2, 3}), giocata({80}),
                                        giocata({4, 5, 6, 7, 8, 9, 10, 11, 12, 13})};
    auto versione1 = ImmagineLpc(tre);
    versione1[0] = 1;
    auto nonCanonica = ImmagineLpc({giocata({1, 2})});
    nonCanonica[importa_giocate::OffsetGiocateLpc + 5] = 7; // a number after the zeros
    const auto corta = ImmagineLpc({});
    const Riga righe[] = {
        {"tre giocate", ImmagineLpc(tre), CodiceImportazione::Completata, 2},
        {"dati in coda ammessi", ImmagineLpc(tre, -1, 100), CodiceImportazione::Completata, 2},
        {"nessuna giocata", ImmagineLpc({}), CodiceImportazione::Completata, 0},
        {"versione 1", versione1, CodiceImportazione::FormatoNonValido, 0},
        {"piu corto del conteggio",
         {corta.begin(), corta.end() - 1},
         CodiceImportazione::FormatoNonValido,
         0},
        {"conteggio oltre i record", ImmagineLpc(tre, 4), CodiceImportazione::FormatoNonValido, 0},
        {"conteggio negativo", ImmagineLpc(tre, INT32_MIN), CodiceImportazione::FormatoNonValido, 0},
        {"conteggio enorme", ImmagineLpc(tre, INT32_MAX), CodiceImportazione::FormatoNonValido, 0},
        {"giocata non canonica", nonCanonica, CodiceImportazione::FormatoNonValido, 0},
        {"un solo byte", {2}, CodiceImportazione::FormatoNonValido, 0},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ElencoGiocate elenco;
        Riempi(elenco, {giocata({80})});
        Conteggio controllo;
        const EsitoImportazione esito = ImportaImmagineLpc(r.dati, elenco, controllo);
        EXPECT_EQ(esito.codice, r.codice);
        EXPECT_EQ(esito.aggiunte, r.aggiunte);
        EXPECT_EQ(elenco.conteggio(), 1 + r.aggiunte);
        EXPECT_EQ(elenco.voce(1), giocata({80}));
    }
}

TEST(ImportaGiocate, FileIlleggibiliOTroppoGrandi)
{
    test::CartellaTemporanea cartella;
    ElencoGiocate elenco;
    EsecuzioneContinua continua;
    const std::string manca = cartella.file("manca.txt");
    EXPECT_EQ(ImportaGiocateDaTesto(manca, elenco, continua).codice, CodiceImportazione::NonLeggibile);
    EXPECT_FALSE(ImportaGiocateDaTesto(manca, elenco, continua).messaggio());
    EXPECT_EQ(ImportaGiocateDaSistema(manca, elenco, continua).codice, CodiceImportazione::NonLeggibile);
    EXPECT_EQ(ImportaGiocateDaLpc(cartella.cartella(), elenco, continua).codice,
              CodiceImportazione::NonLeggibile);

    // Sparse files: nothing of them is read.
    const std::string enorme = cartella.file("enorme.txt");
    std::ofstream(enorme).put('1');
    std::filesystem::resize_file(enorme, importa_giocate::DimensioneMassimaTesto + 1);
    const EsitoImportazione testo = ImportaGiocateDaTesto(enorme, elenco, continua);
    EXPECT_EQ(testo.codice, CodiceImportazione::TroppoGrande);
    ASSERT_TRUE(testo.messaggio());
    EXPECT_EQ(testo.messaggio()->testo, messaggi_giocate::FileTestoTroppoGrande);
    const std::string lpc = cartella.file("enorme.lpc");
    std::ofstream(lpc).put('\2');
    std::filesystem::resize_file(lpc, importa_giocate::DimensioneMassimaLpc + 1);
    EXPECT_EQ(ImportaGiocateDaLpc(lpc, elenco, continua).codice, CodiceImportazione::FormatoNonValido);
    EXPECT_EQ(elenco.conteggio(), 0);
}

TEST(EsportaGiocate, UnaRigaPerGiocataEIlRitornoDallImportazione)
{
    test::CartellaTemporanea cartella;
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({5, 17, 89}), giocata({1}), giocata({1, 2, 3, 4, 5, 6, 7, 8, 9, 90})});
    EXPECT_EQ(TestoGiocate(elenco), "5 17 89\n1\n1 2 3 4 5 6 7 8 9 90\n");

    const std::string percorso = cartella.file("giocate.txt");
    ASSERT_TRUE(EsportaGiocate(elenco, percorso));
    ElencoGiocate riletto;
    EsecuzioneContinua continua;
    EXPECT_EQ(ImportaGiocateDaTesto(percorso, riletto, continua).aggiunte, 3);
    EXPECT_EQ(Giocate(riletto), Giocate(elenco));

    // A failed write is reported and leaves the previous file as it was.
    EXPECT_FALSE(EsportaGiocate(elenco, cartella.file("manca/giocate.txt")));
    std::filesystem::create_directory(cartella.file("cartella.txt"));
    EXPECT_FALSE(EsportaGiocate(elenco, cartella.file("cartella.txt")));
    EXPECT_TRUE(std::filesystem::is_directory(cartella.file("cartella.txt")));
}

// Thousands of random and mutated inputs through the three readers: none may crash, and afterwards
// the list holds its old plays followed only by plays in canonical form.
TEST(ImportaGiocate, IngressiCasualiEMutati)
{
    std::mt19937 caso(20240601);
    ElencoGiocate elenco; // one list for every run: it grows once
    Riempi(elenco, {giocata({1, 2}), giocata({3, 4})});
    const auto originali = Giocate(elenco);
    const auto sistema = ImmagineSistemaCon({giocata({1, 2}), giocata({7, 8, 9})});
    const auto lpc = ImmagineLpc({giocata({5}), giocata({1, 2}), giocata({6, 60})});
    const std::string testo = "1 2\n3 4 5\r\n\t90 89\n\n7 8 9 10 11 12 13 14 15 16\n";
    const std::vector<std::uint8_t> testoByte(testo.begin(), testo.end());

    const auto muta = [&caso](std::vector<std::uint8_t> d) {
        const int quante = 1 + static_cast<int>(caso() % 8);
        for (int i = 0; i < quante && !d.empty(); ++i) {
            const std::size_t pos = caso() % d.size();
            switch (caso() % 4) {
            case 0:
                d[pos] = static_cast<std::uint8_t>(caso());
                break;
            case 1:
                d.resize(pos);
                break;
            case 2:
                d.insert(d.begin() + static_cast<std::ptrdiff_t>(pos), static_cast<std::uint8_t>(caso()));
                break;
            default: // the fields that matter most: version and counts
                for (std::size_t p :
                     {std::size_t{0}, file_sistema::OffsetConteggio, importa_giocate::OffsetConteggioLpc}) {
                    if (p < d.size()) {
                        d[p] = static_cast<std::uint8_t>(caso());
                    }
                }
            }
        }
        return d;
    };
    const auto casuale = [&caso] {
        std::vector<std::uint8_t> d(caso() % 3000);
        for (auto& b : d) {
            b = static_cast<std::uint8_t>(caso() % 4 == 0 ? caso() % 10 + '0' : caso());
        }
        return d;
    };

    EsecuzioneContinua continua;
    std::array<int, 3> completate{};
    for (int giro = 0; giro < 3000; ++giro) {
        const int lettore = giro % 3;
        const auto& seme = lettore == 0 ? sistema : lettore == 1 ? lpc : testoByte;
        const auto dati = caso() % 3 == 0 ? casuale() : muta(seme);
        EsitoImportazione esito;
        if (lettore == 0) {
            esito = ImportaImmagineSistema(dati, elenco, continua);
        } else if (lettore == 1) {
            esito = ImportaImmagineLpc(dati, elenco, continua);
        } else {
            std::istringstream in(std::string(dati.begin(), dati.end()));
            esito = ImportaTesto(in, elenco, continua);
        }
        ASSERT_EQ(elenco.conteggio(), 2 + (esito.modificato() ? esito.aggiunte : 0)) << "giro " << giro;
        completate[static_cast<std::size_t>(lettore)] += esito.aggiunte > 0 ? 1 : 0;
        for (std::int32_t i = 3; i <= elenco.conteggio(); ++i) {
            Tipo_Giocata g = elenco.voce(i);
            const int n = OrdinaGiocata(g);
            ASSERT_EQ(g, elenco.voce(i)) << "giro " << giro;
            ASSERT_GE(n, 1);
            for (int j = 1; j < n; ++j) {
                ASSERT_LT(g[static_cast<std::size_t>(j - 1)], g[static_cast<std::size_t>(j)]);
            }
            ASSERT_LE(g[static_cast<std::size_t>(n - 1)], 90);
        }
        elenco.setConteggio(2);
        ASSERT_EQ(Giocate(elenco), originali);
    }
    // The mutations leave enough valid inputs for the success paths to be exercised too.
    for (int c : completate) {
        EXPECT_GT(c, 20);
    }
}
