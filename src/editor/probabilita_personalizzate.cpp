#include "editor/probabilita_personalizzate.h"

#include "core/probabilita.h"
#include "editor/file_riduzioni.h"

namespace {

// Where the scores sit in the custom-probability block, after the intervals.
constexpr std::size_t OffsetPunteggi = 1608;

} // namespace

std::array<double, 90> ProbabilitaPersonalizzate(const RecordRiduzioni& record)
{
    std::array<double, 90> probabilita{};
    for (std::size_t i = 0; i < probabilita.size(); ++i) {
        probabilita[i] = LeggiCampoDouble(record.probabilitaPersonali, OffsetPunteggi + 8 * i);
    }
    return probabilita;
}

void PoniProbabilitaPersonalizzate(RecordRiduzioni& record, const std::array<double, 90>& probabilita)
{
    for (std::size_t i = 0; i < probabilita.size(); ++i) {
        ScriviCampoDouble(record.probabilitaPersonali, OffsetPunteggi + 8 * i, probabilita[i]);
    }
}

bool ImpostaProbabilitaPredefinite(const std::string& cartellaDati, const RecordRiduzioni& record,
                                   ServizioMessaggi& messaggi)
{
    if (!ScriviProbabilitaPersonalizzate(cartellaDati, ProbabilitaPersonalizzate(record))) {
        messaggi.mostra(MessaggioErroreScritturaDisco());
        return false;
    }
    messaggi.mostra(Messaggio{messaggi_probabilita::ProbabilitaImpostate,
                              messaggi_probabilita::TitoloProbabilitaImpostate, Icona::Informazione,
                              Pulsanti::Ok, Risposta::Ok});
    return true;
}

EsitoRipristino RipristinaProbabilitaPredefinite(const std::string& cartellaDati, RecordRiduzioni& record,
                                                 ServizioMessaggi& messaggi)
{
    const Messaggio domanda{messaggi_probabilita::ConfermaRipristino, "Attenzione", Icona::Domanda,
                            Pulsanti::SiNo, Risposta::Si};
    const Risposta risposta = messaggi.mostra(domanda);
    if (risposta != Risposta::Si) {
        return EsitoRipristino::NonRichiesto;
    }
    std::array<double, 90> probabilita = ProbabilitaPersonalizzate(record);
    switch (LeggiProbabilitaPersonalizzate(cartellaDati, probabilita)) {
    case EsitoLettura::Letto:
        PoniProbabilitaPersonalizzate(record, probabilita);
        return EsitoRipristino::Ripristinate;
    case EsitoLettura::Assente:
        return EsitoRipristino::Assenti;
    case EsitoLettura::Rifiutato:
        break;
    }
    return EsitoRipristino::Rifiutate;
}
