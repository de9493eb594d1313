#pragma once

#include "core/classi_premio.h"
#include "core/impostazioni_generali.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Money. Amounts are compared as R(x), the 64-bit integer nearest to x * 10000 (ties to even), so
// that 0.05 and 0.5 compare and divide exactly.
std::int64_t ArrotondaImporto(double x);

// Empty text: valid, 0. Otherwise commas become points and the text must be a decimal number >= 0.
[[nodiscard]] bool LeggiImporto(std::string_view testo, double& valore);

// The characters a stake box takes.
inline constexpr std::size_t LunghezzaCasellaImporto = 7;

// Points between thousands (when separatori), comma before `decimali` decimals cut without
// rounding: 1234567.5 -> "1.234.567,50", 0.125 -> "0,12".
std::string FormatoImporto(double x, bool separatori, int decimali);

// The text a stake box is filled with so that LeggiImporto reads back the same value: no thousands
// separator, a comma, as many decimals as the value needs, "0" for zero.
std::string TestoImportoModificabile(double x);

// The stake boxes as the user filled them, by ClassePremio slot (index 1..7; 0 unused).
struct CaselleImporti
{
    std::array<std::string, 8> testi{};
    std::array<bool, 8> abilitate{false, true, true, true, true, true, true, true};
};

struct EsitoImporti
{
    bool valido = false;
    std::array<double, NumeroImporti> importi{}; // parsed stakes, slot 1 at index 0
    double sommaClassi = 0;                      // slots 1..5 and 7 (disabled boxes count 0)
    double totale = 0;                           // sommaClassi plus slot 6 once per selected position
};

// Parses the boxes and checks each stake against i1..i18 and the total against Minimo, Massimo
// and Multiplo. A zero i1 or Multiplo drops that divisibility test.
EsitoImporti ValidaImporti(const CaselleImporti& caselle,
                           const std::array<std::uint8_t, NumeroPosizioni>& posizioni,
                           const ImpostazioniGenerali& impostazioni);

// The four-line message shown when the stakes are not valid (caption "Errore").
std::string MessaggioImportiNonValidi(const ImpostazioniGenerali& impostazioni);
