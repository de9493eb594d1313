#include "editor/file_riduzioni.h"
#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <unistd.h>

using test::ArchivioMemoria;
using test::CartellaTemporanea;

namespace {

template <std::size_t N> std::vector<unsigned char> Byte(const BloccoRecord<N>& blocco)
{
    return {blocco.begin(), blocco.end()};
}

template <std::size_t N> BloccoRecord<N> Riempito(std::uint8_t valore)
{
    BloccoRecord<N> blocco;
    blocco.fill(valore);
    return blocco;
}

std::vector<unsigned char> ImmagineIntervalli(std::int32_t numero, double minimo, double massimo)
{
    FileIntervalli intervalli;
    intervalli.numero = numero;
    intervalli.minimi.fill(minimo);
    intervalli.massimi.fill(massimo);
    std::vector<unsigned char> byte(1604);
    std::memcpy(byte.data(), &intervalli.numero, 4);
    std::memcpy(byte.data() + 4, intervalli.minimi.data(), 800);
    std::memcpy(byte.data() + 804, intervalli.massimi.data(), 800);
    return byte;
}

// Count and first interval of the intervals placed in a delay or frequency block.
template <std::size_t N>
void VerificaIntervalli(const BloccoRecord<N>& blocco, std::size_t conteggio, std::size_t minimi,
                        std::int32_t numero, double minimo, double massimo)
{
    EXPECT_EQ(LeggiCampoInt32(blocco, conteggio), numero);
    EXPECT_EQ(LeggiCampoDouble(blocco, minimi), minimo);
    EXPECT_EQ(LeggiCampoDouble(blocco, minimi + 800), massimo);
}

} // namespace

TEST(FileRiduzioni, SistemaNuovoSenzaFile)
{
    CartellaTemporanea cartella;
    ArchivioMemoria store;
    RecordRiduzioni record;
    record.condizionata.fill(7);
    record.giocateFiltro.fill(7);
    record.sostituzioni.fill(7);
    record.probabilitaRitardi.fill(7);

    const EsitoCaricamentoRecord esito = CaricaRecordRiduzioni(cartella.cartella(), store, record);
    EXPECT_TRUE(esito.rifiutati.empty());

    EXPECT_EQ(record.condizionata, BloccoRecord<17888>{})
        << "without Quarvin.con a new system has no conditions, not those of the last system";
    EXPECT_EQ(record.giocateFiltro, BloccoRecord<15160>{});
    EXPECT_EQ(record.sostituzioni, BloccoRecord<2008>{});

    const auto& confronto = record.confrontoStorico;
    EXPECT_EQ(LeggiCampoInt32(confronto, 0), 3);
    EXPECT_EQ(LeggiCampoInt32(confronto, 4), 10);
    EXPECT_EQ(LeggiCampoInt32(confronto, 8), 100);
    EXPECT_EQ(LeggiCampoInt32(confronto, 12), 300);
    const std::uint8_t punteggi[3][6] = {{0, 0, 1, 0, 0, 0}, {0, 0, 1, 1, 0, 0}, {0, 0, 0, 1, 0, 0}};
    EXPECT_EQ(std::memcmp(confronto.data() + 604, punteggi, sizeof punteggi), 0);
    EXPECT_EQ(LeggiCampoInt32(confronto, 1504), 0);

    const auto& intervalli = record.intervalli;
    EXPECT_EQ(LeggiCampoInt32(intervalli, 0), 3);
    const std::int32_t limiti[6] = {1, 30, 31, 60, 61, 90};
    EXPECT_EQ(std::memcmp(intervalli.data() + 4, limiti, sizeof limiti), 0);
    const std::uint8_t quantita[11] = {0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(std::memcmp(intervalli.data() + 372 + 11 * i, quantita, 11), 0) << "interval " << i + 1;
    }
    EXPECT_EQ(intervalli[372 + 33], 0);
    EXPECT_EQ(LeggiCampoInt32(intervalli, 880), 0);

    // Every group in use, 0 or 1 numbers allowed, no error.
    auto verificaGruppi = [](const auto& blocco, std::size_t gruppi) {
        for (std::size_t g = 0; g < gruppi; ++g) {
            EXPECT_EQ(blocco[g], 1);
            const std::uint8_t attese[11] = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
            EXPECT_EQ(std::memcmp(blocco.data() + gruppi + 11 * g, attese, 11), 0) << "group " << g + 1;
        }
        EXPECT_EQ(LeggiCampoInt32(blocco, 12 * gruppi), 0);
    };
    verificaGruppi(record.cadenze, 10);
    verificaGruppi(record.figure, 9);
    verificaGruppi(record.decine, 9);

    const auto& probaRit = record.probabilitaRitardi;
    EXPECT_EQ(probaRit[0], 0);
    VerificaIntervalli(probaRit, 4, 8, 1, 7.0, 28.0);
    EXPECT_EQ(LeggiCampoDouble(probaRit, 16), 0.0) << "the stale bounds of the last system are cleared";
    EXPECT_EQ(LeggiCampoInt32(probaRit, 1608), -1);

    const auto& probaFre = record.probabilitaFrequenze;
    EXPECT_EQ(probaFre[0], 0);
    EXPECT_EQ(LeggiCampoInt32(probaFre, 4), 200);
    VerificaIntervalli(probaFre, 8, 16, 1, 40.0, 65.0);
    EXPECT_EQ(LeggiCampoInt32(probaFre, 1616), -1);

    const auto& probaPer = record.probabilitaPersonali;
    VerificaIntervalli(probaPer, 0, 8, 1, 75.0, 100.0);
    EXPECT_EQ(LeggiCampoDouble(probaPer, 1608), 50.0);
    EXPECT_EQ(LeggiCampoDouble(probaPer, 1608 + 8 * 89), 50.0);

    EXPECT_EQ(LeggiCampoInt32(record.frequenze, 0), 100);
    VerificaIntervalli(record.frequenze, 4, 8, 0, 0.0, 0.0);
    EXPECT_EQ(LeggiCampoInt32(record.frequenze, 1608), -1);
    VerificaIntervalli(record.ritardi, 0, 8, 0, 0.0, 0.0);
    EXPECT_EQ(LeggiCampoInt32(record.ritardi, 1608), -1);
}

