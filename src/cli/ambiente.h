#pragma once

#include "cli/opzioni.h"
#include "core/messaggi_servizio.h"
#include "editor/stato_applicazione.h"

#include <QString>

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class ArchivioImpostazioni;

namespace cli {

// The data shipped with the program (see CartellaDatiProgramma), searched from the program's folder.
QString CartellaDatiDelProgramma();

// Prints every message on the error stream, "\r" turned into new lines, and answers with the
// message's default button (a script cannot be asked).
class ServizioMessaggiTesto final : public ServizioMessaggi
{
public:
    explicit ServizioMessaggiTesto(std::ostream& err) : m_err(err) {}
    Risposta mostra(const Messaggio& messaggio) override;

private:
    std::ostream& m_err;
};

// What a command works on: the folders (--dati / --personale, else QUARVIN_DATI / QUARVIN_PERSONALE,
// else the platform's), the settings store (QUARVIN_IMPOSTAZIONI or the user's), the general settings
// and a fresh application state.
class AmbienteCli
{
public:
    AmbienteCli(const RigaComando& riga, std::ostream& err);
    ~AmbienteCli();
    AmbienteCli(const AmbienteCli&) = delete;
    AmbienteCli& operator=(const AmbienteCli&) = delete;

    StatoApplicazione& stato() { return *m_stato; }
    void mostra(const std::vector<Messaggio>& messaggi);

    // "Apri" without the dialog: a new system, then the file read into it. False (the messages
    // printed) when the file cannot be opened.
    [[nodiscard]] bool apriSistema(const std::string& percorso);

    // The archive of the data folder into stato().archivio: on the first run Quarvin.db is made from
    // the shipped storico.txt, then it is loaded. Notes about skipped records are printed. False (the
    // message printed) only when Quarvin.db exists but cannot be read, so a later save cannot replace
    // it; a missing archive gives an empty one. The statistics are not recomputed here
    // (stato().ricalcolaStatistiche()).
    [[nodiscard]] bool caricaArchivio();
    // The immediate reducers of the data folder, as the program prepares them at its start
    // (PreparaRiduttoriPredefiniti from the shipped data): a problem is printed, and the run goes on with
    // whatever file the folder holds.
    void preparaRiduttori();
    // Writes stato().archivio to Quarvin.db of the data folder; false (the message printed) on failure.
    [[nodiscard]] bool salvaArchivio();
    std::string percorsoArchivio() const;

private:
    std::unique_ptr<ArchivioImpostazioni> m_store;
    ServizioMessaggiTesto m_messaggi;
    std::unique_ptr<StatoApplicazione> m_stato;
};

} // namespace cli
