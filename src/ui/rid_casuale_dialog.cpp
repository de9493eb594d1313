#include "ui/rid_casuale_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/opzioni_riduzione.h"
#include "reductions/rid_casuale.h"
#include "ui/filtro_cifre.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr const char* TopicGuida = "mdr_casuale.htm";

} // namespace

TRidCasuale::TRidCasuale(StatoApplicazione& stato, ApriGuida apriGuida, QWidget* parent)
    : TRiduzioneDialog(stato, std::move(apriGuida), QString::fromLatin1(TopicGuida),
                       QStringLiteral("Aggiungi giocate casuali"), parent)
{
    m_consideraFisse = aggiungiConsideraFisse(QStringLiteral("Considera Fisse"));

    auto* campi = new QFormLayout;
    m_quante = new QLineEdit(this);
    m_quante->setObjectName(QStringLiteral("giocateLineEdit"));
    m_quante->setMaxLength(8);
    m_quante->installEventFilter(new FiltroCifre(false, m_quante));
    m_quante->setText(
        QString::fromStdString(LeggiConteggioDialogo(stato.impostazioni, ChiaveNumNewRandom, 1)));
    campi->addRow(QStringLiteral("Nº di giocate da aggiungere:"), m_quante);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_quante);
    resize(420, sizeHint().height());
}

bool TRidCasuale::controllaParametri()
{
    const RichiestaCasuale richiesta = ControllaAggiuntaCasuale(
        stato().sistema, stato().giocate, consideraFisse(m_consideraFisse), m_quante->text().toStdString());
    if (!richiesta.valida()) {
        stato().messaggi.mostra(*richiesta.rifiuto);
        m_quante->setFocus();
        return false;
    }
    m_richieste = richiesta.quante;
    return true;
}

EsitoRiduzione TRidCasuale::esegui(ControlloEsecuzione& controllo)
{
    return AggiungiGiocateCasuali(stato().sistema, stato().giocate, consideraFisse(m_consideraFisse),
                                  m_richieste, stato().generatore, controllo);
}

void TRidCasuale::salvaOpzioni()
{
    SalvaConteggioDialogo(stato().impostazioni, ChiaveNumNewRandom, m_quante->text().toStdString());
}
