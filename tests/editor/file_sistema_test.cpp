#include "editor/file_sistema.h"

#include "core/byte_io.h"
#include "core/messaggi.h"
#include "editor/messaggi_sistema.h"
#include "support/cartella_temporanea.h"
#include "support/memoria_limitata.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <unistd.h>

namespace {

using test::giocata;

// A system with something distinctive in every field, so that a field written at the wrong offset
// or left out shows up.
Sistema SistemaCompleto()
{
    Sistema s;
    s.importi = {0.5, 1.0, 0.25, 2.0, 3.0, 1.5, 0.1, 0, 0, 0};
    s.ruote = {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0};
    s.numeroFisse = 2;
    s.fisse = {7, 44, 0, 0, 0, 0, 0, 0, 0};
    for (int n : {3, 7, 44, 90}) {
        s.pronostico[static_cast<std::size_t>(n - 1)] = 1;
    }
    s.numeriPerGiocata = 3;
    s.posizioni = {1, 0, 1, 0, 0};
    s.riduzioni.condizionata.back() = 0x11;
    s.riduzioni.giocateFiltro.back() = 0x22;
    s.riduzioni.decine.back() = 0x33;
    return s;
}

void Riempi(ElencoGiocate& elenco, std::initializer_list<Tipo_Giocata> giocate)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(giocate.size())));
    std::int32_t i = 0;
    for (const Tipo_Giocata& g : giocate) {
        elenco.voce(++i) = g;
    }
    elenco.setConteggio(i);
}

template <typename T> T Campo(const std::vector<std::uint8_t>& dati, std::size_t offset)
{
    T v{};
    std::memcpy(&v, dati.data() + offset, sizeof v);
    return v;
}

template <typename T> void Metti(std::vector<std::uint8_t>& dati, std::size_t offset, T v)
{
    std::memcpy(dati.data() + offset, &v, sizeof v);
}

// The version-3 layout: no positions, count at 46196, plays at 46200.
std::vector<std::uint8_t> ImmagineVersione3(const std::vector<std::uint8_t>& v4)
{
    std::vector<std::uint8_t> v3(v4.begin(), v4.begin() + file_sistema::OffsetPosizioni);
    v3[0] = 3;
    v3.insert(v3.end(), v4.begin() + file_sistema::OffsetConteggio, v4.end());
    return v3;
}

} // namespace

TEST(FileSistema, CampiAiLoroOffset)
{
    Sistema s = SistemaCompleto();
    ElencoGiocate vuoto;
    EXPECT_EQ(ImmagineSistema(s, vuoto).size(), 46205u);

    ElencoGiocate elenco;
    Riempi(elenco, {giocata({1, 2, 3}), giocata({4, 5, 90})});
    const auto dati = ImmagineSistema(s, elenco);
    ASSERT_EQ(dati.size(), 46205u + 20u);
    EXPECT_EQ(dati[0], 4);
    EXPECT_EQ(Campo<double>(dati, 1), 0.5);
    EXPECT_EQ(Campo<double>(dati, 1 + 8 * 6), 0.1);
    EXPECT_EQ(dati[81], 1);
    EXPECT_EQ(dati[81 + 7], 1);  // Roma
    EXPECT_EQ(dati[81 + 10], 1); // Nazionale
    EXPECT_EQ(dati[81 + 11], 0); // Tutte
    EXPECT_EQ(Campo<std::int32_t>(dati, 93), 2);
    EXPECT_EQ(dati[97], 7);
    EXPECT_EQ(dati[98], 44);
    EXPECT_EQ(dati[106 + 2], 1);
    EXPECT_EQ(dati[106 + 89], 1);
    EXPECT_EQ(Campo<std::int32_t>(dati, 196), 3);
    EXPECT_EQ(dati[18087], 0x11);
    EXPECT_EQ(dati[33247], 0x22);
    EXPECT_EQ(dati[46195], 0x33);
    EXPECT_EQ(dati[46196], 1);
    EXPECT_EQ(dati[46198], 1);
    EXPECT_EQ(Campo<std::int32_t>(dati, 46201), 2);
    EXPECT_EQ(dati[46205], 1);
    EXPECT_EQ(dati[46215 + 2], 90);
}

