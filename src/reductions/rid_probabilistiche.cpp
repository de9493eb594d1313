#include "reductions/rid_probabilistiche.h"

#include "core/impostazioni.h"
#include "core/impostazioni_generali.h"
#include "core/statistiche.h"
#include "reductions/percorso_pronostico.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

namespace {

constexpr std::int32_t CacheDaCalcolare = -1;
constexpr std::int32_t CriterioMassimo = 2;
constexpr double PunteggioIniziale = 50.0;
constexpr std::int32_t NessunaRuota = 10000000;
constexpr std::int64_t IntervalloVerificaStorica = 17;

// Where the fields of each block live.
struct Disposizione
{
    std::optional<std::size_t> criterio;
    std::optional<std::size_t> span;
    std::size_t conteggio;
    std::size_t minimi;
    std::size_t massimi;
    std::size_t cache; // the int32 cache, or the custom doubles
    std::int32_t spanPredefinito;
};

Disposizione DisposizioneDi(MembroProbabilistico membro)
{
    switch (membro) {
    case MembroProbabilistico::ProbabilitaRitardi:
        return {0, std::nullopt, 4, 8, 808, 1608, 0};
    case MembroProbabilistico::ProbabilitaFrequenze:
        return {0, 4, 8, 16, 816, 1616, 200};
    case MembroProbabilistico::ProbabilitaPersonali:
        return {std::nullopt, std::nullopt, 0, 8, 808, 1608, 0};
    case MembroProbabilistico::Frequenze:
        return {std::nullopt, 0, 4, 8, 808, 1608, 100};
    case MembroProbabilistico::Ritardi:
        break;
    }
    return {std::nullopt, std::nullopt, 0, 8, 808, 1608, 0};
}

template <std::size_t N> void Leggi(const BloccoRecord<N>& blocco, ImpostazioniProbabilistiche& imp)
{
    const Disposizione d = DisposizioneDi(imp.membro);
    if (d.criterio) {
        imp.criterio = blocco[*d.criterio];
        if (imp.criterio > CriterioMassimo) {
            imp.criterio = 0;
            imp.corretto = true;
        }
    }
    if (d.span) {
        imp.estrazioni = LeggiCampoInt32(blocco, *d.span);
        if (imp.estrazioni < 1) {
            imp.estrazioni = d.spanPredefinito;
            imp.corretto = true;
        }
    }
    FileIntervalli& iv = imp.intervalli;
    iv.numero = LeggiCampoInt32(blocco, d.conteggio);
    for (std::size_t j = 0; j < FileIntervalli::Massimo; ++j) {
        iv.minimi[j] = LeggiCampoDouble(blocco, d.minimi + 8 * j);
        iv.massimi[j] = LeggiCampoDouble(blocco, d.massimi + 8 * j);
    }
    bool validi = iv.numero >= 0 && iv.numero <= FileIntervalli::Massimo;
    for (std::int32_t j = 0; validi && j < iv.numero; ++j) {
        const double a = iv.minimi[static_cast<std::size_t>(j)];
        const double b = iv.massimi[static_cast<std::size_t>(j)];
        validi = a >= 0.0 && a <= b && b <= 100.0; // NaN fails
    }
    if (!validi) {
        iv = FileIntervalli{};
        imp.corretto = true;
    }
    if (imp.membro == MembroProbabilistico::ProbabilitaPersonali) {
        for (std::size_t n = 0; n < 90; ++n) {
            double p = LeggiCampoDouble(blocco, d.cache + 8 * n);
            if (!(p >= 0.0 && p <= 100.0)) {
                p = PunteggioIniziale;
                imp.corretto = true;
            }
            imp.personali[n] = p;
        }
        return;
    }
    for (std::size_t n = 0; n < 90; ++n) {
        imp.cache[n] = LeggiCampoInt32(blocco, d.cache + 4 * n);
    }
    imp.cacheCalcolata = imp.cache[0] != CacheDaCalcolare;
    if (imp.cacheCalcolata && std::any_of(imp.cache.begin(), imp.cache.end(), [](auto v) { return v < 0; })) {
        imp.cacheCalcolata = false;
        imp.corretto = true;
    }
}

template <std::size_t N> void Scrivi(const ImpostazioniProbabilistiche& imp, BloccoRecord<N>& blocco)
{
    const Disposizione d = DisposizioneDi(imp.membro);
    if (d.criterio) {
        blocco[*d.criterio] = static_cast<std::uint8_t>(imp.criterio);
    }
    if (d.span) {
        ScriviCampoInt32(blocco, *d.span, imp.estrazioni);
    }
    ScriviCampoInt32(blocco, d.conteggio, imp.intervalli.numero);
    for (std::size_t j = 0; j < FileIntervalli::Massimo; ++j) {
        ScriviCampoDouble(blocco, d.minimi + 8 * j, imp.intervalli.minimi[j]);
        ScriviCampoDouble(blocco, d.massimi + 8 * j, imp.intervalli.massimi[j]);
    }
    if (imp.membro == MembroProbabilistico::ProbabilitaPersonali) {
        for (std::size_t n = 0; n < 90; ++n) {
            ScriviCampoDouble(blocco, d.cache + 8 * n, imp.personali[n]);
        }
        return;
    }
    for (std::size_t n = 0; n < 90; ++n) {
        ScriviCampoInt32(blocco, d.cache + 4 * n, imp.cache[n]);
    }
    if (!imp.cacheCalcolata) {
        ScriviCampoInt32(blocco, d.cache, CacheDaCalcolare);
    }
}

std::string Riga(const char* prima, std::size_t riga, const char* dopo)
{
    return std::string(prima) + std::to_string(riga) + dopo;
}

struct TestiMembro
{
    const char* minimo;
    const char* massimo;
    const char* nonValida;
    const char* maggiore;
};

TestiMembro Testi(MembroProbabilistico membro)
{
    if (MembroInScala(membro)) {
        return {"La probabilità minima dell'intervallo nº ", "La probabilità massima dell'intervallo nº ",
                " non è valida.", " è maggiore di quella massima."};
    }
    if (membro == MembroProbabilistico::Frequenze) {
        return {"La frequenza minima dell'intervallo nº ", "La frequenza massima dell'intervallo nº ",
                " non è valida.", " è maggiore di quella massima."};
    }
    return {"Il ritardo minimo dell'intervallo nº ", "Il ritardo massimo dell'intervallo nº ",
            " non è valido.", " è maggiore di quello massimo."};
}

std::int64_t Vicino(double v)
{
    const double base = std::floor(v);
    const double resto = v - base;
    auto intero = static_cast<std::int64_t>(base);
    if (resto > 0.5 || (resto == 0.5 && (intero % 2) != 0)) {
        ++intero;
    }
    return intero;
}

// The scores before target draw t from the raw values of the draws before it.
void ValoriStorici(const ImpostazioniProbabilistiche& imp, const std::array<std::int32_t, 90>& grezzi,
                   std::array<double, 91>& valori)
{
    const auto v = ValoriDaGrezzi(imp.membro, imp.criterio, grezzi);
    std::copy(v.begin(), v.end(), valori.begin() + 1);
}

} // namespace

