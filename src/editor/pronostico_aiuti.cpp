#include "editor/pronostico_aiuti.h"

#include "core/testo.h"

#include <algorithm>
#include <utility>

int NumeriDisponibili(const SegniNumeri& pronostico, Verso verso)
{
    int predetti = 0;
    for (std::uint8_t s : pronostico) {
        predetti += s != 0 ? 1 : 0;
    }
    return verso == Verso::Aggiungi ? NumeroMassimo - predetti : predetti;
}

bool LeggiQuantita(std::string_view testo, int minimo, int massimo, bool abbassaOltreMassimo, int& quantita)
{
    const std::string pulito = testo::Trim(testo);
    if (pulito.empty() || pulito.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const std::size_t primaCifra = pulito.find_first_not_of('0');
    const std::string cifre = primaCifra == std::string::npos ? std::string("0") : pulito.substr(primaCifra);
    int valore = 0;
    if (!testo::LeggiIntero(cifre, valore)) {
        // More than nine significant digits: above any maximum.
        valore = massimo + 1;
    }
    if (valore < minimo) {
        return false;
    }
    if (valore > massimo) {
        if (!abbassaOltreMassimo) {
            return false;
        }
        valore = massimo;
    }
    quantita = valore;
    return true;
}

bool PronosticoDaGiocate(const ElencoGiocate& giocate, SegniNumeri& pronostico)
{
    if (giocate.vuoto()) {
        return false;
    }
    SegniNumeri presenti{};
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        for (std::uint8_t n : giocate.voce(i)) {
            if (n == 0) {
                break;
            }
            presenti[n - 1] = 1;
        }
    }
    pronostico = presenti;
    return true;
}

void NumeriCasuali(SegniNumeri& pronostico, int quantita, Verso verso, GeneratoreCasuale& generatore)
{
    const std::uint8_t cercato = verso == Verso::Aggiungi ? 0 : 1;
    const int limite = std::min(quantita, NumeriDisponibili(pronostico, verso));
    for (int i = 0; i < limite; ++i) {
        std::size_t n = 0;
        do {
            n = generatore.estrai(NumeroMassimo);
        } while ((pronostico[n] != 0 ? 1 : 0) != cercato);
        pronostico[n] = cercato == 0 ? 1 : 0;
    }
}

std::array<int, 90> OrdinePerProbabilita(const std::array<double, 91>& probabilita, Verso verso)
{
    std::array<int, 90> numeri{};
    for (int i = 0; i < NumeroMassimo; ++i) {
        numeri[static_cast<std::size_t>(i)] = i + 1;
    }
    for (std::size_t d = 0; d + 1 < numeri.size(); ++d) {
        for (std::size_t e = d + 1; e < numeri.size(); ++e) {
            const double pd = probabilita[static_cast<std::size_t>(numeri[d])];
            const double pe = probabilita[static_cast<std::size_t>(numeri[e])];
            if (verso == Verso::Aggiungi ? pe > pd : pe < pd) {
                std::swap(numeri[d], numeri[e]);
            }
        }
    }
    return numeri;
}

int NumeriProbabili(SegniNumeri& pronostico, int quantita, Verso verso,
                    const std::array<double, 91>& probabilita)
{
    const std::uint8_t cercato = verso == Verso::Aggiungi ? 0 : 1;
    int girati = 0;
    for (int n : OrdinePerProbabilita(probabilita, verso)) {
        if (girati >= quantita) {
            break;
        }
        std::uint8_t& segno = pronostico[static_cast<std::size_t>(n - 1)];
        if ((segno != 0 ? 1 : 0) == cercato) {
            segno = cercato == 0 ? 1 : 0;
            ++girati;
        }
    }
    return girati;
}
