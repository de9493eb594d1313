// The file commands of the main window: Nuovo, Apri, Riapri, Salva, Salva con nome, closing.
#include "ui/pri_window.h"

#include "editor/file_recenti.h"
#include "editor/file_sistema.h"
#include "editor/messaggi_sistema.h"
#include "editor/nuovo_sistema.h"
#include "ui/vista_giocate.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString FiltroSistemi = QStringLiteral("Sistema Quarvina Lotto (*.qvs);;Tutti i file (*)");

// Shows the busy cursor for the life of the object.
class CursoreOccupato
{
public:
    CursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreOccupato() { QApplication::restoreOverrideCursor(); }
    CursoreOccupato(const CursoreOccupato&) = delete;
    CursoreOccupato& operator=(const CursoreOccupato&) = delete;
};

QString DialogoApri(QWidget* genitore, const QString& cartella)
{
    return QFileDialog::getOpenFileName(genitore, QStringLiteral("Apri"), cartella, FiltroSistemi);
}

QString DialogoSalva(QWidget* genitore, const QString& proposto)
{
    QFileDialog dialogo(genitore, QStringLiteral("Salva con nome"), proposto, FiltroSistemi);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(QStringLiteral("qvs"));
    dialogo.selectFile(proposto);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().constFirst();
}

Messaggio DomandaSalvataggio()
{
    return {messaggi_sistema::SistemaNonSalvato, messaggi_sistema::TitoloAttenzione, Icona::Domanda,
            Pulsanti::SiNoAnnulla, Risposta::Si};
}

} // namespace

void TPri::iniziaNuovoSistema()
{
    NuovoSistema(m_stato);
    ricalcolaStatistiche();
    riempiDaSistema();
    m_stato.sistema.modificato = false;
    aggiornaTitolo();
    aggiornaRecenti();
    AggiornaRiepilogo();
    mostraPrimaVistaStatistica();
}

bool TPri::chiediSeSalvare()
{
    if (!m_stato.sistema.modificato) {
        return true;
    }
    switch (m_stato.messaggi.mostra(DomandaSalvataggio())) {
    case Risposta::Si:
        comandoSalvaConNome();
        return !m_stato.sistema.modificato;
    case Risposta::No:
        return true;
    default:
        return false;
    }
}

void TPri::comandoNuovo()
{
    if (chiediSeSalvare()) {
        iniziaNuovoSistema();
    }
}

void TPri::comandoApri()
{
    if (!chiediSeSalvare()) {
        return;
    }
    const QString cartella = QString::fromStdString(m_stato.cartelle.documenti);
    const QString scelto = m_scegliFileApri ? m_scegliFileApri(this, cartella) : DialogoApri(this, cartella);
    if (scelto.isEmpty() || !QFileInfo(scelto).isFile()) {
        return;
    }
    apriSistema(scelto);
}

void TPri::apriSistema(const QString& percorso)
{
    NuovoSistema(m_stato);
    m_stato.sistema.nomeFile = percorso.toStdString();
    aggiornaTitolo();
    EsitoFileSistema esito;
    {
        CursoreOccupato occupato;
        esito = LeggiSistema(m_stato.sistema, m_stato.giocate);
    }
    for (const Messaggio& m : esito.messaggi()) {
        m_stato.messaggi.mostra(m);
    }
    riempiDaSistema();
    // The statistics follow the wheels read from the file, so that they match what the window shows.
    ricalcolaStatistiche();
    m_stato.sistema.modificato = false;
    aggiornaRecenti();
    AggiornaRiepilogo();
    mostraPrimaVistaStatistica();
}

void TPri::comandoRiapri(int indice)
{
    const QString percorso = m_comandi.recenti[indice]->data().toString();
    if (percorso.isEmpty() || !QFileInfo(percorso).isFile()) {
        return;
    }
    if (chiediSeSalvare()) {
        apriSistema(percorso);
    }
}

void TPri::comandoSalva()
{
    EsitoFileSistema esito;
    {
        CursoreOccupato occupato;
        esito = ScriviSistema(m_stato.sistema, m_stato.giocate);
    }
    if (esito.ok()) {
        aggiornaRecenti(m_stato.sistema.nomeFile);
    } else {
        for (const Messaggio& m : esito.messaggi()) {
            m_stato.messaggi.mostra(m);
        }
    }
    AggiornaRiepilogo();
}

void TPri::comandoSalvaConNome()
{
    const QString proposto = QString::fromStdString(m_stato.sistema.nomeFile);
    const QString scelto =
        m_scegliFileSalva ? m_scegliFileSalva(this, proposto) : DialogoSalva(this, proposto);
    if (!scelto.isEmpty()) {
        m_stato.sistema.nomeFile = scelto.toStdString();
        aggiornaTitolo();
        comandoSalva();
    }
    AggiornaRiepilogo();
}

void TPri::aggiornaRecenti(const std::string& aggiunto)
{
    std::optional<std::string> nuovo;
    if (!aggiunto.empty()) {
        nuovo = aggiunto;
    }
    const VociRecenti voci = AggiornaFileRecenti(m_stato.impostazioni, m_stato.sistema.nomeFile, nuovo);
    bool qualcuna = false;
    for (int i = 0; i < NumeroFileRecenti; ++i) {
        QAction* voce = m_comandi.recenti[i];
        voce->setText(QString::fromStdString(voci[i].didascalia));
        voce->setData(QString::fromStdString(voci[i].percorso));
        voce->setVisible(voci[i].visibile);
        qualcuna = qualcuna || voci[i].visibile;
    }
    m_comandi.riapri->setEnabled(qualcuna);
}

void TPri::aggiornaTitolo()
{
    setWindowTitle(QString::fromStdString(TitoloFinestra(m_stato.sistema)));
}

void TPri::closeEvent(QCloseEvent* evento)
{
    if (!m_stato.sistema.modificato) {
        evento->accept();
        return;
    }
    switch (m_stato.messaggi.mostra(DomandaSalvataggio())) {
    case Risposta::Si:
        comandoSalvaConNome();
        if (m_stato.sistema.modificato) {
            evento->ignore();
            return;
        }
        break;
    case Risposta::No:
        m_stato.sistema.modificato = false;
        break;
    default:
        evento->ignore();
        return;
    }
    evento->accept();
}
