// The readers of play files: the system file (.qvs, opened or imported), the external system file (.lpc)
// and the text import. The first byte chooses the reader, the rest is the file.
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/file_sistema.h"
#include "editor/importa_giocate.h"
#include "fuzz_comune.h"

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
    const std::span<const std::uint8_t> file(dati + 1, dimensione - 1);
    EsecuzioneContinua controllo;
    fuzz::Giocate lista;
    ElencoGiocate& giocate = lista.elenco();
    switch (dati[0] % 4) {
    case 0: {
        Sistema sistema;
        if (LeggiImmagineSistema(file, sistema, giocate).ok()) {
            // What opened must save and open again unchanged.
            const auto immagine = ImmagineSistema(sistema, giocate);
            Sistema riletto;
            fuzz::Giocate rilette;
            fuzz::Verifica(LeggiImmagineSistema(immagine, riletto, rilette.elenco()).ok());
            fuzz::Verifica(ImmagineSistema(riletto, rilette.elenco()) == immagine);
        }
        break;
    }
    case 1:
        (void)ImportaImmagineSistema(file, giocate, controllo);
        break;
    case 2:
        (void)ImportaImmagineLpc(file, giocate, controllo);
        break;
    default: {
        std::istringstream testo{std::string(fuzz::Testo(file))};
        (void)ImportaTesto(testo, giocate, controllo);
        break;
    }
    }
    return 0;
}
