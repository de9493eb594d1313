#include "reductions/esecuzione_riduzione.h"

#include "support/cartella_temporanea.h"
#include "support/giocate_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using test::giocata;
using test::Giocate;

// Answers the polls of a run as a user would: at poll `richiestaAl` (1-based) "Interrompi" was
// pressed and the question is answered with `conferma`; every other poll goes on.
class ControlloScriptato final : public ControlloEsecuzione
{
public:
    explicit ControlloScriptato(int richiestaAl = 0, bool conferma = true)
        : m_richiestaAl(richiestaAl), m_conferma(conferma)
    {}

    bool verifica(const Avanzamento& stato) override
    {
        stati.push_back(stato);
        return !(static_cast<int>(stati.size()) == m_richiestaAl && m_conferma);
    }

    std::vector<Avanzamento> stati;

private:
    int m_richiestaAl;
    bool m_conferma;
};

std::vector<Tipo_Giocata> Ordinate(std::vector<Tipo_Giocata> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

void Riempi(ElencoGiocate& elenco, const std::vector<Tipo_Giocata>& giocate)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(giocate.size()) + 1));
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        elenco.voce(static_cast<std::int32_t>(i + 1)) = giocate[i];
    }
    elenco.setConteggio(static_cast<std::int32_t>(giocate.size()));
}

const std::vector<Tipo_Giocata> Iniziali = {giocata({1, 2}), giocata({1, 3}), giocata({2, 3}),
                                            giocata({3, 4}), giocata({4, 5})};

// One run of a method: three steps, each changing the list the mode's way, with a poll after each.
void TrePassi(EsecuzioneRiduzione& e, ModoRiduzione modo)
{
    for (int passo = 1; passo <= 3; ++passo) {
        switch (modo) {
        case ModoRiduzione::Aggiunge:
        case ModoRiduzione::AggiungeSubito:
            ASSERT_TRUE(e.aggiungi(giocata({10 + passo, 20 + passo})));
            break;
        case ModoRiduzione::Mantiene:
            e.mantieni(2 * passo - 1 + (passo == 1 ? 1 : 0)); // plays 2, 3, 5 kept
            break;
        case ModoRiduzione::EliminaSubito:
            e.elimina(1);
            break;
        case ModoRiduzione::Riscrive:
            e.giocate().voce(passo) = giocata({80 + passo, 90});
            e.riscritta();
            break;
        }
        if (!e.verifica()) {
            return;
        }
    }
}

} // namespace

TEST(EsecuzioneRiduzione, ConfermaSecondoIlModo)
{
    struct Riga
    {
        const char* nome;
        ModoRiduzione modo;
        int stopAl; // poll at which the stop is confirmed, 0 for none
        CodiceRiduzione codice;
        std::vector<Tipo_Giocata> dopo;
        bool modificato;
    };
    const std::vector<Tipo_Giocata> aggiunte = {giocata({11, 21}), giocata({12, 22}), giocata({13, 23})};
    std::vector<Tipo_Giocata> conAggiunte = Iniziali;
    conAggiunte.insert(conAggiunte.end(), aggiunte.begin(), aggiunte.end());
    std::vector<Tipo_Giocata> riscritteInParte = Iniziali;
    riscritteInParte[0] = giocata({81, 90});

    const std::vector<Riga> righe = {
        {"aggiunge: in coda alle esistenti", ModoRiduzione::Aggiunge, 0, CodiceRiduzione::Completata,
         conAggiunte, true},
        {"aggiunge: interrotta non aggiunge", ModoRiduzione::Aggiunge, 2, CodiceRiduzione::Interrotta,
         Iniziali, false},
        {"mantiene: le tenute in testa, in ordine",
         ModoRiduzione::Mantiene,
         0,
         CodiceRiduzione::Completata,
         {giocata({1, 3}), giocata({2, 3}), giocata({4, 5})},
         true},
        {"aggiunge subito: interrotta toglie le aggiunte", ModoRiduzione::AggiungeSubito, 2,
         CodiceRiduzione::Interrotta, Iniziali, false},
        {"aggiunge subito: completata", ModoRiduzione::AggiungeSubito, 0, CodiceRiduzione::Completata,
         conAggiunte, true},
        {"riscrive: completata",
         ModoRiduzione::Riscrive,
         0,
         CodiceRiduzione::Completata,
         {giocata({81, 90}), giocata({82, 90}), giocata({83, 90}), giocata({3, 4}), giocata({4, 5})},
         true},
        {"riscrive: interrotta tiene le modifiche", ModoRiduzione::Riscrive, 1, CodiceRiduzione::Interrotta,
         riscritteInParte, true},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ElencoGiocate elenco;
        Riempi(elenco, Iniziali);
        Sistema sistema;
        ControlloScriptato controllo(riga.stopAl);
        EsecuzioneRiduzione e(sistema, elenco, controllo, {riga.modo, false, 1, false});
        e.avvia();
        EXPECT_TRUE(e.inCorso());
        TrePassi(e, riga.modo);
        const EsitoRiduzione esito = e.concludi();
        EXPECT_FALSE(e.inCorso());
        EXPECT_EQ(esito.codice, riga.codice);
        EXPECT_EQ(Giocate(elenco), riga.dopo);
        EXPECT_EQ(sistema.modificato, riga.modificato);
    }
}

