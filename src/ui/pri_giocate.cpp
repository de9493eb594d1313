// The commands of the main window that edit the plays and the prediction directly: undo, manual
// editing, deletions, imports, the text export and the prediction helpers.
#include "ui/pri_window.h"

#include "editor/esporta_giocate.h"
#include "editor/importa_giocate.h"
#include "editor/messaggi_giocate.h"
#include "editor/modifica_giocate.h"
#include "editor/pronostico_aiuti.h"
#include "ui/agg_eli_num_casu_dialog.h"
#include "ui/agg_eli_num_proba_dialog.h"
#include "ui/controllo_esecuzione_qt.h"
#include "ui/elimina_giocate_dialog.h"
#include "ui/griglia_numeri.h"
#include "ui/mod_giocata_dialog.h"
#include "ui/nuova_giocata_dialog.h"
#include "ui/vista_giocate.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>

namespace mg = messaggi_giocate;

namespace {

class CursoreOccupato
{
public:
    CursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreOccupato() { QApplication::restoreOverrideCursor(); }
    CursoreOccupato(const CursoreOccupato&) = delete;
    CursoreOccupato& operator=(const CursoreOccupato&) = delete;
};

Messaggio Domanda(std::string testo)
{
    return {std::move(testo), mg::TitoloAttenzione, Icona::Domanda, Pulsanti::SiNo, Risposta::Si};
}

Messaggio Informazione(std::string testo, const char* titolo = mg::TitoloAttenzione)
{
    return {std::move(testo), titolo, Icona::Informazione, Pulsanti::Ok, Risposta::Ok};
}

QString DialogoFileGiocate(QWidget* genitore, TPri::FileGiocate tipo, const QString& cartella)
{
    const QString testo = QStringLiteral("File di testo (*.txt);;Tutti i file (*)");
    switch (tipo) {
    case TPri::FileGiocate::Sistema:
        return QFileDialog::getOpenFileName(
            genitore, QStringLiteral("Importa giocate da un altro sistema"), cartella,
            QStringLiteral("Sistema Quarvina Lotto (*.qvs);;Tutti i file (*)"));
    case TPri::FileGiocate::Lpc:
        return QFileDialog::getOpenFileName(genitore, QStringLiteral("Importa giocate da un sistema esterno"),
                                            cartella, QStringLiteral("Sistema esterno (*.lpc)"));
    case TPri::FileGiocate::Testo:
        return QFileDialog::getOpenFileName(genitore, QStringLiteral("Importa giocate da file di testo"),
                                            cartella, testo);
    case TPri::FileGiocate::EsportaTesto: {
        QFileDialog dialogo(genitore, QStringLiteral("Esporta giocate su file di testo"), cartella, testo);
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(QStringLiteral("txt"));
        if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
            return {};
        }
        return dialogo.selectedFiles().constFirst();
    }
    }
    return {};
}

} // namespace

void TPri::collegaComandiGiocate()
{
    m_comandi.collega(QStringLiteral("Annulla ultima operazione"), this,
                      [this] { comandoAnnullaUltimaOperazione(); });
    m_comandi.collega(QStringLiteral("Modifica giocate manualmente"), this,
                      [this] { comandoModificaGiocate(); });
    m_comandi.collega(QStringLiteral("Inserimento giocate da tastiera"), this,
                      [this] { comandoInserimentoGiocate(); });
    m_comandi.collega(QStringLiteral("Elimina giocate"), this, [this] { comandoEliminaGiocate(); });
    m_comandi.collega(QStringLiteral("Elimina tutte le giocate"), this,
                      [this] { comandoEliminaTutteLeGiocate(); });
    m_comandi.collega(QStringLiteral("Importa giocate da un altro sistema"), this,
                      [this] { comandoImportaGiocate(FileGiocate::Sistema); });
    m_comandi.collega(QStringLiteral("Importa giocate da un sistema esterno (.lpc)"), this,
                      [this] { comandoImportaGiocate(FileGiocate::Lpc); });
    m_comandi.collega(QStringLiteral("Importa giocate da file di testo"), this,
                      [this] { comandoImportaGiocate(FileGiocate::Testo); });
    m_comandi.collega(QStringLiteral("Esporta giocate su file di testo"), this,
                      [this] { comandoEsportaGiocate(); });
    m_comandi.collega(QStringLiteral("Aggiungi numeri più probabili"), this,
                      [this] { comandoNumeriProbabili(true); });
    m_comandi.collega(QStringLiteral("Elimina numeri meno probabili"), this,
                      [this] { comandoNumeriProbabili(false); });
    m_comandi.collega(QStringLiteral("Aggiungi numeri casualmente"), this,
                      [this] { comandoNumeriCasuali(true); });
    m_comandi.collega(QStringLiteral("Elimina numeri casualmente"), this,
                      [this] { comandoNumeriCasuali(false); });
    m_comandi.collega(QStringLiteral("Pronostico da giocate"), this,
                      [this] { comandoPronosticoDaGiocate(); });
    m_comandi.collega(QStringLiteral("Elimina tutti i numeri"), this,
                      [this] { comandoEliminaTuttiINumeri(); });
    connect(m_vistaGiocate, &VistaGiocate::doppioClic, this, &TPri::comandoModificaGiocate);
    connect(m_vistaGiocate, &VistaGiocate::eliminaRichiesta, this, &TPri::comandoEliminaGiocate);
}

