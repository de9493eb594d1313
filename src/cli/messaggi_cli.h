#pragma once

// Texts of the command-line tool ("\r" separates lines, printed as new lines).
namespace messaggi_cli {

inline constexpr const char* Uso = "uso: quarvin-cli [--dati DIR] [--personale DIR] COMANDO [ARGOMENTI]\r"
                                   "comandi:\r"
                                   "  crea -o FILE.qvs --pronostico \"1 2 3 ...\" --k K [--fisse \"...\"] "
                                   "[--ruote \"Bari Roma ...\" | \"Tutte\"]\r"
                                   "       [--importi \"estratto=1 ambo=0,5 terno=... quaterna=... "
                                   "cinquina=... ambetto=... determinato=...\"]\r"
                                   "       [--posizioni \"1 3\"]\r"
                                   "  info FILE.qvs\r"
                                   "  giocate FILE.qvs\r"
                                   "  sviluppa FILE.qvs [--considera-fisse] (-o OUT.qvs | --sovrascrivi)\r"
                                   "  statistiche [--ruote \"Bari Roma ...\" | \"Tutte\" | \"Nazionale\"]\r"
                                   "  statistica VISTA [--ruote \"Bari Roma ...\" | \"Tutte\"]   (VISTA da 0 a 12)\r"
                                   "  smorfia TERMINI...\r"
                                   "  analisi-combinazioni \"NUMERI\"\r"
                                   "  archivio info\r"
                                   "  archivio importa FILE.txt\r"
                                   "  archivio esporta FILE.txt\r"
                                   "  importa FILE.qvs (--testo FILE.txt | --sistema ALTRO.qvs | --lpc FILE.lpc) "
                                   "(-o OUT.qvs | --sovrascrivi)\r"
                                   "  esporta FILE.qvs FILE.txt\r"
                                   "  pronostico FILE.qvs (--aggiungi-probabili Q | --elimina-meno-probabili Q |\r"
                                   "       --aggiungi-casuali Q [--seme S] | --elimina-casuali Q [--seme S] |\r"
                                   "       --da-giocate | --svuota) (-o OUT.qvs | --sovrascrivi)";

inline constexpr const char* VistaNonValida = "indicare una vista da 0 a 12";
inline constexpr const char* TerminiMancanti = "mancano i termini da cercare";
inline constexpr const char* NumeriMancanti = "indicare i numeri da analizzare tra virgolette";
inline constexpr const char* SmorfiaMancante = "Il dizionario della smorfia (Quarvin.smo) non è disponibile.";
inline constexpr const char* ComandoMancante = "manca il comando";
inline constexpr const char* ComandoSconosciuto = "comando sconosciuto: ";
inline constexpr const char* OpzioneSconosciuta = "opzione sconosciuta: ";
inline constexpr const char* ValoreMancante = "manca il valore dell'opzione ";
inline constexpr const char* OpzioneObbligatoria = "manca l'opzione ";
inline constexpr const char* OpzioneRipetuta = "opzione ripetuta: ";
inline constexpr const char* ArgomentoInatteso = "argomento inatteso: ";
inline constexpr const char* FileMancante = "manca il file del sistema";
inline constexpr const char* SottocomandoArchivioMancante = "manca il comando di archivio (info, importa, esporta)";
inline constexpr const char* SottocomandoArchivioSconosciuto = "comando di archivio sconosciuto: ";
inline constexpr const char* FileTestoMancante = "manca il file di testo delle estrazioni";

inline constexpr const char* InfoEstrazioni = "Estrazioni: ";
inline constexpr const char* InfoPrimaEstrazione = "Prima estrazione: ";
inline constexpr const char* InfoUltimaEstrazione = "Ultima estrazione: ";

inline constexpr const char* PronosticoNonValido =
    "Il pronostico non è valido: indicare numeri diversi da 1 a 90 separati da spazi.";
inline constexpr const char* NumeriPerGiocataNonValidi =
    "La quantità di numeri per giocata deve essere un numero da 1 a 10.";
inline constexpr const char* TroppeFisse = "Le fisse possono essere al massimo 9.";
inline constexpr const char* FissaNonValidaPrima = "La fissa numero ";
inline constexpr const char* FissaNonValidaDopo = " non è valida!";
inline constexpr const char* FisseOltreNumeriPerGiocata =
    "La quantità di numeri per giocata non può essere inferiore al numero di fisse!";
inline constexpr const char* RuotaNonValida = "Ruota non riconosciuta: ";
inline constexpr const char* RuoteMancanti = "Indicare almeno una ruota.";
inline constexpr const char* ImportoNonValido = "Importo non valido: ";
inline constexpr const char* ClasseNonValida =
    "Classe non riconosciuta (estratto, ambo, terno, quaterna, cinquina, ambetto, determinato): ";
inline constexpr const char* PosizioneNonValida =
    "Le posizioni dell'estratto determinato sono numeri diversi da 1 a 5: ";

} // namespace messaggi_cli
