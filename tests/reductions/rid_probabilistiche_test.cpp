#include "reductions/rid_probabilistiche.h"

#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/estrazione_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

using M = MembroProbabilistico;

Tipo_Giocata G(std::initializer_list<int> numeri)
{
    Tipo_Giocata g{};
    std::size_t i = 0;
    for (int n : numeri) {
        g[i++] = static_cast<std::uint8_t>(n);
    }
    return g;
}

ArchivioStorico ArchivioCasuale(int estrazioni, std::uint32_t seme)
{
    std::mt19937 caso(seme);
    ArchivioStorico archivio;
    std::vector<std::uint8_t> numeri(90);
    for (int i = 0; i < estrazioni; ++i) {
        Tipo_Estrazione e = test::estrazioneNumero(i);
        for (int w = 1; w <= RuoteArchivio; ++w) {
            const bool assente = caso() % 9 == 0;
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

SegniRuote Ruote(std::initializer_list<int> ruote)
{
    SegniRuote segni{};
    for (int w : ruote) {
        segni[static_cast<std::size_t>(w - 1)] = 1;
    }
    return segni;
}

FileIntervalli Intervalli(std::initializer_list<std::pair<double, double>> lista)
{
    FileIntervalli iv;
    for (const auto& [a, b] : lista) {
        iv.minimi[static_cast<std::size_t>(iv.numero)] = a;
        iv.massimi[static_cast<std::size_t>(iv.numero++)] = b;
    }
    return iv;
}

ImpostazioniProbabilistiche Nuove(M membro)
{
    RecordRiduzioni record;
    test::ArchivioMemoria store;
    test::CartellaTemporanea cartella;
    (void)CaricaRecordRiduzioni(cartella.cartella(), store, record);
    return ImpostazioniProbabilistiche::DalRecord(membro, record);
}

// The delay of every number by its definition before target draw t (draws 1..t-1), smallest over the
// selected archive wheels.
std::array<std::int32_t, 90> RitardiLetterali(const ArchivioStorico& a, const SegniRuote& ruote,
                                              std::int32_t t)
{
    std::array<std::int32_t, 90> d{};
    for (int n = 1; n <= 90; ++n) {
        std::int32_t minimo = 10000000;
        for (int w = 1; w <= RuoteArchivio; ++w) {
            if (!RuotaSelezionata(ruote, w)) {
                continue;
            }
            std::int32_t j = 0;
            for (std::int32_t i = 1; i < t; ++i) {
                for (int p = 1; p <= 5; ++p) {
                    j = a.estrazione(i).numero(w, p) == n ? i : j;
                }
            }
            minimo = std::min(minimo, (t - 1) - j);
        }
        d[static_cast<std::size_t>(n - 1)] = minimo;
    }
    return d;
}

std::array<std::int32_t, 90> FrequenzeLetterali(const ArchivioStorico& a, const SegniRuote& ruote,
                                                std::int32_t da, std::int32_t fino)
{
    std::array<std::int32_t, 90> f{};
    for (std::int32_t i = std::max(da, 1); i <= fino; ++i) {
        for (int w = 1; w <= RuoteArchivio; ++w) {
            for (int p = 1; p <= 5 && RuotaSelezionata(ruote, w); ++p) {
                const int x = a.estrazione(i).numero(w, p);
                if (x != 0) {
                    ++f[static_cast<std::size_t>(x - 1)];
                }
            }
        }
    }
    return f;
}

using test::StopAl;

} // namespace

TEST(AccettaProbabilistiche, MessaggiEValori)
{
    struct Caso
    {
        M membro;
        std::vector<RigaIntervallo> righe;
        std::string estrazioni;
        std::string atteso; // empty: accepted
    };
    const std::vector<Caso> casi = {
        {M::ProbabilitaRitardi,
         {{"30", "20"}},
         "",
         "La probabilità minima dell'intervallo nº 1 è maggiore di quella massima."},
        {M::Ritardi,
         {{"30", "20"}},
         "",
         "Il ritardo minimo dell'intervallo nº 1 è maggiore di quello massimo."},
        {M::Frequenze,
         {{"", ""}, {"5", "x"}},
         "10",
         "La frequenza massima dell'intervallo nº 2 non è valida."},
        {M::ProbabilitaPersonali,
         {{"100.5", "100"}},
         "",
         "La probabilità minima dell'intervallo nº 1 non è valida."},
        {M::Ritardi, {{" ", ""}}, "", "Inserire almeno un intervallo consentito."},
        {M::ProbabilitaFrequenze,
         {{"1", "2"}},
         "0",
         "Il numero di estrazioni non è valido.\rInserire un valore compreso tra 1 e 40"},
        {M::Frequenze,
         {{"1", "2"}},
         "41",
         "Il numero di estrazioni non è valido.\rInserire un valore compreso tra 1 e 40"},
        {M::ProbabilitaRitardi, {{"12,5", " 28 "}, {"", ""}, {"0", "0"}}, "", ""},
        {M::Frequenze, {{"100", "100"}}, "40", ""},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.atteso);
        ImpostazioniProbabilistiche imp = Nuove(caso.membro);
        imp.estrazioni = 7;
        const ImpostazioniProbabilistiche prima = imp;
        ParametriProbabilistici parametri;
        parametri.criterio = 2;
        parametri.righe = caso.righe;
        parametri.estrazioni = caso.estrazioni;
        parametri.personali.assign(90, "50");
        const EsitoProbabilistico esito = AccettaProbabilistiche(imp, parametri, 40);
        EXPECT_EQ(esito.ok, caso.atteso.empty());
        if (!caso.atteso.empty()) {
            ASSERT_TRUE(esito.messaggio.has_value());
            EXPECT_EQ(esito.messaggio->testo, caso.atteso);
            EXPECT_EQ(esito.messaggio->titolo, "Attenzione");
            // Nothing half-changed: the intervals and criterion stand; a refused span becomes 100.
            EXPECT_EQ(imp.intervalli.numero, prima.intervalli.numero);
            EXPECT_EQ(imp.criterio, prima.criterio);
            EXPECT_EQ(imp.estrazioni, esito.fuoco == FuocoProbabilistico::Estrazioni ? 100 : 7);
        }
    }
    ImpostazioniProbabilistiche imp = Nuove(M::ProbabilitaRitardi);
    ParametriProbabilistici parametri;
    parametri.criterio = 1;
    parametri.righe = {{"12,5", " 28 "}, {"", ""}, {"0", "0"}};
    ASSERT_TRUE(AccettaProbabilistiche(imp, parametri, 40).ok);
    EXPECT_EQ(imp.criterio, 1);
    ASSERT_EQ(imp.intervalli.numero, 2);
    EXPECT_EQ(imp.intervalli.minimi[0], 12.5);
    EXPECT_EQ(imp.intervalli.massimi[1], 0.0);

    // A custom score out of range names its number and leaves the scores as they were.
    ImpostazioniProbabilistiche per = Nuove(M::ProbabilitaPersonali);
    parametri.personali.assign(90, "10");
    parametri.personali[2] = "100.5";
    const EsitoProbabilistico esito = AccettaProbabilistiche(per, parametri, 40);
    ASSERT_TRUE(esito.messaggio.has_value());
    EXPECT_EQ(esito.messaggio->testo,
              "La probabilità del numero 3 non è valida.\rIndicare un numero compreso tra 0 e 100.");
    EXPECT_EQ(esito.fuoco, FuocoProbabilistico::Punteggi);
    EXPECT_EQ(per.personali[0], 50.0);
}

TEST(ImpostazioniProbabilistiche, BlocchiPredefinitiDannegiatiEViaggio)
{
    // New systems: [7, 28], [40, 65] over 200 draws, [75, 100] with scores 50, no interval for the raw ones.
    EXPECT_EQ(Nuove(M::ProbabilitaRitardi).intervalli.massimi[0], 28.0);
    EXPECT_EQ(Nuove(M::ProbabilitaFrequenze).estrazioni, 200);
    EXPECT_EQ(Nuove(M::ProbabilitaPersonali).personali[89], 50.0);
    EXPECT_EQ(Nuove(M::Frequenze).estrazioni, 100);
    EXPECT_EQ(Nuove(M::Ritardi).intervalli.numero, 0);
    EXPECT_FALSE(Nuove(M::Ritardi).cacheCalcolata);

    for (const M membro : MembriProbabilistici) {
        ImpostazioniProbabilistiche imp = Nuove(membro);
        imp.intervalli = Intervalli({{1.5, 2.5}, {3, 99}});
        imp.criterio = MembroDiRitardi(membro) || MembroDiFrequenze(membro) ? 2 : 0;
        imp.criterio = membro == M::Ritardi || membro == M::Frequenze ? 0 : imp.criterio;
        imp.cacheCalcolata = true;
        std::iota(imp.cache.begin(), imp.cache.end(), 5);
        imp.personali[4] = 12.25;
        RecordRiduzioni record;
        imp.scriviIn(record);
        const auto letto = ImpostazioniProbabilistiche::DalRecord(membro, record);
        EXPECT_FALSE(letto.corretto);
        EXPECT_EQ(letto.intervalli.minimi, imp.intervalli.minimi);
        EXPECT_EQ(letto.intervalli.numero, 2);
        if (membro == M::ProbabilitaPersonali) {
            EXPECT_EQ(letto.personali[4], 12.25);
        } else {
            EXPECT_TRUE(letto.cacheCalcolata);
            EXPECT_EQ(letto.cache, imp.cache);
        }
    }

    // A change of wheels marks every cache not computed, and leaves the rest of the blocks alone.
    RecordRiduzioni conCache;
    for (const M membro : {M::ProbabilitaRitardi, M::ProbabilitaFrequenze, M::Frequenze, M::Ritardi}) {
        ImpostazioniProbabilistiche imp = Nuove(membro);
        imp.cacheCalcolata = true;
        imp.cache.fill(4);
        imp.scriviIn(conCache);
    }
    SegnaCacheDaCalcolare(conCache);
    for (const M membro : {M::ProbabilitaRitardi, M::ProbabilitaFrequenze, M::Frequenze, M::Ritardi}) {
        const auto letto = ImpostazioniProbabilistiche::DalRecord(membro, conCache);
        EXPECT_FALSE(letto.cacheCalcolata);
        EXPECT_EQ(letto.intervalli.numero, Nuove(membro).intervalli.numero);
    }

    // Damaged blocks read as the defaults, never indexed by their counts.
    RecordRiduzioni record;
    ScriviCampoInt32(record.ritardi, 0, 101);
    record.probabilitaRitardi[0] = 7;
    ScriviCampoInt32(record.probabilitaRitardi, 4, 1);
    ScriviCampoDouble(record.probabilitaRitardi, 8, std::nan(""));
    ScriviCampoInt32(record.frequenze, 0, -3);
    ScriviCampoDouble(record.probabilitaPersonali, 1608 + 8, std::numeric_limits<double>::infinity());
    const auto rit = ImpostazioniProbabilistiche::DalRecord(M::Ritardi, record);
    EXPECT_TRUE(rit.corretto);
    EXPECT_EQ(rit.intervalli.numero, 0);
    const auto probaRit = ImpostazioniProbabilistiche::DalRecord(M::ProbabilitaRitardi, record);
    EXPECT_EQ(probaRit.criterio, 0);
    EXPECT_EQ(probaRit.intervalli.numero, 0);
    EXPECT_EQ(ImpostazioniProbabilistiche::DalRecord(M::Frequenze, record).estrazioni, 100);
    EXPECT_EQ(ImpostazioniProbabilistiche::DalRecord(M::ProbabilitaPersonali, record).personali[1], 50.0);
}

TEST(GiudizioProbabilistico, ValoriIntervalliEContenitori)
{
    // The default [7, 28] holds both ends.
    std::array<double, 90> punteggi{};
    punteggi[0] = 7;
    punteggi[1] = 28;
    punteggi[2] = 6.99;
    const GiudizioProbabilistico difetto(punteggi, Intervalli({{7, 28}}));
    EXPECT_TRUE(difetto.accettata(G({1})));
    EXPECT_TRUE(difetto.accettata(G({2})));
    EXPECT_FALSE(difetto.accettata(G({3})));
    EXPECT_FALSE(difetto.accettata(G({3, 4})));

    // 4 17 60 with frequencies 10, 12, 17: value 13, inside [13, 20].
    ImpostazioniProbabilistiche fre = Nuove(M::Frequenze);
    fre.cacheCalcolata = true;
    fre.cache[3] = 10;
    fre.cache[16] = 12;
    fre.cache[59] = 17;
    const GiudizioProbabilistico g(ValoriNumeri(fre), Intervalli({{13, 20}}));
    EXPECT_EQ(g.valore(G({4, 17, 60})), 13.0);
    EXPECT_TRUE(g.accettata(G({4, 17, 60})));

    // Equal delays: every score 0, only an interval holding 0 lets plays pass. A mean delay above 100
    // never passes.
    ImpostazioniProbabilistiche rit = Nuove(M::ProbabilitaRitardi);
    rit.cacheCalcolata = true;
    rit.cache.fill(150);
    EXPECT_FALSE(GiudizioProbabilistico(ValoriNumeri(rit), Intervalli({{0.5, 100}})).accettata(G({1, 2})));
    EXPECT_TRUE(
        GiudizioProbabilistico(ValoriNumeri(rit), Intervalli({{0.5, 100}, {0, 0}})).accettata(G({1, 2})));
    ImpostazioniProbabilistiche grezzi = Nuove(M::Ritardi);
    grezzi.cache = rit.cache;
    EXPECT_FALSE(GiudizioProbabilistico(ValoriNumeri(grezzi), Intervalli({{0, 100}})).accettata(G({1, 2})));

    // Overlapping and unordered intervals judge as the union.
    std::array<double, 90> passo{};
    std::iota(passo.begin(), passo.end(), 0.0);
    const GiudizioProbabilistico unione(passo, Intervalli({{50, 60}, {10, 20}, {15, 30}, {70, 70}}));
    for (int v = 0; v < 90; ++v) {
        const bool atteso = (v >= 10 && v <= 30) || (v >= 50 && v <= 60) || v == 70;
        EXPECT_EQ(unione.accettata(G({v + 1})), atteso) << v;
    }

    // Bins: halves to the even neighbour.
    for (const auto& [v, bin] : std::vector<std::pair<double, std::int64_t>>{
             {12.5, 12}, {13.5, 14}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {0.49, 0}, {99.5, 100}, {12.51, 13}}) {
        EXPECT_EQ(IstogrammaProbabilistico::ContenitoreVicino(v), bin) << v;
    }
    IstogrammaProbabilistico scala(101);
    scala.aggiungi(100.0);
    scala.aggiungi(-0.1);
    scala.aggiungi(100.2);
    EXPECT_EQ(scala.conteggi[100], 1);
    EXPECT_EQ(std::accumulate(scala.conteggi.begin(), scala.conteggi.end(), std::int64_t{0}), 1);
    EXPECT_EQ(scala.mostrati(true), std::make_pair(0, 100));
    IstogrammaProbabilistico grezza(10001);
    EXPECT_EQ(grezza.mostrati(false), std::make_pair(0, 10));
    grezza.aggiungi(40.2);
    grezza.aggiungi(55);
    EXPECT_EQ(grezza.mostrati(false), std::make_pair(39, 56));
    grezza.aggiungi(3);
    EXPECT_EQ(grezza.mostrati(false), std::make_pair(2, 56));
}

TEST(RiduzioneProbabilistica, PronosticoGiocateAnalisiComeLaDefinizione)
{
    const ArchivioStorico archivio = ArchivioCasuale(60, 5);
    for (const M membro : MembriProbabilistici) {
        for (const int k : {1, 3, 4}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(membro)) + " k " + std::to_string(k));
            Sistema sistema = test::PronosticoPrimi(16, k);
            sistema.ruote = Ruote({2, 5, 11});
            ImpostazioniProbabilistiche imp = Nuove(membro);
            imp.estrazioni = 9;
            for (std::size_t n = 0; n < 90; ++n) {
                imp.personali[n] = static_cast<double>((n * 37) % 101);
            }
            CompletaCache(imp, archivio, sistema.ruote);
            imp.intervalli =
                MembroInScala(membro) ? Intervalli({{20, 45.5}, {60, 70}}) : Intervalli({{2, 4.5}, {10, 14}});
            if (membro == M::Ritardi) {
                imp.intervalli = Intervalli({{3, 7}});
            }
            const auto valori = ValoriNumeri(imp);
            const GiudizioProbabilistico giudizio(valori, imp.intervalli);
            std::vector<Tipo_Giocata> attese;
            CombinazioniPronostico(sistema.pronostico, k).perOgni([&](const Tipo_Giocata& g) {
                // The plain definition: the mean of the values, any interval with both ends.
                const double p = ProbabilitaGiocata(g, valori);
                for (std::int32_t j = 0; j < imp.intervalli.numero; ++j) {
                    const auto u = static_cast<std::size_t>(j);
                    if (imp.intervalli.minimi[u] <= p && p <= imp.intervalli.massimi[u]) {
                        attese.push_back(g);
                        break;
                    }
                }
                return true;
            });
            ASSERT_FALSE(attese.empty());

            EsecuzioneContinua continua;
            ElencoGiocate generate;
            Sistema s1 = sistema;
            ASSERT_TRUE(
                RiduzioneProbabilistica(s1, generate, giudizio, ModoFiltro::Pronostico, false, continua)
                    .confermata());
            EXPECT_EQ(test::Giocate(generate), attese);

            ElencoGiocate filtrate;
            Sistema s2 = sistema;
            test::Sviluppa(s2, filtrate);
            IstogrammaProbabilistico istogramma(ContenitoriDelMembro(membro));
            AnalisiProbabilisticaGiocate(s2, filtrate, giudizio, ModoFiltro::Giocate, false, istogramma,
                                         continua);
            EXPECT_EQ(istogramma.totali.valide, static_cast<std::int64_t>(attese.size()));
            IstogrammaProbabilistico dalPronostico(ContenitoriDelMembro(membro));
            AnalisiProbabilisticaGiocate(s2, filtrate, giudizio, ModoFiltro::Pronostico, false, dalPronostico,
                                         continua);
            EXPECT_EQ(dalPronostico.conteggi, istogramma.conteggi);
            ASSERT_TRUE(RiduzioneProbabilistica(s2, filtrate, giudizio, ModoFiltro::Giocate, false, continua)
                            .confermata());
            auto tenute = test::Giocate(filtrate);
            std::sort(tenute.begin(), tenute.end());
            EXPECT_EQ(tenute, attese);
        }
    }
}

