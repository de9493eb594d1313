#include "cli/comandi.h"

#include "checking/messaggi_aggiornamento.h"
#include "support/cli_prova.h"
#include "support/server_http_locale.h"

#include <gtest/gtest.h>

#include <mutex>

namespace {

class ArchivioAggiorna : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        m_server.server().Get("/aggiorna.php", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard blocco(m_mutex);
            m_data = req.get_param_value("duel");
            res.set_content(m_server.indirizzo("/estrazioni.txt"), "text/plain");
        });
        m_server.server().Get("/estrazioni.txt", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("esl21000101" + std::string(10, '0') + "0102030405" + std::string(90, '0') +
                                "\nrtf\nurl https://www.example.org/\n",
                            "text/plain");
        });
        m_server.avvia();
    }

    test::ServerHttpLocale m_server;
    std::mutex m_mutex;
    std::string m_data;
};

TEST_F(ArchivioAggiorna, AggiungeLEstrazioneDelServer)
{
    const Risultato prima = esegui({"archivio", "info"});
    ASSERT_EQ(prima.uscita, 0) << prima.err;

    const Risultato r = esegui({"archivio", "aggiorna", "--server", m_server.indirizzo()});
    ASSERT_EQ(r.uscita, 0) << r.err;
    EXPECT_EQ(r.out, "Nuove estrazioni: 1\n");
    EXPECT_NE(r.err.find("Aggiornamento avvenuto con successo.\nNumero di nuove estrazioni del Lotto: 1"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Indirizzo indicato dal server: https://www.example.org/"), std::string::npos);
    {
        std::lock_guard blocco(m_mutex);
        EXPECT_EQ(m_data.size(), 8u);
        EXPECT_NE(m_data, "00000000");
    }

    const Risultato dopo = esegui({"archivio", "info"});
    EXPECT_NE(dopo.out.find("01/01/2100"), std::string::npos) << dopo.out;

    // Asked again, the server's draw is already there.
    const Risultato ancora = esegui({"archivio", "aggiorna", "--server", m_server.indirizzo()});
    EXPECT_EQ(ancora.uscita, 0);
    EXPECT_EQ(ancora.out, "Nuove estrazioni: 0\n");
    {
        std::lock_guard blocco(m_mutex);
        EXPECT_EQ(m_data, "21000101");
    }
}

TEST_F(ArchivioAggiorna, ServerIrraggiungibileEUso)
{
    int portaChiusa = 0;
    {
        test::ServerHttpLocale chiuso;
        chiuso.avvia();
        portaChiusa = chiuso.porta();
    }
    const Risultato r =
        esegui({"archivio", "aggiorna", "--server", "http://127.0.0.1:" + std::to_string(portaChiusa)});
    EXPECT_EQ(r.uscita, 1);
    EXPECT_NE(r.err.find("Impossibile stabilire una connessione con il server."), std::string::npos) << r.err;

    EXPECT_EQ(esegui({"archivio", "aggiorna", "--server", "file:///etc"}).uscita, 2);
    EXPECT_EQ(esegui({"archivio", "aggiorna", "altro"}).uscita, 2);
}

} // namespace
