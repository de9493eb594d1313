#include "core/impostazioni.h"
#include "platform/impostazioni_qsettings.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>

namespace {

QString Percorso(const test::CartellaTemporanea& cartella, const char* nome)
{
    return QString::fromStdString(cartella.file(nome));
}

} // namespace

TEST(ImpostazioniQSettings, ValoriRilettiDaUnaSecondaIstanza)
{
    test::CartellaTemporanea cartella;
    const QString ini = Percorso(cartella, "quarvin.ini");
    {
        ImpostazioniQSettings store(ini);
        ASSERT_TRUE(store.disponibile());
        store.scriviTesto("ProxyPassword", "Unità, è \"citata\" = sì");
        store.scriviTesto("ProxyServer", "");
        store.scriviTesto("GiorniNotifica", "0010101");
        store.scriviTesto("IDE_mrf_1", "@ByteArray(finto)");
        store.scriviIntero("Decimali", 2);
        store.scriviIntero("IDE_num_abb", std::numeric_limits<std::int32_t>::min());
        store.scriviDouble("IPprmax", 33.333333333333336);
        store.scriviDouble("IPpfmin", -0.0);
        store.scriviDouble("IPpfmax", std::numeric_limits<double>::max());
        store.sincronizza();
    }

    ImpostazioniQSettings riletto(ini);
    EXPECT_EQ(riletto.leggiTesto("ProxyPassword"), std::optional<std::string>("Unità, è \"citata\" = sì"));
    EXPECT_EQ(riletto.leggiTesto("ProxyServer"), std::optional<std::string>(""));
    EXPECT_EQ(riletto.leggiTesto("GiorniNotifica"), std::optional<std::string>("0010101"));
    EXPECT_EQ(riletto.leggiTesto("IDE_mrf_1"), std::optional<std::string>("@ByteArray(finto)"));
    EXPECT_EQ(riletto.leggiIntero("Decimali"), 2);
    EXPECT_EQ(riletto.leggiIntero("IDE_num_abb"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(riletto.leggiDouble("IPprmax"), 33.333333333333336);
    ASSERT_TRUE(riletto.leggiDouble("IPpfmin").has_value());
    EXPECT_TRUE(std::signbit(*riletto.leggiDouble("IPpfmin")));
    EXPECT_EQ(riletto.leggiDouble("IPpfmax"), std::numeric_limits<double>::max());
    EXPECT_EQ(riletto.leggiTesto("Assente"), std::nullopt);
    EXPECT_EQ(riletto.leggiIntero("Assente"), std::nullopt);
    EXPECT_EQ(riletto.leggiDouble("Assente"), std::nullopt);
}

TEST(ImpostazioniQSettings, ImpostazioniGeneraliAttraversoIlFile)
{
    test::CartellaTemporanea cartella;
    const QString ini = Percorso(cartella, "quarvin.ini");
    ImpostazioniGenerali scritte;
    scritte.minimo = 2.5;
    scritte.calOr[0] = 12.5;
    scritte.usaProxy = true;
    scritte.msOrientamento = 0;
    scritte.ipPrMax = 70.0;
    scritte.ifNumEstra = 350;
    {
        ImpostazioniQSettings store(ini);
        SalvaImpostazioniGenerali(store, scritte);
        IDE_Intero(store, "NumxGio", 6, true);
        IDE_Booleano(store, "gioca_abb", true, true);
    }

    ImpostazioniQSettings riletto(ini);
    const ImpostazioniGenerali lette = CaricaImpostazioniGenerali(riletto);
    EXPECT_EQ(lette.minimo, 2.5);
    EXPECT_EQ(lette.calOr[0], 12.5);
    EXPECT_EQ(lette.calOr[1], scritte.calOr[1]);
    EXPECT_TRUE(lette.usaProxy);
    EXPECT_EQ(lette.msOrientamento, 0);
    EXPECT_EQ(lette.ipPrMax, 70.0);
    EXPECT_EQ(lette.ifNumEstra, 350);
    EXPECT_EQ(IDE_Intero(riletto, "NumxGio", 4, false), 6);
    EXPECT_TRUE(IDE_Booleano(riletto, "gioca_abb", false, false));

    QSettings grezzo(ini, QSettings::IniFormat);
    EXPECT_EQ(grezzo.value("cal_or_1").toString(), QStringLiteral("12.50"));
    EXPECT_EQ(grezzo.value("Minimo").toString(), QStringLiteral("2.5000000000"));
}

TEST(ImpostazioniQSettings, TipoSbagliatoValeAssente)
{
    test::CartellaTemporanea cartella;
    const std::string ini = cartella.file("scritto_a_mano.ini");
    {
        std::ofstream out(ini);
        out << "[General]\n"
               "IPprmax=50\n"
               "IPpfmax=@ByteArray(abc)\n"
               "Decimali=due\n"
               "IFNumEstra=99999999999\n"
               "IDE_NumxGio=6\n"
               "ms_orientamento=-1\n"
               "ProxyServer=a, b\n";
    }
    ImpostazioniQSettings store(QString::fromStdString(ini));
    EXPECT_EQ(store.leggiDouble("IPprmax"), std::nullopt) << "a double is its 8-byte image";
    EXPECT_EQ(store.leggiDouble("IPpfmax"), std::nullopt) << "an image of 3 bytes";
    EXPECT_EQ(store.leggiIntero("Decimali"), std::nullopt);
    EXPECT_EQ(store.leggiIntero("IFNumEstra"), std::nullopt) << "beyond 32 bits";
    EXPECT_EQ(store.leggiIntero("IDE_NumxGio"), 6) << "an INI file keeps integers as digits";
    EXPECT_EQ(store.leggiIntero("ms_orientamento"), -1);
    EXPECT_EQ(store.leggiTesto("ProxyServer"), std::nullopt) << "a list is not a text";
    EXPECT_EQ(store.leggiTesto("IPpfmax"), std::nullopt);

    store.scriviDouble("IPprmin", 1.5);
    store.scriviIntero("Decimali", 3);
    EXPECT_EQ(store.leggiTesto("IPprmin"), std::nullopt);
    EXPECT_EQ(store.leggiIntero("IPprmin"), std::nullopt);
    EXPECT_EQ(store.leggiDouble("Decimali"), std::nullopt);
    EXPECT_EQ(store.leggiTesto("Decimali"), std::nullopt);

    const ImpostazioniGenerali g = CaricaImpostazioniGenerali(store);
    EXPECT_EQ(g.ipPrMax, 50.0);
    EXPECT_EQ(g.decimali, 3);
    EXPECT_EQ(g.ifNumEstra, 100);
    EXPECT_EQ(g.msOrientamento, 0);
}

TEST(ImpostazioniQSettings, VariabileDAmbienteScegliIlFile)
{
    test::CartellaTemporanea cartella;
    const std::string ini = cartella.file("da_ambiente.ini");
    ASSERT_EQ(::setenv("QUARVIN_IMPOSTAZIONI", ini.c_str(), 1), 0);
    {
        ImpostazioniQSettings store;
        EXPECT_EQ(store.percorso(), QString::fromStdString(ini));
        store.scriviIntero("IDE_NumxGio", 3);
    }
    ::unsetenv("QUARVIN_IMPOSTAZIONI");
    ImpostazioniQSettings riletto(QString::fromStdString(ini));
    EXPECT_EQ(riletto.leggiIntero("IDE_NumxGio"), 3);
}
