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

namespace {

int AnalisiProbabilistica(MembroProbabilistico membro, AmbienteCli& ambiente, ModoFiltro modo,
                          std::ostream& out)
{
    StatoApplicazione& stato = ambiente.stato();
    if (membro != MembroProbabilistico::ProbabilitaPersonali && !ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    const ImpostazioniProbabilistiche imp = ProbabilisticheDelSistema(membro, stato.sistema, stato.archivio);
    if (const auto rifiuto = ControllaProbabilistiche(imp, stato.archivio.conteggio())) {
        stato.messaggi.mostra(*rifiuto);
        return UscitaRifiuto;
    }
    const GiudizioProbabilistico giudizio(ValoriNumeri(imp), imp.intervalli);
    IstogrammaProbabilistico istogramma(ContenitoriDelMembro(membro));
    EsecuzioneContinua continua;
    AnalisiProbabilisticaGiocate(stato.sistema, stato.giocate, giudizio, modo, false, istogramma, continua);
    const auto [primo, ultimo] = istogramma.mostrati(MembroInScala(membro));
    for (std::int32_t b = primo; b <= ultimo; ++b) {
        out << b << '\t' << istogramma.conteggi[static_cast<std::size_t>(b)] << '\n';
    }
    out << messaggi_riduzioni::GiocateValide << '\t'
        << TestoValideArrotondato(istogramma.totali.valide, istogramma.totali.esaminate) << '\n';
    return UscitaOk;
}

} // namespace

int ComandoAnalisi(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (riga.argomenti.empty()) {
        return ErroreUso(err, messaggi_cli::MetodoAnalisiMancante);
    }
    const auto membro = MembroDalNome(riga.argomenti.front());
    const auto probabilistico = MembroProbabilisticoDalNome(riga.argomenti.front());
    if (!membro && !probabilistico) {
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
    StatoApplicazione& stato = ambiente.stato();
    ModoFiltro modo = stato.giocate.vuoto() ? ModoFiltro::Pronostico : ModoFiltro::Giocate;
    if (testoModo) {
        modo = *testoModo == "pronostico" ? ModoFiltro::Pronostico : ModoFiltro::Giocate;
    }
    if (modo == ModoFiltro::Giocate && stato.giocate.vuoto()) {
        stato.messaggi.mostra(Avviso(messaggi_riduzioni::AlmenoUnaGiocata));
        return UscitaRifiuto;
    }
    if (probabilistico) {
        return AnalisiProbabilistica(*probabilistico, ambiente, modo, out);
    }
    if (*membro == MembroFiltro::ConfrontoStorico && !ambiente.caricaArchivio()) {
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
