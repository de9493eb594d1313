#include "reductions/riduttori_immediati.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<RiduttoreDaScrivere> DueRiduttori()
{
    // 7 numbers in terzine with the ambo guarantee (the Fano plane), and 5 numbers in quartine.
    RiduttoreDaScrivere fano{7, 3, 2, {1, 2, 3, 1, 4, 5, 1, 6, 7, 2, 4, 6, 2, 5, 7, 3, 4, 7, 3, 5, 6}};
    RiduttoreDaScrivere piccolo{5, 4, 3, {1, 2, 3, 4, 2, 3, 4, 5}};
    return {fano, piccolo};
}

void ScriviU32(std::vector<unsigned char>& b, std::size_t offset, std::uint32_t v)
{
    if (b.size() < offset + 4) {
        return;
    }
    const std::array<unsigned char, 4> le{static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                          static_cast<unsigned char>(v >> 16),
                                          static_cast<unsigned char>(v >> 24)};
    std::memcpy(b.data() + offset, le.data(), le.size());
}

} // namespace

TEST(RiduttoriImmediati, AndataERitorno)
{
    test::CartellaTemporanea cartella;
    const std::string file = cartella.file("Quarvin.ra2");
    const auto riduttori = DueRiduttori();
    ASSERT_TRUE(ScriviRiduttoriImmediati(file, riduttori));

    for (const RiduttoreDaScrivere& atteso : riduttori) {
        const RiduttoreImmediato r = CercaRiduttoreImmediato(file, atteso.v, atteso.k, atteso.g);
        ASSERT_TRUE(r.disponibile());
        EXPECT_FALSE(r.danneggiato);
        EXPECT_EQ(r.giocate, static_cast<std::int64_t>(atteso.posizioni.size()) / atteso.k);
        EXPECT_EQ(r.checksum, ChecksumPosizioni(atteso.posizioni));
        const LetturaRiduttore l = LeggiRiduttoreImmediato(file, r);
        ASSERT_TRUE(l.integro);
        EXPECT_EQ(l.posizioni, atteso.posizioni);
    }
    EXPECT_FALSE(CercaRiduttoreImmediato(file, 7, 3, 3).disponibile());
    EXPECT_FALSE(CercaRiduttoreImmediato(cartella.file("manca.ra2"), 7, 3, 2).disponibile());
    EXPECT_EQ(ElencoRiduttoriImmediati(file).size(), 2U);
    EXPECT_EQ(IdfFileRiduttori(file), std::to_string(test::LeggiFile(file).size()));
    EXPECT_EQ(IdfFileRiduttori(cartella.file("manca.ra2")), "0");
}

// Damaged files: never a crash, never a reducer used. A damaged entry is found (so the run reports it)
// but cannot be read; a file without a trustworthy directory holds no reducer.
TEST(RiduttoriImmediati, FileDanneggiati)
{
    test::CartellaTemporanea cartella;
    const std::string file = cartella.file("Quarvin.ra2");
    ASSERT_TRUE(ScriviRiduttoriImmediati(file, DueRiduttori()));
    const std::vector<unsigned char> buono = test::LeggiFile(file);
    const std::size_t inizioGiocate = DimensioneIntestazioneRiduttori + 2 * DimensioneVoceRiduttori;

    struct Caso
    {
        const char* nome;
        std::vector<unsigned char> byte;
        bool trovato;
    };
    std::vector<Caso> casi;
    {
        auto b = buono;
        b[inizioGiocate + 4] = static_cast<unsigned char>(b[inizioGiocate + 4] + 1); // a position changed
        casi.push_back({"checksum errato", b, true});
    }
    {
        auto b = buono;
        b.resize(inizioGiocate + 10);
        casi.push_back({"giocate troncate", b, true});
    }
    {
        auto b = buono;
        b[inizioGiocate] = 9; // position beyond v = 7
        casi.push_back({"posizione fuori intervallo", b, true});
    }
    {
        auto b = buono;
        ScriviU32(b, DimensioneIntestazioneRiduttori + 4, 0x7FFFFFFF); // P believed: too many plays
        casi.push_back({"conteggio enorme", b, true});
    }
    {
        auto b = buono;
        ScriviU32(b, 4, 0xFFFFFFFF);
        casi.push_back({"directory oltre il file", b, false});
    }
    {
        auto b = buono;
        b[0] = 'X';
        casi.push_back({"firma errata", b, false});
    }
    casi.push_back({"file vuoto", {}, false});
    casi.push_back(
        {"directory troncata", std::vector<unsigned char>(buono.begin(), buono.begin() + 12), false});

    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        test::ScriviFile(file, caso.byte);
        const RiduttoreImmediato r = CercaRiduttoreImmediato(file, 7, 3, 2);
        EXPECT_EQ(r.disponibile(), caso.trovato);
        EXPECT_FALSE(LeggiRiduttoreImmediato(file, r).integro);
    }
}

