#pragma once

#include <QObject>

// Key rules of the money boxes: a typed point becomes a comma; digits, the comma and control keys
// pass; every other printable key is discarded.
class FiltroTastiImporto final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};
