#pragma once

#include "core/archivio_storico.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/giocata.h"
#include "core/messaggi_servizio.h"
#include "core/probabilita.h"
#include "core/ruote.h"
#include "editor/file_riduzioni.h"
#include "editor/record_riduzioni.h"
#include "editor/sistema.h"
#include "reductions/analisi_riduzione.h"
#include "reductions/esecuzione_filtro.h"
#include "reductions/valida_condizioni.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The reductions that keep the plays whose numbers have, on average, the delays, frequencies or
// scores the player believes in. Three rescale the raw values of the numbers into scores 0..100 (by
// delays, by frequencies, custom scores typed by the user); two average the raw values as they are
// (by frequencies, by delays). A play passes when its mean lies in one of the allowed intervals.

enum class MembroProbabilistico {
    ProbabilitaRitardi,
    ProbabilitaFrequenze,
    ProbabilitaPersonali,
    Frequenze,
    Ritardi,
};

inline constexpr std::array MembriProbabilistici{
    MembroProbabilistico::ProbabilitaRitardi, MembroProbabilistico::ProbabilitaFrequenze,
    MembroProbabilistico::ProbabilitaPersonali, MembroProbabilistico::Frequenze,
    MembroProbabilistico::Ritardi};

// Whether the member rescales into scores 0..100 (the first three) or averages raw values.
bool MembroInScala(MembroProbabilistico membro);
// Whether the raw values are delays (else frequencies; the custom member has no raw values).
bool MembroDiRitardi(MembroProbabilistico membro);
bool MembroDiFrequenze(MembroProbabilistico membro);
QualeFileIntervalli FileIntervalliDelMembro(MembroProbabilistico membro);

// The settings block of one member as a struct. A block read from memory or a system file is always
// sound afterwards: a count outside 0..100, a used bound that is not a finite number in 0..100 or above
// its maximum, a criterion outside 0..2, a span below 1, a custom score that is not a finite number in
// 0..100 are read as the defaults and `corretto` tells so; nothing is ever indexed by a stored count.
struct ImpostazioniProbabilistiche
{
    static constexpr std::int32_t MassimoIntervalli = 100;
    static constexpr std::int32_t SpanFrequenzeManuali = 100; // what a refused span becomes

    MembroProbabilistico membro = MembroProbabilistico::ProbabilitaRitardi;
    std::int32_t criterio = 0;   // 0..2, the rescaling members of delays and frequencies
    std::int32_t estrazioni = 0; // span N of the frequency members
    FileIntervalli intervalli;   // entries past the count travel unchanged
    bool cacheCalcolata = false; // the delays or frequencies in `cache` stand
    std::array<std::int32_t, 90> cache{};
    std::array<double, 90> personali{}; // the custom member's scores of numbers 1..90
    bool corretto = false;

    static ImpostazioniProbabilistiche DalRecord(MembroProbabilistico membro, const RecordRiduzioni& record);
    void scriviIn(RecordRiduzioni& record) const;
};

// What a change of the system's wheels does: the four delay and frequency caches are marked not
// computed, so every dialog counts them again on the new wheels.
void SegnaCacheDaCalcolare(RecordRiduzioni& record);

// The raw values of the member's numbers (index n - 1): the smallest delay over the system's wheel
// flags (10000000 without any) or the frequency over the latest N draws (all when fewer) on the
// selected archive wheels.
std::array<std::int32_t, 90> RitardiSelezionati(const ArchivioStorico& archivio, const SegniRuote& ruote);
std::array<std::int32_t, 90> FrequenzeUltime(const ArchivioStorico& archivio, const SegniRuote& ruote,
                                             std::int32_t estrazioni);

// Fills the cache from the archive when it is marked not computed (a cache a system file brought is
// used as it stands). The custom member has none.
void CompletaCache(ImpostazioniProbabilistiche& impostazioni, const ArchivioStorico& archivio,
                   const SegniRuote& ruote);

