#include "ui/impo_frequenze_dialog.h"

#include "core/impostazioni.h"
#include "core/probabilita.h"
#include "editor/stato_applicazione.h"

#include "ui_impo_frequenze_dialog.h"

TImpoFrequenze::TImpoFrequenze(StatoApplicazione& stato, Ricalcola ricalcola, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TImpoFrequenze>()), m_stato(stato),
      m_ricalcola(std::move(ricalcola))
{
    m_ui->setupUi(this);
    m_ui->numeroEstrazioniLineEdit->setText(QString::number(m_stato.generali.ifNumEstra));
    m_ui->numeroEstrazioniLineEdit->selectAll();

    connect(m_ui->okPushButton, &QPushButton::clicked, this, &TImpoFrequenze::conferma);
    connect(m_ui->annullaPushButton, &QPushButton::clicked, this, &QDialog::reject);
}

TImpoFrequenze::~TImpoFrequenze() = default;

void TImpoFrequenze::conferma()
{
    const std::optional<std::int32_t> numero = LeggiNumeroEstrazioniFrequenze(
        m_ui->numeroEstrazioniLineEdit->text().toStdString(), m_stato.archivio.conteggio());
    if (!numero) {
        m_stato.messaggi.mostra(Avviso(messaggi_probabilita::NumeroEstrazioniNonValido));
        m_ui->numeroEstrazioniLineEdit->setFocus();
        return;
    }
    m_stato.generali.ifNumEstra = *numero;
    SalvaImpostazioniGenerali(m_stato.impostazioni, m_stato.generali);
    if (m_ricalcola) {
        m_ricalcola();
    } else {
        m_stato.ricalcolaStatistiche();
    }
    accept();
}
