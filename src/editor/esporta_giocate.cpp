#include "editor/esporta_giocate.h"

#include "core/file_binario.h"

#include <cstdint>
#include <span>

std::string TestoGiocate(const ElencoGiocate& giocate)
{
    std::string testo;
    // At most 10 numbers of 2 digits with their separators: 30 characters per line.
    testo.reserve(static_cast<std::size_t>(giocate.conteggio()) * 16);
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        const Tipo_Giocata& g = giocate.voce(i);
        for (int j = 0; j < NumeriMassimiPerGiocata && g[static_cast<std::size_t>(j)] != 0; ++j) {
            const int n = g[static_cast<std::size_t>(j)];
            if (j > 0) {
                testo += ' ';
            }
            if (n >= 10) {
                testo += static_cast<char>('0' + n / 10);
            }
            testo += static_cast<char>('0' + n % 10);
        }
        testo += '\n';
    }
    return testo;
}

bool EsportaGiocate(const ElencoGiocate& giocate, const std::string& percorso)
{
    const std::string testo = TestoGiocate(giocate);
    return ScriviFileAtomico(percorso,
                             std::span(reinterpret_cast<const std::uint8_t*>(testo.data()), testo.size()));
}
