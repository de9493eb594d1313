#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The name dialog of the reducer editor ("Nome file"): one field for a file name without extension. The
// point cannot be typed, and "OK" stays disabled while the trimmed text is empty.
class TDlgDaiStringa final : public QDialog
{
    Q_OBJECT

public:
    explicit TDlgDaiStringa(const QString& iniziale, QWidget* parent = nullptr);

    // The typed name, trimmed.
    QString testo() const;

private:
    QLineEdit* m_nome = nullptr;
    QPushButton* m_ok = nullptr;
};
