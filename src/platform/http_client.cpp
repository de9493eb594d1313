#include "platform/http_client.h"

#include "checking/aggiornamento.h"

#include <curl/curl.h>

#include <charconv>
#include <chrono>
#include <mutex>

namespace {

constexpr long PortaProxyPredefinita = 8080;
constexpr long MassimoRedirezioni = 10;

void InizializzaCurl()
{
    static std::once_flag fatto;
    std::call_once(fatto, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What the callbacks of one transfer share.
struct Trasferimento
{
    const RichiestaHttp* richiesta = nullptr;
    EsitoHttp* esito = nullptr;
    std::uint64_t ricevuti = 0;
    std::chrono::steady_clock::time_point ultimoDato;
    bool troppoGrande = false;
    bool annullata = false;
    bool erroreScrittura = false;
    bool tempoScaduto = false;
};

std::size_t Scrivi(char* dati, std::size_t dimensione, std::size_t quanti, void* utente)
{
    auto& t = *static_cast<Trasferimento*>(utente);
    const std::size_t byte = dimensione * quanti;
    if (t.ricevuti + byte > t.richiesta->dimensioneMassima) {
        t.troppoGrande = true;
        return 0;
    }
    t.ricevuti += byte;
    t.ultimoDato = std::chrono::steady_clock::now();
    if (t.richiesta->ricevi) {
        if (!t.richiesta->ricevi(std::string_view(dati, byte))) {
            t.erroreScrittura = true;
            return 0;
        }
    } else {
        t.esito->corpo.append(dati, byte);
    }
    return byte;
}

int Avanzamento(void* utente, curl_off_t totale, curl_off_t ricevuti, curl_off_t, curl_off_t)
{
    auto& t = *static_cast<Trasferimento*>(utente);
    const auto attesa = t.richiesta->attesaLettura;
    if (attesa.count() > 0 && std::chrono::steady_clock::now() - t.ultimoDato > attesa) {
        t.tempoScaduto = true;
        return 1;
    }
    if (t.richiesta->avanzamento &&
        !t.richiesta->avanzamento(static_cast<std::uint64_t>(ricevuti > 0 ? ricevuti : 0),
                                  static_cast<std::uint64_t>(totale > 0 ? totale : 0))) {
        t.annullata = true;
        return 1;
    }
    return 0;
}

CodiceHttp Codice(CURLcode risultato, const Trasferimento& t)
{
    if (t.troppoGrande) {
        return CodiceHttp::TroppoGrande;
    }
    if (t.tempoScaduto) {
        return CodiceHttp::TempoScaduto;
    }
    if (t.annullata) {
        return CodiceHttp::Annullata;
    }
    if (t.erroreScrittura) {
        return CodiceHttp::ErroreScrittura;
    }
    switch (risultato) {
    case CURLE_OK:
        return CodiceHttp::Ok;
    case CURLE_OPERATION_TIMEDOUT:
        return CodiceHttp::TempoScaduto;
    case CURLE_FILESIZE_EXCEEDED:
        return CodiceHttp::TroppoGrande;
    case CURLE_HTTP_RETURNED_ERROR:
        return CodiceHttp::RispostaErrore;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return CodiceHttp::IndirizzoNonValido;
    default:
        return CodiceHttp::Connessione;
    }
}

class Intestazioni
{
public:
    Intestazioni()
    {
        m_lista = curl_slist_append(m_lista, "Accept: text/html, */*");
        m_lista = curl_slist_append(m_lista, "Content-Type: text/html");
    }
    ~Intestazioni() { curl_slist_free_all(m_lista); }
    Intestazioni(const Intestazioni&) = delete;
    Intestazioni& operator=(const Intestazioni&) = delete;
    curl_slist* lista() const { return m_lista; }

private:
    curl_slist* m_lista = nullptr;
};

} // namespace

long PortaProxy(const std::string& testo)
{
    long porta = 0;
    const char* fine = testo.data() + testo.size();
    auto [ptr, errore] = std::from_chars(testo.data(), fine, porta);
    if (testo.empty() || errore != std::errc() || ptr != fine || porta < 1 || porta > 65535) {
        return PortaProxyPredefinita;
    }
    return porta;
}

HttpClient::HttpClient()
{
    InizializzaCurl();
    // One handle for the client's life: curl_easy_reset keeps its cookies between requests.
    m_curl = curl_easy_init();
}

HttpClient::~HttpClient()
{
    if (m_curl != nullptr) {
        curl_easy_cleanup(static_cast<CURL*>(m_curl));
    }
}

EsitoHttp HttpClient::get(const RichiestaHttp& richiesta)
{
    EsitoHttp esito;
    if (!aggiornamento::IndirizzoWeb(richiesta.indirizzo)) {
        esito.codice = CodiceHttp::IndirizzoNonValido;
        esito.descrizione = "not an http or https address";
        return esito;
    }
    auto* curl = static_cast<CURL*>(m_curl);
    if (curl == nullptr) {
        esito.codice = CodiceHttp::Connessione;
        esito.descrizione = "libcurl could not be initialised";
        return esito;
    }
    curl_easy_reset(curl);

    Trasferimento t;
    t.richiesta = &richiesta;
    t.esito = &esito;
    t.ultimoDato = std::chrono::steady_clock::now();
    Intestazioni intestazioni;
    char errore[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_URL, richiesta.indirizzo.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, intestazioni.lista());
    curl_easy_setopt(curl, CURLOPT_USERAGENT, richiesta.userAgent.c_str());
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MassimoRedirezioni);
    curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(richiesta.attesaConnessione.count()));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(richiesta.dimensioneMassima));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Scrivi);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Avanzamento);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errore);

    const ProxyHttp& proxy = richiesta.proxy;
    if (proxy.usa && !proxy.server.empty()) {
        curl_easy_setopt(curl, CURLOPT_PROXY, proxy.server.c_str());
        curl_easy_setopt(curl, CURLOPT_PROXYPORT, PortaProxy(proxy.porta));
        curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
        if (proxy.autenticazione) {
            curl_easy_setopt(curl, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC));
            curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, proxy.utente.c_str());
            curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, proxy.password.c_str());
        }
    } else {
        // An empty proxy also keeps the environment's proxy variables out.
        curl_easy_setopt(curl, CURLOPT_PROXY, "");
    }

    const CURLcode risultato = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &esito.stato);
    esito.codice = Codice(risultato, t);
    if (!esito.ok()) {
        esito.descrizione = errore[0] != '\0' ? errore : curl_easy_strerror(risultato);
        esito.corpo.clear();
    }
    // The options point into this call's objects: nothing of them may outlive it.
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    return esito;
}
