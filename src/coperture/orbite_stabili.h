#pragma once

#include "coperture/cella.h"
#include "coperture/gruppo_permutazioni.h"

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

// Coverings made of whole orbits of a group of 40 to 20,000 elements (PSL(2, q) has thousands), where
// the blocks that the group maps onto themselves many times have short orbits.
//
// Under a group G the blocks of an orbit cover whole orbits of targets: if B holds T then gB holds gT.
// So a covering invariant under G is a choice of block orbits covering every target orbit, each costing
// its length |G| / |stabiliser|, a set cover with a handful of rows for the large groups (C(30, 4)
// splits into a few dozen orbits under PSL(2, 29)). The candidates are every block orbit when the k-subsets
// are few enough to number (at most 4.5 million, in about C(v, k) / |G| <= CandidateMassime orbits: the
// Steiner system S(5, 7, 28) is two orbits of PSL(2, 27)); otherwise the short orbits only: a block with
// a large stabiliser is a union of cycles of each element fixing it, so these candidates are the unions
// of cycles of k points of a few elements of every cycle type.
//
// The cover may also leave target orbits out, each at a price proportional to its length (what plain
// blocks would cost to cover it); the caller completes such a partial design with plain blocks.

struct OrbitaCandidata
{
    // One block of the orbit, and how many blocks the orbit has.
    std::uint32_t rappresentante = 0;
    std::uint32_t lunghezza = 0;
    // The target orbits it covers, ascending.
    std::vector<std::uint32_t> righe;
};

class CoperturaOrbitale
{
public:
    // A covering cell (p = t); the group acts on its v points and must outlive this object. Lists the
    // target orbits and the candidate block orbits, at most CandidateMassime: one image per generator and
    // numbered set, or |G| images per union of cycles for its stabiliser.
    CoperturaOrbitale(const Cella& cella, const GruppoPermutazioni& gruppo);

    static constexpr std::size_t CandidateMassime = 20000;

    std::size_t righe() const { return m_lunghezzaRiga.size(); }
    // The t-subsets in each target orbit, and the orbit of a t-subset.
    const std::vector<std::uint32_t>& lunghezzeRighe() const { return m_lunghezzaRiga; }
    std::uint32_t riga(std::uint32_t insieme) const;
    const std::vector<OrbitaCandidata>& candidate() const { return m_candidate; }

    // The cheapest choice of candidates found within `nodi` search nodes, a target orbit left out costing
    // prezzoScoperto * (its length) / C(k, t) blocks (0: every orbit must be covered). Exact for the
    // small instances (up to 512 target orbits; beyond, the greedy cover); the best found when the node
    // budget ends. Indices into candidate().
    [[nodiscard]] std::vector<std::size_t> scegli(double prezzoScoperto, std::uint64_t nodi) const;

    // Every block of the chosen orbits, ascending, without repetitions.
    [[nodiscard]] Blocchi blocchi(const std::vector<std::size_t>& scelte) const;

private:
    void aggiungiUnioni(const Permutazione& elemento);
    // The target orbits the block covers, ascending.
    std::vector<std::uint32_t> righeDi(std::uint32_t blocco) const;

    Cella m_cella;
    const GruppoPermutazioni& m_gruppo;
    // The orbit of each t-subset by colex rank, and each orbit's length.
    std::vector<std::uint32_t> m_riga;
    std::vector<std::uint32_t> m_lunghezzaRiga;
    std::vector<OrbitaCandidata> m_candidate;
    // The smallest block of each candidate orbit.
    std::unordered_set<std::uint32_t> m_orbiteViste;
};
