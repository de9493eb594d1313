#include "editor/viste_statistiche.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <numeric>
#include <string>

namespace {

struct Ruote
{
    std::initializer_list<int> bari;
    std::initializer_list<int> roma;
};

Tipo_Estrazione Estrazione(int giorno, Ruote r)
{
    Tipo_Estrazione e;
    e.giorno = static_cast<std::uint8_t>(giorno);
    e.mese = 1;
    e.setAnno(2020);
    int p = 1;
    for (int n : r.bari) {
        e.setNumero(Bari, p++, static_cast<std::uint8_t>(n));
    }
    p = 1;
    for (int n : r.roma) {
        e.setNumero(Roma, p++, static_cast<std::uint8_t>(n));
    }
    return e;
}

// Four draws with data on Bari and Roma only.
ArchivioStorico ArchivioQuattro()
{
    ArchivioStorico a;
    a.InserisciEstrazione(Estrazione(5, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}}));
    a.InserisciEstrazione(Estrazione(6, {{1, 11, 12, 13, 14}, {2, 3, 15, 16, 17}}));
    a.InserisciEstrazione(Estrazione(7, {{20, 21, 22, 23, 24}, {1, 6, 25, 26, 27}}));
    a.InserisciEstrazione(Estrazione(8, {{2, 30, 31, 32, 33}, {40, 41, 42, 43, 44}}));
    return a;
}

SegniRuote Selezione(std::initializer_list<int> ruote)
{
    SegniRuote s{};
    for (int w : ruote) {
        s[static_cast<std::size_t>(w - 1)] = 1;
    }
    return s;
}

struct Calcolo
{
    ArchivioStorico archivio;
    ImpostazioniGenerali generali;
    StatisticheNumeri statistiche;
    SegniRuote ruote{};

    Calcolo(ArchivioStorico a, SegniRuote r, std::int32_t finestra) : archivio(std::move(a)), ruote(r)
    {
        generali.ifNumEstra = finestra;
        RicalcolaStatistiche(archivio, ruote, generali, statistiche);
    }
    viste::ContestoViste contesto() const { return {archivio, statistiche, ruote, generali.ifNumEstra}; }
};

const viste::RigaTabella* CercaAmbo(const viste::TabellaVista& t, int a, int b)
{
    for (const auto& r : t.righe) {
        if (r.numero == a && r.secondo == b) {
            return &r;
        }
    }
    return nullptr;
}

// The exchange sort written out on (value, label) pairs, independent of the engine's.
std::vector<std::string> ScambioDiRiferimento(std::vector<std::pair<std::int32_t, std::string>> righe,
                                              bool decrescente)
{
    for (std::size_t i = 0; i < righe.size(); ++i) {
        for (std::size_t j = i + 1; j < righe.size(); ++j) {
            if (decrescente ? righe[j].first > righe[i].first : righe[j].first < righe[i].first) {
                std::swap(righe[i], righe[j]);
            }
        }
    }
    std::vector<std::string> etichette;
    for (auto& r : righe) {
        etichette.push_back(r.second);
    }
    return etichette;
}

} // namespace

