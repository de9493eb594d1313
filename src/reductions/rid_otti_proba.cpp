#include "reductions/rid_otti_proba.h"

#include <algorithm>
#include <vector>

namespace {

inline int Bit(const MascheraNumeri& m, std::uint8_t x)
{
    return x <= 64 ? static_cast<int>((m.basso >> (x - 1U)) & 1U)
                   : static_cast<int>((m.alto >> (x - 65U)) & 1U);
}

} // namespace

EsitoRiduzione OttimizzaProbabilita(Sistema& sistema, ElencoGiocate& giocate, int passi, bool consideraFisse,
                                    ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo,
                                   {ModoRiduzione::Riscrive, consideraFisse, 1, true});
    esecuzione.avvia();
    const std::int32_t conteggio = giocate.conteggio();
    esecuzione.setTotale(static_cast<double>(conteggio) * std::max(passi, 0));

    // Per play: its mask and its size; per run: the overlaps of the play being improved with every play,
    // the same without the number being swapped out, and the fixed-number flags.
    std::vector<MascheraNumeri> maschere;
    MaschereDi(giocate, maschere);
    std::vector<std::uint8_t> quanti(maschere.size());
    for (std::size_t p = 0; p < maschere.size(); ++p) {
        quanti[p] = static_cast<std::uint8_t>(Quanti(maschere[p]));
    }
    std::vector<std::uint8_t> base(maschere.size());
    std::vector<std::uint8_t> senza(maschere.size());
    const std::vector<std::uint8_t>& pronostico = esecuzione.pronostico();

    for (int passo = 0; passo < passi; ++passo) {
        for (std::int32_t i = 1; i <= conteggio; ++i) {
            const auto io = static_cast<std::size_t>(i - 1);
            Tipo_Giocata& g = giocate.voce(i);
            const int k = NumeriGiocata(g);
            const MascheraNumeri mi = maschere[io];
            for (std::size_t p = 0; p < maschere.size(); ++p) {
                base[p] = static_cast<std::uint8_t>(Comuni(mi, maschere[p]));
            }
            ProfiloSovrapposizioni migliore{};
            for (std::size_t p = 0; p < maschere.size(); ++p) {
                if (p != io) {
                    ++migliore[base[p]];
                }
            }
            int sceltoSlot = -1;
            std::uint8_t sceltoNumero = 0;

            for (std::uint8_t x : pronostico) {
                if (Bit(mi, x) != 0) {
                    continue;
                }
                for (int j = 0; j < k; ++j) {
                    const std::uint8_t y = g[static_cast<std::size_t>(j)];
                    Tipo_Giocata variante = g;
                    variante[static_cast<std::size_t>(j)] = x;
                    if (!esecuzione.conFisse(variante)) {
                        continue;
                    }
                    ProfiloSovrapposizioni profilo{};
                    bool presente = false;
                    for (std::size_t p = 0; p < maschere.size(); ++p) {
                        const int c = base[p] - Bit(maschere[p], y) + Bit(maschere[p], x);
                        // Equal to play p: all its numbers shared, and as many.
                        presente = presente || (c == k && quanti[p] == k && p != io);
                        profilo[static_cast<std::size_t>(c)] += p != io ? 1 : 0;
                    }
                    if (!presente && MenoSovrapposto(profilo, migliore)) {
                        migliore = profilo;
                        sceltoSlot = j;
                        sceltoNumero = x;
                    }
                }
            }
            if (sceltoSlot >= 0) {
                g[static_cast<std::size_t>(sceltoSlot)] = sceltoNumero;
                std::sort(g.begin(), g.begin() + k);
                maschere[io] = MascheraDi(g);
                esecuzione.riscritta();
            }
            esecuzione.setElaborati(static_cast<std::int64_t>(passo) * conteggio + i);
            if (!esecuzione.verifica()) {
                return esecuzione.concludi();
            }
        }
    }
    return esecuzione.concludi();
}
