#include "ui/rid_casuale_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/rid_casuale.h"

#include <QCheckBox>

TRidCasuale::TRidCasuale(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRidCasualeBase(stato, servizi, QStringLiteral("Aggiungi giocate casuali"), ChiaveNumNewRandom, parent)
{
    m_consideraFisse = aggiungiConsideraFisse(QStringLiteral("Considera Fisse"));
    aggiungiCampoQuante(QStringLiteral("Nº di giocate da aggiungere:"));
}

RichiestaCasuale TRidCasuale::controllaQuante(const std::string& testo)
{
    return ControllaAggiuntaCasuale(stato().sistema, stato().giocate, consideraFisse(m_consideraFisse),
                                    testo);
}

EsitoRiduzione TRidCasuale::esegui(ControlloEsecuzione& controllo)
{
    return AggiungiGiocateCasuali(stato().sistema, stato().giocate, consideraFisse(m_consideraFisse),
                                  richieste(), stato().generatore, controllo);
}
