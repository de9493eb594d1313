#pragma once

#include "reductions/rid_probabilistiche.h"
#include "ui/riduzione_dialog.h"

#include <array>

class GruppoModoFiltro;
class QLineEdit;
class QRadioButton;
class QTableWidget;

// The reductions by delays, frequencies and custom scores, one small family: the two modes with
// "Considera Fisse", the table of the 90 numbers (raw values and, for the rescaling members, their
// scores; the custom member edits its scores there), the table of the allowed intervals (always one
// empty row at the end, "Azzera"), "Analisi giocate", "Analisi storica" and the run. Every run,
// analysis and "Aggiorna" first accepts the settings: the block, the interval file and the integer
// settings are written only when everything was accepted.
class TRidProbabilistica : public TRiduzioneDialog
{
    Q_OBJECT

public:
    MembroProbabilistico membro() const { return m_impostazioni.membro; }
    const ImpostazioniProbabilistiche& impostazioni() const { return m_impostazioni; }
    ModoFiltro modo() const;
    QTableWidget* tabellaIntervalli() const { return m_intervalli; }
    QTableWidget* tabellaNumeri() const { return m_numeri; }

    // Accepts the settings shown and recomputes the values; false (after the message) when refused.
    bool accetta();
    // "Aggiorna": accepts, counts the raw values again and refills the list.
    void aggiorna();
    void apriAnalisiGiocate();
    void apriAnalisiStorica();
    void azzeraIntervalli();

protected:
    TRidProbabilistica(StatoApplicazione& stato, ServiziFinestre& servizi, MembroProbabilistico membro,
                       QWidget* parent);

    bool controllaParametri() override { return accetta(); }
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;

private:
    QWidget* creaNumeri();
    QWidget* creaIntervalli();
    void mostraIntervalli();
    void mostraNumeri();
    void criterioScelto(int criterio);
    void ordinaNumeri(int colonna);
    void ripristinaPredefinite();
    void impostaPredefinite();
    void suggerisci();
    QString topic() const;

    ImpostazioniProbabilistiche m_impostazioni;
    GruppoModoFiltro* m_modo = nullptr;
    std::array<QRadioButton*, 3> m_criteri{};
    QLineEdit* m_estrazioni = nullptr;
    QTableWidget* m_numeri = nullptr;
    QTableWidget* m_intervalli = nullptr;
    std::array<bool, 4> m_discendente{}; // the next click on a header sorts descending
};

class TRidProbaRit final : public TRidProbabilistica
{
    Q_OBJECT

public:
    explicit TRidProbaRit(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidProbabilistica(stato, servizi, MembroProbabilistico::ProbabilitaRitardi, parent)
    {}
};

class TRidProbaFre final : public TRidProbabilistica
{
    Q_OBJECT

public:
    explicit TRidProbaFre(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidProbabilistica(stato, servizi, MembroProbabilistico::ProbabilitaFrequenze, parent)
    {}
};

class TRidProbaPer final : public TRidProbabilistica
{
    Q_OBJECT

public:
    explicit TRidProbaPer(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidProbabilistica(stato, servizi, MembroProbabilistico::ProbabilitaPersonali, parent)
    {}
};

class TRidFre final : public TRidProbabilistica
{
    Q_OBJECT

public:
    explicit TRidFre(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidProbabilistica(stato, servizi, MembroProbabilistico::Frequenze, parent)
    {}
};

class TRidRit final : public TRidProbabilistica
{
    Q_OBJECT

public:
    explicit TRidRit(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidProbabilistica(stato, servizi, MembroProbabilistico::Ritardi, parent)
    {}
};
