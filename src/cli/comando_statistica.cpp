// The statistics views on the command line: a view's rows or bars, the smorfia search and the
// analysis of a set of numbers.
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/testo.h"
#include "editor/smorfia.h"
#include "editor/viste_statistiche.h"

#include <QDir>

#include <optional>
#include <ostream>

namespace cli {

namespace {

// The views the command prints: the charts and the grids, by their selector index.
std::optional<viste::Vista> VistaStampabile(int indice)
{
    const std::optional<viste::Vista> vista = viste::VistaDaIndice(indice);
    if (!vista) {
        return std::nullopt;
    }
    const viste::TipoVista tipo = viste::Descrizione(*vista).tipo;
    if (tipo != viste::TipoVista::Grafico && tipo != viste::TipoVista::Griglia) {
        return std::nullopt;
    }
    return vista;
}

} // namespace

// statistica VIEW [--ruote ...]: the bars of a chart view (one line per number: the number, then
// each series) or the rows of a grid view in its order (cells separated by tabs; a pair never drawn
// carries "Ambo mai uscito!" as one more field).
int ComandoStatistica(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando argomenti;
    std::string errore;
    if (!argomenti.leggi(riga.argomenti, {"--ruote"}, errore)) {
        return ErroreUso(err, errore);
    }
    int indice = -1;
    if (argomenti.parole().size() != 1 || !testo::LeggiIntero(argomenti.parole()[0], indice) ||
        !VistaStampabile(indice)) {
        return ErroreUso(err, messaggi_cli::VistaNonValida);
    }
    const viste::Vista vista = *VistaStampabile(indice);
    std::optional<SegniRuote> ruote;
    if (!LeggiRuoteOpzionali(argomenti, ruote, errore)) {
        ServizioMessaggiTesto(err).mostra(Avviso(errore));
        return UscitaRifiuto;
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (ruote) {
        stato.sistema.ruote = *ruote;
    }
    const std::int32_t finestra = viste::LimitaFinestra(stato.generali, stato.archivio.conteggio());
    stato.ricalcolaStatistiche();
    const viste::ContestoViste contesto{stato.archivio, stato.statistiche, stato.sistema.ruote, finestra};

    if (viste::Descrizione(vista).tipo == viste::TipoVista::Grafico) {
        const viste::DatiGrafico g = viste::CalcolaGrafico(vista, contesto);
        for (std::size_t n = 0; n < g.valori.size(); ++n) {
            out << n + 1;
            for (int s = 0; s < g.serie; ++s) {
                out << '\t' << g.valori[n][static_cast<std::size_t>(s)];
            }
            out << '\n';
        }
        return UscitaOk;
    }
    const viste::TabellaVista t = viste::CalcolaTabella(vista, contesto);
    for (const viste::RigaTabella& r : t.righe) {
        for (std::size_t c = 0; c < t.colonne.size(); ++c) {
            out << (c > 0 ? "\t" : "") << viste::TestoCella(t, r, c);
        }
        if (r.maiUscito) {
            out << '\t' << viste::AmboMaiUscito;
        }
        out << '\n';
    }
    return UscitaOk;
}

// smorfia TERMINI...: the rows of the search, "number<TAB>description", in the view's order. The
// dictionary is Quarvin.smo of the data folder, made from the shipped text on a fresh installation.
int ComandoSmorfia(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (riga.argomenti.empty()) {
        return ErroreUso(err, messaggi_cli::TerminiMancanti);
    }
    std::string termini;
    for (const std::string& a : riga.argomenti) {
        termini += (termini.empty() ? "" : " ") + a;
    }
    AmbienteCli ambiente(riga, err);
    const std::string cartella = ambiente.stato().cartelle.dati;
    const QString datiProgramma = CartellaDatiDelProgramma();
    if (!datiProgramma.isEmpty()) {
        const std::string problema = smorfia::PreparaSmorfiaPredefinita(
            cartella, QDir(datiProgramma).filePath(QStringLiteral("smorfia.txt")).toStdString());
        if (!problema.empty()) {
            ServizioMessaggiTesto(err).mostra(Avviso(problema));
        }
    }
    std::vector<smorfia::Voce> voci;
    if (!smorfia::LeggiSmorfia(cartella + smorfia::NomeFile, voci)) {
        ServizioMessaggiTesto(err).mostra(Avviso(messaggi_cli::SmorfiaMancante));
        return UscitaRifiuto;
    }
    for (const smorfia::Risultato& r : smorfia::CercaSmorfia(voci, termini)) {
        out << r.numero << '\t' << r.descrizione << '\n';
    }
    return UscitaOk;
}

// analisi-combinazioni "NUMERI": the rows of the analysis over the last N draws, "label<TAB>estratti
// <TAB>ambi<TAB>terni<TAB>quaterne<TAB>cinquine", the separating rows as empty lines.
int ComandoAnalisiCombinazioni(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (riga.argomenti.size() != 1) {
        return ErroreUso(err, messaggi_cli::NumeriMancanti);
    }
    SegniNumeri insieme{};
    if (LeggiElencoNumeri(riga.argomenti[0], insieme) == 0) {
        ServizioMessaggiTesto(err).mostra(Avviso(viste::NumeriNonValidi));
        return UscitaRifiuto;
    }
    AmbienteCli ambiente(riga, err);
    if (!ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    const std::int32_t finestra = viste::LimitaFinestra(stato.generali, stato.archivio.conteggio());
    for (const viste::RigaAnalisi& r : viste::AnalizzaCombinazioni(stato.archivio, insieme, finestra)) {
        if (r.vuota) {
            out << '\n';
            continue;
        }
        out << r.etichetta;
        for (std::int32_t c : r.conteggi) {
            out << '\t' << c;
        }
        out << '\n';
    }
    return UscitaOk;
}

} // namespace cli
