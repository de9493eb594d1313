// The reducer files the build made from data/riduttori (in the build tree's share/quarvin): every entry
// carries its guarantee, and the reductions that use them keep it on real numbers.
#include "coperture/cella.h"
#include "coperture/verifica_disegno.h"
#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/generatore_casuale.h"
#include "core/giocata.h"
#include "editor/sistema.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_ortogonale.h"
#include "reductions/riduttori_immediati.h"
#include "reductions/riduttori_predefiniti.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

const std::string Cartella = QUARVIN_DATI_COSTRUITI;

struct File
{
    const char* nome;
    bool ortogonale;
};
constexpr File Files[] = {{NomeFileRiduttoriGaranzia, false}, {NomeFileRiduttoriOrtogonali, true}};

Cella CellaDi(const RiduttoreImmediato& r, bool ortogonale)
{
    return ortogonale ? Cella{TipoDisegno::Ortogonale, r.v, r.k, r.g, r.g}
                      : Cella{TipoDisegno::Garanzia, r.v, r.k, PGaranzia(r.k), r.g};
}

// The numbers of a play as bits, so that a brute-force check costs two popcounts per pair.
struct Maschera
{
    std::uint64_t basso = 0;
    std::uint64_t alto = 0;

    explicit Maschera(const Tipo_Giocata& g)
    {
        for (std::uint8_t n : g) {
            if (n != 0) {
                (n <= 64 ? basso : alto) |= std::uint64_t{1} << ((n - 1U) % 64U);
            }
        }
    }
    int comuni(const Maschera& m) const
    {
        return std::popcount(basso & m.basso) + std::popcount(alto & m.alto);
    }
};

// Whether every s-subset of each reference set meets some play in at least t numbers, play by play.
bool Garantite(const std::vector<std::vector<std::uint8_t>>& riferimenti, int s, int t,
               const std::vector<Tipo_Giocata>& giocate)
{
    const std::vector<Maschera> maschere(giocate.begin(), giocate.end());
    return std::all_of(riferimenti.begin(), riferimenti.end(), [&](const std::vector<std::uint8_t>& r) {
        return CombinazioniPronostico(r, s).perOgni([&](const Tipo_Giocata& c) {
            const Maschera m(c);
            return std::any_of(maschere.begin(), maschere.end(),
                               [&](const Maschera& g) { return g.comuni(m) >= t; });
        });
    });
}

std::vector<Tipo_Giocata> Giocate(const ElencoGiocate& elenco)
{
    return {elenco.dati(), elenco.dati() + elenco.conteggio()};
}

// The reducer's plays on the numbers of the base list (ascending).
std::vector<Tipo_Giocata> Mappate(const std::string& file, const RiduttoreImmediato& r,
                                  const std::vector<std::uint8_t>& base)
{
    const LetturaRiduttore l = LeggiRiduttoreImmediato(file, r);
    std::vector<Tipo_Giocata> giocate(static_cast<std::size_t>(r.giocate));
    for (std::size_t i = 0; i < l.posizioni.size(); ++i) {
        giocate[i / static_cast<std::size_t>(r.k)][i % static_cast<std::size_t>(r.k)] =
            base[l.posizioni[i] - 1U];
    }
    return giocate;
}

// n of the numbers drawn without repeats, ascending; the same in every run for a seed.
std::vector<std::uint8_t> Sparsi(std::mt19937& casuale, const std::vector<std::uint8_t>& da, int n)
{
    std::vector<std::uint8_t> tutti = da;
    std::shuffle(tutti.begin(), tutti.end(), casuale);
    tutti.resize(static_cast<std::size_t>(n));
    std::sort(tutti.begin(), tutti.end());
    return tutti;
}

} // namespace

// Every entry of both files, read back as the dialogs read it, passes the exact coverage check and is no
// larger than what the program's own algorithm gives.
TEST(RiduttoriSpediti, OgniVoceGarantisceLaSuaCella)
{
    ConfrontoSenzaRiduttore confronto;
    for (const File& f : Files) {
        SCOPED_TRACE(f.nome);
        const std::string file = Cartella + "/" + f.nome;
        const std::vector<RiduttoreImmediato> voci = ElencoRiduttoriImmediati(file);
        ASSERT_FALSE(voci.empty());
        EXPECT_GT(GenerazioneRiduttori(file), 0U);
        for (const RiduttoreImmediato& r : voci) {
            const Cella cella = CellaDi(r, f.ortogonale);
            SCOPED_TRACE(NomeFileCella(cella));
            const LetturaRiduttore l = LeggiRiduttoreImmediato(file, r);
            ASSERT_TRUE(l.integro);
            Blocchi blocchi;
            for (std::size_t i = 0; i < l.posizioni.size(); ++i) {
                if (i % static_cast<std::size_t>(r.k) == 0) {
                    blocchi.push_back(0);
                }
                blocchi.back() |= std::uint32_t{1} << (l.posizioni[i] - 1U);
            }
            EXPECT_EQ(ControllaBlocchi(cella, blocchi), std::nullopt);
            EXPECT_EQ(ContaScoperti(cella, blocchi), 0U);
            const auto algoritmo = confronto.giocate(f.ortogonale, r.v, r.k, r.g);
            ASSERT_TRUE(algoritmo.has_value());
            EXPECT_LE(r.giocate, *algoritmo);
        }
    }
}