TEST(FileSistema, SalvaERiapreIdentico)
{
    test::CartellaTemporanea cartella;
    Sistema s = SistemaCompleto();
    s.nomeFile = cartella.file("Prova.qvs");
    s.modificato = true;
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({1, 2, 3}), giocata({5}), giocata({1, 2, 3, 4, 5, 6, 7, 8, 9, 90})});

    ASSERT_TRUE(ScriviSistema(s, elenco).ok());
    EXPECT_FALSE(s.modificato);
    const auto scritto = test::LeggiFile(s.nomeFile);
    EXPECT_EQ(scritto.size(), 46205u + 30u);

    Sistema letto;
    letto.nomeFile = s.nomeFile;
    letto.modificato = true;
    letto.riduzioni.sostituzioni.back() = 0x44; // not in the file: stays as loaded
    ElencoGiocate giocateLette;
    const EsitoFileSistema esito = LeggiSistema(letto, giocateLette);
    ASSERT_TRUE(esito.ok()) << esito.testo;
    EXPECT_TRUE(esito.messaggi().empty());

    EXPECT_EQ(letto.importi, s.importi);
    EXPECT_EQ(letto.ruote, s.ruote);
    EXPECT_EQ(letto.numeroFisse, s.numeroFisse);
    EXPECT_EQ(letto.fisse, s.fisse);
    EXPECT_EQ(letto.pronostico, s.pronostico);
    EXPECT_EQ(letto.numeriPerGiocata, s.numeriPerGiocata);
    EXPECT_EQ(letto.posizioni, s.posizioni);
    EXPECT_EQ(letto.riduzioni.condizionata, s.riduzioni.condizionata);
    EXPECT_EQ(letto.riduzioni.decine, s.riduzioni.decine);
    EXPECT_EQ(letto.riduzioni.sostituzioni.back(), 0x44);
    EXPECT_EQ(letto.nomeFile, s.nomeFile);
    EXPECT_FALSE(letto.modificato);
    ASSERT_EQ(giocateLette.conteggio(), 3);
    EXPECT_EQ(giocateLette.voce(3), elenco.voce(3));

    letto.nomeFile = cartella.file("Copia.qvs");
    ASSERT_TRUE(ScriviSistema(letto, giocateLette).ok());
    EXPECT_EQ(test::LeggiFile(letto.nomeFile), scritto);
}

TEST(FileSistema, Versione3SenzaPosizioni)
{
    Sistema s = SistemaCompleto();
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({10, 20}), giocata({30, 40})});
    const auto v3 = ImmagineVersione3(ImmagineSistema(s, elenco));
    ASSERT_EQ(v3.size(), 46200u + 20u);
    ASSERT_EQ(Campo<std::int32_t>(v3, 46196), 2);

    Sistema letto;
    letto.posizioni = {1, 1, 1, 1, 1};
    ElencoGiocate giocateLette;
    ASSERT_TRUE(LeggiImmagineSistema(v3, letto, giocateLette).ok());
    EXPECT_EQ(letto.posizioni, (std::array<std::uint8_t, 5>{}));
    EXPECT_EQ(letto.pronostico, s.pronostico);
    EXPECT_EQ(letto.riduzioni.decine, s.riduzioni.decine);
    ASSERT_EQ(giocateLette.conteggio(), 2);
    EXPECT_EQ(giocateLette.voce(1), giocata({10, 20}));
    EXPECT_EQ(giocateLette.voce(2), giocata({30, 40}));
}

TEST(FileSistema, VersioneSconosciutaDaDueMessaggi)
{
    test::CartellaTemporanea cartella;
    Sistema s;
    ElencoGiocate elenco;
    auto dati = ImmagineSistema(s, elenco);
    dati[0] = 5;
    test::ScriviFile(cartella.file("v5.qvs"), dati);

    Sistema letto;
    letto.nomeFile = cartella.file("v5.qvs");
    const EsitoFileSistema esito = LeggiSistema(letto, elenco);
    EXPECT_EQ(esito.codice, CodiceFileSistema::VersioneNonCompatibile);
    const auto messaggi = esito.messaggi();
    ASSERT_EQ(messaggi.size(), 2u);
    EXPECT_EQ(messaggi[0].testo,
              "Questa versione non è compatibile con la versione usata per creare il sistema da aprire.");
    EXPECT_EQ(messaggi[0].titolo, "Errore");
    EXPECT_EQ(messaggi[0].icona, Icona::Avviso);
    EXPECT_EQ(messaggi[1].testo, "Si è verificato un errore durante l'apertura del sistema.");
    EXPECT_EQ(messaggi[1].titolo, "Attenzione");
    EXPECT_EQ(messaggi[1].icona, Icona::Errore);
}

