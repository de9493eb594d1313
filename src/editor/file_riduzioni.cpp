#include "editor/file_riduzioni.h"

#include "core/byte_io.h"
#include "core/file_binario.h"
#include "core/impostazioni.h"

#include <cmath>
#include <filesystem>
#include <span>

namespace {

constexpr std::size_t DimensioneFileIntervalli = 4 + 2 * 8 * FileIntervalli::Massimo;
constexpr std::size_t NumeriProbabilita = 90;

// Where the counts live, and their ranges.
constexpr std::size_t OffsetListeCondizioni = 72; // 11 interval lists of 1608 bytes
constexpr std::size_t DimensioneListaCondizioni = 1608;
constexpr std::size_t ListeCondizioni = 11;
constexpr std::size_t OffsetConteggioLista = 1600;
constexpr std::int32_t MassimoFiltri = 150;
constexpr std::int32_t MassimoConfronti = 150;
constexpr std::int32_t MassimoIntervalliNumeri = 46;
constexpr std::size_t OffsetConteggioSostituzioni = 2000;
constexpr std::int32_t MassimoSostituzioni = 100;

// Placement of the intervals inside the delay and frequency blocks.
struct PosizioneIntervalli
{
    std::size_t conteggio;
    std::size_t minimi;
    std::size_t massimi;
};
constexpr PosizioneIntervalli IntervalliProbabilitaRitardi{4, 8, 808};
constexpr PosizioneIntervalli IntervalliProbabilitaFrequenze{8, 16, 816};
constexpr PosizioneIntervalli IntervalliProbabilitaPersonali{0, 8, 808};
constexpr PosizioneIntervalli IntervalliFrequenze{4, 8, 808};
constexpr PosizioneIntervalli IntervalliRitardi{0, 8, 808};

constexpr std::size_t OffsetCriterio = 0;
constexpr std::size_t OffsetCacheProbabilitaRitardi = 1608;
constexpr std::size_t OffsetSpanProbabilitaFrequenze = 4;
constexpr std::size_t OffsetCacheProbabilitaFrequenze = 1616;
constexpr std::size_t OffsetPunteggiPersonali = 1608;
constexpr std::size_t OffsetSpanFrequenze = 0;
constexpr std::size_t OffsetCacheFrequenze = 1608;
constexpr std::size_t OffsetCacheRitardi = 1608;
constexpr std::int32_t CacheDaCalcolare = -1;
constexpr double PunteggioPersonaleIniziale = 50.0;

constexpr const char* NomeCriterioProbabilitaRitardi = "ProRitTC";
constexpr const char* NomeCriterioProbabilitaFrequenze = "ProFreTC";
constexpr const char* NomeSpanProbabilitaFrequenze = "ProFreNumGio";
constexpr const char* NomeSpanFrequenze = "DatiRidFreNumGio";
constexpr std::int32_t SpanProbabilitaFrequenzePredefinito = 200;
constexpr std::int32_t SpanFrequenzePredefinito = 100;
constexpr std::int32_t CriterioMassimo = 2;

std::string Percorso(const std::string& cartella, const char* nome)
{
    return (std::filesystem::path(cartella) / nome).string();
}

template <std::size_t N>
bool ConteggioValido(const BloccoRecord<N>& blocco, std::size_t offset, std::int32_t massimo)
{
    const std::int32_t conteggio = LeggiCampoInt32(blocco, offset);
    return conteggio >= 0 && conteggio <= massimo;
}

bool CondizioniValide(const BloccoRecord<17888>& blocco)
{
    for (std::size_t i = 0; i < ListeCondizioni; ++i) {
        const std::size_t lista = OffsetListeCondizioni + i * DimensioneListaCondizioni;
        if (!ConteggioValido(blocco, lista + OffsetConteggioLista, FileIntervalli::Massimo)) {
            return false;
        }
    }
    return true;
}

bool GiocateFiltroValide(const BloccoRecord<15160>& blocco)
{
    return ConteggioValido(blocco, 0, MassimoFiltri);
}

bool ConfrontoStoricoValido(const BloccoRecord<1508>& blocco)
{
    return ConteggioValido(blocco, 0, MassimoConfronti);
}

bool IntervalliNumeriValidi(const BloccoRecord<884>& blocco)
{
    return ConteggioValido(blocco, 0, MassimoIntervalliNumeri);
}

bool SostituzioniValide(const BloccoRecord<2008>& blocco)
{
    return ConteggioValido(blocco, OffsetConteggioSostituzioni, MassimoSostituzioni);
}

// The file, when it exists, has exactly N bytes and passes the check, replaces the record;
// otherwise the record stays as it is.
template <std::size_t N>
EsitoLettura LeggiImmagine(const std::string& percorso, BloccoRecord<N>& record,
                           bool (*valido)(const BloccoRecord<N>&) = nullptr)
{
    if (!EsisteFile(percorso)) {
        return EsitoLettura::Assente;
    }
    auto dati = LeggiFileIntero(percorso, N);
    if (!dati || dati->size() != N) {
        return EsitoLettura::Rifiutato;
    }
    BloccoRecord<N> letto{};
    ByteReader lettore(*dati);
    if (!lettore.blocco(letto) || (valido != nullptr && !valido(letto))) {
        return EsitoLettura::Rifiutato;
    }
    record = letto;
    return EsitoLettura::Letto;
}

template <std::size_t N> bool ScriviImmagine(const std::string& percorso, const BloccoRecord<N>& record)
{
    return ScriviFileAtomico(percorso, std::span<const std::uint8_t>(record));
}

template <std::size_t G> BloccoRecord<12 * G + 4> GruppiPredefiniti()
{
    BloccoRecord<12 * G + 4> blocco{};
    for (std::size_t g = 0; g < G; ++g) {
        blocco[g] = 1;              // in use
        blocco[G + 11 * g + 0] = 1; // no number of the group
        blocco[G + 11 * g + 1] = 1; // one number of the group
    }
    return blocco; // maximum errors 0
}

bool IntervalloValido(double minimo, double massimo)
{
    // Written this way so that NaN fails.
    return minimo >= 0.0 && minimo <= massimo && massimo <= 100.0;
}

struct IntervalloPredefinito
{
    const char* nome;
    bool presente;
    double minimo;
    double massimo;
};

IntervalloPredefinito Predefinito(QualeFileIntervalli quale)
{
    switch (quale) {
    case QualeFileIntervalli::ProbabilitaRitardi:
        return {"Quarvin.ipr", true, 7.0, 28.0};
    case QualeFileIntervalli::ProbabilitaFrequenze:
        return {"Quarvin.ipf", true, 40.0, 65.0};
    case QualeFileIntervalli::ProbabilitaPersonali:
        return {"Quarvin.ipp", true, 75.0, 100.0};
    case QualeFileIntervalli::Frequenze:
        return {"Quarvin.irf", false, 0.0, 0.0};
    case QualeFileIntervalli::Ritardi:
        return {"Quarvin.irr", false, 0.0, 0.0};
    }
    return {"", false, 0.0, 0.0};
}

template <std::size_t N>
void PoniIntervalli(BloccoRecord<N>& blocco, PosizioneIntervalli posizione, const FileIntervalli& intervalli)
{
    ScriviCampoInt32(blocco, posizione.conteggio, intervalli.numero);
    for (std::size_t j = 0; j < FileIntervalli::Massimo; ++j) {
        ScriviCampoDouble(blocco, posizione.minimi + 8 * j, intervalli.minimi[j]);
        ScriviCampoDouble(blocco, posizione.massimi + 8 * j, intervalli.massimi[j]);
    }
}

std::uint8_t Criterio(ArchivioImpostazioni& store, const char* nome)
{
    const std::int32_t criterio = IDE_Intero(store, nome, 0, false);
    return criterio >= 0 && criterio <= CriterioMassimo ? static_cast<std::uint8_t>(criterio) : 0;
}

std::int32_t Span(ArchivioImpostazioni& store, const char* nome, std::int32_t predefinito)
{
    const std::int32_t span = IDE_Intero(store, nome, predefinito, false);
    return span >= 1 ? span : predefinito;
}

} // namespace

