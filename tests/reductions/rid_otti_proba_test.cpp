#include "reductions/rid_otti_proba.h"

#include "core/generatore_casuale.h"

#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

using test::CaricaGiocate;
using test::giocata;
using test::Giocate;
using test::PronosticoPrimi;

using test::StopAl;

int Condivisi(const Tipo_Giocata& a, const Tipo_Giocata& b)
{
    int c = 0;
    for (int i = 0; i < NumeriGiocata(a); ++i) {
        const auto fine = b.begin() + NumeriGiocata(b);
        c += std::find(b.begin(), fine, a[static_cast<std::size_t>(i)]) != fine ? 1 : 0;
    }
    return c;
}

// The plain definition: variants built and sorted one by one, searched in the list, profiled on sets.
void Semplice(const Sistema& s, std::vector<Tipo_Giocata>& giocate, int passi, const std::set<int>& fisse)
{
    for (int passo = 0; passo < passi; ++passo) {
        for (std::size_t i = 0; i < giocate.size(); ++i) {
            const Tipo_Giocata g = giocate[i];
            const int k = NumeriGiocata(g);
            const auto profilo = [&](const Tipo_Giocata& v) {
                ProfiloSovrapposizioni p{};
                for (std::size_t j = 0; j < giocate.size(); ++j) {
                    if (j != i) {
                        ++p[static_cast<std::size_t>(Condivisi(v, giocate[j]))];
                    }
                }
                return p;
            };
            Tipo_Giocata scelta = g;
            ProfiloSovrapposizioni ps = profilo(g);
            for (int x = 1; x <= 90; ++x) {
                if (s.pronostico[static_cast<std::size_t>(x - 1)] == 0 ||
                    std::find(g.begin(), g.begin() + k, x) != g.begin() + k) {
                    continue;
                }
                for (int j = 0; j < k; ++j) {
                    if (fisse.count(g[static_cast<std::size_t>(j)]) != 0) {
                        continue;
                    }
                    Tipo_Giocata v = g;
                    v[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(x);
                    std::sort(v.begin(), v.begin() + k);
                    if (std::find(giocate.begin(), giocate.end(), v) != giocate.end()) {
                        continue;
                    }
                    const ProfiloSovrapposizioni p = profilo(v);
                    if (MenoSovrapposto(p, ps)) {
                        scelta = v;
                        ps = p;
                    }
                }
            }
            giocate[i] = scelta;
        }
    }
}

std::vector<Tipo_Giocata> Casuali(int quante, int n, int k, std::uint32_t seme)
{
    GeneratoreCasuale gen;
    gen.imposta(seme);
    std::set<Tipo_Giocata> viste;
    std::vector<Tipo_Giocata> v;
    while (static_cast<int>(v.size()) < quante) {
        Tipo_Giocata g{};
        for (int i = 0; i < k;) {
            const auto x = static_cast<std::uint8_t>(gen.estrai(static_cast<std::uint32_t>(n)) + 1);
            if (std::find(g.begin(), g.begin() + i, x) == g.begin() + i) {
                g[static_cast<std::size_t>(i++)] = x;
            }
        }
        std::sort(g.begin(), g.begin() + k);
        if (viste.insert(g).second) {
            v.push_back(g);
        }
    }
    return v;
}

} // namespace

TEST(OttimizzaProbabilita, ComeDefinizione)
{
    struct Caso
    {
        const char* nome;
        int n;
        int k;
        int quante;
        int passi;
        std::vector<int> fisse;
    };
    const std::vector<Caso> casi = {
        {"piccolo", 10, 3, 8, 3, {}},
        {"medio", 25, 5, 30, 2, {}},
        {"con fisse", 16, 4, 12, 2, {2, 9}},
        {"pronostico tutto giocato", 6, 3, 20, 1, {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Sistema s = PronosticoPrimi(c.n, c.k);
        for (int f : c.fisse) {
            s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
        }
        std::vector<Tipo_Giocata> iniziali = Casuali(c.quante, c.n, c.k, 17);
        if (!c.fisse.empty()) {
            // Plays holding the fixed numbers, so that the filter keeps them whole.
            ElencoGiocate tutte;
            test::Sviluppa(s, tutte, true);
            iniziali = Giocate(tutte);
            iniziali.resize(static_cast<std::size_t>(c.quante));
        }
        std::vector<Tipo_Giocata> attese = iniziali;
        Semplice(s, attese, c.passi, std::set<int>(c.fisse.begin(), c.fisse.end()));

        ElencoGiocate elenco;
        ASSERT_TRUE(CaricaGiocate(elenco, iniziali));
        EsecuzioneContinua continua;
        const EsitoRiduzione esito = OttimizzaProbabilita(s, elenco, c.passi, !c.fisse.empty(), continua);
        ASSERT_TRUE(esito.confermata());
        EXPECT_EQ(Giocate(elenco), attese);
        EXPECT_EQ(s.modificato, attese != iniziali);
        // Never a variant equal to another play: distinct plays stay distinct.
        EXPECT_EQ(std::set<Tipo_Giocata>(attese.begin(), attese.end()).size(), attese.size());
    }
}

TEST(OttimizzaProbabilita, GemelleEInterruzione)
{
    // Of two identical plays the first is rewritten in the first pass.
    Sistema s = PronosticoPrimi(8, 3);
    ElencoGiocate elenco;
    ASSERT_TRUE(CaricaGiocate(elenco, {giocata({1, 2, 3}), giocata({1, 2, 3}), giocata({6, 7, 8})}));
    EsecuzioneContinua continua;
    ASSERT_TRUE(OttimizzaProbabilita(s, elenco, 1, false, continua).confermata());
    EXPECT_NE(elenco.voce(1), giocata({1, 2, 3}));

    // A stop after the first play keeps it rewritten and leaves the rest.
    Sistema t = PronosticoPrimi(8, 3);
    ElencoGiocate altro;
    ASSERT_TRUE(CaricaGiocate(altro, {giocata({1, 2, 3}), giocata({1, 2, 3}), giocata({1, 2, 3})}));
    StopAl stop(1);
    EXPECT_EQ(OttimizzaProbabilita(t, altro, 3, false, stop).codice, CodiceRiduzione::Interrotta);
    EXPECT_NE(altro.voce(1), giocata({1, 2, 3}));
    EXPECT_EQ(altro.voce(2), giocata({1, 2, 3}));
    EXPECT_EQ(altro.voce(3), giocata({1, 2, 3}));
    EXPECT_TRUE(t.modificato);
}
