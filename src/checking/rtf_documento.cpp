#include "checking/rtf_documento.h"

#include "checking/testo_rtf.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using rtf::Cifra;
using rtf::Lettera;
using rtf::ValoreEsadecimale;

template <std::size_t N> bool Tra(std::string_view parola, const std::array<std::string_view, N>& nomi)
{
    return std::find(nomi.begin(), nomi.end(), parola) != nomi.end();
}

// Groups that hold no text for the reader, or hold what must never reach the window: pictures, objects,
// shapes, field instructions. Ignorable destinations ({\*...}) are skipped whatever their name.
bool DestinazioneDaSaltare(std::string_view parola)
{
    // clang-format off
    static constexpr std::array<std::string_view, 40> Nomi{
        // tables and document properties
        "fonttbl", "stylesheet", "info", "listtable", "listoverridetable", "rsidtbl", "filetbl", "xmlnstbl",
        "revtbl", "pgdsctbl", "themedata", "datastore", "latentstyles", "colorschememapping", "docvar",
        "template",
        // what could reference or run something
        "pict", "object", "objdata", "result", "shp", "shpinst", "shprslt", "nonshppict", "fldinst",
        // page furniture, notes and index entries
        "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote",
        "annotation", "ftnsep", "aftnsep", "pn", "xe", "tc"};
    // clang-format on
    return Tra(parola, Nomi);
}

bool Sottolineato(std::string_view parola)
{
    static constexpr std::array<std::string_view, 17> Nomi{
        "ul",       "uld",       "uldb",       "uldash",     "uldashd",  "uldashdd",
        "ulw",      "ulwave",    "ulhwave",    "ululdbwave", "ulth",     "ulthd",
        "ulthdash", "ulthdashd", "ulthdashdd", "ulldash",    "ulthldash"};
    return Tra(parola, Nomi);
}

enum class PaginaCodici { Cp1252, Latin1, Latin9, Sconosciuta };

PaginaCodici DaAnsicpg(long numero)
{
    switch (numero) {
    case 1252:
        return PaginaCodici::Cp1252;
    case 28591:
        return PaginaCodici::Latin1;
    case 28605:
        return PaginaCodici::Latin9;
    default:
        return PaginaCodici::Sconosciuta;
    }
}

char32_t DaPaginaCodici(PaginaCodici pagina, unsigned char c)
{
    if (c < 0x80) {
        return c;
    }
    switch (pagina) {
    case PaginaCodici::Cp1252:
        return DaCp1252(c);
    case PaginaCodici::Latin1:
        return c;
    case PaginaCodici::Latin9:
        // ISO 8859-15 differs from Latin-1 in eight slots, the euro among them.
        switch (c) {
        case 0xA4:
            return 0x20AC;
        case 0xA6:
            return 0x0160;
        case 0xA8:
            return 0x0161;
        case 0xB4:
            return 0x017D;
        case 0xB8:
            return 0x017E;
        case 0xBC:
            return 0x0152;
        case 0xBD:
            return 0x0153;
        case 0xBE:
            return 0x0178;
        default:
            return c;
        }
    case PaginaCodici::Sconosciuta:
        break;
    }
    return 0xFFFD;
}

enum class Destinazione { Testo, Colori, Salta };

struct StatoGruppo
{
    Destinazione destinazione = Destinazione::Testo;
    StileRtf stile;
    AllineamentoRtf allineamento = AllineamentoRtf::Sinistra;
    bool inTabella = false;
    bool nascosto = false; // \v: text the writer hid from the reader
    // Inside a field's result the text keeps the formatting around the field: a link result styled
    // as a link would invite a click that does nothing.
    bool stileBloccato = false;
    int uc = 1; // fallback characters that follow each \uN
};

class LettoreDocumento
{
public:
    explicit LettoreDocumento(std::string_view rtf) : m_rtf(rtf) {}

