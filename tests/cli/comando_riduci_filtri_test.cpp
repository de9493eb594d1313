#include "editor/file_riduzioni.h"
#include "reductions/record_filtri.h"
#include "support/cli_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

// riduci and analisi of the filter reductions, on systems that carry the records of the data folder.
class RiduciFiltri : public test::ProvaRigaComando
{
protected:
    // One number in each default interval and more: 1..9, 31..33, 61..63 in plays of 3.
    void crea()
    {
        creaDati();
        GiocateFiltro filtri;
        GiocataFiltro f;
        for (int n : {1, 2, 3, 31}) {
            f.numeri.aggiungi(n);
        }
        f.punteggi = 0b11; // at most one of them
        filtri.filtri = {f};
        ASSERT_TRUE(ScriviGiocateFiltro(file("dati"), filtri.blocco()));
        ArchivioStorico archivio;
        for (int i = 0; i < 40; ++i) {
            ASSERT_GT(archivio.InserisciEstrazione(test::estrazioneNumero(i, 1 + i % 60)), 0);
        }
        ASSERT_TRUE(salvaArchivio(archivio));
        ASSERT_EQ(esegui({"crea", "-o", file("base.qvs"), "--pronostico",
                          "1 2 3 4 5 6 7 8 9 31 32 33 61 62 63", "--k", "3"})
                      .uscita,
                  0);
    }

    static std::size_t Righe(const std::string& testo)
    {
        return static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
    }
    // The valid count of the last line of analisi: "Nº di giocate valide:\tV su T (P %)".
    static std::string Valide(const std::string& testo)
    {
        const auto tab = testo.rfind('\t');
        return tab == std::string::npos ? std::string()
                                        : testo.substr(tab + 1, testo.find(' ', tab) - tab - 1);
    }
};

} // namespace

TEST_F(RiduciFiltri, OgniMembroTieneCioCheLAnalisiContaValido)
{
    crea();
    // Default intervals: one number in each of 1-30, 31-60, 61-90.
    ASSERT_EQ(esegui({"riduci", "numeri", file("base.qvs"), "--modo", "pronostico", "-o", file("numeri.qvs")})
                  .uscita,
              0);
    EXPECT_EQ(Righe(giocate(file("numeri.qvs"))), 9U * 3 * 3);

    for (const std::string membro :
         {"numeri", "cadenze", "figure", "decine", "giocate-filtro", "confronto-storico"}) {
        SCOPED_TRACE(membro);
        const Risultato analisi = esegui({"analisi", membro, file("base.qvs"), "--modo", "pronostico"});
        ASSERT_EQ(analisi.uscita, 0) << analisi.err;
        const std::string uscita = file(membro + ".qvs");
        const Risultato riduzione = esegui({"riduci", membro, file("base.qvs"), "-o", uscita});
        const std::string valide = Valide(analisi.out);
        if (valide == "0") {
            EXPECT_EQ(riduzione.uscita, 1);
            EXPECT_FALSE(std::filesystem::exists(uscita));
            continue;
        }
        ASSERT_EQ(riduzione.uscita, 0) << riduzione.err;
        EXPECT_EQ(std::to_string(Righe(giocate(uscita))), valide);
        // Over the plays it kept, every play passes again.
        const Risultato ancora = esegui({"analisi", membro, uscita, "--modo", "giocate"});
        EXPECT_EQ(Valide(ancora.out), valide);
    }
}

TEST_F(RiduciFiltri, RifiutiEUso)
{
    crea();
    // No filter play in the record: refused as the dialog refuses it, nothing written.
    ASSERT_TRUE(ScriviGiocateFiltro(file("dati"), GiocateFiltro{}.blocco()));
    ASSERT_EQ(esegui({"crea", "-o", file("vuoto.qvs"), "--pronostico", "1 2 3 4", "--k", "2"}).uscita, 0);
    const Risultato vuoto = esegui({"riduci", "giocate-filtro", file("vuoto.qvs"), "-o", file("x.qvs")});
    EXPECT_EQ(vuoto.uscita, 1);
    EXPECT_NE(vuoto.err.find("Inserire almeno una giocata filtro."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("x.qvs")));
    // The plays mode of an empty list, an unknown member, a bad mode.
    EXPECT_EQ(
        esegui({"riduci", "decine", file("vuoto.qvs"), "--modo", "giocate", "-o", file("x.qvs")}).uscita, 1);
    EXPECT_EQ(esegui({"analisi", "decine", file("vuoto.qvs"), "--modo", "giocate"}).uscita, 1);
    EXPECT_EQ(esegui({"analisi", "ambi", file("vuoto.qvs")}).uscita, 2);
    EXPECT_EQ(esegui({"analisi", "decine", file("vuoto.qvs"), "--modo", "tutto"}).uscita, 2);
    // The rows of an analysis: one per group, the groups' numbers as captions.
    const Risultato decine = esegui({"analisi", "decine", file("vuoto.qvs")});
    ASSERT_EQ(decine.uscita, 0);
    EXPECT_EQ(Righe(decine.out), 10U);
    EXPECT_EQ(decine.out.rfind("81 82 83 84 85 86 87 88 89 90\t0\n", std::string::npos) != std::string::npos,
              true);
}
