#include "reductions/analisi_condizionata.h"
#include "reductions/campione_storico.h"

#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::giocata;

// A draw with the given numbers on Bari and, when given, on the Nazionale wheel.
Tipo_Estrazione Estrazione(int n, std::array<int, 5> bari, std::array<int, 5> nazionale = {})
{
    Tipo_Estrazione e;
    e.giorno = static_cast<std::uint8_t>(1 + n);
    e.mese = 1;
    e.setAnno(2020);
    for (int p = 1; p <= 5; ++p) {
        e.setNumero(Bari, p, static_cast<std::uint8_t>(bari[static_cast<std::size_t>(p - 1)]));
        e.setNumero(Nazionale, p, static_cast<std::uint8_t>(nazionale[static_cast<std::size_t>(p - 1)]));
    }
    return e;
}

ArchivioStorico Archivio()
{
    ArchivioStorico a;
    a.InserisciEstrazione(Estrazione(0, {50, 10, 30, 20, 40}));
    a.InserisciEstrazione(Estrazione(1, {1, 2, 3, 4, 5}, {90, 80, 70, 60, 50}));
    a.InserisciEstrazione(Estrazione(2, {11, 13, 15, 17, 19}));
    return a;
}

std::int64_t Conta(const CampioneStorico& c)
{
    std::int64_t n = 0;
    c.perOgni([&](const Tipo_Giocata&, std::int32_t) {
        ++n;
        return true;
    });
    return n;
}

using test::ContaVerifiche;

} // namespace

TEST(CampioneStorico, CombinazioniPerRuotaEDimensione)
{
    const ArchivioStorico a = Archivio();
    struct Riga
    {
        const char* nome;
        int ruota;
        int dimensione;
        std::int64_t combinazioni;
    };
    for (const Riga& r : std::vector<Riga>{{"tutte-cinquine", CampioneStorico::SceltaTutte, 0, 3},
                                           {"bari-quaterne", 0, 1, 15},
                                           {"bari-terni", 0, 2, 30},
                                           {"nazionale-cinquine", CampioneStorico::SceltaNazionale, 0, 1},
                                           {"nazionale-ambi", CampioneStorico::SceltaNazionale, 3, 10},
                                           {"cagliari-vuota", 1, 0, 0}}) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(Conta(CampioneStorico(a, r.ruota, r.dimensione)), r.combinazioni);
    }
    // Sorted, positions in lexicographic order: 1 2 3 4, 1 2 3 5, ...
    std::vector<Tipo_Giocata> quaterne;
    CampioneStorico(a, 0, 1).perOgni([&](const Tipo_Giocata& g, std::int32_t i) {
        if (i == 1) {
            quaterne.push_back(g);
        }
        return true;
    });
    ASSERT_EQ(quaterne.size(), 5U);
    EXPECT_EQ(quaterne[0], giocata({10, 20, 30, 50}));
    EXPECT_EQ(quaterne[1], giocata({10, 30, 40, 50}));
    EXPECT_EQ(quaterne[4], giocata({10, 20, 30, 40}));
}

