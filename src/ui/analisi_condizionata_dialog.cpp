#include "ui/analisi_condizionata_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/analisi_condizionata.h"
#include "reductions/messaggi_riduzioni.h"

#include <QTableWidget>

#include <vector>

namespace {

constexpr const char* TopicGuida = "mdr_condizionata.htm";

QStringList RigheCriteri(bool conFisse)
{
    QStringList righe;
    for (Criterio c : Criteri) {
        righe << QString::fromUtf8(Descrizione(c).didascalia);
    }
    if (conFisse) {
        righe << QStringLiteral("Fisse");
    }
    return righe;
}

// Which rows count: the enabled criteria and, when the fixed option is on, "Fisse".
std::vector<bool> RigheAttive(const CondizioniRiduzione& condizioni, bool conFisse)
{
    std::vector<bool> attive;
    for (int r = 0; r < CriteriCondizioni + 1; ++r) {
        attive.push_back(r < CriteriCondizioni ? condizioni.abilitato(CriterioDi(r)) : conFisse);
    }
    return attive;
}

// Every row in view at once.
constexpr int RigheInVista = 25;

} // namespace

TAnalisiRidCondizionata::TAnalisiRidCondizionata(StatoApplicazione& stato, ServiziFinestre& servizi,
                                                 const CondizioniRiduzione& condizioni, ModoCondizionata modo,
                                                 bool consideraFisse, QWidget* parent)
    : TAnalisiDialog(stato.messaggi, servizi,
                     Testi{QStringLiteral("Analisi giocate"),
                           QStringLiteral("Nº giocate che non rispettano le condizioni"), RigheCriteri(true),
                           QString::fromUtf8(messaggi_riduzioni::GiocateValide),
                           QString::fromLatin1(TopicGuida), true},
                     parent),
      m_stato(stato), m_condizioni(condizioni), m_modo(modo),
      m_consideraFisse(consideraFisse && stato.sistema.numeroFisse > 0)
{
    mostraConteggiABarre(RigheAttive(m_condizioni, m_consideraFisse));
    resize(640, RigheInVista * (griglia()->fontMetrics().height() + 6) + 170);
}

void TAnalisiRidCondizionata::calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi)
{
    AnalisiCondizioniGiocate(m_stato.sistema, m_stato.giocate, m_condizioni, m_modo, m_consideraFisse,
                             conteggi, controllo);
}

TAnalisiStoricaRidCond::TAnalisiStoricaRidCond(StatoApplicazione& stato, ServiziFinestre& servizi,
                                               const CondizioniRiduzione& condizioni, int sceltaRuota,
                                               int sceltaDimensione, QWidget* parent)
    : TAnalisiDialog(stato.messaggi, servizi,
                     Testi{QString::fromStdString(TitoloAnalisiStorica(sceltaRuota, sceltaDimensione)),
                           QStringLiteral("Nº estrazioni che non rispettano le condizioni"),
                           RigheCriteri(false), QString::fromUtf8(messaggi_riduzioni::EstrazioniValide),
                           QString::fromLatin1(TopicGuida)},
                     parent),
      m_stato(stato), m_condizioni(condizioni), m_ruota(sceltaRuota), m_dimensione(sceltaDimensione)
{
    mostraConteggiABarre(RigheAttive(m_condizioni, false));
    resize(640, RigheInVista * (griglia()->fontMetrics().height() + 6) + 170);
}

void TAnalisiStoricaRidCond::calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi)
{
    const CampioneStorico campione(m_stato.archivio, m_ruota, m_dimensione);
    AnalisiCondizioniStorica(campione, m_condizioni, conteggi, controllo);
}