int TPri::giocataSelezionata() const
{
    const int ultima = m_vistaGiocate->selezione().second;
    return ultima >= 1 && ultima <= m_stato.giocate.conteggio() ? ultima : 1;
}

QString TPri::scegliFileGiocate(FileGiocate tipo)
{
    if (m_scegliFileGiocate) {
        return m_scegliFileGiocate(this, tipo);
    }
    return DialogoFileGiocate(this, tipo, QString::fromStdString(m_stato.cartelle.documenti));
}

void TPri::comandoAnnullaUltimaOperazione()
{
    ElencoGiocate& giocate = m_stato.giocate;
    if (giocate.conteggioAnnulla() == 0) {
        m_stato.messaggi.mostra(Informazione(mg::NienteDaRipristinare));
        return;
    }
    if (m_stato.messaggi.mostra(Domanda(
            mg::DomandaRipristino(giocate.conteggio(), giocate.conteggioAnnulla()))) != Risposta::Si) {
        return;
    }
    giocate.RipristinaCopia();
    segnaModificato();
    AggiornaRiepilogo();
}

void TPri::comandoModificaGiocate()
{
    if (m_stato.giocate.vuoto()) {
        return;
    }
    TModGiocata dialogo(
        m_stato, giocataSelezionata(), [this] { AggiornaRiepilogo(); }, this);
    dialogo.exec();
    AggiornaRiepilogo();
}

void TPri::comandoInserimentoGiocate()
{
    TNuovaGiocata dialogo(
        m_stato, [this] { AggiornaRiepilogo(); }, this);
    dialogo.exec();
    AggiornaRiepilogo();
}

void TPri::comandoEliminaGiocate()
{
    if (m_stato.giocate.vuoto()) {
        m_stato.messaggi.mostra(Informazione(mg::NessunaGiocataDaEliminare));
        return;
    }
    TEliminaGiocate dialogo(m_stato, giocataSelezionata(), this);
    dialogo.exec();
    AggiornaRiepilogo();
}

void TPri::comandoEliminaTutteLeGiocate()
{
    if (m_stato.giocate.vuoto()) {
        m_stato.messaggi.mostra(Avviso(mg::NessunaGiocataFinaleDaEliminare));
        return;
    }
    if (m_stato.messaggi.mostra(Domanda(mg::DomandaEliminaTutte)) != Risposta::Si) {
        return;
    }
    EliminaTutteLeGiocate(m_stato.giocate);
    segnaModificato();
    AggiornaRiepilogo();
}

void TPri::comandoImportaGiocate(FileGiocate tipo)
{
    const QString scelto = scegliFileGiocate(tipo);
    if (scelto.isEmpty()) {
        return;
    }
    const std::string percorso = scelto.toStdString();
    EsitoImportazione esito;
    {
        CursoreOccupato occupato;
        // Pending events run during the import: no command may touch the list meanwhile.
        setEnabled(false);
        ControlloEsecuzioneQt controllo(m_stato.messaggi);
        switch (tipo) {
        case FileGiocate::Sistema:
            esito = ImportaGiocateDaSistema(percorso, m_stato.giocate, controllo);
            break;
        case FileGiocate::Lpc:
            esito = ImportaGiocateDaLpc(percorso, m_stato.giocate, controllo);
            break;
        default:
            esito = ImportaGiocateDaTesto(percorso, m_stato.giocate, controllo);
            break;
        }
        setEnabled(true);
    }
    if (const auto messaggio = esito.messaggio()) {
        m_stato.messaggi.mostra(*messaggio);
    }
    if (esito.modificato()) {
        segnaModificato();
    }
    AggiornaRiepilogo();
}

