#pragma once

#include "reductions/accetta_filtri_gruppi.h"
#include "reductions/esecuzione_filtro.h"
#include "reductions/grafici_filtri.h"
#include "reductions/rid_filtri.h"
#include "ui/riduzione_dialog.h"

#include <array>
#include <utility>
#include <vector>

class CampoErrori;
class GraficoBarre;
class GruppoModoFiltro;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the reductions by intervals, cadences, figures and decades share: the two modes (the prediction's
// combinations that pass are added, or the plays that fail are removed) with "Considera Fisse", the
// maximum errors with its arrows, the charts of one group ("Aggiorna"), the two analyses and the run.
// The member's settings are accepted (and written to its record and settings file) before every run,
// chart and analysis; a refused acceptance changes nothing and stops there.
class TRidFiltroGruppi : public TRiduzioneDialog
{
    Q_OBJECT

public:
    // The member's acceptance; on success the system's record and the settings file hold the settings
    // shown, and the widgets show them as stored. On a refusal the message is shown and the focus moved.
    bool accetta();
    // The charts of the group chosen in the selector (nothing when none is chosen); a confirmed stop
    // leaves them as they were.
    void aggiornaGrafici();

    const GraficoFiltro& graficoGiocate() const { return m_datiGiocate; }
    const GraficoFiltro& graficoArchivio() const { return m_datiArchivio; }
    ModoFiltro modo() const;

protected:
    TRidFiltroGruppi(StatoApplicazione& stato, ServiziFinestre& servizi, MembroFiltro membro, QString topic,
                     const QString& titolo, const QString& sceltaGrafico, QWidget* parent);

    // The member's part of accetta(): reads the widgets, calls the engine; on success stores the record
    // in the system, writes its file and shows the record again. False (after the message) when refused.
    virtual bool accettaImpostazioni() = 0;
    // Entries of the chart selector, and the numbers and allowed counts of entry g (0-based), from the
    // record in use.
    virtual int gruppiGrafico() const = 0;
    virtual std::pair<Maschera90, std::uint16_t> gruppoGrafico(int g) = 0;

    // Where the member's settings go (left column, under the mode).
    QVBoxLayout* areaGruppi() const { return m_gruppi; }
    QLineEdit* campoErrori() const;
    void mostraErrori(std::int32_t errori);
    // The arrows' upper limit (none when negative) and the field's length (0: free).
    void limitaErrori(int massimo, int caratteri);
    // Refills the chart selector 1..gruppiGrafico(), keeping the choice while it is still there.
    void ricostruisciSceltaGrafico();
    // Shows an accepted message of the engine, moves the focus; used by the members after a refusal.
    void mostraRifiuto(const Messaggio& messaggio, QWidget* focus);

    bool controllaParametri() override { return accetta(); }
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;

private:
    QWidget* creaGrafici(const QString& sceltaGrafico);
    void mostraGrafici();
    void apriAnalisiGiocate();
    void apriAnalisiStorica();
    FiltroRiduzione filtro();

    MembroFiltro m_membro;
    QString m_topic;
    GruppoModoFiltro* m_modo = nullptr;
    QVBoxLayout* m_gruppi = nullptr;
    CampoErrori* m_errori = nullptr;

    QComboBox* m_sceltaGrafico = nullptr;
    GraficoBarre* m_graficoGiocate = nullptr;
    GraficoBarre* m_graficoArchivio = nullptr;
    QLabel* m_giocateValide = nullptr;
    QLabel* m_estrazioniValide = nullptr;
    GraficoFiltro m_datiGiocate;
    GraficoFiltro m_datiArchivio;
};

// The reductions by cadences, figures and decades: one check box per group (captioned with its numbers)
// and the grid "Presenze consentite" of the counts 0..10 each group allows; a row never stays without
// a count (its last one deselected, 0 comes back).
class TRidGruppiFissi : public TRidFiltroGruppi
{
    Q_OBJECT

public:
    FamigliaGruppi famiglia() const { return m_famiglia; }

protected:
    TRidGruppiFissi(StatoApplicazione& stato, ServiziFinestre& servizi, FamigliaGruppi famiglia,
                    QWidget* parent);

    bool accettaImpostazioni() override;
    int gruppiGrafico() const override;
    std::pair<Maschera90, std::uint16_t> gruppoGrafico(int g) override;

private:
    void mostraRecord(const GruppiFissi& record);
    void presenzaCambiata(int gruppo, bool accesa);

    FamigliaGruppi m_famiglia;
    std::array<QCheckBox*, 10> m_inUso{};
    std::array<std::array<QPushButton*, 11>, 10> m_presenze{};
};

class TRidCadenze final : public TRidGruppiFissi
{
    Q_OBJECT

public:
    explicit TRidCadenze(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidGruppiFissi(stato, servizi, FamigliaGruppi::Cadenze, parent)
    {}
};

class TRidFigure final : public TRidGruppiFissi
{
    Q_OBJECT

public:
    explicit TRidFigure(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidGruppiFissi(stato, servizi, FamigliaGruppi::Figure, parent)
    {}
};

class TRidDecine final : public TRidGruppiFissi
{
    Q_OBJECT

public:
    explicit TRidDecine(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr)
        : TRidGruppiFissi(stato, servizi, FamigliaGruppi::Decine, parent)
    {}
};
