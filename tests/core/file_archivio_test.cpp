#include "core/archivio_predefinito.h"
#include "core/file_archivio.h"
#include "core/messaggi_archivio.h"
#include "support/cartella_temporanea.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <unistd.h>

using test::estrazione;
using test::estrazioneNumero;

namespace {

constexpr std::size_t Intestazione = ArchivioStorico::DimensioneIntestazione;

// Bytes of a Quarvin.db: a header of 0xAA, then the records as the file stores them.
std::vector<std::uint8_t> Immagine(const std::vector<Tipo_Estrazione>& record)
{
    std::vector<std::uint8_t> dati(Intestazione, 0xAA);
    for (const Tipo_Estrazione& e : record) {
        const auto* b = reinterpret_cast<const std::uint8_t*>(&e);
        dati.insert(dati.end(), b, b + sizeof e);
    }
    return dati;
}

SorgenteByte Contatore()
{
    return [n = 0]() mutable { return static_cast<std::uint8_t>(n++); };
}

std::string SorgentiDati(const std::string& nome)
{
    const char* radice = std::getenv("QUARVIN_SORGENTI");
    return std::string(radice != nullptr ? radice : ".") + "/data/" + nome;
}

} // namespace

TEST(FileArchivio, SalvaPoiCaricaRestituisceLeEstrazioni)
{
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella.file("Quarvin.db");
    ArchivioStorico a;
    Tipo_Estrazione piena = estrazione(4, 5, 2005, 10);
    for (int w = 1; w <= RuoteArchivio; ++w) {
        for (int p = 1; p <= 5; ++p) {
            piena.setNumero(w, p, static_cast<std::uint8_t>(w * 8 - p + 1));
        }
    }
    a.InserisciEstrazione(estrazione(7, 1, 1939, 86));
    a.InserisciEstrazione(piena);
    a.InserisciEstrazione(estrazione(30, 12, 2100, 1));
    ASSERT_TRUE(SalvaArchivio(percorso, a, Contatore()));

    const auto byte = test::LeggiFile(percorso);
    ASSERT_EQ(byte.size(), Intestazione + 3 * 60);
    EXPECT_EQ(byte[0], 0);
    EXPECT_EQ(byte[76], 76) << "header from the random source";
    EXPECT_EQ(byte[77 + 60 + 58], 2005 & 0xFF) << "year little-endian";
    EXPECT_EQ(byte[77 + 60 + 59], 2005 >> 8);
    EXPECT_EQ(byte[77 + 60 + 11 + 3], piena.numero(Genova, 2)) << "position 2 of Genova";

    ArchivioStorico letto;
    letto.InserisciEstrazione(estrazione(1, 1, 2000)); // replaced by the load
    const EsitoCaricaArchivio esito = CaricaArchivio(percorso, letto);
    EXPECT_TRUE(esito.ok());
    EXPECT_TRUE(esito.avvisi.empty());
    ASSERT_EQ(letto.conteggio(), 3);
    for (std::int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(std::memcmp(&letto.estrazione(i), &a.estrazione(i), sizeof(Tipo_Estrazione)), 0) << i;
    }
}

TEST(FileArchivio, DimensioniDelFile)
{
    const auto tre = Immagine({estrazione(1, 1, 2000), estrazione(2, 1, 2000), estrazione(3, 1, 2000)});
    struct Riga
    {
        const char* nome;
        std::size_t dimensione;
        std::int32_t conteggio;
    };
    const std::vector<Riga> righe = {
        {"vuoto", 0, 0},
        {"intestazione corta", 76, 0},
        {"solo intestazione", 77, 0},
        {"record incompleto", 77 + 59, 0},
        {"tre record e dieci byte", 77 + 180 + 10, 3},
        {"tre record esatti", 77 + 180, 3},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        std::vector<std::uint8_t> dati(riga.dimensione, 0x55);
        std::copy_n(tre.begin(), std::min(riga.dimensione, tre.size()), dati.begin());
        ArchivioStorico a;
        a.InserisciEstrazione(estrazione(1, 1, 1990));
        const EsitoCaricaArchivio esito = CaricaArchivioDaDati(dati, a);
        EXPECT_TRUE(esito.ok());
        EXPECT_EQ(a.conteggio(), riga.conteggio);
        EXPECT_EQ(esito.nonValide, 0);
    }
}

