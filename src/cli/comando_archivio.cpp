#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/archivio_testo.h"
#include "core/messaggi_archivio.h"
#include "core/testo.h"

#include <ostream>

namespace cli {

namespace {

int Info(AmbienteCli& ambiente, std::ostream& out)
{
    const ArchivioStorico& archivio = ambiente.stato().archivio;
    out << messaggi_cli::InfoEstrazioni << archivio.conteggio() << '\n';
    if (!archivio.vuoto()) {
        out << messaggi_cli::InfoPrimaEstrazione << TestoData(archivio.estrazione(1)) << '\n';
        out << messaggi_cli::InfoUltimaEstrazione << TestoData(archivio.estrazione(archivio.conteggio()))
            << '\n';
    }
    return UscitaOk;
}

// Merges the text into the archive and saves it when something changed. Refused (status 1) when the file
// cannot be read or has no usable line, or when the save fails.
int Importa(AmbienteCli& ambiente, const std::string& percorso, std::ostream& err)
{
    ArchivioStorico& archivio = ambiente.stato().archivio;
    const EsitoImportazioneTesto esito = ImportaFileArchivioTesto(percorso, archivio);
    if (!esito.letto) {
        ambiente.mostra({Errore(esito.testo)});
        return UscitaRifiuto;
    }
    err << testo::RigheUnix(esito.descrizione()) << '\n';
    if (esito.modificato() && !ambiente.salvaArchivio()) {
        return UscitaRifiuto;
    }
    return esito.righe > esito.righeScartate ? UscitaOk : UscitaRifiuto;
}

int Esporta(AmbienteCli& ambiente, const std::string& percorso)
{
    if (!SalvaArchivioTesto(percorso, ambiente.stato().archivio)) {
        ambiente.mostra({Errore(messaggi_archivio::ErroreScritturaTesto + percorso)});
        return UscitaRifiuto;
    }
    return UscitaOk;
}

} // namespace

int ComandoArchivio(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando argomenti;
    std::string errore;
    if (!argomenti.leggi(riga.argomenti, {}, errore)) {
        return ErroreUso(err, errore);
    }
    const std::vector<std::string>& parole = argomenti.parole();
    if (parole.empty()) {
        return ErroreUso(err, messaggi_cli::SottocomandoArchivioMancante);
    }
    const std::string& sottocomando = parole[0];
    const bool conFile = sottocomando == "importa" || sottocomando == "esporta";
    if (!conFile && sottocomando != "info") {
        return ErroreUso(err, messaggi_cli::SottocomandoArchivioSconosciuto + sottocomando);
    }
    const std::size_t attese = conFile ? 2 : 1;
    if (parole.size() < attese) {
        return ErroreUso(err, messaggi_cli::FileTestoMancante);
    }
    if (parole.size() > attese) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + parole[attese]);
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    if (sottocomando == "info") {
        return Info(ambiente, out);
    }
    if (sottocomando == "importa") {
        return Importa(ambiente, parole[1], err);
    }
    return Esporta(ambiente, parole[1]);
}

} // namespace cli
