#include "ui/imposta_punteggi_dialog.h"

#include "ui/rid_giocate_filtro_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TImpostaPunteggi::TImpostaPunteggi(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TImpostaPunteggi"));
    setWindowTitle(QStringLiteral("Selezionare i punteggi consentiti"));

    auto* riga = new QHBoxLayout;
    riga->setSpacing(1);
    riga->addWidget(new QLabel(QStringLiteral("Punteggi consentiti"), this));
    riga->addSpacing(8);
    for (int s = 0; s <= 10; ++s) {
        QPushButton* p = PulsanteValore(QString::number(s), this);
        p->setObjectName(QStringLiteral("punteggio%1PushButton").arg(s));
        m_punteggi[static_cast<std::size_t>(s)] = p;
        riga->addWidget(p);
    }
    riga->addStretch(1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okPushButton"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(riga);
    layout->addSpacing(6);
    layout->addLayout(pulsanti);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

std::uint16_t TImpostaPunteggi::punteggi() const
{
    std::uint16_t flags = 0;
    for (std::size_t s = 0; s < m_punteggi.size(); ++s) {
        if (m_punteggi[s]->isChecked()) {
            flags = static_cast<std::uint16_t>(flags | (1U << s));
        }
    }
    return flags;
}
