#include "ui/nuova_giocata_dialog.h"

#include "editor/messaggi_giocate.h"
#include "editor/modifica_giocate.h"
#include "editor/stato_applicazione.h"
#include "ui/campi_giocata.h"

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
    m_numeri = CreaCasellaNumeri(this);

    const PulsantiApplicaChiudi pulsanti = CreaPulsantiApplicaChiudi(this);
    m_applica = pulsanti.applica;
    m_applica->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_etichetta);
    layout->addWidget(m_numeri);
    layout->addLayout(pulsanti.riga);

    connect(m_numeri, &QLineEdit::textChanged, this, [this] { m_applica->setEnabled(true); });
    connect(m_applica, &QPushButton::clicked, this, &TNuovaGiocata::applica);

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
