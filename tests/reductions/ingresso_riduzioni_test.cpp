#include "reductions/ingresso_riduzioni.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using test::giocata;

const std::string Valida = "[ValidaSistema]";
const std::string TreNumeri = "Per questa riduzione sono richiesti almeno 3 numeri per giocata.";
const std::string DueNumeri = "Per questa riduzione sono richiesti almeno 2 numeri per giocata.";
const std::string DueGiocate = "Questo metodo richiede almeno due giocate.";
const std::string DaEliminare = "Non ci sono giocate finali da eliminare.";

struct Riga
{
    const char* nome;
    EsitoIngresso (*famiglia)(ContestoIngresso&);
    int k;
    std::vector<Tipo_Giocata> giocate;
    bool sistemaValido;
    std::vector<std::string> registro; // the validation and the messages, in the order they happened
    bool ammesso;
    bool focus;
};

} // namespace

TEST(IngressoRiduzioni, ControlliInOrdine)
{
    const std::vector<Tipo_Giocata> due = {giocata({1, 2, 3}), giocata({4, 5, 6})};
    const std::vector<Riga> righe = {
        {"pronostico: validazione fallita prima di k",
         &IngressoPronosticoAlmenoTre,
         2,
         {},
         false,
         {Valida},
         false,
         false},
        {"pronostico: k 2", &IngressoPronosticoAlmenoTre, 2, {}, true, {Valida, TreNumeri}, false, true},
        {"pronostico: k 3", &IngressoPronosticoAlmenoTre, 3, {}, true, {Valida}, true, false},
        {"giocate: una sola",
         &IngressoGiocateUniformi,
         2,
         {giocata({1, 2, 3})},
         true,
         {DueGiocate},
         false,
         false},
        {"giocate: di due numeri",
         &IngressoGiocateUniformi,
         2,
         {giocata({1, 2}), giocata({1, 3})},
         true,
         {"Questo metodo richiede giocate con almeno tre numeri."},
         false,
         false},
        {"giocate: lunghezze diverse",
         &IngressoGiocateUniformi,
         2,
         {giocata({1, 2, 3}), giocata({1, 2, 3, 4})},
         true,
         {"Questo metodo richiede che le giocate abbiano tutte la stessa quantità di numeri.\r"
          "Alcune giocate hanno una diversa quantità di numeri."},
         false,
         false},
        {"giocate: uniformi, senza validazione", &IngressoGiocateUniformi, 1, due, false, {}, true, false},
        {"più rappresentative: k 1",
         &IngressoAggiungiRappresentative,
         1,
         {},
         true,
         {Valida, DueNumeri},
         false,
         true},
        {"meno rappresentative: lista vuota prima di k",
         &IngressoEliminaRappresentative,
         1,
         {},
         true,
         {Valida, DaEliminare},
         false,
         false},
        {"meno rappresentative: k 1",
         &IngressoEliminaRappresentative,
         1,
         due,
         true,
         {Valida, DueNumeri},
         false,
         true},
        {"ottimizza: una giocata",
         &IngressoOttimizzaProbabilita,
         3,
         {giocata({1, 2, 3})},
         true,
         {Valida, "Questo metodo richiede la presenza di almeno 2 giocate."},
         false,
         false},
        {"aggiungi casuali: solo validazione", &IngressoValidazione, 1, {}, true, {Valida}, true, false},
        {"elimina casualmente: lista vuota, niente validazione",
         &IngressoEliminaCasualmente,
         1,
         {},
         false,
         {DaEliminare},
         false,
         false},
        {"elimina casualmente: con giocate", &IngressoEliminaCasualmente, 1, due, false, {}, true, false},
        {"condizionata: lista vuota valida", &IngressoValidazioneSeVuoto, 3, {}, true, {Valida}, true, false},
        {"condizionata: con giocate non valida", &IngressoValidazioneSeVuoto, 3, due, false, {}, true, false},
        {"cruciverba: k prima della validazione",
         &IngressoCruciverba,
         1,
         {},
         false,
         {"Questo metodo richiede almeno due numeri per giocata."},
         false,
         true},
        {"sostituzione: lista vuota",
         &IngressoSostituzione,
         3,
         {},
         true,
         {"Questo metodo richiede almeno una giocata."},
         false,
         false},
        {"normalizza: k, poi giocate, poi validazione",
         &IngressoNormalizza,
         2,
         {giocata({1, 2})},
         true,
         {DueGiocate},
         false,
         false},
        {"normalizza: ammessa", &IngressoNormalizza, 2, due, true, {Valida}, true, false},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema sistema;
        sistema.numeriPerGiocata = riga.k;
        ElencoGiocate elenco;
        ASSERT_TRUE(elenco.AssicuraCapacita(4));
        for (std::size_t i = 0; i < riga.giocate.size(); ++i) {
            elenco.voce(static_cast<std::int32_t>(i + 1)) = riga.giocate[i];
        }
        elenco.setConteggio(static_cast<std::int32_t>(riga.giocate.size()));

        std::vector<std::string> registro;
        struct Registratore final : ServizioMessaggi
        {
            std::vector<std::string>& registro;
            std::vector<Messaggio> mostrati;
            explicit Registratore(std::vector<std::string>& r) : registro(r) {}
            Risposta mostra(const Messaggio& m) override
            {
                registro.push_back(m.testo);
                mostrati.push_back(m);
                return Risposta::Ok;
            }
        } messaggi(registro);
        ContestoIngresso contesto{sistema, elenco, messaggi, [&] {
                                      registro.push_back(Valida);
                                      return riga.sistemaValido;
                                  }};
        const EsitoIngresso esito = riga.famiglia(contesto);
        EXPECT_EQ(registro, riga.registro);
        EXPECT_EQ(esito.ammesso, riga.ammesso);
        EXPECT_EQ(esito.focusNumeriPerGiocata, riga.focus);
        for (const Messaggio& m : messaggi.mostrati) {
            EXPECT_EQ(m.titolo, "Attenzione");
            const bool informazione = m.testo == "Questo metodo richiede la presenza di almeno 2 giocate.";
            EXPECT_EQ(m.icona, informazione ? Icona::Informazione : Icona::Avviso);
        }
    }
}

TEST(IngressoRiduzioni, GiocateUniformiPassaLaLunghezzaEINumeri)
{
    Sistema sistema;
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AssicuraCapacita(2));
    elenco.voce(1) = giocata({1, 5, 90});
    elenco.voce(2) = giocata({5, 6, 7});
    elenco.setConteggio(2);
    test::MessaggiRegistrati messaggi;
    ContestoIngresso contesto{sistema, elenco, messaggi, {}};
    const EsitoIngresso esito = IngressoGiocateUniformi(contesto);
    ASSERT_TRUE(esito);
    EXPECT_EQ(esito.numeriGiocate, 3);
    SegniNumeri attesi{};
    for (int n : {1, 5, 6, 7, 90}) {
        attesi[static_cast<std::size_t>(n - 1)] = 1;
    }
    EXPECT_EQ(esito.numeriUsati, attesi);
}
