#pragma once

#include "core/giocata.h"

#include <array>
#include <cstdint>
#include <vector>

// Coverage of candidate combinations by a set of plays, without scanning the plays.
//
// Two plays share at least t numbers exactly when some t-number subset of the one is a subset of the
// other. So a set of plays is summarised by the set of the t-number subsets they contain, one bit per
// t-combination of 1..90 ranked with IndiceCombinazione (4005, 117,480, 2,555,190 and 43,949,268 bits
// for t = 2..5), and "some play shares at least t numbers with candidate c" costs C(s, t) look-ups for a
// candidate of s numbers, whatever the number of plays. With s = t the same look-up answers "some play
// contains all of c" (the orthogonal guarantee), in one bit.

// Lexicographic rank of t ascending numbers 1..90 (t = 1..5) among the t-combinations of 1..90, the
// same value as IndiceCombinazione: (1, 2) is 1, (89, 90) is 4005. Costs 2t table look-ups.
[[nodiscard]] std::int32_t RangoCombinazione(const std::uint8_t* ordinati, int t);

// C(90, t) for t = 0..5: the number of t-combinations, so the size of a bit set indexed by their rank.
[[nodiscard]] std::int32_t CombinazioniNovanta(int t);

// A set of t-combinations of 1..90 (t = 1..5): one bit per rank, bit rank - 1, least significant bit
// first within each byte. The bit set of the five-number path (MappaCinquine) and of the orthogonal
// runs is one of these.
class InsiemeCombinazioni
{
public:
    InsiemeCombinazioni() = default;
    // Reserves C(90, t) bits, all clear; false (and the set left without storage) when t is out of
    // range or the memory is not available. Reserving again with the same t only clears the bits.
    [[nodiscard]] bool prenota(int t);
    void rilascia();
    bool prenotato() const { return !m_bit.empty(); }
    int t() const { return m_t; }
    // Clears every bit, keeping the storage.
    void svuota();

    // rango 1..C(90, t), on a reserved set.
    bool contiene(std::int32_t rango) const
    {
        const auto b = static_cast<std::uint32_t>(rango - 1);
        return ((m_bit[b >> 6] >> (b & 63U)) & 1U) != 0;
    }
    void segna(std::int32_t rango)
    {
        const auto b = static_cast<std::uint32_t>(rango - 1);
        m_bit[b >> 6] |= std::uint64_t{1} << (b & 63U);
    }
    // Sets the bit; true when it was clear (the combination is new).
    bool segnaSeNuova(std::int32_t rango)
    {
        const auto b = static_cast<std::uint32_t>(rango - 1);
        const std::uint64_t maschera = std::uint64_t{1} << (b & 63U);
        std::uint64_t& parola = m_bit[b >> 6];
        const bool nuova = (parola & maschera) == 0;
        parola |= maschera;
        return nuova;
    }

private:
    int m_t = 0;
    std::vector<std::uint64_t> m_bit;
};

// Calls visita(rango) for every t-number subset of the s numbers (ascending, distinct, 1..90), in
// lexicographic order of positions, with the subset's rank; stops as soon as visita returns false and
// then returns false. Nothing when t < 1, t > 5 or s < t.
template <typename Visita>
bool PerOgniSottoinsieme(const std::uint8_t* ordinati, int s, int t, Visita&& visita);

// The numbers of a play, counted slot by slot until the first empty slot (at most 10), ascending: plays
// that grow by appending in the merge are not sorted until they are complete.
struct NumeriOrdinati
{
    std::array<std::uint8_t, NumeriMassimiPerGiocata> numeri{};
    int quanti = 0;

    explicit NumeriOrdinati(const Tipo_Giocata& giocata, int massimo = NumeriMassimiPerGiocata);
};

// The coverage index of one threshold t (1..5).
class IndiceCopertura
{
public:
    IndiceCopertura() = default;
    // Reserves the bit set for threshold t; false when t is out of 1..5 or the memory is not available.
    [[nodiscard]] bool prenota(int t);
    bool prenotato() const { return m_insieme.prenotato(); }
    int t() const { return m_insieme.t(); }
    // Forgets every play, keeping the storage.
    void svuota() { m_insieme.svuota(); }

