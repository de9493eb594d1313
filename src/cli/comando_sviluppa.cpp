#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/esecuzione.h"
#include "editor/file_sistema.h"
#include "editor/fisse.h"
#include "editor/sviluppo_integrale.h"

#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

constexpr const char* OpzioneConsideraFisse = "--considera-fisse";
constexpr const char* OpzioneSovrascrivi = "--sovrascrivi";

constexpr const char* UscitaMancante = "indicare -o FILE.qvs oppure --sovrascrivi";
constexpr const char* UsciteInsieme = "-o e --sovrascrivi non si possono usare insieme";

struct ArgomentiSviluppa
{
    std::string sistema;
    std::string uscita; // empty with --sovrascrivi
    bool consideraFisse = false;
};

// False with the reason on a usage error.
bool LeggiArgomenti(const std::vector<std::string>& argomenti, ArgomentiSviluppa& a, std::string& errore)
{
    bool sovrascrivi = false;
    std::vector<std::string> resto;
    for (const std::string& argomento : argomenti) {
        bool* interruttore = argomento == OpzioneConsideraFisse ? &a.consideraFisse
                             : argomento == OpzioneSovrascrivi  ? &sovrascrivi
                                                                : nullptr;
        if (interruttore == nullptr) {
            resto.push_back(argomento);
            continue;
        }
        if (*interruttore) {
            errore = messaggi_cli::OpzioneRipetuta + argomento;
            return false;
        }
        *interruttore = true;
    }

    ArgomentiComando lettura;
    if (!lettura.leggi(resto, {"-o"}, errore)) {
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
    a.sistema = lettura.parole()[0];
    const auto uscita = lettura.valore("-o");
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

} // namespace

// sviluppa FILE.qvs [--considera-fisse] (-o OUT.qvs | --sovrascrivi): the full development of the
// prediction appended to the plays, the system written to OUT or back to FILE.
int ComandoSviluppa(const RigaComando& riga, std::ostream& /*out*/, std::ostream& err)
{
    ArgomentiSviluppa argomenti;
    std::string errore;
    if (!LeggiArgomenti(riga.argomenti, argomenti, errore)) {
        return ErroreUso(err, errore);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(argomenti.sistema)) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (!ValidaSistemaSalvato(stato.sistema, stato.messaggi)) {
        return UscitaRifiuto;
    }

    EsecuzioneContinua continua;
    const EsitoSviluppo esito =
        SviluppoIntegrale(stato.sistema, argomenti.consideraFisse, stato.giocate, continua);
    if (const auto messaggio = esito.messaggio()) {
        stato.messaggi.mostra(*messaggio);
    }
    if (esito.codice != CodiceSviluppo::Completato) {
        // Nothing changed: nothing is written.
        return UscitaRifiuto;
    }

    if (!argomenti.uscita.empty()) {
        stato.sistema.nomeFile = argomenti.uscita;
    }
    const EsitoFileSistema scrittura = ScriviSistema(stato.sistema, stato.giocate);
    ambiente.mostra(scrittura.messaggi());
    return scrittura.ok() ? UscitaOk : UscitaRifiuto;
}

} // namespace cli
