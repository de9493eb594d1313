#pragma once

#include "checking/spoglio_storico.h"
#include "checking/vincite.h"
#include "core/archivio_storico.h"
#include "core/esecuzione.h"
#include "core/giocata.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Texts of the historic balance, shared by its window and the command-line tool.
namespace messaggi_bilancio_storico {

inline constexpr const char* Titolo = "Bilancio storico";
inline constexpr const char* Avvertenza =
    "Le estrazioni passate non permettono di prevedere quelle future: il bilancio dice soltanto come "
    "sarebbe andato il sistema se fosse stato giocato.";
inline constexpr const char* NessunaGiocata = "Non ci sono giocate finali da controllare.";
inline constexpr const char* ImportiNulli = "Le giocate non hanno importi: impostare gli importi di giocata.";
inline constexpr const char* Spesa = "Spesa";
inline constexpr const char* Vincite = "Vincite";
inline constexpr const char* Saldo = "Saldo";
inline constexpr const char* Resa = "Resa";
inline constexpr const char* VincitaMassima = "Vincita massima";
inline constexpr const char* SenzaVincite = "Estrazioni senza vincite consecutive (massimo)";
inline constexpr const char* Guida = "gf_bilancio.htm";

} // namespace messaggi_bilancio_storico

// One draw of the balance.
// The number of draws of the window's last run, kept in the settings store.
inline constexpr const char* ChiaveBilStoEstrazioni = "BilStoEstrazioni";

struct RigaBilancio
{
    std::int32_t estrazione = 0; // archive position
    double costo = 0;
    double vinto = 0; // the sum of the plays' wins, each capped at the largest win
    double saldo = 0; // won minus spent so far, this draw included
    // Amounts of the win lines by class (ClassePremio slot 1..7 at index 0..6), before the cap of a play.
    std::array<double, 7> perClasse{};
};

struct EsitoBilancio
{
    std::vector<RigaBilancio> righe; // every draw of the span, in archive order
    double spesa = 0;
    double vinto = 0;
    double vincitaMassima = 0;            // the largest win of one draw
    std::int32_t senzaVinciteMassimo = 0; // the longest run of consecutive draws without a win
    bool interrotto = false;

    double saldo() const { return vinto - spesa; }
    // 100 won / spent; 0 when nothing was spent.
    double resa() const;
};

// What one play costs on one wheel: the stakes of the classes plus the estratto determinato once per
// chosen position (the "Importo di giocata" of the main window).
double PuntataGiocata(const ParametriVincite& parametri);

// The wheels a play is paid for in a draw: each selected wheel with data in the draw, Tutte once when
// some regional wheel has data. A wheel that was not drawn cannot be played, so it costs nothing.
int RuotePagate(const SegniRuote& ruote, const Tipo_Estrazione& estrazione);

// Plays giocate[0 .. quante) on every draw of the span with the stakes and wheels of `parametri`: per draw
// the cost (plays x PuntataGiocata x RuotePagate), the official wins (VinciteGiocata, each play's total
// capped by TotaleVincite) and the running balance. Polls after each draw; a confirmed stop returns
// with the draws done and `interrotto` set.
void BilancioStorico(const Tipo_Giocata* giocate, std::int32_t quante, const ArchivioStorico& archivio,
                     IntervalloEstrazioni intervallo, const ParametriVincite& parametri, EsitoBilancio& esito,
                     ControlloEsecuzione& controllo);

// The command-line rows: "date<TAB>cost<TAB>won<TAB>balance" per draw, then the six totals
// "label<TAB>value", amounts with `decimali` decimals and thousands points.
std::vector<std::string> RigheBilancio(const ArchivioStorico& archivio, const EsitoBilancio& esito,
                                       int decimali);
