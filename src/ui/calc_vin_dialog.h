#pragma once

#include <QDialog>

#include <memory>

class ServizioMessaggi;
struct ImpostazioniGenerali;

namespace Ui {
class TCalcVin;
}

// "Calcola Vincite": the winnings of n numbers played with h of them hit on one wheel or on Tutte,
// for the stakes typed on the five classes. Nothing is stored.
class TCalcVin final : public QDialog
{
    Q_OBJECT

public:
    TCalcVin(const ImpostazioniGenerali& impostazioni, ServizioMessaggi& messaggi, QWidget* parent = nullptr);
    ~TCalcVin() override;

private:
    void calcola();
    void abilitaCalcolo();

    std::unique_ptr<Ui::TCalcVin> m_ui;
    const ImpostazioniGenerali& m_impostazioni;
    ServizioMessaggi& m_messaggi;
};
