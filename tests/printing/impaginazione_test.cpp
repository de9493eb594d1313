#include "printing/impaginazione.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>
#include <vector>

using namespace stampa;

namespace {

// A fixed-pitch Arial stand-in: every character is 0.6 of the font height wide (UTF-8 continuation bytes
// take no room), texts are as tall as the font.
class MisuraFissa final : public MisuraTesto
{
public:
    int larghezza(std::string_view testo, int altezzaFont) const override
    {
        int caratteri = 0;
        for (char c : testo) {
            caratteri += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
        }
        return caratteri * altezzaFont * 6 / 10;
    }
    int altezza(std::string_view, int altezzaFont) const override { return altezzaFont; }
};

Tipo_Giocata G(std::initializer_list<int> numeri)
{
    Tipo_Giocata g{};
    std::size_t i = 0;
    for (int n : numeri) {
        g[i++] = static_cast<std::uint8_t>(n);
    }
    return g;
}

void Riempi(ElencoGiocate& elenco, int n)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(n));
    for (int i = 1; i <= n; ++i) {
        elenco.voce(i) = G({i, i + 1, i + 2});
    }
    elenco.setConteggio(n);
}

} // namespace

TEST(ElementiSchedina, SegniDiUnaGiocata)
{
    Sistema s;
    s.ruote = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}; // Bari, Nazionale, Tutte
    s.importi[Ambo - 1] = 0.30;
    s.importi[EstrattoDeterminato - 1] = 1.0;
    s.posizioni = {0, 1, 0, 0, 1};
    s.importi[Ambetto - 1] = 0.5;
    OpzioniSchedina o;
    o.simbolotto = true;
    o.abbonamento = 6;
    const std::vector<ElementoSegno> attesi = {
        {1, 4}, {1, 90}, {2, 1}, {2, 11}, {2, 12},  {4, 11}, {4, 12},
        {8, 9}, {9, 7},  {8, 9}, {9, 13}, {10, 10}, {20, 1}, {30, 7},
    };
    EXPECT_EQ(ElementiSchedina(ModelloSchedina::Simbolotto, s, G({4, 90}), o), attesi);
    // Mod. MDN has no ambetto, Simbolotto or subscription boxes.
    std::vector<ElementoSegno> mdn(attesi.begin(), attesi.end() - 3);
    EXPECT_EQ(ElementiSchedina(ModelloSchedina::Mdn, s, G({4, 90}), o), mdn);
    // LottoPiù keeps the flag order: 11 Nazionale, 12 Tutte.
    const std::vector<ElementoSegno> lp = {{1, 4}, {1, 90}, {2, 1}, {2, 11}, {2, 12}};
    EXPECT_EQ(ElementiSchedina(ModelloSchedina::LottoPiu, s, G({4, 90}), o), lp);
}