bool MembroInScala(MembroProbabilistico membro)
{
    return membro == MembroProbabilistico::ProbabilitaRitardi ||
           membro == MembroProbabilistico::ProbabilitaFrequenze ||
           membro == MembroProbabilistico::ProbabilitaPersonali;
}

bool MembroDiRitardi(MembroProbabilistico membro)
{
    return membro == MembroProbabilistico::ProbabilitaRitardi || membro == MembroProbabilistico::Ritardi;
}

bool MembroDiFrequenze(MembroProbabilistico membro)
{
    return membro == MembroProbabilistico::ProbabilitaFrequenze || membro == MembroProbabilistico::Frequenze;
}

QualeFileIntervalli FileIntervalliDelMembro(MembroProbabilistico membro)
{
    switch (membro) {
    case MembroProbabilistico::ProbabilitaRitardi:
        return QualeFileIntervalli::ProbabilitaRitardi;
    case MembroProbabilistico::ProbabilitaFrequenze:
        return QualeFileIntervalli::ProbabilitaFrequenze;
    case MembroProbabilistico::ProbabilitaPersonali:
        return QualeFileIntervalli::ProbabilitaPersonali;
    case MembroProbabilistico::Frequenze:
        return QualeFileIntervalli::Frequenze;
    case MembroProbabilistico::Ritardi:
        break;
    }
    return QualeFileIntervalli::Ritardi;
}