TEST(FileSistema, FileDifettosiRifiutati)
{
    Sistema originale = SistemaCompleto();
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({1, 2, 3}), giocata({4, 5, 6})});
    const auto buono = ImmagineSistema(originale, elenco);

    auto tronca = [&](std::size_t n) { return std::vector<std::uint8_t>(buono.begin(), buono.begin() + n); };
    auto conteggio = [&](std::int32_t c) {
        auto d = buono;
        Metti(d, file_sistema::OffsetConteggio, c);
        return d;
    };
    auto primaGiocata = [&](Tipo_Giocata g) {
        auto d = buono;
        std::memcpy(d.data() + file_sistema::OffsetGiocate, g.data(), g.size());
        return d;
    };
    auto campo = [&](std::size_t offset, auto valore) {
        auto d = buono;
        Metti(d, offset, valore);
        return d;
    };
    auto conAggiunta = buono;
    conAggiunta.push_back(0);

    struct Riga
    {
        const char* nome;
        std::vector<std::uint8_t> dati;
    };
    const std::vector<Riga> righe = {
        {"vuoto", {}},
        {"solo la versione", tronca(1)},
        {"dentro gli importi", tronca(50)},
        {"dentro i record", tronca(30000)},
        {"prima del conteggio", tronca(46201)},
        {"dentro il conteggio", tronca(46203)},
        {"senza giocate", tronca(46205)},
        {"giocata a metà", tronca(46205 + 15)},
        {"un byte in più", conAggiunta},
        {"conteggio 2^31-1", conteggio(std::numeric_limits<std::int32_t>::max())},
        {"conteggio negativo", conteggio(-1)},
        {"conteggio minimo", conteggio(std::numeric_limits<std::int32_t>::min())},
        {"conteggio oltre i byte", conteggio(3)},
        {"conteggio sotto i byte", conteggio(1)},
        {"giocata vuota", primaGiocata(Tipo_Giocata{})},
        {"giocata non ordinata", primaGiocata(giocata({3, 2, 1}))},
        {"giocata ripetuta", primaGiocata(giocata({2, 2, 3}))},
        {"numero 91", primaGiocata(giocata({1, 2, 91}))},
        {"zero in mezzo", primaGiocata(Tipo_Giocata{1, 0, 3})},
        {"dieci fisse", campo(file_sistema::OffsetNumeroFisse, std::int32_t{10})},
        {"fisse negative", campo(file_sistema::OffsetNumeroFisse, std::int32_t{-1})},
        {"fissa zero", campo(file_sistema::OffsetFisse, std::uint8_t{0})},
        {"zero numeri per giocata", campo(file_sistema::OffsetNumeriPerGiocata, std::int32_t{0})},
        {"undici numeri per giocata", campo(file_sistema::OffsetNumeriPerGiocata, std::int32_t{11})},
        {"importo NaN", campo(file_sistema::OffsetImporti, std::numeric_limits<double>::quiet_NaN())},
        {"importo negativo", campo(file_sistema::OffsetImporti + 8, -1.0)},
        {"giocate filtro oltre il massimo", campo(18088, std::numeric_limits<std::int32_t>::max())},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema s;
        s.pronostico[0] = 1;
        s.numeriPerGiocata = 7;
        s.modificato = true;
        ElencoGiocate giocate;
        Riempi(giocate, {giocata({8, 9})});
        const EsitoFileSistema esito = LeggiImmagineSistema(riga.dati, s, giocate);
        EXPECT_EQ(esito.codice, CodiceFileSistema::ErroreApertura);
        EXPECT_EQ(esito.testo, messaggi_sistema::ErroreApertura);
        ASSERT_EQ(giocate.conteggio(), 1) << "a refused file leaves the plays as they were";
        EXPECT_EQ(giocate.voce(1), giocata({8, 9}));
        EXPECT_FALSE(s.modificato);
        EXPECT_EQ(s.pronostico[0], 1);
        EXPECT_EQ(s.numeriPerGiocata, 7);
    }
}

