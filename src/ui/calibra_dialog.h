#pragma once

#include "printing/calibrazione.h"

#include <QDialog>

#include <vector>

class AnteprimaSchedina;
class QLineEdit;
class QRadioButton;
class ServiziFinestre;
class StampanteCondivisa;
struct StatoApplicazione;

// The calibration dialogs, one family: the record's fields typed or nudged with the arrows, the clamping,
// a test slip, the defaults, saving. Each member is a subclass naming its model and orientation.
class TCalibraSchedina : public QDialog
{
    Q_OBJECT

public:
    TCalibraSchedina(stampa::MembroCalibrazione membro, StatoApplicazione& stato, ServiziFinestre& servizi,
                     StampanteCondivisa& stampante, QWidget* genitore = nullptr);

    const stampa::CalibrazioneSchedina& lavoro() const { return m_lavoro; }

private:
    void leggiCampi();
    void mostraCampi();
    void aggiornaAnteprima();
    void freccia(std::size_t indice, int verso);
    void bloccaggio(bool centrale);
    void stampaProva();
    void salva();
    void ripristina();
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

    stampa::MembroCalibrazione m_membro;
    StatoApplicazione& m_stato;
    ServiziFinestre& m_servizi;
    StampanteCondivisa& m_stampante;
    stampa::CalibrazioneSchedina m_lavoro;
    stampa::CalibrazioneSchedina m_riferimento;
    bool m_centrale = false;
    std::vector<QLineEdit*> m_campi;
    QRadioButton* m_laterale = nullptr;
    QRadioButton* m_centraleRadio = nullptr;
    AnteprimaSchedina* m_anteprima = nullptr;
};

// Opens the member's dialog through the window services.
void ApriCalibrazione(stampa::MembroCalibrazione membro, StatoApplicazione& stato, ServiziFinestre& servizi,
                      StampanteCondivisa& stampante, QWidget* genitore);

#define QUARVIN_CALIBRAZIONE(Classe, Membro)                                                                 \
    Classe(StatoApplicazione& stato, ServiziFinestre& servizi, StampanteCondivisa& stampante,                \
           QWidget* genitore = nullptr)                                                                      \
        : TCalibraSchedina(stampa::MembroCalibrazione::Membro, stato, servizi, stampante, genitore)          \
    {}

class TCalibraScheSimbolottoVer final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TCalibraScheSimbolottoVer, SimbolottoVerticale)
};
class TCalibraSimbolottoOr final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TCalibraSimbolottoOr, SimbolottoOrizzontale)
};
class TCalibraNuoveVer final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TCalibraNuoveVer, MdnVerticale)
};
class TCalibraNuoveOr final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TCalibraNuoveOr, MdnOrizzontale)
};
class TCalibLPiuVer final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TCalibLPiuVer, LottoPiuVerticale)
};
class TCalibLPiuOr final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TCalibLPiuOr, LottoPiuOrizzontale)
};
class TNewCalibraVer final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TNewCalibraVer, SngVerticale)
};
class TNewCalibra final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TNewCalibra, SngOrizzontale)
};
class TOldCalibraVer final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TOldCalibraVer, SciVerticale)
};
class TOldCalibra final : public TCalibraSchedina
{
    Q_OBJECT
public:
    QUARVIN_CALIBRAZIONE(TOldCalibra, SciOrizzontale)
};

#undef QUARVIN_CALIBRAZIONE
