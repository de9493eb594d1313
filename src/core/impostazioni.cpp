#include "core/impostazioni.h"

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

std::string TestoFisso(double valore, int decimali)
{
    // Room for the largest double in fixed notation with its decimals.
    char buffer[400];
    auto [ptr, errore] =
        std::to_chars(buffer, buffer + sizeof buffer, valore, std::chars_format::fixed, decimali);
    if (errore != std::errc()) {
        return {};
    }
    return std::string(buffer, ptr);
}

std::string TestoDecimale(double valore)
{
    return TestoFisso(valore, 10);
}

// Twelve decimals, then trailing zeros dropped two at a time from the right: 12.5 gives "12.50"
// and 3 gives "3.0".
std::string TestoCalibrazione(double valore)
{
    std::string testo = TestoFisso(valore, 12);
    while (testo.size() >= 2 && testo.ends_with("00")) {
        testo.pop_back();
    }
    return testo;
}

class Lettore
{
public:
    explicit Lettore(const ArchivioImpostazioni& store) : m_store(store) {}

    double decimale(std::string_view nome, double predefinito) const
    {
        auto testo = m_store.leggiTesto(nome);
        if (!testo) {
            return predefinito;
        }
        return LeggiDecimale(*testo).value_or(predefinito);
    }

    // An empty text, like a missing one, takes the built-in calibration.
    template <std::size_t N> void calibrazione(std::string_view prefisso, std::array<double, N>& valori) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            valori[i] = decimale(Nome(prefisso, i + 1), valori[i]);
        }
    }

    bool booleano(std::string_view nome, bool predefinito) const
    {
        auto testo = m_store.leggiTesto(nome);
        if (!testo) {
            return predefinito;
        }
        auto valore = LeggiInteroDaTesto(*testo);
        return valore ? *valore != 0 : predefinito;
    }

    std::int32_t intero(std::string_view nome, std::int32_t predefinito) const
    {
        return m_store.leggiIntero(nome).value_or(predefinito);
    }

    // A print option that holds 0 or 1; anything else reads as 0.
    std::int32_t opzioneStampa(std::string_view nome, std::int32_t predefinito) const
    {
        std::int32_t valore = intero(nome, predefinito);
        return valore == 0 || valore == 1 ? valore : 0;
    }

    double reale(std::string_view nome, double predefinito) const
    {
        auto valore = m_store.leggiDouble(nome);
        return valore && std::isfinite(*valore) ? *valore : predefinito;
    }

    std::string testo(std::string_view nome, const std::string& predefinito) const
    {
        return m_store.leggiTesto(nome).value_or(predefinito);
    }

private:
    const ArchivioImpostazioni& m_store;
};

bool GiorniValidi(const std::string& giorni)
{
    return giorni.size() == 7 && giorni.find_first_not_of("01") == std::string::npos;
}

class Scrittore
{
public:
    explicit Scrittore(ArchivioImpostazioni& store) : m_store(store) {}

    void decimale(std::string_view nome, double valore) { m_store.scriviTesto(nome, TestoDecimale(valore)); }

    template <std::size_t N> void calibrazione(std::string_view prefisso, const std::array<double, N>& valori)
    {
        for (std::size_t i = 0; i < N; ++i) {
            m_store.scriviTesto(Nome(prefisso, i + 1), TestoCalibrazione(valori[i]));
        }
    }

    void booleano(std::string_view nome, bool valore) { m_store.scriviTesto(nome, valore ? "1" : "0"); }
    void intero(std::string_view nome, std::int32_t valore) { m_store.scriviIntero(nome, valore); }
    void reale(std::string_view nome, double valore) { m_store.scriviDouble(nome, valore); }
    void testo(std::string_view nome, std::string_view valore) { m_store.scriviTesto(nome, valore); }

private:
    ArchivioImpostazioni& m_store;
};

} // namespace

