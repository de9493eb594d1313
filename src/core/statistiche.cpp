#include "core/statistiche.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int UltimoNumero = 90;
constexpr int PosizioniPerRuota = 5;
constexpr std::int32_t NessunaRuota = 10000000;

// A byte that is not a number 1..90 is no number: a wheel without data in a draw holds zeros, and a
// damaged record must not index outside the tables.
constexpr bool NumeroValido(std::uint8_t x)
{
    return x >= 1 && x <= UltimoNumero;
}

void CalcolaFrequenze(const ArchivioStorico& archivio, std::int32_t finestra, StatisticheNumeri::Tabella& f)
{
    const std::int32_t c = archivio.conteggio();
    const std::int32_t primo = std::max<std::int32_t>(1, c - finestra + 1);
    for (std::int32_t i = primo; i <= c; ++i) {
        const Tipo_Estrazione& e = archivio.estrazione(i);
        for (int w = Bari; w <= Nazionale; ++w) {
            for (int p = 1; p <= PosizioniPerRuota; ++p) {
                const std::uint8_t x = e.numero(w, p);
                if (!NumeroValido(x)) {
                    continue;
                }
                ++f[w][x];
                if (w != Nazionale) {
                    ++f[Tutte][x];
                }
            }
        }
    }
}

// One pass from the most recent draw backwards: the first time a (wheel, number) pair shows up fixes
// its delay, and the pass ends as soon as all 990 pairs are fixed. A pair never seen keeps the
// archive count. Every draw counts in the delay of every wheel, also a draw in which that wheel has
// no data, so a Nazionale delay reaching back before the wheel existed counts all those draws too.
void CalcolaRitardi(const ArchivioStorico& archivio, StatisticheNumeri::Tabella& d)
{
    const std::int32_t c = archivio.conteggio();
    for (int w = Bari; w <= Nazionale; ++w) {
        std::fill(d[w].begin() + 1, d[w].end(), c);
    }
    std::array<std::array<bool, UltimoNumero + 1>, RuoteArchivio + 1> trovato{};
    int mancanti = RuoteArchivio * UltimoNumero;
    for (std::int32_t i = c; i >= 1 && mancanti > 0; --i) {
        const Tipo_Estrazione& e = archivio.estrazione(i);
        for (int w = Bari; w <= Nazionale; ++w) {
            for (int p = 1; p <= PosizioniPerRuota; ++p) {
                const std::uint8_t x = e.numero(w, p);
                if (NumeroValido(x) && !trovato[w][x]) {
                    trovato[w][x] = true;
                    d[w][x] = c - i;
                    --mancanti;
                }
            }
        }
    }
    for (int n = 1; n <= UltimoNumero; ++n) {
        std::int32_t minimo = c;
        for (int w = Bari; w <= Venezia; ++w) {
            minimo = std::min(minimo, d[w][n]);
        }
        d[Tutte][n] = minimo;
    }
}

// Shifts the values so that the smallest is 0; returns the range (largest minus smallest).
std::int32_t Trasla(const std::array<std::int32_t, UltimoNumero + 1>& v,
                    std::array<double, UltimoNumero + 1>& out)
{
    const auto [mn, mx] = std::minmax_element(v.begin() + 1, v.end());
    const std::int32_t minimo = *mn;
    const std::int32_t r = *mx - minimo;
    for (int n = 1; n <= UltimoNumero; ++n) {
        out[n] = static_cast<double>(v[n] - minimo);
    }
    return r;
}

} // namespace

void RicalcolaStatistiche(const ArchivioStorico& archivio, const SegniRuote& ruote,
                          const ImpostazioniGenerali& impostazioni, StatisticheNumeri& statistiche)
{
    StatisticheNumeri& s = statistiche;
    s.ritardi = {};
    s.frequenze = {};
    s.probabilita = {};
    s.ritardoSelezionate = {};
    s.frequenzaSelezionate = {};

    CalcolaFrequenze(archivio, std::max<std::int32_t>(1, impostazioni.ifNumEstra), s.frequenze);
    CalcolaRitardi(archivio, s.ritardi);

    // d[n]: the smallest delay over the set flags (Tutte reads row 12); f[n]: the frequency on the
    // archive wheels the flags select. Both are kept unshifted for the views and reductions.
    for (int n = 1; n <= UltimoNumero; ++n) {
        std::int32_t d = NessunaRuota;
        for (int w = Bari; w <= Tutte; ++w) {
            if (ruote[static_cast<std::size_t>(w - 1)] != 0) {
                d = std::min(d, s.ritardi[w][n]);
            }
        }
        std::int32_t f = 0;
        for (int w = Bari; w <= Nazionale; ++w) {
            if (RuotaSelezionata(ruote, w)) {
                f += s.frequenze[w][n];
            }
        }
        s.ritardoSelezionate[n] = d;
        s.frequenzaSelezionate[n] = f;
    }

    std::array<double, UltimoNumero + 1> r{};
    std::array<double, UltimoNumero + 1> q{};
    if (impostazioni.ipUsaRit) {
        std::array<double, UltimoNumero + 1> d{};
        const std::int32_t campo = Trasla(s.ritardoSelezionate, d);
        if (campo > 0) {
            const double prmin = impostazioni.ipPrMin;
            const double prmax = impostazioni.ipPrMax;
            for (int n = 1; n <= UltimoNumero; ++n) {
                const double valore = prmin + (prmax - prmin) * d[n] / campo;
                r[n] = impostazioni.ipRitDirProp ? valore : prmax - valore;
            }
        }
    }
    if (impostazioni.ipUsaFre) {
        std::array<double, UltimoNumero + 1> f{};
        const std::int32_t campo = Trasla(s.frequenzaSelezionate, f);
        if (campo > 0) {
            const double pfmin = impostazioni.ipPfMin;
            const double pfmax = impostazioni.ipPfMax;
            for (int n = 1; n <= UltimoNumero; ++n) {
                const double valore = pfmin + (pfmax - pfmin) * (1.0 - f[n] / campo);
                q[n] = impostazioni.ipFreqInvProp ? valore : pfmax - valore;
            }
        }
    }
    for (int n = 1; n <= UltimoNumero; ++n) {
        s.probabilita[n] = r[n] + q[n];
    }
}
