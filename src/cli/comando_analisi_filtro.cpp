// analisi METODO FILE.qvs [--modo pronostico|giocate]: the analysis of the plays of a filter reduction
// (numeri, cadenze, figure, decine, giocate-filtro, confronto-storico) with the record the system file
// carries: one row per criterion (its caption, a tab, the candidates erring on it before they were
// rejected; empty for groups not in use), then the valid candidates. Scripts see what a filter would
// keep before applying it.
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/membri_filtro.h"
#include "cli/messaggi_cli.h"
#include "reductions/messaggi_riduzioni.h"
#include "reductions/rid_filtri.h"

#include <ostream>

namespace cli {

int ComandoAnalisi(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (riga.argomenti.empty()) {
        return ErroreUso(err, messaggi_cli::MetodoAnalisiMancante);
    }
    const auto membro = MembroDalNome(riga.argomenti.front());
    if (!membro) {
        return ErroreUso(err, messaggi_cli::MetodoAnalisiSconosciuto + riga.argomenti.front());
    }
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(std::vector<std::string>(riga.argomenti.begin() + 1, riga.argomenti.end()), {"--modo"},
                 errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().size() != 1) {
        return ErroreUso(err, a.parole().empty() ? std::string(messaggi_cli::FileMancante)
                                                 : messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    const auto testoModo = a.valore("--modo");
    if (testoModo && *testoModo != "pronostico" && *testoModo != "giocate") {
        return ErroreUso(err, messaggi_cli::ModoAnalisiNonValido + *testoModo);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.parole().front())) {
        return UscitaRifiuto;
    }
    if (*membro == MembroFiltro::ConfrontoStorico && !ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    ModoFiltro modo = stato.giocate.vuoto() ? ModoFiltro::Pronostico : ModoFiltro::Giocate;
    if (testoModo) {
        modo = *testoModo == "pronostico" ? ModoFiltro::Pronostico : ModoFiltro::Giocate;
    }
    if (modo == ModoFiltro::Giocate && stato.giocate.vuoto()) {
        stato.messaggi.mostra(Avviso(messaggi_riduzioni::AlmenoUnaGiocata));
        return UscitaRifiuto;
    }
    const FiltroRiduzione filtro = FiltroRiduzione::DelSistema(*membro, stato.sistema, stato.archivio);
    if (!HaCriteri(filtro)) {
        stato.messaggi.mostra(Avviso(MessaggioNessunCriterio(*membro)));
        return UscitaRifiuto;
    }

    ConteggiAnalisi conteggi;
    EsecuzioneContinua continua;
    AnalisiFiltroGiocate(stato.sistema, stato.giocate, filtro, modo, false, conteggi, continua);
    for (std::size_t r = 0; r < filtro.righe().size(); ++r) {
        out << filtro.righe()[r] << '\t';
        if (filtro.righeInUso()[r]) {
            out << conteggi.nonRispettate[r];
        }
        out << '\n';
    }
    out << messaggi_riduzioni::GiocateValide << '\t' << TestoValide(conteggi.valide, conteggi.esaminate)
        << '\n';
    return UscitaOk;
}

} // namespace cli
