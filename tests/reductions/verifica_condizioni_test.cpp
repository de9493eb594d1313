#include "reductions/verifica_condizioni.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

using test::giocata;

CondizioniRiduzione SoloErrori(std::initializer_list<int> errori)
{
    CondizioniRiduzione c;
    for (int e : errori) {
        c.errori[static_cast<std::size_t>(e)] = 1;
    }
    return c;
}

void Insieme(CondizioniRiduzione& c, Criterio criterio, std::initializer_list<int> valori)
{
    c.setAbilitato(criterio, true);
    for (int v : valori) {
        c.insieme(criterio)[static_cast<std::size_t>(v)] = 1;
    }
}

void Intervallo(CondizioniRiduzione& c, Criterio criterio, double minimo, double massimo)
{
    c.setAbilitato(criterio, true);
    ListaIntervalli& l = c.lista(criterio);
    l.minimi[static_cast<std::size_t>(l.numero)] = minimo;
    l.massimi[static_cast<std::size_t>(l.numero)] = massimo;
    ++l.numero;
}

// The test written straight from the definitions, criterion by criterion.
int Riferimento(const CondizioniRiduzione& c, const Tipo_Giocata& g, EsitoCondizioni& esito)
{
    esito.fill(0);
    const ValoriGiocata v = CalcolaValori(g);
    int falliti = 0;
    for (Criterio k : Criteri) {
        if (!c.abilitato(k) || !CriterioValutato(k, v)) {
            continue;
        }
        const double x = ValoreCriterio(k, v);
        const bool ok =
            Descrizione(k).intervalli() ? c.lista(k).contiene(x) : c.ammesso(k, static_cast<int>(x));
        if (!ok) {
            esito[Indice(k)] = 1;
            ++falliti;
        }
    }
    return falliti;
}

} // namespace

TEST(VerificatoreCondizioni, ErroriConsentitiEFisse)
{
    CondizioniRiduzione c = SoloErrori({0, 1});
    Insieme(c, Criterio::NumeriPari, {2});                // even numbers: 2
    Intervallo(c, Criterio::Somma, 10.0, 20.0);           // sum 10..20
    const Tipo_Giocata unoSbagliato = giocata({1, 2, 3}); // 1 even, sum 6: fails both
    const Tipo_Giocata unErrore = giocata({2, 4, 5});     // 2 even, sum 11: passes both
    const Tipo_Giocata conUnErrore = giocata({2, 4, 6});  // 3 even, sum 12: fails 0 only

    struct Riga
    {
        const char* nome;
        std::vector<int> errori;
        Tipo_Giocata giocata;
        int risultato;
        bool accettata;
    };
    const std::vector<Riga> righe = {
        {"zero-o-uno, nessun errore", {0, 1}, unErrore, 0, true},
        {"zero-o-uno, un errore", {0, 1}, conUnErrore, 1, true},
        {"zero-o-uno, due errori", {0, 1}, unoSbagliato, 2, false},
        {"solo-uno, nessun errore", {1}, unErrore, 0, false},
        {"solo-uno, un errore", {1}, conUnErrore, 1, true},
        {"solo-due", {2}, unoSbagliato, 2, true},
        {"nessuno", {}, unErrore, 0, false},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        CondizioniRiduzione cc = c;
        cc.errori.fill(0);
        for (int e : r.errori) {
            cc.errori[static_cast<std::size_t>(e)] = 1;
        }
        const VerificatoreCondizioni v(cc);
        EsitoCondizioni esito;
        EXPECT_EQ(v.VerificaCondizioni(r.giocata, false, esito), r.risultato);
        EXPECT_EQ(v.accettata(r.giocata, false), r.accettata);
    }

    // A missing fixed number: 25 and the flag of "Errori consentiti" alone, whatever the errors allow.
    Sistema s;
    s.numeroFisse = 1;
    s.fisse[0] = 4;
    CondizioniRiduzione tutti = c;
    tutti.errori.fill(1);
    const VerificatoreCondizioni v(tutti, MappaFisse(s));
    EsitoCondizioni esito;
    EXPECT_EQ(v.VerificaCondizioni(unoSbagliato, true, esito), EsitoFisseMancanti);
    EXPECT_EQ(std::count(esito.begin(), esito.end(), 1), 1);
    EXPECT_EQ(esito[Indice(Criterio::ErroriConsentiti)], 1);
    EXPECT_FALSE(v.accettata(unoSbagliato, true));
    EXPECT_TRUE(v.accettata(conUnErrore, true));
    EXPECT_EQ(v.VerificaCondizioni(unoSbagliato, false, esito), 2);
}

TEST(VerificatoreCondizioni, MediaAgliEstremiDellIntervallo)
{
    CondizioniRiduzione c = SoloErrori({0});
    Intervallo(c, Criterio::Media, 10.5, 10.5);
    const VerificatoreCondizioni v(c);
    EXPECT_TRUE(v.accettata(giocata({10, 11}), false));
    EXPECT_FALSE(v.accettata(giocata({10, 12}), false));
    EXPECT_TRUE(v.accettata(giocata({1, 9, 11, 21}), false)); // 42 / 4
}

// The tables and the early stop give exactly the answers of the definitions, on random conditions and
// plays of every size, the out-of-form plays included.
TEST(VerificatoreCondizioni, TabelleComeLeDefinizioni)
{
    std::mt19937 caso(20240611);
    for (int prova = 0; prova < 300; ++prova) {
        CondizioniRiduzione c;
        for (Criterio k : Criteri) {
            c.setAbilitato(k, caso() % 3 == 0);
            if (Descrizione(k).intervalli()) {
                const int n = static_cast<int>(caso() % 4);
                for (int i = 0; i < n; ++i) {
                    const double a = static_cast<double>(caso() % 4000) / 8.0;
                    const double b = a + static_cast<double>(caso() % 2000) / 8.0;
                    c.lista(k).minimi[static_cast<std::size_t>(i)] = a;
                    c.lista(k).massimi[static_cast<std::size_t>(i)] = b;
                }
                c.lista(k).numero = n;
            } else {
                for (auto& b : c.insieme(k)) {
                    b = caso() % 2 == 0 ? 1 : 0;
                }
            }
        }
        for (int e = 0; e <= 24; ++e) {
            c.errori[static_cast<std::size_t>(e)] = caso() % 3 == 0 ? 1 : 0;
        }
        const VerificatoreCondizioni v(c);
        for (int g = 0; g < 200; ++g) {
            Tipo_Giocata gio{};
            const int m = static_cast<int>(caso() % 11);
            std::vector<int> numeri(90);
            std::iota(numeri.begin(), numeri.end(), 1);
            std::shuffle(numeri.begin(), numeri.end(), caso);
            std::sort(numeri.begin(), numeri.begin() + m);
            for (int i = 0; i < m; ++i) {
                gio[static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(numeri[static_cast<std::size_t>(i)]);
            }
            if (g % 50 == 49 && m >= 2) {
                std::swap(gio[0], gio[1]); // out of order
            }
            EsitoCondizioni atteso;
            EsitoCondizioni ottenuto;
            const int r = Riferimento(c, gio, atteso);
            ASSERT_EQ(v.VerificaCondizioni(gio, false, ottenuto), r) << "prova " << prova << " giocata " << g;
            ASSERT_EQ(ottenuto, atteso);
            ASSERT_EQ(v.accettata(gio, false), c.erroreAmmesso(r));
        }
    }
}
