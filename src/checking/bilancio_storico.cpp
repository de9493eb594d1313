#include "checking/bilancio_storico.h"

#include "core/importi.h"
#include "core/testo.h"

#include <algorithm>

double EsitoBilancio::resa() const
{
    return spesa > 0 ? 100.0 * vinto / spesa : 0.0;
}

double PuntataGiocata(const ParametriVincite& parametri)
{
    double puntata = 0;
    for (int slot = Estratto; slot <= Ambetto; ++slot) {
        if (slot != EstrattoDeterminato) {
            puntata += parametri.importi[static_cast<std::size_t>(slot - 1)];
        }
    }
    int posizioni = 0;
    for (std::uint8_t p : parametri.posizioni) {
        posizioni += p != 0 ? 1 : 0;
    }
    return puntata + posizioni * parametri.importi[EstrattoDeterminato - 1];
}

int RuotePagate(const SegniRuote& ruote, const Tipo_Estrazione& estrazione)
{
    int n = 0;
    bool regionaleConDati = false;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        if (!estrazione.haDati(w)) {
            continue;
        }
        regionaleConDati = regionaleConDati || w != Nazionale;
        n += ruote[static_cast<std::size_t>(w - 1)] != 0 ? 1 : 0;
    }
    if (ruote[Tutte - 1] != 0 && regionaleConDati) {
        ++n;
    }
    return n;
}

void BilancioStorico(const Tipo_Giocata* giocate, std::int32_t quante, const ArchivioStorico& archivio,
                     IntervalloEstrazioni intervallo, const ParametriVincite& parametri, EsitoBilancio& esito,
                     ControlloEsecuzione& controllo)
{
    esito = EsitoBilancio{};
    intervallo.prima = std::max(intervallo.prima, 1);
    intervallo.ultima = std::min(intervallo.ultima, archivio.conteggio());
    const double puntata = PuntataGiocata(parametri);
    Avanzamento stato;
    stato.totale = intervallo.quante();
    std::int32_t senzaVincite = 0;
    esito.righe.reserve(static_cast<std::size_t>(std::max(intervallo.quante(), 0)));
    for (std::int32_t i = intervallo.prima; i <= intervallo.ultima; ++i) {
        const Tipo_Estrazione& estrazione = archivio.estrazione(i);
        RigaBilancio riga;
        riga.estrazione = i;
        riga.costo = quante * puntata * RuotePagate(parametri.ruote, estrazione);
        for (std::int32_t g = 0; g < quante; ++g) {
            const std::vector<Tipo_Vincita> linee = VinciteGiocata(giocate[g], estrazione.numeri, parametri);
            if (linee.empty()) {
                continue;
            }
            for (const Tipo_Vincita& v : linee) {
                riga.perClasse[static_cast<std::size_t>(v.classe - 1)] += v.importo;
            }
            riga.vinto += TotaleVincite(linee, parametri.vincitaMassima);
        }
        esito.spesa += riga.costo;
        esito.vinto += riga.vinto;
        riga.saldo = esito.vinto - esito.spesa;
        esito.vincitaMassima = std::max(esito.vincitaMassima, riga.vinto);
        senzaVincite = riga.vinto > 0 ? 0 : senzaVincite + 1;
        esito.senzaVinciteMassimo = std::max(esito.senzaVinciteMassimo, senzaVincite);
        esito.righe.push_back(riga);
        stato.elaborati = static_cast<double>(esito.righe.size());
        if (!controllo.verifica(stato)) {
            esito.interrotto = true;
            return;
        }
    }
}

std::vector<std::string> RigheBilancio(const ArchivioStorico& archivio, const EsitoBilancio& esito,
                                       int decimali)
{
    namespace m = messaggi_bilancio_storico;
    const auto importo = [decimali](double x) { return FormatoImporto(x, true, decimali); };
    std::vector<std::string> righe;
    for (const RigaBilancio& r : esito.righe) {
        const Tipo_Estrazione& e = archivio.estrazione(r.estrazione);
        righe.push_back(std::to_string(e.giorno) + "/" + std::to_string(e.mese) + "/" +
                        std::to_string(e.anno()) + "\t" + importo(r.costo) + "\t" + importo(r.vinto) + "\t" +
                        importo(r.saldo));
    }
    righe.push_back(std::string(m::Spesa) + "\t" + importo(esito.spesa));
    righe.push_back(std::string(m::Vincite) + "\t" + importo(esito.vinto));
    righe.push_back(std::string(m::Saldo) + "\t" + importo(esito.saldo()));
    righe.push_back(std::string(m::Resa) + "\t" + FormatoImporto(esito.resa(), true, 2) + " %");
    righe.push_back(std::string(m::VincitaMassima) + "\t" + importo(esito.vincitaMassima));
    righe.push_back(std::string(m::SenzaVincite) + "\t" + std::to_string(esito.senzaVinciteMassimo));
    return righe;
}
