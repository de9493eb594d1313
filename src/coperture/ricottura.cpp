#include "coperture/ricottura.h"

#include "coperture/sottoinsiemi.h"
#include "core/conta_bit.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <limits>

namespace {

// Uphill proposals between two adjustments of the temperature.
constexpr std::uint32_t FinestraSalite = 512;
// Random draws of a block before scanning them all.
constexpr std::uint32_t CampioniRapidi = 256;

bool AlPiuUnBit(std::uint32_t m)
{
    return (m & (m - 1U)) == 0;
}

// The candidate of least cost, ties drawn uniformly (reservoir sampling over the tied ones).
template <typename Costo, typename Candidato> class MinimoCasuale
{
public:
    void proponi(Costo costo, Candidato candidato, CasualeRicerca& casuale)
    {
        if (costo < m_costo) {
            m_costo = costo;
            m_scelta = candidato;
            m_pari = 1;
        } else if (costo == m_costo && casuale.estrai(++m_pari) == 0) {
            m_scelta = candidato;
        }
    }
    Candidato scelta() const { return m_scelta; }

private:
    Costo m_costo = std::numeric_limits<Costo>::max();
    Candidato m_scelta{};
    std::uint32_t m_pari = 0;
};

} // namespace

Ricottura::Ricottura(const Cella& cella, const GruppoPermutazioni* gruppo, std::uint64_t seme)
    : m_cella(cella), m_gruppo(gruppo), m_tutti(TuttiIPunti(cella.v)), m_casuale(seme)
{
    const std::uint32_t insiemi = Binomiale(cella.v, cella.p);
    std::size_t bersagli = insiemi;
    if (gruppo != nullptr) {
        assert(gruppo->v() == cella.v);
        m_orbita.assign(insiemi, std::numeric_limits<std::uint32_t>::max());
        const std::uint32_t fine = std::uint32_t{1} << cella.v;
        std::uint32_t rango = 0;
        for (std::uint32_t m = (std::uint32_t{1} << cella.p) - 1U; m < fine;
             m = SuccessivoStessiBit(m), ++rango) {
            if (m_orbita[rango] != std::numeric_limits<std::uint32_t>::max()) {
                continue;
            }
            const auto numero = static_cast<std::uint32_t>(m_rappresentanti.size());
            for (int g = 0; g < gruppo->ordine(); ++g) {
                m_orbita[RangoColex(gruppo->applica(m, g))] = numero;
            }
            m_rappresentanti.push_back(m);
        }
        bersagli = m_rappresentanti.size();
    }
    m_conta.assign(bersagli, 0);
    m_posizione.assign(bersagli, -1);
    m_scoperti.reserve(bersagli);
    for (std::uint32_t i = 0; i < bersagli; ++i) {
        segnaScoperto(i);
    }
    m_dentro.resize(Binomiale(BloccoMassimo, BloccoMassimo / 2));
    m_fuori.resize(Binomiale(PuntiMassimi, BersaglioMassimo - 1) + 1U);
    aggiornaSoglie();
}

std::uint32_t Ricottura::rappresentante(std::uint32_t bersaglio) const
{
    return m_orbita.empty() ? InsiemeDaRango(bersaglio, m_cella.p) : m_rappresentanti[bersaglio];
}

Blocchi Ricottura::disegno() const
{
    Blocchi tutti;
    if (m_gruppo == nullptr) {
        tutti = m_blocchi;
    } else {
        for (const std::uint32_t base : m_blocchi) {
            for (int g = 0; g < m_gruppo->ordine(); ++g) {
                tutti.push_back(m_gruppo->applica(base, g));
            }
        }
    }
    std::sort(tutti.begin(), tutti.end());
    tutti.erase(std::unique(tutti.begin(), tutti.end()), tutti.end());
    return tutti;
}

std::size_t Ricottura::dimensioneDisegno() const
{
    return disegno().size();
}

void Ricottura::impostaBlocchi(const Blocchi& blocchi)
{
    while (!m_blocchi.empty()) {
        togliBlocco(m_blocchi.size() - 1);
    }
    for (const std::uint32_t b : blocchi) {
        aggiungiBlocco(b);
    }
}

void Ricottura::aggiungiBlocco(std::uint32_t blocco)
{
    assert(ContaBit(blocco) == m_cella.k && (blocco & ~m_tutti) == 0);
    m_blocchi.push_back(blocco);
    const std::size_t giri = m_gruppo ? static_cast<std::size_t>(m_gruppo->ordine()) : 1U;
    if (m_candidati.size() < m_blocchi.size() * giri) {
        m_candidati.resize(m_blocchi.size() * giri * 2);
    }
    modificaCopertura(blocco, +1);
}

