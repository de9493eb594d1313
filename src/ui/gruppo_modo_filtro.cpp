#include "ui/gruppo_modo_filtro.h"

#include "editor/stato_applicazione.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QRadioButton>

GruppoModoFiltro::GruppoModoFiltro(Qt::Orientation disposizione, const StatoApplicazione& stato,
                                   QWidget* parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("modoGroupBox"));
    auto* layout = new QBoxLayout(
        disposizione == Qt::Horizontal ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, this);
    m_pronostico = new QRadioButton(QStringLiteral("Applica riduzione al pronostico"), this);
    m_pronostico->setObjectName(QStringLiteral("pronosticoRadioButton"));
    m_giocate = new QRadioButton(this);
    m_giocate->setObjectName(QStringLiteral("giocateRadioButton"));
    m_consideraFisse = new QCheckBox(QStringLiteral("Considera Fisse"), this);
    m_consideraFisse->setObjectName(QStringLiteral("consideraFisseCheckBox"));
    const bool conFisse = stato.sistema.numeroFisse > 0;
    m_consideraFisse->setEnabled(conFisse);
    m_consideraFisse->setChecked(conFisse);
    layout->addWidget(m_pronostico);
    layout->addWidget(m_giocate);
    if (disposizione == Qt::Horizontal) {
        layout->addStretch(1);
    }
    layout->addWidget(m_consideraFisse);
    aggiorna(stato.giocate.conteggio());
    connect(m_pronostico, &QRadioButton::toggled, this, &GruppoModoFiltro::modoCambiato);
}

void GruppoModoFiltro::aggiorna(std::int32_t giocate)
{
    m_giocate->setText(QStringLiteral("Applica riduzione alle ") + QString::number(giocate) +
                       QStringLiteral(" giocate attuali"));
    m_giocate->setEnabled(giocate > 0);
    if (giocate != m_conteggio || (giocate == 0 && m_giocate->isChecked())) {
        (giocate > 0 ? m_giocate : m_pronostico)->setChecked(true);
        m_conteggio = giocate;
    }
}

ModoFiltro GruppoModoFiltro::modo() const
{
    return m_giocate->isChecked() ? ModoFiltro::Giocate : ModoFiltro::Pronostico;
}
