#include "support/cartella_temporanea.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace test {

CartellaTemporanea::CartellaTemporanea()
{
    static std::atomic<int> contatore{0};
    auto istante = std::chrono::steady_clock::now().time_since_epoch().count();
    m_percorso = std::filesystem::temp_directory_path() /
                 ("quarvin-test-" + std::to_string(::getpid()) + "-" + std::to_string(istante) + "-" +
                  std::to_string(contatore++));
    std::filesystem::create_directories(m_percorso);
}

CartellaTemporanea::~CartellaTemporanea()
{
    std::error_code ignorato;
    std::filesystem::remove_all(m_percorso, ignorato);
}

std::vector<unsigned char> LeggiFile(const std::string& percorso)
{
    std::ifstream in(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ScriviFile(const std::string& percorso, const std::vector<unsigned char>& byte)
{
    std::ofstream out(percorso, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(byte.data()), static_cast<std::streamsize>(byte.size()));
}

Tipo_Giocata giocata(std::initializer_list<int> numeri)
{
    Tipo_Giocata g{};
    int i = 0;
    for (int n : numeri) {
        g[i++] = static_cast<std::uint8_t>(n);
    }
    return g;
}

Risposta MessaggiRegistrati::mostra(const Messaggio& messaggio)
{
    mostrati.push_back(messaggio);
    if (risposte.empty()) {
        return messaggio.predefinita;
    }
    Risposta r = risposte.front();
    risposte.pop_front();
    return r;
}

} // namespace test
