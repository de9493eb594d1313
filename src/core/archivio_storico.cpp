#include "core/archivio_storico.h"

#include <algorithm>
#include <cstdio>

std::int32_t ArchivioStorico::InserisciEstrazione(const Tipo_Estrazione& estrazione)
{
    const std::int32_t chiave = estrazione.chiaveData();
    // Updates arrive in date order, so the common case is a plain append.
    if (m_estrazioni.empty() || chiave > m_estrazioni.back().chiaveData()) {
        if (conteggio() >= Capacita) {
            return 0;
        }
        m_estrazioni.push_back(estrazione);
        return conteggio();
    }
    // The last key is not smaller than the new one, so the search always stops on a record.
    auto it = std::lower_bound(m_estrazioni.begin(), m_estrazioni.end(), chiave,
                               [](const Tipo_Estrazione& e, std::int32_t k) { return e.chiaveData() < k; });
    const auto indice = static_cast<std::int32_t>(it - m_estrazioni.begin()) + 1;
    if (it->chiaveData() == chiave) {
        *it = estrazione;
        return indice;
    }
    if (conteggio() >= Capacita) {
        return 0;
    }
    m_estrazioni.insert(it, estrazione);
    return indice;
}

void ArchivioStorico::EliminaEstrazione(std::int32_t i)
{
    if (i < 1 || i > conteggio()) {
        return;
    }
    m_estrazioni.erase(m_estrazioni.begin() + (i - 1));
}

std::int32_t ArchivioStorico::indiceData(std::int32_t chiave) const
{
    auto it = std::lower_bound(m_estrazioni.begin(), m_estrazioni.end(), chiave,
                               [](const Tipo_Estrazione& e, std::int32_t k) { return e.chiaveData() < k; });
    if (it == m_estrazioni.end() || it->chiaveData() != chiave) {
        return 0;
    }
    return static_cast<std::int32_t>(it - m_estrazioni.begin()) + 1;
}

bool EstrazioneValida(const Tipo_Estrazione& e)
{
    if (e.giorno < 1 || e.giorno > 31 || e.mese < 1 || e.mese > 12 || e.anno() < 1900 || e.anno() > 2100) {
        return false;
    }
    for (int w = 1; w <= RuoteArchivio; ++w) {
        bool vuota = true;
        bool piena = true;
        std::array<bool, 91> visto{};
        for (int p = 1; p <= 5; ++p) {
            const int n = e.numero(w, p);
            vuota = vuota && n == 0;
            piena = piena && n >= 1 && n <= 90 && !visto[static_cast<std::size_t>(n)];
            if (n <= 90) {
                visto[static_cast<std::size_t>(n)] = true;
            }
        }
        if (!vuota && !piena) {
            return false;
        }
    }
    return true;
}

std::string TestoData(const Tipo_Estrazione& e)
{
    char testo[16];
    std::snprintf(testo, sizeof testo, "%02d/%02d/%04d", e.giorno, e.mese, e.anno());
    return testo;
}

namespace {

// A non-empty run of decimal digits read as a number; false on anything else. Values too large for any valid
// date are clamped so they still fail the range check without overflowing.
bool NumeroIntero(std::string_view parte, int& valore)
{
    if (parte.empty()) {
        return false;
    }
    int v = 0;
    for (char c : parte) {
        if (c < '0' || c > '9') {
            return false;
        }
        v = std::min(v * 10 + (c - '0'), 100000);
    }
    valore = v;
    return true;
}

} // namespace

bool LeggiData(std::string_view testo, int& giorno, int& mese, int& anno)
{
    const auto primo = testo.find('/');
    if (primo == std::string_view::npos) {
        return false;
    }
    const auto secondo = testo.find('/', primo + 1);
    if (secondo == std::string_view::npos) {
        return false;
    }
    int g = 0;
    int m = 0;
    int a = 0;
    if (!NumeroIntero(testo.substr(0, primo), g) ||
        !NumeroIntero(testo.substr(primo + 1, secondo - primo - 1), m) ||
        !NumeroIntero(testo.substr(secondo + 1), a)) {
        return false;
    }
    if (g < 1 || g > 31 || m < 1 || m > 12 || a < 1900 || a > 2100) {
        return false;
    }
    giorno = g;
    mese = m;
    anno = a;
    return true;
}
