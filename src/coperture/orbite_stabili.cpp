#include "coperture/orbite_stabili.h"

#include "coperture/sottoinsiemi.h"
#include "core/conta_bit.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <limits>
#include <map>
#include <unordered_set>

namespace {

// Unions of cycles taken from one element, at most.
constexpr std::size_t UnioniPerElemento = 60000;
// Elements whose cycles are tried, per cycle type.
constexpr int ElementiPerTipo = 2;
// The most k-subsets whose orbits are all listed (C(30, 7) is 2,035,800; 4 bytes each).
constexpr std::uint32_t InsiemiElencabili = 4500000;
// The most target orbits the exact search takes on.
constexpr std::size_t RigheEsatte = 512;

// The cycles of the element on the points 0..v-1, as masks.
std::vector<std::uint32_t> Cicli(const Permutazione& p, int v)
{
    std::vector<std::uint32_t> cicli;
    std::uint32_t visti = 0;
    for (int x = 0; x < v; ++x) {
        if ((visti >> x) & 1U) {
            continue;
        }
        std::uint32_t ciclo = 0;
        for (int y = x; ((ciclo >> y) & 1U) == 0; y = p[static_cast<std::size_t>(y)]) {
            ciclo |= std::uint32_t{1} << y;
        }
        visti |= ciclo;
        cicli.push_back(ciclo);
    }
    return cicli;
}

// Numbers the orbits of the s-subsets of 0..v-1 under the group the permutations generate, by colex rank
// (numero, resized to C(v, s)); returns each orbit's first set and length. Each set costs one image per
// generator.
std::vector<std::pair<std::uint32_t, std::uint32_t>>
NumeraOrbite(int v, int s, const std::vector<Permutazione>& generatori, std::vector<std::uint32_t>& numero)
{
    constexpr std::uint32_t Nessuna = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t n = Binomiale(v, s);
    numero.assign(n, Nessuna);
    std::vector<std::pair<std::uint32_t, std::uint32_t>> orbite;
    std::vector<std::uint32_t> pila;
    std::uint32_t insieme = (std::uint32_t{1} << s) - 1U;
    for (std::uint32_t r = 0; r < n; ++r, insieme = SuccessivoStessiBit(insieme)) {
        if (numero[r] != Nessuna) {
            continue;
        }
        const auto id = static_cast<std::uint32_t>(orbite.size());
        std::uint32_t lunghezza = 1;
        numero[r] = id;
        pila.assign(1, insieme);
        while (!pila.empty()) {
            const std::uint32_t x = pila.back();
            pila.pop_back();
            for (const Permutazione& g : generatori) {
                const std::uint32_t immagine = ApplicaPermutazione(g, x);
                const std::uint32_t rango = RangoColex(immagine);
                if (numero[rango] == Nessuna) {
                    numero[rango] = id;
                    ++lunghezza;
                    pila.push_back(immagine);
                }
            }
        }
        orbite.emplace_back(insieme, lunghezza);
    }
    return orbite;
}

using Bitset = std::vector<std::uint64_t>;

struct Istanza
{
    std::size_t parole = 0;
    std::vector<Bitset> copre;
    // The same rows as a list, for the greedy.
    std::vector<const std::vector<std::uint32_t>*> righe;
    std::vector<double> costo;
    std::vector<double> prezzoRiga;
    std::vector<double> lunghezzaRiga;
    // The candidates covering each row, cheapest first.
    std::vector<std::vector<std::uint32_t>> perRiga;
};

bool Ha(const Bitset& b, std::size_t r)
{
    return (b[r / 64] >> (r % 64)) & 1U;
}

class Ricerca
{
public:
    Ricerca(const Istanza& i, std::uint64_t nodi) : m_i(i), m_nodi(nodi) {}

