// The whole update against a real local server through the real HTTP client.
#include "checking/aggiornamento.h"
#include "checking/messaggi_aggiornamento.h"
#include "core/file_binario.h"
#include "core/messaggi_archivio.h"
#include "platform/http_client.h"
#include "support/cartella_temporanea.h"
#include "support/estrazione_prova.h"
#include "support/server_http_locale.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using aggiornamento::EseguiAggiornamento;
using aggiornamento::EsitoAggiornamento;

// Records what the update asked of its window; answers messages from a script (Ok when empty).
class AmbienteRegistrato final : public aggiornamento::AmbienteAggiornamento
{
public:
    void avanzamento(int percentuale) override { passi.push_back(percentuale); }
    Risposta mostra(const Messaggio& m) override
    {
        messaggi.push_back(m);
        if (risposte.empty()) {
            return Risposta::Ok;
        }
        Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    void apriGuida(const std::string& topic) override { guide.push_back(topic); }
    void apriIndirizzo(const std::string& indirizzo) override { aperti.push_back(indirizzo); }
    void aggiornaSoftware(const std::string& indirizzo) override { software.push_back(indirizzo); }
    void mostraMessaggio(const std::string& percorso) override
    {
        auto byte = LeggiFileIntero(percorso, 1 << 20);
        rtf.push_back(byte ? std::string(byte->begin(), byte->end()) : std::string("<illeggibile>"));
    }
    bool salvaArchivio() override
    {
        ++salvataggi;
        return salvataggioRiesce;
    }

    std::vector<int> passi;
    std::vector<Messaggio> messaggi;
    std::deque<Risposta> risposte;
    std::vector<std::string> guide;
    std::vector<std::string> aperti;
    std::vector<std::string> software;
    std::vector<std::string> rtf;
    int salvataggi = 0;
    bool salvataggioRiesce = true;

    std::vector<std::string> testi() const
    {
        std::vector<std::string> t;
        for (const Messaggio& m : messaggi) {
            t.push_back(m.testo);
        }
        return t;
    }
};

// An "esl" line: the date and Bari's five numbers from `segno`, the other wheels without data.
std::string Riga(int anno, int mese, int giorno, int segno)
{
    char data[16];
    std::snprintf(data, sizeof data, "%04d%02d%02d", anno, mese, giorno);
    std::string riga = std::string("esl") + data;
    for (int p = 0; p < 5; ++p) {
        char numero[4];
        std::snprintf(numero, sizeof numero, "%02d", segno + p);
        riga += numero;
    }
    riga += std::string(100, '0');
    return riga;
}

class AggiornamentoRete : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_server.server().Get("/aggiorna.php", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard blocco(m_mutex);
            m_query = req.target;
            res.set_content(m_risposta, "text/plain");
        });
        m_server.server().Get("/estrazioni.txt", [this](const httplib::Request&, httplib::Response& res) {
            std::lock_guard blocco(m_mutex);
            ++m_scaricamenti;
            res.set_content(m_estrazioni, "text/plain");
        });
        m_server.server().Get("/msg.rtf", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}Estrazioni del sabato\\par Buona fortuna}",
                            "application/rtf");
        });
        m_server.server().Get("/errore",
                              [](const httplib::Request&, httplib::Response& res) { res.status = 500; });
        m_server.avvia();
        for (int i = 0; i < 3; ++i) {
            (void)m_archivio.InserisciEstrazione(test::estrazione(3 + i, 3, 2009, 10 + i));
        }
        m_parametri.server = m_server.indirizzo();
        m_parametri.percorsoMessaggio = m_cartella.file("Msg.rtf");
    }

    EsitoAggiornamento esegui(const std::string& risposta, const std::string& estrazioni = {})
    {
        {
            std::lock_guard blocco(m_mutex);
            m_risposta = risposta;
            m_estrazioni = estrazioni;
        }
        HttpClient client;
        return EseguiAggiornamento(m_parametri, m_archivio, client, m_ambiente);
    }

    int scaricamenti()
    {
        std::lock_guard blocco(m_mutex);
        return m_scaricamenti;
    }

    test::ServerHttpLocale m_server;
    test::CartellaTemporanea m_cartella;
    std::mutex m_mutex;
    std::string m_risposta;
    std::string m_estrazioni;
    std::string m_query;
    int m_scaricamenti = 0;
    ArchivioStorico m_archivio;
    aggiornamento::ParametriAggiornamento m_parametri;
    AmbienteRegistrato m_ambiente;
};

