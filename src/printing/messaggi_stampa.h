#pragma once

// The texts of printing, shared by the windows and the command line.
namespace messaggi_stampa {

inline constexpr const char* NessunaGiocata = "Non ci sono giocate da stampare!";
inline constexpr const char* PosizioniSenzaImporto =
    "Nella sezione \"Giocate finali\" > \"Importi di giocata\" sono state indicate delle \r posizioni di "
    "estratti determinati senza indicare l'importo di giocata.";
inline constexpr const char* ImportoSenzaPosizioni =
    "Nella sezione \"Giocate finali\" > \"Importi di giocata\" è stato indicato un importo \r di giocata "
    "senza "
    "indicare la posizione di almeno un estratto determinato.";
inline constexpr const char* ImportoNonStampabilePrima = "L'importo ";
inline constexpr const char* ImportoNonStampabileDopo =
    " € non può essere stampato sulle nuove schedine.\rModificare l'importo e riprovare.";
inline constexpr const char* TitoloErrore = "Errore !";
inline constexpr const char* SchedinaNonValida =
    "Il numero della schedina da stampare non è valido!\rCorreggere e riprovare.";
inline constexpr const char* UltimaNonValida =
    "Il numero dell'ultima schedina da stampare non è valido!\rCorreggere e riprovare.";
inline constexpr const char* IntervalloNonValido =
    "Il numero delle schedine da stampare non è valido!\rCorreggere e riprovare.";
inline constexpr const char* ConfermaInterruzione = "Sei sicuro di voler interrompere la stampa ?";
inline constexpr const char* TitoloConferma = "Conferma";
inline constexpr const char* RipristinaValori = "Ripristinare i valori originali ?";
inline constexpr const char* TitoloLavoro = "Quarvin";
inline constexpr const char* Scheda = "Scheda Nº ";

} // namespace messaggi_stampa
