#pragma once

#include <QString>

class ClientHttp;
class QDialog;
class QPrinter;
class QUrl;
class QWidget;
class ServizioMessaggi;

// What a window asks of the desktop around it: help pages, file and printer choice, a web address or
// folder, a nested dialog, the HTTP client and the message boxes. The program hands every window the
// one Qt implementation (ServiziFinestreQt); window tests hand in a recording one, so that no native
// dialog, browser or network is ever reached and every request can be checked.
class ServiziFinestre
{
public:
    virtual ~ServiziFinestre() = default;

    // Opens the help page of a topic ("imp_importi.htm"); an empty topic opens the contents page.
    virtual void apriGuida(const QString& topic) = 0;

    // What a file dialog offers: its title, the starting folder or proposed file, the filter
    // ("Sistema (*.qvs);;Tutti i file (*)"), the suffix added to a typed name, open or save.
    struct SceltaFile
    {
        QString titolo;
        QString proposto;
        QString filtro;
        QString suffisso;
        bool salva = false;

        static SceltaFile Apri(QString titolo, QString proposto, QString filtro)
        {
            return {std::move(titolo), std::move(proposto), std::move(filtro), {}, false};
        }
        static SceltaFile Salva(QString titolo, QString proposto, QString filtro, QString suffisso)
        {
            return {std::move(titolo), std::move(proposto), std::move(filtro), std::move(suffisso), true};
        }
    };
    // The chosen path, or an empty text when the user cancelled.
    virtual QString scegliFile(QWidget* genitore, const SceltaFile& scelta) = 0;

    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool scegliStampante(QPrinter& stampante, QWidget* genitore) = 0;

    // Opens a web address (http and https only) in the browser, or a local file or folder in the
    // desktop's program for it.
    virtual void apriIndirizzo(const QUrl& indirizzo) = 0;

    // Runs a dialog opened from another window modally; its result code.
    virtual int esegui(QDialog& dialogo) = 0;

    virtual ClientHttp& clientHttp() = 0;
    virtual ServizioMessaggi& messaggi() = 0;
};
