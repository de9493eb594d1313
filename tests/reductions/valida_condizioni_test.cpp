#include "reductions/valida_condizioni.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ValidaCondizioni, LeggiIntervalli)
{
    namespace m = messaggi_condizioni;
    struct Riga
    {
        const char* nome;
        std::vector<RigaIntervallo> griglia;
        std::string messaggio;
        int intervalli;
    };
    const std::vector<Riga> righe = {
        {"pieno-vuoto-pieno", {{"10", "20"}, {" ", ""}, {"30", "40"}}, "", 2},
        {"decimali", {{"10.5", "10.5"}}, "", 1},
        {"tutto-vuoto", {{"", ""}, {"", ""}}, "", 0},
        {"minimo-mancante",
         {{"10", "20"}, {"", "5"}},
         "Il valore minimo dell'intervallo nº 2 non è valido.",
         1},
        {"massimo-oltre", {{"1", "856"}}, "Il valore massimo dell'intervallo nº 1 non è valido.", 0},
        {"minimo-maggiore",
         {{"", ""}, {"", ""}, {"30", "20"}},
         "Il valore minimo dell'intervallo nº 3 è maggiore di quello massimo.",
         0},
        {"due-punti", {{"1.2.3", "4"}}, "Il valore minimo dell'intervallo nº 1 non è valido.", 0},
        {"virgola", {{"1,5", "4"}}, "Il valore minimo dell'intervallo nº 1 non è valido.", 0},
        {"massimo-ammesso", {{"0", "855"}}, "", 1},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ListaIntervalli lista;
        const EsitoIntervalli esito = LeggiIntervalli(r.griglia, lista);
        EXPECT_EQ(esito.ok, r.messaggio.empty());
        EXPECT_EQ(esito.messaggio ? esito.messaggio->testo : std::string(), r.messaggio);
        if (esito.messaggio) {
            EXPECT_EQ(esito.messaggio->titolo, "Attenzione");
        }
        EXPECT_EQ(lista.numero, r.intervalli);
    }
}

TEST(ValidaCondizioni, PagineERecord)
{
    PagineCondizioni pagine;
    pagine.spunte[Indice(Criterio::ErroriConsentiti)] = true;
    pagine.valori[Indice(Criterio::ErroriConsentiti)][0] = true;
    CondizioniRiduzione attuale;
    attuale.riservati = {7, 8, 9};
    attuale.errori[27] = 5;

    auto esito = ValidaCondizioni(pagine, attuale);
    EXPECT_FALSE(esito.ok);
    EXPECT_EQ(esito.messaggio->testo, "Selezionare almeno una condizione!");
    EXPECT_FALSE(esito.criterioFocus.has_value());

    // A ticked interval criterion without intervals.
    pagine.spunte[Indice(Criterio::Somma)] = true;
    esito = ValidaCondizioni(pagine, attuale);
    EXPECT_EQ(esito.messaggio->testo, "Inserire almeno un intervallo consentito.");
    EXPECT_EQ(esito.criterioFocus, Criterio::Somma);

    // The grid of an unticked criterion is read too.
    pagine.griglia(Criterio::Somma) = {{"150", "300"}};
    pagine.griglia(Criterio::MediaPari) = {{"x", "1"}};
    esito = ValidaCondizioni(pagine, attuale);
    EXPECT_EQ(esito.criterioFocus, Criterio::MediaPari);
    EXPECT_EQ(esito.messaggio->testo, "Il valore minimo dell'intervallo nº 1 non è valido.");

    pagine.griglia(Criterio::MediaPari).clear();
    pagine.valori[Indice(Criterio::NumeriPari)][2] = pagine.valori[Indice(Criterio::NumeriPari)][3] = true;
    pagine.valori[Indice(Criterio::ParalleliDispari)][5] = true;
    esito = ValidaCondizioni(pagine, attuale);
    ASSERT_TRUE(esito.ok);
    const CondizioniRiduzione& c = esito.condizioni;
    EXPECT_EQ(c.abilitati[4], 1);
    EXPECT_EQ(c.abilitati[24], 1);
    EXPECT_EQ(c.abilitati[0], 0);
    EXPECT_TRUE(c.ammesso(Criterio::NumeriPari, 2) && c.ammesso(Criterio::NumeriPari, 3) &&
                !c.ammesso(Criterio::NumeriPari, 4));
    EXPECT_TRUE(c.ammesso(Criterio::ParalleliDispari, 5));
    EXPECT_EQ(c.lista(Criterio::Somma).numero, 1);
    EXPECT_EQ(c.lista(Criterio::Somma).massimi[0], 300.0);
    EXPECT_TRUE(c.erroreAmmesso(0));
    EXPECT_EQ(c.riservati, attuale.riservati);
    EXPECT_EQ(c.errori[27], 5);

    EXPECT_FALSE(ControllaCondizioni(c).has_value());
    EXPECT_EQ(ControllaCondizioni(CondizioniRiduzione{})->testo, "Selezionare almeno una condizione!");
}

// Every set page fills its criterion's values and no more: the bytes past the set, like the reserved
// error counts, keep what the record held.
TEST(ValidaCondizioni, InsiemiFinoAlValoreMassimo)
{
    PagineCondizioni pagine;
    for (auto& valori : pagine.valori) {
        valori.fill(true);
    }
    pagine.spunte[Indice(Criterio::NumeriPari)] = true;
    CondizioniRiduzione attuale;
    for (auto& insieme : attuale.insiemi) {
        insieme.fill(7);
    }
    attuale.errori.fill(7);

    const EsitoValidazione esito = ValidaCondizioni(pagine, attuale);
    ASSERT_TRUE(esito.ok);
    struct Riga
    {
        Criterio criterio;
        int valori; // the cells of its page
    };
    using enum Criterio;
    for (const Riga& r : {Riga{NumeriPari, 11}, Riga{SequenzeDispari, 11}, Riga{Consecutivi, 10},
                          Riga{InterruzioniConsecutive, 10}, Riga{Simmetrie, 6}, Riga{ParalleliDispari, 6}}) {
        SCOPED_TRACE(Descrizione(r.criterio).didascalia);
        const auto& insieme = esito.condizioni.insieme(r.criterio);
        for (std::size_t v = 0; v < insieme.size(); ++v) {
            EXPECT_EQ(insieme[v], static_cast<int>(v) < r.valori ? 1 : 7) << v;
        }
    }
    for (int e = 0; e < 29; ++e) {
        EXPECT_EQ(esito.condizioni.errori[static_cast<std::size_t>(e)], e < 24 ? 1 : 7) << e;
    }
}
