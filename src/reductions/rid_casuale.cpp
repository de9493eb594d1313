#include "reductions/rid_casuale.h"

#include "reductions/opzioni_riduzione.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_set>
#include <vector>

namespace mc = messaggi_casuale;

namespace {

// A play as two integers, for the set of plays already in the list.
struct Chiave
{
    std::uint64_t basso = 0;
    std::uint16_t alto = 0;

    explicit Chiave(const Tipo_Giocata& g)
    {
        std::memcpy(&basso, g.data(), sizeof basso);
        std::memcpy(&alto, g.data() + 8, sizeof alto);
    }
    bool operator==(const Chiave&) const = default;
};

struct HashChiave
{
    std::size_t operator()(const Chiave& c) const
    {
        std::uint64_t h = c.basso * 0x9E3779B97F4A7C15ULL;
        h ^= (std::uint64_t{c.alto} + 0x632BE59BD9B4E019ULL) * 0xC2B2AE3D27D4EB4FULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

// The fixed numbers a random play starts with: the first min(fisse, k), in their order. Empty when the
// fixed numbers are not considered.
std::vector<std::uint8_t> FissePerGiocata(const Sistema& sistema, bool consideraFisse)
{
    std::vector<std::uint8_t> fisse;
    if (!consideraFisse) {
        return fisse;
    }
    const int quante = std::clamp<int>(std::min(sistema.numeroFisse, sistema.numeriPerGiocata), 0, 9);
    for (int i = 0; i < quante; ++i) {
        fisse.push_back(sistema.fisse[static_cast<std::size_t>(i)]);
    }
    return fisse;
}

bool FisseUtilizzabili(const std::vector<std::uint8_t>& fisse)
{
    std::array<bool, NumeroMassimo + 1> visto{};
    for (std::uint8_t f : fisse) {
        if (f < 1 || f > NumeroMassimo || visto[f]) {
            return false;
        }
        visto[f] = true;
    }
    return true;
}

std::int64_t Arrotonda(double valore)
{
    return static_cast<std::int64_t>(std::llround(valore));
}

RichiestaCasuale Rifiuto(std::string testo)
{
    RichiestaCasuale r;
    r.rifiuto = Avviso(std::move(testo));
    return r;
}

} // namespace

DisponibiliCasuali GiocateCasualiDisponibili(const Sistema& sistema, const ElencoGiocate& giocate,
                                             bool consideraFisse)
{
    const int k = sistema.numeriPerGiocata;
    DisponibiliCasuali d;
    d.limite = Arrotonda(CombinazioniDouble(sistema.numeriPronostico(), k)) - giocate.conteggio();
    if (!consideraFisse || sistema.numeroFisse <= 0) {
        return d;
    }

    const std::vector<std::uint8_t> fisse = FissePerGiocata(sistema, true);
    if (!FisseUtilizzabili(fisse) || k < 1 || k > NumeriMassimiPerGiocata) {
        d.conFisse = 0;
        return d;
    }
    SegniNumeri inFisse{};
    for (std::uint8_t f : fisse) {
        inFisse[f - 1U] = 1;
    }
    // The other numbers come from the prediction without the fixed ones.
    SegniNumeri altri{};
    int quantiAltri = 0;
    for (std::size_t i = 0; i < altri.size(); ++i) {
        if (sistema.pronostico[i] != 0 && inFisse[i] == 0) {
            altri[i] = 1;
            ++quantiAltri;
        }
    }
    const int daEstrarre = k - static_cast<int>(fisse.size());
    const std::int64_t tutte =
        daEstrarre == 0
            ? 1
            : (quantiAltri < daEstrarre ? 0 : Arrotonda(CombinazioniDouble(quantiAltri, daEstrarre)));

    // The distinct plays of the list a run would draw: exactly k numbers ascending (the form a drawn
    // play takes), all the fixed ones and the rest among the others.
    std::vector<Chiave> presenti;
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        const Tipo_Giocata& g = giocate.voce(i);
        if (NumeriGiocata(g) != k) {
            continue;
        }
        bool valida = true;
        int fisseTrovate = 0;
        for (int s = 0; s < k && valida; ++s) {
            const std::uint8_t numero = g[static_cast<std::size_t>(s)];
            valida = numero <= NumeroMassimo && (s == 0 || numero > g[static_cast<std::size_t>(s - 1)]);
            if (valida && inFisse[numero - 1U] != 0) {
                ++fisseTrovate;
            } else if (valida) {
                valida = altri[numero - 1U] != 0;
            }
        }
        if (valida && fisseTrovate == static_cast<int>(fisse.size())) {
            presenti.emplace_back(g);
        }
    }
    std::sort(presenti.begin(), presenti.end(), [](const Chiave& a, const Chiave& b) {
        return a.basso != b.basso ? a.basso < b.basso : a.alto < b.alto;
    });
    const auto distinte = std::unique(presenti.begin(), presenti.end()) - presenti.begin();
    d.conFisse = std::max<std::int64_t>(0, tutte - distinte);
    return d;
}

RichiestaCasuale ControllaAggiuntaCasuale(const Sistema& sistema, const ElencoGiocate& giocate,
                                          bool consideraFisse, std::string_view testo)
{
    const DisponibiliCasuali d = GiocateCasualiDisponibili(sistema, giocate, consideraFisse);
    if (d.limite <= 0) {
        return Rifiuto(mc::NessunaNuovaGiocata);
    }
    std::int64_t n = 0;
    if (!LeggiNumeroIntero(testo, n) || n < 1 || n > d.limite) {
        return Rifiuto(mc::EstrazioneNonValida + std::to_string(d.limite));
    }
    if (d.conFisse) {
        if (*d.conFisse <= 0) {
            return Rifiuto(mc::NessunaNuovaGiocataFisse);
        }
        if (n > *d.conFisse) {
            return Rifiuto(mc::EstrazioneNonValidaFisse + std::to_string(*d.conFisse));
        }
    }
    if (n > std::numeric_limits<std::int32_t>::max()) {
        return Rifiuto(mc::EstrazioneNonValida + std::to_string(d.limite));
    }
    RichiestaCasuale r;
    r.quante = static_cast<std::int32_t>(n);
    return r;
}

EsitoRiduzione AggiungiGiocateCasuali(Sistema& sistema, ElencoGiocate& giocate, bool consideraFisse,
                                      std::int32_t n, GeneratoreCasuale& generatore,
                                      ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo,
                                   {ModoRiduzione::AggiungeSubito, consideraFisse, 1, false});
    esecuzione.avvia();
    esecuzione.setTotale(n);