ImpostazioniGenerali CaricaImpostazioniGenerali(const ArchivioImpostazioni& store)
{
    ImpostazioniGenerali g;
    if (!store.disponibile()) {
        return g;
    }
    const Lettore l(store);

    for (std::size_t i = 0; i < g.importiGiocata.size(); ++i) {
        g.importiGiocata[i] = l.decimale(Nome(chiave::Importo, i + 1), g.importiGiocata[i]);
    }
    g.minimo = l.decimale(chiave::Minimo, g.minimo);
    g.massimo = l.decimale(chiave::Massimo, g.massimo);
    g.multiplo = l.decimale(chiave::Multiplo, g.multiplo);
    const std::int32_t decimali = l.intero(chiave::Decimali, g.decimali);
    if (decimali >= 0 && decimali <= MassimoDecimali) {
        g.decimali = decimali;
    }
    g.vincitaMassima = l.decimale(chiave::VincitaMassima, g.vincitaMassima);

    g.notificaAggio = l.intero(chiave::NotificaAggio, g.notificaAggio);
    // The update check indexes one character per weekday: anything but seven flags is refused.
    const std::string giorni = l.testo(chiave::GiorniNotifica, g.giorniNotifica);
    if (GiorniValidi(giorni)) {
        g.giorniNotifica = giorni;
    }

    g.proxyServer = l.testo(chiave::ProxyServer, g.proxyServer);
    g.proxyPorta = l.testo(chiave::ProxyPorta, g.proxyPorta);
    g.proxyUsername = l.testo(chiave::ProxyUsername, g.proxyUsername);
    g.proxyPassword = l.testo(chiave::ProxyPassword, g.proxyPassword);
    g.usaProxy = l.booleano(chiave::UsaProxy, g.usaProxy);
    g.proxyAuth = l.booleano(chiave::ProxyAuth, g.proxyAuth);
    // An emptied address would leave the update nowhere to ask: the default stands in for it.
    const std::string server = l.testo(chiave::ServerAggiornamenti, g.serverAggiornamenti);
    if (!server.empty()) {
        g.serverAggiornamenti = server;
    }
    const std::string serverRiduttori = l.testo(chiave::ServerRiduttori, g.serverRiduttori);
    if (!serverRiduttori.empty()) {
        g.serverRiduttori = serverRiduttori;
    }

    g.stampaNumSchedina = l.booleano(chiave::StampaNumSchedina, g.stampaNumSchedina);

    l.calibrazione(chiave::CalOr, g.calOr);
    l.calibrazione(chiave::CalVer, g.calVer);
    l.calibrazione(chiave::NewCalOr, g.newCalOr);
    l.calibrazione(chiave::NewCalVer, g.newCalVer);
    l.calibrazione(chiave::CalOrLp, g.calOrLp);
    l.calibrazione(chiave::CalVerLp, g.calVerLp);
    l.calibrazione(chiave::NewCalscheOr, g.newCalscheOr);
    l.calibrazione(chiave::NewCalscheVer, g.newCalscheVer);
    l.calibrazione(chiave::NewCalsimbOr, g.newCalsimbOr);
    l.calibrazione(chiave::NewCalsimbVer, g.newCalsimbVer);

    g.msOrientamento = l.opzioneStampa(chiave::MsOrientamento, g.msOrientamento);
    g.msTipoBloccaggio = l.opzioneStampa(chiave::MsTipoBloccaggio, g.msTipoBloccaggio);
    g.msTipoBloccaggioVer = l.opzioneStampa(chiave::MsTipoBloccaggioVer, g.msTipoBloccaggioVer);

    g.ipUsaRit = l.booleano(chiave::IPUsaRit, g.ipUsaRit);
    g.ipRitDirProp = l.booleano(chiave::IPRitDirProp, g.ipRitDirProp);
    g.ipUsaFre = l.booleano(chiave::IPUsaFre, g.ipUsaFre);
    g.ipFreqInvProp = l.booleano(chiave::IPFreqInvProp, g.ipFreqInvProp);
    g.ipPrMin = l.reale(chiave::IPprmin, g.ipPrMin);
    g.ipPrMax = l.reale(chiave::IPprmax, g.ipPrMax);
    g.ipPfMin = l.reale(chiave::IPpfmin, g.ipPfMin);
    g.ipPfMax = l.reale(chiave::IPpfmax, g.ipPfMax);
    // The frequency window counts back from the last draw; it holds at least one draw.
    const std::int32_t numEstra = l.intero(chiave::IFNumEstra, g.ifNumEstra);
    if (numEstra >= 1) {
        g.ifNumEstra = numEstra;
    }
    return g;
}