TEST(CampioneStorico, BarreEColori)
{
    const ArchivioStorico a = Archivio();
    const CampioneStorico bari(a, 0, 0);
    CondizioniRiduzione c;
    c.insieme(Criterio::NumeriPari)[0] = c.insieme(Criterio::NumeriPari)[5] = 1;
    c.lista(Criterio::Somma).numero = 1;
    c.lista(Criterio::Somma).minimi[0] = 15;
    c.lista(Criterio::Somma).massimi[0] = 100;

    // Even numbers: 5, 2 and 0 in the three draws; six bars always.
    GraficoCondizione pari =
        CostruisciGrafico(Criterio::NumeriPari, IstogrammaCriterio(Criterio::NumeriPari, c, bari), c);
    ASSERT_EQ(pari.barre.size(), 6U);
    EXPECT_EQ(pari.barre[0].conteggio, 1);
    EXPECT_EQ(pari.barre[2].conteggio, 1);
    EXPECT_EQ(pari.barre[5].conteggio, 1);
    EXPECT_TRUE(pari.barre[0].ammessa && pari.barre[5].ammessa && !pari.barre[2].ammessa);
    EXPECT_TRUE(pari.conPercentuali);
    EXPECT_EQ(TestoEstrazioniValide(pari), "Estrazioni valide: 66.67 %");

    // Sums 150, 15, 75: bars 14..151, green 15..100, no labels.
    GraficoCondizione somma =
        CostruisciGrafico(Criterio::Somma, IstogrammaCriterio(Criterio::Somma, c, bari), c);
    ASSERT_EQ(somma.barre.size(), 151U - 14U + 1U);
    EXPECT_EQ(somma.barre.front().valore, 14);
    EXPECT_EQ(somma.barre.back().valore, 151);
    EXPECT_FALSE(somma.barre.front().ammessa);
    EXPECT_TRUE(somma.barre[1].ammessa);
    EXPECT_FALSE(somma.conPercentuali);
    EXPECT_EQ(TestoEstrazioniValide(somma), "Estrazioni valide: 66.67 %");

    // A histogram from 50 to 380 shows 49..381.
    std::vector<std::int64_t> bin(441, 0);
    bin[50] = bin[380] = 1;
    const GraficoCondizione largo = CostruisciGrafico(Criterio::Somma, bin, c);
    EXPECT_EQ(largo.barre.front().valore, 49);
    EXPECT_EQ(largo.barre.back().valore, 381);
    bin.assign(441, 0);
    bin[0] = bin[440] = 1;
    EXPECT_EQ(CostruisciGrafico(Criterio::DifferenzaTotale, bin, c).barre.size(), 441U);

    // An empty archive: six empty bars or none, and the bare label.
    const ArchivioStorico vuoto;
    const CampioneStorico nessuno(vuoto, CampioneStorico::SceltaTutte, 0);
    EXPECT_EQ(CostruisciGrafico(Criterio::SequenzeDispari,
                                IstogrammaCriterio(Criterio::SequenzeDispari, c, nessuno), c)
                  .barre.size(),
              6U);
    const GraficoCondizione media =
        CostruisciGrafico(Criterio::Media, IstogrammaCriterio(Criterio::Media, c, nessuno), c);
    EXPECT_TRUE(media.barre.empty());
    EXPECT_EQ(TestoEstrazioniValide(media), "Estrazioni valide:");
}

TEST(CampioneStorico, BinDiMedieEdErrori)
{
    struct Riga
    {
        const char* nome;
        Criterio criterio;
        Tipo_Giocata giocata;
        int bin;
    };
    using enum Criterio;
    for (const Riga& r : std::vector<Riga>{
             {"media-mezzo-al-pari", Media, giocata({10, 11}), 10},   // 10.5 -> 10
             {"media-mezzo-al-pari-2", Media, giocata({11, 12}), 12}, // 11.5 -> 12
             {"media-pari-senza-pari", MediaPari, giocata({11, 13}), -1},
             {"media-dispari", MediaDispari, giocata({11, 14, 20}), 11},
             {"differenza-media", DifferenzaMedia, giocata({1, 4, 6}), 2}, // 2.5 -> 2
             {"consecutivi-a-cinque", Consecutivi, giocata({1, 2, 3, 4, 5, 6, 7}), 5},
             {"somma-tetto", Somma, giocata({80, 81, 82, 83, 84, 85}), 440},
         }) {
        SCOPED_TRACE(r.nome);
        EXPECT_EQ(BinGiocata(r.criterio, CalcolaValori(r.giocata)), r.bin);
    }
    EXPECT_EQ(BinGiocata(ErroriConsentiti, {}, 25), 25);
    EXPECT_EQ(BinCriterio(ErroriConsentiti), 31);
}

