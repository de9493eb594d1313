#pragma once

#include "coperture/cella.h"

#include <functional>
#include <optional>

// Designs built from algebra rather than searched: Steiner systems S(t, k, v), in which every t-subset
// lies in exactly one block, so they meet the lower bound and no covering can be smaller. Points are
// numbered as in the constructions below, 0-based bits of the masks.

// The best covering C(v, k, t) the caller knows (a design found before), or nullopt.
using FornitoreCoperture = std::function<std::optional<Blocchi>(int v, int k, int t)>;

// The projective plane PG(2, q), q = 2, 3, 4 (5 would need 31 points): S(2, q + 1, q^2 + q + 1).
[[nodiscard]] Blocchi PianoProiettivo(int q);
// The affine plane AG(2, q), q = 3, 4, 5: S(2, q, q^2).
[[nodiscard]] Blocchi PianoAffine(int q);
// The hyperplanes of the affine space AG(n, q) and of the projective space PG(n, q), n >= 2: any n points
// lie in one, so they cover C(q^n, q^(n-1), n) and C((q^(n+1)-1)/(q-1), (q^n-1)/(q-1), n). AG(2, q) and
// PG(2, q) are the planes above; AG(3, 3) gives C(27, 9, 3) = 39, PG(3, 2) C(15, 7, 3) = 15, AG(4, 2)
// C(16, 8, 4) = 30.
[[nodiscard]] Blocchi IperpianiAffini(int n, int q);
[[nodiscard]] Blocchi IperpianiProiettivi(int n, int q);
// Bose's triple system on Z_{2n+1} x Z_3, n = 1..4: S(2, 3, 6n + 3).
[[nodiscard]] Blocchi TripleBose(int n);
// The planes of the binary space F_2^n, n = 3, 4: S(3, 4, 2^n), four points summing to zero.
[[nodiscard]] Blocchi QuaterneBooleane(int n);
// The Miquelian inversive plane of order q = 3, 4, 5: the images of GF(q) + {infinity} under the
// Moebius maps of GF(q^2) + {infinity}, S(3, q + 1, q^2 + 1).
[[nodiscard]] Blocchi PianoInversivo(int q);
// The Hermitian unital of order 3 in PG(2, 9): S(2, 4, 28).
[[nodiscard]] Blocchi Unitale();
// The weight-8 words of the extended binary Golay code, S(5, 8, 24), and the supports of the weight-6
// words of the extended ternary Golay code, S(5, 6, 12); both codes are found as the cyclic codes
// spanned by a quadratic-residue vector of length 23 (or 11) with the expected dimension and distance.
[[nodiscard]] Blocchi Golay24();
[[nodiscard]] Blocchi Golay12();
// The blocks through `punto` with that point removed, the points above it moved down by one:
// S(t - 1, k - 1, v - 1) from S(t, k, v).
[[nodiscard]] Blocchi Derivato(const Blocchi& blocchi, int punto);
// A covering C(2v, 4, 3) from a covering C(v, 4, 3), v even: each half keeps the small covering, and for
// each one-factor F of the complete graph on v points the blocks e x {0} + f x {1}, e and f in F. Of
// S(3, 4, v) it makes S(3, 4, 2v).
[[nodiscard]] Blocchi RaddoppioQuaterne(const Blocchi& piccola, int v);

// A construction for the covering C(v, k, t), or nullopt when none applies; noti gives the smaller
// coverings the doubling starts from (may be empty). The caller verifies the result.
[[nodiscard]] std::optional<Blocchi> CostruzioneAlgebrica(int v, int k, int t,
                                                          const FornitoreCoperture& noti);
