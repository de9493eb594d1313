#include "ui/rid_casuale_elimina_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/rid_casuale.h"

TRidCasualeElimina::TRidCasualeElimina(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRidCasualeBase(stato, servizi, QStringLiteral("Elimina giocate casualmente"), ChiaveNumNewRandomDel,
                      parent)
{
    aggiungiCampoQuante(QStringLiteral("Nº di giocate da eliminare:"));
}

RichiestaCasuale TRidCasualeElimina::controllaQuante(const std::string& testo)
{
    return ControllaEliminazioneCasuale(stato().giocate, testo);
}

EsitoRiduzione TRidCasualeElimina::esegui(ControlloEsecuzione& controllo)
{
    return EliminaGiocateCasualmente(stato().sistema, stato().giocate, richieste(), stato().generatore,
                                     controllo);
}