void Ricottura::togliBlocco(std::size_t indice)
{
    modificaCopertura(m_blocchi[indice], -1);
    m_blocchi[indice] = m_blocchi.back();
    m_blocchi.pop_back();
}

std::size_t Ricottura::modificaCopertura(std::uint32_t blocco, int delta)
{
    std::size_t cambiati = 0;
    const int k = ContaBit(blocco);
    for (int j = m_cella.t; j <= std::min(k, m_cella.p); ++j) {
        const int nd = ElencaSottoinsiemi(blocco, j, m_dentro.data());
        const int nf = ElencaSottoinsiemi(m_tutti & ~blocco, m_cella.p - j, m_fuori.data());
        for (int i = 0; i < nd; ++i) {
            const std::uint32_t d = m_dentro[static_cast<std::size_t>(i)];
            for (int f = 0; f < nf; ++f) {
                const std::uint32_t b = identita(RangoColex(d | m_fuori[static_cast<std::size_t>(f)]));
                if (delta > 0) {
                    if (m_conta[b]++ == 0) {
                        segnaCoperto(b);
                        ++cambiati;
                    }
                } else if (--m_conta[b] == 0) {
                    segnaScoperto(b);
                    ++cambiati;
                }
            }
        }
    }
    return cambiati;
}

std::size_t Ricottura::bloccoMenoUtile()
{
    assert(!m_blocchi.empty());
    MinimoCasuale<std::size_t, std::size_t> migliore;
    for (std::size_t i = 0; i < m_blocchi.size(); ++i) {
        const std::size_t persi = modificaCopertura(m_blocchi[i], -1);
        modificaCopertura(m_blocchi[i], +1);
        migliore.proponi(persi, i, m_casuale);
    }
    return migliore.scelta();
}

void Ricottura::completaAvido()
{
    const int p = m_cella.p;
    const int t = m_cella.t;
    while (!m_scoperti.empty()) {
        const std::uint32_t bersaglio =
            rappresentante(m_scoperti[m_casuale.estrai(static_cast<std::uint32_t>(m_scoperti.size()))]);
        std::uint32_t blocco = bersaglio;
        while (ContaBit(blocco) > t) {
            blocco &= ~PuntoNumero(
                blocco, static_cast<int>(m_casuale.estrai(static_cast<std::uint32_t>(ContaBit(blocco)))));
        }
        while (ContaBit(blocco) < m_cella.k) {
            std::uint32_t scelto = 0;
            long migliore = -1;
            std::uint32_t pari = 0;
            const int nd = ElencaSottoinsiemi(blocco, t - 1, m_dentro.data());
            for (std::uint32_t resto = m_tutti & ~blocco; resto != 0; resto &= resto - 1) {
                const std::uint32_t punto = resto & (~resto + 1U);
                const int nf = ElencaSottoinsiemi(m_tutti & ~blocco & ~punto, p - t, m_fuori.data());
                long guadagno = 0;
                for (int i = 0; i < nd; ++i) {
                    const std::uint32_t d = m_dentro[static_cast<std::size_t>(i)] | punto;
                    for (int f = 0; f < nf; ++f) {
                        guadagno +=
                            m_conta[identita(RangoColex(d | m_fuori[static_cast<std::size_t>(f)]))] == 0;
                    }
                }
                if (guadagno > migliore) {
                    migliore = guadagno;
                    scelto = punto;
                    pari = 1;
                } else if (guadagno == migliore && m_casuale.estrai(++pari) == 0) {
                    scelto = punto;
                }
            }
            blocco |= scelto;
        }
        aggiungiBlocco(blocco);
    }
}

void Ricottura::aggiornaSoglie()
{
    for (std::size_t d = 1; d < m_soglie.size(); ++d) {
        const double p = std::exp(-static_cast<double>(d) / m_temperatura);
        m_soglie[d] = p >= 1.0 ? std::numeric_limits<std::uint32_t>::max()
                               : static_cast<std::uint32_t>(p * 4294967296.0);
    }
}

void Ricottura::registraSalita(int delta)
{
    m_salite[static_cast<std::size_t>(std::min(delta, 63))] += 1.0;
    if (++m_saliteProposte >= FinestraSalite) {
        m_saliteProposte = 0;
        regolaTemperatura();
        // Halving the counts keeps the histogram on the recent moves.
        for (double& h : m_salite) {
            h *= 0.5;
        }
    }
}

