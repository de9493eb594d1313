#include "coperture/unione_fattorizzata.h"

#include "coperture/ricottura.h"
#include "coperture/sottoinsiemi.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// C(10, 3): the most u-subsets a block of the searches holds for u <= 3.
constexpr std::size_t SottoinsiemiMassimi = 120;

// Annealing moves per block of the covering shared out, and at most in all (about half a second): the
// classes of C(24, 6, 4) in five needed about 17 blocks more to complete with 400 moves per block, 5 more
// with 4,000 than with 40,000, and 200,000 gained 3 more for ten times the time.
constexpr std::uint64_t PassiPerBlocco = 40000;
constexpr std::uint64_t PassiMassimi = 40'000'000;
// The temperature falls in steps of this many moves.
constexpr std::uint64_t PassiPerTemperatura = 1024;
constexpr double CaldoIniziale = 0.6;
constexpr double FreddoFinale = 0.05;

// The u-subsets of every block by colex rank, perBlocco of them each.
struct RanghiBlocchi
{
    std::size_t perBlocco = 0;
    std::vector<std::uint32_t> ranghi;

    RanghiBlocchi(const Blocchi& blocchi, int u)
    {
        std::uint32_t sotto[SottoinsiemiMassimi];
        for (const std::uint32_t blocco : blocchi) {
            perBlocco = static_cast<std::size_t>(ElencaSottoinsiemi(blocco, u, sotto));
            for (std::size_t j = 0; j < perBlocco; ++j) {
                ranghi.push_back(RangoColex(sotto[j]));
            }
        }
    }
    const std::uint32_t* di(std::size_t blocco) const { return ranghi.data() + blocco * perBlocco; }
};

// The class of each block with fewest (class, u-subset) pairs left uncovered: each move takes a block to
// another class, priced by the pairs it uncovers in its class less those it covers in the new one.
std::vector<int> ClassiRicotte(const RanghiBlocchi& r, std::size_t blocchi, std::size_t bersagli, int classi,
                               std::uint64_t seme)
{
    std::vector<int> classe(blocchi);
    std::vector<std::uint32_t> conta(static_cast<std::size_t>(classi) * bersagli, 0);
    const auto contatore = [&](int c, std::uint32_t rango) -> std::uint32_t& {
        return conta[static_cast<std::size_t>(c) * bersagli + rango];
    };
    for (std::size_t i = 0; i < blocchi; ++i) {
        classe[i] = static_cast<int>(i % static_cast<std::size_t>(classi));
        for (std::size_t j = 0; j < r.perBlocco; ++j) {
            ++contatore(classe[i], r.di(i)[j]);
        }
    }
    std::int64_t scoperti = std::count(conta.begin(), conta.end(), std::uint32_t{0});
    std::int64_t minimo = scoperti;
    std::vector<int> migliore = classe;
    CasualeRicerca casuale(seme);
    const std::uint64_t passi = classi > 1 ? std::min(PassiPerBlocco * blocchi, PassiMassimi) : 0;
    double temperatura = CaldoIniziale;
    for (std::uint64_t passo = 0; passo < passi && scoperti > 0; ++passo) {
        if (passo % PassiPerTemperatura == 0) {
            temperatura = CaldoIniziale * std::pow(FreddoFinale / CaldoIniziale,
                                                   static_cast<double>(passo) / static_cast<double>(passi));
        }
        const std::size_t i = casuale.estrai(static_cast<std::uint32_t>(blocchi));
        const int da = classe[i];
        int a = static_cast<int>(casuale.estrai(static_cast<std::uint32_t>(classi - 1)));
        a += a >= da ? 1 : 0;
        int delta = 0;
        for (std::size_t j = 0; j < r.perBlocco; ++j) {
            delta += contatore(da, r.di(i)[j]) == 1 ? 1 : 0;
            delta -= contatore(a, r.di(i)[j]) == 0 ? 1 : 0;
        }
        if (delta > 0 && casuale.valore() >= std::exp(-delta / temperatura) * 4294967296.0) {
            continue;
        }
        for (std::size_t j = 0; j < r.perBlocco; ++j) {
            --contatore(da, r.di(i)[j]);
            ++contatore(a, r.di(i)[j]);
        }
        classe[i] = a;
        scoperti += delta;
        if (scoperti < minimo) {
            minimo = scoperti;
            migliore = classe;
        }
    }
    return migliore;
}

// Completions of a u-subset tried one by one when there are at most this many (C(21, 3) = 1,330 for
// the triples of 24 points in blocks of six); above it the points are added one at a time.
constexpr std::uint32_t CompletamentiMassimi = 5000;

