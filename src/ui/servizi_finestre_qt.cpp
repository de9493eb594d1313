#include "ui/servizi_finestre_qt.h"

#include "platform/http_client.h"
#include "ui/guida.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QUrl>

ServiziFinestreQt::ServiziFinestreQt(Guida& guida, ServizioMessaggi& messaggi)
    : m_guida(guida), m_messaggi(messaggi)
{}

ServiziFinestreQt::~ServiziFinestreQt() = default;

void ServiziFinestreQt::apriGuida(const QString& topic)
{
    if (topic.isEmpty()) {
        m_guida.sommario();
    } else {
        m_guida.apri(topic);
    }
}

QString ServiziFinestreQt::scegliFile(QWidget* genitore, const SceltaFile& scelta)
{
    QFileDialog dialogo(genitore, scelta.titolo, scelta.proposto, scelta.filtro);
    if (scelta.salva) {
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setDefaultSuffix(scelta.suffisso);
        dialogo.selectFile(scelta.proposto);
    } else {
        dialogo.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogo.selectedFiles().constFirst();
}

bool ServiziFinestreQt::scegliStampante(QPrinter& stampante, QWidget* genitore)
{
    QPrintDialog dialogo(&stampante, genitore);
    return dialogo.exec() == QDialog::Accepted;
}

void ServiziFinestreQt::apriIndirizzo(const QUrl& indirizzo)
{
    const QString schema = indirizzo.scheme().toLower();
    // Only what the desktop opens harmlessly: web pages and the user's own files and folders.
    if (schema == QLatin1String("http") || schema == QLatin1String("https") || indirizzo.isLocalFile()) {
        QDesktopServices::openUrl(indirizzo);
    }
}

int ServiziFinestreQt::esegui(QDialog& dialogo)
{
    return dialogo.exec();
}

ClientHttp& ServiziFinestreQt::clientHttp()
{
    if (!m_client) {
        m_client = std::make_unique<HttpClient>();
    }
    return *m_client;
}
