#include "cli/comandi.h"

#include "core/file_archivio.h"
#include "support/cli_prova.h"
#include "support/estrazione_prova.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Esito = test::EsitoRigaComando;

// Four draws in the data folder (Bari 1.., 2.., 3.., 4..; the third with Nazionale 81..85).
class VincitaEArchivio : public test::ProvaRigaComando
{
protected:
    void SetUp() override
    {
        ArchivioStorico archivio;
        for (int i = 0; i < 4; ++i) {
            Tipo_Estrazione e = test::estrazione(1 + i, 2, 2010, i + 1);
            for (int p = 1; p <= 5 && i == 2; ++p) {
                e.setNumero(Nazionale, p, static_cast<std::uint8_t>(80 + p));
            }
            (void)archivio.InserisciEstrazione(e);
        }
        ASSERT_TRUE(salvaArchivio(archivio));
    }
};

} // namespace

TEST_F(VincitaEArchivio, Calcolatore)
{
    struct Riga
    {
        const char* nome;
        std::vector<std::string> argomenti;
        int uscita;
        std::string out;
        std::string err;
    };
    const std::string piede = "*Al lordo delle ritenute di legge\n";
    const std::vector<Riga> righe = {
        {"ambo su Tutte",
         {"vincita", "--ruota", "tutte", "--giocati", "5", "--indovinati", "3", "--importi",
          "estratto=1 ambo=1"},
         0,
         "Estratto: 0,67 €\nAmbo: 7,50 €\nTerno: 0,00 €\nQuaterna: 0,00 €\nCinquina: 0,00 €\n"
         "Totale*: 8,17 €\n" +
             piede,
         ""},
        {"cinquina limitata",
         {"vincita", "--giocati", "5", "--indovinati", "5", "--importi", "cinquina=2,5"},
         0,
         "Estratto: 0,00 €\nAmbo: 0,00 €\nTerno: 0,00 €\nQuaterna: 0,00 €\nCinquina: 6.000.000,00 €\n"
         "Totale*: 6.000.000,00 €\n" +
             piede,
         ""},
        {"senza importi", {"vincita"}, 1, "", "Gli importi delle giocate devono essere maggiori di zero.\n"},
        {"importo illeggibile",
         {"vincita", "--importi", "terno=1.2.3"},
         1,
         "",
         "L'importo del terno non è valido.\n"},
        {"ruota sconosciuta", {"vincita", "--ruota", "bari", "--importi", "ambo=1"}, 2, "", ""},
        {"classe sconosciuta", {"vincita", "--importi", "ambetto=1"}, 2, "", ""},
        {"troppi indovinati", {"vincita", "--indovinati", "11", "--importi", "ambo=1"}, 2, "", ""},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const Esito e = esegui(r.argomenti);
        EXPECT_EQ(e.uscita, r.uscita) << e.err;
        EXPECT_EQ(e.out, r.out);
        if (r.uscita != 2) {
            EXPECT_EQ(e.err, r.err);
        }
    }
}

TEST_F(VincitaEArchivio, StampaUnaEstrazione)
{
    const Esito e = esegui({"archivio", "estrazione", "3"});
    ASSERT_EQ(e.uscita, 0) << e.err;
    EXPECT_EQ(e.out,
              "03/02/2010\nBari\t3 4 5 6 7\nCagliari\t\nFirenze\t\nGenova\t\nMilano\t\nNapoli\t\nPalermo\t\n"
              "Roma\t\nTorino\t\nVenezia\t\nNazionale\t81 82 83 84 85\n");

    const Esito fuori = esegui({"archivio", "estrazione", "5"});
    EXPECT_EQ(fuori.uscita, 1);
    EXPECT_EQ(fuori.err, "L'estrazione nº 5 non esiste: l'archivio contiene 4 estrazioni.\n");
    EXPECT_EQ(esegui({"archivio", "estrazione", "x"}).uscita, 2);
    EXPECT_EQ(esegui({"archivio", "estrazione"}).uscita, 2);
}

TEST_F(VincitaEArchivio, EliminaConservaLUltimaEstrazione)
{
    const Esito mezzo = esegui({"archivio", "elimina", "2", "3"});
    ASSERT_EQ(mezzo.uscita, 0) << mezzo.err;
    EXPECT_EQ(mezzo.out, "Estrazioni eliminate: 2\nEstrazioni rimaste: 2\n");
    EXPECT_EQ(esegui({"archivio", "estrazione", "2"}).out.substr(0, 11), "04/02/2010\n");

    EXPECT_EQ(esegui({"archivio", "elimina", "2", "1"}).uscita, 1);
    const Esito tutte = esegui({"archivio", "elimina", "1", "2"});
    ASSERT_EQ(tutte.uscita, 0) << tutte.err;
    EXPECT_EQ(tutte.out, "Estrazioni eliminate: 1\nEstrazioni rimaste: 1\n");
    ArchivioStorico letto;
    ASSERT_TRUE(CaricaArchivio(fileArchivio(), letto).ok());
    ASSERT_EQ(letto.conteggio(), 1);
    EXPECT_EQ(letto.estrazione(1).giorno, 1);
    EXPECT_EQ(esegui({"archivio", "elimina", "1"}).uscita, 2);
}