TEST(RiduzioneProbabilistica, FisseInterruzioneENessunRisultato)
{
    std::array<double, 90> valori{};
    std::iota(valori.begin(), valori.end(), 1.0);
    const GiudizioProbabilistico giudizio(valori, Intervalli({{4, 6}}));
    EsecuzioneContinua continua;

    // Fixed 5 among plays of 2 with mean 4..6: {3,5} {4,5} {5,6} {5,7}.
    Sistema fisse = test::PronosticoPrimi(10, 2, {5});
    ElencoGiocate elenco;
    ASSERT_TRUE(RiduzioneProbabilistica(fisse, elenco, giudizio, ModoFiltro::Pronostico, true, continua)
                    .confermata());
    EXPECT_EQ(test::Giocate(elenco), (std::vector{G({3, 5}), G({4, 5}), G({5, 6}), G({5, 7})}));
    IstogrammaProbabilistico analisi(101);
    AnalisiProbabilisticaGiocate(fisse, elenco, giudizio, ModoFiltro::Pronostico, true, analisi, continua);
    EXPECT_EQ(analisi.totali.valide, 4);
    EXPECT_EQ(std::accumulate(analisi.conteggi.begin(), analisi.conteggi.end(), std::int64_t{0}), 9);
    const EsitoRiduzione ancora =
        RiduzioneProbabilistica(fisse, elenco, giudizio, ModoFiltro::Pronostico, true, continua);
    ASSERT_TRUE(ancora.messaggio.has_value());
    EXPECT_EQ(ancora.messaggio->testo, messaggi_filtro::NessunaNuovaGiocata);

    Sistema grande = test::PronosticoPrimi(20, 4);
    ElencoGiocate tutte;
    test::Sviluppa(grande, tutte);
    const auto prima = test::Giocate(tutte);
    StopAl stop(3);
    EXPECT_EQ(RiduzioneProbabilistica(grande, tutte, giudizio, ModoFiltro::Giocate, false, stop).codice,
              CodiceRiduzione::Interrotta);
    auto dopo = test::Giocate(tutte);
    std::sort(dopo.begin(), dopo.end());
    EXPECT_EQ(dopo, prima);

    const GiudizioProbabilistico impossibile(valori, Intervalli({{95, 100}}));
    const EsitoRiduzione vuoto =
        RiduzioneProbabilistica(grande, tutte, impossibile, ModoFiltro::Giocate, false, continua);
    EXPECT_EQ(vuoto.codice, CodiceRiduzione::NessunRisultato);
    EXPECT_EQ(tutte.conteggio(), 0);
}

