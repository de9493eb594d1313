#include "editor/sviluppo_integrale.h"

#include "core/messaggi.h"
#include "support/cartella_temporanea.h"
#include "support/giocate_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using test::AllocatoreLimitato;
using test::giocata;

std::vector<std::uint8_t> Numeri(std::initializer_list<int> numeri)
{
    std::vector<std::uint8_t> v;
    for (int n : numeri) {
        v.push_back(static_cast<std::uint8_t>(n));
    }
    return v;
}

std::vector<std::uint8_t> DaUnoA(int n)
{
    std::vector<std::uint8_t> v;
    for (int i = 1; i <= n; ++i) {
        v.push_back(static_cast<std::uint8_t>(i));
    }
    return v;
}

Sistema SistemaCon(const std::vector<std::uint8_t>& pronostico, int k, const std::vector<int>& fisse = {})
{
    Sistema s;
    for (std::uint8_t n : pronostico) {
        s.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    s.numeriPerGiocata = k;
    for (int f : fisse) {
        s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
    }
    return s;
}

void Riempi(ElencoGiocate& elenco, const std::vector<Tipo_Giocata>& giocate)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(giocate.size())));
    std::int32_t i = 0;
    for (const Tipo_Giocata& g : giocate) {
        elenco.voce(++i) = g;
    }
    elenco.setConteggio(i);
}

std::vector<Tipo_Giocata> Contenuto(const ElencoGiocate& elenco)
{
    return {elenco.dati(), elenco.dati() + elenco.conteggio()};
}

std::vector<Tipo_Giocata> ConIteratore(CombinazioniPronostico c)
{
    std::vector<Tipo_Giocata> v;
    for (c.riavvia(); c.valida(); c.avanza()) {
        v.push_back(c.giocata());
    }
    return v;
}

std::vector<Tipo_Giocata> ConPerOgni(const CombinazioniPronostico& c)
{
    std::vector<Tipo_Giocata> v;
    EXPECT_TRUE(c.perOgni([&v](const Tipo_Giocata& g) {
        v.push_back(g);
        return true;
    }));
    return v;
}

// Records every poll; confirms the stop at poll number `fermaAlla` (never when 0).
class ControlloRegistrato final : public ControlloEsecuzione
{
public:
    explicit ControlloRegistrato(std::size_t fermaAlla = 0) : m_fermaAlla(fermaAlla) {}
    bool verifica(const Avanzamento& stato) override
    {
        stati.push_back(stato);
        return m_fermaAlla == 0 || stati.size() < m_fermaAlla;
    }
    std::vector<Avanzamento> stati;

private:
    std::size_t m_fermaAlla;
};

} // namespace

TEST(CombinazioniPronostico, TutteUnaVoltaInOrdineLessicografico)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::uint8_t> numeri;
        int k;
    };
    const std::vector<Riga> righe = {
        {"1..6 in terzine", DaUnoA(6), 3},
        {"un numero per giocata", Numeri({4, 9, 90}), 1},
        {"k uguale a n", Numeri({2, 30, 61, 77}), 4},
        {"numeri sparsi", Numeri({3, 17, 45, 88, 90}), 2},
        {"nove numeri, l'ultimo nel nono byte", DaUnoA(12), 9},
        {"dieci numeri, l'ultimo nel decimo byte", Numeri({1, 5, 9, 20, 33, 41, 50, 62, 70, 81, 85, 90}), 10},
        {"cinquine di 20 numeri", DaUnoA(20), 5},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const CombinazioniPronostico c(r.numeri, r.k);
        const auto viaIteratore = ConIteratore(c);
        EXPECT_EQ(ConPerOgni(c), viaIteratore);
        ASSERT_EQ(static_cast<double>(viaIteratore.size()), c.totale());
        EXPECT_TRUE(std::is_sorted(viaIteratore.begin(), viaIteratore.end()));
        EXPECT_EQ(std::adjacent_find(viaIteratore.begin(), viaIteratore.end()), viaIteratore.end());
        for (const Tipo_Giocata& g : viaIteratore) {
            // Canonical: k numbers of the list ascending, zeros after them.
            ASSERT_EQ(NumeriGiocata(g), r.k);
            EXPECT_TRUE(std::is_sorted(g.begin(), g.begin() + r.k));
            EXPECT_TRUE(std::all_of(g.begin() + r.k, g.end(), [](std::uint8_t b) { return b == 0; }));
            for (int i = 0; i < r.k; ++i) {
                EXPECT_NE(std::find(r.numeri.begin(), r.numeri.end(), g[static_cast<std::size_t>(i)]),
                          r.numeri.end());
            }
        }
        // Sorted, distinct, canonical and C(n, k) of them: every combination exactly once.
        EXPECT_EQ(viaIteratore.front(), CombinazioniPronostico(r.numeri, r.k).giocata());
    }
}

