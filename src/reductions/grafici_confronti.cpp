#include "reductions/grafici_confronti.h"

#include "editor/sviluppo_integrale.h"
#include "reductions/analisi_riduzione.h"
#include "reductions/giudici_filtro.h"

#include <algorithm>

namespace mgc = messaggi_grafici_confronti;

namespace {

constexpr std::int64_t PassoCombinazioni = 64;
constexpr std::int64_t PassoGiocate = 17;
constexpr std::int64_t PassoEstrazioni = 64;

std::string TestoConPercentuale(const char* prefisso, const GraficoPunteggi& grafico)
{
    const std::int64_t v = grafico.valide();
    const double t = static_cast<double>(std::max<std::int64_t>(grafico.totale, 1));
    return prefisso + std::to_string(v) + " (" + FormatoPercentuale(static_cast<double>(v) / t * 100.0) +
           " %)";
}

// The poll of one half of the bar: `fatti` of `totale` steps mapped onto 0..50 or 50..100.
bool Verifica(ControlloEsecuzione& controllo, double fatti, double totale, bool secondaMeta,
              std::int64_t valide)
{
    Avanzamento stato;
    const double quota = totale > 0 ? std::min(fatti / totale, 1.0) : 1.0;
    stato.elaborati = (secondaMeta ? 1.0 : 0.0) + quota;
    stato.totale = 2.0;
    stato.prodotti = valide;
    return controllo.verifica(stato);
}

} // namespace

std::int64_t GraficoPunteggi::valide() const
{
    std::int64_t v = 0;
    for (int s = 0; s < 6; ++s) {
        if (ammesso(s)) {
            v += barre[static_cast<std::size_t>(s)];
        }
    }
    return v;
}

GraficiConfronto CalcolaGraficiConfronto(const Sistema& sistema, const ElencoGiocate& giocate,
                                         const ArchivioStorico& archivio, const ConfrontoStorico& confronto,
                                         ModoFiltro modo, ControlloEsecuzione& controllo)
{
    GraficiConfronto grafici;
    grafici.giocate.ammessi = confronto.punteggi;
    grafici.estrazioni.ammessi = confronto.punteggi;
    const std::int32_t d = archivio.conteggio();
    const std::int32_t n = std::max(confronto.estrazioni, 1);

    // Left: the window holds only the latest N draws, each candidate is scored from its subsets' last
    // appearances there.
    {
        const auto uscite = UsciteArchivio(archivio, sistema.ruote, d - n + 1, d);
        GraficoPunteggi& g = grafici.giocate;
        const auto conta = [&](const Tipo_Giocata& giocata) {
            const int s =
                FiltroConfronti::Punteggio(uscite->ultime(giocata.data(), NumeriGiocata(giocata)), d + 1, n);
            ++g.barre[static_cast<std::size_t>(s)];
            ++g.totale;
        };
        if (modo == ModoFiltro::Giocate) {
            const std::int32_t quante = giocate.conteggio();
            for (std::int32_t i = 1; i <= quante; ++i) {
                conta(giocate.voce(i));
                if (i % PassoGiocate == 0 && !Verifica(controllo, i, quante, false, g.valide())) {
                    grafici.interrotto = true;
                    return grafici;
                }
            }
        } else {
            const CombinazioniPronostico combinazioni(sistema.pronostico, sistema.numeriPerGiocata);
            const double totale = combinazioni.totale();
            const bool completo = combinazioni.perOgni([&](const Tipo_Giocata& giocata) {
                conta(giocata);
                return g.totale % PassoCombinazioni != 0 ||
                       Verifica(controllo, static_cast<double>(g.totale), totale, false, g.valide());
            });
            if (!completo) {
                grafici.interrotto = true;
                return grafici;
            }
        }
    }

    // Right: target t is judged against the draws before it, so the sets are registered one draw behind.
    if (n + 1 >= d) {
        return grafici;
    }
    grafici.conEstrazioni = true;
    GraficoPunteggi& g = grafici.estrazioni;
    UsciteSottoinsiemi uscite;
    for (std::int32_t i = 1; i <= n; ++i) {
        RegistraEstrazione(uscite, archivio, sistema.ruote, i);
    }
    const double bersagli = d - n;
    for (std::int32_t t = n + 1; t <= d; ++t) {
        const Tipo_Estrazione& e = archivio.estrazione(t);
        for (int w = 1; w <= RuoteArchivio; ++w) {
            if (!e.haDati(w)) {
                continue;
            }
            std::array<std::uint8_t, 5> numeri{};
            int quanti = 0;
            for (int p = 1; p <= 5; ++p) {
                if (const std::uint8_t x = e.numero(w, p); x != 0) {
                    numeri[static_cast<std::size_t>(quanti++)] = x;
                }
            }
            // Ascending, as the sets are looked up (five numbers: an insertion sort).
            for (int i = 1; i < quanti; ++i) {
                for (int j = i;
                     j > 0 && numeri[static_cast<std::size_t>(j - 1)] > numeri[static_cast<std::size_t>(j)];
                     --j) {
                    std::swap(numeri[static_cast<std::size_t>(j - 1)], numeri[static_cast<std::size_t>(j)]);
                }
            }
            const int s = FiltroConfronti::Punteggio(uscite.ultime(numeri.data(), quanti), t, n);
            ++g.barre[static_cast<std::size_t>(s)];
            ++g.totale;
            if (g.totale % PassoEstrazioni == 0 &&
                !Verifica(controllo, static_cast<double>(t - n), bersagli, true, g.valide())) {
                grafici.interrotto = true;
                return grafici;
            }
        }
        RegistraEstrazione(uscite, archivio, sistema.ruote, t);
    }
    return grafici;
}

std::string TestoGiocateValideConfronto(const GraficoPunteggi& grafico)
{
    return TestoConPercentuale(mgc::GiocateValide, grafico);
}

std::string TestoEstrazioniValideConfronto(const GraficoPunteggi& grafico)
{
    return TestoConPercentuale(mgc::EstrazioniValide, grafico);
}
