#include "reductions/rid_cruciverba.h"

#include "reductions/opzioni_riduzione.h"
#include "reductions/profilo_sovrapposizioni.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <unordered_set>

namespace mc = messaggi_cruciverba;

namespace {

using Orologio = std::chrono::steady_clock;

std::int64_t Trascorsi(Orologio::time_point inizio)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Orologio::now() - inizio).count();
}

int Modulo(int a, int l)
{
    const int r = a % l;
    return r < 0 ? r + l : r;
}

MascheraNumeri MascheraLinea(const std::vector<std::uint8_t>& linea)
{
    MascheraNumeri m;
    for (std::uint8_t x : linea) {
        if (x <= 64) {
            m.basso |= std::uint64_t{1} << (x - 1U);
        } else {
            m.alto |= std::uint64_t{1} << (x - 65U);
        }
    }
    return m;
}

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

} // namespace

std::optional<int> LeggiLato(std::string_view testo, int k)
{
    std::int64_t lato = 0;
    if (!LeggiNumeroIntero(testo, lato) || lato < 3 || lato > NumeroMassimo || lato < k) {
        return std::nullopt;
    }
    return static_cast<int>(lato);
}

std::vector<std::uint8_t> Riga(const GrigliaCruciverba& g, int y)
{
    std::vector<std::uint8_t> v;
    for (int x = 0; x < g.lato; ++x) {
        v.push_back(g.cella(y, x));
    }
    return v;
}

std::vector<std::uint8_t> Colonna(const GrigliaCruciverba& g, int x)
{
    std::vector<std::uint8_t> v;
    for (int y = 0; y < g.lato; ++y) {
        v.push_back(g.cella(y, x));
    }
    return v;
}

std::vector<std::uint8_t> DiagonaleDestra(const GrigliaCruciverba& g, int s)
{
    std::vector<std::uint8_t> v;
    for (int y = 0; y < g.lato; ++y) {
        v.push_back(g.cella(y, Modulo(s + y, g.lato)));
    }
    return v;
}

std::vector<std::uint8_t> DiagonaleSinistra(const GrigliaCruciverba& g, int s)
{
    std::vector<std::uint8_t> v;
    for (int y = 0; y < g.lato; ++y) {
        v.push_back(g.cella(y, Modulo(s - y, g.lato)));
    }
    return v;
}

bool CruciverbaValido(const GrigliaCruciverba& g)
{
    if (g.lato < 1 || g.celle.size() != static_cast<std::size_t>(g.lato * g.lato)) {
        return false;
    }
    std::vector<MascheraNumeri> linee;
    for (int i = 0; i < g.lato; ++i) {
        for (const auto& linea :
             {Riga(g, i), Colonna(g, i), DiagonaleDestra(g, i), DiagonaleSinistra(g, i)}) {
            const MascheraNumeri m = MascheraLinea(linea);
            // A repeated number leaves fewer bits than cells.
            if (Quanti(m) != g.lato) {
                return false;
            }
            linee.push_back(m);
        }
    }
    std::sort(linee.begin(), linee.end(), [](const MascheraNumeri& a, const MascheraNumeri& b) {
        return a.basso != b.basso ? a.basso < b.basso : a.alto < b.alto;
    });
    return std::adjacent_find(linee.begin(), linee.end()) == linee.end();
}

