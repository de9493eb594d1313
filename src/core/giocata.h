#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One play: the numbers 1..90 strictly ascending, then zeros. Equality of plays is byte equality,
// which every search relies on, so stored plays are always kept in this canonical form.
using Tipo_Giocata = std::array<std::uint8_t, 10>;

// One flag (0/1) per number 1..90, index 0 for number 1.
using SegniNumeri = std::array<std::uint8_t, 90>;

constexpr int NumeroMassimo = 90;
constexpr int NumeriMassimiPerGiocata = 10;

// Counts the leading non-zero slots (at most 10) and sorts them ascending; no duplicate check.
int OrdinaGiocata(Tipo_Giocata& giocata);

// Reads up to ten numbers 1..90 separated by spaces or tabs (first 255 characters of the trimmed
// text). Invalid on an eleventh number, a non-number, a repeated number or no number at all.
[[nodiscard]] bool LeggiGiocataDaTesto(std::string_view testo, Tipo_Giocata& giocata);

// Reads a list of distinct numbers 1..90 separated by spaces into flags; returns how many were
// read, 0 when the text is empty or invalid (a non-number, a value out of range, a repetition).
// Only the first 255 characters of the trimmed text count, as in the boxes where users type lists.
[[nodiscard]] int LeggiElencoNumeri(std::string_view testo, SegniNumeri& segni);
// The same rules on the whole text, for lists that do not come from a box (all 90 numbers written
// out take more than 255 characters).
[[nodiscard]] int LeggiInsiemeNumeri(std::string_view testo, SegniNumeri& segni);

// The play made of the flagged numbers, ascending, at most the first ten.
Tipo_Giocata GiocataDaSegni(const SegniNumeri& segni);

// Whether 10 bytes are a play in canonical form: 1 to 10 numbers 1..90 strictly ascending, then
// zeros. Every search compares plays byte for byte, so files holding plays in another form are
// refused rather than repaired.
bool GiocataCanonica(const std::uint8_t* dieciByte);

// Number of leading non-zero slots.
int NumeriGiocata(const Tipo_Giocata& giocata);

// The numbers of the play joined by the separator ("1 2 3" with " ").
std::string TestoGiocata(const Tipo_Giocata& giocata, std::string_view separatore = " ");

// n! as a signed 32-bit value, 1 for n < 2; meant for n <= 12.
std::int32_t Fattoriale(int n);

// Binomial coefficient C(n, k) in double precision as the product (k+1)..n over (n-k)!,
// 0 when n < k or n < 1.
double CombinazioniDouble(int n, int k);
