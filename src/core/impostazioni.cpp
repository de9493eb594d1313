#include "core/impostazioni.h"

#include "core/testo.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>
#include <system_error>

namespace {

// Every name the general settings are stored under. Families take their 1-based index after the
// prefix ("i7", "cal_or_10").
namespace chiave {
constexpr std::string_view Importo = "i";
constexpr std::string_view Minimo = "Minimo";
constexpr std::string_view Massimo = "Massimo";
constexpr std::string_view Multiplo = "Multiplo";
constexpr std::string_view Decimali = "Decimali";
constexpr std::string_view VincitaMassima = "VincitaMassima";
constexpr std::string_view NotificaAggio = "notificaaggio";
constexpr std::string_view GiorniNotifica = "GiorniNotifica";
constexpr std::string_view ProxyServer = "ProxyServer";
constexpr std::string_view ProxyPorta = "ProxyPorta";
constexpr std::string_view ProxyUsername = "ProxyUsername";
constexpr std::string_view ProxyPassword = "ProxyPassword";
constexpr std::string_view UsaProxy = "UsaProxy";
constexpr std::string_view ProxyAuth = "ProxyAuth";
constexpr std::string_view ServerAggiornamenti = "ServerAggiornamenti";
constexpr std::string_view ServerRiduttori = "ServerRiduttori";
constexpr std::string_view SitoWeb = "SitoWeb";
constexpr std::string_view StampaNumSchedina = "StampaNumSchedina";
constexpr std::string_view CalOr = "cal_or_";
constexpr std::string_view CalVer = "cal_ver_";
constexpr std::string_view NewCalOr = "new_cal_or_";
constexpr std::string_view NewCalVer = "new_cal_ver_";
constexpr std::string_view CalOrLp = "cal_or_lp_";
constexpr std::string_view CalVerLp = "cal_ver_lp_";
constexpr std::string_view NewCalscheOr = "new_calsche_or_";
constexpr std::string_view NewCalscheVer = "new_calsche_ver_";
constexpr std::string_view NewCalsimbOr = "new_calsimb_or_";
constexpr std::string_view NewCalsimbVer = "new_calsimb_ver_";
constexpr std::string_view MsOrientamento = "ms_orientamento";
constexpr std::string_view MsTipoBloccaggio = "ms_tipo_bloccaggio";
constexpr std::string_view MsTipoBloccaggioVer = "ms_tipo_bloccaggio_ver";
constexpr std::string_view IPUsaRit = "IPUsaRit";
constexpr std::string_view IPRitDirProp = "IPRitDirProp";
constexpr std::string_view IPUsaFre = "IPUsaFre";
constexpr std::string_view IPFreqInvProp = "IPFreqInvProp";
constexpr std::string_view IPprmin = "IPprmin";
constexpr std::string_view IPprmax = "IPprmax";
constexpr std::string_view IPpfmin = "IPpfmin";
constexpr std::string_view IPpfmax = "IPpfmax";
constexpr std::string_view IFNumEstra = "IFNumEstra";
constexpr std::string_view PrefissoIDE = "IDE_";
} // namespace chiave

// Money texts show at most this many decimals; a larger stored value cannot come from the program.
constexpr std::int32_t MassimoDecimali = 10;

std::string Nome(std::string_view prefisso, std::size_t indice)
{
    return std::string(prefisso) + std::to_string(indice);
}

std::string_view SenzaSpazi(std::string_view testo)
{
    while (!testo.empty() && (testo.front() == ' ' || testo.front() == '\t')) {
        testo.remove_prefix(1);
    }
    while (!testo.empty() && (testo.back() == ' ' || testo.back() == '\t')) {
        testo.remove_suffix(1);
    }
    return testo;
}

// A decimal written with a point (a comma is taken too, for hand-edited stores); the whole text
// must be the number, and only finite values count.
std::optional<double> LeggiDecimale(std::string_view testo)
{
    std::string numero(SenzaSpazi(testo));
    for (char& c : numero) {
        if (c == ',') {
            c = '.';
        }
    }
    if (numero.empty()) {
        return std::nullopt;
    }
    double valore = 0;
    const char* fine = numero.data() + numero.size();
    auto [ptr, errore] = std::from_chars(numero.data(), fine, valore, std::chars_format::general);
    if (errore != std::errc() || ptr != fine || !std::isfinite(valore)) {
        return std::nullopt;
    }
    return valore;
}

std::optional<std::int32_t> LeggiInteroDaTesto(std::string_view testo)
{
    testo = SenzaSpazi(testo);
    std::int32_t valore = 0;
    const char* fine = testo.data() + testo.size();
    auto [ptr, errore] = std::from_chars(testo.data(), fine, valore);
    if (testo.empty() || errore != std::errc() || ptr != fine) {
        return std::nullopt;
    }
    return valore;
}

std::string TestoDecimale(double valore)
{
    return testo::Fisso(valore, 10);
}

// Twelve decimals, then trailing zeros dropped two at a time from the right: 12.5 gives "12.50"
// and 3 gives "3.0".
std::string TestoCalibrazione(double valore)
{
    std::string testo = testo::Fisso(valore, 12);
    while (testo.size() >= 2 && testo.ends_with("00")) {
        testo.pop_back();
    }
    return testo;
}

bool GiorniValidi(const std::string& giorni)
{
    return giorni.size() == 7 && giorni.find_first_not_of("01") == std::string::npos;
}

// Reads each setting into its member; a missing, unreadable or refused value leaves the member's default.
class Lettore
{
public:
    explicit Lettore(const ArchivioImpostazioni& store) : m_store(store) {}

