#include "ui/seleziona_estrazioni_dialog.h"

#include "checking/manutenzione_archivio.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Descrizione(const char* testa, const ArchivioStorico& archivio, int posizione)
{
    QString testo = QString::fromUtf8(testa) + QString::number(posizione);
    if (posizione >= 1 && posizione <= archivio.conteggio()) {
        testo +=
            QStringLiteral(" del ") + QString::fromStdString(TestoDataBreve(archivio.estrazione(posizione)));
    }
    return testo;
}

} // namespace

TSelezionaEstrazioni::TSelezionaEstrazioni(const ArchivioStorico& archivio, std::int32_t prima,
                                           std::int32_t ultima, const QString& spiegazione, QWidget* parent)
    : QDialog(parent), m_archivio(archivio)
{
    setWindowTitle(QStringLiteral("Selezionare le estrazioni"));
    setModal(true);
    const int n = std::max(1, archivio.conteggio());

    auto* layout = new QVBoxLayout(this);
    auto* testo = new QLabel(spiegazione, this);
    testo->setObjectName(QStringLiteral("spiegazioneLabel"));
    testo->setWordWrap(true);
    layout->addWidget(testo);

    const auto barra = [this, n](const char* nome) {
        auto* b = new QScrollBar(Qt::Horizontal, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setRange(1, n);
        b->setPageStep(std::max(1, n / 20));
        b->setMinimumWidth(360);
        return b;
    };
    m_etichettaPrima = new QLabel(this);
    m_etichettaPrima->setObjectName(QStringLiteral("primaLabel"));
    m_prima = barra("primaScrollBar");
    m_etichettaUltima = new QLabel(this);
    m_etichettaUltima->setObjectName(QStringLiteral("ultimaLabel"));
    m_ultima = barra("ultimaScrollBar");
    m_etichettaQuante = new QLabel(this);
    m_etichettaQuante->setObjectName(QStringLiteral("quanteLabel"));
    layout->addWidget(m_etichettaPrima);
    layout->addWidget(m_prima);
    layout->addWidget(m_etichettaUltima);
    layout->addWidget(m_ultima);
    layout->addWidget(m_etichettaQuante);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okPushButton"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    layout->addLayout(pulsanti);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);

    m_prima->setValue(std::clamp(prima, 1, n));
    m_ultima->setValue(std::clamp(std::max(ultima, m_prima->value()), 1, n));
    connect(m_prima, &QScrollBar::valueChanged, this, &TSelezionaEstrazioni::primaSpostata);
    connect(m_ultima, &QScrollBar::valueChanged, this, &TSelezionaEstrazioni::ultimaSpostata);
    mostra();
}

std::int32_t TSelezionaEstrazioni::prima() const
{
    return m_prima->value();
}

std::int32_t TSelezionaEstrazioni::ultima() const
{
    return m_ultima->value();
}

void TSelezionaEstrazioni::primaSpostata(int valore)
{
    if (valore > m_ultima->value()) {
        m_ultima->setValue(valore);
    }
    mostra();
}

void TSelezionaEstrazioni::ultimaSpostata(int valore)
{
    if (valore < m_prima->value()) {
        m_prima->setValue(valore);
    }
    mostra();
}

void TSelezionaEstrazioni::mostra()
{
    m_etichettaPrima->setText(Descrizione("Estrazione iniziale: nº ", m_archivio, prima()));
    m_etichettaUltima->setText(Descrizione("Estrazione finale: nº ", m_archivio, ultima()));
    m_etichettaQuante->setText(QStringLiteral("Numero di estrazioni selezionate: ") +
                               QString::number(ultima() - prima() + 1));
}
