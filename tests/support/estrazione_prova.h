#pragma once

#include "core/archivio_storico.h"

#include <cstdint>

namespace test {

// A draw of the given date with data on one wheel only: the five numbers segno, segno+1, ... (segno 1..86).
inline Tipo_Estrazione estrazioneSu(int ruota, int giorno, int mese, int anno, int segno = 1)
{
    Tipo_Estrazione e;
    e.giorno = static_cast<std::uint8_t>(giorno);
    e.mese = static_cast<std::uint8_t>(mese);
    e.setAnno(anno);
    for (int p = 1; p <= 5; ++p) {
        e.setNumero(ruota, p, static_cast<std::uint8_t>(segno + p - 1));
    }
    return e;
}

// A draw of the given date with data on Bari only: the five numbers segno, segno+1, ... (segno 1..86), so
// records of the same date can be told apart.
inline Tipo_Estrazione estrazione(int giorno, int mese, int anno, int segno = 1)
{
    return estrazioneSu(Bari, giorno, mese, anno, segno);
}

// The draw of the n-th day (0-based) after 1 January 1900, counting 28 days a month: a quick source of many
// distinct ascending dates.
inline Tipo_Estrazione estrazioneNumero(int n, int segno = 1)
{
    return estrazione(1 + n % 28, 1 + (n / 28) % 12, 1900 + n / (28 * 12), segno);
}

} // namespace test
