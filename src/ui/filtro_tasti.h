#pragma once

#include <QObject>
#include <QString>

// The key rules of a typed box: digits and control keys (backspace, arrows, Enter) always pass, the
// printable characters of `ammessi` pass too, a character of `da` is typed as the character at the
// same place in `a`, and every other printable key is discarded. The factory functions give the
// program's rules; install with box->installEventFilter(FiltroTasti::Importo(box)).
class FiltroTasti final : public QObject
{
    Q_OBJECT

public:
    FiltroTasti(QString ammessi, QString da, QString a, QObject* genitore);

    // Money boxes: the comma, and a typed point becomes a comma.
    static FiltroTasti* Importo(QObject* genitore);
    // Amounts typed with a point: the point, and a typed comma becomes a point.
    static FiltroTasti* Punto(QObject* genitore);
    // Number boxes: digits only, or digits and spaces.
    static FiltroTasti* Cifre(bool spazio, QObject* genitore);
    // Draw dates: the slash, and a typed "-" becomes "/".
    static FiltroTasti* Data(QObject* genitore);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QString m_ammessi;
    QString m_da;
    QString m_a;
};
