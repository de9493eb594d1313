#include "checking/spoglio.h"
#include "core/importi.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using test::giocata;

const std::string Separatore(74, '-');

std::string Spazi(std::size_t n)
{
    return std::string(n, ' ');
}

void Riempi(ElencoGiocate& elenco, const std::vector<Tipo_Giocata>& giocate)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(giocate.size()) + 1));
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        elenco.voce(static_cast<std::int32_t>(i) + 1) = giocate[i];
    }
    elenco.setConteggio(static_cast<std::int32_t>(giocate.size()));
}

ParametriVincite Parametri(std::initializer_list<Ruota> ruote,
                           std::initializer_list<std::pair<ClassePremio, double>> importi)
{
    ParametriVincite p;
    for (Ruota r : ruote) {
        p.ruote[static_cast<std::size_t>(r - 1)] = 1;
    }
    for (const auto& [classe, importo] : importi) {
        p.importi[static_cast<std::size_t>(classe - 1)] = importo;
    }
    return p;
}

std::array<std::uint8_t, 55> Estrazione(std::initializer_list<std::pair<Ruota, NumeriRuota>> ruote)
{
    std::array<std::uint8_t, 55> numeri{};
    for (const auto& [ruota, estratti] : ruote) {
        for (int p = 1; p <= 5; ++p) {
            numeri[static_cast<std::size_t>((p - 1) * RuoteArchivio + ruota - 1)] =
                estratti[static_cast<std::size_t>(p - 1)];
        }
    }
    return numeri;
}

// The summary as "label|count|amount" rows.
std::vector<std::string> Riepilogo(const EsitoSpoglio& esito)
{
    std::vector<std::string> righe;
    for (const VoceRiepilogoSpoglio& v : RiepilogoSpoglio(esito, 2)) {
        righe.push_back(v.voce + "|" + v.vincite + "|" + v.importo);
    }
    return righe;
}

std::vector<std::string> RiepilogoVuoto()
{
    return {"Cinquina|0|0,00",
            "Quaterna|0|0,00",
            "Terno|0|0,00",
            "Ambo|0|0,00",
            "Ambetto|0|0,00",
            "Estratto|0|0,00",
            "Estratto determinato|0|0,00",
            "||",
            "TOTALE|0|0,00"};
}

} // namespace

TEST(Spoglio, GrigliaRifiutata)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::tuple<int, int, std::string>> celle; // wheel 1..11, position 1..5, text
        std::string messaggio;
    };
    const std::vector<Riga> righe = {
        {"zero", {{Bari, 1, "0"}}, "La ruota \"Bari\" contiene dei valori non validi!"},
        {"oltre 90", {{Bari, 1, "12"}, {Roma, 4, "91"}}, "La ruota \"Roma\" contiene dei valori non validi!"},
        {"non un numero", {{Firenze, 2, "1x"}}, "La ruota \"Firenze\" contiene dei valori non validi!"},
        {"uguali",
         {{Genova, 1, "5"}, {Genova, 5, "05"}},
         "Alcuni numeri della ruota \"Genova\" sono identici!"},
        // Every value is checked before any repeated number.
        {"valori prima dei doppioni",
         {{Bari, 1, "5"}, {Bari, 2, "5"}, {Nazionale, 3, "95"}},
         "La ruota \"Nazionale\" contiene dei valori non validi!"},
        {"vuota", {}, "Inserire i numeri dell'estrazione da utilizzare per lo spoglio."},
        {"solo spazi",
         {{Milano, 2, "  "}},
         "Inserire i numeri dell'estrazione da utilizzare per lo spoglio."},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        // Not "celle{}": clang 14 (the sanitizer build) crashes evaluating that array of strings.
        CelleSpoglio celle;
        for (const auto& [w, p, t] : riga.celle) {
            celle[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(p - 1)] = t;
        }
        const EsitoGrigliaSpoglio esito = LeggiGrigliaSpoglio(celle);
        EXPECT_FALSE(esito.valida);
        EXPECT_EQ(esito.messaggio, riga.messaggio);
    }

    // A partly filled grid is used as it is: the empty cells are 0.
    CelleSpoglio celle; // not "{}", see above
    celle[Bari - 1][2] = "1";
    celle[Nazionale - 1][4] = " 7 ";
    const EsitoGrigliaSpoglio esito = LeggiGrigliaSpoglio(celle);
    ASSERT_TRUE(esito.valida) << esito.messaggio;
    std::array<std::uint8_t, 55> atteso{};
    atteso[2 * 11 + 0] = 1;
    atteso[4 * 11 + 10] = 7;
    EXPECT_EQ(esito.numeri, atteso);
}