// Adds to the class blocks of `punti` points until it covers every u-subset of 0..n-1: each new block
// starts from the first u-subset left and is completed so as to cover most u-subsets left (ties: the
// first completion in colex order).
void CompletaClasse(Blocchi& classe, int n, int u, int punti)
{
    std::vector<bool> coperto(Binomiale(n, u), false);
    std::uint32_t sotto[SottoinsiemiMassimi];
    const auto nuovi = [&](std::uint32_t blocco) {
        const int quanti = ElencaSottoinsiemi(blocco, u, sotto);
        int conta = 0;
        for (int j = 0; j < quanti; ++j) {
            conta += coperto[RangoColex(sotto[j])] ? 0 : 1;
        }
        return conta;
    };
    const auto segna = [&](std::uint32_t blocco) {
        const int quanti = ElencaSottoinsiemi(blocco, u, sotto);
        for (int j = 0; j < quanti; ++j) {
            coperto[RangoColex(sotto[j])] = true;
        }
    };
    for (const std::uint32_t blocco : classe) {
        segna(blocco);
    }
    const int mancano = punti - u;
    const bool tuttiICompletamenti = Binomiale(n - u, mancano) <= CompletamentiMassimi;
    std::vector<std::uint32_t> completamenti(tuttiICompletamenti ? Binomiale(n - u, mancano) : 0);
    for (std::uint32_t rango = 0; rango < coperto.size(); ++rango) {
        if (coperto[rango]) {
            continue;
        }
        std::uint32_t blocco = InsiemeDaRango(rango, u);
        if (tuttiICompletamenti) {
            ElencaSottoinsiemi(TuttiIPunti(n) & ~blocco, mancano, completamenti.data());
            std::uint32_t scelto = completamenti.front();
            int guadagno = -1;
            for (const std::uint32_t c : completamenti) {
                if (const int g = nuovi(blocco | c); g > guadagno) {
                    guadagno = g;
                    scelto = c;
                }
            }
            blocco |= scelto;
        }
        while (std::popcount(blocco) < punti) {
            std::uint32_t scelto = 0;
            int guadagno = -1;
            for (int p = 0; p < n; ++p) {
                const std::uint32_t bit = std::uint32_t{1} << p;
                if ((blocco & bit) == 0) {
                    if (const int g = nuovi(blocco | bit); g > guadagno) {
                        guadagno = g;
                        scelto = bit;
                    }
                }
            }
            blocco |= scelto;
        }
        classe.push_back(blocco);
        segna(blocco);
    }
}

} // namespace

std::vector<Blocchi> SuddividiCopertura(const Blocchi& copertura, int n, int u, int classi,
                                        std::uint64_t seme)
{
    std::vector<Blocchi> esito(static_cast<std::size_t>(classi));
    if (copertura.empty()) {
        return esito;
    }
    const RanghiBlocchi ranghi(copertura, u);
    const std::vector<int> classe = ClassiRicotte(ranghi, copertura.size(), Binomiale(n, u), classi, seme);
    for (std::size_t i = 0; i < copertura.size(); ++i) {
        esito[static_cast<std::size_t>(classe[i])].push_back(copertura[i]);
    }
    for (Blocchi& c : esito) {
        CompletaClasse(c, n, u, std::popcount(copertura.front()));
    }
    return esito;
}

std::vector<std::vector<std::pair<int, int>>> UnoFattorizzazione(int m)
{
    const int n = 2 * m - 1;
    std::vector<std::vector<std::pair<int, int>>> accoppiamenti(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto& a = accoppiamenti[static_cast<std::size_t>(i)];
        a.emplace_back(i, n);
        for (int j = 1; j < m; ++j) {
            a.emplace_back((i - j + n) % n, (i + j) % n);
        }
    }
    return accoppiamenti;
}

std::optional<Blocchi> UnioneFattorizzata(int v, int k, int t, int m, const FornitoreCoperture& noti,
                                          std::uint64_t seme, std::size_t daBattere)
{
    const int vecchi = v - 2 * m;
    if (t < 3 || m < 2 || 2 * m > k || k - 2 * m < t - 3 || k >= vecchi || !noti) {
        return std::nullopt;
    }
    const std::optional<Blocchi> senzaNuovi = noti(vecchi, k, t);
    const std::optional<Blocchi> unNuovo = noti(vecchi, k - 2, t - 1);
    const std::optional<Blocchi> treNuovi =
        t > 3 ? noti(vecchi, k - 2 * m, t - 3) : std::optional<Blocchi>(Blocchi{TuttiIPunti(k - 2 * m)});
    if (!senzaNuovi || !unNuovo || !treNuovi || unNuovo->empty()) {
        return std::nullopt;
    }
    const std::size_t almeno =
        senzaNuovi->size() + static_cast<std::size_t>(m) * unNuovo->size() + treNuovi->size();
    if (daBattere > 0 && almeno >= daBattere) {
        return std::nullopt;
    }
    const std::vector<Blocchi> classi = SuddividiCopertura(*unNuovo, vecchi, t - 2, 2 * m - 1, seme);
    const auto accoppiamenti = UnoFattorizzazione(m);
    Blocchi blocchi = *senzaNuovi;
    for (std::size_t i = 0; i < classi.size(); ++i) {
        for (const auto& [x, y] : accoppiamenti[i]) {
            const std::uint32_t coppia =
                (std::uint32_t{1} << (vecchi + x)) | (std::uint32_t{1} << (vecchi + y));
            for (const std::uint32_t blocco : classi[i]) {
                blocchi.push_back(blocco | coppia);
            }
        }
    }
    const std::uint32_t nuovi = TuttiIPunti(v) & ~TuttiIPunti(vecchi);
    for (const std::uint32_t blocco : *treNuovi) {
        blocchi.push_back(blocco | nuovi);
    }
    return blocchi;
}
