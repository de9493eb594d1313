#include "editor/nuovo_sistema.h"

#include "core/impostazioni.h"
#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <limits>

TEST(NuovoSistema, AzzeraIlSistemaEConservaLeFisse)
{
    test::CartellaTemporanea cartella;
    test::ArchivioMemoria store;
    test::MessaggiRegistrati messaggi;
    StatoApplicazione stato(store, messaggi,
                            Cartelle{"", cartella.cartella(), cartella.cartella(), cartella.cartella()});
    Sistema& s = stato.sistema;
    s.pronostico.fill(1);
    s.numeroFisse = 2;
    s.fisse = {5, 6, 0, 0, 0, 0, 0, 0, 0};
    s.ruote.fill(1);
    s.importi.fill(2.0);
    s.posizioni.fill(1);
    s.modificato = true;
    ASSERT_TRUE(stato.giocate.AssicuraCapacita(1));
    stato.giocate.setConteggio(1);
    test::ScriviFile(cartella.file("Sistema1.qvs"), {});
    test::ScriviFile(cartella.file("Sistema3.qvs"), {});

    NuovoSistema(stato);
    EXPECT_EQ(s.numeriPronostico(), 0);
    EXPECT_EQ(s.numeroFisse, 0);
    EXPECT_EQ(s.fisse[0], 5);
    EXPECT_EQ(s.ruote, (SegniRuote{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(s.importi, (std::array<double, NumeroImporti>{}));
    EXPECT_EQ(s.posizioni, (std::array<std::uint8_t, NumeroPosizioni>{}));
    EXPECT_EQ(s.numeriPerGiocata, 5);
    EXPECT_EQ(stato.giocate.conteggio(), 0);
    EXPECT_FALSE(s.modificato);
    EXPECT_EQ(s.nomeFile, cartella.file("Sistema2.qvs"));
    EXPECT_EQ(TitoloFinestra(s), "QUARVINA LOTTO - [Sistema2.qvs]");
}

TEST(NuovoSistema, NumeriPerGiocataDalleImpostazioni)
{
    struct Riga
    {
        const char* nome;
        std::optional<std::int32_t> numxGio;
        int k;
    };
    const Riga righe[] = {
        {"mancante", std::nullopt, 5},
        {"zero", 0, 1},
        {"due", 2, 3},
        {"nove", 9, 10},
        {"dieci", 10, 5},
        {"negativo", -1, 5},
        {"massimo intero", std::numeric_limits<std::int32_t>::max(), 5},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        test::CartellaTemporanea cartella;
        test::ArchivioMemoria store;
        if (riga.numxGio) {
            IDE_Intero(store, "NumxGio", *riga.numxGio, true);
        }
        test::MessaggiRegistrati messaggi;
        StatoApplicazione stato(store, messaggi, Cartelle{"", cartella.cartella(), "", cartella.cartella()});
        NuovoSistema(stato);
        EXPECT_EQ(stato.sistema.numeriPerGiocata, riga.k);
    }
}