// A sample of shipped cells (for each kind, k and g, the largest v whose brute-force check stays small)
// run through the reductions on scattered numbers: the immediate path is taken, its plays are the
// reducer's on those numbers, and they keep the guarantee, checked subset by subset on the numbers.
TEST(RiduttoriSpediti, RiduzioniSuNumeriSparsi)
{
    constexpr std::uint64_t LavoroMassimo = 40'000'000; // subsets times plays of one brute-force check
    std::vector<std::uint8_t> novanta(90);
    std::iota(novanta.begin(), novanta.end(), std::uint8_t{1});
    int provate = 0;
    for (const File& f : Files) {
        const std::string file = Cartella + "/" + f.nome;
        std::map<std::pair<int, int>, RiduttoreImmediato> campione;
        for (const RiduttoreImmediato& r : ElencoRiduttoriImmediati(file)) {
            auto& scelto = campione[{r.k, r.g}];
            if (CombinazioniSenzaRiduttore(f.ortogonale, r.v, r.k, r.g) *
                        static_cast<std::uint64_t>(r.giocate) <=
                    LavoroMassimo &&
                r.v > scelto.v) {
                scelto = r;
            }
        }
        for (const auto& [chiave, r] : campione) {
            if (r.v == 0) {
                continue;
            }
            ++provate;
            SCOPED_TRACE(std::string(NomeTipo(CellaDi(r, f.ortogonale).tipo)) + " " +
                         NomeFileCella(CellaDi(r, f.ortogonale)));
            std::mt19937 casuale(static_cast<std::uint32_t>(r.v * 100 + r.k * 10 + r.g));
            const std::vector<std::uint8_t> base = Sparsi(casuale, novanta, r.v);
            const std::vector<Tipo_Giocata> attese = Mappate(file, r, base);

            // The prediction variant.
            Sistema sistema;
            for (std::uint8_t n : base) {
                sistema.pronostico[n - 1U] = 1;
            }
            sistema.numeriPerGiocata = r.k;
            ElencoGiocate elenco;
            GeneratoreCasuale generatore;
            EsecuzioneContinua continua;
            EsitoGaranzia esito;
            if (f.ortogonale) {
                ParametriOrtogonale p;
                p.garanzia = r.g;
                p.fileRiduttori = file;
                esito = RiduzioneOrtogonale(sistema, elenco, p, generatore, continua);
            } else {
                ParametriGaraPro p;
                p.garanzia = r.g;
                p.fileRiduttori = file;
                esito = RiduzionePronosticoGaranzia(sistema, elenco, p, generatore, continua);
            }
            ASSERT_TRUE(esito.esito.confermata());
            ASSERT_EQ(Giocate(elenco), attese);
            EXPECT_TRUE(Garantite({base}, f.ortogonale ? r.g : std::min(r.k, 5), r.g, attese));

            // The plays variant: current plays over the same numbers (the first ones run through all of
            // them, so that the base list is v long), each covered by kept reducer plays.
            std::vector<std::vector<std::uint8_t>> attuali;
            for (int i = 0; i < 120 || i * r.k < r.v; ++i) {
                std::vector<std::uint8_t> numeri;
                if (i * r.k < r.v) {
                    for (int j = 0; j < r.k; ++j) {
                        numeri.push_back(base[static_cast<std::size_t>((i * r.k + j) % r.v)]);
                    }
                    std::sort(numeri.begin(), numeri.end());
                } else {
                    numeri = Sparsi(casuale, base, r.k);
                }
                attuali.push_back(numeri);
            }
            ElencoGiocate correnti;
            ASSERT_TRUE(correnti.AssicuraCapacita(static_cast<std::int32_t>(attuali.size())));
            for (std::size_t i = 0; i < attuali.size(); ++i) {
                std::copy(attuali[i].begin(), attuali[i].end(), correnti.dati()[i].begin());
            }
            correnti.setConteggio(static_cast<std::int32_t>(attuali.size()));
            if (f.ortogonale) {
                ParametriOrtogonaleGiocate p;
                p.garanzia = r.g;
                p.numeriPerGiocata = r.k;
                p.numeriUsati = NumeriNelleGiocate(correnti);
                p.immediati = true;
                p.fileRiduttori = file;
                esito = RiduzioneOrtogonaleGiocate(sistema, correnti, p, generatore, continua);
            } else {
                ParametriGaraGio p;
                p.garanzia = r.g;
                p.numeriGiocate = r.k;
                p.numeriUsati = NumeriNelleGiocate(correnti);
                p.immediati = true;
                p.fileRiduttori = file;
                esito = RiduzioneGiocateGaranzia(sistema, correnti, p, nullptr, generatore, continua);
            }
            ASSERT_TRUE(esito.esito.confermata());
            const std::vector<Tipo_Giocata> finali = Giocate(correnti);
            for (const Tipo_Giocata& g : finali) {
                EXPECT_NE(std::find(attese.begin(), attese.end(), g), attese.end()) << TestoGiocata(g);
            }
            // Guarantee: any five numbers of a current play (all of it when shorter) share g numbers with
            // a final one; orthogonal: every g numbers of a current play lie inside a final one.
            EXPECT_TRUE(Garantite(attuali, f.ortogonale ? r.g : std::min(r.k, 5), r.g, finali));
        }
    }
    EXPECT_GE(provate, 20);
}
