#include "ui/calc_vin_dialog.h"

#include "checking/vincite.h"
#include "core/importi.h"
#include "core/impostazioni_generali.h"
#include "core/messaggi_servizio.h"

#include "ui_calc_vin_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <array>

namespace {

// The calculator's amounts are typed with a point: a comma becomes a point; digits, the point and
// control keys pass; every other printable key is discarded.
class FiltroTastiPunto final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress) {
            return QObject::eventFilter(oggetto, evento);
        }
        auto* tasto = static_cast<QKeyEvent*>(evento);
        const QString testo = tasto->text();
        if (testo.isEmpty() || testo.at(0).unicode() < 32 || testo.at(0).unicode() == 127) {
            return false;
        }
        const QChar c = testo.at(0);
        if (c == QLatin1Char(',')) {
            QKeyEvent punto(QEvent::KeyPress, Qt::Key_Period, tasto->modifiers(), QStringLiteral("."));
            QCoreApplication::sendEvent(oggetto, &punto);
            return true;
        }
        return !((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'));
    }
};

} // namespace

TCalcVin::TCalcVin(const ImpostazioniGenerali& impostazioni, ServizioMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TCalcVin>()), m_impostazioni(impostazioni),
      m_messaggi(messaggi)
{
    m_ui->setupUi(this);
    m_ui->ruotaComboBox->addItems({QStringLiteral("Singola"), QStringLiteral("Tutte")});
    for (int n = 1; n <= 10; ++n) {
        m_ui->giocatiComboBox->addItem(QString::number(n));
    }
    for (int h = 0; h <= 10; ++h) {
        m_ui->indovinatiComboBox->addItem(QString::number(h));
    }
    m_ui->giocatiComboBox->setCurrentIndex(4);
    m_ui->indovinatiComboBox->setCurrentIndex(1);

    auto* filtro = new FiltroTastiPunto(this);
    for (QLineEdit* casella : {m_ui->estrattoLineEdit, m_ui->amboLineEdit, m_ui->ternoLineEdit,
                               m_ui->quaternaLineEdit, m_ui->cinquinaLineEdit}) {
        casella->installEventFilter(filtro);
        connect(casella, &QLineEdit::textChanged, this, &TCalcVin::abilitaCalcolo);
    }
    for (QComboBox* lista : {m_ui->ruotaComboBox, m_ui->giocatiComboBox, m_ui->indovinatiComboBox}) {
        connect(lista, &QComboBox::currentIndexChanged, this, &TCalcVin::abilitaCalcolo);
    }
    connect(m_ui->calcolaPushButton, &QPushButton::clicked, this, &TCalcVin::calcola);
    connect(m_ui->chiudiPushButton, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

TCalcVin::~TCalcVin() = default;

void TCalcVin::abilitaCalcolo()
{
    m_ui->calcolaPushButton->setEnabled(true);
}

void TCalcVin::calcola()
{
    const std::array<QLineEdit*, 5> caselle = {m_ui->estrattoLineEdit, m_ui->amboLineEdit,
                                               m_ui->ternoLineEdit, m_ui->quaternaLineEdit,
                                               m_ui->cinquinaLineEdit};
    std::array<double, 5> importi{};
    double somma = 0;
    for (std::size_t k = 0; k < caselle.size(); ++k) {
        if (!LeggiImporto(caselle[k]->text().trimmed().toStdString(), importi[k])) {
            m_messaggi.mostra(Errore(messaggi_vincite::ImportiNonValidi[k]));
            caselle[k]->setFocus();
            return;
        }
        somma += importi[k];
    }
    if (!(somma > 0)) {
        m_messaggi.mostra(Errore(messaggi_vincite::ImportiZero));
        return;
    }
    const int divisore =
        m_ui->ruotaComboBox->currentIndex() == 1 ? pagamenti::DivisoreTutte : pagamenti::DivisoreRuota;
    const RisultatoCalcolo risultato =
        CalcolaVincita(m_ui->giocatiComboBox->currentIndex() + 1, m_ui->indovinatiComboBox->currentIndex(),
                       importi, divisore, m_impostazioni.vincitaMassima);
    const QString testo =
        QString::fromUtf8(messaggi_vincite::Totale) +
        QString::fromStdString(FormatoImporto(risultato.totale, true, m_impostazioni.decimali)) +
        QStringLiteral(" €");
    m_ui->totaleLabel->setText(testo);
    m_ui->totaleLabel->setToolTip(testo);
    m_ui->calcolaPushButton->setEnabled(false);
}