    void decimale(std::string_view nome, double& valore) const
    {
        if (auto testo = m_store.leggiTesto(nome)) {
            valore = LeggiDecimale(*testo).value_or(valore);
        }
    }

    // A family of decimals under one prefix ("i1".."i18").
    template <std::size_t N> void decimali(std::string_view prefisso, std::array<double, N>& valori) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            decimale(Nome(prefisso, i + 1), valori[i]);
        }
    }

    // An empty text, like a missing one, takes the built-in calibration.
    template <std::size_t N> void calibrazione(std::string_view prefisso, std::array<double, N>& valori) const
    {
        decimali(prefisso, valori);
    }

    void booleano(std::string_view nome, bool& valore) const
    {
        if (auto testo = m_store.leggiTesto(nome)) {
            if (auto letto = LeggiInteroDaTesto(*testo)) {
                valore = *letto != 0;
            }
        }
    }

    template <typename Valido = bool (*)(std::int32_t)>
    void intero(
        std::string_view nome, std::int32_t& valore, Valido valido = [](std::int32_t) { return true; }) const
    {
        if (auto letto = m_store.leggiIntero(nome); letto && valido(*letto)) {
            valore = *letto;
        }
    }

    // A print option that holds 0 or 1; anything else reads as 0.
    void opzioneStampa(std::string_view nome, std::int32_t& valore) const
    {
        intero(nome, valore);
        if (valore != 0 && valore != 1) {
            valore = 0;
        }
    }

    void reale(std::string_view nome, double& valore) const
    {
        if (auto letto = m_store.leggiDouble(nome); letto && std::isfinite(*letto)) {
            valore = *letto;
        }
    }

    template <typename Valido = bool (*)(const std::string&)>
    void testo(
        std::string_view nome, std::string& valore,
        Valido valido = [](const std::string&) { return true; }) const
    {
        if (auto letto = m_store.leggiTesto(nome); letto && valido(*letto)) {
            valore = *letto;
        }
    }

private:
    const ArchivioImpostazioni& m_store;
};

// Writes each member under its name, in the text form the reader takes back.
class Scrittore
{
public:
    explicit Scrittore(ArchivioImpostazioni& store) : m_store(store) {}

    void decimale(std::string_view nome, double valore) { m_store.scriviTesto(nome, TestoDecimale(valore)); }

    template <std::size_t N> void decimali(std::string_view prefisso, const std::array<double, N>& valori)
    {
        for (std::size_t i = 0; i < N; ++i) {
            decimale(Nome(prefisso, i + 1), valori[i]);
        }
    }

    template <std::size_t N> void calibrazione(std::string_view prefisso, const std::array<double, N>& valori)
    {
        for (std::size_t i = 0; i < N; ++i) {
            m_store.scriviTesto(Nome(prefisso, i + 1), TestoCalibrazione(valori[i]));
        }
    }

    void booleano(std::string_view nome, bool valore) { m_store.scriviTesto(nome, valore ? "1" : "0"); }
    template <typename... Valido> void intero(std::string_view nome, std::int32_t valore, Valido...)
    {
        m_store.scriviIntero(nome, valore);
    }
    void opzioneStampa(std::string_view nome, std::int32_t valore) { m_store.scriviIntero(nome, valore); }
    void reale(std::string_view nome, double valore) { m_store.scriviDouble(nome, valore); }
    template <typename... Valido> void testo(std::string_view nome, const std::string& valore, Valido...)
    {
        m_store.scriviTesto(nome, valore);
    }

private:
    ArchivioImpostazioni& m_store;
};