TEST(FileRiduzioni, CriteriEFinestreDalloStore)
{
    struct Riga
    {
        const char* nome;
        std::int32_t proRitTC, proFreTC, proFreNumGio, datiRidFreNumGio;
        std::uint8_t criterioRit, criterioFre;
        std::int32_t spanProba, spanFrequenze;
    };
    const Riga righe[] = {
        {"valori memorizzati", 2, 1, 500, 30, 2, 1, 500, 30},
        {"criteri fuori misura", 3, -1, 1, 1, 0, 0, 1, 1},
        {"finestre nulle o negative", 0, 0, 0, std::numeric_limits<std::int32_t>::min(), 0, 0, 200, 100},
    };
    CartellaTemporanea cartella;
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ArchivioMemoria store;
        store.scriviIntero("IDE_ProRitTC", riga.proRitTC);
        store.scriviIntero("IDE_ProFreTC", riga.proFreTC);
        store.scriviIntero("IDE_ProFreNumGio", riga.proFreNumGio);
        store.scriviIntero("IDE_DatiRidFreNumGio", riga.datiRidFreNumGio);
        RecordRiduzioni record;
        CaricaRecordRiduzioni(cartella.cartella(), store, record);
        EXPECT_EQ(record.probabilitaRitardi[0], riga.criterioRit);
        EXPECT_EQ(record.probabilitaFrequenze[0], riga.criterioFre);
        EXPECT_EQ(LeggiCampoInt32(record.probabilitaFrequenze, 4), riga.spanProba);
        EXPECT_EQ(LeggiCampoInt32(record.frequenze, 0), riga.spanFrequenze);
    }
}

