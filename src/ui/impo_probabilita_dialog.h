#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class ServiziFinestre;
struct ImpostazioniProbabilita;
struct StatoApplicazione;

namespace Ui {
class TImpoProbabilita;
}

// "Impostazioni per il calcolo delle probabilità": which components (delays, frequencies) make the
// numbers' scores, which way each one favours the numbers, and their weights on one slider.
// "OK" writes the general settings, recomputes the statistics and closes as accepted; "Annulla"
// (or Esc) closes leaving the settings as they were. "Frequenze" opens TImpoFrequenze, which
// stores its own setting on its own "OK".
class TImpoProbabilita final : public QDialog
{
    Q_OBJECT

public:
    // Called after the settings changed; empty: the statistics of the state are recomputed.
    using Ricalcola = std::function<void()>;

    TImpoProbabilita(StatoApplicazione& stato, ServiziFinestre& servizi, Ricalcola ricalcola = {},
                     QWidget* parent = nullptr);
    ~TImpoProbabilita() override;

private:
    void mostra(const ImpostazioniProbabilita& scelte);
    ImpostazioniProbabilita scelte() const;
    void componenteCliccato();
    void mostraPesi(int posizione);
    void apriFrequenze();
    void conferma();
    void apriGuida();

    std::unique_ptr<Ui::TImpoProbabilita> m_ui;
    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    Ricalcola m_ricalcola;
};
