#include "cli/argomenti_giocate.h"

#include "cli/ambiente.h"
#include "cli/messaggi_cli.h"
#include "editor/file_sistema.h"

#include <algorithm>

namespace cli {

namespace {

constexpr std::string_view Uscita = "-o";
constexpr std::string_view Sovrascrivi = "--sovrascrivi";
constexpr const char* UscitaMancante = "indicare -o FILE.qvs oppure --sovrascrivi";
constexpr const char* UsciteInsieme = "-o e --sovrascrivi non si possono usare insieme";

bool Contiene(std::span<const std::string_view> elenco, std::string_view parola)
{
    return std::find(elenco.begin(), elenco.end(), parola) != elenco.end();
}

} // namespace

std::optional<std::string> ArgomentiSistema::valore(std::string_view opzione) const
{
    const auto it = valori.find(opzione);
    return it == valori.end() ? std::nullopt : std::optional<std::string>(it->second);
}

bool LeggiArgomentiSistema(const std::vector<std::string>& argomenti,
                           std::span<const std::string_view> opzioni,
                           std::span<const std::string_view> interruttori, ArgomentiSistema& a,
                           std::string& errore)
{
    std::vector<std::string> parole;
    for (std::size_t i = 0; i < argomenti.size(); ++i) {
        const std::string& argomento = argomenti[i];
        if (argomento == Sovrascrivi || Contiene(interruttori, argomento)) {
            if (!a.interruttori.insert(argomento).second) {
                errore = messaggi_cli::OpzioneRipetuta + argomento;
                return false;
            }
        } else if (argomento == Uscita || Contiene(opzioni, argomento)) {
            if (i + 1 >= argomenti.size()) {
                errore = messaggi_cli::ValoreMancante + argomento;
                return false;
            }
            if (!a.valori.emplace(argomento, argomenti[i + 1]).second) {
                errore = messaggi_cli::OpzioneRipetuta + argomento;
                return false;
            }
            ++i;
        } else if (argomento.size() >= 2 && argomento[0] == '-') {
            errore = messaggi_cli::OpzioneSconosciuta + argomento;
            return false;
        } else {
            parole.push_back(argomento);
        }
    }
    if (parole.empty()) {
        errore = messaggi_cli::FileMancante;
        return false;
    }
    if (parole.size() > 1) {
        errore = messaggi_cli::ArgomentoInatteso + parole[1];
        return false;
    }
    a.sistema = parole[0];
    const auto uscita = a.valore(Uscita);
    const bool sovrascrivi = a.acceso(Sovrascrivi);
    if (uscita && sovrascrivi) {
        errore = UsciteInsieme;
        return false;
    }
    if (!uscita && !sovrascrivi) {
        errore = UscitaMancante;
        return false;
    }
    a.uscita = uscita.value_or(std::string());
    return true;
}

int ScriviSistemaUscita(AmbienteCli& ambiente, const ArgomentiSistema& a)
{
    StatoApplicazione& stato = ambiente.stato();
    if (!a.uscita.empty()) {
        stato.sistema.nomeFile = a.uscita;
    }
    const EsitoFileSistema scrittura = ScriviSistema(stato.sistema, stato.giocate);
    ambiente.mostra(scrittura.messaggi());
    return scrittura.ok() ? UscitaOk : UscitaRifiuto;
}

} // namespace cli
