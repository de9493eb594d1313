#include "reductions/analisi_riduzione.h"

#include <charconv>
#include <cmath>

std::string FormatoPercentuale(double percentuale)
{
    if (!std::isfinite(percentuale)) {
        percentuale = 0;
    }
    char buffer[400];
    // to_chars ignores the locale: the separator is "." even where the user's locale writes ",".
    const auto fine = std::to_chars(buffer, buffer + sizeof buffer, percentuale, std::chars_format::fixed, 2);
    std::string testo(buffer, fine.ec == std::errc() ? fine.ptr : buffer);
    while (testo.size() >= 2 && testo.compare(testo.size() - 2, 2, "00") == 0) {
        testo.pop_back();
    }
    return testo;
}

namespace {

std::string Riga(std::int64_t valide, std::int64_t esaminate, const std::string& percentuale)
{
    return std::to_string(valide) + " su " + std::to_string(esaminate) + " (" + percentuale + " %)";
}

} // namespace

std::string TestoValide(std::int64_t valide, std::int64_t esaminate)
{
    if (esaminate <= 0) {
        return Riga(valide, 0, "0");
    }
    return Riga(valide, esaminate,
                FormatoPercentuale(static_cast<double>(valide) / static_cast<double>(esaminate) * 100.0));
}

std::string TestoValideArrotondato(std::int64_t valide, std::int64_t esaminate)
{
    if (esaminate <= 0) {
        return Riga(valide, 0, "0");
    }
    const double p = std::round(static_cast<double>(valide) / static_cast<double>(esaminate) * 100.0);
    return Riga(valide, esaminate, std::to_string(static_cast<std::int64_t>(p)));
}

bool CadenzaAggiornamento::dovuto(std::int64_t adessoMs)
{
    if (adessoMs < m_prossimo) {
        return false;
    }
    m_prossimo = adessoMs + IntervalloMs;
    return true;
}