TEST(FileRiduzioni, FileScrittiTornanoAlSistemaNuovo)
{
    CartellaTemporanea cartella;
    const std::string dati = cartella.cartella();
    RecordRiduzioni scritto;
    scritto.condizionata.fill(0);
    scritto.condizionata[0] = 1;
    ScriviCampoInt32(scritto.condizionata, 72 + 1600, 100);
    ScriviCampoDouble(scritto.condizionata, 72, 12.5);
    ScriviCampoInt32(scritto.giocateFiltro, 0, 150);
    scritto.giocateFiltro[15157] = 1;
    ScriviCampoInt32(scritto.sostituzioni, 2000, 100);
    scritto.sostituzioni[2004] = 1;
    ScriviCampoInt32(scritto.confrontoStorico, 0, 1);
    ScriviCampoInt32(scritto.confrontoStorico, 4, 42);
    ScriviCampoInt32(scritto.intervalli, 0, 46);
    scritto.cadenze.fill(3);
    scritto.figure.fill(4);
    scritto.decine.fill(5);
    ASSERT_TRUE(ScriviCondizioni(dati, scritto.condizionata));
    ASSERT_TRUE(ScriviGiocateFiltro(dati, scritto.giocateFiltro));
    ASSERT_TRUE(ScriviSostituzioni(dati, scritto.sostituzioni));
    ASSERT_TRUE(ScriviConfrontoStorico(dati, scritto.confrontoStorico));
    ASSERT_TRUE(ScriviIntervalliNumeri(dati, scritto.intervalli));
    ASSERT_TRUE(ScriviCadenze(dati, scritto.cadenze));
    ASSERT_TRUE(ScriviFigure(dati, scritto.figure));
    ASSERT_TRUE(ScriviDecine(dati, scritto.decine));
    EXPECT_EQ(test::LeggiFile(cartella.file("Quarvin.con")), Byte(scritto.condizionata));
    EXPECT_EQ(test::LeggiFile(cartella.file("Figure.def")), Byte(scritto.figure));

    FileIntervalli intervalli;
    intervalli.numero = 2;
    intervalli.minimi[0] = 10.5;
    intervalli.massimi[0] = 20.25;
    intervalli.minimi[1] = 0.0;
    intervalli.massimi[1] = 100.0;
    intervalli.minimi[99] = 3.0; // past the count: kept as the list held it
    for (auto quale : {QualeFileIntervalli::ProbabilitaRitardi, QualeFileIntervalli::ProbabilitaFrequenze,
                       QualeFileIntervalli::ProbabilitaPersonali, QualeFileIntervalli::Frequenze,
                       QualeFileIntervalli::Ritardi}) {
        ASSERT_TRUE(ScriviFileIntervalli(cartella.file(NomeFileIntervalli(quale)), intervalli));
    }
    EXPECT_EQ(test::LeggiFile(cartella.file("Quarvin.irr")), [&] {
        auto byte = ImmagineIntervalli(2, 0.0, 0.0);
        std::memcpy(byte.data() + 4, intervalli.minimi.data(), 800);
        std::memcpy(byte.data() + 804, intervalli.massimi.data(), 800);
        return byte;
    }());

    ArchivioMemoria store;
    RecordRiduzioni letto;
    const EsitoCaricamentoRecord esito = CaricaRecordRiduzioni(dati, store, letto);
    EXPECT_TRUE(esito.rifiutati.empty());
    EXPECT_EQ(letto.condizionata, scritto.condizionata);
    EXPECT_EQ(letto.giocateFiltro, scritto.giocateFiltro);
    EXPECT_EQ(letto.sostituzioni, scritto.sostituzioni);
    EXPECT_EQ(letto.confrontoStorico, scritto.confrontoStorico);
    EXPECT_EQ(letto.intervalli, scritto.intervalli);
    EXPECT_EQ(letto.cadenze, scritto.cadenze);
    EXPECT_EQ(letto.figure, scritto.figure);
    EXPECT_EQ(letto.decine, scritto.decine);
    VerificaIntervalli(letto.probabilitaRitardi, 4, 8, 2, 10.5, 20.25);
    EXPECT_EQ(LeggiCampoDouble(letto.probabilitaRitardi, 8 + 8 * 99), 3.0);
    VerificaIntervalli(letto.probabilitaFrequenze, 8, 16, 2, 10.5, 20.25);
    EXPECT_EQ(LeggiCampoDouble(letto.probabilitaFrequenze, 816 + 8), 100.0);
    VerificaIntervalli(letto.probabilitaPersonali, 0, 8, 2, 10.5, 20.25);
    VerificaIntervalli(letto.frequenze, 4, 8, 2, 10.5, 20.25);
    VerificaIntervalli(letto.ritardi, 0, 8, 2, 10.5, 20.25);
    EXPECT_EQ(LeggiCampoInt32(letto.ritardi, 1608), -1);
    EXPECT_TRUE(ConteggiRecordValidi(letto));
}

TEST(FileRiduzioni, FileIntervalliSenzaIntervalliPrendeIlPredefinito)
{
    CartellaTemporanea cartella;
    test::ScriviFile(cartella.file("Quarvin.ipf"), ImmagineIntervalli(0, 5.0, 6.0));
    test::ScriviFile(cartella.file("Quarvin.irf"), ImmagineIntervalli(0, 5.0, 6.0));
    FileIntervalli intervalli;
    EXPECT_EQ(CaricaIntervalli(cartella.cartella(), QualeFileIntervalli::ProbabilitaFrequenze, intervalli),
              EsitoLettura::Letto);
    EXPECT_EQ(intervalli.numero, 1);
    EXPECT_EQ(intervalli.minimi[0], 40.0);
    EXPECT_EQ(intervalli.massimi[0], 65.0);
    EXPECT_EQ(intervalli.minimi[1], 5.0) << "the file's bounds past the count stay";
    EXPECT_EQ(CaricaIntervalli(cartella.cartella(), QualeFileIntervalli::Frequenze, intervalli),
              EsitoLettura::Letto);
    EXPECT_EQ(intervalli.numero, 0);
}

