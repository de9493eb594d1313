#pragma once

#include "core/elenco_giocate.h"
#include "core/generatore_casuale.h"
#include "core/giocata.h"

#include <array>
#include <string_view>

// The helpers of the prediction: numbers taken from the plays, added or removed at random, the
// most probable added or the least probable removed. They change only the flags they are given.

enum class Verso { Aggiungi, Elimina };

// How many numbers the helper can flip: 90 - predicted when adding, predicted when removing.
int NumeriDisponibili(const SegniNumeri& pronostico, Verso verso);

// The quantity typed in the dialogs: a whole number from `minimo` to `massimo`. With
// `abbassaOltreMassimo` a larger number is lowered to `massimo` instead of being refused. False for
// anything else (the caller shows messaggi_giocate::QuantitaNonValida).
[[nodiscard]] bool LeggiQuantita(std::string_view testo, int minimo, int massimo, bool abbassaOltreMassimo,
                                 int& quantita);

// The prediction made exactly of the numbers that occur in the plays; false (nothing changed) when
// the list is empty.
[[nodiscard]] bool PronosticoDaGiocate(const ElencoGiocate& giocate, SegniNumeri& pronostico);

// Flips `quantita` numbers (1..NumeriDisponibili) chosen uniformly: each is drawn from 1..90 with
// generatore.estrai(90) + 1 until it is not predicted (adding) or predicted (removing).
void NumeriCasuali(SegniNumeri& pronostico, int quantita, Verso verso, GeneratoreCasuale& generatore);

// The numbers 1..90 ordered by probability (index 1..90 of `probabilita`): from the most probable
// when adding, from the least probable when removing. For each position d and each later position e,
// the numbers at d and e swap when the one at e is strictly more (adding) or less (removing) probable,
// so ties keep a fixed, reproducible order.
std::array<int, 90> OrdinePerProbabilita(const std::array<double, 91>& probabilita, Verso verso);

// Walks that order skipping the numbers already predicted (adding) or not predicted (removing) and
// flips the first `quantita`; returns how many were flipped (fewer when not enough are available).
int NumeriProbabili(SegniNumeri& pronostico, int quantita, Verso verso,
                    const std::array<double, 91>& probabilita);
