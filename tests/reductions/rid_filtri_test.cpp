#include "reductions/rid_filtri.h"

#include "editor/file_riduzioni.h"
#include "editor/sviluppo_integrale.h"
#include "support/controllo_prova.h"
#include "support/estrazione_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <vector>

namespace {

using test::Giocate;

Tipo_Giocata G(std::initializer_list<int> numeri)
{
    Tipo_Giocata g{};
    std::size_t i = 0;
    for (int n : numeri) {
        g[i++] = static_cast<std::uint8_t>(n);
    }
    return g;
}

GiocataFiltro Filtro(std::initializer_list<int> numeri, std::initializer_list<int> punteggi)
{
    GiocataFiltro f;
    for (int n : numeri) {
        f.numeri.aggiungi(n);
    }
    for (int p : punteggi) {
        f.punteggi = static_cast<std::uint16_t>(f.punteggi | (1U << p));
    }
    return f;
}

// An archive of random draws of the numbers 1..quanti whose wheels are now and then absent, dated one day
// apart.
ArchivioStorico ArchivioCasuale(int estrazioni, std::uint32_t seme, int quanti = 90)
{
    std::mt19937 caso(seme);
    ArchivioStorico archivio;
    std::vector<std::uint8_t> numeri(static_cast<std::size_t>(quanti));
    for (int i = 0; i < estrazioni; ++i) {
        Tipo_Estrazione e = test::estrazioneNumero(i);
        for (int w = 1; w <= RuoteArchivio; ++w) {
            const bool assente = caso() % 7 == 0;
            std::iota(numeri.begin(), numeri.end(), std::uint8_t{1});
            std::shuffle(numeri.begin(), numeri.end(), caso);
            for (int p = 1; p <= 5; ++p) {
                e.setNumero(w, p, assente ? 0 : numeri[static_cast<std::size_t>(p - 1)]);
            }
        }
        archivio.InserisciEstrazione(e);
    }
    return archivio;
}

// The score by its definition: the most numbers of the play drawn together on one chosen wheel of one of
// the draws da..a.
int PunteggioLetterale(const ArchivioStorico& archivio, const SegniRuote& ruote, const Tipo_Giocata& giocata,
                       std::int32_t da, std::int32_t a)
{
    const Maschera90 m = MascheraGiocata(giocata);
    int migliore = 0;
    for (std::int32_t i = std::max(da, 1); i <= a; ++i) {
        for (int w = 1; w <= RuoteArchivio; ++w) {
            if (!RuotaSelezionata(ruote, w) || !archivio.estrazione(i).haDati(w)) {
                continue;
            }
            int comuni = 0;
            for (int p = 1; p <= 5; ++p) {
                comuni += m.contiene(archivio.estrazione(i).numero(w, p)) ? 1 : 0;
            }
            migliore = std::max(migliore, comuni);
        }
    }
    return migliore;
}

bool AccettataLetterale(const ArchivioStorico& archivio, const SegniRuote& ruote,
                        const ConfrontiStorico& record, const Tipo_Giocata& giocata, std::int32_t riferimento)
{
    int errori = 0;
    for (const auto& c : record.confronti) {
        const int p =
            PunteggioLetterale(archivio, ruote, giocata, riferimento - c.estrazioni, riferimento - 1);
        errori += ((c.punteggi >> p) & 1U) == 0 ? 1 : 0;
    }
    return errori <= record.massimoErrori;
}

SegniRuote SoloRuote(std::initializer_list<int> ruote)
{
    SegniRuote segni{};
    for (int w : ruote) {
        segni[static_cast<std::size_t>(w - 1)] = 1;
    }
    return segni;
}

ConfrontiStorico ConfrontiDiProva()
{
    ConfrontiStorico record;
    record.confronti = {{3, 0b000011}, {20, 0b000110}, {60, 0b001100}};
    record.massimoErrori = 1;
    return record;
}

using test::ContaVerifiche;

using test::StopAl;

} // namespace