    LetturaRtf leggi()
    {
        while (m_pos < m_rtf.size() && m_esito == EsitoDocumentoRtf::Letto && !m_chiuso) {
            const char c = m_rtf[m_pos++];
            if (c == '{') {
                apriGruppo();
            } else if (c == '}') {
                chiudiGruppo();
            } else if (c == '\\') {
                controllo();
            } else if (c != '\r' && c != '\n') {
                carattere(static_cast<unsigned char>(c));
            }
        }
        if (m_esito == EsitoDocumentoRtf::Letto) {
            if (!m_chiuso) {
                m_esito = EsitoDocumentoRtf::GruppiSbilanciati;
            } else if (m_rtf.substr(m_pos).find_first_not_of(std::string_view(" \t\r\n\0", 5)) !=
                       std::string_view::npos) {
                m_esito = EsitoDocumentoRtf::GruppiSbilanciati;
            }
        }
        LetturaRtf lettura;
        lettura.esito = m_esito;
        if (m_esito == EsitoDocumentoRtf::Letto) {
            lettura.documento = std::move(m_documento);
        }
        return lettura;
    }

private:
    StatoGruppo& stato() { return m_gruppi.back(); }

    void apriGruppo()
    {
        if (m_gruppi.size() >= ProfonditaMassimaRtf) {
            m_esito = EsitoDocumentoRtf::TroppoAnnidato;
            return;
        }
        m_daSaltare = 0;
        m_gruppi.push_back(m_gruppi.empty() ? StatoGruppo{} : m_gruppi.back());
    }

    void chiudiGruppo()
    {
        m_daSaltare = 0;
        if (m_gruppi.empty()) {
            m_esito = EsitoDocumentoRtf::GruppiSbilanciati;
            return;
        }
        if (m_gruppi.size() == 1) {
            fineDocumento();
            m_chiuso = true;
        }
        m_gruppi.pop_back();
    }

    // An element more in the model; past the limit the reading stops.
    void conta()
    {
        ++m_elementi;
        if (m_elementi > ElementiMassimiRtf) {
            m_esito = EsitoDocumentoRtf::TroppoGrande;
        }
    }

    // A byte of the document's text (raw, or from \'hh): in the code page of the document.
    void carattere(unsigned char c)
    {
        if (m_gruppi.empty()) {
            return;
        }
        if (m_daSaltare > 0) {
            --m_daSaltare;
            return;
        }
        if (stato().destinazione == Destinazione::Colori) {
            if (c == ';') {
                fineColore();
            }
            return;
        }
        unicode(DaPaginaCodici(m_pagina, c));
    }

    void unicode(char32_t c)
    {
        if (m_gruppi.empty() || stato().destinazione != Destinazione::Testo) {
            return;
        }
        if (m_altoSurrogato != 0) {
            const char32_t alto = m_altoSurrogato;
            m_altoSurrogato = 0;
            if (c >= 0xDC00 && c <= 0xDFFF) {
                c = 0x10000 + ((alto - 0xD800) << 10) + (c - 0xDC00);
            } else {
                scrivi(0xFFFD);
            }
        }
        if (c >= 0xD800 && c <= 0xDBFF) {
            m_altoSurrogato = c;
            return;
        }
        scrivi(c);
    }

    void scrivi(char32_t c)
    {
        const bool controlloC0 = c < 0x20 && c != '\t' && c != '\n';
        if (c == 0 || controlloC0 || (c >= 0x7F && c < 0xA0) || stato().nascosto) {
            return;
        }
        std::vector<TrattoRtf>& tratti = m_paragrafo.tratti;
        if (tratti.empty() || !(tratti.back().stile == stato().stile)) {
            conta();
            tratti.push_back(TrattoRtf{{}, stato().stile});
        }
        AggiungiUtf8(tratti.back().testo, c);
    }

