#pragma once

#include "core/giocata.h"
#include "core/memoria_disponibile.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class ServizioMessaggi;

// Resizes the storage of the play list; returns nullptr when the memory is not available, in
// which case the old block stays valid and unchanged. Injectable so that a test can exercise the
// growth policy on an allocator that fails.
class AllocatoreGiocate
{
public:
    virtual ~AllocatoreGiocate() = default;
    virtual Tipo_Giocata* rialloca(Tipo_Giocata* vecchio, std::size_t nuoveVoci) = 0;
    virtual void libera(Tipo_Giocata* blocco) = 0;
};

// realloc-based: a large list grows without copying where the system can remap pages.
class AllocatoreStandard final : public AllocatoreGiocate
{
public:
    Tipo_Giocata* rialloca(Tipo_Giocata* vecchio, std::size_t nuoveVoci) override;
    void libera(Tipo_Giocata* blocco) override;
};

// The one list of plays of the program: 1-based, one contiguous block of 10-byte records that
// grows in large steps and never shrinks, a search cursor, and a one-level undo copy of at most
// 314572 plays.
class ElencoGiocate
{
public:
    static constexpr std::int32_t MassimoAnnulla = 314572;
    static constexpr std::int32_t PrimoIncremento = 3355443;
    // What a growth must leave to the rest of the program (windows, statistics, the system's own
    // needs): a growth that would eat into it is refused like a failed allocation.
    static constexpr std::uint64_t MargineMemoria = std::uint64_t{128} << 20;

    explicit ElencoGiocate(AllocatoreGiocate* allocatore = nullptr);
    ~ElencoGiocate();
    ElencoGiocate(const ElencoGiocate&) = delete;
    ElencoGiocate& operator=(const ElencoGiocate&) = delete;

    // The warning shown when growing fails; without a service the failure is only returned.
    void setServizioMessaggi(ServizioMessaggi* servizio) { m_messaggi = servizio; }
    // Where growth asks how much memory is left (nullptr: the system's figure).
    void setMemoriaDisponibile(const MemoriaDisponibile* memoria)
    {
        m_memoria = memoria != nullptr ? memoria : &m_memoriaSistema;
    }

    std::int32_t conteggio() const { return m_conteggio; }
    std::int32_t capacita() const { return m_capacita; }
    std::int32_t cursore() const { return m_cursore; }
    bool vuoto() const { return m_conteggio == 0; }

    // Play i, 1 <= i <= capacita().
    Tipo_Giocata& voce(std::int32_t i) { return m_voci[i - 1]; }
    const Tipo_Giocata& voce(std::int32_t i) const { return m_voci[i - 1]; }
    // Slot 1 of the contiguous block, for hot loops.
    Tipo_Giocata* dati() { return m_voci; }
    const Tipo_Giocata* dati() const { return m_voci; }

    // Raises or lowers the count of valid plays; 0 <= n <= capacita(). Clearing sets 0.
    void setConteggio(std::int32_t n);
    void svuota() { m_conteggio = 0; }

    // Grows the capacity by one increment: 3355443 on an empty list, else half the capacity; on
    // failure the increment is quartered and tried again while it is at least 1. An increment whose
    // bytes would leave less than MargineMemoria of the available memory counts as a failure, so the
    // list never grows into memory the machine cannot give. New slots are left as the allocator gives
    // them (only plays 1..count are meaningful; clearing leaves old plays behind anyway), so a growth
    // touches no page it does not copy. When every attempt fails, shows the memory warning and returns
    // false with the list unchanged. Asks for the available memory once a call.
    [[nodiscard]] bool AmpliaElenco();

    // Grows until the capacity is at least n; false (warning shown) when growing fails. The memory
    // check of each step counts the slots granted by the steps before it, none of them written yet;
    // a failure keeps the capacity reached so far (the plays are untouched).
    [[nodiscard]] bool AssicuraCapacita(std::int32_t n);

    // Index 1..count of a play equal to the given one, 0 when none. Scans from the play after the
    // cursor to the end, then wraps to 1..cursor; a hit moves the cursor there. A run of searches
    // in list order costs one comparison each.
    std::int32_t CercaGiocata(const Tipo_Giocata& giocata);
    // The same search restricted to plays 1..n (n <= count); 0 when n < 1.
    std::int32_t CercaGiocataTra(const Tipo_Giocata& giocata, std::int32_t n);
    // Plays compared by the last search (for tests and benchmarks of the cursor).
    std::int64_t confrontiUltimaRicerca() const { return m_confronti; }

    // Allocates the undo buffer once (start-up); false when the memory is not available, and the
    // program then runs without undo.
    bool AllocaAnnulla();
    bool annullaDisponibile() const { return m_annulla != nullptr; }
    std::int32_t conteggioAnnulla() const { return m_conteggioAnnulla; }

    // Snapshot of plays 1..count when 1 <= count <= 314572 and the buffer exists; otherwise the
    // previous snapshot stays.
    void CopiaPerAnnulla();
    // Copies the snapshot back and sets count to its size; the snapshot itself stays.
    void RipristinaCopia();

private:
    std::int32_t cerca(const Tipo_Giocata& giocata, std::int32_t n);
    // AmpliaElenco with `impegnati` bytes of earlier growth not yet in use.
    bool amplia(std::uint64_t impegnati);

    AllocatoreStandard m_standard;
    MemoriaDelSistema m_memoriaSistema;
    const MemoriaDisponibile* m_memoria = &m_memoriaSistema;
    AllocatoreGiocate* m_allocatore;
    ServizioMessaggi* m_messaggi = nullptr;
    Tipo_Giocata* m_voci = nullptr;
    std::int32_t m_conteggio = 0;
    std::int32_t m_capacita = 0;
    std::int32_t m_cursore = 0;
    std::int64_t m_confronti = 0;
    std::unique_ptr<Tipo_Giocata[]> m_annulla;
    std::int32_t m_conteggioAnnulla = 0;
};