TEST(FiltroNumeri, GruppiIntervalliEGiocateFiltro)
{
    GiocateFiltro unaFiltro;
    unaFiltro.filtri = {Filtro({1, 2, 3, 4, 5}, {0, 1})};
    GiocateFiltro dueFiltri;
    dueFiltri.filtri = {Filtro({1, 2}, {0}), Filtro({3, 4}, {0})};
    dueFiltri.massimoErrori = 1;
    IntervalliNumeri treErrori = IntervalliNumeri::daBlocco(IntervalliNumeriPredefiniti());
    treErrori.massimoErrori = 2; // three intervals: erring on all three is still one too many
    GruppiFissi decine = GruppiFissi::daBlocco(FamigliaGruppi::Decine, DecinePredefinite());

    struct Caso
    {
        const char* nome;
        FiltroNumeri filtro;
        Tipo_Giocata giocata;
        bool accettata;
    };
    const FiltroNumeri intervalli =
        FiltroNumeri::DaIntervalli(IntervalliNumeri::daBlocco(IntervalliNumeriPredefiniti()));
    const std::vector<Caso> casi = {
        {"uno per intervallo", intervalli, G({5, 40, 70}), true},
        {"tre nel primo", intervalli, G({1, 2, 3}), false},
        {"errori oltre il massimo", FiltroNumeri::DaIntervalli(treErrori), G({1, 2, 3, 4}), false},
        {"errori entro il massimo", FiltroNumeri::DaIntervalli(treErrori), G({1, 2, 3, 40}), true},
        {"filtro punteggio 1", FiltroNumeri::DaGiocateFiltro(unaFiltro), G({1, 6, 7}), true},
        {"filtro punteggio 2", FiltroNumeri::DaGiocateFiltro(unaFiltro), G({1, 2, 8}), false},
        {"un filtro sbagliato su due", FiltroNumeri::DaGiocateFiltro(dueFiltri), G({1, 9}), true},
        {"due filtri sbagliati", FiltroNumeri::DaGiocateFiltro(dueFiltri), G({1, 3}), false},
        {"decine: una per decina", FiltroNumeri::DaGruppi(decine), G({1, 20, 81, 90 - 5}), false},
        {"decine: decine diverse", FiltroNumeri::DaGruppi(decine), G({1, 21, 90}), true},
    };
    for (const auto& c : casi) {
        EXPECT_EQ(c.filtro.accettata(MascheraGiocata(c.giocata)), c.accettata) << c.nome;
    }

    EXPECT_EQ(TestoMaschera(NumeriGruppo(FamigliaGruppi::Cadenze, 10)), "10 20 30 40 50 60 70 80 90");
    EXPECT_EQ(TestoMaschera(NumeriGruppo(FamigliaGruppi::Figure, 9)), "9 18 27 36 45 54 63 72 81 90");
    EXPECT_EQ(TestoMaschera(NumeriGruppo(FamigliaGruppi::Decine, 9)), "81 82 83 84 85 86 87 88 89 90");
    EXPECT_EQ(NumeriGruppo(FamigliaGruppi::Figure, 1).numeri(), 10);
    EXPECT_EQ(NumeriGruppo(FamigliaGruppi::Cadenze, 3).numeri(), 9);
}

TEST(RecordFiltri, BlocchiDannegiatiNonEsconoDalRecord)
{
    // Counts beyond the room of the record are held to it; the images of sound records come back whole.
    BloccoRecord<884> intervalli = IntervalliNumeriPredefiniti();
    EXPECT_EQ(IntervalliNumeri::daBlocco(intervalli).blocco(), intervalli);
    ScriviCampoInt32(intervalli, 0, 0x7fffffff);
    EXPECT_EQ(IntervalliNumeri::daBlocco(intervalli).intervalli.size(), IntervalliNumeri::Massimo);
    BloccoRecord<15160> filtri{};
    ScriviCampoInt32(filtri, 0, -5);
    ScriviCampoInt32(filtri, 4, -3);
    const GiocateFiltro letto = GiocateFiltro::daBlocco(filtri);
    EXPECT_TRUE(letto.filtri.empty());
    EXPECT_EQ(letto.massimoErrori, 0);
    const BloccoRecord<1508> confronti = ConfrontoStoricoPredefinito();
    const ConfrontiStorico c = ConfrontiStorico::daBlocco(confronti);
    ASSERT_EQ(c.confronti.size(), 3U);
    EXPECT_EQ(c.confronti[1].estrazioni, 100);
    EXPECT_EQ(c.confronti[1].punteggi, 0b1100);
    EXPECT_EQ(c.blocco(), confronti);
    const BloccoRecord<124> cadenze = CadenzePredefinite();
    const std::vector<std::uint8_t> byte = GruppiFissi::daBlocco(FamigliaGruppi::Cadenze, cadenze).byte();
    EXPECT_TRUE(std::equal(byte.begin(), byte.end(), cadenze.begin(), cadenze.end()));
}

