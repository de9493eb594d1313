#include "reductions/rid_rappresentative.h"

#include "reductions/messaggi_riduzioni.h"
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

// The plain definition: numbers shared, counted on sets.
int Condivisi(const Tipo_Giocata& a, const Tipo_Giocata& b)
{
    int c = 0;
    for (int i = 0; i < NumeriGiocata(a); ++i) {
        const auto fine = b.begin() + NumeriGiocata(b);
        c += std::find(b.begin(), fine, a[static_cast<std::size_t>(i)]) != fine ? 1 : 0;
    }
    return c;
}

ProfiloSovrapposizioni Profilo(const Tipo_Giocata& g, const std::vector<Tipo_Giocata>& altre,
                               std::size_t salta)
{
    ProfiloSovrapposizioni p{};
    for (std::size_t j = 0; j < altre.size(); ++j) {
        if (j != salta) {
            ++p[static_cast<std::size_t>(Condivisi(g, altre[j]))];
        }
    }
    return p;
}

// The candidate a run draws, by the drawing rule, without fixed numbers.
Tipo_Giocata Estrai(const Sistema& s, GeneratoreCasuale& gen)
{
    Tipo_Giocata g{};
    for (int i = 0; i < s.numeriPerGiocata; ++i) {
        for (;;) {
            const auto x = static_cast<std::uint8_t>(gen.estrai(90) + 1);
            if (s.pronostico[x - 1U] != 0 && std::find(g.begin(), g.begin() + i, x) == g.begin() + i) {
                g[static_cast<std::size_t>(i)] = x;
                break;
            }
        }
    }
    std::sort(g.begin(), g.begin() + s.numeriPerGiocata);
    return g;
}

std::vector<Tipo_Giocata> Casuali(int quante, int n, int k, std::uint32_t seme)
{
    const Sistema s = PronosticoPrimi(n, k);
    GeneratoreCasuale gen;
    gen.imposta(seme);
    std::set<Tipo_Giocata> viste;
    std::vector<Tipo_Giocata> v;
    while (static_cast<int>(v.size()) < quante) {
        const Tipo_Giocata g = Estrai(s, gen);
        if (viste.insert(g).second) {
            v.push_back(g);
        }
    }
    return v;
}

} // namespace

TEST(Rappresentative, TempoEStima)
{
    struct Riga
    {
        int cursore;
        std::int64_t millisecondi;
        std::int64_t n;
        const char* testo;
    };
    const std::vector<Riga> righe = {
        {0, 61206, 4, "Tempo previsto: 4 minuti e 4 secondi"},
        {50, 15606, 1, "Tempo previsto: 0 minuti e 15 secondi"},
        {95, 500, 1, "Tempo previsto: 0 minuti e 1 secondi"},
        {100, 500, 1, "Tempo previsto: 0 minuti e 1 secondi"},
        {100, 500, 150, "Tempo previsto: 1 minuti e 15 secondi"},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.cursore);
        EXPECT_EQ(TempoPerGiocata(r.cursore), r.millisecondi);
        EXPECT_EQ(TestoTempoPrevisto(r.n, r.millisecondi), r.testo);
    }
    EXPECT_EQ(LeggiQuanteRappresentative("0"), std::nullopt);
    EXPECT_EQ(LeggiQuanteRappresentative(""), std::nullopt);
    EXPECT_EQ(LeggiQuanteRappresentative("12"), std::optional<std::int32_t>(12));
}

TEST(Rappresentative, ProfiloComeDefinizione)
{
    const std::vector<Tipo_Giocata> giocate = Casuali(60, 90, 10, 3);
    std::vector<MascheraNumeri> maschere;
    for (const Tipo_Giocata& g : giocate) {
        maschere.push_back(MascheraDi(g));
    }
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        EXPECT_EQ(ProfiloContro(maschere[i], maschere, static_cast<std::ptrdiff_t>(i)),
                  Profilo(giocate[i], giocate, i));
    }
}

