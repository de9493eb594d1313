#include "checking/probabilita_sistema.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/testo.h"

#include <ostream>

namespace cli {

int ComandoProbabilita(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(riga.argomenti, {}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (a.parole().size() > 1) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.parole().front())) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (stato.giocate.vuoto()) {
        ambiente.mostra({Avviso(messaggi_probabilita_sistema::NessunaGiocata)});
        return UscitaRifiuto;
    }
    EsitoProbabilitaSistema esito;
    EsecuzioneContinua continua;
    ProbabilitaSistema(stato.giocate.dati(), stato.giocate.conteggio(),
                       ParametriDaSistema(stato.sistema, stato.generali.vincitaMassima), esito, continua);
    for (std::size_t k = 0; k < 5; ++k) {
        out << messaggi_probabilita_sistema::Classi[k] << '\t' << TestoProbabilita(esito.unaRuota[k]) << '\t'
            << TestoProbabilita(esito.sistema[k]) << '\n';
    }
    out << messaggi_probabilita_sistema::ValoreAtteso << '\t' << testo::Fisso(esito.perEuro(), 4) << '\n';
    return UscitaOk;
}

} // namespace cli
