#pragma once

#include <httplib.h>

#include <chrono>
#include <string>
#include <thread>

namespace test {

// An HTTP server on 127.0.0.1 at a free port, run in a thread of its own. Register the handlers on
// server(), then avvia(); the destructor stops it and waits for the thread.
class ServerHttpLocale
{
public:
    ServerHttpLocale() { m_porta = m_server.bind_to_any_port("127.0.0.1"); }
    // A server never started keeps its socket open (it accepts nothing): start it before dropping it
    // when a closed port is wanted.
    ~ServerHttpLocale()
    {
        m_server.stop();
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    ServerHttpLocale(const ServerHttpLocale&) = delete;
    ServerHttpLocale& operator=(const ServerHttpLocale&) = delete;

    httplib::Server& server() { return m_server; }
    // The socket already listens: requests made right after this wait in its queue.
    void avvia()
    {
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        // stop() only acts on a running server: wait for it, so the destructor never hangs.
        while (!m_server.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    int porta() const { return m_porta; }
    std::string indirizzo(const std::string& percorso = {}) const
    {
        return "http://127.0.0.1:" + std::to_string(m_porta) + percorso;
    }

private:
    httplib::Server m_server;
    int m_porta = 0;
    std::thread m_thread;
};

} // namespace test