ImpostazioniProbabilistiche ImpostazioniProbabilistiche::DalRecord(MembroProbabilistico membro,
                                                                   const RecordRiduzioni& record)
{
    ImpostazioniProbabilistiche imp;
    imp.membro = membro;
    switch (membro) {
    case MembroProbabilistico::ProbabilitaRitardi:
        Leggi(record.probabilitaRitardi, imp);
        break;
    case MembroProbabilistico::ProbabilitaFrequenze:
        Leggi(record.probabilitaFrequenze, imp);
        break;
    case MembroProbabilistico::ProbabilitaPersonali:
        Leggi(record.probabilitaPersonali, imp);
        break;
    case MembroProbabilistico::Frequenze:
        Leggi(record.frequenze, imp);
        break;
    case MembroProbabilistico::Ritardi:
        Leggi(record.ritardi, imp);
        break;
    }
    return imp;
}

void ImpostazioniProbabilistiche::scriviIn(RecordRiduzioni& record) const
{
    switch (membro) {
    case MembroProbabilistico::ProbabilitaRitardi:
        Scrivi(*this, record.probabilitaRitardi);
        break;
    case MembroProbabilistico::ProbabilitaFrequenze:
        Scrivi(*this, record.probabilitaFrequenze);
        break;
    case MembroProbabilistico::ProbabilitaPersonali:
        Scrivi(*this, record.probabilitaPersonali);
        break;
    case MembroProbabilistico::Frequenze:
        Scrivi(*this, record.frequenze);
        break;
    case MembroProbabilistico::Ritardi:
        Scrivi(*this, record.ritardi);
        break;
    }
}

void SegnaCacheDaCalcolare(RecordRiduzioni& record)
{
    for (const MembroProbabilistico membro : MembriProbabilistici) {
        if (membro != MembroProbabilistico::ProbabilitaPersonali) {
            auto imp = ImpostazioniProbabilistiche::DalRecord(membro, record);
            imp.cacheCalcolata = false;
            imp.scriviIn(record);
        }
    }
}

std::array<std::int32_t, 90> RitardiSelezionati(const ArchivioStorico& archivio, const SegniRuote& ruote)
{
    StatisticheNumeri statistiche;
    RicalcolaStatistiche(archivio, ruote, ImpostazioniGenerali{}, statistiche);
    std::array<std::int32_t, 90> d{};
    std::copy(statistiche.ritardoSelezionate.begin() + 1, statistiche.ritardoSelezionate.end(), d.begin());
    return d;
}

std::array<std::int32_t, 90> FrequenzeUltime(const ArchivioStorico& archivio, const SegniRuote& ruote,
                                             std::int32_t estrazioni)
{
    std::array<std::int32_t, 90> f{};
    const std::int32_t c = archivio.conteggio();
    for (std::int32_t i = std::max<std::int32_t>(1, c - std::max<std::int32_t>(estrazioni, 1) + 1); i <= c;
         ++i) {
        const Tipo_Estrazione& e = archivio.estrazione(i);
        for (int w = Bari; w <= Nazionale; ++w) {
            if (!RuotaSelezionata(ruote, w)) {
                continue;
            }
            for (int p = 1; p <= 5; ++p) {
                const std::uint8_t x = e.numero(w, p);
                if (x >= 1 && x <= 90) {
                    ++f[x - 1U];
                }
            }
        }
    }
    return f;
}

void CompletaCache(ImpostazioniProbabilistiche& imp, const ArchivioStorico& archivio, const SegniRuote& ruote)
{
    if (imp.membro == MembroProbabilistico::ProbabilitaPersonali || imp.cacheCalcolata) {
        return;
    }
    imp.cache = MembroDiRitardi(imp.membro) ? RitardiSelezionati(archivio, ruote)
                                            : FrequenzeUltime(archivio, ruote, imp.estrazioni);
    imp.cacheCalcolata = true;
}

ImpostazioniProbabilistiche ProbabilisticheDelSistema(MembroProbabilistico membro, Sistema& sistema,
                                                      const ArchivioStorico& archivio)
{
    ImpostazioniProbabilistiche imp = ImpostazioniProbabilistiche::DalRecord(membro, sistema.riduzioni);
    if (membro != MembroProbabilistico::ProbabilitaPersonali && !imp.cacheCalcolata) {
        CompletaCache(imp, archivio, sistema.ruote);
        imp.scriviIn(sistema.riduzioni);
    }
    return imp;
}

