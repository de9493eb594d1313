#include "reductions/riduttori_predefiniti.h"

#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_ortogonale.h"
#include "reductions/riduttori_immediati.h"
#include "support/cartella_temporanea.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Two different contents, so a test can tell which file ended where.
const std::vector<RiduttoreDaScrivere> Fano{
    {7, 3, 2, {1, 2, 3, 1, 4, 5, 1, 6, 7, 2, 4, 6, 2, 5, 7, 3, 4, 7, 3, 5, 6}}};
const std::vector<RiduttoreDaScrivere> Quartine{{5, 4, 3, {1, 2, 3, 4, 2, 3, 4, 5}}};
const std::vector<std::uint8_t> ByteCasuali{0x51, 0x9c, 0x07, 0xee, 0x31, 0x00, 0x42, 0xfe, 0x13, 0x88};

enum class Utente {
    Nessuno,
    Proprio,     // made by the user, without generation
    Generazione, // shipped before, with the row's generation
    Cartella,    // a folder of that name
    Illeggibile, // random bytes: no reducer at all
};

} // namespace

TEST(RiduttoriPredefiniti, CopiaESostituzione)
{
    struct Caso
    {
        const char* nome;
        Utente utente;
        std::uint32_t generazioneUtente;
        std::uint32_t generazioneSpedita;
        bool installato;
    };
    const Caso casi[] = {
        {"prima installazione", Utente::Nessuno, 0, 3, true},
        {"prima installazione, file senza generazione", Utente::Nessuno, 0, 0, true},
        {"file dell'utente", Utente::Proprio, 0, 3, false},
        {"spedito prima, generazione minore", Utente::Generazione, 2, 3, true},
        {"stessa generazione", Utente::Generazione, 3, 3, false},
        {"generazione maggiore", Utente::Generazione, 4, 3, false},
        {"spedito senza generazione", Utente::Generazione, 2, 0, false},
        {"una cartella", Utente::Cartella, 0, 3, false},
        {"file illeggibile", Utente::Illeggibile, 0, 3, true},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        test::CartellaTemporanea cartella;
        const std::string programma = cartella.file("programma");
        const std::string dati = cartella.file("dati");
        std::filesystem::create_directories(programma);
        for (const char* nome : {NomeFileRiduttoriGaranzia, NomeFileRiduttoriOrtogonali}) {
            ASSERT_TRUE(ScriviRiduttoriImmediati(programma + "/" + nome, Fano, caso.generazioneSpedita));
        }
        const std::string utente = dati + "/" + NomeFileRiduttoriGaranzia;
        if (caso.utente != Utente::Nessuno) {
            std::filesystem::create_directories(dati);
        }
        if (caso.utente == Utente::Proprio || caso.utente == Utente::Generazione) {
            ASSERT_TRUE(ScriviRiduttoriImmediati(utente, Quartine, caso.generazioneUtente));
        } else if (caso.utente == Utente::Cartella) {
            std::filesystem::create_directories(utente);
        } else if (caso.utente == Utente::Illeggibile) {
            test::ScriviFile(utente, ByteCasuali);
            // An earlier copy of a damaged file is never overwritten.
            test::ScriviFile(utente + ".danneggiato", {'x'});
        }

        const EsitoRiduttoriPredefiniti esito = PreparaRiduttoriPredefiniti(dati, programma);
        EXPECT_TRUE(esito.problemi.empty());
        const bool garanzia = !esito.installati.empty() && esito.installati.front() == utente;
        EXPECT_EQ(garanzia, caso.installato);
        if (caso.utente != Utente::Cartella) {
            EXPECT_EQ(ElencoRiduttoriImmediati(utente).front().v, caso.installato ? 7 : 5);
        }
        // The unreadable file is replaced, its bytes kept under the first free name, and the user told.
        const std::string copia = utente + ".danneggiato.1";
        EXPECT_EQ(std::filesystem::exists(copia), caso.utente == Utente::Illeggibile);
        if (caso.utente == Utente::Illeggibile) {
            EXPECT_EQ(test::LeggiFile(copia), ByteCasuali);
            EXPECT_EQ(test::LeggiFile(utente + ".danneggiato"), std::vector<std::uint8_t>{'x'});
            EXPECT_EQ(esito.sostituiti, std::vector<std::string>{
                                            std::string(messaggi_riduttori::IlleggibileSostituito) + copia});
        } else {
            EXPECT_TRUE(esito.sostituiti.empty());
        }
        // The other file was missing: copied in every case.
        EXPECT_EQ(ElencoRiduttoriImmediati(dati + "/" + NomeFileRiduttoriOrtogonali).size(), 1U);
    }
}

