#include "reductions/analisi_riduzione.h"

#include "core/testo.h"

#include <cmath>

std::string FormatoPercentuale(double percentuale)
{
    if (!std::isfinite(percentuale)) {
        percentuale = 0;
    }
    std::string formato = testo::Fisso(percentuale, 2);
    while (formato.size() >= 2 && formato.compare(formato.size() - 2, 2, "00") == 0) {
        formato.pop_back();
    }
    return formato;
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
