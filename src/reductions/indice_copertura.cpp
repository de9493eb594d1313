#include "reductions/indice_copertura.h"

#include <algorithm>
#include <new>

namespace dettaglio_copertura {

TabellaPassi::TabellaPassi()
{
    for (int j = 0; j <= 4; ++j) {
        std::int64_t totale = 0;
        somma[static_cast<std::size_t>(j)][0] = 0;
        for (int a = 1; a <= NumeroMassimo; ++a) {
            // C(90 - a, j)
            std::int64_t c = 1;
            const int n = NumeroMassimo - a;
            if (n < j) {
                c = 0;
            } else {
                for (int i = 1; i <= j; ++i) {
                    c = c * (n - j + i) / i;
                }
            }
            totale += c;
            somma[static_cast<std::size_t>(j)][static_cast<std::size_t>(a)] =
                static_cast<std::int32_t>(totale);
        }
    }
}

const TabellaPassi& Passi()
{
    static const TabellaPassi passi;
    return passi;
}

} // namespace dettaglio_copertura

std::int32_t RangoCombinazione(const std::uint8_t* ordinati, int t)
{
    const auto& p = dettaglio_copertura::Passi();
    std::int32_t rango = 1;
    int precedente = 0;
    for (int i = 1; i <= t; ++i) {
        const int numero = ordinati[i - 1];
        rango += dettaglio_copertura::Passo(p, t, i, precedente, numero);
        precedente = numero;
    }
    return rango;
}

std::int32_t CombinazioniNovanta(int t)
{
    static constexpr std::array<std::int32_t, 6> totali{1, 90, 4005, 117480, 2555190, 43949268};
    return t >= 0 && t <= 5 ? totali[static_cast<std::size_t>(t)] : 0;
}

bool InsiemeCombinazioni::prenota(int t)
{
    if (t < 1 || t > 5) {
        rilascia();
        return false;
    }
    const auto parole = (static_cast<std::size_t>(CombinazioniNovanta(t)) + 63) / 64;
    if (m_t == t && m_bit.size() == parole) {
        svuota();
        return true;
    }
    rilascia();
    try {
        m_bit.assign(parole, 0);
    } catch (const std::bad_alloc&) {
        rilascia();
        return false;
    }
    m_t = t;
    return true;
}

void InsiemeCombinazioni::rilascia()
{
    std::vector<std::uint64_t>().swap(m_bit);
    m_t = 0;
}

void InsiemeCombinazioni::svuota()
{
    std::fill(m_bit.begin(), m_bit.end(), 0);
}

NumeriOrdinati::NumeriOrdinati(const Tipo_Giocata& giocata, int massimo)
{
    const int limite = std::clamp(massimo, 0, NumeriMassimiPerGiocata);
    while (quanti < limite && giocata[static_cast<std::size_t>(quanti)] != 0) {
        numeri[static_cast<std::size_t>(quanti)] = giocata[static_cast<std::size_t>(quanti)];
        ++quanti;
    }
    // At most ten numbers, usually already ascending: insertion sort costs one pass then.
    for (int i = 1; i < quanti; ++i) {
        const std::uint8_t x = numeri[static_cast<std::size_t>(i)];
        int j = i;
        while (j > 0 && numeri[static_cast<std::size_t>(j - 1)] > x) {
            numeri[static_cast<std::size_t>(j)] = numeri[static_cast<std::size_t>(j - 1)];
            --j;
        }
        numeri[static_cast<std::size_t>(j)] = x;
    }
}

bool IndiceCopertura::prenota(int t)
{
    return m_insieme.prenota(t);
}

void IndiceCopertura::aggiungi(const Tipo_Giocata& giocata)
{
    const NumeriOrdinati n(giocata);
    PerOgniSottoinsieme(n.numeri.data(), n.quanti, m_insieme.t(), [this](std::int32_t rango) {
        m_insieme.segna(rango);
        return true;
    });
}

bool IndiceCopertura::coperta(const Tipo_Giocata& candidato, int s) const
{
    const NumeriOrdinati n(candidato, s == 0 ? NumeriMassimiPerGiocata : s);
    bool trovata = false;
    PerOgniSottoinsieme(n.numeri.data(), n.quanti, m_insieme.t(), [&](std::int32_t rango) {
        trovata = m_insieme.contiene(rango);
        return !trovata;
    });
    return trovata;
}

SegniCandidato::SegniCandidato(const Tipo_Giocata& candidato, int s)
{
    const int limite = s == 0 ? NumeriMassimiPerGiocata : std::clamp(s, 0, NumeriMassimiPerGiocata);
    for (int i = 0; i < limite && candidato[static_cast<std::size_t>(i)] != 0; ++i) {
        m_segni[candidato[static_cast<std::size_t>(i)]] = 1;
        ++m_quanti;
    }
}

bool CopertaLetterale(const Tipo_Giocata& candidato, int s, const Tipo_Giocata* giocate, std::size_t quante,
                      int t)
{
    const SegniCandidato segni(candidato, s);
    for (std::size_t i = 0; i < quante; ++i) {
        if (segni.comuni(giocate[i]) >= t) {
            return true;
        }
    }
    return false;
}