TEST(RiduttoriPredefiniti, NienteDaInstallare)
{
    test::CartellaTemporanea cartella;
    const std::string programma = cartella.file("programma");
    const std::string dati = cartella.file("dati");
    std::filesystem::create_directories(programma);
    // No shipped data, no shipped files, a shipped file without reducers: nothing, and no folder made.
    EXPECT_TRUE(PreparaRiduttoriPredefiniti(dati, "").installati.empty());
    EXPECT_TRUE(PreparaRiduttoriPredefiniti(dati, programma).installati.empty());
    test::ScriviFile(programma + "/" + NomeFileRiduttoriGaranzia, {'Q', 'R', 'I', '1', 0, 0, 0, 0});
    EXPECT_TRUE(PreparaRiduttoriPredefiniti(dati, programma).installati.empty());
    EXPECT_FALSE(std::filesystem::exists(dati));
}

TEST(RiduttoriPredefiniti, ScritturaNonRiuscita)
{
    test::CartellaTemporanea cartella;
    const std::string programma = cartella.file("programma");
    std::filesystem::create_directories(programma);
    ASSERT_TRUE(ScriviRiduttoriImmediati(programma + "/" + NomeFileRiduttoriGaranzia, Fano, 1));
    // The data folder cannot be made: a regular file stands where it should be.
    const std::string dati = cartella.file("dati");
    test::ScriviFile(dati, {'x'});
    const EsitoRiduttoriPredefiniti esito = PreparaRiduttoriPredefiniti(dati, programma);
    EXPECT_TRUE(esito.installati.empty());
    ASSERT_EQ(esito.problemi.size(), 1U);
    EXPECT_EQ(esito.problemi.front(), std::string(messaggi_riduttori::InstallazioneNonRiuscita) + dati + "/" +
                                          NomeFileRiduttoriGaranzia);
}

// The size the shipped designs are compared with: that of a plain run of the reduction, whatever the
// generator's state, and the same when the list is reused from one cell to the next.
TEST(RiduttoriPredefiniti, GiocateSenzaRiduttore)
{
    struct Caso
    {
        const char* nome;
        bool ortogonale;
        int v;
        int k;
        int g;
    };
    const Caso casi[] = {
        {"garanzia, percorso avido", false, 12, 4, 3},
        {"garanzia, accorpamento", false, 14, 7, 3},
        {"ortogonale", true, 13, 6, 3},
        {"garanzia, dopo una lista lunga", false, 9, 3, 2},
    };
    ConfrontoSenzaRiduttore riusato;
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        Sistema s = test::PronosticoPrimi(caso.v, caso.k);
        ElencoGiocate elenco;
        GeneratoreCasuale generatore;
        generatore.imposta(987654321U);
        EsecuzioneContinua continua;
        if (caso.ortogonale) {
            ParametriOrtogonale p;
            p.garanzia = caso.g;
            ASSERT_TRUE(RiduzioneOrtogonale(s, elenco, p, generatore, continua).esito.confermata());
        } else {
            ParametriGaraPro p;
            p.garanzia = caso.g;
            ASSERT_TRUE(RiduzionePronosticoGaranzia(s, elenco, p, generatore, continua).esito.confermata());
        }
        EXPECT_EQ(GiocateSenzaRiduttore(caso.ortogonale, caso.v, caso.k, caso.g), elenco.conteggio());
        EXPECT_EQ(riusato.giocate(caso.ortogonale, caso.v, caso.k, caso.g), elenco.conteggio());
    }

    // Guarantees the dialogs never ask for, and cells beyond the bound, are not computed.
    EXPECT_FALSE(GiocateSenzaRiduttore(false, 10, 5, 5));
    EXPECT_FALSE(GiocateSenzaRiduttore(true, 10, 3, 3));
    EXPECT_FALSE(GiocateSenzaRiduttore(false, 10, 2, 2));
    EXPECT_GT(CombinazioniSenzaRiduttore(true, 90, 10, 5), CombinazioniMassimeSenzaRiduttore);
    EXPECT_FALSE(GiocateSenzaRiduttore(true, 90, 10, 5));
    EXPECT_EQ(CombinazioniSenzaRiduttore(false, 30, 8, 3), 142506U);
}
