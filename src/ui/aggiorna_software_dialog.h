#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

struct StatoApplicazione;
class ClientHttp;
class QLabel;
class QProgressBar;
class QPushButton;
class QUrl;

// Opens an address with the system shell. Only web addresses (in the browser) and local folders (in the
// file manager) are ever opened: the program never runs a file it downloaded.
using ApriConShell = std::function<void(const QUrl& indirizzo)>;
void ApriConShellPredefinito(const QUrl& indirizzo);

// "Aggiornamento di QUARVINA LOTTO": the offer of a new version. "Aggiorna" downloads it into
// QuarvinUPD.exe of the temporary folder (the data folder when there is none), with the progress bar
// following the bytes against the announced length, and then shows the file in its folder; the user
// installs it from there. "Apri nel browser" opens the address instead. During the download "Annulla"
// and Escape stop it; a stopped or failed download leaves no file. A failure shows the connection
// message and its help topic.
class TAggiornaSoftware final : public QDialog
{
    Q_OBJECT

public:
    using ApriGuida = std::function<void(const std::string& topic)>;

    TAggiornaSoftware(StatoApplicazione& stato, ClientHttp& client, const QString& indirizzo,
                      ApriGuida apriGuida, QWidget* parent = nullptr);

    void setApriConShell(ApriConShell apri) { m_apriConShell = std::move(apri); }
    // The folder the file goes to; empty: the platform's temporary folder.
    void setCartellaDestinazione(const QString& cartella) { m_cartella = cartella; }
    void setApriImpostazioni(std::function<void()> apri) { m_apriImpostazioni = std::move(apri); }

    // Where "Aggiorna" writes the file.
    QString percorsoFile() const;

    void aggiorna();
    void reject() override;

private:
    void apriNelBrowser();
    void impostaInCorso(bool inCorso);

    StatoApplicazione& m_stato;
    ClientHttp& m_client;
    QString m_indirizzo;
    ApriGuida m_apriGuida;
    ApriConShell m_apriConShell = ApriConShellPredefinito;
    std::function<void()> m_apriImpostazioni;
    QString m_cartella;
    bool m_inCorso = false;
    bool m_annulla = false;

    QLabel* m_testo;
    QProgressBar* m_avanzamento;
    QPushButton* m_aggiorna;
    QPushButton* m_browser;
    QPushButton* m_impostazioni;
    QPushButton* m_annullaPulsante;
};
