#include "reductions/giudici_filtro.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

FiltroNumeri::FiltroNumeri(std::vector<CriterioNumeri> criteri, std::int32_t massimoErrori)
    : m_criteri(std::move(criteri)), m_massimoErrori(massimoErrori)
{}

FiltroNumeri FiltroNumeri::DaIntervalli(const IntervalliNumeri& record)
{
    std::vector<CriterioNumeri> criteri;
    for (std::size_t i = 0; i < record.intervalli.size(); ++i) {
        const auto& intervallo = record.intervalli[i];
        CriterioNumeri c;
        for (int n = std::max(intervallo.basso, 1); n <= std::min(intervallo.alto, 90); ++n) {
            c.numeri.aggiungi(n);
        }
        c.ammessi = intervallo.ammesse;
        c.riga = static_cast<int>(i);
        criteri.push_back(c);
    }
    return FiltroNumeri(std::move(criteri), record.massimoErrori);
}

FiltroNumeri FiltroNumeri::DaGruppi(const GruppiFissi& record)
{
    std::vector<CriterioNumeri> criteri;
    for (int g = 1; g <= record.gruppi(); ++g) {
        if (record.inUso[static_cast<std::size_t>(g - 1)]) {
            criteri.push_back(
                {NumeriGruppo(record.famiglia, g), record.ammesse[static_cast<std::size_t>(g - 1)], g - 1});
        }
    }
    return FiltroNumeri(std::move(criteri), record.massimoErrori);
}

FiltroNumeri FiltroNumeri::DaGiocateFiltro(const GiocateFiltro& record)
{
    std::vector<CriterioNumeri> criteri;
    for (std::size_t i = 0; i < record.filtri.size(); ++i) {
        criteri.push_back({record.filtri[i].numeri, record.filtri[i].punteggi, static_cast<int>(i)});
    }
    return FiltroNumeri(std::move(criteri), record.massimoErrori);
}

bool FiltroNumeri::conta(const Maschera90& giocata, std::int64_t* nonRispettate) const
{
    std::int32_t errori = 0;
    for (const auto& c : m_criteri) {
        if (((c.ammessi >> giocata.inComune(c.numeri)) & 1U) == 0) {
            ++nonRispettate[c.riga];
            if (++errori > m_massimoErrori) {
                return false;
            }
        }
    }
    return true;
}

FiltroConfronti::FiltroConfronti(const ConfrontiStorico& record)
    : m_confronti(record.confronti), m_massimoErrori(record.massimoErrori)
{
    // A record from a file keeps the order it was accepted in; the windows must grow with N.
    std::stable_sort(
        m_confronti.begin(), m_confronti.end(),
        [](const ConfrontoStorico& a, const ConfrontoStorico& b) { return a.estrazioni < b.estrazioni; });
}

bool FiltroConfronti::conta(const std::array<std::int32_t, 5>& ultime, std::int32_t riferimento,
                            std::int64_t* nonRispettate) const
{
    std::int32_t errori = 0;
    for (std::size_t k = 0; k < m_confronti.size(); ++k) {
        if (!ammesso(m_confronti[k], ultime, riferimento)) {
            ++nonRispettate[k];
            if (++errori > m_massimoErrori) {
                return false;
            }
        }
    }
    return true;
}

std::int32_t FiltroConfronti::estrazioniMassime() const
{
    return m_confronti.empty() ? 0 : m_confronti.back().estrazioni;
}

static_assert(ArchivioStorico::Capacita <= INT16_MAX, "a draw index fits a cell of UsciteSottoinsiemi");

std::unique_ptr<UsciteSottoinsiemi> UsciteArchivio(const ArchivioStorico& archivio, const SegniRuote& ruote,
                                                   std::int32_t da, std::int32_t a)
{
    auto uscite = std::make_unique<UsciteSottoinsiemi>();
    for (std::int32_t i = std::max(da, 1); i <= std::min(a, archivio.conteggio()); ++i) {
        RegistraEstrazione(*uscite, archivio, ruote, i);
    }
    return uscite;
}

PrefissoNumeri::PrefissoNumeri(const FiltroNumeri& filtro)
    : m_conteggi(filtro.criteri().size(), 0), m_massimoErrori(filtro.massimoErrori())
{
    const auto& criteri = filtro.criteri();
    for (const auto& c : criteri) {
        m_ammessi.push_back(c.ammessi);
        m_primoNumero.push_back(static_cast<std::uint32_t>(m_numeri.size()));
        for (int x = 1; x <= 90; ++x) {
            if (c.numeri.contiene(x)) {
                m_numeri.push_back(static_cast<std::uint8_t>(x));
            }
        }
    }
    m_primoNumero.push_back(static_cast<std::uint32_t>(m_numeri.size()));
    for (int x = 1; x <= 90; ++x) {
        m_inizio[static_cast<std::size_t>(x)] = static_cast<std::uint32_t>(m_criteri.size());
        for (std::size_t j = 0; j < criteri.size(); ++j) {
            if (criteri[j].numeri.contiene(x)) {
                m_criteri.push_back(static_cast<std::uint16_t>(j));
            }
        }
    }
    m_inizio[91] = static_cast<std::uint32_t>(m_criteri.size());
    // The empty prefix: every criterion at count 0.
    for (std::size_t j = 0; j < criteri.size(); ++j) {
        m_errori += errore(j, 0);
        const int variazione = errore(j, 1) - errore(j, 0);
        for (std::uint32_t n = m_primoNumero[j]; n < m_primoNumero[j + 1]; ++n) {
            auto& cella = m_differenza[m_numeri[n]];
            cella = static_cast<std::int16_t>(cella + variazione);
        }
    }
}

