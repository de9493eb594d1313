#include "reductions/accetta_giocate_filtro.h"
#include "reductions/giudici_filtro.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

GiocataFiltro Filtro(std::initializer_list<int> numeri, std::initializer_list<int> punteggi)
{
    GiocataFiltro f;
    for (int n : numeri) {
        f.numeri.aggiungi(n);
    }
    for (int s : punteggi) {
        f.punteggi = static_cast<std::uint16_t>(f.punteggi | (1U << s));
    }
    return f;
}

std::vector<std::string> Righe(const std::vector<GiocataFiltro>& filtri)
{
    std::vector<std::string> righe;
    for (const auto& f : filtri) {
        righe.push_back(TestoGiocataFiltro(f));
    }
    return righe;
}

void Scrivi(const std::string& percorso, const std::string& contenuto)
{
    std::ofstream(percorso, std::ios::binary) << contenuto;
}

std::string TuttiINumeri()
{
    std::string s;
    for (int n = 1; n <= 90; ++n) {
        s += (n > 1 ? " " : "") + std::to_string(n);
    }
    return s;
}

} // namespace

TEST(ImportaGiocateFiltro, RigheDelFile)
{
    struct Riga
    {
        const char* nome;
        std::string contenuto;
        std::vector<std::string> attese;
        std::size_t scartate;
    };
    const std::string tutti = TuttiINumeri();
    const std::vector<Riga> righe = {
        {"punteggio oltre 10 ignorato", "5 12 40 - 0 1 15\n", {"5 12 40 - 0 1"}, 0},
        {"solo punteggi", "- 3", {" - 3"}, 0},
        {"solo numeri", "7 3\n", {"3 7 - "}, 0},
        {"fini di riga miste e spazi",
         "\xEF\xBB\xBF"
         "1 2 - 0\r\n\r\n  4   5  -  1   2 \r9 - 10\n",
         {"1 2 - 0", "4 5 - 1 2", "9 - 10"},
         0},
        {"numeri non validi ma punteggi sì", "1 1 - 2\n0 95 - x\n", {" - 2"}, 1},
        {"byte binari", std::string("\x00\x01\xff - \x02\n3 4 - 1\n", 16), {"3 4 - 1"}, 1},
        {"riga troppo lunga saltata", std::string(5000, '7') + " - 1\n8 - 1\n", {"8 - 1"}, 1},
        {"tutti i 90 numeri", tutti + " - 5\n", {tutti + " - 5"}, 0},
    };
    test::CartellaTemporanea cartella;
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        const std::string percorso = cartella.file("filtri.txt");
        Scrivi(percorso, r.contenuto);
        std::vector<GiocataFiltro> filtri{Filtro({90}, {0})};
        const EsitoImportazioneFiltri esito = ImportaGiocateFiltro(percorso, filtri);
        std::vector<std::string> attese{"90 - 0"};
        attese.insert(attese.end(), r.attese.begin(), r.attese.end());
        EXPECT_EQ(Righe(filtri), attese);
        EXPECT_EQ(esito.prese, r.attese.size());
        EXPECT_EQ(esito.scartate, r.scartate);
        EXPECT_FALSE(esito.messaggio.has_value());
    }
}

TEST(ImportaGiocateFiltro, FileSenzaRigheValideTroppoPienoOAssente)
{
    test::CartellaTemporanea cartella;
    const std::string percorso = cartella.file("vuoto.txt");
    Scrivi(percorso, "\n  \nabc\n1 2 3 4 5 6 7 8 9 10 11 x\n-\n");
    std::vector<GiocataFiltro> filtri{Filtro({1}, {1})};
    EsitoImportazioneFiltri esito = ImportaGiocateFiltro(percorso, filtri);
    ASSERT_TRUE(esito.messaggio.has_value());
    EXPECT_EQ(esito.messaggio->testo,
              "Nel file " + percorso + " non è stata trovata nessuna giocata filtro valida.");
    EXPECT_EQ(esito.messaggio->titolo, "Attenzione");
    EXPECT_EQ(filtri.size(), 1U);

    // The list stops at the record's room, and says so.
    std::string molte;
    for (int i = 0; i < 200; ++i) {
        molte += std::to_string(1 + i % 90) + " - 1\n";
    }
    Scrivi(percorso, molte);
    esito = ImportaGiocateFiltro(percorso, filtri);
    EXPECT_EQ(filtri.size(), GiocateFiltro::Massimo);
    EXPECT_EQ(esito.prese, GiocateFiltro::Massimo - 1);
    EXPECT_TRUE(esito.troncata);
    ASSERT_TRUE(esito.messaggio.has_value());
    EXPECT_EQ(esito.messaggio->testo, messaggi_giocate_filtro::ImportazioneLimitata);

    filtri.clear();
    esito = ImportaGiocateFiltro(cartella.file("manca.txt"), filtri);
    EXPECT_FALSE(esito.aperto);
    EXPECT_EQ(esito.messaggio->testo, "Impossibile aprire il file " + cartella.file("manca.txt"));
    EXPECT_TRUE(filtri.empty());
}

TEST(EsportaGiocateFiltro, IlFileSiRilegge)
{
    test::CartellaTemporanea cartella;
    const std::vector<GiocataFiltro> filtri{Filtro({40, 5, 12}, {1, 0}), Filtro({}, {3}), Filtro({90}, {10})};
    const std::string percorso = cartella.file("esportate.txt");
    ASSERT_TRUE(EsportaGiocateFiltro(filtri, percorso));
    const auto scritto = test::LeggiFile(percorso);
    EXPECT_EQ(std::string(scritto.begin(), scritto.end()), "5 12 40 - 0 1\n - 3\n90 - 10\n");
    std::vector<GiocataFiltro> lette;
    ASSERT_EQ(ImportaGiocateFiltro(percorso, lette).prese, 3U);
    EXPECT_EQ(Righe(lette), Righe(filtri));
    EXPECT_FALSE(EsportaGiocateFiltro(filtri, cartella.file("manca/esportate.txt")));
}

