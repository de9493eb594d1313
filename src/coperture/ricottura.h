#pragma once

#include "coperture/cella.h"
#include "coperture/gruppo_permutazioni.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// The search's own generator (splitmix64): fast, 64-bit state, good enough for annealing, which draws
// several numbers per move and would run through a 32-bit period in minutes.
class CasualeRicerca
{
public:
    explicit CasualeRicerca(std::uint64_t seme) : m_stato(seme) {}
    std::uint64_t prossimo()
    {
        std::uint64_t z = (m_stato += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0..n-1 (0 when n is 0), from the upper 32 bits.
    std::uint32_t estrai(std::uint32_t n)
    {
        return static_cast<std::uint32_t>(((prossimo() >> 32) * std::uint64_t{n}) >> 32);
    }
    // A uniform 32-bit value.
    std::uint32_t valore() { return static_cast<std::uint32_t>(prossimo() >> 32); }

private:
    std::uint64_t m_stato;
};

// Simulated annealing on a design of a fixed number of blocks.
//
// The targets are the p-subsets of the points (for a covering p = t); target r is covered when some block
// meets it in at least t points. Each target keeps the count of the blocks covering it (4 bytes, ranked
// colexicographically), the uncovered ones are kept in a list with O(1) insertion and removal, and the
// cost is the length of that list.
//
// A move starts from a random uncovered target P and a block meeting P in exactly t - 1 points (up to 256
// random draws of a block, then a scan of all b blocks with one AND and a bit test each; any block when
// none qualifies). A point of P outside the block enters it, so that the block covers P afterwards, and
// the point leaving is the cheapest of the block's points outside P, or in 30% of the moves a random one
// (always choosing the cheapest traps the search on some cells, C(18, 10, 2) among them). Only the targets
// that contain the point leaving (and not the one entering), or the reverse, and meet the block in
// exactly t points can change state: C(k-1, t-1) * C(v-k-1, p-t) of them per point leaving, enumerated on
// the fly (2,530 for L(30, 6, 5, 3)). For a covering every point leaving is priced at once from the
// block's t- and (t-1)-subsets: C(k, t) + C(k, t-1) look-ups (15 for C(v, 5, 4), 462 for C(v, 10, 5)).
//
// The temperature steers itself: uphill moves are accepted with probability exp(-delta / T), and T is set
// so that the recent uphill proposals (a histogram of their costs, halved every 512 of them) would be
// accepted at the ratio set with impostaRapporto. The ratio, not T, is the schedule: it means the same on
// every cell.
//
// With a group the blocks are base blocks, each standing for its orbit, and the targets are the orbits of
// the p-subsets (a 4-byte orbit number per p-subset): a move then also chooses the image of P it
// aims at, so drawing the block costs (base blocks) * order tests, about b. Counts there may hold several
// incidences of one block, so a move is applied and undone when refused instead of being evaluated first,
// and the point leaving is priced the same way, by making and undoing each candidate swap (with drawn
// exits, as before, orbit searches from greedy designs stalled: Z29 on C(30, 8, 5) stayed at 5,104 blocks
// where priced exits went on to 5,017 in the same time).
//
// No allocation after construction except when blocks are added beyond the first reservation.
class Ricottura
{
public:
    // cella accepted by ControllaCella; gruppo (which must outlive this object) null for plain blocks.
    // Allocates C(v, p) counters and list slots (about 1.7 MB for C(30, 5)) and, with a group, the orbit
    // table; every target starts uncovered, with no block.
    Ricottura(const Cella& cella, const GruppoPermutazioni* gruppo, std::uint64_t seme);

    const Cella& cella() const { return m_cella; }
    const GruppoPermutazioni* gruppo() const { return m_gruppo; }
    // The targets: C(v, p), or their orbits with a group.
    std::size_t bersagli() const { return m_conta.size(); }
    std::size_t scoperti() const { return m_scoperti.size(); }
    // The blocks (base blocks with a group), in no particular order.
    const Blocchi& blocchi() const { return m_blocchi; }
    // The design they stand for: the blocks, or every image of every base block; ascending masks without
    // repetitions.
    Blocchi disegno() const;
    // The size of disegno() without building it.
    std::size_t dimensioneDisegno() const;

    // Replaces the blocks (which must have k points within 1..v) and recounts: C(k, t) ... per block as in
    // aggiungiBlocco.
    void impostaBlocchi(const Blocchi& blocchi);
    // Adds or removes one block: each enumerates the targets the block meets in t..p points.
    void aggiungiBlocco(std::uint32_t blocco);
    void togliBlocco(std::size_t indice);
    // The block whose removal leaves fewest targets uncovered (ties drawn at random); twice the cost of
    // removing each block once. Expects at least one block.
    [[nodiscard]] std::size_t bloccoMenoUtile();
    // Adds blocks until every target is covered: each grows from t points of a random uncovered target,
    // adding the point that newly covers most targets, until it has k points.
    void completaAvido();

    // What-if costs of moves on plain blocks (no group): the change of the number of uncovered targets if
    // point `esce` (in the block) of block `indice` were replaced by `entra` (not in it), the same for every
    // point of the block leaving at once (coverings only; by point index 0..v-1), and the swap itself.
    // Points are 0-based.
    [[nodiscard]] int costoScambio(std::size_t indice, int esce, int entra);
    [[nodiscard]] std::array<int, 32> costiUscite(std::size_t indice, int entra);
    void scambiaPunti(std::size_t indice, int esce, int entra);

    // Runs at most `mosse` moves, stopping as soon as no target is uncovered; returns the moves made.
    std::uint64_t anneala(std::uint64_t mosse);

    // The fraction of uphill proposals the temperature aims to accept (0 < r < 1); the temperature follows
    // at once.
    void impostaRapporto(double rapporto)
    {
        m_rapporto = rapporto;
        regolaTemperatura();
    }
    double temperatura() const { return m_temperatura; }
    void impostaMiglioreUscita(bool si) { m_miglioreUscita = si; }
    // Whether the point leaving is priced (the default) or drawn, and the fraction of moves that draw it
    // anyway (0..1, default 0.3).
    void impostaRumore(double rumore) { m_rumore = static_cast<std::uint32_t>(rumore * 4294967295.0); }
    // How many candidate blocks a move weighs (plain blocks only; default 1, at least 1): each costs a
    // pricing of its points leaving.
    void impostaCampioni(std::uint32_t campioni) { m_campioni = std::max<std::uint32_t>(1, campioni); }

private:
    template <bool Orbite> std::uint64_t annealaCon(std::uint64_t mosse);
    // Draws an uncovered target and lists the blocks one point away from it in m_candidati (block * order
    // + the element applied to the target); returns how many (at least 1).
    template <bool Orbite> std::uint32_t candidati(std::uint32_t& bersaglio);
    std::uint32_t puntoCasuale(std::uint32_t insieme);
    // With a group: the cheapest of the points `uscite` of base block indice to leave for `entra`.
    std::uint32_t uscitaMiglioreOrbite(std::uint32_t indice, std::uint32_t uscite, std::uint32_t entra);
    // The change of cost if point esce of block indice were replaced by entra (plain blocks only).
    int variazione(std::uint32_t blocco, std::uint32_t esce, std::uint32_t entra);
    // The same for every point of the block leaving at once (coverings only): into m_variazioni by point,
    // C(k, t) + C(k, t - 1) look-ups instead of (k - t + 1) times 2 C(k - 1, t - 1).
    void variazioniUscite(std::uint32_t blocco, std::uint32_t entra);
    // Makes the swap and returns the change of cost.
    template <bool Orbite> int scambia(std::uint32_t indice, std::uint32_t esce, std::uint32_t entra);
    // Adds delta (+1 or -1) to every target the block meets in t..p points; returns the targets that
    // became uncovered (delta -1) or covered (delta +1).
    std::size_t modificaCopertura(std::uint32_t blocco, int delta);
    void registraSalita(int delta);
    // The temperature at which the recent uphill moves would be accepted at the set ratio.
    void regolaTemperatura();
    void aggiornaSoglie();

    std::uint32_t identita(std::uint32_t rango) const { return m_orbita.empty() ? rango : m_orbita[rango]; }
    std::uint32_t rappresentante(std::uint32_t bersaglio) const;
    void segnaScoperto(std::uint32_t bersaglio)
    {
        m_posizione[bersaglio] = static_cast<std::int32_t>(m_scoperti.size());
        m_scoperti.push_back(bersaglio);
    }
    void segnaCoperto(std::uint32_t bersaglio)
    {
        const std::int32_t pos = m_posizione[bersaglio];
        const std::uint32_t ultimo = m_scoperti.back();
        m_scoperti[static_cast<std::size_t>(pos)] = ultimo;
        m_posizione[ultimo] = pos;
        m_scoperti.pop_back();
        m_posizione[bersaglio] = -1;
    }

    Cella m_cella;
    const GruppoPermutazioni* m_gruppo;
    std::uint32_t m_tutti;
    CasualeRicerca m_casuale;

    Blocchi m_blocchi;
    std::vector<std::uint32_t> m_conta;
    std::vector<std::uint32_t> m_scoperti;
    std::vector<std::int32_t> m_posizione;
    // With a group: the orbit number of each p-subset (by rank) and one p-subset of each orbit.
    std::vector<std::uint32_t> m_orbita;
    std::vector<std::uint32_t> m_rappresentanti;

    // Scratch lists, sized once: subsets inside and outside a block, candidate blocks of a move.
    std::vector<std::uint32_t> m_dentro;
    std::vector<std::uint32_t> m_fuori;
    std::vector<std::uint32_t> m_candidati;
    std::array<int, 32> m_variazioni{};

    bool m_miglioreUscita = true;
    std::uint32_t m_campioni = 1;
    std::uint32_t m_rumore = 1288490188; // 0.3: without noise the cheapest exit can trap the search
    double m_rapporto = 0.05;
    double m_temperatura = 1.0;
    std::array<std::uint32_t, 64> m_soglie{};
    // Recent uphill proposals by their cost (63: 63 or more), halved every FinestraSalite proposals.
    std::array<double, 64> m_salite{};
    std::uint32_t m_saliteProposte = 0;
};
