#include "editor/file_riduzioni.h"
#include "support/cli_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

// riduci and analisi of the reductions by delays, frequencies and custom scores.
class RiduciProbabilistiche : public test::ProvaRigaComando
{
protected:
    void crea(const std::string& fisse = "")
    {
        creaDati();
        FileIntervalli frequenze;
        frequenze.numero = 1;
        frequenze.minimi[0] = 0;
        frequenze.massimi[0] = 7.5;
        ASSERT_TRUE(ScriviFileIntervalli(file("dati/Quarvin.irf"), frequenze));
        FileIntervalli ritardi = frequenze;
        ritardi.massimi[0] = 60;
        ASSERT_TRUE(ScriviFileIntervalli(file("dati/Quarvin.irr"), ritardi));
        ArchivioStorico archivio;
        for (int i = 0; i < 250; ++i) {
            ASSERT_GT(archivio.InserisciEstrazione(test::estrazioneNumero(i, 1 + (i * 7) % 86)), 0);
        }
        ASSERT_TRUE(salvaArchivio(archivio));
        std::vector<std::string> argomenti = {"crea",
                                              "-o",
                                              file("base.qvs"),
                                              "--pronostico",
                                              "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20",
                                              "--k",
                                              "3"};
        if (!fisse.empty()) {
            argomenti.insert(argomenti.end(), {"--fisse", fisse});
        }
        ASSERT_EQ(esegui(argomenti).uscita, 0);
    }

    static std::size_t Righe(const std::string& testo)
    {
        return static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
    }
    static std::string Valide(const std::string& testo)
    {
        const auto tab = testo.rfind('\t');
        return tab == std::string::npos ? std::string()
                                        : testo.substr(tab + 1, testo.find(' ', tab) - tab - 1);
    }
    // The sum of the "bin<TAB>count" lines.
    static long Istogramma(const std::string& testo)
    {
        std::istringstream righe(testo);
        std::string riga;
        long somma = 0;
        while (std::getline(righe, riga)) {
            const auto tab = riga.find('\t');
            if (tab != std::string::npos && riga.rfind("Nº", 0) != 0) {
                somma += std::stol(riga.substr(tab + 1));
            }
        }
        return somma;
    }
};

} // namespace

TEST_F(RiduciProbabilistiche, OgniMembroTieneCioCheLAnalisiContaValido)
{
    crea();
    int ridotti = 0;
    for (const std::string membro : {"probabilita-ritardi", "probabilita-frequenze",
                                     "probabilita-personalizzate", "frequenze", "ritardi"}) {
        SCOPED_TRACE(membro);
        const Risultato analisi = esegui({"analisi", membro, file("base.qvs"), "--modo", "pronostico"});
        ASSERT_EQ(analisi.uscita, 0) << analisi.err;
        // Every candidate of the 20 numbers in plays of 3 falls in some bin.
        EXPECT_EQ(Istogramma(analisi.out), 1140);
        const std::string uscita = file(membro + ".qvs");
        const Risultato riduzione =
            esegui({"riduci", membro, file("base.qvs"), "--modo", "pronostico", "-o", uscita});
        const std::string valide = Valide(analisi.out);
        if (valide == "0") {
            EXPECT_EQ(riduzione.uscita, 1);
            EXPECT_FALSE(std::filesystem::exists(uscita));
            continue;
        }
        ASSERT_EQ(riduzione.uscita, 0) << riduzione.err;
        ++ridotti;
        EXPECT_EQ(std::to_string(Righe(giocate(uscita))), valide);
        // The plays mode keeps every one of them.
        ASSERT_EQ(esegui({"riduci", membro, uscita, "--modo", "giocate", "--sovrascrivi"}).uscita, 0);
        EXPECT_EQ(std::to_string(Righe(giocate(uscita))), valide);
    }
    EXPECT_EQ(ridotti, 4); // all but the custom scores, all 50 against [75, 100]
}

TEST_F(RiduciProbabilistiche, FisseSoloConLOpzioneERifiuti)
{
    crea("5");
    ASSERT_EQ(
        esegui({"riduci", "ritardi", file("base.qvs"), "--modo", "pronostico", "-o", file("libere.qvs")})
            .uscita,
        0);
    ASSERT_EQ(esegui({"riduci", "ritardi", file("base.qvs"), "--modo", "pronostico", "--considera-fisse",
                      "-o", file("fisse.qvs")})
                  .uscita,
              0);
    const std::string libere = giocate(file("libere.qvs"));
    const std::string fisse = giocate(file("fisse.qvs"));
    EXPECT_LT(Righe(fisse), Righe(libere));
    std::istringstream righe(fisse);
    for (std::string riga; std::getline(righe, riga);) {
        EXPECT_NE((" " + riga + " ").find(" 5 "), std::string::npos) << riga;
    }

    // Custom scores all 50 against the default [75, 100]: nothing added, nothing written.
    const Risultato nessuna = esegui({"riduci", "probabilita-personalizzate", file("base.qvs"), "--modo",
                                      "pronostico", "-o", file("x.qvs")});
    EXPECT_EQ(nessuna.uscita, 1);
    EXPECT_FALSE(std::filesystem::exists(file("x.qvs")));
    EXPECT_EQ(esegui({"analisi", "probabilita-personalizzate", file("base.qvs")}).out,
              "0\t0\n1\t0\n2\t0\n3\t0\n4\t0\n5\t0\n6\t0\n7\t0\n8\t0\n9\t0\n10\t0\n11\t0\n12\t0\n13\t0\n"
              "14\t0\n15\t0\n16\t0\n17\t0\n18\t0\n19\t0\n20\t0\n21\t0\n22\t0\n23\t0\n24\t0\n25\t0\n26\t0\n"
              "27\t0\n28\t0\n29\t0\n30\t0\n31\t0\n32\t0\n33\t0\n34\t0\n35\t0\n36\t0\n37\t0\n38\t0\n39\t0\n"
              "40\t0\n41\t0\n42\t0\n43\t0\n44\t0\n45\t0\n46\t0\n47\t0\n48\t0\n49\t0\n50\t1140\n51\t0\n"
              "Nº di giocate valide:\t0 su 1140 (0 %)\n");

    // A new system without an interval file for the delays: refused with the dialog's message.
    std::filesystem::remove(file("dati/Quarvin.irr"));
    ASSERT_EQ(esegui({"crea", "-o", file("nuovo.qvs"), "--pronostico", "1 2 3 4", "--k", "2"}).uscita, 0);
    const Risultato vuoto = esegui({"riduci", "ritardi", file("nuovo.qvs"), "-o", file("y.qvs")});
    EXPECT_EQ(vuoto.uscita, 1);
    EXPECT_NE(vuoto.err.find("Inserire almeno un intervallo consentito."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file("y.qvs")));
}
