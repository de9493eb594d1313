#pragma once

#include "core/importi.h"
#include "core/orologio.h"
#include "editor/fisse.h"
#include "editor/stato_applicazione.h"
#include "ui/comandi/azioni_principali.h"
#include "ui/comandi/finestra_comandi.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class AreaComandi;
class ComandiFile;
class GrigliaNumeri;
class PannelloNumero;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class ServiziFinestre;
class VistaGiocate;

// The main window: the editor of the one system. It keeps the widgets and the system in step and
// shows the summary; its commands live in the command areas (ui/comandi), one per menu area, which
// reach the window through FinestraComandi. Every algorithm lives in the engines.
class TPri : public QMainWindow, private FinestraComandi
{
    Q_OBJECT

public:
    TPri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);
    ~TPri() override;

    // "Nuovo" without the question: the state of a freshly started program.
    void iniziaNuovoSistema();
    // Opens a file as "Apri" does after its dialog.
    void apriSistema(const QString& percorso);

    // The summary and the play view after any change of the system (and of its plays).
    void AggiornaRiepilogo();

    // The first activation: a system named on the command line is opened and the update
    // notification is scheduled, both only when notifications are on.
    void primaAttivazione(const QStringList& argomenti, const Orologio& orologio);
    // Shows the update notification when the archive is behind (the timer's job, callable by tests).
    void controllaAggiornamento(const Orologio& orologio);
    // The archive line of the status bar, after the archive changed.
    void aggiornaArchivio() override;

    // The action of a command (every command has one).
    QAction& azione(Comando comando) override { return m_azioni.azione(comando); }
    const AzioniPrincipali& azioni() const { return m_azioni; }

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QWidget* creaPronostico();
    QWidget* creaParametri();
    QWidget* creaFisse(QWidget* genitore);
    QWidget* creaImporti(QWidget* genitore);
    QWidget* creaRiepilogo();
    QWidget* creaRuote(QWidget* genitore);
    QWidget* creaGiocate();
    QWidget* creaVistaStatistica();
    void creaComandi();

    // FinestraComandi: what the command areas see.
    StatoApplicazione& stato() override { return m_stato; }
    ServiziFinestre& servizi() override { return m_servizi; }
    QWidget* finestra() override { return this; }
    void aggiornaRiepilogo() override { AggiornaRiepilogo(); }
    void riempiDaSistema() override;
    void aggiornaPronostico() override;
    void aggiornaTitolo() override;
    void ricalcolaStatistiche() override;
    VistaStatistica& vistaStatistica() override { return *m_vistaStatistica; }
    [[nodiscard]] bool validaSistema() override;
    [[nodiscard]] EsitoImporti leggiImporti() override;
    void focusNumeriPerGiocata() override;
    [[nodiscard]] int giocataSelezionata() const override;
    void segnaModificato() override;

    // Widgets <-> system.
    void applicaNumeriPerGiocata(int k);
    CaselleFisse caselleFisse() const;
    SegniRuote ruoteDaCaselle() const;
    CaselleImporti caselleImporti() const;

    // Handlers.
    void numeroCambiato(int numero, bool selezionato);
    void numeroIndicato(int numero);
    void fissaCambiata(int indice);
    void numeriPerGiocataCambiati(int indice);
    void ruotaCliccata();
    void importoCambiato();
    void posizioneCambiata();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    AzioniPrincipali m_azioni;
    std::vector<std::unique_ptr<AreaComandi>> m_aree;
    ComandiFile* m_comandiFile = nullptr;
    bool m_riempimento = false; // set while the program fills the widgets: no change handlers
    bool m_controlloFisse = false;

    GrigliaNumeri* m_griglia = nullptr;
    PannelloNumero* m_pannelloNumero = nullptr;
    std::array<QLineEdit*, 9> m_fisse{};
    QComboBox* m_numeriPerGiocata = nullptr;
    std::array<QCheckBox*, NumeroRuote + 1> m_ruote{}; // by Ruota index 1..12
    std::array<QLineEdit*, 8> m_importi{};             // by ClassePremio slot 1..7
    std::array<QCheckBox*, NumeroPosizioni> m_posizioni{};
    VistaGiocate* m_vistaGiocate = nullptr;
    VistaStatistica* m_vistaStatistica = nullptr;

    QLabel* m_etichettaPronostico = nullptr;
    QLabel* m_etichettaNumeri = nullptr;
    QLabel* m_etichettaSviluppo = nullptr;
    QLabel* m_etichettaRuote = nullptr;
    QLabel* m_etichettaPercentuale = nullptr;
    QLabel* m_etichettaImporto = nullptr;
    QLabel* m_etichettaGiocate = nullptr;
    QLabel* m_etichettaCosto = nullptr;
    QLabel* m_etichettaStato = nullptr;
    QLabel* m_etichettaArchivio = nullptr;
};
