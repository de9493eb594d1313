#include "reductions/criteri_condizioni.h"

namespace {

constexpr bool RigheInOrdine()
{
    for (int i = 0; i < VociCondizioni; ++i) {
        if (Descrizione(CriterioDi(i)).criterio != CriterioDi(i)) {
            return false;
        }
    }
    return true;
}

// The stored record holds the interval lists of one run of criteria and sets of at most 11 values
// (24 error counts apart); a table that broke either would break the file format.
constexpr bool FormeComeNelRecord()
{
    for (Criterio c : Criteri) {
        const bool nellaSerie =
            Indice(c) >= Indice(PrimoCriterioIntervalli) && Indice(c) <= Indice(UltimoCriterioIntervalli);
        if (Descrizione(c).intervalli() != nellaSerie || Descrizione(c).valoriInsieme() > 11) {
            return false;
        }
    }
    return !Descrizione(Criterio::ErroriConsentiti).intervalli() &&
           Descrizione(Criterio::ErroriConsentiti).valoriInsieme() == CriteriCondizioni;
}

static_assert(RigheInOrdine());
static_assert(FormeComeNelRecord());

} // namespace

bool CriterioValutato(Criterio criterio, const ValoriGiocata& v)
{
    switch (Descrizione(criterio).valutazione) {
    case ValutazioneCriterio::ConPari:
        return v.pari > 0;
    case ValutazioneCriterio::ConDispari:
        return v.dispari > 0;
    case ValutazioneCriterio::DaDueNumeri:
        return v.m >= 2;
    case ValutazioneCriterio::Sempre:
        break;
    }
    return true;
}

double ValoreCriterio(Criterio criterio, const ValoriGiocata& v)
{
    const auto valore = Descrizione(criterio).valore;
    return valore != nullptr ? valore(v) : 0.0;
}