// The member's block as the system holds it, its cache filled from the archive when marked not computed
// and written back into the system (as the dialogs keep it between openings).
ImpostazioniProbabilistiche ProbabilisticheDelSistema(MembroProbabilistico membro, Sistema& sistema,
                                                      const ArchivioStorico& archivio);

// The values the plays are averaged over, index n - 1: the rescaled cache with the member's criterion,
// the raw cache, or the custom scores. The cache must be computed (CompletaCache).
std::array<double, 90> ValoriNumeri(const ImpostazioniProbabilistiche& impostazioni);
// The criterion of a member mapped to the rescaling.
CriterioScala CriterioDelMembro(MembroProbabilistico membro, std::int32_t criterio);
std::array<double, 90> ValoriDaGrezzi(MembroProbabilistico membro, std::int32_t criterio,
                                      const std::array<std::int32_t, 90>& grezzi);

// The play test: the mean of the values of the play's numbers (up to the first empty slot, at most 10),
// summed in slot order and divided once, compared with the allowed intervals as a double.
class GiudizioProbabilistico
{
public:
    struct Intervallo
    {
        double minimo = 0;
        double massimo = 0;
    };

    GiudizioProbabilistico(const std::array<double, 90>& valori, const FileIntervalli& intervalli);

    double valore(const Tipo_Giocata& giocata) const
    {
        double somma = 0;
        int numeri = 0;
        for (const std::uint8_t x : giocata) {
            if (x < 1 || x > 90) {
                break;
            }
            somma += m_valori[x];
            ++numeri;
        }
        return numeri > 0 ? somma / numeri : 0.0;
    }
    // Closed intervals, overlapping ones joined (membership of the union is membership of any).
    bool consentito(double v) const
    {
        for (const auto& i : m_uniti) {
            if (v < i.minimo) {
                return false;
            }
            if (v <= i.massimo) {
                return true;
            }
        }
        return false;
    }
    bool accettata(const Tipo_Giocata& giocata) const { return consentito(valore(giocata)); }

    // Index 1..90; 0 holds 0.
    const std::array<double, 91>& valori() const { return m_valori; }
    const std::vector<Intervallo>& intervalli() const { return m_intervalli; }

private:
    std::array<double, 91> m_valori{};
    std::vector<Intervallo> m_intervalli;
    std::vector<Intervallo> m_uniti;
};

// The state of the test along a prediction walk (PercorsoPronostico): the sums of the prefixes, so a
// candidate costs one table read, one addition, one division and the interval check.
class PrefissoProbabilistico
{
public:
    PrefissoProbabilistico(const GiudizioProbabilistico& giudizio, int k)
        : m_giudizio(giudizio), m_valori(giudizio.valori().data()), m_k(k)
    {}
    void entra(int x)
    {
        m_somme[static_cast<std::size_t>(m_livello + 1)] =
            m_somme[static_cast<std::size_t>(m_livello)] + m_valori[x];
        ++m_livello;
    }
    void esci(int) { --m_livello; }
    void preparaUltimi(int) {}
    bool accettaUltimo(int x) const
    {
        return m_giudizio.consentito((m_somme[static_cast<std::size_t>(m_livello)] + m_valori[x]) / m_k);
    }

private:
    const GiudizioProbabilistico& m_giudizio;
    const double* m_valori;
    int m_k;
    int m_livello = 0;
    std::array<double, 11> m_somme{};
};

// Accepting the dialog's settings. Works on a copy: the block in memory changes only when everything
// is accepted, so a refusal leaves nothing a later save could carry, except that a refused span of the
// frequency members becomes 100 (what the field then shows).
struct ParametriProbabilistici
{
    std::int32_t criterio = 0;
    std::vector<RigaIntervallo> righe;
    std::vector<std::string> personali; // the custom member: 90 cells in number order
    std::string estrazioni;             // the frequency members: the span field
};

enum class FuocoProbabilistico { Nessuno, Tabella, Punteggi, Estrazioni };

struct EsitoProbabilistico
{
    bool ok = false;
    std::optional<Messaggio> messaggio;
    FuocoProbabilistico fuoco = FuocoProbabilistico::Nessuno;
};

