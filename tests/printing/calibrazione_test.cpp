#include "printing/calibrazione.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace stampa;

TEST(Calibrazione, RecordDiLavoroEDaMemorizzare)
{
    const MembroCalibrazione m = MembroCalibrazione::SimbolottoVerticale;
    const CalibrazioneSchedina lavoro =
        RecordDiLavoro(m, CalibrazionePredefinita(ModelloSchedina::Simbolotto, Orientamento::Verticale));
    std::vector<std::string> mostrati;
    for (const auto& c : Descrizione(m).campi) {
        mostrati.push_back(TestoValore(lavoro.campo(c.campo)));
    }
    EXPECT_EQ(mostrati,
              (std::vector<std::string>{"9.0", "27.5", "83.1", "111.5151", "2.0", "10.0", "10.0", "3.0"}));

    CalibrazioneSchedina doppio = lavoro;
    doppio.campo(3) = 166.2;
    EXPECT_NEAR(RecordDaMemorizzare(m, doppio).campo(3), 2.0, 1e-12);

    struct Nominale
    {
        ModelloSchedina m;
        Orientamento o;
        double x, y;
    };
    for (const Nominale& n :
         {Nominale{ModelloSchedina::Simbolotto, Orientamento::Orizzontale, 111.6151, -83.5},
          Nominale{ModelloSchedina::Mdn, Orientamento::Verticale, 83.5, 106.965},
          Nominale{ModelloSchedina::Mdn, Orientamento::Orizzontale, 107.065, -84.0}}) {
        EXPECT_NEAR(DimensioneNominale(n.m, n.o, 0), n.x, 1e-9);
        EXPECT_NEAR(DimensioneNominale(n.m, n.o, 1), n.y, 1e-9);
    }
}

TEST(Calibrazione, FrecceELimiti)
{
    struct Riga
    {
        const char* nome;
        MembroCalibrazione membro;
        std::size_t indice;
        double prima;
        int verso;
        double dopo;
    };
    const std::vector<Riga> righe = {
        {"diametro a 0,1 resta 0,1", MembroCalibrazione::SimbolottoVerticale, 4, 0.1, -1, 0.1},
        {"diametro su", MembroCalibrazione::MdnOrizzontale, 4, 2.0, 1, 2.1},
        {"scritta non sotto zero", MembroCalibrazione::SimbolottoVerticale, 7, 0.5, -1, 0.0},
        {"margine libero sotto zero", MembroCalibrazione::SimbolottoVerticale, 0, 0.2, -1, -0.3},
        {"passo di un pixel LottoPiù", MembroCalibrazione::LottoPiuVerticale, 2, 6.38, 1, 6.41851158},
        {"cinque valori non sotto zero", MembroCalibrazione::SngVerticale, 0, 0.1, -1, 0.0},
        {"diametro del Mod. SCI", MembroCalibrazione::SciOrizzontale, 4, 0.15, -1, 0.1},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        CalibrazioneSchedina c;
        const int campo = Descrizione(r.membro).campi[r.indice].campo;
        c.campo(campo) = r.prima;
        Spingi(r.membro, c, r.indice, r.verso);
        EXPECT_NEAR(c.campo(campo), r.dopo, 1e-9);
    }
}

TEST(Calibrazione, BloccaggioCentrale)
{
    const MembroCalibrazione m = MembroCalibrazione::SimbolottoVerticale;
    CalibrazioneSchedina c = ValoriOriginali(m, false);
    c.campo(6) = 20;
    const CalibrazioneSchedina prima = c;
    CambiaBloccaggio(m, c, false, true);
    EXPECT_DOUBLE_EQ(c.campo(1), 65.5);
    EXPECT_DOUBLE_EQ(c.campo(6), 76.5);
    CambiaBloccaggio(m, c, true, true); // the same choice again: nothing changes
    EXPECT_DOUBLE_EQ(c.campo(1), 65.5);
    c.campo(6) = 30; // brought below 56.5 while central
    CambiaBloccaggio(m, c, true, false);
    EXPECT_DOUBLE_EQ(c.campo(1), prima.campo(1));
    EXPECT_DOUBLE_EQ(c.campo(6), 0.0);
    // Mod. SCI horizontal moves four fields by 0.8; LottoPiù one by 55.5.
    CalibrazioneSchedina sci = ValoriOriginali(MembroCalibrazione::SciOrizzontale, true);
    EXPECT_NEAR(sci.campo(10), 67.3 + 0.8, 1e-9);
    EXPECT_NEAR(sci.campo(2), 33.209559, 1e-9);
    EXPECT_NEAR(ValoriOriginali(MembroCalibrazione::LottoPiuOrizzontale, true).campo(1), 74.0 + 55.5, 1e-9);
}

TEST(Calibrazione, ValoriScritti)
{
    struct Riga
    {
        const char* testo;
        bool valido;
        double valore;
    };
    for (const Riga& r :
         {Riga{"12,5", true, 12.5}, Riga{" 3 ", true, 3}, Riga{"1.2.3", false, 0}, Riga{"abc", false, 0},
          Riga{"", false, 0}, Riga{".", false, 0}, Riga{"-4.25", true, -4.25}}) {
        SCOPED_TRACE(r.testo);
        double v = 0;
        EXPECT_EQ(LeggiValore(r.testo, v), r.valido);
        if (r.valido) {
            EXPECT_DOUBLE_EQ(v, r.valore);
        }
    }
}

TEST(Calibrazione, StampaDiProva)
{
    const PaginaStampante pagina{4800, 6600, 600, 600, 0, 0};
    const auto simb = CalibrazionePredefinita(ModelloSchedina::Simbolotto, Orientamento::Verticale);
    const Impaginazione a = ImpaginaProva(MembroCalibrazione::SimbolottoVerticale, simb, pagina);
    ASSERT_EQ(a.pagine.size(), 1u);
    const auto& c = a.pagine[0].comandi;
    ASSERT_EQ(c.size(), 5u);
    EXPECT_NEAR(c[1].x, 83.1 + 9.0 - 10, 1e-9); // last box of the estratto determinato amount row
    EXPECT_NEAR(c[1].y, 111.5151 + 27.5 - 10, 1e-9);
    EXPECT_EQ(c[3].testo, "Schedina Nº 0");
    EXPECT_EQ(c[4].riga, 2);

    struct Riga
    {
        MembroCalibrazione membro;
        std::size_t segni;
    };
    for (const Riga& r :
         {Riga{MembroCalibrazione::LottoPiuVerticale, 4}, Riga{MembroCalibrazione::SngOrizzontale, 4},
          Riga{MembroCalibrazione::SciVerticale, 8}}) {
        const auto& d = Descrizione(r.membro);
        const Impaginazione p =
            ImpaginaProva(r.membro, CalibrazionePredefinita(d.modello, d.orientamento), pagina);
        EXPECT_DOUBLE_EQ(p.larghezza, 205.0);
        ASSERT_EQ(p.pagine[0].comandi.size(), r.segni);
        for (const auto& s : p.pagine[0].comandi) {
            EXPECT_EQ(s.tipo, TipoComando::Segno);
        }
    }
}
