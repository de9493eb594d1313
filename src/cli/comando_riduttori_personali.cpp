#include "checking/distribuzione_punti.h"
#include "cli/ambiente.h"
#include "cli/argomenti_giocate.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/file_binario.h"
#include "core/testo.h"
#include "reducers/applica_riduttore.h"
#include "reducers/elenco_riduttori.h"
#include "reducers/riduttore_personale.h"

#include <filesystem>
#include <ostream>

namespace cli {

namespace {

namespace mrp = messaggi_riduttori_personali;

constexpr const char* SottocomandoMancante =
    "manca il comando dei riduttori personali (crea, elenco, applica, "
    "probabilita)";
constexpr const char* SottocomandoSconosciuto = "comando dei riduttori personali sconosciuto: ";
constexpr const char* RiduttoreMancante = "manca il file del riduttore";
constexpr const char* OrigineMancante = "indicare una sola origine: --da-sistema oppure --da-testo";
constexpr const char* PronosticoNonValido = "indicare la dimensione del pronostico con un numero da 1 a 90: ";

// A reducer given by name only is one of the personal folder.
std::string PercorsoDato(const std::string& dato, const std::string& personale)
{
    std::error_code e;
    if (std::filesystem::exists(dato, e) || std::filesystem::path(dato).has_parent_path()) {
        return dato;
    }
    return (std::filesystem::path(personale) / dato).string();
}

bool LeggiRiduttore(AmbienteCli& ambiente, const std::string& dato, RiduttorePersonale& riduttore)
{
    const std::string percorso = PercorsoDato(dato, ambiente.stato().cartelle.personale);
    const EsitoLetturaRiduttore esito = LeggiFileRiduttore(percorso);
    if (!esito) {
        ambiente.mostra({Avviso(std::string(mrp::FileIlleggibile) + percorso + " (" + esito.errore + ")")});
        return false;
    }
    riduttore = esito.riduttore;
    return true;
}

int Crea(const RigaComando& riga, const std::vector<std::string>& argomenti, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(argomenti, {"--da-sistema", "--da-testo", "--commenti"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().size() != 1) {
        return ErroreUso(err, a.parole().empty() ? RiduttoreMancante
                                                 : messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    const auto sistema = a.valore("--da-sistema");
    const auto testo = a.valore("--da-testo");
    if (sistema.has_value() == testo.has_value()) {
        return ErroreUso(err, OrigineMancante);
    }
    AmbienteCli ambiente(riga, err);
    const std::string commenti = a.valore("--commenti").value_or(std::string());
    EsitoValidazioneRiduttore esito;
    if (sistema) {
        if (!ambiente.apriSistema(*sistema)) {
            return UscitaRifiuto;
        }
        const ElencoGiocate& giocate = ambiente.stato().giocate;
        esito = ValidaGiocateRiduttore(giocate.dati(), giocate.conteggio(), commenti);
    } else {
        const auto dati = LeggiFileIntero(*testo, DimensioneMassimaRiduttore);
        std::vector<std::string_view> righe;
        if (!dati || !DividiRighe(std::string_view(reinterpret_cast<const char*>(dati->data()), dati->size()),
                                  righe)) {
            ambiente.mostra({Avviso(std::string(mrp::FileIlleggibile) + *testo)});
            return UscitaRifiuto;
        }
        esito = ValidaRigheRiduttore(std::vector<std::string>(righe.begin(), righe.end()), commenti);
    }
    if (!esito.valida()) {
        ambiente.mostra({*esito.errore});
        return UscitaRifiuto;
    }
    if (!ScriviFileRiduttore(a.parole().front(), esito.riduttore)) {
        ambiente.mostra({Avviso(std::string(mrp::ScritturaNonRiuscita) + a.parole().front())});
        return UscitaRifiuto;
    }
    return UscitaOk;
}

int Elenco(const RigaComando& riga, const std::vector<std::string>& argomenti, std::ostream& out,
           std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(argomenti, {"--pronostico"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (!a.parole().empty()) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + a.parole().front());
    }
    int n = 0;
    const auto pronostico = a.valore("--pronostico");
    if (pronostico && (!testo::LeggiIntero(*pronostico, n) || n < 1 || n > NumeroMassimo)) {
        return ErroreUso(err, PronosticoNonValido + *pronostico);
    }
    AmbienteCli ambiente(riga, err);
    std::vector<VoceRiduttore> elenco = ElencoRiduttori(ambiente.stato().cartelle.personale);
    if (pronostico) {
        elenco = RiduttoriApplicabili(elenco, n);
    }
    for (const VoceRiduttore& v : elenco) {
        out << v.m << '\t' << v.p << '\t' << v.nomeFile << '\n';
    }
    return UscitaOk;
}

int Applica(const RigaComando& riga, const std::vector<std::string>& argomenti, std::ostream& err)
{
    if (argomenti.size() < 2 || argomenti[0].starts_with("-") || argomenti[1].starts_with("-")) {
        return ErroreUso(err, argomenti.empty() ? messaggi_cli::FileMancante : RiduttoreMancante);
    }
    std::vector<std::string> resto = {argomenti[0]};
    resto.insert(resto.end(), argomenti.begin() + 2, argomenti.end());
    ArgomentiSistema a;
    std::string errore;
    if (!LeggiArgomentiSistema(resto, {}, {"--considera-fisse"}, a, errore)) {
        return ErroreUso(err, errore);
    }
    AmbienteCli ambiente(riga, err);
    if (!ambiente.apriSistema(a.sistema)) {
        return UscitaRifiuto;
    }
    RiduttorePersonale riduttore;
    if (!LeggiRiduttore(ambiente, argomenti[1], riduttore)) {
        return UscitaRifiuto;
    }
    StatoApplicazione& stato = ambiente.stato();
    if (const auto rifiuto = RiduttoreNonAdatto(riduttore, stato.sistema)) {
        ambiente.mostra({*rifiuto});
        return UscitaRifiuto;
    }
    EsecuzioneContinua continua;
    const EsitoRiduzione esito =
        ApplicaRiduttore(stato.sistema, stato.giocate, riduttore, a.acceso("--considera-fisse"), continua);
    if (esito.messaggio) {
        ambiente.mostra({*esito.messaggio});
    }
    if (!esito.confermata()) {
        return UscitaRifiuto;
    }
    return ScriviSistemaUscita(ambiente, a);
}

int Probabilita(const RigaComando& riga, const std::vector<std::string>& argomenti, std::ostream& out,
                std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi(argomenti, {"--punti"}, errore)) {
        return ErroreUso(err, errore);
    }
    if (a.parole().size() != 1) {
        return ErroreUso(err, a.parole().empty() ? RiduttoreMancante
                                                 : messaggi_cli::ArgomentoInatteso + a.parole()[1]);
    }
    const std::string testoPunti = a.valore("--punti").value_or(std::to_string(SceltaPuntiPredefinita + 1));
    if (testoPunti.size() != 1 || testoPunti[0] < '1' || testoPunti[0] > '5') {
        return ErroreUso(err, messaggi_cli::PuntiNonValidi + testoPunti);
    }
    AmbienteCli ambiente(riga, err);
    RiduttorePersonale riduttore;
    if (!LeggiRiduttore(ambiente, a.parole().front(), riduttore)) {
        return UscitaRifiuto;
    }
    if (riduttore.p > MassimoGiocateProbabilita ||
        static_cast<std::int64_t>(riduttore.giocate.size()) > MassimoGiocateProbabilita) {
        ambiente.mostra({Avviso(mrp::TroppeGiocate)});
        return UscitaRifiuto;
    }
    std::vector<std::uint8_t> pronostico;
    for (int i = 1; i <= riduttore.m; ++i) {
        pronostico.push_back(static_cast<std::uint8_t>(i));
    }
    EsitoDistribuzionePunti esito;
    EsecuzioneContinua continua;
    DistribuzionePunti(pronostico, riduttore.giocate.data(),
                       static_cast<std::int32_t>(riduttore.giocate.size()), testoPunti[0] - '0', esito,
                       continua);
    for (int s = 0; s <= 5; ++s) {
        out << messaggi_probabilita_vincita::Etichette[static_cast<std::size_t>(s)] << '\t'
            << TestoPercentualeQuattroDecimali(esito.percentuale(s)) << '\n';
    }
    return UscitaOk;
}

} // namespace

int ComandoRiduttoriPersonali(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (riga.argomenti.empty()) {
        return ErroreUso(err, SottocomandoMancante);
    }
    const std::string& sotto = riga.argomenti.front();
    const std::vector<std::string> resto(riga.argomenti.begin() + 1, riga.argomenti.end());
    if (sotto == "crea") {
        return Crea(riga, resto, err);
    }
    if (sotto == "elenco") {
        return Elenco(riga, resto, out, err);
    }
    if (sotto == "applica") {
        return Applica(riga, resto, err);
    }
    if (sotto == "probabilita") {
        return Probabilita(riga, resto, out, err);
    }
    return ErroreUso(err, SottocomandoSconosciuto + sotto);
}

} // namespace cli
