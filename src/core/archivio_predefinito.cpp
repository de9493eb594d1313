#include "core/archivio_predefinito.h"

#include "core/archivio_testo.h"
#include "core/messaggi_archivio.h"

#include <filesystem>
#include <system_error>

EsitoArchivioPredefinito PreparaArchivioPredefinito(const std::string& cartellaDati,
                                                    const std::string& percorsoTestoPredefinito,
                                                    const SorgenteByte& byteCasuale)
{
    EsitoArchivioPredefinito esito;
    const std::string percorso = (std::filesystem::path(cartellaDati) / file_archivio::NomeFile).string();
    std::error_code errore;
    // Any entry of that name counts, even one we cannot read: it is never overwritten.
    if (std::filesystem::exists(std::filesystem::symlink_status(percorso, errore)) ||
        percorsoTestoPredefinito.empty()) {
        return esito;
    }
    ArchivioStorico archivio;
    const EsitoImportazioneTesto importazione = ImportaFileArchivioTesto(percorsoTestoPredefinito, archivio);
    if (!importazione.letto) {
        esito.testo = importazione.testo;
        return esito;
    }
    if (!SalvaArchivio(percorso, archivio, byteCasuale)) {
        esito.testo = messaggi_archivio::ErroreSalvataggioArchivio;
        return esito;
    }
    esito.creato = true;
    return esito;
}