// Every general setting once: its name, the form it is stored in, its member and what a read value
// must satisfy. Loading and saving both walk this one list, so no setting can be read under one name
// and written under another.
template <typename Visitatore, typename Generali> void Campi(Visitatore& v, Generali& g)
{
    v.decimali(chiave::Importo, g.importiGiocata);
    v.decimale(chiave::Minimo, g.minimo);
    v.decimale(chiave::Massimo, g.massimo);
    v.decimale(chiave::Multiplo, g.multiplo);
    v.intero(chiave::Decimali, g.decimali, [](std::int32_t d) { return d >= 0 && d <= MassimoDecimali; });
    v.decimale(chiave::VincitaMassima, g.vincitaMassima);

    v.intero(chiave::NotificaAggio, g.notificaAggio);
    // The update check indexes one character per weekday: anything but seven flags is refused.
    v.testo(chiave::GiorniNotifica, g.giorniNotifica, GiorniValidi);

    v.testo(chiave::ProxyServer, g.proxyServer);
    v.testo(chiave::ProxyPorta, g.proxyPorta);
    v.testo(chiave::ProxyUsername, g.proxyUsername);
    v.testo(chiave::ProxyPassword, g.proxyPassword);
    v.booleano(chiave::UsaProxy, g.usaProxy);
    v.booleano(chiave::ProxyAuth, g.proxyAuth);
    // An emptied address would leave the program nowhere to ask: the default stands in for it.
    const auto nonVuoto = [](const std::string& t) { return !t.empty(); };
    v.testo(chiave::ServerAggiornamenti, g.serverAggiornamenti, nonVuoto);
    v.testo(chiave::ServerRiduttori, g.serverRiduttori, nonVuoto);
    v.testo(chiave::SitoWeb, g.sitoWeb, nonVuoto);

    v.booleano(chiave::StampaNumSchedina, g.stampaNumSchedina);

    v.calibrazione(chiave::CalOr, g.calOr);
    v.calibrazione(chiave::CalVer, g.calVer);
    v.calibrazione(chiave::NewCalOr, g.newCalOr);
    v.calibrazione(chiave::NewCalVer, g.newCalVer);
    v.calibrazione(chiave::CalOrLp, g.calOrLp);
    v.calibrazione(chiave::CalVerLp, g.calVerLp);
    v.calibrazione(chiave::NewCalscheOr, g.newCalscheOr);
    v.calibrazione(chiave::NewCalscheVer, g.newCalscheVer);
    v.calibrazione(chiave::NewCalsimbOr, g.newCalsimbOr);
    v.calibrazione(chiave::NewCalsimbVer, g.newCalsimbVer);

    v.opzioneStampa(chiave::MsOrientamento, g.msOrientamento);
    v.opzioneStampa(chiave::MsTipoBloccaggio, g.msTipoBloccaggio);
    v.opzioneStampa(chiave::MsTipoBloccaggioVer, g.msTipoBloccaggioVer);

    v.booleano(chiave::IPUsaRit, g.ipUsaRit);
    v.booleano(chiave::IPRitDirProp, g.ipRitDirProp);
    v.booleano(chiave::IPUsaFre, g.ipUsaFre);
    v.booleano(chiave::IPFreqInvProp, g.ipFreqInvProp);
    v.reale(chiave::IPprmin, g.ipPrMin);
    v.reale(chiave::IPprmax, g.ipPrMax);
    v.reale(chiave::IPpfmin, g.ipPfMin);
    v.reale(chiave::IPpfmax, g.ipPfMax);
    // The frequency window counts back from the last draw; it holds at least one draw.
    v.intero(chiave::IFNumEstra, g.ifNumEstra, [](std::int32_t n) { return n >= 1; });
}

} // namespace

ImpostazioniGenerali CaricaImpostazioniGenerali(const ArchivioImpostazioni& store)
{
    ImpostazioniGenerali g;
    if (store.disponibile()) {
        const Lettore lettore(store);
        Campi(lettore, g);
    }
    return g;
}

void SalvaImpostazioniGenerali(ArchivioImpostazioni& store, const ImpostazioniGenerali& g)
{
    if (store.disponibile()) {
        Scrittore scrittore(store);
        Campi(scrittore, g);
    }
}

std::string IDE_Testo(ArchivioImpostazioni& store, std::string_view nome, std::string_view valore,
                      bool scrivi)
{
    if (!store.disponibile()) {
        return std::string(valore);
    }
    const std::string chiaveIde = std::string(chiave::PrefissoIDE) + std::string(nome);
    if (scrivi) {
        store.scriviTesto(chiaveIde, valore);
        return std::string(valore);
    }
    return store.leggiTesto(chiaveIde).value_or(std::string(valore));
}

bool IDE_Booleano(ArchivioImpostazioni& store, std::string_view nome, bool valore, bool scrivi)
{
    if (!store.disponibile()) {
        return valore;
    }
    const std::string chiaveIde = std::string(chiave::PrefissoIDE) + std::string(nome);
    if (scrivi) {
        store.scriviTesto(chiaveIde, valore ? "1" : "0");
        return valore;
    }
    Lettore(store).booleano(chiaveIde, valore);
    return valore;
}

std::int32_t IDE_Intero(ArchivioImpostazioni& store, std::string_view nome, std::int32_t valore, bool scrivi)
{
    if (!store.disponibile()) {
        return valore;
    }
    const std::string chiaveIde = std::string(chiave::PrefissoIDE) + std::string(nome);
    if (scrivi) {
        store.scriviIntero(chiaveIde, valore);
        return valore;
    }
    return store.leggiIntero(chiaveIde).value_or(valore);
}
