#include "editor/file_riduzioni.h"
#include "reductions/rid_normalizza.h"
#include "reductions/rid_sostituzione.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using test::CaricaGiocate;
using test::giocata;
using test::Giocate;
using test::PronosticoPrimi;

using test::StopAl;

TabellaSostituzioni Tabella(std::vector<std::pair<Tipo_Giocata, Tipo_Giocata>> voci, bool parziale = false)
{
    TabellaSostituzioni t;
    t.parziale = parziale;
    for (const auto& [vecchia, nuova] : voci) {
        t.voci.push_back({vecchia, nuova});
    }
    return t;
}

} // namespace

TEST(SostituisciGiocata, ModiTotaleEParziale)
{
    struct Riga
    {
        const char* nome;
        TabellaSostituzioni tabella;
        Tipo_Giocata giocata;
        EsitoSostituzione esito;
        Tipo_Giocata risultato;
    };
    const auto g = [](std::initializer_list<int> n) { return giocata(n); };
    const std::vector<Riga> righe = {
        {"totale, tutti presenti", Tabella({{g({1, 2}), g({3, 4})}}), g({1, 2, 5}),
         EsitoSostituzione::Cambiata, g({3, 4, 5})},
        {"totale, uno solo presente", Tabella({{g({1, 2}), g({3, 4})}}), g({1, 5, 9}),
         EsitoSostituzione::Invariata, g({1, 5, 9})},
        {"parziale, uno solo presente", Tabella({{g({1, 2}), g({3, 4})}}, true), g({1, 5, 9}),
         EsitoSostituzione::Cambiata, g({3, 5, 9})},
        {"numeri che si fondono", Tabella({{g({1}), g({5})}}), g({1, 5, 9}), EsitoSostituzione::Cambiata,
         g({5, 9})},
        {"a catena", Tabella({{g({1}), g({2})}, {g({2}), g({3})}}), g({1, 4}), EsitoSostituzione::Cambiata,
         g({3, 4})},
        {"la seconda non si applica", Tabella({{g({7}), g({8})}, {g({1, 2}), g({3, 4})}}), g({1, 9}),
         EsitoSostituzione::Invariata, g({1, 9})},
        // The numbers a substitution replaces are chosen before it moves any.
        {"vecchi e nuovi sovrapposti", Tabella({{g({1, 2}), g({2, 3})}}), g({1, 2, 5}),
         EsitoSostituzione::Cambiata, g({2, 3, 5})},
        {"parziale sovrapposti", Tabella({{g({1, 2}), g({2, 3})}}, true), g({2, 5}),
         EsitoSostituzione::Cambiata, g({3, 5})},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        Tipo_Giocata risultato = r.giocata;
        EXPECT_EQ(SostituisciGiocata(r.giocata, r.tabella, true, risultato), r.esito);
        EXPECT_EQ(risultato, r.risultato);
    }
    Tipo_Giocata risultato{};
    EXPECT_EQ(SostituisciGiocata(g({1, 2}), righe[0].tabella, false, risultato), EsitoSostituzione::Rimossa);
}

TEST(SostituisciCombinazioni, DoppioniRimossiEFisse)
{
    Sistema s = PronosticoPrimi(20, 3);
    ElencoGiocate elenco;
    ASSERT_TRUE(CaricaGiocate(elenco, {giocata({5, 9}), giocata({1, 5, 9}), giocata({1, 2, 3}),
                                       giocata({2, 3, 4}), giocata({2, 3, 4})}));
    EsecuzioneContinua continua;
    const EsitoRiduzione esito =
        SostituisciCombinazioni(s, elenco, Tabella({{giocata({1}), giocata({5})}}), false, continua);
    ASSERT_TRUE(esito.confermata());
    EXPECT_TRUE(s.modificato);
    // 1 5 9 merges into 5 9, already first; the second 2 3 4 is a twin; 1 2 3 becomes 2 3 5.
    const std::vector<Tipo_Giocata> attese = {giocata({5, 9}), giocata({2, 3, 4}), giocata({2, 3, 5})};
    const std::vector<Tipo_Giocata> ottenute = Giocate(elenco);
    EXPECT_EQ(std::set<Tipo_Giocata>(ottenute.begin(), ottenute.end()),
              std::set<Tipo_Giocata>(attese.begin(), attese.end()));
    EXPECT_EQ(ottenute.size(), attese.size());

    // With the fixed numbers counting, a play without them goes, and so can every play.
    Sistema conFisse = PronosticoPrimi(20, 3, {7});
    EsitoRiduzione tutte =
        SostituisciCombinazioni(conFisse, elenco, Tabella({{giocata({1}), giocata({5})}}), true, continua);
    EXPECT_EQ(tutte.codice, CodiceRiduzione::NessunRisultato);
    ASSERT_TRUE(tutte.messaggio.has_value());
    EXPECT_EQ(tutte.messaggio->testo, messaggi_sostituzione::TutteEliminate);
    EXPECT_EQ(elenco.conteggio(), 0);
}

