#pragma once

#include <QDialog>

#include <array>

class ServiziFinestre;
struct StatoApplicazione;
class QCheckBox;
class QGroupBox;

// "Notifiche aggiornamenti": whether the program warns at start-up that the archive is behind
// (`notificaaggio`) and which draw days it watches (`GiorniNotifica`, stored Sunday first, shown Monday
// first as an Italian calendar does). "Applica" stores both, writes the general settings and closes;
// "Annulla" and Escape close without storing. The days are disabled while the notification is off.
class TImpoNotifiche final : public QDialog
{
    Q_OBJECT

public:
    TImpoNotifiche(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

private:
    void applica();

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    QCheckBox* m_notifica;
    QGroupBox* m_gruppoGiorni;
    std::array<QCheckBox*, 7> m_giorni{}; // indexed as stored: 0 = Sunday
};
