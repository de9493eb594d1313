#pragma once

#include "core/giocata.h"
#include "reductions/esecuzione_filtro.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

// The prediction mode of the filter reductions as a depth-first walk of the k-combinations of the
// prediction, in the lexicographic order of CombinazioniPronostico. A test that keeps its state along
// the prefix judges the last number of a combination in a few table look-ups: the work that depends
// only on the first k - 1 numbers is done once per prefix instead of once per candidate, which keeps
// a filter over 44 million candidates near the cost of writing them out.
//
// Stato provides:
//   void entra(int x);          the prefix grows by x (larger than every number in it)
//   void esci(int x);           and shrinks again
//   void preparaUltimi(int da); before the last numbers from da up are judged
//   bool accettaUltimo(int x) const;
template <typename Stato> class PercorsoPronostico
{
public:
    // fisse: the numbers the play must hold (ContieneFisse), empty when they do not count.
    PercorsoPronostico(const std::vector<std::uint8_t>& pronostico, int k,
                       const std::vector<std::uint8_t>& fisse, Stato& stato)
        : m_pronostico(pronostico), m_k(k), m_stato(stato), m_fisseRichieste(static_cast<int>(fisse.size()))
    {
        for (const auto f : fisse) {
            if (f >= 1 && f <= 90) {
                m_fissa[f] = 1;
            }
        }
    }

    void esegui(RaccoltaCandidati& raccolta)
    {
        if (m_k < 1 || m_k > 10 || static_cast<int>(m_pronostico.size()) < m_k) {
            return;
        }
        Tipo_Giocata giocata{};
        (void)discendi(0, 0, 0, giocata, raccolta);
    }

private:
    // A value read from bytes through a copy of its own, so that it stays in a register.
    template <typename T> static T Carica(const std::uint8_t* byte)
    {
        T valore;
        std::memcpy(&valore, byte, sizeof valore);
        return valore;
    }

    bool discendi(int profondita, std::size_t primo, int fissePrefisso, Tipo_Giocata& giocata,
                  RaccoltaCandidati& raccolta)
    {
        const auto p = static_cast<std::size_t>(profondita);
        if (profondita + 1 == m_k) {
            m_stato.preparaUltimi(m_pronostico[primo]);
            // The fixed numbers missing from the prefix: none, or one that the last number must be.
            const int mancanti = m_fisseRichieste - fissePrefisso;
            // The candidate is assembled in two integers and stored whole: writing its last byte and
            // then copying the ten bytes out would stall every copy on the byte store.
            const std::uint64_t basso = Carica<std::uint64_t>(giocata.data());
            const std::uint16_t alto = Carica<std::uint16_t>(giocata.data() + sizeof basso);
            const unsigned spostamento = 8U * static_cast<unsigned>(p < 8 ? p : p - 8);
            const auto giudica = [&](std::size_t i) {
                const int x = m_pronostico[i];
                if (mancanti > m_fissa[static_cast<std::size_t>(x)] || !m_stato.accettaUltimo(x)) {
                    return true;
                }
                const auto ultimo = static_cast<std::uint64_t>(x) << spostamento;
                const std::uint64_t b = p < 8 ? basso | ultimo : basso;
                const auto a = static_cast<std::uint16_t>(p < 8 ? alto : alto | ultimo);
                Tipo_Giocata candidata;
                std::memcpy(candidata.data(), &b, sizeof b);
                std::memcpy(candidata.data() + sizeof b, &a, sizeof a);
                return raccolta.accettata(candidata);
            };
            // Most runs of last numbers end before the next poll: they are counted at once.
            if (raccolta.esaminateSenzaVerifica(static_cast<std::int64_t>(m_pronostico.size() - primo))) {
                for (std::size_t i = primo; i < m_pronostico.size(); ++i) {
                    if (!giudica(i)) {
                        return false;
                    }
                }
                return true;
            }
            for (std::size_t i = primo; i < m_pronostico.size(); ++i) {
                if (!giudica(i) || !raccolta.esaminata()) {
                    return false;
                }
            }
            return true;
        }
        const std::size_t ultimo = m_pronostico.size() - static_cast<std::size_t>(m_k - profondita - 1);
        for (std::size_t i = primo; i < ultimo; ++i) {
            const int x = m_pronostico[i];
            giocata[p] = static_cast<std::uint8_t>(x);
            m_stato.entra(x);
            const bool avanti =
                discendi(profondita + 1, i + 1, fissePrefisso + m_fissa[static_cast<std::size_t>(x)], giocata,
                         raccolta);
            m_stato.esci(x);
            if (!avanti) {
                return false;
            }
        }
        giocata[p] = 0;
        return true;
    }

    const std::vector<std::uint8_t>& m_pronostico;
    int m_k;
    Stato& m_stato;
    int m_fisseRichieste;
    std::array<std::uint8_t, 91> m_fissa{};
};
