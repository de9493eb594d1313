#include "reductions/rid_condizionata.h"

#include "editor/sviluppo_integrale.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using test::giocata;
using test::Giocate;
using test::PronosticoPrimi;

// Even numbers 1..2, errors {0}.
CondizioniRiduzione PariUnoODue()
{
    CondizioniRiduzione c;
    c.abilitati[0] = 1;
    c.setAbilitato(Criterio::ErroriConsentiti, true);
    c.insiemi[0][1] = c.insiemi[0][2] = 1;
    c.errori[0] = 1;
    return c;
}

using test::StopAl;

int Pari(const Tipo_Giocata& g)
{
    int n = 0;
    for (auto x : g) {
        n += x != 0 && x % 2 == 0 ? 1 : 0;
    }
    return n;
}

} // namespace

TEST(RidCondizionata, PronosticoAggiungeLeAccettateNuove)
{
    Sistema s = PronosticoPrimi(12, 4);
    ElencoGiocate elenco;
    // Two plays already there: one the conditions accept (not added again), one they refuse.
    ASSERT_TRUE(elenco.AllocaAnnulla());
    ASSERT_TRUE(elenco.AssicuraCapacita(2));
    elenco.voce(1) = giocata({1, 2, 3, 5});
    elenco.voce(2) = giocata({2, 4, 6, 8});
    elenco.setConteggio(2);
    StopAl mai(-1);
    const EsitoRiduzione esito =
        RiduzioneCondizionata(s, elenco, PariUnoODue(), ModoCondizionata::Pronostico, false, mai);
    ASSERT_EQ(esito.codice, CodiceRiduzione::Completata);

    std::vector<Tipo_Giocata> attese;
    CombinazioniPronostico(s.pronostico, 4).perOgni([&](const Tipo_Giocata& g) {
        const int p = Pari(g);
        if ((p == 1 || p == 2) && g != giocata({1, 2, 3, 5})) {
            attese.push_back(g);
        }
        return true;
    });
    const auto tutte = Giocate(elenco);
    ASSERT_EQ(tutte.size(), attese.size() + 2);
    EXPECT_EQ(tutte[0], giocata({1, 2, 3, 5}));
    EXPECT_EQ(tutte[1], giocata({2, 4, 6, 8}));
    EXPECT_TRUE(std::equal(attese.begin(), attese.end(), tutte.begin() + 2));
    EXPECT_EQ(esito.giocate, static_cast<std::int64_t>(attese.size()));
    EXPECT_TRUE(s.modificato);
    EXPECT_EQ(elenco.conteggioAnnulla(), 2);
    // The label counts the plays of the list with those added so far.
    EXPECT_GE(mai.ultimo.prodotti, 2);
    EXPECT_EQ(mai.polls, 495 / 64);
}

TEST(RidCondizionata, PronosticoCasiLimite)
{
    struct Riga
    {
        const char* nome;
        Sistema sistema;
        bool fisse;
        int stopAl;
        CodiceRiduzione codice;
        std::int32_t conteggio;
    };
    // 10 numbers in plays of 3: C(10,3) = 120, of which 1 or 2 even: 100.
    const std::vector<Riga> righe = {
        {"completa", PronosticoPrimi(10, 3), false, -1, CodiceRiduzione::Completata, 100},
        {"con-fissa-7", PronosticoPrimi(10, 3, {7}), true, -1, CodiceRiduzione::Completata, 30},
        {"fissa-ignorata", PronosticoPrimi(10, 3, {7}), false, -1, CodiceRiduzione::Completata, 100},
        {"interrotta", PronosticoPrimi(10, 3), false, 1, CodiceRiduzione::Interrotta, 0},
        // Only even numbers: every play has 3 even numbers.
        {"nessuna", Sistema{}, false, -1, CodiceRiduzione::NessunRisultato, 0},
        {"un-numero", PronosticoPrimi(5, 1), false, -1, CodiceRiduzione::Completata, 2},
    };
    for (Riga r : righe) {
        SCOPED_TRACE(r.nome);
        if (std::string(r.nome) == "nessuna") {
            for (int n = 2; n <= 12; n += 2) {
                r.sistema.pronostico[static_cast<std::size_t>(n - 1)] = 1;
            }
            r.sistema.numeriPerGiocata = 3;
        }
        ElencoGiocate elenco;
        StopAl stop(r.stopAl);
        const EsitoRiduzione esito = RiduzioneCondizionata(r.sistema, elenco, PariUnoODue(),
                                                           ModoCondizionata::Pronostico, r.fisse, stop);
        EXPECT_EQ(esito.codice, r.codice);
        EXPECT_EQ(elenco.conteggio(), r.conteggio);
        EXPECT_EQ(r.sistema.modificato, r.codice == CodiceRiduzione::Completata);
        if (r.codice == CodiceRiduzione::NessunRisultato) {
            ASSERT_TRUE(esito.messaggio);
            EXPECT_EQ(esito.messaggio->testo, "Non è stata aggiunta nessuna nuova giocata.\rVerificare le "
                                              "condizioni o la presenza di eventuali fisse nel pronostico.");
        }
        if (std::string(r.nome) == "un-numero") {
            EXPECT_EQ(stop.polls, 0);
        }
    }
}

