#pragma once

#include "core/messaggi_servizio.h"
#include "reductions/record_filtri.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The acceptance of the table of comparisons with the archive: what the user typed becomes a record, or
// is refused with the message and the field to focus. The caller's record is never touched: it assigns
// the result on success only, so a refusal leaves the record and ConfSto.def as they were.

namespace messaggi_confronti {

inline constexpr const char* ErroriNonValidi = "Il numero massimo di errori consentiti non è valido.";
inline constexpr const char* EstrazioniNonValidePrima =
    "Il numero di estrazioni da usare per il confronto nº ";
inline constexpr const char* EstrazioniNonValideDopo = " non è valido.";
inline constexpr const char* PunteggiNonValidiPrima = "Alcuni punteggi consentiti del confronto nº ";
inline constexpr const char* PunteggiNonValidiDopo = " non sono validi.";
inline constexpr const char* AlmenoUno = "Inserire almeno un confronto.";
inline constexpr const char* TroppiConfronti = "Sono stati inseriti più di 150 confronti.\r"
                                               "Eliminare i confronti in eccesso e riprovare.";
inline constexpr const char* TroppeEstrazioniPrima = "Il confronto Nº ";
inline constexpr const char* TroppeEstrazioniMezzo =
    " richiede troppe estrazioni.\rLe statistiche con le rimanenti estrazioni non sarebbero affidabili.\r"
    "Diminuire il numero di estrazioni del confronto Nº ";
inline constexpr const char* TroppeEstrazioniDopo = " e riprovare.";
inline constexpr const char* EliminareTutti = "Eliminare tutti i confronti ?";
inline constexpr const char* ElencoSpiegazionePrima =
    "Per ogni confronto inserire il numero di estrazioni e i punteggi (separandoli con uno spazio) che le "
    "giocate possono realizzare nel confronto con le estrazioni. Attualmente nell'archivio storico sono "
    "presenti ";
inline constexpr const char* ElencoSpiegazioneDopo = " estrazioni.";

} // namespace messaggi_confronti

// One row of the table as typed: "Num. Estrazioni" and "Punteggi consentiti".
struct RigaConfronto
{
    std::string estrazioni;
    std::string punteggi;
};

enum class CampoConfronti { Errori, Tabella };

struct EsitoAccettazioneConfronti
{
    bool ok = false;
    ConfrontiStorico record;
    std::optional<Messaggio> messaggio;
    CampoConfronti focus = CampoConfronti::Tabella;
    int riga = 0; // 1-based row of the table at fault, 0 for none
};

// Rows are numbered counting the empty ones (both cells blank), which are skipped. N must be an integer
// of at least 1; above the number of draws it is lowered to it. Each piece of the scores that is an
// integer allows that score, values above 5 counting as 5; other pieces are ignored, but a row needs one.
// The maximum errors (an integer >= 0) is lowered to count - 1, and the comparisons are ordered by N
// ascending with an exchange sort (position i takes every later smaller N in turn), which is the order
// the test relies on. More than ConfrontiStorico::Massimo comparisons are refused.
[[nodiscard]] EsitoAccettazioneConfronti AccettaConfronti(const std::vector<RigaConfronto>& righe,
                                                          const std::string& massimoErrori,
                                                          std::int32_t estrazioniArchivio);

// The row of a comparison as the table shows it: N, and its scores ascending separated by single spaces.
RigaConfronto RigaDelConfronto(const ConfrontoStorico& confronto);

// The historic analysis judges each draw against the N draws before it, so it needs at least 50 draws
// after the largest N: otherwise the message naming the last comparison (the one with the largest N).
std::optional<Messaggio> ControllaAnalisiStorica(const ConfrontiStorico& record,
                                                 std::int32_t estrazioniArchivio);
