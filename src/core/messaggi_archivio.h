#pragma once

// Texts about the historic draw archive, shared by the windows and the command-line tool ("\r" separates
// lines).
namespace messaggi_archivio {

// Shown by every caller of InserisciEstrazione that gets 0 back: a new date does not fit in a full archive
// (the archive is left as it was).
inline constexpr const char* ArchivioPieno =
    "L'archivio storico è pieno: può contenere al massimo 12000 estrazioni.";

// Shown by the dialogs where a draw date is typed, when LeggiData refuses it.
inline constexpr const char* DataNonValida =
    "La data inserita non è valida. Usare il formato gg/mm/aaaa (es: 30/06/2003)";

inline constexpr const char* ErroreLetturaArchivio =
    "Impossibile leggere il file dell'archivio storico Quarvin.db.";
inline constexpr const char* ErroreSalvataggioArchivio =
    "Si è verificato un errore durante il salvataggio dell'archivio storico Quarvin.db.";
// Notes of a load that skipped records: ArchivioDanneggiato, then one record ("l'estrazione numero " N
// " non è valida ed è stata ignorata.") or several (N " estrazioni non valide sono state ignorate (la prima
// è la numero " M ")."); draws sharing a date (N " estrazioni avevano ...").
inline constexpr const char* ArchivioDanneggiato = "Il file dell'archivio storico Quarvin.db è danneggiato: ";
inline constexpr const char* UnaNonValidaPrima = "l'estrazione numero ";
inline constexpr const char* UnaNonValidaDopo = " non è valida ed è stata ignorata.";
inline constexpr const char* PiuNonValidePrima =
    " estrazioni non valide sono state ignorate (la prima è la numero ";
inline constexpr const char* PiuNonValideDopo = ").";
inline constexpr const char* DateDoppie =
    " estrazioni avevano la data di un'altra estrazione e sono state ignorate.";
inline constexpr const char* OltreCapacita = "L'archivio storico Quarvin.db contiene più di 12000 "
                                             "estrazioni: sono state caricate le 12000 più recenti.";

inline constexpr const char* FileTestoNonTrovato = "Impossibile aprire il file ";
inline constexpr const char* FileTestoTroppoGrande =
    "Il file è troppo grande per essere un archivio delle estrazioni: ";
inline constexpr const char* ErroreScritturaTesto = "Impossibile scrivere il file ";

} // namespace messaggi_archivio
