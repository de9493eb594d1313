#include "ui/filtro_data.h"

#include <QCoreApplication>
#include <QKeyEvent>

bool FiltroData::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress) {
        return QObject::eventFilter(oggetto, evento);
    }
    auto* tasto = static_cast<QKeyEvent*>(evento);
    const QString testo = tasto->text();
    if (testo.isEmpty() || testo.at(0).unicode() < 32 || testo.at(0).unicode() == 127) {
        return false;
    }
    const QChar c = testo.at(0);
    if (c == QLatin1Char('-')) {
        QKeyEvent barra(QEvent::KeyPress, Qt::Key_Slash, tasto->modifiers(), QStringLiteral("/"));
        QCoreApplication::sendEvent(oggetto, &barra);
        return true;
    }
    return !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('/'));
}
