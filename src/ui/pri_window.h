#pragma once

#include "core/importi.h"
#include "core/orologio.h"
#include "editor/fisse.h"
#include "editor/stato_applicazione.h"
#include "ui/comandi_principali.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class GrigliaNumeri;
class PannelloNumero;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class VistaGiocate;

// The main window: the editor of the one system. It keeps the widgets and the system in step,
// shows the summary and dispatches the commands; every algorithm lives in the engines.
class TPri : public QMainWindow
{
    Q_OBJECT

public:
    using ApriGuida = std::function<void(const QString& topic)>;

    TPri(StatoApplicazione& stato, ApriGuida apriGuida, ApriGuida sommario, QWidget* parent = nullptr);
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
    void aggiornaArchivio();

    // The file dialogs, replaceable so that window tests never block on a native dialog. Each
    // returns the chosen path, or an empty text when the user cancelled.
    using ScegliFile = std::function<QString(QWidget* genitore, const QString& proposto)>;
    void setScegliFileApri(ScegliFile scegli) { m_scegliFileApri = std::move(scegli); }
    void setScegliFileSalva(ScegliFile scegli) { m_scegliFileSalva = std::move(scegli); }

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QWidget* creaPronostico();
    QWidget* creaParametri();
    QWidget* creaRiepilogo();
    void collegaComandi();

    // Widgets <-> system.
    void riempiDaSistema();
    void applicaNumeriPerGiocata(int k);
    CaselleFisse caselleFisse() const;
    SegniRuote ruoteDaCaselle() const;
    CaselleImporti caselleImporti() const;
    void segnaModificato();

    // Handlers.
    void numeroCambiato(int numero, bool selezionato);
    void numeroIndicato(int numero);
    void ricalcolaStatistiche();
    void fissaCambiata(int indice);
    void numeriPerGiocataCambiati(int indice);
    void ruotaCliccata();
    void importoCambiato();
    void posizioneCambiata();

    // File commands.
    bool chiediSeSalvare();
    void comandoNuovo();
    void comandoApri();
    void comandoRiapri(int indice);
    void comandoSalva();
    void comandoSalvaConNome();
    void aggiornaRecenti(const std::string& aggiunto = {});
    void aggiornaTitolo();
    void comandoSviluppoIntegrale();
    void comandoModificaImporti();
    void comandoImpostaStampante();
    void comandoApriCartellaRiduttori();
    void comandoInformazioni();

    // Probability model settings (pri_probabilita.cpp).
    void collegaComandiProbabilita();
    void comandoImpostazioniProbabilita();
    void comandoImpostazioniFrequenze();

    // Play editing, undo, import and export, prediction helpers (pri_giocate.cpp).
public:
    // The file dialogs of the imports and the export, replaceable like those of the system files.
    enum class FileGiocate { Sistema, Lpc, Testo, EsportaTesto };
    using ScegliFileGiocate = std::function<QString(QWidget* genitore, FileGiocate tipo)>;
    void setScegliFileGiocate(ScegliFileGiocate scegli) { m_scegliFileGiocate = std::move(scegli); }

private:
    void collegaComandiGiocate();
    int giocataSelezionata() const;
    QString scegliFileGiocate(FileGiocate tipo);
    void comandoAnnullaUltimaOperazione();
    void comandoModificaGiocate();
    void comandoInserimentoGiocate();
    void comandoEliminaGiocate();
    void comandoEliminaTutteLeGiocate();
    void comandoImportaGiocate(FileGiocate tipo);
    void comandoEsportaGiocate();
    void comandoNumeriProbabili(bool aggiungi);
    void comandoNumeriCasuali(bool aggiungi);
    void comandoPronosticoDaGiocate();
    void comandoEliminaTuttiINumeri();
    ScegliFileGiocate m_scegliFileGiocate;

    // Statistics views of the lower half (pri_statistiche.cpp).
    QWidget* creaVistaStatistica();
    void collegaComandiStatistiche();
    // The shown view follows every recompute of the statistics; "Nuovo" and opening a system show
    // the first view again.
    void aggiornaVistaStatistica();
    void mostraPrimaVistaStatistica();
    class VistaStatistica* m_vistaStatistica = nullptr;

    // Reduction methods (pri_riduzioni.cpp). A reduction command runs the entry-check family of its
    // menu item (reductions/ingresso_riduzioni.h) through ingressoRiduzione, which shows the failed
    // check's message and moves the focus to the numbers-per-play selector when the check asks; when
    // admitted it runs its dialog through apriRiduzione, which refreshes the summary and the plays view
    // after the dialog closes, whatever happened in it.
    void collegaComandiRiduzioni();
    struct EsitoIngresso ingressoRiduzione(struct EsitoIngresso (*famiglia)(struct ContestoIngresso&));
    void apriRiduzione(class QDialog& dialogo);
    void comandoAggiungiGiocateCasuali();
    void comandoEliminaGiocateCasualmente();

    // Winnings calculator and manual maintenance of the archive (pri_vincite.cpp).
    void collegaComandiVincite();
    void comandoCalcolaVincite();
    void comandoAggiornamentoManuale();

    // Archive update over the Internet and connection settings (pri_aggiornamento.cpp).
    void collegaComandiAggiornamento();
    void comandoAggiornaDaInternet();
    void comandoConnessioneInternet();

    // Statistics tools: the cyclometric circle and the distribution of the numbers in the plays
    // (pri_strumenti.cpp). The circle's window is made once and keeps its numbers between openings.
    void collegaComandiStrumenti();
    void comandoCerchioCiclometrico();
    void comandoDistribuzioneNumeri();
    class TCerchioCiclometrico* m_cerchio = nullptr;

    // Orthogonal reductions (pri_ortogonale.cpp).
    void collegaComandiOrtogonale();
    void comandoRiduzioneOrtogonale();
    void comandoRiduzioneOrtogonaleGiocate();

    // Guarantee reductions (pri_garanzia.cpp).
    void collegaComandiGaranzia();
    void comandoRiduzioneGaranzia();
    void comandoRiduzioneGaranziaGiocate();

    // Checking the plays against one draw (pri_spoglio.cpp). The window is made on first use and kept
    // for the main window's life, with the draw typed in it.
    void collegaComandiSpoglio();
    void comandoSpoglio();
    class TSpoglio* m_spoglio = nullptr;

    // Conditional reduction (pri_condizionata.cpp).
    void collegaComandiCondizionata();
    void comandoRiduzioneCondizionata();

    StatoApplicazione& m_stato;
    ApriGuida m_apriGuida;
    ApriGuida m_sommario;
    ComandiPrincipali m_comandi;
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

    std::unique_ptr<QPrinter> m_stampante;
    ScegliFile m_scegliFileApri;
    ScegliFile m_scegliFileSalva;
};
