#include "coperture/cerca_disegno.h"

#include "coperture/campo_finito.h"
#include "coperture/orbite_stabili.h"
#include "coperture/ricottura.h"
#include "coperture/sottoinsiemi.h"
#include "coperture/unione_fattorizzata.h"
#include "coperture/unione_partizione.h"
#include "coperture/verifica_disegno.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <memory>

namespace {

// Moves between two polls, and the share of the budget of the orbit phase.
constexpr std::uint64_t MossePerPasso = 16384;
constexpr double QuotaOrbiteCoperture = 0.4;
constexpr double QuotaOrbiteGaranzia = 0.25;
constexpr double QuotaOrbiteConAvvii = 0.15;
constexpr std::size_t GruppiPerRicerca = 3;
// The stable-orbit starts: groups from this order on (smaller ones are the orbit annealing's), the prices
// of a target orbit left to plain blocks (in blocks per C(k, t) targets; 0 covers all by orbits), the
// search nodes of each choice.
constexpr int OrdineMinimoStabili = 40;
constexpr std::array<double, 4> PrezziScoperti{0.0, 1.5, 2.5, 4.0};
constexpr std::uint64_t NodiOrbite = 200000;
// The race of the smallest starts, each given this share of the budget.
constexpr std::size_t AvviiInGara = 4;
constexpr double QuotaGara = 0.05;
// The trivial covering by every t-subset (k = t), for the constructions that need one, up to this size.
constexpr std::uint32_t BloccoUgualeGaranziaMassimi = 30000;
// The short search behind a part of a partition union that nobody else provides.
constexpr std::uint64_t MosseParte = 20000;

// The schedule: the accepted fraction of uphill moves falls geometrically from Caldo to Freddo over a
// cycle, and each cycle is twice as long as the one before up to a cap, so a cell that needs slow cooling
// gets it while small cells restart often.
constexpr double Caldo = 0.05;
// From a stable-orbit start: hot moves would only undo the structure that makes it a good start.
constexpr double CaldoDaAvvio = 0.004;
constexpr double Freddo = 0.0001;
constexpr double PrimoCiclo = 1e6;
constexpr double CicloMassimo = 32e6;

class Bilancio
{
public:
    Bilancio(const ParametriRicerca& p, ControlloEsecuzione& controllo)
        : m_mosse(p.mosse), m_millisecondi(p.millisecondi), m_orologio(p.orologio), m_controllo(controllo),
          m_inizio(p.orologio ? p.orologio->millisecondi() : 0)
    {}

    void conta(std::uint64_t mosse) { m_fatte += mosse; }
    // Whether a move or time budget bounds the run, and the share of it spent (the larger of the two).
    bool limitato() const { return m_mosse != 0 || (m_millisecondi != 0 && m_orologio != nullptr); }
    double spesa() const
    {
        double quota = 0;
        if (m_mosse != 0) {
            quota = static_cast<double>(m_fatte) / static_cast<double>(m_mosse);
        }
        if (m_millisecondi != 0 && m_orologio != nullptr) {
            quota = std::max(quota, static_cast<double>(m_orologio->millisecondi() - m_inizio) /
                                        static_cast<double>(m_millisecondi));
        }
        return quota;
    }
    std::uint64_t fatte() const { return m_fatte; }
    bool interrotto() const { return m_interrotto; }

