#pragma once

#include "core/conta_bit.h"
#include "editor/record_riduzioni.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

// The settings of the filter reductions (intervals of numbers, cadences, figures, decades, filter
// plays, comparisons with the archive) as structs, read from and written to the byte records their
// settings files and the system file share. A record read from a block is always sound: counts are
// kept within the record's room and flags read as set when non-zero, so nothing is indexed out of range
// whatever the block holds.

// The numbers 1..90 as a bitset: bit n - 1 of two 64-bit words.
struct Maschera90
{
    std::uint64_t basso = 0; // numbers 1..64
    std::uint64_t alto = 0;  // numbers 65..90

    void aggiungi(int numero)
    {
        if (numero >= 1 && numero <= 64) {
            basso |= std::uint64_t{1} << (numero - 1);
        } else if (numero >= 65 && numero <= 90) {
            alto |= std::uint64_t{1} << (numero - 65);
        }
    }
    bool contiene(int numero) const
    {
        if (numero >= 1 && numero <= 64) {
            return ((basso >> (numero - 1)) & 1U) != 0;
        }
        return numero >= 65 && numero <= 90 && ((alto >> (numero - 65)) & 1U) != 0;
    }
    int inComune(const Maschera90& altra) const
    {
        return ContaBit(basso & altra.basso) + ContaBit(alto & altra.alto);
    }
    int numeri() const { return ContaBit(basso) + ContaBit(alto); }
    bool vuota() const { return basso == 0 && alto == 0; }
    bool operator==(const Maschera90&) const = default;

    // Every bit, numbers above 90 included: for masks that are cut by another before use.
    static constexpr Maschera90 Tutti() { return {~std::uint64_t{0}, ~std::uint64_t{0}}; }
    friend constexpr Maschera90 operator&(Maschera90 a, Maschera90 b)
    {
        return {a.basso & b.basso, a.alto & b.alto};
    }
    friend constexpr Maschera90 operator|(Maschera90 a, Maschera90 b)
    {
        return {a.basso | b.basso, a.alto | b.alto};
    }
    friend constexpr Maschera90 operator^(Maschera90 a, Maschera90 b)
    {
        return {a.basso ^ b.basso, a.alto ^ b.alto};
    }
    friend constexpr Maschera90 operator~(Maschera90 a) { return {~a.basso, ~a.alto}; }
    Maschera90& operator|=(Maschera90 b) { return *this = *this | b; }
    Maschera90& operator&=(Maschera90 b) { return *this = *this & b; }

    // Calls visita(n) -> bool for the numbers n of the mask, ascending, until one returns false; false then.
    template <typename Visita> bool perOgniNumero(Visita&& visita) const
    {
        for (std::uint64_t b = basso; b != 0; b &= b - 1) {
            if (!visita(std::countr_zero(b) + 1)) {
                return false;
            }
        }
        for (std::uint64_t b = alto; b != 0; b &= b - 1) {
            if (!visita(std::countr_zero(b) + 65)) {
                return false;
            }
        }
        return true;
    }
};

// The numbers of a play up to its first empty slot.
template <typename Giocata> Maschera90 MascheraGiocata(const Giocata& giocata)
{
    Maschera90 m;
    for (const auto numero : giocata) {
        if (numero == 0) {
            break;
        }
        m.aggiungi(numero);
    }
    return m;
}

// The numbers of a mask ascending, separated by single spaces.
std::string TestoMaschera(const Maschera90& maschera);
// The values whose bit is set in flags (bit v for value v), ascending, separated by single spaces.
std::string TestoValori(std::uint16_t flags);

// Intervalli.def: up to 46 intervals of numbers, each with its allowed counts 0..10.
struct IntervalloNumeri
{
    std::int32_t basso = 0;
    std::int32_t alto = 0;
    std::uint16_t ammesse = 0; // bit q: q numbers of a play may fall in the interval
};

struct IntervalliNumeri
{
    static constexpr std::size_t Massimo = 46;

    std::vector<IntervalloNumeri> intervalli;
    std::int32_t massimoErrori = 0;

    static IntervalliNumeri daBlocco(const BloccoRecord<884>& blocco);
    BloccoRecord<884> blocco() const;
};

// Cadenze.def, Figure.def, Decine.def: the fixed groups, each in use or not, with its allowed counts.
enum class FamigliaGruppi { Cadenze, Figure, Decine };

struct GruppiFissi
{
    FamigliaGruppi famiglia = FamigliaGruppi::Cadenze;
    std::array<bool, 10> inUso{};
    std::array<std::uint16_t, 10> ammesse{}; // bit q: q numbers of a play may fall in the group
    std::int32_t massimoErrori = 0;

    // 10 cadences, 9 figures or 9 decades.
    int gruppi() const { return famiglia == FamigliaGruppi::Cadenze ? 10 : 9; }
    int gruppiInUso() const;

    static GruppiFissi daBlocco(FamigliaGruppi famiglia, const std::uint8_t* dati, std::size_t dimensione);
    template <std::size_t N> static GruppiFissi daBlocco(FamigliaGruppi famiglia, const BloccoRecord<N>& b)
    {
        return daBlocco(famiglia, b.data(), N);
    }
    // The record of its family's size (124 bytes for cadences, 112 otherwise).
    std::vector<std::uint8_t> byte() const;
};

// The numbers of group g (1-based) of a family: cadence g is every n with n mod 10 = g mod 10, figure g
// every n with n mod 9 = g mod 9, decade g the numbers 10(g-1)+1 .. 10g.
Maschera90 NumeriGruppo(FamigliaGruppi famiglia, int gruppo);

// Filtri.def: up to 150 filter plays, each a set of numbers with its allowed scores 0..10.
struct GiocataFiltro
{
    Maschera90 numeri;
    std::uint16_t punteggi = 0; // bit s: s numbers in common with a play are allowed

    bool vuota() const { return numeri.vuota() && punteggi == 0; }
};

struct GiocateFiltro
{
    static constexpr std::size_t Massimo = 150;

    std::vector<GiocataFiltro> filtri;
    std::int32_t massimoErrori = 0;

    static GiocateFiltro daBlocco(const BloccoRecord<15160>& blocco);
    // Only the first 150 filter plays fit; the caller refuses more before writing.
    BloccoRecord<15160> blocco() const;
};

// The line of a filter play in the text files: "5 12 40 - 0 1".
std::string TestoGiocataFiltro(const GiocataFiltro& filtro);

// ConfSto.def: up to 150 comparisons with the latest draws, each with its allowed scores 0..5.
struct ConfrontoStorico
{
    std::int32_t estrazioni = 0; // the latest N draws
    std::uint8_t punteggi = 0;   // bit s: a best score of s against those draws is allowed
};

struct ConfrontiStorico
{
    static constexpr std::size_t Massimo = 150;

    std::vector<ConfrontoStorico> confronti;
    std::int32_t massimoErrori = 0;

    static ConfrontiStorico daBlocco(const BloccoRecord<1508>& blocco);
    BloccoRecord<1508> blocco() const;
};