TEST(EsecuzioneRiduzione, InterruzioniCheConservanoLeGiocate)
{
    for (ModoRiduzione modo : {ModoRiduzione::Mantiene, ModoRiduzione::EliminaSubito}) {
        SCOPED_TRACE(static_cast<int>(modo));
        ElencoGiocate elenco;
        Riempi(elenco, Iniziali);
        Sistema sistema;
        ControlloScriptato controllo(2);
        EsecuzioneRiduzione e(sistema, elenco, controllo, {modo, false, 1, false});
        e.avvia();
        TrePassi(e, modo);
        EXPECT_EQ(e.concludi().codice, CodiceRiduzione::Interrotta);
        // Every play is still there, possibly in another order.
        EXPECT_EQ(Ordinate(Giocate(elenco)), Ordinate(Iniziali));
        EXPECT_FALSE(sistema.modificato);
    }
}

TEST(EsecuzioneRiduzione, RispostaNoProsegue)
{
    // The Qt poll turns "No" into a poll that returns true: the run ends normally.
    ElencoGiocate elenco;
    Riempi(elenco, Iniziali);
    Sistema sistema;
    ControlloScriptato controllo(2, false);
    EsecuzioneRiduzione e(sistema, elenco, controllo, {ModoRiduzione::Aggiunge, false, 1, false});
    e.avvia();
    TrePassi(e, ModoRiduzione::Aggiunge);
    EXPECT_TRUE(e.concludi().confermata());
    EXPECT_EQ(elenco.conteggio(), 8);
    EXPECT_EQ(controllo.stati.size(), 3U);
}

TEST(EsecuzioneRiduzione, NessunRisultato)
{
    const Messaggio avviso = Avviso("niente");
    struct Riga
    {
        const char* nome;
        ModoRiduzione modo;
        bool vuotoAmmesso;
        CodiceRiduzione codice;
        std::int32_t conteggio;
    };
    const std::vector<Riga> righe = {
        {"aggiunge nulla", ModoRiduzione::Aggiunge, false, CodiceRiduzione::NessunRisultato, 5},
        {"mantiene nulla", ModoRiduzione::Mantiene, false, CodiceRiduzione::NessunRisultato, 5},
        {"mantiene nulla, lista vuota ammessa", ModoRiduzione::Mantiene, true, CodiceRiduzione::Completata,
         0},
        {"aggiunge subito nulla", ModoRiduzione::AggiungeSubito, false, CodiceRiduzione::NessunRisultato, 5},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ElencoGiocate elenco;
        Riempi(elenco, Iniziali);
        Sistema sistema;
        EsecuzioneContinua continua;
        EsecuzioneRiduzione e(sistema, elenco, continua, {riga.modo, false, 1, riga.vuotoAmmesso});
        e.avvia();
        const EsitoRiduzione esito = e.concludi(avviso);
        EXPECT_EQ(esito.codice, riga.codice);
        EXPECT_EQ(esito.messaggio.has_value(), riga.codice == CodiceRiduzione::NessunRisultato);
        if (esito.messaggio) {
            EXPECT_EQ(esito.messaggio->testo, "niente");
        }
        EXPECT_EQ(elenco.conteggio(), riga.conteggio);
        EXPECT_EQ(sistema.modificato, riga.codice == CodiceRiduzione::Completata);
    }
}

TEST(EsecuzioneRiduzione, CopiaPerAnnullaUnaVoltaPerCorsa)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AllocaAnnulla());
    Riempi(elenco, Iniziali);
    Sistema sistema;
    EsecuzioneContinua continua;
    EsecuzioneRiduzione e(sistema, elenco, continua, {ModoRiduzione::AggiungeSubito, false, 1, false});
    e.avvia();
    // The snapshot holds the list as it was at the start, not as the run changes it.
    ASSERT_TRUE(e.aggiungi(giocata({40, 41})));
    ASSERT_TRUE(e.aggiungi(giocata({40, 42})));
    ASSERT_TRUE(e.concludi().confermata());
    EXPECT_EQ(elenco.conteggioAnnulla(), 5);
    elenco.RipristinaCopia();
    EXPECT_EQ(Giocate(elenco), Iniziali);

    // A run on an empty list takes none: the undo copy still holds the previous state.
    elenco.svuota();
    EsecuzioneRiduzione vuota(sistema, elenco, continua, {ModoRiduzione::Aggiunge, false, 1, false});
    vuota.avvia();
    ASSERT_TRUE(vuota.aggiungi(giocata({1, 90})));
    ASSERT_TRUE(vuota.concludi().confermata());
    EXPECT_EQ(elenco.conteggioAnnulla(), 5);
}

TEST(EsecuzioneRiduzione, AvanzamentoEFisse)
{
    ElencoGiocate elenco;
    Sistema sistema;
    sistema.numeriPerGiocata = 2;
    sistema.pronostico[4] = sistema.pronostico[0] = 1;
    sistema.numeroFisse = 1;
    sistema.fisse[0] = 5;
    ControlloScriptato controllo;
    EsecuzioneRiduzione e(sistema, elenco, controllo, {ModoRiduzione::Aggiunge, true, 64, false});
    e.avvia();
    EXPECT_EQ(e.pronostico(), (std::vector<std::uint8_t>{1, 5}));
    EXPECT_TRUE(e.conFisse(giocata({1, 5})));
    EXPECT_FALSE(e.conFisse(giocata({1, 6})));
    e.setTotale(200);
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(e.esamina());
    }
    // One poll every 64 candidates.
    ASSERT_EQ(controllo.stati.size(), 3U);
    EXPECT_EQ(controllo.stati[2].elaborati, 192);
    EXPECT_EQ(controllo.stati[2].totale, 200);
    EXPECT_EQ(controllo.stati[2].percentuale(), 96);
    (void)e.concludi();

    // Without the option the map lets every play through.
    EsecuzioneRiduzione senza(sistema, elenco, controllo, {ModoRiduzione::Aggiunge, false, 64, false});
    senza.avvia();
    EXPECT_TRUE(senza.conFisse(giocata({1, 6})));
    (void)senza.concludi();
}
