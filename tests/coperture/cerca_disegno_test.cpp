#include "coperture/cerca_disegno.h"

#include "coperture/verifica_disegno.h"

#include <gtest/gtest.h>

namespace {

// Stops the run after a number of polls.
class ArrestoDopo final : public ControlloEsecuzione
{
public:
    explicit ArrestoDopo(int verifiche) : m_restanti(verifiche) {}
    bool verifica(const Avanzamento&) override { return m_restanti-- > 0; }

private:
    int m_restanti;
};

ParametriRicerca Parametri(Cella c, std::uint64_t mosse, std::uint64_t seme = 1)
{
    ParametriRicerca p;
    p.cella = c;
    p.mosse = mosse;
    p.seme = seme;
    return p;
}

} // namespace

TEST(CercaDisegno, MetodiEdEsiti)
{
    const struct
    {
        const char* nome;
        Cella cella;
        std::uint64_t mosse;
        std::size_t massimo;
        const char* metodo; // empty: any
    } righe[] = {
        {"un blocco", {TipoDisegno::Garanzia, 8, 8, 5, 3}, 1000, 1, "banale"},
        {"Steiner", {TipoDisegno::Ortogonale, 13, 4, 2, 2}, 1000, 13, "algebrica"},
        {"Steiner con raddoppio", {TipoDisegno::Ortogonale, 16, 4, 3, 3}, 1000, 140, "algebrica"},
        {"limite raggiunto cercando", {TipoDisegno::Ortogonale, 10, 3, 2, 2}, 3000000, 17, ""},
        {"garanzia", {TipoDisegno::Garanzia, 9, 4, 4, 3}, 3000000, 9, ""},
        {"garanzia per unione", {TipoDisegno::Garanzia, 14, 7, 5, 3}, 100, 2, "unione"},
        // Short orbits of AGL(1, 16) and greedy blocks for the rest; greedy blocks alone take about 350.
        {"orbite stabili", {TipoDisegno::Ortogonale, 18, 8, 5, 5}, 100, 300, "orbite stabili AGL1(16,15)+2"},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        EsecuzioneContinua continua;
        ParametriRicerca p = Parametri(r.cella, r.mosse);
        p.obiettivo = r.massimo;
        const EsitoRicerca e = CercaDisegno(p, continua);
        EXPECT_EQ(ContaScoperti(r.cella, e.blocchi), 0U);
        EXPECT_FALSE(ControllaBlocchi(r.cella, e.blocchi));
        EXPECT_LE(e.blocchi.size(), r.massimo);
        EXPECT_FALSE(e.interrotta);
        if (std::string(r.metodo).size() > 0) {
            EXPECT_EQ(e.metodo, r.metodo);
        }
    }
}

TEST(CercaDisegno, RipetibilePartenzaObiettivoEArresto)
{
    const Cella c{TipoDisegno::Ortogonale, 14, 5, 3, 3};
    EsecuzioneContinua continua;
    const EsitoRicerca a = CercaDisegno(Parametri(c, 400000, 7), continua);
    const EsitoRicerca b = CercaDisegno(Parametri(c, 400000, 7), continua);
    EXPECT_EQ(a.blocchi, b.blocchi);
    EXPECT_EQ(a.mosse, b.mosse);
    EXPECT_EQ(ContaScoperti(c, a.blocchi), 0U);

    // A start design is kept when nothing better turns up, and a target ends the search at once.
    ParametriRicerca p = Parametri(c, 1, 3);
    p.partenza = a.blocchi;
    EXPECT_EQ(CercaDisegno(p, continua).blocchi.size(), a.blocchi.size());
    p.mosse = 0;
    p.obiettivo = a.blocchi.size() + 5;
    const EsitoRicerca subito = CercaDisegno(p, continua);
    EXPECT_EQ(subito.metodo, "partenza");
    EXPECT_EQ(subito.mosse, 0U);

    // Without budgets only the run control ends the search; the best design so far comes back.
    ArrestoDopo arresto(20);
    const EsitoRicerca fermata = CercaDisegno(Parametri(c, 0), arresto);
    EXPECT_TRUE(fermata.interrotta);
    EXPECT_EQ(ContaScoperti(c, fermata.blocchi), 0U);
}

TEST(CercaDisegno, UnioneConLeCopertureNote)
{
    // L(14, 3, 3, 2) from two C(7, 3, 2) the caller knows (Fano planes): 14 blocks at once.
    ParametriRicerca p = Parametri({TipoDisegno::Garanzia, 14, 3, 3, 2}, 10);
    int chieste = 0;
    p.coperture = [&](int v, int k, int t) -> std::optional<Blocchi> {
        ++chieste;
        if (v == 7 && k == 3 && t == 2) {
            return Blocchi{0b0000111, 0b0011001, 0b1100001, 0b0101010, 0b1010010, 0b1001100, 0b0110100};
        }
        return std::nullopt;
    };
    EsecuzioneContinua continua;
    const EsitoRicerca e = CercaDisegno(p, continua);
    EXPECT_GT(chieste, 0);
    EXPECT_EQ(e.blocchi.size(), 14U);
    EXPECT_EQ(ContaScoperti(p.cella, e.blocchi), 0U);
}

TEST(CercaDisegno, PuntiInOgniBloccoDaUnaCoperturaPiuPiccola)
{
    // The caller knows C(7, 5, 3) = 5 (the complements of a triangle and two disjoint pairs: every four
    // points hold one of those pairs) and the Fano plane C(7, 3, 2).
    const auto complemento = [](std::uint32_t coppia) { return 0b1111111U & ~coppia; };
    const FornitoreCoperture note = [&](int v, int k, int t) -> std::optional<Blocchi> {
        if (v == 7 && k == 5 && t == 3) {
            return Blocchi{complemento(0b11), complemento(0b101), complemento(0b110), complemento(0b11000),
                           complemento(0b1100000)};
        }
        if (v == 7 && k == 3 && t == 2) {
            return Blocchi{0b0000111, 0b0011001, 0b1100001, 0b0101010, 0b1010010, 0b1001100, 0b0110100};
        }
        return std::nullopt;
    };
    const struct
    {
        const char* nome;
        Cella cella;
        std::size_t blocchi;
    } righe[] = {
        // The Fano blocks take both new points: a triple meeting them has at most two of the seven.
        {"C(9, 5, 3): una copertura delle coppie", {TipoDisegno::Ortogonale, 9, 5, 3, 3}, 5 + 7},
        // Three new points: a triple with one of them lies in a pair of them (two blocks) joined with a
        // Fano block (14 blocks), one with two or three in the three joined with two of the seven (four).
        {"C(10, 5, 3): coppie tra i punti nuovi", {TipoDisegno::Ortogonale, 10, 5, 3, 3}, 5 + 14 + 4},
    };
    for (const auto& r : righe) {
        SCOPED_TRACE(r.nome);
        ParametriRicerca p = Parametri(r.cella, 10);
        p.coperture = note;
        p.obiettivo = r.blocchi;
        EsecuzioneContinua continua;
        const EsitoRicerca e = CercaDisegno(p, continua);
        EXPECT_EQ(e.metodo, "vicina");
        EXPECT_EQ(e.blocchi.size(), r.blocchi);
        EXPECT_EQ(ContaScoperti(p.cella, e.blocchi), 0U);
    }
}
