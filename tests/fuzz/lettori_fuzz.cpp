// libFuzzer target over every reader of untrusted bytes: system files, .lpc files, text imports,
// the archive file, the official archive text, the update server's RTF message and the personal reducers. The
// first byte chooses the reader.
#include "checking/rtf_documento.h"
#include "checking/testo_rtf.h"
#include "core/archivio_testo.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/file_archivio.h"
#include "editor/file_sistema.h"
#include "editor/importa_giocate.h"
#include "reducers/riduttore_personale.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione)
{
    if (dimensione == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> resto(dati + 1, dimensione - 1);
    EsecuzioneContinua controllo;
    ElencoGiocate giocate;
    switch (dati[0] % 7) {
    case 0: {
        Sistema sistema;
        (void)LeggiImmagineSistema(resto, sistema, giocate);
        break;
    }
    case 1:
        (void)ImportaImmagineLpc(resto, giocate, controllo);
        break;
    case 2: {
        std::istringstream testo(std::string(resto.begin(), resto.end()));
        (void)ImportaTesto(testo, giocate, controllo);
        break;
    }
    case 3: {
        ArchivioStorico archivio;
        (void)CaricaArchivioDaDati(resto, archivio);
        break;
    }
    case 4: {
        ArchivioStorico archivio;
        (void)ImportaArchivioTesto(
            std::string_view(reinterpret_cast<const char*>(resto.data()), resto.size()), archivio);
        break;
    }
    case 5: {
        const EsitoLetturaRiduttore riduttore =
            LeggiTestoRiduttore(std::string_view(reinterpret_cast<const char*>(resto.data()), resto.size()));
        (void)riduttore;
        break;
    }
    default: {
        // The message window's path: the formatted reading, and the plain text when it refuses.
        const std::string_view rtf(reinterpret_cast<const char*>(resto.data()), resto.size());
        if (!LeggiDocumentoRtf(rtf).letto()) {
            (void)TestoDaRtf(rtf);
        }
        break;
    }
    }
    return 0;
}
