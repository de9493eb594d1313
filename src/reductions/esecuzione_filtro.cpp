#include "reductions/esecuzione_filtro.h"

namespace mfi = messaggi_filtro;

EsecuzioneRiduzione::Opzioni OpzioniFiltro(ModoFiltro modo, bool consideraFisse)
{
    EsecuzioneRiduzione::Opzioni opzioni;
    opzioni.consideraFisse = consideraFisse;
    if (modo == ModoFiltro::Giocate) {
        opzioni.modo = ModoRiduzione::EliminaSubito;
        opzioni.intervalloVerifica = IntervalloVerificaFiltro;
        opzioni.risultatoVuotoAmmesso = true;
    } else {
        opzioni.modo = ModoRiduzione::Aggiunge;
    }
    return opzioni;
}

RaccoltaCandidati::RaccoltaCandidati(EsecuzioneRiduzione& esecuzione)
    : m_esecuzione(esecuzione), m_iniziali(esecuzione.iniziali()), m_duplicati(esecuzione.iniziali() > 0)
{
    if (esecuzione.numeriPerGiocata() >= 2) {
        m_finoAllaVerifica = IntervalloVerificaCombinazioni;
    }
}

bool RaccoltaCandidati::verifica()
{
    m_finoAllaVerifica = IntervalloVerificaCombinazioni;
    m_esaminate += IntervalloVerificaCombinazioni;
    m_esecuzione.setElaborati(m_esaminate);
    m_esecuzione.setMostrate(m_iniziali + m_esecuzione.aggiunte());
    return m_esecuzione.verifica();
}

EsitoRiduzione ConcludiFiltroGiocate(EsecuzioneRiduzione& esecuzione)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    EsitoRiduzione esito = esecuzione.concludi(Avviso(mfi::TutteEliminate));
    if (esito.codice == CodiceRiduzione::NessunRisultato && giocate.conteggio() > 0) {
        // Every play passed: nothing removed, and that is a result too.
        esito.codice = CodiceRiduzione::Completata;
        esito.messaggio.reset();
    }
    if (esito.codice == CodiceRiduzione::Completata && giocate.conteggio() == 0) {
        // Every play refused: the list stays empty, and the dialog stays open with the message.
        esito.codice = CodiceRiduzione::NessunRisultato;
        esito.messaggio = Avviso(mfi::TutteEliminate);
    }
    return esito;
}

EsitoRiduzione ConcludiFiltroPronostico(EsecuzioneRiduzione& esecuzione)
{
    return esecuzione.concludi(Avviso(mfi::NessunaNuovaGiocata));
}
