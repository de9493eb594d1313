#include "coperture/ricottura.h"

#include "coperture/sottoinsiemi.h"
#include "coperture/verifica_disegno.h"
#include "prova_disegni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Anneals, removing the least useful block at each zero, until a design of `obiettivo` blocks (of the
// expanded design) is found or the moves run out; the size of the smallest design found (0: none).
std::size_t Discendi(Ricottura& r, std::uint64_t mosse, std::size_t obiettivo)
{
    std::size_t migliore = 0;
    for (std::uint64_t fatte = 0; fatte < mosse;) {
        if (r.scoperti() == 0) {
            const Blocchi d = r.disegno();
            EXPECT_EQ(ContaScoperti(r.cella(), d), 0U);
            if (migliore == 0 || d.size() < migliore) {
                migliore = d.size();
            }
            if (migliore <= obiettivo || r.blocchi().size() <= 1) {
                break;
            }
            r.togliBlocco(r.bloccoMenoUtile());
        }
        r.impostaRapporto(0.01);
        fatte += r.anneala(1000);
    }
    return migliore;
}

// The uncovered orbits of a design under the group, counted from the uncovered targets of its expansion.
std::size_t OrbiteScoperte(const Cella& c, const GruppoPermutazioni& g, const Blocchi& disegno)
{
    std::set<std::uint32_t> orbite;
    for (std::uint32_t m = (1U << c.p) - 1U; m < (1U << c.v); m = SuccessivoStessiBit(m)) {
        if (ContaScoperti(c, disegno) == 0) {
            break;
        }
        bool coperto = false;
        for (const std::uint32_t b : disegno) {
            coperto = coperto || std::popcount(b & m) >= c.t;
        }
        if (!coperto) {
            std::uint32_t minimo = m;
            for (int e = 0; e < g.ordine(); ++e) {
                minimo = std::min(minimo, g.applica(m, e));
            }
            orbite.insert(minimo);
        }
    }
    return orbite.size();
}

} // namespace

TEST(Ricottura, ConteggiIncrementaliComeIlRicalcolo)
{
    const struct
    {
        const char* nome;
        Cella cella;
        int cicli;
        int lunghezza;
    } righe[] = {
        {"copertura", {TipoDisegno::Ortogonale, 11, 4, 3, 3}, 0, 0},
        {"garanzia", {TipoDisegno::Garanzia, 12, 5, 5, 3}, 0, 0},
        {"garanzia p > k", {TipoDisegno::Garanzia, 10, 3, 5, 2}, 0, 0},
        {"copertura Z10+1", {TipoDisegno::Ortogonale, 11, 4, 3, 3}, 1, 10},
        {"garanzia 2xZ6", {TipoDisegno::Garanzia, 12, 4, 4, 3}, 2, 6},
        {"copertura AGL1(11,5)+1", {TipoDisegno::Ortogonale, 12, 4, 3, 3}, -1, 0},
        {"copertura PSL2(7)", {TipoDisegno::Ortogonale, 8, 4, 3, 3}, -2, 0},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        const GruppoPermutazioni gruppo =
            r.cicli == -1   ? GruppoAffine(r.cella.v, 11, 5)
            : r.cicli == -2 ? GruppoProiettivo(r.cella.v, 7)
                            : GruppoCiclico(r.cella.v, std::max(r.cicli, 1), std::max(r.lunghezza, 2));
        Ricottura ricottura(r.cella, r.cicli != 0 ? &gruppo : nullptr, 5);
        CasualeRicerca casuale(3);
        ricottura.impostaBlocchi(test::DisegnoCasuale(casuale, r.cella, 6));
        // A hot schedule, so that many moves are accepted, including uphill ones.
        ricottura.impostaRapporto(0.5);
        for (int passo = 0; passo < 30; ++passo) {
            ricottura.anneala(200);
            const Blocchi d = ricottura.disegno();
            if (r.cicli == 0) {
                ASSERT_EQ(ricottura.scoperti(), ContaScoperti(r.cella, d));
            } else if (passo == 0) {
                // The design of base blocks is closed under the group.
                for (int e = 0; e < gruppo.ordine(); ++e) {
                    for (const std::uint32_t b : d) {
                        ASSERT_TRUE(std::binary_search(d.begin(), d.end(), gruppo.applica(b, e)));
                    }
                }
                ASSERT_EQ(ricottura.scoperti(), OrbiteScoperte(r.cella, gruppo, d));
            } else {
                ASSERT_EQ(ricottura.scoperti(), OrbiteScoperte(r.cella, gruppo, d));
            }
            if (passo % 10 == 9) {
                ricottura.togliBlocco(ricottura.bloccoMenoUtile());
                ricottura.aggiungiBlocco(test::BloccoCasuale(casuale, r.cella.v, r.cella.k));
            }
        }
        ricottura.completaAvido();
        EXPECT_EQ(ricottura.scoperti(), 0U);
        EXPECT_EQ(ContaScoperti(r.cella, ricottura.disegno()), 0U);
    }
}

