#pragma once

#include "reductions/esecuzione_filtro.h"
#include "reductions/grafici_confronti.h"
#include "reductions/record_filtri.h"
#include "reductions/rid_filtri.h"
#include "ui/riduzione_dialog.h"

class CampoErrori;
class GraficoBarre;
class GruppoModoFiltro;
class QComboBox;
class QLabel;
class QTableWidget;

// "Riduzione tramite il confronto con l'archivio storico": the table of comparisons (N latest draws and
// the allowed scores), the maximum errors, the two modes, the two charts of one comparison and the two
// analyses. The table is accepted (into the system's record and ConfSto.def) before every run, chart
// and analysis; a refused table changes neither.
class TRidConfStorico final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidConfStorico(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    // Accepts the table; on a refusal its message is shown and the focus goes to the field at fault.
    bool accetta();
    // "Aggiorna": accepts, then computes the charts of the comparison chosen in the selector (a stop
    // leaves the charts as they were).
    void aggiornaGrafici();

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;

private:
    QWidget* creaElenco();
    QWidget* creaGrafici();
    QWidget* creaGrafico(GraficoBarre*& grafico, QLabel*& valide, const char* spiegazione,
                         const QString& nome);
    void riempiTabella();
    void riempiSelettore();
    void eliminaTutti();
    void mostraGrafici(const GraficiConfronto& grafici);
    void svuotaGrafici();
    void apriAnalisiGiocate();
    void apriAnalisiStorica();
    FiltroRiduzione filtro();

    ConfrontiStorico m_confronti; // the accepted comparisons, as the record holds them

    GruppoModoFiltro* m_modo = nullptr;
    QTableWidget* m_tabella = nullptr;
    CampoErrori* m_errori = nullptr;
    QComboBox* m_selettore = nullptr;
    GraficoBarre* m_graficoGiocate = nullptr;
    GraficoBarre* m_graficoEstrazioni = nullptr;
    QLabel* m_giocateValide = nullptr;
    QLabel* m_estrazioniValide = nullptr;
};
