#pragma once

#include "ui/riduzione_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QSlider;

// "Aggiungi colonne più rappresentative": the count of plays to add, the slider that sets the time
// spent on each (with the estimate of the whole run) and the bar of the time spent on the current play.
class TRidGenio final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidGenio(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    void aggiornaStima();

    QCheckBox* m_consideraFisse = nullptr;
    QLineEdit* m_quante = nullptr;
    QSlider* m_cursore = nullptr;
    QLabel* m_stima = nullptr;
    QProgressBar* m_tempo = nullptr;
    std::int32_t m_richieste = 0;
};

// "Elimina giocate meno rappresentative": the count of plays to remove.
class TRidMenoRappre final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidMenoRappre(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    QLineEdit* m_quante = nullptr;
    std::int32_t m_richieste = 0;
};
