#pragma once

#include <QDialog>

class ElencoRiduttoriWidget;
class QPushButton;
class ServiziFinestre;
struct StatoApplicazione;

// "Gestione riduttori": the personal reducers of the personal folder with their comments, and the
// buttons that create ("Nuovo"), edit ("Modifica") and delete ("Elimina", after the question) them,
// measure one ("Probabilità di vincita", at most 10000 plays) and open the download and publication pages
// on the reducer server. The list is rebuilt after every change.
class TGestioneRiduttori final : public QDialog
{
    Q_OBJECT

public:
    TGestioneRiduttori(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

    void ricarica();

private:
    void aggiornaPulsanti();
    void nuovo();
    void modifica();
    void elimina();
    void probabilita();
    void apriPagina(const char* pagina);

    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    ElencoRiduttoriWidget* m_elenco = nullptr;
    QPushButton* m_modifica = nullptr;
    QPushButton* m_elimina = nullptr;
    QPushButton* m_probabilita = nullptr;
};
