#pragma once

#include "ui/riduzione_dialog.h"

#include "reductions/rid_cruciverba.h"

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPainter;
class QPrinter;
class QTableWidget;
class QToolButton;

// "Riduzione a Cruciverba": the side L, the kinds of line that become systems, the square (built when
// the window opens and again with "Ricalcola il cruciverba"), its list of systems, the printout and the
// text export; "Sviluppa sistemi" adds every k-number combination of every listed system.
class TRidCruciverba final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidCruciverba(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    const GrigliaCruciverba& griglia() const { return m_griglia; }
    const std::vector<std::vector<std::uint8_t>>& sistemi() const { return m_sistemi; }

    // "Ricalcola il cruciverba".
    void ricalcola();

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    LineeCruciverba linee() const;
    void cambiato();
    void tipoCliccato(QCheckBox* casella);
    void mostraGriglia();
    void mostraSistemi();
    void stampa();
    void esporta();
    void disegna(QPainter& pittore, const QRect& area, QPrinter* stampante) const;

    QLineEdit* m_lato = nullptr;
    QToolButton* m_meno = nullptr;
    QToolButton* m_piu = nullptr;
    std::array<QCheckBox*, 4> m_tipi{};
    QCheckBox* m_consideraFisse = nullptr;
    QPushButton* m_ricalcola = nullptr;
    QLabel* m_titoloGriglia = nullptr;
    QTableWidget* m_tabella = nullptr;
    QLabel* m_titoloSistemi = nullptr;
    QListWidget* m_lista = nullptr;
    GrigliaCruciverba m_griglia;
    std::vector<std::vector<std::uint8_t>> m_sistemi;
    bool m_primaVolta = true;
};
