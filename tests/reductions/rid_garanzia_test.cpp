#include "reductions/rid_garanzia.h"

#include "editor/sviluppo_integrale.h"
#include "reductions/messaggi_riduzioni.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using test::AllocatoreLimitato;
using test::giocata;
using test::Giocate;
using test::Primi;
using test::Pronostico;
using test::Sviluppa;

int Comuni(const Tipo_Giocata& a, const Tipo_Giocata& b)
{
    int n = 0;
    for (std::uint8_t x : a) {
        if (x != 0 && std::find(b.begin(), b.end(), x) != b.end()) {
            ++n;
        }
    }
    return n;
}

// The first s-subset (of the given numbers) that no play meets in g numbers; empty when none.
std::string Scoperta(const std::vector<std::uint8_t>& numeri, int s, int g,
                     const std::vector<Tipo_Giocata>& giocate, const MappaFisse* fisse = nullptr)
{
    std::string scoperta;
    CombinazioniPronostico(numeri, s).perOgni([&](const Tipo_Giocata& c) {
        if (fisse != nullptr && !ContieneFisse(c, s, *fisse)) {
            return true;
        }
        for (const Tipo_Giocata& g2 : giocate) {
            if (Comuni(c, g2) >= g) {
                return true;
            }
        }
        scoperta = TestoGiocata(c);
        return false;
    });
    return scoperta;
}

using test::StopAl;

ParametriGaraGio ParametriGio(const ElencoGiocate& elenco, int g)
{
    ParametriGaraGio p;
    p.garanzia = g;
    p.numeriGiocate = NumeriGiocata(elenco.voce(1));
    p.numeriUsati = NumeriNelleGiocate(elenco);
    return p;
}

} // namespace

