#include "core/importi.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <limits>
#include <string>

namespace {

using Posizioni = std::array<std::uint8_t, NumeroPosizioni>;

// Boxes with the given stakes; an empty text is an empty box.
CaselleImporti Caselle(std::initializer_list<std::pair<ClassePremio, const char*>> quote)
{
    CaselleImporti caselle;
    for (const auto& [classe, testo] : quote) {
        caselle.testi[static_cast<std::size_t>(classe)] = testo;
    }
    return caselle;
}

} // namespace

TEST(Importi, Formato)
{
    struct Riga
    {
        const char* nome;
        double x;
        bool separatori;
        int decimali;
        const char* atteso;
    };
    const Riga righe[] = {
        {"zero", 0, true, 2, "0,00"},
        {"mezzo", 0.5, true, 2, "0,50"},
        {"intero", 450, true, 2, "450,00"},
        {"milioni con separatori", 1234567.5, true, 2, "1.234.567,50"},
        {"milioni senza separatori", 1234567.5, false, 2, "1234567,50"},
        {"troncato non arrotondato", 0.125, true, 2, "0,12"},
        {"tre cifre senza punto", 999.99, true, 2, "999,99"},
        {"migliaia esatte", 1000, true, 2, "1.000,00"},
        {"sei cifre", 200000, true, 2, "200.000,00"},
        {"zero decimali senza virgola", 1234.56, true, 0, "1.234"},
        {"tre decimali", 0.05, false, 3, "0,050"},
        {"decimali negativi come zero", 7.5, false, -1, "7"},
        {"zero negativo", -0.0, true, 2, "0,00"},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        EXPECT_EQ(FormatoImporto(riga.x, riga.separatori, riga.decimali), riga.atteso);
    }
}

TEST(Importi, Lettura)
{
    struct Riga
    {
        const char* nome;
        std::string testo;
        bool valido;
        double valore;
    };
    const Riga righe[] = {
        {"vuoto", "", true, 0},
        {"virgola", "0,05", true, 0.05},
        {"punto", "1.5", true, 1.5},
        {"intero", "200", true, 200},
        {"virgola finale", "5,", true, 5},
        {"virgola iniziale", ",5", true, 0.5},
        {"zeri iniziali", "007", true, 7},
        {"due separatori", "1,2,3", false, 0},
        {"virgola e punto", "1.000,5", false, 0},
        {"solo virgola", ",", false, 0},
        {"segno meno", "-1", false, 0},
        {"segno piu", "+1", false, 0},
        {"esponente", "1e3", false, 0},
        {"spazio", " 1", false, 0},
        {"lettere", "abc", false, 0},
        {"infinito", "inf", false, 0},
        {"lunghissimo", std::string(5000, '9'), false, 0},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        double valore = -1;
        EXPECT_EQ(LeggiImporto(riga.testo, valore), riga.valido);
        if (riga.valido) {
            EXPECT_DOUBLE_EQ(valore, riga.valore);
        }
    }
}

TEST(Importi, LetturaIgnoraLaLinguaDelSistema)
{
    // A locale with a comma separator must not change how "0.5" or "0,5" are read.
    const char* precedente = std::setlocale(LC_NUMERIC, nullptr);
    const std::string salvato = precedente != nullptr ? precedente : "C";
    if (std::setlocale(LC_NUMERIC, "it_IT.UTF-8") == nullptr) {
        GTEST_SKIP() << "it_IT.UTF-8 not installed";
    }
    double valore = 0;
    EXPECT_TRUE(LeggiImporto("0.5", valore));
    EXPECT_DOUBLE_EQ(valore, 0.5);
    EXPECT_EQ(FormatoImporto(1234.5, true, 2), "1.234,50");
    std::setlocale(LC_NUMERIC, salvato.c_str());
}

TEST(Importi, TestoModificabileSiRilegge)
{
    struct Riga
    {
        const char* nome;
        double x;
        const char* atteso;
    };
    const Riga righe[] = {
        {"mille", 1000, "1000"},
        {"milioni", 1234567.5, "1234567,5"},
        {"tre decimali", 0.125, "0,125"},
        {"zero", 0, "0"},
        {"cinque centesimi", 0.05, "0,05"},
        {"duecento", 200, "200"},
        {"non rappresentabile esatto", 0.1 + 0.2, nullptr},
        {"enorme", 1e300, nullptr},
        {"minuscolo", 5e-324, nullptr},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const std::string testo = TestoImportoModificabile(riga.x);
        if (riga.atteso != nullptr) {
            EXPECT_EQ(testo, riga.atteso);
        }
        double riletto = -1;
        ASSERT_TRUE(LeggiImporto(testo, riletto)) << testo;
        EXPECT_EQ(riletto, riga.x);
    }
}

TEST(Importi, Arrotondamento)
{
    EXPECT_EQ(ArrotondaImporto(0.05), 500);
    EXPECT_EQ(ArrotondaImporto(0.1 + 0.2), 3000);
    EXPECT_EQ(ArrotondaImporto(0.00005), 0) << "half goes to the even neighbour";
    EXPECT_EQ(ArrotondaImporto(0.00025), 2);
    EXPECT_EQ(ArrotondaImporto(0.00035), 4);
    EXPECT_EQ(ArrotondaImporto(1e300), std::numeric_limits<std::int64_t>::max()) << "saturates";
}

