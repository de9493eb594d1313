#include "cli/comandi.h"

#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/testo.h"

#include <ostream>

namespace cli {

int ErroreUso(std::ostream& err, const std::string& motivo)
{
    if (!motivo.empty()) {
        err << "quarvin-cli: " << motivo << '\n';
    }
    err << testo::RigheUnix(messaggi_cli::Uso) << '\n';
    return UscitaUso;
}

} // namespace cli

int EseguiRigaComando(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err)
{
    cli::RigaComando riga;
    std::string errore;
    if (!cli::LeggiRigaComando(argomenti, riga, errore)) {
        return cli::ErroreUso(err, errore);
    }
    if (riga.comando == "crea") {
        return cli::ComandoCrea(riga, out, err);
    }
    if (riga.comando == "info") {
        return cli::ComandoInfo(riga, out, err);
    }
    if (riga.comando == "giocate") {
        return cli::ComandoGiocate(riga, out, err);
    }
    if (riga.comando == "distribuzione") {
        return cli::ComandoDistribuzione(riga, out, err);
    }
    if (riga.comando == "sviluppa") {
        return cli::ComandoSviluppa(riga, out, err);
    }
    if (riga.comando == "statistiche") {
        return cli::ComandoStatistiche(riga, out, err);
    }
    if (riga.comando == "statistica") {
        return cli::ComandoStatistica(riga, out, err);
    }
    if (riga.comando == "smorfia") {
        return cli::ComandoSmorfia(riga, out, err);
    }
    if (riga.comando == "analisi-combinazioni") {
        return cli::ComandoAnalisiCombinazioni(riga, out, err);
    }
    if (riga.comando == "archivio") {
        return cli::ComandoArchivio(riga, out, err);
    }
    if (riga.comando == "vincita") {
        return cli::ComandoVincita(riga, out, err);
    }
    if (riga.comando == "importa") {
        return cli::ComandoImporta(riga, out, err);
    }
    if (riga.comando == "esporta") {
        return cli::ComandoEsporta(riga, out, err);
    }
    if (riga.comando == "pronostico") {
        return cli::ComandoPronostico(riga, out, err);
    }
    if (riga.comando == "condizioni") {
        return cli::ComandoCondizioni(riga, out, err);
    }
    if (riga.comando == "analisi") {
        return cli::ComandoAnalisi(riga, out, err);
    }
    if (riga.comando == "riduci") {
        return cli::ComandoRiduci(riga, out, err);
    }
    if (riga.comando == "riduttori") {
        return cli::ComandoRiduttori(riga, out, err);
    }
    if (riga.comando == "spoglio-storico") {
        return cli::ComandoSpoglioStorico(riga, out, err);
    }
    if (riga.comando == "probabilita-vincita") {
        return cli::ComandoProbabilitaVincita(riga, out, err);
    }
    if (riga.comando == "riduttori-personali") {
        return cli::ComandoRiduttoriPersonali(riga, out, err);
    }
    if (riga.comando == "garanzia") {
        return cli::ComandoGaranzia(riga, out, err);
    }
    if (riga.comando == "bilancio") {
        return cli::ComandoBilancio(riga, out, err);
    }
    if (riga.comando == "probabilita") {
        return cli::ComandoProbabilita(riga, out, err);
    }
    if (riga.comando == "stampa") {
        return cli::ComandoStampa(riga, out, err);
    }
    if (riga.comando == "spoglio") {
        return cli::ComandoSpoglio(riga, out, err);
    }
    return cli::ErroreUso(err, messaggi_cli::ComandoSconosciuto + riga.comando);
}