CriterioScala CriterioDelMembro(MembroProbabilistico membro, std::int32_t criterio)
{
    if (criterio == 2) {
        return CriterioScala::ValoriMedi;
    }
    const bool primo = criterio != 1;
    if (MembroDiRitardi(membro)) {
        return primo ? CriterioScala::ValoriAlti : CriterioScala::ValoriBassi;
    }
    return primo ? CriterioScala::ValoriBassi : CriterioScala::ValoriAlti;
}

std::array<double, 90> ValoriDaGrezzi(MembroProbabilistico membro, std::int32_t criterio,
                                      const std::array<std::int32_t, 90>& grezzi)
{
    if (MembroInScala(membro)) {
        return ScalaProbabilita(grezzi, CriterioDelMembro(membro, criterio));
    }
    std::array<double, 90> valori{};
    std::copy(grezzi.begin(), grezzi.end(), valori.begin());
    return valori;
}

std::array<double, 90> ValoriNumeri(const ImpostazioniProbabilistiche& imp)
{
    if (imp.membro == MembroProbabilistico::ProbabilitaPersonali) {
        return imp.personali;
    }
    return ValoriDaGrezzi(imp.membro, imp.criterio, imp.cache);
}

GiudizioProbabilistico::GiudizioProbabilistico(const std::array<double, 90>& valori,
                                               const FileIntervalli& intervalli)
{
    std::copy(valori.begin(), valori.end(), m_valori.begin() + 1);
    const std::int32_t numero = std::clamp(intervalli.numero, 0, FileIntervalli::Massimo);
    for (std::int32_t j = 0; j < numero; ++j) {
        const auto u = static_cast<std::size_t>(j);
        m_intervalli.push_back({intervalli.minimi[u], intervalli.massimi[u]});
    }
    // Only sound intervals take part in the union (a NaN bound would let nothing pass anyway).
    for (const auto& i : m_intervalli) {
        if (i.minimo <= i.massimo) {
            m_uniti.push_back(i);
        }
    }
    std::sort(m_uniti.begin(), m_uniti.end(),
              [](const auto& a, const auto& b) { return a.minimo < b.minimo; });
    std::vector<Intervallo> uniti;
    for (const auto& i : m_uniti) {
        if (!uniti.empty() && i.minimo <= uniti.back().massimo) {
            uniti.back().massimo = std::max(uniti.back().massimo, i.massimo);
        } else {
            uniti.push_back(i);
        }
    }
    m_uniti = std::move(uniti);
}

std::optional<double> LeggiValoreCento(std::string_view testo)
{
    std::string t;
    for (const char c : testo) {
        t.push_back(c == ',' ? '.' : c);
    }
    const auto inizio = t.find_first_not_of(" \t\r\n");
    if (inizio == std::string::npos) {
        return std::nullopt;
    }
    t = t.substr(inizio, t.find_last_not_of(" \t\r\n") - inizio + 1);
    if (t.find_first_not_of("0123456789.") != std::string::npos) {
        return std::nullopt;
    }
    double valore = 0;
    const auto fine = std::from_chars(t.data(), t.data() + t.size(), valore);
    if (fine.ec != std::errc() || fine.ptr != t.data() + t.size() || !(valore >= 0.0 && valore <= 100.0)) {
        return std::nullopt;
    }
    return valore;
}

