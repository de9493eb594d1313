#include "editor/riepilogo.h"

#include "core/testo.h"

#include <cmath>

namespace {

std::string Intero(double valore)
{
    return testo::Fisso(valore, 0);
}

} // namespace

std::vector<std::string> Riepilogo::righe() const
{
    std::vector<std::string> r = {pronostico, numeriPerGiocata, sviluppo, ruote};
    if (percentualeConValore) {
        r.push_back(percentuale);
    }
    r.insert(r.end(), {importo, giocateFinali, costo, stato});
    return r;
}

std::array<bool, 8> CaselleAbilitate(int numeriPerGiocata)
{
    std::array<bool, 8> abilitate{};
    for (int slot = Estratto; slot <= Cinquina; ++slot) {
        abilitate[slot] = NumeriMinimiClasse[slot] <= numeriPerGiocata;
    }
    abilitate[EstrattoDeterminato] = true;
    abilitate[Ambetto] = numeriPerGiocata > 1;
    return abilitate;
}

CaselleImporti CaselleDaSistema(const Sistema& sistema)
{
    CaselleImporti caselle;
    for (int slot = Estratto; slot <= Ambetto; ++slot) {
        caselle.testi[slot] = TestoImportoModificabile(sistema.importi[slot - 1]);
    }
    caselle.abilitate = CaselleAbilitate(sistema.numeriPerGiocata);
    return caselle;
}

Riepilogo AggiornaRiepilogo(const Sistema& sistema, std::int32_t giocate, const EsitoImporti& importi,
                            int decimali)
{
    Riepilogo r;
    r.percentuale = "Percentuale di riduzione:";
    const int n = sistema.numeriPronostico();
    const int k = sistema.numeriPerGiocata;
    r.pronostico = "Pronostico: " + std::to_string(n) + " numeri";
    r.numeriPerGiocata = "Numeri per giocata: " + std::to_string(k);

    double sviluppo = 0;
    if (n == 0 || n < k) {
        r.sviluppo = "Sviluppo integrale: 0 giocate";
    } else {
        sviluppo = CombinazioniDouble(n, k);
        r.sviluppo = "Sviluppo integrale: " + Intero(std::round(sviluppo)) + " giocate";
    }

    const int w = RuoteGiocate(sistema.ruote);
    r.ruote = "Nº Ruote: " + std::to_string(w);

    if (sviluppo > 0 && giocate > 0) {
        double riduzione = 100.0 - giocate * 100.0 / sviluppo;
        if (riduzione >= 0) {
            r.percentuale = "Percentuale di riduzione: " + testo::Fisso(riduzione, 3) + " %";
            r.percentualeConValore = true;
        }
    }

    r.importoRosso = !importi.valido && importi.sommaClassi != 0;
    r.importo = "Importo di giocata: " + FormatoImporto(importi.totale, true, decimali) + " €";
    r.giocateFinali = "Numero giocate finali: " + std::to_string(giocate);
    r.costo = "Costo complessivo: " + FormatoImporto(giocate * importi.totale * w, true, decimali) + " €";
    r.stato = sistema.modificato ? "Stato sistema: non salvato" : "Stato sistema: non modificato";
    return r;
}
