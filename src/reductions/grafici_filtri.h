#pragma once

#include "core/archivio_storico.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/esecuzione_filtro.h"
#include "reductions/record_filtri.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// The two charts of a filter reduction's dialog for one criterion: how many candidates (the prediction's
// combinations or the plays) and how many historic draws reach each value (a count of numbers in a group,
// a score), green where the criterion allows the value and red where not, with the share of the allowed
// ones. The criterion is judged alone: the other criteria, the error budget and the fixed numbers take no
// part.

inline constexpr const char* GiocateValideGrafico = "Giocate valide: ";
inline constexpr const char* EstrazioniValideGrafico = "Estrazioni valide: ";

struct BarraFiltro
{
    int valore = 0;
    std::int64_t conteggio = 0;
    bool ammessa = false;
};

// A tally by value 0..10 against the allowed values (bit v allows v).
struct GraficoFiltro
{
    std::uint16_t ammessi = 0;
    std::array<std::int64_t, 11> conteggi{};
    std::int64_t valide = 0;
    std::int64_t totale = 0; // the candidates the chart stands for (0: nothing to show)
    bool calcolato = false;

    void conta(int valore)
    {
        ++conteggi[static_cast<std::size_t>(valore)];
        if (((ammessi >> valore) & 1U) != 0) {
            ++valide;
        }
    }
    // The largest value tallied, -1 when none.
    int massimoContato() const;
    // The bars of the values 0..ultimo.
    std::vector<BarraFiltro> barre(int ultimo) const;
    // "Giocate valide: V (P %)" with P = V / T * 100 in FormatoPercentuale (T taken as 1 when 0); the
    // bare prefix without a computation.
    std::string testo(const char* prefisso) const;
};

// The numbers low..high of an interval (those within 1..90).
Maschera90 MascheraIntervallo(const IntervalloNumeri& intervallo);

// The plays chart's bars: 0 up to one more than the largest count tallied, never beyond 10.
std::vector<BarraFiltro> BarreGiocate(const GraficoFiltro& grafico);

// The candidates of a mode, each given to valuta(const Tipo_Giocata&) -> int (0..10), tallied into the
// chart; the total is C(n, k) or the number of plays. Polls every 64 combinations or 17 plays with the bar
// from `da` to `a` (percent). False when a stop was confirmed (the chart is then partial and not marked
// computed).
template <typename Valuta>
[[nodiscard]] bool ContaCandidati(const Sistema& sistema, const ElencoGiocate& giocate, ModoFiltro modo,
                                  Valuta&& valuta, GraficoFiltro& grafico, ControlloEsecuzione& controllo,
                                  double da = 0, double a = 50);

// The chart of a group over the candidates: the count of each candidate's numbers in the group.
[[nodiscard]] bool GraficoGiocateGruppo(const Sistema& sistema, const ElencoGiocate& giocate, ModoFiltro modo,
                                        const Maschera90& gruppo, std::uint16_t ammessi,
                                        GraficoFiltro& grafico, ControlloEsecuzione& controllo);

// The chart of a group over the archive, only when it holds more than one draw (otherwise the chart is
// left empty and not computed): every draw and every one of its 11 wheel columns present, its five
// numbers counted in the group. Bars 0..5; the total is the columns judged (1 when none). Polls every 64
// draws with the bar from 50 to 100. False when a stop was confirmed.
[[nodiscard]] bool GraficoArchivioGruppo(const ArchivioStorico& archivio, const Maschera90& gruppo,
                                         std::uint16_t ammessi, GraficoFiltro& grafico,
                                         ControlloEsecuzione& controllo);

template <typename Valuta>
bool ContaCandidati(const Sistema& sistema, const ElencoGiocate& giocate, ModoFiltro modo, Valuta&& valuta,
                    GraficoFiltro& grafico, ControlloEsecuzione& controllo, double da, double a)
{
    const std::uint16_t ammessi = grafico.ammessi;
    grafico = GraficoFiltro{};
    grafico.ammessi = ammessi;
    const auto poll = [&](double fatti, double totale) {
        Avanzamento stato;
        stato.elaborati = da + (totale > 0 ? fatti / totale : 0) * (a - da);
        stato.totale = 100;
        stato.prodotti = grafico.valide;
        return controllo.verifica(stato);
    };
    if (modo == ModoFiltro::Giocate) {
        const std::int32_t n = giocate.conteggio();
        for (std::int32_t i = 1; i <= n; ++i) {
            grafico.conta(valuta(giocate.voce(i)));
            if (i % IntervalloVerificaFiltro == 0 && !poll(i, n)) {
                return false;
            }
        }
        grafico.totale = n;
    } else {
        const CombinazioniPronostico combinazioni(sistema.pronostico, sistema.numeriPerGiocata);
        const double totale = combinazioni.totale();
        std::int64_t esaminate = 0;
        bool fermato = false;
        combinazioni.perOgni([&](const Tipo_Giocata& candidata) {
            grafico.conta(valuta(candidata));
            if (++esaminate % 64 == 0 && !poll(static_cast<double>(esaminate), totale)) {
                fermato = true;
                return false;
            }
            return true;
        });
        if (fermato) {
            return false;
        }
        grafico.totale = std::llround(totale);
    }
    grafico.calcolato = true;
    return true;
}