TEST(CombinazioniPronostico, NessunaCombinazione)
{
    for (const auto& [nome, numeri, k] :
         {std::tuple{"meno numeri di k", DaUnoA(3), 4}, std::tuple{"k nullo", DaUnoA(5), 0},
          std::tuple{"k oltre 10", DaUnoA(20), 11},
          std::tuple{"pronostico vuoto", std::vector<std::uint8_t>{}, 1}}) {
        SCOPED_TRACE(nome);
        CombinazioniPronostico c(numeri, k);
        EXPECT_FALSE(c.esiste());
        EXPECT_FALSE(c.valida());
        EXPECT_FALSE(c.avanza());
        EXPECT_FALSE(c.avanza());
        EXPECT_TRUE(ConPerOgni(c).empty());
    }
}

TEST(CombinazioniPronostico, PosizioniEFineStabile)
{
    CombinazioniPronostico c(Numeri({10, 20, 30, 40}), 2);
    for (int passi = 0; passi < 3; ++passi) {
        ASSERT_TRUE(c.avanza());
    }
    // 10 20, 10 30, 10 40, then 20 30.
    EXPECT_EQ(c.giocata(), giocata({20, 30}));
    EXPECT_EQ(c.posizione(1), 2);
    EXPECT_EQ(c.posizione(2), 3);
    while (c.avanza()) {
    }
    EXPECT_FALSE(c.valida());
    EXPECT_FALSE(c.avanza());
    c.riavvia();
    EXPECT_EQ(c.giocata(), giocata({10, 20}));
}

TEST(CombinazioniPronostico, PerOgniSiFermaQuandoRichiesto)
{
    const CombinazioniPronostico c(DaUnoA(10), 3);
    int visitate = 0;
    EXPECT_FALSE(c.perOgni([&visitate](const Tipo_Giocata&) { return ++visitate < 7; }));
    EXPECT_EQ(visitate, 7);
}

TEST(MappaFisse, ContieneFisse)
{
    struct Riga
    {
        const char* nome;
        // A vector, not an initializer_list: the list's array would end with the table's initialisation.
        std::vector<int> fisse;
        Tipo_Giocata giocata;
        int k;
        bool attesa;
    };
    const std::vector<Riga> righe = {
        {"nessuna fissa", {}, giocata({1, 2, 3}), 3, true},
        {"tutte presenti", {5, 90}, giocata({5, 40, 90}), 3, true},
        {"una mancante", {5, 90}, giocata({5, 40, 89}), 3, false},
        {"presente oltre i primi k numeri", {3}, giocata({1, 2, 3}), 2, false},
        {"fissa fuori intervallo", {0}, giocata({1, 2, 3}), 3, false},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        Sistema s;
        for (int f : r.fisse) {
            s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
        }
        EXPECT_EQ(ContieneFisse(r.giocata, r.k, MappaFisse(s)), r.attesa);
    }
    EXPECT_TRUE(ContieneFisse(giocata({7}), 1, MappaFisse()));
}

