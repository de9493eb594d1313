#include "checking/probabilita_sistema.h"

#include "checking/bilancio_storico.h"
#include "checking/distribuzione_punti.h"
#include "core/testo.h"

#include <cmath>
#include <numeric>
#include <vector>

double AttesaClasse(int k)
{
    if (k < 1 || k > 5) {
        return 0;
    }
    const long double moltiplicatore = k == 1 ? pagamenti::Estratto : pagamenti::MoltiplicatoreClasse(k);
    // C(5, k) / C(90, k) as a product, exact enough in extended precision.
    long double p = 1;
    for (int i = 0; i < k; ++i) {
        p *= static_cast<long double>(5 - i) / static_cast<long double>(90 - i);
    }
    return static_cast<double>(p * moltiplicatore);
}

double AttesaAmbetto()
{
    // C(87, 3) / C(90, 5) = 5 x 4 x 85 / (90 x 89 x 88): two given numbers drawn, a third one not.
    const long double p = 5.0L * 4 * 85 / (90.0L * 89 * 88);
    return static_cast<double>(p * pagamenti::Ambetto);
}

int RuoteSistema(const SegniRuote& ruote)
{
    int n = 0;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        n += RuotaSelezionata(ruote, w) ? 1 : 0;
    }
    return n;
}

void ProbabilitaSistema(const Tipo_Giocata* giocate, std::int32_t quante, const ParametriVincite& parametri,
                        EsitoProbabilitaSistema& esito, ControlloEsecuzione& controllo)
{
    esito = EsitoProbabilitaSistema{};
    esito.ruote = RuoteSistema(parametri.ruote);

    // Expected winnings: own wheels at divisor 1, Tutte as ten wheels at divisor 10, so each counts as one.
    int ruotePagate = 0;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        ruotePagate += parametri.ruote[static_cast<std::size_t>(w - 1)] != 0 ? 1 : 0;
    }
    ruotePagate += parametri.ruote[Tutte - 1] != 0 ? 1 : 0;
    int posizioni = 0;
    for (std::uint8_t p : parametri.posizioni) {
        posizioni += p != 0 ? 1 : 0;
    }
    const double puntata = PuntataGiocata(parametri);
    for (std::int32_t g = 0; g < quante; ++g) {
        const int n = NumeriGiocata(giocate[g]);
        double attesa = 0;
        for (int k = 1; k <= std::min(n, 5); ++k) {
            attesa += parametri.importi[static_cast<std::size_t>(k - 1)] * AttesaClasse(k);
        }
        if (n >= 2) {
            attesa += parametri.importi[Ambetto - 1] * AttesaAmbetto();
        }
        if (n >= 1) {
            attesa += posizioni * parametri.importi[EstrattoDeterminato - 1] *
                      static_cast<double>(pagamenti::EstrattoDeterminato / 90.0L);
        }
        esito.attesa += attesa * ruotePagate;
        esito.spesa += puntata * ruotePagate;
    }

    // Probabilities: every outcome of a wheel scored by its best hits against the plays.
    std::vector<std::uint8_t> novanta(NumeroMassimo);
    std::iota(novanta.begin(), novanta.end(), std::uint8_t{1});
    EsitoDistribuzionePunti distribuzione;
    DistribuzionePunti(novanta, giocate, quante, 5, distribuzione, controllo);
    esito.esiti = distribuzione.istogramma;
    esito.interrotta = distribuzione.interrotta;
    if (distribuzione.insiemi <= 0) {
        return;
    }
    std::int64_t almeno = 0;
    for (int k = 5; k >= 1; --k) {
        almeno += distribuzione.istogramma[static_cast<std::size_t>(k)];
        const double p = static_cast<double>(almeno) / static_cast<double>(distribuzione.insiemi);
        esito.unaRuota[static_cast<std::size_t>(k - 1)] = p;
        // 1 - (1 - p)^w, kept accurate for small p.
        esito.sistema[static_cast<std::size_t>(k - 1)] =
            esito.ruote > 0 ? -std::expm1(esito.ruote * std::log1p(-p)) : 0.0;
    }
}

std::string TestoProbabilita(double p)
{
    return testo::Fisso(p, 9);
}
