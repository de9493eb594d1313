#include "editor/viste_statistiche.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

namespace viste {

namespace {

constexpr int Numeri = 90;
constexpr int Posizioni = 5;
constexpr int Ambi = 4005;

constexpr bool NumeroValido(std::uint8_t x)
{
    return x >= 1 && x <= Numeri;
}

std::int32_t PrimaDellaFinestra(std::int32_t conteggio, std::int32_t finestra)
{
    return std::max<std::int32_t>(1, conteggio - std::max<std::int32_t>(1, finestra) + 1);
}

std::string TestoFinestra(std::int32_t finestra)
{
    return "Frequenze su " + std::to_string(finestra) + " estrazioni";
}

// What the help button of each chart view says under the pointer.
constexpr std::string_view SpiegazioneRitardi =
    "Il grafico mostra il ritardo attuale dei 90 numeri, cioè da quante estrazioni "
    "non escono sulle ruote selezionate.\nUn clic sul grafico cambia l'ordinamento: "
    "per numero, per ritardo decrescente, per ritardo crescente.";
constexpr std::string_view SpiegazioneFrequenze =
    "Il grafico mostra quante volte ciascun numero è uscito sulle ruote selezionate "
    "nelle ultime estrazioni.\nCon \"Impostazioni del grafico\" si sceglie quante "
    "estrazioni considerare; un clic sul grafico cambia l'ordinamento.";
constexpr std::string_view SpiegazioneProbabilita =
    "Il grafico mostra la probabilità assegnata a ciascun numero in base ai ritardi "
    "e alle frequenze, secondo le impostazioni del calcolo delle probabilità.\nUn "
    "clic sul grafico cambia l'ordinamento.";
constexpr std::string_view SpiegazioneRitardiMMM =
    "Per ogni numero: il ritardo attuale, il ritardo minimo (verde), il ritardo "
    "medio (arancione) e il ritardo massimo (rosso) registrati sulle ruote "
    "selezionate.\nUn clic sul grafico inverte l'ordinamento.";
constexpr std::string_view SpiegazioneFrequenzeMMM =
    "Per ogni numero: la frequenza attuale e la frequenza minima (verde), media "
    "(arancione) e massima (rosso) in tutti i periodi della stessa lunghezza "
    "dell'archivio.\nUn clic sul grafico inverte l'ordinamento.";
constexpr std::string_view SpiegazioneRitardiPosizioni =
    "Per ogni numero, il ritardo in ciascuna delle cinque posizioni di estrazione "
    "sulle ruote selezionate.\nUn clic sul grafico inverte l'ordinamento.";
constexpr std::string_view SpiegazioneFrequenzePosizioni =
    "Per ogni numero, quante volte è uscito in ciascuna delle cinque posizioni di "
    "estrazione nelle ultime estrazioni.\nUn clic sul grafico inverte "
    "l'ordinamento.";

// Lexicographic rank 0..4004 of the pair a < b.
struct IndiciAmbi
{
    std::array<std::array<std::int16_t, Numeri + 1>, Numeri + 1> indice{};
    std::array<std::pair<std::int8_t, std::int8_t>, Ambi> coppia{};
    IndiciAmbi()
    {
        int k = 0;
        for (int a = 1; a <= Numeri; ++a) {
            for (int b = a + 1; b <= Numeri; ++b) {
                indice[a][b] = static_cast<std::int16_t>(k);
                indice[b][a] = static_cast<std::int16_t>(k);
                coppia[static_cast<std::size_t>(k)] = {static_cast<std::int8_t>(a),
                                                       static_cast<std::int8_t>(b)};
                ++k;
            }
        }
    }
};

const IndiciAmbi& Ambo()
{
    static const IndiciAmbi indici;
    return indici;
}

// Delay and window frequency of every pair on the selected wheels, from one pass newest first:
// the first draw holding a pair fixes its delay.
struct TabelleAmbi
{
    std::vector<std::int32_t> ritardo = std::vector<std::int32_t>(Ambi);
    std::vector<std::int32_t> frequenza = std::vector<std::int32_t>(Ambi);
};

TabelleAmbi CalcolaAmbi(const ContestoViste& x)
{
    TabelleAmbi t;
    const std::int32_t c = x.archivio.conteggio();
    std::fill(t.ritardo.begin(), t.ritardo.end(), c);
    std::vector<bool> trovato(Ambi, false);
    const std::int32_t inizioFinestra = PrimaDellaFinestra(c, x.finestra);
    const IndiciAmbi& ambo = Ambo();
    for (std::int32_t i = c; i >= 1; --i) {
        const Tipo_Estrazione& e = x.archivio.estrazione(i);
        for (int w = Bari; w <= Nazionale; ++w) {
            if (!RuotaSelezionata(x.ruote, w) || !e.haDati(w)) {
                continue;
            }
            for (int p = 1; p <= Posizioni; ++p) {
                for (int q = p + 1; q <= Posizioni; ++q) {
                    const std::uint8_t a = e.numero(w, p);
                    const std::uint8_t b = e.numero(w, q);
                    if (!NumeroValido(a) || !NumeroValido(b) || a == b) {
                        continue;
                    }
                    const auto k = static_cast<std::size_t>(ambo.indice[a][b]);
                    if (!trovato[k]) {
                        trovato[k] = true;
                        t.ritardo[k] = c - i;
                    }
                    if (i >= inizioFinestra) {
                        ++t.frequenza[k];
                    }
                }
            }
        }
    }
    return t;
}

// Per archive wheel, position and number ([w][p][n]): the delay counting every draw, the delay
// counting only the draws with data on the wheel, and the frequency in the window. One pass.
struct TabellePosizioni
{
    using Tabella =
        std::array<std::array<std::array<std::int32_t, Numeri + 1>, Posizioni + 1>, RuoteArchivio + 1>;
    Tabella ritardo{};
    Tabella ritardoConDati{};
    Tabella frequenza{};
};

std::unique_ptr<TabellePosizioni> CalcolaPosizioni(const ContestoViste& x)
{
    auto t = std::make_unique<TabellePosizioni>();
    const std::int32_t c = x.archivio.conteggio();
    for (auto* tabella : {&t->ritardo, &t->ritardoConDati}) {
        for (auto& ruota : *tabella) {
            for (auto& posizione : ruota) {
                posizione.fill(c);
            }
        }
    }
    std::array<std::array<std::array<bool, Numeri + 1>, Posizioni + 1>, RuoteArchivio + 1> trovato{};
    std::array<std::int32_t, RuoteArchivio + 1> conDati{}; // draws after the current one with data, per wheel
    const std::int32_t inizioFinestra = PrimaDellaFinestra(c, x.finestra);
    for (std::int32_t i = c; i >= 1; --i) {
        const Tipo_Estrazione& e = x.archivio.estrazione(i);
        for (int w = Bari; w <= Nazionale; ++w) {
            if (!e.haDati(w)) {
                continue;
            }
            for (int p = 1; p <= Posizioni; ++p) {
                const std::uint8_t n = e.numero(w, p);
                if (!NumeroValido(n)) {
                    continue;
                }
                if (!trovato[w][p][n]) {
                    trovato[w][p][n] = true;
                    t->ritardo[w][p][n] = c - i;
                    t->ritardoConDati[w][p][n] = conDati[w];
                }
                if (i >= inizioFinestra) {
                    ++t->frequenza[w][p][n];
                }
            }
            ++conDati[w];
        }
    }
    return t;
}

// View 5: per number, the gaps between its occurrences on each selected wheel, walking back from
// the newest draw while the wheel has data. The first gap is the current delay; the last one runs to
// the oldest draw of that stretch without a closing occurrence (a number drawn exactly there leaves
// no trailing gap).
void CalcolaIntervalli(const ContestoViste& x, std::vector<std::array<std::int32_t, 5>>& valori)
{
    const std::int32_t c = x.archivio.conteggio();
    std::array<std::int32_t, Numeri + 1> minimo{};
    std::array<std::int32_t, Numeri + 1> massimo{};
    std::array<std::int64_t, Numeri + 1> somma{};
    std::array<std::int64_t, Numeri + 1> quanti{};
    minimo.fill(c);
    massimo.fill(c);
    for (int w = Bari; w <= Nazionale; ++w) {
        if (!RuotaSelezionata(x.ruote, w)) {
            continue;
        }
        std::int32_t s = c + 1; // oldest draw of the stretch with data
        while (s > 1 && x.archivio.estrazione(s - 1).haDati(w)) {
            --s;
        }
        if (s > c) {
            continue;
        }
        std::array<std::int32_t, Numeri + 1> ultimo{};
        ultimo.fill(c + 1);
        std::array<std::int32_t, Numeri + 1> maggiore{};
        auto registra = [&](int n, std::int32_t intervallo) {
            minimo[n] = std::min(minimo[n], intervallo);
            maggiore[n] = std::max(maggiore[n], intervallo);
            somma[n] += intervallo;
            ++quanti[n];
        };
        for (std::int32_t i = c; i >= s; --i) {
            const Tipo_Estrazione& e = x.archivio.estrazione(i);
            for (int p = 1; p <= Posizioni; ++p) {
                const std::uint8_t n = e.numero(w, p);
                if (NumeroValido(n)) {
                    registra(n, ultimo[n] - i - 1);
                    ultimo[n] = i;
                }
            }
        }
        for (int n = 1; n <= Numeri; ++n) {
            if (ultimo[n] - s > 0) {
                registra(n, ultimo[n] - s);
            }
            massimo[n] = std::min(massimo[n], maggiore[n]);
        }
    }
    for (int n = 1; n <= Numeri; ++n) {
        auto& v = valori[static_cast<std::size_t>(n - 1)];
        v[0] = x.statistiche.ritardoSelezionate[n];
        v[1] = minimo[n];
        v[2] = quanti[n] > 0 ? static_cast<std::int32_t>(std::llround(static_cast<double>(somma[n]) /
                                                                      static_cast<double>(quanti[n])))
                             : 0;
        v[3] = massimo[n];
    }
}

// View 6: the frequency of each number over every window of N draws ending at draw N .. c-1, slid
// one draw at a time.
void CalcolaFinestre(const ContestoViste& x, std::vector<std::array<std::int32_t, 5>>& valori)
{
    const std::int32_t c = x.archivio.conteggio();
    const std::int32_t n = x.finestra;
    std::array<std::int32_t, Numeri + 1> minimo{};
    std::array<std::int32_t, Numeri + 1> massimo{};
    std::array<std::int64_t, Numeri + 1> somma{};
    minimo.fill(-1);
    const bool finestre = n >= 1 && n < c;
    if (finestre) {
        std::array<std::int32_t, Numeri + 1> conta{};
        auto aggiungi = [&](std::int32_t i, int segno) {
            const Tipo_Estrazione& e = x.archivio.estrazione(i);
            for (int w = Bari; w <= Nazionale; ++w) {
                if (!RuotaSelezionata(x.ruote, w)) {
                    continue;
                }
                for (int p = 1; p <= Posizioni; ++p) {
                    const std::uint8_t numero = e.numero(w, p);
                    if (NumeroValido(numero)) {
                        conta[numero] += segno;
                    }
                }
            }
        };
        for (std::int32_t i = 1; i <= n; ++i) {
            aggiungi(i, 1);
        }
        for (int k = 1; k <= Numeri; ++k) {
            minimo[k] = massimo[k] = conta[k];
            somma[k] = conta[k];
        }
        for (std::int32_t fine = n + 1; fine <= c - 1; ++fine) {
            aggiungi(fine, 1);
            aggiungi(fine - n, -1);
            for (int k = 1; k <= Numeri; ++k) {
                minimo[k] = std::min(minimo[k], conta[k]);
                massimo[k] = std::max(massimo[k], conta[k]);
                somma[k] += conta[k];
            }
        }
    }
    for (int k = 1; k <= Numeri; ++k) {
        auto& v = valori[static_cast<std::size_t>(k - 1)];
        v[0] = x.statistiche.frequenzaSelezionate[k];
        v[1] = minimo[k];
        v[2] =
            finestre ? static_cast<std::int32_t>(std::llround(static_cast<double>(somma[k]) / (c - n))) : 0;
        v[3] = finestre ? massimo[k] : 0;
    }
}

template <typename T> std::vector<int> Scambio(std::vector<T> v, bool decrescente)
{
    const std::size_t n = v.size();
    std::vector<int> ordine(n);
    std::iota(ordine.begin(), ordine.end(), 0);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (decrescente ? v[j] > v[i] : v[j] < v[i]) {
                std::swap(v[i], v[j]);
                std::swap(ordine[i], ordine[j]);
            }
        }
    }
    return ordine;
}