TEST(FiltroConfronti, PunteggiComeLaDefinizione)
{
    const ArchivioStorico archivio = ArchivioCasuale(150, 7);
    const SegniRuote ruote = SoloRuote({1, 4, 11});
    const auto uscite = UsciteArchivio(archivio, ruote, 1, archivio.conteggio());
    std::mt19937 caso(11);
    std::vector<std::uint8_t> numeri(90);
    std::iota(numeri.begin(), numeri.end(), std::uint8_t{1});
    for (int prova = 0; prova < 400; ++prova) {
        const int k = 1 + prova % 10;
        std::shuffle(numeri.begin(), numeri.end(), caso);
        Tipo_Giocata g{};
        std::copy_n(numeri.begin(), k, g.begin());
        std::sort(g.begin(), g.begin() + k);
        const auto ultime = uscite->ultime(g.data(), k);
        for (const std::int32_t n : {1, 5, 40, 149, 150, 500}) {
            const std::int32_t riferimento = archivio.conteggio() + 1;
            ASSERT_EQ(FiltroConfronti::Punteggio(ultime, riferimento, n),
                      PunteggioLetterale(archivio, ruote, g, riferimento - n, riferimento - 1))
                << TestoGiocata(g) << " N " << n;
        }
    }
}

TEST(RiduzioneFiltro, PronosticoComeGiocateEComeLaDefinizione)
{
    const ArchivioStorico archivio = ArchivioCasuale(80, 3);
    GiocateFiltro filtri;
    filtri.filtri = {Filtro({1, 2, 3, 4, 5, 6}, {1, 2}), Filtro({7, 8, 9, 10, 11}, {0, 1}),
                     Filtro({12, 13}, {1})};
    filtri.massimoErrori = 1;
    IntervalliNumeri intervalli;
    intervalli.intervalli = {{1, 7, 0b0110}, {6, 14, 0b0110}};

    for (const int k : {1, 3, 4}) {
        Sistema sistema = test::PronosticoPrimi(14, k);
        sistema.ruote = SoloRuote({2, 7, 11});
        const std::vector<FiltroRiduzione> membri = {
            FiltroRiduzione::DaIntervalli(intervalli),
            FiltroRiduzione::DaGruppi(GruppiFissi::daBlocco(FamigliaGruppi::Figure, FigurePredefinite())),
            FiltroRiduzione::DaGiocateFiltro(filtri),
            FiltroRiduzione::DaConfronti(ConfrontiDiProva(), archivio, sistema.ruote),
        };
        for (const auto& filtro : membri) {
            SCOPED_TRACE(filtro.titoloCriteri() + std::string(" k ") + std::to_string(k));
            // The definition: every combination in order that the test accepts.
            std::vector<Tipo_Giocata> attese;
            CombinazioniPronostico(sistema.pronostico, k).perOgni([&](const Tipo_Giocata& g) {
                const bool ok = filtro.numeri() != nullptr
                                    ? filtro.numeri()->accettata(MascheraGiocata(g))
                                    : AccettataLetterale(archivio, sistema.ruote, ConfrontiDiProva(), g,
                                                         archivio.conteggio() + 1);
                if (ok) {
                    attese.push_back(g);
                }
                return true;
            });
            ASSERT_FALSE(attese.empty());

            ElencoGiocate generate;
            EsecuzioneContinua continua;
            Sistema s1 = sistema;
            ASSERT_TRUE(
                RiduzioneFiltro(s1, generate, filtro, ModoFiltro::Pronostico, false, continua).confermata());
            EXPECT_EQ(Giocate(generate), attese);

            // The plays mode keeps the same plays (in another order) and the analysis counts them.
            ElencoGiocate filtrate;
            Sistema s2 = sistema;
            test::Sviluppa(s2, filtrate);
            ConteggiAnalisi conteggi;
            AnalisiFiltroGiocate(s2, filtrate, filtro, ModoFiltro::Giocate, false, conteggi, continua);
            EXPECT_EQ(conteggi.valide, static_cast<std::int64_t>(attese.size()));
            ASSERT_TRUE(
                RiduzioneFiltro(s2, filtrate, filtro, ModoFiltro::Giocate, false, continua).confermata());
            EXPECT_TRUE(s2.modificato);
            auto tenute = Giocate(filtrate);
            std::sort(tenute.begin(), tenute.end());
            EXPECT_EQ(tenute, attese);
        }
    }
}

