#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "tools/distribuzione_numeri.h"

#include <ostream>

namespace cli {

// How many plays of the system contain each number: 90 lines "number<TAB>count".
int ComandoDistribuzione(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    std::string percorso;
    std::string errore;
    if (!LeggiArgomentoFile(riga.argomenti, percorso, errore)) {
        return ErroreUso(err, errore);
    }
    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(percorso)) {
        return UscitaRifiuto;
    }
    distribuzione::DistribuzioneNumeri esito;
    EsecuzioneContinua continua;
    distribuzione::ContaDistribuzione(ambiente.stato().giocate, esito, continua);
    for (int n = 1; n <= NumeroMassimo; ++n) {
        out << n << '\t' << esito.conteggio(n) << '\n';
    }
    return UscitaOk;
}

} // namespace cli