TEST(SostituisciCombinazioni, InterrottaTieneLoFatto)
{
    Sistema s = PronosticoPrimi(20, 3);
    ElencoGiocate elenco;
    ASSERT_TRUE(CaricaGiocate(elenco, {giocata({1, 2, 3}), giocata({1, 4, 5}), giocata({1, 6, 7})}));
    StopAl stop(1);
    const EsitoRiduzione esito =
        SostituisciCombinazioni(s, elenco, Tabella({{giocata({1}), giocata({9})}}), false, stop, 1);
    EXPECT_EQ(esito.codice, CodiceRiduzione::Interrotta);
    EXPECT_EQ(Giocate(elenco),
              (std::vector<Tipo_Giocata>{giocata({2, 3, 9}), giocata({1, 4, 5}), giocata({1, 6, 7})}));
    EXPECT_TRUE(s.modificato);
}

TEST(LeggiRigheSostituzioni, RigheERifiuti)
{
    struct Riga
    {
        const char* nome;
        std::vector<RigaSostituzione> righe;
        std::string rifiuto; // empty: accepted
        std::size_t voci;
    };
    const std::vector<Riga> casi = {
        // The rows before the faulty one were read; the run does not start anyway.
        {"due e uno",
         {{"1 2", "3 4"}, {"5 6", "7"}},
         "Una delle combinazioni della sostituzione nº 2 non è valida.",
         1},
        {"vecchia vuota", {{"", "3"}}, "Una delle combinazioni della sostituzione nº 1 non è valida.", 0},
        {"ripetuto", {{"1 1", "3 4"}}, "Una delle combinazioni della sostituzione nº 1 non è valida.", 0},
        {"fuori intervallo",
         {{"91", "3"}},
         "Una delle combinazioni della sostituzione nº 1 non è valida.",
         0},
        {"solo righe vuote", {{" ", ""}, {"", ""}}, "Inserire almeno una sostituzione.", 0},
        {"righe vuote saltate", {{"", ""}, {"3 1", "9 8"}, {"", " "}}, "", 1},
    };
    for (const Riga& c : casi) {
        SCOPED_TRACE(c.nome);
        const LetturaSostituzioni l = LeggiRigheSostituzioni(c.righe, false);
        EXPECT_EQ(l.rifiuto ? l.rifiuto->testo : std::string(), c.rifiuto);
        EXPECT_EQ(l.tabella.voci.size(), c.voci);
    }
    // Sorted on both sides: 1 -> 8 and 3 -> 9.
    const LetturaSostituzioni una = LeggiRigheSostituzioni({{"3 1", "9 8"}}, true);
    ASSERT_EQ(una.tabella.voci.size(), 1U);
    EXPECT_EQ(una.tabella.voci[0].vecchia, giocata({1, 3}));
    EXPECT_EQ(una.tabella.voci[0].nuova, giocata({8, 9}));

    // Past the 100th the rows are ignored, with the note.
    std::vector<RigaSostituzione> troppe(105, RigaSostituzione{"1", "2"});
    troppe[104] = {"x", ""};
    const LetturaSostituzioni limite = LeggiRigheSostituzioni(troppe, false);
    EXPECT_FALSE(limite.rifiuto.has_value());
    ASSERT_TRUE(limite.avviso.has_value());
    EXPECT_EQ(limite.avviso->testo, "Non è possibile inserire più di 100 sostituzioni.");
    EXPECT_EQ(limite.tabella.voci.size(), 100U);

    // The text form: one substitution a line.
    const auto righe = RigheDaTesto("1 2 ; 3 4\r\n5;6\nsenza separatore");
    ASSERT_EQ(righe.size(), 3U);
    EXPECT_EQ(righe[1].vecchia, "5");
    EXPECT_EQ(righe[1].nuova, "6");
    EXPECT_EQ(LeggiRigheSostituzioni(righe, false).rifiuto->testo,
              "Una delle combinazioni della sostituzione nº 3 non è valida.");
}

TEST(TabellaSostituzioni, RecordEFile)
{
    test::CartellaTemporanea cartella;
    const TabellaSostituzioni tabella =
        Tabella({{giocata({1, 2}), giocata({3, 4})}, {giocata({90}), giocata({1})}}, true);
    BloccoRecord<2008> record{};
    TabellaInRecord(tabella, record);
    ASSERT_TRUE(ScriviSostituzioni(cartella.cartella(), record));
    BloccoRecord<2008> letto{};
    ASSERT_EQ(LeggiSostituzioni(cartella.cartella(), letto), EsitoLettura::Letto);
    const TabellaSostituzioni riletta = TabellaDaRecord(letto);
    EXPECT_TRUE(riletta.parziale);
    ASSERT_EQ(riletta.voci.size(), 2U);
    EXPECT_EQ(riletta.voci[1].vecchia, giocata({90}));
    EXPECT_EQ(riletta.voci[1].nuova, giocata({1}));

    // A damaged substitution in the record is skipped rather than applied.
    letto[1000] = 0;
    EXPECT_EQ(TabellaDaRecord(letto).voci.size(), 1U);
}

