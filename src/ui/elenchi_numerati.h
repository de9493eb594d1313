#pragma once

#include <limits>

class QComboBox;
class QTableWidget;

// The numbered lists of the reduction dialogs: tables whose rows the user fills one after the other
// (column 0 holds the row's number, columns 1 and 2 its two values) and selectors of entries 1..n.

// Keeps one empty row below the last filled one (while the table has fewer than massimoRighe rows), drops
// the empty rows between filled ones except rigaCorrente, the one being edited (-1: none), and numbers
// the rows in read-only cells with the window's button colour. Signals stay blocked meanwhile.
void SistemaRigheNumerate(QTableWidget* tabella, int rigaCorrente,
                          int massimoRighe = std::numeric_limits<int>::max());
// Keeps the table so while the user moves through it and edits it.
void SeguiRigheNumerate(QTableWidget* tabella, int massimoRighe = std::numeric_limits<int>::max());

// Refills the selector with 1..n, keeping the entry chosen while it is still there (else the first one,
// or none when n is 0).
void RiempiSelettoreNumerato(QComboBox* selettore, int n);