EsitoLettura LeggiFileCondizioni(const std::string& percorso, BloccoRecord<17888>& record)
{
    return LeggiImmagine(percorso, record, &CondizioniValide);
}

EsitoLettura LeggiCondizioni(const std::string& cartellaDati, BloccoRecord<17888>& record)
{
    // Without a stored record (or with a refused one) a new system starts from no conditions, never
    // from those of the system before it.
    record = {};
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::Condizioni), record, &CondizioniValide);
}

EsitoLettura LeggiGiocateFiltro(const std::string& cartellaDati, BloccoRecord<15160>& record)
{
    record = {};
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::GiocateFiltro), record, &GiocateFiltroValide);
}

EsitoLettura LeggiSostituzioni(const std::string& cartellaDati, BloccoRecord<2008>& record)
{
    record = {};
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::Sostituzioni), record, &SostituzioniValide);
}

EsitoLettura LeggiConfrontoStorico(const std::string& cartellaDati, BloccoRecord<1508>& record)
{
    record = ConfrontoStoricoPredefinito();
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::ConfrontoStorico), record,
                         &ConfrontoStoricoValido);
}

EsitoLettura LeggiIntervalliNumeri(const std::string& cartellaDati, BloccoRecord<884>& record)
{
    record = IntervalliNumeriPredefiniti();
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::Intervalli), record, &IntervalliNumeriValidi);
}

