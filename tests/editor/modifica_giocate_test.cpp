#include "editor/modifica_giocate.h"

#include "editor/messaggi_giocate.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::giocata;

// The plays 1..n as one-number plays {i}, so that an index is readable from the play itself.
void Numerate(ElencoGiocate& elenco, int n)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(n));
    for (int i = 1; i <= n; ++i) {
        elenco.voce(i) = giocata({i});
    }
    elenco.setConteggio(n);
}

std::vector<int> Primi(const ElencoGiocate& elenco)
{
    std::vector<int> primi;
    for (std::int32_t i = 1; i <= elenco.conteggio(); ++i) {
        primi.push_back(elenco.voce(i)[0]);
    }
    return primi;
}

} // namespace

TEST(ModificaGiocate, InserimentoEModificaDiUnaGiocata)
{
    struct Riga
    {
        const char* nome;
        bool inserimento;
        std::int32_t posizione; // for a modification
        const char* testo;
        EsitoModifica esito;
        std::vector<int> dopo; // first number of each play afterwards
        const char* messaggio;
    };
    const Riga righe[] = {
        {"nuova giocata in fondo", true, 0, " 40\t 20 ", EsitoModifica::Fatto, {1, 2, 3, 20}, nullptr},
        {"undici numeri",
         true,
         0,
         "1 2 3 4 5 6 7 8 9 10 11",
         EsitoModifica::NumeriNonValidi,
         {1, 2, 3},
         messaggi_giocate::NumeriNonValidi},
        {"numero ripetuto",
         true,
         0,
         "12 5 5",
         EsitoModifica::NumeriNonValidi,
         {1, 2, 3},
         messaggi_giocate::NumeriNonValidi},
        {"gia presente",
         true,
         0,
         "2",
         EsitoModifica::GiaPresente,
         {1, 2, 3},
         messaggi_giocate::GiaPresenteInserimento},
        {"modifica in se stessa", false, 2, "2", EsitoModifica::Fatto, {1, 2, 3}, nullptr},
        {"modifica in una nuova", false, 2, "9 8", EsitoModifica::Fatto, {1, 8, 3}, nullptr},
        {"modifica in una presente altrove",
         false,
         2,
         "3",
         EsitoModifica::GiaPresente,
         {1, 2, 3},
         messaggi_giocate::GiaPresenteModifica},
        {"modifica non valida",
         false,
         3,
         "91",
         EsitoModifica::NumeriNonValidi,
         {1, 2, 3},
         messaggi_giocate::NumeriNonValidi},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ElencoGiocate elenco;
        Numerate(elenco, 3);
        const EsitoModifica esito =
            r.inserimento ? AggiungiGiocata(r.testo, elenco) : ModificaGiocata(r.posizione, r.testo, elenco);
        EXPECT_EQ(esito, r.esito);
        EXPECT_EQ(Primi(elenco), r.dopo);
        const auto messaggio = MessaggioModifica(esito, r.inserimento);
        EXPECT_EQ(messaggio ? messaggio->testo : std::string(), r.messaggio ? r.messaggio : "");
        EXPECT_EQ(elenco.conteggioAnnulla(), 0) << "single plays take no undo snapshot";
    }
}

TEST(ModificaGiocate, ModificaRiscriveLaGiocataInFormaCanonica)
{
    ElencoGiocate elenco;
    Numerate(elenco, 2);
    ASSERT_EQ(ModificaGiocata(1, "90 3 45", elenco), EsitoModifica::Fatto);
    EXPECT_EQ(elenco.voce(1), giocata({3, 45, 90}));
    EXPECT_EQ(elenco.CercaGiocata(giocata({3, 45, 90})), 1);
}

TEST(ModificaGiocate, EliminazioneDiUnIntervallo)
{
    struct Riga
    {
        const char* nome;
        std::int32_t primo;
        std::int32_t ultimo;
        std::vector<int> dopo;
    };
    const Riga righe[] = {
        {"3..5 di 10", 3, 5, {1, 2, 6, 7, 8, 9, 10}},
        {"la prima", 1, 1, {2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"l'ultima", 10, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"tutte", 1, 10, {}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ElencoGiocate elenco;
        ASSERT_TRUE(elenco.AllocaAnnulla());
        Numerate(elenco, 10);
        EliminaGiocate(r.primo, r.ultimo, elenco);
        EXPECT_EQ(Primi(elenco), r.dopo);
        EXPECT_EQ(elenco.conteggioAnnulla(), 10);
        elenco.RipristinaCopia();
        EXPECT_EQ(elenco.conteggio(), 10);
        EXPECT_EQ(elenco.voce(r.primo), giocata({r.primo}));
    }
}

TEST(ModificaGiocate, AnnullaDopoEliminaTutteLeGiocate)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    Numerate(elenco, 50);
    EliminaTutteLeGiocate(elenco);
    EXPECT_EQ(elenco.conteggio(), 0);
    EXPECT_EQ(messaggi_giocate::DomandaRipristino(elenco.conteggio(), elenco.conteggioAnnulla()),
              "Sostituire le attuali 0 giocate con le precedenti 50 giocate ?");
    elenco.RipristinaCopia();
    EXPECT_EQ(elenco.conteggio(), 50);
    EXPECT_EQ(elenco.voce(50), giocata({50}));
    // Clearing an empty list keeps the snapshot of the 50 plays.
    elenco.svuota();
    EliminaTutteLeGiocate(elenco);
    EXPECT_EQ(elenco.conteggioAnnulla(), 50);
}
