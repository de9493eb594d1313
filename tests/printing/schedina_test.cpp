#include "printing/schedina.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace stampa;

TEST(ScomponiImporto, CaselleDelleGiocate)
{
    // Box columns 0..12: 200, 100, 50, 20, 10, 5, 3, 2, 1, 0.50, 0.20, 0.10, 0.05.
    struct Riga
    {
        const char* nome;
        double importo;
        std::vector<int> colonne;
        bool stampabile;
    };
    const std::vector<Riga> righe = {
        {"0,35", 0.35, {10, 11, 12}, true},
        {"4", 4.0, {6, 8}, true},
        {"0,15", 0.15, {11, 12}, true},
        {"0,30", 0.30, {10, 11}, true},
        {"massimo 391,85", 391.85, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, true},
        {"400 oltre il massimo", 400.0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, false},
        {"0,07 senza casella", 0.07, {12}, false},
        {"1,10 con il binario inesatto", 1.1, {8, 11}, true},
        {"zero", 0.0, {}, true},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const ImportoScomposto s = ScomponiImporto(r.importo);
        std::vector<int> colonne;
        for (int c = 0; c < 13; ++c) {
            if (s.caselle[static_cast<std::size_t>(c)]) {
                colonne.push_back(c);
            }
        }
        EXPECT_EQ(colonne, r.colonne);
        EXPECT_EQ(s.stampabile, r.stampabile);
    }
    EXPECT_FALSE(ScomponiImporto(-1).stampabile);
}

TEST(PosizioneSegno, TavoleDelleSchedine)
{
    using M = ModelloSchedina;
    using O = Orientamento;
    struct Riga
    {
        const char* nome;
        M modello;
        O orientamento;
        int tipo, a;
        double x, y;
    };
    const std::vector<Riga> righe = {
        {"90 verticale", M::Simbolotto, O::Verticale, tipo::Numero, 90, 63.0, 55.2},
        {"90 orizzontale", M::Simbolotto, O::Orizzontale, tipo::Numero, 90, 56.2, 21.0},
        {"1 orizzontale", M::Mdn, O::Orizzontale, tipo::Numero, 1, 1.0, 84.0},
        {"Tutte in 11", M::Simbolotto, O::Verticale, tipo::Ruota, 11, 83.0, -0.3 + 10 * 5.18},
        {"Nazionale in 12 orizzontale", M::Mdn, O::Orizzontale, tipo::Ruota, 12, 11 * 5.18, 0.7},
        {"ambo 0,20", M::Simbolotto, O::Verticale, 4, 11, 14.1 + 10 * 5.75, 78.6151 + 6.58},
        {"ambo 0,20 orizzontale", M::Simbolotto, O::Orizzontale, 4, 11, 79.7151 + 6.58, 0.5 + 2 * 5.75},
        {"posizione 2ª", M::Mdn, O::Verticale, tipo::PosizioniDeterminato, 7, 14.5 + 6 * 5.75,
         74.0 + 6 * 6.593},
        {"Simbolotto", M::Simbolotto, O::Verticale, tipo::Simbolotto, 1, 83.0, -0.3 + 12.4 * 5.18},
        {"Simbolotto orizzontale", M::Simbolotto, O::Orizzontale, tipo::Simbolotto, 1, 12.4 * 5.18, 0.7},
        {"abbonamento 10", M::Simbolotto, O::Verticale, tipo::Abbonamento, 7, 42.85 + 6 * 6.7452,
         78.6151 + 8.82 * 6.5},
        {"abbonamento 2 orizzontale", M::Simbolotto, O::Orizzontale, tipo::Abbonamento, 1,
         79.7151 + 8.82 * 6.58, 0.5 + 6 * 6.7452},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const Punto p = PosizioneSegno(r.modello, r.orientamento, r.tipo, r.a);
        EXPECT_NEAR(p.x, r.x, 1e-9);
        EXPECT_NEAR(p.y, r.y, 1e-9);
    }
}