    void controllo()
    {
        if (m_pos >= m_rtf.size()) {
            return;
        }
        const char c = m_rtf[m_pos];
        if (!Lettera(c)) {
            ++m_pos;
            simbolo(c);
            return;
        }
        const std::size_t inizio = m_pos;
        while (m_pos < m_rtf.size() && Lettera(m_rtf[m_pos])) {
            ++m_pos;
        }
        const std::string_view parola = m_rtf.substr(inizio, m_pos - inizio);
        const rtf::ParametroRtf letto = rtf::LeggiParametro(m_rtf, m_pos);
        const bool conParametro = letto.presente;
        const long parametro = letto.valore;
        if (parola == "bin") {
            // Raw bytes follow; they may hold anything, braces included, and are never text.
            m_pos += std::min(static_cast<std::size_t>(std::max(parametro, 0L)), m_rtf.size() - m_pos);
            return;
        }
        if (m_gruppi.empty()) {
            return;
        }
        if (m_daSaltare > 0) {
            --m_daSaltare;
            return;
        }
        parolaControllo(parola, conParametro, parametro);
    }

    void simbolo(char c)
    {
        if (c == '\'') {
            esadecimale();
            return;
        }
        if (m_gruppi.empty()) {
            return;
        }
        if (c == '*') {
            stato().destinazione = Destinazione::Salta;
            return;
        }
        if (c == '\\' || c == '{' || c == '}') {
            carattere(static_cast<unsigned char>(c));
            return;
        }
        if (m_daSaltare > 0) {
            --m_daSaltare;
            return;
        }
        switch (c) {
        case '~':
            unicode(0xA0);
            break;
        case '_':
            unicode(0x2011);
            break;
        case '\r':
        case '\n':
            if (stato().destinazione == Destinazione::Testo) {
                fineParagrafo();
            }
            break;
        default: // \- optional hyphen, \| \: index marks
            break;
        }
    }

    void esadecimale()
    {
        int valore = 0;
        int cifre = 0;
        while (cifre < 2 && m_pos < m_rtf.size() && ValoreEsadecimale(m_rtf[m_pos]) >= 0) {
            valore = valore * 16 + ValoreEsadecimale(m_rtf[m_pos]);
            ++m_pos;
            ++cifre;
        }
        if (cifre > 0) {
            carattere(static_cast<unsigned char>(valore));
        }
    }

    void parolaControllo(std::string_view parola, bool conParametro, long parametro)
    {
        StatoGruppo& s = stato();
        if (s.destinazione == Destinazione::Salta) {
            return;
        }
        if (s.destinazione == Destinazione::Colori) {
            componenteColore(parola, parametro);
            return;
        }
        if (DestinazioneDaSaltare(parola)) {
            s.destinazione = Destinazione::Salta;
        } else if (parola == "fldrslt") {
            s.stileBloccato = true;
        } else if (parola == "colortbl") {
            s.destinazione = Destinazione::Colori;
            m_colori.clear();
            m_colore = {};
        } else if (formatoCarattere(parola, conParametro, parametro) ||
                   formatoParagrafo(parola, conParametro, parametro) || struttura(parola) ||
                   simboloNominato(parola)) {
            return;
        } else if (parola == "ansicpg" && conParametro) {
            m_pagina = DaAnsicpg(parametro);
        } else if (parola == "ansi") {
            m_pagina = PaginaCodici::Cp1252;
        } else if (parola == "mac" || parola == "pc" || parola == "pca") {
            m_pagina = PaginaCodici::Sconosciuta;
        } else if (parola == "uc" && conParametro && parametro >= 0 && parametro <= 10) {
            s.uc = static_cast<int>(parametro);
        } else if (parola == "u" && conParametro) {
            const long codice = parametro < 0 ? parametro + 65536 : parametro;
            unicode(codice > 0 && codice <= 0xFFFF ? static_cast<char32_t>(codice) : 0xFFFD);
            m_daSaltare = s.uc;
        }
    }

