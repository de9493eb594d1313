#pragma once

// Texts of the archive update over the Internet, shared by the windows and the command-line tool
// ("\r" separates lines).
namespace messaggi_aggiornamento {

inline constexpr const char* TitoloAggio = "Aggiornamento diretto da Internet";
inline constexpr const char* TitoloImpoConn = "Impostazioni di connessione";
inline constexpr const char* TitoloMessaggio = "Messaggio";
inline constexpr const char* TitoloAggiornaSoftware = "Aggiornamento di QUARVINA LOTTO";

inline constexpr const char* ConnessioneFallita =
    "Impossibile stabilire una connessione con il server. Assicurarsi che la connessione ad Internet sia "
    "attiva.\rAssicurarsi che non siano presenti firewall che impediscano lo scaricamento degli "
    "aggiornamenti.\rPer maggiori informazioni fare clic su OK.";
inline constexpr const char* NessunAggiornamento = "Al momento non sono disponibili nuovi aggiornamenti.";
// Followed by the number of new draws.
inline constexpr const char* AggiornamentoRiuscito =
    "Aggiornamento avvenuto con successo.\rNumero di nuove estrazioni del Lotto: ";

inline constexpr const char* TitoloAttenzione = "Attenzione";
inline constexpr const char* TitoloOk = "OK";
inline constexpr const char* TitoloProgramma = "QUARVINA LOTTO";
inline constexpr const char* TitoloInformazione = "Informazione";

// Draw lines of the server's file that could not be a real draw: "Il file degli aggiornamenti
// conteneva " N " estrazioni non valide, che sono state ignorate." (one: RigaNonValida).
inline constexpr const char* RigheNonValidePrima = "Il file degli aggiornamenti conteneva ";
inline constexpr const char* RigheNonValideDopo = " estrazioni non valide, che sono state ignorate.";
inline constexpr const char* RigaNonValida =
    "Il file degli aggiornamenti conteneva un'estrazione non valida, che è stata ignorata.";

// The new-version window.
inline constexpr const char* FareClicAggiorna = "Fare clic su \"Aggiorna\" per avviare l'aggiornamento.";
inline constexpr const char* ScaricamentoInCorso = "Scaricamento file di aggiornamento in corso ...";
// Followed by the path of the downloaded file: the program never runs it by itself.
inline constexpr const char* FileScaricato =
    "Il file di aggiornamento è stato scaricato e verrà mostrato nella sua cartella. Per installare la "
    "nuova versione, aprirlo da lì.\r";

// Help topics.
inline constexpr const char* GuidaAggiorna = "as_aggiorna_internet.htm";
inline constexpr const char* GuidaConnessioneFallita = "rdp_connessione.htm";
inline constexpr const char* GuidaImpoConn = "imp_connessione.htm";

} // namespace messaggi_aggiornamento
