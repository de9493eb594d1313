#include "core/impostazioni.h"
#include "support/archivio_memoria.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <functional>
#include <locale>
#include <string>
#include <variant>

using test::ArchivioMemoria;

namespace {

void Pianta(ArchivioMemoria& store, const std::string& nome, const ArchivioMemoria::Valore& valore)
{
    if (const auto* testo = std::get_if<std::string>(&valore)) {
        store.scriviTesto(nome, *testo);
    } else if (const auto* intero = std::get_if<std::int32_t>(&valore)) {
        store.scriviIntero(nome, *intero);
    } else {
        store.scriviDouble(nome, std::get<double>(valore));
    }
}

// Every field changed from its default, with values that survive their stored texts exactly.
ImpostazioniGenerali Modificate()
{
    ImpostazioniGenerali g;
    for (std::size_t i = 0; i < g.importiGiocata.size(); ++i) {
        g.importiGiocata[i] = 0.25 * static_cast<double>(i + 1);
    }
    g.minimo = 2.5;
    g.massimo = 1500.75;
    g.multiplo = 0.25;
    g.decimali = 4;
    g.vincitaMassima = 123456.5;
    g.notificaAggio = 0;
    g.giorniNotifica = "1100001";
    g.proxyServer = "proxy.esempio.it";
    g.proxyPorta = "8080";
    g.proxyUsername = "utente";
    g.proxyPassword = "pàss wörd";
    g.usaProxy = true;
    g.proxyAuth = true;
    g.stampaNumSchedina = false;
    g.serverRiduttori = "https://riduttori.esempio.it";
    g.sitoWeb = "https://www.esempio.it/lotto";
    // k / 100.0 is the double nearest to the decimal text, so it survives the stored text.
    auto sposta = [](auto& valori, double passo) {
        for (auto& v : valori) {
            v = std::round((v + passo) * 100.0) / 100.0;
        }
    };
    sposta(g.calOr, 1.5);
    sposta(g.calVer, 0.125);
    sposta(g.newCalOr, -0.5);
    sposta(g.newCalVer, 2.0);
    sposta(g.calOrLp, 0.75);
    sposta(g.calVerLp, 0.01);
    sposta(g.newCalscheOr, 3.0);
    sposta(g.newCalscheVer, 0.2);
    sposta(g.newCalsimbOr, 0.3);
    sposta(g.newCalsimbVer, 0.4);
    g.msOrientamento = 0;
    g.msTipoBloccaggio = 1;
    g.msTipoBloccaggioVer = 1;
    g.ipUsaRit = false;
    g.ipRitDirProp = false;
    g.ipUsaFre = false;
    g.ipFreqInvProp = false;
    g.ipPrMin = 0.1;
    g.ipPrMax = 33.333333333333336;
    g.ipPfMin = 1e-9;
    g.ipPfMax = 66.66666666666667;
    g.ifNumEstra = 2500;
    return g;
}

void ConfrontaImpostazioni(const ImpostazioniGenerali& letta, const ImpostazioniGenerali& attesa)
{
    EXPECT_EQ(letta.importiGiocata, attesa.importiGiocata);
    EXPECT_EQ(letta.minimo, attesa.minimo);
    EXPECT_EQ(letta.massimo, attesa.massimo);
    EXPECT_EQ(letta.multiplo, attesa.multiplo);
    EXPECT_EQ(letta.decimali, attesa.decimali);
    EXPECT_EQ(letta.vincitaMassima, attesa.vincitaMassima);
    EXPECT_EQ(letta.notificaAggio, attesa.notificaAggio);
    EXPECT_EQ(letta.giorniNotifica, attesa.giorniNotifica);
    EXPECT_EQ(letta.proxyServer, attesa.proxyServer);
    EXPECT_EQ(letta.proxyPorta, attesa.proxyPorta);
    EXPECT_EQ(letta.proxyUsername, attesa.proxyUsername);
    EXPECT_EQ(letta.proxyPassword, attesa.proxyPassword);
    EXPECT_EQ(letta.usaProxy, attesa.usaProxy);
    EXPECT_EQ(letta.proxyAuth, attesa.proxyAuth);
    EXPECT_EQ(letta.stampaNumSchedina, attesa.stampaNumSchedina);
    EXPECT_EQ(letta.serverRiduttori, attesa.serverRiduttori);
    EXPECT_EQ(letta.sitoWeb, attesa.sitoWeb);
    EXPECT_EQ(letta.calOr, attesa.calOr);
    EXPECT_EQ(letta.calVer, attesa.calVer);
    EXPECT_EQ(letta.newCalOr, attesa.newCalOr);
    EXPECT_EQ(letta.newCalVer, attesa.newCalVer);
    EXPECT_EQ(letta.calOrLp, attesa.calOrLp);
    EXPECT_EQ(letta.calVerLp, attesa.calVerLp);
    EXPECT_EQ(letta.newCalscheOr, attesa.newCalscheOr);
    EXPECT_EQ(letta.newCalscheVer, attesa.newCalscheVer);
    EXPECT_EQ(letta.newCalsimbOr, attesa.newCalsimbOr);
    EXPECT_EQ(letta.newCalsimbVer, attesa.newCalsimbVer);
    EXPECT_EQ(letta.msOrientamento, attesa.msOrientamento);
    EXPECT_EQ(letta.msTipoBloccaggio, attesa.msTipoBloccaggio);
    EXPECT_EQ(letta.msTipoBloccaggioVer, attesa.msTipoBloccaggioVer);
    EXPECT_EQ(letta.ipUsaRit, attesa.ipUsaRit);
    EXPECT_EQ(letta.ipRitDirProp, attesa.ipRitDirProp);
    EXPECT_EQ(letta.ipUsaFre, attesa.ipUsaFre);
    EXPECT_EQ(letta.ipFreqInvProp, attesa.ipFreqInvProp);
    EXPECT_EQ(letta.ipPrMin, attesa.ipPrMin);
    EXPECT_EQ(letta.ipPrMax, attesa.ipPrMax);
    EXPECT_EQ(letta.ipPfMin, attesa.ipPfMin);
    EXPECT_EQ(letta.ipPfMax, attesa.ipPfMax);
    EXPECT_EQ(letta.ifNumEstra, attesa.ifNumEstra);
}

} // namespace

