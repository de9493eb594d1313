#include "checking/distribuzione_punti.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "editor/fisse.h"

#include <algorithm>
#include <ostream>

namespace cli {

int ComandoProbabilitaVincita(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(riga.argomenti, {"--punti"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (a.parole().size() > 1) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    const std::string testoPunti = a.valore("--punti").value_or(std::to_string(SceltaPuntiPredefinita + 1));
    if (testoPunti.size() != 1 || testoPunti[0] < '1' || testoPunti[0] > '5') {
        return ErroreUso(err, messaggi_cli::PuntiNonValidi + testoPunti);
    }
    const int punti = testoPunti[0] - '0';

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.parole().front())) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (stato.giocate.vuoto()) {
        ambiente.mostra({Avviso(messaggi_probabilita_vincita::NessunaGiocata)});
        return UscitaRifiuto;
    }
    if (!ValidaSistemaSalvato(stato.sistema, stato.messaggi)) {
        return UscitaRifiuto;
    }
    EsitoDistribuzionePunti esito;
    EsecuzioneContinua continua;
    DistribuzionePunti(NumeriPronostico(stato.sistema.pronostico), stato.giocate, punti, esito, continua);
    for (int s = 0; s <= 5; ++s) {
        out << messaggi_probabilita_vincita::Etichette[static_cast<std::size_t>(s)] << '\t'
            << TestoPercentualeQuattroDecimali(esito.percentuale(s)) << '\n';
    }
    return UscitaOk;
}

} // namespace cli
