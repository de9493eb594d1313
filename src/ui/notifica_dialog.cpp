#include "ui/notifica_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TNotificaAggiornamento::TNotificaAggiornamento(const QString& testo, bool aggiornamentoDisponibile,
                                               QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TNotificaAggiornamento"));
    setWindowTitle(QStringLiteral("Notifica Aggiornamento"));
    auto* layout = new QVBoxLayout(this);

    auto* riga = new QHBoxLayout;
    auto* icona = new QLabel(this);
    icona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(40, 40));
    riga->addWidget(icona, 0, Qt::AlignTop);
    auto* messaggio = new QLabel(testo, this);
    messaggio->setObjectName(QStringLiteral("testoLabel"));
    messaggio->setWordWrap(true);
    messaggio->setMinimumWidth(340);
    riga->addWidget(messaggio, 1);
    layout->addLayout(riga);

    auto* domanda =
        new QLabel(aggiornamentoDisponibile
                       ? QStringLiteral("Aggiornare ora l'archivio da Internet?")
                       : QStringLiteral("L'aggiornamento da Internet non è ancora disponibile in questa "
                                        "versione del programma."),
                   this);
    domanda->setObjectName(QStringLiteral("domandaLabel"));
    domanda->setWordWrap(true);
    layout->addWidget(domanda);

    m_nonMostrare = new QCheckBox(QStringLiteral("Non mostrare più questa scheda"), this);
    m_nonMostrare->setObjectName(QStringLiteral("nonMostrareCheckBox"));
    layout->addWidget(m_nonMostrare);

    auto* pulsanti = new QDialogButtonBox(this);
    if (aggiornamentoDisponibile) {
        auto* aggiorna = pulsanti->addButton(QStringLiteral("Aggiorna"), QDialogButtonBox::AcceptRole);
        aggiorna->setObjectName(QStringLiteral("aggiornaPushButton"));
        aggiorna->setDefault(true);
    }
    auto* chiudi = pulsanti->addButton(QStringLiteral("Chiudi"), QDialogButtonBox::RejectRole);
    chiudi->setObjectName(QStringLiteral("chiudiPushButton"));
    layout->addWidget(pulsanti);
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool TNotificaAggiornamento::nonMostrarePiu() const
{
    return m_nonMostrare->isChecked();
}
