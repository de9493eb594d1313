#include "core/probabilita.h"
#include "editor/file_riduzioni.h"
#include "editor/probabilita_personalizzate.h"
#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

std::array<double, 90> Crescenti()
{
    std::array<double, 90> p{};
    for (std::size_t i = 0; i < p.size(); ++i) {
        p[i] = static_cast<double>(i) + 0.125;
    }
    return p;
}

} // namespace

TEST(ProbabilitaPersonalizzate, OgniNuovoSistemaParteDa50)
{
    test::CartellaTemporanea cartella;
    test::ArchivioMemoria store;
    RecordRiduzioni record;
    PoniProbabilitaPersonalizzate(record, Crescenti());
    ASSERT_EQ(ProbabilitaPersonalizzate(record), Crescenti());
    // Saved defaults do not seed a new system.
    ASSERT_TRUE(ScriviProbabilitaPersonalizzate(cartella.cartella(), Crescenti()));

    (void)CaricaRecordRiduzioni(cartella.cartella(), store, record);
    std::array<double, 90> cinquanta{};
    cinquanta.fill(50.0);
    EXPECT_EQ(ProbabilitaPersonalizzate(record), cinquanta);
}

TEST(ProbabilitaPersonalizzate, ImpostaERipristinaPredefinite)
{
    test::CartellaTemporanea cartella;
    test::MessaggiRegistrati messaggi;
    RecordRiduzioni record;
    PoniProbabilitaPersonalizzate(record, Crescenti());

    ASSERT_TRUE(ImpostaProbabilitaPredefinite(cartella.cartella(), record, messaggi));
    ASSERT_EQ(messaggi.mostrati.size(), 1u);
    EXPECT_EQ(messaggi.ultimo(),
              "Le probabilità personalizzate attuali sono state impostate come predefinite.");
    EXPECT_EQ(messaggi.mostrati.back().titolo, "OK");
    EXPECT_EQ(messaggi.mostrati.back().icona, Icona::Informazione);
    EXPECT_EQ(test::LeggiFile(cartella.file("Probabilita.def")).size(), 720u);

    std::array<double, 90> altre{};
    altre.fill(12.5);
    PoniProbabilitaPersonalizzate(record, altre);

    messaggi.risposte = {Risposta::No};
    EXPECT_EQ(RipristinaProbabilitaPredefinite(cartella.cartella(), record, messaggi),
              EsitoRipristino::NonRichiesto);
    EXPECT_EQ(messaggi.ultimo(), "Ripristinare le probabilità personalizzate predefinite ?");
    EXPECT_EQ(messaggi.mostrati.back().pulsanti, Pulsanti::SiNo);
    EXPECT_EQ(ProbabilitaPersonalizzate(record), altre);

    messaggi.risposte = {Risposta::Si};
    EXPECT_EQ(RipristinaProbabilitaPredefinite(cartella.cartella(), record, messaggi),
              EsitoRipristino::Ripristinate);
    EXPECT_EQ(ProbabilitaPersonalizzate(record), Crescenti());
}

TEST(ProbabilitaPersonalizzate, ScritturaFallitaMostraIlMessaggioDelDisco)
{
    test::CartellaTemporanea cartella;
    test::MessaggiRegistrati messaggi;
    RecordRiduzioni record;
    EXPECT_FALSE(ImpostaProbabilitaPredefinite(cartella.cartella() + "non_esiste/", record, messaggi));
    ASSERT_EQ(messaggi.mostrati.size(), 1u);
    EXPECT_EQ(messaggi.ultimo(), "Si è verificato un errore durante la scrittura sul disco.\r\n"
                                 "Probabilmente l'unità dalla quale è stato eseguito QUARVINA LOTTO è di "
                                 "sola lettura.");
    EXPECT_EQ(messaggi.mostrati.back().titolo, "Errore");
    EXPECT_EQ(messaggi.mostrati.back().icona, Icona::Errore);
}

TEST(ProbabilitaPersonalizzate, RipristinoSenzaFileValidoNonCambiaNulla)
{
    struct Riga
    {
        const char* nome;
        std::vector<unsigned char> contenuto; // empty: no file
        EsitoRipristino esito;
    };
    std::vector<unsigned char> fuoriScala(720, 0);
    fuoriScala[6] = 0xf8; // the first score becomes NaN
    fuoriScala[7] = 0x7f;
    const std::vector<Riga> righe{
        {"assente", {}, EsitoRipristino::Assenti},
        {"corto", std::vector<unsigned char>(719, 0), EsitoRipristino::Rifiutate},
        {"lungo", std::vector<unsigned char>(728, 0), EsitoRipristino::Rifiutate},
        {"non un numero", fuoriScala, EsitoRipristino::Rifiutate},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        test::CartellaTemporanea cartella;
        if (!riga.contenuto.empty()) {
            test::ScriviFile(cartella.file("Probabilita.def"), riga.contenuto);
        }
        test::MessaggiRegistrati messaggi;
        messaggi.risposte = {Risposta::Si};
        RecordRiduzioni record;
        PoniProbabilitaPersonalizzate(record, Crescenti());
        EXPECT_EQ(RipristinaProbabilitaPredefinite(cartella.cartella(), record, messaggi), riga.esito);
        EXPECT_EQ(ProbabilitaPersonalizzate(record), Crescenti());
    }
}
