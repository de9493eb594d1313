#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/statistiche.h"

#include <charconv>
#include <ostream>

namespace cli {

namespace {

// Six decimals with a point whatever the locale.
std::string SeiDecimali(double x)
{
    char buffer[64];
    const auto [fine, errore] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 6);
    if (errore != std::errc{}) {
        return "0.000000";
    }
    return std::string(buffer, fine);
}

} // namespace

// The shared statistics of the 90 numbers from the archive of the data folder, for the wheels given
// (those of a new system, Tutte, by default) and the probability settings of the settings store:
// "n<TAB>d[n]<TAB>f[n]<TAB>P[n]", one line per number.
int ComandoStatistiche(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando argomenti;
    std::string errore;
    if (!argomenti.leggi(riga.argomenti, {"--ruote"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (!argomenti.parole().empty()) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + argomenti.parole()[0]);
    }
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
    stato.ricalcolaStatistiche();

    const StatisticheNumeri& s = stato.statistiche;
    for (int n = 1; n <= 90; ++n) {
        out << n << '\t' << s.ritardoSelezionate[n] << '\t' << s.frequenzaSelezionate[n] << '\t'
            << SeiDecimali(s.probabilita[n]) << '\n';
    }
    return UscitaOk;
}

} // namespace cli
