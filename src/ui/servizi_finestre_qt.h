#pragma once

#include "ui/servizi_finestre.h"

#include <memory>

class Guida;
class HttpClient;

// The window services of the program: Qt's dialogs, the help window, the desktop's browser and the
// libcurl client (made on first use).
class ServiziFinestreQt final : public ServiziFinestre
{
public:
    ServiziFinestreQt(Guida& guida, ServizioMessaggi& messaggi);
    ~ServiziFinestreQt() override;

    void apriGuida(const QString& topic) override;
    QString scegliFile(QWidget* genitore, const SceltaFile& scelta) override;
    bool scegliStampante(QPrinter& stampante, QWidget* genitore) override;
    void apriIndirizzo(const QUrl& indirizzo) override;
    int esegui(QDialog& dialogo) override;
    ClientHttp& clientHttp() override;
    ServizioMessaggi& messaggi() override { return m_messaggi; }

private:
    Guida& m_guida;
    ServizioMessaggi& m_messaggi;
    std::unique_ptr<HttpClient> m_client;
};