// A play staked on Roma and on Tutte with two numbers drawn on Roma wins the ambo twice there.
TEST(Spoglio, RomaETutte)
{
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({1, 3, 5, 7, 9}), giocata({2, 10, 20, 30, 47})});
    const EsitoSpoglio esito = Spoglio(elenco, Estrazione({{Roma, {67, 47, 2, 86, 42}}}),
                                       Parametri({Roma, Tutte}, {{Ambo, 1.0}}), 2);
    const std::vector<std::string> atteso = {
        Separatore,
        "Giocata Nº 2",
        " Ruota: Roma" + Spazi(10) + "Nº Ambi indovinati: 1" + Spazi(7) + "Vincita: 25,00 Euro",
        " Ruota: Roma" + Spazi(10) + "Nº Ambi indovinati: 1" + Spazi(7) + "Vincita: 2,50 Euro",
        Separatore,
        Spazi(43) + "VINCITA TOTALE: 27,50 Euro",
    };
    EXPECT_EQ(esito.resoconto, atteso);
    std::vector<std::string> riepilogo = RiepilogoVuoto();
    riepilogo[3] = "Ambo|2|27,50";
    riepilogo[8] = "TOTALE|2|27,50";
    EXPECT_EQ(Riepilogo(esito), riepilogo);
}

TEST(Spoglio, RigheDiOgniClasse)
{
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({10, 20})});
    ParametriVincite p =
        Parametri({Nazionale}, {{Estratto, 1.0}, {EstrattoDeterminato, 1.0}, {Ambetto, 1.0}});
    p.posizioni = {1, 0, 0, 0, 0};
    const EsitoSpoglio esito = Spoglio(elenco, Estrazione({{Nazionale, {10, 21, 60, 61, 62}}}), p, 2);
    const std::string ruota = " Ruota: Nazionale" + Spazi(5);
    const std::vector<std::string> atteso = {
        Separatore,
        "Giocata Nº 1",
        ruota + "Nº Estratti indovinati: 1" + Spazi(3) + "Vincita: 5,61 Euro",
        ruota + "Pos. Estratto det.: 1" + Spazi(7) + "Vincita: 27,50 Euro",
        ruota + "AMBETTO (10,21)" + Spazi(13) + "Vincita: 65,00 Euro",
        Separatore,
        Spazi(43) + "VINCITA TOTALE: 98,11 Euro",
    };
    EXPECT_EQ(esito.resoconto, atteso);
    std::vector<std::string> riepilogo = RiepilogoVuoto();
    riepilogo[4] = "Ambetto|1|65,00";
    riepilogo[5] = "Estratto|1|5,61";
    riepilogo[6] = "Estratto determinato|1|27,50";
    riepilogo[8] = "TOTALE|3|98,11";
    EXPECT_EQ(Riepilogo(esito), riepilogo);
}

// Lines and plays are capped at the largest win; the class amounts add the capped lines and are not
// capped themselves, so the total can be less than their sum.
TEST(Spoglio, VincitaMassima)
{
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({1, 2, 3, 4, 5}), giocata({1, 2, 3, 4, 5})});
    const auto numeri = Estrazione({{Bari, {5, 4, 3, 2, 1}}});
    ParametriVincite p = Parametri({Bari}, {{Cinquina, 2.0}, {Quaterna, 1.0}});
    EsitoSpoglio esito = Spoglio(elenco, numeri, p, 2);
    ASSERT_EQ(esito.resoconto.size(), 10u);
    EXPECT_EQ(esito.resoconto[2], " Ruota: Bari" + Spazi(10) + "Nº Cinquine indovinate: 1" + Spazi(3) +
                                      "Vincita: 6.000.000,00 Euro");
    EXPECT_EQ(esito.resoconto[3], " Ruota: Bari" + Spazi(10) + "Nº Quaterne indovinate: 5" + Spazi(3) +
                                      "Vincita: 120.000,00 Euro");
    EXPECT_EQ(esito.resoconto.back(), Spazi(43) + "VINCITA TOTALE: 12.000.000,00 Euro");
    std::vector<std::string> riepilogo = RiepilogoVuoto();
    riepilogo[0] = "Cinquina|2|12.000.000,00";
    riepilogo[1] = "Quaterna|10|240.000,00";
    riepilogo[8] = "TOTALE|12|12.000.000,00";
    EXPECT_EQ(Riepilogo(esito), riepilogo);

    // With a largest win of 0 nothing is won: no report, and the summary stays at zero.
    p.vincitaMassima = 0;
    esito = Spoglio(elenco, numeri, p, 2);
    EXPECT_TRUE(esito.resoconto.empty());
    EXPECT_EQ(Riepilogo(esito), RiepilogoVuoto());
}

