#include "reductions/rid_cruciverba.h"

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

std::vector<std::uint8_t> Ordinato(int n)
{
    std::vector<std::uint8_t> v;
    for (int i = 1; i <= n; ++i) {
        v.push_back(static_cast<std::uint8_t>(i * 2)); // 2, 4, ...: positions are not numbers
    }
    return v;
}

// The property on the cells themselves: every line (rows, columns, wrapped diagonals both ways) without
// repeats, all 4L lines different sets, every cell a predicted number.
void VerificaQuadrato(const GrigliaCruciverba& g, const std::vector<std::uint8_t>& pronostico)
{
    const int l = g.lato;
    ASSERT_EQ(g.celle.size(), static_cast<std::size_t>(l * l));
    std::set<std::set<int>> linee;
    std::size_t quante = 0;
    for (int a = 0; a < l; ++a) {
        std::set<int> riga, colonna, destra, sinistra;
        for (int b = 0; b < l; ++b) {
            riga.insert(g.celle[static_cast<std::size_t>(a * l + b)]);
            colonna.insert(g.celle[static_cast<std::size_t>(b * l + a)]);
            destra.insert(g.celle[static_cast<std::size_t>(b * l + (a + b) % l)]);
            sinistra.insert(g.celle[static_cast<std::size_t>(b * l + ((a - b) % l + l) % l)]);
        }
        for (const auto* linea : {&riga, &colonna, &destra, &sinistra}) {
            EXPECT_EQ(linea->size(), static_cast<std::size_t>(l));
            linee.insert(*linea);
            ++quante;
        }
    }
    EXPECT_EQ(linee.size(), quante);
    for (std::uint8_t x : g.celle) {
        EXPECT_NE(std::find(pronostico.begin(), pronostico.end(), x), pronostico.end());
    }
}

} // namespace

TEST(Cruciverba, OgniQuadratoRispettaLeRegole)
{
    struct Caso
    {
        int lato;
        int n;
    };
    for (const Caso c : {Caso{3, 10}, Caso{4, 14}, Caso{5, 16}, Caso{6, 24}, Caso{7, 30}, Caso{9, 45}}) {
        const std::vector<std::uint8_t> pronostico = Ordinato(c.n);
        for (std::uint32_t seme = 1; seme <= 20; ++seme) {
            SCOPED_TRACE(testing::Message() << "lato " << c.lato << " seme " << seme);
            GeneratoreCasuale gen;
            gen.imposta(seme);
            GrigliaCruciverba g;
            EsecuzioneContinua continua;
            ASSERT_EQ(CostruisciCruciverba(c.lato, pronostico, gen, continua, g),
                      EsitoCostruzione::Costruita);
            EXPECT_TRUE(CruciverbaValido(g));
            VerificaQuadrato(g, pronostico);
        }
    }
    // The same seed gives the same square.
    GeneratoreCasuale a, b;
    a.imposta(7);
    b.imposta(7);
    GrigliaCruciverba ga, gb;
    EsecuzioneContinua continua;
    ASSERT_EQ(CostruisciCruciverba(6, Ordinato(20), a, continua, ga), EsitoCostruzione::Costruita);
    ASSERT_EQ(CostruisciCruciverba(6, Ordinato(20), b, continua, gb), EsitoCostruzione::Costruita);
    EXPECT_EQ(ga.celle, gb.celle);
}

TEST(Cruciverba, ImpossibileEInterrotto)
{
    // As many numbers as the side: every row holds them all, so no square is ever valid; the
    // construction gives up when its time is over.
    GeneratoreCasuale gen;
    GrigliaCruciverba g;
    EsecuzioneContinua continua;
    EXPECT_EQ(CostruisciCruciverba(5, Ordinato(5), gen, continua, g, 50, 150), EsitoCostruzione::Impossibile);
    EXPECT_TRUE(g.celle.empty());
    // An attempt with no time left fails at once instead of running on.
    GrigliaCruciverba t;
    EXPECT_FALSE(TentativoCruciverba(90, Ordinato(90), gen, -1, t));
    StopAl stop(2);
    EXPECT_EQ(CostruisciCruciverba(5, Ordinato(5), gen, stop, g), EsitoCostruzione::Interrotta);
    EXPECT_TRUE(g.celle.empty());
}

