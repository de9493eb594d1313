#include "coperture/orbite_stabili.h"

#include "coperture/sottoinsiemi.h"
#include "coperture/verifica_disegno.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <limits>
#include <set>

namespace {

Cella Copertura(int v, int k, int t)
{
    return {TipoDisegno::Ortogonale, v, k, t, t};
}

struct CellaEGruppo
{
    Cella cella;
    GruppoPermutazioni gruppo;
};

// What a choice costs: its blocks, and the price of the target orbits it leaves.
double Costo(const CoperturaOrbitale& co, const Cella& c, const std::vector<std::size_t>& scelte,
             double prezzo)
{
    std::set<std::uint32_t> coperte;
    double costo = 0;
    for (const std::size_t s : scelte) {
        costo += co.candidate()[s].lunghezza;
        coperte.insert(co.candidate()[s].righe.begin(), co.candidate()[s].righe.end());
    }
    for (std::uint32_t r = 0; r < co.righe(); ++r) {
        if (!coperte.contains(r)) {
            costo += prezzo > 0 ? prezzo * co.lunghezzeRighe()[r] / Binomiale(c.k, c.t)
                                : std::numeric_limits<double>::infinity();
        }
    }
    return costo;
}

} // namespace

// The orbits of targets and blocks are what the cover relies on: a candidate's images are its length,
// and together they hold every target of the orbits it lists and no other.
TEST(CoperturaOrbitale, LeOrbiteCandidateCopronoRigheIntere)
{
    const CellaEGruppo righe[] = {
        {Copertura(14, 6, 4), GruppoAffine(14, 13, 6)},
        {Copertura(20, 7, 4), GruppoProiettivo(20, 19)},
        {Copertura(26, 7, 3), GruppoAffine(26, 25, 12)},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.gruppo.nome());
        const CoperturaOrbitale co(r.cella, r.gruppo);
        std::uint64_t totale = 0;
        for (const std::uint32_t l : co.lunghezzeRighe()) {
            totale += l;
        }
        EXPECT_EQ(totale, Binomiale(r.cella.v, r.cella.t));
        ASSERT_FALSE(co.candidate().empty());
        for (std::size_t c = 0; c < co.candidate().size(); c += 1 + co.candidate().size() / 12) {
            const OrbitaCandidata& orbita = co.candidate()[c];
            const Blocchi blocchi = co.blocchi({c});
            EXPECT_EQ(blocchi.size(), orbita.lunghezza);
            EXPECT_EQ(r.gruppo.ordine() % orbita.lunghezza, 0);
            EXPECT_TRUE(std::binary_search(blocchi.begin(), blocchi.end(), orbita.rappresentante));
            std::set<std::uint32_t> coperti;
            std::vector<std::uint32_t> sotto(Binomiale(10, 5));
            for (const std::uint32_t b : blocchi) {
                ASSERT_EQ(std::popcount(b), r.cella.k);
                const int n = ElencaSottoinsiemi(b, r.cella.t, sotto.data());
                coperti.insert(sotto.begin(), sotto.begin() + n);
            }
            std::set<std::uint32_t> righeCoperte;
            for (const std::uint32_t s : coperti) {
                righeCoperte.insert(co.riga(s));
            }
            EXPECT_EQ(std::vector<std::uint32_t>(righeCoperte.begin(), righeCoperte.end()), orbita.righe);
            std::uint64_t attesi = 0;
            for (const std::uint32_t riga : orbita.righe) {
                attesi += co.lunghezzeRighe()[riga];
            }
            EXPECT_EQ(coperti.size(), attesi);
        }
    }
}

// The choice is the cheapest one: checked against every subset of the candidates, with every orbit
// covered and with orbits left out at a price.
TEST(CoperturaOrbitale, LaSceltaEOttimaSulleIstanzePiccole)
{
    const CellaEGruppo righe[] = {
        {Copertura(11, 5, 4), GruppoAffine(11, 9, 8)},
        {Copertura(12, 5, 4), GruppoAffine(12, 11, 5)},
        {Copertura(12, 7, 4), GruppoAffine(12, 11, 5)},
        {Copertura(13, 5, 4), GruppoAffine(13, 11, 10)},
    };
    for (const auto& r : righe) {
        const CoperturaOrbitale co(r.cella, r.gruppo);
        ASSERT_LE(co.candidate().size(), 20U);
        for (const double prezzo : {0.0, 1.5, 4.0}) {
            SCOPED_TRACE(r.gruppo.nome() + " v" + std::to_string(r.cella.v) + " k" +
                         std::to_string(r.cella.k) + " prezzo " + std::to_string(prezzo));
            double minimo = std::numeric_limits<double>::infinity();
            for (std::uint32_t m = 0; m < (std::uint32_t{1} << co.candidate().size()); ++m) {
                std::vector<std::size_t> scelte;
                for (std::size_t c = 0; c < co.candidate().size(); ++c) {
                    if ((m >> c) & 1U) {
                        scelte.push_back(c);
                    }
                }
                minimo = std::min(minimo, Costo(co, r.cella, scelte, prezzo));
            }
            const auto scelte = co.scegli(prezzo, 1000000);
            EXPECT_NEAR(Costo(co, r.cella, scelte, prezzo), minimo, 1e-9);
            if (prezzo == 0) {
                EXPECT_EQ(ContaScoperti(r.cella, co.blocchi(scelte)), 0U);
            }
        }
    }
}

// Designs invariant under a group are a few of its orbits: the Steiner systems S(5, 6, 12) under
// PSL(2, 11) and S(3, 4, 10) under PSL(2, 9), and the best known C(22, 7, 5) under PSL(3, 4) + 1.
TEST(CoperturaOrbitale, TrovaISistemiDiSteinerInvarianti)
{
    const struct
    {
        CellaEGruppo istanza;
        std::size_t blocchi;
    } righe[] = {
        {{Copertura(12, 6, 5), GruppoProiettivo(12, 11)}, 132},
        {{Copertura(10, 4, 3), GruppoProiettivo(10, 9)}, 30},
        {{Copertura(22, 7, 5), GruppoPianoProiettivo4(22)}, 1584},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.istanza.gruppo.nome());
        const CoperturaOrbitale co(r.istanza.cella, r.istanza.gruppo);
        const Blocchi steiner = co.blocchi(co.scegli(0, 100000));
        EXPECT_EQ(steiner.size(), r.blocchi);
        EXPECT_EQ(ContaScoperti(r.istanza.cella, steiner), 0U);
    }
}
