#pragma once

#include "core/ruote.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Exit statuses scripts rely on.
inline constexpr int UscitaOk = 0;
inline constexpr int UscitaRifiuto = 1; // input refused, unreadable file, "nothing done" outcome
inline constexpr int UscitaUso = 2;     // malformed command line

// The options before the command, the command and its own arguments.
struct RigaComando
{
    std::string dati;      // --dati DIR, empty when not given
    std::string personale; // --personale DIR
    std::string comando;
    std::vector<std::string> argomenti;
};

// False (with the reason) on an unknown global option, a missing value or no command.
[[nodiscard]] bool LeggiRigaComando(const std::vector<std::string>& argomenti, RigaComando& riga,
                                    std::string& errore);

// The arguments of one command: options that take one value each (given at most once) and plain
// words.
class ArgomentiComando
{
public:
    // False (with the reason) on an option not in the list, a repeated option or a missing value.
    [[nodiscard]] bool leggi(const std::vector<std::string>& argomenti,
                             std::initializer_list<std::string_view> opzioni, std::string& errore);

    std::optional<std::string> valore(std::string_view opzione) const;
    const std::vector<std::string>& parole() const { return m_parole; }

private:
    std::map<std::string, std::string, std::less<>> m_valori;
    std::vector<std::string> m_parole;
};

// The single argument of a command that reads one system file ("info FILE.qvs").
[[nodiscard]] bool LeggiArgomentoFile(const std::vector<std::string>& argomenti, std::string& percorso,
                                      std::string& errore);

// The wheel names of a --ruote option, separated by spaces, any case ("Bari Roma", "Tutte",
// "Tutte Nazionale"); false (with the message) on an unknown name or no name.
[[nodiscard]] bool LeggiRuote(const std::string& testoRuote, SegniRuote& ruote, std::string& errore);
// The optional "--ruote" of a command: `ruote` is left empty when the option is absent. False, with the
// reason in `errore`, when the wheels cannot be read.
[[nodiscard]] bool LeggiRuoteOpzionali(const ArgomentiComando& argomenti, std::optional<SegniRuote>& ruote,
                                       std::string& errore);

} // namespace cli