void Ordina(TabellaVista& t)
{
    std::vector<std::int32_t> valori(t.righe.size());
    for (std::size_t i = 0; i < t.righe.size(); ++i) {
        valori[i] = t.righe[i].valore;
    }
    const std::vector<int> ordine = OrdinaPerScambio(valori, t.decrescente);
    std::vector<RigaTabella> righe;
    righe.reserve(t.righe.size());
    for (int i : ordine) {
        righe.push_back(t.righe[static_cast<std::size_t>(i)]);
    }
    t.righe = std::move(righe);
}

RigaTabella Riga(int n, int w, int p, std::int32_t valore)
{
    RigaTabella r;
    r.numero = static_cast<std::int8_t>(n);
    r.ruota = static_cast<std::int8_t>(w);
    r.posizione = static_cast<std::int8_t>(p);
    r.valore = valore;
    return r;
}

} // namespace

const std::array<DescrizioneVista, NumeroViste>& Viste()
{
    using V = Vista;
    using T = TipoVista;
    using M = Misura;
    static const std::array<DescrizioneVista, NumeroViste> viste = {{
        {V::GraficoRitardi, "Grafico dei ritardi", T::Grafico, "stats_ritardi.htm", false, false, M::Ritardo,
         1, SpiegazioneRitardi},
        {V::GraficoFrequenze, "Grafico delle frequenze", T::Grafico, "stats_frequenze.htm", true, false,
         M::Frequenza, 1, SpiegazioneFrequenze},
        {V::GraficoProbabilita, "Grafico delle probabilità", T::Grafico, "stats_probabilita.htm", true, true,
         M::Probabilita, 1, SpiegazioneProbabilita},
        {V::NumeriPiuRitardatari, "I numeri più ritardatari", T::Griglia, "", false, false, M::Ritardo, 0,
         ""},
        {V::NumeriMenoFrequenti, "I numeri meno frequenti", T::Griglia, "", true, false, M::Frequenza, 0, ""},
        {V::RitardiMinimiMediMassimi, "Ritardi Attuali/Minimi/Medi/Massimi", T::Grafico, "stats_ritammm.htm",
         false, false, M::Ritardo, 4, SpiegazioneRitardiMMM},
        {V::FrequenzeMinimeMedieMassime, "Frequenze Attuali/Minime/Medie/Massime", T::Grafico,
         "stats_freqammm.htm", true, false, M::Frequenza, 4, SpiegazioneFrequenzeMMM},
        {V::RitardiPosizioni, "Ritardi nelle 5 posizioni", T::Grafico, "stats_rit5pos.htm", false, false,
         M::Ritardo, 5, SpiegazioneRitardiPosizioni},
        {V::FrequenzePosizioni, "Frequenze nelle 5 posizioni", T::Grafico, "stats_fre5pos.htm", true, false,
         M::Frequenza, 5, SpiegazioneFrequenzePosizioni},
        {V::PiuRitardatariPosizioni, "I numeri più ritardatari nelle 5 posizioni", T::Griglia, "", false,
         false, M::Ritardo, 0, ""},
        {V::MenoFrequentiPosizioni, "I numeri meno frequenti nelle 5 posizioni", T::Griglia, "", true, false,
         M::Frequenza, 0, ""},
        {V::RitardiAmbi, "I ritardi dei 4005 ambi", T::Griglia, "", false, false, M::Ritardo, 0, ""},
        {V::FrequenzeAmbi, "Le frequenze dei 4005 ambi", T::Griglia, "", true, false, M::Frequenza, 0, ""},
        {V::Smorfia, "La smorfia", T::Smorfia, "", false, false, M::Nessuna, 0, ""},
        {V::AnalisiCombinazioni, "Analisi combinazioni", T::AnalisiCombinazioni, "", true, false, M::Nessuna,
         0, ""},
        {V::CerchioCiclometrico, "Cerchio ciclometrico", T::CerchioCiclometrico, "", false, false, M::Nessuna,
         0, ""},
    }};
    return viste;
}