TEST(RidCondizionata, GiocateScambiaConLUltima)
{
    Sistema s = PronosticoPrimi(10, 3);
    ElencoGiocate elenco;
    const std::vector<Tipo_Giocata> iniziali = {giocata({1, 2, 3}), giocata({2, 4, 6}), giocata({1, 3, 4}),
                                                giocata({4, 6, 8}), giocata({5, 7, 9})};
    ASSERT_TRUE(elenco.AssicuraCapacita(5));
    for (std::size_t i = 0; i < iniziali.size(); ++i) {
        elenco.voce(static_cast<std::int32_t>(i + 1)) = iniziali[i];
    }
    elenco.setConteggio(5);
    StopAl mai(-1);
    const EsitoRiduzione esito =
        RiduzioneCondizionata(s, elenco, PariUnoODue(), ModoCondizionata::Giocate, false, mai);
    EXPECT_EQ(esito.codice, CodiceRiduzione::Completata);
    EXPECT_TRUE(s.modificato);
    // 2 4 6 goes and 5 7 9 moves in; it goes and 4 6 8 moves in; it goes and 1 3 4 moves in and stays.
    EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{giocata({1, 2, 3}), giocata({1, 3, 4})}));
    EXPECT_EQ(esito.giocate, 3);
}

TEST(RidCondizionata, GiocateCasiLimite)
{
    struct Riga
    {
        const char* nome;
        std::vector<Tipo_Giocata> giocate;
        int stopAl;
        CodiceRiduzione codice;
        std::int32_t conteggio;
        bool modificato;
        const char* messaggio;
    };
    std::vector<Tipo_Giocata> molte;
    for (int i = 0; i < 40; ++i) {
        molte.push_back(giocata({2, 4, 6}));
    }
    const std::vector<Riga> righe = {
        {"tutte-accettate",
         {giocata({1, 2, 3}), giocata({1, 3, 4})},
         -1,
         CodiceRiduzione::Completata,
         2,
         true,
         nullptr},
        {"tutte-eliminate",
         {giocata({2, 4, 6}), giocata({1, 3, 5})},
         -1,
         CodiceRiduzione::NessunRisultato,
         0,
         true,
         "Sono state eliminate tutte le giocate.\rVerificare le condizioni o la presenza di eventuali fisse "
         "nel "
         "pronostico."},
        {"interrotta", molte, 1, CodiceRiduzione::Interrotta, 40, false, nullptr},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        Sistema s = PronosticoPrimi(10, 3);
        ElencoGiocate elenco;
        ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(r.giocate.size())));
        for (std::size_t i = 0; i < r.giocate.size(); ++i) {
            elenco.voce(static_cast<std::int32_t>(i + 1)) = r.giocate[i];
        }
        elenco.setConteggio(static_cast<std::int32_t>(r.giocate.size()));
        StopAl stop(r.stopAl);
        const EsitoRiduzione esito =
            RiduzioneCondizionata(s, elenco, PariUnoODue(), ModoCondizionata::Giocate, false, stop);
        EXPECT_EQ(esito.codice, r.codice);
        EXPECT_EQ(elenco.conteggio(), r.conteggio);
        EXPECT_EQ(s.modificato, r.modificato);
        EXPECT_EQ(esito.messaggio ? esito.messaggio->testo : std::string(),
                  r.messaggio ? std::string(r.messaggio) : std::string());
    }
}

TEST(RidCondizionata, RecordDelSistema)
{
    Sistema s;
    CondizioniRiduzione c = PariUnoODue();
    c.lista(Criterio::Media).numero = 1;
    c.lista(Criterio::Media).minimi[0] = 10.5;
    ImpostaCondizioni(s, c);
    EXPECT_EQ(s.riduzioni.condizionata[0], 1);
    EXPECT_EQ(LeggiCampoDouble(s.riduzioni.condizionata, 72 + 4 * 1608), 10.5);
    EXPECT_EQ(CondizioniDelSistema(s).blocco(), s.riduzioni.condizionata);
}