void Ricottura::regolaTemperatura()
{
    double totale = 0;
    for (const double h : m_salite) {
        totale += h;
    }
    if (totale <= 0) {
        return;
    }
    // The accepted fraction of the recent uphill moves grows with T: bisection on log T.
    double basso = 1e-3;
    double alto = 1e3;
    for (int i = 0; i < 40; ++i) {
        const double t = std::sqrt(basso * alto);
        double accettate = 0;
        for (std::size_t d = 1; d < m_salite.size(); ++d) {
            accettate += m_salite[d] * std::exp(-static_cast<double>(d) / t);
        }
        (accettate / totale > m_rapporto ? alto : basso) = t;
    }
    m_temperatura = std::sqrt(basso * alto);
    aggiornaSoglie();
}

template <bool Orbite> std::uint32_t Ricottura::candidati(std::uint32_t& bersaglio)
{
    bersaglio = rappresentante(m_scoperti[m_casuale.estrai(static_cast<std::uint32_t>(m_scoperti.size()))]);
    const int giri = Orbite ? m_gruppo->ordine() : 1;
    const auto quanti = static_cast<std::uint32_t>(m_blocchi.size());
    const std::uint32_t* blocchi = m_blocchi.data();
    std::uint32_t* candidati = m_candidati.data();
    const auto ordine = static_cast<std::uint32_t>(giri);
    std::uint32_t n = 0;
    // With many blocks a few random draws usually find one: the first hit is as uniform among the
    // candidates as a draw from the full list, at a fraction of the scan.
    if (quanti * ordine > 4 * CampioniRapidi) {
        for (std::uint32_t prova = 0; prova < CampioniRapidi; ++prova) {
            const std::uint32_t i = m_casuale.estrai(quanti);
            const std::uint32_t g = Orbite ? m_casuale.estrai(ordine) : 0U;
            std::uint32_t immagine = bersaglio;
            if constexpr (Orbite) {
                immagine = m_gruppo->applica(bersaglio, static_cast<int>(g));
            }
            const bool vicino = m_cella.p == m_cella.t ? AlPiuUnBit(immagine & ~blocchi[i])
                                                       : ContaBit(immagine & blocchi[i]) == m_cella.t - 1;
            if (vicino) {
                candidati[0] = i * ordine + g;
                return 1;
            }
        }
    }
    for (std::uint32_t g = 0; g < ordine; ++g) {
        std::uint32_t immagine = bersaglio;
        if constexpr (Orbite) {
            immagine = m_gruppo->applica(bersaglio, static_cast<int>(g));
        }
        if (m_cella.p == m_cella.t) {
            // An uncovered target is in no block, so "t - 1 points in common" is "one point outside".
            for (std::uint32_t i = 0; i < quanti; ++i) {
                candidati[n] = i * ordine + g;
                n += AlPiuUnBit(immagine & ~blocchi[i]) ? 1U : 0U;
            }
        } else {
            for (std::uint32_t i = 0; i < quanti; ++i) {
                candidati[n] = i * ordine + g;
                n += ContaBit(immagine & blocchi[i]) == m_cella.t - 1 ? 1U : 0U;
            }
        }
    }
    if (n == 0) {
        // No block is one point away: any block, moved one point closer.
        candidati[n++] = m_casuale.estrai(quanti) * ordine + m_casuale.estrai(ordine);
    }
    return n;
}

std::uint32_t Ricottura::puntoCasuale(std::uint32_t insieme)
{
    return PuntoNumero(insieme,
                       static_cast<int>(m_casuale.estrai(static_cast<std::uint32_t>(ContaBit(insieme)))));
}

int Ricottura::variazione(std::uint32_t blocco, std::uint32_t esce, std::uint32_t entra)
{
    const int nd = ElencaSottoinsiemi(blocco & ~esce, m_cella.t - 1, m_dentro.data());
    const int nf = ElencaSottoinsiemi(m_tutti & ~blocco & ~entra, m_cella.p - m_cella.t, m_fuori.data());
    const std::uint32_t* conta = m_conta.data();
    int delta = 0;
    for (int i = 0; i < nd; ++i) {
        const std::uint32_t perso = m_dentro[static_cast<std::size_t>(i)] | esce;
        const std::uint32_t preso = m_dentro[static_cast<std::size_t>(i)] | entra;
        for (int f = 0; f < nf; ++f) {
            const std::uint32_t r = m_fuori[static_cast<std::size_t>(f)];
            delta += conta[RangoColex(perso | r)] == 1 ? 1 : 0;
            delta -= conta[RangoColex(preso | r)] == 0 ? 1 : 0;
        }
    }
    return delta;
}

