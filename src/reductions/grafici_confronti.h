#pragma once

#include "core/archivio_storico.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "editor/sistema.h"
#include "reductions/esecuzione_filtro.h"
#include "reductions/record_filtri.h"

#include <array>
#include <cstdint>
#include <string>

// The two charts of one comparison with the archive: how the candidates score against its N latest
// draws, and how every draw of the archive scored against the N draws before it. Each chart has six
// bars, one per score 0..5; a bar is allowed when the comparison allows its score.

namespace messaggi_grafici_confronti {

inline constexpr const char* SpiegazioneGiocate =
    "Il grafico visualizza il numero di giocate che realizzano ciascuno dei sei possibili punteggi nel "
    "confronto con le estrazioni dell'archivio storico.";
inline constexpr const char* SpiegazioneEstrazioni =
    "Il grafico visualizza il numero di estrazioni che realizzano ciascuno dei sei possibili punteggi nel "
    "confronto con le precedenti estrazioni dell'archivio storico.";
inline constexpr const char* GiocateValide = "Giocate valide: ";
inline constexpr const char* EstrazioniValide = "Estrazioni valide: ";

} // namespace messaggi_grafici_confronti

struct GraficoPunteggi
{
    std::array<std::int64_t, 6> barre{}; // candidates (or wheel columns) per score
    std::uint8_t ammessi = 0;            // bit s: score s allowed
    std::int64_t totale = 0;             // candidates judged

    bool ammesso(int punteggio) const { return ((ammessi >> punteggio) & 1U) != 0; }
    std::int64_t valide() const;
};

struct GraficiConfronto
{
    GraficoPunteggi giocate;
    GraficoPunteggi estrazioni;
    bool conEstrazioni = false; // the archive chart was computed (the archive holds more than N + 1 draws)
    bool interrotto = false;    // a stop was confirmed: the charts are partial and are not shown
};

// Left chart: the candidates of the mode (prediction mode: every combination of the prediction; plays
// mode: every play), each scored against the latest N draws on the system's wheels; polls every 64
// combinations or 17 plays, the bar from 0 to 50. Right chart, only when N + 1 is below the number of
// draws: for every target draw t from N + 1 to the last and every one of its 11 wheel columns present, its
// five numbers scored against the draws t - N .. t - 1 on the system's wheels; polls every 64 columns, the
// bar from 50 to 100. A confirmed stop returns at once with interrotto set.
[[nodiscard]] GraficiConfronto CalcolaGraficiConfronto(const Sistema& sistema, const ElencoGiocate& giocate,
                                                       const ArchivioStorico& archivio,
                                                       const ConfrontoStorico& confronto, ModoFiltro modo,
                                                       ControlloEsecuzione& controllo);

// "Giocate valide: V (P %)" and "Estrazioni valide: V (P %)", P = V / T * 100 in the shared percentage
// format (T taken as 1 when nothing was judged).
std::string TestoGiocateValideConfronto(const GraficoPunteggi& grafico);
std::string TestoEstrazioniValideConfronto(const GraficoPunteggi& grafico);
