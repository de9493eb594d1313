#include "reductions/criteri_condizioni.h"

#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <vector>

using test::giocata;

TEST(CriteriCondizioni, ValoriDiGiocateScelte)
{
    struct Riga
    {
        const char* nome;
        Tipo_Giocata giocata;
        std::array<double, CriteriCondizioni> valori;
        std::array<bool, CriteriCondizioni> valutato;
    };
    constexpr bool T = true;
    constexpr bool F = false;
    const std::vector<Riga> righe = {
        {"uno-sei",
         giocata({1, 2, 3, 4, 5, 6}),
         {3, 3, 1, 1, 21, 12, 9, 3, 3.5, 4, 3, 1, 1, 1, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0},
         {T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T}},
        {"simmetria-e-parallelo",
         giocata({10, 55, 81}),
         {1, 2, 1, 2, 146, 10, 136, 126, 146.0 / 3, 10, 68, 26, 35.5, 45, 71, 0, 1, 1, 1, 0, 0, 1, 0, 0},
         {T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T}},
        // Runs: even 2 4 6 (3), odd 9 11 (2); parity changes at 6-9 and 11-80; 11 + 80 = 91.
        {"sequenze",
         giocata({2, 4, 6, 9, 11, 80}),
         {4, 2, 3, 2, 112, 92, 20, 72, 112.0 / 6, 23, 10, 2, 78.0 / 5, 69, 78, 0, 2, 1, 1, 1, 0, 0, 1, 0},
         {T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T, T}},
        {"un-numero",
         giocata({7}),
         {0, 1, 0, 1, 7, 0, 7, 7, 7, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
         {T, T, T, T, T, T, T, T, T, F, T, F, F, F, F, T, T, T, F, F, F, F, F, F}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const ValoriGiocata v = CalcolaValori(r.giocata);
        for (Criterio k : Criteri) {
            SCOPED_TRACE(Descrizione(k).didascalia);
            EXPECT_EQ(CriterioValutato(k, v), r.valutato[Indice(k)]);
            if (r.valutato[Indice(k)]) {
                EXPECT_DOUBLE_EQ(ValoreCriterio(k, v), r.valori[Indice(k)]);
            }
        }
    }
    // 1+90, 2+89, 44+47, 45+46 sum to 91; 1-46, 2-47, 44-89, 45-90 differ by 45.
    const ValoriGiocata v = CalcolaValori(giocata({1, 2, 3, 4, 44, 45, 46, 47, 89, 90}));
    EXPECT_EQ(v.simmetrie, 4);
    EXPECT_EQ(v.paralleli, 4);
    EXPECT_EQ(v.consecutivi, 7);
}
