#include "editor/nuovo_sistema.h"

#include "core/impostazioni.h"
#include "core/testo.h"
#include "editor/file_riduzioni.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

namespace {

constexpr int NumeriPerGiocataPredefiniti = 5;

int NumeriPerGiocataIniziali(ArchivioImpostazioni& store)
{
    const std::int64_t k =
        static_cast<std::int64_t>(IDE_Intero(store, "NumxGio", NumeriPerGiocataPredefiniti - 1, false)) + 1;
    if (k < 1 || k > NumeriMassimiPerGiocata) {
        return NumeriPerGiocataPredefiniti;
    }
    return static_cast<int>(k);
}

} // namespace

EsitoCaricamentoRecord NuovoSistema(StatoApplicazione& stato)
{
    Sistema& s = stato.sistema;
    s.pronostico.fill(0);
    s.numeroFisse = 0;
    s.numeriPerGiocata = NumeriPerGiocataIniziali(stato.impostazioni);
    s.ruote.fill(0);
    s.ruote[Tutte - 1] = 1;
    s.importi.fill(0.0);
    s.posizioni.fill(0);
    stato.giocate.svuota();
    EsitoCaricamentoRecord esito =
        CaricaRecordRiduzioni(stato.cartelle.dati, stato.impostazioni, s.riduzioni);
    s.nomeFile = NomeFilePredefinito(stato.cartelle.documenti);
    s.modificato = false;
    return esito;
}

std::string NomeFilePredefinito(const std::string& cartella)
{
    for (int n = 1; n < std::numeric_limits<int>::max(); ++n) {
        std::string nome = cartella + "Sistema" + std::to_string(n) + ".qvs";
        std::error_code errore;
        if (!std::filesystem::exists(nome, errore)) {
            return nome;
        }
    }
    return cartella + "Sistema.qvs";
}

std::string TitoloFinestra(const Sistema& sistema)
{
    return "QUARVINA LOTTO - [" + testo::NomeSenzaCartella(sistema.nomeFile) + "]";
}
