#include "ui/agg_eli_num_casu_dialog.h"

#include "core/messaggi_servizio.h"
#include "editor/messaggi_giocate.h"
#include "ui/filtro_cifre.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAggEliNumCasu::TAggEliNumCasu(Verso verso, int massimo, ServizioMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), m_messaggi(messaggi), m_massimo(massimo)
{
    const bool aggiungi = verso == Verso::Aggiungi;
    setObjectName(QStringLiteral("TAggEliNumCasu"));
    setWindowTitle(QString::fromUtf8(aggiungi ? messaggi_giocate::AggiungiCasualmente
                                              : messaggi_giocate::EliminaCasualmente));

    auto* etichetta = new QLabel(QString::fromUtf8(aggiungi ? messaggi_giocate::QuantitaDaAggiungere
                                                            : messaggi_giocate::QuantitaDaEliminare),
                                 this);
    etichetta->setObjectName(QStringLiteral("quantitaLabel"));
    m_casella = new QLineEdit(QStringLiteral("1"), this);
    m_casella->setObjectName(QStringLiteral("quantitaLineEdit"));
    m_casella->setMaxLength(2);
    m_casella->setFixedWidth(50);
    m_casella->installEventFilter(new FiltroCifre(false, this));
    m_casella->selectAll();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okPushButton"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Anulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);

    auto* riga = new QHBoxLayout;
    riga->addWidget(etichetta);
    riga->addWidget(m_casella);
    riga->addStretch(1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(riga);
    layout->addLayout(pulsanti);

    connect(ok, &QPushButton::clicked, this, &TAggEliNumCasu::conferma);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    m_casella->setFocus();
}

void TAggEliNumCasu::conferma()
{
    int quantita = 0;
    if (!LeggiQuantita(m_casella->text().toStdString(), 1, m_massimo, false, quantita)) {
        m_messaggi.mostra(Avviso(messaggi_giocate::QuantitaNonValida(1, m_massimo)));
        m_casella->setFocus();
        return;
    }
    m_quantita = quantita;
    accept();
}
