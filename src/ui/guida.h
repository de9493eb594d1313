#pragma once

#include <QString>
#include <QTextBrowser>
#include <QWidget>

class QUrl;

// Shows the help pages: the HTML topic pages of one folder, in a window of their own. Links
// between pages are followed inside the window; web addresses open in the user's browser; nothing
// outside the pages' folder is loaded.
class Guida : public QWidget
{
    Q_OBJECT

public:
    static constexpr const char* PaginaIndice = "index.htm";

    // cartella: the folder of the topic pages (see CartellaGuida).
    explicit Guida(const QString& cartella, QWidget* genitore = nullptr);

    // Opens a topic page ("imp_importi.htm") and brings the window forward; the index when the
    // page does not exist.
    void apri(const QString& topic);
    // Opens the index page ("Sommario").
    void sommario();

    // Shows the window in front; while a modal dialog is open it becomes one of the dialog's windows, so
    // that the dialog does not block it.
    void mostra();

    const QString& cartella() const { return m_cartella; }
    QTextBrowser* browser() const { return m_browser; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void affidaA(QWidget* modale);
    void apriFile(const QString& percorso);
    void seguiCollegamento(const QUrl& url);
    [[nodiscard]] bool nellaCartella(const QString& percorso) const;

    QString m_cartella;
    QWidget* m_modale = nullptr; // the modal dialog the window has joined
    QTextBrowser* m_browser;
};

// The folder of the help pages: help/html in the program's data folder (see CartellaDatiProgramma) when
// it holds the index page; an empty text otherwise.
QString CartellaGuida(const QString& cartellaDati);