TEST(ImpaginaSchedine, SegniCalibratiSullaPagina)
{
    Sistema s;
    s.ruote = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    ElencoGiocate elenco;
    Riempi(elenco, 4);
    CalibrazioneSchedina c = CalibrazionePredefinita(ModelloSchedina::Simbolotto, Orientamento::Verticale);
    c.campo(1) = 12.5;
    c.campo(2) = 30;
    c.campo(3) = 1.02;
    c.campo(4) = 0.98;
    c.campo(5) = 2.5;
    const PaginaStampante pagina{4800, 6600, 600, 600, 0, 236}; // left offset missing, top 10 mm
    MisuraFissa misura;
    const Impaginazione imp =
        ImpaginaSchedine(ModelloSchedina::Simbolotto, c, pagina, misura, s, elenco, 3, 3, OpzioniSchedina{});
    ASSERT_EQ(imp.pagine.size(), 1u); // 3..3: one slip, no second page
    EXPECT_NEAR(imp.larghezza, 203.2, 1e-9);
    const auto& comandi = imp.pagine[0].comandi;
    ASSERT_EQ(comandi.size(), 6u); // numbers 3, 4, 5; boxes 11 and 12; the slip number
    // Number 5: X = 4 × 7.0, Y = 0.
    EXPECT_NEAR(comandi[2].x, 28.0 * 1.02 + (12.5 - 10), 1e-9);
    EXPECT_NEAR(comandi[2].y, 0 * 0.98 + (30 - 236 * 25.4 / 600), 1e-9);
    EXPECT_DOUBLE_EQ(comandi[2].larghezza, 2.5);
    EXPECT_NEAR(comandi[4].y, (-0.3 + 11 * 5.18) * 0.98 + (30 - 236 * 25.4 / 600), 1e-9);
    EXPECT_EQ(comandi[5].tipo, TipoComando::Testo);
    EXPECT_EQ(comandi[5].testo, "Scheda Nº 3");
    EXPECT_DOUBLE_EQ(comandi[5].x, 0.0);
    EXPECT_DOUBLE_EQ(comandi[5].altezza, 3.0);

    // LottoPiù: nominal page, the number at the corner in the largest font whose 90 "H" fit.
    const auto lp = CalibrazionePredefinita(ModelloSchedina::LottoPiu, Orientamento::Orizzontale);
    OpzioniSchedina o;
    o.orientamento = Orientamento::Orizzontale;
    const Impaginazione l =
        ImpaginaSchedine(ModelloSchedina::LottoPiu, lp, pagina, misura, s, elenco, 1, 4, o);
    ASSERT_EQ(l.pagine.size(), 4u);
    EXPECT_DOUBLE_EQ(l.larghezza, 205.0);
    const ComandoDisegno& testo = l.pagine[3].comandi.back();
    EXPECT_EQ(testo.testo, "Scheda Nº 4");
    const int font = static_cast<int>(std::lround(testo.altezza * 6600 / 288));
    EXPECT_LE(90 * misura.larghezza("H", font), 4800);
    EXPECT_GT(90 * misura.larghezza("H", font + 2), 4800);
}