EsitoLettura LeggiCadenze(const std::string& cartellaDati, BloccoRecord<124>& record)
{
    record = CadenzePredefinite();
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::Cadenze), record);
}

EsitoLettura LeggiFigure(const std::string& cartellaDati, BloccoRecord<112>& record)
{
    record = FigurePredefinite();
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::Figure), record);
}

EsitoLettura LeggiDecine(const std::string& cartellaDati, BloccoRecord<112>& record)
{
    record = DecinePredefinite();
    return LeggiImmagine(Percorso(cartellaDati, file_riduzioni::Decine), record);
}

bool ScriviCondizioni(const std::string& cartellaDati, const BloccoRecord<17888>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::Condizioni), record);
}

bool ScriviGiocateFiltro(const std::string& cartellaDati, const BloccoRecord<15160>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::GiocateFiltro), record);
}

bool ScriviSostituzioni(const std::string& cartellaDati, const BloccoRecord<2008>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::Sostituzioni), record);
}

bool ScriviConfrontoStorico(const std::string& cartellaDati, const BloccoRecord<1508>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::ConfrontoStorico), record);
}

bool ScriviIntervalliNumeri(const std::string& cartellaDati, const BloccoRecord<884>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::Intervalli), record);
}

bool ScriviCadenze(const std::string& cartellaDati, const BloccoRecord<124>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::Cadenze), record);
}

bool ScriviFigure(const std::string& cartellaDati, const BloccoRecord<112>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::Figure), record);
}

bool ScriviDecine(const std::string& cartellaDati, const BloccoRecord<112>& record)
{
    return ScriviImmagine(Percorso(cartellaDati, file_riduzioni::Decine), record);
}

BloccoRecord<1508> ConfrontoStoricoPredefinito()
{
    constexpr std::size_t OffsetN = 4;
    constexpr std::size_t OffsetPunteggi = 604;
    BloccoRecord<1508> blocco{};
    ScriviCampoInt32(blocco, 0, 3);
    ScriviCampoInt32(blocco, OffsetN + 0, 10);
    ScriviCampoInt32(blocco, OffsetN + 4, 100);
    ScriviCampoInt32(blocco, OffsetN + 8, 300);
    blocco[OffsetPunteggi + 0 * 6 + 2] = 1;
    blocco[OffsetPunteggi + 1 * 6 + 2] = 1;
    blocco[OffsetPunteggi + 1 * 6 + 3] = 1;
    blocco[OffsetPunteggi + 2 * 6 + 3] = 1;
    return blocco; // maximum errors 0
}

BloccoRecord<884> IntervalliNumeriPredefiniti()
{
    constexpr std::size_t OffsetLimiti = 4;
    constexpr std::size_t OffsetQuantita = 372;
    BloccoRecord<884> blocco{};
    ScriviCampoInt32(blocco, 0, 3);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto basso = static_cast<std::int32_t>(30 * i + 1);
        ScriviCampoInt32(blocco, OffsetLimiti + 8 * i, basso);
        ScriviCampoInt32(blocco, OffsetLimiti + 8 * i + 4, basso + 29);
        for (std::size_t q = 1; q <= 3; ++q) {
            blocco[OffsetQuantita + 11 * i + q] = 1;
        }
    }
    return blocco; // maximum errors 0
}

BloccoRecord<124> CadenzePredefinite()
{
    return GruppiPredefiniti<10>();
}

BloccoRecord<112> FigurePredefinite()
{
    return GruppiPredefiniti<9>();
}

BloccoRecord<112> DecinePredefinite()
{
    return GruppiPredefiniti<9>();
}

