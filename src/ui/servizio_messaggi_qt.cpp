#include "ui/servizio_messaggi_qt.h"

#include "core/testo.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconaQt(Icona icona)
{
    switch (icona) {
    case Icona::Avviso:
        return QMessageBox::Warning;
    case Icona::Errore:
        return QMessageBox::Critical;
    case Icona::Domanda:
        return QMessageBox::Question;
    case Icona::Informazione:
        return QMessageBox::Information;
    case Icona::Nessuna:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton PulsanteQt(Risposta r)
{
    switch (r) {
    case Risposta::Si:
        return QMessageBox::Yes;
    case Risposta::No:
        return QMessageBox::No;
    case Risposta::Annulla:
        return QMessageBox::Cancel;
    case Risposta::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Risposta ServizioMessaggiQt::mostra(const Messaggio& messaggio)
{
    QWidget* genitore = m_genitore != nullptr ? m_genitore : QApplication::activeWindow();
    QMessageBox box(IconaQt(messaggio.icona), QString::fromStdString(messaggio.titolo),
                    QString::fromStdString(testo::RigheUnix(messaggio.testo)), QMessageBox::NoButton,
                    genitore);
    switch (messaggio.pulsanti) {
    case Pulsanti::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Pulsanti::SiNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Pulsanti::SiNoAnnulla:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Pulsanti::OkAnnulla:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(PulsanteQt(messaggio.predefinita));
    if (auto* si = box.button(QMessageBox::Yes)) {
        si->setText(QStringLiteral("Sì"));
    }
    if (auto* annulla = box.button(QMessageBox::Cancel)) {
        annulla->setText(QStringLiteral("Annulla"));
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Risposta::Ok;
    case QMessageBox::Yes:
        return Risposta::Si;
    case QMessageBox::No:
        return Risposta::No;
    case QMessageBox::Cancel:
        return Risposta::Annulla;
    default:
        return messaggio.pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::Annulla;
    }
}
