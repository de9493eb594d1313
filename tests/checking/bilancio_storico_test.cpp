#include "checking/bilancio_storico.h"
#include "support/cartella_temporanea.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

namespace {

using test::giocata;

// Four draws of January 2000 on Bari and Nazionale; Nazionale has no data in the first and the last.
ArchivioStorico ArchivioPiccolo()
{
    ArchivioStorico a;
    const auto aggiungi = [&a](int giorno, int bari, int nazionale) {
        Tipo_Estrazione e = test::estrazioneSu(Bari, giorno, 1, 2000, bari);
        if (nazionale > 0) {
            for (int p = 1; p <= 5; ++p) {
                e.setNumero(Nazionale, p, static_cast<std::uint8_t>(nazionale + p - 1));
            }
        }
        EXPECT_GT(a.InserisciEstrazione(e), 0);
    };
    aggiungi(1, 1, 0);
    aggiungi(2, 10, 20);
    aggiungi(3, 50, 60);
    aggiungi(4, 55, 0);
    return a;
}

// 1 euro on estratto and ambo, Bari and Nazionale, wins capped at 200 euro.
ParametriVincite Parametri()
{
    ParametriVincite p;
    p.importi[Estratto - 1] = 1;
    p.importi[Ambo - 1] = 1;
    p.ruote[Bari - 1] = 1;
    p.ruote[Nazionale - 1] = 1;
    p.vincitaMassima = 200;
    return p;
}

} // namespace

TEST(BilancioStorico, ControlloAMano)
{
    const ArchivioStorico archivio = ArchivioPiccolo();
    const std::vector<Tipo_Giocata> giocate = {giocata({1, 2, 3}), giocata({10, 20})};
    EsitoBilancio esito;
    EsecuzioneContinua continua;
    BilancioStorico(giocate.data(), 2, archivio, {1, 4}, Parametri(), esito, continua);
    ASSERT_EQ(esito.righe.size(), 4U);

    // Draw 1: only Bari was drawn, 2 plays x 2 euro. 1 2 3 wins the ambo (250, capped at 200) and three
    // estratti (11.23): the play's 211.23 is capped at 200.
    // Draw 2: 10 on Bari and 20 on Nazionale, each an estratto of a two-number play: 2 x 11.23 / 2.
    // Draws 3 and 4: nothing won; the fourth has Nazionale missing again, so it costs 4.
    struct Atteso
    {
        double costo, vinto, saldo;
    };
    const Atteso attesi[] = {{4, 200, 196}, {8, 11.23, 199.23}, {8, 0, 191.23}, {4, 0, 187.23}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(esito.righe[i].estrazione, static_cast<std::int32_t>(i + 1));
        EXPECT_DOUBLE_EQ(esito.righe[i].costo, attesi[i].costo);
        EXPECT_NEAR(esito.righe[i].vinto, attesi[i].vinto, 1e-9);
        EXPECT_NEAR(esito.righe[i].saldo, attesi[i].saldo, 1e-9);
    }
    EXPECT_DOUBLE_EQ(esito.righe[0].perClasse[Ambo - 1], 200);
    EXPECT_NEAR(esito.righe[0].perClasse[Estratto - 1], 11.23, 1e-9);
    EXPECT_DOUBLE_EQ(esito.spesa, 24);
    EXPECT_NEAR(esito.vinto, 211.23, 1e-9);
    EXPECT_DOUBLE_EQ(esito.vincitaMassima, 200);
    EXPECT_EQ(esito.senzaVinciteMassimo, 2);
    EXPECT_FALSE(esito.interrotto);

    const std::vector<std::string> righe = RigheBilancio(archivio, esito, 2);
    const std::vector<std::string> attese = {
        "1/1/2000\t4,00\t200,00\t196,00",
        "2/1/2000\t8,00\t11,23\t199,23",
        "3/1/2000\t8,00\t0,00\t191,23",
        "4/1/2000\t4,00\t0,00\t187,23",
        "Spesa\t24,00",
        "Vincite\t211,23",
        "Saldo\t187,23",
        "Resa\t880,12 %",
        "Vincita massima\t200,00",
        "Estrazioni senza vincite consecutive (massimo)\t2",
    };
    EXPECT_EQ(righe, attese);
}

TEST(BilancioStorico, RuoteCostiEStop)
{
    ParametriVincite p;
    p.importi[Ambo - 1] = 0.5;
    p.importi[EstrattoDeterminato - 1] = 1;
    p.posizioni = {1, 0, 1, 0, 0};
    EXPECT_DOUBLE_EQ(PuntataGiocata(p), 2.5);

    Tipo_Estrazione soloNazionale = test::estrazioneSu(Nazionale, 1, 1, 2000);
    Tipo_Estrazione due = test::estrazioneSu(Roma, 1, 1, 2000);
    for (int p2 = 1; p2 <= 5; ++p2) {
        due.setNumero(Bari, p2, static_cast<std::uint8_t>(p2));
    }
    SegniRuote tutte{};
    tutte[Tutte - 1] = 1;
    SegniRuote bariETutte = tutte;
    bariETutte[Bari - 1] = 1;
    EXPECT_EQ(RuotePagate(tutte, soloNazionale), 0); // Tutte covers the ten regional wheels only
    EXPECT_EQ(RuotePagate(tutte, due), 1);
    EXPECT_EQ(RuotePagate(bariETutte, due), 2);
    EXPECT_EQ(RuotePagate(bariETutte, soloNazionale), 0);

    // A stop at the second draw keeps the two draws done; an empty span gives nothing.
    class StopAlSecondo final : public ControlloEsecuzione
    {
    public:
        bool verifica(const Avanzamento& stato) override { return stato.elaborati < 2; }
    } stop;
    const ArchivioStorico archivio = ArchivioPiccolo();
    const std::vector<Tipo_Giocata> giocate = {giocata({1, 2})};
    EsitoBilancio esito;
    BilancioStorico(giocate.data(), 1, archivio, {1, 4}, Parametri(), esito, stop);
    EXPECT_TRUE(esito.interrotto);
    EXPECT_EQ(esito.righe.size(), 2U);
    EsecuzioneContinua continua;
    BilancioStorico(giocate.data(), 1, archivio, {3, 2}, Parametri(), esito, continua);
    EXPECT_TRUE(esito.righe.empty());
    EXPECT_DOUBLE_EQ(esito.resa(), 0);
}
