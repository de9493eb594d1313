// The reducer files: the personal reducers (.rid text, read whole, header only as a folder listing does,
// and applied to a prediction of their size) and the immediate reducers (Quarvin.ra2 and Quarvin.ro2,
// read through their directory). The first byte chooses the reader.
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "fuzz_comune.h"
#include "reducers/applica_riduttore.h"
#include "reducers/riduttore_personale.h"
#include "reductions/riduttori_immediati.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace {

void RiduttorePersonaleLetto(std::span<const std::uint8_t> file, bool soloIntestazione)
{
    const EsitoLetturaRiduttore esito = LeggiTestoRiduttore(fuzz::Testo(file), soloIntestazione);
    if (!esito || soloIntestazione) {
        return;
    }
    // What was read writes back to a text that reads the same plays.
    const EsitoLetturaRiduttore riletto = LeggiTestoRiduttore(TestoRiduttore(esito.riduttore));
    fuzz::Verifica(riletto.letto && riletto.riduttore.m == esito.riduttore.m &&
                   riletto.riduttore.giocate == esito.riduttore.giocate);

    // Applied to a prediction of 1..m, as the window applies it; a few hundred plays are enough to
    // reach every step of the application.
    if (esito.riduttore.giocate.size() > 500) {
        return;
    }
    Sistema sistema;
    for (int n = 1; n <= esito.riduttore.m && n <= 90; ++n) {
        sistema.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    sistema.numeriPerGiocata = 10;
    if (RiduttoreNonAdatto(esito.riduttore, sistema)) {
        return;
    }
    fuzz::Giocate giocate;
    EsecuzioneContinua controllo;
    (void)ApplicaRiduttore(sistema, giocate.elenco(), esito.riduttore, false, controllo);
}

void RiduttoriImmediati(std::span<const std::uint8_t> file)
{
    const std::string percorso = fuzz::CartellaDiLavoro().scrivi(NomeFileRiduttoriGaranzia, file);
    (void)GenerazioneRiduttori(percorso);
    const auto voci = ElencoRiduttoriImmediati(percorso);
    // The first entries are enough: the rest are read the same way.
    for (std::size_t i = 0; i < std::min<std::size_t>(voci.size(), 4); ++i) {
        const RiduttoreImmediato trovato = CercaRiduttoreImmediato(percorso, voci[i].v, voci[i].k, voci[i].g);
        // A sound entry with plays is found: itself, or an earlier entry of the same triple.
        if (voci[i].disponibile() && !voci[i].danneggiato) {
            fuzz::Verifica(trovato.disponibile());
        }
        if (!trovato.disponibile() || trovato.danneggiato) {
            continue;
        }
        const LetturaRiduttore lettura = LeggiRiduttoreImmediato(percorso, trovato);
        if (lettura.integro) {
            fuzz::Verifica(lettura.posizioni.size() ==
                           static_cast<std::size_t>(trovato.giocate) * static_cast<std::size_t>(trovato.k));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione)
{
    if (dimensione == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> file(dati + 1, dimensione - 1);
    switch (dati[0] % 3) {
    case 0:
        RiduttorePersonaleLetto(file, false);
        break;
    case 1:
        RiduttorePersonaleLetto(file, true);
        break;
    default:
        RiduttoriImmediati(file);
        break;
    }
    return 0;
}
