#include "tools/cerchio_ciclometrico.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using cerchio::Cinquina;

TEST(CerchioCiclometrico, LatiEDistanze)
{
    struct Riga
    {
        const char* nome;
        Cinquina numeri;
        const char* lati;
        const char* distanze;
        const char* ciclometriche; // round the circle: min(d, 90 - d)
    };
    const Riga righe[] = {
        {"equidistanti",
         {5, 23, 41, 59, 77},
         "Lati: 18 18 18 18 72",
         "Distanze: 18 18 18 18 36 36 36 54 54 72",
         "Distanze ciclometriche: 18 18 18 18 18 36 36 36 36 36"},
        {"consecutivi",
         {1, 2, 3, 4, 5},
         "Lati: 1 1 1 1 4",
         "Distanze: 1 1 1 1 2 2 2 3 3 4",
         "Distanze ciclometriche: 1 1 1 1 2 2 2 3 3 4"},
        {"lati diversi, ordinati",
         {40, 50, 70, 80, 85},
         "Lati: 5 10 10 20 45",
         "Distanze: 5 10 10 15 20 30 30 35 40 45",
         "Distanze ciclometriche: 5 10 10 15 20 30 30 35 40 45"},
        {"a cavallo del 90",
         {1, 2, 88, 89, 90},
         "Lati: 1 1 1 86 89",
         "Distanze: 1 1 1 2 86 87 87 88 88 89",
         "Distanze ciclometriche: 1 1 1 1 2 2 2 3 3 4"},
        {"con lo zero",
         {0, 3, 4, 12, 90},
         "Lati: 1 3 8 78 90",
         "Distanze: 1 3 4 8 9 12 78 86 87 90",
         "Distanze ciclometriche: 0 1 3 3 4 4 8 9 12 12"},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(cerchio::TestoLati(r.numeri), r.lati);
        EXPECT_EQ(cerchio::TestoDistanze(r.numeri), r.distanze);
        EXPECT_EQ(cerchio::TestoDistanzeCiclometriche(r.numeri), r.ciclometriche);
    }
    EXPECT_EQ(cerchio::TestoNumeri({5, 23, 41, 59, 77}), "Numeri: 5 23 41 59 77");
}

TEST(CerchioCiclometrico, NumeriDigitati)
{
    struct Riga
    {
        const char* nome;
        std::array<std::string, 5> campi;
        int campoErrato;
        bool ordinati;
        Cinquina numeri; // meaningful when ordinati
    };
    const Riga righe[] = {
        {"validi, ordinati", {"77", "5", "41", "23", "59"}, 0, true, {5, 23, 41, 59, 77}},
        {"doppione dopo l'ordinamento", {"90", "12", "12", "3", "4"}, 4, true, {3, 4, 12, 12, 90}},
        {"zero ammesso", {"7", "0", "90", "45", "1"}, 0, true, {0, 1, 7, 45, 90}},
        {"due zeri", {"0", "5", "0", "6", "7"}, 2, true, {0, 0, 5, 6, 7}},
        {"campo vuoto", {"1", "2", "", "4", "5"}, 3, false, {}},
        {"oltre 90", {"1", "2", "3", "4", "91"}, 5, false, {}},
        {"primo errato prima del secondo", {"99", "", "3", "4", "5"}, 1, false, {}},
        {"testo incollato", {"1", "2", "3", "x4", "5"}, 4, false, {}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const cerchio::EsitoNumeri esito = cerchio::LeggiNumeriDigitati(r.campi);
        EXPECT_EQ(esito.campoErrato, r.campoErrato);
        EXPECT_EQ(esito.valido(), r.campoErrato == 0);
        EXPECT_EQ(esito.ordinati, r.ordinati);
        if (r.ordinati) {
            EXPECT_EQ(esito.numeri, r.numeri);
        }
    }
    EXPECT_EQ(cerchio::MessaggioNumeroNonValido(4), "Il 4º numero non è valido!");
}

TEST(CerchioCiclometrico, NumeriDellEstrazioneEEtichette)
{
    Tipo_Estrazione e;
    e.giorno = 7;
    e.mese = 3;
    e.setAnno(2003);
    const int roma[] = {61, 9, 33, 2, 48};
    for (int p = 1; p <= 5; ++p) {
        e.setNumero(Roma, p, static_cast<std::uint8_t>(roma[p - 1]));
    }
    EXPECT_EQ(cerchio::NumeriEstrazione(e, Roma), (Cinquina{2, 9, 33, 48, 61}));
    // A wheel without data shows five zeros (and so no pentagon).
    EXPECT_EQ(cerchio::NumeriEstrazione(e, Nazionale), (Cinquina{0, 0, 0, 0, 0}));
    EXPECT_EQ(cerchio::TestoDel(e), "Del:7/3/2003");
    EXPECT_EQ(cerchio::TestoConcorso(1234), "Nº Concorso:1234");
}

TEST(CerchioCiclometrico, Geometria)
{
    const cerchio::GeometriaCerchio g = cerchio::CalcolaGeometria(400, {5, 23, 41, 59, 77});
    EXPECT_EQ(g.centro, 199);
    EXPECT_EQ(g.angoloBasso, 383);
    EXPECT_DOUBLE_EQ(g.raggioPoligono, 183.0);
    EXPECT_DOUBLE_EQ(g.raggioTacche, 185.5);

    struct Riga
    {
        const char* nome;
        int numero;
        double gradi; // on screen, clockwise from the right (y down)
    };
    const Riga righe[] = {
        {"90 in alto", 90, 270},
        {"1 subito a destra del 90", 1, -86},
        {"22 appena sopra la destra", 22, -2},
        {"45 in basso", 45, 90},
        {"67 appena sotto la sinistra", 67, 178},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const double dx = std::cos(r.gradi * std::numbers::pi / 180);
        const double dy = std::sin(r.gradi * std::numbers::pi / 180);
        const cerchio::Tacca& t = g.tacche[static_cast<std::size_t>(r.numero - 1)];
        EXPECT_NEAR(t.interno.x, 199 + 183.0 * dx, 1e-9);
        EXPECT_NEAR(t.interno.y, 199 + 183.0 * dy, 1e-9);
        EXPECT_NEAR(t.esterno.x, 199 + 185.5 * dx, 1e-9);
        EXPECT_NEAR(t.esterno.y, 199 + 185.5 * dy, 1e-9);
    }

    ASSERT_EQ(g.poligono.size(), 5U);
    for (std::size_t i = 0; i < 5; ++i) {
        const int numero = Cinquina{5, 23, 41, 59, 77}[i];
        EXPECT_DOUBLE_EQ(g.poligono[i].x, g.tacche[static_cast<std::size_t>(numero - 1)].interno.x);
        EXPECT_DOUBLE_EQ(g.poligono[i].y, g.tacche[static_cast<std::size_t>(numero - 1)].interno.y);
    }
    EXPECT_TRUE(cerchio::CalcolaGeometria(400, {0, 3, 4, 12, 90}).poligono.empty());
}
