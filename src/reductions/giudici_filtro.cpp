#include "reductions/giudici_filtro.h"

#include <algorithm>
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

void RegistraEstrazione(UsciteSottoinsiemi& uscite, const ArchivioStorico& archivio, const SegniRuote& ruote,
                        std::int32_t estrazione)
{
    const Tipo_Estrazione& e = archivio.estrazione(estrazione);
    for (int w = 1; w <= RuoteArchivio; ++w) {
        if (!RuotaSelezionata(ruote, w) || !e.haDati(w)) {
            continue;
        }
        std::array<std::uint8_t, 5> numeri{};
        for (int p = 1; p <= 5; ++p) {
            numeri[static_cast<std::size_t>(p - 1)] = e.numero(w, p);
        }
        uscite.registra(numeri.data(), 5, estrazione);
    }
}

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
    : m_conteggi(filtro.criteri().size(), 0), m_differenza(filtro.criteri().size(), 0),
      m_massimoErrori(filtro.massimoErrori())
{
    const auto& criteri = filtro.criteri();
    for (const auto& c : criteri) {
        m_ammessi.push_back(c.ammessi);
    }
    for (int x = 1; x <= 90; ++x) {
        m_inizio[static_cast<std::size_t>(x)] = static_cast<std::uint32_t>(m_criteri.size());
        for (std::size_t j = 0; j < criteri.size(); ++j) {
            if (criteri[j].numeri.contiene(x)) {
                m_criteri.push_back(static_cast<std::uint16_t>(j));
            }
        }
    }
    m_inizio[91] = static_cast<std::uint32_t>(m_criteri.size());
}

void PrefissoNumeri::preparaUltimi(int /*da*/)
{
    m_errori = 0;
    for (std::size_t j = 0; j < m_ammessi.size(); ++j) {
        const int senza = ((m_ammessi[j] >> m_conteggi[j]) & 1U) == 0 ? 1 : 0;
        const int con = ((m_ammessi[j] >> (m_conteggi[j] + 1)) & 1U) == 0 ? 1 : 0;
        m_errori += senza;
        m_differenza[j] = static_cast<std::int8_t>(con - senza);
    }
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
    using U = UsciteSottoinsiemi;
    const Livello& padre = m_livelli[m_profondita];
    Livello& figlio = m_livelli[m_profondita + 1];
    for (std::size_t s = 0; s < 5; ++s) {
        figlio.ultime[s] =
            std::max<std::int32_t>(padre.ultime[s], padre.righe[s][static_cast<std::size_t>(y)]);
    }
    m_ranghi.aggiungi(y - 1);
    figlio.quanti = m_ranghi.quanti;
    // The next numbers are above y: the rows from the block holding y + 1.
    const int primoBlocco = (y + 1) / U::Blocco;
    const auto inizio = static_cast<std::size_t>(primoBlocco * U::Blocco);
    for (int s = 1; s <= 5; ++s) {
        const auto i = static_cast<std::size_t>(s - 1);
        std::copy(padre.righe[i].begin() + static_cast<std::ptrdiff_t>(inizio), padre.righe[i].end(),
                  figlio.righe[i].begin() + static_cast<std::ptrdiff_t>(inizio));
        // The (s-1)-subsets holding y are those aggiungi appended.
        const auto& ranghi = m_ranghi.ranghi[i];
        for (int r = padre.quanti[i]; r < figlio.quanti[i]; ++r) {
            const std::uint32_t rango = ranghi[static_cast<std::size_t>(r)];
            if (!m_uscite.piena(s, rango)) {
                continue;
            }
            if (s <= 4) {
                const U::Cella* sorgente = m_uscite.riga(s, rango);
                for (int b = primoBlocco; b < U::Colonne / U::Blocco; ++b) {
                    MassimoBlocco(figlio.righe[i].data() + b * U::Blocco, sorgente + b * U::Blocco);
                }
            } else {
                m_uscite.perOgniCinquina(rango, [&](int quinto, std::int32_t u) {
                    auto& cella = figlio.righe[i][static_cast<std::size_t>(quinto)];
                    cella = std::max(cella, static_cast<U::Cella>(u));
                });
            }
        }
    }
    ++m_profondita;
}

void PrefissoConfronti::esci(int /*y*/)
{
    // The subsets y made were appended after those of the shorter prefix.
    --m_profondita;
    m_ranghi.quanti = m_livelli[m_profondita].quanti;
}
