#pragma once

#include "core/giocata.h"

// The structural values of one play that the conditional criteria measure, read from its numbers
// a1 < ... < am up to the first empty slot.
struct ValoriGiocata
{
    int m = 0;
    int pari = 0;
    int dispari = 0;
    int sequenzaPari = 0;
    int sequenzaDispari = 0;
    int somma = 0;
    int sommaPari = 0;
    int sommaDispari = 0;
    int differenzaMinima = 0;
    int differenzaMassima = 0;
    int differenzaTotale = 0;
    int consecutivi = 0;
    int interruzioni = 0;
    int interruzioniConsecutive = 0;
    int simmetrie = 0;
    int simmetriePari = 0;
    int simmetrieDispari = 0;
    int paralleli = 0;
    int paralleliPari = 0;
    int paralleliDispari = 0;
};

// Every value in one pass over the numbers plus one over their pairs; the gap values stay 0 below two
// numbers.
ValoriGiocata CalcolaValori(const Tipo_Giocata& giocata);

// The values that depend only on the parity of the numbers in their order (counts, runs, parity
// changes, even and odd mirror and parallel pairs), for m numbers whose odd positions are the bits of
// `dispari` (bit i for number i + 1). Sets those fields of `valori` and leaves the others alone.
void ValoriParita(int m, unsigned dispari, ValoriGiocata& valori);

// sum / count as a real number; count must not be 0.
double MediaDi(int somma, int quanti);