TEST(FileArchivio, FileMancanteOIlleggibile)
{
    test::CartellaTemporanea cartella;
    ArchivioStorico a;
    a.InserisciEstrazione(estrazione(1, 1, 1990));
    EsitoCaricaArchivio esito = CaricaArchivio(cartella.file("Quarvin.db"), a);
    EXPECT_FALSE(esito.ok());
    EXPECT_FALSE(esito.esiste);
    EXPECT_TRUE(esito.avvisi.empty()) << "a missing archive is not an error";
    EXPECT_TRUE(a.vuoto());

    // Far larger than any archive: refused without reading (the file is sparse).
    const std::string enorme = cartella.file("enorme.db");
    test::ScriviFile(enorme, {1, 2, 3});
    std::filesystem::resize_file(enorme, file_archivio::DimensioneMassima + 1);
    a.InserisciEstrazione(estrazione(1, 1, 1990));
    esito = CaricaArchivio(enorme, a);
    EXPECT_FALSE(esito.ok());
    EXPECT_TRUE(esito.esiste);
    EXPECT_TRUE(a.vuoto());
    EXPECT_EQ(esito.avvisi, std::vector<std::string>{messaggi_archivio::ErroreLetturaArchivio});
}

TEST(FileArchivio, RecordNonValidiIgnorati)
{
    using Guasto = std::function<void(Tipo_Estrazione&)>;
    struct Riga
    {
        const char* nome;
        Guasto guasto;
    };
    const std::vector<Riga> righe = {
        {"giorno 0", [](Tipo_Estrazione& e) { e.giorno = 0; }},
        {"giorno 32", [](Tipo_Estrazione& e) { e.giorno = 32; }},
        {"mese 0", [](Tipo_Estrazione& e) { e.mese = 0; }},
        {"mese 13", [](Tipo_Estrazione& e) { e.mese = 13; }},
        {"anno 1899", [](Tipo_Estrazione& e) { e.setAnno(1899); }},
        {"anno 2101", [](Tipo_Estrazione& e) { e.setAnno(2101); }},
        {"numero 91", [](Tipo_Estrazione& e) { e.setNumero(Roma, 3, 91); }},
        {"numero 255", [](Tipo_Estrazione& e) { e.setNumero(Nazionale, 5, 255); }},
        {"numero ripetuto", [](Tipo_Estrazione& e) { e.setNumero(Bari, 5, e.numero(Bari, 1)); }},
        {"ruota incompleta", [](Tipo_Estrazione& e) { e.setNumero(Bari, 4, 0); }},
        {"primo numero mancante", [](Tipo_Estrazione& e) { e.setNumero(Bari, 1, 0); }},
        {"ruota vuota con un numero", [](Tipo_Estrazione& e) { e.setNumero(Venezia, 2, 9); }},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        std::vector<Tipo_Estrazione> record = {estrazione(1, 2, 2000), estrazione(2, 2, 2000, 7),
                                               estrazione(3, 2, 2000), estrazione(4, 2, 2000)};
        riga.guasto(record[1]);
        ArchivioStorico a;
        const EsitoCaricaArchivio esito = CaricaArchivioDaDati(Immagine(record), a);
        EXPECT_TRUE(esito.ok());
        EXPECT_EQ(esito.nonValide, 1);
        EXPECT_EQ(esito.primaNonValida, 2);
        ASSERT_EQ(a.conteggio(), 3) << "the good draws stay";
        EXPECT_EQ(a.estrazione(2).giorno, 3);
        EXPECT_EQ(esito.avvisi,
                  std::vector<std::string>{"Il file dell'archivio storico Quarvin.db è danneggiato: "
                                           "l'estrazione numero 2 non è valida ed è stata ignorata."});
    }

    std::vector<Tipo_Estrazione> record(6, estrazione(5, 5, 2005));
    record[2] = estrazione(6, 5, 2005);
    record[0].giorno = 0;
    record[1].giorno = 0;
    record[3].mese = 0;
    ArchivioStorico a;
    const EsitoCaricaArchivio esito = CaricaArchivioDaDati(Immagine(record), a);
    EXPECT_EQ(esito.nonValide, 3);
    EXPECT_EQ(a.conteggio(), 2);
    EXPECT_EQ(esito.avvisi.front(), "Il file dell'archivio storico Quarvin.db è danneggiato: 3 estrazioni "
                                    "non valide sono state ignorate (la prima è la numero 1).");
}

