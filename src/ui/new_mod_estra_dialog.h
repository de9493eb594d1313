#pragma once

#include <QDialog>

#include <cstdint>

struct StatoApplicazione;
class QLineEdit;
class QTableWidget;

// "Nuova estrazione" / "Modifica estrazione nº N": the editor of one archive draw (date and 11 wheels x
// 5 positions). "Applica" checks the draw, stores it in date order (an edited draw is first removed from
// its position, so a new date moves it and the date of another draw replaces that one) and saves the
// archive; indiceMemorizzato() then tells where it went.
class TNewModEstra final : public QDialog
{
    Q_OBJECT

public:
    // posizione 0: a new draw; 1..N: the stored draw to edit.
    TNewModEstra(StatoApplicazione& stato, std::int32_t posizione, QWidget* parent = nullptr);

    // 1-based index of the stored draw after "Applica"; 0 when nothing was stored.
    std::int32_t indiceMemorizzato() const { return m_memorizzato; }

private:
    void applica();
    void azzera();
    void riempi(std::int32_t posizione);

    StatoApplicazione& m_stato;
    std::int32_t m_posizione;
    std::int32_t m_memorizzato = 0;
    QLineEdit* m_data = nullptr;
    QTableWidget* m_numeri = nullptr;
};
