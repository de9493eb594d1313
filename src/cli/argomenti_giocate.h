#pragma once

#include "cli/opzioni.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class AmbienteCli;

// The arguments of a command that changes one system and writes it: the system file, the options
// with one value each, the switches, and the destination (-o OUT.qvs or --sovrascrivi).
struct ArgomentiSistema
{
    std::string sistema;
    std::string uscita; // empty with --sovrascrivi
    std::map<std::string, std::string, std::less<>> valori;
    std::set<std::string, std::less<>> interruttori;

    std::optional<std::string> valore(std::string_view opzione) const;
    bool acceso(std::string_view interruttore) const { return interruttori.contains(interruttore); }
};

// One system file, the options with a value (-o is always one), the switches (--sovrascrivi is always
// one); exactly one of -o and --sovrascrivi. False with the reason on a usage error: an unknown or
// repeated option, a missing value, no file or more than one.
[[nodiscard]] bool LeggiArgomentiSistema(const std::vector<std::string>& argomenti,
                                         std::span<const std::string_view> opzioni,
                                         std::span<const std::string_view> interruttori, ArgomentiSistema& a,
                                         std::string& errore);
[[nodiscard]] inline bool LeggiArgomentiSistema(const std::vector<std::string>& argomenti,
                                                std::initializer_list<std::string_view> opzioni,
                                                std::initializer_list<std::string_view> interruttori,
                                                ArgomentiSistema& a, std::string& errore)
{
    return LeggiArgomentiSistema(argomenti, std::span(opzioni.begin(), opzioni.size()),
                                 std::span(interruttori.begin(), interruttori.size()), a, errore);
}

// Writes the state's system to the destination, printing a failure; returns the exit status.
int ScriviSistemaUscita(AmbienteCli& ambiente, const ArgomentiSistema& a);

} // namespace cli
