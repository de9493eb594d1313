#include "reductions/rid_rappresentative.h"

#include "reductions/messaggi_riduzioni.h"
#include "reductions/opzioni_riduzione.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace mr = messaggi_rappresentative;

std::int64_t TempoPerGiocata(int posizione)
{
    const std::int64_t s = std::clamp(posizione, 0, 100);
    return std::max<std::int64_t>(500, 6 * (101 - s) * (101 - s));
}

std::string TestoTempoPrevisto(std::int64_t n, std::int64_t millisecondi)
{
    const std::int64_t secondi = n * millisecondi / 1000;
    std::int64_t minuti = secondi / 60;
    std::int64_t resto = secondi % 60;
    if (minuti == 0 && resto == 0) {
        resto = 1;
    }
    return "Tempo previsto: " + std::to_string(minuti) + " minuti e " + std::to_string(resto) + " secondi";
}

ProfiloSovrapposizioni ProfiloContro(const MascheraNumeri& giocata,
                                     const std::vector<MascheraNumeri>& maschere, std::ptrdiff_t escluso)
{
    ProfiloSovrapposizioni p{};
    const auto quante = static_cast<std::ptrdiff_t>(maschere.size());
    for (std::ptrdiff_t j = 0; j < quante; ++j) {
        if (j != escluso) {
            ++p[static_cast<std::size_t>(Comuni(giocata, maschere[static_cast<std::size_t>(j)]))];
        }
    }
    return p;
}

std::optional<std::int32_t> LeggiQuanteRappresentative(std::string_view testo)
{
    std::int64_t n = 0;
    if (!LeggiNumeroIntero(testo, n) || n < 1 || n > 0x7FFFFFFF) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(n);
}

EsitoRiduzione AggiungiPiuRappresentative(Sistema& sistema, ElencoGiocate& giocate,
                                          const ParametriGenio& parametri, GeneratoreCasuale& generatore,
                                          ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo,
                                   {ModoRiduzione::AggiungeSubito, parametri.consideraFisse, 64, false});
    esecuzione.avvia();
    esecuzione.setTotale(parametri.giocate);
    const Messaggio nessuna = Avviso(messaggi_riduzioni::NessunaGiocataAggiunta);

    const int k = std::clamp(sistema.numeriPerGiocata, 1, NumeriMassimiPerGiocata);
    Tipo_Giocata base{};
    int primaLibera = 0;
    if (esecuzione.consideraFisse()) {
        primaLibera = std::clamp(std::min(sistema.numeroFisse, k), 0, NumeriMassimiPerGiocata);
        for (int i = 0; i < primaLibera; ++i) {
            base[static_cast<std::size_t>(i)] = sistema.fisse[static_cast<std::size_t>(i)];
        }
    }
    // Without enough predicted numbers besides the fixed ones the drawing would never end.
    int altri = 0;
    for (std::uint8_t x : esecuzione.pronostico()) {
        if (std::find(base.begin(), base.begin() + primaLibera, x) == base.begin() + primaLibera) {
            ++altri;
        }
    }
    if (altri < k - primaLibera) {
        return esecuzione.concludi(nessuna);
    }

    std::vector<MascheraNumeri> maschere;
    MaschereDi(giocate, maschere);
    using Orologio = std::chrono::steady_clock;
    const bool aTempo = parametri.candidati <= 0;

    for (std::int32_t aggiunta = 0; aggiunta < parametri.giocate; ++aggiunta) {
        bool trovata = false;
        Tipo_Giocata migliore{};
        ProfiloSovrapposizioni profiloMigliore{};
        const auto inizio = Orologio::now();
        std::int64_t estratti = 0;
        const auto speso = [&] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(Orologio::now() - inizio).count();
        };
        for (;;) {
            Tipo_Giocata candidato = base;
            for (int i = primaLibera; i < k; ++i) {
                for (;;) {
                    const auto x = static_cast<std::uint8_t>(generatore.estrai(NumeroMassimo) + 1);
                    if (sistema.pronostico[x - 1U] == 0) {
                        continue;
                    }
                    const auto fine = candidato.begin() + i;
                    if (std::find(candidato.begin(), fine, x) == fine) {
                        candidato[static_cast<std::size_t>(i)] = x;
                        break;
                    }
                }
            }
            std::sort(candidato.begin(), candidato.begin() + k);
            ++estratti;

            if (esecuzione.conFisse(candidato)) {
                const MascheraNumeri m = MascheraDi(candidato);
                ProfiloSovrapposizioni p{};
                bool presente = false;
                for (const MascheraNumeri& altra : maschere) {
                    presente = presente || altra == m;
                    ++p[static_cast<std::size_t>(Comuni(m, altra))];
                }
                if (!presente && (!trovata || BatteDalBasso(p, profiloMigliore))) {
                    trovata = true;
                    migliore = candidato;
                    profiloMigliore = p;
                }
            }

            if (estratti % 64 == 0) {
                const std::int64_t ms = aTempo ? speso() : 0;
                if (parametri.tempoGiocata) {
                    parametri.tempoGiocata(
                        aTempo ? std::min(1.0, static_cast<double>(ms) /
                                                   static_cast<double>(
                                                       std::max<std::int64_t>(1, parametri.millisecondi)))
                               : static_cast<double>(estratti) / static_cast<double>(parametri.candidati));
                }
                esecuzione.setElaborati(aggiunta);
                if (!esecuzione.verifica()) {
                    return esecuzione.concludi(nessuna);
                }
            }
            if (aTempo ? speso() > parametri.millisecondi : estratti >= parametri.candidati) {
                break;
            }
        }
        if (trovata) {
            if (!esecuzione.aggiungi(migliore)) {
                return esecuzione.concludi(nessuna);
            }
            maschere.push_back(MascheraDi(migliore));
        }
        esecuzione.setElaborati(aggiunta + 1);
        if (!esecuzione.verifica()) {
            break;
        }
    }
    return esecuzione.concludi(nessuna);
}

EsitoRiduzione EliminaMenoRappresentative(Sistema& sistema, ElencoGiocate& giocate, std::int32_t n,
                                          ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo,
                                   {ModoRiduzione::EliminaSubito, false, 1, true});
    esecuzione.avvia();
    const std::int32_t quante = std::min(n, giocate.conteggio());
    esecuzione.setTotale(quante);
    std::vector<MascheraNumeri> maschere;
    MaschereDi(giocate, maschere);

    for (std::int32_t volta = 0; volta < quante; ++volta) {
        std::ptrdiff_t scelta = -1;
        ProfiloSovrapposizioni profiloScelta{};
        for (std::size_t c = 0; c < maschere.size(); ++c) {
            const ProfiloSovrapposizioni p =
                ProfiloContro(maschere[c], maschere, static_cast<std::ptrdiff_t>(c));
            if (scelta < 0 || BatteDallAlto(p, profiloScelta)) {
                scelta = static_cast<std::ptrdiff_t>(c);
                profiloScelta = p;
            }
            if (!esecuzione.verifica()) {
                return esecuzione.concludi();
            }
        }
        std::swap(maschere[static_cast<std::size_t>(scelta)], maschere.back());
        maschere.pop_back();
        esecuzione.elimina(static_cast<std::int32_t>(scelta) + 1);
        esecuzione.setElaborati(volta + 1);
    }
    return esecuzione.concludi();
}