TEST(Impostazioni, PrimoAvvioConStoreVuoto)
{
    ArchivioMemoria store;
    const ImpostazioniGenerali g = CaricaImpostazioniGenerali(store);
    EXPECT_EQ(g.importiGiocata.front(), 0.05);
    EXPECT_EQ(g.importiGiocata.back(), 200.0);
    EXPECT_EQ(g.minimo, 1.0);
    EXPECT_EQ(g.massimo, 200.0);
    EXPECT_EQ(g.multiplo, 0.5);
    EXPECT_EQ(g.decimali, 2);
    EXPECT_EQ(g.giorniNotifica, "0010101");
    EXPECT_EQ(g.msOrientamento, 1);
    EXPECT_EQ(IDE_Intero(store, "NumxGio", 4, false) + 1, 5) << "numbers per play of a first run";
    ConfrontaImpostazioni(g, ImpostazioniGenerali{});
}

TEST(Impostazioni, OgniValoreTornaComeScritto)
{
    ArchivioMemoria store;
    const ImpostazioniGenerali scritte = Modificate();
    SalvaImpostazioniGenerali(store, scritte);
    ConfrontaImpostazioni(CaricaImpostazioniGenerali(store), scritte);

    // 18 amounts, 5 stake limits, 2 notification, 6 proxy, 1 print flag, 20 + 20 + 32 calibrations,
    // 3 print options, 9 probability settings, the update server, the reducers' server, the web site.
    EXPECT_EQ(store.nomi().size(), 119u);
}

TEST(Impostazioni, FormatoDeiValoriScritti)
{
    ImpostazioniGenerali g;
    g.calOr[0] = 12.5;
    g.calOr[1] = 3.0;
    g.calOr[2] = 1.05;
    g.calOr[3] = 0.123456789012;
    g.calOr[4] = 100.0;
    g.calOr[5] = 0.0;
    ArchivioMemoria store;
    SalvaImpostazioniGenerali(store, g);

    struct Riga
    {
        const char* nome;
        const char* testo;
    };
    const Riga righe[] = {
        {"i1", "0.0500000000"},
        {"i18", "200.0000000000"},
        {"Minimo", "1.0000000000"},
        {"Multiplo", "0.5000000000"},
        {"VincitaMassima", "6000000.0000000000"},
        {"cal_or_1", "12.50"},
        {"cal_or_2", "3.0"},
        {"cal_or_3", "1.050"},
        {"cal_or_4", "0.123456789012"},
        {"cal_or_5", "100.0"},
        {"cal_or_6", "0.0"},
        {"cal_or_10", "67.30"},
        {"cal_ver_lp_5", "2.30"},
        {"new_calsimb_ver_8", "3.0"},
        {"UsaProxy", "0"},
        {"StampaNumSchedina", "1"},
        {"IPFreqInvProp", "1"},
        {"GiorniNotifica", "0010101"},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        EXPECT_EQ(store.leggiTesto(riga.nome), std::optional<std::string>(riga.testo));
    }
    EXPECT_EQ(store.leggiIntero("Decimali"), 2);
    EXPECT_EQ(store.leggiIntero("ms_orientamento"), 1);
    EXPECT_EQ(store.leggiIntero("IFNumEstra"), 100);
    EXPECT_EQ(store.leggiDouble("IPprmax"), 50.0);
}