EsitoProbabilistico AccettaProbabilistiche(ImpostazioniProbabilistiche& impostazioni,
                                           const ParametriProbabilistici& parametri,
                                           std::int32_t estrazioniArchivio)
{
    ImpostazioniProbabilistiche nuove = impostazioni;
    const MembroProbabilistico membro = nuove.membro;
    EsitoProbabilistico esito;
    const auto rifiuta = [&](std::string testo, FuocoProbabilistico fuoco) {
        esito.messaggio = Avviso(std::move(testo));
        esito.fuoco = fuoco;
        return esito;
    };
    if (membro == MembroProbabilistico::ProbabilitaRitardi ||
        membro == MembroProbabilistico::ProbabilitaFrequenze) {
        nuove.criterio = std::clamp(parametri.criterio, 0, CriterioMassimo);
    }
    if (membro == MembroProbabilistico::ProbabilitaPersonali) {
        for (std::size_t n = 0; n < 90; ++n) {
            const std::optional<double> p =
                n < parametri.personali.size() ? LeggiValoreCento(parametri.personali[n]) : std::nullopt;
            if (!p) {
                return rifiuta("La probabilità del numero " + std::to_string(n + 1) +
                                   " non è valida.\rIndicare un numero compreso tra 0 e 100.",
                               FuocoProbabilistico::Punteggi);
            }
            nuove.personali[n] = *p;
        }
    }
    const TestiMembro testi = Testi(membro);
    nuove.intervalli.numero = 0;
    for (std::size_t r = 0; r < parametri.righe.size(); ++r) {
        const RigaIntervallo& riga = parametri.righe[r];
        const auto vuoto = [](const std::string& s) {
            return s.find_first_not_of(" \t") == std::string::npos;
        };
        if (vuoto(riga.minimo) && vuoto(riga.massimo)) {
            continue;
        }
        const std::optional<double> minimo = LeggiValoreCento(riga.minimo);
        if (!minimo) {
            return rifiuta(Riga(testi.minimo, r + 1, testi.nonValida), FuocoProbabilistico::Tabella);
        }
        const std::optional<double> massimo = LeggiValoreCento(riga.massimo);
        if (!massimo) {
            return rifiuta(Riga(testi.massimo, r + 1, testi.nonValida), FuocoProbabilistico::Tabella);
        }
        if (*massimo < *minimo) {
            return rifiuta(Riga(testi.minimo, r + 1, testi.maggiore), FuocoProbabilistico::Tabella);
        }
        if (nuove.intervalli.numero >= FileIntervalli::Massimo) {
            break; // the block holds 100 intervals: later rows are not read
        }
        const auto j = static_cast<std::size_t>(nuove.intervalli.numero++);
        nuove.intervalli.minimi[j] = *minimo;
        nuove.intervalli.massimi[j] = *massimo;
    }
    if (nuove.intervalli.numero == 0) {
        return rifiuta(messaggi_probabilistiche::AlmenoUnIntervallo, FuocoProbabilistico::Tabella);
    }
    if (MembroDiFrequenze(membro)) {
        std::int32_t n = 0;
        const std::string& t = parametri.estrazioni;
        const auto fine = std::from_chars(t.data(), t.data() + t.size(), n);
        if (t.empty() || fine.ec != std::errc() || fine.ptr != t.data() + t.size() || n < 1 ||
            n > estrazioniArchivio) {
            impostazioni.estrazioni = ImpostazioniProbabilistiche::SpanFrequenzeManuali;
            impostazioni.cacheCalcolata = false;
            return rifiuta(messaggi_probabilistiche::EstrazioniNonValide + std::to_string(estrazioniArchivio),
                           FuocoProbabilistico::Estrazioni);
        }
        if (n != nuove.estrazioni) {
            nuove.cacheCalcolata = false; // the counts were over another span
        }
        nuove.estrazioni = n;
    }
    impostazioni = nuove;
    esito.ok = true;
    return esito;
}

std::optional<Messaggio> ControllaProbabilistiche(const ImpostazioniProbabilistiche& impostazioni,
                                                  std::int32_t estrazioniArchivio)
{
    if (impostazioni.intervalli.numero < 1) {
        return Avviso(messaggi_probabilistiche::AlmenoUnIntervallo);
    }
    if (MembroDiFrequenze(impostazioni.membro) &&
        (impostazioni.estrazioni < 1 || impostazioni.estrazioni > estrazioniArchivio)) {
        return Avviso(messaggi_probabilistiche::EstrazioniNonValide + std::to_string(estrazioniArchivio));
    }
    return std::nullopt;
}