TEST_F(AggiornamentoRete, UnisceLeEstrazioniEMostraMessaggioEIndirizzo)
{
    const std::string file = Riga(2009, 3, 7, 20) + "\r\n" +  // after the newest: appended
                             Riga(2009, 3, 4, 30) + "\r\n" +  // stored date: replaced
                             Riga(2009, 3, 1, 40) + "\r\n" +  // older than all: put first
                             Riga(2009, 2, 30, 50) + "\r\n" + // no such day: skipped
                             "rtf" + m_server.indirizzo("/primo.rtf") + "\r\n" + "RTF" +
                             m_server.indirizzo("/msg.rtf") + "\r\n" +
                             "url https://www.example.org/notizie \r\n" + "url\r\n";
    const EsitoAggiornamento esito = esegui(m_server.indirizzo("/estrazioni.txt") + "\r\n", file);

    EXPECT_EQ(m_query, "/aggiorna.php?idp=19&ver=51&duel=20090305");
    EXPECT_FALSE(esito.tieniAperto);
    EXPECT_TRUE(esito.archivioSalvato);
    EXPECT_EQ(m_ambiente.salvataggi, 1);
    EXPECT_EQ(esito.unione.nuove, 2);
    EXPECT_EQ(esito.unione.sostituite, 1);
    ASSERT_EQ(m_archivio.conteggio(), 5);
    EXPECT_EQ(m_archivio.estrazione(1).chiaveData(), 20090301);
    EXPECT_EQ(m_archivio.estrazione(3).numero(Bari, 1), 30);
    EXPECT_EQ(m_archivio.estrazione(5).chiaveData(), 20090307);

    const std::vector<std::string> attesi = {
        "Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Lotto: 2",
        messaggi_aggiornamento::RigaNonValida};
    EXPECT_EQ(m_ambiente.testi(), attesi);
    EXPECT_EQ(m_ambiente.messaggi[0].titolo, "OK");
    EXPECT_EQ(m_ambiente.messaggi[0].icona, Icona::Informazione);
    ASSERT_EQ(m_ambiente.rtf.size(), 1u);
    EXPECT_TRUE(m_ambiente.rtf[0].starts_with("{\\rtf1")); // the last "rtf" line counts
    EXPECT_EQ(m_ambiente.aperti, std::vector<std::string>{"https://www.example.org/notizie"});
    EXPECT_EQ(m_ambiente.passi, (std::vector<int>{0, 25, 50, 100, 0}));
}

TEST_F(AggiornamentoRete, SoloDateGiaPresentiSonoSostituiteESalvate)
{
    const EsitoAggiornamento esito =
        esegui(m_server.indirizzo("/estrazioni.txt"), Riga(2009, 3, 5, 60) + "\n" + Riga(2009, 3, 3, 70));
    EXPECT_TRUE(esito.archivioSalvato);
    EXPECT_EQ(m_archivio.conteggio(), 3);
    EXPECT_EQ(m_archivio.estrazione(3).numero(Bari, 1), 60);
    EXPECT_EQ(m_ambiente.testi(),
              std::vector<std::string>{"Al momento non sono disponibili nuovi aggiornamenti."});
}

TEST_F(AggiornamentoRete, FileVuotoNonScriveLArchivio)
{
    const EsitoAggiornamento esito = esegui(m_server.indirizzo("/estrazioni.txt"), "");
    EXPECT_FALSE(esito.archivioSalvato);
    EXPECT_EQ(m_ambiente.salvataggi, 0);
    EXPECT_EQ(m_ambiente.testi(),
              std::vector<std::string>{"Al momento non sono disponibili nuovi aggiornamenti."});
}

TEST_F(AggiornamentoRete, SalvataggioFallitoLasciaLArchivioComEra)
{
    m_ambiente.salvataggioRiesce = false;
    const EsitoAggiornamento esito = esegui(m_server.indirizzo("/estrazioni.txt"), Riga(2009, 3, 9, 20));
    EXPECT_FALSE(esito.archivioSalvato);
    EXPECT_TRUE(esito.tieniAperto);
    EXPECT_EQ(m_archivio.conteggio(), 3);
    EXPECT_EQ(m_ambiente.testi(), std::vector<std::string>{messaggi_archivio::ErroreSalvataggioArchivio});
}

