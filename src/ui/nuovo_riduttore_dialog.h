#pragma once

#include "reducers/elenco_riduttori.h"
#include "reducers/riduttore_personale.h"

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class ServiziFinestre;
struct StatoApplicazione;

// The reducer editor: "Nuovo riduttore personalizzato", or "Modifica riduttore " + file name on an existing
// reducer (its comments and play lines, the positions then read as numbers). Plays are typed one a line
// (only digits, space, backspace and Enter reach the box) or taken from the play list ("Usa giocate
// attuali"). "Salva" asks the name of a new reducer (TDlgDaiStringa), refuses names that are not a plain
// file name of the personal folder, asks before overwriting, validates and writes the file through a
// temporary file, so that a refused save leaves any earlier file as it was. "Verifica" and "Probabilità di
// vincita" validate the same way; a faulty line is quoted, and selected in the box.
class TNuovoRiduttore final : public QDialog
{
    Q_OBJECT

public:
    TNuovoRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr,
                    std::optional<VoceRiduttore> esistente = std::nullopt);

    // The buttons' actions, for tests.
    void salva();
    void verifica();
    void probabilita();

    // Asks before closing while the plays box holds text.
    void reject() override;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // The validation shared by the three buttons; shows the refusal and selects the faulty line.
    std::optional<EsitoValidazioneRiduttore> valida();
    // The name to save under, asked when the reducer is new or when `chiedi`; nullopt when cancelled.
    std::optional<std::string> scegliNome(bool chiedi);
    void aggiornaConteggio();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    std::optional<VoceRiduttore> m_esistente;
    QString m_ultimoNome;
    QPlainTextEdit* m_giocate = nullptr;
    QPlainTextEdit* m_commenti = nullptr;
    QCheckBox* m_usaGiocate = nullptr;
    QLabel* m_conteggio = nullptr;
};
