#pragma once

#include <string>
#include <string_view>

// Texts that come from the update server, made safe to show.

// The readable text of an RTF document, as UTF-8 with "\n" between paragraphs. Control words are
// dropped; \par and \line give a new line, \tab a tab, \'hh a Windows-1252 byte, \uN a character.
// Ignorable destinations ({\*...}) and the groups that hold no text to read (font, colour and style
// tables, document information, pictures, objects, field instructions, headers and footers) are
// skipped, so nothing a document references is ever fetched or run: a field shows its result text
// only. Groups nested deeper than 200 levels are skipped. A text that does not begin with "{\rtf"
// is taken as plain text (TestoUtf8).
std::string TestoDaRtf(std::string_view rtf);

// Valid UTF-8 is kept; any other text is read as Windows-1252. NUL bytes are dropped.
std::string TestoUtf8(std::string_view testo);

// The character of a Windows-1252 byte; the five undefined slots stay as their C1 code points.
char32_t DaCp1252(unsigned char c);

// Appends c in UTF-8; a lone surrogate is written as U+FFFD.
void AggiungiUtf8(std::string& out, char32_t c);

// The characters of RTF control words and of the \'hh escapes, shared by the plain and the formatted
// readers.
namespace rtf {

inline bool Lettera(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool Cifra(char c)
{
    return c >= '0' && c <= '9';
}

// 0..15 for a hexadecimal digit, -1 otherwise.
inline int ValoreEsadecimale(char c)
{
    if (Cifra(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The numeric parameter of a control word starting at `pos` (digits, with a "-" only right before a
// digit) and the one space that ends the word; `pos` moves past them. Values saturate far below any
// real parameter's limit.
struct ParametroRtf
{
    bool presente = false;
    long valore = 0;
};

inline ParametroRtf LeggiParametro(std::string_view testo, std::size_t& pos)
{
    ParametroRtf p;
    bool negativo = false;
    if (pos + 1 < testo.size() && testo[pos] == '-' && Cifra(testo[pos + 1])) {
        negativo = true;
        ++pos;
    }
    while (pos < testo.size() && Cifra(testo[pos])) {
        if (p.valore < 100'000'000) {
            p.valore = p.valore * 10 + (testo[pos] - '0');
        }
        p.presente = true;
        ++pos;
    }
    if (negativo) {
        p.valore = -p.valore;
    }
    if (pos < testo.size() && testo[pos] == ' ') {
        ++pos;
    }
    return p;
}

} // namespace rtf
