#include "reductions/finestre_confronti.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::array<std::size_t, 4> Righe{1, 90, 4005, 117480}; // C(90, s - 1) for s = 1..4
constexpr std::size_t RigheCinquine = 2555190;                   // C(90, 4)

} // namespace

FinestreSottoinsiemi::FinestreSottoinsiemi(const std::vector<std::int32_t>& inizi) : m_inizi(inizi)
{
    std::sort(m_inizi.begin(), m_inizi.end());
    m_inizi.erase(std::unique(m_inizi.begin(), m_inizi.end()), m_inizi.end());
    m_inizi.resize(std::min(m_inizi.size(), MassimoFinestre));
    for (std::size_t i = 0; i < m_indice.size(); ++i) {
        m_indice[i].assign(Righe[i], 0);
    }
    m_cinquinePiene.assign(RigheCinquine / 64 + 1, 0);
}

std::size_t FinestreSottoinsiemi::finestra(std::int32_t inizio) const
{
    const auto trovato = std::lower_bound(m_inizi.begin(), m_inizi.end(), inizio);
    return static_cast<std::size_t>(trovato - m_inizi.begin());
}

void FinestreSottoinsiemi::aggiorna(int s, std::uint32_t rango, int x, std::uint32_t dentro)
{
    const auto i = static_cast<std::size_t>(s - 1);
    const auto nuova = static_cast<std::uint32_t>(m_righe[i].size());
    std::uint32_t posizione = 0;
    if (s == 5) {
        const auto [voce, inserita] = m_cinquine.try_emplace(rango, nuova);
        posizione = voce->second;
        m_cinquinePiene[rango >> 6] |= std::uint64_t{1} << (rango & 63U);
    } else {
        std::uint32_t& indice = m_indice[i][rango];
        if (indice == 0) {
            indice = nuova + 1;
        }
        posizione = indice - 1;
    }
    if (posizione == nuova) {
        m_righe[i].resize(m_righe[i].size() + finestre());
    }
    for (std::uint32_t resto = dentro; resto != 0; resto &= resto - 1) {
        m_righe[i][posizione + static_cast<std::uint32_t>(std::countr_zero(resto))].aggiungi(x);
    }
}

void FinestreSottoinsiemi::registra(const std::uint8_t* numeri, int quanti, std::int32_t estrazione)
{
    // The windows holding the draw: those starting at or before it, a prefix of the ascending starts.
    const auto quante = static_cast<std::uint32_t>(
        std::upper_bound(m_inizi.begin(), m_inizi.end(), estrazione) - m_inizi.begin());
    if (quante == 0) {
        return;
    }
    const std::uint32_t dentro = (1U << quante) - 1U; // quante <= MassimoFinestre
    PerOgniSottoinsiemeEstratto(numeri, quanti,
                                [&](int s, std::uint32_t rango, int x) { aggiorna(s, rango, x, dentro); });
}

std::vector<std::int32_t> PrefissoFinestre::Inizi(const FiltroConfronti& filtro, std::int32_t riferimento)
{
    std::vector<std::int32_t> inizi;
    for (const auto& c : filtro.confronti()) {
        inizi.push_back(std::max<std::int32_t>(1, riferimento - c.estrazioni));
    }
    return inizi;
}

bool PrefissoFinestre::Adatto(const FiltroConfronti& filtro, std::int32_t riferimento)
{
    std::vector<std::int32_t> inizi = Inizi(filtro, riferimento);
    std::sort(inizi.begin(), inizi.end());
    return std::unique(inizi.begin(), inizi.end()) - inizi.begin() <=
           static_cast<std::ptrdiff_t>(FinestreSottoinsiemi::MassimoFinestre);
}

PrefissoFinestre::PrefissoFinestre(const FinestreSottoinsiemi& tabelle, const FiltroConfronti& filtro,
                                   std::int32_t riferimento)
    : m_tabelle(tabelle), m_massimoErrori(filtro.massimoErrori()), m_livelli(11)
{
    // The masks the comparisons read, then grouped by size.
    std::vector<std::pair<int, std::size_t>> lette;
    const std::vector<std::int32_t> inizi = Inizi(filtro, riferimento);
    for (std::size_t c = 0; c < inizi.size(); ++c) {
        const std::uint8_t punteggi = filtro.confronti()[c].punteggi;
        const std::size_t finestra = tabelle.finestra(inizi[c]);
        for (int v = 0; v < 6; ++v) {
            if ((((punteggi >> v) ^ (punteggi >> (v + 1))) & 1U) != 0 && v + 1 <= 5) {
                lette.emplace_back(v + 1, finestra);
            }
        }
    }
    std::sort(lette.begin(), lette.end());
    lette.erase(std::unique(lette.begin(), lette.end()), lette.end());
    for (int s = 1; s <= 5; ++s) {
        m_primaDi[static_cast<std::size_t>(s - 1)] = m_maschere.size();
        for (const auto& [dimensione, finestra] : lette) {
            if (dimensione == s) {
                m_maschere.push_back({s, finestra});
            }
        }
    }
    m_primaDi[5] = m_maschere.size();

    for (std::size_t c = 0; c < inizi.size(); ++c) {
        const std::uint8_t punteggi = filtro.confronti()[c].punteggi;
        const std::size_t finestra = tabelle.finestra(inizi[c]);
        Confronto confronto;
        for (int v = 0; v <= 5; ++v) {
            const bool ammesso = ((punteggi >> v) & 1U) != 0;
            const bool prima = v > 0 && ((punteggi >> (v - 1)) & 1U) != 0;
            if (ammesso && !prima) {
                confronto.tratti[static_cast<std::size_t>(confronto.quanti)].almeno =
                    v == 0 ? Ogni : maschera(v, finestra);
            }
            const bool dopo = v < 5 && ((punteggi >> (v + 1)) & 1U) != 0;
            if (ammesso && !dopo) {
                confronto.tratti[static_cast<std::size_t>(confronto.quanti++)].oltre =
                    v == 5 ? Nessuna : maschera(v + 1, finestra);
            }
        }
        m_confronti.push_back(confronto);
    }

    // The empty prefix: the numbers drawn in each window are the row of the empty set.
    Livello& radice = m_livelli[0];
    if (const Maschera90* singoli = tabelle.riga(1, 0)) {
        for (std::size_t j = m_primaDi[0]; j < m_primaDi[1]; ++j) {
            radice.uscite[j] = singoli[m_maschere[j].finestra];
        }
    }
    radice.quanti = m_ranghi.quanti;
}