TEST(AccettaGiocateFiltro, RifiutiEAccettazione)
{
    namespace m = messaggi_giocate_filtro;
    struct Riga
    {
        const char* nome;
        std::vector<GiocataFiltro> filtri;
        std::int32_t errori;
        const char* messaggio; // nullptr: accepted
        std::optional<std::size_t> riga;
    };
    const std::vector<GiocataFiltro> centocinquantuno(151, Filtro({1}, {0}));
    const std::vector<Riga> righe = {
        {"numeri senza punteggi", {Filtro({1}, {0}), Filtro({2, 3}, {})}, 0, m::PrivaDiNumeriOPunteggi, 1},
        {"punteggi senza numeri (riga importata '- 3')", {Filtro({}, {3})}, 0, m::PrivaDiNumeriOPunteggi, 0},
        {"nessuna", {GiocataFiltro{}}, 0, m::AlmenoUna, std::nullopt},
        {"errori non scelti", {Filtro({1}, {0})}, -1, m::ErroriNonValidi, std::nullopt},
        {"errori pari al numero", {Filtro({1}, {0}), Filtro({2}, {0})}, 2, m::ErroriNonValidi, std::nullopt},
        {"più di 150", centocinquantuno, 0, m::TroppeGiocateFiltro, std::nullopt},
        {"vuote tolte",
         {GiocataFiltro{}, Filtro({1}, {0}), GiocataFiltro{}, Filtro({2}, {1})},
         1,
         nullptr,
         std::nullopt},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        const EsitoAccettazioneFiltri esito = AccettaGiocateFiltro(r.filtri, r.errori);
        EXPECT_EQ(esito.ok, r.messaggio == nullptr);
        EXPECT_EQ(esito.riga, r.riga);
        if (r.messaggio != nullptr) {
            ASSERT_TRUE(esito.messaggio.has_value());
            EXPECT_EQ(esito.messaggio->testo, r.messaggio);
        } else {
            EXPECT_EQ(Righe(esito.record.filtri), (std::vector<std::string>{"1 - 0", "2 - 1"}));
            EXPECT_EQ(esito.record.massimoErrori, 1);
        }
    }
}

TEST(AccettaGiocateFiltro, IlFiltroAccettatoGiudicaLeGiocate)
{
    // 1 2 3 4 5 allowing 0 and 1; a second filter play that every play below errs on.
    const EsitoAccettazioneFiltri una = AccettaGiocateFiltro({Filtro({1, 2, 3, 4, 5}, {0, 1})}, 0);
    ASSERT_TRUE(una.ok);
    const FiltroNumeri filtro = FiltroNumeri::DaGiocateFiltro(una.record);
    EXPECT_TRUE(filtro.accettata(MascheraGiocata(test::giocata({1, 6, 7}))));
    EXPECT_FALSE(filtro.accettata(MascheraGiocata(test::giocata({1, 2, 8}))));

    const EsitoAccettazioneFiltri due =
        AccettaGiocateFiltro({Filtro({1, 2, 3, 4, 5}, {0, 1}), Filtro({80}, {1})}, 1);
    ASSERT_TRUE(due.ok);
    const FiltroNumeri conErrore = FiltroNumeri::DaGiocateFiltro(due.record);
    EXPECT_TRUE(conErrore.accettata(MascheraGiocata(test::giocata({1, 6, 7}))));  // errs once
    EXPECT_FALSE(conErrore.accettata(MascheraGiocata(test::giocata({1, 2, 8})))); // errs twice
}

TEST(ModificaGiocataFiltro, InvitoAggiuntaSvuotamentoERicostruzione)
{
    std::vector<GiocataFiltro> filtri;
    EXPECT_EQ(ModificaGiocataFiltro(filtri, 0, GiocataFiltro{}), EsitoModifica::Nessuna);
    EXPECT_EQ(ModificaGiocataFiltro(filtri, 0, Filtro({}, {2})), EsitoModifica::Aggiunta);
    EXPECT_EQ(ModificaGiocataFiltro(filtri, 1, Filtro({7}, {})), EsitoModifica::Aggiunta);
    EXPECT_EQ(ModificaGiocataFiltro(filtri, 0, Filtro({4}, {2})), EsitoModifica::Aggiornata);
    EXPECT_EQ(Righe(filtri), (std::vector<std::string>{"4 - 2", "7 - "}));
    EXPECT_EQ(ModificaGiocataFiltro(filtri, 0, GiocataFiltro{}), EsitoModifica::Rimossa);
    EXPECT_EQ(Righe(filtri), (std::vector<std::string>{"7 - "}));

    GiocateFiltro record;
    record.filtri = {Filtro({1}, {0}), Filtro({2}, {0})};
    record.massimoErrori = 1;
    EXPECT_EQ(ErroriMostrati(record), 1);
    record.massimoErrori = 2;
    EXPECT_EQ(ErroriMostrati(record), 0);
    EXPECT_EQ(RigaDopoRicostruzione(1, 2), 1);
    EXPECT_EQ(RigaDopoRicostruzione(2, 2), 2);
    EXPECT_EQ(RigaDopoRicostruzione(5, 2), 2);
    EXPECT_EQ(RigaDopoRicostruzione(-1, 0), 0);
}