TEST(NormalizzaDistribuzione, Soglie)
{
    const Sistema s = PronosticoPrimi(10, 5);
    const SoglieDistribuzione soglie = CalcolaSoglie(s, 6);
    EXPECT_DOUBLE_EQ(soglie.media, 3.0);
    EXPECT_EQ(soglie.bassa, 3);
    EXPECT_EQ(soglie.alta, 4);
}

TEST(NormalizzaDistribuzione, GiaNormalizzata)
{
    Sistema s = PronosticoPrimi(6, 3);
    ElencoGiocate elenco;
    // Every number twice: m = 4 x 3 / 6 = 2.
    ASSERT_TRUE(CaricaGiocate(
        elenco, {giocata({1, 2, 3}), giocata({4, 5, 6}), giocata({1, 3, 5}), giocata({2, 4, 6})}));
    EsecuzioneContinua continua;
    const EsitoRiduzione esito = NormalizzaDistribuzione(s, elenco, false, continua);
    EXPECT_EQ(esito.codice, CodiceRiduzione::NessunRisultato);
    ASSERT_TRUE(esito.messaggio.has_value());
    EXPECT_EQ(esito.messaggio->testo, messaggi_normalizza::GiaNormalizzata);
    EXPECT_EQ(esito.messaggio->icona, Icona::Informazione);
    EXPECT_FALSE(s.modificato);
}

TEST(NormalizzaDistribuzione, RaggiungeLeSoglie)
{
    struct Caso
    {
        const char* nome;
        int n;
        int k;
        std::vector<int> fisse;
    };
    const std::vector<Caso> casi = {
        {"senza fisse", 12, 4, {}}, {"con una fissa", 12, 4, {1}}, {"ampio", 20, 5, {}}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Sistema s = PronosticoPrimi(c.n, c.k);
        for (int f : c.fisse) {
            s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
        }
        // The first plays of the full development: the low numbers are everywhere, the high ones nowhere.
        ElencoGiocate tutte;
        test::Sviluppa(s, tutte, !c.fisse.empty());
        std::vector<Tipo_Giocata> prime = Giocate(tutte);
        prime.resize(std::min<std::size_t>(prime.size(), 15));
        ElencoGiocate elenco;
        ASSERT_TRUE(CaricaGiocate(elenco, prime));
        const FrequenzeNumeri prima = ContaFrequenze(elenco);
        const SoglieDistribuzione soglie = CalcolaSoglie(s, elenco.conteggio());
        ASSERT_GT(EccessoDistribuzione(s, prima, soglie), 1);

        EsecuzioneContinua continua;
        ASSERT_TRUE(NormalizzaDistribuzione(s, elenco, !c.fisse.empty(), continua).confermata());
        const std::vector<Tipo_Giocata> dopo = Giocate(elenco);
        ASSERT_EQ(dopo.size(), prime.size());
        EXPECT_EQ(std::set<Tipo_Giocata>(dopo.begin(), dopo.end()).size(), dopo.size());
        // Occurrences move only to numbers below L0: the run ends when none is left below L0 or none
        // above H0 (the fixed numbers aside, which never move).
        const FrequenzeNumeri f = ContaFrequenze(elenco);
        bool sotto = false;
        bool sopra = false;
        for (int x = 1; x <= c.n; ++x) {
            if (std::find(c.fisse.begin(), c.fisse.end(), x) != c.fisse.end()) {
                EXPECT_EQ(f[x - 1U], prima[x - 1U]) << x;
                continue;
            }
            sotto = sotto || f[x - 1U] < soglie.bassa;
            sopra = sopra || f[x - 1U] > soglie.alta;
        }
        EXPECT_FALSE(sotto && sopra);
        EXPECT_LT(EccessoDistribuzione(s, f, soglie), EccessoDistribuzione(s, prima, soglie));
        for (const Tipo_Giocata& g : dopo) {
            EXPECT_EQ(NumeriGiocata(g), c.k);
            EXPECT_TRUE(GiocataCanonica(g.data()));
        }
        EXPECT_TRUE(s.modificato);
    }
}

TEST(NormalizzaDistribuzione, InterrottaTieneLoFatto)
{
    Sistema s = PronosticoPrimi(12, 4);
    ElencoGiocate tutte;
    test::Sviluppa(s, tutte);
    std::vector<Tipo_Giocata> prime = Giocate(tutte);
    prime.resize(15);
    ElencoGiocate elenco;
    ASSERT_TRUE(CaricaGiocate(elenco, prime));
    StopAl stop(1);
    const EsitoRiduzione esito = NormalizzaDistribuzione(s, elenco, false, stop, 1);
    EXPECT_EQ(esito.codice, CodiceRiduzione::Interrotta);
    // The first play was rewritten before the poll; the others are as they were.
    const std::vector<Tipo_Giocata> dopo = Giocate(elenco);
    EXPECT_NE(dopo[0], prime[0]);
    EXPECT_TRUE(std::equal(dopo.begin() + 1, dopo.end(), prime.begin() + 1));
}
