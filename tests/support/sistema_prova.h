#pragma once

#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace test {

// A system on the given numbers, in plays of k, with the given fixed numbers.
inline Sistema Pronostico(const std::vector<int>& numeri, int k, const std::vector<int>& fisse = {})
{
    Sistema s;
    for (int n : numeri) {
        s.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    s.numeriPerGiocata = k;
    for (int f : fisse) {
        s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
    }
    return s;
}

// The n numbers da, da+1, ...
inline std::vector<int> Primi(int n, int da = 1)
{
    std::vector<int> v;
    for (int i = 0; i < n; ++i) {
        v.push_back(da + i);
    }
    return v;
}

// A system on the numbers 1..n, in plays of k, with the given fixed numbers.
inline Sistema PronosticoPrimi(int n, int k, std::initializer_list<int> fisse = {})
{
    return Pronostico(Primi(n), k, fisse);
}

// Develops the system into the list (with or without its fixed numbers) and marks it unmodified.
inline void Sviluppa(Sistema& s, ElencoGiocate& elenco, bool fisse = false)
{
    EsecuzioneContinua continua;
    ASSERT_EQ(SviluppoIntegrale(s, fisse, elenco, continua).codice, CodiceSviluppo::Completato);
    s.modificato = false;
}

} // namespace test