[[nodiscard]] EsitoProbabilistico AccettaProbabilistiche(ImpostazioniProbabilistiche& impostazioni,
                                                         const ParametriProbabilistici& parametri,
                                                         std::int32_t estrazioniArchivio);
// The checks on a stored block (quarvin-cli): at least one interval, a span within the archive.
std::optional<Messaggio> ControllaProbabilistiche(const ImpostazioniProbabilistiche& impostazioni,
                                                  std::int32_t estrazioniArchivio);

// A typed bound or score: digits and one "." (a "," reads as "."), blanks around ignored, 0..100.
std::optional<double> LeggiValoreCento(std::string_view testo);

// Writes what an acceptance stores besides the block: the interval file and the integer settings.
[[nodiscard]] bool SalvaProbabilistiche(const ImpostazioniProbabilistiche& impostazioni,
                                        const std::string& cartellaDati, ArchivioImpostazioni& store);

// The run in either mode, "Considera Fisse" as every filter reduction.
[[nodiscard]] EsitoRiduzione RiduzioneProbabilistica(Sistema& sistema, ElencoGiocate& giocate,
                                                     const GiudizioProbabilistico& giudizio, ModoFiltro modo,
                                                     bool consideraFisse, ControlloEsecuzione& controllo);

// The histogram of an analysis: 101 bins for the scores, 10001 for the raw means; a value in range adds
// one to the bin of its nearest integer, halves going to the even neighbour.
struct IstogrammaProbabilistico
{
    explicit IstogrammaProbabilistico(std::size_t contenitori = 101) : conteggi(contenitori, 0) {}

    std::vector<std::int64_t> conteggi;
    ConteggiAnalisi totali; // valid, examined, total, stopped

    void aggiungi(double v)
    {
        const double massimo = static_cast<double>(conteggi.size() - 1);
        if (v >= 0.0 && v <= massimo) {
            ++conteggi[static_cast<std::size_t>(ContenitoreVicino(v))];
        }
    }
    static std::int64_t ContenitoreVicino(double v);
    // The bins the chart shows: [primo, ultimo].
    std::pair<std::int32_t, std::int32_t> mostrati(bool inScala) const;
};

std::size_t ContenitoriDelMembro(MembroProbabilistico membro);

// "Analisi giocate": every candidate of the mode without the duplicate check; with the fixed numbers
// on, a candidate lacking one is invalid and not put in the histogram.
void AnalisiProbabilisticaGiocate(const Sistema& sistema, const ElencoGiocate& giocate,
                                  const GiudizioProbabilistico& giudizio, ModoFiltro modo,
                                  bool consideraFisse, IstogrammaProbabilistico& istogramma,
                                  ControlloEsecuzione& controllo);

// "Analisi storica": the five numbers of every selected archive wheel present in each target draw,
// judged with the values the member had just before that draw (delays: targets from 300; frequencies:
// from N + 1; custom: every draw). One pass over the archive keeps the last draw of every number on
// every wheel and a sliding frequency window. Polls every 17 targets with the bar at t / draws.
inline constexpr std::int32_t EstrazioniMinimeStoricaRitardi = 300;
void AnalisiProbabilisticaStorica(const ArchivioStorico& archivio, const SegniRuote& ruote,
                                  const ImpostazioniProbabilistiche& impostazioni,
                                  IstogrammaProbabilistico& istogramma, ControlloEsecuzione& controllo);

namespace messaggi_probabilistiche {

inline constexpr const char* AlmenoUnIntervallo = "Inserire almeno un intervallo consentito.";
inline constexpr const char* EstrazioniNonValide =
    "Il numero di estrazioni non è valido.\rInserire un valore compreso tra 1 e ";
inline constexpr const char* PocheEstrazioni = "Per l'analisi storica sono richieste almeno 300 estrazioni.";
// The note shown when a stored block had values out of range (ImpostazioniProbabilistiche::corretto).
inline constexpr const char* ImpostazioniCorrette =
    "Alcune impostazioni salvate di questa riduzione non erano valide e sono state sostituite da quelle "
    "predefinite.";

} // namespace messaggi_probabilistiche
