#include "ui/rid_casuale_base.h"

#include "editor/stato_applicazione.h"
#include "reductions/opzioni_riduzione.h"
#include "reductions/rid_casuale.h"
#include "ui/filtro_tasti.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr const char* TopicGuida = "mdr_casuale.htm";

} // namespace

TRidCasualeBase::TRidCasualeBase(StatoApplicazione& stato, ServiziFinestre& servizi, const QString& titolo,
                                 std::string_view chiave, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QString::fromLatin1(TopicGuida), titolo, parent), m_chiave(chiave)
{}

void TRidCasualeBase::aggiungiCampoQuante(const QString& etichetta)
{
    auto* campi = new QFormLayout;
    m_quante = new QLineEdit(this);
    m_quante->setObjectName(QStringLiteral("giocateLineEdit"));
    m_quante->setMaxLength(8);
    m_quante->installEventFilter(FiltroTasti::Cifre(false, m_quante));
    m_quante->setText(QString::fromStdString(LeggiConteggioDialogo(stato().impostazioni, m_chiave, 1)));
    campi->addRow(etichetta, m_quante);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_quante);
    resize(420, sizeHint().height());
}

bool TRidCasualeBase::controllaParametri()
{
    const RichiestaCasuale richiesta = controllaQuante(m_quante->text().toStdString());
    if (!richiesta.valida()) {
        stato().messaggi.mostra(*richiesta.rifiuto);
        m_quante->setFocus();
        return false;
    }
    m_richieste = richiesta.quante;
    return true;
}

void TRidCasualeBase::salvaOpzioni()
{
    SalvaConteggioDialogo(stato().impostazioni, m_chiave, m_quante->text().toStdString());
}
