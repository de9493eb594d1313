#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class QPushButton;

// "Selezionare i punteggi consentiti": one row of toggles for the scores 0..10, none selected at first,
// with "OK" and "Annulla". The filter plays dialog gives every filter play the scores chosen here.
class TImpostaPunteggi final : public QDialog
{
    Q_OBJECT

public:
    explicit TImpostaPunteggi(QWidget* parent = nullptr);

    // Bit s set when score s is selected.
    std::uint16_t punteggi() const;

private:
    std::array<QPushButton*, 11> m_punteggi{};
};
