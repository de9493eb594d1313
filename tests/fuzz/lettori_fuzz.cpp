// libFuzzer target over every reader of untrusted bytes: system files, .lpc files, text imports,
// the archive file and the official archive text. The first byte chooses the reader.
#include "core/archivio_testo.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/file_archivio.h"
#include "editor/file_sistema.h"
#include "editor/importa_giocate.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione)
{
    if (dimensione == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> resto(dati + 1, dimensione - 1);
    EsecuzioneContinua controllo;
    ElencoGiocate giocate;
    switch (dati[0] % 5) {
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
    default: {
        ArchivioStorico archivio;
        (void)ImportaArchivioTesto(
            std::string_view(reinterpret_cast<const char*>(resto.data()), resto.size()), archivio);
        break;
    }
    }
    return 0;
}