TEST(Impostazioni, ValoriMemorizzatiAnomali)
{
    using Campo = std::function<double(const ImpostazioniGenerali&)>;
    const Campo minimo = [](const ImpostazioniGenerali& g) { return g.minimo; };
    const Campo terzoImporto = [](const ImpostazioniGenerali& g) { return g.importiGiocata[2]; };
    struct Riga
    {
        const char* nome;
        const char* chiave;
        ArchivioMemoria::Valore memorizzato;
        Campo campo;
        double atteso;
    };
    const Riga righe[] = {
        {"orientamento 2 vale 0", "ms_orientamento", 2, [](auto& g) { return g.msOrientamento; }, 0},
        {"orientamento negativo vale 0", "ms_orientamento", -1, [](auto& g) { return g.msOrientamento; }, 0},
        {"bloccaggio 1 resta", "ms_tipo_bloccaggio_ver", 1, [](auto& g) { return g.msTipoBloccaggioVer; }, 1},
        {"bloccaggio 7 vale 0", "ms_tipo_bloccaggio", 7, [](auto& g) { return g.msTipoBloccaggio; }, 0},
        {"booleano x: predefinito vero", "StampaNumSchedina", std::string("x"),
         [](auto& g) { return g.stampaNumSchedina; }, 1},
        {"booleano x: predefinito falso", "UsaProxy", std::string("x"), [](auto& g) { return g.usaProxy; },
         0},
        {"booleano 2 è vero", "ProxyAuth", std::string("2"), [](auto& g) { return g.proxyAuth; }, 1},
        {"booleano 0", "IPUsaRit", std::string("0"), [](auto& g) { return g.ipUsaRit; }, 0},
        {"booleano come intero", "UsaProxy", 1, [](auto& g) { return g.usaProxy; }, 0},
        {"decimale illeggibile", "Minimo", std::string("abc"), minimo, 1.0},
        {"decimale con resto", "Minimo", std::string("1.5x"), minimo, 1.0},
        {"decimale vuoto", "Minimo", std::string(""), minimo, 1.0},
        {"decimale non finito", "Minimo", std::string("nan"), minimo, 1.0},
        {"decimale con virgola", "Minimo", std::string("1,5"), minimo, 1.5},
        {"decimale con spazi", "i3", std::string(" 0.25 "), terzoImporto, 0.25},
        {"decimale come intero", "i3", 5, terzoImporto, 0.2},
        {"calibrazione vuota", "cal_or_1", std::string(""), [](auto& g) { return g.calOr[0]; }, 12.4},
        {"calibrazione breve", "cal_ver_lp_2", std::string("70.5"), [](auto& g) { return g.calVerLp[1]; },
         70.5},
        {"decimali fuori misura", "Decimali", 1000000, [](auto& g) { return g.decimali; }, 2},
        {"decimali come testo", "Decimali", std::string("3"), [](auto& g) { return g.decimali; }, 2},
        {"finestra nulla", "IFNumEstra", 0, [](auto& g) { return g.ifNumEstra; }, 100},
        {"double come testo", "IPprmax", std::string("60"), [](auto& g) { return g.ipPrMax; }, 50.0},
        {"double come intero", "IPpfmax", 60, [](auto& g) { return g.ipPfMax; }, 50.0},
    };
    for (const auto& riga : righe) {
        SCOPED_TRACE(riga.nome);
        ArchivioMemoria store;
        Pianta(store, riga.chiave, riga.memorizzato);
        EXPECT_EQ(riga.campo(CaricaImpostazioniGenerali(store)), riga.atteso);
    }
}

// An emptied address falls back to its default: a page footer or a request never goes without one.
TEST(Impostazioni, IndirizziVuotiTornanoPredefiniti)
{
    const ImpostazioniGenerali predefinite;
    ArchivioMemoria store;
    store.scriviTesto("ServerAggiornamenti", "");
    store.scriviTesto("ServerRiduttori", "");
    store.scriviTesto("SitoWeb", "");
    const ImpostazioniGenerali lette = CaricaImpostazioniGenerali(store);
    EXPECT_EQ(lette.serverAggiornamenti, predefinite.serverAggiornamenti);
    EXPECT_EQ(lette.serverRiduttori, predefinite.serverRiduttori);
    EXPECT_EQ(lette.sitoWeb, "http://www.quarvina.example");
}

