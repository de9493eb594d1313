#pragma once

#include "reductions/rid_garanzia.h"
#include "ui/riduzione_dialog.h"

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// What the two guarantee dialogs share: the selector "Punteggio garantito dalla riduzione:" with its
// clamp (k <= 5 allows at most k - 1), the table of points refilled on every change, "Considera fisse",
// "Scarica riduttori" and the damaged-reducer messages, after which the dialog closes.
class TRidGaranziaBase : public TRiduzioneDialog
{
    Q_OBJECT

public:
    // The selected guarantee g (2..5).
    int garanzia() const;

protected:
    TRidGaranziaBase(StatoApplicazione& stato, ServiziFinestre& servizi, const char* topic,
                     const char* titolo, int k, const char* colonnaPunti, const char* colonnaGarantiti,
                     const char* chiave, QWidget* parent);

    // Loads the stored guarantee and applies the clamp; the subclass calls it once its widgets exist.
    void caricaGaranzia();
    // After the guarantee or "Considera fisse" changed.
    virtual void aggiornaRiduttori() {}
    // The damaged-reducer error and question; the dialog then closes.
    void mostraRiduttoreDanneggiato();
    // Adds "Scarica riduttori" at the bottom of the parameter area.
    void aggiungiScarica();
    void salvaOpzioni() override;

    std::string fileRiduttori() const;
    int numeriPerGiocata() const { return m_k; }
    QCheckBox* casellaFisse() const { return m_consideraFisse; }

private:
    void garanziaScelta();
    void scaricaRiduttori();

    int m_k;
    const char* m_chiave;
    std::string m_fileRiduttori;
    QComboBox* m_garanzia = nullptr;
    QTreeWidget* m_punti = nullptr;
    QCheckBox* m_consideraFisse = nullptr;
};

// "Riduzione del pronostico a garanzia": adds plays of the prediction that guarantee the chosen class,
// through an immediate reducer when one exists for (n, k, g). The estimate labels show what the reducer
// file offers. The guarantee is kept in RidGara.
class TRidGaraPro final : public TRidGaranziaBase
{
    Q_OBJECT

public:
    TRidGaraPro(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void aggiornaRiduttori() override;

private:
    QLabel* m_stima = nullptr;
    QLabel* m_tipo = nullptr;
};
