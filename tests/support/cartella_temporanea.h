#pragma once

#include "core/giocata.h"
#include "core/messaggi_servizio.h"

#include <deque>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class CartellaTemporanea
{
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;

    const std::filesystem::path& percorso() const { return m_percorso; }
    // Path of a file inside the folder, as text.
    std::string file(const std::string& nome) const { return (m_percorso / nome).string(); }
    // Folder path with a trailing separator, as the program's folders are kept.
    std::string cartella() const { return m_percorso.string() + "/"; }

private:
    std::filesystem::path m_percorso;
};

// Reads or writes a whole file as bytes.
std::vector<unsigned char> LeggiFile(const std::string& percorso);
void ScriviFile(const std::string& percorso, const std::vector<unsigned char>& byte);

// Builds a play from its numbers: giocata({1, 2, 3}).
Tipo_Giocata giocata(std::initializer_list<int> numeri);

// Records every message and answers from a script (Risposta::Ok/the default when the script is
// empty).
class MessaggiRegistrati final : public ServizioMessaggi
{
public:
    Risposta mostra(const Messaggio& messaggio) override;

    std::vector<Messaggio> mostrati;
    std::deque<Risposta> risposte;

    std::string ultimo() const { return mostrati.empty() ? std::string() : mostrati.back().testo; }
};

} // namespace test