    // Whether the share `quota` (0..1) of the budget is spent, or the run was stopped; polls.
    bool finito(double quota)
    {
        Avanzamento a;
        a.elaborati = static_cast<double>(m_fatte);
        a.totale = static_cast<double>(m_mosse);
        if (!m_interrotto && !m_controllo.verifica(a)) {
            m_interrotto = true;
        }
        if (m_interrotto) {
            return true;
        }
        if (m_mosse != 0 && static_cast<double>(m_fatte) >= quota * static_cast<double>(m_mosse)) {
            return true;
        }
        return m_millisecondi != 0 && m_orologio != nullptr &&
               static_cast<double>(m_orologio->millisecondi() - m_inizio) >=
                   quota * static_cast<double>(m_millisecondi);
    }

private:
    std::uint64_t m_mosse;
    std::uint64_t m_millisecondi;
    const Orologio* m_orologio;
    ControlloEsecuzione& m_controllo;
    std::uint64_t m_inizio;
    std::uint64_t m_fatte = 0;
    bool m_interrotto = false;
};

class Ricerca
{
public:
    Ricerca(const ParametriRicerca& p, ControlloEsecuzione& controllo)
        : m_p(p), m_c(p.cella), m_bilancio(p, controllo), m_limite(LimiteInferiore(p.cella))
    {}

    EsitoRicerca esegui();

private:
    void considera(const Blocchi& blocchi, const std::string& metodo);
    bool basta() const
    {
        return !m_esito.blocchi.empty() &&
               (m_esito.blocchi.size() <= m_limite || m_esito.blocchi.size() <= m_p.obiettivo);
    }
    // Anneals and removes blocks until the share of the budget is spent or the search may stop; returns
    // the smallest design it reached (SIZE_MAX for none).
    std::size_t discesa(Ricottura& r, double quota, const std::string& metodo, double caldo = Caldo);
    // The plain annealing: on four seeds out of five a race of the smallest stable-orbit starts (their
    // structure leads the annealing to lower levels than the best design's own neighbourhood, where long
    // runs stall), the one that fell lowest going on; otherwise from the best design so far.
    void ricotturaLibera();
    Blocchi coperturaParte(int n);
    // A covering C(n, k, t) from the constructions or the caller, or a trivial one (n = k, k = n - 1, t = 1,
    // or every t-subset when k = t and they are few).
    std::optional<Blocchi> nota(int n, int k, int t) const;
    // Coverings of the cell built from those of its neighbours (one point more, a few less, one point
    // shorter).
    void vicine();
    // Coverings of a few points less joined with coverings of the subsets meeting those points.
    void unioneConPochiPunti();
    // Starts for the plain annealing: whole orbits of short length under the larger groups, the targets
    // they leave covered by greedy plain blocks; smallest first.
    void orbiteStabili();

