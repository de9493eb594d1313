#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The formatted reading of an RTF message: paragraphs with their alignment, runs of text with bold,
// italic, underline, size and colour, and simple tables. What a document could reference or run is
// never part of the model: pictures, objects, field instructions (a field keeps its result as plain
// text in the formatting around the field, never a link), ignorable destinations ({\*...}), font and
// style tables, headers and footers, hidden text (\v).

enum class AllineamentoRtf { Sinistra, Centro, Destra, Giustificato };

struct ColoreRtf
{
    std::uint8_t rosso = 0;
    std::uint8_t verde = 0;
    std::uint8_t blu = 0;

    friend bool operator==(const ColoreRtf&, const ColoreRtf&) = default;
};

// Character formatting of a run.
struct StileRtf
{
    bool grassetto = false;
    bool corsivo = false;
    bool sottolineato = false;
    int mezziPunti = 24;             // \fsN: size in half-points, kept within 2..400
    std::optional<ColoreRtf> colore; // from the colour table; none for the automatic colour

    friend bool operator==(const StileRtf&, const StileRtf&) = default;
};

// Text in UTF-8 with one style. "\n" is a line break inside the paragraph (\line), "\t" a tab.
struct TrattoRtf
{
    std::string testo;
    StileRtf stile;

    friend bool operator==(const TrattoRtf&, const TrattoRtf&) = default;
};

struct ParagrafoRtf
{
    AllineamentoRtf allineamento = AllineamentoRtf::Sinistra;
    std::vector<TrattoRtf> tratti; // adjacent runs never share a style; empty for a blank line

    friend bool operator==(const ParagrafoRtf&, const ParagrafoRtf&) = default;
};

struct CellaRtf
{
    std::vector<ParagrafoRtf> paragrafi;

    friend bool operator==(const CellaRtf&, const CellaRtf&) = default;
};

// Rows as written (\trowd .. \cell .. \row); rows may hold different numbers of cells.
struct TabellaRtf
{
    std::vector<std::vector<CellaRtf>> righe;

    friend bool operator==(const TabellaRtf&, const TabellaRtf&) = default;
};

using BloccoRtf = std::variant<ParagrafoRtf, TabellaRtf>;

struct DocumentoRtf
{
    std::vector<BloccoRtf> blocchi;
};

enum class EsitoDocumentoRtf {
    Letto,
    NonRtf,            // does not begin with "{\rtf"
    GruppiSbilanciati, // a group left open at the end, or text after the document's last "}"
    TroppoAnnidato,    // groups nested deeper than ProfonditaMassimaRtf
    TroppoGrande,      // input over DimensioneMassimaRtf, or more than ElementiMassimiRtf in the model
};

struct LetturaRtf
{
    EsitoDocumentoRtf esito = EsitoDocumentoRtf::Letto;
    DocumentoRtf documento; // empty unless the esito is Letto

    bool letto() const { return esito == EsitoDocumentoRtf::Letto; }
};

// The message download is capped at 1 MB; a larger text is not read.
inline constexpr std::size_t DimensioneMassimaRtf = 1024 * 1024;
// Word processors nest a few levels per table, field or list; a message nests far less.
inline constexpr std::size_t ProfonditaMassimaRtf = 100;
// Paragraphs, runs and table cells (a table counts rows x widest row) the model may hold, so that a
// small hostile file cannot make the window lay out an enormous document.
inline constexpr std::size_t ElementiMassimiRtf = 20000;

// Reads an RTF text into the model. Characters: \'hh in the document's ANSI code page (Windows-1252
// unless \ansicpg names 28591 or 28605; bytes of any other code page above 0x7F read as U+FFFD),
// \uN with \ucN fallback characters skipped (surrogate pairs joined), \~ \emdash \bullet and the
// quote words. \par, \sect and \page end a paragraph; the last paragraph is kept when it holds text.
// Anything that is not Letto leaves the caller to its plain-text reading (TestoDaRtf). One pass over
// the text; the model is at most ElementiMassimiRtf elements and about three bytes per input byte.
[[nodiscard]] LetturaRtf LeggiDocumentoRtf(std::string_view rtf);