    // Records the play (its numbers until the first empty slot): C(m, t) bits for m numbers, none when
    // m < t. Recording a play again after numbers were appended to it records the new subsets.
    void aggiungi(const Tipo_Giocata& giocata);

    // Whether some recorded play shares at least t numbers with the first s numbers of the candidate
    // (s = 0: counted until the first empty slot; any order). C(s, t) look-ups at most; false when
    // s < t.
    [[nodiscard]] bool coperta(const Tipo_Giocata& candidato, int s = 0) const;

    // Whether some recorded play contains all the t numbers of the combination (ascending): one
    // look-up. The same as coperta(c, t).
    [[nodiscard]] bool contenuta(const std::uint8_t* ordinati) const
    {
        return m_insieme.contiene(RangoCombinazione(ordinati, m_insieme.t()));
    }

private:
    InsiemeCombinazioni m_insieme;
};

// The literal tests the index stands for, and the building blocks of the scans that need to know which
// play covers: a 90-flag table of the candidate's numbers, each play counted by table look-up.
class SegniCandidato
{
public:
    // The first s numbers of the candidate (s = 0: until the first empty slot).
    explicit SegniCandidato(const Tipo_Giocata& candidato, int s = 0);
    // Numbers of the play (until its first empty slot) that are also in the candidate.
    [[nodiscard]] int comuni(const Tipo_Giocata& giocata) const
    {
        int n = 0;
        for (std::uint8_t numero : giocata) {
            if (numero == 0) {
                break;
            }
            n += m_segni[numero];
        }
        return n;
    }
    // How many numbers the candidate has.
    int quanti() const { return m_quanti; }

private:
    std::array<std::uint8_t, NumeroMassimo + 1> m_segni{};
    int m_quanti = 0;
};

// The literal coverage: whether one of the plays shares at least t numbers with the candidate.
[[nodiscard]] bool CopertaLetterale(const Tipo_Giocata& candidato, int s, const Tipo_Giocata* giocate,
                                    std::size_t quante, int t);

// Ranks of partial lexicographic sums, shared by RangoCombinazione and PerOgniSottoinsieme:
// passo(t, i, precedente, numero) is the contribution of the i-th number (1-based) given the one before
// (0 for the first), so that the rank is 1 plus the sum of the contributions.
namespace dettaglio_copertura {

struct TabellaPassi
{
    // somma[j][a] = sum over x = 1..a of C(90 - x, j), j = 0..4, a = 0..90.
    std::array<std::array<std::int32_t, NumeroMassimo + 1>, 5> somma{};
    TabellaPassi();
};

const TabellaPassi& Passi();

inline std::int32_t Passo(const TabellaPassi& p, int t, int i, int precedente, int numero)
{
    const auto& s = p.somma[static_cast<std::size_t>(t - i)];
    return s[static_cast<std::size_t>(numero - 1)] - s[static_cast<std::size_t>(precedente)];
}

template <typename Visita>
bool Sottoinsiemi(const TabellaPassi& p, const std::uint8_t* numeri, int s, int t, int i, int da,
                  int precedente, std::int32_t parziale, Visita& visita)
{
    // i: the position being chosen (1..t); da: the first index of numeri it may take.
    for (int j = da; j <= s - (t - i) - 1; ++j) {
        const int numero = numeri[j];
        const std::int32_t rango = parziale + Passo(p, t, i, precedente, numero);
        if (i == t) {
            if (!visita(rango + 1)) {
                return false;
            }
        } else if (!Sottoinsiemi(p, numeri, s, t, i + 1, j + 1, numero, rango, visita)) {
            return false;
        }
    }
    return true;
}

} // namespace dettaglio_copertura

template <typename Visita>
bool PerOgniSottoinsieme(const std::uint8_t* ordinati, int s, int t, Visita&& visita)
{
    if (t < 1 || t > 5 || s < t) {
        return true;
    }
    return dettaglio_copertura::Sottoinsiemi(dettaglio_copertura::Passi(), ordinati, s, t, 1, 0, 0, 0,
                                             visita);
}
