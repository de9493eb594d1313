// "archivio aggiorna [--server URL]": the archive update over the Internet, as the window runs it.
#include "checking/aggiornamento.h"
#include "checking/testo_rtf.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/file_archivio.h"
#include "core/file_binario.h"
#include "core/testo.h"
#include "platform/http_client.h"

#include <filesystem>
#include <ostream>
#include <system_error>

namespace cli {

namespace {

// Nothing is opened or run from a script: addresses and the message are printed on the error stream, and
// every question takes its default answer.
class AmbienteAggiornamentoCli final : public aggiornamento::AmbienteAggiornamento
{
public:
    AmbienteAggiornamentoCli(AmbienteCli& ambiente, std::ostream& err) : m_ambiente(ambiente), m_err(err) {}

    void avanzamento(int) override {}
    Risposta mostra(const Messaggio& messaggio) override
    {
        return m_ambiente.stato().messaggi.mostra(messaggio);
    }
    void apriGuida(const std::string&) override {}
    void apriIndirizzo(const std::string& indirizzo) override
    {
        m_err << messaggi_cli::IndirizzoAggiornamento << indirizzo << '\n';
    }
    void aggiornaSoftware(const std::string& indirizzo) override
    {
        m_err << messaggi_cli::NuovaVersione << indirizzo << '\n';
    }
    void mostraMessaggio(const std::string& percorso) override
    {
        const auto byte = LeggiFileIntero(percorso, aggiornamento::MessaggioMassimo);
        if (byte) {
            m_err << TestoDaRtf(std::string(byte->begin(), byte->end())) << '\n';
        }
    }
    bool salvaArchivio() override
    {
        StatoApplicazione& stato = m_ambiente.stato();
        return SalvaArchivio(m_ambiente.percorsoArchivio(), stato.archivio,
                             [&stato] { return stato.generatore.byteCasuale(); });
    }

private:
    AmbienteCli& m_ambiente;
    std::ostream& m_err;
};

} // namespace

int ComandoArchivioAggiorna(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando argomenti;
    std::string errore;
    const std::vector<std::string> resto(riga.argomenti.begin() + 1, riga.argomenti.end());
    if (!argomenti.leggi(resto, {"--server"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (!argomenti.parole().empty()) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + argomenti.parole()[0]);
    }
    const std::optional<std::string> server = argomenti.valore("--server");
    if (server && !aggiornamento::IndirizzoWeb(*server)) {
        return ErroreUso(err, messaggi_cli::ServerNonValido + *server);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    const ImpostazioniGenerali& g = stato.generali;
    aggiornamento::ParametriAggiornamento parametri;
    parametri.server = server.value_or(g.serverAggiornamenti);
    parametri.proxy =
        ProxyHttp{g.usaProxy, g.proxyServer, g.proxyPorta, g.proxyAuth, g.proxyUsername, g.proxyPassword};
    parametri.percorsoMessaggio = stato.cartelle.personale + aggiornamento::NomeFileMessaggio;

    HttpClient client;
    AmbienteAggiornamentoCli ambienteAggiornamento(ambiente, err);
    const aggiornamento::EsitoAggiornamento esito =
        aggiornamento::EseguiAggiornamento(parametri, stato.archivio, client, ambienteAggiornamento);
    std::error_code ignorato;
    std::filesystem::remove(parametri.percorsoMessaggio, ignorato);
    out << messaggi_cli::NuoveEstrazioni << esito.unione.nuove << '\n';
    return esito.connessioneFallita || esito.salvataggioFallito ? UscitaRifiuto : UscitaOk;
}

} // namespace cli