// The generation block of the shipped files: read back as written, invisible to the reader of the plays,
// and never believed where an entry's plays lie.
TEST(RiduttoriImmediati, Generazione)
{
    test::CartellaTemporanea cartella;
    const std::string file = cartella.file("Quarvin.ra2");
    const auto riduttori = DueRiduttori();
    const std::size_t inizioGiocate = DimensioneIntestazioneRiduttori + 2 * DimensioneVoceRiduttori;

    struct Caso
    {
        const char* nome;
        std::uint32_t scritta;
        std::uint32_t letta;
    };
    const Caso casi[] = {{"senza", 0, 0}, {"prima", 1, 1}, {"grande", 0xFFFFFFFFU, 0xFFFFFFFFU}};
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        ASSERT_TRUE(ScriviRiduttoriImmediati(file, riduttori, caso.scritta));
        EXPECT_EQ(GenerazioneRiduttori(file), caso.letta);
        EXPECT_EQ(test::LeggiFile(file).size(),
                  inizioGiocate + (caso.scritta != 0 ? DimensioneGenerazioneRiduttori : 0U) + 21 + 8);
        for (const RiduttoreDaScrivere& atteso : riduttori) {
            const LetturaRiduttore l =
                LeggiRiduttoreImmediato(file, CercaRiduttoreImmediato(file, atteso.v, atteso.k, atteso.g));
            ASSERT_TRUE(l.integro);
            EXPECT_EQ(l.posizioni, atteso.posizioni);
        }
    }

    // Plays that happen to start with the block's signature are plays, not a generation.
    ASSERT_TRUE(ScriviRiduttoriImmediati(file, riduttori));
    auto byte = test::LeggiFile(file);
    const unsigned char firma[] = {'Q', 'R', 'I', 'G', 5, 0, 0, 0};
    std::memcpy(byte.data() + inizioGiocate, firma, sizeof firma);
    test::ScriviFile(file, byte);
    EXPECT_EQ(GenerazioneRiduttori(file), 0U);
    EXPECT_EQ(GenerazioneRiduttori(cartella.file("manca.ra2")), 0U);
}

TEST(RiduttoriImmediati, ScritturaRifiutata)
{
    struct Caso
    {
        const char* nome;
        RiduttoreDaScrivere riduttore;
    };
    const Caso casi[] = {
        {"posizioni non crescenti", {7, 3, 2, {1, 3, 2}}},
        {"posizione oltre v", {7, 3, 2, {1, 2, 8}}},
        {"giocata incompleta", {7, 3, 2, {1, 2}}},
        {"nessuna giocata", {7, 3, 2, {}}},
        {"k oltre v", {3, 4, 2, {1, 2, 3, 4}}},
    };
    test::CartellaTemporanea cartella;
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        EXPECT_TRUE(ControllaRiduttori({caso.riduttore}).has_value());
        EXPECT_FALSE(ScriviRiduttoriImmediati(cartella.file("x.ra2"), {caso.riduttore}));
    }
    const auto doppio = std::vector<RiduttoreDaScrivere>{DueRiduttori()[0], DueRiduttori()[0]};
    EXPECT_TRUE(ControllaRiduttori(doppio).has_value());
}

TEST(RiduttoriImmediati, IndirizzoPagina)
{
    struct Caso
    {
        const char* nome;
        const char* server;
        char metodo;
        const char* atteso;
    };
    const Caso casi[] = {
        {"predefinito", ServerRiduttoriPredefinito, 'g',
         "http://riduttori.quarvina.example/lotto/riduttori_immediati/index2.php?idm=g&idf=120"},
        {"barra finale", "https://esempio.example/", 'o',
         "https://esempio.example/lotto/riduttori_immediati/index2.php?idm=o&idf=120"},
        {"schema non web", "file:///etc", 'g', ""},
        {"spazio", "http://a b", 'g', ""},
        {"vuoto", "", 'g', ""},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(IndirizzoPaginaRiduttori(caso.server, caso.metodo, "120"), caso.atteso);
    }
}
