#include "checking/distribuzione_punti.h"
#include "checking/verifica_garanzia.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string>

namespace cli {

namespace {

// A whole number min..max, or nothing.
std::optional<int> Intero(const std::string& testo, int minimo, int massimo)
{
    int valore = 0;
    const char* fine = testo.data() + testo.size();
    const auto [p, ec] = std::from_chars(testo.data(), fine, valore);
    if (ec != std::errc{} || p != fine || valore < minimo || valore > massimo) {
        return std::nullopt;
    }
    return valore;
}

} // namespace

int ComandoGaranzia(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(riga.argomenti, {"--punti", "--buchi", "--livello"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::FileMancante);
    }
    if (a.parole().size() > 1) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    const auto testoPunti = a.valore("--punti");
    if (!testoPunti) {
        return ErroreUso(err, std::string(messaggi_cli::OpzioneObbligatoria) + "--punti");
    }
    const auto punti = Intero(*testoPunti, 1, 5);
    if (!punti) {
        return ErroreUso(err, messaggi_cli::PuntiNonValidi + *testoPunti);
    }
    const std::string testoBuchi = a.valore("--buchi").value_or(std::to_string(BuchiPredefiniti));
    const auto buchi = Intero(testoBuchi, 0, 1000000000);
    if (!buchi) {
        return ErroreUso(err, messaggi_cli::BuchiNonValidi + testoBuchi);
    }
    int livello = 0;
    if (const auto testoLivello = a.valore("--livello")) {
        const auto l = Intero(*testoLivello, 1, 5);
        if (!l) {
            return ErroreUso(err, messaggi_cli::LivelloNonValido + *testoLivello);
        }
        livello = *l;
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.parole().front())) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (stato.giocate.vuoto()) {
        ambiente.mostra({Avviso(messaggi_verifica_garanzia::NessunaGiocata)});
        return UscitaRifiuto;
    }
    EsitoVerificaGaranzia esito;
    EsecuzioneContinua continua;
    VerificaGaranzia(NumeriPronostico(stato.sistema.pronostico), stato.giocate.dati(),
                     stato.giocate.conteggio(), *punti, livello, *buchi, esito, continua);
    out << messaggi_verifica_garanzia::Garantito << '\t' << esito.garantito << '\n';
    for (int s = 0; s <= 5; ++s) {
        out << messaggi_probabilita_vincita::Etichette[static_cast<std::size_t>(s)] << '\t'
            << esito.istogramma[static_cast<std::size_t>(s)] << '\t'
            << TestoPercentualeQuattroDecimali(esito.percentuale(s)) << '\n';
    }
    out << messaggi_verifica_garanzia::Buchi << '\t' << esito.buchiTotali << '\n' << TestoBuchi(esito);
    return UscitaOk;
}

} // namespace cli