TEST(Importi, Validazione)
{
    // Each row is valid or fails for one reason: the limits it does not test are loosened.
    struct Riga
    {
        const char* nome;
        CaselleImporti caselle;
        Posizioni posizioni;
        double multiplo;
        double massimo;
        bool valido;
        double totale;
    };
    CaselleImporti disabilitata = Caselle({{Ambo, "1"}, {Cinquina, "5"}});
    disabilitata.abilitate[Cinquina] = false;

    const Riga righe[] = {
        {"ambo 1 e terno 0,5", Caselle({{Ambo, "1"}, {Terno, "0,5"}}), {}, 0.5, 200, true, 1.5},
        {"ambo 0,07 non multiplo di i1",
         Caselle({{Ambo, "0,07"}, {Terno, "0,93"}}),
         {},
         0.01,
         200,
         false,
         1.0},
        {"estratto oltre i18", Caselle({{Estratto, "250"}}), {}, 0.5, 1000, false, 250},
        {"estratto uguale a i18", Caselle({{Estratto, "200"}}), {}, 0.5, 1000, true, 200},
        {"totale non multiplo", Caselle({{Ambo, "1,25"}}), {}, 0.5, 200, false, 1.25},
        {"totale sotto il minimo", Caselle({{Ambo, "0,5"}}), {}, 0.5, 200, false, 0.5},
        {"totale oltre il massimo", Caselle({{Ambo, "200"}, {Terno, "100"}}), {}, 0.5, 200, false, 300},
        {"determinato su due posizioni",
         Caselle({{EstrattoDeterminato, "1"}}),
         {1, 0, 1, 0, 0},
         0.5,
         200,
         true,
         2},
        {"determinato senza posizioni", Caselle({{EstrattoDeterminato, "1"}}), {}, 0.5, 200, false, 0},
        {"determinato fuori dalle quote",
         Caselle({{EstrattoDeterminato, "0,75"}}),
         {1, 1, 0, 0, 0},
         0.5,
         200,
         true,
         1.5},
        {"tutto zero", Caselle({}), {}, 0.5, 200, false, 0},
        {"casella disabilitata conta zero", disabilitata, {}, 0.5, 200, true, 1},
        {"testo illeggibile", Caselle({{Ambo, "1"}, {Terno, "x"}}), {}, 0.5, 200, false, 1},
        {"ambetto conta", Caselle({{Ambetto, "1"}}), {}, 0.5, 200, true, 1},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ImpostazioniGenerali impostazioni;
        impostazioni.multiplo = riga.multiplo;
        impostazioni.massimo = riga.massimo;
        const EsitoImporti esito = ValidaImporti(riga.caselle, riga.posizioni, impostazioni);
        EXPECT_EQ(esito.valido, riga.valido);
        EXPECT_DOUBLE_EQ(esito.totale, riga.totale);
    }
}

TEST(Importi, ValidazioneRestituisceLeQuote)
{
    CaselleImporti caselle = Caselle({{Ambo, "1"}, {Cinquina, "5"}, {EstrattoDeterminato, "0,5"}});
    caselle.abilitate[Cinquina] = false;
    const EsitoImporti esito = ValidaImporti(caselle, {0, 1, 0, 0, 1}, ImpostazioniGenerali{});
    EXPECT_DOUBLE_EQ(esito.importi[Ambo - 1], 1);
    EXPECT_DOUBLE_EQ(esito.importi[Cinquina - 1], 0) << "a disabled box is not read";
    EXPECT_DOUBLE_EQ(esito.importi[EstrattoDeterminato - 1], 0.5);
    EXPECT_DOUBLE_EQ(esito.importi[7], 0);
    EXPECT_DOUBLE_EQ(esito.sommaClassi, 1);
    EXPECT_DOUBLE_EQ(esito.totale, 2);
    EXPECT_TRUE(esito.valido);
}

TEST(Importi, PassiZeroNonDividono)
{
    ImpostazioniGenerali impostazioni;
    impostazioni.importiGiocata[0] = 0;
    impostazioni.multiplo = 0;
    const EsitoImporti esito = ValidaImporti(Caselle({{Ambo, "1,37"}}), {}, impostazioni);
    EXPECT_TRUE(esito.valido) << "with no step only the bounds apply";

    impostazioni.minimo = 0;
    EXPECT_TRUE(ValidaImporti(Caselle({}), {}, impostazioni).valido)
        << "a zero minimum and zero step accept an empty set";
}

TEST(Importi, Messaggio)
{
    ImpostazioniGenerali impostazioni;
    EXPECT_EQ(MessaggioImportiNonValidi(impostazioni),
              "Alcuni importi non sono validi. L'importo minimo per giocata è 1,00 €\r"
              "Il totale deve essere multiplo di 0,50 € e non superiore a 200,00 €.\r"
              "Ogni singola quota deve essere multipla di 0,05 €.\r"
              "Ogni singola quota non può superare 200,00 €.");

    impostazioni.decimali = 0;
    impostazioni.massimo = 2500;
    EXPECT_EQ(MessaggioImportiNonValidi(impostazioni),
              "Alcuni importi non sono validi. L'importo minimo per giocata è 1 €\r"
              "Il totale deve essere multiplo di 0 € e non superiore a 2.500 €.\r"
              "Ogni singola quota deve essere multipla di 0 €.\r"
              "Ogni singola quota non può superare 200 €.");
}
