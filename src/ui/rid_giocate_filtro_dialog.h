#pragma once

#include "reductions/esecuzione_filtro.h"
#include "reductions/record_filtri.h"
#include "ui/riduzione_dialog.h"

#include <array>

class GruppoModoFiltro;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QTableWidget;

// A small square toggle of the program's value rows (numbers, scores): white, blue when selected.
QPushButton* PulsanteValore(const QString& testo, QWidget* genitore);

// "Riduzione tramite giocate filtro": the list of filter plays with the editor of the selected one
// (9 x 10 number toggles, 11 score toggles), the maximum errors, the text file export and import, and the
// two modes. Every toggle changes the system's record at once (so that "Annulla" keeps the edits); the
// record and Filtri.def take the maximum errors only when the list is accepted, and an accepted list is
// what every run and analysis uses.
class TRidGiocateFiltro final : public TRiduzioneDialog
{
    Q_OBJECT

public:
    TRidGiocateFiltro(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    // Accepts the list; on a refusal its message is shown, the faulty filter play selected, and neither
    // the record nor Filtri.def changes.
    bool accetta();
    // The list's row being edited (0-based; the count of filter plays for the inviting row).
    int rigaSelezionata() const { return m_selezionata; }

protected:
    bool controllaParametri() override;
    EsitoRiduzione esegui(ControlloEsecuzione& controllo) override;
    void salvaOpzioni() override;

private:
    QWidget* creaElenco();
    QWidget* creaEditor();
    void ricostruisci();
    void scriviRiga(int riga);
    void selezionaRiga(int riga);
    void mostraEditor();
    void abilitaNumeri();
    void modifica(int numero, int punteggio, bool acceso);
    void salvaNelSistema();
    void esporta();
    void importa();
    void eliminaTutte();
    void modificaPunteggi();
    void apriAnalisiGiocate();
    void apriAnalisiStorica();

    GiocateFiltro m_filtri;   // the list being edited (it may outgrow the record until accepted)
    GiocataFiltro m_invito{}; // the inviting row's entry
    int m_selezionata = 0;

    GruppoModoFiltro* m_modo = nullptr;
    QTableWidget* m_elenco = nullptr;
    QGroupBox* m_editor = nullptr;
    std::array<QPushButton*, 90> m_numeri{};
    std::array<QPushButton*, 11> m_punteggi{};
    QCheckBox* m_soloPronostico = nullptr;
    QComboBox* m_errori = nullptr;
};
