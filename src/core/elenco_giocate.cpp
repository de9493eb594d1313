#include "core/elenco_giocate.h"

#include "core/messaggi.h"
#include "core/messaggi_servizio.h"

#include <cassert>
#include <cstdint>
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
    return amplia(0);
}

bool ElencoGiocate::amplia(std::uint64_t impegnati)
{
    // Only the new slots need memory: a large block is moved by remapping its pages, not by copying,
    // and its pages count against the available memory only once they are written.
    const std::optional<std::uint64_t> disponibili = m_memoria->byteDisponibili();
    std::uint64_t concessi = UINT64_MAX;
    if (disponibili) {
        concessi = *disponibili > MargineMemoria + impegnati ? *disponibili - MargineMemoria - impegnati : 0;
    }
    std::int32_t incremento = m_capacita < 1 ? PrimoIncremento : m_capacita / 2;
    while (incremento >= 1) {
        const std::int64_t nuova = static_cast<std::int64_t>(m_capacita) + incremento;
        const std::uint64_t byte = static_cast<std::uint64_t>(incremento) * sizeof(Tipo_Giocata);
        if (nuova <= INT32_MAX && byte <= concessi) {
            auto* blocco = m_allocatore->rialloca(m_voci, static_cast<std::size_t>(nuova));
            if (blocco != nullptr) {
                m_voci = blocco;
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
    // The slots granted by the earlier steps are not written yet: they still need their memory.
    std::uint64_t impegnati = 0;
    while (m_capacita < n) {
        const std::int32_t prima = m_capacita;
        if (!amplia(impegnati)) {
            return false;
        }
        impegnati += static_cast<std::uint64_t>(m_capacita - prima) * sizeof(Tipo_Giocata);
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
