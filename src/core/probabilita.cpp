#include "core/probabilita.h"

#include "core/testo.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Cento = 100.0;

} // namespace

std::array<double, 90> ScalaProbabilita(std::span<const std::int32_t, 90> valori, CriterioScala criterio)
{
    std::array<double, 90> punteggi{};
    const auto [piccolo, grande] = std::minmax_element(valori.begin(), valori.end());
    const double m = *piccolo;
    const double mx = *grande;
    const double r = mx - m;
    if (r <= 0) {
        return punteggi;
    }
    const double centro = (mx + m) / 2;
    const double semiampiezza = std::max(std::abs(mx - centro), std::abs(centro - m));
    for (std::size_t i = 0; i < punteggi.size(); ++i) {
        const double v = valori[i];
        switch (criterio) {
        case CriterioScala::ValoriAlti:
            punteggi[i] = (v - m) / r * Cento;
            break;
        case CriterioScala::ValoriBassi:
            punteggi[i] = Cento - (v - m) / r * Cento;
            break;
        case CriterioScala::ValoriMedi:
            if (semiampiezza > 0) {
                punteggi[i] = Cento - std::abs(v - centro) / semiampiezza * Cento;
            }
            break;
        }
    }
    return punteggi;
}

double ProbabilitaGiocata(const Tipo_Giocata& giocata, std::span<const double, 90> punteggi)
{
    double somma = 0;
    int numeri = 0;
    for (std::uint8_t x : giocata) {
        if (x < 1 || x > NumeroMassimo) {
            break;
        }
        somma += punteggi[x - 1u];
        ++numeri;
    }
    return numeri > 0 ? somma / numeri : 0.0;
}

ImpostazioniProbabilita LeggiImpostazioniProbabilita(const ImpostazioniGenerali& generali)
{
    ImpostazioniProbabilita scelte;
    scelte.usaRitardi = generali.ipUsaRit;
    scelte.ritardiDirProp = generali.ipRitDirProp;
    scelte.usaFrequenze = generali.ipUsaFre;
    scelte.frequenzeInvProp = generali.ipFreqInvProp;
    // A stored maximum that is not a number leaves the default position.
    const double posizione = Cento - generali.ipPrMax;
    if (!std::isnan(posizione)) {
        scelte.posizione = static_cast<int>(std::lround(std::clamp(posizione, 0.0, Cento)));
    }
    return scelte;
}

void ApplicaImpostazioniProbabilita(const ImpostazioniProbabilita& scelte, ImpostazioniGenerali& generali)
{
    const int posizione = std::clamp(scelte.posizione, 0, ImpostazioniProbabilita::PosizioneMassima);
    generali.ipUsaRit = scelte.usaRitardi;
    generali.ipRitDirProp = scelte.ritardiDirProp;
    generali.ipUsaFre = scelte.usaFrequenze;
    generali.ipFreqInvProp = scelte.frequenzeInvProp;
    generali.ipPrMin = 0.0;
    generali.ipPrMax = Cento - posizione;
    generali.ipPfMin = 0.0;
    generali.ipPfMax = Cento - generali.ipPrMax;
}

void RegolaComponenti(ImpostazioniProbabilita& scelte)
{
    if (!scelte.usaRitardi && !scelte.usaFrequenze) {
        scelte.usaRitardi = true;
    }
    if (!scelte.usaRitardi) {
        scelte.posizione = ImpostazioniProbabilita::PosizioneMassima;
    }
    if (!scelte.usaFrequenze) {
        scelte.posizione = 0;
    }
}

std::optional<std::int32_t> LeggiNumeroEstrazioniFrequenze(std::string_view testo,
                                                           std::int32_t estrazioniArchivio)
{
    int numero = 0;
    if (!testo::LeggiIntero(testo::Trim(testo), numero) || numero < 1) {
        return std::nullopt;
    }
    if (estrazioniArchivio >= 1 && numero > estrazioniArchivio) {
        numero = estrazioniArchivio;
    }
    return numero;
}
