#include "reductions/rid_casuale.h"

#include "editor/sviluppo_integrale.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using test::giocata;
using test::Giocate;
using test::PronosticoPrimi;
using test::Sviluppa;

using test::StopAl;

} // namespace

TEST(RidCasuale, StessoSemeStesseGiocate)
{
    std::vector<Tipo_Giocata> prima;
    for (int volta = 0; volta < 2; ++volta) {
        Sistema s = PronosticoPrimi(8, 3);
        ElencoGiocate elenco;
        GeneratoreCasuale generatore;
        generatore.imposta(42);
        EsecuzioneContinua continua;
        const EsitoRiduzione esito = AggiungiGiocateCasuali(s, elenco, false, 5, generatore, continua);
        ASSERT_TRUE(esito.confermata());
        EXPECT_EQ(esito.giocate, 5);
        EXPECT_TRUE(s.modificato);
        if (volta == 0) {
            prima = Giocate(elenco);
        } else {
            EXPECT_EQ(Giocate(elenco), prima);
        }
    }
    // The draw order is part of the contract with saved seeds: the same seed, the same plays.
    EXPECT_EQ(prima, (std::vector<Tipo_Giocata>{giocata({1, 2, 4}), giocata({2, 3, 6}), giocata({4, 6, 8}),
                                                giocata({4, 5, 7}), giocata({1, 5, 8})}));
}

TEST(RidCasuale, LimitiDellAggiunta)
{
    struct Riga
    {
        const char* nome;
        Sistema sistema;
        bool fisse;
        int giaSviluppate; // 0 none, 1 all, 2 those with the fixed numbers
        std::string testo;
        std::int32_t quante; // 0: refused
        std::string messaggio;
    };
    const std::string nonValido =
        "Il numero di giocate da estrarre non è valido.\rInserire un numero compreso tra 1 e ";
    const std::string conFisse =
        "Il numero di giocate da estrarre non è valido.\rCon le fisse, inserire un numero compreso tra 1 e ";
    const std::vector<Riga> righe = {
        {"vuoto", PronosticoPrimi(8, 3), false, 0, "", 0, nonValido + "56"},
        {"zero", PronosticoPrimi(8, 3), false, 0, "0", 0, nonValido + "56"},
        {"segno", PronosticoPrimi(8, 3), false, 0, "-3", 0, nonValido + "56"},
        {"oltre lo sviluppo", PronosticoPrimi(8, 3), false, 0, "57", 0, nonValido + "56"},
        {"tutto lo sviluppo", PronosticoPrimi(8, 3), false, 0, "56", 56, ""},
        {"sviluppo completo", PronosticoPrimi(8, 3), false, 1, "1", 0,
         "Non è possibile estrarre nuove giocate.\rSono già state sviluppate tutte le giocate del "
         "pronostico."},
        {"fisse: oltre quelle con le fisse", PronosticoPrimi(8, 3, {1}), true, 0, "22", 0, conFisse + "21"},
        {"fisse: tutte quelle con le fisse", PronosticoPrimi(8, 3, {1}), true, 0, "21", 21, ""},
        {"fisse non spuntate: il limite è lo sviluppo", PronosticoPrimi(8, 3, {1}), false, 0, "22", 22, ""},
        {"fisse: già sviluppate", PronosticoPrimi(8, 3, {1}), true, 2, "1", 0,
         "Non è possibile estrarre nuove giocate.\r"
         "Sono già state sviluppate tutte le giocate del pronostico che contengono le fisse."},
        {"fisse che riempiono la giocata", PronosticoPrimi(8, 2, {3, 7}), true, 0, "2", 0, conFisse + "1"},
        {"fissa non pronosticata", PronosticoPrimi(8, 3, {20}), true, 0, "29", 0, conFisse + "28"},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema s = riga.sistema;
        ElencoGiocate elenco;
        if (riga.giaSviluppate != 0) {
            Sviluppa(s, elenco, riga.giaSviluppate == 2);
        }
        const RichiestaCasuale r = ControllaAggiuntaCasuale(s, elenco, riga.fisse, riga.testo);
        EXPECT_EQ(r.valida(), riga.quante > 0);
        EXPECT_EQ(r.quante, riga.quante);
        if (r.rifiuto) {
            EXPECT_EQ(r.rifiuto->testo, riga.messaggio);
            EXPECT_EQ(r.rifiuto->titolo, "Attenzione");
            EXPECT_EQ(r.rifiuto->icona, Icona::Avviso);
        }
    }
}

