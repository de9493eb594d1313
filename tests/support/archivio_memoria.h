#pragma once

#include "core/archivio_impostazioni.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace test {

// The settings store in memory, typed like the real one: a value read with the wrong type is
// missing. Switched off with setDisponibile(false) it behaves like a store that cannot be opened:
// every read is missing and writes are dropped.
class ArchivioMemoria final : public ArchivioImpostazioni
{
public:
    using Valore = std::variant<std::string, std::int32_t, double>;

    bool disponibile() const override { return m_disponibile; }
    void setDisponibile(bool disponibile) { m_disponibile = disponibile; }

    std::optional<std::string> leggiTesto(std::string_view nome) const override;
    std::optional<std::int32_t> leggiIntero(std::string_view nome) const override;
    std::optional<double> leggiDouble(std::string_view nome) const override;

    void scriviTesto(std::string_view nome, std::string_view valore) override;
    void scriviIntero(std::string_view nome, std::int32_t valore) override;
    void scriviDouble(std::string_view nome, double valore) override;

    // The stored names, in name order.
    std::vector<std::string> nomi() const;

private:
    template <typename T> std::optional<T> leggi(std::string_view nome) const;

    std::map<std::string, Valore, std::less<>> m_valori;
    bool m_disponibile = true;
};

} // namespace test
