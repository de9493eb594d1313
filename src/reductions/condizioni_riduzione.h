#pragma once

#include "editor/record_riduzioni.h"
#include "reductions/criteri_condizioni.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The conditions of "Riduzione condizionata" as they are stored: the 17888-byte image kept in
// Quarvin.con and in the system file, read into fields and written back byte for byte.

// Up to 100 intervals [minimo, massimo], both inclusive; only the first `numero` count.
struct ListaIntervalli
{
    static constexpr std::int32_t Massimo = 100;

    std::array<double, Massimo> minimi{};
    std::array<double, Massimo> massimi{};
    std::int32_t numero = 0;
    std::array<std::uint8_t, 4> riservati{};

    // The count actually used: `numero` held to 0..100.
    int usati() const { return numero < 0 ? 0 : (numero > Massimo ? Massimo : numero); }
    bool contiene(double valore) const;
};

// The record, field by field, indexed by Criterio. Sets are one byte per value (1 = allowed); every byte
// of the image, reserved ones included, survives a read and a write unchanged.
struct CondizioniRiduzione
{
    static constexpr std::size_t Dimensione = 17888;
    // The bytes of each set, whatever its criterion uses.
    static constexpr std::size_t ValoriPerInsieme = 11;
    using Insieme = std::array<std::uint8_t, ValoriPerInsieme>;

    std::array<std::uint8_t, VociCondizioni> abilitati{};
    // Sets of the set criteria (unused bytes of the smaller sets kept as they are); the entries of
    // interval criteria and of "Errori consentiti" are not part of the image.
    std::array<Insieme, CriteriCondizioni> insiemi{};
    std::array<std::uint8_t, 3> riservati{};
    std::array<ListaIntervalli, ListeCondizioni> intervalli{};
    // Byte e = 1 when e failed criteria are allowed; 0..23 from the dialog, 24 kept at 0, 25..28
    // reserved.
    std::array<std::uint8_t, 29> errori{};

    // The list of an interval criterion.
    ListaIntervalli& lista(Criterio criterio) { return intervalli[PosizioneLista(criterio)]; }
    const ListaIntervalli& lista(Criterio criterio) const { return intervalli[PosizioneLista(criterio)]; }
    // The set of a set criterion other than "Errori consentiti".
    Insieme& insieme(Criterio criterio) { return insiemi[Indice(criterio)]; }
    const Insieme& insieme(Criterio criterio) const { return insiemi[Indice(criterio)]; }
    bool abilitato(Criterio criterio) const { return abilitati[Indice(criterio)] != 0; }
    void setAbilitato(Criterio criterio, bool acceso) { abilitati[Indice(criterio)] = acceso ? 1 : 0; }
    // Whether a set criterion (or "Errori consentiti", by the error counts) allows the value; false for
    // interval criteria and values past the set.
    bool ammesso(Criterio criterio, int valore) const;
    bool erroreAmmesso(int errori) const;

    static CondizioniRiduzione daBlocco(const BloccoRecord<Dimensione>& blocco);
    BloccoRecord<Dimensione> blocco() const;

    static constexpr std::size_t PosizioneLista(Criterio criterio)
    {
        return Indice(criterio) - Indice(PrimoCriterioIntervalli);
    }
};

// Byte offsets of the image.
namespace offset_condizioni {
inline constexpr std::size_t Abilitati = 0;
inline constexpr std::size_t Riservati = 69;
inline constexpr std::size_t Liste = 72;
inline constexpr std::size_t DimensioneLista = 1608;
inline constexpr std::size_t ConteggioLista = 1600;
inline constexpr std::size_t Errori = 17859;
// Offset of the set of a set criterion other than "Errori consentiti": the sets before the interval
// lists, then those after them.
std::size_t Insieme(Criterio criterio);
} // namespace offset_condizioni
