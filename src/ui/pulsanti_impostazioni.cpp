#include "ui/pulsanti_impostazioni.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

RigaPulsantiImpostazioni CreaPulsantiImpostazioni(QDialog* dialogo, std::function<void()> apriGuida)
{
    auto* applica = new QPushButton(QStringLiteral("Applica"), dialogo);
    applica->setObjectName(QStringLiteral("applicaPushButton"));
    applica->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), dialogo);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    auto* guida = new QPushButton(QStringLiteral("Guida in linea"), dialogo);
    guida->setObjectName(QStringLiteral("guidaPushButton"));
    auto* riga = new QHBoxLayout;
    riga->addWidget(guida);
    riga->addStretch(1);
    riga->addWidget(applica);
    riga->addWidget(annulla);
    QObject::connect(annulla, &QPushButton::clicked, dialogo, &QDialog::reject);
    QObject::connect(guida, &QPushButton::clicked, dialogo, std::move(apriGuida));
    return {riga, applica};
}
