// The main window's part of the start-up: the command-line system, the update notification and the
// archive line of the status bar.
#include "ui/pri_window.h"

#include "core/impostazioni.h"
#include "core/notifica_aggiornamento.h"
#include "ui/notifica_dialog.h"

#include <QAction>

#include <QFileInfo>
#include <QLabel>
#include <QStringList>
#include <QTimer>

namespace {

QString Data(const Tipo_Estrazione& e)
{
    return QStringLiteral("%1/%2/%3")
        .arg(e.giorno, 2, 10, QLatin1Char('0'))
        .arg(e.mese, 2, 10, QLatin1Char('0'))
        .arg(e.anno());
}

} // namespace

void TPri::primaAttivazione(const QStringList& argomenti, const Orologio& orologio)
{
    if (m_stato.generali.notificaAggio != 1) {
        return;
    }
    if (argomenti.size() == 2 && QFileInfo(argomenti.at(1)).isFile()) {
        apriSistema(argomenti.at(1));
    }
    QTimer::singleShot(500, this, [this, &orologio] { controllaAggiornamento(orologio); });
}

void TPri::controllaAggiornamento(const Orologio& orologio)
{
    const auto testo =
        NotificaAggiornamento(m_stato.archivio, orologio.adesso(), m_stato.generali.giorniNotifica);
    if (!testo) {
        return;
    }
    auto* finestra = new TNotificaAggiornamento(QString::fromStdString(*testo), true, this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    connect(finestra, &QDialog::finished, this, [this, finestra](int risultato) {
        if (finestra->nonMostrarePiu()) {
            m_stato.generali.notificaAggio = 0;
            SalvaImpostazioniGenerali(m_stato.impostazioni, m_stato.generali);
        }
        if (risultato == QDialog::Accepted) {
            // After the notification has gone, so the update window opens on its own.
            QTimer::singleShot(0, this, [this] { azione(Comando::AggiornaDaInternet).trigger(); });
        }
    });
    finestra->open();
}

void TPri::aggiornaArchivio()
{
    const ArchivioStorico& archivio = m_stato.archivio;
    if (archivio.vuoto()) {
        m_etichettaArchivio->setText(QStringLiteral("Archivio storico vuoto"));
        return;
    }
    m_etichettaArchivio->setText(
        QStringLiteral("Archivio storico: %1 estrazioni, dal %2 al %3")
            .arg(archivio.conteggio())
            .arg(Data(archivio.estrazione(1)), Data(archivio.estrazione(archivio.conteggio()))));
}
