#pragma once

#include "core/estrazione.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The cyclometric circle: the numbers 1..90 on a circle (4 degrees apart, 90 at the top, growing
// clockwise), five numbers of a draw as a pentagon, and the differences between them.
namespace cerchio {

inline constexpr int NumeriCerchio = 5;

// Five numbers 0..90; ascending wherever a routine below asks for it. A 0 stands for "no number" (a
// wheel without data, a field typed as 0) and, being the smallest, comes first.
using Cinquina = std::array<int, NumeriCerchio>;
using Lati = std::array<int, 5>;
using Distanze = std::array<int, 10>;

// The five numbers of archive wheel `ruota` (1..11) in the draw, ascending; all 0 on a wheel without
// data.
Cinquina NumeriEstrazione(const Tipo_Estrazione& estrazione, int ruota);

// x2 - x1, x3 - x2, x4 - x3, x5 - x4 and x5 - x1, sorted ascending. `numeri` ascending.
Lati CalcolaLati(const Cinquina& numeri);
// The ten differences nj - ni for i < j, sorted ascending. `numeri` ascending.
Distanze CalcolaDistanze(const Cinquina& numeri);

// The ten distances round the circle, min(d, 90 - d) for every pair, sorted ascending: how far apart
// two numbers sit on the circle whichever way round.
Distanze CalcolaDistanzeCiclometriche(const Cinquina& numeri);

// The three labels under the circle: the caption, then every value preceded by a space
// ("Numeri: 5 23 41 59 77").
std::string TestoNumeri(const Cinquina& numeri);
std::string TestoLati(const Cinquina& numeri);
std::string TestoDistanze(const Cinquina& numeri);
// A fourth label: "Distanze ciclometriche:" and the ten distances round the circle.
std::string TestoDistanzeCiclometriche(const Cinquina& numeri);
// "Del:" and the date as day/month/year without leading zeros; "Nº Concorso:" and the position.
std::string TestoDel(const Tipo_Estrazione& estrazione);
std::string TestoConcorso(std::int32_t posizione);

// The five typed fields read for "Ridisegna". Every field must hold a whole number 0..90, else the
// first one that does not is refused (campoErrato 1..5) and nothing is sorted. Otherwise the values
// are sorted ascending (ordinati, numeri: to be written back to the fields) and two equal neighbours
// refuse the position 2..5 of the second of the first such pair.
struct EsitoNumeri
{
    Cinquina numeri{};
    bool ordinati = false;
    int campoErrato = 0; // 0 when the numbers are accepted

    [[nodiscard]] bool valido() const { return campoErrato == 0; }
};
[[nodiscard]] EsitoNumeri LeggiNumeriDigitati(const std::array<std::string, NumeriCerchio>& campi);

// "Il " + position + "º numero non è valido!"
std::string MessaggioNumeroNonValido(int posizione);

// Drawing in a square of side S pixels (y growing downwards).
struct Punto
{
    double x = 0;
    double y = 0;
};

struct Tacca
{
    Punto interno;
    Punto esterno;
};

struct GeometriaCerchio
{
    int lato = 0;                   // S
    int centro = 0;                 // S div 2 - 1, both coordinates
    int angoloAlto = 16;            // the circle's bounding square: (16, 16) ..
    int angoloBasso = 0;            // .. (S - 17, S - 17)
    double raggioPoligono = 0;      // (S - 34) / 2: the ticks start here and the pentagon's corners lie here
    double raggioTacche = 0;        // (S - 29) / 2: the outer end of the ticks
    std::array<Tacca, 90> tacche{}; // number n at index n - 1
    std::vector<Punto> poligono;    // x1 .. x5 in that order; empty when x1 is 0
};

// Angle in degrees of number n on screen: 4n - 90 (90 at the top, 1 just right of it).
double AngoloNumero(int numero);
// The point of number n at the given radius around (centro, centro).
Punto PosizioneNumero(int numero, double centro, double raggio);
// Everything to draw for side S (at least 40) and the numbers shown (ascending).
GeometriaCerchio CalcolaGeometria(int lato, const Cinquina& numeri);

} // namespace cerchio
