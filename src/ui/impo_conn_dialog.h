#pragma once

#include <QDialog>

class ServiziFinestre;
struct StatoApplicazione;
class QCheckBox;
class QLineEdit;

// "Impostazioni di connessione": the proxy of the Internet update (host, port, basic authentication)
// and the address of the update server. "Applica" stores the values, writes the general settings and
// closes; "Annulla" and Escape close without storing. A field that does not apply (no proxy, no
// authentication) is disabled; unticking the proxy unticks the authentication.
class TImpoConn final : public QDialog
{
    Q_OBJECT

public:
    TImpoConn(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

private:
    void aggiornaAbilitazioni();
    void applica();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    QCheckBox* m_usaProxy;
    QLineEdit* m_server;
    QLineEdit* m_porta;
    QCheckBox* m_autenticazione;
    QLineEdit* m_utente;
    QLineEdit* m_password;
    QLineEdit* m_serverAggiornamenti;
};
