#include "ui/rid_casuale_elimina_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/opzioni_riduzione.h"
#include "reductions/rid_casuale.h"
#include "ui/filtro_cifre.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr const char* TopicGuida = "mdr_casuale.htm";

} // namespace

TRidCasualeElimina::TRidCasualeElimina(StatoApplicazione& stato, ApriGuida apriGuida, QWidget* parent)
    : TRiduzioneDialog(stato, std::move(apriGuida), QString::fromLatin1(TopicGuida),
                       QStringLiteral("Elimina giocate casualmente"), parent)
{
    auto* campi = new QFormLayout;
    m_quante = new QLineEdit(this);
    m_quante->setObjectName(QStringLiteral("giocateLineEdit"));
    m_quante->setMaxLength(8);
    m_quante->installEventFilter(new FiltroCifre(false, m_quante));
    m_quante->setText(
        QString::fromStdString(LeggiConteggioDialogo(stato.impostazioni, ChiaveNumNewRandomDel, 1)));
    campi->addRow(QStringLiteral("Nº di giocate da eliminare:"), m_quante);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_quante);
    resize(420, sizeHint().height());
}

bool TRidCasualeElimina::controllaParametri()
{
    const RichiestaCasuale richiesta =
        ControllaEliminazioneCasuale(stato().giocate, m_quante->text().toStdString());
    if (!richiesta.valida()) {
        stato().messaggi.mostra(*richiesta.rifiuto);
        m_quante->setFocus();
        return false;
    }
    m_richieste = richiesta.quante;
    return true;
}

EsitoRiduzione TRidCasualeElimina::esegui(ControlloEsecuzione& controllo)
{
    return EliminaGiocateCasualmente(stato().sistema, stato().giocate, m_richieste, stato().generatore,
                                     controllo);
}

void TRidCasualeElimina::salvaOpzioni()
{
    SalvaConteggioDialogo(stato().impostazioni, ChiaveNumNewRandomDel, m_quante->text().toStdString());
}
