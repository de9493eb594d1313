#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The dictionary of meanings of the 90 numbers ("la smorfia"), kept in Quarvin.smo in the data folder:
// 82-byte records without a header, each one length byte (0..80), 80 bytes of description of which the
// first `length` count, and the number 1..90. The description bytes are ISO-8859-1 (Latin-1), one byte
// per character, so that 80 characters always fit; in memory and on screen the texts are UTF-8.
namespace smorfia {

inline constexpr const char* NomeFile = "Quarvin.smo";
inline constexpr std::size_t DimensioneRecord = 82;
inline constexpr std::size_t LunghezzaMassima = 80;

struct Voce
{
    int numero = 0;          // 1..90
    std::string descrizione; // UTF-8
};

// The records of a Quarvin.smo, in file order. A record whose number is not 1..90 is skipped, a length
// byte above 80 is taken as 80, trailing bytes short of a record are ignored. False when the file cannot
// be read (missing, unreadable, or larger than any dictionary can be).
[[nodiscard]] bool LeggiSmorfia(const std::string& percorso, std::vector<Voce>& voci);

// Writes the entries as Quarvin.smo (through a temporary file); descriptions longer than 80 characters are
// cut. False when the file could not be written.
[[nodiscard]] bool ScriviSmorfia(const std::string& percorso, const std::vector<Voce>& voci);

// The entries of the shipped text: one per line, the number, a tab and the meaning (UTF-8). Empty lines
// and lines starting with '#' are skipped; a line without a number 1..90 before the tab, or with an
// empty meaning, is skipped too and its 1-based line number is added to `scartate`.
std::vector<Voce> LeggiTestoSmorfia(std::string_view testo, std::vector<int>* scartate = nullptr);

// A fresh installation's dictionary: when the data folder has no Quarvin.smo and the shipped text exists,
// the text is converted and saved there once. An existing Quarvin.smo is never replaced. Returns an empty
// text, or the problem to report.
std::string PreparaSmorfiaPredefinita(const std::string& cartellaDati, const std::string& percorsoTesto);

// One row of a search: the number as the grid shows it ("    " and the number) and the description
// with its first letter in upper case.
struct Risultato
{
    int numero = 0;
    std::string testoNumero;
    std::string descrizione;
};

// The search of view "La smorfia": the text is trimmed, runs of spaces collapsed and split at the spaces
// into terms (nothing for an empty text). For each entry in order, the first term that occurs in the
// description ignoring case, or that is exactly the entry's number, makes a row; the row is put at the
// top of the list when the description begins with that term or the term is the number, at the end
// otherwise (so rows put at the top come out in reverse entry order).
std::vector<Risultato> CercaSmorfia(const std::vector<Voce>& voci, std::string_view testo);

// Latin-1 <-> UTF-8 of the file texts; a character outside Latin-1 becomes '?'.
std::string Latin1DaUtf8(std::string_view utf8);
std::string Utf8DaLatin1(std::string_view latin1);

} // namespace smorfia