int PrefissoFinestre::maschera(int dimensione, std::size_t finestra)
{
    for (std::size_t j = 0; j < m_maschere.size(); ++j) {
        if (m_maschere[j].dimensione == dimensione && m_maschere[j].finestra == finestra) {
            return static_cast<int>(j);
        }
    }
    return Nessuna; // not reached: every bound of a run is kept
}

void PrefissoFinestre::entra(int y)
{
    const Livello& padre = m_livelli[m_profondita];
    Livello& figlio = m_livelli[++m_profondita];
    // The prefix itself has s numbers drawn together in a window once y completes such a set: every
    // next number then has them too.
    const std::size_t maschere = m_maschere.size();
    for (std::size_t j = 0; j < maschere; ++j) {
        const Maschera90 m = padre.uscite[j];
        figlio.uscite[j] = m.contiene(y) ? Maschera90::Tutti() : m;
    }
    m_ranghi.aggiungi(y - 1);
    figlio.quanti = m_ranghi.quanti;
    // The (s-1)-subsets holding y, which aggiungi appended, bring their rows.
    for (std::size_t s = 2; s <= 5; ++s) {
        const std::size_t da = m_primaDi[s - 1];
        const std::size_t a = m_primaDi[s];
        if (da == a) {
            continue;
        }
        const auto& ranghi = m_ranghi.ranghi[s - 1];
        for (int r = padre.quanti[s - 1]; r < figlio.quanti[s - 1]; ++r) {
            const Maschera90* riga = m_tabelle.riga(static_cast<int>(s), ranghi[static_cast<std::size_t>(r)]);
            if (riga != nullptr) {
                for (std::size_t j = da; j < a; ++j) {
                    figlio.uscite[j] |= riga[m_maschere[j].finestra];
                }
            }
        }
    }
}

Maschera90 PrefissoFinestre::ultimiAccettati() const
{
    const auto confronti = static_cast<std::int32_t>(m_confronti.size());
    if (m_massimoErrori < 0) {
        return {};
    }
    if (m_massimoErrori >= confronti) {
        return Maschera90::Tutti();
    }
    const Livello& livello = m_livelli[m_profondita];
    // Per lane, the errors as a binary number across these masks (at most 150 comparisons: 8 bits).
    std::array<Maschera90, 8> errori{};
    const int cifre = std::bit_width(static_cast<unsigned>(confronti));
    Maschera90 accettati = Maschera90::Tutti();
    for (const Confronto& c : m_confronti) {
        Maschera90 ammessi{};
        for (int t = 0; t < c.quanti; ++t) {
            const Tratto& tratto = c.tratti[static_cast<std::size_t>(t)];
            ammessi |= almeno(livello, tratto.almeno) & ~almeno(livello, tratto.oltre);
        }
        if (m_massimoErrori == 0) {
            accettati &= ammessi;
            continue;
        }
        Maschera90 riporto = ~ammessi;
        for (int b = 0; b < cifre; ++b) {
            const Maschera90 prossimo = errori[static_cast<std::size_t>(b)] & riporto;
            errori[static_cast<std::size_t>(b)] = errori[static_cast<std::size_t>(b)] ^ riporto;
            riporto = prossimo;
        }
    }
    if (m_massimoErrori == 0) {
        return accettati;
    }
    // Errors above the maximum: from the top digit, a lane is above once it has a 1 where the maximum
    // has a 0 and every higher digit equal.
    Maschera90 sopra{};
    Maschera90 uguali = Maschera90::Tutti();
    for (int b = cifre - 1; b >= 0; --b) {
        const Maschera90 cifra = errori[static_cast<std::size_t>(b)];
        if (((m_massimoErrori >> b) & 1) != 0) {
            uguali &= cifra;
        } else {
            sopra |= uguali & cifra;
            uguali &= ~cifra;
        }
    }
    return ~sopra;
}
