#include "checking/probabilita_sistema.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

using test::giocata;

long double C(int n, int k)
{
    long double c = 1;
    for (int i = 0; i < k; ++i) {
        c = c * (n - i) / (i + 1);
    }
    return c;
}

} // namespace

TEST(ProbabilitaSistema, UnAmboSuUnaRuotaESuTutte)
{
    const std::vector<Tipo_Giocata> giocate = {giocata({17, 71})};
    ParametriVincite p;
    p.importi[Ambo - 1] = 1;
    p.importi[Estratto - 1] = 1;
    p.ruote[Bari - 1] = 1;
    EsitoProbabilitaSistema esito;
    EsecuzioneContinua continua;
    ProbabilitaSistema(giocate.data(), 1, p, esito, continua);

    const double nessuno = static_cast<double>(C(88, 5) / C(90, 5));
    EXPECT_EQ(esito.esiti[0] + esito.esiti[1] + esito.esiti[2], CinquineNovanta);
    EXPECT_NEAR(esito.unaRuota[1], 2.0 / 801.0, 1e-15);
    EXPECT_NEAR(esito.unaRuota[0], 1.0 - nessuno, 1e-15);
    EXPECT_EQ(esito.unaRuota[2], 0.0);
    EXPECT_EQ(esito.unaRuota[4], 0.0);
    EXPECT_EQ(esito.ruote, 1);
    EXPECT_EQ(esito.sistema, esito.unaRuota);
    EXPECT_EQ(TestoProbabilita(esito.unaRuota[1]), "0.002496879");
    // One euro on the estratto and one on the ambo: (5/90 x 11.23 + 10/4005 x 250) / 2.
    EXPECT_NEAR(esito.perEuro(), (5.0 / 90 * 11.23 + 10.0 / 4005 * 250) / 2, 1e-12);

    // Tutte and Nazionale: eleven independent wheels; the stake counts twice (own wheel, Tutte).
    p.ruote[Tutte - 1] = 1;
    p.ruote[Nazionale - 1] = 1;
    ProbabilitaSistema(giocate.data(), 1, p, esito, continua);
    EXPECT_EQ(esito.ruote, 11);
    EXPECT_NEAR(esito.sistema[1], 1.0 - std::pow(1.0 - 2.0 / 801.0, 11), 1e-14);
    EXPECT_DOUBLE_EQ(esito.spesa, 2 * 3);
    EXPECT_NEAR(esito.perEuro(), (5.0 / 90 * 11.23 + 10.0 / 4005 * 250) / 2, 1e-12);
}

TEST(ProbabilitaSistema, ValoreAttesoDelleClassiEDueGiocate)
{
    // The return of one euro on each class as the payout table gives it.
    const double pubblicati[] = {0.6239, 0.6242, 0.3830, 0.2348, 0.1365};
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(AttesaClasse(k), pubblicati[k - 1], 0.00005);
    }
    EXPECT_EQ(AttesaClasse(0), 0.0);

    // Two overlapping triples: a terno when either is drawn whole, C(87, 2) outcomes each, the 86 holding
    // 1 2 3 4 counted once.
    const std::vector<Tipo_Giocata> giocate = {giocata({1, 2, 3}), giocata({1, 2, 4})};
    ParametriVincite p;
    p.importi[Terno - 1] = 1;
    p.importi[EstrattoDeterminato - 1] = 1;
    p.posizioni = {1, 0, 0, 0, 0};
    p.ruote[Roma - 1] = 1;
    EsitoProbabilitaSistema esito;
    EsecuzioneContinua continua;
    ProbabilitaSistema(giocate.data(), 2, p, esito, continua);
    EXPECT_EQ(esito.esiti[3], static_cast<std::int64_t>(2 * C(87, 2)) - 86);
    EXPECT_EQ(esito.esiti[4] + esito.esiti[5], 0);
    EXPECT_NEAR(esito.unaRuota[2], static_cast<double>((2 * C(87, 2) - 86) / C(90, 5)), 1e-15);
    // No ambo: at most one of 1 2 3 4 drawn, or exactly 3 and 4 (the one pair neither play holds).
    const long double senzaAmbo = C(86, 5) + 4 * C(86, 4) + C(86, 3);
    EXPECT_NEAR(esito.unaRuota[1], static_cast<double>(1 - senzaAmbo / C(90, 5)), 1e-15);
    EXPECT_NEAR(esito.unaRuota[0], static_cast<double>(1 - C(86, 5) / C(90, 5)), 1e-15);
    EXPECT_NEAR(esito.perEuro(), (AttesaClasse(3) + 55.0 / 90) / 2, 1e-12);
}

TEST(ProbabilitaSistema, AmbettoContatoComeNelControllo)
{
    // The ambetto's expected win, recomputed from the checking's own win lines: a line involves only the
    // play's numbers and their neighbours R, so every subset S of R stands for the C(90 - |R|, 5 - |S|)
    // draws that hold S and nothing else of R. Plays with four-neighbour pairs, adjacent pairs and the
    // pair 1-90 across the circle.
    const std::vector<Tipo_Giocata> giocate = {giocata({17, 71}), giocata({89, 90}), giocata({1, 90}),
                                               giocata({1, 2, 45, 90})};
    ParametriVincite p;
    p.importi[Ambetto - 1] = 1;
    p.ruote[Napoli - 1] = 1;
    long double totale = 0;
    for (const Tipo_Giocata& g : giocate) {
        std::vector<int> r;
        for (const auto& coppia : CoppieGiocata(NumeriGiocata(g), g)) {
            r.insert(r.end(), {coppia[0], coppia[1]});
            for (const auto& vicina : CoppieAmbetto(coppia[0], coppia[1])) {
                r.insert(r.end(), {vicina[0], vicina[1]});
            }
        }
        std::sort(r.begin(), r.end());
        r.erase(std::unique(r.begin(), r.end()), r.end());
        int riempimento = 1;
        std::vector<int> fuori;
        while (fuori.size() < 5) {
            if (std::find(r.begin(), r.end(), riempimento) == r.end()) {
                fuori.push_back(riempimento);
            }
            ++riempimento;
        }
        long double attesa = 0;
        for (std::uint32_t s = 0; s < (1U << r.size()); ++s) {
            const int quanti = std::popcount(s);
            if (quanti > 5) {
                continue;
            }
            NumeriRuota estratti{};
            std::size_t i = 0;
            for (std::size_t b = 0; b < r.size(); ++b) {
                if ((s >> b & 1U) != 0) {
                    estratti[i++] = static_cast<std::uint8_t>(r[b]);
                }
            }
            for (std::size_t f = 0; i < 5; ++f) {
                estratti[i++] = static_cast<std::uint8_t>(fuori[f]);
            }
            const double vinto = TotaleVincite(VinciteGiocataRuota(g, Napoli, estratti, p), p.vincitaMassima);
            attesa += C(90 - static_cast<int>(r.size()), 5 - quanti) * vinto;
        }
        attesa /= C(90, 5);
        EXPECT_NEAR(static_cast<double>(attesa), AttesaAmbetto(), 1e-12) << NumeriGiocata(g);
        totale += attesa;
    }
    EsitoProbabilitaSistema esito;
    EsecuzioneContinua continua;
    ProbabilitaSistema(giocate.data(), static_cast<std::int32_t>(giocate.size()), p, esito, continua);
    EXPECT_NEAR(esito.attesa, static_cast<double>(totale), 1e-12);
    EXPECT_NEAR(esito.perEuro(), 0.6271, 0.00005);
}