TEST(AnalisiProbabilisticaStorica, RitardiEFrequenzeComeUnRicalcoloLetterale)
{
    const ArchivioStorico archivio = ArchivioCasuale(330, 11);
    const SegniRuote ruote = Ruote({3, 11, 12});
    // The caches of the dialogs: delays as the statistics give them, N = 1 the last draw alone.
    EXPECT_EQ(RitardiSelezionati(archivio, ruote), RitardiLetterali(archivio, ruote, 331));
    EXPECT_EQ(FrequenzeUltime(archivio, ruote, 1), FrequenzeLetterali(archivio, ruote, 330, 330));

    for (const M membro : MembriProbabilistici) {
        SCOPED_TRACE(static_cast<int>(membro));
        ImpostazioniProbabilistiche imp = Nuove(membro);
        imp.estrazioni = 7;
        imp.criterio = 2;
        imp.intervalli = MembroInScala(membro) ? Intervalli({{30, 60}}) : Intervalli({{2, 5}});
        if (membro == M::Ritardi) {
            imp.intervalli = Intervalli({{1, 3}});
        }
        // The plain replay: every target draw recomputes its values from scratch.
        IstogrammaProbabilistico atteso(ContenitoriDelMembro(membro));
        const std::int32_t primo = MembroDiRitardi(membro) ? 300 : MembroDiFrequenze(membro) ? 8 : 1;
        for (std::int32_t t = primo; t <= archivio.conteggio(); ++t) {
            std::array<double, 90> valori = imp.personali;
            if (MembroDiRitardi(membro)) {
                valori = ValoriDaGrezzi(membro, imp.criterio, RitardiLetterali(archivio, ruote, t));
            } else if (MembroDiFrequenze(membro)) {
                valori =
                    ValoriDaGrezzi(membro, imp.criterio, FrequenzeLetterali(archivio, ruote, t - 7, t - 1));
            }
            const GiudizioProbabilistico giudizio(valori, imp.intervalli);
            for (int w = 1; w <= RuoteArchivio; ++w) {
                if (!RuotaSelezionata(ruote, w) || !archivio.estrazione(t).haDati(w)) {
                    continue;
                }
                Tipo_Giocata g{};
                for (int p = 1; p <= 5; ++p) {
                    g[static_cast<std::size_t>(p - 1)] = archivio.estrazione(t).numero(w, p);
                }
                atteso.aggiungi(giudizio.valore(g));
                ++atteso.totali.esaminate;
                atteso.totali.valide += giudizio.accettata(g) ? 1 : 0;
            }
        }
        ASSERT_GT(atteso.totali.valide, 0);
        EsecuzioneContinua continua;
        IstogrammaProbabilistico istogramma(ContenitoriDelMembro(membro));
        AnalisiProbabilisticaStorica(archivio, ruote, imp, istogramma, continua);
        EXPECT_EQ(istogramma.conteggi, atteso.conteggi);
        EXPECT_EQ(istogramma.totali.valide, atteso.totali.valide);
        EXPECT_EQ(istogramma.totali.esaminate, atteso.totali.esaminate);
    }
}
