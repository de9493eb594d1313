#include "cli/comandi.h"

#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/testo.h"

#include <ostream>
#include <string_view>

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

namespace {

using Comando = int (*)(const cli::RigaComando&, std::ostream&, std::ostream&);

struct VoceComando
{
    std::string_view nome;
    Comando esegui;
};

const VoceComando Comandi[] = {
    {"crea", &cli::ComandoCrea},
    {"info", &cli::ComandoInfo},
    {"giocate", &cli::ComandoGiocate},
    {"distribuzione", &cli::ComandoDistribuzione},
    {"sviluppa", &cli::ComandoSviluppa},
    {"statistiche", &cli::ComandoStatistiche},
    {"statistica", &cli::ComandoStatistica},
    {"smorfia", &cli::ComandoSmorfia},
    {"analisi-combinazioni", &cli::ComandoAnalisiCombinazioni},
    {"archivio", &cli::ComandoArchivio},
    {"vincita", &cli::ComandoVincita},
    {"importa", &cli::ComandoImporta},
    {"esporta", &cli::ComandoEsporta},
    {"pronostico", &cli::ComandoPronostico},
    {"condizioni", &cli::ComandoCondizioni},
    {"analisi", &cli::ComandoAnalisi},
    {"riduci", &cli::ComandoRiduci},
    {"riduttori", &cli::ComandoRiduttori},
    {"spoglio-storico", &cli::ComandoSpoglioStorico},
    {"probabilita-vincita", &cli::ComandoProbabilitaVincita},
    {"riduttori-personali", &cli::ComandoRiduttoriPersonali},
    {"garanzia", &cli::ComandoGaranzia},
    {"bilancio", &cli::ComandoBilancio},
    {"probabilita", &cli::ComandoProbabilita},
    {"stampa", &cli::ComandoStampa},
    {"spoglio", &cli::ComandoSpoglio},
};

} // namespace

int EseguiRigaComando(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err)
{
    cli::RigaComando riga;
    std::string errore;
    if (!cli::LeggiRigaComando(argomenti, riga, errore)) {
        return cli::ErroreUso(err, errore);
    }
    for (const VoceComando& voce : Comandi) {
        if (voce.nome == riga.comando) {
            return voce.esegui(riga, out, err);
        }
    }
    return cli::ErroreUso(err, messaggi_cli::ComandoSconosciuto + riga.comando);
}