    const int k = std::clamp(sistema.numeriPerGiocata, 1, NumeriMassimiPerGiocata);
    const std::vector<std::uint8_t> fisse = FissePerGiocata(sistema, esecuzione.consideraFisse());
    const auto primaLibera = static_cast<int>(fisse.size());
    int altriPronosticati = 0;
    for (std::size_t i = 0; i < sistema.pronostico.size(); ++i) {
        const auto numero = static_cast<std::uint8_t>(i + 1);
        if (sistema.pronostico[i] != 0 && std::find(fisse.begin(), fisse.end(), numero) == fisse.end()) {
            ++altriPronosticati;
        }
    }
    // Without enough numbers to complete a play, or with fixed numbers that cannot form one, the
    // drawing below would never end.
    if (altriPronosticati < k - primaLibera || !FisseUtilizzabili(fisse)) {
        return esecuzione.concludi();
    }

    std::unordered_set<Chiave, HashChiave> presenti;
    presenti.reserve(static_cast<std::size_t>(giocate.conteggio()) +
                     static_cast<std::size_t>(std::min<std::int32_t>(n, 1 << 20)));
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        presenti.emplace(giocate.voce(i));
    }

    while (esecuzione.aggiunte() < n) {
        Tipo_Giocata g{};
        for (int i = 0; i < primaLibera; ++i) {
            g[static_cast<std::size_t>(i)] = fisse[static_cast<std::size_t>(i)];
        }
        for (int i = primaLibera; i < k; ++i) {
            for (;;) {
                const auto numero = static_cast<std::uint8_t>(generatore.estrai(NumeroMassimo) + 1);
                if (sistema.pronostico[numero - 1U] == 0) {
                    continue;
                }
                const auto fine = g.begin() + i;
                if (std::find(g.begin(), fine, numero) == fine) {
                    g[static_cast<std::size_t>(i)] = numero;
                    break;
                }
            }
        }
        std::sort(g.begin(), g.begin() + k);
        // The set stands for the cursor search of the list (plays before the run and those appended):
        // the same answers, without a scan of the whole list for each new play.
        if (presenti.emplace(g).second && !esecuzione.aggiungi(g)) {
            break;
        }
        esecuzione.setElaborati(esecuzione.aggiunte());
        if (!esecuzione.verifica()) {
            break;
        }
    }
    return esecuzione.concludi();
}

RichiestaCasuale ControllaEliminazioneCasuale(const ElencoGiocate& giocate, std::string_view testo)
{
    std::int64_t n = 0;
    if (!LeggiNumeroIntero(testo, n) || n < 1) {
        return Rifiuto(mc::EliminazioneNonValida + std::to_string(giocate.conteggio()));
    }
    RichiestaCasuale r;
    r.quante = static_cast<std::int32_t>(std::min<std::int64_t>(n, giocate.conteggio()));
    return r;
}

EsitoRiduzione EliminaGiocateCasualmente(Sistema& sistema, ElencoGiocate& giocate, std::int32_t n,
                                         GeneratoreCasuale& generatore, ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo,
                                   {ModoRiduzione::EliminaSubito, false, 1, true});
    esecuzione.avvia();
    const std::int32_t quante = std::min(n, giocate.conteggio());
    esecuzione.setTotale(quante);
    for (std::int32_t i = 0; i < quante; ++i) {
        const auto r =
            static_cast<std::int32_t>(generatore.estrai(static_cast<std::uint32_t>(giocate.conteggio())));
        esecuzione.elimina(r + 1);
        esecuzione.setElaborati(esecuzione.eliminate());
        if (!esecuzione.verifica()) {
            break;
        }
    }
    return esecuzione.concludi();
}