bool SalvaProbabilistiche(const ImpostazioniProbabilistiche& imp, const std::string& cartellaDati,
                          ArchivioImpostazioni& store)
{
    switch (imp.membro) {
    case MembroProbabilistico::ProbabilitaRitardi:
        IDE_Intero(store, "ProRitTC", imp.criterio, true);
        break;
    case MembroProbabilistico::ProbabilitaFrequenze:
        IDE_Intero(store, "ProFreNumGio", imp.estrazioni, true);
        IDE_Intero(store, "ProFreTC", imp.criterio, true);
        break;
    case MembroProbabilistico::Frequenze:
        IDE_Intero(store, "DatiRidFreNumGio", imp.estrazioni, true);
        break;
    case MembroProbabilistico::ProbabilitaPersonali:
    case MembroProbabilistico::Ritardi:
        break;
    }
    const auto percorso =
        (std::filesystem::path(cartellaDati) / NomeFileIntervalli(FileIntervalliDelMembro(imp.membro)))
            .string();
    return ScriviFileIntervalli(percorso, imp.intervalli);
}

EsitoRiduzione RiduzioneProbabilistica(Sistema& sistema, ElencoGiocate& giocate,
                                       const GiudizioProbabilistico& giudizio, ModoFiltro modo,
                                       bool consideraFisse, ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo, OpzioniFiltro(modo, consideraFisse));
    esecuzione.avvia();
    const bool fisse = esecuzione.consideraFisse();
    if (modo == ModoFiltro::Giocate) {
        EsitoRiduzione esito = FiltraGiocate(esecuzione, [&](const Tipo_Giocata& g) {
            return (!fisse || esecuzione.conFisse(g)) && giudizio.accettata(g);
        });
        if (esito.codice == CodiceRiduzione::Completata) {
            sistema.modificato = true;
        }
        return esito;
    }
    std::vector<std::uint8_t> numeriFissi;
    if (fisse) {
        numeriFissi.assign(sistema.fisse.begin(),
                           sistema.fisse.begin() + std::clamp(sistema.numeroFisse, 0, 9));
    }
    const int k = esecuzione.numeriPerGiocata();
    esecuzione.setTotale(CombinazioniPronostico(esecuzione.pronostico(), k).totale());
    RaccoltaCandidati raccolta(esecuzione);
    PrefissoProbabilistico stato(giudizio, k);
    PercorsoPronostico(esecuzione.pronostico(), k, numeriFissi, stato).esegui(raccolta);
    return ConcludiFiltroPronostico(esecuzione);
}

std::int64_t IstogrammaProbabilistico::ContenitoreVicino(double v)
{
    return Vicino(v);
}

std::pair<std::int32_t, std::int32_t> IstogrammaProbabilistico::mostrati(bool inScala) const
{
    const auto ultimoBin = static_cast<std::int32_t>(conteggi.size()) - 1;
    std::int32_t primoPieno = -1;
    std::int32_t ultimoPieno = -1;
    for (std::int32_t b = 0; b <= ultimoBin; ++b) {
        if (conteggi[static_cast<std::size_t>(b)] != 0) {
            if (primoPieno < 0) {
                primoPieno = b;
            }
            ultimoPieno = b;
        }
    }
    const std::int32_t fine = std::min(ultimoBin, std::max(10, ultimoPieno + 1));
    const std::int32_t inizio = inScala || primoPieno <= 0 ? 0 : primoPieno - 1;
    return {inizio, fine};
}

std::size_t ContenitoriDelMembro(MembroProbabilistico membro)
{
    return MembroInScala(membro) ? 101 : 10001;
}

void AnalisiProbabilisticaGiocate(const Sistema& sistema, const ElencoGiocate& giocate,
                                  const GiudizioProbabilistico& giudizio, ModoFiltro modo,
                                  bool consideraFisse, IstogrammaProbabilistico& istogramma,
                                  ControlloEsecuzione& controllo)
{
    const bool fisse = consideraFisse && sistema.numeroFisse > 0;
    const MappaFisse mappa = fisse ? MappaFisse(sistema) : MappaFisse();
    const int k = sistema.numeriPerGiocata;
    const auto valuta = [&](const Tipo_Giocata& g, ConteggiAnalisi&) {
        if (fisse && !ContieneFisse(g, k, mappa)) {
            return false;
        }
        const double v = giudizio.valore(g);
        istogramma.aggiungi(v);
        return giudizio.consentito(v);
    };
    if (modo == ModoFiltro::Giocate) {
        AnalizzaGiocate(giocate, istogramma.totali, controllo, valuta);
        return;
    }
    AnalizzaCombinazioni(CombinazioniPronostico(sistema.pronostico, k), istogramma.totali, controllo, valuta);
}