TEST(Impostazioni, GiorniNotificaMalformati)
{
    for (const char* giorni : {"001", "00101010", "0020101", ""}) {
        SCOPED_TRACE(giorni);
        ArchivioMemoria store;
        store.scriviTesto("GiorniNotifica", giorni);
        EXPECT_EQ(CaricaImpostazioniGenerali(store).giorniNotifica, "0010101");
    }
    ArchivioMemoria store;
    store.scriviTesto("GiorniNotifica", "1111111");
    EXPECT_EQ(CaricaImpostazioniGenerali(store).giorniNotifica, "1111111");
}

TEST(Impostazioni, NumeriIndipendentiDalLocale)
{
    // Under an Italian locale (comma before the decimals, points between thousands) the stored texts
    // must not change: the C++ global locale always, the C locale when the system has it.
    struct VirgolaDecimale : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale localePrecedente =
        std::locale::global(std::locale(std::locale::classic(), new VirgolaDecimale));
    const std::string cPrecedente = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "it_IT.UTF-8");

    ArchivioMemoria store;
    SalvaImpostazioniGenerali(store, Modificate());
    const ImpostazioniGenerali letta = CaricaImpostazioniGenerali(store);

    std::setlocale(LC_ALL, cPrecedente.c_str());
    std::locale::global(localePrecedente);
    EXPECT_EQ(store.leggiTesto("VincitaMassima"), std::optional<std::string>("123456.5000000000"));
    EXPECT_EQ(store.leggiTesto("cal_or_1"), std::optional<std::string>("13.90"));
    ConfrontaImpostazioni(letta, Modificate());
}

TEST(Impostazioni, AccessoriIDE)
{
    ArchivioMemoria store;
    EXPECT_EQ(IDE_Testo(store, "SpoStoED1", "100", false), "100");
    EXPECT_EQ(IDE_Intero(store, "TKBGenio", 50, false), 50);
    EXPECT_EQ(IDE_Booleano(store, "ruota_simb", false, false), false);
    EXPECT_TRUE(store.nomi().empty()) << "reading a missing value stores nothing";

    EXPECT_EQ(IDE_Testo(store, "mrf_1", "/home/u/sistema.qvs", true), "/home/u/sistema.qvs");
    EXPECT_EQ(IDE_Intero(store, "num_abb", -1, true), -1);
    EXPECT_EQ(IDE_Booleano(store, "gioca_abb", true, true), true);

    EXPECT_EQ(store.leggiTesto("IDE_mrf_1"), std::optional<std::string>("/home/u/sistema.qvs"));
    EXPECT_EQ(store.leggiIntero("IDE_num_abb"), -1);
    EXPECT_EQ(store.leggiTesto("IDE_gioca_abb"), std::optional<std::string>("1"));

    EXPECT_EQ(IDE_Testo(store, "mrf_1", "", false), "/home/u/sistema.qvs");
    EXPECT_EQ(IDE_Intero(store, "num_abb", 0, false), -1);
    EXPECT_EQ(IDE_Booleano(store, "gioca_abb", false, false), true);

    store.scriviTesto("IDE_ruota_simb", "x");
    EXPECT_EQ(IDE_Booleano(store, "ruota_simb", true, false), true);
    EXPECT_EQ(IDE_Booleano(store, "ruota_simb", false, false), false);
    store.scriviTesto("IDE_NumxGio", "7");
    EXPECT_EQ(IDE_Intero(store, "NumxGio", 4, false), 4) << "an integer stored as text is another type";
}

TEST(Impostazioni, StoreNonDisponibile)
{
    ArchivioMemoria store;
    SalvaImpostazioniGenerali(store, Modificate());
    IDE_Intero(store, "NumxGio", 2, true);
    store.setDisponibile(false);

    ConfrontaImpostazioni(CaricaImpostazioniGenerali(store), ImpostazioniGenerali{});
    EXPECT_EQ(IDE_Intero(store, "NumxGio", 4, false), 4);
    EXPECT_EQ(IDE_Intero(store, "NumxGio", 9, true), 9);
    EXPECT_EQ(IDE_Testo(store, "SpoStoED1", "250", false), "250");
    EXPECT_EQ(IDE_Booleano(store, "gioca_abb", true, false), true);

    ImpostazioniGenerali g;
    g.minimo = 7.0;
    SalvaImpostazioniGenerali(store, g);
    store.setDisponibile(true);
    EXPECT_EQ(CaricaImpostazioniGenerali(store).minimo, 2.5) << "nothing was written while unavailable";
    EXPECT_EQ(IDE_Intero(store, "NumxGio", 4, false), 2);
}
