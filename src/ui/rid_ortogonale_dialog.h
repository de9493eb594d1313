#pragma once

#include "ui/riduzione_dialog.h"

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

// What the two orthogonal dialogs share: the guarantee selector and the table of points.
namespace ortogonale_ui {

// ComboBox1: "Ambo" .. "Cinquina", item index + 2 = g.
QComboBox* CreaSelettoreGaranzia(QWidget* genitore);
// ListView1: five rows, rows 1..g reading g, g - 1, ..., 1 in both columns, the rest blank.
QTableWidget* CreaTabellaPunti(QWidget* genitore, const QString& titolo1, const QString& titolo2);
void RiempiTabellaPunti(QTableWidget* tabella, int g);

// Quarvin.ro2 in the data folder.
std::string FileRiduttoriOrtogonali(const StatoApplicazione& stato);
} // namespace ortogonale_ui

// "Riduzione ortogonale del pronostico": adds plays of k numbers such that every g-number combination
// of the prediction lies inside some play. Shows the estimate of the immediate reducer for (n, k, g);
// the guarantee is kept in RidOrtog.
class TRidOrtogonale final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidOrtogonale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    // g as the selector holds it.
    int garanzia() const;

protected:
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    void garanziaCambiata();
    void aggiornaStima();
    void chiudiDopoDanneggiato();

    QComboBox* m_garanzia = nullptr;
    QTableWidget* m_punti = nullptr;
    QLabel* m_stima = nullptr;
    QLabel* m_tipo = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
    std::string m_file;
};
