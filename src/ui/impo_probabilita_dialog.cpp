#include "ui/impo_probabilita_dialog.h"

#include "core/impostazioni.h"
#include "core/probabilita.h"
#include "editor/stato_applicazione.h"
#include "ui/impo_frequenze_dialog.h"
#include "ui/servizi_finestre.h"

#include "ui_impo_probabilita_dialog.h"

namespace {

constexpr const char* TopicGuida = "imp_probabilita.htm";

} // namespace

TImpoProbabilita::TImpoProbabilita(StatoApplicazione& stato, ServiziFinestre& servizi, Ricalcola ricalcola,
                                   QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TImpoProbabilita>()), m_stato(stato), m_servizi(servizi),
      m_ricalcola(std::move(ricalcola))
{
    m_ui->setupUi(this);

    // Only the user's clicks apply the interplay of the two switches; filling the widgets does not.
    connect(m_ui->ritardiCheckBox, &QCheckBox::clicked, this, &TImpoProbabilita::componenteCliccato);
    connect(m_ui->frequenzeCheckBox, &QCheckBox::clicked, this, &TImpoProbabilita::componenteCliccato);
    connect(m_ui->pesiSlider, &QSlider::valueChanged, this, &TImpoProbabilita::mostraPesi);
    connect(m_ui->frequenzePushButton, &QPushButton::clicked, this, &TImpoProbabilita::apriFrequenze);
    connect(m_ui->guidaPushButton, &QPushButton::clicked, this, &TImpoProbabilita::apriGuida);
    connect(m_ui->okPushButton, &QPushButton::clicked, this, &TImpoProbabilita::conferma);
    connect(m_ui->annullaPushButton, &QPushButton::clicked, this, &QDialog::reject);

    mostra(LeggiImpostazioniProbabilita(m_stato.generali));
    m_ui->pesiSlider->setFocus();
}

TImpoProbabilita::~TImpoProbabilita() = default;

void TImpoProbabilita::mostra(const ImpostazioniProbabilita& s)
{
    m_ui->ritardiCheckBox->setChecked(s.usaRitardi);
    m_ui->ritardiPiuRadioButton->setChecked(s.ritardiDirProp);
    m_ui->ritardiMenoRadioButton->setChecked(!s.ritardiDirProp);
    m_ui->ritardiSceltaWidget->setEnabled(s.usaRitardi);
    m_ui->frequenzeCheckBox->setChecked(s.usaFrequenze);
    m_ui->frequenzeMenoRadioButton->setChecked(s.frequenzeInvProp);
    m_ui->frequenzePiuRadioButton->setChecked(!s.frequenzeInvProp);
    m_ui->frequenzeSceltaWidget->setEnabled(s.usaFrequenze);
    m_ui->pesiSlider->setValue(s.posizione);
    mostraPesi(s.posizione);
}

ImpostazioniProbabilita TImpoProbabilita::scelte() const
{
    ImpostazioniProbabilita s;
    s.usaRitardi = m_ui->ritardiCheckBox->isChecked();
    s.ritardiDirProp = m_ui->ritardiPiuRadioButton->isChecked();
    s.usaFrequenze = m_ui->frequenzeCheckBox->isChecked();
    s.frequenzeInvProp = m_ui->frequenzeMenoRadioButton->isChecked();
    s.posizione = m_ui->pesiSlider->value();
    return s;
}

void TImpoProbabilita::componenteCliccato()
{
    ImpostazioniProbabilita s = scelte();
    RegolaComponenti(s);
    mostra(s);
}

void TImpoProbabilita::mostraPesi(int posizione)
{
    ImpostazioniProbabilita s;
    s.posizione = posizione;
    m_ui->pesiLabel->setText(
        QStringLiteral("Peso ritardi/frequenze: %1/%2").arg(s.pesoRitardi()).arg(s.pesoFrequenze()));
}

void TImpoProbabilita::apriFrequenze()
{
    TImpoFrequenze dialogo(m_stato, m_ricalcola, this);
    dialogo.exec();
}

void TImpoProbabilita::conferma()
{
    ApplicaImpostazioniProbabilita(scelte(), m_stato.generali);
    SalvaImpostazioniGenerali(m_stato.impostazioni, m_stato.generali);
    if (m_ricalcola) {
        m_ricalcola();
    } else {
        m_stato.ricalcolaStatistiche();
    }
    accept();
}

void TImpoProbabilita::apriGuida()
{
    m_servizi.apriGuida(QString::fromLatin1(TopicGuida));
}
