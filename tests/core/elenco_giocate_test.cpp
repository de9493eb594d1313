#include "core/elenco_giocate.h"
#include "core/messaggi.h"
#include "support/cartella_temporanea.h"
#include "support/memoria_limitata.h"

#include <gtest/gtest.h>

#include <vector>

using test::giocata;

namespace {

// Records the sizes asked for; fails every request (or only those above a limit).
class AllocatoreProva final : public AllocatoreGiocate
{
public:
    explicit AllocatoreProva(std::size_t limite) : m_limite(limite) {}
    Tipo_Giocata* rialloca(Tipo_Giocata* vecchio, std::size_t nuoveVoci) override
    {
        richieste.push_back(nuoveVoci);
        if (nuoveVoci > m_limite) {
            return nullptr;
        }
        return m_standard.rialloca(vecchio, nuoveVoci);
    }
    void libera(Tipo_Giocata* blocco) override { m_standard.libera(blocco); }

    std::vector<std::size_t> richieste;

private:
    std::size_t m_limite;
    AllocatoreStandard m_standard;
};

void Riempi(ElencoGiocate& elenco, int n)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(n));
    for (int i = 1; i <= n; ++i) {
        elenco.voce(i) = giocata({1 + i / 80, 2 + i % 80});
    }
    elenco.setConteggio(n);
}

} // namespace

TEST(ElencoGiocate, CrescitaConIncrementiDecrescenti)
{
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AmpliaElenco());
    EXPECT_EQ(elenco.capacita(), 3355443);
    ASSERT_TRUE(elenco.AmpliaElenco());
    EXPECT_EQ(elenco.capacita(), 3355443 + 1677721);
    ASSERT_TRUE(elenco.AmpliaElenco());
    EXPECT_EQ(elenco.capacita(), 5033164 + 2516582);
}

TEST(ElencoGiocate, AllocatoreCheFallisceSempre)
{
    AllocatoreProva allocatore(0);
    test::MessaggiRegistrati messaggi;
    ElencoGiocate elenco(&allocatore);
    elenco.setServizioMessaggi(&messaggi);

    EXPECT_FALSE(elenco.AmpliaElenco());
    const std::vector<std::size_t> attese = {3355443, 838860, 209715, 52428, 13107, 3276,
                                             819,     204,    51,     12,    3};
    EXPECT_EQ(allocatore.richieste, attese);
    EXPECT_EQ(elenco.capacita(), 0);
    ASSERT_EQ(messaggi.mostrati.size(), 1u);
    EXPECT_EQ(messaggi.mostrati[0].testo, messaggi::MemoriaInsufficiente);
    EXPECT_EQ(messaggi.mostrati[0].titolo, "Attenzione");
}

TEST(ElencoGiocate, CrescitaFallitaLasciaLeGiocate)
{
    // The first growth succeeds; the second needs more than the limit and falls back to smaller
    // increments until one fits.
    AllocatoreProva allocatore(3355443 + 500000);
    ElencoGiocate elenco(&allocatore);
    Riempi(elenco, 1000);
    const Tipo_Giocata prima = elenco.voce(1000);
    ASSERT_TRUE(elenco.AmpliaElenco());
    EXPECT_EQ(elenco.capacita(), 3355443 + 419430) << "1677721 and then 419430 (quartered) were tried";
    EXPECT_EQ(elenco.conteggio(), 1000);
    EXPECT_EQ(elenco.voce(1000), prima);

    AllocatoreProva nessuna(0);
    ElencoGiocate vuoto(&nessuna);
    EXPECT_FALSE(vuoto.AssicuraCapacita(1));
    EXPECT_EQ(vuoto.conteggio(), 0);
}

TEST(ElencoGiocate, RicercaConCursore)
{
    ElencoGiocate elenco;
    EXPECT_EQ(elenco.CercaGiocata(giocata({1, 2})), 0);
    EXPECT_EQ(elenco.cursore(), 0) << "an empty list leaves the cursor alone";

    Riempi(elenco, 20);
    EXPECT_EQ(elenco.CercaGiocata(elenco.voce(7)), 7);
    EXPECT_EQ(elenco.cursore(), 7);
    EXPECT_EQ(elenco.CercaGiocata(elenco.voce(8)), 8);
    EXPECT_EQ(elenco.confrontiUltimaRicerca(), 1);
    EXPECT_EQ(elenco.CercaGiocata(elenco.voce(3)), 3);
    EXPECT_EQ(elenco.confrontiUltimaRicerca(), (20 - 8) + 3) << "scans 9..count, then 1..3";

    EXPECT_EQ(elenco.CercaGiocata(giocata({80, 90})), 0);
    EXPECT_EQ(elenco.cursore(), 3) << "a miss leaves the cursor";

    EXPECT_EQ(elenco.CercaGiocataTra(elenco.voce(15), 10), 0);
    EXPECT_EQ(elenco.CercaGiocataTra(elenco.voce(5), 0), 0);
    EXPECT_EQ(elenco.CercaGiocataTra(elenco.voce(9), 10), 9);
}

