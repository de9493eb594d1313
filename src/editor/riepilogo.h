#pragma once

#include "core/importi.h"
#include "editor/sistema.h"

#include <cstdint>
#include <string>
#include <vector>

// The summary texts of the main window, computed from the system and the count of plays.
struct Riepilogo
{
    std::string pronostico; // "Pronostico: n numeri"
    std::string numeriPerGiocata;
    std::string sviluppo;    // "Sviluppo integrale: D giocate"
    std::string ruote;       // "Nº Ruote: w"
    std::string percentuale; // "Percentuale di riduzione:" with the value when it has one
    bool percentualeConValore = false;
    std::string importo;       // "Importo di giocata: s €"
    bool importoRosso = false; // stakes not valid while their sum is not zero
    std::string giocateFinali;
    std::string costo;
    std::string stato;

    // The texts in the order the command-line "info" prints them (the percentage line only when
    // it has a value).
    std::vector<std::string> righe() const;
};

// The stake boxes as the system fills them: each stake in a text LeggiImporto reads back, boxes of
// classes that need more numbers than k disabled.
CaselleImporti CaselleDaSistema(const Sistema& sistema);

// Which stake boxes are enabled for k numbers per play (index = slot 1..7).
std::array<bool, 8> CaselleAbilitate(int numeriPerGiocata);

Riepilogo AggiornaRiepilogo(const Sistema& sistema, std::int32_t giocate, const EsitoImporti& importi,
                            int decimali);
