#include "reductions/giudici_filtro.h"

#include <algorithm>

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