TEST(VisteStatistiche, LoScambioFissaLOrdineDellePari)
{
    struct Caso
    {
        const char* nome;
        std::vector<std::int32_t> valori;
        bool decrescente;
        std::vector<int> atteso;
    };
    const Caso casi[] = {
        // Worked by hand: the two 2s come out swapped.
        {"decrescente con pari", {1, 2, 2, 3}, true, {3, 2, 1, 0}},
        {"crescente con pari", {3, 2, 2, 1}, false, {3, 2, 1, 0}},
        {"tutti uguali restano naturali", {4, 4, 4}, true, {0, 1, 2}},
        {"gia ordinati", {9, 5, 1}, true, {0, 1, 2}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(viste::OrdinaPerScambio(c.valori, c.decrescente), c.atteso);
    }
}

// Every grid comes out exactly as the exchange sort leaves its rows from the natural order.
TEST(VisteStatistiche, LeGriglieSeguonoLoScambio)
{
    const Calcolo k(ArchivioQuattro(), Selezione({Bari, Roma}), 2);
    using enum viste::Vista;
    struct Riga
    {
        viste::Vista vista;
        std::size_t righe;
    };
    for (const Riga& g : {Riga{NumeriPiuRitardatari, 990}, Riga{NumeriMenoFrequenti, 990},
                          Riga{PiuRitardatariPosizioni, 4950}, Riga{MenoFrequentiPosizioni, 4950},
                          Riga{RitardiAmbi, 4005}, Riga{FrequenzeAmbi, 4005}}) {
        SCOPED_TRACE(viste::Descrizione(g.vista).testo);
        const viste::TabellaVista t = viste::CalcolaTabella(g.vista, k.contesto());
        // Rebuild the natural order (number, wheel, position; pairs lexicographic) from the rows.
        std::vector<std::pair<std::int32_t, std::string>> naturali;
        for (const auto& r : t.righe) {
            const std::string chiave =
                std::to_string(r.numero * 1000000 + r.secondo * 10000 + r.ruota * 100 + r.posizione);
            naturali.emplace_back(r.valore, std::string(10 - chiave.size(), '0') + chiave);
        }
        std::vector<std::string> mostrate;
        for (const auto& n : naturali) {
            mostrate.push_back(n.second);
        }
        std::sort(naturali.begin(), naturali.end(),
                  [](const auto& a, const auto& b) { return a.second < b.second; });
        EXPECT_EQ(mostrate, ScambioDiRiferimento(naturali, t.decrescente));
        EXPECT_EQ(t.righe.size(), g.righe);
    }
}

TEST(VisteStatistiche, RitardiEFrequenzeDegliAmbi)
{
    const Calcolo k(ArchivioQuattro(), Selezione({Bari, Roma}), 2);
    const viste::TabellaVista ritardi = viste::CalcolaTabella(viste::Vista::RitardiAmbi, k.contesto());
    const viste::TabellaVista frequenze = viste::CalcolaTabella(viste::Vista::FrequenzeAmbi, k.contesto());
    ASSERT_EQ(ritardi.colonne, (std::vector<std::string>{"Ambo", "Ritardo"}));
    ASSERT_EQ(frequenze.colonne, (std::vector<std::string>{"Ambo", "Frequenze su 2 estrazioni"}));
    struct Caso
    {
        const char* nome;
        int a, b;
        std::int32_t ritardo;
        bool maiUscito;
        std::int32_t frequenza;
    };
    const Caso casi[] = {
        {"solo nella prima estrazione", 1, 2, 3, false, 0},
        {"su Roma nella seconda", 2, 3, 2, false, 0},
        {"nella penultima", 1, 6, 1, false, 1},
        {"nell'ultima", 2, 30, 0, false, 1},
        {"mai uscito", 1, 90, 4, true, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto* r = CercaAmbo(ritardi, c.a, c.b);
        const auto* f = CercaAmbo(frequenze, c.a, c.b);
        ASSERT_TRUE(r != nullptr && f != nullptr);
        EXPECT_EQ(r->valore, c.ritardo);
        EXPECT_EQ(r->maiUscito, c.maiUscito);
        EXPECT_EQ(f->valore, c.frequenza);
    }
    EXPECT_EQ(viste::TestoCella(ritardi, *CercaAmbo(ritardi, 2, 30), 0), "2 30");

    // Only the selected wheels count: without Roma the pair 1 6 was never drawn.
    const Calcolo soloBari(ArchivioQuattro(), Selezione({Bari}), 2);
    const auto t = viste::CalcolaTabella(viste::Vista::RitardiAmbi, soloBari.contesto());
    EXPECT_TRUE(CercaAmbo(t, 1, 6)->maiUscito);
    EXPECT_EQ(CercaAmbo(t, 2, 3)->valore, 3);
}

TEST(VisteStatistiche, ArchivioVuoto)
{
    const Calcolo k(ArchivioStorico{}, Selezione({Tutte}), 100);
    const auto t = viste::CalcolaTabella(viste::Vista::RitardiAmbi, k.contesto());
    EXPECT_TRUE(std::all_of(t.righe.begin(), t.righe.end(),
                            [](const auto& r) { return r.maiUscito && r.valore == 0; }));
    const auto g = viste::CalcolaGrafico(viste::Vista::FrequenzeMinimeMedieMassime, k.contesto());
    EXPECT_EQ(g.valori[0], (std::array<std::int32_t, 5>{0, -1, 0, 0, 0}));
    const auto analisi = viste::AnalizzaCombinazioni(ArchivioStorico{}, SegniNumeri{}, 100);
    EXPECT_EQ(analisi.size(), 14u);
}

TEST(VisteStatistiche, LaFinestraNonSuperaLArchivio)
{
    struct Caso
    {
        const char* nome;
        std::int32_t n, conteggio, atteso;
    };
    const Caso casi[] = {
        {"oltre l'archivio", 100, 60, 60},
        {"entro l'archivio", 50, 60, 50},
        {"archivio vuoto", 100, 0, 100},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ImpostazioniGenerali g;
        g.ifNumEstra = c.n;
        EXPECT_EQ(viste::LimitaFinestra(g, c.conteggio), c.atteso);
        EXPECT_EQ(g.ifNumEstra, c.atteso);
    }
    const Calcolo k(ArchivioQuattro(), Selezione({Tutte}), 4);
    EXPECT_EQ(viste::CalcolaGrafico(viste::Vista::GraficoFrequenze, k.contesto()).titolo,
              "Frequenze dei 90 numeri su 4 estrazioni");
}

TEST(VisteStatistiche, RitardiAttualiMinimiMediMassimi)
{
    const Calcolo k(ArchivioQuattro(), Selezione({Bari, Roma}), 2);
    const auto g = viste::CalcolaGrafico(viste::Vista::RitardiMinimiMediMassimi, k.contesto());
    ASSERT_EQ(g.serie, 4);
    struct Caso
    {
        const char* nome;
        int numero;
        std::array<std::int32_t, 4> atteso; // actual, minimum, mean, maximum
    };
    const Caso casi[] = {
        // Bari gaps 2, 0 (drawn in the oldest draw: no trailing gap); Roma 1, 2.
        {"uscito su due ruote", 1, {1, 0, 1, 2}},
        {"mai uscito", 90, {4, 4, 4, 4}},
        // Roma 1, 1; Bari never (one gap of 4): the maximum is the smaller wheel maximum.
        {"uscito solo su Roma", 6, {1, 1, 2, 1}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto& v = g.valori[static_cast<std::size_t>(c.numero - 1)];
        EXPECT_EQ((std::array<std::int32_t, 4>{v[0], v[1], v[2], v[3]}), c.atteso);
    }
}

TEST(VisteStatistiche, FrequenzeAttualiMinimeMedieMassime)
{
    struct Caso
    {
        const char* nome;
        std::int32_t finestra;
        int numero;
        std::array<std::int32_t, 4> atteso;
    };
    const Caso casi[] = {
        // Windows of two draws ending at draws 2 and 3.
        {"stabile", 2, 1, {1, 2, 2, 2}},
        {"media arrotondata", 2, 2, {1, 1, 2, 2}},
        {"nessuna finestra", 4, 1, {3, -1, 0, 0}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const Calcolo k(ArchivioQuattro(), Selezione({Bari, Roma}), c.finestra);
        const auto g = viste::CalcolaGrafico(viste::Vista::FrequenzeMinimeMedieMassime, k.contesto());
        const auto& v = g.valori[static_cast<std::size_t>(c.numero - 1)];
        EXPECT_EQ((std::array<std::int32_t, 4>{v[0], v[1], v[2], v[3]}), c.atteso);
    }
}

// A draw without data on a wheel counts in the chart's delays but not in the per-wheel grid.
TEST(VisteStatistiche, RitardiEFrequenzeNellePosizioni)
{
    ArchivioStorico a;
    a.InserisciEstrazione(Estrazione(1, {{7, 1, 2, 3, 4}, {8, 9, 10, 11, 12}}));
    a.InserisciEstrazione(Estrazione(2, {{5, 6, 13, 14, 15}, {}}));
    a.InserisciEstrazione(Estrazione(3, {{16, 17, 18, 19, 20}, {}}));
    const Calcolo k(std::move(a), Selezione({Bari, Roma}), 2);

    const auto grafico = viste::CalcolaGrafico(viste::Vista::RitardiPosizioni, k.contesto());
    EXPECT_EQ(grafico.valori[8 - 1][0], 2);
    EXPECT_EQ(grafico.valori[7 - 1][0], 2);
    EXPECT_EQ(grafico.valori[7 - 1][1], 3); // never in position 2
    EXPECT_EQ(grafico.valori[1 - 1][1], 2);

    const auto griglia = viste::CalcolaTabella(viste::Vista::PiuRitardatariPosizioni, k.contesto());
    auto valore = [](const viste::TabellaVista& t, int n, int w, int p) {
        for (const auto& r : t.righe) {
            if (r.numero == n && r.ruota == w && r.posizione == p) {
                return r.valore;
            }
        }
        return -99;
    };
    EXPECT_EQ(valore(griglia, 8, Roma, 1), 0);
    EXPECT_EQ(valore(griglia, 7, Bari, 1), 2);
    EXPECT_EQ(valore(griglia, 7, Bari, 2), 3);
    EXPECT_EQ(viste::TestoCella(griglia, griglia.righe[0], 1), "Bari");
    EXPECT_EQ(viste::TestoCella(griglia, griglia.righe[0], 2), "1º");

    const auto frequenze = viste::CalcolaGrafico(viste::Vista::FrequenzePosizioni, k.contesto());
    EXPECT_EQ(frequenze.valori[5 - 1][0], 1);
    EXPECT_EQ(frequenze.valori[7 - 1][0], 0); // outside the window of two draws
    const auto tabella = viste::CalcolaTabella(viste::Vista::MenoFrequentiPosizioni, k.contesto());
    EXPECT_EQ(valore(tabella, 16, Bari, 1), 1);
    EXPECT_EQ(tabella.colonne.back(), "Frequenze su 2 estrazioni");
}

TEST(VisteStatistiche, GraficiDeiNumeri)
{
    Calcolo k(ArchivioQuattro(), Selezione({Bari, Roma}), 2);
    k.statistiche.probabilita[5] = 49.5;
    const auto ritardi = viste::CalcolaGrafico(viste::Vista::GraficoRitardi, k.contesto());
    EXPECT_EQ(ritardi.titolo, "Ritardi dei 90 numeri sulle ruote selezionate");
    EXPECT_EQ(ritardi.valori[1 - 1][0], 1);
    EXPECT_TRUE(ritardi.decrescente);
    const auto frequenze = viste::CalcolaGrafico(viste::Vista::GraficoFrequenze, k.contesto());
    EXPECT_EQ(frequenze.valori[2 - 1][0], 1);
    EXPECT_FALSE(frequenze.decrescente);
    const auto probabilita = viste::CalcolaGrafico(viste::Vista::GraficoProbabilita, k.contesto());
    EXPECT_EQ(probabilita.titolo, "Probabilità dei 90 numeri");
    EXPECT_EQ(probabilita.valori[5 - 1][0], 50);
}

TEST(VisteStatistiche, AnalisiCombinazioni)
{
    SegniNumeri insieme{};
    for (int n : {1, 2, 3}) {
        insieme[static_cast<std::size_t>(n - 1)] = 1;
    }
    const auto righe = viste::AnalizzaCombinazioni(ArchivioQuattro(), insieme, 100);
    ASSERT_EQ(righe.size(), 4u + 1 + 11 + 1 + 1);
    struct Atteso
    {
        std::size_t riga;
        const char* etichetta;
        std::array<std::int32_t, 5> conteggi;
    };
    const Atteso attese[] = {
        {0, "5/1/2020", {0, 0, 1, 0, 0}},
        // Bari holds 1, Roma holds 2 and 3: one estratto and one ambo.
        {1, "6/1/2020", {1, 1, 0, 0, 0}},
        {2, "7/1/2020", {1, 0, 0, 0, 0}},
        {3, "8/1/2020", {1, 0, 0, 0, 0}},
        {5, "Bari", {2, 0, 1, 0, 0}},
        {12, "Roma", {1, 1, 0, 0, 0}},
        {15, "Nazionale", {0, 0, 0, 0, 0}},
        {17, "TOTALE:", {3, 1, 1, 0, 0}},
    };
    for (const Atteso& a : attese) {
        SCOPED_TRACE(a.etichetta);
        EXPECT_EQ(righe[a.riga].etichetta, a.etichetta);
        EXPECT_EQ(righe[a.riga].conteggi, a.conteggi);
    }
    EXPECT_TRUE(righe[4].vuota);
    EXPECT_TRUE(righe[16].vuota);
    // Only the last two draws.
    EXPECT_EQ(viste::AnalizzaCombinazioni(ArchivioQuattro(), insieme, 2).size(), 2u + 14);
}

// Each view computes what its description promises the window: a chart with its series and "Ordina
// per:" entries, or a grid, both in the starting direction; the other views compute nothing here.
TEST(VisteStatistiche, OgniVistaComeLaSuaDescrizione)
{
    const Calcolo k(ArchivioQuattro(), Selezione({Bari, Roma}), 2);
    ASSERT_EQ(viste::Viste().size(), static_cast<std::size_t>(viste::NumeroViste));
    for (int i = 0; i < viste::NumeroViste; ++i) {
        const viste::DescrizioneVista& d = viste::Viste()[static_cast<std::size_t>(i)];
        SCOPED_TRACE(d.testo);
        ASSERT_EQ(viste::VistaDaIndice(i), d.vista);
        const viste::DatiGrafico g = viste::CalcolaGrafico(d.vista, k.contesto());
        const viste::TabellaVista t = viste::CalcolaTabella(d.vista, k.contesto());
        EXPECT_EQ(g.valori.size(), d.tipo == viste::TipoVista::Grafico ? 90u : 0u);
        EXPECT_EQ(t.righe.empty(), d.tipo != viste::TipoVista::Griglia);
        EXPECT_EQ(!d.guida.empty(), d.tipo == viste::TipoVista::Grafico);
        EXPECT_EQ(!d.spiegazione.empty(), d.tipo == viste::TipoVista::Grafico);
        if (d.tipo == viste::TipoVista::Grafico) {
            EXPECT_EQ(g.serie, d.serie);
            EXPECT_EQ(g.ordinaPer.size(), d.serie > 1 ? static_cast<std::size_t>(d.serie) + 1 : 0u);
            EXPECT_EQ(g.decrescente, d.decrescente());
        }
        if (d.tipo == viste::TipoVista::Griglia) {
            EXPECT_EQ(t.decrescente, d.decrescente());
        }
    }
    EXPECT_FALSE(viste::VistaDaIndice(-1).has_value());
    EXPECT_FALSE(viste::VistaDaIndice(viste::NumeroViste).has_value());
}
