#include "tools/distribuzione_numeri.h"

namespace distribuzione {

void ContaDistribuzione(const Tipo_Giocata* giocate, std::int32_t quante, DistribuzioneNumeri& esito,
                        ControlloEsecuzione& controllo)
{
    esito = DistribuzioneNumeri{};
    for (std::int32_t i = 0; i < quante; ++i) {
        for (std::uint8_t n : giocate[i]) {
            if (n == 0) {
                break;
            }
            if (n <= NumeroMassimo) {
                ++esito.conteggi[n - 1];
            }
        }
        esito.esaminate = i + 1;
        if (esito.esaminate % PassoControllo == 0 &&
            !controllo.verifica(
                Avanzamento{static_cast<double>(esito.esaminate), static_cast<double>(quante), 0})) {
            esito.interrotta = true;
            return;
        }
    }
}

void ContaDistribuzione(const ElencoGiocate& elenco, DistribuzioneNumeri& esito,
                        ControlloEsecuzione& controllo)
{
    ContaDistribuzione(elenco.dati(), elenco.conteggio(), esito, controllo);
}

} // namespace distribuzione