    // \b \i \ul and their variants, \fsN, \cfN, \v, \plain. A switch without a parameter or with a
    // non-zero one turns the property on.
    bool formatoCarattere(std::string_view parola, bool conParametro, long parametro)
    {
        StileRtf& stile = stato().stile;
        const bool acceso = !conParametro || parametro != 0;
        if (parola == "v") {
            stato().nascosto = acceso;
            return true;
        }
        if (stato().stileBloccato) {
            return parola == "plain" || parola == "b" || parola == "i" || Sottolineato(parola) ||
                   parola == "ulnone" || parola == "fs" || parola == "cf";
        }
        if (parola == "plain") {
            stile = StileRtf{};
            stato().nascosto = false;
        } else if (parola == "b") {
            stile.grassetto = acceso;
        } else if (parola == "i") {
            stile.corsivo = acceso;
        } else if (Sottolineato(parola)) {
            stile.sottolineato = acceso;
        } else if (parola == "ulnone") {
            stile.sottolineato = false;
        } else if (parola == "fs") {
            stile.mezziPunti = conParametro ? static_cast<int>(std::clamp(parametro, 2L, 400L)) : 24;
        } else if (parola == "cf") {
            const bool definito = parametro > 0 && static_cast<std::size_t>(parametro) < m_colori.size();
            stile.colore = definito ? m_colori[static_cast<std::size_t>(parametro)] : std::nullopt;
        } else {
            return false;
        }
        return true;
    }

    bool formatoParagrafo(std::string_view parola, bool conParametro, long parametro)
    {
        StatoGruppo& s = stato();
        if (parola == "pard") {
            s.allineamento = AllineamentoRtf::Sinistra;
            s.inTabella = false;
        } else if (parola == "ql") {
            s.allineamento = AllineamentoRtf::Sinistra;
        } else if (parola == "qc") {
            s.allineamento = AllineamentoRtf::Centro;
        } else if (parola == "qr") {
            s.allineamento = AllineamentoRtf::Destra;
        } else if (parola == "qj" || parola == "qd") {
            s.allineamento = AllineamentoRtf::Giustificato;
        } else if (parola == "intbl") {
            s.inTabella = true;
        } else if (parola == "itap" && conParametro) {
            s.inTabella = parametro > 0;
        } else {
            return false;
        }
        return true;
    }

    bool struttura(std::string_view parola)
    {
        if (parola == "par" || parola == "sect" || parola == "page" || parola == "nestcell") {
            fineParagrafo();
        } else if (parola == "line") {
            unicode('\n');
        } else if (parola == "tab") {
            unicode('\t');
        } else if (parola == "cell") {
            fineCella();
        } else if (parola == "row") {
            fineRiga();
        } else {
            return false;
        }
        return true;
    }

    bool simboloNominato(std::string_view parola)
    {
        static constexpr std::array<std::pair<std::string_view, char32_t>, 11> Simboli{{
            {"emdash", 0x2014},
            {"endash", 0x2013},
            {"bullet", 0x2022},
            {"lquote", 0x2018},
            {"rquote", 0x2019},
            {"ldblquote", 0x201C},
            {"rdblquote", 0x201D},
            {"emspace", 0x2003},
            {"enspace", 0x2002},
            {"qmspace", 0x2005},
            {"zwj", 0x200D},
        }};
        for (const auto& [nome, carattere] : Simboli) {
            if (parola == nome) {
                unicode(carattere);
                return true;
            }
        }
        return false;
    }

    void componenteColore(std::string_view parola, long parametro)
    {
        const auto valore = static_cast<std::uint8_t>(std::clamp(parametro, 0L, 255L));
        if (parola == "red") {
            m_colore.rosso = valore;
        } else if (parola == "green") {
            m_colore.verde = valore;
        } else if (parola == "blue") {
            m_colore.blu = valore;
        } else {
            return;
        }
        m_coloreDato = true;
    }