TEST_F(AggiornamentoRete, ServerIrraggiungibileOInErrore)
{
    struct Caso
    {
        const char* nome;
        std::string server;
        std::string risposta;
    };
    const Caso casi[] = {
        {"risposta con errore", m_server.indirizzo("/errore?"), ""},
        {"risposta vuota", m_server.indirizzo(), "  \r\n"},
        {"file delle estrazioni mancante", m_server.indirizzo(), m_server.indirizzo("/errore")},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        m_ambiente = AmbienteRegistrato{};
        m_parametri.server = caso.server;
        const EsitoAggiornamento esito = esegui(caso.risposta);
        EXPECT_TRUE(esito.connessioneFallita);
        EXPECT_TRUE(esito.tieniAperto);
        EXPECT_EQ(m_ambiente.testi(), std::vector<std::string>{messaggi_aggiornamento::ConnessioneFallita});
        EXPECT_EQ(m_ambiente.guide, std::vector<std::string>{"rdp_connessione.htm"});
        EXPECT_EQ(m_ambiente.salvataggi, 0);
        EXPECT_EQ(m_archivio.conteggio(), 3);
    }
}

TEST_F(AggiornamentoRete, RisposteConComandi)
{
    const std::string d = m_server.indirizzo("/estrazioni.txt");
    struct Caso
    {
        const char* nome;
        std::string risposta;
        std::vector<Risposta> risposte;
        std::vector<std::string> testi;
        std::string titolo;
        std::vector<std::string> software;
        std::vector<std::string> aperti;
        bool scaricaEstrazioni;
        bool tieniAperto;
    };
    const Caso casi[] = {
        {"HTTP maiuscolo non e' un indirizzo",
         "HTTP://127.0.0.1/x",
         {},
         {"HTTP://127.0.0.1/x"},
         "Attenzione",
         {},
         {},
         false,
         false},
        {"nuova versione accettata",
         "nnn https://dl.example.org/nuova.exe nnnddd" + d + "dddNuova versione!",
         {Risposta::Ok},
         {"Nuova versione!"},
         "QUARVINA LOTTO",
         {"https://dl.example.org/nuova.exe"},
         {},
         false,
         false},
        {"nuova versione rifiutata: si scaricano le estrazioni",
         "NNN https://dl.example.org/nuova.exe NNNDDD " + d + " DDDNuova versione!",
         {Risposta::Annulla},
         {"Nuova versione!", "Al momento non sono disponibili nuovi aggiornamenti."},
         "QUARVINA LOTTO",
         {},
         {},
         true,
         false},
        {"informazione con collegamento",
         "cccdhttps://www.example.org/infocccInfo",
         {Risposta::Ok},
         {"Info"},
         "Informazione",
         {},
         {},
         false,
         true},
        {"informazione con collegamento aperto",
         "ccchttps://www.example.org/infocccInfo",
         {Risposta::Ok},
         {"Info"},
         "Informazione",
         {},
         {"https://www.example.org/info"},
         false,
         true},
        {"informazione annullata",
         "ccchttps://www.example.org/infocccInfo",
         {Risposta::Annulla},
         {"Info"},
         "Informazione",
         {},
         {},
         false,
         false},
        {"avviso con collegamento ed estrazioni",
         "KKKhttps://www.example.org/avvisokkkddd" + d + "dddAvviso",
         {},
         {"Avviso", "Al momento non sono disponibili nuovi aggiornamenti."},
         "Attenzione",
         {},
         {"https://www.example.org/avviso"},
         true,
         true},
        {"collegamento non web mai aperto",
         "kkkfile:///etc/passwdkkkAvviso",
         {},
         {"Avviso"},
         "Attenzione",
         {},
         {},
         false,
         true},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        m_ambiente = AmbienteRegistrato{};
        m_ambiente.risposte.assign(caso.risposte.begin(), caso.risposte.end());
        const int prima = scaricamenti();
        const EsitoAggiornamento esito = esegui(caso.risposta);
        EXPECT_EQ(m_ambiente.testi(), caso.testi);
        ASSERT_FALSE(m_ambiente.messaggi.empty());
        EXPECT_EQ(m_ambiente.messaggi[0].titolo, caso.titolo);
        EXPECT_EQ(m_ambiente.software, caso.software);
        EXPECT_EQ(m_ambiente.aperti, caso.aperti);
        EXPECT_EQ(scaricamenti() > prima, caso.scaricaEstrazioni);
        EXPECT_EQ(esito.tieniAperto, caso.tieniAperto);
    }
}

} // namespace