const DescrizioneVista& Descrizione(Vista vista)
{
    return Viste()[Indice(vista)];
}

std::int32_t LimitaFinestra(ImpostazioniGenerali& generali, std::int32_t conteggio)
{
    if (conteggio >= 1 && generali.ifNumEstra > conteggio) {
        generali.ifNumEstra = conteggio;
    }
    return generali.ifNumEstra;
}

std::vector<int> OrdinaPerScambio(const std::vector<std::int32_t>& valori, bool decrescente)
{
    return Scambio(valori, decrescente);
}

std::vector<int> OrdinaPerScambio(const std::vector<double>& valori, bool decrescente)
{
    return Scambio(valori, decrescente);
}

DatiGrafico CalcolaGrafico(Vista vista, const ContestoViste& x)
{
    DatiGrafico g;
    const DescrizioneVista& d = Descrizione(vista);
    if (d.tipo != TipoVista::Grafico) {
        return g;
    }
    g.valori.assign(Numeri, {});
    g.serie = d.serie;
    g.decrescente = d.decrescente();
    const StatisticheNumeri& s = x.statistiche;
    switch (vista) {
    case Vista::GraficoRitardi:
        g.titolo = "Ritardi dei 90 numeri sulle ruote selezionate";
        for (int n = 1; n <= Numeri; ++n) {
            g.valori[n - 1][0] = s.ritardoSelezionate[n];
        }
        break;
    case Vista::GraficoFrequenze:
        g.titolo = "Frequenze dei 90 numeri su " + std::to_string(x.finestra) + " estrazioni";
        for (int n = 1; n <= Numeri; ++n) {
            g.valori[n - 1][0] = s.frequenzaSelezionate[n];
        }
        break;
    case Vista::GraficoProbabilita:
        g.titolo = "Probabilità dei 90 numeri";
        for (int n = 1; n <= Numeri; ++n) {
            g.valori[n - 1][0] = static_cast<std::int32_t>(std::lround(s.probabilita[n]));
        }
        break;
    case Vista::RitardiMinimiMediMassimi:
        g.titolo = "Ritardi Attuali/Minimi/Medi/Massimi";
        g.ordinaPer = {"Numeri", "Ritardi attuali", "Ritardi minimi", "Ritardi medi", "Ritardi massimi"};
        CalcolaIntervalli(x, g.valori);
        break;
    case Vista::FrequenzeMinimeMedieMassime:
        g.titolo = "Frequenze Attuali/Minime/Medie/Massime";
        g.ordinaPer = {"Numeri", "Frequenze attuali", "Frequenze minime", "Frequenze medie",
                       "Frequenze massime"};
        CalcolaFinestre(x, g.valori);
        break;
    case Vista::RitardiPosizioni:
    case Vista::FrequenzePosizioni: {
        const bool ritardi = d.misura == Misura::Ritardo;
        g.titolo = ritardi ? "Ritardi nelle 5 posizioni" : "Frequenze nelle 5 posizioni";
        const std::string radice = ritardi ? "Ritardi nel " : "Frequenze nel ";
        g.ordinaPer = {"Numeri"};
        for (const char* p : {"primo", "secondo", "terzo", "quarto", "quinto"}) {
            g.ordinaPer.push_back(radice + p + " estratto");
        }
        const auto t = CalcolaPosizioni(x);
        const std::int32_t c = x.archivio.conteggio();
        for (int n = 1; n <= Numeri; ++n) {
            for (int p = 1; p <= Posizioni; ++p) {
                std::int32_t v = ritardi ? c : 0;
                for (int w = Bari; w <= Nazionale; ++w) {
                    if (RuotaSelezionata(x.ruote, w)) {
                        v = ritardi ? std::min(v, t->ritardo[w][p][n]) : v + t->frequenza[w][p][n];
                    }
                }
                g.valori[n - 1][p - 1] = v;
            }
        }
        break;
    }
    default:
        break;
    }
    return g;
}