TEST(FileRiduzioni, FileRifiutatiLascianoIPredefiniti)
{
    struct Riga
    {
        const char* nome;
        const char* file;
        std::vector<unsigned char> contenuto;
        std::function<bool(const RecordRiduzioni&)> predefinito;
    };
    auto troncato = [](std::size_t n) { return std::vector<unsigned char>(n - 1, 1); };
    auto lungo = [](std::size_t n) { return std::vector<unsigned char>(n + 1, 1); };
    auto conConteggio = [](std::size_t n, std::size_t offset, std::int32_t conteggio) {
        std::vector<unsigned char> byte(n, 0);
        std::memcpy(byte.data() + offset, &conteggio, 4);
        return byte;
    };
    const auto confrontoPredefinito = [](const RecordRiduzioni& r) {
        return r.confrontoStorico == ConfrontoStoricoPredefinito();
    };
    const auto filtriVuoti = [](const RecordRiduzioni& r) {
        return r.giocateFiltro == BloccoRecord<15160>{};
    };
    const auto condizioniVuote = [](const RecordRiduzioni& r) {
        return r.condizionata == BloccoRecord<17888>{};
    };
    const auto intervalloRitardi = [](const RecordRiduzioni& r) {
        return LeggiCampoInt32(r.probabilitaRitardi, 4) == 1 &&
               LeggiCampoDouble(r.probabilitaRitardi, 8) == 7.0;
    };
    const auto nessunIntervalloRitardi = [](const RecordRiduzioni& r) {
        return LeggiCampoInt32(r.ritardi, 0) == 0;
    };
    constexpr std::int32_t Enorme = std::numeric_limits<std::int32_t>::max();

    const Riga righe[] = {
        {"ConfSto.def troncato", "ConfSto.def", troncato(1508), confrontoPredefinito},
        {"ConfSto.def troppo lungo", "ConfSto.def", lungo(1508), confrontoPredefinito},
        {"ConfSto.def vuoto", "ConfSto.def", {}, confrontoPredefinito},
        {"ConfSto.def 151 confronti", "ConfSto.def", conConteggio(1508, 0, 151), confrontoPredefinito},
        {"Filtri.def troncato", "Filtri.def", troncato(15160), filtriVuoti},
        {"Filtri.def conteggio enorme", "Filtri.def", conConteggio(15160, 0, Enorme), filtriVuoti},
        {"Quarvin.con troncato", "Quarvin.con", troncato(17888), condizioniVuote},
        {"Quarvin.con lista enorme", "Quarvin.con", conConteggio(17888, 16152 + 1600, Enorme),
         condizioniVuote},
        {"Sostituzioni.def 101", "Sostituzioni.def", conConteggio(2008, 2000, 101),
         [](const RecordRiduzioni& r) { return r.sostituzioni == BloccoRecord<2008>{}; }},
        {"Intervalli.def 47", "Intervalli.def", conConteggio(884, 0, 47),
         [](const RecordRiduzioni& r) { return r.intervalli == IntervalliNumeriPredefiniti(); }},
        {"Decine.def troppo lungo", "Decine.def", lungo(112),
         [](const RecordRiduzioni& r) { return r.decine == DecinePredefinite(); }},
        {"Quarvin.ipr conteggio 2^31-1", "Quarvin.ipr", ImmagineIntervalli(Enorme, 1.0, 2.0),
         intervalloRitardi},
        {"Quarvin.ipr conteggio negativo", "Quarvin.ipr", ImmagineIntervalli(-1, 1.0, 2.0),
         intervalloRitardi},
        {"Quarvin.ipr troncato", "Quarvin.ipr", troncato(1604), intervalloRitardi},
        {"Quarvin.ipr estremo oltre 100", "Quarvin.ipr", ImmagineIntervalli(1, 1.0, 150.0),
         intervalloRitardi},
        {"Quarvin.ipr minimo oltre massimo", "Quarvin.ipr", ImmagineIntervalli(1, 9.0, 2.0),
         intervalloRitardi},
        {"Quarvin.irr conteggio 101", "Quarvin.irr", ImmagineIntervalli(101, 1.0, 2.0),
         nessunIntervalloRitardi},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        CartellaTemporanea cartella;
        test::ScriviFile(cartella.file(riga.file), riga.contenuto);
        ArchivioMemoria store;
        RecordRiduzioni record;
        record.condizionata.fill(7);
        record.giocateFiltro.fill(7);
        record.sostituzioni.fill(7);
        const EsitoCaricamentoRecord esito = CaricaRecordRiduzioni(cartella.cartella(), store, record);
        EXPECT_TRUE(riga.predefinito(record));
        EXPECT_EQ(esito.rifiutati, std::vector<std::string>{riga.file});
    }
}

