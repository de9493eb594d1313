#include "cli/opzioni.h"

#include "cli/messaggi_cli.h"
#include "core/testo.h"

#include <algorithm>

namespace cli {

bool LeggiRigaComando(const std::vector<std::string>& argomenti, RigaComando& riga, std::string& errore)
{
    std::size_t i = 0;
    for (; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a.empty() || a[0] != '-') {
            break;
        }
        std::string* destinazione = a == "--dati"        ? &riga.dati
                                    : a == "--personale" ? &riga.personale
                                                         : nullptr;
        if (destinazione == nullptr) {
            errore = messaggi_cli::OpzioneSconosciuta + a;
            return false;
        }
        if (i + 1 >= argomenti.size()) {
            errore = messaggi_cli::ValoreMancante + a;
            return false;
        }
        *destinazione = argomenti[++i];
    }
    if (i >= argomenti.size()) {
        errore = messaggi_cli::ComandoMancante;
        return false;
    }
    riga.comando = argomenti[i];
    riga.argomenti.assign(argomenti.begin() + static_cast<std::ptrdiff_t>(i) + 1, argomenti.end());
    return true;
}

bool ArgomentiComando::leggi(const std::vector<std::string>& argomenti,
                             std::initializer_list<std::string_view> opzioni, std::string& errore)
{
    m_valori.clear();
    m_parole.clear();
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a.size() < 2 || a[0] != '-') {
            m_parole.push_back(a);
            continue;
        }
        if (std::find(opzioni.begin(), opzioni.end(), a) == opzioni.end()) {
            errore = messaggi_cli::OpzioneSconosciuta + a;
            return false;
        }
        if (m_valori.contains(a)) {
            errore = messaggi_cli::OpzioneRipetuta + a;
            return false;
        }
        if (i + 1 >= argomenti.size()) {
            errore = messaggi_cli::ValoreMancante + a;
            return false;
        }
        m_valori.emplace(a, argomenti[++i]);
    }
    return true;
}

std::optional<std::string> ArgomentiComando::valore(std::string_view opzione) const
{
    auto it = m_valori.find(opzione);
    if (it == m_valori.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool LeggiArgomentoFile(const std::vector<std::string>& argomenti, std::string& percorso, std::string& errore)
{
    ArgomentiComando lettura;
    if (!lettura.leggi(argomenti, {}, errore)) {
        return false;
    }
    if (lettura.parole().empty()) {
        errore = messaggi_cli::FileMancante;
        return false;
    }
    if (lettura.parole().size() > 1) {
        errore = messaggi_cli::ArgomentoInatteso + lettura.parole()[1];
        return false;
    }
    percorso = lettura.parole()[0];
    return true;
}

bool LeggiRuote(const std::string& testoRuote, SegniRuote& ruote, std::string& errore)
{
    ruote.fill(0);
    const auto parole = testo::Dividi(testoRuote, ' ');
    if (parole.empty()) {
        errore = messaggi_cli::RuoteMancanti;
        return false;
    }
    for (std::string_view parola : parole) {
        bool trovata = false;
        for (int r = Bari; r <= Tutte; ++r) {
            if (testo::UgualiSenzaMaiuscole(parola, NomiRuote[static_cast<std::size_t>(r)])) {
                ruote[static_cast<std::size_t>(r - 1)] = 1;
                trovata = true;
            }
        }
        if (!trovata) {
            errore = messaggi_cli::RuotaNonValida + std::string(parola);
            return false;
        }
    }
    return true;
}

bool LeggiRuoteOpzionali(const ArgomentiComando& argomenti, std::optional<SegniRuote>& ruote,
                         std::string& errore)
{
    if (auto r = argomenti.valore("--ruote")) {
        ruote.emplace();
        return LeggiRuote(*r, *ruote, errore);
    }
    return true;
}

} // namespace cli
