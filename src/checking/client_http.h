#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The proxy of every request, as the connection settings hold it.
struct ProxyHttp
{
    bool usa = false;
    std::string server;
    std::string porta; // a text that is not a port number means 8080
    bool autenticazione = false;
    std::string utente;
    std::string password;
};

// One GET. Only http and https addresses are fetched (also after a redirect).
struct RichiestaHttp
{
    std::string indirizzo;
    std::string userAgent;
    ProxyHttp proxy;
    std::chrono::milliseconds attesaConnessione{30000};
    // Longest silence of the server while the answer is awaited or arrives; 0: no limit.
    std::chrono::milliseconds attesaLettura{0};
    // Largest body accepted: a larger announced length is refused before the transfer, a body that
    // grows past it is cut and refused.
    std::uint64_t dimensioneMassima = 1024 * 1024;
    // Called while the transfer runs (at least about once a second): bytes received so far and the
    // announced length (0 when the server announced none). False stops the transfer (Annullata).
    std::function<bool(std::uint64_t ricevuti, std::uint64_t annunciati)> avanzamento;
    // When set, the body goes here block by block instead of into EsitoHttp::corpo; false stops the
    // transfer (ErroreScrittura).
    std::function<bool(std::string_view blocco)> ricevi;
};

enum class CodiceHttp {
    Ok,
    IndirizzoNonValido, // empty, or a scheme other than http and https
    Connessione,        // name not resolved, refused, dropped, TLS failure, too many redirects
    TempoScaduto,
    RispostaErrore, // the server answered with a status of 400 or more
    TroppoGrande,
    Annullata,
    ErroreScrittura,
};

struct EsitoHttp
{
    CodiceHttp codice = CodiceHttp::Connessione;
    long stato = 0;          // the HTTP status of the last answer, 0 when none arrived
    std::string corpo;       // the body, when RichiestaHttp::ricevi was not set
    std::string descrizione; // technical detail for logs and the command line (English)

    bool ok() const { return codice == CodiceHttp::Ok; }
};

// The HTTP client the update works through. The program's one is over libcurl (platform/); it
// blocks until the transfer ends.
class ClientHttp
{
public:
    virtual ~ClientHttp() = default;
    [[nodiscard]] virtual EsitoHttp get(const RichiestaHttp& richiesta) = 0;
};
