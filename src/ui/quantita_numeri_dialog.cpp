#include "ui/quantita_numeri_dialog.h"

#include "core/messaggi_servizio.h"
#include "editor/messaggi_giocate.h"
#include "editor/pronostico_aiuti.h"
#include "ui/filtro_tasti.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TQuantitaNumeri::TQuantitaNumeri(const QString& nomeOggetto, const QString& titolo, const QString& etichetta,
                                 int massimo, bool abbassaOltreMassimo, bool conImpostazioni,
                                 ServizioMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), m_messaggi(messaggi), m_massimo(massimo), m_abbassaOltreMassimo(abbassaOltreMassimo)
{
    setObjectName(nomeOggetto);
    setWindowTitle(titolo);

    auto* testo = new QLabel(etichetta, this);
    testo->setObjectName(QStringLiteral("quantitaLabel"));
    m_casella = new QLineEdit(QStringLiteral("1"), this);
    m_casella->setObjectName(QStringLiteral("quantitaLineEdit"));
    m_casella->setMaxLength(2);
    m_casella->setFixedWidth(50);
    m_casella->installEventFilter(FiltroTasti::Cifre(false, this));
    m_casella->selectAll();

    if (conImpostazioni) {
        m_impostazioni = new QPushButton(QStringLiteral("Impostazioni"), this);
        m_impostazioni->setObjectName(QStringLiteral("impostazioniPushButton"));
        m_impostazioni->setAutoDefault(false);
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okPushButton"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);

    auto* riga = new QHBoxLayout;
    riga->addWidget(testo);
    riga->addWidget(m_casella);
    riga->addStretch(1);
    auto* pulsanti = new QHBoxLayout;
    if (m_impostazioni != nullptr) {
        pulsanti->addWidget(m_impostazioni);
    }
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(riga);
    layout->addLayout(pulsanti);

    connect(ok, &QPushButton::clicked, this, &TQuantitaNumeri::conferma);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    m_casella->setFocus();
}

void TQuantitaNumeri::conferma()
{
    int quantita = 0;
    if (!LeggiQuantita(m_casella->text().toStdString(), 1, m_massimo, m_abbassaOltreMassimo, quantita)) {
        m_messaggi.mostra(Avviso(messaggi_giocate::QuantitaNonValida(1, m_massimo)));
        m_casella->setFocus();
        return;
    }
    m_quantita = quantita;
    accept();
}
