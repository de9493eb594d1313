#pragma once

#include "ui/riduzione_dialog.h"

#include <string>
#include <string_view>

class QLineEdit;
struct RichiestaCasuale;

// The body shared by the windows that add or remove a number of random plays: the count box
// ("giocateLineEdit", kept in the settings under `chiave`), its check before the run and its saving.
class TRidCasualeBase : public TRiduzioneDialog
{
    Q_OBJECT

protected:
    TRidCasualeBase(StatoApplicazione& stato, ServiziFinestre& servizi, const QString& titolo,
                    std::string_view chiave, QWidget* parent);

    // Adds the count box under `etichetta`, filled with the count last saved (1 the first time).
    void aggiungiCampoQuante(const QString& etichetta);

    // Checks the typed count; a refusal is shown and refuses the run.
    virtual RichiestaCasuale controllaQuante(const std::string& testo) = 0;

    bool controllaParametri() override;
    void salvaOpzioni() override;

    // The count accepted by the last check.
    std::int32_t richieste() const { return m_richieste; }

private:
    std::string_view m_chiave;
    QLineEdit* m_quante = nullptr;
    std::int32_t m_richieste = 0;
};
