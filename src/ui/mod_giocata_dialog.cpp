#include "ui/mod_giocata_dialog.h"

#include "editor/messaggi_giocate.h"
#include "editor/modifica_giocate.h"
#include "editor/stato_applicazione.h"
#include "ui/campi_giocata.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TModGiocata::TModGiocata(StatoApplicazione& stato, int posizione, std::function<void()> giocateCambiate,
                         QWidget* parent)
    : QDialog(parent), m_stato(stato), m_giocateCambiate(std::move(giocateCambiate))
{
    setObjectName(QStringLiteral("TModGiocata"));
    setWindowTitle(QStringLiteral("Modifica giocata"));

    const int conteggio = m_stato.giocate.conteggio();
    m_posizione = new QSpinBox(this);
    m_posizione->setObjectName(QStringLiteral("posizioneSpinBox"));
    m_posizione->setRange(1, conteggio < 1 ? 1 : conteggio);
    m_posizione->setValue(posizione >= 1 && posizione <= conteggio ? posizione : 1);
    m_posizione->setMinimumWidth(100);
    m_etichetta = new QLabel(this);
    m_etichetta->setObjectName(QStringLiteral("giocataLabel"));
    m_numeri = CreaCasellaNumeri(this);

    const PulsantiApplicaChiudi pulsanti = CreaPulsantiApplicaChiudi(this);
    m_applica = pulsanti.applica;

    auto* riga = new QHBoxLayout;
    riga->addWidget(m_etichetta, 1);
    riga->addWidget(m_posizione);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(riga);
    layout->addWidget(m_numeri);
    layout->addLayout(pulsanti.riga);

    connect(m_posizione, &QSpinBox::valueChanged, this, &TModGiocata::mostraGiocata);
    connect(m_numeri, &QLineEdit::textEdited, this, [this] { m_applica->setEnabled(true); });
    connect(m_applica, &QPushButton::clicked, this, &TModGiocata::applica);

    mostraGiocata();
    m_numeri->setFocus();
}

void TModGiocata::mostraGiocata()
{
    const int posizione = m_posizione->value();
    m_etichetta->setText(QString::fromStdString(messaggi_giocate::NumeroGiocata(posizione)));
    m_numeri->setText(posizione <= m_stato.giocate.conteggio()
                          ? QString::fromStdString(TestoGiocata(m_stato.giocate.voce(posizione)))
                          : QString());
    m_applica->setEnabled(false);
}

void TModGiocata::applica()
{
    const int posizione = m_posizione->value();
    if (posizione < 1 || posizione > m_stato.giocate.conteggio()) {
        return;
    }
    const EsitoModifica esito = ModificaGiocata(posizione, m_numeri->text().toStdString(), m_stato.giocate);
    if (const auto messaggio = MessaggioModifica(esito, false)) {
        m_stato.messaggi.mostra(*messaggio);
        m_numeri->setFocus();
        return;
    }
    m_stato.sistema.modificato = true;
    if (posizione < m_stato.giocate.conteggio()) {
        m_posizione->setValue(posizione + 1);
    } else {
        mostraGiocata();
    }
    m_applica->setEnabled(false);
    m_numeri->setFocus();
    if (m_giocateCambiate) {
        m_giocateCambiate();
    }
}
