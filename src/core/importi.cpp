#include "core/importi.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// The fixed-point text of any finite double is at most 326 characters (the smallest subnormal), so
// this bound refuses only texts nobody types while every text TestoImportoModificabile writes still
// reads back.
constexpr std::size_t LunghezzaMassimaImporto = 340;

// Room for the fixed-point image of the largest double with ten decimals.
constexpr std::size_t BufferFormato = 400;

// More decimals than this only pad zeros; a corrupt setting must not ask for gigabytes of them.
constexpr int DecimaliMassimi = 30;

// A zero step means "no step": the dialog accepts 0 for i1 and for Multiplo, and a remainder by zero
// is undefined. -1 divides everything, and INT64_MIN % -1 would overflow.
bool MultiploDi(std::int64_t valore, std::int64_t passo)
{
    if (passo == 0 || passo == -1) {
        return true;
    }
    return valore % passo == 0;
}

std::string RaggruppaMigliaia(const std::string& cifre)
{
    if (cifre.size() <= 3) {
        return cifre;
    }
    std::string risultato;
    risultato.reserve(cifre.size() + cifre.size() / 3);
    const std::size_t primo = cifre.size() % 3 == 0 ? 3 : cifre.size() % 3;
    risultato.append(cifre, 0, primo);
    for (std::size_t i = primo; i < cifre.size(); i += 3) {
        risultato.push_back('.');
        risultato.append(cifre, i, 3);
    }
    return risultato;
}

} // namespace

std::int64_t ArrotondaImporto(double x)
{
    // nearbyint under the default rounding mode rounds half to even. Values beyond the 64-bit range
    // only come from corrupt settings; they saturate instead of overflowing, and NaN is never a
    // usable limit, so it lands on the largest value.
    const double r = std::nearbyint(x * 10000.0);
    constexpr double limite = 9223372036854775808.0; // 2^63
    if (std::isnan(r) || r >= limite) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (r < -limite) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(r);
}

bool LeggiImporto(std::string_view testo, double& valore)
{
    if (testo.empty()) {
        valore = 0;
        return true;
    }
    if (testo.size() > LunghezzaMassimaImporto) {
        return false;
    }
    std::string numero(testo);
    std::replace(numero.begin(), numero.end(), ',', '.');

    int cifre = 0;
    int punti = 0;
    for (const char c : numero) {
        if (c >= '0' && c <= '9') {
            ++cifre;
        } else if (c == '.') {
            ++punti;
        } else {
            return false;
        }
    }
    if (cifre == 0 || punti > 1) {
        return false;
    }
    // from_chars ignores the locale, so "0,5" reads as 0.5 whatever LC_NUMERIC says.
    double letto = 0;
    const char* fine = numero.data() + numero.size();
    const auto [ptr, ec] = std::from_chars(numero.data(), fine, letto, std::chars_format::fixed);
    if (ec != std::errc() || ptr != fine) {
        return false;
    }
    valore = letto;
    return true;
}

std::string FormatoImporto(double x, bool separatori, int decimali)
{
    decimali = std::clamp(decimali, 0, DecimaliMassimi);
    const bool negativo = std::signbit(x) && x != 0;
    char buffer[BufferFormato];
    const auto [fine, ec] =
        std::to_chars(buffer, buffer + BufferFormato, std::fabs(x), std::chars_format::fixed, 10);
    std::string testo = ec == std::errc() ? std::string(buffer, fine) : std::string("0");

    while (testo.size() >= 2 && testo.ends_with("00")) {
        testo.pop_back();
    }

    const std::size_t punto = testo.find('.');
    std::string intera = testo.substr(0, punto);
    std::string decimale = punto == std::string::npos ? std::string() : testo.substr(punto + 1);

    if (separatori) {
        intera = RaggruppaMigliaia(intera);
    }
    if (decimale.size() > static_cast<std::size_t>(decimali)) {
        decimale.resize(static_cast<std::size_t>(decimali));
    }
    decimale.append(static_cast<std::size_t>(decimali) - decimale.size(), '0');

    std::string risultato = negativo ? "-" + intera : intera;
    if (!decimale.empty()) {
        risultato += ',';
        risultato += decimale;
    }
    return risultato;
}

std::string TestoImportoModificabile(double x)
{
    // NaN and infinities have no text the boxes accept; only corrupt settings hold them.
    if (x == 0 || !std::isfinite(x)) {
        return "0";
    }
    char buffer[BufferFormato];
    const auto [fine, ec] = std::to_chars(buffer, buffer + BufferFormato, x, std::chars_format::fixed);
    if (ec != std::errc()) {
        return "0";
    }
    std::string testo(buffer, fine);
    std::replace(testo.begin(), testo.end(), '.', ',');
    return testo;
}

EsitoImporti ValidaImporti(const CaselleImporti& caselle,
                           const std::array<std::uint8_t, NumeroPosizioni>& posizioni,
                           const ImpostazioniGenerali& impostazioni)
{
    EsitoImporti esito;
    esito.valido = true;

    const std::int64_t minimoQuota = ArrotondaImporto(impostazioni.i1());
    const std::int64_t massimoQuota = ArrotondaImporto(impostazioni.i18());

    auto leggi = [&](int slot) {
        double valore = 0;
        if (caselle.abilitate[static_cast<std::size_t>(slot)]) {
            if (!LeggiImporto(caselle.testi[static_cast<std::size_t>(slot)], valore)) {
                esito.valido = false;
                valore = 0;
            }
        }
        esito.importi[static_cast<std::size_t>(slot - 1)] = valore;
        return valore;
    };

    double somma = 0;
    for (const int slot : {Estratto, Ambo, Terno, Quaterna, Cinquina, Ambetto}) {
        const double quota = leggi(slot);
        somma += quota;
        if (quota > 0) {
            const std::int64_t r = ArrotondaImporto(quota);
            if (r > massimoQuota || r < minimoQuota || !MultiploDi(r, minimoQuota)) {
                esito.valido = false;
            }
        }
    }
    esito.sommaClassi = somma;

    // The Estratto determinato stake is paid once per chosen position and is not bound to the
    // accepted amounts.
    const double determinato = leggi(EstrattoDeterminato);
    if (determinato > 0) {
        for (const std::uint8_t posizione : posizioni) {
            if (posizione != 0) {
                somma += determinato;
            }
        }
    }
    esito.totale = somma;

    const std::int64_t totale = ArrotondaImporto(somma);
    if (totale < ArrotondaImporto(impostazioni.minimo) || totale > ArrotondaImporto(impostazioni.massimo) ||
        !MultiploDi(totale, ArrotondaImporto(impostazioni.multiplo))) {
        esito.valido = false;
    }
    return esito;
}

std::string MessaggioImportiNonValidi(const ImpostazioniGenerali& impostazioni)
{
    auto f = [&](double x) { return FormatoImporto(x, true, impostazioni.decimali); };
    return "Alcuni importi non sono validi. L'importo minimo per giocata è " + f(impostazioni.minimo) +
           " €\r" + "Il totale deve essere multiplo di " + f(impostazioni.multiplo) +
           " € e non superiore a " + f(impostazioni.massimo) + " €.\r" +
           "Ogni singola quota deve essere multipla di " + f(impostazioni.i1()) + " €.\r" +
           "Ogni singola quota non può superare " + f(impostazioni.i18()) + " €.";
}