TEST(Ricottura, CostiPrevistiComeLoScambioFatto)
{
    const Cella celle[] = {
        {TipoDisegno::Ortogonale, 13, 5, 3, 3},
        {TipoDisegno::Ortogonale, 16, 10, 5, 5},
        {TipoDisegno::Garanzia, 14, 6, 5, 3},
        {TipoDisegno::Garanzia, 12, 4, 4, 2},
    };
    CasualeRicerca casuale(23);
    for (const Cella& c : celle) {
        SCOPED_TRACE(std::to_string(c.v) + " " + std::to_string(c.k) + " " + std::to_string(c.p) + " " +
                     std::to_string(c.t));
        Ricottura r(c, nullptr, 1);
        r.impostaBlocchi(test::DisegnoCasuale(casuale, c, 8));
        for (int prova = 0; prova < 300; ++prova) {
            const auto indice = casuale.estrai(static_cast<std::uint32_t>(r.blocchi().size()));
            const std::uint32_t blocco = r.blocchi()[indice];
            const std::uint32_t fuori = TuttiIPunti(c.v) & ~blocco;
            const int entra = std::countr_zero(PuntoNumero(
                fuori, static_cast<int>(casuale.estrai(static_cast<std::uint32_t>(std::popcount(fuori))))));
            const int esce = std::countr_zero(
                PuntoNumero(blocco, static_cast<int>(casuale.estrai(static_cast<std::uint32_t>(c.k)))));
            const int previsto = r.costoScambio(indice, esce, entra);
            if (c.p == c.t) {
                ASSERT_EQ(r.costiUscite(indice, entra)[static_cast<std::size_t>(esce)], previsto);
            }
            const auto prima = static_cast<long>(r.scoperti());
            r.scambiaPunti(indice, esce, entra);
            ASSERT_EQ(static_cast<long>(r.scoperti()) - prima, previsto);
            ASSERT_EQ(r.scoperti(), ContaScoperti(c, r.disegno()));
        }
    }
}

TEST(Ricottura, TrovaIDisegniOttimiPiccoli)
{
    const struct
    {
        const char* nome;
        Cella cella;
        int cicli;
        std::size_t ottimo;
    } righe[] = {
        {"C(7,3,2)", {TipoDisegno::Ortogonale, 7, 3, 2, 2}, 0, 7},
        {"C(9,3,2)", {TipoDisegno::Ortogonale, 9, 3, 2, 2}, 0, 12},
        {"C(10,4,3)", {TipoDisegno::Ortogonale, 10, 4, 3, 3}, 0, 30},
        {"L(8,4,4,3)", {TipoDisegno::Garanzia, 8, 4, 4, 3}, 0, 6},
        {"L(11,3,3,2)", {TipoDisegno::Garanzia, 11, 3, 3, 2}, 0, 10},
        {"C(13,3,2) su Z13", {TipoDisegno::Ortogonale, 13, 3, 2, 2}, 1, 26},
        {"C(18,10,2), dove l'uscita migliore da sola si blocca",
         {TipoDisegno::Ortogonale, 18, 10, 2, 2},
         0,
         5},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        const GruppoPermutazioni gruppo = GruppoCiclico(r.cella.v, 1, r.cella.v);
        Ricottura ricottura(r.cella, r.cicli > 0 ? &gruppo : nullptr, 11);
        ricottura.completaAvido();
        EXPECT_EQ(Discendi(ricottura, 2000000, r.ottimo), r.ottimo);
    }
}
