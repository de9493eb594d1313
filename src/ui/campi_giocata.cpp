#include "ui/campi_giocata.h"

#include "editor/messaggi_giocate.h"
#include "ui/filtro_tasti.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* CreaCasellaNumeri(QWidget* genitore)
{
    auto* numeri = new QLineEdit(genitore);
    numeri->setObjectName(QStringLiteral("numeriLineEdit"));
    numeri->setMaxLength(30);
    numeri->setMinimumWidth(240);
    numeri->setToolTip(QString::fromUtf8(messaggi_giocate::SuggerimentoNumeri));
    numeri->installEventFilter(FiltroTasti::Cifre(true, genitore));
    return numeri;
}

PulsantiApplicaChiudi CreaPulsantiApplicaChiudi(QDialog* dialogo)
{
    auto* applica = new QPushButton(QStringLiteral("Applica"), dialogo);
    applica->setObjectName(QStringLiteral("applicaPushButton"));
    applica->setDefault(true);
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), dialogo);
    chiudi->setObjectName(QStringLiteral("chiudiPushButton"));
    chiudi->setAutoDefault(false);
    QObject::connect(chiudi, &QPushButton::clicked, dialogo, &QDialog::reject);

    auto* riga = new QHBoxLayout;
    riga->addStretch(1);
    riga->addWidget(applica);
    riga->addWidget(chiudi);
    return {applica, riga};
}
