#include "reductions/grafici_filtri.h"

#include "reductions/rid_filtri.h"
#include "support/cartella_temporanea.h"
#include "support/estrazione_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

// Random plays of k numbers, in canonical form.
void GiocateCasuali(ElencoGiocate& elenco, int quante, int k, std::mt19937& caso)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(quante));
    std::vector<std::uint8_t> numeri(90);
    std::iota(numeri.begin(), numeri.end(), 1);
    for (int i = 1; i <= quante; ++i) {
        std::shuffle(numeri.begin(), numeri.end(), caso);
        std::vector<std::uint8_t> scelti(numeri.begin(), numeri.begin() + k);
        std::sort(scelti.begin(), scelti.end());
        Tipo_Giocata g{};
        std::copy(scelti.begin(), scelti.end(), g.begin());
        elenco.voce(i) = g;
    }
    elenco.setConteggio(quante);
}

class StopSubito final : public ControlloEsecuzione
{
public:
    bool verifica(const Avanzamento&) override { return false; }
};

} // namespace

// The chart of a group, judged alone, counts as valid exactly the plays that the reduction keeps when
// that group is the only one in use; in both modes.
TEST(GraficiFiltri, ValideComeLaRiduzioneDelSoloGruppo)
{
    std::mt19937 caso(14);
    ElencoGiocate origine;
    GiocateCasuali(origine, 400, 6, caso);
    EsecuzioneContinua continua;
    // Two lists for all the runs: a new list takes its first large block.
    ElencoGiocate elenco;
    ElencoGiocate aggiunte;
    ASSERT_TRUE(elenco.AssicuraCapacita(origine.conteggio()));
    for (const FamigliaGruppi famiglia :
         {FamigliaGruppi::Cadenze, FamigliaGruppi::Figure, FamigliaGruppi::Decine}) {
        GruppiFissi record;
        record.famiglia = famiglia;
        for (int g = 1; g <= record.gruppi(); ++g) {
            SCOPED_TRACE(g);
            const auto i = static_cast<std::size_t>(g - 1);
            record.inUso = {};
            record.inUso[i] = true;
            record.ammesse[i] = static_cast<std::uint16_t>(1U << (g % 3));
            const FiltroRiduzione filtro = FiltroRiduzione::DaGruppi(record);

            Sistema sistema = test::PronosticoPrimi(14, 3);
            GraficoFiltro grafico;
            ASSERT_TRUE(GraficoGiocateGruppo(sistema, origine, ModoFiltro::Giocate, NumeriGruppo(famiglia, g),
                                             record.ammesse[i], grafico, continua));
            for (std::int32_t j = 1; j <= origine.conteggio(); ++j) {
                elenco.voce(j) = origine.voce(j);
            }
            elenco.setConteggio(origine.conteggio());
            (void)RiduzioneFiltro(sistema, elenco, filtro, ModoFiltro::Giocate, false, continua);
            EXPECT_EQ(grafico.valide, elenco.conteggio());
            EXPECT_EQ(grafico.totale, 400);
            EXPECT_EQ(std::accumulate(grafico.conteggi.begin(), grafico.conteggi.end(), std::int64_t{0}),
                      400);

            GraficoFiltro combinazioni;
            ASSERT_TRUE(GraficoGiocateGruppo(sistema, aggiunte, ModoFiltro::Pronostico,
                                             NumeriGruppo(famiglia, g), record.ammesse[i], combinazioni,
                                             continua));
            aggiunte.svuota();
            (void)RiduzioneFiltro(sistema, aggiunte, filtro, ModoFiltro::Pronostico, false, continua);
            EXPECT_EQ(combinazioni.valide, aggiunte.conteggio());
            EXPECT_EQ(combinazioni.totale, 364); // C(14, 3)
        }
    }
}