TEST(AnalisiCondizionata, ContatoriDelleDueAnalisi)
{
    // Even numbers 1..2 and sum at most 20, errors {0}.
    CondizioniRiduzione c;
    c.abilitati[0] = c.abilitati[4] = 1;
    c.insiemi[0][1] = c.insiemi[0][2] = 1;
    c.lista(Criterio::Somma).numero = 1;
    c.lista(Criterio::Somma).massimi[0] = 20;
    c.errori[0] = 1;

    Sistema s;
    s.numeroFisse = 1;
    s.fisse[0] = 1;
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AssicuraCapacita(4));
    elenco.voce(1) = giocata({1, 2, 3});  // valid
    elenco.voce(2) = giocata({2, 4, 6});  // 3 even, no fixed 1
    elenco.voce(3) = giocata({1, 8, 30}); // sum 39
    elenco.voce(4) = giocata({5, 7, 9});  // no even, sum 21, no fixed 1
    elenco.setConteggio(4);

    ContaVerifiche sempre;
    ConteggiAnalisi senzaFisse(RigheAnalisiGiocate);
    AnalisiCondizioniGiocate(s, elenco, c, ModoCondizionata::Giocate, false, senzaFisse, sempre);
    EXPECT_EQ(senzaFisse.valide, 1);
    EXPECT_EQ(senzaFisse.esaminate, 4);
    EXPECT_EQ(senzaFisse.nonRispettate[0], 2);
    EXPECT_EQ(senzaFisse.nonRispettate[4], 2);
    EXPECT_EQ(senzaFisse.nonRispettate[24], 0);

    // Plays lacking the fixed number count in row "Fisse" only.
    ConteggiAnalisi conFisse(RigheAnalisiGiocate);
    AnalisiCondizioniGiocate(s, elenco, c, ModoCondizionata::Giocate, true, conFisse, sempre);
    EXPECT_EQ(conFisse.valide, 1);
    EXPECT_EQ(conFisse.nonRispettate[0], 0);
    EXPECT_EQ(conFisse.nonRispettate[4], 1);
    EXPECT_EQ(conFisse.nonRispettate[24], 2);

    // The historic sample: Bari sums 150, 15, 75; evens 5, 2, 0.
    const ArchivioStorico a = Archivio();
    ConteggiAnalisi storica(RigheAnalisiStorica);
    AnalisiCondizioniStorica(CampioneStorico(a, 0, 0), c, storica, sempre);
    EXPECT_EQ(storica.esaminate, 3);
    EXPECT_EQ(storica.valide, 1);
    EXPECT_EQ(storica.nonRispettate[0], 2);
    EXPECT_EQ(storica.nonRispettate[4], 2);

    // Ambi on Nazionale: ten pairs of the one draw with numbers there.
    ConteggiAnalisi ambi(RigheAnalisiStorica);
    AnalisiCondizioniStorica(CampioneStorico(a, CampioneStorico::SceltaNazionale, 3), c, ambi, sempre);
    EXPECT_EQ(ambi.esaminate, 10);
    EXPECT_EQ(ambi.valide, 0);
    EXPECT_EQ(TitoloAnalisiStorica(CampioneStorico::SceltaNazionale, 3),
              "Analisi sull'archivio storico, ruota: Nazionale , sviluppo estrazioni in: Ambi");
}

// The bins of each chart and whether its bars carry their share, criterion by criterion.
TEST(CampioneStorico, BinEPercentualiDiOgniGrafico)
{
    using enum Criterio;
    struct Gruppo
    {
        std::vector<Criterio> criteri;
        int bin;
        bool percentuali;
    };
    const std::vector<Gruppo> gruppi = {
        {{NumeriPari, NumeriDispari, SequenzePari, SequenzeDispari, Consecutivi, InterruzioniPariDispari,
          InterruzioniConsecutive, Simmetrie, SimmetriePari, SimmetrieDispari, Paralleli, ParalleliPari,
          ParalleliDispari},
         6,
         true},
        {{Somma, SommaPari, SommaDispari, DifferenzaTraSomme, DifferenzaTotale}, 441, false},
        {{Media, MediaPari, MediaDispari, DifferenzaMassima}, 91, false},
        {{DifferenzaMinima, DifferenzaMedia}, 91, true},
        {{ErroriConsentiti}, 31, true},
    };
    std::size_t visti = 0;
    const CondizioniRiduzione c;
    for (const Gruppo& g : gruppi) {
        for (Criterio k : g.criteri) {
            SCOPED_TRACE(Descrizione(k).didascalia);
            ++visti;
            EXPECT_EQ(BinCriterio(k), g.bin);
            std::vector<std::int64_t> istogramma(static_cast<std::size_t>(g.bin), 0);
            istogramma.back() = 1;
            EXPECT_EQ(CostruisciGrafico(k, istogramma, c).conPercentuali, g.percentuali);
        }
    }
    EXPECT_EQ(visti, VociCriteri.size());
}