TEST(SviluppoIntegrale, EsitiEGiocateAggiunte)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::uint8_t> pronostico;
        int k;
        std::vector<int> fisse; // not an initializer_list, as above
        bool consideraFisse;
        std::vector<Tipo_Giocata> prima; // the list before the run
        CodiceSviluppo codice;
        std::vector<Tipo_Giocata> aggiunte; // empty: checked by count only
        std::int32_t quante;
    };
    const std::vector<Tipo_Giocata> sviluppo1a6 = ConIteratore(CombinazioniPronostico(DaUnoA(6), 3));
    std::vector<Tipo_Giocata> rovescio = sviluppo1a6;
    std::reverse(rovescio.begin(), rovescio.end());
    std::vector<Tipo_Giocata> mancanti = sviluppo1a6;
    mancanti.erase(std::remove_if(mancanti.begin(), mancanti.end(),
                                  [](const Tipo_Giocata& g) {
                                      return g == giocata({1, 2, 3}) || g == giocata({2, 4, 6});
                                  }),
                   mancanti.end());
    const std::vector<Riga> righe = {
        {"1..6 in terzine su elenco vuoto",
         DaUnoA(6),
         3,
         {},
         false,
         {},
         CodiceSviluppo::Completato,
         sviluppo1a6,
         20},
        {"fissa 1 considerata",
         DaUnoA(6),
         3,
         {1},
         true,
         {},
         CodiceSviluppo::Completato,
         {giocata({1, 2, 3}), giocata({1, 2, 4}), giocata({1, 2, 5}), giocata({1, 2, 6}), giocata({1, 3, 4}),
          giocata({1, 3, 5}), giocata({1, 3, 6}), giocata({1, 4, 5}), giocata({1, 4, 6}), giocata({1, 5, 6})},
         10},
        {"fissa 1 non considerata",
         DaUnoA(6),
         3,
         {1},
         false,
         {},
         CodiceSviluppo::Completato,
         sviluppo1a6,
         20},
        {"fisse 2 e 5",
         DaUnoA(6),
         3,
         {5, 2},
         true,
         {},
         CodiceSviluppo::Completato,
         {giocata({1, 2, 5}), giocata({2, 3, 5}), giocata({2, 4, 5}), giocata({2, 5, 6})},
         4},
        {"fissa 7 non pronosticata",
         DaUnoA(6),
         3,
         {7},
         true,
         {giocata({40, 50})},
         CodiceSviluppo::NessunaGiocata,
         {},
         0},
        {"un numero per giocata",
         Numeri({8, 3, 77, 21, 90}),
         1,
         {},
         false,
         {},
         CodiceSviluppo::Completato,
         {giocata({3}), giocata({8}), giocata({21}), giocata({77}), giocata({90})},
         5},
        {"solo le mancanti",
         DaUnoA(6),
         3,
         {},
         false,
         {giocata({2, 4, 6}), giocata({10, 20, 30}), giocata({1, 2, 3})},
         CodiceSviluppo::Completato,
         mancanti,
         18},
        {"gia presenti in altro ordine",
         DaUnoA(6),
         3,
         {},
         false,
         rovescio,
         CodiceSviluppo::NessunaGiocata,
         {},
         0},
        {"giocate di altra lunghezza non sono doppioni",
         DaUnoA(4),
         3,
         {},
         false,
         {giocata({1, 2, 3, 4})},
         CodiceSviluppo::Completato,
         {},
         4},
        {"pronostico insufficiente", DaUnoA(2), 3, {}, false, {}, CodiceSviluppo::NessunaGiocata, {}, 0},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        Sistema s = SistemaCon(r.pronostico, r.k, r.fisse);
        ElencoGiocate elenco;
        Riempi(elenco, r.prima);
        ControlloRegistrato controllo;

        const EsitoSviluppo esito = SviluppoIntegrale(s, r.consideraFisse, elenco, controllo);

        EXPECT_EQ(esito.codice, r.codice);
        EXPECT_EQ(esito.aggiunte, r.quante);
        const auto dopo = Contenuto(elenco);
        ASSERT_EQ(dopo.size(), r.prima.size() + static_cast<std::size_t>(r.quante));
        EXPECT_TRUE(std::equal(r.prima.begin(), r.prima.end(), dopo.begin()));
        if (!r.aggiunte.empty()) {
            EXPECT_TRUE(std::equal(r.aggiunte.begin(), r.aggiunte.end(), dopo.begin() + std::ssize(r.prima),
                                   dopo.end()));
        }
        EXPECT_EQ(s.modificato, r.codice == CodiceSviluppo::Completato);
        if (r.codice == CodiceSviluppo::NessunaGiocata) {
            ASSERT_TRUE(esito.messaggio().has_value());
            EXPECT_EQ(esito.messaggio()->testo, "Non è stata aggiunta nemmeno una giocata!\r"
                                                "Verificare la presenza delle fisse nel pronostico.");
            EXPECT_EQ(esito.messaggio()->titolo, "Attenzione");
            EXPECT_EQ(esito.messaggio()->icona, Icona::Avviso);
        } else {
            EXPECT_FALSE(esito.messaggio().has_value());
        }
        // Fewer than 64 candidates everywhere here: no poll.
        EXPECT_TRUE(controllo.stati.empty());
    }
}

