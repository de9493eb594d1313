#pragma once

#include "core/archivio_impostazioni.h"

#include <QString>

#include <memory>

class QSettings;

// The settings store on QSettings. Without a path it is the user's store of organisation
// "Calvestra", application "Quarvin" (native format: the registry on Windows, a settings file
// elsewhere), unless the environment variable QUARVIN_IMPOSTAZIONI names an INI file to use
// instead; with a path it is that INI file.
// Texts are strings, integers ints, doubles the 8-byte little-endian IEEE image as a byte array.
// A value of another type reads as missing; an integer may also come back as the digits of an INI
// file, where Qt keeps no types.
class ImpostazioniQSettings final : public ArchivioImpostazioni
{
public:
    explicit ImpostazioniQSettings(const QString& percorsoIni = {});
    ~ImpostazioniQSettings() override;
    ImpostazioniQSettings(const ImpostazioniQSettings&) = delete;
    ImpostazioniQSettings& operator=(const ImpostazioniQSettings&) = delete;

    // False when the store could not be read or the last write could not be stored.
    bool disponibile() const override;

    std::optional<std::string> leggiTesto(std::string_view nome) const override;
    std::optional<std::int32_t> leggiIntero(std::string_view nome) const override;
    std::optional<double> leggiDouble(std::string_view nome) const override;

    void scriviTesto(std::string_view nome, std::string_view valore) override;
    void scriviIntero(std::string_view nome, std::int32_t valore) override;
    void scriviDouble(std::string_view nome, double valore) override;

    // Writes pending changes to the disk now (Qt also does it later on its own and at destruction).
    void sincronizza();
    // The file or registry path behind the store.
    QString percorso() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