    const ParametriRicerca& m_p;
    const Cella m_c;
    Bilancio m_bilancio;
    std::uint64_t m_limite;
    EsitoRicerca m_esito;
    std::uint64_t m_cicloFatte = 0;
    double m_ciclo = PrimoCiclo;
    struct Avvio
    {
        Blocchi blocchi;
        std::string gruppo;
    };
    // Smallest first.
    std::vector<Avvio> m_avvii;
    // The covering of one point more with that point replaced: larger than the best design it may still
    // anneal far lower (C(26, 10, 4) from a C(27, 10, 4) of 142 blocks, against 136 shipped, fell to 123
    // in seconds), so it runs in the race after the best design.
    Blocchi m_unPuntoInPiu;
};

void Ricerca::considera(const Blocchi& blocchi, const std::string& metodo)
{
    Blocchi distinti = blocchi;
    std::sort(distinti.begin(), distinti.end());
    distinti.erase(std::unique(distinti.begin(), distinti.end()), distinti.end());
    if (distinti.empty() || (!m_esito.blocchi.empty() && distinti.size() >= m_esito.blocchi.size())) {
        return;
    }
    if (ControllaBlocchi(m_c, distinti) || ContaScoperti(m_c, distinti) != 0) {
        return;
    }
    m_esito.blocchi = std::move(distinti);
    m_esito.metodo = metodo;
}

std::size_t Ricerca::discesa(Ricottura& r, double quota, const std::string& metodo, double caldo)
{
    std::size_t minimo = std::numeric_limits<std::size_t>::max();
    // Far above the best size a level falls in a few moves, so after each success the number of blocks
    // removed doubles while levels fall quickly and halves after a slow one; a jump of several blocks
    // that gets stuck goes back to the last success and jumps half as far.
    std::size_t salto = 1;
    std::size_t ultimoSalto = 0;
    std::uint64_t mosseLivello = 0;
    Blocchi ultimo;
    while (!basta() && !m_bilancio.finito(quota)) {
        const std::uint64_t rapido = 20000 + 20 * static_cast<std::uint64_t>(r.blocchi().size());
        if (r.scoperti() == 0) {
            minimo = std::min(minimo, r.dimensioneDisegno());
            if (m_esito.blocchi.empty() || r.dimensioneDisegno() < m_esito.blocchi.size()) {
                considera(r.disegno(), metodo);
                if (basta()) {
                    return minimo;
                }
            }
            if (r.blocchi().size() <= 1) {
                return minimo;
            }
            salto = mosseLivello < rapido
                        ? std::min(salto * 2, std::max<std::size_t>(1, r.blocchi().size() / 32))
                        : std::max<std::size_t>(1, salto / 2);
            ultimo = r.blocchi();
            ultimoSalto = salto;
            mosseLivello = 0;
            for (std::size_t i = 0; i < salto; ++i) {
                r.togliBlocco(r.bloccoMenoUtile());
            }
        } else if (ultimoSalto > 1 && mosseLivello > 8 * rapido) {
            r.impostaBlocchi(ultimo);
            salto = ultimoSalto / 2;
            ultimoSalto = salto;
            mosseLivello = 0;
            for (std::size_t i = 0; i < salto; ++i) {
                r.togliBlocco(r.bloccoMenoUtile());
            }
        }
        const double f = static_cast<double>(m_cicloFatte) / m_ciclo;
        r.impostaRapporto(std::exp(std::log(caldo) * (1.0 - f) + std::log(Freddo) * f));
        const std::uint64_t fatte = r.anneala(MossePerPasso);
        m_bilancio.conta(fatte);
        mosseLivello += fatte;
        m_cicloFatte += fatte;
        if (static_cast<double>(m_cicloFatte) >= m_ciclo) {
            m_cicloFatte = 0;
            m_ciclo = std::min(m_ciclo * 2, CicloMassimo);
        }
    }
    return minimo;
}

std::optional<Blocchi> Ricerca::nota(int n, int k, int t) const
{
    if (n < k || k < t || t < 1) {
        return std::nullopt;
    }
    if (n == k) {
        return Blocchi{TuttiIPunti(n)};
    }
    if (k == n - 1) {
        // All the points but one of the first t + 1: a t-subset misses one of them.
        Blocchi b;
        for (int fuori = t; fuori >= 0; --fuori) {
            b.push_back(TuttiIPunti(n) & ~(std::uint32_t{1} << fuori));
        }
        return b;
    }
    if (k == t && Binomiale(n, t) <= BloccoUgualeGaranziaMassimi) {
        // Every t-subset, in ascending order.
        Blocchi b;
        for (std::uint32_t s = TuttiIPunti(t); s <= TuttiIPunti(n); s = SuccessivoStessiBit(s)) {
            b.push_back(s);
        }
        return b;
    }
    if (t == 1) {
        // Consecutive runs of k points, the last one moved back to end at point n.
        Blocchi b;
        for (int inizio = 0; inizio < n; inizio += k) {
            b.push_back(TuttiIPunti(k) << std::min(inizio, n - k));
        }
        return b;
    }
    std::optional<Blocchi> migliore = CostruzioneAlgebrica(n, k, t, m_p.coperture);
    if (m_p.coperture) {
        if (auto fornita = m_p.coperture(n, k, t);
            fornita && (!migliore || fornita->size() < migliore->size())) {
            migliore = std::move(fornita);
        }
    }
    return migliore;
}

void Ricerca::vicine()
{
    const int v = m_c.v;
    const int k = m_c.k;
    const int t = m_c.t;
    // One point more: the blocks through the last point take another point instead.
    if (v + 1 <= PuntiMassimi) {
        if (auto grande = nota(v + 1, k, t)) {
            Blocchi b;
            for (std::uint32_t blocco : *grande) {
                if (blocco >> v) {
                    blocco &= TuttiIPunti(v);
                    const std::uint32_t liberi = TuttiIPunti(v) & ~blocco;
                    blocco |= liberi & (~liberi + 1U);
                }
                b.push_back(blocco);
            }
            std::sort(b.begin(), b.end());
            b.erase(std::unique(b.begin(), b.end()), b.end());
            considera(b, "vicina");
            m_unPuntoInPiu = std::move(b);
        }
    }
    unioneConPochiPunti();
    // New points in pairs: the pairs of a one-factorization share a covering of fewer points.
    // The sharing anneals: it is skipped where its parts alone are no smaller than the best design.
    const auto noti = [this](int n, int kn, int tn) { return nota(n, kn, tn); };
    for (int m = 2; 2 * m <= k && v - 2 * m > k; ++m) {
        if (auto b = UnioneFattorizzata(v, k, t, m, noti, m_p.seme, m_esito.blocchi.size())) {
            considera(*b, "coppie");
        }
    }
    // Blocks one point shorter, each filled up with its lowest missing point.
    if (auto corta = nota(v, k - 1, t)) {
        Blocchi b;
        for (const std::uint32_t blocco : *corta) {
            const std::uint32_t liberi = TuttiIPunti(v) & ~blocco;
            b.push_back(blocco | (liberi & (~liberi + 1U)));
        }
        std::sort(b.begin(), b.end());
        b.erase(std::unique(b.begin(), b.end()), b.end());
        considera(b, "vicina");
    }
}

void Ricerca::unioneConPochiPunti()
{
    const int v = m_c.v;
    const int k = m_c.k;
    const int t = m_c.t;
    // The same few coverings are asked for many times: read each once.
    std::map<std::array<int, 3>, std::optional<Blocchi>> lette;
    const auto copertura = [&](int n, int m, int u) -> const std::optional<Blocchi>& {
        auto [it, nuova] = lette.try_emplace({n, m, u});
        if (nuova) {
            it->second = u == 0 && n >= m ? std::optional<Blocchi>(Blocchi{TuttiIPunti(m)}) : nota(n, m, u);
        }
        return it->second;
    };
    constexpr std::size_t Nessuna = std::numeric_limits<std::uint32_t>::max();
    const auto dimensione = [&](int n, int m, int u) {
        const auto& b = copertura(n, m, u);
        return b ? b->size() : Nessuna;
    };
    // A holds the last a points, B the others. A t-subset within B lies in a block of a covering of B; one
    // with at least s points in A lies in a block holding all of A and a covering of the (t-s)-subsets of
    // B; one with i (0 < i < s) points in A in a block joining a block of a covering of the i-subsets of
    // A (k1 points) and one of the (t-i)-subsets of B (k - k1 points). For s = 1, C(27, 8, 4) <= C(25, 8,
    // 4) + C(25, 6, 3); s = 2 helps when A is larger than a pair.
    for (int a = 1; a < k && v - a >= k; ++a) {
        const auto& dentroB = copertura(v - a, k, t);
        if (!dentroB) {
            continue;
        }
        const std::uint32_t insiemeA = TuttiIPunti(v) & ~TuttiIPunti(v - a);
        for (int s = 1; s <= std::min(t, a) && k - a >= t - s; ++s) {
            std::size_t totale = dentroB->size() + dimensione(v - a, k - a, t - s);
            std::vector<int> k1PerI(static_cast<std::size_t>(s), 0);
            for (int i = 1; i < s; ++i) {
                std::size_t minimo = Nessuna;
                for (int k1 = i; k1 <= a && k - k1 >= t - i; ++k1) {
                    const std::size_t inA = dimensione(a, k1, i);
                    const std::size_t inB = dimensione(v - a, k - k1, t - i);
                    if (inA != Nessuna && inB != Nessuna && inA * inB < minimo) {
                        minimo = inA * inB;
                        k1PerI[static_cast<std::size_t>(i)] = k1;
                    }
                }
                totale += minimo;
            }
            if (totale >= Nessuna || (!m_esito.blocchi.empty() && totale >= m_esito.blocchi.size())) {
                continue;
            }
            Blocchi b = *dentroB;
            for (const std::uint32_t blocco : *copertura(v - a, k - a, t - s)) {
                b.push_back(blocco | insiemeA);
            }
            for (int i = 1; i < s; ++i) {
                const int k1 = k1PerI[static_cast<std::size_t>(i)];
                for (const std::uint32_t x : *copertura(a, k1, i)) {
                    for (const std::uint32_t y : *copertura(v - a, k - k1, t - i)) {
                        b.push_back((x << (v - a)) | y);
                    }
                }
            }
            considera(b, "vicina");
        }
    }
}

void Ricerca::orbiteStabili()
{
    for (const GruppoPermutazioni& g : GruppiStabili(m_c.v)) {
        if (basta() || m_bilancio.finito(1.0)) {
            break;
        }
        const CoperturaOrbitale orbite(m_c, g);
        for (const double prezzo : PrezziScoperti) {
            Ricottura r(m_c, nullptr, m_p.seme + m_avvii.size());
            r.impostaBlocchi(orbite.blocchi(orbite.scegli(prezzo, NodiOrbite)));
            r.completaAvido();
            m_avvii.push_back({r.disegno(), g.nome()});
            considera(m_avvii.back().blocchi, "orbite stabili " + g.nome());
        }
    }
    std::stable_sort(m_avvii.begin(), m_avvii.end(),
                     [](const Avvio& a, const Avvio& b) { return a.blocchi.size() < b.blocchi.size(); });
}

void Ricerca::ricotturaLibera()
{
    // How often the point leaving is drawn instead of priced: no setting suits every cell (drawing it
    // always takes C(26, 7, 3) from 116 to 110 blocks but C(23, 5, 3) from 214 to 217), so the seed
    // chooses, and the repeated runs of a cell try each.
    constexpr std::array<double, 3> Rumori{0.3, 1.0, 0.6};
    const double rumore = Rumori[m_p.seme % Rumori.size()];
    const auto ricottura = [&](const Blocchi& avvio, std::uint64_t seme) {
        auto r = std::make_unique<Ricottura>(m_c, nullptr, seme * 0x9E3779B97F4A7C15ULL + 7);
        r->impostaBlocchi(avvio);
        r->impostaRumore(rumore);
        return r;
    };
    const auto scendi = [&](Ricottura& r, double quota, double caldo) {
        m_cicloFatte = 0;
        m_ciclo = PrimoCiclo;
        return discesa(r, quota, "ricottura", caldo);
    };
    if ((m_avvii.empty() && m_unPuntoInPiu.empty()) || m_p.seme % 5 == 0) {
        scendi(*ricottura(m_esito.blocchi, m_p.seme), 1.0, Caldo);
        return;
    }
    // The best design so far runs first: after a start from an earlier run's design its own neighbourhood
    // is usually where the next block comes off, and the other starts must fall below it to win. Then the
    // covering of one point more, then the smallest stable-orbit start of each group, so that the race
    // compares different structures, then the next smallest. Without a budget there is no share to race
    // on: the best design goes on alone.
    std::vector<const Blocchi*> ordine{&m_esito.blocchi};
    if (!m_unPuntoInPiu.empty() && m_unPuntoInPiu != m_esito.blocchi) {
        ordine.push_back(&m_unPuntoInPiu);
    }
    std::vector<const Blocchi*> altri;
    for (std::size_t i = 0; i < m_avvii.size(); ++i) {
        if (m_avvii[i].blocchi == m_esito.blocchi) {
            continue;
        }
        const bool nuovoGruppo =
            std::none_of(m_avvii.begin(), m_avvii.begin() + static_cast<std::ptrdiff_t>(i),
                         [&](const Avvio& a) { return a.gruppo == m_avvii[i].gruppo; });
        (nuovoGruppo ? ordine : altri).push_back(&m_avvii[i].blocchi);
    }
    ordine.insert(ordine.end(), altri.begin(), altri.end());
    const std::size_t inGara = m_bilancio.limitato() ? std::min(AvviiInGara, ordine.size()) : 1;
    const double inizio = m_bilancio.spesa();
    std::vector<std::unique_ptr<Ricottura>> gara;
    std::size_t vincitore = 0;
    std::size_t minimo = std::numeric_limits<std::size_t>::max();
    for (std::size_t i = 0; i < inGara && !basta(); ++i) {
        gara.push_back(ricottura(*ordine[i], m_p.seme + i));
        const double quota =
            inGara == 1 ? 1.0 : std::min(1.0, inizio + QuotaGara * static_cast<double>(i + 1));
        const std::size_t raggiunto = scendi(*gara.back(), quota, CaldoDaAvvio);
        if (raggiunto < minimo) {
            minimo = raggiunto;
            vincitore = i;
        }
    }
    if (inGara > 1 && !basta()) {
        scendi(*gara[vincitore], 1.0, CaldoDaAvvio);
    }
}

Blocchi Ricerca::coperturaParte(int n)
{
    std::optional<Blocchi> migliore = CostruzioneAlgebrica(n, m_c.k, m_c.t, m_p.coperture);
    if (m_p.coperture) {
        if (auto nota = m_p.coperture(n, m_c.k, m_c.t);
            nota && (!migliore || nota->size() < migliore->size())) {
            migliore = std::move(nota);
        }
    }
    const Cella parte{TipoDisegno::Ortogonale, n, m_c.k, m_c.t, m_c.t};
    if (migliore && !ControllaBlocchi(parte, *migliore) && ContaScoperti(parte, *migliore) == 0) {
        return *migliore;
    }
    Ricottura r(parte, nullptr, m_p.seme ^ static_cast<std::uint64_t>(n));
    r.completaAvido();
    Blocchi trovata = r.disegno();
    for (std::uint64_t fatte = 0; fatte < MosseParte && r.blocchi().size() > 1;) {
        if (r.scoperti() == 0) {
            trovata = r.disegno();
            r.togliBlocco(r.bloccoMenoUtile());
        }
        r.impostaRapporto(0.001);
        fatte += r.anneala(MosseParte / 10);
    }
    return trovata;
}

EsitoRicerca Ricerca::esegui()
{
    const std::uint32_t tutti = TuttiIPunti(m_c.v);
    if (m_c.k == m_c.v) {
        considera({tutti}, "banale");
        return m_esito;
    }
    if (m_c.p == m_c.t) {
        if (auto b = CostruzioneAlgebrica(m_c.v, m_c.k, m_c.t, m_p.coperture)) {
            considera(*b, "algebrica");
        }
    }
    considera(m_p.partenza, "partenza");
    if (m_c.p == m_c.t && !basta()) {
        vicine();
    }
    if (m_c.p > m_c.t && !basta()) {
        considera(UnioneSuPartizione(m_c, [this](int n) { return coperturaParte(n); }).blocchi, "unione");
    }
    if (!basta()) {
        Ricottura avida(m_c, nullptr, m_p.seme);
        avida.completaAvido();
        considera(avida.disegno(), "avida");
    }
    if (m_c.p == m_c.t && !basta()) {
        orbiteStabili();
    }

    // Orbit phase: each group gets an equal share of its part of the budget. Two cyclic groups and one of
    // the others (cyclic ones for a lotto design), chosen by the seed, so that repeated runs try them all.
    const auto gruppi = GruppiCandidati(m_c.v, m_c.p != m_c.t);
    const std::size_t ciclici = GruppiCandidati(m_c.v, true).size();
    std::vector<const GruppoPermutazioni*> scelti;
    for (std::size_t i = 0; i < GruppiPerRicerca && i < gruppi.size(); ++i) {
        const bool altro = i + 1 == GruppiPerRicerca && gruppi.size() > ciclici;
        const std::size_t n = altro ? gruppi.size() - ciclici : ciclici;
        scelti.push_back(&gruppi[(altro ? ciclici : 0) + (m_p.seme + i) % n]);
    }
    const double quotaOrbite = m_c.p != m_c.t    ? QuotaOrbiteGaranzia
                               : m_avvii.empty() ? QuotaOrbiteCoperture
                                                 : QuotaOrbiteConAvvii;
    for (std::size_t i = 0; i < scelti.size() && !basta() && !m_bilancio.finito(quotaOrbite); ++i) {
        const GruppoPermutazioni& g = *scelti[i];
        if (g.ordine() == 0) {
            continue;
        }
        Ricottura r(m_c, &g, m_p.seme + 1 + i);
        r.completaAvido();
        m_cicloFatte = 0;
        m_ciclo = PrimoCiclo;
        discesa(r, quotaOrbite * static_cast<double>(i + 1) / static_cast<double>(scelti.size()),
                "orbite " + g.nome());
    }

    if (!basta() && !m_bilancio.finito(1.0)) {
        ricotturaLibera();
    }
    m_esito.mosse = m_bilancio.fatte();
    m_esito.interrotta = m_bilancio.interrotto();
    return m_esito;
}

} // namespace

