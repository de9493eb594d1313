#pragma once

#include "ui/riduzione_dialog.h"

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

// What the two orthogonal dialogs share: the guarantee selector, the table of points, the button that
// opens the immediate-reducers page and the damaged-reducer messages.
namespace ortogonale_ui {

// ComboBox1: "Ambo" .. "Cinquina", item index + 2 = g.
QComboBox* CreaSelettoreGaranzia(QWidget* genitore);
// ListView1: five rows, rows 1..g reading g, g - 1, ..., 1 in both columns, the rest blank.
QTableWidget* CreaTabellaPunti(QWidget* genitore, const QString& titolo1, const QString& titolo2);
void RiempiTabellaPunti(QTableWidget* tabella, int g);

// Quarvin.ro2 in the data folder.
std::string FileRiduttoriOrtogonali(const StatoApplicazione& stato);
// The download page of the orthogonal reducers with the given idf ("" when no valid address).
QString PaginaRiduttori(const std::string& idf);
// Opens that page in the browser; nothing happens without a valid address.
void ApriPaginaScarica(ServiziFinestre& servizi, const std::string& idf);

// The error "Il file contenente i riduttori immediati risulta danneggiato. ..." (title "Errore fatale"),
// then the question whether to open the download page (idf 12345), opened on Yes.
void MostraRiduttoreDanneggiato(ServizioMessaggi& messaggi, ServiziFinestre& servizi);

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