TEST(ElencoGiocate, RicercaNonOltreIlConteggio)
{
    ElencoGiocate elenco;
    Riempi(elenco, 20);
    const Tipo_Giocata diciotto = elenco.voce(18);
    EXPECT_EQ(elenco.CercaGiocata(diciotto), 18);
    elenco.setConteggio(10);
    EXPECT_EQ(elenco.CercaGiocata(diciotto), 0) << "stale slots beyond count are never reported";
    EXPECT_EQ(elenco.CercaGiocata(elenco.voce(4)), 4);
}

TEST(ElencoGiocate, CopiaPerAnnulla)
{
    ElencoGiocate elenco;
    elenco.CopiaPerAnnulla();
    EXPECT_EQ(elenco.conteggioAnnulla(), 0) << "no buffer, no snapshot";

    ASSERT_TRUE(elenco.AllocaAnnulla());
    Riempi(elenco, 5);
    elenco.CopiaPerAnnulla();
    EXPECT_EQ(elenco.conteggioAnnulla(), 5);

    elenco.svuota();
    elenco.CopiaPerAnnulla();
    EXPECT_EQ(elenco.conteggioAnnulla(), 5) << "an empty list keeps the older snapshot";

    Riempi(elenco, ElencoGiocate::MassimoAnnulla + 1);
    elenco.voce(1) = giocata({77});
    elenco.CopiaPerAnnulla();
    EXPECT_EQ(elenco.conteggioAnnulla(), 5) << "a list beyond the cap keeps the older snapshot";

    elenco.RipristinaCopia();
    EXPECT_EQ(elenco.conteggio(), 5);
    EXPECT_EQ(elenco.voce(1), giocata({1, 3}));
    elenco.svuota();
    elenco.RipristinaCopia();
    EXPECT_EQ(elenco.conteggio(), 5) << "the same snapshot restores again";

    Riempi(elenco, ElencoGiocate::MassimoAnnulla);
    elenco.CopiaPerAnnulla();
    EXPECT_EQ(elenco.conteggioAnnulla(), ElencoGiocate::MassimoAnnulla);
}

namespace {

constexpr std::uint64_t MiB = std::uint64_t{1} << 20;

} // namespace

// A growth that would not leave the margin free is refused like a failed allocation: smaller increments
// are tried, and when none fits the warning is shown and the list stays as it was.
TEST(ElencoGiocate, CrescitaEntroLaMemoriaDisponibile)
{
    struct Riga
    {
        const char* nome;
        std::uint64_t disponibili;
        std::int32_t richiesta; // AssicuraCapacita(richiesta) on a list of 1000 plays
        bool riuscita;
        std::int32_t capacita; // afterwards
    };
    constexpr std::uint64_t Margine = ElencoGiocate::MargineMemoria;
    const std::vector<Riga> righe = {
        {"tutto entra", Margine + 200 * MiB, 6'000'000, true, 3355443 + 1677721 + 2516582},
        // 1677721 plays are 16 MB: quartered to 419430 (4 MB), which fits.
        {"incremento ridotto", Margine + 5 * MiB, 3'500'000, true, 3355443 + 419430},
        // Each step alone would fit, but together the slots not yet written would not.
        {"i passi si sommano", Margine + 20 * MiB, 6'000'000, false, -1},
        {"sotto il margine", Margine - 1, 3'355'444, false, 3355443},
        {"nessuna memoria", 0, 3'355'444, false, 3355443},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        test::MessaggiRegistrati messaggi;
        ElencoGiocate elenco;
        elenco.setServizioMessaggi(&messaggi);
        Riempi(elenco, 1000);
        const Tipo_Giocata ultima = elenco.voce(1000);
        test::MemoriaLimitata memoria(riga.disponibili);
        elenco.setMemoriaDisponibile(&memoria);

        EXPECT_EQ(elenco.AssicuraCapacita(riga.richiesta), riga.riuscita);
        if (riga.capacita >= 0) {
            EXPECT_EQ(elenco.capacita(), riga.capacita);
        }
        const std::uint64_t cresciuti = static_cast<std::uint64_t>(elenco.capacita() - 3355443) * 10;
        EXPECT_LE(cresciuti, riga.disponibili > Margine ? riga.disponibili - Margine : 0);
        EXPECT_EQ(elenco.conteggio(), 1000);
        EXPECT_EQ(elenco.voce(1000), ultima);
        ASSERT_EQ(messaggi.mostrati.size(), riga.riuscita ? 0u : 1u);
        if (!riga.riuscita) {
            EXPECT_EQ(messaggi.mostrati[0].testo, messaggi::MemoriaInsufficiente);
        }
    }
}
