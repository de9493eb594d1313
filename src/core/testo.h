#pragma once

#include <string>
#include <string_view>
#include <vector>

// Small text helpers shared by the readers of user input. Texts are UTF-8.
namespace testo {

// Removes leading and trailing spaces and control characters (code <= 32), as the user's boxes do.
std::string Trim(std::string_view s);

// The first n characters (bytes; user input that matters here is ASCII).
std::string Primi(std::string_view s, std::size_t n);

// Replaces every run of spaces with one space.
std::string UnisciSpazi(std::string_view s);

// Splits at each separator; empty pieces are dropped.
std::vector<std::string_view> Dividi(std::string_view s, char separatore);

// A whole decimal number made only of digits (no sign, no spaces), at most 9 digits.
[[nodiscard]] bool LeggiIntero(std::string_view s, int& valore);

// Replaces every "\r\n" or lone "\r" with "\n" (message texts use "\r" between lines).
std::string RigheUnix(std::string_view s);

// File name without its folder (either separator).
std::string NomeSenzaCartella(std::string_view percorso);

// A number in fixed notation with `decimali` decimals and "." as separator, whatever the process locale
// (the windows run under the user's locale, where printf would write ","); empty for a value too large
// to write.
std::string Fisso(double valore, int decimali);

// Case-insensitive ASCII equality.
bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b);

} // namespace testo
