#include "support/archivio_memoria.h"

namespace test {

template <typename T> std::optional<T> ArchivioMemoria::leggi(std::string_view nome) const
{
    if (!m_disponibile) {
        return std::nullopt;
    }
    auto it = m_valori.find(nome);
    if (it == m_valori.end() || !std::holds_alternative<T>(it->second)) {
        return std::nullopt;
    }
    return std::get<T>(it->second);
}

std::optional<std::string> ArchivioMemoria::leggiTesto(std::string_view nome) const
{
    return leggi<std::string>(nome);
}

std::optional<std::int32_t> ArchivioMemoria::leggiIntero(std::string_view nome) const
{
    return leggi<std::int32_t>(nome);
}

std::optional<double> ArchivioMemoria::leggiDouble(std::string_view nome) const
{
    return leggi<double>(nome);
}

void ArchivioMemoria::scriviTesto(std::string_view nome, std::string_view valore)
{
    if (m_disponibile) {
        m_valori.insert_or_assign(std::string(nome), Valore(std::string(valore)));
    }
}

void ArchivioMemoria::scriviIntero(std::string_view nome, std::int32_t valore)
{
    if (m_disponibile) {
        m_valori.insert_or_assign(std::string(nome), Valore(valore));
    }
}

void ArchivioMemoria::scriviDouble(std::string_view nome, double valore)
{
    if (m_disponibile) {
        m_valori.insert_or_assign(std::string(nome), Valore(valore));
    }
}

std::vector<std::string> ArchivioMemoria::nomi() const
{
    std::vector<std::string> nomi;
    for (const auto& voce : m_valori) {
        nomi.push_back(voce.first);
    }
    return nomi;
}

} // namespace test