TabellaVista CalcolaTabella(Vista vista, const ContestoViste& x)
{
    TabellaVista t;
    const DescrizioneVista& d = Descrizione(vista);
    if (d.tipo != TipoVista::Griglia) {
        return t;
    }
    const bool ritardi = d.misura == Misura::Ritardo;
    t.decrescente = d.decrescente();
    const StatisticheNumeri& s = x.statistiche;
    switch (vista) {
    case Vista::NumeriPiuRitardatari:
    case Vista::NumeriMenoFrequenti:
        t.colonne = {"Numero", "Ruota", ritardi ? "Ritardo" : TestoFinestra(x.finestra)};
        t.righe.reserve(Numeri * RuoteArchivio);
        for (int n = 1; n <= Numeri; ++n) {
            for (int w = Bari; w <= Nazionale; ++w) {
                t.righe.push_back(Riga(n, w, 0, ritardi ? s.ritardi[w][n] : s.frequenze[w][n]));
            }
        }
        break;
    case Vista::PiuRitardatariPosizioni:
    case Vista::MenoFrequentiPosizioni: {
        t.colonne = {"Numero", "Ruota", "Posizione", ritardi ? "Ritardo" : TestoFinestra(x.finestra)};
        const auto p = CalcolaPosizioni(x);
        const auto& tabella = ritardi ? p->ritardoConDati : p->frequenza;
        t.righe.reserve(Numeri * RuoteArchivio * Posizioni);
        for (int n = 1; n <= Numeri; ++n) {
            for (int w = Bari; w <= Nazionale; ++w) {
                for (int q = 1; q <= Posizioni; ++q) {
                    t.righe.push_back(Riga(n, w, q, tabella[w][q][n]));
                }
            }
        }
        break;
    }
    case Vista::RitardiAmbi:
    case Vista::FrequenzeAmbi: {
        t.colonne = {"Ambo", ritardi ? "Ritardo" : TestoFinestra(x.finestra)};
        const TabelleAmbi a = CalcolaAmbi(x);
        const std::int32_t c = x.archivio.conteggio();
        t.righe.reserve(Ambi);
        for (std::size_t k = 0; k < Ambi; ++k) {
            RigaTabella r;
            r.numero = Ambo().coppia[k].first;
            r.secondo = Ambo().coppia[k].second;
            r.valore = ritardi ? a.ritardo[k] : a.frequenza[k];
            r.maiUscito = ritardi && a.ritardo[k] == c;
            t.righe.push_back(r);
        }
        break;
    }
    default:
        return t;
    }
    Ordina(t);
    return t;
}

