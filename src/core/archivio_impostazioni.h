#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The per-user typed key-value store (\Software\Calvestra\Quarvin). A missing value, or any
// error while reading, gives std::nullopt and the caller uses its default; write errors are
// ignored. Booleans are stored as the text "0"/"1"; doubles as their 8-byte IEEE image.
class ArchivioImpostazioni
{
public:
    virtual ~ArchivioImpostazioni() = default;

    virtual bool disponibile() const = 0;

    virtual std::optional<std::string> leggiTesto(std::string_view nome) const = 0;
    virtual std::optional<std::int32_t> leggiIntero(std::string_view nome) const = 0;
    virtual std::optional<double> leggiDouble(std::string_view nome) const = 0;

    virtual void scriviTesto(std::string_view nome, std::string_view valore) = 0;
    virtual void scriviIntero(std::string_view nome, std::int32_t valore) = 0;
    virtual void scriviDouble(std::string_view nome, double valore) = 0;
};
