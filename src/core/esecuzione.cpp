#include "core/esecuzione.h"

#include <cmath>

int Avanzamento::percentuale() const
{
    if (totale <= 0) {
        return 0;
    }
    double p = std::round(elaborati / totale * 100.0);
    return p < 0 ? 0 : (p > 100 ? 100 : static_cast<int>(p));
}
