#include "coperture/verifica_disegno.h"

#include "coperture/sottoinsiemi.h"
#include "core/conta_bit.h"

#include <algorithm>
#include <bit>
#include <vector>

std::uint64_t ContaScoperti(const Cella& c, const Blocchi& blocchi)
{
    const std::uint32_t tutti = TuttiIPunti(c.v);
    const std::uint32_t bersagli = Binomiale(c.v, c.p);
    std::vector<std::uint64_t> coperti((bersagli + 63U) / 64U, 0);
    std::vector<std::uint32_t> dentro(Binomiale(BloccoMassimo, BloccoMassimo / 2));
    std::vector<std::uint32_t> fuori(Binomiale(PuntiMassimi, BersaglioMassimo - 1) + 1U);
    for (const std::uint32_t blocco : blocchi) {
        const std::uint32_t b = blocco & tutti;
        const int k = ContaBit(b);
        for (int j = c.t; j <= std::min(k, c.p); ++j) {
            const int nd = ElencaSottoinsiemi(b, j, dentro.data());
            const int nf = ElencaSottoinsiemi(tutti & ~b, c.p - j, fuori.data());
            for (int i = 0; i < nd; ++i) {
                for (int f = 0; f < nf; ++f) {
                    const std::uint32_t r =
                        RangoColex(dentro[static_cast<std::size_t>(i)] | fuori[static_cast<std::size_t>(f)]);
                    coperti[r >> 6] |= std::uint64_t{1} << (r & 63U);
                }
            }
        }
    }
    std::uint64_t segnati = 0;
    for (const std::uint64_t parola : coperti) {
        segnati += static_cast<std::uint64_t>(ContaBit(parola));
    }
    return bersagli - segnati;
}

std::optional<std::string> ControllaBlocchi(const Cella& c, const Blocchi& blocchi)
{
    for (std::size_t i = 0; i < blocchi.size(); ++i) {
        if ((blocchi[i] & ~TuttiIPunti(c.v)) != 0) {
            return "blocco " + std::to_string(i + 1) + ": posizione oltre " + std::to_string(c.v);
        }
        if (ContaBit(blocchi[i]) != c.k) {
            return "blocco " + std::to_string(i + 1) + ": attese " + std::to_string(c.k) + " posizioni";
        }
    }
    return std::nullopt;
}

std::uint64_t LimiteInferiore(const Cella& c)
{
    if (c.p != c.t) {
        return 1;
    }
    std::uint64_t limite = 1;
    for (int i = c.t - 1; i >= 0; --i) {
        const auto n = static_cast<std::uint64_t>(c.v - i);
        const auto d = static_cast<std::uint64_t>(c.k - i);
        limite = (n * limite + d - 1) / d;
    }
    return limite;
}