TEST(GraficiFiltri, IntervalloEBarre)
{
    // 1..10 in plays of 10: the one play holds all ten numbers of 1-10, the bars stop at 10.
    Sistema sistema = test::PronosticoPrimi(10, 10);
    EsecuzioneContinua continua;
    GraficoFiltro grafico;
    const IntervalloNumeri intervallo{1, 10, 0b11};
    EXPECT_EQ(MascheraIntervallo(intervallo).numeri(), 10);
    EXPECT_EQ(MascheraIntervallo({85, 99, 1}).numeri(), 6);
    ASSERT_TRUE(GraficoGiocateGruppo(sistema, ElencoGiocate(), ModoFiltro::Pronostico,
                                     MascheraIntervallo(intervallo), intervallo.ammesse, grafico, continua));
    EXPECT_EQ(BarreGiocate(grafico).size(), std::size_t{11});
    EXPECT_EQ(grafico.testo(GiocateValideGrafico), "Giocate valide: 0 (0.0 %)");

    // 1..6 in pairs against 1-3 allowing 1: counts 0, 1, 2 of 3, 9, 3 pairs; bars 0..3.
    sistema = test::PronosticoPrimi(6, 2);
    ASSERT_TRUE(GraficoGiocateGruppo(sistema, ElencoGiocate(), ModoFiltro::Pronostico,
                                     MascheraIntervallo({1, 3, 0b10}), 0b10, grafico, continua));
    const auto barre = BarreGiocate(grafico);
    ASSERT_EQ(barre.size(), std::size_t{4});
    EXPECT_EQ(barre[1].conteggio, 9);
    EXPECT_TRUE(barre[1].ammessa);
    EXPECT_FALSE(barre[2].ammessa);
    EXPECT_EQ(barre[3].conteggio, 0);
    EXPECT_EQ(grafico.testo(GiocateValideGrafico), "Giocate valide: 9 (60.0 %)");

    // A confirmed stop: not computed.
    StopSubito stop;
    ElencoGiocate molte;
    std::mt19937 caso(3);
    GiocateCasuali(molte, 40, 5, caso);
    EXPECT_FALSE(GraficoGiocateGruppo(sistema, molte, ModoFiltro::Giocate, MascheraIntervallo({1, 3, 1}), 1,
                                      grafico, stop));
    EXPECT_FALSE(grafico.calcolato);
    EXPECT_EQ(grafico.testo(GiocateValideGrafico), "Giocate valide:");
}

TEST(GraficiFiltri, ArchivioTutteLeColonne)
{
    EsecuzioneContinua continua;
    ArchivioStorico archivio;
    ASSERT_NE(archivio.InserisciEstrazione(test::estrazione(1, 1, 2020, 1)), 0); // Bari 1..5
    GraficoFiltro grafico;
    // One draw: the chart stays empty.
    ASSERT_TRUE(
        GraficoArchivioGruppo(archivio, NumeriGruppo(FamigliaGruppi::Decine, 1), 0b1, grafico, continua));
    EXPECT_FALSE(grafico.calcolato);
    EXPECT_EQ(grafico.testo(EstrazioniValideGrafico), "Estrazioni valide:");

    // The second draw on Bari (11..15) and on Nazionale (6..10): three columns, all eleven wheels looked at.
    Tipo_Estrazione seconda = test::estrazione(2, 1, 2020, 11);
    for (int p = 1; p <= 5; ++p) {
        seconda.setNumero(Nazionale, p, static_cast<std::uint8_t>(5 + p));
    }
    ASSERT_NE(archivio.InserisciEstrazione(seconda), 0);
    ASSERT_TRUE(
        GraficoArchivioGruppo(archivio, NumeriGruppo(FamigliaGruppi::Decine, 1), 0b1, grafico, continua));
    EXPECT_TRUE(grafico.calcolato);
    EXPECT_EQ(grafico.totale, 3);
    EXPECT_EQ(grafico.conteggi[5], 2);
    EXPECT_EQ(grafico.conteggi[0], 1);
    EXPECT_EQ(grafico.barre(5).size(), std::size_t{6});
    EXPECT_EQ(grafico.testo(EstrazioniValideGrafico), "Estrazioni valide: 1 (33.33 %)");
}
