#include "checking/aggiornamento.h"
#include "platform/http_client.h"
#include "support/estrazione_prova.h"
#include "support/server_http_locale.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

// What a handler saw of the last request it served.
struct Visto
{
    std::mutex mutex;
    std::string metodo;
    std::string versione;
    std::string target;
    std::string percorso;
    httplib::Headers intestazioni;
    httplib::Params parametri;

    void registra(const httplib::Request& r)
    {
        std::lock_guard blocco(mutex);
        metodo = r.method;
        versione = r.version;
        target = r.target;
        percorso = r.path;
        intestazioni = r.headers;
        parametri = r.params;
    }
    std::string intestazione(const std::string& nome)
    {
        std::lock_guard blocco(mutex);
        auto it = intestazioni.find(nome);
        return it == intestazioni.end() ? std::string("<assente>") : it->second;
    }
};

RichiestaHttp Richiesta(const std::string& indirizzo)
{
    RichiestaHttp r;
    r.indirizzo = indirizzo;
    r.userAgent = aggiornamento::UserAgentAggiornamento;
    r.attesaConnessione = 5s;
    r.attesaLettura = 5s;
    return r;
}

TEST(HttpClient, RichiestaHttp10ConIntestazioniEData)
{
    test::ServerHttpLocale server;
    Visto visto;
    server.server().Get("/aggiorna.php", [&](const httplib::Request& req, httplib::Response& res) {
        visto.registra(req);
        res.set_content("http://127.0.0.1/estrazioni.txt", "text/plain");
    });
    server.avvia();

    ArchivioStorico archivio;
    ASSERT_NE(archivio.InserisciEstrazione(test::estrazione(5, 3, 2009)), 0);
    HttpClient client;
    const EsitoHttp esito =
        client.get(Richiesta(aggiornamento::IndirizzoAggiornamento(server.indirizzo("/"), archivio)));

    ASSERT_TRUE(esito.ok()) << esito.descrizione;
    EXPECT_EQ(esito.stato, 200);
    EXPECT_EQ(esito.corpo, "http://127.0.0.1/estrazioni.txt");
    EXPECT_EQ(visto.metodo, "GET");
    EXPECT_EQ(visto.versione, "HTTP/1.0");
    EXPECT_EQ(visto.target, "/aggiorna.php?idp=19&ver=51&duel=20090305");
    EXPECT_EQ(visto.intestazione("Accept"), "text/html, */*");
    EXPECT_EQ(visto.intestazione("Content-Type"), "text/html");
    EXPECT_EQ(visto.intestazione("User-Agent"),
              "Mozilla/4.0 (compatible; MSIE 6.0; Windows 32; Ostralis; V1000)");
}

TEST(HttpClient, ProxyConAutenticazioneBase)
{
    test::ServerHttpLocale destinazione; // never reached directly: the proxy answers for it
    test::ServerHttpLocale proxy;
    Visto visto;
    proxy.server().Get(".*", [&](const httplib::Request& req, httplib::Response& res) {
        visto.registra(req);
        res.set_content("dal proxy", "text/plain");
    });
    proxy.avvia();

    struct Riga
    {
        const char* nome;
        bool autenticazione;
        std::string attesa;
    };
    // "utente:segreta" in base 64.
    const Riga righe[] = {
        {"con autenticazione", true, "Basic dXRlbnRlOnNlZ3JldGE="},
        {"senza autenticazione", false, "<assente>"},
    };
    HttpClient client;
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        RichiestaHttp r = Richiesta(destinazione.indirizzo("/estrazioni.txt"));
        r.proxy.usa = true;
        r.proxy.server = "127.0.0.1";
        r.proxy.porta = std::to_string(proxy.porta());
        r.proxy.autenticazione = riga.autenticazione;
        r.proxy.utente = "utente";
        r.proxy.password = "segreta";
        const EsitoHttp esito = client.get(r);
        ASSERT_TRUE(esito.ok()) << esito.descrizione;
        EXPECT_EQ(esito.corpo, "dal proxy");
        EXPECT_EQ(visto.target, destinazione.indirizzo("/estrazioni.txt"));
        EXPECT_EQ(visto.intestazione("Proxy-Authorization"), riga.attesa);
    }
}

TEST(HttpClient, PortaDelProxy)
{
    EXPECT_EQ(PortaProxy("3128"), 3128);
    EXPECT_EQ(PortaProxy(""), 8080);
    EXPECT_EQ(PortaProxy("abc"), 8080);
    EXPECT_EQ(PortaProxy("80x"), 8080);
    EXPECT_EQ(PortaProxy("0"), 8080);
    EXPECT_EQ(PortaProxy("70000"), 8080);
}

