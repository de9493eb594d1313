#pragma once

#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>
#include <QString>

#include <memory>

class QCloseEvent;
class ServiziFinestre;
struct StatoApplicazione;

namespace Ui {
class TSviluppoIntegrale;
}

// "Sviluppo integrale": appends to the play list every combination of the prediction not already
// in it, optionally only those holding all the fixed numbers. "Avvia" runs the development with the
// window's poll; while it runs every close request (the Escape key included) is refused and only
// "Interrompi" is enabled. A run that added plays closes the dialog (accepted); any other outcome
// leaves it open, with the outcome's message shown.
class TSviluppoIntegrale final : public QDialog
{
    Q_OBJECT

public:
    TSviluppoIntegrale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TSviluppoIntegrale() override;

    bool inEsecuzione() const { return m_inEsecuzione; }

    // Refused while the run is going on.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void avvia();
    void interrompi();
    void apriGuida();
    void mostraInEsecuzione(bool inEsecuzione);

    std::unique_ptr<Ui::TSviluppoIntegrale> m_ui;
    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ControlloEsecuzioneQt m_controllo;
    bool m_inEsecuzione = false;
};
