#include "checking/testo_rtf.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

// Windows-1252 at 0x80..0x9F; the undefined slots stay as the C1 code points.
constexpr std::array<char32_t, 32> Cp1252Alti{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                              0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool Utf8Valido(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t seguenti = 0;
        char32_t valore = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            seguenti = 1;
            valore = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguenti = 2;
            valore = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguenti = 3;
            valore = c & 0x07;
        } else {
            return false;
        }
        if (i + seguenti >= s.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= seguenti; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            valore = (valore << 6) | (d & 0x3F);
        }
        const bool troppoLungo = (seguenti == 2 && valore < 0x800) || (seguenti == 3 && valore < 0x10000);
        if (troppoLungo || valore > 0x10FFFF || (valore >= 0xD800 && valore <= 0xDFFF)) {
            return false;
        }
        i += seguenti + 1;
    }
    return true;
}

using rtf::Cifra;
using rtf::Lettera;
using rtf::ValoreEsadecimale;

// Groups whose content is not text for the reader.
bool DestinazioneDaSaltare(std::string_view parola)
{
    static constexpr std::array<std::string_view, 22> Nomi{
        "fonttbl", "colortbl",  "stylesheet",        "info",    "pict",      "object",    "header",
        "footer",  "headerl",   "headerr",           "headerf", "footerl",   "footerr",   "footerf",
        "fldinst", "listtable", "listoverridetable", "rsidtbl", "themedata", "datastore", "latentstyles",
        "filetbl"};
    for (std::string_view nome : Nomi) {
        if (parola == nome) {
            return true;
        }
    }
    return false;
}

constexpr std::size_t ProfonditaMassima = 200;

class LettoreRtf
{
public:
    explicit LettoreRtf(std::string_view rtf) : m_rtf(rtf) {}

    std::string leggi()
    {
        m_gruppi.push_back(Gruppo{});
        while (m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos++];
            if (c == '{') {
                Gruppo nuovo = m_gruppi.back();
                nuovo.salta = nuovo.salta || m_gruppi.size() >= ProfonditaMassima;
                m_gruppi.push_back(nuovo);
            } else if (c == '}') {
                if (m_gruppi.size() > 1) {
                    m_gruppi.pop_back();
                }
            } else if (c == '\\') {
                controllo();
            } else if (c != '\r' && c != '\n') {
                carattere(DaCp1252(static_cast<unsigned char>(c)));
            }
        }
        while (!m_testo.empty() && (m_testo.back() == '\n' || m_testo.back() == ' ')) {
            m_testo.pop_back();
        }
        return m_testo;
    }

private:
    struct Gruppo
    {
        bool salta = false;
        int uc = 1; // characters that stand in for each \uN
    };

    void carattere(char32_t c)
    {
        if (m_daSaltare > 0) {
            --m_daSaltare;
            return;
        }
        if (m_gruppi.back().salta) {
            return;
        }
        if (c == 0 || (c < 0x20 && c != '\n' && c != '\t')) {
            return;
        }
        AggiungiUtf8(m_testo, c);
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
        while (m_pos < m_rtf.size() && Lettera(m_rtf[m_pos]) && m_pos - inizio < 32) {
            ++m_pos;
        }
        const std::string_view parola = m_rtf.substr(inizio, m_pos - inizio);
        const rtf::ParametroRtf letto = rtf::LeggiParametro(m_rtf, m_pos);
        parolaControllo(parola, letto.presente, letto.valore);
    }

    void simbolo(char c)
    {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            carattere(static_cast<unsigned char>(c));
            break;
        case '~':
            carattere(0xA0);
            break;
        case '_':
            carattere('-');
            break;
        case '*':
            m_gruppi.back().salta = true;
            break;
        case '\'':
            esadecimale();
            break;
        case '\r':
        case '\n':
            carattere('\n');
            break;
        default:
            break;
        }
    }

    void esadecimale()
    {
        if (m_pos + 2 > m_rtf.size()) {
            m_pos = m_rtf.size();
            return;
        }
        const int alto = ValoreEsadecimale(m_rtf[m_pos]);
        const int basso = ValoreEsadecimale(m_rtf[m_pos + 1]);
        m_pos += 2;
        if (alto >= 0 && basso >= 0) {
            carattere(DaCp1252(static_cast<unsigned char>(alto * 16 + basso)));
        }
    }

    void parolaControllo(std::string_view parola, bool conParametro, long parametro)
    {
        if (DestinazioneDaSaltare(parola)) {
            m_gruppi.back().salta = true;
        } else if (parola == "par" || parola == "line" || parola == "sect" || parola == "page") {
            carattere('\n');
        } else if (parola == "tab") {
            carattere('\t');
        } else if (parola == "emdash") {
            carattere(0x2014);
        } else if (parola == "endash") {
            carattere(0x2013);
        } else if (parola == "bullet") {
            carattere(0x2022);
        } else if (parola == "lquote") {
            carattere(0x2018);
        } else if (parola == "rquote") {
            carattere(0x2019);
        } else if (parola == "ldblquote") {
            carattere(0x201C);
        } else if (parola == "rdblquote") {
            carattere(0x201D);
        } else if (parola == "uc" && conParametro && parametro >= 0 && parametro <= 10) {
            m_gruppi.back().uc = static_cast<int>(parametro);
        } else if (parola == "u" && conParametro) {
            const long codice = parametro < 0 ? parametro + 65536 : parametro;
            carattere(codice > 0 && codice <= 0xFFFF ? static_cast<char32_t>(codice) : 0xFFFD);
            m_daSaltare = m_gruppi.back().uc;
        }
    }

    std::string_view m_rtf;
    std::size_t m_pos = 0;
    std::vector<Gruppo> m_gruppi;
    int m_daSaltare = 0;
    std::string m_testo;
};

} // namespace

char32_t DaCp1252(unsigned char c)
{
    return c >= 0x80 && c < 0xA0 ? Cp1252Alti[c - 0x80] : static_cast<char32_t>(c);
}

void AggiungiUtf8(std::string& out, char32_t c)
{
    if (c >= 0xD800 && c <= 0xDFFF) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string TestoUtf8(std::string_view testo)
{
    std::string risultato;
    risultato.reserve(testo.size());
    if (Utf8Valido(testo)) {
        for (char c : testo) {
            if (c != '\0') {
                risultato += c;
            }
        }
        return risultato;
    }
    for (char c : testo) {
        if (c != '\0') {
            AggiungiUtf8(risultato, DaCp1252(static_cast<unsigned char>(c)));
        }
    }
    return risultato;
}

std::string TestoDaRtf(std::string_view rtf)
{
    if (!rtf.starts_with("{\\rtf")) {
        return TestoUtf8(rtf);
    }
    return LettoreRtf(rtf).leggi();
}