    std::vector<std::size_t> risolvi()
    {
        avida();
        // Each node scans every row: beyond a few hundred the greedy cover is what there is time for.
        if (m_i.lunghezzaRiga.size() <= RigheEsatte) {
            Bitset coperte(m_i.parole, 0);
            std::vector<std::size_t> scelte;
            scendi(coperte, 0.0, scelte);
        }
        return m_migliori;
    }

private:
    // The classic greedy: the cheapest candidate per newly covered target while it beats leaving them.
    void avida()
    {
        Bitset coperte(m_i.parole, 0);
        std::vector<std::size_t> scelte;
        double totale = 0;
        for (;;) {
            double miglioreRapporto = std::numeric_limits<double>::max();
            std::size_t migliore = m_i.copre.size();
            for (std::size_t c = 0; c < m_i.copre.size(); ++c) {
                double nuove = 0;
                for (const std::uint32_t r : *m_i.righe[c]) {
                    if (!Ha(coperte, r)) {
                        nuove += m_i.lunghezzaRiga[r];
                    }
                }
                if (nuove > 0 && m_i.costo[c] / nuove < miglioreRapporto) {
                    miglioreRapporto = m_i.costo[c] / nuove;
                    migliore = c;
                }
            }
            if (migliore == m_i.copre.size()) {
                break;
            }
            // Leaving the rest costs prezzoRiga / lunghezzaRiga per target, the same for every row.
            bool conviene = true;
            for (std::size_t r = 0; r < m_i.lunghezzaRiga.size(); ++r) {
                if (!Ha(coperte, r)) {
                    conviene = miglioreRapporto < m_i.prezzoRiga[r] / m_i.lunghezzaRiga[r];
                    break;
                }
            }
            if (!conviene) {
                break;
            }
            scelte.push_back(migliore);
            totale += m_i.costo[migliore];
            for (std::size_t w = 0; w < m_i.parole; ++w) {
                coperte[w] |= m_i.copre[migliore][w];
            }
        }
        for (std::size_t r = 0; r < m_i.lunghezzaRiga.size(); ++r) {
            if (!Ha(coperte, r)) {
                totale += m_i.prezzoRiga[r];
            }
        }
        m_migliore = totale;
        m_migliori = scelte;
    }

    void scendi(const Bitset& coperte, double costo, std::vector<std::size_t>& scelte)
    {
        if (m_nodi == 0) {
            return;
        }
        --m_nodi;
        // The uncovered row with fewest candidates, and a bound: each uncovered row costs at least its
        // cheapest way out.
        std::size_t riga = m_i.lunghezzaRiga.size();
        double limite = 0;
        for (std::size_t r = 0; r < m_i.lunghezzaRiga.size(); ++r) {
            if (Ha(coperte, r)) {
                continue;
            }
            const auto& lista = m_i.perRiga[r];
            const double minimo =
                std::min(lista.empty() ? std::numeric_limits<double>::max() : m_i.costo[lista.front()],
                         m_i.prezzoRiga[r]);
            limite = std::max(limite, minimo);
            if (riga == m_i.lunghezzaRiga.size() || lista.size() < m_i.perRiga[riga].size()) {
                riga = r;
            }
        }
        if (riga == m_i.lunghezzaRiga.size()) {
            if (costo < m_migliore) {
                m_migliore = costo;
                m_migliori = scelte;
            }
            return;
        }
        if (costo + limite >= m_migliore) {
            return;
        }
        Bitset dopo(m_i.parole);
        for (const std::uint32_t c : m_i.perRiga[riga]) {
            if (costo + m_i.costo[c] >= m_migliore) {
                break;
            }
            for (std::size_t w = 0; w < m_i.parole; ++w) {
                dopo[w] = coperte[w] | m_i.copre[c][w];
            }
            scelte.push_back(c);
            scendi(dopo, costo + m_i.costo[c], scelte);
            scelte.pop_back();
        }
        if (costo + m_i.prezzoRiga[riga] < m_migliore) {
            dopo = coperte;
            dopo[riga / 64] |= std::uint64_t{1} << (riga % 64);
            scendi(dopo, costo + m_i.prezzoRiga[riga], scelte);
        }
    }

    const Istanza& m_i;
    std::uint64_t m_nodi;
    double m_migliore = std::numeric_limits<double>::max();
    std::vector<std::size_t> m_migliori;
};

} // namespace

CoperturaOrbitale::CoperturaOrbitale(const Cella& cella, const GruppoPermutazioni& gruppo)
    : m_cella(cella), m_gruppo(gruppo)
{
    assert(cella.p == cella.t && gruppo.v() == cella.v);
    for (const auto& orbita : NumeraOrbite(cella.v, cella.t, gruppo.generatori(), m_riga)) {
        m_lunghezzaRiga.push_back(orbita.second);
    }

    // Every block orbit when there are few enough to list; otherwise only the short ones.
    const std::uint32_t blocchi = Binomiale(cella.v, cella.k);
    if (blocchi <= InsiemiElencabili &&
        blocchi / static_cast<std::uint32_t>(gruppo.ordine()) <= CandidateMassime) {
        std::vector<std::uint32_t> numero;
        for (const auto& [rappresentante, lunghezza] :
             NumeraOrbite(cella.v, cella.k, gruppo.generatori(), numero)) {
            if (m_candidate.size() == CandidateMassime) {
                break;
            }
            m_candidate.push_back({rappresentante, lunghezza, righeDi(rappresentante)});
        }
        return;
    }
    // A few elements of each cycle type: conjugate elements give conjugate unions, hence the same orbits.
    std::map<std::vector<int>, int> tipi;
    for (int g = 1; g < gruppo.ordine() && m_candidate.size() < CandidateMassime; ++g) {
        const Permutazione& elemento = gruppo.elemento(g);
        std::vector<int> tipo;
        for (const std::uint32_t ciclo : Cicli(elemento, cella.v)) {
            tipo.push_back(ContaBit(ciclo));
        }
        std::sort(tipo.begin(), tipo.end());
        if (++tipi[tipo] <= ElementiPerTipo) {
            aggiungiUnioni(elemento);
        }
    }
}

