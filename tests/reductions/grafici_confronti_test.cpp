#include "reductions/grafici_confronti.h"

#include "reductions/rid_filtri.h"
#include "support/estrazione_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// An archive of `quante` draws whose wheels hold five distinct numbers out of 1..20 (so that plays of
// the small predictions below score anything from 0 to 5); Cagliari is absent from every third draw.
ArchivioStorico Archivio(int quante)
{
    ArchivioStorico archivio;
    std::uint32_t stato = 12345;
    const auto prossimo = [&stato] {
        stato = stato * 1103515245U + 12345U;
        return static_cast<int>((stato >> 16) % 20) + 1;
    };
    for (int i = 0; i < quante; ++i) {
        Tipo_Estrazione e = test::estrazioneNumero(i);
        for (int w = 1; w <= RuoteArchivio; ++w) {
            std::set<int> numeri;
            while (numeri.size() < 5) {
                numeri.insert(prossimo());
            }
            int p = 1;
            for (int n : numeri) {
                e.setNumero(w, p++, static_cast<std::uint8_t>(w == Cagliari && i % 3 == 0 ? 0 : n));
            }
        }
        archivio.InserisciEstrazione(e);
    }
    return archivio;
}

// The plain definition: the most numbers of the play that came out together on one chosen wheel of one
// draw from `da` to `a`.
int PunteggioSemplice(const std::vector<int>& giocata, const ArchivioStorico& archivio,
                      const SegniRuote& ruote, int da, int a)
{
    int migliore = 0;
    for (int i = std::max(da, 1); i <= a; ++i) {
        for (int w = 1; w <= RuoteArchivio; ++w) {
            if (!RuotaSelezionata(ruote, w)) {
                continue;
            }
            int comuni = 0;
            for (int p = 1; p <= 5; ++p) {
                const int x = archivio.estrazione(i).numero(w, p);
                comuni += x != 0 && std::find(giocata.begin(), giocata.end(), x) != giocata.end() ? 1 : 0;
            }
            migliore = std::max(migliore, comuni);
        }
    }
    return std::min(migliore, 5);
}

ConfrontoStorico Confronto(std::int32_t n, std::initializer_list<int> punteggi)
{
    ConfrontoStorico c;
    c.estrazioni = n;
    for (int s : punteggi) {
        c.punteggi = static_cast<std::uint8_t>(c.punteggi | (1U << s));
    }
    return c;
}

class StopSubito final : public ControlloEsecuzione
{
public:
    bool verifica(const Avanzamento& a) override
    {
        ultimo = a;
        return false;
    }
    Avanzamento ultimo;
};

} // namespace

TEST(GraficiConfronto, ConteggiComeLaDefinizioneELaRiduzione)
{
    const ArchivioStorico archivio = Archivio(120);
    Sistema sistema = test::PronosticoPrimi(14, 5);
    sistema.ruote = SegniRuote{};
    sistema.ruote[Bari - 1] = sistema.ruote[Cagliari - 1] = sistema.ruote[Nazionale - 1] = 1;
    ElencoGiocate giocate;
    test::Sviluppa(sistema, giocate);

    for (const ConfrontoStorico& confronto :
         {Confronto(1, {0, 1}), Confronto(10, {3}), Confronto(60, {4, 5})}) {
        SCOPED_TRACE(confronto.estrazioni);
        EsecuzioneContinua continua;
        const GraficiConfronto pronostico =
            CalcolaGraficiConfronto(sistema, giocate, archivio, confronto, ModoFiltro::Pronostico, continua);
        const GraficiConfronto lista =
            CalcolaGraficiConfronto(sistema, giocate, archivio, confronto, ModoFiltro::Giocate, continua);
        ASSERT_FALSE(lista.interrotto);
        EXPECT_EQ(pronostico.giocate.barre, lista.giocate.barre);
        EXPECT_EQ(lista.giocate.totale, giocate.conteggio());

        // Left chart against the plain definition and against the reduction's own verdict.
        std::array<std::int64_t, 6> attese{};
        for (const Tipo_Giocata& g : test::Giocate(giocate)) {
            const std::vector<int> numeri(g.begin(), g.begin() + NumeriGiocata(g));
            ++attese[static_cast<std::size_t>(
                PunteggioSemplice(numeri, archivio, sistema.ruote,
                                  archivio.conteggio() - confronto.estrazioni + 1, archivio.conteggio()))];
        }
        EXPECT_EQ(lista.giocate.barre, attese);
        ConfrontiStorico solo;
        solo.confronti = {confronto};
        ElencoGiocate copia;
        test::Sviluppa(sistema, copia);
        (void)RiduzioneFiltro(sistema, copia, FiltroRiduzione::DaConfronti(solo, archivio, sistema.ruote),
                              ModoFiltro::Giocate, false, continua);
        EXPECT_EQ(lista.giocate.valide(), copia.conteggio());

        // Right chart: every present wheel column of every draw after the first N, against the N before.
        std::array<std::int64_t, 6> storiche{};
        for (int t = confronto.estrazioni + 1; t <= archivio.conteggio(); ++t) {
            for (int w = 1; w <= RuoteArchivio; ++w) {
                if (archivio.estrazione(t).haDati(w)) {
                    std::vector<int> numeri;
                    for (int p = 1; p <= 5; ++p) {
                        numeri.push_back(archivio.estrazione(t).numero(w, p));
                    }
                    ++storiche[static_cast<std::size_t>(
                        PunteggioSemplice(numeri, archivio, sistema.ruote, t - confronto.estrazioni, t - 1))];
                }
            }
        }
        EXPECT_TRUE(lista.conEstrazioni);
        EXPECT_EQ(lista.estrazioni.barre, storiche);
    }
}

TEST(GraficiConfronto, ArchivioCortoInterruzioneETesti)
{
    const ArchivioStorico archivio = Archivio(11);
    Sistema sistema = test::PronosticoPrimi(8, 2);
    ElencoGiocate giocate;
    EsecuzioneContinua continua;
    // N + 1 = 11 draws: no target draw is left for the archive chart.
    const GraficiConfronto corto = CalcolaGraficiConfronto(sistema, giocate, archivio, Confronto(10, {2}),
                                                           ModoFiltro::Pronostico, continua);
    EXPECT_FALSE(corto.conEstrazioni);
    EXPECT_EQ(corto.giocate.totale, 28);
    EXPECT_EQ(corto.estrazioni.totale, 0);

    GraficoPunteggi g;
    g.ammessi = 0b000110;
    g.barre = {1, 2, 1, 4, 0, 0};
    g.totale = 8;
    EXPECT_EQ(TestoGiocateValideConfronto(g), "Giocate valide: 3 (37.50 %)");
    EXPECT_EQ(TestoEstrazioniValideConfronto(GraficoPunteggi{}), "Estrazioni valide: 0 (0.0 %)");

    sistema = test::PronosticoPrimi(20, 4);
    StopSubito stop;
    const GraficiConfronto fermato =
        CalcolaGraficiConfronto(sistema, giocate, archivio, Confronto(3, {2}), ModoFiltro::Pronostico, stop);
    EXPECT_TRUE(fermato.interrotto);
    EXPECT_LE(stop.ultimo.percentuale(), 50);
}