void SalvaImpostazioniGenerali(ArchivioImpostazioni& store, const ImpostazioniGenerali& g)
{
    if (!store.disponibile()) {
        return;
    }
    Scrittore s(store);

    for (std::size_t i = 0; i < g.importiGiocata.size(); ++i) {
        s.decimale(Nome(chiave::Importo, i + 1), g.importiGiocata[i]);
    }
    s.decimale(chiave::Minimo, g.minimo);
    s.decimale(chiave::Massimo, g.massimo);
    s.decimale(chiave::Multiplo, g.multiplo);
    s.intero(chiave::Decimali, g.decimali);
    s.decimale(chiave::VincitaMassima, g.vincitaMassima);

    s.intero(chiave::NotificaAggio, g.notificaAggio);
    s.testo(chiave::GiorniNotifica, g.giorniNotifica);

    s.testo(chiave::ProxyServer, g.proxyServer);
    s.testo(chiave::ProxyPorta, g.proxyPorta);
    s.testo(chiave::ProxyUsername, g.proxyUsername);
    s.testo(chiave::ProxyPassword, g.proxyPassword);
    s.booleano(chiave::UsaProxy, g.usaProxy);
    s.booleano(chiave::ProxyAuth, g.proxyAuth);
    s.testo(chiave::ServerAggiornamenti, g.serverAggiornamenti);
    s.testo(chiave::ServerRiduttori, g.serverRiduttori);

    s.booleano(chiave::StampaNumSchedina, g.stampaNumSchedina);

    s.calibrazione(chiave::CalOr, g.calOr);
    s.calibrazione(chiave::CalVer, g.calVer);
    s.calibrazione(chiave::NewCalOr, g.newCalOr);
    s.calibrazione(chiave::NewCalVer, g.newCalVer);
    s.calibrazione(chiave::CalOrLp, g.calOrLp);
    s.calibrazione(chiave::CalVerLp, g.calVerLp);
    s.calibrazione(chiave::NewCalscheOr, g.newCalscheOr);
    s.calibrazione(chiave::NewCalscheVer, g.newCalscheVer);
    s.calibrazione(chiave::NewCalsimbOr, g.newCalsimbOr);
    s.calibrazione(chiave::NewCalsimbVer, g.newCalsimbVer);

    s.intero(chiave::MsOrientamento, g.msOrientamento);
    s.intero(chiave::MsTipoBloccaggio, g.msTipoBloccaggio);
    s.intero(chiave::MsTipoBloccaggioVer, g.msTipoBloccaggioVer);

    s.booleano(chiave::IPUsaRit, g.ipUsaRit);
    s.booleano(chiave::IPRitDirProp, g.ipRitDirProp);
    s.booleano(chiave::IPUsaFre, g.ipUsaFre);
    s.booleano(chiave::IPFreqInvProp, g.ipFreqInvProp);
    s.reale(chiave::IPprmin, g.ipPrMin);
    s.reale(chiave::IPprmax, g.ipPrMax);
    s.reale(chiave::IPpfmin, g.ipPfMin);
    s.reale(chiave::IPpfmax, g.ipPfMax);
    s.intero(chiave::IFNumEstra, g.ifNumEstra);
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
    return Lettore(store).booleano(chiaveIde, valore);
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