TEST(Cruciverba, LatoESistemi)
{
    struct Riga
    {
        const char* testo;
        int k;
        std::optional<int> lato;
    };
    for (const Riga& r : {Riga{"5", 3, 5}, Riga{"2", 2, std::nullopt}, Riga{"91", 2, std::nullopt},
                          Riga{"4", 5, std::nullopt}, Riga{"", 2, std::nullopt}, Riga{"x", 2, std::nullopt},
                          Riga{"90", 10, 90}}) {
        EXPECT_EQ(LeggiLato(r.testo, r.k), r.lato) << r.testo;
    }

    GrigliaCruciverba g;
    g.lato = 3;
    g.celle = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    struct Scelta
    {
        const char* nome;
        LineeCruciverba linee;
        std::vector<std::string> sistemi;
    };
    const std::vector<Scelta> scelte = {
        {"solo diagonali", {false, false, true, false}, {"1 5 9", "3 5 7"}},
        {"righe e colonne",
         {true, true, false, false},
         {"1 2 3", "4 5 6", "7 8 9", "1 4 7", "2 5 8", "3 6 9"}},
        // Down-right from columns 2, 3, then down-left from columns 2, 1.
        {"oblique", {false, false, false, true}, {"2 6 7", "3 4 8", "2 4 9", "1 6 8"}},
    };
    for (const Scelta& s : scelte) {
        SCOPED_TRACE(s.nome);
        std::vector<std::string> testi;
        for (const auto& sistema : SistemiCruciverba(g, s.linee)) {
            testi.push_back(TestoSistema(sistema));
        }
        EXPECT_EQ(testi, s.sistemi);
    }
}

TEST(Cruciverba, SviluppaSistemi)
{
    const std::vector<std::vector<std::uint8_t>> sistemi = {{1, 2, 3, 4}, {3, 4, 5, 6}, {1, 5, 7, 9}};
    // L = k: each system is one play.
    {
        Sistema s = PronosticoPrimi(9, 4);
        ElencoGiocate elenco;
        EsecuzioneContinua continua;
        ASSERT_TRUE(SviluppaSistemi(s, elenco, sistemi, false, continua).confermata());
        EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{giocata({1, 2, 3, 4}), giocata({3, 4, 5, 6}),
                                                              giocata({1, 5, 7, 9})}));
    }
    // Pairs: those already present or already added are skipped.
    {
        Sistema s = PronosticoPrimi(9, 2);
        ElencoGiocate elenco;
        ASSERT_TRUE(CaricaGiocate(elenco, {giocata({1, 2})}));
        EsecuzioneContinua continua;
        ASSERT_TRUE(SviluppaSistemi(s, elenco, sistemi, false, continua).confermata());
        std::set<Tipo_Giocata> attese{giocata({1, 2})};
        for (const auto& sistema : sistemi) {
            for (std::size_t a = 0; a < sistema.size(); ++a) {
                for (std::size_t b = a + 1; b < sistema.size(); ++b) {
                    attese.insert(giocata({sistema[a], sistema[b]}));
                }
            }
        }
        const std::vector<Tipo_Giocata> dopo = Giocate(elenco);
        EXPECT_EQ(dopo.size(), attese.size());
        EXPECT_EQ(std::set<Tipo_Giocata>(dopo.begin(), dopo.end()), attese);
        EXPECT_EQ(dopo[1], giocata({1, 3}));
        EXPECT_TRUE(s.modificato);
    }
    // With the fixed number 9 only the third system gives plays; with everything present, nothing.
    {
        Sistema s = PronosticoPrimi(9, 2, {9});
        ElencoGiocate elenco;
        EsecuzioneContinua continua;
        ASSERT_TRUE(SviluppaSistemi(s, elenco, sistemi, true, continua).confermata());
        EXPECT_EQ(Giocate(elenco),
                  (std::vector<Tipo_Giocata>{giocata({1, 9}), giocata({5, 9}), giocata({7, 9})}));
        const EsitoRiduzione ancora = SviluppaSistemi(s, elenco, sistemi, true, continua);
        EXPECT_EQ(ancora.codice, CodiceRiduzione::NessunRisultato);
        ASSERT_TRUE(ancora.messaggio.has_value());
        EXPECT_EQ(ancora.messaggio->testo, messaggi_cruciverba::NessunaNuova);
    }
    // A stop drops what was added.
    {
        Sistema s = PronosticoPrimi(30, 2);
        ElencoGiocate elenco;
        std::vector<std::uint8_t> grande;
        for (int i = 1; i <= 30; ++i) {
            grande.push_back(static_cast<std::uint8_t>(i));
        }
        StopAl stop(2);
        EXPECT_EQ(SviluppaSistemi(s, elenco, {grande}, false, stop).codice, CodiceRiduzione::Interrotta);
        EXPECT_EQ(elenco.conteggio(), 0);
        EXPECT_FALSE(s.modificato);
    }
}