void Ricottura::variazioniUscite(std::uint32_t blocco, std::uint32_t entra)
{
    // A t-subset of the block covered by it alone is lost by whichever of its points leaves; a (t-1)-subset
    // S whose union with the point entering is uncovered is gained unless the point leaving is in S.
    const std::uint32_t* conta = m_conta.data();
    std::array<int, 32> persi{};
    const int nt = ElencaSottoinsiemi(blocco, m_cella.t, m_dentro.data());
    for (int i = 0; i < nt; ++i) {
        const std::uint32_t s = m_dentro[static_cast<std::size_t>(i)];
        if (conta[RangoColex(s)] == 1) {
            for (std::uint32_t m = s; m != 0; m &= m - 1) {
                ++persi[static_cast<std::size_t>(std::countr_zero(m))];
            }
        }
    }
    std::array<int, 32> mancati{};
    int presi = 0;
    const int ns = ElencaSottoinsiemi(blocco, m_cella.t - 1, m_dentro.data());
    for (int i = 0; i < ns; ++i) {
        const std::uint32_t s = m_dentro[static_cast<std::size_t>(i)];
        if (conta[RangoColex(s | entra)] == 0) {
            ++presi;
            for (std::uint32_t m = s; m != 0; m &= m - 1) {
                ++mancati[static_cast<std::size_t>(std::countr_zero(m))];
            }
        }
    }
    for (std::uint32_t m = blocco; m != 0; m &= m - 1) {
        const auto x = static_cast<std::size_t>(std::countr_zero(m));
        m_variazioni[x] = persi[x] - (presi - mancati[x]);
    }
}

template <bool Orbite> int Ricottura::scambia(std::uint32_t indice, std::uint32_t esce, std::uint32_t entra)
{
    const std::uint32_t blocco = m_blocchi[indice];
    const int nd = ElencaSottoinsiemi(blocco & ~esce, m_cella.t - 1, m_dentro.data());
    const int nf = ElencaSottoinsiemi(m_tutti & ~blocco & ~entra, m_cella.p - m_cella.t, m_fuori.data());
    int delta = 0;
    for (int i = 0; i < nd; ++i) {
        const std::uint32_t perso = m_dentro[static_cast<std::size_t>(i)] | esce;
        const std::uint32_t preso = m_dentro[static_cast<std::size_t>(i)] | entra;
        for (int f = 0; f < nf; ++f) {
            const std::uint32_t r = m_fuori[static_cast<std::size_t>(f)];
            const std::uint32_t a = Orbite ? m_orbita[RangoColex(perso | r)] : RangoColex(perso | r);
            if (--m_conta[a] == 0) {
                segnaScoperto(a);
                ++delta;
            }
            const std::uint32_t b = Orbite ? m_orbita[RangoColex(preso | r)] : RangoColex(preso | r);
            if (m_conta[b]++ == 0) {
                segnaCoperto(b);
                --delta;
            }
        }
    }
    m_blocchi[indice] = (blocco & ~esce) | entra;
    return delta;
}

