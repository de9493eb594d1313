#pragma once

#include <string>

// Texts of play editing, undo, import, export and the prediction helpers, exactly as the user sees
// them ("\r" separates lines).
namespace messaggi_giocate {

inline constexpr const char* TitoloAttenzione = "Attenzione";
inline constexpr const char* TitoloErrore = "Errore";
inline constexpr const char* TitoloOk = "OK";

// Undo.
inline constexpr const char* NienteDaRipristinare = "Non ci sono giocate da ripristinare!";
inline std::string DomandaRipristino(int attuali, int precedenti)
{
    return "Sostituire le attuali " + std::to_string(attuali) + " giocate con le precedenti " +
           std::to_string(precedenti) + " giocate ?";
}

// Deleting plays.
inline constexpr const char* NessunaGiocataFinaleDaEliminare = "Non ci sono giocate finali da eliminare.";
inline constexpr const char* DomandaEliminaTutte = "Eliminare tutte le giocate ?";
inline constexpr const char* NessunaGiocataDaEliminare = "Non ci sono giocate da eliminare!";
inline constexpr const char* DomandaEliminaUna = "Eliminare la giocata selezionata ?";
inline std::string DomandaEliminaIntervallo(int quante)
{
    return "Eliminare le " + std::to_string(quante) + " giocate selezionate ?";
}
inline std::string GiocateSelezionate(int quante)
{
    return "Numero di giocate selezionate: " + std::to_string(quante);
}

// Entering and modifying plays.
inline std::string NumeroGiocata(int indice)
{
    return "Giocata Nº: " + std::to_string(indice);
}
inline constexpr const char* SuggerimentoNumeri =
    " Inserire i numeri della giocata separandoli con uno spazio ";
inline constexpr const char* NumeriNonValidi = "Alcuni numeri che compongono la giocata non sono validi!";
inline constexpr const char* GiaPresenteInserimento = "La giocata è già presente nell'elenco delle giocate.!";
inline constexpr const char* GiaPresenteModifica =
    "La giocata è già presente nell'elenco delle giocate finali!";

// Imports and export.
inline constexpr const char* VersioneNonCompatibile =
    "Questa versione non è compatibile con la versione usata per creare il sistema da aprire.";
inline constexpr const char* NessunaNuovaGiocata =
    "Nel file non è stata trovata nessuna nuova giocata valida.\r"
    "Il file di testo deve contenere una sola giocata per riga.\r"
    "Le giocate non possono avere più di dieci numeri (separati da almeno uno spazio o un segno di "
    "tabulazione).";
inline constexpr const char* FileTestoTroppoGrande =
    "Il file di testo è troppo grande per essere importato (al massimo 256 MB).";
inline constexpr const char* NessunaGiocataDaSalvare = "Non ci sono giocate da salvare!";
inline constexpr const char* GiocateSalvate = "Giocate salvate con successo.";
inline constexpr const char* ErroreSalvataggioGiocate =
    "Si è verificato un errore durante la scrittura del file di testo!\r"
    "Impossibile scrivere sul disco.\r"
    "Le giocate non sono state salvate.";

// Prediction helpers.
inline constexpr const char* DomandaSvuotaPronostico = "Eliminare tutti numeri del pronostico iniziale ?";
inline constexpr const char* ElencoVuoto = "L'elenco delle giocate finali è vuoto.";
inline constexpr const char* DomandaPronosticoDaGiocate =
    "Inserire nel pronostico i numeri presenti nelle giocate finali ?";
inline constexpr const char* AggiungiCasualmente = "Aggiungi numeri casualmente";
inline constexpr const char* EliminaCasualmente = "Elimina numeri casualmente";
inline constexpr const char* AggiungiProbabili = "Aggiungi numeri più probabili";
inline constexpr const char* EliminaMenoProbabili = "Elimina numeri meno probabili";
inline constexpr const char* QuantitaDaAggiungere = "Quantità di numeri da aggiungere:";
inline constexpr const char* QuantitaDaEliminare = "Quantità di numeri da eliminare:";
inline constexpr const char* QuantitaDaEliminareProbabili = "Quantità di numeri da eliminare:";
inline std::string QuantitaNonValida(int minimo, int massimo)
{
    return "Il valore inserito non è valido.\rIndicare un numero compreso tra " + std::to_string(minimo) +
           " e " + std::to_string(massimo);
}

} // namespace messaggi_giocate