TEST(Rappresentative, AggiungeIlCandidatoMigliore)
{
    // Each added play is, among the candidates the seed draws, the first valid one that beats the others
    // from below, against the list as it stands.
    for (std::uint32_t seme : {1U, 77U, 4096U}) {
        SCOPED_TRACE(seme);
        Sistema s = PronosticoPrimi(15, 4);
        ElencoGiocate elenco;
        const std::vector<Tipo_Giocata> iniziali = Casuali(12, 15, 4, seme + 1);
        ASSERT_TRUE(CaricaGiocate(elenco, iniziali));

        std::vector<Tipo_Giocata> attese = iniziali;
        GeneratoreCasuale replica;
        replica.imposta(seme);
        const int candidati = 40;
        for (int play = 0; play < 3; ++play) {
            std::optional<Tipo_Giocata> migliore;
            ProfiloSovrapposizioni pm{};
            for (int c = 0; c < candidati; ++c) {
                const Tipo_Giocata g = Estrai(s, replica);
                if (std::find(attese.begin(), attese.end(), g) != attese.end()) {
                    continue;
                }
                const ProfiloSovrapposizioni p = Profilo(g, attese, attese.size());
                if (!migliore || BatteDalBasso(p, pm)) {
                    migliore = g;
                    pm = p;
                }
            }
            ASSERT_TRUE(migliore.has_value());
            attese.push_back(*migliore);
        }

        GeneratoreCasuale gen;
        gen.imposta(seme);
        ParametriGenio parametri;
        parametri.giocate = 3;
        parametri.candidati = candidati;
        EsecuzioneContinua continua;
        const EsitoRiduzione esito = AggiungiPiuRappresentative(s, elenco, parametri, gen, continua);
        ASSERT_TRUE(esito.confermata());
        EXPECT_EQ(esito.giocate, 3);
        EXPECT_EQ(Giocate(elenco), attese);
        EXPECT_TRUE(s.modificato);
    }
}

TEST(Rappresentative, CasiLimiteDellAggiunta)
{
    // An empty list: every profile is zero, so the first candidate is the one added.
    {
        Sistema s = PronosticoPrimi(30, 6);
        ElencoGiocate elenco;
        GeneratoreCasuale gen;
        gen.imposta(9);
        GeneratoreCasuale replica;
        replica.imposta(9);
        ParametriGenio p;
        p.candidati = 50;
        EsecuzioneContinua continua;
        ASSERT_TRUE(AggiungiPiuRappresentative(s, elenco, p, gen, continua).confermata());
        EXPECT_EQ(Giocate(elenco), std::vector<Tipo_Giocata>{Estrai(s, replica)});
    }
    // Every combination already present: nothing is added, after the whole budget.
    {
        Sistema s = PronosticoPrimi(5, 3);
        ElencoGiocate elenco;
        test::Sviluppa(s, elenco);
        ParametriGenio p;
        p.giocate = 2;
        p.millisecondi = 30;
        GeneratoreCasuale gen;
        EsecuzioneContinua continua;
        const EsitoRiduzione esito = AggiungiPiuRappresentative(s, elenco, p, gen, continua);
        EXPECT_EQ(esito.codice, CodiceRiduzione::NessunRisultato);
        ASSERT_TRUE(esito.messaggio.has_value());
        EXPECT_EQ(esito.messaggio->testo, messaggi_riduzioni::NessunaGiocataAggiunta);
        EXPECT_EQ(elenco.conteggio(), 10);
        EXPECT_FALSE(s.modificato);
    }
    // With the fixed numbers counting, every added play holds them.
    {
        Sistema s = PronosticoPrimi(20, 5, {3, 17});
        ElencoGiocate elenco;
        ParametriGenio p;
        p.giocate = 6;
        p.candidati = 30;
        p.consideraFisse = true;
        GeneratoreCasuale gen;
        gen.imposta(5);
        EsecuzioneContinua continua;
        ASSERT_TRUE(AggiungiPiuRappresentative(s, elenco, p, gen, continua).confermata());
        ASSERT_EQ(elenco.conteggio(), 6);
        for (const Tipo_Giocata& g : Giocate(elenco)) {
            EXPECT_NE(std::find(g.begin(), g.end(), 3), g.end());
            EXPECT_NE(std::find(g.begin(), g.end(), 17), g.end());
        }
    }
    // A stop takes the added plays away.
    {
        Sistema s = PronosticoPrimi(20, 5);
        ElencoGiocate elenco;
        ASSERT_TRUE(CaricaGiocate(elenco, {giocata({1, 2, 3, 4, 5})}));
        ParametriGenio p;
        p.giocate = 5;
        p.candidati = 10;
        GeneratoreCasuale gen;
        StopAl stop(3);
        EXPECT_EQ(AggiungiPiuRappresentative(s, elenco, p, gen, stop).codice, CodiceRiduzione::Interrotta);
        EXPECT_EQ(Giocate(elenco), std::vector<Tipo_Giocata>{giocata({1, 2, 3, 4, 5})});
    }
}