TEST(RidCasuale, ConLeFisseSiEsauriscono)
{
    // The bound lets a request for every remaining play with the fixed numbers through, and the run
    // then ends with all of them instead of drawing for ever.
    struct Riga
    {
        const char* nome;
        Sistema sistema;
        std::vector<Tipo_Giocata> giaPresenti;
        std::int64_t attese;
    };
    const std::vector<Riga> righe = {
        {"una fissa", PronosticoPrimi(8, 3, {1}), {}, 21},
        {"una fissa, alcune già presenti",
         PronosticoPrimi(8, 3, {1}),
         {giocata({1, 2, 3}), giocata({1, 7, 8}), giocata({2, 3, 4}), giocata({1, 2, 3})},
         19},
        {"fisse che riempiono la giocata", PronosticoPrimi(8, 2, {3, 7}), {}, 1},
        {"fissa non pronosticata", PronosticoPrimi(5, 3, {20}), {}, 10},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema s = riga.sistema;
        ElencoGiocate elenco;
        ASSERT_TRUE(elenco.AssicuraCapacita(8));
        for (std::size_t i = 0; i < riga.giaPresenti.size(); ++i) {
            elenco.voce(static_cast<std::int32_t>(i + 1)) = riga.giaPresenti[i];
        }
        elenco.setConteggio(static_cast<std::int32_t>(riga.giaPresenti.size()));
        const DisponibiliCasuali d = GiocateCasualiDisponibili(s, elenco, true);
        ASSERT_TRUE(d.conFisse.has_value());
        ASSERT_EQ(*d.conFisse, riga.attese);

        GeneratoreCasuale generatore;
        generatore.imposta(7);
        EsecuzioneContinua continua;
        const auto n = static_cast<std::int32_t>(riga.attese);
        ASSERT_TRUE(AggiungiGiocateCasuali(s, elenco, true, n, generatore, continua).confermata());
        const std::vector<Tipo_Giocata> tutte = Giocate(elenco);
        ASSERT_EQ(tutte.size(), riga.giaPresenti.size() + riga.attese);
        std::set<Tipo_Giocata> aggiunte(tutte.begin() + static_cast<std::ptrdiff_t>(riga.giaPresenti.size()),
                                        tutte.end());
        EXPECT_EQ(aggiunte.size(), static_cast<std::size_t>(riga.attese));
        for (const Tipo_Giocata& g : aggiunte) {
            EXPECT_EQ(NumeriGiocata(g), s.numeriPerGiocata);
            EXPECT_TRUE(std::is_sorted(g.begin(), g.begin() + s.numeriPerGiocata));
            for (int f = 0; f < s.numeroFisse; ++f) {
                EXPECT_NE(std::find(g.begin(), g.end(), s.fisse[static_cast<std::size_t>(f)]), g.end());
            }
            EXPECT_EQ(std::count(riga.giaPresenti.begin(), riga.giaPresenti.end(), g), 0);
        }
        EXPECT_EQ(GiocateCasualiDisponibili(s, elenco, true).conFisse, 0);
    }
}

TEST(RidCasuale, AggiuntaInterrottaTornaIndietro)
{
    Sistema s = PronosticoPrimi(20, 4);
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    ASSERT_TRUE(elenco.AssicuraCapacita(1));
    elenco.voce(1) = giocata({1, 2, 3, 4});
    elenco.setConteggio(1);
    GeneratoreCasuale generatore;
    StopAl stop(10);
    const EsitoRiduzione esito = AggiungiGiocateCasuali(s, elenco, false, 100, generatore, stop);
    EXPECT_EQ(esito.codice, CodiceRiduzione::Interrotta);
    EXPECT_EQ(Giocate(elenco), std::vector<Tipo_Giocata>{giocata({1, 2, 3, 4})});
    EXPECT_FALSE(s.modificato);
    EXPECT_EQ(elenco.conteggioAnnulla(), 1);
}

TEST(RidCasuale, LimitiDellEliminazione)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AssicuraCapacita(7));
    elenco.setConteggio(7);
    const std::string nonValido =
        "Il numero di giocate da eliminare non è valido.\rInserire un numero compreso tra 1 e 7";
    for (const char* testo : {"", "0", "x", "-1"}) {
        SCOPED_TRACE(testo);
        const RichiestaCasuale r = ControllaEliminazioneCasuale(elenco, testo);
        ASSERT_FALSE(r.valida());
        EXPECT_EQ(r.rifiuto->testo, nonValido);
    }
    EXPECT_EQ(ControllaEliminazioneCasuale(elenco, "3").quante, 3);
    EXPECT_EQ(ControllaEliminazioneCasuale(elenco, "99999999").quante, 7);
}

TEST(RidCasuale, EliminazioneTieneConteggioMenoN)
{
    struct Riga
    {
        const char* nome;
        std::int32_t n;
        int stopAl;
        CodiceRiduzione codice;
        std::int32_t restano;
    };
    const std::vector<Riga> righe = {
        {"una", 1, 0, CodiceRiduzione::Completata, 19},
        {"metà", 10, 0, CodiceRiduzione::Completata, 10},
        {"tutte", 20, 0, CodiceRiduzione::Completata, 0},
        {"interrotta: tornano tutte", 10, 4, CodiceRiduzione::Interrotta, 20},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema s = PronosticoPrimi(6, 3);
        ElencoGiocate elenco;
        Sviluppa(s, elenco);
        const std::vector<Tipo_Giocata> prima = Giocate(elenco);
        GeneratoreCasuale generatore;
        generatore.imposta(123);
        StopAl stop(riga.stopAl);
        const EsitoRiduzione esito = EliminaGiocateCasualmente(s, elenco, riga.n, generatore, stop);
        EXPECT_EQ(esito.codice, riga.codice);
        EXPECT_EQ(elenco.conteggio(), riga.restano);
        EXPECT_EQ(s.modificato, riga.codice == CodiceRiduzione::Completata);
        // What is left is a part of the plays that were there, each once.
        std::vector<Tipo_Giocata> dopo = Giocate(elenco);
        std::sort(dopo.begin(), dopo.end());
        EXPECT_EQ(std::adjacent_find(dopo.begin(), dopo.end()), dopo.end());
        EXPECT_TRUE(std::includes(prima.begin(), prima.end(), dopo.begin(), dopo.end()));
    }

    // The same seed removes the same plays.
    std::vector<Tipo_Giocata> esiti[2];
    for (auto& esito : esiti) {
        Sistema s = PronosticoPrimi(6, 3);
        ElencoGiocate elenco;
        Sviluppa(s, elenco);
        GeneratoreCasuale generatore;
        generatore.imposta(99);
        EsecuzioneContinua continua;
        ASSERT_TRUE(EliminaGiocateCasualmente(s, elenco, 15, generatore, continua).confermata());
        esito = Giocate(elenco);
    }
    EXPECT_EQ(esiti[0], esiti[1]);
}
