#pragma once

#include "core/classi_premio.h"
#include "core/giocata.h"
#include "core/ruote.h"
#include "editor/record_riduzioni.h"

#include <array>
#include <cstdint>
#include <string>

// The system being edited: prediction, fixed numbers, numbers per play, wheels, stakes and the
// last settings of every reduction. Its plays live in the program's one ElencoGiocate.
struct Sistema
{
    SegniNumeri pronostico{};                              // flag per number 1..90
    std::int32_t numeroFisse = 0;                          // 0..9
    std::array<std::uint8_t, 9> fisse{};                   // first numeroFisse are valid
    std::int32_t numeriPerGiocata = 5;                     // k, 1..10
    SegniRuote ruote{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};  // only Tutte
    std::array<double, NumeroImporti> importi{};           // euro, slot 1 at index 0
    std::array<std::uint8_t, NumeroPosizioni> posizioni{}; // Estratto determinato 1a..5a
    std::string nomeFile;                                  // full path
    bool modificato = false;
    RecordRiduzioni riduzioni;

    int numeriPronostico() const;
    double importo(ClassePremio classe) const { return importi[classe - 1]; }
};
