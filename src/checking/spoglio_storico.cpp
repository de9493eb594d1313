#include "checking/spoglio_storico.h"

#include "checking/manutenzione_archivio.h"
#include "core/testo.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <limits>

namespace {

// C(h, k) for h hits (0..15, the width of a wheel's counter) and k = 1..5.
constexpr std::array<std::array<std::int64_t, 6>, 16> CombinazioniColpi = [] {
    std::array<std::array<std::int64_t, 6>, 16> c{};
    for (int h = 0; h < 16; ++h) {
        c[static_cast<std::size_t>(h)][0] = 1;
        for (int k = 1; k <= 5 && k <= h; ++k) {
            c[static_cast<std::size_t>(h)][static_cast<std::size_t>(k)] =
                c[static_cast<std::size_t>(h)][static_cast<std::size_t>(k - 1)] * (h - k + 1) / k;
        }
    }
    return c;
}();

constexpr int BitPerRuota = 4;
constexpr std::uint64_t MascheraRuota = (std::uint64_t{1} << BitPerRuota) - 1;

// For one draw, number n -> one 4-bit counter per counted wheel holding 1 where n was drawn. Adding the
// words of a play's numbers gives its hits on every wheel at once (a play holds each number once, a wheel
// five numbers, so no counter overflows).
using TabellaEstrazione = std::array<std::uint64_t, NumeroMassimo + 1>;

void PreparaTabella(const Tipo_Estrazione& estrazione, const std::array<bool, RuoteArchivio + 1>& contate,
                    TabellaEstrazione& tabella)
{
    tabella.fill(0);
    for (int w = 1; w <= RuoteArchivio; ++w) {
        if (!contate[static_cast<std::size_t>(w)]) {
            continue;
        }
        const std::uint64_t bit = std::uint64_t{1} << (BitPerRuota * (w - 1));
        for (int p = 1; p <= 5; ++p) {
            const std::uint8_t n = estrazione.numero(w, p);
            if (n >= 1 && n <= NumeroMassimo) {
                tabella[n] |= bit;
            }
        }
    }
}

} // namespace

bool LeggiNumeroDigitato(std::string_view testo, std::int32_t& valore)
{
    const std::string t = testo::Trim(testo);
    std::string_view cifre = t;
    const bool piu = !cifre.empty() && cifre.front() == '+';
    if (piu) {
        cifre.remove_prefix(1);
    }
    if (cifre.empty() || (piu && cifre.front() == '-')) {
        return false;
    }
    std::int32_t v = 0;
    const char* fine = cifre.data() + cifre.size();
    const auto [ptr, errore] = std::from_chars(cifre.data(), fine, v);
    if (errore != std::errc() || ptr != fine) {
        return false;
    }
    valore = v;
    return true;
}

std::int32_t PartenzaPredefinita(std::string_view estrazioni, std::int32_t conteggio)
{
    std::int32_t n = EstrazioniSeNonNumero;
    (void)LeggiNumeroDigitato(estrazioni, n);
    const std::int64_t s = std::int64_t{conteggio} - n + 1;
    return s >= 1 ? static_cast<std::int32_t>(
                        std::min<std::int64_t>(s, std::numeric_limits<std::int32_t>::max()))
                  : 1;
}

IntervalloEstrazioni IntervalloSpoglioStorico(std::string_view estrazioni, std::string_view partenza,
                                              std::int32_t conteggio)
{
    IntervalloEstrazioni intervallo;
    if (conteggio <= 0) {
        return intervallo;
    }
    std::int32_t n = EstrazioniSeNonNumero;
    (void)LeggiNumeroDigitato(estrazioni, n);
    n = std::clamp(n, 1, conteggio);
    std::int32_t s = conteggio - n + 1;
    (void)LeggiNumeroDigitato(partenza, s);
    intervallo.prima = std::clamp(s, 1, conteggio);
    // From the clamped start, so that a start below 1 still scans n draws and never an empty span.
    intervallo.ultima =
        static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{intervallo.prima} + n - 1, conteggio));
    return intervallo;
}