Maschera90 PrefissoNumeri::ultimiAccettati() const
{
    const int soglia = m_massimoErrori - m_errori;
    Maschera90 accettati;
#if defined(__SSE2__)
    // Sixteen numbers to a step: the cells above the threshold as bytes, then as bits.
    const __m128i limite = _mm_set1_epi16(static_cast<std::int16_t>(std::clamp(soglia, -32768, 32767)));
    std::array<std::uint64_t, 6> sedicesimi{};
    for (std::size_t c = 0; c < sedicesimi.size(); ++c) {
        const auto* cella = m_differenza.data() + 1 + 16 * c;
        const __m128i primi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cella));
        const __m128i secondi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cella + 8));
        const __m128i oltre =
            _mm_packs_epi16(_mm_cmpgt_epi16(primi, limite), _mm_cmpgt_epi16(secondi, limite));
        sedicesimi[c] = static_cast<std::uint16_t>(~_mm_movemask_epi8(oltre));
    }
    accettati.basso = sedicesimi[0] | sedicesimi[1] << 16 | sedicesimi[2] << 32 | sedicesimi[3] << 48;
    accettati.alto = sedicesimi[4] | sedicesimi[5] << 16;
#else
    for (int x = 1; x <= 90; ++x) {
        if (m_differenza[static_cast<std::size_t>(x)] <= soglia) {
            accettati.aggiungi(x);
        }
    }
#endif
    return accettati;
}

namespace {

// d[i] = max(d[i], o[i]) for the 8 cells of a block: one instruction where the processor has it.
inline void MassimoBlocco(UsciteSottoinsiemi::Cella* d, const UsciteSottoinsiemi::Cella* o)
{
    static_assert(UsciteSottoinsiemi::Blocco * sizeof(UsciteSottoinsiemi::Cella) == 16);
#if defined(__SSE2__)
    const __m128i massimo = _mm_max_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d)),
                                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(o)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), massimo);
#else
    for (int i = 0; i < UsciteSottoinsiemi::Blocco; ++i) {
        d[i] = std::max(d[i], o[i]);
    }
#endif
}

} // namespace

PrefissoConfronti::PrefissoConfronti(const UsciteSottoinsiemi& uscite, const FiltroConfronti& filtro,
                                     std::int32_t riferimento)
    : m_uscite(uscite), m_massimoErrori(filtro.massimoErrori()), m_livelli(11)
{
    for (const auto& c : filtro.confronti()) {
        m_finestre.emplace_back(std::max<std::int32_t>(1, riferimento - c.estrazioni), c.punteggi);
    }
    // The empty prefix: the sets of one number are the row of the empty set.
    Livello& radice = m_livelli[0];
    const UsciteSottoinsiemi::Cella* singoli = uscite.riga(1, 0);
    std::copy(singoli, singoli + UsciteSottoinsiemi::Colonne, radice.righe[0].begin());
    radice.quanti = m_ranghi.quanti;
}

void PrefissoConfronti::entra(int y)
{
    if (m_sospeso) {
        materializza();
    }
    const Livello& padre = m_livelli[m_profondita];
    Livello& figlio = m_livelli[m_profondita + 1];
    for (std::size_t s = 0; s < 5; ++s) {
        figlio.ultime[s] =
            std::max<std::int32_t>(padre.ultime[s], padre.righe[s][static_cast<std::size_t>(y)]);
    }
    m_ranghi.aggiungi(y - 1);
    figlio.quanti = m_ranghi.quanti;
    m_nuovo = y;
    m_sospeso = true;
    ++m_profondita;
}

void PrefissoConfronti::esci(int /*y*/)
{
    // The subsets y made were appended after those of the shorter prefix.
    m_sospeso = false;
    --m_profondita;
    m_ranghi.quanti = m_livelli[m_profondita].quanti;
}

