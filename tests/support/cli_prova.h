#pragma once

#include "core/archivio_storico.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace test {

// What a run of the command line leaves: the exit code and the text of both streams.
struct EsitoRigaComando
{
    int uscita = -1;
    std::string out;
    std::string err;
};

// Every run works in its own folders of a temporary folder ("dati" for the data, "pers" for the personal
// files), with the settings in an INI file of the same folder.
class ProvaRigaComando : public ::testing::Test
{
protected:
    using Risultato = EsitoRigaComando;

    ProvaRigaComando();
    ~ProvaRigaComando() override;

    Risultato esegui(std::vector<std::string> argomenti);
    // The plays of a system as the "giocate" command prints them, one a line.
    std::string giocate(const std::string& sistema) { return esegui({"giocate", sistema}).out; }

    std::string file(const std::string& nome) const { return m_cartella.file(nome); }
    // Creates the data folder, which the commands otherwise create on their own.
    void creaDati() const;
    // Writes the archive into the data folder, creating it.
    [[nodiscard]] bool salvaArchivio(const ArchivioStorico& archivio) const;
    std::string fileArchivio() const;

private:
    CartellaTemporanea m_cartella;
};

} // namespace test
