#include "reductions/accetta_confronti.h"

#include "core/testo.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace mc = messaggi_confronti;

namespace {

// A text made only of digits, as a value no larger than `tetto` (a longer run of digits is still a whole
// number, just a large one: it counts as the ceiling).
std::optional<std::int64_t> CifreSature(std::string_view testo, std::int64_t tetto)
{
    if (testo.empty()) {
        return std::nullopt;
    }
    std::int64_t valore = 0;
    for (char c : testo) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        valore = std::min(tetto, valore * 10 + (c - '0'));
    }
    return valore;
}

Messaggio Numerato(const char* prima, int riga, const char* dopo)
{
    return Avviso(prima + std::to_string(riga) + dopo);
}

} // namespace

EsitoAccettazioneConfronti AccettaConfronti(const std::vector<RigaConfronto>& righe,
                                            const std::string& massimoErrori, std::int32_t estrazioniArchivio)
{
    constexpr std::int64_t Tetto = std::numeric_limits<std::int32_t>::max();
    EsitoAccettazioneConfronti esito;
    const auto errori = CifreSature(testo::Trim(massimoErrori), Tetto);
    if (!errori) {
        esito.messaggio = Avviso(mc::ErroriNonValidi);
        esito.focus = CampoConfronti::Errori;
        return esito;
    }
    ConfrontiStorico& record = esito.record;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const std::string estrazioni = testo::Trim(righe[i].estrazioni);
        const std::string punteggi = testo::UnisciSpazi(testo::Trim(righe[i].punteggi));
        if (estrazioni.empty() && punteggi.empty()) {
            continue;
        }
        const auto n = CifreSature(estrazioni, Tetto);
        if (!n || *n < 1) {
            esito.messaggio = Numerato(mc::EstrazioniNonValidePrima, r, mc::EstrazioniNonValideDopo);
            esito.riga = r;
            return esito;
        }
        ConfrontoStorico confronto;
        // With an empty archive a comparison still looks at one draw (it finds none and scores 0).
        confronto.estrazioni =
            static_cast<std::int32_t>(std::min<std::int64_t>(*n, std::max(estrazioniArchivio, 1)));
        for (std::string_view pezzo : testo::Dividi(punteggi, ' ')) {
            if (const auto s = CifreSature(pezzo, 5)) {
                confronto.punteggi = static_cast<std::uint8_t>(confronto.punteggi | (1U << *s));
            }
        }
        if (confronto.punteggi == 0) {
            esito.messaggio = Numerato(mc::PunteggiNonValidiPrima, r, mc::PunteggiNonValidiDopo);
            esito.riga = r;
            return esito;
        }
        record.confronti.push_back(confronto);
    }
    auto& c = record.confronti;
    if (c.empty()) {
        esito.messaggio = Avviso(mc::AlmenoUno);
        return esito;
    }
    // The record has room for 150: a longer table would lose its tail at the first save.
    if (c.size() > ConfrontiStorico::Massimo) {
        esito.messaggio = Avviso(mc::TroppiConfronti);
        return esito;
    }
    record.massimoErrori =
        static_cast<std::int32_t>(std::min<std::int64_t>(*errori, static_cast<std::int64_t>(c.size()) - 1));
    for (std::size_t i = 0; i + 1 < c.size(); ++i) {
        for (std::size_t j = i + 1; j < c.size(); ++j) {
            if (c[j].estrazioni < c[i].estrazioni) {
                std::swap(c[i], c[j]);
            }
        }
    }
    esito.ok = true;
    return esito;
}

RigaConfronto RigaDelConfronto(const ConfrontoStorico& confronto)
{
    return {std::to_string(confronto.estrazioni), TestoValori(confronto.punteggi)};
}

std::optional<Messaggio> ControllaAnalisiStorica(const ConfrontiStorico& record,
                                                 std::int32_t estrazioniArchivio)
{
    std::int64_t massimo = 0;
    for (const ConfrontoStorico& c : record.confronti) {
        massimo = std::max<std::int64_t>(massimo, c.estrazioni);
    }
    if (estrazioniArchivio - massimo >= 50) {
        return std::nullopt;
    }
    const std::string k = std::to_string(record.confronti.size());
    return Avviso(mc::TroppeEstrazioniPrima + k + mc::TroppeEstrazioniMezzo + k + mc::TroppeEstrazioniDopo);
}
