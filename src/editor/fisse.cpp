#include "editor/fisse.h"

#include "core/testo.h"

#include <algorithm>
#include <string>
#include <vector>

bool FissaValida(const std::string& testo)
{
    std::string pulito = testo::Trim(testo);
    if (pulito.empty()) {
        return true;
    }
    int valore = 0;
    return testo::LeggiIntero(pulito, valore) && valore >= 1 && valore <= NumeroMassimo;
}

int LeggiFisse(const CaselleFisse& caselle, Sistema& sistema)
{
    std::vector<int> valori;
    for (int posizione = 1; posizione <= 9; ++posizione) {
        std::string testo = testo::Trim(caselle[posizione - 1]);
        if (testo.empty()) {
            continue;
        }
        int valore = 0;
        if (!testo::LeggiIntero(testo, valore) || valore < 1 || valore > NumeroMassimo) {
            return posizione;
        }
        valori.push_back(valore);
    }
    for (std::size_t i = 0; i < valori.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (valori[i] == valori[j]) {
                return static_cast<int>(i + 1);
            }
        }
    }
    for (std::size_t i = 0; i < valori.size(); ++i) {
        sistema.fisse[i] = static_cast<std::uint8_t>(valori[i]);
    }
    sistema.numeroFisse = static_cast<std::int32_t>(valori.size());
    return 0;
}

bool ValidaSistema(Sistema& sistema, const CaselleFisse& caselle, const SegniRuote& ruote,
                   ServizioMessaggi& messaggi)
{
    sistema.ruote = ruote;
    if (int p = LeggiFisse(caselle, sistema); p > 0) {
        messaggi.mostra(Avviso("La fissa numero " + std::to_string(p) + " non è valida!"));
        return false;
    }
    if (sistema.numeriPerGiocata < sistema.numeroFisse) {
        messaggi.mostra(
            Avviso("La quantità di numeri per giocata non può essere inferiore al numero di fisse!"));
        return false;
    }
    if (sistema.numeriPronostico() < sistema.numeriPerGiocata) {
        messaggi.mostra(Avviso("Il pronostico iniziale non contiene abbastanza numeri!"));
        return false;
    }
    return true;
}

bool ValidaSistemaSalvato(Sistema& sistema, ServizioMessaggi& messaggi)
{
    CaselleFisse caselle{};
    const int quante = std::clamp<int>(sistema.numeroFisse, 0, static_cast<int>(caselle.size()));
    for (int i = 0; i < quante; ++i) {
        caselle[static_cast<std::size_t>(i)] = std::to_string(sistema.fisse[static_cast<std::size_t>(i)]);
    }
    const SegniRuote ruote = sistema.ruote;
    return ValidaSistema(sistema, caselle, ruote, messaggi);
}
