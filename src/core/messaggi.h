#pragma once

// Texts shared by several modules, exactly as the user sees them ("\r" separates lines).
namespace messaggi {

inline constexpr const char* MemoriaInsufficiente =
    "Errore, non c'è abbastanza memoria libera per lo sviluppo delle giocate.\r"
    "Diminuire il numero di segni o selezionare un altro metodo di riduzione.";

inline constexpr const char* ConfermaInterruzione = "Sei sicuro di voler interrompere l'elaborazione?";

inline constexpr const char* ValoreNonValido = "Il valore inserito non è valido!";

} // namespace messaggi
