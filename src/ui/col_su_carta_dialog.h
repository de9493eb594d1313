#pragma once

#include "printing/impaginazione.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPrinter;
class ServiziFinestre;
class StampanteCondivisa;
struct StatoApplicazione;

// The plays as a list on plain paper: an editable header, what to print, then print, preview or PDF.
class TColSuCarta final : public QDialog
{
    Q_OBJECT

public:
    TColSuCarta(StatoApplicazione& stato, ServiziFinestre& servizi, StampanteCondivisa& stampante,
                QWidget* genitore = nullptr);

private:
    stampa::DatiCartaComune dati() const;
    void stampaSu(QPrinter& stampante) const;
    void stampa();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    StampanteCondivisa& m_stampante;
    QPlainTextEdit* m_intestazione = nullptr;
    QCheckBox* m_fisse = nullptr;
    QCheckBox* m_pronostico = nullptr;
    QCheckBox* m_giocate = nullptr;
    QCheckBox* m_importi = nullptr;
};
