#include "reductions/esecuzione_riduzione.h"

#include <algorithm>
#include <limits>
#include <utility>

EsecuzioneRiduzione::EsecuzioneRiduzione(Sistema& sistema, ElencoGiocate& giocate,
                                         ControlloEsecuzione& controllo, Opzioni opzioni)
    : m_sistema(sistema), m_giocate(giocate), m_controllo(controllo), m_opzioni(opzioni)
{
    m_opzioni.intervalloVerifica = std::max<std::int64_t>(1, m_opzioni.intervalloVerifica);
}

void EsecuzioneRiduzione::avvia()
{
    m_consideraFisse = m_opzioni.consideraFisse && m_sistema.numeroFisse > 0;
    m_mappa = m_consideraFisse ? MappaFisse(m_sistema) : MappaFisse();
    if (!m_giocate.vuoto()) {
        m_giocate.CopiaPerAnnulla();
    }
    m_pronostico = PronosticoOrdinato(m_sistema.pronostico);
    m_iniziali = m_giocate.conteggio();
    m_prodotte = 0;
    m_elaborati = 0;
    m_prossimaVerifica = m_opzioni.intervalloVerifica;
    m_mostrate = -1;
    m_interrotta = false;
    m_memoriaEsaurita = false;
    m_inCorso = true;
}

bool EsecuzioneRiduzione::aggiungiAmpliando(const Tipo_Giocata& giocata)
{
    const bool subito = m_opzioni.modo == ModoRiduzione::AggiungeSubito;
    // Deferred plays go after the committed count and the ones produced before; immediate ones
    // after the count, which already holds them.
    const std::int64_t posizione =
        subito ? std::int64_t{m_giocate.conteggio()} + 1 : std::int64_t{m_iniziali} + m_prodotte + 1;
    if (posizione > std::numeric_limits<std::int32_t>::max()) {
        m_memoriaEsaurita = true;
        return false;
    }
    const auto p = static_cast<std::int32_t>(posizione);
    if (p > m_giocate.capacita() && !m_giocate.AssicuraCapacita(p)) {
        m_memoriaEsaurita = true;
        return false;
    }
    m_giocate.voce(p) = giocata;
    ++m_prodotte;
    if (subito) {
        m_giocate.setConteggio(p);
    }
    return true;
}

Tipo_Giocata* EsecuzioneRiduzione::spazioAmpliando(std::int64_t n)
{
    const std::int64_t ultima = std::int64_t{m_iniziali} + m_prodotte + n;
    if (m_opzioni.modo != ModoRiduzione::Aggiunge || ultima > std::numeric_limits<std::int32_t>::max() ||
        (ultima > m_giocate.capacita() && !m_giocate.AssicuraCapacita(static_cast<std::int32_t>(ultima)))) {
        return nullptr;
    }
    return m_giocate.dati() + m_iniziali + m_prodotte;
}

void EsecuzioneRiduzione::mantieni(std::int32_t i)
{
    const auto destinazione = static_cast<std::int32_t>(m_prodotte + 1);
    if (i != destinazione) {
        std::swap(m_giocate.voce(i), m_giocate.voce(destinazione));
    }
    ++m_prodotte;
}

void EsecuzioneRiduzione::elimina(std::int32_t i)
{
    const std::int32_t ultima = m_giocate.conteggio();
    if (i != ultima) {
        std::swap(m_giocate.voce(i), m_giocate.voce(ultima));
    }
    m_giocate.setConteggio(ultima - 1);
    ++m_prodotte;
}

bool EsecuzioneRiduzione::esamina(std::int64_t quanti)
{
    m_elaborati += quanti;
    if (m_elaborati < m_prossimaVerifica) {
        return true;
    }
    m_prossimaVerifica = (m_elaborati / m_opzioni.intervalloVerifica + 1) * m_opzioni.intervalloVerifica;
    return verifica();
}

bool EsecuzioneRiduzione::verifica()
{
    Avanzamento stato;
    stato.elaborati = static_cast<double>(m_elaborati);
    stato.totale = m_totale;
    stato.prodotti = m_mostrate >= 0 ? m_mostrate : m_prodotte;
    if (!m_controllo.verifica(stato)) {
        m_interrotta = true;
        return false;
    }
    return true;
}

EsitoRiduzione EsecuzioneRiduzione::concludi(std::optional<Messaggio> messaggioNessunRisultato)
{
    m_inCorso = false;
    EsitoRiduzione esito;
    esito.giocate = m_prodotte;
    const auto nessunRisultato = [&] {
        esito.codice = CodiceRiduzione::NessunRisultato;
        esito.messaggio = std::move(messaggioNessunRisultato);
        return esito;
    };

    switch (m_opzioni.modo) {
    case ModoRiduzione::Aggiunge:
        if (m_interrotta || m_memoriaEsaurita) {
            break;
        }
        if (m_prodotte == 0) {
            return nessunRisultato();
        }
        m_giocate.setConteggio(static_cast<std::int32_t>(m_iniziali + m_prodotte));
        m_sistema.modificato = true;
        return esito;
    case ModoRiduzione::Mantiene:
        if (m_interrotta || m_memoriaEsaurita) {
            break;
        }
        if (m_prodotte == 0 && !m_opzioni.risultatoVuotoAmmesso) {
            return nessunRisultato();
        }
        if (m_prodotte != m_iniziali) {
            m_giocate.setConteggio(static_cast<std::int32_t>(m_prodotte));
        }
        m_sistema.modificato = true;
        return esito;
    case ModoRiduzione::AggiungeSubito:
        if (m_interrotta) {
            m_giocate.setConteggio(m_iniziali);
            break;
        }
        if (m_memoriaEsaurita) {
            // The plays appended so far stay in the list: the system has changed.
            if (m_prodotte > 0) {
                m_sistema.modificato = true;
            }
            break;
        }
        if (m_prodotte == 0) {
            return nessunRisultato();
        }
        m_sistema.modificato = true;
        return esito;
    case ModoRiduzione::EliminaSubito:
        if (m_interrotta || m_memoriaEsaurita) {
            m_giocate.setConteggio(m_iniziali);
            break;
        }
        if (m_prodotte == 0 || (m_giocate.conteggio() == 0 && !m_opzioni.risultatoVuotoAmmesso)) {
            m_giocate.setConteggio(m_iniziali);
            return nessunRisultato();
        }
        m_sistema.modificato = true;
        return esito;
    case ModoRiduzione::Riscrive:
        // Rewritten plays stay rewritten, even after a stop.
        if (m_prodotte > 0) {
            m_sistema.modificato = true;
        }
        if (m_interrotta || m_memoriaEsaurita) {
            break;
        }
        return esito;
    }
    esito.codice = m_interrotta ? CodiceRiduzione::Interrotta : CodiceRiduzione::MemoriaInsufficiente;
    return esito;
}