    // ";" closes an entry of the colour table; an entry with no component is the automatic colour.
    void fineColore()
    {
        // \cfN indexes are 16-bit; a longer table only costs memory.
        constexpr std::size_t ColoriMassimi = 1024;
        if (m_colori.size() < ColoriMassimi) {
            m_colori.push_back(m_coloreDato ? std::optional<ColoreRtf>(m_colore) : std::nullopt);
        }
        m_colore = {};
        m_coloreDato = false;
    }

    // The paragraph ends with the properties in force at its \par, as RTF defines.
    ParagrafoRtf prendiParagrafo()
    {
        ParagrafoRtf paragrafo = std::move(m_paragrafo);
        paragrafo.allineamento = stato().allineamento;
        m_paragrafo = {};
        conta();
        return paragrafo;
    }

    void fineParagrafo()
    {
        if (m_altoSurrogato != 0) {
            m_altoSurrogato = 0;
            scrivi(0xFFFD);
        }
        if (stato().inTabella) {
            m_cella.paragrafi.push_back(prendiParagrafo());
            return;
        }
        chiudiRigaInCorso();
        m_documento.blocchi.emplace_back(prendiParagrafo());
        m_tabellaAperta = false;
    }

    void fineCella()
    {
        m_cella.paragrafi.push_back(prendiParagrafo());
        m_riga.push_back(std::move(m_cella));
        m_cella = {};
        conta();
    }

    void fineRiga()
    {
        if (!m_paragrafo.tratti.empty() || !m_cella.paragrafi.empty()) {
            fineCella();
        }
        aggiungiRiga();
    }

    // Cells written without their closing \row still show, as a row of their own; the paragraph being
    // read is not theirs.
    void chiudiRigaInCorso()
    {
        if (!m_cella.paragrafi.empty()) {
            m_riga.push_back(std::move(m_cella));
            m_cella = {};
            conta();
        }
        aggiungiRiga();
    }

    void aggiungiRiga()
    {
        if (m_riga.empty()) {
            return;
        }
        if (!m_tabellaAperta) {
            m_documento.blocchi.emplace_back(TabellaRtf{});
            m_tabellaAperta = true;
            m_colonne = 0;
        }
        auto& tabella = std::get<TabellaRtf>(m_documento.blocchi.back());
        m_colonne = std::max(m_colonne, m_riga.size());
        tabella.righe.push_back(std::move(m_riga));
        m_riga = {};
        // The window lays out every row as wide as the widest.
        if (tabella.righe.size() * m_colonne > ElementiMassimiRtf) {
            m_esito = EsitoDocumentoRtf::TroppoGrande;
        }
    }

    void fineDocumento()
    {
        if (!m_paragrafo.tratti.empty()) {
            if (stato().inTabella) {
                fineCella();
            } else {
                fineParagrafo();
            }
        }
        chiudiRigaInCorso();
    }

    std::string_view m_rtf;
    std::size_t m_pos = 0;
    EsitoDocumentoRtf m_esito = EsitoDocumentoRtf::Letto;
    bool m_chiuso = false;
    std::vector<StatoGruppo> m_gruppi;
    PaginaCodici m_pagina = PaginaCodici::Cp1252;
    int m_daSaltare = 0;
    char32_t m_altoSurrogato = 0;

    std::vector<std::optional<ColoreRtf>> m_colori;
    ColoreRtf m_colore;
    bool m_coloreDato = false;

    DocumentoRtf m_documento;
    ParagrafoRtf m_paragrafo;
    CellaRtf m_cella;
    std::vector<CellaRtf> m_riga;
    bool m_tabellaAperta = false;
    std::size_t m_colonne = 0;
    std::size_t m_elementi = 0;
};

} // namespace

LetturaRtf LeggiDocumentoRtf(std::string_view rtf)
{
    if (!rtf.starts_with("{\\rtf")) {
        return LetturaRtf{EsitoDocumentoRtf::NonRtf, {}};
    }
    if (rtf.size() > DimensioneMassimaRtf) {
        return LetturaRtf{EsitoDocumentoRtf::TroppoGrande, {}};
    }
    return LettoreDocumento(rtf).leggi();
}