TEST(RiduzioneFiltro, FisseDuplicatiInterruzioneENessunRisultato)
{
    GiocateFiltro filtri;
    filtri.filtri = {Filtro({1, 2, 3}, {1})};
    const FiltroRiduzione filtro = FiltroRiduzione::DaGiocateFiltro(filtri);
    EsecuzioneContinua continua;

    // Fixed number 4: only plays holding it and one of 1, 2, 3.
    Sistema fisse = test::PronosticoPrimi(8, 3, {4});
    ElencoGiocate elenco;
    ASSERT_TRUE(RiduzioneFiltro(fisse, elenco, filtro, ModoFiltro::Pronostico, true, continua).confermata());
    for (const auto& g : Giocate(elenco)) {
        EXPECT_TRUE(std::find(g.begin(), g.begin() + 3, 4) != g.begin() + 3) << TestoGiocata(g);
    }
    EXPECT_EQ(elenco.conteggio(), 3 * 4); // the 4, one of 1..3, one of 5..8
    // A second run adds nothing new: every candidate is already there.
    const EsitoRiduzione ancora =
        RiduzioneFiltro(fisse, elenco, filtro, ModoFiltro::Pronostico, true, continua);
    EXPECT_EQ(ancora.codice, CodiceRiduzione::NessunRisultato);
    ASSERT_TRUE(ancora.messaggio.has_value());
    EXPECT_EQ(ancora.messaggio->testo, messaggi_filtro::NessunaNuovaGiocata);

    // A stop in plays mode leaves every play in the list.
    Sistema grande = test::PronosticoPrimi(20, 4);
    ElencoGiocate tutte;
    test::Sviluppa(grande, tutte);
    StopAl stop(3);
    EXPECT_EQ(RiduzioneFiltro(grande, tutte, filtro, ModoFiltro::Giocate, false, stop).codice,
              CodiceRiduzione::Interrotta);
    EXPECT_EQ(tutte.conteggio(), 4845);

    // Nothing kept: the list stays empty with the message.
    GiocateFiltro impossibile;
    impossibile.filtri = {Filtro({1}, {5})};
    const EsitoRiduzione vuoto = RiduzioneFiltro(grande, tutte, FiltroRiduzione::DaGiocateFiltro(impossibile),
                                                 ModoFiltro::Giocate, false, continua);
    EXPECT_EQ(vuoto.codice, CodiceRiduzione::NessunRisultato);
    EXPECT_EQ(tutte.conteggio(), 0);
    ASSERT_TRUE(vuoto.messaggio.has_value());
    EXPECT_EQ(vuoto.messaggio->testo, messaggi_filtro::TutteEliminate);
}

TEST(AnalisiFiltroStorica, ConfrontiGiudicanoOgniBersaglioSulleEstrazioniPrecedenti)
{
    const ArchivioStorico archivio = ArchivioCasuale(90, 5);
    const SegniRuote ruote = SoloRuote({3, 5});
    ConfrontiStorico record = ConfrontiDiProva();
    record.massimoErrori = 0;
    const FiltroRiduzione filtro = FiltroRiduzione::DaConfronti(record, archivio, ruote);
    for (int dimensione = 0; dimensione < CampioneStorico::Dimensioni; ++dimensione) {
        const CampioneStorico campione(archivio, CampioneStorico::SceltaTutte, dimensione);
        ConteggiAnalisi conteggi;
        EsecuzioneContinua continua;
        AnalisiFiltroStorica(campione, filtro, conteggi, continua);

        ConteggiAnalisi attesi(3);
        campione.perOgni([&](const Tipo_Giocata& g, std::int32_t t) {
            if (t <= 60) {
                return true; // the window of the largest comparison would reach before the archive
            }
            ++attesi.esaminate;
            int errori = 0;
            for (std::size_t c = 0; c < record.confronti.size() && errori <= 0; ++c) {
                const auto& conf = record.confronti[c];
                const int p = PunteggioLetterale(archivio, ruote, g, t - conf.estrazioni, t - 1);
                if (((conf.punteggi >> p) & 1U) == 0) {
                    ++attesi.nonRispettate[c];
                    ++errori;
                }
            }
            attesi.valide += errori == 0 ? 1 : 0;
            return true;
        });
        EXPECT_EQ(conteggi.esaminate, attesi.esaminate) << dimensione;
        EXPECT_EQ(conteggi.valide, attesi.valide) << dimensione;
        EXPECT_EQ(conteggi.nonRispettate, attesi.nonRispettate) << dimensione;
    }
}

