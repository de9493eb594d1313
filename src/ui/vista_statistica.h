#pragma once

#include "core/giocata.h"
#include "editor/smorfia.h"
#include "editor/viste_statistiche.h"
#include "ui/grafico_barre.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class DelegatoBarraValore;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class QToolButton;
class ServiziFinestre;
struct StatoApplicazione;

// The lower half of the main window: one statistics view at a time (charts of the 90 numbers,
// ordered grids of numbers, positions and pairs, the smorfia search, the analysis of a set of
// numbers), chosen with the "Visualizza:" selector. Read-only: it shows what the archive, the shared
// statistics and the system's wheels give, and is recomputed by the window when they change.
class VistaStatistica : public QWidget
{
    Q_OBJECT

public:
    // Opens the probability settings (true) or the frequency settings (false); the view recomputes
    // afterwards.
    using ApriImpostazioni = std::function<void(bool probabilita)>;
    // The play selected in the plays view, all zeros when none is.
    using GiocataSelezionata = std::function<Tipo_Giocata()>;

    // Below this height a chart of the 90 numbers no longer shows its bars and values readably.
    static constexpr int AltezzaMinimaGrafico = 200;

    VistaStatistica(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~VistaStatistica() override;

    void setApriImpostazioni(ApriImpostazioni apri) { m_apriImpostazioni = std::move(apri); }
    void setGiocataSelezionata(GiocataSelezionata giocata) { m_giocataSelezionata = std::move(giocata); }
    // The window of the cyclometric circle; until one is given its entry stays disabled.
    void setApriCerchio(std::function<void()> apri);

    // Shows a view and computes it; the cyclometric circle opens its own window instead.
    void selezionaVista(viste::Vista vista);
    std::optional<viste::Vista> vistaCorrente() const { return m_vista; }
    // Computes the shown view again (after a change of the wheels, the archive or the settings).
    void ricalcola();

    QSize sizeHint() const override;

private:
    QHBoxLayout* creaBarra();
    QWidget* creaPaginaSmorfia();
    QWidget* creaPaginaAnalisi();
    void vistaScelta(int indice);
    void apriCerchio();
    void mostraGrafico();
    void mostraGriglia();
    void ordinaPerCambiato(int indice);
    void impostazioniGrafico();
    void cercaSmorfia();
    void visualizzaAnalisi();
    void mostraAnalisi(const std::vector<viste::RigaAnalisi>& analisi);
    void inserisciPronostico();
    void inserisciGiocata();
    std::int32_t finestra();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ApriImpostazioni m_apriImpostazioni;
    GiocataSelezionata m_giocataSelezionata;
    std::function<void()> m_apriCerchio;
    std::optional<viste::Vista> m_vista;

    // The order of each chart view, kept while the program runs: the direction, and for the
    // multi-series views the "Ordina per:" entry. Indexed by view.
    std::array<GraficoBarre::Ordinamento, viste::NumeroViste> m_ordinamenti{};
    std::array<int, viste::NumeroViste> m_chiavi{};

    std::optional<std::vector<smorfia::Voce>> m_dizionario;

    QComboBox* m_selettore = nullptr;
    QToolButton* m_impostazioni = nullptr;
    QToolButton* m_guida = nullptr;
    QLabel* m_etichettaOrdina = nullptr;
    QComboBox* m_ordinaPer = nullptr;
    QStackedWidget* m_pagine = nullptr;
    GraficoBarre* m_grafico = nullptr;
    QTableView* m_griglia = nullptr;
    DelegatoBarraValore* m_delegato = nullptr;
    QLineEdit* m_smo = nullptr;
    QTableView* m_risultatiSmorfia = nullptr;
    QLineEdit* m_combinazione = nullptr;
    QPushButton* m_visualizza = nullptr;
    QTableView* m_analisi = nullptr;
};
