#include "reducers/applica_riduttore.h"

#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

namespace {

using test::giocata;

using test::StopAl;

RiduttorePersonale Riduttore(std::initializer_list<const char*> righe, int m)
{
    std::string t = "<<1>>\n" + std::to_string(m) + "\n" + std::to_string(righe.size()) + "\n<<3>>\n";
    for (const char* r : righe) {
        t += std::string(r) + "\n";
    }
    EsitoLetturaRiduttore esito = LeggiTestoRiduttore(t);
    EXPECT_TRUE(esito);
    return esito.riduttore;
}

TEST(ApplicaRiduttore, PosizioniSostituiteFisseEGiocateGiaPresenti)
{
    const std::vector<int> pronostico = {4, 8, 15, 16, 23, 42};
    const RiduttorePersonale r = Riduttore({"1 3 6", "1 2 3", "1 4 5", "1 3 6"}, 6);
    struct Riga
    {
        const char* nome;
        // A vector, not an initializer_list: the list's array would end with the table's initialisation.
        std::vector<int> fisse;
        bool considera;
        std::vector<Tipo_Giocata> prima;
        std::vector<Tipo_Giocata> attese; // the whole list after the run
    };
    const std::vector<Riga> righe = {
        {"senza fisse", {}, false, {}, {giocata({4, 15, 42}), giocata({4, 8, 15}), giocata({4, 16, 23})}},
        {"fissa 16 considerata", {16}, true, {}, {giocata({4, 16, 23})}},
        {"fissa 16 non considerata",
         {16},
         false,
         {},
         {giocata({4, 15, 42}), giocata({4, 8, 15}), giocata({4, 16, 23})}},
        {"giocata già presente saltata",
         {},
         false,
         {giocata({4, 8, 15}), giocata({1, 2})},
         {giocata({4, 8, 15}), giocata({1, 2}), giocata({4, 15, 42}), giocata({4, 16, 23})}},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema s = test::Pronostico(pronostico, 3, riga.fisse);
        ElencoGiocate elenco;
        ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(riga.prima.size()) + 1));
        for (std::size_t i = 0; i < riga.prima.size(); ++i) {
            elenco.voce(static_cast<std::int32_t>(i + 1)) = riga.prima[i];
        }
        elenco.setConteggio(static_cast<std::int32_t>(riga.prima.size()));
        EXPECT_FALSE(RiduttoreNonAdatto(r, s).has_value());
        EsecuzioneContinua continua;
        const EsitoRiduzione esito = ApplicaRiduttore(s, elenco, r, riga.considera, continua);
        ASSERT_TRUE(esito.confermata());
        EXPECT_TRUE(s.modificato);
        EXPECT_EQ(test::Giocate(elenco), riga.attese);
    }
}

TEST(ApplicaRiduttore, SecondaVoltaNienteInterruzioneEPronosticoDiverso)
{
    Sistema s = test::Pronostico({4, 8, 15, 16, 23, 42}, 3);
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    std::vector<const char*> molte;
    std::vector<std::string> testi;
    for (int a = 1; a <= 4; ++a) {
        for (int b = a + 1; b <= 6; ++b) {
            testi.push_back(std::to_string(a) + " " + std::to_string(b));
        }
    }
    std::string t = "<<1>>\n6\n14\n<<3>>\n";
    for (const std::string& x : testi) {
        t += x + "\n";
    }
    const RiduttorePersonale r = LeggiTestoRiduttore(t).riduttore;
    ASSERT_EQ(r.giocate.size(), 14u);

    EsecuzioneContinua continua;
    ASSERT_TRUE(ApplicaRiduttore(s, elenco, r, false, continua).confermata());
    EXPECT_EQ(elenco.conteggio(), 14);
    s.modificato = false;
    const EsitoRiduzione seconda = ApplicaRiduttore(s, elenco, r, false, continua);
    EXPECT_EQ(seconda.codice, CodiceRiduzione::NessunRisultato);
    ASSERT_TRUE(seconda.messaggio.has_value());
    EXPECT_EQ(seconda.messaggio->testo, "Non è stata aggiunta nessuna nuova giocata.\rVerificare la presenza "
                                        "di eventuali fisse nel pronostico.");
    EXPECT_EQ(elenco.conteggio(), 14);
    EXPECT_FALSE(s.modificato);

    // A stop confirmed during the run leaves the list as it was.
    Sistema altro = test::Pronostico({1, 2, 3, 4, 5, 6}, 2);
    const std::vector<Tipo_Giocata> prima = test::Giocate(elenco);
    StopAl stop(1);
    EXPECT_EQ(ApplicaRiduttore(altro, elenco, Riduttore({"1 2", "3 4"}, 6), false, stop).codice,
              CodiceRiduzione::Interrotta);
    EXPECT_EQ(test::Giocate(elenco), prima);

    // A reducer for 7 numbers does not fit a prediction of 6.
    const std::optional<Messaggio> rifiuto = RiduttoreNonAdatto(Riduttore({"1 7"}, 7), s);
    ASSERT_TRUE(rifiuto.has_value());
    EXPECT_EQ(rifiuto->testo, "Il riduttore richiede un pronostico di 7 numeri; il pronostico ne ha 6.");
}

TEST(ApplicaRiduttore, DalleGiocateAlFileEAUnAltroPronostico)
{
    test::CartellaTemporanea cartella;
    const EsitoValidazioneRiduttore v =
        ValidaRigheRiduttore({"10 20 30", "20 30 40", "10 40 50", "10 20 30"}, "");
    ASSERT_TRUE(v.valida());
    ASSERT_TRUE(ScriviFileRiduttore(cartella.file("r.rid"), v.riduttore));
    const EsitoLetturaRiduttore letto = LeggiFileRiduttore(cartella.file("r.rid"));
    ASSERT_TRUE(letto);

    Sistema s = test::Pronostico({2, 3, 5, 7, 11}, 3);
    ElencoGiocate elenco;
    EsecuzioneContinua continua;
    ASSERT_TRUE(ApplicaRiduttore(s, elenco, letto.riduttore, false, continua).confermata());
    EXPECT_EQ(test::Giocate(elenco),
              (std::vector<Tipo_Giocata>{giocata({2, 3, 5}), giocata({3, 5, 7}), giocata({2, 7, 11})}));
}

} // namespace