TEST(PosizioneSegno, SchedineAGriglia)
{
    const auto lpVer = CalibrazionePredefinita(ModelloSchedina::LottoPiu, Orientamento::Verticale);
    const auto lpOr = CalibrazionePredefinita(ModelloSchedina::LottoPiu, Orientamento::Orizzontale);
    // Tutte and Nazionale share the sixth wheel row, in the two columns.
    const Punto naz = PosizioneRuotaLottoPiu(Orientamento::Verticale, lpVer, 11);
    const Punto tutte = PosizioneRuotaLottoPiu(Orientamento::Verticale, lpVer, 12);
    EXPECT_NEAR(naz.y, 72.55 + 6.93 * (11 - 0.17 / 7 + 5.6 / 7 * 6), 1e-9);
    EXPECT_DOUBLE_EQ(naz.y, tutte.y);
    EXPECT_NEAR(naz.x, 24.7 + 6.38, 1e-9);
    EXPECT_NEAR(tutte.x, 24.7 - 2 * 6.38, 1e-9);
    EXPECT_DOUBLE_EQ(PosizioneRuotaLottoPiu(Orientamento::Verticale, lpVer, 10).y, naz.y - 6.93 * 0.8);
    const Punto n90 = PosizioneNumeroLottoPiu(Orientamento::Orizzontale, lpOr, 90);
    EXPECT_NEAR(n90.x, 74.0 + 7.05 * 8, 1e-9);
    EXPECT_NEAR(n90.y, 10.5, 1e-9);
    const Punto tutteOr = PosizioneRuotaLottoPiu(Orientamento::Orizzontale, lpOr, 12);
    EXPECT_NEAR(tutteOr.y, 10.5 + 6.3 * 11, 1e-9);

    const auto sng = CalibrazionePredefinita(ModelloSchedina::Sng, Orientamento::Verticale);
    EXPECT_NEAR(PosizioneSng(Orientamento::Verticale, sng, 3, 90).y, 23.5 + 4.35 * 33, 1e-9);
    EXPECT_NEAR(PosizioneSng(Orientamento::Verticale, sng, 1, 8).y, 23.5 + 4.35 * 8, 1e-9);
    const auto sci = CalibrazionePredefinita(ModelloSchedina::Sci, Orientamento::Verticale);
    const Punto s90 = PosizioneSci(Orientamento::Verticale, sci, 0, 90);
    EXPECT_NEAR(s90.x, 2.1 + 4.4 * 4, 1e-9);
    EXPECT_NEAR(s90.y, 12.3 + 4.5283845 * 9, 1e-9);
    const Punto istantaneo = PosizioneSci(Orientamento::Verticale, sci, 3, 13);
    EXPECT_NEAR(istantaneo.y, 4.5283845 * 8 + 73.6 + 12 * 5.12, 1e-9);
}

TEST(MisuraPagina, OffsetMancantiValgonoDieciMillimetri)
{
    struct Riga
    {
        const char* nome;
        PaginaStampante p;
        double larghezza, altezza, sinistra, alto;
    };
    const std::vector<Riga> righe = {
        {"A4 a 600 dpi", {4800, 6600, 600, 600, 100, 200}, 203.2, 279.4, 100 * 25.4 / 600, 200 * 25.4 / 600},
        {"senza offset", {4800, 6600, 600, 600, 0, 0}, 203.2, 279.4, 10, 10},
        {"risoluzione ignota", {4800, 6600, 0, -1, 100, 100}, 200, 290, 10, 10},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const PaginaMm mm = MisuraPagina(r.p);
        EXPECT_NEAR(mm.larghezza, r.larghezza, 1e-9);
        EXPECT_NEAR(mm.altezza, r.altezza, 1e-9);
        EXPECT_NEAR(mm.sinistra, r.sinistra, 1e-9);
        EXPECT_NEAR(mm.alto, r.alto, 1e-9);
    }
}

TEST(CalibrazioneSchedina, RecordNelleImpostazioni)
{
    ImpostazioniGenerali g;
    for (auto m : {ModelloSchedina::Simbolotto, ModelloSchedina::Mdn, ModelloSchedina::LottoPiu,
                   ModelloSchedina::Sng, ModelloSchedina::Sci}) {
        for (auto o : {Orientamento::Verticale, Orientamento::Orizzontale}) {
            CalibrazioneSchedina c = LeggiCalibrazione(g, m, o);
            c.campo(1) += 1 + static_cast<int>(m) + (o == Orientamento::Verticale ? 10 : 20);
            ScriviCalibrazione(g, m, o, c);
        }
    }
    // Every record went to its own place: each reads back its own change and no other.
    for (auto m : {ModelloSchedina::Simbolotto, ModelloSchedina::Mdn, ModelloSchedina::LottoPiu,
                   ModelloSchedina::Sng, ModelloSchedina::Sci}) {
        for (auto o : {Orientamento::Verticale, Orientamento::Orizzontale}) {
            EXPECT_DOUBLE_EQ(LeggiCalibrazione(g, m, o).campo(1),
                             CalibrazionePredefinita(m, o).campo(1) + 1 + static_cast<int>(m) +
                                 (o == Orientamento::Verticale ? 10 : 20));
        }
    }
    EXPECT_EQ(PrefissoCalibrazione(ModelloSchedina::Simbolotto, Orientamento::Verticale), "new_calsimb_ver_");
    EXPECT_DOUBLE_EQ(CalibrazionePredefinita(ModelloSchedina::Sci, Orientamento::Orizzontale).campo(2),
                     33.209559);
}
