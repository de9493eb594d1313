#include "core/elenco_giocate.h"

#include "core/messaggi.h"
#include "core/messaggi_servizio.h"

#include <cassert>
#include <cstdlib>
#include <cstring>
#include <new>

Tipo_Giocata* AllocatoreStandard::rialloca(Tipo_Giocata* vecchio, std::size_t nuoveVoci)
{
    return static_cast<Tipo_Giocata*>(std::realloc(vecchio, nuoveVoci * sizeof(Tipo_Giocata)));
}

void AllocatoreStandard::libera(Tipo_Giocata* blocco)
{
    std::free(blocco);
}

ElencoGiocate::ElencoGiocate(AllocatoreGiocate* allocatore)
    : m_allocatore(allocatore != nullptr ? allocatore : &m_standard)
{}

ElencoGiocate::~ElencoGiocate()
{
    m_allocatore->libera(m_voci);
}

void ElencoGiocate::setConteggio(std::int32_t n)
{
    assert(n >= 0 && n <= m_capacita);
    m_conteggio = n;
}

bool ElencoGiocate::AmpliaElenco()
{
    std::int32_t incremento = m_capacita < 1 ? PrimoIncremento : m_capacita / 2;
    while (incremento >= 1) {
        std::int64_t nuova = static_cast<std::int64_t>(m_capacita) + incremento;
        if (nuova <= INT32_MAX) {
            auto* blocco = m_allocatore->rialloca(m_voci, static_cast<std::size_t>(nuova));
            if (blocco != nullptr) {
                m_voci = blocco;
                std::memset(m_voci + m_capacita, 0,
                            static_cast<std::size_t>(incremento) * sizeof(Tipo_Giocata));
                m_capacita = static_cast<std::int32_t>(nuova);
                return true;
            }
        }
        incremento /= 4;
    }
    if (m_messaggi != nullptr) {
        m_messaggi->mostra(Avviso(messaggi::MemoriaInsufficiente));
    }
    return false;
}

bool ElencoGiocate::AssicuraCapacita(std::int32_t n)
{
    while (m_capacita < n) {
        if (!AmpliaElenco()) {
            return false;
        }
    }
    return true;
}

std::int32_t ElencoGiocate::CercaGiocata(const Tipo_Giocata& giocata)
{
    return cerca(giocata, m_conteggio);
}

std::int32_t ElencoGiocate::CercaGiocataTra(const Tipo_Giocata& giocata, std::int32_t n)
{
    return cerca(giocata, n < m_conteggio ? n : m_conteggio);
}

std::int32_t ElencoGiocate::cerca(const Tipo_Giocata& giocata, std::int32_t n)
{
    m_confronti = 0;
    if (n < 1) {
        return 0;
    }
    const Tipo_Giocata* voci = m_voci;
    for (std::int32_t i = m_cursore + 1; i <= n; ++i) {
        if (voci[i - 1] == giocata) {
            m_confronti += i - m_cursore;
            m_cursore = i;
            return i;
        }
    }
    if (m_cursore < n) {
        m_confronti += n - m_cursore;
    }
    std::int32_t limite = m_cursore < n ? m_cursore : n;
    for (std::int32_t i = 1; i <= limite; ++i) {
        if (voci[i - 1] == giocata) {
            m_confronti += i;
            m_cursore = i;
            return i;
        }
    }
    m_confronti += limite;
    return 0;
}

bool ElencoGiocate::AllocaAnnulla()
{
    if (!m_annulla) {
        m_annulla.reset(new (std::nothrow) Tipo_Giocata[MassimoAnnulla]);
    }
    return m_annulla != nullptr;
}

void ElencoGiocate::CopiaPerAnnulla()
{
    if (!m_annulla || m_conteggio < 1 || m_conteggio > MassimoAnnulla) {
        return;
    }
    std::memcpy(m_annulla.get(), m_voci, static_cast<std::size_t>(m_conteggio) * sizeof(Tipo_Giocata));
    m_conteggioAnnulla = m_conteggio;
}

void ElencoGiocate::RipristinaCopia()
{
    if (!m_annulla || m_conteggioAnnulla < 1) {
        return;
    }
    if (!AssicuraCapacita(m_conteggioAnnulla)) {
        return;
    }
    std::memcpy(m_voci, m_annulla.get(), static_cast<std::size_t>(m_conteggioAnnulla) * sizeof(Tipo_Giocata));
    m_conteggio = m_conteggioAnnulla;
}