std::vector<std::uint32_t> CoperturaOrbitale::righeDi(std::uint32_t blocco) const
{
    std::vector<std::uint32_t> sottoinsiemi(Binomiale(BloccoMassimo, BloccoMassimo / 2));
    const int quanti = ElencaSottoinsiemi(blocco, m_cella.t, sottoinsiemi.data());
    std::vector<std::uint32_t> righe;
    for (int s = 0; s < quanti; ++s) {
        righe.push_back(m_riga[RangoColex(sottoinsiemi[static_cast<std::size_t>(s)])]);
    }
    std::sort(righe.begin(), righe.end());
    righe.erase(std::unique(righe.begin(), righe.end()), righe.end());
    return righe;
}

std::uint32_t CoperturaOrbitale::riga(std::uint32_t insieme) const
{
    return m_riga[RangoColex(insieme)];
}

void CoperturaOrbitale::aggiungiUnioni(const Permutazione& elemento)
{
    const std::vector<std::uint32_t> cicli = Cicli(elemento, m_cella.v);
    std::size_t unioni = 0;
    // Depth-first over the cycles: take cycle i or not, while the union stays within k points.
    std::vector<std::pair<std::size_t, std::uint32_t>> pila{{0, 0}};
    while (!pila.empty() && unioni < UnioniPerElemento && m_candidate.size() < CandidateMassime) {
        const auto [i, unione] = pila.back();
        pila.pop_back();
        const int punti = ContaBit(unione);
        if (punti == m_cella.k) {
            ++unioni;
            // The orbit's smallest block names it; the same scan counts the stabiliser.
            std::uint32_t minima = unione;
            int stabilizzatore = 0;
            for (int g = 0; g < m_gruppo.ordine(); ++g) {
                const std::uint32_t immagine = m_gruppo.applica(unione, g);
                minima = std::min(minima, immagine);
                stabilizzatore += immagine == unione ? 1 : 0;
            }
            if (!m_orbiteViste.insert(minima).second) {
                continue;
            }
            m_candidate.push_back(
                {unione, static_cast<std::uint32_t>(m_gruppo.ordine() / stabilizzatore), righeDi(unione)});
            continue;
        }
        if (i == cicli.size()) {
            continue;
        }
        pila.emplace_back(i + 1, unione);
        if (punti + ContaBit(cicli[i]) <= m_cella.k) {
            pila.emplace_back(i + 1, unione | cicli[i]);
        }
    }
}

std::vector<std::size_t> CoperturaOrbitale::scegli(double prezzoScoperto, std::uint64_t nodi) const
{
    Istanza istanza;
    const std::size_t righe = m_lunghezzaRiga.size();
    istanza.parole = (righe + 63) / 64;
    const double perBlocco = Binomiale(m_cella.k, m_cella.t);
    for (const std::uint32_t l : m_lunghezzaRiga) {
        istanza.lunghezzaRiga.push_back(l);
        istanza.prezzoRiga.push_back(prezzoScoperto > 0 ? prezzoScoperto * l / perBlocco
                                                        : std::numeric_limits<double>::max() / 4);
    }
    istanza.perRiga.resize(righe);
    for (std::size_t c = 0; c < m_candidate.size(); ++c) {
        Bitset b(istanza.parole, 0);
        for (const std::uint32_t r : m_candidate[c].righe) {
            b[r / 64] |= std::uint64_t{1} << (r % 64);
            istanza.perRiga[r].push_back(static_cast<std::uint32_t>(c));
        }
        istanza.copre.push_back(std::move(b));
        istanza.righe.push_back(&m_candidate[c].righe);
        istanza.costo.push_back(m_candidate[c].lunghezza);
    }
    for (auto& lista : istanza.perRiga) {
        std::stable_sort(lista.begin(), lista.end(), [&](std::uint32_t a, std::uint32_t b) {
            return istanza.costo[a] < istanza.costo[b];
        });
    }
    return Ricerca(istanza, nodi).risolvi();
}

Blocchi CoperturaOrbitale::blocchi(const std::vector<std::size_t>& scelte) const
{
    Blocchi tutti;
    for (const std::size_t c : scelte) {
        for (int g = 0; g < m_gruppo.ordine(); ++g) {
            tutti.push_back(m_gruppo.applica(m_candidate[c].rappresentante, g));
        }
    }
    std::sort(tutti.begin(), tutti.end());
    tutti.erase(std::unique(tutti.begin(), tutti.end()), tutti.end());
    return tutti;
}
