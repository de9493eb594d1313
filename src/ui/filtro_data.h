#pragma once

#include <QObject>

// Key rules of the boxes where a draw date is typed: a typed "-" becomes "/"; digits, "/" and
// control keys (backspace, arrows, Enter) pass; every other printable key is discarded.
class FiltroData final : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};
