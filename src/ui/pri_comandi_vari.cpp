// Commands of the main window that open a settings dialog or a platform service.
#include "ui/pri_window.h"

#include "ui/modimpo_dialog.h"
#include "ui/sviluppo_integrale_dialog.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QUrl>

void TPri::comandoSviluppoIntegrale()
{
    if (!ValidaSistema(m_stato.sistema, caselleFisse(), ruoteDaCaselle(), m_stato.messaggi)) {
        return;
    }
    TSviluppoIntegrale dialogo(m_stato, m_apriGuida, this);
    dialogo.exec();
    AggiornaRiepilogo();
}

void TPri::comandoModificaImporti()
{
    TModimpo dialogo(
        m_stato.generali, m_stato.impostazioni, m_stato.messaggi,
        [this](const std::string& topic) { m_apriGuida(QString::fromStdString(topic)); }, this);
    dialogo.exec();
    AggiornaRiepilogo();
}

void TPri::comandoImpostaStampante()
{
    if (!m_stampante) {
        m_stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPageSetupDialog dialogo(m_stampante.get(), this);
    dialogo.exec();
}

void TPri::comandoApriCartellaRiduttori()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(m_stato.cartelle.personale)));
}

void TPri::comandoInformazioni()
{
    QMessageBox::about(this, QStringLiteral("Informazioni su QUARVINA LOTTO"),
                       QStringLiteral("<h3>QUARVINA LOTTO</h3>"
                                      "<p>Sistemi, riduzioni, statistiche e stampa delle schedine "
                                      "per il gioco del Lotto.</p>"
                                      "<p>Versione %1</p>"
                                      "<p>Le vincite sono calcolate al lordo delle ritenute di legge.</p>")
                           .arg(QStringLiteral(QUARVIN_VERSIONE)));
}
