#include "reductions/grafici_filtri.h"

#include "reductions/analisi_riduzione.h"

#include <algorithm>

namespace {

constexpr std::int32_t IntervalloVerificaArchivio = 64;
constexpr int ValoreMassimo = 10;
constexpr int NumeriEstratti = 5;

} // namespace

int GraficoFiltro::massimoContato() const
{
    for (int v = ValoreMassimo; v >= 0; --v) {
        if (conteggi[static_cast<std::size_t>(v)] > 0) {
            return v;
        }
    }
    return -1;
}

std::vector<BarraFiltro> GraficoFiltro::barre(int ultimo) const
{
    std::vector<BarraFiltro> risultato;
    for (int v = 0; v <= std::min(ultimo, ValoreMassimo); ++v) {
        risultato.push_back({v, conteggi[static_cast<std::size_t>(v)], ((ammessi >> v) & 1U) != 0});
    }
    return risultato;
}

std::string GraficoFiltro::testo(const char* prefisso) const
{
    const std::string base(prefisso);
    if (!calcolato) {
        return base.substr(0, base.find_last_not_of(' ') + 1);
    }
    const double t = totale > 0 ? static_cast<double>(totale) : 1.0;
    return base + std::to_string(valide) + " (" + FormatoPercentuale(static_cast<double>(valide) / t * 100) +
           " %)";
}

Maschera90 MascheraIntervallo(const IntervalloNumeri& intervallo)
{
    Maschera90 m;
    for (int n = std::max<std::int32_t>(intervallo.basso, 1);
         n <= std::min<std::int32_t>(intervallo.alto, 90); ++n) {
        m.aggiungi(n);
    }
    return m;
}

std::vector<BarraFiltro> BarreGiocate(const GraficoFiltro& grafico)
{
    const int massimo = grafico.massimoContato();
    if (massimo < 0) {
        return {};
    }
    return grafico.barre(std::min(massimo + 1, ValoreMassimo));
}

bool GraficoGiocateGruppo(const Sistema& sistema, const ElencoGiocate& giocate, ModoFiltro modo,
                          const Maschera90& gruppo, std::uint16_t ammessi, GraficoFiltro& grafico,
                          ControlloEsecuzione& controllo)
{
    grafico.ammessi = ammessi;
    return ContaCandidati(
        sistema, giocate, modo, [&](const Tipo_Giocata& g) { return MascheraGiocata(g).inComune(gruppo); },
        grafico, controllo);
}

bool GraficoArchivioGruppo(const ArchivioStorico& archivio, const Maschera90& gruppo, std::uint16_t ammessi,
                           GraficoFiltro& grafico, ControlloEsecuzione& controllo)
{
    grafico = GraficoFiltro{};
    grafico.ammessi = ammessi;
    const std::int32_t estrazioni = archivio.conteggio();
    if (estrazioni <= 1) {
        return true;
    }
    std::int64_t colonne = 0;
    for (std::int32_t i = 1; i <= estrazioni; ++i) {
        const Tipo_Estrazione& e = archivio.estrazione(i);
        for (int w = 1; w <= 11; ++w) {
            if (!e.haDati(w)) {
                continue;
            }
            int c = 0;
            for (int p = 1; p <= NumeriEstratti; ++p) {
                c += gruppo.contiene(e.numero(w, p)) ? 1 : 0;
            }
            grafico.conta(c);
            ++colonne;
        }
        if (i % IntervalloVerificaArchivio == 0) {
            Avanzamento stato;
            stato.elaborati = 50 + 50.0 * i / estrazioni;
            stato.totale = 100;
            stato.prodotti = grafico.valide;
            if (!controllo.verifica(stato)) {
                return false;
            }
        }
    }
    grafico.totale = std::max<std::int64_t>(colonne, 1);
    grafico.calcolato = true;
    return true;
}
