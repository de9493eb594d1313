#pragma once

#include "core/giocata.h"
#include "reductions/esecuzione_filtro.h"
#include "reductions/record_filtri.h"

#include <algorithm>
#include <array>
#include <concepts>
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
// and either judges the last numbers one by one:
//   void preparaUltimi(int da); before the last numbers from da up are judged
//   bool accettaUltimo(int x) const;
// or all at once (which spares a branch per candidate that no predictor can guess):
//   Maschera90 ultimiAccettati() const;
template <typename Stato>
concept StatoConMaschera = requires(const Stato& stato)
{
    {
        stato.ultimiAccettati()
        } -> std::same_as<Maschera90>;
};

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
                m_maschereFisse.aggiungi(f);
            }
        }
        // The numbers of the prediction from each position on; their ascending bits give the
        // candidates in the walk's order when the prediction is ascending.
        m_daPosizione.resize(pronostico.size() + 1);
        for (std::size_t i = pronostico.size(); i-- > 0;) {
            m_daPosizione[i] = m_daPosizione[i + 1];
            m_daPosizione[i].aggiungi(pronostico[i]);
            m_ascendente = m_ascendente && (i + 1 == pronostico.size() || pronostico[i] < pronostico[i + 1]);
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

    // The candidates of one prefix: the prefix in two integers, the last number or'ed in and the play
    // stored whole (writing its last byte and then copying the ten bytes out would stall every copy
    // on the byte store).
    class Candidati
    {
    public:
        Candidati(const Tipo_Giocata& prefisso, std::size_t lunghezza)
            : m_basso(Carica<std::uint64_t>(prefisso.data())),
              m_alto(Carica<std::uint16_t>(prefisso.data() + sizeof m_basso)), m_nelBasso(lunghezza < 8),
              m_spostamento(8U * static_cast<unsigned>(lunghezza < 8 ? lunghezza : lunghezza - 8))
        {}
        void scrivi(Tipo_Giocata& candidata, int x) const
        {
            const auto ultimo = static_cast<std::uint64_t>(x) << m_spostamento;
            const std::uint64_t b = m_nelBasso ? m_basso | ultimo : m_basso;
            const auto a = static_cast<std::uint16_t>(m_nelBasso ? m_alto : m_alto | ultimo);
            std::memcpy(candidata.data(), &b, sizeof b);
            std::memcpy(candidata.data() + sizeof b, &a, sizeof a);
        }

    private:
        std::uint64_t m_basso;
        std::uint16_t m_alto;
        bool m_nelBasso;
        unsigned m_spostamento;
    };

    static bool Aggiungi(const Candidati& candidati, int x, RaccoltaCandidati& raccolta)
    {
        Tipo_Giocata candidata;
        candidati.scrivi(candidata, x);
        return raccolta.accettata(candidata);
    }

    // The last numbers from position primo on, each accepted one added; false when the run ends.
    template <typename Accettato>
    bool UnoAUno(std::size_t primo, const Candidati& candidati, const Accettato& accettato,
                 RaccoltaCandidati& raccolta) const
    {
        const auto esaminate = static_cast<std::int64_t>(m_pronostico.size() - primo);
        // Most runs end before the next poll: they are counted at once.
        const bool senzaVerifica = raccolta.esaminateSenzaVerifica(esaminate);
        for (std::size_t i = primo; i < m_pronostico.size(); ++i) {
            const int x = m_pronostico[i];
            if ((accettato(x) && !Aggiungi(candidati, x, raccolta)) ||
                (!senzaVerifica && !raccolta.esaminata())) {
                return false;
            }
        }
        return true;
    }

    // The accepted last numbers as a mask, in stretches that end at the next poll: each stretch goes
    // straight into the list (where no duplicate can arise), then the poll falls on the same candidate
    // as one by one.
    bool ConMaschera(std::size_t primo, Maschera90 accettati, const Candidati& candidati,
                     RaccoltaCandidati& raccolta) const
    {
        const std::size_t fine = m_pronostico.size();
        for (std::size_t i = primo; i < fine;) {
            const std::size_t limite =
                static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(fine - i),
                                                                raccolta.primaDellaVerifica())) +
                i;
            const Maschera90 tratto = accettati & m_daPosizione[i] & ~m_daPosizione[limite];
            const auto quanti = static_cast<std::int64_t>(tratto.numeri());
            if (Tipo_Giocata* prossima = raccolta.spazio(quanti)) {
                tratto.perOgniNumero([&](int x) {
                    candidati.scrivi(*prossima++, x);
                    return true;
                });
                raccolta.scritte(quanti);
            } else if (!tratto.perOgniNumero([&](int x) { return Aggiungi(candidati, x, raccolta); })) {
                return false;
            }
            if (!raccolta.esaminate(static_cast<std::int64_t>(limite - i))) {
                return false;
            }
            i = limite;
        }
        return true;
    }

    bool ultimi(std::size_t primo, int fissePrefisso, const Tipo_Giocata& giocata,
                RaccoltaCandidati& raccolta)
    {
        const Candidati candidati(giocata, static_cast<std::size_t>(m_k - 1));
        // The fixed numbers missing from the prefix: none, or one that the last number must be.
        const int mancanti = m_fisseRichieste - fissePrefisso;
        if constexpr (StatoConMaschera<Stato>) {
            Maschera90 accettati = m_stato.ultimiAccettati();
            if (mancanti > 0) {
                accettati = mancanti == 1 ? accettati & m_maschereFisse : Maschera90{};
            }
            if (m_ascendente) {
                return ConMaschera(primo, accettati, candidati, raccolta);
            }
            return UnoAUno(
                primo, candidati, [&](int x) { return accettati.contiene(x); }, raccolta);
        } else {
            m_stato.preparaUltimi(m_pronostico[primo]);
            return UnoAUno(
                primo, candidati,
                [&](int x) {
                    return mancanti <= m_fissa[static_cast<std::size_t>(x)] && m_stato.accettaUltimo(x);
                },
                raccolta);
        }
    }

    bool discendi(int profondita, std::size_t primo, int fissePrefisso, Tipo_Giocata& giocata,
                  RaccoltaCandidati& raccolta)
    {
        if (profondita + 1 == m_k) {
            return ultimi(primo, fissePrefisso, giocata, raccolta);
        }
        const auto p = static_cast<std::size_t>(profondita);
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
    Maschera90 m_maschereFisse;
    std::vector<Maschera90> m_daPosizione;
    bool m_ascendente = true;
};
