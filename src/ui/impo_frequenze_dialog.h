#pragma once

#include <QDialog>

#include <functional>
#include <memory>

struct StatoApplicazione;

namespace Ui {
class TImpoFrequenze;
}

// "Impostazioni sul calcolo delle frequenze": how many of the latest draws the frequencies count
// (IFNumEstra). "OK" refuses a text that is not a whole number >= 1 and keeps the dialog open;
// otherwise it stores the span (lowered to the archive's draws), writes the general settings,
// recomputes the statistics and closes as accepted.
class TImpoFrequenze final : public QDialog
{
    Q_OBJECT

public:
    // Called after the settings changed; empty: the statistics of the state are recomputed.
    using Ricalcola = std::function<void()>;

    explicit TImpoFrequenze(StatoApplicazione& stato, Ricalcola ricalcola = {}, QWidget* parent = nullptr);
    ~TImpoFrequenze() override;

private:
    void conferma();

    std::unique_ptr<Ui::TImpoFrequenze> m_ui;
    StatoApplicazione& m_stato;
    Ricalcola m_ricalcola;
};
