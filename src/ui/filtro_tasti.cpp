#include "ui/filtro_tasti.h"

#include <QCoreApplication>
#include <QKeyEvent>

FiltroTasti::FiltroTasti(QString ammessi, QString da, QString a, QObject* genitore)
    : QObject(genitore), m_ammessi(std::move(ammessi)), m_da(std::move(da)), m_a(std::move(a))
{}

FiltroTasti* FiltroTasti::Importo(QObject* genitore)
{
    return new FiltroTasti(QStringLiteral(","), QStringLiteral("."), QStringLiteral(","), genitore);
}

FiltroTasti* FiltroTasti::Punto(QObject* genitore)
{
    return new FiltroTasti(QStringLiteral("."), QStringLiteral(","), QStringLiteral("."), genitore);
}

FiltroTasti* FiltroTasti::Cifre(bool spazio, QObject* genitore)
{
    return new FiltroTasti(spazio ? QStringLiteral(" ") : QString(), {}, {}, genitore);
}

FiltroTasti* FiltroTasti::Data(QObject* genitore)
{
    return new FiltroTasti(QStringLiteral("/"), QStringLiteral("-"), QStringLiteral("/"), genitore);
}

bool FiltroTasti::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress) {
        return QObject::eventFilter(oggetto, evento);
    }
    auto* tasto = static_cast<QKeyEvent*>(evento);
    const QString testo = tasto->text();
    if (testo.isEmpty() || testo.at(0).unicode() < 32 || testo.at(0).unicode() == 127) {
        return false; // control keys, arrows, backspace, delete
    }
    const QChar c = testo.at(0);
    if (const qsizetype i = m_da.indexOf(c); i >= 0) {
        // Typed again as the replacing key, so the box handles it as if the user had pressed it.
        const QChar sostituto = m_a.at(i);
        QKeyEvent sostituito(QEvent::KeyPress, static_cast<int>(sostituto.unicode()), tasto->modifiers(),
                             QString(sostituto));
        QCoreApplication::sendEvent(oggetto, &sostituito);
        return true;
    }
    const bool cifra = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return !(cifra || m_ammessi.contains(c));
}