TEST(SviluppoIntegrale, SecondoSviluppoNonAggiungeNullaEAggiornaLaCopia)
{
    Sistema s = SistemaCon(DaUnoA(12), 4);
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    EsecuzioneContinua continua;
    ASSERT_EQ(SviluppoIntegrale(s, false, elenco, continua).aggiunte, 495);
    // The first run found the list empty: nothing to snapshot.
    EXPECT_EQ(elenco.conteggioAnnulla(), 0);

    s.modificato = false;
    const auto prima = Contenuto(elenco);
    const EsitoSviluppo secondo = SviluppoIntegrale(s, false, elenco, continua);
    EXPECT_EQ(secondo.codice, CodiceSviluppo::NessunaGiocata);
    EXPECT_EQ(Contenuto(elenco), prima);
    EXPECT_FALSE(s.modificato);
    EXPECT_EQ(elenco.conteggioAnnulla(), 495);
}

TEST(SviluppoIntegrale, VerificheOgni64Candidati)
{
    // 1..10 in plays of 5 with the fixed number 1: 252 candidates, 126 accepted.
    Sistema s = SistemaCon(DaUnoA(10), 5, {1});
    ElencoGiocate elenco;
    ControlloRegistrato controllo;
    ASSERT_EQ(SviluppoIntegrale(s, true, elenco, controllo).aggiunte, 126);

    ASSERT_EQ(controllo.stati.size(), 3u);
    // Candidates starting with 1 come first: the first 126 are all accepted.
    const std::vector<std::int64_t> prodotti = {64, 126, 126};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(controllo.stati[i].elaborati, 64.0 * static_cast<double>(i + 1));
        EXPECT_EQ(controllo.stati[i].totale, 252.0);
        EXPECT_EQ(controllo.stati[i].prodotti, prodotti[i]);
    }
}

TEST(SviluppoIntegrale, InterruzioneConfermataNonAggiungeNulla)
{
    Sistema s = SistemaCon(DaUnoA(20), 3);
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    Riempi(elenco, {giocata({50, 60, 70}), giocata({1, 2, 3})});
    ControlloRegistrato controllo(2);

    const EsitoSviluppo esito = SviluppoIntegrale(s, false, elenco, controllo);

    EXPECT_EQ(esito.codice, CodiceSviluppo::Interrotto);
    EXPECT_EQ(esito.aggiunte, 0);
    EXPECT_FALSE(esito.messaggio().has_value());
    // The run stopped at the poll that confirmed it.
    EXPECT_EQ(controllo.stati.size(), 2u);
    EXPECT_EQ(Contenuto(elenco), (std::vector<Tipo_Giocata>{giocata({50, 60, 70}), giocata({1, 2, 3})}));
    EXPECT_FALSE(s.modificato);
    EXPECT_EQ(elenco.conteggioAnnulla(), 2);
}

TEST(SviluppoIntegrale, MemoriaInsufficienteLasciaLElencoComEra)
{
    struct Riga
    {
        const char* nome;
        std::size_t limite;
        std::vector<Tipo_Giocata> prima;
        int n;
    };
    // A list that got its first block, then cannot grow past it: C(60, 5) plays need a second one.
    const std::vector<Riga> righe = {
        {"nessuna memoria", 0, {}, 6},
        {"crescita fallita a meta",
         static_cast<std::size_t>(ElencoGiocate::PrimoIncremento),
         {giocata({89, 90}), giocata({1, 2, 3, 4, 5})},
         60},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        AllocatoreLimitato allocatore(r.limite);
        test::MessaggiRegistrati messaggi;
        ElencoGiocate elenco(&allocatore);
        elenco.setServizioMessaggi(&messaggi);
        Riempi(elenco, r.prima);
        Sistema s = SistemaCon(DaUnoA(r.n), 5);
        EsecuzioneContinua continua;

        const EsitoSviluppo esito = SviluppoIntegrale(s, false, elenco, continua);

        EXPECT_EQ(esito.codice, CodiceSviluppo::MemoriaInsufficiente);
        EXPECT_EQ(esito.aggiunte, 0);
        EXPECT_FALSE(esito.messaggio().has_value());
        EXPECT_EQ(Contenuto(elenco), r.prima);
        EXPECT_FALSE(s.modificato);
        ASSERT_EQ(messaggi.mostrati.size(), 1u);
        EXPECT_EQ(messaggi.mostrati[0].testo, messaggi::MemoriaInsufficiente);
    }
}
