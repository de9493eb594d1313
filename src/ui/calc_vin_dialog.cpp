#include "ui/calc_vin_dialog.h"

#include "checking/vincite.h"
#include "core/importi.h"
#include "core/impostazioni_generali.h"
#include "core/messaggi_servizio.h"
#include "ui/filtro_tasti.h"

#include "ui_calc_vin_dialog.h"

#include <QLineEdit>

#include <array>

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

    auto* filtro = FiltroTasti::Punto(this);
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
    std::array<std::string, 5> testi;
    for (std::size_t k = 0; k < caselle.size(); ++k) {
        testi[k] = caselle[k]->text().toStdString();
    }
    const ImportiCalcolatore letti = LeggiImportiCalcolatore(testi);
    if (!letti.valido()) {
        m_messaggi.mostra(Errore(letti.errore));
        if (letti.campo >= 0) {
            caselle[static_cast<std::size_t>(letti.campo)]->setFocus();
        }
        return;
    }
    const int divisore =
        m_ui->ruotaComboBox->currentIndex() == 1 ? pagamenti::DivisoreTutte : pagamenti::DivisoreRuota;
    const RisultatoCalcolo risultato =
        CalcolaVincita(m_ui->giocatiComboBox->currentIndex() + 1, m_ui->indovinatiComboBox->currentIndex(),
                       letti.importi, divisore, m_impostazioni.vincitaMassima);
    const QString testo =
        QString::fromUtf8(messaggi_vincite::Totale) +
        QString::fromStdString(FormatoImporto(risultato.totale, true, m_impostazioni.decimali)) +
        QStringLiteral(" €");
    m_ui->totaleLabel->setText(testo);
    m_ui->totaleLabel->setToolTip(testo);
    m_ui->calcolaPushButton->setEnabled(false);
}
