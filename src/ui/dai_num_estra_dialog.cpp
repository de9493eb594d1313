#include "ui/dai_num_estra_dialog.h"

#include "checking/manutenzione_archivio.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

TDaiNumEstra::TDaiNumEstra(const ArchivioStorico& archivio, QWidget* parent)
    : QDialog(parent), m_archivio(archivio)
{
    setWindowTitle(QStringLiteral("Specificare l'estrazione"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* gruppo = new QGroupBox(QStringLiteral(" Indicare l'estrazione da usare per lo spoglio "), this);
    auto* interno = new QVBoxLayout(gruppo);

    m_barra = new QScrollBar(Qt::Horizontal, gruppo);
    m_barra->setObjectName(QStringLiteral("concorsoScrollBar"));
    m_barra->setMinimumWidth(320);
    m_concorso = new QLabel(gruppo);
    m_concorso->setObjectName(QStringLiteral("concorsoLabel"));
    interno->addWidget(m_concorso);
    interno->addWidget(m_barra);

    auto* righeData = new QHBoxLayout;
    const auto lista = [gruppo, righeData](const char* nome, const char* etichetta) {
        auto* l = new QComboBox(gruppo);
        l->setObjectName(QString::fromLatin1(nome));
        l->setMinimumContentsLength(4);
        auto* e = new QLabel(QString::fromUtf8(etichetta), gruppo);
        e->setBuddy(l);
        righeData->addWidget(e);
        righeData->addWidget(l);
        return l;
    };
    m_giorni = lista("giornoComboBox", "Giorno:");
    m_mesi = lista("meseComboBox", "Mese:");
    m_anni = lista("annoComboBox", "Anno:");
    righeData->addStretch();
    interno->addLayout(righeData);
    layout->addWidget(gruppo);
    for (int m = 1; m <= 12; ++m) {
        m_mesi->addItem(QString::number(m), m);
    }

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("okPushButton"));
    m_ok->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);
    pulsanti->addWidget(m_ok);
    pulsanti->addWidget(annulla);
    layout->addLayout(pulsanti);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_barra, &QScrollBar::valueChanged, this, &TDaiNumEstra::barraSpostata);
    for (QComboBox* l : {m_anni, m_mesi, m_giorni}) {
        connect(l, &QComboBox::activated, this, &TDaiNumEstra::dataScelta);
    }
    mostraEstrazione(0);
}

void TDaiNumEstra::showEvent(QShowEvent* evento)
{
    mostraEstrazione(posizione());
    QDialog::showEvent(evento);
}

std::int32_t TDaiNumEstra::posizione() const
{
    return m_archivio.vuoto() ? 0 : m_barra->value();
}

void TDaiNumEstra::mostraEstrazione(std::int32_t posizione)
{
    const int n = m_archivio.conteggio();
    m_riempimento = true;
    m_anni->clear();
    for (int anno : AnniArchivio(m_archivio)) {
        m_anni->addItem(QString::number(anno), anno);
    }
    m_barra->setRange(n > 0 ? 1 : 0, n);
    m_barra->setPageStep(std::max(1, n / 20));
    m_riempimento = false;
    m_ok->setEnabled(n > 0);
    m_barra->setEnabled(n > 0);
    const int scelta = posizione >= 1 ? std::min(posizione, n) : n;
    if (m_barra->value() == scelta) {
        barraSpostata(scelta);
    } else {
        m_barra->setValue(scelta);
    }
}

void TDaiNumEstra::barraSpostata(int valore)
{
    mostraConcorso();
    if (m_riempimento || valore < 1 || valore > m_archivio.conteggio()) {
        return;
    }
    const Tipo_Estrazione& e = m_archivio.estrazione(valore);
    m_riempimento = true;
    m_anni->setCurrentIndex(m_anni->findData(e.anno()));
    m_mesi->setCurrentIndex(e.mese - 1);
    riempiGiorni(e.anno(), e.mese, e.giorno);
    m_riempimento = false;
}

void TDaiNumEstra::riempiGiorni(int anno, int mese, int giorno)
{
    m_giorni->clear();
    for (int g : GiorniConEstrazione(m_archivio, anno, mese)) {
        m_giorni->addItem(QString::number(g), g);
    }
    const int indice = m_giorni->findData(giorno);
    m_giorni->setCurrentIndex(indice >= 0 ? indice : (m_giorni->count() > 0 ? 0 : -1));
}

// A date picked on the lists points the bar at its draw; the lists keep what the user picked, so a
// month without draws shows no day.
void TDaiNumEstra::dataScelta()
{
    if (m_riempimento || m_archivio.vuoto()) {
        return;
    }
    const int anno = m_anni->currentData().toInt();
    const int mese = m_mesi->currentData().toInt();
    m_riempimento = true;
    riempiGiorni(anno, mese, m_giorni->currentData().toInt());
    const int giorno = m_giorni->currentIndex() >= 0 ? m_giorni->currentData().toInt() : 0;
    m_barra->setValue(PosizioneData(m_archivio, anno, mese, giorno));
    m_riempimento = false;
    mostraConcorso();
}

void TDaiNumEstra::mostraConcorso()
{
    m_concorso->setText(QStringLiteral("Nº Concorso: ") +
                        (m_archivio.vuoto() ? QString() : QString::number(m_barra->value())));
}