const char* NomeFileIntervalli(QualeFileIntervalli quale)
{
    return Predefinito(quale).nome;
}

EsitoLettura LeggiFileIntervalli(const std::string& percorso, FileIntervalli& intervalli)
{
    intervalli.numero = 0;
    if (!EsisteFile(percorso)) {
        return EsitoLettura::Assente;
    }
    auto dati = LeggiFileIntero(percorso, DimensioneFileIntervalli);
    if (!dati || dati->size() != DimensioneFileIntervalli) {
        return EsitoLettura::Rifiutato;
    }
    ByteReader lettore(*dati);
    FileIntervalli letti;
    letti.numero = lettore.i32();
    for (double& minimo : letti.minimi) {
        minimo = lettore.f64();
    }
    for (double& massimo : letti.massimi) {
        massimo = lettore.f64();
    }
    if (!lettore.ok() || letti.numero < 0 || letti.numero > FileIntervalli::Massimo) {
        return EsitoLettura::Rifiutato;
    }
    for (std::int32_t j = 0; j < letti.numero; ++j) {
        if (!IntervalloValido(letti.minimi[static_cast<std::size_t>(j)],
                              letti.massimi[static_cast<std::size_t>(j)])) {
            return EsitoLettura::Rifiutato;
        }
    }
    intervalli = letti;
    return EsitoLettura::Letto;
}

bool ScriviFileIntervalli(const std::string& percorso, const FileIntervalli& intervalli)
{
    if (intervalli.numero < 0 || intervalli.numero > FileIntervalli::Massimo) {
        return false;
    }
    ByteWriter scrittore;
    scrittore.i32(intervalli.numero);
    for (double minimo : intervalli.minimi) {
        scrittore.f64(minimo);
    }
    for (double massimo : intervalli.massimi) {
        scrittore.f64(massimo);
    }
    return ScriviFileAtomico(percorso, scrittore.dati());
}

EsitoLettura CaricaIntervalli(const std::string& cartellaDati, QualeFileIntervalli quale,
                              FileIntervalli& intervalli)
{
    intervalli = FileIntervalli{};
    const IntervalloPredefinito predefinito = Predefinito(quale);
    const EsitoLettura esito = LeggiFileIntervalli(Percorso(cartellaDati, predefinito.nome), intervalli);
    if (intervalli.numero == 0 && predefinito.presente) {
        intervalli.numero = 1;
        intervalli.minimi[0] = predefinito.minimo;
        intervalli.massimi[0] = predefinito.massimo;
    }
    return esito;
}

EsitoLettura LeggiProbabilitaPersonalizzate(const std::string& cartellaDati,
                                            std::array<double, 90>& probabilita)
{
    const std::string percorso = Percorso(cartellaDati, file_riduzioni::Probabilita);
    constexpr std::size_t Dimensione = NumeriProbabilita * 8;
    if (!EsisteFile(percorso)) {
        return EsitoLettura::Assente;
    }
    auto dati = LeggiFileIntero(percorso, Dimensione);
    if (!dati || dati->size() != Dimensione) {
        return EsitoLettura::Rifiutato;
    }
    ByteReader lettore(*dati);
    std::array<double, 90> letti{};
    for (double& p : letti) {
        p = lettore.f64();
        if (!(p >= 0.0 && p <= 100.0)) {
            return EsitoLettura::Rifiutato;
        }
    }
    if (!lettore.ok()) {
        return EsitoLettura::Rifiutato;
    }
    probabilita = letti;
    return EsitoLettura::Letto;
}

bool ScriviProbabilitaPersonalizzate(const std::string& cartellaDati,
                                     const std::array<double, 90>& probabilita)
{
    ByteWriter scrittore;
    for (double p : probabilita) {
        scrittore.f64(p);
    }
    return ScriviFileAtomico(Percorso(cartellaDati, file_riduzioni::Probabilita), scrittore.dati());
}

bool ConteggiRecordValidi(const RecordRiduzioni& record)
{
    constexpr auto Massimo = FileIntervalli::Massimo;
    return CondizioniValide(record.condizionata) && GiocateFiltroValide(record.giocateFiltro) &&
           ConfrontoStoricoValido(record.confrontoStorico) && IntervalliNumeriValidi(record.intervalli) &&
           SostituzioniValide(record.sostituzioni) &&
           ConteggioValido(record.probabilitaRitardi, IntervalliProbabilitaRitardi.conteggio, Massimo) &&
           ConteggioValido(record.probabilitaFrequenze, IntervalliProbabilitaFrequenze.conteggio, Massimo) &&
           ConteggioValido(record.probabilitaPersonali, IntervalliProbabilitaPersonali.conteggio, Massimo) &&
           ConteggioValido(record.frequenze, IntervalliFrequenze.conteggio, Massimo) &&
           ConteggioValido(record.ritardi, IntervalliRitardi.conteggio, Massimo);
}