void SpoglioStorico(const Tipo_Giocata* giocate, std::int32_t quante, const ArchivioStorico& archivio,
                    IntervalloEstrazioni intervallo, const ParametriSpoglioStorico& parametri,
                    EsitoSpoglioStorico& esito, ControlloEsecuzione& controllo)
{
    esito = EsitoSpoglioStorico{};
    intervallo.prima = std::max(intervallo.prima, 1);
    intervallo.ultima = std::min(intervallo.ultima, archivio.conteggio());
    const std::int32_t totale = intervallo.quante();
    std::array<bool, RuoteArchivio + 1> contate{};
    for (int w = 1; w <= RuoteArchivio; ++w) {
        contate[static_cast<std::size_t>(w)] = parametri.tutteLeRuote || RuotaSelezionata(parametri.ruote, w);
    }

    TabellaEstrazione tabella{};
    Avanzamento stato;
    stato.totale = totale;
    for (std::int32_t d = intervallo.prima; d <= intervallo.ultima; ++d) {
        PreparaTabella(archivio.estrazione(d), contate, tabella);
        // Wheels by hits; the combinations are counted once per draw from these.
        std::array<std::int64_t, 16> perColpi{};
        for (std::int32_t i = 0; i < quante; ++i) {
            const Tipo_Giocata& g = giocate[i];
            std::uint64_t colpi = 0;
            for (std::uint8_t numero : g) {
                if (numero == 0) {
                    break;
                }
                colpi += tabella[numero <= NumeroMassimo ? numero : 0];
            }
            while (colpi != 0) {
                const int spostamento = std::countr_zero(colpi) & ~(BitPerRuota - 1);
                ++perColpi[static_cast<std::size_t>((colpi >> spostamento) & MascheraRuota)];
                colpi &= ~(MascheraRuota << spostamento);
            }
            if ((i + 1) % PassoControlloStorico == 0 && !controllo.verifica(stato)) {
                esito.interrotto = true;
                return;
            }
        }
        ConteggiClassi conteggi{};
        for (std::size_t h = 1; h < perColpi.size(); ++h) {
            for (std::size_t k = 1; k <= 5; ++k) {
                conteggi[k - 1] += perColpi[h] * CombinazioniColpi[h][k];
            }
        }
        std::int64_t somma = 0;
        for (std::int64_t c : conteggi) {
            somma += c;
        }
        if (somma > 0) {
            esito.righe.push_back({d, conteggi});
            for (std::size_t k = 0; k < conteggi.size(); ++k) {
                esito.totali[k] += conteggi[k];
            }
        }
        ++esito.esaminate;
        stato.elaborati = esito.esaminate;
        if (!controllo.verifica(stato)) {
            esito.interrotto = d < intervallo.ultima;
            return;
        }
    }
}

void SpoglioStorico(const ElencoGiocate& elenco, const ArchivioStorico& archivio,
                    IntervalloEstrazioni intervallo, const ParametriSpoglioStorico& parametri,
                    EsitoSpoglioStorico& esito, ControlloEsecuzione& controllo)
{
    SpoglioStorico(elenco.dati(), elenco.conteggio(), archivio, intervallo, parametri, esito, controllo);
}

std::array<std::string, 6> CelleRigaSpoglioStorico(const ArchivioStorico& archivio,
                                                   const RigaSpoglioStorico& riga)
{
    std::array<std::string, 6> celle;
    celle[0] = TestoDataBreve(archivio.estrazione(riga.estrazione));
    const auto totali = TestiTotaliSpoglioStorico(riga.conteggi);
    std::copy(totali.begin(), totali.end(), celle.begin() + 1);
    return celle;
}

std::array<std::string, 5> TestiTotaliSpoglioStorico(const ConteggiClassi& totali)
{
    std::array<std::string, 5> testi;
    for (std::size_t k = 0; k < 5; ++k) {
        testi[k] = std::to_string(totali[4 - k]);
    }
    return testi;
}
