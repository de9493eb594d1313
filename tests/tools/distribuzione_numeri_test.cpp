#include "tools/distribuzione_numeri.h"

#include "editor/sviluppo_integrale.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Answers the polls from a script: true until the poll `fermaAl` (1-based; 0 never stops), and records
// what each poll saw.
class ControlloRegistrato final : public ControlloEsecuzione
{
public:
    explicit ControlloRegistrato(const distribuzione::DistribuzioneNumeri& esito, int fermaAl = 0)
        : m_esito(esito), m_fermaAl(fermaAl)
    {}

    bool verifica(const Avanzamento& stato) override
    {
        elaborati.push_back(stato.elaborati);
        totali.push_back(stato.totale);
        contatiAlControllo.push_back(m_esito.esaminate);
        return static_cast<int>(elaborati.size()) != m_fermaAl;
    }

    std::vector<double> elaborati;
    std::vector<double> totali;
    std::vector<std::int32_t> contatiAlControllo;

private:
    const distribuzione::DistribuzioneNumeri& m_esito;
    int m_fermaAl;
};

std::vector<Tipo_Giocata> Sviluppo(std::vector<std::uint8_t> numeri, int k)
{
    std::vector<Tipo_Giocata> giocate;
    CombinazioniPronostico(std::move(numeri), k).perOgni([&](const Tipo_Giocata& g) {
        giocate.push_back(g);
        return true;
    });
    return giocate;
}

} // namespace

TEST(DistribuzioneNumeri, SviluppoDiSeiNumeriInTerzine)
{
    const std::vector<Tipo_Giocata> giocate = Sviluppo({4, 17, 33, 58, 71, 90}, 3);
    ASSERT_EQ(giocate.size(), 20U);
    distribuzione::DistribuzioneNumeri esito;
    EsecuzioneContinua continua;
    distribuzione::ContaDistribuzione(giocate.data(), 20, esito, continua);
    EXPECT_EQ(esito.esaminate, 20);
    EXPECT_FALSE(esito.interrotta);
    for (int n = 1; n <= 90; ++n) {
        SCOPED_TRACE(n);
        const bool predetto = n == 4 || n == 17 || n == 33 || n == 58 || n == 71 || n == 90;
        EXPECT_EQ(esito.conteggio(n), predetto ? 10 : 0);
    }
}

TEST(DistribuzioneNumeri, ControlliOgni357GiocateEInterruzione)
{
    // 1000 plays of 1..90 taken five at a time in turn: each play's numbers are 5i+1 .. 5i+5 mod 90.
    std::vector<Tipo_Giocata> giocate;
    for (int i = 0; i < 1000; ++i) {
        Tipo_Giocata g{};
        for (int j = 0; j < 5; ++j) {
            g[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(1 + (5 * i + j) % 90);
        }
        OrdinaGiocata(g);
        giocate.push_back(g);
    }

    struct Riga
    {
        const char* nome;
        int fermaAl;
        std::vector<double> elaborati;
        std::int32_t esaminate;
        bool interrotta;
    };
    const Riga righe[] = {
        {"fino in fondo", 0, {357, 714}, 1000, false},
        {"fermata al primo controllo", 1, {357}, 357, true},
        {"fermata al secondo controllo", 2, {357, 714}, 714, true},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        distribuzione::DistribuzioneNumeri esito;
        esito.conteggi[0] = 99; // left over from an earlier run: cleared
        ControlloRegistrato controllo(esito, r.fermaAl);
        distribuzione::ContaDistribuzione(giocate.data(), 1000, esito, controllo);
        EXPECT_EQ(controllo.elaborati, r.elaborati);
        EXPECT_EQ(controllo.totali, std::vector<double>(r.elaborati.size(), 1000.0));
        // The counts are already there when a poll comes, for the chart to show them.
        EXPECT_EQ(controllo.contatiAlControllo,
                  std::vector<std::int32_t>(r.elaborati.begin(), r.elaborati.end()));
        EXPECT_EQ(esito.esaminate, r.esaminate);
        EXPECT_EQ(esito.interrotta, r.interrotta);
        std::int64_t somma = 0;
        for (std::int32_t c : esito.conteggi) {
            somma += c;
        }
        EXPECT_EQ(somma, 5 * static_cast<std::int64_t>(r.esaminate));
        // 357 plays cover the 90 numbers 19 times over and 75 numbers once more (1785 = 19 * 90 + 75).
        if (r.esaminate == 357) {
            EXPECT_EQ(esito.conteggio(1), 20);
            EXPECT_EQ(esito.conteggio(76), 19);
        }
    }
}

TEST(DistribuzioneNumeri, ElencoContaSoloLeGiocateValide)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AssicuraCapacita(3));
    elenco.voce(1) = test::giocata({1, 2, 3});
    elenco.voce(2) = test::giocata({2, 90});
    elenco.voce(3) = test::giocata({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    elenco.setConteggio(2);
    distribuzione::DistribuzioneNumeri esito;
    EsecuzioneContinua continua;
    distribuzione::ContaDistribuzione(elenco, esito, continua);
    EXPECT_EQ(esito.esaminate, 2);
    EXPECT_EQ(esito.conteggio(1), 1);
    EXPECT_EQ(esito.conteggio(2), 2);
    EXPECT_EQ(esito.conteggio(3), 1);
    EXPECT_EQ(esito.conteggio(4), 0);
    EXPECT_EQ(esito.conteggio(90), 1);
}
