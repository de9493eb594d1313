#include "platform/orologio_sistema.h"

#include <QDateTime>

DataOra OrologioSistema::adesso() const
{
    const QDateTime ora = QDateTime::currentDateTime();
    return {ora.date().year(), ora.date().month(), ora.date().day(), ora.time().hour(), ora.time().minute()};
}

std::uint64_t OrologioSistema::millisecondi() const
{
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}
