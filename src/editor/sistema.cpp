#include "editor/sistema.h"

int Sistema::numeriPronostico() const
{
    int n = 0;
    for (auto s : pronostico) {
        n += s != 0 ? 1 : 0;
    }
    return n;
}
