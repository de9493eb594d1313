#include "reductions/rid_normalizza.h"

#include <algorithm>
#include <vector>

FrequenzeNumeri ContaFrequenze(const ElencoGiocate& giocate)
{
    FrequenzeNumeri f{};
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        for (std::uint8_t x : giocate.voce(i)) {
            if (x == 0) {
                break;
            }
            if (x <= NumeroMassimo) {
                ++f[x - 1U];
            }
        }
    }
    return f;
}

SoglieDistribuzione CalcolaSoglie(const Sistema& sistema, std::int32_t conteggio)
{
    SoglieDistribuzione s;
    const int n = sistema.numeriPronostico();
    if (n > 0) {
        s.media = static_cast<double>(conteggio) * sistema.numeriPerGiocata / n;
    }
    s.bassa = static_cast<std::int32_t>(s.media);
    s.alta = s.bassa + 1;
    return s;
}

std::int64_t EccessoDistribuzione(const Sistema& sistema, const FrequenzeNumeri& f,
                                  const SoglieDistribuzione& soglie)
{
    std::int64_t e = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (sistema.pronostico[i] == 0) {
            continue;
        }
        if (f[i] < soglie.bassa) {
            e += soglie.bassa - f[i];
        } else if (f[i] > soglie.alta) {
            e += f[i] - soglie.alta;
        }
    }
    return e;
}

EsitoRiduzione NormalizzaDistribuzione(Sistema& sistema, ElencoGiocate& giocate, bool consideraFisse,
                                       ControlloEsecuzione& controllo, std::int64_t intervallo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo,
                                   {ModoRiduzione::Riscrive, consideraFisse, 1, true});
    FrequenzeNumeri f = ContaFrequenze(giocate);
    const SoglieDistribuzione soglie = CalcolaSoglie(sistema, giocate.conteggio());
    const std::int64_t iniziale = EccessoDistribuzione(sistema, f, soglie);
    if (iniziale <= 1) {
        EsitoRiduzione esito;
        esito.codice = CodiceRiduzione::NessunRisultato;
        Messaggio m = Avviso(messaggi_normalizza::GiaNormalizzata);
        m.icona = Icona::Informazione;
        esito.messaggio = m;
        return esito;
    }
    esecuzione.avvia();
    esecuzione.setTotale(static_cast<double>(iniziale));
    std::int64_t e = iniziale;

    std::array<bool, NumeroMassimo + 1> fissa{};
    if (esecuzione.consideraFisse()) {
        for (int i = 0; i < std::min(sistema.numeroFisse, 10); ++i) {
            const std::uint8_t x = sistema.fisse[static_cast<std::size_t>(i)];
            if (x >= 1 && x <= NumeroMassimo) {
                fissa[x] = true;
            }
        }
    }
    const std::vector<std::uint8_t>& pronostico = esecuzione.pronostico();
    std::vector<std::uint8_t> candidati;
    candidati.reserve(pronostico.size());
    std::int64_t esaminate = 0;
    bool cambiata = true;
    while (cambiata && e >= 0) {
        cambiata = false;
        for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
            Tipo_Giocata& g = giocate.voce(i);
            const int quanti = NumeriGiocata(g);
            int slot = -1;
            for (int j = 0; j < quanti; ++j) {
                const std::uint8_t x = g[static_cast<std::size_t>(j)];
                if (x > NumeroMassimo || fissa[x] || f[x - 1U] <= soglie.alta) {
                    continue;
                }
                if (slot < 0 || f[x - 1U] > f[g[static_cast<std::size_t>(slot)] - 1U]) {
                    slot = j;
                }
            }
            if (slot >= 0) {
                // The under-represented numbers, ascending, then arranged by an exchange sort on f: the
                // order among equal frequencies is the one this sort leaves, not the numbers' order.
                candidati.clear();
                for (std::uint8_t u : pronostico) {
                    if (f[u - 1U] < soglie.bassa) {
                        candidati.push_back(u);
                    }
                }
                for (std::size_t p = 0; p < candidati.size(); ++p) {
                    for (std::size_t q = p + 1; q < candidati.size(); ++q) {
                        if (f[candidati[q] - 1U] < f[candidati[p] - 1U]) {
                            std::swap(candidati[p], candidati[q]);
                        }
                    }
                }
                const std::uint8_t vecchio = g[static_cast<std::size_t>(slot)];
                for (std::uint8_t u : candidati) {
                    if (std::find(g.begin(), g.begin() + quanti, u) != g.begin() + quanti) {
                        continue;
                    }
                    Tipo_Giocata variante = g;
                    variante[static_cast<std::size_t>(slot)] = u;
                    std::sort(variante.begin(), variante.begin() + quanti);
                    if (giocate.CercaGiocata(variante) != 0) {
                        continue;
                    }
                    g = variante;
                    --f[vecchio - 1U];
                    ++f[u - 1U];
                    e -= 2;
                    esecuzione.riscritta();
                    cambiata = true;
                    break;
                }
            }
            if (++esaminate % intervallo == 0) {
                esecuzione.setElaborati(iniziale - e);
                if (!esecuzione.verifica()) {
                    return esecuzione.concludi();
                }
            }
        }
    }
    return esecuzione.concludi();
}