TEST(Spoglio, NienteVintoLasciaTuttoAZero)
{
    struct Riga
    {
        const char* nome;
        ParametriVincite parametri;
        std::array<std::uint8_t, 55> numeri;
    };
    const std::vector<Riga> righe = {
        // Tutte never includes Nazionale.
        {"solo Nazionale con Tutte", Parametri({Tutte}, {{Estratto, 1.0}, {Ambo, 1.0}}),
         Estrazione({{Nazionale, {1, 2, 3, 4, 5}}})},
        {"ruota non giocata", Parametri({Bari}, {{Estratto, 1.0}}), Estrazione({{Roma, {1, 2, 3, 4, 5}}})},
        {"un solo numero con l'ambo", Parametri({Bari}, {{Ambo, 1.0}}),
         Estrazione({{Bari, {1, 80, 81, 82, 83}}})},
    };
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({1, 2, 3}), giocata({1, 40, 50})});
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        const EsitoSpoglio esito = Spoglio(elenco, riga.numeri, riga.parametri, 2);
        EXPECT_TRUE(esito.resoconto.empty());
        EXPECT_EQ(Riepilogo(esito), RiepilogoVuoto());
    }
}

// The check skips the plays and wheels that cannot win without asking the payout; whatever the stakes,
// wheels and draw, it must find exactly what the payout finds play by play.
TEST(Spoglio, ComeLeVinciteDiOgniGiocata)
{
    std::mt19937 caso(20260530);
    const auto tra = [&caso](int a, int b) { return std::uniform_int_distribution<int>(a, b)(caso); };
    for (int prova = 0; prova < 20; ++prova) {
        SCOPED_TRACE(prova);
        ParametriVincite p;
        for (int classe = Estratto; classe <= Ambetto; ++classe) {
            p.importi[static_cast<std::size_t>(classe - 1)] = tra(0, 2) == 0 ? 0.5 * tra(1, 4) : 0.0;
        }
        for (auto& r : p.ruote) {
            r = tra(0, 3) == 0 ? 1 : 0;
        }
        for (auto& s : p.posizioni) {
            s = tra(0, 1) != 0 ? 1 : 0;
        }
        // Numbers 1..30 only, so that plays hit often; some positions empty.
        std::array<std::uint8_t, 55> numeri{};
        for (int w = 1; w <= RuoteArchivio; ++w) {
            std::vector<int> urna(30);
            std::iota(urna.begin(), urna.end(), 1);
            std::shuffle(urna.begin(), urna.end(), caso);
            for (int q = 0; q < 5; ++q) {
                numeri[static_cast<std::size_t>(q * RuoteArchivio + w - 1)] =
                    tra(0, 6) == 0 ? 0 : static_cast<std::uint8_t>(urna[static_cast<std::size_t>(q)]);
            }
        }
        std::vector<Tipo_Giocata> giocate;
        for (int i = 0; i < 300; ++i) {
            std::vector<int> urna(30);
            std::iota(urna.begin(), urna.end(), 1);
            std::shuffle(urna.begin(), urna.end(), caso);
            urna.resize(static_cast<std::size_t>(tra(1, 10)));
            std::sort(urna.begin(), urna.end());
            Tipo_Giocata g{};
            std::copy(urna.begin(), urna.end(), g.begin());
            giocate.push_back(g);
        }
        ElencoGiocate elenco;
        Riempi(elenco, giocate);

        EsitoSpoglio atteso;
        long double totale = 0;
        std::size_t vincenti = 0;
        for (const Tipo_Giocata& g : giocate) {
            const std::vector<Tipo_Vincita> linee = VinciteGiocata(g, numeri, p);
            for (const Tipo_Vincita& v : linee) {
                atteso.vincite[static_cast<std::size_t>(RigaClasseSpoglio(v.classe))] += v.quantita;
                atteso.importi[static_cast<std::size_t>(RigaClasseSpoglio(v.classe))] += v.importo;
            }
            vincenti += linee.empty() ? 0 : 1;
            totale += TotaleVincite(linee, p.vincitaMassima);
        }
        const EsitoSpoglio esito = Spoglio(elenco, numeri, p, 2);
        EXPECT_EQ(esito.vincite, atteso.vincite);
        EXPECT_EQ(esito.importi, atteso.importi);
        EXPECT_EQ(esito.totale, static_cast<double>(totale));
        const auto blocchi = static_cast<std::size_t>(
            std::count_if(esito.resoconto.begin(), esito.resoconto.end(),
                          [](const std::string& r) { return r.rfind("Giocata Nº ", 0) == 0; }));
        EXPECT_EQ(blocchi, vincenti);
    }
}
