#pragma once

#include "checking/aggiornamento.h"

#include <QDialog>

#include <functional>
#include <string>

struct StatoApplicazione;
class QProgressBar;
class QPushButton;
class ServiziFinestre;

// "Aggiornamento diretto da Internet": "Aggiorna" runs the archive update
// (aggiornamento::EseguiAggiornamento) against the server of the settings, with the progress bar at its
// steps; the window closes at the end unless a step kept it open (a failure, an opened link). While it runs
// its buttons are disabled and Escape does nothing. Closing it deletes Msg.rtf of the personal folder.
// The windows the update opens (the server's message in Tperrtf, the new version in TAggiornaSoftware,
// the settings in TImpoConn) run through the window services.
class TAggio final : public QDialog, private aggiornamento::AmbienteAggiornamento
{
    Q_OBJECT

public:
    // After the archive was written; empty: the statistics of the state are recomputed.
    using Ricalcola = std::function<void()>;

    TAggio(StatoApplicazione& stato, ServiziFinestre& servizi, Ricalcola ricalcola = {},
           QWidget* parent = nullptr);

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
    ServiziFinestre& m_servizi;
    Ricalcola m_ricalcola;
    bool m_inCorso = false;
    bool m_archivioSalvato = false;
    qint64 m_ultimiEventi = 0;

    QProgressBar* m_avanzamento;
    QPushButton* m_aggiorna;
    QPushButton* m_annulla;
    QPushButton* m_impostazioni;
};