void PrefissoConfronti::materializza()
{
    using U = UsciteSottoinsiemi;
    // The next numbers are above the new one: the rows from the block holding it + 1.
    const int primoBlocco = (m_nuovo + 1) / U::Blocco;
    const auto daBlocco = static_cast<std::uint16_t>(~((1U << primoBlocco) - 1U));
    const Livello& padre = m_livelli[m_profondita - 1];
    Livello& figlio = m_livelli[m_profondita];
    for (int s = 1; s <= 5; ++s) {
        const auto i = static_cast<std::size_t>(s - 1);
        U::Cella* riga = figlio.righe[i].data();
        std::copy(padre.righe[i].begin() + primoBlocco * U::Blocco, padre.righe[i].end(),
                  riga + primoBlocco * U::Blocco);
        // The (s-1)-subsets holding the new number are those aggiungi appended.
        const auto& ranghi = m_ranghi.ranghi[i];
        for (int r = padre.quanti[i]; r < figlio.quanti[i]; ++r) {
            const std::uint32_t rango = ranghi[static_cast<std::size_t>(r)];
            // The bitmap of the rows in use is small enough to stay in the cache; most rows are empty.
            if (!m_uscite.piena(s, rango)) {
                continue;
            }
            if (s <= 4) {
                const U::Cella* sorgente = m_uscite.riga(s, rango);
                for (auto blocchi = static_cast<unsigned>(m_uscite.blocchi(s, rango) & daBlocco);
                     blocchi != 0; blocchi &= blocchi - 1) {
                    const int b = std::countr_zero(blocchi);
                    MassimoBlocco(riga + b * U::Blocco, sorgente + b * U::Blocco);
                }
            } else {
                m_uscite.perOgniCinquina(rango, [&](int quinto, std::int32_t u) {
                    riga[quinto] = std::max(riga[quinto], static_cast<U::Cella>(u));
                });
            }
        }
    }
    m_sospeso = false;
}

void PrefissoConfronti::preparaUltimi(int da)
{
    using U = UsciteSottoinsiemi;
    if (m_sospeso) {
        materializza();
    }
    const Livello& livello = m_livelli[m_profondita];
    const int primoBlocco = da / U::Blocco;
#if defined(__SSE2__)
    // Per lane x: the last draw of each size (the prefix's own or the rows'), then per window the score
    // as minus the count of sizes inside it, its allowed-ness by equality with the allowed scores, and
    // the errors; the latest draws fall with the size, so the count is the score.
    __m128i prefisso[5];
    for (std::size_t s = 0; s < 5; ++s) {
        prefisso[s] = _mm_set1_epi16(static_cast<std::int16_t>(livello.ultime[s]));
    }
    const __m128i uno = _mm_set1_epi16(1);
    const __m128i limite =
        _mm_set1_epi16(static_cast<std::int16_t>(std::min<std::int32_t>(m_massimoErrori, 1000) + 1));
    for (int b = primoBlocco; b < U::Colonne / U::Blocco; ++b) {
        __m128i ultime[5];
        for (std::size_t s = 0; s < 5; ++s) {
            const auto* riga = reinterpret_cast<const __m128i*>(livello.righe[s].data() + b * U::Blocco);
            ultime[s] = _mm_max_epi16(prefisso[s], _mm_load_si128(riga));
        }
        __m128i errori = _mm_setzero_si128();
        for (const auto& [inizio, punteggi] : m_finestre) {
            const __m128i soglia = _mm_set1_epi16(static_cast<std::int16_t>(inizio - 1));
            __m128i menoPunteggio = _mm_setzero_si128();
            for (const auto& u : ultime) {
                menoPunteggio = _mm_add_epi16(menoPunteggio, _mm_cmpgt_epi16(u, soglia));
            }
            __m128i ammesso = _mm_setzero_si128();
            for (int v = 0; v <= 5; ++v) {
                if (((punteggi >> v) & 1U) != 0) {
                    ammesso =
                        _mm_or_si128(ammesso, _mm_cmpeq_epi16(menoPunteggio,
                                                              _mm_set1_epi16(static_cast<std::int16_t>(-v))));
                }
            }
            errori = _mm_add_epi16(errori, _mm_andnot_si128(ammesso, uno));
        }
        const __m128i passa = _mm_and_si128(_mm_cmpgt_epi16(limite, errori), uno);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(m_accettato.data() + b * U::Blocco),
                         _mm_packs_epi16(passa, _mm_setzero_si128()));
    }
#else
    for (int x = primoBlocco * U::Blocco; x < U::Colonne; ++x) {
        std::array<std::int32_t, 5> ultime{};
        for (std::size_t s = 0; s < 5; ++s) {
            ultime[s] =
                std::max<std::int32_t>(livello.ultime[s], livello.righe[s][static_cast<std::size_t>(x)]);
        }
        std::int32_t errori = 0;
        for (const auto& [inizio, punteggi] : m_finestre) {
            int punteggio = 0;
            for (std::size_t s = 0; s < 5; ++s) {
                punteggio += ultime[s] >= inizio ? 1 : 0;
            }
            errori += ((punteggi >> punteggio) & 1U) == 0 ? 1 : 0;
        }
        m_accettato[static_cast<std::size_t>(x)] = errori <= m_massimoErrori ? 1 : 0;
    }
#endif
}