template <bool Orbite> std::uint64_t Ricottura::annealaCon(std::uint64_t mosse)
{
    std::uint64_t fatte = 0;
    while (fatte < mosse && !m_scoperti.empty()) {
        ++fatte;
        std::uint32_t bersaglio = 0;
        const std::uint32_t n = candidati<Orbite>(bersaglio);
        if constexpr (Orbite) {
            const std::uint32_t scelta = m_candidati[m_casuale.estrai(n)];
            const auto ordine = static_cast<std::uint32_t>(m_gruppo->ordine());
            const std::uint32_t indice = scelta / ordine;
            const std::uint32_t obiettivo = m_gruppo->applica(bersaglio, static_cast<int>(scelta % ordine));
            const std::uint32_t blocco = m_blocchi[indice];
            if ((blocco & ~obiettivo) == 0 || (obiettivo & ~blocco) == 0) {
                continue;
            }
            const std::uint32_t entra = puntoCasuale(obiettivo & ~blocco);
            const std::uint32_t esce = m_miglioreUscita && m_casuale.valore() >= m_rumore
                                           ? uscitaMiglioreOrbite(indice, blocco & ~obiettivo, entra)
                                           : puntoCasuale(blocco & ~obiettivo);
            const int delta = scambia<true>(indice, esce, entra);
            if (delta > 0) {
                registraSalita(delta);
                const bool si = delta < 64 && m_casuale.valore() < m_soglie[static_cast<std::size_t>(delta)];
                if (!si) {
                    scambia<true>(indice, entra, esce);
                }
            }
        } else {
            // Of a few candidate blocks, the swap that costs least: the point entering is one of the
            // target's, the point leaving the cheapest of the block's others.
            const std::uint32_t campioni = std::min(n, m_campioni);
            int delta = std::numeric_limits<int>::max();
            std::uint32_t indice = 0;
            std::uint32_t esce = 0;
            std::uint32_t entra = 0;
            std::uint32_t pari = 0;
            for (std::uint32_t c = 0; c < campioni; ++c) {
                std::swap(m_candidati[c], m_candidati[c + m_casuale.estrai(n - c)]);
                const std::uint32_t i = m_candidati[c];
                const std::uint32_t blocco = m_blocchi[i];
                const std::uint32_t uscite = blocco & ~bersaglio;
                const std::uint32_t y = puntoCasuale(bersaglio & ~blocco);
                const bool migliore = m_miglioreUscita && m_casuale.valore() >= m_rumore;
                const bool tutte = migliore && m_cella.p == m_cella.t;
                if (tutte) {
                    variazioniUscite(blocco, y);
                }
                for (std::uint32_t resto = migliore ? uscite : puntoCasuale(uscite); resto != 0;
                     resto &= resto - 1) {
                    const std::uint32_t x = resto & (~resto + 1U);
                    const int d = tutte ? m_variazioni[static_cast<std::size_t>(std::countr_zero(x))]
                                        : variazione(blocco, x, y);
                    if (d < delta) {
                        delta = d;
                        indice = i;
                        esce = x;
                        entra = y;
                        pari = 1;
                    } else if (d == delta && m_casuale.estrai(++pari) == 0) {
                        indice = i;
                        esce = x;
                        entra = y;
                    }
                }
            }
            bool si = delta <= 0;
            if (!si) {
                registraSalita(delta);
                si = delta < 64 && m_casuale.valore() < m_soglie[static_cast<std::size_t>(delta)];
            }
            if (si) {
                scambia<false>(indice, esce, entra);
            }
        }
    }
    return fatte;
}

std::uint32_t Ricottura::uscitaMiglioreOrbite(std::uint32_t indice, std::uint32_t uscite, std::uint32_t entra)
{
    if (AlPiuUnBit(uscite)) {
        return uscite;
    }
    // Two subsets of one block may lie in one orbit, so a swap is priced by making and undoing it.
    MinimoCasuale<int, std::uint32_t> migliore;
    for (std::uint32_t resto = uscite; resto != 0; resto &= resto - 1) {
        const std::uint32_t x = resto & (~resto + 1U);
        const int d = scambia<true>(indice, x, entra);
        scambia<true>(indice, entra, x);
        migliore.proponi(d, x, m_casuale);
    }
    return migliore.scelta();
}

int Ricottura::costoScambio(std::size_t indice, int esce, int entra)
{
    assert(m_gruppo == nullptr);
    return variazione(m_blocchi[indice], std::uint32_t{1} << esce, std::uint32_t{1} << entra);
}

std::array<int, 32> Ricottura::costiUscite(std::size_t indice, int entra)
{
    assert(m_gruppo == nullptr && m_cella.p == m_cella.t);
    variazioniUscite(m_blocchi[indice], std::uint32_t{1} << entra);
    return m_variazioni;
}

void Ricottura::scambiaPunti(std::size_t indice, int esce, int entra)
{
    if (m_gruppo != nullptr) {
        scambia<true>(static_cast<std::uint32_t>(indice), std::uint32_t{1} << esce,
                      std::uint32_t{1} << entra);
    } else {
        scambia<false>(static_cast<std::uint32_t>(indice), std::uint32_t{1} << esce,
                       std::uint32_t{1} << entra);
    }
}

std::uint64_t Ricottura::anneala(std::uint64_t mosse)
{
    if (m_blocchi.empty()) {
        return 0;
    }
    return m_gruppo != nullptr ? annealaCon<true>(mosse) : annealaCon<false>(mosse);
}
