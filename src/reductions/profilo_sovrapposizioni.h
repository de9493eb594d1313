#pragma once

#include "core/conta_bit.h"
#include "core/giocata.h"
#include "reductions/record_filtri.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

// How much a play overlaps a set of plays, on 90-bit masks: the profile P[0..10], P[c] = plays of the
// set sharing exactly c numbers with it. The plays are kept as two 64-bit words each in one contiguous
// array, so a profile costs two ANDs and two popcounts per play of the set and allocates nothing.

// A play as a 90-bit mask (the bitset of the filter records).
using MascheraNumeri = Maschera90;

using ProfiloSovrapposizioni = std::array<std::int32_t, 11>;

// The numbers up to the play's first empty slot.
inline MascheraNumeri MascheraDi(const Tipo_Giocata& giocata)
{
    MascheraNumeri m;
    for (std::uint8_t x : giocata) {
        if (x == 0 || x > NumeroMassimo) {
            break;
        }
        if (x <= 64) {
            m.basso |= std::uint64_t{1} << (x - 1U);
        } else {
            m.alto |= std::uint64_t{1} << (x - 65U);
        }
    }
    return m;
}

inline int Comuni(const MascheraNumeri& a, const MascheraNumeri& b)
{
    return ContaBit(a.basso & b.basso) + ContaBit(a.alto & b.alto);
}

inline int Quanti(const MascheraNumeri& a)
{
    return ContaBit(a.basso) + ContaBit(a.alto);
}

// A beats B from below: at the first index from 0 upward where they differ, A has more plays.
inline bool BatteDalBasso(const ProfiloSovrapposizioni& a, const ProfiloSovrapposizioni& b)
{
    for (std::size_t c = 0; c < a.size(); ++c) {
        if (a[c] != b[c]) {
            return a[c] > b[c];
        }
    }
    return false;
}

// A beats B from above: at the first index from 10 downward where they differ, A has more plays.
inline bool BatteDallAlto(const ProfiloSovrapposizioni& a, const ProfiloSovrapposizioni& b)
{
    for (std::size_t c = a.size(); c-- > 0;) {
        if (a[c] != b[c]) {
            return a[c] > b[c];
        }
    }
    return false;
}

// The masks of plays 1..count of a list, in order.
template <typename Elenco> void MaschereDi(const Elenco& giocate, std::vector<MascheraNumeri>& maschere)
{
    maschere.clear();
    maschere.reserve(static_cast<std::size_t>(giocate.conteggio()));
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        maschere.push_back(MascheraDi(giocate.voce(i)));
    }
}
