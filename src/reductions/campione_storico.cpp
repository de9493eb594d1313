#include "reductions/campione_storico.h"

#include "reductions/analisi_riduzione.h"
#include "reductions/verifica_condizioni.h"

#include <cmath>

namespace {

constexpr std::array<const char*, CampioneStorico::SceltePossibili> NomiScelte = {
    "Bari",    "Cagliari", "Firenze", "Genova",  "Milano", "Napoli",
    "Palermo", "Roma",     "Torino",  "Venezia", "Tutte",  "Nazionale"};
constexpr std::array<const char*, CampioneStorico::Dimensioni> NomiDimensioni = {"Cinquine", "Quaterne",
                                                                                 "Terni", "Ambi"};

// The six-bin charts show every bin, even empty ones.
constexpr int BinTutti = 6;

} // namespace

const char* NomeSceltaRuota(int scelta)
{
    return scelta >= 0 && scelta < CampioneStorico::SceltePossibili
               ? NomiScelte[static_cast<std::size_t>(scelta)]
               : "";
}

const char* NomeDimensione(int scelta)
{
    return scelta >= 0 && scelta < CampioneStorico::Dimensioni
               ? NomiDimensioni[static_cast<std::size_t>(scelta)]
               : "";
}

CampioneStorico::CampioneStorico(const ArchivioStorico& archivio, int sceltaRuota, int sceltaDimensione)
    : m_archivio(archivio)
{
    if (sceltaRuota < 0 || sceltaRuota >= SceltePossibili) {
        sceltaRuota = SceltaTutte;
    }
    if (sceltaDimensione < 0 || sceltaDimensione >= Dimensioni) {
        sceltaDimensione = 0;
    }
    if (sceltaRuota == SceltaNazionale) {
        m_prima = m_ultima = Nazionale;
    } else if (sceltaRuota != SceltaTutte) {
        m_prima = m_ultima = sceltaRuota + 1;
    }
    m_numeri = 5 - sceltaDimensione;
    // Subsets in lexicographic order: bit masks of 5 positions read from the first position.
    std::array<std::uint8_t, 5> p{};
    const auto genera = [&](auto&& self, int inizio, int profondita) -> void {
        if (profondita == m_numeri) {
            m_sottoinsiemi.push_back(p);
            return;
        }
        for (int i = inizio; i < 5; ++i) {
            p[static_cast<std::size_t>(profondita)] = static_cast<std::uint8_t>(i);
            self(self, i + 1, profondita + 1);
        }
    };
    genera(genera, 0, 0);
}

int BinCriterio(Criterio criterio)
{
    return Descrizione(criterio).bin;
}

int BinGiocata(Criterio criterio, const ValoriGiocata& v, int risultato)
{
    const DescrizioneCriterio& d = Descrizione(criterio);
    if (criterio == Criterio::ErroriConsentiti) {
        return std::min(risultato, d.bin - 1);
    }
    if ((d.valutazione == ValutazioneCriterio::ConPari && v.pari == 0) ||
        (d.valutazione == ValutazioneCriterio::ConDispari && v.dispari == 0)) {
        return -1;
    }
    const double valore = ValoreCriterio(criterio, v);
    // nearbyint in the default rounding mode takes halves to the even neighbour.
    const double ultimo = d.bin - 1;
    return static_cast<int>(std::min(ultimo, d.reale ? std::nearbyint(valore) : valore));
}

std::vector<std::int64_t> IstogrammaCriterio(Criterio criterio, const CondizioniRiduzione& condizioni,
                                             const CampioneStorico& campione)
{
    std::vector<std::int64_t> bin(static_cast<std::size_t>(BinCriterio(criterio)), 0);
    if (criterio == Criterio::ErroriConsentiti) {
        const VerificatoreCondizioni verificatore(condizioni);
        EsitoCondizioni esito{};
        campione.perOgni([&](const Tipo_Giocata& g, std::int32_t) {
            const int r = verificatore.VerificaCondizioni(g, false, esito);
            ++bin[static_cast<std::size_t>(BinGiocata(criterio, {}, r))];
            return true;
        });
        return bin;
    }
    campione.perOgni([&](const Tipo_Giocata& g, std::int32_t) {
        const int b = BinGiocata(criterio, CalcolaValori(g));
        if (b >= 0) {
            ++bin[static_cast<std::size_t>(b)];
        }
        return true;
    });
    return bin;
}

std::int64_t GraficoCondizione::ammesse() const
{
    std::int64_t verdi = 0;
    for (const BarraGrafico& b : barre) {
        verdi += b.ammessa ? b.conteggio : 0;
    }
    return verdi;
}

double GraficoCondizione::percentuale(const BarraGrafico& barra) const
{
    return totale > 0 ? static_cast<double>(barra.conteggio) / static_cast<double>(totale) * 100.0 : 0.0;
}

bool ValoreAmmesso(Criterio criterio, int valore, const CondizioniRiduzione& condizioni)
{
    if (Descrizione(criterio).intervalli()) {
        return condizioni.lista(criterio).contiene(static_cast<double>(valore));
    }
    return condizioni.ammesso(criterio, valore);
}

GraficoCondizione CostruisciGrafico(Criterio criterio, const std::vector<std::int64_t>& istogramma,
                                    const CondizioniRiduzione& condizioni)
{
    GraficoCondizione grafico;
    grafico.conPercentuali = Descrizione(criterio).percentuali;
    const int n = static_cast<int>(istogramma.size());
    int primo = 0;
    int ultimo = n - 1;
    if (n != BinTutti) {
        primo = -1;
        for (int i = 0; i < n; ++i) {
            if (istogramma[static_cast<std::size_t>(i)] != 0) {
                ultimo = i;
                if (primo < 0) {
                    primo = i;
                }
            }
        }
        if (primo < 0) {
            return grafico; // nothing counted: no bar
        }
        primo = std::max(0, primo - 1);
        ultimo = std::min(n - 1, ultimo + 1);
    }
    for (int i = primo; i <= ultimo; ++i) {
        BarraGrafico b;
        b.valore = i;
        b.conteggio = istogramma[static_cast<std::size_t>(i)];
        b.ammessa = ValoreAmmesso(criterio, i, condizioni);
        grafico.totale += b.conteggio;
        grafico.barre.push_back(b);
    }
    return grafico;
}

void RicoloraGrafico(Criterio criterio, GraficoCondizione& grafico, const CondizioniRiduzione& condizioni)
{
    for (BarraGrafico& b : grafico.barre) {
        b.ammessa = ValoreAmmesso(criterio, b.valore, condizioni);
    }
}

std::string TestoEstrazioniValide(const GraficoCondizione& grafico)
{
    if (grafico.totale == 0) {
        return "Estrazioni valide:";
    }
    const double p = static_cast<double>(grafico.ammesse()) / static_cast<double>(grafico.totale) * 100.0;
    return "Estrazioni valide: " + FormatoPercentuale(p) + " %";
}
