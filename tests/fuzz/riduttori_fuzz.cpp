// The reducer files: the personal reducers (.rid text, read whole, header only as a folder listing does,
// and applied to a prediction of their size), the immediate reducers (Quarvin.ra2 and Quarvin.ro2, read
// through their directory) and the design texts they are composed from. The first byte chooses the reader.
#include "coperture/cella.h"
#include "coperture/testo_disegno.h"
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

// A design of the cell the first two bytes give, then its text.
void Disegno(std::span<const std::uint8_t> dati)
{
    if (dati.size() < 2) {
        return;
    }
    Cella cella;
    cella.tipo = dati[0] % 2 == 0 ? TipoDisegno::Ortogonale : TipoDisegno::Garanzia;
    cella.v = 1 + dati[0] / 2 % PuntiMassimi;
    cella.k = 1 + dati[1] % BloccoMassimo;
    cella.t = 1 + dati[1] / BloccoMassimo % BersaglioMassimo;
    cella.p = cella.tipo == TipoDisegno::Garanzia ? PGaranzia(cella.k) : cella.t;
    // The cell comes from a file name the program checks the same way, not from the file.
    if (ControllaCella(cella)) {
        return;
    }
    const std::string percorso = fuzz::CartellaDiLavoro().scrivi("disegno.txt", dati.subspan(2));
    const LetturaDisegno lettura = LeggiDisegno(percorso, cella);
    if (lettura.errore.empty()) {
        // What was read writes to a text that reads the same blocks (the text puts them in order).
        const std::string riscritto = fuzz::CartellaDiLavoro().percorso() + "/riscritto.txt";
        fuzz::Verifica(ScriviDisegno(riscritto, lettura.blocchi));
        LetturaDisegno riletta = LeggiDisegno(riscritto, cella);
        Blocchi letti = lettura.blocchi;
        std::sort(letti.begin(), letti.end());
        std::sort(riletta.blocchi.begin(), riletta.blocchi.end());
        fuzz::Verifica(riletta.errore.empty() && riletta.blocchi == letti);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione)
{
    if (dimensione == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> file(dati + 1, dimensione - 1);
    switch (dati[0] % 4) {
    case 0:
        RiduttorePersonaleLetto(file, false);
        break;
    case 1:
        RiduttorePersonaleLetto(file, true);
        break;
    case 2:
        RiduttoriImmediati(file);
        break;
    default:
        Disegno(file);
        break;
    }
    return 0;
}
