#include "checking/verifica_garanzia.h"

#include "checking/distribuzione_punti.h"

#include <algorithm>
#include <memory>

namespace {

std::vector<std::uint8_t> Normalizza(const std::vector<std::uint8_t>& pronostico)
{
    std::vector<std::uint8_t> numeri;
    for (std::uint8_t n : pronostico) {
        if (n >= 1 && n <= NumeroMassimo) {
            numeri.push_back(n);
        }
    }
    std::sort(numeri.begin(), numeri.end());
    numeri.erase(std::unique(numeri.begin(), numeri.end()), numeri.end());
    return numeri;
}

template <typename Punteggio>
void Enumera(const std::vector<std::uint8_t>& numeri, int dimensione, int massimoBuchi,
             EsitoVerificaGaranzia& esito, ControlloEsecuzione& controllo, Punteggio& punteggio)
{
    const int n = static_cast<int>(numeri.size());
    std::array<std::uint8_t, 5> insieme{};
    std::array<int, 5> posizioni{};
    for (int j = 0; j < dimensione; ++j) {
        posizioni[static_cast<std::size_t>(j)] = j;
    }
    int minimo = 5;
    Avanzamento stato;
    stato.totale = InsiemiPronostico(n, dimensione);
    while (true) {
        for (int j = 0; j < dimensione; ++j) {
            insieme[static_cast<std::size_t>(j)] =
                numeri[static_cast<std::size_t>(posizioni[static_cast<std::size_t>(j)])];
        }
        const int s = punteggio(insieme.data(), dimensione);
        ++esito.istogramma[static_cast<std::size_t>(s)];
        ++esito.insiemi;
        minimo = std::min(minimo, s);
        if (s < esito.livello) {
            ++esito.buchiTotali;
            if (static_cast<std::int64_t>(esito.buchi.size()) < massimoBuchi) {
                esito.buchi.push_back(insieme);
            }
        }
        if (esito.insiemi % PassoControlloPunti == 0) {
            stato.elaborati = static_cast<double>(esito.insiemi);
            if (!controllo.verifica(stato)) {
                esito.interrotta = true;
                break;
            }
        }
        int j = dimensione - 1;
        while (j >= 0 && posizioni[static_cast<std::size_t>(j)] == n - dimensione + j) {
            --j;
        }
        if (j < 0) {
            break;
        }
        ++posizioni[static_cast<std::size_t>(j)];
        for (int i = j + 1; i < dimensione; ++i) {
            posizioni[static_cast<std::size_t>(i)] = posizioni[static_cast<std::size_t>(i - 1)] + 1;
        }
    }
    esito.garantito = esito.insiemi > 0 ? minimo : 0;
}

} // namespace

double EsitoVerificaGaranzia::percentuale(int punti) const
{
    if (insiemi <= 0 || punti < 0 || punti > 5) {
        return 0;
    }
    return 100.0 * static_cast<double>(istogramma[static_cast<std::size_t>(punti)]) /
           static_cast<double>(insiemi);
}

int LivelloSviluppoIntegrale(int numeriPronostico, int numeriGiocata, int punti)
{
    return std::max(0, std::min({punti, numeriGiocata, numeriPronostico}));
}

int NumeriGiocataMassimi(const Tipo_Giocata* giocate, std::int32_t quante)
{
    int massimo = 0;
    for (std::int32_t g = 0; g < quante; ++g) {
        int m = 0;
        for (std::uint8_t numero : giocate[g]) {
            if (numero == 0) {
                break;
            }
            ++m;
        }
        massimo = std::max(massimo, m);
    }
    return massimo;
}

void VerificaGaranzia(const std::vector<std::uint8_t>& pronostico, const Tipo_Giocata* giocate,
                      std::int32_t quante, int punti, int livello, int massimoBuchi,
                      EsitoVerificaGaranzia& esito, ControlloEsecuzione& controllo)
{
    esito = EsitoVerificaGaranzia{};
    const std::vector<std::uint8_t> numeri = Normalizza(pronostico);
    if (punti < 1 || punti > 5 || numeri.empty()) {
        return;
    }
    const int dimensione = std::min(punti, static_cast<int>(numeri.size()));
    esito.dimensione = dimensione;
    esito.livello = livello > 0 ? std::min(livello, 5)
                                : LivelloSviluppoIntegrale(static_cast<int>(numeri.size()),
                                                           NumeriGiocataMassimi(giocate, quante), punti);
    massimoBuchi = std::max(massimoBuchi, 0);
    auto indice = std::make_unique<SottoinsiemiGiocate>();
    if (indice->prepara(numeri, giocate, quante, dimensione)) {
        Enumera(numeri, dimensione, massimoBuchi, esito, controllo, *indice);
        return;
    }
    indice.reset();
    PunteggioLetterale letterale(giocate, quante);
    Enumera(numeri, dimensione, massimoBuchi, esito, controllo, letterale);
}

std::string TestoBuchi(const EsitoVerificaGaranzia& esito)
{
    std::string t;
    for (const auto& buco : esito.buchi) {
        for (int i = 0; i < esito.dimensione; ++i) {
            if (i > 0) {
                t += ' ';
            }
            t += std::to_string(buco[static_cast<std::size_t>(i)]);
        }
        t += '\n';
    }
    return t;
}
