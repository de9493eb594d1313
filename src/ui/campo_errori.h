#pragma once

#include <QWidget>

class QLineEdit;

// "Numero massimo di errori consentiti:" with its field (digits only) between a left arrow, one less but
// never below 0, and a right arrow, one more up to the limit if there is one. The dialog reads and
// checks the field when it accepts its settings.
class CampoErrori final : public QWidget
{
    Q_OBJECT

public:
    explicit CampoErrori(QWidget* parent);

    QLineEdit* campo() const { return m_errori; }
    // The right arrow's upper limit; none when negative (the default).
    void setMassimo(int massimo) { m_massimo = massimo; }
    void mostra(qlonglong errori);

private:
    void cambia(int passo);

    QLineEdit* m_errori = nullptr;
    int m_massimo = -1;
};
