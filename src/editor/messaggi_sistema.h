#pragma once

// Texts of the system file commands, exactly as the user sees them ("\r" separates lines).
namespace messaggi_sistema {

inline constexpr const char* VersioneNonCompatibile =
    "Questa versione non è compatibile con la versione usata per creare il sistema da aprire.";

inline constexpr const char* ErroreApertura = "Si è verificato un errore durante l'apertura del sistema.";

inline constexpr const char* ErroreSalvataggio =
    "Si è verificato un errore durante il salvataggio del sistema!\r"
    "Impossibile scrivere sul disco.\r"
    "Il sistema non è stato salvato";

inline constexpr const char* SistemaNonSalvato = "Il sistema attuale non è stato salvato!\r"
                                                 "Salvare il sistema sul disco ?";

inline constexpr const char* TitoloErrore = "Errore";
inline constexpr const char* TitoloAttenzione = "Attenzione";

} // namespace messaggi_sistema