TEST(HttpClient, RedirezioniSeguiteConICookie)
{
    test::ServerHttpLocale server;
    Visto visto;
    server.server().Get("/vecchio", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Set-Cookie", "sessione=42; Path=/");
        res.set_redirect("/nuovo");
    });
    server.server().Get("/nuovo", [&](const httplib::Request& req, httplib::Response& res) {
        visto.registra(req);
        res.set_content("arrivato", "text/plain");
    });
    server.server().Get("/locale", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("file:///etc/passwd");
    });
    server.avvia();

    HttpClient client;
    const EsitoHttp esito = client.get(Richiesta(server.indirizzo("/vecchio")));
    ASSERT_TRUE(esito.ok()) << esito.descrizione;
    EXPECT_EQ(esito.corpo, "arrivato");
    EXPECT_EQ(visto.intestazione("Cookie"), "sessione=42");

    // A redirect may not lead out of http and https.
    const EsitoHttp locale = client.get(Richiesta(server.indirizzo("/locale")));
    EXPECT_FALSE(locale.ok());
    EXPECT_TRUE(locale.corpo.empty());
}

TEST(HttpClient, GuastiDiRete)
{
    test::ServerHttpLocale server;
    server.server().Get("/interrotto", [](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(1000, "text/plain", [](std::size_t, std::size_t, httplib::DataSink& sink) {
            sink.write("esl", 3);
            return false; // the connection is dropped after 3 of the 1000 bytes announced
        });
    });
    server.server().Get("/grande", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(2000, 'x'), "text/plain");
    });
    server.server().Get("/grandeSenzaLunghezza", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("text/plain", [](std::size_t offset, httplib::DataSink& sink) {
            if (offset >= 4000) {
                sink.done();
                return true;
            }
            sink.write(std::string(500, 'x').data(), 500);
            return true;
        });
    });
    server.server().Get("/lento", [](const httplib::Request&, httplib::Response& res) {
        std::this_thread::sleep_for(2500ms);
        res.set_content("tardi", "text/plain");
    });
    server.server().Get("/errore", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("guasto", "text/plain");
    });
    server.avvia();

    // A port where nothing listens: take one from a server that is gone.
    int portaChiusa = 0;
    {
        test::ServerHttpLocale chiuso;
        chiuso.avvia();
        portaChiusa = chiuso.porta();
    }

    struct Riga
    {
        const char* nome;
        std::string indirizzo;
        CodiceHttp atteso;
    };
    const Riga righe[] = {
        {"connessione interrotta", server.indirizzo("/interrotto"), CodiceHttp::Connessione},
        {"lunghezza annunciata oltre il limite", server.indirizzo("/grande"), CodiceHttp::TroppoGrande},
        {"corpo senza lunghezza oltre il limite", server.indirizzo("/grandeSenzaLunghezza"),
         CodiceHttp::TroppoGrande},
        {"server silenzioso", server.indirizzo("/lento"), CodiceHttp::TempoScaduto},
        {"stato di errore", server.indirizzo("/errore"), CodiceHttp::RispostaErrore},
        {"nessun server", "http://127.0.0.1:" + std::to_string(portaChiusa) + "/", CodiceHttp::Connessione},
        {"file locale", "file:///etc/passwd", CodiceHttp::IndirizzoNonValido},
        {"ftp", "ftp://127.0.0.1/x", CodiceHttp::IndirizzoNonValido},
    };
    HttpClient client;
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        RichiestaHttp r = Richiesta(riga.indirizzo);
        r.dimensioneMassima = 1000;
        r.attesaLettura = 300ms;
        const EsitoHttp esito = client.get(r);
        EXPECT_EQ(esito.codice, riga.atteso) << esito.descrizione;
        EXPECT_TRUE(esito.corpo.empty());
    }
}

TEST(HttpClient, AvanzamentoSullaLunghezzaAnnunciataEAnnullamento)
{
    test::ServerHttpLocale server;
    const std::string corpo(300000, 'a');
    server.server().Get("/file", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(corpo, "application/octet-stream");
    });
    server.avvia();

    HttpClient client;
    std::uint64_t ultimoRicevuti = 0;
    std::uint64_t annunciati = 0;
    std::string ricevuto;
    RichiestaHttp r = Richiesta(server.indirizzo("/file"));
    r.dimensioneMassima = 1'000'000;
    r.avanzamento = [&](std::uint64_t ricevuti, std::uint64_t totale) {
        ultimoRicevuti = ricevuti;
        annunciati = std::max(annunciati, totale);
        return true;
    };
    r.ricevi = [&](std::string_view blocco) {
        ricevuto.append(blocco);
        return true;
    };
    const EsitoHttp esito = client.get(r);
    ASSERT_TRUE(esito.ok()) << esito.descrizione;
    EXPECT_EQ(ricevuto, corpo);
    EXPECT_TRUE(esito.corpo.empty());
    EXPECT_EQ(annunciati, corpo.size());
    EXPECT_LE(ultimoRicevuti, corpo.size());

    r.avanzamento = [](std::uint64_t, std::uint64_t) { return false; };
    EXPECT_EQ(client.get(r).codice, CodiceHttp::Annullata);
}

} // namespace
