#include "ui/perrtf_dialog.h"

#include "checking/aggiornamento.h"
#include "checking/messaggi_aggiornamento.h"
#include "checking/testo_rtf.h"
#include "core/file_binario.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tperrtf::Tperrtf(const QString& testo, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tperrtf"));
    setWindowTitle(QString::fromUtf8(messaggi_aggiornamento::TitoloMessaggio));
    auto* layout = new QVBoxLayout(this);
    m_testo = new QPlainTextEdit(this);
    m_testo->setObjectName(QStringLiteral("testoPlainTextEdit"));
    m_testo->setReadOnly(true);
    m_testo->setPlainText(testo);
    layout->addWidget(m_testo, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okPushButton"));
    ok->setDefault(true);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addStretch(1);
    layout->addLayout(pulsanti);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(480, 360);
}

QString Tperrtf::testoDaFile(const QString& percorso)
{
    const auto byte = LeggiFileIntero(percorso.toStdString(), aggiornamento::MessaggioMassimo);
    if (!byte) {
        return {};
    }
    const std::string rtf(byte->begin(), byte->end());
    return QString::fromStdString(TestoDaRtf(rtf));
}