TEST(ControllaImportiSchedine, AvvisiERifiuti)
{
    struct Riga
    {
        const char* nome;
        ModelloSchedina modello;
        std::array<double, 7> importi; // slots 1..7
        std::array<std::uint8_t, 5> posizioni;
        int avvisi;
        std::string rifiuto;
    };
    const std::string no =
        " € non può essere stampato sulle nuove schedine.\rModificare l'importo e riprovare.";
    const std::vector<Riga> righe = {
        {"stampabili", ModelloSchedina::Simbolotto, {1, 0.3, 0, 0, 0, 0, 0.5}, {}, 0, ""},
        {"terno 400", ModelloSchedina::Simbolotto, {0, 0, 400, 0, 0, 0, 0}, {}, 0, "L'importo 400,00" + no},
        {"prima classe in ordine",
         ModelloSchedina::Mdn,
         {0, 0.07, 500, 0, 0, 0, 0},
         {},
         0,
         "L'importo 0,07" + no},
        {"posizioni senza importo", ModelloSchedina::Mdn, {1, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, 1, ""},
        {"importo senza posizioni, non stampabile",
         ModelloSchedina::Mdn,
         {1, 0, 0, 0, 0, 0.07, 0},
         {},
         1,
         ""},
        {"determinato non stampabile",
         ModelloSchedina::Mdn,
         {0, 0, 0, 0, 0, 1000, 0},
         {0, 0, 1, 0, 0},
         0,
         "L'importo 1.000,00" + no},
        {"ambetto non stampabile",
         ModelloSchedina::Simbolotto,
         {0, 1, 0, 0, 0, 0, 0.07},
         {},
         0,
         "L'importo 0,07" + no},
        {"ambetto senza riga su Mod. MDN",
         ModelloSchedina::Mdn,
         {0, 1, 0, 0, 0, 0, 0.5},
         {},
         0,
         "L'importo 0,50" + no},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        Sistema s;
        for (std::size_t i = 0; i < 7; ++i) {
            s.importi[i] = r.importi[i];
        }
        s.posizioni = r.posizioni;
        const ControlloImporti esito = ControllaImportiSchedine(r.modello, s, 2);
        EXPECT_EQ(static_cast<int>(esito.avvisi.size()), r.avvisi);
        EXPECT_EQ(esito.rifiuto ? esito.rifiuto->testo : std::string(), r.rifiuto);
    }
}

TEST(ImpaginaCartaComune, TabellaDelleGiocate)
{
    Sistema s;
    s.pronostico[0] = s.pronostico[44] = s.pronostico[89] = 1;
    s.importi[Ambo - 1] = 1;
    s.importi[Ambetto - 1] = 1;
    s.numeroFisse = 1;
    s.fisse[0] = 45;
    MisuraFissa misura;
    DatiCartaComune dati;
    dati.intestazione = {"Nome del sistema: Prova"};

    struct Riga
    {
        const char* nome;
        int giocate;
        int altezzaPx;
        std::vector<int> righePerPagina; // table rows of plays on each page
    };
    const std::vector<Riga> righe = {
        {"7 giocate: tre, tre e una", 7, 6600, {3}},
        {"pagina corta: l'intestazione si ripete", 200, 600, {}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        ElencoGiocate elenco;
        Riempi(elenco, r.giocate);
        const Impaginazione imp = ImpaginaCartaComune(dati, s, elenco, 4800, r.altezzaPx, misura);
        std::vector<std::set<double>> righeGiocate(imp.pagine.size());
        std::vector<int> intestazioni(imp.pagine.size());
        std::vector<std::string> testi;
        int celle = 0;
        for (std::size_t p = 0; p < imp.pagine.size(); ++p) {
            for (const auto& c : imp.pagine[p].comandi) {
                if (c.tipo == TipoComando::Testo) {
                    testi.push_back(c.testo);
                    intestazioni[p] += c.testo == "GIOCATA" ? 1 : 0;
                    if (c.testo.find(' ') != std::string::npos &&
                        std::isdigit(static_cast<unsigned char>(c.testo[0]))) {
                        righeGiocate[p].insert(c.y);
                        ++celle;
                    }
                    EXPECT_LE(c.y, r.altezzaPx);
                }
            }
        }
        EXPECT_EQ(celle, r.giocate);
        if (!r.righePerPagina.empty()) {
            ASSERT_EQ(imp.pagine.size(), 1u);
            EXPECT_EQ(static_cast<int>(righeGiocate[0].size()), r.righePerPagina[0]);
            EXPECT_EQ(intestazioni[0], 3);
            EXPECT_NE(std::find(testi.begin(), testi.end(), "Pronostico: 1 45 90 "), testi.end());
            EXPECT_NE(std::find(testi.begin(), testi.end(), "Importi: Ambo: 1,00 €"), testi.end());
            EXPECT_NE(std::find(testi.begin(), testi.end(), "Fisse: 45"), testi.end());
            EXPECT_NE(std::find(testi.begin(), testi.end(), "Ruote: Tutte "), testi.end());
        } else {
            ASSERT_GT(imp.pagine.size(), 1u);
            for (int n : intestazioni) {
                EXPECT_EQ(n, 3); // every page starts its table with the header row
            }
        }
    }
}

TEST(IntestazioneProposta, NomeDelSistema)
{
    Sistema s;
    s.nomeFile = "/home/utente/Sistemi/MIO SISTEMA.qvs";
    Riepilogo r;
    r.pronostico = "Pronostico: 3 numeri";
    const auto righe = IntestazioneProposta(s, r);
    ASSERT_EQ(righe.size(), 9u);
    EXPECT_EQ(righe[0], "Nome del sistema: Mio sistema");
    EXPECT_EQ(righe[1], "Pronostico: 3 numeri");
    s.nomeFile.clear();
    EXPECT_EQ(IntestazioneProposta(s, r)[0], "Nome del sistema: ");
}
