#pragma once

#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>
#include <QPageLayout>

class QCloseEvent;
class QPainter;
class QProgressBar;
class ServiziFinestre;
struct StatoApplicazione;

// A window that computes on request and prints one page of its result: it refuses to close while the
// computation runs (the run's own stop button ends it), and prints disegnaPagina on the printer the
// user chooses.
class TDialogoCalcolo : public QDialog
{
    Q_OBJECT

public:
    bool inCalcolo() const { return m_inCalcolo; }
    // The page of the result in the rectangle.
    virtual void disegnaPagina(QPainter& painter, const QRect& area) const = 0;

    void done(int risultato) override;
    void reject() override;

protected:
    TDialogoCalcolo(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent);

    void closeEvent(QCloseEvent* evento) override;
    void stampaPagina(QPageLayout::Orientation orientamento);
    // The row "Stato avanzamento", bar and "Interrompi" (which asks the run to stop), hidden until
    // mostraAvanzamento(true) shows it with the bar at zero.
    QWidget* creaAvanzamento();
    void mostraAvanzamento(bool mostra);

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ControlloEsecuzioneQt m_controllo;
    bool m_inCalcolo = false;

private:
    QWidget* m_avanzamento = nullptr;
    QProgressBar* m_barra = nullptr;
};
