#pragma once

#include <QObject>

// Key rules of the number boxes of the play dialogs: digits, control keys (backspace, arrows, Enter)
// and, when allowed, the space pass; every other printable key is discarded.
class FiltroCifre final : public QObject
{
    Q_OBJECT

public:
    explicit FiltroCifre(bool spazio, QObject* genitore = nullptr) : QObject(genitore), m_spazio(spazio) {}

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    bool m_spazio;
};