EsitoCaricamentoRecord CaricaRecordRiduzioni(const std::string& cartellaDati, ArchivioImpostazioni& store,
                                             RecordRiduzioni& record)
{
    EsitoCaricamentoRecord esito;
    auto annota = [&esito](EsitoLettura letto, const char* nome) {
        if (letto == EsitoLettura::Rifiutato) {
            esito.rifiutati.emplace_back(nome);
        }
    };

    annota(LeggiCondizioni(cartellaDati, record.condizionata), file_riduzioni::Condizioni);
    annota(LeggiGiocateFiltro(cartellaDati, record.giocateFiltro), file_riduzioni::GiocateFiltro);
    annota(LeggiSostituzioni(cartellaDati, record.sostituzioni), file_riduzioni::Sostituzioni);
    annota(LeggiConfrontoStorico(cartellaDati, record.confrontoStorico), file_riduzioni::ConfrontoStorico);
    annota(LeggiIntervalliNumeri(cartellaDati, record.intervalli), file_riduzioni::Intervalli);
    annota(LeggiCadenze(cartellaDati, record.cadenze), file_riduzioni::Cadenze);
    annota(LeggiFigure(cartellaDati, record.figure), file_riduzioni::Figure);
    annota(LeggiDecine(cartellaDati, record.decine), file_riduzioni::Decine);

    FileIntervalli intervalli;
    auto carica = [&](QualeFileIntervalli quale) {
        annota(CaricaIntervalli(cartellaDati, quale, intervalli), NomeFileIntervalli(quale));
        return intervalli;
    };

    auto& probaRit = record.probabilitaRitardi;
    probaRit = {};
    probaRit[OffsetCriterio] = Criterio(store, NomeCriterioProbabilitaRitardi);
    PoniIntervalli(probaRit, IntervalliProbabilitaRitardi, carica(QualeFileIntervalli::ProbabilitaRitardi));
    ScriviCampoInt32(probaRit, OffsetCacheProbabilitaRitardi, CacheDaCalcolare);

    auto& probaFre = record.probabilitaFrequenze;
    probaFre = {};
    probaFre[OffsetCriterio] = Criterio(store, NomeCriterioProbabilitaFrequenze);
    ScriviCampoInt32(probaFre, OffsetSpanProbabilitaFrequenze,
                     Span(store, NomeSpanProbabilitaFrequenze, SpanProbabilitaFrequenzePredefinito));
    PoniIntervalli(probaFre, IntervalliProbabilitaFrequenze,
                   carica(QualeFileIntervalli::ProbabilitaFrequenze));
    ScriviCampoInt32(probaFre, OffsetCacheProbabilitaFrequenze, CacheDaCalcolare);

    auto& probaPer = record.probabilitaPersonali;
    probaPer = {};
    PoniIntervalli(probaPer, IntervalliProbabilitaPersonali,
                   carica(QualeFileIntervalli::ProbabilitaPersonali));
    for (std::size_t n = 0; n < NumeriProbabilita; ++n) {
        ScriviCampoDouble(probaPer, OffsetPunteggiPersonali + 8 * n, PunteggioPersonaleIniziale);
    }

    auto& frequenze = record.frequenze;
    frequenze = {};
    ScriviCampoInt32(frequenze, OffsetSpanFrequenze,
                     Span(store, NomeSpanFrequenze, SpanFrequenzePredefinito));
    PoniIntervalli(frequenze, IntervalliFrequenze, carica(QualeFileIntervalli::Frequenze));
    ScriviCampoInt32(frequenze, OffsetCacheFrequenze, CacheDaCalcolare);

    auto& ritardi = record.ritardi;
    ritardi = {};
    PoniIntervalli(ritardi, IntervalliRitardi, carica(QualeFileIntervalli::Ritardi));
    ScriviCampoInt32(ritardi, OffsetCacheRitardi, CacheDaCalcolare);

    return esito;
}
