#pragma once

// Texts shared by the reduction methods, exactly as the user sees them ("\r" separates lines).
namespace messaggi_riduzioni {

inline constexpr const char* AlmenoTreNumeri =
    "Per questa riduzione sono richiesti almeno 3 numeri per giocata.";
inline constexpr const char* AlmenoDueNumeri =
    "Per questa riduzione sono richiesti almeno 2 numeri per giocata.";
inline constexpr const char* AlmenoDueNumeriCruciverba =
    "Questo metodo richiede almeno due numeri per giocata.";
inline constexpr const char* AlmenoDueGiocate = "Questo metodo richiede almeno due giocate.";
inline constexpr const char* GiocateAlmenoTreNumeri = "Questo metodo richiede giocate con almeno tre numeri.";
inline constexpr const char* GiocateDiversaQuantita =
    "Questo metodo richiede che le giocate abbiano tutte la stessa quantità di numeri.\r"
    "Alcune giocate hanno una diversa quantità di numeri.";
inline constexpr const char* NessunaGiocataDaEliminare = "Non ci sono giocate finali da eliminare.";
inline constexpr const char* PresenzaDueGiocate = "Questo metodo richiede la presenza di almeno 2 giocate.";
inline constexpr const char* AlmenoUnaGiocata = "Questo metodo richiede almeno una giocata.";

inline constexpr const char* NessunaGiocataAggiunta = "Non è stata aggiunta nemmeno una giocata!\r"
                                                      "Verificare la presenza delle fisse nel pronostico.";

// Analysis windows.
inline constexpr const char* GiocateValide = "Nº di giocate valide:";
inline constexpr const char* EstrazioniValide = "Nº di estrazioni valide:";
inline constexpr const char* StatoAvanzamento = "Stato avanzamento";
inline constexpr const char* NumeroGiocate = "Nº di giocate: ";

} // namespace messaggi_riduzioni
