#include "reductions/condizioni_riduzione.h"

#include <cassert>
#include <cstring>

bool ListaIntervalli::contiene(double valore) const
{
    const int n = usati();
    for (int i = 0; i < n; ++i) {
        if (minimi[static_cast<std::size_t>(i)] <= valore && valore <= massimi[static_cast<std::size_t>(i)]) {
            return true;
        }
    }
    return false;
}

bool CondizioniRiduzione::ammesso(Criterio criterio, int valore) const
{
    if (criterio == Criterio::ErroriConsentiti) {
        return erroreAmmesso(valore);
    }
    const DescrizioneCriterio& d = Descrizione(criterio);
    if (Indice(criterio) >= static_cast<std::size_t>(CriteriCondizioni) || d.intervalli() || valore < 0 ||
        valore >= d.valoriInsieme()) {
        return false;
    }
    return insieme(criterio)[static_cast<std::size_t>(valore)] != 0;
}

bool CondizioniRiduzione::erroreAmmesso(int numero) const
{
    // 25 is the result of a play lacking a fixed number: never an error count.
    return numero >= 0 && numero <= CriteriCondizioni && errori[static_cast<std::size_t>(numero)] != 0;
}

std::size_t offset_condizioni::Insieme(Criterio criterio)
{
    assert(!Descrizione(criterio).intervalli() && criterio != Criterio::ErroriConsentiti);
    constexpr std::size_t PrimoInsieme = 25;
    constexpr std::size_t InsiemiDopoLeListe = 17760;
    constexpr auto Passo = CondizioniRiduzione::ValoriPerInsieme;
    if (Indice(criterio) < Indice(PrimoCriterioIntervalli)) {
        return PrimoInsieme + Passo * Indice(criterio);
    }
    return InsiemiDopoLeListe + Passo * (Indice(criterio) - Indice(UltimoCriterioIntervalli) - 1);
}

CondizioniRiduzione CondizioniRiduzione::daBlocco(const BloccoRecord<Dimensione>& b)
{
    namespace o = offset_condizioni;
    CondizioniRiduzione c;
    std::memcpy(c.abilitati.data(), b.data() + o::Abilitati, c.abilitati.size());
    for (Criterio k : Criteri) {
        if (!Descrizione(k).intervalli()) {
            std::memcpy(c.insieme(k).data(), b.data() + o::Insieme(k), ValoriPerInsieme);
        }
    }
    std::memcpy(c.riservati.data(), b.data() + o::Riservati, c.riservati.size());
    for (std::size_t l = 0; l < c.intervalli.size(); ++l) {
        const std::size_t base = o::Liste + l * o::DimensioneLista;
        ListaIntervalli& lista = c.intervalli[l];
        for (std::size_t i = 0; i < static_cast<std::size_t>(ListaIntervalli::Massimo); ++i) {
            lista.minimi[i] = LeggiCampoDouble(b, base + 8 * i);
            lista.massimi[i] = LeggiCampoDouble(b, base + 800 + 8 * i);
        }
        lista.numero = LeggiCampoInt32(b, base + o::ConteggioLista);
        std::memcpy(lista.riservati.data(), b.data() + base + o::ConteggioLista + 4, 4);
    }
    std::memcpy(c.errori.data(), b.data() + o::Errori, c.errori.size());
    return c;
}

BloccoRecord<CondizioniRiduzione::Dimensione> CondizioniRiduzione::blocco() const
{
    namespace o = offset_condizioni;
    BloccoRecord<Dimensione> b{};
    std::memcpy(b.data() + o::Abilitati, abilitati.data(), abilitati.size());
    for (Criterio k : Criteri) {
        if (!Descrizione(k).intervalli()) {
            std::memcpy(b.data() + o::Insieme(k), insieme(k).data(), ValoriPerInsieme);
        }
    }
    std::memcpy(b.data() + o::Riservati, riservati.data(), riservati.size());
    for (std::size_t l = 0; l < intervalli.size(); ++l) {
        const std::size_t base = o::Liste + l * o::DimensioneLista;
        const ListaIntervalli& lista = intervalli[l];
        for (std::size_t i = 0; i < static_cast<std::size_t>(ListaIntervalli::Massimo); ++i) {
            ScriviCampoDouble(b, base + 8 * i, lista.minimi[i]);
            ScriviCampoDouble(b, base + 800 + 8 * i, lista.massimi[i]);
        }
        ScriviCampoInt32(b, base + o::ConteggioLista, lista.numero);
        std::memcpy(b.data() + base + o::ConteggioLista + 4, lista.riservati.data(), 4);
    }
    std::memcpy(b.data() + o::Errori, errori.data(), errori.size());
    return b;
}
