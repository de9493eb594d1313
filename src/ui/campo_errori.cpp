#include "ui/campo_errori.h"

#include "ui/filtro_tasti.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

CampoErrori::CampoErrori(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* etichetta = new QLabel(QStringLiteral("Numero massimo di errori consentiti:"), this);
    auto* meno = new QToolButton(this);
    meno->setObjectName(QStringLiteral("erroriMenoToolButton"));
    meno->setArrowType(Qt::LeftArrow);
    m_errori = new QLineEdit(QStringLiteral("0"), this);
    m_errori->setObjectName(QStringLiteral("erroriLineEdit"));
    m_errori->setFixedWidth(48);
    m_errori->setAlignment(Qt::AlignCenter);
    m_errori->installEventFilter(FiltroTasti::Cifre(false, m_errori));
    etichetta->setBuddy(m_errori);
    auto* piu = new QToolButton(this);
    piu->setObjectName(QStringLiteral("erroriPiuToolButton"));
    piu->setArrowType(Qt::RightArrow);
    layout->addWidget(etichetta);
    layout->addWidget(meno);
    layout->addWidget(m_errori);
    layout->addWidget(piu);
    layout->addStretch(1);
    connect(meno, &QToolButton::clicked, this, [this] { cambia(-1); });
    connect(piu, &QToolButton::clicked, this, [this] { cambia(1); });
}

void CampoErrori::mostra(qlonglong errori)
{
    m_errori->setText(QString::number(errori));
}

// A field that does not read as a number counts as 0.
void CampoErrori::cambia(int passo)
{
    bool letto = false;
    const qlonglong attuale = m_errori->text().trimmed().toLongLong(&letto);
    qlonglong errori = std::max<qlonglong>(0, (letto ? attuale : 0) + passo);
    if (m_massimo >= 0) {
        errori = std::min<qlonglong>(errori, m_massimo);
    }
    mostra(errori);
}