void AnalisiProbabilisticaStorica(const ArchivioStorico& archivio, const SegniRuote& ruote,
                                  const ImpostazioniProbabilistiche& imp,
                                  IstogrammaProbabilistico& istogramma, ControlloEsecuzione& controllo)
{
    const std::int32_t d = archivio.conteggio();
    ConteggiAnalisi& totali = istogramma.totali;
    std::array<bool, RuoteArchivio + 1> selezionata{};
    bool qualcuna = false;
    for (int w = Bari; w <= Nazionale; ++w) {
        selezionata[static_cast<std::size_t>(w)] = RuotaSelezionata(ruote, w);
        qualcuna = qualcuna || selezionata[static_cast<std::size_t>(w)];
    }
    const bool ritardi = MembroDiRitardi(imp.membro);
    const bool frequenze = MembroDiFrequenze(imp.membro);
    const std::int32_t span = std::max<std::int32_t>(imp.estrazioni, 1);
    std::int32_t primo = 1;
    if (ritardi) {
        primo = EstrazioniMinimeStoricaRitardi;
    } else if (frequenze) {
        primo = span + 1;
    }
    // ultima[w][n]: the last draw (0: none) in which n came out on wheel w, among those registered.
    std::array<std::array<std::int32_t, 91>, RuoteArchivio + 1> ultima{};
    std::array<std::int32_t, 90> conteggioFinestra{};
    const auto registra = [&](std::int32_t i, int segno) {
        const Tipo_Estrazione& e = archivio.estrazione(i);
        for (int w = Bari; w <= Nazionale; ++w) {
            if (!selezionata[static_cast<std::size_t>(w)]) {
                continue;
            }
            for (int p = 1; p <= 5; ++p) {
                const std::uint8_t x = e.numero(w, p);
                if (x < 1 || x > 90) {
                    continue;
                }
                if (segno > 0) {
                    ultima[static_cast<std::size_t>(w)][x] = i;
                }
                conteggioFinestra[x - 1U] += segno;
            }
        }
    };

    GiudizioProbabilistico giudizio(
        imp.membro == MembroProbabilistico::ProbabilitaPersonali ? imp.personali : std::array<double, 90>{},
        imp.intervalli);
    std::array<double, 91> valori = giudizio.valori();
    std::array<std::int32_t, 90> grezzi{};
    std::int64_t finoAllaVerifica = IntervalloVerificaStorica;
    for (std::int32_t t = 1; t <= d; ++t) {
        if (t >= primo) {
            if (ritardi) {
                for (std::size_t n = 1; n <= 90; ++n) {
                    std::int32_t minimo = qualcuna ? t - 1 : NessunaRuota;
                    for (int w = Bari; w <= Nazionale; ++w) {
                        if (selezionata[static_cast<std::size_t>(w)]) {
                            minimo = std::min(minimo, (t - 1) - ultima[static_cast<std::size_t>(w)][n]);
                        }
                    }
                    grezzi[n - 1] = minimo;
                }
                ValoriStorici(imp, grezzi, valori);
            } else if (frequenze) {
                ValoriStorici(imp, conteggioFinestra, valori);
            }
            const Tipo_Estrazione& e = archivio.estrazione(t);
            for (int w = Bari; w <= Nazionale; ++w) {
                if (!selezionata[static_cast<std::size_t>(w)] || !e.haDati(w)) {
                    continue;
                }
                double somma = 0;
                int numeri = 0;
                for (int p = 1; p <= 5; ++p) {
                    const std::uint8_t x = e.numero(w, p);
                    if (x < 1 || x > 90) {
                        break;
                    }
                    somma += valori[x];
                    ++numeri;
                }
                const double v = somma / numeri;
                istogramma.aggiungi(v);
                ++totali.esaminate;
                if (giudizio.consentito(v)) {
                    ++totali.valide;
                }
            }
            if (--finoAllaVerifica == 0) {
                finoAllaVerifica = IntervalloVerificaStorica;
                Avanzamento stato;
                stato.elaborati = t;
                stato.totale = d;
                stato.prodotti = totali.valide;
                if (!controllo.verifica(stato)) {
                    totali.interrotta = true;
                    return;
                }
            }
        }
        registra(t, 1);
        if (frequenze && t - span >= 1) {
            registra(t - span, -1);
        }
    }
    totali.totale = totali.esaminate;
}
