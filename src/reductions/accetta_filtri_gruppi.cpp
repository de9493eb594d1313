#include "reductions/accetta_filtri_gruppi.h"

#include "core/testo.h"

#include <algorithm>

namespace mg = messaggi_gruppi;

namespace {

constexpr int QuantitaMassima = 10;

template <typename Record> EsitoAccettazione<Record> Rifiuto(std::string testo, FocusAccettazione focus)
{
    EsitoAccettazione<Record> esito;
    esito.messaggio = Avviso(std::move(testo));
    esito.focus = focus;
    return esito;
}

// "low-high" with 1 <= low < high (high is not compared with 90: numbers beyond it never occur).
bool LeggiLimiti(const std::string& cella, IntervalloNumeri& intervallo)
{
    const std::string testo = testo::Trim(cella);
    const auto trattino = testo.find('-');
    if (trattino == std::string::npos) {
        return false;
    }
    int basso = 0;
    int alto = 0;
    if (!testo::LeggiIntero(testo::Trim(testo.substr(0, trattino)), basso) ||
        !testo::LeggiIntero(testo::Trim(testo.substr(trattino + 1)), alto) || basso < 1 || basso >= alto) {
        return false;
    }
    intervallo.basso = basso;
    intervallo.alto = alto;
    return true;
}

// The whole numbers of the cell, each allowing that count (10 for anything above); other pieces are
// ignored. 0 when none was taken.
std::uint16_t LeggiQuantita(const std::string& cella)
{
    std::uint16_t ammesse = 0;
    const std::string testo = testo::UnisciSpazi(testo::Trim(cella));
    for (const std::string_view pezzo : testo::Dividi(testo, ' ')) {
        int q = 0;
        if (testo::LeggiIntero(pezzo, q)) {
            ammesse = static_cast<std::uint16_t>(ammesse | (1U << std::min(q, QuantitaMassima)));
        }
    }
    return ammesse;
}

} // namespace

EsitoAccettazione<IntervalliNumeri> AccettaIntervalli(const std::string& testoErrori,
                                                      const std::vector<RigaIntervalloNumeri>& righe)
{
    using Esito = EsitoAccettazione<IntervalliNumeri>;
    IntervalliNumeri record;
    int errori = 0;
    if (!testo::LeggiIntero(testo::Trim(testoErrori), errori)) {
        return Rifiuto<IntervalliNumeri>(mg::ErroriNonValidi, FocusAccettazione::Errori);
    }
    record.massimoErrori = errori;
    for (std::size_t r = 0; r < righe.size(); ++r) {
        const RigaIntervalloNumeri& riga = righe[r];
        if (testo::Trim(riga.intervallo).empty() && testo::Trim(riga.quantita).empty()) {
            continue;
        }
        const std::string numero = std::to_string(r + 1);
        IntervalloNumeri intervallo;
        if (!LeggiLimiti(riga.intervallo, intervallo)) {
            return Rifiuto<IntervalliNumeri>(mg::IntervalloNonValido + numero + mg::IntervalloNonValidoFine,
                                             FocusAccettazione::Tabella);
        }
        intervallo.ammesse = LeggiQuantita(riga.quantita);
        if (intervallo.ammesse == 0) {
            return Rifiuto<IntervalliNumeri>(mg::QuantitaNonValide + numero + mg::QuantitaNonValideFine,
                                             FocusAccettazione::Tabella);
        }
        // The record has room for 46: more would be cut when saved.
        if (record.intervalli.size() == IntervalliNumeri::Massimo) {
            return Rifiuto<IntervalliNumeri>(mg::TroppiIntervalli, FocusAccettazione::Tabella);
        }
        record.intervalli.push_back(intervallo);
    }
    if (record.intervalli.empty()) {
        return Rifiuto<IntervalliNumeri>(mg::AlmenoUnIntervallo, FocusAccettazione::Tabella);
    }
    const auto conteggio = static_cast<std::int32_t>(record.intervalli.size());
    record.massimoErrori = std::min(record.massimoErrori, conteggio - 1);
    Esito esito;
    esito.record = std::move(record);
    return esito;
}

EsitoAccettazione<GruppiFissi> AccettaGruppi(FamigliaGruppi famiglia, const std::string& testoErrori,
                                             const std::array<bool, 10>& inUso,
                                             const std::array<std::uint16_t, 10>& ammesse)
{
    GruppiFissi record;
    record.famiglia = famiglia;
    const int gruppi = record.gruppi();
    int errori = 0;
    if (!testo::LeggiIntero(testo::Trim(testoErrori), errori) || errori >= gruppi) {
        return Rifiuto<GruppiFissi>(famiglia == FamigliaGruppi::Cadenze ? mg::ErroriCadenze
                                                                        : mg::ErroriFigureDecine,
                                    FocusAccettazione::Errori);
    }
    record.massimoErrori = errori;
    for (std::size_t g = 0; g < static_cast<std::size_t>(gruppi); ++g) {
        record.inUso[g] = inUso[g];
        // A group always allows some count: with none it allows 0, as its row in the dialog shows.
        const auto flag = static_cast<std::uint16_t>(ammesse[g] & 0x7FFU);
        record.ammesse[g] = flag != 0 ? flag : std::uint16_t{1};
    }
    const int usati = record.gruppiInUso();
    if (usati == 0) {
        const char* testo = famiglia == FamigliaGruppi::Cadenze  ? mg::AlmenoUnaCadenza
                            : famiglia == FamigliaGruppi::Figure ? mg::AlmenoUnaFigura
                                                                 : mg::AlmenoUnaDecina;
        return Rifiuto<GruppiFissi>(testo, FocusAccettazione::Gruppi);
    }
    record.massimoErrori = std::min(record.massimoErrori, usati - 1);
    EsitoAccettazione<GruppiFissi> esito;
    esito.record = record;
    return esito;
}

RigaIntervalloNumeri TestoIntervallo(const IntervalloNumeri& intervallo)
{
    return {std::to_string(intervallo.basso) + "-" + std::to_string(intervallo.alto),
            TestoValori(intervallo.ammesse)};
}
