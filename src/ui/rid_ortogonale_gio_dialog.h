#pragma once

#include "core/giocata.h"
#include "ui/rid_ortogonale_dialog.h"

#include <string>

class QCheckBox;
class QComboBox;
class QTableWidget;

// "Riduzione ortogonale delle giocate": replaces the plays with plays of the same size such that every
// g-number combination of any current play lies inside some new play. The main window hands over the
// size of the plays and the numbers they use (its entry check). The mode "Riduttori immediati" stays
// selected only while Quarvin.ro2 holds a reducer for (v, k, g) and "Considera fisse" is not ticked.
// Guarantee and mode are kept in RidOrtogGio and RidOrtogGioTR.
class TRidOrtogonaleGiocate final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidOrtogonaleGiocate(StatoApplicazione& stato, ServiziFinestre& servizi, int numeriGiocate,
                          const SegniNumeri& numeriUsati, QWidget* parent = nullptr);

    int garanzia() const;
    bool immediati() const;

protected:
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    void garanziaCambiata();
    void controllaModo();

    int m_k;
    SegniNumeri m_numeriUsati;
    int m_v = 0;
    QComboBox* m_garanzia = nullptr;
    QComboBox* m_modo = nullptr;
    QTableWidget* m_punti = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
    std::string m_file;
};