TEST(FileArchivio, DateFuoriOrdineERipetute)
{
    // Out of order records are put in place; of two records of one date the later in the file wins.
    ArchivioStorico a;
    const EsitoCaricaArchivio esito = CaricaArchivioDaDati(
        Immagine({estrazione(1, 3, 2001, 1), estrazione(3, 3, 2001, 3), estrazione(2, 3, 2001, 2),
                  estrazione(3, 3, 2001, 30), estrazione(1, 3, 2000, 9)}),
        a);
    ASSERT_EQ(a.conteggio(), 4);
    EXPECT_EQ(a.estrazione(1).chiaveData(), 20000301);
    EXPECT_EQ(a.estrazione(2).chiaveData(), 20010301);
    EXPECT_EQ(a.estrazione(3).chiaveData(), 20010302);
    EXPECT_EQ(a.estrazione(4).numero(Bari, 1), 30);
    EXPECT_EQ(esito.doppie, 1);
    EXPECT_EQ(esito.nonValide, 0);
    EXPECT_EQ(esito.avvisi.size(), 1u);
}

TEST(FileArchivio, OltreLaCapacitaTieneLePiuRecenti)
{
    std::vector<Tipo_Estrazione> record;
    for (int n = 0; n < ArchivioStorico::Capacita + 5; ++n) {
        record.push_back(estrazioneNumero(n));
    }
    ArchivioStorico a;
    const EsitoCaricaArchivio esito = CaricaArchivioDaDati(Immagine(record), a);
    ASSERT_EQ(a.conteggio(), ArchivioStorico::Capacita);
    EXPECT_EQ(a.estrazione(1).chiaveData(), record[5].chiaveData());
    EXPECT_EQ(a.estrazione(a.conteggio()).chiaveData(), record.back().chiaveData());
    EXPECT_EQ(esito.oltreCapacita, 5);
    EXPECT_EQ(esito.avvisi,
              std::vector<std::string>{"L'archivio storico Quarvin.db contiene più di 12000 estrazioni: sono "
                                       "state caricate le 12000 più recenti."});
}

TEST(FileArchivio, FileCasualiNonRomponoNulla)
{
    std::mt19937 caso(20260530);
    const auto fino = [&](unsigned n) { return static_cast<std::uint8_t>(caso() % n); };
    for (int prova = 0; prova < 300; ++prova) {
        SCOPED_TRACE(prova);
        std::vector<std::uint8_t> dati;
        if (prova % 2 == 0) {
            dati.resize(caso() % 2000);
            for (auto& b : dati) {
                b = fino(256);
            }
        } else {
            // Plausible records in any order, some with repeated dates or numbers, and a ragged tail.
            std::vector<Tipo_Estrazione> record(caso() % 40);
            for (auto& e : record) {
                e = estrazione(1 + fino(31), 1 + fino(12), 1995 + fino(5), 1);
                for (int w = 1; w <= RuoteArchivio; ++w) {
                    const bool vuota = fino(3) == 0;
                    for (int p = 1; p <= 5; ++p) {
                        e.setNumero(w, p, vuota ? 0 : static_cast<std::uint8_t>(1 + fino(90)));
                    }
                }
            }
            dati = Immagine(record);
            dati.resize(dati.size() + caso() % 60, 0x33);
        }
        ArchivioStorico a;
        const EsitoCaricaArchivio esito = CaricaArchivioDaDati(dati, a);
        EXPECT_EQ(a.conteggio() + esito.nonValide + esito.doppie, esito.recordNelFile);
        for (std::int32_t i = 1; i <= a.conteggio(); ++i) {
            EXPECT_TRUE(EstrazioneValida(a.estrazione(i)));
            if (i > 1) {
                EXPECT_LT(a.estrazione(i - 1).chiaveData(), a.estrazione(i).chiaveData());
            }
        }
    }
}

