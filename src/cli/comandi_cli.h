#pragma once

#include "cli/opzioni.h"

#include <iosfwd>

namespace cli {

// Each command parses its own arguments (usage errors before anything is touched), then works on a
// fresh AmbienteCli; it returns the exit status.
int ComandoCrea(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoInfo(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoGiocate(const RigaComando& riga, std::ostream& out, std::ostream& err);
// distribuzione FILE.qvs: how many plays contain each number, 90 lines "number<TAB>count".
int ComandoDistribuzione(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoSviluppa(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoStatistiche(const RigaComando& riga, std::ostream& out, std::ostream& err);
// archivio info | importa FILE.txt | esporta FILE.txt | estrazione N | elimina DA A
int ComandoArchivio(const RigaComando& riga, std::ostream& out, std::ostream& err);
// archivio aggiorna [--server URL]: the update over the Internet (the server of the settings by default).
int ComandoArchivioAggiorna(const RigaComando& riga, std::ostream& out, std::ostream& err);
// vincita [--ruota singola|tutte] [--giocati N] [--indovinati H] [--importi "..."]: the winnings calculator.
int ComandoVincita(const RigaComando& riga, std::ostream& out, std::ostream& err);

// importa / esporta / pronostico: imports and export of plays, the prediction helpers.
int ComandoImporta(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoEsporta(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoPronostico(const RigaComando& riga, std::ostream& out, std::ostream& err);

// statistica VIEW [--ruote ...] | smorfia TERMINI... | analisi-combinazioni "NUMERI"
int ComandoStatistica(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoSmorfia(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoAnalisiCombinazioni(const RigaComando& riga, std::ostream& out, std::ostream& err);

// condizioni FILE.qvs "NUMERI": the 24 values of the conditional criteria for the play, one
// "caption<TAB>value" per line, then "Criteri non rispettati: N" and the captions of the criteria it fails
// under the system's conditions.
int ComandoAnalisi(const RigaComando& riga, std::ostream& out, std::ostream& err);
int ComandoCondizioni(const RigaComando& riga, std::ostream& out, std::ostream& err);

// riduci METODO FILE.qvs ... (-o OUT.qvs | --sovrascrivi): a reduction method on a system file.
int ComandoRiduci(const RigaComando& riga, std::ostream& out, std::ostream& err);

// spoglio FILE.qvs (--data D | --numeri "..."): the report of the check against one draw and the nine
// summary rows "label<TAB>count<TAB>amount".
int ComandoSpoglio(const RigaComando& riga, std::ostream& out, std::ostream& err);

// spoglio-storico FILE.qvs [--estrazioni N] [--partenza S] [--tutte-ruote 0|1]: the check over a span of
// archive draws, the boxes read as the window reads them (omitted: 100 draws, the newest, all eleven
// wheels); one line "date<TAB>cinquine<TAB>quaterne<TAB>terni<TAB>ambi<TAB>estratti" per draw with hits,
// then "TOTALE:" and the five totals.
int ComandoSpoglioStorico(const RigaComando& riga, std::ostream& out, std::ostream& err);

// probabilita-vincita FILE.qvs [--punti P]: the winning probability of the plays when P (1..5, 5 when
// omitted, as the window starts) predicted numbers come out; six lines "label<TAB>percentage", four
// decimals.
int ComandoProbabilitaVincita(const RigaComando& riga, std::ostream& out, std::ostream& err);

// garanzia FILE.qvs --punti P [--buchi N] [--livello L]: "garantito<TAB>S" (the least best score over the
// P-subsets of the prediction), six lines "label<TAB>sets<TAB>percentage" for the best scores 0..5,
// "buchi<TAB>H" (the subsets below L, by default the level of the full development) and the first N
// (100 when omitted) of them, one per line.
int ComandoGaranzia(const RigaComando& riga, std::ostream& out, std::ostream& err);

// bilancio FILE.qvs [--estrazioni N] [--partenza S]: the system played on every draw of the span (read as
// spoglio-storico reads it): the warning that past draws do not predict future ones, one row
// "date<TAB>cost<TAB>won<TAB>balance" per draw, then the totals "label<TAB>value".
int ComandoBilancio(const RigaComando& riga, std::ostream& out, std::ostream& err);

// probabilita FILE.qvs: per class Estratto .. Cinquina "label<TAB>p_one_wheel<TAB>p_system", the exact
// probabilities of at least one win of that class or better in one draw (nine decimals), then
// "Valore atteso per euro<TAB>x.xxxx".
int ComandoProbabilita(const RigaComando& riga, std::ostream& out, std::ostream& err);

// riduttori crea FILE [--v V] [--k K] [--garanzia G] TESTO... | riduttori elenco FILE: immediate-reducer
// files built from text files of plays. riduttori cerca --tipo garanzia|ortogonale --v V --k K --t T [--p P]
// [--secondi S | --mosse N] [--seme N] [--partenza FILE] [--obiettivo N] [--coperture CARTELLA] -o FILE.txt:
// the search for a small design behind a reducer, written as such a text file; prints its size.
int ComandoRiduttori(const RigaComando& riga, std::ostream& out, std::ostream& err);

// riduttori-personali crea FILE.rid (--da-sistema S.qvs | --da-testo PLAYS.txt) [--commenti TEXT] |
// elenco [--pronostico N] (rows "m<TAB>p<TAB>file name" of the personal folder) |
// applica FILE.qvs RID.rid [--considera-fisse] (-o OUT | --sovrascrivi) |
// probabilita RID.rid [--punti P] (six lines "label<TAB>percentage" on the positions 1..m).
// A reducer named without a folder that does not exist as given is looked for in the personal folder.
int ComandoRiduttoriPersonali(const RigaComando& riga, std::ostream& out, std::ostream& err);

// stampa FILE.qvs --modello schedina|mdn|lottopiu|carta [--orientamento ...] [--da N] [--a M]
// (-o OUT.pdf | --segni): the slips or the plain-paper list as a PDF, or the marks of every slip as lines
// "slip<TAB>kind<TAB>argument<TAB>X<TAB>Y".
int ComandoStampa(const RigaComando& riga, std::ostream& out, std::ostream& err);

// Prints a usage error and the usage text; returns UscitaUso.
int ErroreUso(std::ostream& err, const std::string& motivo);

} // namespace cli
