#include "core/testo.h"

#include <cctype>
#include <charconv>
#include <system_error>

namespace testo {

std::string Trim(std::string_view s)
{
    std::size_t inizio = 0;
    std::size_t fine = s.size();
    while (inizio < fine && static_cast<unsigned char>(s[inizio]) <= 32) {
        ++inizio;
    }
    while (fine > inizio && static_cast<unsigned char>(s[fine - 1]) <= 32) {
        --fine;
    }
    return std::string(s.substr(inizio, fine - inizio));
}

std::string Primi(std::string_view s, std::size_t n)
{
    return std::string(s.substr(0, n));
}

std::string UnisciSpazi(std::string_view s)
{
    std::string risultato;
    risultato.reserve(s.size());
    for (char c : s) {
        if (c == ' ' && !risultato.empty() && risultato.back() == ' ') {
            continue;
        }
        risultato += c;
    }
    return risultato;
}

std::vector<std::string_view> Dividi(std::string_view s, char separatore)
{
    std::vector<std::string_view> pezzi;
    std::size_t inizio = 0;
    while (inizio <= s.size()) {
        std::size_t fine = s.find(separatore, inizio);
        if (fine == std::string_view::npos) {
            fine = s.size();
        }
        if (fine > inizio) {
            pezzi.push_back(s.substr(inizio, fine - inizio));
        }
        inizio = fine + 1;
    }
    return pezzi;
}

bool LeggiIntero(std::string_view s, int& valore)
{
    if (s.empty() || s.size() > 9) {
        return false;
    }
    int risultato = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
        risultato = risultato * 10 + (c - '0');
    }
    valore = risultato;
    return true;
}

std::string RigheUnix(std::string_view s)
{
    std::string risultato;
    risultato.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            risultato += '\n';
            if (i + 1 < s.size() && s[i + 1] == '\n') {
                ++i;
            }
        } else {
            risultato += s[i];
        }
    }
    return risultato;
}

std::string NomeSenzaCartella(std::string_view percorso)
{
    std::size_t pos = percorso.find_last_of("/\\");
    return std::string(pos == std::string_view::npos ? percorso : percorso.substr(pos + 1));
}

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string Fisso(double valore, int decimali)
{
    // Room for the largest double in fixed notation with its decimals.
    char buffer[400];
    const auto [fine, errore] =
        std::to_chars(buffer, buffer + sizeof buffer, valore, std::chars_format::fixed, decimali);
    return errore == std::errc() ? std::string(buffer, fine) : std::string();
}

} // namespace testo