TEST(FileArchivio, IlCaricamentoNonModificaIlFile)
{
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella.file("Quarvin.db");
    auto dati = Immagine({estrazione(2, 1, 2000), estrazione(1, 1, 2000), estrazione(1, 1, 2000)});
    dati[77 + 56] = 0;
    dati.push_back(7);
    test::ScriviFile(percorso, std::vector<unsigned char>(dati.begin(), dati.end()));
    ArchivioStorico a;
    (void)CaricaArchivio(percorso, a);
    EXPECT_EQ(test::LeggiFile(percorso), std::vector<unsigned char>(dati.begin(), dati.end()));
}

TEST(FileArchivio, SalvataggioFallitoConservaIlFilePrecedente)
{
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella.file("Quarvin.db");
    ArchivioStorico vecchio;
    vecchio.InserisciEstrazione(estrazione(1, 1, 2000));
    ASSERT_TRUE(SalvaArchivio(percorso, vecchio, Contatore()));
    const auto prima = test::LeggiFile(percorso);

    // The temporary file beside the target cannot be created where a folder of that name stands.
    std::filesystem::create_directory(percorso + ".tmp" + std::to_string(::getpid()));
    ArchivioStorico nuovo;
    nuovo.InserisciEstrazione(estrazione(2, 1, 2000));
    EXPECT_FALSE(SalvaArchivio(percorso, nuovo, Contatore()));
    EXPECT_EQ(test::LeggiFile(percorso), prima);

    EXPECT_FALSE(SalvaArchivio(cartella.file("manca/Quarvin.db"), nuovo, Contatore()));
}

TEST(ArchivioPredefinito, CreatoUnaSolaVoltaDalTestoDistribuito)
{
    test::CartellaTemporanea cartella;
    const std::string testo = cartella.file("storico.txt");
    test::ScriviFile(testo, {'2', '0',  '0', '5', '/',  '0', '5', '/',  '0', '4', '\t', 'R', 'N', '\t', '7',
                             '2', '\t', '1', '2', '\t', '4', '2', '\t', '5', '7', '\t', '3', '1', '\n'});
    const std::string db = cartella.file("Quarvin.db");

    EsitoArchivioPredefinito esito = PreparaArchivioPredefinito(cartella.cartella(), testo, Contatore());
    EXPECT_TRUE(esito.creato);
    EXPECT_EQ(esito.testo, "");
    ArchivioStorico a;
    ASSERT_TRUE(CaricaArchivio(db, a).ok());
    ASSERT_EQ(a.conteggio(), 1);
    EXPECT_EQ(a.estrazione(1).numero(Nazionale, 1), 72);

    // An existing archive is the user's, even a damaged one.
    test::ScriviFile(db, {1, 2, 3});
    esito = PreparaArchivioPredefinito(cartella.cartella(), testo, Contatore());
    EXPECT_FALSE(esito.creato);
    EXPECT_EQ(test::LeggiFile(db), (std::vector<unsigned char>{1, 2, 3}));

    // No shipped text: nothing to do; an unreadable one is reported and nothing is written.
    test::CartellaTemporanea altra;
    esito = PreparaArchivioPredefinito(altra.cartella(), "", Contatore());
    EXPECT_FALSE(esito.creato);
    EXPECT_EQ(esito.testo, "");
    esito = PreparaArchivioPredefinito(altra.cartella(), altra.file("manca.txt"), Contatore());
    EXPECT_FALSE(esito.creato);
    EXPECT_EQ(esito.testo, std::string(messaggi_archivio::FileTestoNonTrovato) + altra.file("manca.txt"));
    EXPECT_FALSE(std::filesystem::exists(altra.file("Quarvin.db")));
}

TEST(ArchivioPredefinito, DalFileDistribuito)
{
    test::CartellaTemporanea cartella;
    const EsitoArchivioPredefinito esito =
        PreparaArchivioPredefinito(cartella.cartella(), SorgentiDati("storico.txt"), Contatore());
    ASSERT_TRUE(esito.creato) << esito.testo;
    EXPECT_EQ(std::filesystem::file_size(cartella.file("Quarvin.db")), 77u + 7323u * 60u);
}
