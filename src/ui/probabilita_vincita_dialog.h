#pragma once

#include "checking/distribuzione_punti.h"
#include "ui/controllo_esecuzione_qt.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

struct StatoApplicazione;
class GraficoBarre;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QPainter;
class QProgressBar;
class QPushButton;
class ServiziFinestre;

// "Calcola probabilità di vincita": for the chosen points P of the prediction, the share of the sets of P
// predicted numbers under each best result of the plays (DistribuzionePunti), as a bar chart of six bars
// in percent. While computing, the progress panel with "Interrompi" is shown, every other command is off
// and the window refuses to close; the chart follows the counts about once a second and an interrupted
// run keeps the shares reached. "Stampa" prints the chart as shown with the maker's web
// address at its foot. The chosen points are kept in the settings when the window closes.
//
// Other windows measure their own plays with it (TProVinRiduttore): they give the prediction, the plays,
// the caption and the help topic instead of the system's.
class TProbabilitaVincita : public QDialog
{
    Q_OBJECT

public:
    // What a caller measures instead of the system's prediction and plays.
    struct Origine
    {
        std::vector<std::uint8_t> pronostico; // ascending
        std::vector<Tipo_Giocata> giocate;
        QString titolo;
        QString guida;
    };

    static constexpr qint64 PrimoAggiornamentoMs = 150;
    static constexpr qint64 IntervalloGraficoMs = 900;

    TProbabilitaVincita(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TProbabilitaVincita() override;

    bool inCalcolo() const { return m_inCalcolo; }
    const EsitoDistribuzionePunti& esito() const { return m_esito; }

    // "Avvia".
    void avvia();

    // The chart as shown, scaled into the rectangle, with the footer line at its bottom right.
    void disegnaPagina(QPainter& painter, const QRect& area) const;

    void done(int risultato) override;
    void reject() override;

protected:
    TProbabilitaVincita(StatoApplicazione& stato, ServiziFinestre& servizi, Origine origine, QWidget* parent);

    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    class Controllo;

    void aggiornaGrafico();
    void stampa();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    std::optional<Origine> m_origine;
    ControlloEsecuzioneQt m_controllo;
    EsitoDistribuzionePunti m_esito;
    bool m_inCalcolo = false;

    QWidget* m_pannello = nullptr;
    QComboBox* m_punti = nullptr;
    QPushButton* m_avvia = nullptr;
    QPushButton* m_stampa = nullptr;
    QPushButton* m_chiudi = nullptr;
    QWidget* m_avanzamento = nullptr;
    QProgressBar* m_barra = nullptr;
    GraficoBarre* m_grafico = nullptr;
};
