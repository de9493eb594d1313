#include "coperture/cella.h"

std::optional<std::string> ControllaCella(const Cella& c)
{
    if (c.t < 1 || c.t > BersaglioMassimo) {
        return "t deve essere compreso fra 1 e " + std::to_string(BersaglioMassimo);
    }
    if (c.p < c.t || c.p > BersaglioMassimo) {
        return "p deve essere compreso fra t e " + std::to_string(BersaglioMassimo);
    }
    if (c.tipo == TipoDisegno::Ortogonale && c.p != c.t) {
        return "per le coperture p coincide con t";
    }
    if (c.k < c.t || c.k > BloccoMassimo) {
        return "k deve essere compreso fra t e " + std::to_string(BloccoMassimo);
    }
    if (c.v < c.k || c.v < c.p || c.v > PuntiMassimi) {
        return "v deve essere compreso fra k e " + std::to_string(PuntiMassimi);
    }
    return std::nullopt;
}

const char* NomeTipo(TipoDisegno tipo)
{
    return tipo == TipoDisegno::Ortogonale ? "ortogonale" : "garanzia";
}

std::string NomeFileCella(const Cella& c)
{
    return "v" + std::to_string(c.v) + "-k" + std::to_string(c.k) + "-p" + std::to_string(c.p) + "-t" +
           std::to_string(c.t) + ".txt";
}