bool TentativoCruciverba(int lato, const std::vector<std::uint8_t>& pronostico, GeneratoreCasuale& generatore,
                         std::int64_t millisecondi, GrigliaCruciverba& griglia)
{
    const auto inizio = Orologio::now();
    const int n = static_cast<int>(pronostico.size());
    if (lato < 1 || n < 1 || n > NumeroMassimo) {
        return false;
    }
    std::vector<std::uint8_t> celle(static_cast<std::size_t>(lato * lato), 0); // positions 1..n
    std::array<bool, NumeroMassimo + 1> usato{};
    std::array<bool, NumeroMassimo + 1> vietato{};

    // A random permutation of 1..n, drawn value by value (again while the value is used); the cell takes
    // its first value that fits, so the drawing stops there.
    const auto primoCheVa = [&](const std::array<bool, NumeroMassimo + 1>& escluso) -> int {
        usato.fill(false);
        for (int i = 0; i < n; ++i) {
            int v = 0;
            do {
                v = static_cast<int>(generatore.estrai(static_cast<std::uint32_t>(n))) + 1;
            } while (usato[static_cast<std::size_t>(v)]);
            usato[static_cast<std::size_t>(v)] = true;
            if (!escluso[static_cast<std::size_t>(v)]) {
                return v;
            }
        }
        return 0;
    };

    const int celleTotali = lato * lato;
    const int iniziali = std::min(n, celleTotali);
    // The first cells take a permutation's values in order: they are all different.
    usato.fill(false);
    for (int c = 0; c < iniziali; ++c) {
        int v = 0;
        do {
            v = static_cast<int>(generatore.estrai(static_cast<std::uint32_t>(n))) + 1;
        } while (usato[static_cast<std::size_t>(v)]);
        usato[static_cast<std::size_t>(v)] = true;
        celle[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(v);
    }
    for (int c = iniziali; c < celleTotali; ++c) {
        if (Trascorsi(inizio) > millisecondi) {
            return false;
        }
        const int y = c / lato;
        const int x = c % lato;
        vietato.fill(false);
        for (int i = 0; i < x; ++i) {
            vietato[celle[static_cast<std::size_t>(y * lato + i)]] = true;
        }
        for (int d = 1; d <= y; ++d) {
            const int r = (y - d) * lato;
            vietato[celle[static_cast<std::size_t>(r + x)]] = true;
            vietato[celle[static_cast<std::size_t>(r + Modulo(x - d, lato))]] = true;
            vietato[celle[static_cast<std::size_t>(r + Modulo(x + d, lato))]] = true;
        }
        const int v = primoCheVa(vietato);
        if (v == 0) {
            return false;
        }
        celle[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(v);
    }
    griglia.lato = lato;
    griglia.celle.resize(celle.size());
    for (std::size_t c = 0; c < celle.size(); ++c) {
        griglia.celle[c] = pronostico[celle[c] - 1U];
    }
    return true;
}

EsitoCostruzione CostruisciCruciverba(int lato, const std::vector<std::uint8_t>& pronostico,
                                      GeneratoreCasuale& generatore, ControlloEsecuzione& controllo,
                                      GrigliaCruciverba& griglia, std::int64_t perTentativo,
                                      std::int64_t totale)
{
    const auto inizio = Orologio::now();
    GrigliaCruciverba prova;
    for (;;) {
        const bool riuscito =
            TentativoCruciverba(lato, pronostico, generatore, perTentativo, prova) && CruciverbaValido(prova);
        const std::int64_t speso = Trascorsi(inizio);
        Avanzamento stato;
        stato.elaborati = static_cast<double>(std::min(speso, totale));
        stato.totale = static_cast<double>(totale);
        if (riuscito) {
            griglia = std::move(prova);
            return EsitoCostruzione::Costruita;
        }
        if (!controllo.verifica(stato)) {
            return EsitoCostruzione::Interrotta;
        }
        if (speso >= totale) {
            return EsitoCostruzione::Impossibile;
        }
    }
}

std::vector<std::vector<std::uint8_t>> SistemiCruciverba(const GrigliaCruciverba& g,
                                                         const LineeCruciverba& linee)
{
    std::vector<std::vector<std::uint8_t>> sistemi;
    const auto aggiungi = [&](std::vector<std::uint8_t> linea) {
        std::sort(linea.begin(), linea.end());
        if (std::find(sistemi.begin(), sistemi.end(), linea) == sistemi.end()) {
            sistemi.push_back(std::move(linea));
        }
    };
    const int l = g.lato;
    if (linee.righe) {
        for (int y = 0; y < l; ++y) {
            aggiungi(Riga(g, y));
        }
    }
    if (linee.colonne) {
        for (int x = 0; x < l; ++x) {
            aggiungi(Colonna(g, x));
        }
    }
    if (linee.diagonali) {
        aggiungi(DiagonaleDestra(g, 0));
        aggiungi(DiagonaleSinistra(g, l - 1));
    }
    if (linee.oblique) {
        for (int s = 1; s < l; ++s) {
            aggiungi(DiagonaleDestra(g, s));
        }
        for (int s = l - 2; s >= 0; --s) {
            aggiungi(DiagonaleSinistra(g, s));
        }
    }
    return sistemi;
}

std::string TestoSistema(const std::vector<std::uint8_t>& sistema)
{
    std::string testo;
    for (std::uint8_t x : sistema) {
        if (!testo.empty()) {
            testo += ' ';
        }
        testo += std::to_string(x);
    }
    return testo;
}

std::string TestoSistemi(const std::vector<std::vector<std::uint8_t>>& sistemi)
{
    std::string testo;
    for (const auto& sistema : sistemi) {
        testo += TestoSistema(sistema);
        testo += '\n';
    }
    return testo;
}

EsitoRiduzione SviluppaSistemi(Sistema& sistema, ElencoGiocate& giocate,
                               const std::vector<std::vector<std::uint8_t>>& sistemi, bool consideraFisse,
                               ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(
        sistema, giocate, controllo,
        {ModoRiduzione::Aggiunge, consideraFisse, IntervalloVerificaCombinazioni, false});
    esecuzione.avvia();
    const Messaggio nessuna = Avviso(mc::NessunaNuova);
    const int k = sistema.numeriPerGiocata;
    esecuzione.setTotale(100.0 * static_cast<double>(sistemi.size()));
    std::unordered_set<Chiave, HashChiave> presenti;
    presenti.reserve(static_cast<std::size_t>(giocate.conteggio()));
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        presenti.emplace(giocate.voce(i));
    }

    std::vector<int> pos(static_cast<std::size_t>(std::max(k, 0)));
    std::int64_t esaminate = 0;
    for (std::size_t s = 0; s < sistemi.size(); ++s) {
        const std::vector<std::uint8_t>& numeri = sistemi[s];
        const int l = static_cast<int>(numeri.size());
        if (k < 1 || k > NumeriMassimiPerGiocata || k > l) {
            continue;
        }
        const double totale = CombinazioniDouble(l, k);
        double fatte = 0;
        for (int i = 0; i < k; ++i) {
            pos[static_cast<std::size_t>(i)] = i;
        }
        for (;;) {
            Tipo_Giocata g{};
            for (int i = 0; i < k; ++i) {
                g[static_cast<std::size_t>(i)] =
                    numeri[static_cast<std::size_t>(pos[static_cast<std::size_t>(i)])];
            }
            if (esecuzione.conFisse(g) && presenti.emplace(g).second && !esecuzione.aggiungi(g)) {
                return esecuzione.concludi(nessuna);
            }
            ++fatte;
            if (++esaminate % IntervalloVerificaCombinazioni == 0) {
                esecuzione.setMostrate(giocate.conteggio() + esecuzione.aggiunte());
                // The bar: 100 per system, the share of this system's combinations done.
                esecuzione.setElaborati(
                    static_cast<std::int64_t>(100.0 * static_cast<double>(s) + 100.0 * fatte / totale));
                if (!esecuzione.verifica()) {
                    return esecuzione.concludi(nessuna);
                }
            }
            int i = k - 1;
            while (i >= 0 && pos[static_cast<std::size_t>(i)] == l - k + i) {
                --i;
            }
            if (i < 0) {
                break;
            }
            ++pos[static_cast<std::size_t>(i)];
            for (int j = i + 1; j < k; ++j) {
                pos[static_cast<std::size_t>(j)] = pos[static_cast<std::size_t>(j - 1)] + 1;
            }
        }
    }
    return esecuzione.concludi(nessuna);
}
