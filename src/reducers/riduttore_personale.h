#pragma once

#include "core/giocata.h"
#include "core/messaggi_servizio.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A personal reducer: plays written with positions 1..m instead of numbers, kept as a ".rid" text file
// in the personal folder. Applied to a prediction of exactly m numbers, position i stands for the i-th
// smallest predicted number.

// Texts of the personal reducers, shared by the windows and the command-line tool.
namespace messaggi_riduttori_personali {

inline constexpr const char* GiocataNonValidaPrima = "La giocata \"";
inline constexpr const char* GiocataNonValidaDopo = "\" non è valida.\rCorreggere e riprovare.";
inline constexpr const char* NessunaGiocataValida = "Inserire almeno una giocata valida.";
inline constexpr const char* VerificaPrima = "Verifica conclusa con successo.\rDimensione del pronostico: ";
inline constexpr const char* VerificaMezzo = " numeri\rNumero di giocate valide: ";
inline constexpr const char* TroppeGiocate =
    "La probabilità di vincita può essere calcolata solo per riduttori "
    "con meno di 10000 giocate riduttrici.";
inline constexpr const char* NomeNonValido = "Il nome indicato non è un nome di file valido.";
inline constexpr const char* SovrascriviPrima = "Il file indicato (";
inline constexpr const char* SovrascriviDopo = ") è già presente nel disco.\rSovrascrivere il file ?";
inline constexpr const char* EliminaPrima = "Eliminare definitivamente il riduttore \"";
inline constexpr const char* EliminaMezzo = "\" e il relativo file \"";
inline constexpr const char* EliminaDopo = "\" dal disco ?";
inline constexpr const char* EliminazioneNonRiuscita = "Impossibile eliminare il file \"";
inline constexpr const char* ChiudiSenzaSalvare = "Chiudere la scheda senza salvare il riduttore ?";
inline constexpr const char* NessunaNuovaGiocata =
    "Non è stata aggiunta nessuna nuova giocata.\rVerificare la presenza di eventuali fisse nel pronostico.";
inline constexpr const char* FileIlleggibile = "Il file del riduttore non è leggibile: ";
inline constexpr const char* ScritturaNonRiuscita = "Impossibile scrivere il file del riduttore: ";
inline constexpr const char* NonAdatto = "Il riduttore richiede un pronostico di ";
inline constexpr const char* NonAdattoDopo = " numeri; il pronostico ne ha ";

} // namespace messaggi_riduttori_personali

inline constexpr const char* EstensioneRiduttore = ".rid";
// Above this a file cannot be a reducer of ours (100,000 plays take about 3 MB): it is refused unread.
inline constexpr std::size_t DimensioneMassimaRiduttore = 64u * 1024u * 1024u;
// A line longer than this (a play line takes at most 29 characters) marks a file that is not a reducer.
inline constexpr std::size_t LunghezzaMassimaRiga = 4096;
// The probability windows take at most this many plays.
inline constexpr std::int32_t MassimoGiocateProbabilita = 10000;

struct RiduttorePersonale
{
    int m = 0;                         // positions, "Dim. pronostico"
    std::int64_t p = 0;                // plays as the header states them, "Nº giocate"
    std::string commenti;              // lines joined with "\n"
    std::vector<Tipo_Giocata> giocate; // plays in positions, in file order
};

struct EsitoLetturaRiduttore
{
    bool letto = false;
    std::string errore; // why the file is unreadable (for the command line)
    RiduttorePersonale riduttore;
    std::int64_t righeScartate = 0; // play lines that do not parse or hold a position above m
    explicit operator bool() const { return letto; }
};

// Splits a text into lines at CR LF, LF or CR. False when a line is longer than LunghezzaMassimaRiga or
// the text holds a NUL byte (a binary file).
[[nodiscard]] bool DividiRighe(std::string_view testo, std::vector<std::string_view>& righe);

// Reads a reducer's text. Each section is found by its opening marker line and ends at its closing marker
// or at the end. The header needs m (1..90) and p (0 or more) as integers, else the file is unreadable;
// a play line that does not parse, or holds a position above m, is skipped and counted. With
// soloIntestazione the comments and plays are not read (the listing of a folder).
EsitoLetturaRiduttore LeggiTestoRiduttore(std::string_view testo, bool soloIntestazione = false);
// The same from a file of at most DimensioneMassimaRiduttore bytes.
EsitoLetturaRiduttore LeggiFileRiduttore(const std::string& percorso, bool soloIntestazione = false);

// The file text, lines ending in CR LF: header with m and p = giocate.size(), the comments (trailing blanks
// and line breaks removed, one empty line for none), the plays.
std::string TestoRiduttore(const RiduttorePersonale& riduttore);
// Writes through a temporary file renamed over the target; false when any step failed.
[[nodiscard]] bool ScriviFileRiduttore(const std::string& percorso, const RiduttorePersonale& riduttore);

// The plays of a reducer under construction, as numbers, and what the validation found.
struct EsitoValidazioneRiduttore
{
    std::optional<Messaggio> errore;
    int rigaErrata = -1;               // index of the faulty line in the given lines, -1 for none
    RiduttorePersonale riduttore;      // plays in positions 1..m
    std::vector<std::uint8_t> numeri;  // the m distinct numbers of the plays, ascending
    std::vector<Tipo_Giocata> giocate; // the plays with their own numbers, duplicates dropped

    bool valida() const { return !errore.has_value(); }
};

// Validates typed lines: blank lines are ignored, the first line that is not a valid play stops with the
// quoted-line message and its index; repeated plays are dropped; at least one play must remain. The
// reducer's numbers are the distinct numbers of the plays and a number's position is its rank among them.
EsitoValidazioneRiduttore ValidaRigheRiduttore(const std::vector<std::string>& righe, std::string commenti);
// The same over plays already valid (the play list, "Usa giocate attuali"), in their order.
EsitoValidazioneRiduttore ValidaGiocateRiduttore(const Tipo_Giocata* giocate, std::int64_t quante,
                                                 std::string commenti);

// "Verifica conclusa con successo. ..." for a valid reducer.
Messaggio MessaggioVerifica(const RiduttorePersonale& riduttore);

// What the editor shows for an existing reducer: the comment lines each trimmed, the whole stripped of
// trailing blanks, and the play lines each trimmed, as written (positions, invalid lines included). False
// when the file cannot be read (missing, too large, binary, over-long lines).
[[nodiscard]] bool RigheModificaRiduttore(const std::string& percorso, std::string& commenti,
                                          std::vector<std::string>& giocate);
