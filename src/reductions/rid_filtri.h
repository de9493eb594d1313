#pragma once

#include "core/archivio_storico.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "reductions/analisi_riduzione.h"
#include "reductions/campione_storico.h"
#include "reductions/esecuzione_filtro.h"
#include "reductions/giudici_filtro.h"
#include "reductions/record_filtri.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

// The filter reductions: by intervals of numbers, cadences, figures, decades, filter plays and
// comparisons with the archive. Each member is a record and a test; the runs and the analyses are one.

enum class MembroFiltro { Numeri, Cadenze, Figure, Decine, GiocateFiltro, ConfrontoStorico };

// The records the system carries, as structs, and back.
IntervalliNumeri IntervalliDelSistema(const Sistema& sistema);
GruppiFissi GruppiDelSistema(const Sistema& sistema, FamigliaGruppi famiglia);
GiocateFiltro GiocateFiltroDelSistema(const Sistema& sistema);
ConfrontiStorico ConfrontiDelSistema(const Sistema& sistema);
void ImpostaIntervalli(Sistema& sistema, const IntervalliNumeri& record);
void ImpostaGruppi(Sistema& sistema, const GruppiFissi& record);
void ImpostaGiocateFiltro(Sistema& sistema, const GiocateFiltro& record);
void ImpostaConfronti(Sistema& sistema, const ConfrontiStorico& record);

FamigliaGruppi FamigliaDelMembro(MembroFiltro membro); // Cadenze, Figure, Decine

// One member ready to test plays: its test and the rows of its analyses.
class FiltroRiduzione
{
public:
    // The member's record as the system holds it. The comparisons need the archive and the system's
    // wheels (the archive must outlive the filter).
    static FiltroRiduzione DelSistema(MembroFiltro membro, const Sistema& sistema,
                                      const ArchivioStorico& archivio);
    static FiltroRiduzione DaIntervalli(const IntervalliNumeri& record);
    static FiltroRiduzione DaGruppi(const GruppiFissi& record);
    static FiltroRiduzione DaGiocateFiltro(const GiocateFiltro& record);
    static FiltroRiduzione DaConfronti(const ConfrontiStorico& record, const ArchivioStorico& archivio,
                                       const SegniRuote& ruote);

    MembroFiltro membro() const { return m_membro; }
    std::int32_t massimoErrori() const;
    // Rows of the analyses, one per criterion (every group, in use or not), in order; rows of groups
    // not in use count nothing and show an empty counter.
    const std::vector<std::string>& righe() const { return m_righe; }
    const std::vector<bool>& righeInUso() const { return m_inUso; }
    // "Intervalli", "Cadenze", "Figure", "Decine", "Giocate filtro", "Confronti".
    const char* titoloCriteri() const;

    const FiltroNumeri* numeri() const { return std::get_if<FiltroNumeri>(&m_test); }
    const FiltroConfronti* confronti() const { return std::get_if<FiltroConfronti>(&m_test); }
    const ArchivioStorico* archivio() const { return m_archivio; }
    const SegniRuote& ruote() const { return m_ruote; }

private:
    FiltroRiduzione(MembroFiltro membro, std::variant<FiltroNumeri, FiltroConfronti> test)
        : m_membro(membro), m_test(std::move(test))
    {}

    MembroFiltro m_membro;
    std::variant<FiltroNumeri, FiltroConfronti> m_test;
    std::vector<std::string> m_righe;
    std::vector<bool> m_inUso;
    const ArchivioStorico* m_archivio = nullptr;
    SegniRuote m_ruote{};
};

// The run: prediction mode adds every k-combination of the prediction that passes (and is not in the
// list already); plays mode removes every play that fails. With consideraFisse (and fixed numbers in
// the system) a play lacking a fixed number fails first. Messages and commit as every filter run.
[[nodiscard]] EsitoRiduzione RiduzioneFiltro(Sistema& sistema, ElencoGiocate& giocate,
                                             const FiltroRiduzione& filtro, ModoFiltro modo,
                                             bool consideraFisse, ControlloEsecuzione& controllo);

// "Analisi giocate": the candidates of the mode, each tested without the duplicate check; a criterion's
// row counts the candidates erring on it before they were rejected; the row after the criteria ("Fisse",
// present when consideraFisse and the system has fixed numbers) the candidates lacking a fixed number.
// Polls every 64 combinations or 17 plays; a stop keeps the counts reached.
void AnalisiFiltroGiocate(const Sistema& sistema, const ElencoGiocate& giocate, const FiltroRiduzione& filtro,
                          ModoFiltro modo, bool consideraFisse, ConteggiAnalisi& conteggi,
                          ControlloEsecuzione& controllo);

// "Analisi storica": the sub-combinations of the sample, without fixed numbers. For the comparisons
// only target draws after the largest N count, each judged against the draws before it. Polls every
// 153 sub-combinations with the bar at the draw index.
void AnalisiFiltroStorica(const CampioneStorico& campione, const FiltroRiduzione& filtro,
                          ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo);

// The rows an analysis shows: the member's rows, then "Fisse" when the fixed numbers count.
std::size_t RigheConteggi(const FiltroRiduzione& filtro);

// The message of a record with no criterion to test (what the dialogs refuse before a run).
const char* MessaggioNessunCriterio(MembroFiltro membro);
// Whether the record has at least one criterion (a group in use, an interval, a filter play, a
// comparison).
bool HaCriteri(const FiltroRiduzione& filtro);
