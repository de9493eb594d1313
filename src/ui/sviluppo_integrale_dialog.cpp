#include "ui/sviluppo_integrale_dialog.h"

#include "editor/stato_applicazione.h"
#include "editor/sviluppo_integrale.h"
#include "ui/servizi_finestre.h"

#include "ui_sviluppo_integrale_dialog.h"

#include <QCloseEvent>

namespace {

constexpr const char* TopicGuida = "mdr_svilint.htm";

} // namespace

TSviluppoIntegrale::TSviluppoIntegrale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TSviluppoIntegrale>()), m_stato(stato), m_servizi(servizi),
      m_controllo(stato.messaggi)
{
    m_ui->setupUi(this);
    m_controllo.setBarra(m_ui->avanzamentoProgressBar);

    const bool conFisse = m_stato.sistema.numeroFisse > 0;
    m_ui->consideraFisseCheckBox->setEnabled(conFisse);
    m_ui->consideraFisseCheckBox->setChecked(conFisse);

    connect(m_ui->avviaPushButton, &QPushButton::clicked, this, &TSviluppoIntegrale::avvia);
    connect(m_ui->interrompiPushButton, &QPushButton::clicked, this, &TSviluppoIntegrale::interrompi);
    connect(m_ui->annullaPushButton, &QPushButton::clicked, this, &TSviluppoIntegrale::reject);
    connect(m_ui->guidaPushButton, &QPushButton::clicked, this, &TSviluppoIntegrale::apriGuida);
}

TSviluppoIntegrale::~TSviluppoIntegrale() = default;

void TSviluppoIntegrale::reject()
{
    if (!m_inEsecuzione) {
        QDialog::reject();
    }
}

void TSviluppoIntegrale::closeEvent(QCloseEvent* evento)
{
    if (m_inEsecuzione) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TSviluppoIntegrale::mostraInEsecuzione(bool inEsecuzione)
{
    m_inEsecuzione = inEsecuzione;
    m_ui->opzioniGroupBox->setEnabled(!inEsecuzione);
    m_ui->avviaPushButton->setEnabled(!inEsecuzione);
    m_ui->annullaPushButton->setEnabled(!inEsecuzione);
    m_ui->interrompiPushButton->setEnabled(inEsecuzione);
    // Clears the stop request and puts the bar back to 0.
    m_controllo.azzera();
}

void TSviluppoIntegrale::avvia()
{
    if (m_inEsecuzione) {
        return;
    }
    const bool consideraFisse =
        m_ui->consideraFisseCheckBox->isEnabled() && m_ui->consideraFisseCheckBox->isChecked();
    mostraInEsecuzione(true);
    const EsitoSviluppo esito =
        SviluppoIntegrale(m_stato.sistema, consideraFisse, m_stato.giocate, m_controllo);
    if (const auto messaggio = esito.messaggio()) {
        m_stato.messaggi.mostra(*messaggio);
    }
    mostraInEsecuzione(false);
    if (esito.codice == CodiceSviluppo::Completato) {
        accept();
    }
}

void TSviluppoIntegrale::interrompi()
{
    m_controllo.richiediInterruzione();
}

void TSviluppoIntegrale::apriGuida()
{
    m_servizi.apriGuida(QString::fromLatin1(TopicGuida));
}