TEST(FileRiduzioni, ProbabilitaPersonalizzate)
{
    CartellaTemporanea cartella;
    std::array<double, 90> probabilita;
    probabilita.fill(50.0);
    EXPECT_EQ(LeggiProbabilitaPersonalizzate(cartella.cartella(), probabilita), EsitoLettura::Assente);
    EXPECT_EQ(probabilita[0], 50.0);

    std::array<double, 90> salvate;
    for (std::size_t n = 0; n < 90; ++n) {
        salvate[n] = static_cast<double>(n) + 0.5;
    }
    salvate[89] = 100.0;
    ASSERT_TRUE(ScriviProbabilitaPersonalizzate(cartella.cartella(), salvate));
    EXPECT_EQ(test::LeggiFile(cartella.file("Probabilita.def")).size(), 720u);
    EXPECT_EQ(LeggiProbabilitaPersonalizzate(cartella.cartella(), probabilita), EsitoLettura::Letto);
    EXPECT_EQ(probabilita, salvate);

    struct Riga
    {
        const char* nome;
        std::vector<unsigned char> contenuto;
    };
    auto conValore = [](double valore) {
        std::vector<unsigned char> byte(720, 0);
        std::memcpy(byte.data() + 8 * 40, &valore, 8);
        return byte;
    };
    const Riga righe[] = {
        {"troncato", std::vector<unsigned char>(719, 0)},
        {"troppo lungo", std::vector<unsigned char>(728, 0)},
        {"oltre 100", conValore(100.5)},
        {"negativo", conValore(-1.0)},
        {"non un numero", conValore(std::numeric_limits<double>::quiet_NaN())},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        test::ScriviFile(cartella.file("Probabilita.def"), riga.contenuto);
        probabilita.fill(50.0);
        EXPECT_EQ(LeggiProbabilitaPersonalizzate(cartella.cartella(), probabilita), EsitoLettura::Rifiutato);
        EXPECT_EQ(probabilita[40], 50.0);
    }
}

TEST(FileRiduzioni, ScrittureFalliteSonoSegnalate)
{
    CartellaTemporanea cartella;
    // A folder that is a file, a folder that does not exist, and (when the permissions bind us) a
    // read-only folder: the writes fail and say so.
    test::ScriviFile(cartella.file("non_cartella"), {1});
    std::vector<std::string> cartelle = {cartella.file("non_cartella") + "/",
                                         cartella.file("manca/") + "sotto/"};
    const std::filesystem::path solaLettura = cartella.percorso() / "sola_lettura";
    std::filesystem::create_directory(solaLettura);
    std::filesystem::permissions(solaLettura,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(solaLettura.c_str(), W_OK) != 0) {
        cartelle.push_back(solaLettura.string() + "/");
    }

    std::array<double, 90> probabilita{};
    FileIntervalli intervalli;
    for (const auto& dati : cartelle) {
        SCOPED_TRACE(dati);
        EXPECT_FALSE(ScriviProbabilitaPersonalizzate(dati, probabilita));
        EXPECT_FALSE(ScriviCondizioni(dati, BloccoRecord<17888>{}));
        EXPECT_FALSE(ScriviConfrontoStorico(dati, ConfrontoStoricoPredefinito()));
        EXPECT_FALSE(ScriviFileIntervalli(dati + "Quarvin.ipp", intervalli));
    }
    std::filesystem::permissions(solaLettura, std::filesystem::perms::owner_all);

    intervalli.numero = 101;
    EXPECT_FALSE(ScriviFileIntervalli(cartella.file("Quarvin.ipp"), intervalli));
    EXPECT_FALSE(std::filesystem::exists(cartella.file("Quarvin.ipp")));
}