TEST(RidGaranzia, SelettoreETabellaDeiPunti)
{
    struct Caso
    {
        const char* nome;
        int k;
        int g;
        int ammessa;
        std::array<int, 5> punti;
    };
    const Caso casi[] = {
        {"k 3 terno torna ambo", 3, 3, 2, {2, 1, 0, 0, 0}},
        {"k 3 cinquina torna ambo", 3, 5, 2, {2, 1, 0, 0, 0}},
        {"k 4 quaterna torna terno", 4, 4, 3, {3, 2, 1, 0, 0}},
        {"k 5 cinquina torna quaterna", 5, 5, 4, {4, 3, 2, 1, 0}},
        {"k 5 terno resta", 5, 3, 3, {3, 2, 1, 0, 0}},
        {"k 6 cinquina resta", 6, 5, 5, {5, 4, 3, 2, 1}},
        {"k 10 ambo resta", 10, 2, 2, {2, 1, 0, 0, 0}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const int g = GaranziaAmmessa(c.k, c.g);
        EXPECT_EQ(g, c.ammessa);
        EXPECT_EQ(PuntiGarantiti(c.k, g), c.punti);
    }
}

// Every k-combination (five-number for k >= 6) of the prediction meets some play in g numbers, on
// random small systems through the greedy and the merge paths; the plays already in the list count.
TEST(RidGaranzia, PronosticoGarantisceLaClasse)
{
    GeneratoreCasuale gen;
    gen.imposta(2024);
    for (int prova = 0; prova < 40; ++prova) {
        const int k = 3 + static_cast<int>(gen.estrai(5)); // 3..7
        const int n = k + 1 + static_cast<int>(gen.estrai(k <= 5 ? 6 : 3));
        const int g = GaranziaAmmessa(k, 2 + static_cast<int>(gen.estrai(4)));
        const int da = 1 + static_cast<int>(gen.estrai(70));
        SCOPED_TRACE("n " + std::to_string(n) + " k " + std::to_string(k) + " g " + std::to_string(g));
        Sistema s = Pronostico(Primi(n, da), k);
        ElencoGiocate elenco;
        const bool conPresenti = prova % 3 == 0;
        if (conPresenti) {
            ASSERT_TRUE(elenco.AssicuraCapacita(1));
            Tipo_Giocata prima{};
            for (int i = 0; i < k; ++i) {
                prima[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(da + i);
            }
            elenco.voce(1) = prima;
            elenco.setConteggio(1);
        }
        EsecuzioneContinua continua;
        ParametriGaraPro p;
        p.garanzia = g;
        const EsitoGaranzia e = RiduzionePronosticoGaranzia(s, elenco, p, gen, continua);
        // The play already present may guarantee the class alone.
        ASSERT_TRUE(e.esito.confermata() ||
                    (conPresenti && e.esito.codice == CodiceRiduzione::NessunRisultato));
        EXPECT_EQ(s.modificato, e.esito.confermata());
        const std::vector<Tipo_Giocata> giocate = Giocate(elenco);
        for (std::size_t i = conPresenti ? 1 : 0; i < giocate.size(); ++i) {
            ASSERT_EQ(NumeriGiocata(giocate[i]), k);
            ASSERT_TRUE(std::is_sorted(giocate[i].begin(), giocate[i].begin() + k));
        }
        EXPECT_EQ(Scoperta(PronosticoOrdinato(s.pronostico), std::min(k, 5), g, giocate), "");
    }
}

TEST(RidGaranzia, PronosticoCasiLimite)
{
    struct Caso
    {
        const char* nome;
        int n;
        int k;
        int g;
        std::vector<int> fisse;
        std::int32_t attese; // plays added; 0: the no-play message
    };
    const Caso casi[] = {
        {"pronostico di k numeri, k 3", 3, 3, 2, {}, 1},
        {"pronostico di k numeri, k 5", 5, 5, 4, {}, 1},
        {"pronostico di k numeri, k 8", 8, 8, 5, {}, 1},
        {"sei fisse con k 7", 9, 7, 3, {1, 2, 3, 4, 5, 6}, 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Sistema s = Pronostico(Primi(c.n), c.k);
        for (int f : c.fisse) {
            s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
        }
        ElencoGiocate elenco;
        GeneratoreCasuale gen;
        EsecuzioneContinua continua;
        ParametriGaraPro p;
        p.garanzia = c.g;
        p.consideraFisse = !c.fisse.empty();
        const EsitoGaranzia e = RiduzionePronosticoGaranzia(s, elenco, p, gen, continua);
        EXPECT_EQ(elenco.conteggio(), c.attese);
        if (c.attese == 0) {
            EXPECT_EQ(e.esito.codice, CodiceRiduzione::NessunRisultato);
            ASSERT_TRUE(e.esito.messaggio.has_value());
            EXPECT_EQ(e.esito.messaggio->testo, messaggi_riduzioni::NessunaGiocataAggiunta);
            EXPECT_FALSE(s.modificato);
        }
    }
}

TEST(RidGaranzia, PronosticoGiaGarantitoNonAggiunge)
{
    Sistema s = Pronostico(Primi(8), 4);
    ElencoGiocate elenco;
    Sviluppa(s, elenco);
    GeneratoreCasuale gen;
    EsecuzioneContinua continua;
    ParametriGaraPro p;
    p.garanzia = 3;
    const EsitoGaranzia e = RiduzionePronosticoGaranzia(s, elenco, p, gen, continua);
    EXPECT_EQ(e.esito.codice, CodiceRiduzione::NessunRisultato);
    EXPECT_EQ(elenco.conteggio(), 70);
    EXPECT_FALSE(s.modificato);
}

TEST(RidGaranzia, PronosticoConFisse)
{
    Sistema s = Pronostico(Primi(10), 4, {3});
    ElencoGiocate elenco;
    GeneratoreCasuale gen;
    EsecuzioneContinua continua;
    ParametriGaraPro p;
    p.garanzia = 3;
    p.consideraFisse = true;
    ASSERT_TRUE(RiduzionePronosticoGaranzia(s, elenco, p, gen, continua).esito.confermata());
    const MappaFisse fisse(s);
    for (const Tipo_Giocata& g : Giocate(elenco)) {
        EXPECT_TRUE(ContieneFisse(g, 4, fisse)) << TestoGiocata(g);
    }
    EXPECT_EQ(Scoperta(PronosticoOrdinato(s.pronostico), 4, 3, Giocate(elenco), &fisse), "");
}

TEST(RidGaranzia, StessoSemeStesseGiocate)
{
    const auto esegui = [](std::uint32_t seme) {
        // Plays of five numbers that cannot merge: the random completion fills them.
        Sistema s = Pronostico(Primi(20), 6);
        ElencoGiocate elenco;
        GeneratoreCasuale gen;
        gen.imposta(seme);
        EsecuzioneContinua continua;
        ParametriGaraPro p;
        p.garanzia = 2;
        EXPECT_TRUE(RiduzionePronosticoGaranzia(s, elenco, p, gen, continua).esito.confermata());
        return Giocate(elenco);
    };
    EXPECT_EQ(esegui(5), esegui(5));
    EXPECT_NE(esegui(5), esegui(6));
}

// Every current play (every five-number part of it for k >= 6) meets a final play in g numbers.
TEST(RidGaranzia, GiocateGarantisconoLaClasse)
{
    GeneratoreCasuale gen;
    gen.imposta(99);
    InsiemeCombinazioni cinquine;
    ASSERT_TRUE(cinquine.prenota(5));
    for (int prova = 0; prova < 30; ++prova) {
        const int k = 3 + static_cast<int>(gen.estrai(5));
        const int n = k + 1 + static_cast<int>(gen.estrai(k <= 5 ? 5 : 3));
        const int g = GaranziaAmmessa(k, 2 + static_cast<int>(gen.estrai(4)));
        SCOPED_TRACE("n " + std::to_string(n) + " k " + std::to_string(k) + " g " + std::to_string(g));
        Sistema s = Pronostico(Primi(n, 1 + static_cast<int>(gen.estrai(70))), k);
        ElencoGiocate elenco;
        Sviluppa(s, elenco);
        const std::vector<Tipo_Giocata> prima = Giocate(elenco);
        EsecuzioneContinua continua;
        const EsitoGaranzia e =
            RiduzioneGiocateGaranzia(s, elenco, ParametriGio(elenco, g), &cinquine, gen, continua);
        ASSERT_TRUE(e.esito.confermata());
        ASSERT_GT(elenco.conteggio(), 0);
        EXPECT_LE(elenco.conteggio(), static_cast<std::int32_t>(prima.size()));
        const std::vector<Tipo_Giocata> dopo = Giocate(elenco);
        for (const Tipo_Giocata& attuale : prima) {
            const std::vector<std::uint8_t> numeri(attuale.begin(), attuale.begin() + k);
            ASSERT_EQ(Scoperta(numeri, std::min(k, 5), g, dopo), "") << TestoGiocata(attuale);
        }
        for (const Tipo_Giocata& finale : dopo) {
            ASSERT_EQ(NumeriGiocata(finale), k);
        }
    }
}

// The five-number path moves every current play behind the list: a stop, a run that produces nothing
// and a failed growth all put them back, so the list is exactly as it was.
TEST(RidGaranzia, PercorsoCinquineLasciaLElencoComEra)
{
    struct Caso
    {
        const char* nome;
        int stopAl;         // 0: no stop
        std::size_t limite; // slots the allocator grants (0: no limit)
        int n;              // C(n, 7) plays
        bool seiFisse;
        CodiceRiduzione codice;
    };
    const Caso casi[] = {
        {"interruzione", 2, 0, 11, false, CodiceRiduzione::Interrotta},
        {"nessuna giocata con sei fisse", 0, 0, 11, true, CodiceRiduzione::NessunRisultato},
        {"crescita fallita", 0, 200, 10, false, CodiceRiduzione::MemoriaInsufficiente},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        AllocatoreLimitato allocatore(c.limite == 0 ? 100000000 : c.limite);
        ElencoGiocate elenco(&allocatore);
        Sistema s = c.seiFisse ? Pronostico(Primi(c.n), 7, {1, 2, 3, 4, 5, 6}) : Pronostico(Primi(c.n), 7);
        Sviluppa(s, elenco);
        if (c.limite != 0) {
            ASSERT_LT(elenco.capacita(), 2 * elenco.conteggio());
        }
        s.modificato = true;
        const std::vector<Tipo_Giocata> prima = Giocate(elenco);
        ParametriGaraGio p = ParametriGio(elenco, 3);
        p.consideraFisse = c.seiFisse;
        GeneratoreCasuale gen;
        StopAl stop(c.stopAl == 0 ? -1 : c.stopAl);
        test::MessaggiRegistrati messaggi;
        elenco.setServizioMessaggi(&messaggi);
        const EsitoGaranzia e = RiduzioneGiocateGaranzia(s, elenco, p, nullptr, gen, stop);
        EXPECT_EQ(e.esito.codice, c.codice);
        EXPECT_EQ(Giocate(elenco), prima);
        EXPECT_TRUE(s.modificato);
    }
}

TEST(RidGaranzia, PassataSingolaInterrottaConservaLeGiocate)
{
    Sistema s = Pronostico(Primi(20), 4);
    ElencoGiocate elenco;
    Sviluppa(s, elenco);
    std::vector<Tipo_Giocata> prima = Giocate(elenco);
    GeneratoreCasuale gen;
    StopAl stop(3);
    const EsitoGaranzia e = RiduzioneGiocateGaranzia(s, elenco, ParametriGio(elenco, 2), nullptr, gen, stop);
    EXPECT_EQ(e.esito.codice, CodiceRiduzione::Interrotta);
    std::vector<Tipo_Giocata> dopo = Giocate(elenco);
    std::sort(prima.begin(), prima.end());
    std::sort(dopo.begin(), dopo.end());
    EXPECT_EQ(dopo, prima);
    EXPECT_FALSE(s.modificato);
}

class RidGaranziaImmediati : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The Fano plane: 7 terzine of 7 numbers, every pair in exactly one.
        ASSERT_TRUE(ScriviRiduttoriImmediati(
            file, {{7, 3, 2, {1, 2, 3, 1, 4, 5, 1, 6, 7, 2, 4, 6, 2, 5, 7, 3, 4, 7, 3, 5, 6}}}));
    }

    test::CartellaTemporanea cartella;
    std::string file = cartella.file("Quarvin.ra2");
};

TEST_F(RidGaranziaImmediati, PronosticoNonRipeteLeGiocatePresenti)
{
    Sistema s = Pronostico({10, 20, 30, 40, 50, 60, 70}, 3);
    ElencoGiocate elenco;
    ASSERT_TRUE(elenco.AssicuraCapacita(2));
    elenco.voce(1) = giocata({10, 40, 50}); // positions 1 4 5, in the reducer
    elenco.voce(2) = giocata({10, 20, 40});
    elenco.setConteggio(2);
    GeneratoreCasuale gen;
    EsecuzioneContinua continua;
    ParametriGaraPro p;
    p.garanzia = 2;
    p.fileRiduttori = file;
    ASSERT_TRUE(RiduzionePronosticoGaranzia(s, elenco, p, gen, continua).esito.confermata());
    const std::vector<Tipo_Giocata> giocate = Giocate(elenco);
    ASSERT_EQ(giocate.size(), 2U + 6U);
    EXPECT_EQ(giocate[2], giocata({10, 20, 30}));
    EXPECT_EQ(giocate[3], giocata({10, 60, 70}));
    EXPECT_EQ(std::count(giocate.begin(), giocate.end(), giocata({10, 40, 50})), 1);
}

TEST_F(RidGaranziaImmediati, GiocateRidotteDalRiduttore)
{
    Sistema s = Pronostico(Primi(7, 11), 3);
    ElencoGiocate elenco;
    Sviluppa(s, elenco);
    ParametriGaraGio p = ParametriGio(elenco, 2);
    p.immediati = true;
    p.fileRiduttori = file;
    GeneratoreCasuale gen;
    EsecuzioneContinua continua;
    const std::vector<Tipo_Giocata> prima = Giocate(elenco);
    ASSERT_TRUE(RiduzioneGiocateGaranzia(s, elenco, p, nullptr, gen, continua).esito.confermata());
    EXPECT_EQ(elenco.conteggio(), 7);
    EXPECT_EQ(elenco.voce(1), giocata({11, 12, 13}));
    for (const Tipo_Giocata& attuale : prima) {
        EXPECT_EQ(
            Scoperta(std::vector<std::uint8_t>(attuale.begin(), attuale.begin() + 3), 3, 2, Giocate(elenco)),
            "");
    }
}

// A damaged reducer commits nothing and leaves the modified flag as it was, whichever it was.
TEST_F(RidGaranziaImmediati, RiduttoreDanneggiato)
{
    auto byte = test::LeggiFile(file);
    byte.back() = static_cast<unsigned char>(byte.back() == 6 ? 5 : 6);
    test::ScriviFile(file, byte);
    for (bool modificato : {false, true}) {
        SCOPED_TRACE(modificato ? "modificato" : "salvato");
        {
            Sistema s = Pronostico(Primi(7), 3);
            s.modificato = modificato;
            ElencoGiocate elenco;
            GeneratoreCasuale gen;
            EsecuzioneContinua continua;
            ParametriGaraPro p;
            p.fileRiduttori = file;
            const EsitoGaranzia e = RiduzionePronosticoGaranzia(s, elenco, p, gen, continua);
            EXPECT_TRUE(e.riduttoreDanneggiato);
            EXPECT_FALSE(e.esito.confermata());
            EXPECT_FALSE(e.esito.messaggio.has_value());
            EXPECT_EQ(elenco.conteggio(), 0);
            EXPECT_EQ(s.modificato, modificato);
        }
        {
            Sistema s = Pronostico(Primi(7), 3);
            ElencoGiocate elenco;
            Sviluppa(s, elenco);
            s.modificato = modificato;
            const std::vector<Tipo_Giocata> prima = Giocate(elenco);
            ParametriGaraGio p = ParametriGio(elenco, 2);
            p.immediati = true;
            p.fileRiduttori = file;
            GeneratoreCasuale gen;
            EsecuzioneContinua continua;
            const EsitoGaranzia e = RiduzioneGiocateGaranzia(s, elenco, p, nullptr, gen, continua);
            EXPECT_TRUE(e.riduttoreDanneggiato);
            EXPECT_EQ(Giocate(elenco), prima);
            EXPECT_EQ(s.modificato, modificato);
        }
    }
}

TEST_F(RidGaranziaImmediati, StimaEModo)
{
    namespace mg = messaggi_garanzia;
    struct Caso
    {
        const char* nome;
        int n;
        int g;
        bool fisse;
        const char* giocate;
        const char* tipo;
    };
    const Caso casi[] = {
        {"riduttore presente", 7, 2, false, "Nº stimato di giocate: 7", mg::TipoImmediata},
        {"nessun riduttore", 8, 2, false, mg::StimaNonDisponibile, mg::TipoNonImmediata},
        {"controllo fisse", 7, 2, true, mg::StimaNonDisponibile, mg::TipoControlloFisse},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const StimaRiduzione st = StimaRiduttore(file, c.n, 3, c.g, c.fisse);
        EXPECT_EQ(st.giocate, c.giocate);
        EXPECT_EQ(st.tipo, c.tipo);
        EXPECT_EQ(ImmediatiAmmessi(file, c.n, 3, c.g, c.fisse), st.tipo == std::string(mg::TipoImmediata));
    }
}
