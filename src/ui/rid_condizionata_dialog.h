#pragma once

#include "reductions/campione_storico.h"
#include "reductions/condizioni_riduzione.h"
#include "reductions/criteri_condizioni.h"
#include "reductions/valida_condizioni.h"
#include "ui/riduzione_dialog.h"

#include <array>
#include <optional>
#include <vector>

class GraficoBarre;
class GruppoModoFiltro;
class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// "Riduzione condizionata": the 24 criteria with their pages (a row of values to toggle, or a growing
// grid of intervals), the allowed error counts, the two modes (the prediction's combinations are added,
// or the plays that fail are removed), the historic chart of the selected criterion and the two
// analyses. The conditions are validated (and written to the system's record and to Quarvin.con) before
// every run and every analysis.
class TRidCondizionata final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidCondizionata(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    // ValidaCondizioni on the pages: on success the record of the system and Quarvin.con hold the new
    // conditions; on failure the message is shown, the focus goes to the grid or the list and nothing
    // is changed.
    bool validaCondizioni();
    // The refresh of the historic chart for the selected criterion (ignored while one runs).
    void aggiornaGrafico();
    Criterio criterioSelezionato() const;

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;
    void showEvent(QShowEvent* evento) override;

private:
    QWidget* creaCriteri();
    QWidget* creaPaginaInsieme(Criterio criterio);
    QWidget* creaPaginaIntervalli(Criterio criterio);
    QWidget* creaGrafico();
    void riempiIntervalli(Criterio criterio);
    void azzeraIntervalli(Criterio criterio);
    void valoreCliccato(Criterio criterio, int valore, bool acceso);
    void criterioCambiato(int riga);
    void spuntaCambiata(QListWidgetItem* voce);
    void selezionaTutti(bool tutti);
    void mostraCriterio(Criterio criterio);
    void mostraGrafico();
    void svuotaGrafico();
    void apriAnalisiGiocate();
    void apriAnalisiStorica();
    PagineCondizioni pagine() const;
    bool consideraFisseAttivo() const;

    CondizioniRiduzione m_attuale; // the record as the dialog found it, with flag 24 set and error 24 clear
    GruppoModoFiltro* m_modo = nullptr;
    QListWidget* m_criteri = nullptr;
    QStackedWidget* m_pagine = nullptr;
    QGroupBox* m_riquadroPagina = nullptr;
    std::array<std::vector<QPushButton*>, VociCondizioni> m_valori{};
    std::array<QTableWidget*, VociCondizioni> m_griglie{};

    QGroupBox* m_riquadroGrafico = nullptr;
    GraficoBarre* m_grafico = nullptr;
    QLabel* m_estrazioniValide = nullptr;
    QComboBox* m_ruota = nullptr;
    QComboBox* m_dimensione = nullptr;
    QPushButton* m_aggiorna = nullptr;
    GraficoCondizione m_datiGrafico;
    std::optional<Criterio> m_criterioGrafico;
    bool m_ricalcola = true;
    bool m_inAggiornamento = false;
    bool m_silenzioso = false;
    bool m_primoAvvio = true;

    CondizioniRiduzione m_validate;
};