void TPri::comandoEsportaGiocate()
{
    if (m_stato.giocate.vuoto()) {
        m_stato.messaggi.mostra(Avviso(mg::NessunaGiocataDaSalvare));
        return;
    }
    const QString scelto = scegliFileGiocate(FileGiocate::EsportaTesto);
    if (scelto.isEmpty()) {
        return;
    }
    bool scritto = false;
    {
        CursoreOccupato occupato;
        scritto = EsportaGiocate(m_stato.giocate, scelto.toStdString());
    }
    m_stato.messaggi.mostra(scritto ? Informazione(mg::GiocateSalvate, mg::TitoloOk)
                                    : Errore(mg::ErroreSalvataggioGiocate));
    AggiornaRiepilogo();
}

void TPri::comandoNumeriProbabili(bool aggiungi)
{
    const Verso verso = aggiungi ? Verso::Aggiungi : Verso::Elimina;
    const int disponibili = NumeriDisponibili(m_stato.sistema.pronostico, verso);
    if (disponibili == 0) {
        return;
    }
    // The settings dialog is reached through its menu command, which keeps the settings and the
    // statistics in step exactly as when it is opened from the menu.
    std::function<void()> impostazioni;
    if (QAction* calcolo = m_comandi.azione(QStringLiteral("Calcolo delle probabilità"));
        calcolo != nullptr && calcolo->isEnabled()) {
        impostazioni = [calcolo] { calcolo->trigger(); };
    }
    TAggEliNumPiuProba dialogo(verso, disponibili, m_stato.messaggi, impostazioni, this);
    const bool accettato = dialogo.exec() == QDialog::Accepted;
    ricalcolaStatistiche();
    if (accettato) {
        (void)NumeriProbabili(m_stato.sistema.pronostico, dialogo.quantita(), verso,
                              m_stato.statistiche.probabilita);
        segnaModificato();
        ricalcolaStatistiche();
        m_griglia->setSegni(m_stato.sistema.pronostico);
    }
    AggiornaRiepilogo();
}

void TPri::comandoNumeriCasuali(bool aggiungi)
{
    const Verso verso = aggiungi ? Verso::Aggiungi : Verso::Elimina;
    const int disponibili = NumeriDisponibili(m_stato.sistema.pronostico, verso);
    if (disponibili == 0) {
        return;
    }
    TAggEliNumCasu dialogo(verso, disponibili, m_stato.messaggi, this);
    if (dialogo.exec() == QDialog::Accepted) {
        NumeriCasuali(m_stato.sistema.pronostico, dialogo.quantita(), verso, m_stato.generatore);
        segnaModificato();
        m_griglia->setSegni(m_stato.sistema.pronostico);
    }
    AggiornaRiepilogo();
}

void TPri::comandoPronosticoDaGiocate()
{
    if (m_stato.giocate.vuoto()) {
        m_stato.messaggi.mostra(Avviso(mg::ElencoVuoto));
        return;
    }
    if (m_stato.messaggi.mostra(Domanda(mg::DomandaPronosticoDaGiocate)) != Risposta::Si) {
        return;
    }
    (void)PronosticoDaGiocate(m_stato.giocate, m_stato.sistema.pronostico);
    segnaModificato();
    m_griglia->setSegni(m_stato.sistema.pronostico);
    AggiornaRiepilogo();
}

void TPri::comandoEliminaTuttiINumeri()
{
    if (m_stato.messaggi.mostra(Domanda(mg::DomandaSvuotaPronostico)) != Risposta::Si) {
        return;
    }
    m_stato.sistema.pronostico.fill(0);
    segnaModificato();
    m_griglia->setSegni(m_stato.sistema.pronostico);
    AggiornaRiepilogo();
}
