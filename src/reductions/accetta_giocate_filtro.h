#pragma once

#include "core/messaggi_servizio.h"
#include "reductions/record_filtri.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The editing rules of the filter plays, their acceptance and their text files. The editor works on a
// GiocateFiltro whose list may grow past the record's room (the user can keep adding rows); only an
// accepted list, at most GiocateFiltro::Massimo long, becomes the record.

namespace messaggi_giocate_filtro {

inline constexpr const char* PrivaDiNumeriOPunteggi =
    "Una giocata filtro risulta priva di numeri o di punteggi consentiti.";
inline constexpr const char* AlmenoUna = "Inserire almeno una giocata filtro.";
inline constexpr const char* TroppeGiocateFiltro = "Sono state inserite più di 150 giocate filtro.\r"
                                                   "Eliminare le giocate filtro in eccesso e riprovare.";
inline constexpr const char* ErroriNonValidi = "Il numero di errori consentiti non è valido.";
inline constexpr const char* EliminareTutte = "Eliminare tutte le giocate filtro ?";
inline constexpr const char* NessunaValidaPrima = "Nel file ";
inline constexpr const char* NessunaValidaDopo = " non è stata trovata nessuna giocata filtro valida.";
inline constexpr const char* ImportazioneLimitata =
    "L'elenco può contenere al massimo 150 giocate filtro: le righe seguenti del file non sono state "
    "caricate.";
inline constexpr const char* FileTroppoGrande =
    "Il file è troppo grande per essere un elenco di giocate filtro: ne è stata letta solo la prima parte.";
inline constexpr const char* FileNonApribile = "Impossibile aprire il file ";
inline constexpr const char* FileNonScrivibile = "Impossibile scrivere il file ";
inline constexpr const char* InvitoInserimento = "Fare clic per inserire la giocata filtro nº ";

} // namespace messaggi_giocate_filtro

// Removes the filter plays with neither numbers nor scores; the others keep their order.
void RimuoviGiocateFiltroVuote(std::vector<GiocataFiltro>& filtri);

// What the maximum-errors list shows after a rebuild: the stored value when it is one of 0 .. count - 1,
// otherwise 0 (also with no filter play, when the list is empty).
std::int32_t ErroriMostrati(const GiocateFiltro& record);

// The row selected after a rebuild of a list of `filtri` rows plus the inviting one: the same row when
// it still exists, otherwise the inviting row (index filtri).
int RigaDopoRicostruzione(int selezionata, std::size_t filtri);

// One toggle in the editor: filter play `indice` (0-based; indice == filtri.size() is the inviting
// row's entry) takes `valore`.
enum class EsitoModifica {
    Aggiornata, // an existing filter play changed
    Aggiunta,   // the inviting entry became a filter play: a new inviting row follows
    Rimossa,    // a filter play became empty and left the list (later ones moved up)
    Nessuna,    // the inviting entry is still empty
};
EsitoModifica ModificaGiocataFiltro(std::vector<GiocataFiltro>& filtri, std::size_t indice,
                                    const GiocataFiltro& valore);

// The acceptance of the editor's filter plays with the maximum errors chosen in its list (-1 when none is
// chosen). On success `record` holds the filter plays without the empty ones and the maximum errors; on a
// refusal `messaggio` says why and `riga` names the filter play to select (its index in the editor's
// list), when there is one. The caller's record is never touched: it assigns `record` on success only.
struct EsitoAccettazioneFiltri
{
    bool ok = false;
    GiocateFiltro record;
    std::optional<Messaggio> messaggio;
    std::optional<std::size_t> riga;
};
[[nodiscard]] EsitoAccettazioneFiltri AccettaGiocateFiltro(const std::vector<GiocataFiltro>& filtri,
                                                           std::int32_t massimoErrori);

// The text file: one line per filter play, TestoGiocataFiltro, ended by "\n".
std::string TestoFileGiocateFiltro(const std::vector<GiocataFiltro>& filtri);
// Written through a temporary file renamed over the target; false when it could not be written.
[[nodiscard]] bool EsportaGiocateFiltro(const std::vector<GiocataFiltro>& filtri,
                                        const std::string& percorso);

// Limits of the import: longer lines cannot be a filter play and are skipped without being kept; reading
// stops after DimensioneMassimaImportazione bytes (a file of filter plays is a few kilobytes).
namespace importa_giocate_filtro {
inline constexpr std::size_t LunghezzaMassimaRiga = 1024;
inline constexpr std::size_t DimensioneMassimaImportazione = std::size_t{8} << 20;
} // namespace importa_giocate_filtro

// One line of the text file as the import reads it: the text before the first "-" is the list of numbers
// (all of them, even beyond the 255 characters of a typed box, so that every exported line reads back),
// the pieces after it that are integers 0..10 are the scores. Taken when the numbers were a valid list
// or at least one score was set.
std::optional<GiocataFiltro> LeggiRigaGiocataFiltro(std::string_view riga);

struct EsitoImportazioneFiltri
{
    bool aperto = false;      // false: the file could not be opened, nothing was read
    std::size_t prese = 0;    // filter plays appended
    std::size_t scartate = 0; // non-empty lines that were not a filter play (over-long ones included)
    bool troncata = false;    // the list filled up (or the size limit came) before the end of the file
    std::optional<Messaggio> messaggio; // what the window shows, if anything
};

// Appends the filter plays of the file after `filtri`, line by line, while the list holds fewer than
// GiocateFiltro::Massimo. Lines end at "\n", "\r\n" or "\r"; a UTF-8 mark is skipped; bytes that are not
// digits, spaces or "-" only make their piece invalid. Messages: the file cannot be opened; no line was
// taken ("Nel file ... non è stata trovata nessuna giocata filtro valida."); the list filled up; the size
// limit came with filter plays taken.
[[nodiscard]] EsitoImportazioneFiltri ImportaGiocateFiltro(const std::string& percorso,
                                                           std::vector<GiocataFiltro>& filtri);
