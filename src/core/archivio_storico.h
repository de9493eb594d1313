#pragma once

#include "core/estrazione.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The historic draws, oldest first, at most one per date, at most 12000 (record 1..count, count the most
// recent). Kept in Quarvin.db: 77 arbitrary header bytes, then the 60-byte records.
class ArchivioStorico
{
public:
    static constexpr std::int32_t Capacita = 12000;
    static constexpr std::size_t DimensioneIntestazione = 77;

    std::int32_t conteggio() const { return static_cast<std::int32_t>(m_estrazioni.size()); }
    bool vuoto() const { return m_estrazioni.empty(); }
    // Draw i, 1 <= i <= conteggio().
    const Tipo_Estrazione& estrazione(std::int32_t i) const { return m_estrazioni[i - 1]; }
    const Tipo_Estrazione* dati() const { return m_estrazioni.data(); }
    void svuota() { m_estrazioni.clear(); }

    // 1-based index of the draw in the archive: appended when later than the last, inserted in date order
    // otherwise, replacing a draw of the same date. 0 when the archive is full and the date is new (nothing
    // changes then).
    std::int32_t InserisciEstrazione(const Tipo_Estrazione& estrazione);
    // Removes draw i; the following ones move down. An index outside 1..conteggio() changes nothing.
    void EliminaEstrazione(std::int32_t i);

    // 1-based index of the draw with this yyyymmdd key (Tipo_Estrazione::chiaveData), 0 when there is none.
    // Binary search: O(log count).
    std::int32_t indiceData(std::int32_t chiave) const;

private:
    std::vector<Tipo_Estrazione> m_estrazioni;
};

// A record that can stand in the archive: day 1..31, month 1..12, year 1900..2100, and every wheel either
// without data (its five numbers 0) or with five different numbers 1..90.
bool EstrazioneValida(const Tipo_Estrazione& estrazione);

// The draw date as "dd/mm/yyyy".
std::string TestoData(const Tipo_Estrazione& estrazione);

// Day/month/year read from "d/m/yyyy": day 1..31, month 1..12, year 1900..2100 (31/02 passes). Each part is a
// non-empty run of decimal digits and nothing else, so "12/5", "/5/2003", "1/1/2000/1" and " 1/1/2000" are
// refused; leading zeros are allowed. On failure the outputs are left unchanged.
[[nodiscard]] bool LeggiData(std::string_view testo, int& giorno, int& mese, int& anno);
