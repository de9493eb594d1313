#include "ui/nuova_giocata_dialog.h"

#include "editor/messaggi_giocate.h"
#include "editor/modifica_giocate.h"
#include "editor/stato_applicazione.h"
#include "ui/filtro_cifre.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNuovaGiocata::TNuovaGiocata(StatoApplicazione& stato, std::function<void()> giocateCambiate, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_giocateCambiate(std::move(giocateCambiate))
{
    setObjectName(QStringLiteral("TNuovaGiocata"));
    setWindowTitle(QStringLiteral("Inserimento giocate da tastiera"));

    m_etichetta = new QLabel(this);
    m_etichetta->setObjectName(QStringLiteral("giocataLabel"));
    m_numeri = new QLineEdit(this);
    m_numeri->setObjectName(QStringLiteral("numeriLineEdit"));
    m_numeri->setMaxLength(30);
    m_numeri->setMinimumWidth(240);
    m_numeri->setToolTip(QString::fromUtf8(messaggi_giocate::SuggerimentoNumeri));
    m_numeri->installEventFilter(new FiltroCifre(true, this));

    m_applica = new QPushButton(QStringLiteral("Applica"), this);
    m_applica->setObjectName(QStringLiteral("applicaPushButton"));
    m_applica->setDefault(true);
    m_applica->setEnabled(false);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudiPushButton"));
    chiudi->setAutoDefault(false);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(m_applica);
    pulsanti->addWidget(chiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_etichetta);
    layout->addWidget(m_numeri);
    layout->addLayout(pulsanti);

    connect(m_numeri, &QLineEdit::textChanged, this, [this] { m_applica->setEnabled(true); });
    connect(m_applica, &QPushButton::clicked, this, &TNuovaGiocata::applica);
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    mostraNumero();
    m_numeri->setFocus();
}

void TNuovaGiocata::mostraNumero()
{
    m_etichetta->setText(
        QString::fromStdString(messaggi_giocate::NumeroGiocata(m_stato.giocate.conteggio() + 1)));
}

void TNuovaGiocata::applica()
{
    const EsitoModifica esito = AggiungiGiocata(m_numeri->text().toStdString(), m_stato.giocate);
    if (const auto messaggio = MessaggioModifica(esito, true)) {
        m_stato.messaggi.mostra(*messaggio);
    }
    if (esito == EsitoModifica::Fatto) {
        m_stato.sistema.modificato = true;
        mostraNumero();
        m_numeri->clear();
    }
    m_numeri->setFocus();
    m_applica->setEnabled(false);
    if (m_giocateCambiate) {
        m_giocateCambiate();
    }
}