TEST(FileSistema, FileTroppoGrandeNonLetto)
{
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella.file("Enorme.qvs");
    {
        std::FILE* f = std::fopen(percorso.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputc(4, f);
        ASSERT_EQ(::ftruncate(::fileno(f), static_cast<off_t>(file_sistema::DimensioneMassima + 10)), 0);
        std::fclose(f);
    }
    Sistema s;
    s.nomeFile = percorso;
    ElencoGiocate giocate;
    EXPECT_EQ(LeggiSistema(s, giocate).codice, CodiceFileSistema::ErroreApertura);
    EXPECT_EQ(giocate.capacita(), 0);
}

TEST(FileSistema, SalvataggioFallitoConservaIlFileEIlSegno)
{
    namespace fs = std::filesystem;
    test::CartellaTemporanea cartella;
    const fs::path solaLettura = cartella.percorso() / "sola_lettura";
    fs::create_directory(solaLettura);
    const std::vector<unsigned char> vecchio = {1, 2, 3};
    struct Riga
    {
        const char* nome;
        std::string percorso;
        bool esistente;
    };
    std::vector<Riga> righe = {
        {"cartella mancante", cartella.file("manca/Sistema1.qvs"), false},
        // A name so long that no temporary file fits beside it (root ignores folder permissions).
        {"nessun posto per il file temporaneo", cartella.file(std::string(250, 'x') + ".qvs"), true},
    };
    if (::geteuid() != 0) {
        righe.push_back({"cartella di sola lettura", (solaLettura / "Sistema1.qvs").string(), true});
    }
    for (const Riga& riga : righe) {
        if (riga.esistente) {
            test::ScriviFile(riga.percorso, vecchio);
        }
    }
    fs::permissions(solaLettura, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);

    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema s = SistemaCompleto();
        s.nomeFile = riga.percorso;
        s.modificato = true;
        ElencoGiocate elenco;
        const EsitoFileSistema esito = ScriviSistema(s, elenco);
        EXPECT_EQ(esito.codice, CodiceFileSistema::ErroreSalvataggio);
        ASSERT_EQ(esito.messaggi().size(), 1u);
        EXPECT_EQ(esito.messaggi()[0].testo,
                  "Si è verificato un errore durante il salvataggio del sistema!\r"
                  "Impossibile scrivere sul disco.\rIl sistema non è stato salvato");
        EXPECT_EQ(esito.messaggi()[0].titolo, "Errore");
        EXPECT_TRUE(s.modificato);
        if (riga.esistente) {
            EXPECT_EQ(test::LeggiFile(riga.percorso), vecchio);
        } else {
            EXPECT_FALSE(fs::exists(riga.percorso));
        }
    }
    fs::permissions(solaLettura, fs::perms::owner_all, fs::perm_options::add);
}

namespace {

// n distinct canonical plays of four numbers (n up to 26100).
void RiempiNumerate(ElencoGiocate& elenco, std::int32_t n)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(n));
    for (std::int32_t i = 1; i <= n; ++i) {
        elenco.voce(i) = giocata({1 + i % 30, 31 + i / 30 % 30, 61 + i / 900 % 29, 90});
    }
    elenco.setConteggio(n);
}

// The window's side of an open: records where each poll came and runs the test's step there.
class ControlloRegistrato final : public ControlloEsecuzione
{
public:
    bool verifica(const Avanzamento& stato) override
    {
        elaborati.push_back(static_cast<std::int32_t>(stato.elaborati));
        if (azione) {
            azione();
        }
        return true;
    }

    std::vector<std::int32_t> elaborati;
    std::function<void()> azione;
};

} // namespace

