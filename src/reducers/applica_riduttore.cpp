#include "reducers/applica_riduttore.h"

#include <algorithm>
#include <vector>

namespace mrp = messaggi_riduttori_personali;

std::optional<Messaggio> RiduttoreNonAdatto(const RiduttorePersonale& riduttore, const Sistema& sistema)
{
    int n = 0;
    for (std::uint8_t segno : sistema.pronostico) {
        n += segno != 0 ? 1 : 0;
    }
    if (riduttore.m == n) {
        return std::nullopt;
    }
    return Avviso(std::string(mrp::NonAdatto) + std::to_string(riduttore.m) + mrp::NonAdattoDopo +
                  std::to_string(n) + ".");
}

EsitoRiduzione ApplicaRiduttore(Sistema& sistema, ElencoGiocate& giocate, const RiduttorePersonale& riduttore,
                                bool consideraFisse, ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione::Opzioni opzioni;
    opzioni.modo = ModoRiduzione::Aggiunge;
    opzioni.consideraFisse = consideraFisse;
    opzioni.intervalloVerifica = IntervalloVerificaRiduttore;
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo, opzioni);
    esecuzione.avvia();
    const Messaggio nessuna = Avviso(mrp::NessunaNuovaGiocata);

    const std::vector<std::uint8_t>& x = esecuzione.pronostico();
    if (static_cast<int>(x.size()) != riduttore.m) {
        return esecuzione.concludi(nessuna);
    }
    // Position 0 maps to the empty slot, so a mapped play keeps its zeros.
    std::array<std::uint8_t, NumeroMassimo + 1> mappa{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        mappa[i + 1] = x[i];
    }

    // The plays committed before the run, sorted once for binary search: a linear search per reducer
    // play would make a large list and a large reducer quadratic.
    const std::int32_t iniziali = esecuzione.iniziali();
    std::vector<Tipo_Giocata> presenti(giocate.dati(), giocate.dati() + iniziali);
    std::sort(presenti.begin(), presenti.end());
    // The mapping keeps the order of plays, so repeats among the reducer's lines are found on positions.
    std::vector<std::int32_t> ordine(riduttore.giocate.size());
    for (std::size_t i = 0; i < ordine.size(); ++i) {
        ordine[i] = static_cast<std::int32_t>(i);
    }
    std::stable_sort(ordine.begin(), ordine.end(), [&](std::int32_t a, std::int32_t b) {
        return riduttore.giocate[static_cast<std::size_t>(a)] <
               riduttore.giocate[static_cast<std::size_t>(b)];
    });
    std::vector<std::uint8_t> ripetuta(riduttore.giocate.size(), 0);
    for (std::size_t i = 1; i < ordine.size(); ++i) {
        const auto a = static_cast<std::size_t>(ordine[i - 1]);
        const auto b = static_cast<std::size_t>(ordine[i]);
        if (riduttore.giocate[a] == riduttore.giocate[b]) {
            ripetuta[b] = 1;
        }
    }

    esecuzione.setTotale(static_cast<double>(riduttore.giocate.size()));
    esecuzione.setMostrate(iniziali);
    for (std::size_t i = 0; i < riduttore.giocate.size(); ++i) {
        const Tipo_Giocata& posizioni = riduttore.giocate[i];
        if (ripetuta[i] == 0) {
            Tipo_Giocata g{};
            for (std::size_t j = 0; j < g.size(); ++j) {
                g[j] = mappa[posizioni[j]];
            }
            const bool fisse =
                !esecuzione.consideraFisse() || ContieneFisse(g, NumeriGiocata(g), esecuzione.mappa());
            if (fisse && !std::binary_search(presenti.begin(), presenti.end(), g)) {
                if (!esecuzione.aggiungi(g)) {
                    return esecuzione.concludi(nessuna);
                }
            }
            esecuzione.setMostrate(iniziali + esecuzione.aggiunte());
        }
        if (!esecuzione.esamina()) {
            return esecuzione.concludi(nessuna);
        }
    }
    return esecuzione.concludi(nessuna);
}