std::string TestoCella(const TabellaVista& tabella, const RigaTabella& riga, std::size_t colonna)
{
    if (colonna + 1 == tabella.colonne.size()) {
        return std::to_string(riga.valore);
    }
    if (tabella.colonne.size() == 2) {
        return std::to_string(riga.numero) + " " + std::to_string(riga.secondo);
    }
    switch (colonna) {
    case 0:
        return std::to_string(riga.numero);
    case 1:
        return std::string(NomiRuote[static_cast<std::size_t>(riga.ruota)]);
    case 2:
        return std::to_string(riga.posizione) + "º";
    default:
        return {};
    }
}

std::vector<RigaAnalisi> AnalizzaCombinazioni(const ArchivioStorico& archivio, const SegniNumeri& insieme,
                                              std::int32_t finestra)
{
    std::vector<RigaAnalisi> righe;
    std::array<std::array<std::int32_t, 5>, RuoteArchivio + 1> totali{};
    const std::int32_t c = archivio.conteggio();
    const std::int32_t primo = finestra > c ? 1 : PrimaDellaFinestra(c, finestra);
    for (std::int32_t i = primo; i <= c; ++i) {
        const Tipo_Estrazione& e = archivio.estrazione(i);
        RigaAnalisi riga;
        bool colpita = false;
        for (int w = Bari; w <= Nazionale; ++w) {
            if (!e.haDati(w)) {
                continue;
            }
            int h = 0;
            for (int p = 1; p <= Posizioni; ++p) {
                const std::uint8_t n = e.numero(w, p);
                h += NumeroValido(n) && insieme[n - 1] != 0 ? 1 : 0;
            }
            if (h > 0) {
                ++riga.conteggi[static_cast<std::size_t>(h - 1)];
                ++totali[w][static_cast<std::size_t>(h - 1)];
                colpita = true;
            }
        }
        if (colpita) {
            riga.etichetta =
                std::to_string(e.giorno) + "/" + std::to_string(e.mese) + "/" + std::to_string(e.anno());
            righe.push_back(riga);
        }
    }
    RigaAnalisi vuota;
    vuota.vuota = true;
    righe.push_back(vuota);
    RigaAnalisi totale;
    totale.etichetta = "TOTALE:";
    for (int w = Bari; w <= Nazionale; ++w) {
        RigaAnalisi riga;
        riga.etichetta = std::string(NomiRuote[static_cast<std::size_t>(w)]);
        riga.conteggi = totali[w];
        for (std::size_t h = 0; h < 5; ++h) {
            totale.conteggi[h] += totali[w][h];
        }
        righe.push_back(riga);
    }
    righe.push_back(vuota);
    righe.push_back(totale);
    return righe;
}

std::vector<RigaAnalisi> AnalisiIniziale()
{
    std::vector<RigaAnalisi> righe;
    for (int w = Bari; w <= Nazionale; ++w) {
        RigaAnalisi riga;
        riga.etichetta = std::string(NomiRuote[static_cast<std::size_t>(w)]);
        riga.vuota = true;
        righe.push_back(riga);
    }
    RigaAnalisi vuota;
    vuota.vuota = true;
    righe.push_back(vuota);
    RigaAnalisi totale;
    totale.etichetta = "TOTALE";
    totale.vuota = true;
    righe.push_back(totale);
    return righe;
}

} // namespace viste
