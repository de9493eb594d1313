#pragma once

#include "printing/impaginazione.h"

#include <QPrinter>

#include <functional>

class QWidget;
class ServiziFinestre;

// The printer the print commands share: chosen once (through the window services) and kept, so that every
// slip of a session goes to the same printer with the same set-up.
class StampanteCondivisa
{
public:
    StampanteCondivisa();
    QPrinter& stampante() { return m_stampante; }
    // The choice dialog; false when cancelled.
    bool scegli(ServiziFinestre& servizi, QWidget* genitore);
    // The printer, asking for it the first time; false when the choice was cancelled.
    bool assicura(ServiziFinestre& servizi, QWidget* genitore)
    {
        return m_scelta || scegli(servizi, genitore);
    }

private:
    QPrinter m_stampante;
    bool m_scelta = false;
};

// Paints the pages of a job on a printer already set up; the caller lays out the pages for that printer.
using PagineDiStampa = std::function<void(QPrinter& stampante)>;

// Qt's print preview of the job on the shared printer's set-up (run through the window services).
void AnteprimaDiStampa(ServiziFinestre& servizi, QWidget* genitore, QPrinter& stampante,
                       const PagineDiStampa& pagine);

// Asks for a PDF file name and prints the job into it; false when cancelled or not written.
bool StampaSuPdf(ServiziFinestre& servizi, QWidget* genitore, const PagineDiStampa& pagine);
