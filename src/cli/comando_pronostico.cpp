#include "cli/ambiente.h"
#include "cli/argomenti_giocate.h"
#include "cli/comandi_cli.h"
#include "core/generatore_casuale.h"
#include "core/testo.h"
#include "editor/messaggi_giocate.h"
#include "editor/pronostico_aiuti.h"

#include <array>
#include <ostream>

namespace cli {

namespace {

constexpr const char* AggiungiProbabili = "--aggiungi-probabili";
constexpr const char* EliminaProbabili = "--elimina-meno-probabili";
constexpr const char* AggiungiCasuali = "--aggiungi-casuali";
constexpr const char* EliminaCasuali = "--elimina-casuali";
constexpr const char* Seme = "--seme";
constexpr const char* DaGiocate = "--da-giocate";
constexpr const char* Svuota = "--svuota";

constexpr const char* AzioneMancante =
    "indicare un'operazione: --aggiungi-probabili, --elimina-meno-probabili, "
    "--aggiungi-casuali, --elimina-casuali, --da-giocate oppure --svuota";
constexpr const char* AzioniInsieme = "indicare una sola operazione sul pronostico";
constexpr const char* SemeSoloCasuali = "--seme si usa solo con --aggiungi-casuali o --elimina-casuali";
constexpr const char* SemeNonValido = "il seme deve essere un numero da 0 a 4294967295: ";
constexpr const char* PronosticoPieno = "Tutti i 90 numeri sono già nel pronostico.";
constexpr const char* PronosticoVuoto = "Il pronostico non contiene nessun numero.";

bool LeggiSeme(const std::string& testo, std::uint32_t& seme)
{
    if (testo.empty() || testo.size() > 10 || testo.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const unsigned long long valore = std::stoull(testo);
    if (valore > 0xFFFFFFFFull) {
        return false;
    }
    seme = static_cast<std::uint32_t>(valore);
    return true;
}

} // namespace

// pronostico FILE.qvs (--aggiungi-probabili Q | --elimina-meno-probabili Q | --aggiungi-casuali Q
// [--seme S] | --elimina-casuali Q [--seme S] | --da-giocate | --svuota) (-o OUT.qvs | --sovrascrivi):
// the prediction helpers of the window. The probabilities come from the archive of the data folder and
// the system's wheels; without --seme the random helpers seed from the clock.
int ComandoPronostico(const RigaComando& riga, std::ostream& /*out*/, std::ostream& err)
{
    ArgomentiSistema a;
    std::string errore;
    if (!LeggiArgomentiSistema(riga.argomenti,
                               {AggiungiProbabili, EliminaProbabili, AggiungiCasuali, EliminaCasuali, Seme},
                               {DaGiocate, Svuota}, a, errore)) {
        return ErroreUso(err, errore);
    }
    const std::array<const char*, 6> azioni = {AggiungiProbabili, EliminaProbabili, AggiungiCasuali,
                                               EliminaCasuali,    DaGiocate,        Svuota};
    const char* azione = nullptr;
    int quante = 0;
    for (const char* nome : azioni) {
        if (a.valore(nome) || a.acceso(nome)) {
            azione = nome;
            ++quante;
        }
    }
    if (quante != 1) {
        return ErroreUso(err, quante == 0 ? AzioneMancante : AzioniInsieme);
    }
    const std::string_view scelta = azione;
    const bool casuale = scelta == AggiungiCasuali || scelta == EliminaCasuali;
    const bool probabile = scelta == AggiungiProbabili || scelta == EliminaProbabili;
    std::optional<std::uint32_t> seme;
    if (const auto testoSeme = a.valore(Seme)) {
        if (!casuale) {
            return ErroreUso(err, SemeSoloCasuali);
        }
        std::uint32_t valore = 0;
        if (!LeggiSeme(*testoSeme, valore)) {
            return ErroreUso(err, SemeNonValido + *testoSeme);
        }
        seme = valore;
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.sistema)) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    SegniNumeri& pronostico = stato.sistema.pronostico;

    if (scelta == Svuota) {
        pronostico.fill(0);
    } else if (scelta == DaGiocate) {
        if (!PronosticoDaGiocate(stato.giocate, pronostico)) {
            stato.messaggi.mostra(Avviso(messaggi_giocate::ElencoVuoto));
            return UscitaRifiuto;
        }
    } else {
        const Verso verso =
            scelta == AggiungiProbabili || scelta == AggiungiCasuali ? Verso::Aggiungi : Verso::Elimina;
        const int disponibili = NumeriDisponibili(pronostico, verso);
        if (disponibili == 0) {
            stato.messaggi.mostra(Avviso(verso == Verso::Aggiungi ? PronosticoPieno : PronosticoVuoto));
            return UscitaRifiuto;
        }
        int quantita = 0;
        if (!LeggiQuantita(*a.valore(azione), 1, disponibili, probabile, quantita)) {
            stato.messaggi.mostra(Avviso(messaggi_giocate::QuantitaNonValida(1, disponibili)));
            return UscitaRifiuto;
        }
        if (probabile) {
            if (!ambiente.caricaArchivio()) {
                return UscitaRifiuto;
            }
            stato.ricalcolaStatistiche();
            (void)NumeriProbabili(pronostico, quantita, verso, stato.statistiche.probabilita);
        } else {
            if (seme) {
                stato.generatore.imposta(*seme);
            } else {
                stato.generatore.seminaDaOrologio(ContatoreAltaRisoluzione());
            }
            NumeriCasuali(pronostico, quantita, verso, stato.generatore);
        }
    }
    stato.sistema.modificato = true;
    return ScriviSistemaUscita(ambiente, a);
}

} // namespace cli
