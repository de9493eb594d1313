#include "ui/filtro_cifre.h"

#include <QKeyEvent>

bool FiltroCifre::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress) {
        return QObject::eventFilter(oggetto, evento);
    }
    const QString testo = static_cast<QKeyEvent*>(evento)->text();
    if (testo.isEmpty() || testo.at(0).unicode() < 32 || testo.at(0).unicode() == 127) {
        return false;
    }
    const QChar c = testo.at(0);
    const bool ammesso =
        (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (m_spazio && c == QLatin1Char(' '));
    return !ammesso;
}
