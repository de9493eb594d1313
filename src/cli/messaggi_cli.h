#pragma once

// Texts of the command-line tool ("\r" separates lines, printed as new lines).
namespace messaggi_cli {

inline constexpr const char* Uso =
    "uso: quarvin-cli [--dati DIR] [--personale DIR] COMANDO [ARGOMENTI]\r"
    "comandi:\r"
    "  stampa FILE.qvs --modello schedina|mdn|lottopiu|carta [--orientamento verticale|orizzontale]\r"
    "       [--da N] [--a M] (-o OUT.pdf | --segni)\r"
    "  crea -o FILE.qvs --pronostico \"1 2 3 ...\" --k K [--fisse \"...\"] "
    "[--ruote \"Bari Roma ...\" | \"Tutte\"]\r"
    "       [--importi \"estratto=1 ambo=0,5 terno=... quaterna=... "
    "cinquina=... ambetto=... determinato=...\"]\r"
    "       [--posizioni \"1 3\"]\r"
    "  info FILE.qvs\r"
    "  giocate FILE.qvs\r"
    "  distribuzione FILE.qvs\r"
    "  sviluppa FILE.qvs [--considera-fisse] (-o OUT.qvs | --sovrascrivi)\r"
    "  statistiche [--ruote \"Bari Roma ...\" | \"Tutte\" | \"Nazionale\"]\r"
    "  statistica VISTA [--ruote \"Bari Roma ...\" | \"Tutte\"]   (VISTA da 0 a 12)\r"
    "  smorfia TERMINI...\r"
    "  analisi-combinazioni \"NUMERI\"\r"
    "  archivio info\r"
    "  archivio importa FILE.txt\r"
    "  archivio esporta FILE.txt\r"
    "  archivio estrazione N\r"
    "  archivio elimina DA A\r"
    "  archivio aggiorna [--server URL]\r"
    "  vincita [--ruota singola|tutte] [--giocati N] [--indovinati H]\r"
    "       [--importi \"estratto=... ambo=... terno=... quaterna=... cinquina=...\"]\r"
    "  importa FILE.qvs (--testo FILE.txt | --sistema ALTRO.qvs | --lpc FILE.lpc) "
    "(-o OUT.qvs | --sovrascrivi)\r"
    "  esporta FILE.qvs FILE.txt\r"
    "  pronostico FILE.qvs (--aggiungi-probabili Q | --elimina-meno-probabili Q |\r"
    "       --aggiungi-casuali Q [--seme S] | --elimina-casuali Q [--seme S] |\r"
    "       --da-giocate | --svuota) (-o OUT.qvs | --sovrascrivi)\r"
    "  riduci casuale-aggiungi FILE.qvs --n N [--seme S] [--considera-fisse] "
    "(-o OUT.qvs | --sovrascrivi)\r"
    "  riduci casuale-elimina FILE.qvs --n N [--seme S] (-o OUT.qvs | --sovrascrivi)\r"
    "  riduci condizionata FILE.qvs [--modo pronostico|giocate] [--considera-fisse] "
    "[--condizioni FILE.con]\r"
    "       (-o OUT.qvs | --sovrascrivi)\r"
    "  riduci (numeri | cadenze | figure | decine | giocate-filtro | confronto-storico) FILE.qvs\r"
    "       [--modo pronostico|giocate] [--considera-fisse] (-o OUT.qvs | --sovrascrivi)\r"
    "  analisi (numeri | cadenze | figure | decine | giocate-filtro | confronto-storico) FILE.qvs\r"
    "       [--modo pronostico|giocate]\r"
    "  riduci (probabilita-ritardi | probabilita-frequenze | probabilita-personalizzate | frequenze |\r"
    "       ritardi) FILE.qvs [--modo pronostico|giocate] [--considera-fisse] (-o OUT.qvs | --sovrascrivi)\r"
    "  analisi (probabilita-ritardi | probabilita-frequenze | probabilita-personalizzate | frequenze |\r"
    "       ritardi) FILE.qvs [--modo pronostico|giocate]\r"
    "  condizioni FILE.qvs \"NUMERI\"\r"
    "  riduci (ortogonale-pronostico | ortogonale-giocate) FILE.qvs\r"
    "       --garanzia (ambo | terno | quaterna | cinquina) [--immediati] "
    "[--considera-fisse] [--seme S]\r"
    "       (-o OUT.qvs | --sovrascrivi)\r"
    "  riduci (garanzia-pronostico | garanzia-giocate) FILE.qvs\r"
    "       --garanzia (ambo | terno | quaterna | cinquina) [--immediati] "
    "[--considera-fisse] [--seme S]\r"
    "       (-o OUT.qvs | --sovrascrivi)\r"
    "  riduttori crea FILE.ra2|FILE.ro2 [--v V] [--k K] [--garanzia G] TESTO...\r"
    "  riduttori elenco FILE\r"
    "  riduttori cerca --tipo garanzia|ortogonale --v V --k K --t T [--p P] [--secondi S | --mosse N]\r"
    "       [--seme N] [--partenza FILE] [--obiettivo N] [--coperture CARTELLA] -o FILE.txt\r"
    "  riduttori componi CARTELLA USCITA\r"
    "  riduttori algoritmo --tipo garanzia|ortogonale --v V --k K --t T\r"
    "  spoglio FILE.qvs (--data GG/MM/AAAA | --numeri \"B1..B5 C1..C5 ... N1..N5\")\r"
    "  spoglio-storico FILE.qvs [--estrazioni N] [--partenza S] [--tutte-ruote 0|1]\r"
    "  probabilita-vincita FILE.qvs [--punti P]   (P da 1 a 5, 5 se omesso)\r"
    "  riduttori-personali crea FILE.rid (--da-sistema S.qvs | --da-testo GIOCATE.txt) [--commenti TESTO]\r"
    "  riduttori-personali elenco [--pronostico N]\r"
    "  riduttori-personali applica FILE.qvs RIDUTTORE.rid [--considera-fisse] (-o OUT.qvs | --sovrascrivi)\r"
    "  riduttori-personali probabilita RIDUTTORE.rid [--punti P]\r"
    "  garanzia FILE.qvs --punti P [--buchi N] [--livello L]\r"
    "  bilancio FILE.qvs [--estrazioni N] [--partenza S]\r"
    "  probabilita FILE.qvs";

// The historic checking and the winning probability.
inline constexpr const char* TutteRuoteNonValido = "--tutte-ruote accetta 0 oppure 1: ";
inline constexpr const char* PuntiNonValidi = "indicare i punti con un numero da 1 a 5: ";
inline constexpr const char* BuchiNonValidi = "indicare i buchi da elencare con un numero da 0 in su: ";
inline constexpr const char* LivelloNonValido = "indicare il livello con un numero da 1 a 5: ";

// The check of the plays against one draw ("-" is an empty cell).
inline constexpr const char* EstrazioneSpoglio = "indicare l'estrazione con --data oppure con --numeri";
inline constexpr const char* TroppiNumeriSpoglio =
    "--numeri accetta al massimo 55 numeri, 5 per ruota da Bari a Nazionale (\"-\" per una casella vuota)";
inline constexpr const char* EstrazioneAssentePrima = "L'archivio storico non contiene l'estrazione del ";
inline constexpr const char* EstrazioneAssenteDopo = ".";

inline constexpr const char* LimiteNonValido = "il numero di candidati o di millisecondi non è valido: ";
inline constexpr const char* PassiNonValidi = "il numero di passi deve essere compreso tra 1 e 10: ";
inline constexpr const char* PassiDiversi =
    "--passi e --m indicano lo stesso numero di passi: valori diversi";
inline constexpr const char* TabellaNonLeggibile = "Impossibile leggere la tabella delle sostituzioni: ";
inline constexpr const char* CondizioniNonValide = "Il file delle condizioni non è valido: ";
inline constexpr const char* CriteriNonRispettati = "Criteri non rispettati: ";
inline constexpr const char* GiocataNonValida = "Giocata non valida: ";
inline constexpr const char* GiocataMancante =
    "indicare la giocata tra virgolette: condizioni FILE.qvs \"1 2 3\"";

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
inline constexpr const char* SottocomandoArchivioMancante =
    "manca il comando di archivio (info, importa, esporta)";
inline constexpr const char* SottocomandoArchivioSconosciuto = "comando di archivio sconosciuto: ";
// The Internet update from the command line.
inline constexpr const char* ServerNonValido = "indirizzo del server non valido (http:// o https://): ";
inline constexpr const char* IndirizzoAggiornamento = "Indirizzo indicato dal server: ";
inline constexpr const char* NuovaVersione = "Nuova versione disponibile: ";
inline constexpr const char* NuoveEstrazioni = "Nuove estrazioni: ";
inline constexpr const char* FileTestoMancante = "manca il file di testo delle estrazioni";
inline constexpr const char* NumeroEstrazioneMancante =
    "indicare il numero dell'estrazione (1 la più vecchia)";
inline constexpr const char* IntervalloMancante = "indicare la prima e l'ultima estrazione da eliminare";
inline constexpr const char* NumeroEstrazioneNonValido = "numero di estrazione non valido: ";
inline constexpr const char* EstrazioneInesistentePrima = "L'estrazione nº ";
inline constexpr const char* EstrazioneInesistenteDopo = " non esiste: l'archivio contiene ";
inline constexpr const char* EstrazioneInesistenteFine = " estrazioni.";
inline constexpr const char* IntervalloRovesciato =
    "La prima estrazione da eliminare non può seguire l'ultima.";
inline constexpr const char* EstrazioniEliminate = "Estrazioni eliminate: ";
inline constexpr const char* EstrazioniRimaste = "Estrazioni rimaste: ";
inline constexpr const char* RuotaVincitaNonValida = "ruota non valida (singola o tutte): ";
inline constexpr const char* GiocatiNonValidi =
    "la quantità di numeri giocati deve essere un numero da 1 a 10";
inline constexpr const char* IndovinatiNonValidi =
    "la quantità di numeri indovinati deve essere un numero da 0 a 10";
inline constexpr const char* ClasseVincitaNonValida =
    "classe non riconosciuta (estratto, ambo, terno, quaterna, cinquina): ";

inline constexpr const char* MetodoAnalisiMancante =
    "manca la riduzione da analizzare: numeri, cadenze, figure, decine, giocate-filtro, confronto-storico, "
    "probabilita-ritardi, probabilita-frequenze, probabilita-personalizzate, frequenze o ritardi";
inline constexpr const char* MetodoAnalisiSconosciuto = "riduzione da analizzare sconosciuta: ";
inline constexpr const char* ModoAnalisiNonValido = "il modo deve essere pronostico o giocate: ";
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

inline constexpr const char* ModelloStampaNonValido =
    "modello non valido (schedina, mdn, lottopiu o carta): ";
inline constexpr const char* OrientamentoNonValido = "orientamento non valido (verticale o orizzontale): ";
inline constexpr const char* UscitaStampa = "indicare -o OUT.pdf oppure --segni (solo per le schedine)";
inline constexpr const char* StampaSenzaGrafica = "la stampa richiede l'applicazione grafica";
inline constexpr const char* PdfNonScritto = "impossibile scrivere il PDF ";

} // namespace messaggi_cli
