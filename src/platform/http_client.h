#pragma once

#include "checking/client_http.h"

// The program's HTTP client over libcurl: GET over HTTP/1.0 with the headers Accept "text/html, */*",
// Content-Type "text/html" and the request's User-Agent; redirects followed (at most 10, http and https
// only, like the first address); cookies accepted in memory for the life of the client; the proxy of
// the request (port 8080 when its text is not a port number) with basic authentication when asked,
// and no proxy at all otherwise (the environment's proxy variables are not used). A status of 400 or
// more is a failure. Blocks until the transfer ends; the request's callbacks run on the caller's thread.
class HttpClient final : public ClientHttp
{
public:
    HttpClient();
    ~HttpClient() override;
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    [[nodiscard]] EsitoHttp get(const RichiestaHttp& richiesta) override;

private:
    void* m_curl = nullptr; // CURL*, kept for the client's life so its cookies last
};

// The proxy port of the settings: a whole number 1..65535, else 8080.
long PortaProxy(const std::string& testo);