// The plays go from the file into the list a chunk at a time, with a poll after each chunk, and the list
// shows them only once all were read and checked; plays already in the list give way to the file's.
TEST(FileSistema, AperturaABlocchiConPausaTraIBlocchi)
{
    test::CartellaTemporanea cartella;
    Sistema s = SistemaCompleto();
    s.nomeFile = cartella.file("Grande.qvs");
    ElencoGiocate scritte;
    RiempiNumerate(scritte, 2 * file_sistema::BloccoLettura + 2500);
    ASSERT_TRUE(ScriviSistema(s, scritte).ok());

    Sistema letto;
    letto.nomeFile = s.nomeFile;
    ElencoGiocate giocate;
    Riempi(giocate, {giocata({8, 9}), giocata({10, 11}), giocata({12, 13})});
    ControlloRegistrato controllo;
    std::vector<std::int32_t> conteggi;
    std::vector<bool> bloccoGiaNellElenco;
    controllo.azione = [&] {
        conteggi.push_back(giocate.conteggio());
        // The chunk just read lies after the three plays in the list.
        const std::int32_t ultimo = controllo.elaborati.back();
        bloccoGiaNellElenco.push_back(giocate.voce(3 + ultimo) == scritte.voce(ultimo));
    };
    const EsitoFileSistema esito = LeggiSistema(letto, giocate, controllo);
    ASSERT_TRUE(esito.ok()) << esito.testo;

    EXPECT_EQ(controllo.elaborati, (std::vector<std::int32_t>{6000, 12000, 14500}));
    EXPECT_EQ(conteggi, (std::vector<std::int32_t>{3, 3, 3})) << "nothing shown before the end";
    EXPECT_EQ(bloccoGiaNellElenco, (std::vector<bool>{true, true, true}));
    ASSERT_EQ(giocate.conteggio(), scritte.conteggio());
    EXPECT_EQ(std::memcmp(giocate.dati(), scritte.dati(), 10 * static_cast<std::size_t>(scritte.conteggio())),
              0);
    EXPECT_EQ(letto.pronostico, s.pronostico);
}

// A file that turns out bad while its plays are read (a play out of form in a later chunk, a file cut short
// under the reader, no memory for its plays) changes neither the list nor the system.
TEST(FileSistema, AperturaFallitaLasciaLElencoComEra)
{
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella.file("Prova.qvs");
    const std::int32_t quante = 2 * file_sistema::BloccoLettura + 10;
    {
        Sistema s = SistemaCompleto();
        s.nomeFile = percorso;
        ElencoGiocate scritte;
        RiempiNumerate(scritte, quante);
        ASSERT_TRUE(ScriviSistema(s, scritte).ok());
    }
    const auto buono = test::LeggiFile(percorso);
    const std::size_t giocataNelSecondoBlocco =
        file_sistema::OffsetGiocate + 10 * (file_sistema::BloccoLettura + 7);

    struct Riga
    {
        const char* nome;
        std::function<void(std::vector<unsigned char>&)> guasta; // on the file before the open
        bool troncaAllaPrimaPausa;
        std::uint64_t memoria; // 0: the system's own figure
        bool avvisoMemoria;
    };
    const std::vector<Riga> righe = {
        {"giocata non valida nel secondo blocco",
         [&](auto& d) { d[giocataNelSecondoBlocco + 1] = d[giocataNelSecondoBlocco]; }, false, 0, false},
        {"file troncato durante la lettura", nullptr, true, 0, false},
        {"memoria insufficiente", nullptr, false, ElencoGiocate::MargineMemoria + 40'000, true},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        auto dati = buono;
        if (riga.guasta) {
            riga.guasta(dati);
        }
        test::ScriviFile(percorso, dati);

        test::MessaggiRegistrati messaggi;
        Sistema s;
        s.nomeFile = percorso;
        s.numeriPerGiocata = 7;
        s.modificato = true;
        ElencoGiocate giocate;
        giocate.setServizioMessaggi(&messaggi);
        test::MemoriaLimitata memoria(riga.memoria);
        if (riga.memoria != 0) {
            giocate.setMemoriaDisponibile(&memoria);
        }
        Riempi(giocate, {giocata({8, 9})});
        ControlloRegistrato controllo;
        if (riga.troncaAllaPrimaPausa) {
            controllo.azione = [&] {
                if (controllo.elaborati.size() == 1) {
                    std::filesystem::resize_file(percorso, dati.size() - 10 * 100);
                }
            };
        }

        const EsitoFileSistema esito = LeggiSistema(s, giocate, controllo);
        EXPECT_EQ(esito.codice, CodiceFileSistema::ErroreApertura);
        EXPECT_EQ(esito.messaggi().at(0).testo, "Si è verificato un errore durante l'apertura del sistema.");
        ASSERT_EQ(giocate.conteggio(), 1);
        EXPECT_EQ(giocate.voce(1), giocata({8, 9}));
        EXPECT_EQ(s.numeriPerGiocata, 7);
        EXPECT_FALSE(s.modificato);
        ASSERT_EQ(messaggi.mostrati.size(), riga.avvisoMemoria ? 1u : 0u);
        if (riga.avvisoMemoria) {
            EXPECT_EQ(messaggi.mostrati[0].testo, messaggi::MemoriaInsufficiente);
        }
    }
}