std::vector<GruppoPermutazioni> GruppiCandidati(int v, bool soloCiclici)
{
    std::vector<GruppoPermutazioni> gruppi;
    const auto ciclico = [&](int cicli, int lunghezza) {
        if (lunghezza >= 2 && cicli * lunghezza <= v) {
            gruppi.push_back(GruppoCiclico(v, cicli, lunghezza));
        }
    };
    ciclico(1, v);
    ciclico(1, v - 1);
    ciclico(2, v / 2);
    ciclico(1, v - 2);
    ciclico(3, v / 3);
    if (soloCiclici) {
        return gruppi;
    }
    for (int q = v; q >= v - 2 && q >= 4; --q) {
        if (CampoFinito(q).q() == 0) {
            continue;
        }
        std::vector<int> divisori;
        for (int d = 2; d <= q - 1; ++d) {
            if ((q - 1) % d == 0) {
                divisori.push_back(d);
            }
        }
        // All multipliers, half of them, and the two smallest subgroups.
        std::vector<int> scelti;
        for (std::size_t i = 0; i < divisori.size(); ++i) {
            const int d = divisori[i];
            if (i < 2 || d == q - 1 || 2 * d == q - 1) {
                scelti.push_back(d);
            }
        }
        for (const int d : scelti) {
            gruppi.push_back(GruppoAffine(v, q, d));
        }
    }
    for (int q = v - 1; q >= v - 2 && q >= 4; --q) {
        if (CampoFinito(q).q() != 0) {
            gruppi.push_back(GruppoProiettivo(v, q));
        }
    }
    return gruppi;
}

std::vector<GruppoPermutazioni> GruppiStabili(int v)
{
    std::vector<GruppoPermutazioni> gruppi;
    for (int q = v; q >= v - 14 && q >= 4; --q) {
        if (CampoFinito(q).q() == 0) {
            continue;
        }
        for (int d = 2; d <= q - 1; ++d) {
            if ((q - 1) % d == 0 && q * d >= OrdineMinimoStabili) {
                gruppi.push_back(GruppoAffine(v, q, d));
            }
        }
    }
    for (int q = v - 1; q >= v - 4 && q >= 4; --q) {
        if (CampoFinito(q).q() != 0) {
            gruppi.push_back(GruppoProiettivo(v, q));
        }
    }
    if (v >= 21 && v <= 24) {
        gruppi.push_back(GruppoPianoProiettivo4(v));
    }
    return gruppi;
}

EsitoRicerca CercaDisegno(const ParametriRicerca& parametri, ControlloEsecuzione& controllo)
{
    return Ricerca(parametri, controllo).esegui();
}
