#pragma once

#include "core/messaggi_servizio.h"

class QWidget;

// Shows messages as modal message boxes over the active window.
class ServizioMessaggiQt final : public ServizioMessaggi
{
public:
    explicit ServizioMessaggiQt(QWidget* genitore = nullptr) : m_genitore(genitore) {}
    void setGenitore(QWidget* genitore) { m_genitore = genitore; }
    Risposta mostra(const Messaggio& messaggio) override;

private:
    QWidget* m_genitore;
};
