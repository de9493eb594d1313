#pragma once

#include "cli/argomenti_giocate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// The options of the reduction commands, read and checked in one place. A method names the options it
// takes and those it needs; anything else is a usage error.
enum OpzioneRiduzione : unsigned {
    OpzN = 1u << 0,              // --n N: how many plays (checked by the method, like the dialog's box)
    OpzSeme = 1u << 1,           // --seme S: the generator's state, 0..4294967295
    OpzGaranzia = 1u << 2,       // --garanzia ambo|terno|quaterna|cinquina
    OpzConsideraFisse = 1u << 3, // --considera-fisse
    OpzImmediati = 1u << 4,      // --immediati: the reducer files of the data folder
    OpzDaPronostico = 1u << 5,   // --da-pronostico
    OpzDaGiocate = 1u << 6,      // --da-giocate
    OpzModo = 1u << 7,           // --modo pronostico|giocate (--da-pronostico and --da-giocate say the same)
    OpzCondizioni = 1u << 8,     // --condizioni FILE.con: another conditions record
    OpzCandidati = 1u << 9,      // --candidati C: random candidates per added play
    OpzMillisecondi = 1u << 10,  // --millisecondi T: time budget per added play
    OpzPassi = 1u << 11,         // --passi P
    OpzM = 1u << 12,             // --m M
    OpzLato = 1u << 13,          // --lato L
    OpzLinee = 1u << 14,         // --righe --colonne --diagonali --oblique
    OpzTabella = 1u << 15,       // --tabella FILE.txt: one substitution a line, "old ; new"
    OpzParziale = 1u << 16,      // --parziale
};

struct OpzioniRiduzione
{
    std::string n;
    std::optional<std::uint32_t> seme;
    int garanzia = 0; // 2..5 when given
    bool consideraFisse = false;
    bool immediati = false;
    bool daPronostico = false;
    bool daGiocate = false;
    std::string condizioni; // empty without --condizioni
    // Counts as typed (each method checks its own), empty when not given.
    std::string candidati;
    std::string millisecondi;
    std::string passi;
    std::string m;
    std::string lato;
    bool righe = false;
    bool colonne = false;
    bool diagonali = false;
    bool oblique = false;
    std::string tabella;
    bool parziale = false;
};

// Reads the system file, -o / --sovrascrivi and the options of `accettate`; false with the reason on a
// usage error (an option outside `accettate`, one of `obbligatorie` missing, a value out of its range,
// both modes given).
[[nodiscard]] bool LeggiOpzioniRiduzione(const std::vector<std::string>& argomenti, unsigned accettate,
                                         unsigned obbligatorie, ArgomentiSistema& a, OpzioniRiduzione& o,
                                         std::string& errore);

} // namespace cli
