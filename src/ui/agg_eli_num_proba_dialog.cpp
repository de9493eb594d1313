#include "ui/agg_eli_num_proba_dialog.h"

#include "core/messaggi_servizio.h"
#include "editor/messaggi_giocate.h"
#include "ui/filtro_cifre.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAggEliNumPiuProba::TAggEliNumPiuProba(Verso verso, int massimo, ServizioMessaggi& messaggi,
                                       std::function<void()> impostazioni, QWidget* parent)
    : QDialog(parent), m_messaggi(messaggi), m_impostazioni(std::move(impostazioni)), m_massimo(massimo)
{
    const bool aggiungi = verso == Verso::Aggiungi;
    setObjectName(QStringLiteral("TAggEliNumPiuProba"));
    setWindowTitle(QString::fromUtf8(aggiungi ? messaggi_giocate::AggiungiProbabili
                                              : messaggi_giocate::EliminaMenoProbabili));

    auto* etichetta = new QLabel(QString::fromUtf8(aggiungi ? messaggi_giocate::QuantitaDaAggiungere
                                                            : messaggi_giocate::QuantitaDaEliminareProbabili),
                                 this);
    etichetta->setObjectName(QStringLiteral("quantitaLabel"));
    m_casella = new QLineEdit(QStringLiteral("1"), this);
    m_casella->setObjectName(QStringLiteral("quantitaLineEdit"));
    m_casella->setMaxLength(2);
    m_casella->setFixedWidth(50);
    m_casella->installEventFilter(new FiltroCifre(false, this));
    m_casella->selectAll();

    auto* impostazioniPulsante = new QPushButton(QStringLiteral("Impostazioni"), this);
    impostazioniPulsante->setObjectName(QStringLiteral("impostazioniPushButton"));
    impostazioniPulsante->setAutoDefault(false);
    impostazioniPulsante->setEnabled(static_cast<bool>(m_impostazioni));
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
    pulsanti->addWidget(impostazioniPulsante);
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(riga);
    layout->addLayout(pulsanti);

    connect(impostazioniPulsante, &QPushButton::clicked, this, [this] {
        if (m_impostazioni) {
            m_impostazioni();
        }
    });
    connect(ok, &QPushButton::clicked, this, &TAggEliNumPiuProba::conferma);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    m_casella->setFocus();
}

void TAggEliNumPiuProba::conferma()
{
    int quantita = 0;
    if (!LeggiQuantita(m_casella->text().toStdString(), 1, m_massimo, true, quantita)) {
        m_messaggi.mostra(Avviso(messaggi_giocate::QuantitaNonValida(1, m_massimo)));
        m_casella->setFocus();
        return;
    }
    m_quantita = quantita;
    accept();
}
