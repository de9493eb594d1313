#include "reductions/uscite_sottoinsiemi.h"

#include <algorithm>

namespace {

constexpr std::array<std::size_t, 5> Righe{1, 90, 4005, 117480, 2555190}; // C(90, s - 1) for s = 1..5

} // namespace

const UsciteSottoinsiemi::Binomiali& UsciteSottoinsiemi::TabellaBinomiali()
{
    static const Binomiali tabella = [] {
        Binomiali b{};
        for (std::size_t v = 0; v < b.size(); ++v) {
            b[v][0] = 1;
            for (std::size_t j = 1; j <= DimensioneMassima; ++j) {
                // C(v, j) = C(v - 1, j - 1) + C(v - 1, j)
                b[v][j] = v == 0 ? 0 : b[v - 1][j - 1] + b[v - 1][j];
            }
        }
        return b;
    }();
    return tabella;
}

UsciteSottoinsiemi::UsciteSottoinsiemi()
{
    for (std::size_t s = 1; s <= 4; ++s) {
        m_righe[s - 1].assign(Righe[s - 1] * Colonne, 0);
        m_blocchi[s - 1].assign(Righe[s - 1], 0);
    }
    for (std::size_t s = 1; s <= 5; ++s) {
        m_piene[s - 1].assign(Righe[s - 1] / 64 + 1, 0);
    }
}

const UsciteSottoinsiemi::Cella* UsciteSottoinsiemi::riga(int s, std::uint32_t rango) const
{
    return m_righe[static_cast<std::size_t>(s - 1)].data() + static_cast<std::size_t>(rango) * Colonne;
}

void UsciteSottoinsiemi::aggiorna(int s, std::uint32_t rango, int x, std::int32_t estrazione)
{
    m_piene[static_cast<std::size_t>(s - 1)][rango >> 6] |= std::uint64_t{1} << (rango & 63U);
    if (s <= 4) {
        auto& cella = m_righe[static_cast<std::size_t>(s - 1)]
                             [static_cast<std::size_t>(rango) * Colonne + static_cast<std::size_t>(x)];
        cella = std::max(cella, static_cast<Cella>(estrazione));
        m_blocchi[static_cast<std::size_t>(s - 1)][rango] |= static_cast<std::uint16_t>(1U << (x / Blocco));
        return;
    }
    auto& voci = m_cinquine[rango];
    for (auto& [numero, ultima] : voci) {
        if (numero == x) {
            ultima = std::max(ultima, estrazione);
            return;
        }
    }
    voci.emplace_back(static_cast<std::uint8_t>(x), estrazione);
}

void UsciteSottoinsiemi::registra(const std::uint8_t* numeri, int quanti, std::int32_t estrazione)
{
    PerOgniSottoinsiemeEstratto(
        numeri, quanti, [&](int s, std::uint32_t rango, int x) { aggiorna(s, rango, x, estrazione); });
}

std::array<std::int32_t, UsciteSottoinsiemi::DimensioneMassima>
UsciteSottoinsiemi::ultime(const std::uint8_t* numeri, int k) const
{
    std::array<std::int32_t, DimensioneMassima> ultime{};
    RanghiSottoinsiemi prefisso;
    for (int i = 0; i < k; ++i) {
        const int x = numeri[i];
        for (int s = 1; s <= DimensioneMassima && s <= i + 1; ++s) {
            const auto& ranghi = prefisso.ranghi[static_cast<std::size_t>(s - 1)];
            std::int32_t& ultima = ultime[static_cast<std::size_t>(s - 1)];
            for (int r = 0; r < prefisso.quanti[static_cast<std::size_t>(s - 1)]; ++r) {
                if (s <= 4) {
                    ultima = std::max<std::int32_t>(ultima, riga(s, ranghi[static_cast<std::size_t>(r)])[x]);
                } else {
                    perOgniCinquina(ranghi[static_cast<std::size_t>(r)], [&](int quinto, std::int32_t u) {
                        if (quinto == x) {
                            ultima = std::max(ultima, u);
                        }
                    });
                }
            }
        }
        prefisso.aggiungi(x - 1);
    }
    return ultime;
}
