#include "reductions/valori_giocata.h"

#include "core/conta_bit.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

// The longest run of set bits among the first n.
int SequenzaMassima(unsigned bit, int n)
{
    // Walks the elements: an element of the wanted kind lengthens the current run, any other first
    // raises the best run, then resets the current one; the larger of the two at the end.
    int corrente = 0;
    int migliore = 0;
    for (int i = 0; i < n; ++i) {
        if ((bit >> i) & 1U) {
            ++corrente;
        } else {
            migliore = std::max(migliore, corrente);
            corrente = 0;
        }
    }
    return std::max(migliore, corrente);
}

} // namespace

void ValoriParita(int m, unsigned dispari, ValoriGiocata& v)
{
    const unsigned tutti = m >= 1 ? (1U << m) - 1U : 0U;
    const unsigned pari = ~dispari & tutti;
    v.dispari = ContaBit(dispari);
    v.pari = m - v.dispari;
    v.sequenzaPari = SequenzaMassima(pari, m);
    v.sequenzaDispari = SequenzaMassima(dispari, m);
    // Gap i joins numbers i and i + 1.
    const unsigned cambi = m >= 2 ? (dispari ^ (dispari >> 1)) & ((1U << (m - 1)) - 1U) : 0U;
    v.interruzioni = ContaBit(cambi);
    v.interruzioniConsecutive = SequenzaMassima(cambi, m - 1);
    v.simmetriePari = v.simmetrieDispari = v.paralleliPari = v.paralleliDispari = 0;
    const int meta = m / 2;
    for (int c = 0; c < meta; ++c) {
        const unsigned a = (dispari >> c) & 1U;
        const unsigned specchio = (dispari >> (m - 1 - c)) & 1U;
        const unsigned parallelo = (dispari >> (c + meta)) & 1U;
        v.simmetriePari += (a == 0 && specchio == 0) ? 1 : 0;
        v.simmetrieDispari += (a == 1 && specchio == 1) ? 1 : 0;
        v.paralleliPari += (a == 0 && parallelo == 0) ? 1 : 0;
        v.paralleliDispari += (a == 1 && parallelo == 1) ? 1 : 0;
    }
}

double MediaDi(int somma, int quanti)
{
    return static_cast<double>(somma) / static_cast<double>(quanti);
}

ValoriGiocata CalcolaValori(const Tipo_Giocata& giocata)
{
    ValoriGiocata v;
    unsigned dispari = 0;
    while (v.m < NumeriMassimiPerGiocata && giocata[static_cast<std::size_t>(v.m)] != 0) {
        const int a = giocata[static_cast<std::size_t>(v.m)];
        if (a % 2 != 0) {
            dispari |= 1U << v.m;
            v.sommaDispari += a;
        } else {
            v.sommaPari += a;
        }
        v.somma += a;
        ++v.m;
    }
    ValoriParita(v.m, dispari, v);
    if (v.m >= 2) {
        v.differenzaMinima = 1000;
        for (int i = 1; i < v.m; ++i) {
            const int d = giocata[static_cast<std::size_t>(i)] - giocata[static_cast<std::size_t>(i - 1)];
            v.differenzaMinima = std::min(v.differenzaMinima, d);
            v.differenzaMassima = std::max(v.differenzaMassima, d);
            v.consecutivi += d == 1 ? 1 : 0;
        }
        v.differenzaTotale = giocata[static_cast<std::size_t>(v.m - 1)] - giocata[0];
    }
    for (int i = 0; i < v.m; ++i) {
        for (int j = i + 1; j < v.m; ++j) {
            const int a = giocata[static_cast<std::size_t>(i)];
            const int b = giocata[static_cast<std::size_t>(j)];
            v.simmetrie += a + b == 91 ? 1 : 0;
            v.paralleli += std::abs(b - a) == 45 ? 1 : 0;
        }
    }
    return v;
}
