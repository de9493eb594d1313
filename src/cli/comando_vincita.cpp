#include "checking/vincite.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/importi.h"
#include "core/testo.h"

#include <array>
#include <ostream>

namespace cli {

namespace {

constexpr std::array<std::string_view, 5> ChiaviClassi = {"estratto", "ambo", "terno", "quaterna",
                                                          "cinquina"};
constexpr std::array<std::string_view, 5> NomiClassiVincita = {"Estratto", "Ambo", "Terno", "Quaterna",
                                                               "Cinquina"};

// A whole number first..ultimo from an option's text; false otherwise.
bool LeggiQuantita(const std::string& testoOpzione, int primo, int ultimo, int& valore)
{
    return testo::LeggiIntero(testo::Trim(testoOpzione), valore) && valore >= primo && valore <= ultimo;
}

// "estratto=1 ambo=0.5": the texts of the five amounts by class (absent: empty). False with the reason on
// an unknown class.
bool DividiImporti(const std::string& testoImporti, std::array<std::string, 5>& testi, std::string& errore)
{
    for (std::string_view voce : testo::Dividi(testoImporti, ' ')) {
        const std::size_t uguale = voce.find('=');
        bool trovata = false;
        for (std::size_t k = 0; k < ChiaviClassi.size() && uguale != std::string_view::npos; ++k) {
            if (testo::UgualiSenzaMaiuscole(voce.substr(0, uguale), ChiaviClassi[k])) {
                testi[k] = std::string(voce.substr(uguale + 1));
                trovata = true;
            }
        }
        if (!trovata) {
            errore = messaggi_cli::ClasseVincitaNonValida + std::string(voce);
            return false;
        }
    }
    return true;
}

} // namespace

int ComandoVincita(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(riga.argomenti, {"--ruota", "--giocati", "--indovinati", "--importi"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (!a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole().front());
    }
    int divisore = pagamenti::DivisoreRuota;
    if (const auto ruota = a.valore("--ruota")) {
        if (testo::UgualiSenzaMaiuscole(*ruota, "tutte")) {
            divisore = pagamenti::DivisoreTutte;
        } else if (!testo::UgualiSenzaMaiuscole(*ruota, "singola")) {
            return ErroreUso(err, messaggi_cli::RuotaVincitaNonValida + *ruota);
        }
    }
    int giocati = 5;
    if (const auto g = a.valore("--giocati"); g && !LeggiQuantita(*g, 1, 10, giocati)) {
        return ErroreUso(err, messaggi_cli::GiocatiNonValidi);
    }
    int indovinati = 1;
    if (const auto h = a.valore("--indovinati"); h && !LeggiQuantita(*h, 0, 10, indovinati)) {
        return ErroreUso(err, messaggi_cli::IndovinatiNonValidi);
    }
    std::array<std::string, 5> testi{};
    if (const auto i = a.valore("--importi"); i && !DividiImporti(*i, testi, errore)) {
        return ErroreUso(err, errore);
    }

    AmbienteCli ambiente(riga, err);
    const ImportiCalcolatore letti = LeggiImportiCalcolatore(testi);
    if (!letti.valido()) {
        ambiente.mostra({Errore(letti.errore)});
        return UscitaRifiuto;
    }
    const ImpostazioniGenerali& generali = ambiente.stato().generali;
    const RisultatoCalcolo r =
        CalcolaVincita(giocati, indovinati, letti.importi, divisore, generali.vincitaMassima);
    for (std::size_t k = 0; k < r.vincite.size(); ++k) {
        out << NomiClassiVincita[k] << ": " << FormatoImporto(r.vincite[k], true, generali.decimali)
            << " €\n";
    }
    out << messaggi_vincite::Totale << FormatoImporto(r.totale, true, generali.decimali) << " €\n"
        << messaggi_vincite::AlLordo << '\n';
    return UscitaOk;
}

} // namespace cli