// Few windows are judged through masks of the numbers drawn in them, more than eight through the last
// draw of every set: both keep the plays of the definition, with and without fixed numbers, poll on
// every 64th candidate like any walk, and a stop adds nothing.
TEST(RiduzioneFiltro, ConfrontiComeLaDefinizioneInOgniCammino)
{
    // Draws of the numbers 1..12 only, so that plays of the prediction score up to 5.
    const ArchivioStorico archivio = ArchivioCasuale(120, 9, 12);
    struct Caso
    {
        const char* nome;
        std::vector<ConfrontoStorico> confronti;
        std::int32_t massimoErrori;
    };
    const std::vector<Caso> casi = {
        {"tre finestre", {{3, 0b000011}, {20, 0b000110}, {60, 0b001100}}, 0},
        {"un errore", {{3, 0b000011}, {20, 0b000110}, {60, 0b001100}}, 1},
        {"tratti separati e il cinque", {{5, 0b010101}, {5, 0b100001}, {40, 0b101110}}, 1},
        {"una finestra, errori oltre una cifra",
         {{10, 1}, {10, 2}, {10, 4}, {10, 8}, {10, 16}, {10, 32}, {30, 0b111100}},
         5},
        {"oltre l'archivio", {{500, 0b110000}}, 0},
        {"nove finestre",
         {{1, 0b11},
          {2, 0b11},
          {3, 0b111},
          {4, 0b111},
          {5, 0b1110},
          {6, 0b1110},
          {8, 0b11100},
          {13, 0b11100},
          {21, 0b111000}},
         2},
    };
    for (const Caso& caso : casi) {
        ConfrontiStorico record;
        record.confronti = caso.confronti;
        record.massimoErrori = caso.massimoErrori;
        for (const int k : {2, 5, 6}) {
            for (const bool conFissa : {false, true}) {
                SCOPED_TRACE(std::string(caso.nome) + " k " + std::to_string(k) +
                             (conFissa ? " fissa 4" : ""));
                Sistema sistema = conFissa ? test::PronosticoPrimi(14, k, {4}) : test::PronosticoPrimi(14, k);
                sistema.ruote = SoloRuote({1, 4, 9});
                const FiltroRiduzione filtro = FiltroRiduzione::DaConfronti(record, archivio, sistema.ruote);
                std::vector<Tipo_Giocata> attese;
                std::int64_t candidati = 0;
                CombinazioniPronostico(sistema.pronostico, k).perOgni([&](const Tipo_Giocata& g) {
                    ++candidati;
                    const bool fissa = !conFissa || std::find(g.begin(), g.begin() + k, 4) != g.begin() + k;
                    if (fissa &&
                        AccettataLetterale(archivio, sistema.ruote, record, g, archivio.conteggio() + 1)) {
                        attese.push_back(g);
                    }
                    return true;
                });

                ElencoGiocate generate;
                ContaVerifiche conta;
                Sistema copia = sistema;
                const EsitoRiduzione esito =
                    RiduzioneFiltro(copia, generate, filtro, ModoFiltro::Pronostico, conFissa, conta);
                EXPECT_EQ(Giocate(generate), attese);
                EXPECT_EQ(esito.codice,
                          attese.empty() ? CodiceRiduzione::NessunRisultato : CodiceRiduzione::Completata);
                EXPECT_EQ(conta.polls, candidati / IntervalloVerificaCombinazioni);

                ElencoGiocate fermate;
                StopAl stop(1);
                Sistema ferma = sistema;
                EXPECT_EQ(
                    RiduzioneFiltro(ferma, fermate, filtro, ModoFiltro::Pronostico, conFissa, stop).codice,
                    CodiceRiduzione::Interrotta);
                EXPECT_EQ(fermate.conteggio(), 0);
            }
        }
    }
}
