#pragma once

#include <QDialog>
#include <QString>

struct StatoApplicazione;
class QLabel;
class QProgressBar;
class QPushButton;
class ServiziFinestre;

// "Aggiornamento di QUARVINA LOTTO": the offer of a new version. "Aggiorna" downloads it into
// QuarvinUPD.exe of the temporary folder (the data folder when there is none), with the progress bar
// following the bytes against the announced length, and then opens its folder, never the file: the
// program never runs what it downloaded, the user installs it from there. "Apri nel browser" opens the
// address (a web address only) instead. During the download "Annulla"
// and Escape stop it; a stopped or failed download leaves no file. A failure shows the connection
// message and its help topic.
class TAggiornaSoftware final : public QDialog
{
    Q_OBJECT

public:
    TAggiornaSoftware(StatoApplicazione& stato, const QString& indirizzo, ServiziFinestre& servizi,
                      QWidget* parent = nullptr);

    // The folder the file goes to; empty: the platform's temporary folder.
    void setCartellaDestinazione(const QString& cartella) { m_cartella = cartella; }

    // Where "Aggiorna" writes the file.
    QString percorsoFile() const;

    void aggiorna();
    void reject() override;

private:
    void apriNelBrowser();
    void impostaInCorso(bool inCorso);

    StatoApplicazione& m_stato;
    QString m_indirizzo;
    ServiziFinestre& m_servizi;
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