TEST(Rappresentative, EliminaComeDefinizione)
{
    // Each removal takes the play that beats the others from above (the first of equals), compared with
    // the plain definition on sets.
    for (std::uint32_t seme : {2U, 31U}) {
        SCOPED_TRACE(seme);
        Sistema s = PronosticoPrimi(14, 5);
        std::vector<Tipo_Giocata> attese = Casuali(25, 14, 5, seme);
        ElencoGiocate elenco;
        ASSERT_TRUE(CaricaGiocate(elenco, attese));
        for (int volta = 0; volta < 7; ++volta) {
            std::size_t scelta = 0;
            ProfiloSovrapposizioni ps = Profilo(attese[0], attese, 0);
            for (std::size_t c = 1; c < attese.size(); ++c) {
                const ProfiloSovrapposizioni p = Profilo(attese[c], attese, c);
                if (BatteDallAlto(p, ps)) {
                    scelta = c;
                    ps = p;
                }
            }
            std::swap(attese[scelta], attese.back());
            attese.pop_back();
        }
        EsecuzioneContinua continua;
        ASSERT_TRUE(EliminaMenoRappresentative(s, elenco, 7, continua).confermata());
        EXPECT_EQ(Giocate(elenco), attese);
    }
}

TEST(Rappresentative, CasiLimiteDellEliminazione)
{
    const std::vector<Tipo_Giocata> iniziali = {giocata({1, 2, 3}), giocata({1, 2, 4}), giocata({7, 8, 9}),
                                                giocata({5, 6, 7})};
    struct Riga
    {
        const char* nome;
        std::int32_t n;
        int stopAl; // 0: no stop
        std::vector<Tipo_Giocata> attese;
    };
    const std::vector<Riga> righe = {
        // 1 2 3 and 1 2 4 have the same profile: the lower index goes, swapped with the last play.
        {"profili uguali", 1, 0, {giocata({5, 6, 7}), giocata({1, 2, 4}), giocata({7, 8, 9})}},
        {"oltre il conteggio", 9, 0, {}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        Sistema s = PronosticoPrimi(9, 3);
        ElencoGiocate elenco;
        ASSERT_TRUE(CaricaGiocate(elenco, iniziali));
        EsecuzioneContinua continua;
        const EsitoRiduzione esito = EliminaMenoRappresentative(s, elenco, r.n, continua);
        EXPECT_TRUE(esito.confermata());
        EXPECT_EQ(Giocate(elenco), r.attese);
        EXPECT_TRUE(s.modificato);
    }
    Sistema s = PronosticoPrimi(9, 3);
    ElencoGiocate elenco;
    ASSERT_TRUE(CaricaGiocate(elenco, iniziali));
    StopAl stop(6);
    EXPECT_EQ(EliminaMenoRappresentative(s, elenco, 3, stop).codice, CodiceRiduzione::Interrotta);
    const std::vector<Tipo_Giocata> dopo = Giocate(elenco);
    EXPECT_EQ(std::set<Tipo_Giocata>(dopo.begin(), dopo.end()),
              std::set<Tipo_Giocata>(iniziali.begin(), iniziali.end()));
    EXPECT_EQ(dopo.size(), iniziali.size());
}
