#include "reductions/condizioni.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <string>
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

void Insieme(CondizioniRiduzione& c, int criterio, std::initializer_list<int> valori)
{
    c.abilitati[static_cast<std::size_t>(criterio)] = 1;
    for (int v : valori) {
        c.insiemi[static_cast<std::size_t>(criterio)][static_cast<std::size_t>(v)] = 1;
    }
}

void Intervallo(CondizioniRiduzione& c, int criterio, double minimo, double massimo)
{
    c.abilitati[static_cast<std::size_t>(criterio)] = 1;
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
    for (int k = 0; k < CriteriCondizioni; ++k) {
        if (!c.abilitato(k) || !CriterioValutato(k, v)) {
            continue;
        }
        const double x = ValoreCriterio(k, v);
        const bool ok = CriterioAIntervalli(k) ? c.lista(k).contiene(x) : c.ammesso(k, static_cast<int>(x));
        if (!ok) {
            esito[static_cast<std::size_t>(k)] = 1;
            ++falliti;
        }
    }
    return falliti;
}

} // namespace

TEST(Condizioni, ValoriDiGiocateScelte)
{
    struct Riga
    {
        const char* nome;
        Tipo_Giocata giocata;
        std::array<double, CriteriCondizioni> valori;
        std::array<bool, CriteriCondizioni> valutato;
    };
    constexpr bool T = true;
    constexpr bool F = false;
    const std::vector<Riga> righe = {
        {"uno-sei",
         giocata({1, 2, 3, 4, 5, 6}),
         {3, 3, 1, 1, 21, 12, 9, 3, 3.5, 4, 3, 1, 1, 1, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0},
         {T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T}},
        {"simmetria-e-parallelo",
         giocata({10, 55, 81}),
         {1, 2, 1, 2, 146, 10, 136, 126, 146.0 / 3, 10, 68, 26, 35.5, 45, 71, 0, 1, 1, 1, 0, 0, 1, 0, 0},
         {T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T}},
        // Runs: even 2 4 6 (3), odd 9 11 (2); parity changes at 6-9 and 11-80; 11 + 80 = 91.
        {"sequenze",
         giocata({2, 4, 6, 9, 11, 80}),
         {4, 2, 3, 2, 112, 92, 20, 72, 112.0 / 6, 23, 10, 2, 78.0 / 5, 69, 78, 0, 2, 1, 1, 1, 0, 0, 1, 0},
         {T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T}},
        {"un-numero",
         giocata({7}),
         {0, 1, 0, 1, 7, 0, 7, 7, 7, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {T, T, T, T, T, T, T, T, T, F, T, F, F, F, F, T, T, T, F, F, F, F, F, F}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const ValoriGiocata v = CalcolaValori(r.giocata);
        for (int k = 0; k < CriteriCondizioni; ++k) {
            SCOPED_TRACE(DidascaliaCriterio(k));
            EXPECT_EQ(CriterioValutato(k, v), r.valutato[static_cast<std::size_t>(k)]);
            if (r.valutato[static_cast<std::size_t>(k)]) {
                EXPECT_DOUBLE_EQ(ValoreCriterio(k, v), r.valori[static_cast<std::size_t>(k)]);
            }
        }
    }
    // 1+90, 2+89, 44+47, 45+46 sum to 91; 1-46, 2-47, 44-89, 45-90 differ by 45.
    const ValoriGiocata v = CalcolaValori(giocata({1, 2, 3, 4, 44, 45, 46, 47, 89, 90}));
    EXPECT_EQ(v.simmetrie, 4);
    EXPECT_EQ(v.paralleli, 4);
    EXPECT_EQ(v.consecutivi, 7);
}

TEST(Condizioni, ErroriConsentitiEFisse)
{
    CondizioniRiduzione c = SoloErrori({0, 1});
    Insieme(c, 0, {2});                                   // even numbers: 2
    Intervallo(c, 4, 10.0, 20.0);                         // sum 10..20
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

    // A missing fixed number: 25 and flag 24 alone, whatever the errors allow.
    Sistema s;
    s.numeroFisse = 1;
    s.fisse[0] = 4;
    CondizioniRiduzione tutti = c;
    tutti.errori.fill(1);
    const VerificatoreCondizioni v(tutti, MappaFisse(s));
    EsitoCondizioni esito;
    EXPECT_EQ(v.VerificaCondizioni(unoSbagliato, true, esito), EsitoFisseMancanti);
    EXPECT_EQ(std::count(esito.begin(), esito.end(), 1), 1);
    EXPECT_EQ(esito[CriterioErrori], 1);
    EXPECT_FALSE(v.accettata(unoSbagliato, true));
    EXPECT_TRUE(v.accettata(conUnErrore, true));
    EXPECT_EQ(v.VerificaCondizioni(unoSbagliato, false, esito), 2);
}

TEST(Condizioni, MediaAgliEstremiDellIntervallo)
{
    CondizioniRiduzione c = SoloErrori({0});
    Intervallo(c, 8, 10.5, 10.5);
    const VerificatoreCondizioni v(c);
    EXPECT_TRUE(v.accettata(giocata({10, 11}), false));
    EXPECT_FALSE(v.accettata(giocata({10, 12}), false));
    EXPECT_TRUE(v.accettata(giocata({1, 9, 11, 21}), false)); // 42 / 4
}

// The tables and the early stop give exactly the answers of the definitions, on random conditions and
// plays of every size, the out-of-form plays included.
TEST(Condizioni, TabelleComeLeDefinizioni)
{
    std::mt19937 caso(20240611);
    for (int prova = 0; prova < 300; ++prova) {
        CondizioniRiduzione c;
        for (int k = 0; k < CriteriCondizioni; ++k) {
            c.abilitati[static_cast<std::size_t>(k)] = caso() % 3 == 0 ? 1 : 0;
            if (CriterioAIntervalli(k)) {
                const int n = static_cast<int>(caso() % 4);
                for (int i = 0; i < n; ++i) {
                    const double a = static_cast<double>(caso() % 4000) / 8.0;
                    const double b = a + static_cast<double>(caso() % 2000) / 8.0;
                    c.lista(k).minimi[static_cast<std::size_t>(i)] = a;
                    c.lista(k).massimi[static_cast<std::size_t>(i)] = b;
                }
                c.lista(k).numero = n;
            } else {
                for (auto& b : c.insiemi[static_cast<std::size_t>(k)]) {
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

TEST(Condizioni, ImmagineDi17888Byte)
{
    // Every byte survives a read and a write, reserved ones and odd doubles included.
    BloccoRecord<17888> casuale{};
    std::mt19937 caso(7);
    for (auto& b : casuale) {
        b = static_cast<std::uint8_t>(caso());
    }
    EXPECT_EQ(CondizioniRiduzione::daBlocco(casuale).blocco(), casuale);

    CondizioniRiduzione c;
    c.abilitati[3] = 1;
    c.abilitati[24] = 1;
    c.insiemi[0][10] = 1;
    c.insiemi[3][2] = 1;
    c.insiemi[15][9] = 1;
    c.insiemi[23][5] = 1;
    c.lista(4).minimi[0] = 150.0;
    c.lista(4).massimi[99] = 300.0;
    c.lista(4).numero = 1;
    c.lista(14).numero = 100;
    c.errori[23] = 1;
    const BloccoRecord<17888> b = c.blocco();
    struct Riga
    {
        const char* nome;
        std::size_t offset;
        std::uint8_t byte;
    };
    for (const Riga& r : std::vector<Riga>{{"abilitato 3", 3, 1},
                                           {"abilitato 24", 24, 1},
                                           {"pari 10", 25 + 10, 1},
                                           {"sequenze dispari 2", 58 + 2, 1},
                                           {"consecutivi 9", 17760 + 9, 1},
                                           {"paralleli dispari 5", 17848 + 5, 1},
                                           {"errori 23", 17859 + 23, 1},
                                           {"conteggio somma", 72 + 1600, 1},
                                           {"conteggio differenza totale", 16152 + 1600, 100}}) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(b[r.offset], r.byte);
    }
    EXPECT_EQ(LeggiCampoDouble(b, 72), 150.0);
    EXPECT_EQ(LeggiCampoDouble(b, 72 + 800 + 99 * 8), 300.0);
    EXPECT_EQ(std::count_if(b.begin(), b.end(), [](std::uint8_t x) { return x != 0; }), 15);
}

TEST(Condizioni, LeggiIntervalli)
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

TEST(Condizioni, ValidaCondizioni)
{
    PagineCondizioni pagine;
    pagine.spunte[CriterioErrori] = true;
    pagine.valori[CriterioErrori][0] = true;
    CondizioniRiduzione attuale;
    attuale.riservati = {7, 8, 9};
    attuale.errori[27] = 5;

    auto esito = ValidaCondizioni(pagine, attuale);
    EXPECT_FALSE(esito.ok);
    EXPECT_EQ(esito.messaggio->testo, "Selezionare almeno una condizione!");
    EXPECT_EQ(esito.criterioFocus, -1);

    // A ticked interval criterion without intervals.
    pagine.spunte[4] = true;
    esito = ValidaCondizioni(pagine, attuale);
    EXPECT_EQ(esito.messaggio->testo, "Inserire almeno un intervallo consentito.");
    EXPECT_EQ(esito.criterioFocus, 4);

    // The grid of an unticked criterion is read too.
    pagine.griglie[4 - 4] = {{"150", "300"}};
    pagine.griglie[9 - 4] = {{"x", "1"}};
    esito = ValidaCondizioni(pagine, attuale);
    EXPECT_EQ(esito.criterioFocus, 9);
    EXPECT_EQ(esito.messaggio->testo, "Il valore minimo dell'intervallo nº 1 non è valido.");

    pagine.griglie[9 - 4].clear();
    pagine.valori[0][2] = pagine.valori[0][3] = true;
    pagine.valori[23][5] = true;
    esito = ValidaCondizioni(pagine, attuale);
    ASSERT_TRUE(esito.ok);
    const CondizioniRiduzione& c = esito.condizioni;
    EXPECT_EQ(c.abilitati[4], 1);
    EXPECT_EQ(c.abilitati[24], 1);
    EXPECT_EQ(c.abilitati[0], 0);
    EXPECT_TRUE(c.ammesso(0, 2) && c.ammesso(0, 3) && !c.ammesso(0, 4));
    EXPECT_TRUE(c.ammesso(23, 5));
    EXPECT_EQ(c.lista(4).numero, 1);
    EXPECT_EQ(c.lista(4).massimi[0], 300.0);
    EXPECT_TRUE(c.erroreAmmesso(0));
    EXPECT_EQ(c.riservati, attuale.riservati);
    EXPECT_EQ(c.errori[27], 5);

    EXPECT_FALSE(ControllaCondizioni(c).has_value());
    EXPECT_EQ(ControllaCondizioni(CondizioniRiduzione{})->testo, "Selezionare almeno una condizione!");
}
