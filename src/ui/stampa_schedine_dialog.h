#pragma once

#include "printing/impaginazione.h"
#include "printing/opzioni_stampa.h"

#include <QDialog>

#include <functional>

class AnteprimaSchedina;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class ServiziFinestre;
class StampanteCondivisa;
struct StatoApplicazione;

// A slip print dialog: the preview of the slip of one play, the orientation, one slip or a range (with the
// stop), calibration, printer, preview of the pages and print to PDF. The three models differ in their
// slip and, for the current slip, in the Simbolotto and subscription options.
class TStampaSchedine : public QDialog
{
    Q_OBJECT

public:
    TStampaSchedine(stampa::ModelloSchedina modello, StatoApplicazione& stato, ServiziFinestre& servizi,
                    StampanteCondivisa& stampante, QWidget* genitore = nullptr);

    int schedinaMostrata() const { return m_mostrata; }

private:
    void costruisci();
    void mostra(int giocata);
    stampa::OpzioniSchedina opzioni() const;
    stampa::Orientamento orientamento() const;
    void orientamentoCambiato();
    void numeroScritto(QLineEdit* campo);

    void stampaUna();
    void stampaIntervallo();
    bool leggiIntervallo(int& da, int& a);
    void anteprima();
    void suPdf();
    void calibra();
    void chiudi();
    void reject() override;

    // Lays out slips da..a for the printer and paints them; `prima` may stop before a slip.
    bool stampaSu(QPrinter& stampante, int da, int a, const std::function<bool(int giocata)>& prima = {});
    void erroreNumero(const char* testo, QLineEdit* campo);

    stampa::ModelloSchedina m_modello;
    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    StampanteCondivisa& m_stampante;
    int m_mostrata = 1;
    bool m_interrompi = false;

    AnteprimaSchedina* m_anteprima = nullptr;
    QLabel* m_numeroSchedina = nullptr;
    QRadioButton* m_verticale = nullptr;
    QRadioButton* m_orizzontale = nullptr;
    QLabel* m_verso = nullptr;
    QCheckBox* m_stampaNumero = nullptr;
    QCheckBox* m_simbolotto = nullptr;
    QCheckBox* m_abbonamento = nullptr;
    QComboBox* m_durata = nullptr;
    QLineEdit* m_una = nullptr;
    QLineEdit* m_da = nullptr;
    QLineEdit* m_a = nullptr;
    QPushButton* m_interrompiPulsante = nullptr;
};

// The current slip with the Simbolotto.
class TGiocateSuScheSimbolotto final : public TStampaSchedine
{
    Q_OBJECT
public:
    TGiocateSuScheSimbolotto(StatoApplicazione& stato, ServiziFinestre& servizi,
                             StampanteCondivisa& stampante, QWidget* genitore = nullptr)
        : TStampaSchedine(stampa::ModelloSchedina::Simbolotto, stato, servizi, stampante, genitore)
    {}
};

// Mod. MDN.
class TNewGiocateSuSche final : public TStampaSchedine
{
    Q_OBJECT
public:
    TNewGiocateSuSche(StatoApplicazione& stato, ServiziFinestre& servizi, StampanteCondivisa& stampante,
                      QWidget* genitore = nullptr)
        : TStampaSchedine(stampa::ModelloSchedina::Mdn, stato, servizi, stampante, genitore)
    {}
};

// LottoPiù.
class TColSuSche_lp final : public TStampaSchedine
{
    Q_OBJECT
public:
    TColSuSche_lp(StatoApplicazione& stato, ServiziFinestre& servizi, StampanteCondivisa& stampante,
                  QWidget* genitore = nullptr)
        : TStampaSchedine(stampa::ModelloSchedina::LottoPiu, stato, servizi, stampante, genitore)
    {}
};
