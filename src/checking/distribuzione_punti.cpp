#include "checking/distribuzione_punti.h"

#include "core/testo.h"
#include "reductions/indice_copertura.h"

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

// Visits the sets in order, each as its ascending numbers, and counts it under punteggio(set, size).
// Returns with the counts reached when a poll refuses or after `limite` sets (limite > 0).
template <typename Punteggio>
void Enumera(const std::vector<std::uint8_t>& numeri, int punti, EsitoDistribuzionePunti& esito,
             ControlloEsecuzione& controllo, std::int64_t limite, Punteggio&& punteggio)
{
    const int n = static_cast<int>(numeri.size());
    std::array<std::uint8_t, 5> insieme{};
    const auto conta = [&](int dimensione) {
        const int s = punteggio(insieme.data(), dimensione);
        ++esito.istogramma[static_cast<std::size_t>(s)];
        ++esito.insiemi;
    };

    if (punti == 1) {
        for (int i = 0; i < n && (limite <= 0 || esito.insiemi < limite); ++i) {
            insieme[0] = numeri[static_cast<std::size_t>(i)];
            conta(1);
        }
        return;
    }
    if (n < punti) {
        std::copy(numeri.begin(), numeri.end(), insieme.begin());
        conta(n);
        return;
    }

    std::array<int, 5> posizioni{};
    for (int j = 0; j < punti; ++j) {
        posizioni[static_cast<std::size_t>(j)] = j;
    }
    Avanzamento stato;
    stato.totale = esito.totale;
    while (true) {
        for (int j = 0; j < punti; ++j) {
            insieme[static_cast<std::size_t>(j)] =
                numeri[static_cast<std::size_t>(posizioni[static_cast<std::size_t>(j)])];
        }
        conta(punti);
        if (esito.insiemi % PassoControlloPunti == 0) {
            stato.elaborati = static_cast<double>(esito.insiemi);
            if (!controllo.verifica(stato)) {
                esito.interrotta = true;
                return;
            }
        }
        if (limite > 0 && esito.insiemi >= limite) {
            return;
        }
        // Next set: the last position that can still grow grows, those after it follow it.
        int j = punti - 1;
        while (j >= 0 && posizioni[static_cast<std::size_t>(j)] == n - punti + j) {
            --j;
        }
        if (j < 0) {
            return;
        }
        ++posizioni[static_cast<std::size_t>(j)];
        for (int i = j + 1; i < punti; ++i) {
            posizioni[static_cast<std::size_t>(i)] = posizioni[static_cast<std::size_t>(i - 1)] + 1;
        }
    }
}

void Prepara(const std::vector<std::uint8_t>& numeri, int punti, EsitoDistribuzionePunti& esito)
{
    esito = EsitoDistribuzionePunti{};
    esito.totale = InsiemiPronostico(static_cast<int>(numeri.size()), punti);
}

} // namespace

double EsitoDistribuzionePunti::percentuale(int punti) const
{
    if (insiemi <= 0 || punti < 0 || punti > 5) {
        return 0;
    }
    return 100.0 * static_cast<double>(istogramma[static_cast<std::size_t>(punti)]) /
           static_cast<double>(insiemi);
}

double InsiemiPronostico(int numeri, int punti)
{
    if (numeri <= punti) {
        return 1;
    }
    double t = 1;
    for (int i = punti + 1; i <= numeri; ++i) {
        t *= i;
    }
    for (int i = 2; i <= numeri - punti; ++i) {
        t /= i;
    }
    return t;
}

std::vector<std::uint8_t> NumeriPronostico(const SegniNumeri& segni)
{
    std::vector<std::uint8_t> numeri;
    for (std::size_t i = 0; i < segni.size(); ++i) {
        if (segni[i] != 0) {
            numeri.push_back(static_cast<std::uint8_t>(i + 1));
        }
    }
    return numeri;
}

void DistribuzionePunti(const std::vector<std::uint8_t>& pronostico, const Tipo_Giocata* giocate,
                        std::int32_t quante, int punti, EsitoDistribuzionePunti& esito,
                        ControlloEsecuzione& controllo)
{
    const std::vector<std::uint8_t> numeri = Normalizza(pronostico);
    Prepara(numeri, punti, esito);
    if (punti < 1 || punti > 5) {
        return;
    }
    const int dimensione = std::min(punti, static_cast<int>(numeri.size()));
    auto indice = std::make_unique<SottoinsiemiGiocate>();
    if (indice->prepara(numeri, giocate, quante, dimensione)) {
        Enumera(numeri, punti, esito, controllo, 0, *indice);
        return;
    }
    indice.reset();
    PunteggioLetterale letterale(giocate, quante);
    Enumera(numeri, punti, esito, controllo, 0, letterale);
}

void DistribuzionePunti(const std::vector<std::uint8_t>& pronostico, const ElencoGiocate& elenco, int punti,
                        EsitoDistribuzionePunti& esito, ControlloEsecuzione& controllo)
{
    DistribuzionePunti(pronostico, elenco.dati(), elenco.conteggio(), punti, esito, controllo);
}

void DistribuzionePuntiLetterale(const std::vector<std::uint8_t>& pronostico, const Tipo_Giocata* giocate,
                                 std::int32_t quante, int punti, EsitoDistribuzionePunti& esito,
                                 ControlloEsecuzione& controllo, std::int64_t limite)
{
    const std::vector<std::uint8_t> numeri = Normalizza(pronostico);
    Prepara(numeri, punti, esito);
    if (punti < 1 || punti > 5) {
        return;
    }
    PunteggioLetterale letterale(giocate, quante);
    Enumera(numeri, punti, esito, controllo, limite, letterale);
}

std::string TestoPercentualeQuattroDecimali(double percentuale)
{
    return testo::Fisso(percentuale, 4);
}

std::string TestoPercentualeGrafico(double percentuale)
{
    std::string t = testo::Fisso(percentuale, 4);
    if (t.find('.') != std::string::npos) {
        while (t.ends_with('0')) {
            t.pop_back();
        }
        if (t.ends_with('.')) {
            t.pop_back();
        }
    }
    return t + " %";
}
