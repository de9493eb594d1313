#pragma once

#include "checking/aggiornamento.h"
#include "ui/aggiorna_software_dialog.h"

#include <QDialog>

#include <functional>
#include <string>

struct StatoApplicazione;
class ClientHttp;
class QProgressBar;
class QPushButton;

// "Aggiornamento diretto da Internet": "Aggiorna" runs the archive update
// (aggiornamento::EseguiAggiornamento) against the server of the settings, with the progress bar at its
// steps; the window closes at the end unless a step kept it open (a failure, an opened link). While it runs
// its buttons are disabled and Escape does nothing. Closing it deletes Msg.rtf of the personal folder.
class TAggio final : public QDialog, private aggiornamento::AmbienteAggiornamento
{
    Q_OBJECT

public:
    using ApriGuida = std::function<void(const std::string& topic)>;
    // After the archive was written; empty: the statistics of the state are recomputed.
    using Ricalcola = std::function<void()>;

    TAggio(StatoApplicazione& stato, ClientHttp& client, ApriGuida apriGuida, Ricalcola ricalcola = {},
           QWidget* parent = nullptr);

    // The windows the update opens, replaceable so that tests never block on them. By default: the
    // message in Tperrtf, the new version in TAggiornaSoftware, the settings in TImpoConn.
    void setApriConShell(ApriConShell apri) { m_apriConShell = std::move(apri); }
    void setMostraMessaggio(std::function<void(const QString& percorso)> mostra)
    {
        m_mostraMessaggio = std::move(mostra);
    }
    void setAggiornaSoftware(std::function<void(const QString& indirizzo)> apri)
    {
        m_aggiornaSoftware = std::move(apri);
    }
    void setApriImpostazioni(std::function<void()> apri) { m_apriImpostazioni = std::move(apri); }

    // The archive changed and was written during this window's life.
    bool archivioSalvato() const { return m_archivioSalvato; }

    void aggiorna();
    void reject() override;
    void done(int risultato) override;

private:
    // The update's requests to its window.
    void avanzamento(int percentuale) override;
    Risposta mostra(const Messaggio& messaggio) override;
    void apriGuida(const std::string& topic) override;
    void apriIndirizzo(const std::string& indirizzo) override;
    void aggiornaSoftware(const std::string& indirizzo) override;
    void mostraMessaggio(const std::string& percorso) override;
    bool salvaArchivio() override;
    bool inAttesa() override;

    void impostaInCorso(bool inCorso);
    std::string percorsoMessaggio() const;

    StatoApplicazione& m_stato;
    ClientHttp& m_client;
    ApriGuida m_apriGuida;
    Ricalcola m_ricalcola;
    ApriConShell m_apriConShell = ApriConShellPredefinito;
    std::function<void(const QString&)> m_mostraMessaggio;
    std::function<void(const QString&)> m_aggiornaSoftware;
    std::function<void()> m_apriImpostazioni;
    bool m_inCorso = false;
    bool m_archivioSalvato = false;
    qint64 m_ultimiEventi = 0;

    QProgressBar* m_avanzamento;
    QPushButton* m_aggiorna;
    QPushButton* m_annulla;
    QPushButton* m_impostazioni;
};
