#pragma once

#include "reductions/esecuzione_filtro.h"

#include <QGroupBox>

#include <cstdint>

class QCheckBox;
class QRadioButton;
struct StatoApplicazione;

// The mode of the reductions that judge plays one by one: "Applica riduzione al pronostico" (the
// prediction's combinations that pass are added) or "Applica riduzione alle N giocate attuali" (the plays
// that fail are removed), with "Considera Fisse". The dialog registers the group with the widgets a run
// locks and reads "Considera Fisse" through TRiduzioneDialog::consideraFisse.
class GruppoModoFiltro final : public QGroupBox
{
    Q_OBJECT

public:
    // Vertical: the three one under the other; horizontal: the two modes on the left, "Considera Fisse"
    // on the right. The modes follow the state's list of plays; the box is enabled and ticked when the
    // system has fixed numbers.
    GruppoModoFiltro(Qt::Orientation disposizione, const StatoApplicazione& stato, QWidget* parent);

    // The caption of the plays' mode follows the list's count (disabled when empty). The choice follows
    // the list only when its count changed (and at the opening): after a run that committed nothing the
    // user's choice stays, so that the next run does what the user meant.
    void aggiorna(std::int32_t giocate);
    ModoFiltro modo() const;
    const QCheckBox* casellaFisse() const { return m_consideraFisse; }

signals:
    void modoCambiato();

private:
    QRadioButton* m_pronostico = nullptr;
    QRadioButton* m_giocate = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
    std::int32_t m_conteggio = -1; // the list count the mode was last chosen for
};
