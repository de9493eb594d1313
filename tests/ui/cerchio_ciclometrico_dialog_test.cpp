#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/finestre_prova.h"
#include "ui/cerchio_ciclometrico_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

Tipo_Estrazione Estrazione(int giorno, int mese, int anno, std::array<int, 5> bari, std::array<int, 5> roma)
{
    Tipo_Estrazione e;
    e.giorno = static_cast<std::uint8_t>(giorno);
    e.mese = static_cast<std::uint8_t>(mese);
    e.setAnno(anno);
    for (int p = 1; p <= 5; ++p) {
        e.setNumero(Bari, p, static_cast<std::uint8_t>(bari[static_cast<std::size_t>(p - 1)]));
        e.setNumero(Roma, p, static_cast<std::uint8_t>(roma[static_cast<std::size_t>(p - 1)]));
    }
    return e;
}

} // namespace

class CerchioCiclometricoDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void apreSullUltimaEstrazione();
    void barraERuotaCaricanoINumeri();
    void ridisegna_data();
    void ridisegna();
    void pentagonoDisegnato();
    void riaperturaConservaINumeri();
    void archivioVuoto();
    void guidaEChiusura();

private:
    QString testo(const char* etichetta) const
    {
        return test::trova<QLabel>(m_dialogo.get(), QString::fromLatin1(etichetta))->text();
    }
    QLineEdit* campo(int i) const
    {
        return test::trova<QLineEdit>(m_dialogo.get(), QStringLiteral("numero%1LineEdit").arg(i));
    }
    QString campi() const
    {
        QStringList testi;
        for (int i = 1; i <= 5; ++i) {
            testi << campo(i)->text();
        }
        return testi.join(QLatin1Char(' '));
    }
    QPushButton* pulsanteRidisegna() const
    {
        return test::trova<QPushButton>(m_dialogo.get(), QStringLiteral("ridisegnaPushButton"));
    }
    void scrivi(const QStringList& valori)
    {
        for (int i = 1; i <= 5; ++i) {
            campo(i)->clear();
            QTest::keyClicks(campo(i), valori[i - 1]);
        }
    }
    void cattura(const QString& nome)
    {
        const QString cartella = qEnvironmentVariable("QUARVIN_CATTURE");
        if (!cartella.isEmpty()) {
            m_dialogo->grab().save(QDir(cartella).filePath(nome));
        }
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::unique_ptr<TCerchioCiclometrico> m_dialogo;
};

void CerchioCiclometricoDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    (void)m_prova->stato.archivio.InserisciEstrazione(
        Estrazione(4, 1, 2003, {1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}));
    (void)m_prova->stato.archivio.InserisciEstrazione(
        Estrazione(7, 1, 2003, {60, 6, 16, 86, 33}, {11, 22, 33, 44, 55}));
    (void)m_prova->stato.archivio.InserisciEstrazione(
        Estrazione(9, 12, 2003, {77, 5, 41, 23, 59}, {89, 1, 45, 2, 90}));
    m_dialogo = std::make_unique<TCerchioCiclometrico>(m_prova->stato, m_prova->servizi);
}

void CerchioCiclometricoDialogTest::cleanup()
{
    m_dialogo.reset();
    m_prova.reset();
}

void CerchioCiclometricoDialogTest::apreSullUltimaEstrazione()
{
    m_dialogo->show();
    QCOMPARE(m_dialogo->windowTitle(), QStringLiteral("Il cerchio ciclometrico"));
    QCOMPARE(test::trova<QScrollBar>(m_dialogo.get(), QStringLiteral("estrazioneScrollBar"))->value(), 3);
    QCOMPARE(testo("dataLabel"), QStringLiteral("Del:9/12/2003"));
    QCOMPARE(testo("concorsoLabel"), QStringLiteral("Nº Concorso:3"));
    QCOMPARE(test::trova<QComboBox>(m_dialogo.get(), QStringLiteral("ruotaComboBox"))->currentText(),
             QStringLiteral("Bari"));
    QCOMPARE(campi(), QStringLiteral("5 23 41 59 77"));
    QCOMPARE(testo("numeriLabel"), QStringLiteral("Numeri: 5 23 41 59 77"));
    QCOMPARE(testo("latiLabel"), QStringLiteral("Lati: 18 18 18 18 72"));
    QCOMPARE(testo("distanzeLabel"), QStringLiteral("Distanze: 18 18 18 18 36 36 36 54 54 72"));
    QCOMPARE(testo("distanzeCiclometricheLabel"),
             QStringLiteral("Distanze ciclometriche: 18 18 18 18 18 36 36 36 36 36"));
    QVERIFY(!pulsanteRidisegna()->isEnabled());
    cattura(QStringLiteral("cerchio.png"));
}

void CerchioCiclometricoDialogTest::barraERuotaCaricanoINumeri()
{
    m_dialogo->show();
    auto* barra = test::trova<QScrollBar>(m_dialogo.get(), QStringLiteral("estrazioneScrollBar"));
    auto* ruota = test::trova<QComboBox>(m_dialogo.get(), QStringLiteral("ruotaComboBox"));
    QCOMPARE(ruota->count(), 11);
    QCOMPARE(ruota->itemText(10), QStringLiteral("Nazionale"));

    barra->setValue(2);
    QCOMPARE(testo("dataLabel"), QStringLiteral("Del:7/1/2003"));
    QCOMPARE(testo("concorsoLabel"), QStringLiteral("Nº Concorso:2"));
    QCOMPARE(campi(), QStringLiteral("6 16 33 60 86"));

    ruota->setCurrentIndex(Roma - 1);
    QCOMPARE(campi(), QStringLiteral("11 22 33 44 55"));
    QCOMPARE(testo("latiLabel"), QStringLiteral("Lati: 11 11 11 11 44"));

    // Typed numbers are replaced by the draw's when the draw changes, and "Ridisegna" goes off.
    scrivi({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
            QStringLiteral("5")});
    QVERIFY(pulsanteRidisegna()->isEnabled());
    barra->setValue(1);
    QCOMPARE(campi(), QStringLiteral("10 20 30 40 50"));
    QVERIFY(!pulsanteRidisegna()->isEnabled());

    // No data on Nazionale: five zeros, and so no pentagon.
    ruota->setCurrentIndex(Nazionale - 1);
    QCOMPARE(campi(), QStringLiteral("0 0 0 0 0"));
    QCOMPARE(testo("numeriLabel"), QStringLiteral("Numeri: 0 0 0 0 0"));
    QCOMPARE(m_dialogo->numeri()[0], 0);
}

void CerchioCiclometricoDialogTest::ridisegna_data()
{
    QTest::addColumn<QStringList>("digitati");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("campiDopo");
    QTest::addColumn<QString>("numeri");
    QTest::addColumn<bool>("ridisegnaAttivo");

    const QString iniziali = QStringLiteral("Numeri: 5 23 41 59 77");
    QTest::newRow("in disordine, accettati") << QStringList{"77", "5", "59", "23", "41"} << QString()
                                             << QStringLiteral("5 23 41 59 77") << iniziali << false;
    QTest::newRow("doppione dopo l'ordinamento")
        << QStringList{"90", "12", "12", "3", "4"} << QStringLiteral("Il 4º numero non è valido!")
        << QStringLiteral("3 4 12 12 90") << iniziali << true;
    QTest::newRow("lo zero è accettato")
        << QStringList{"45", "0", "12", "3", "80"} << QString() << QStringLiteral("0 3 12 45 80")
        << QStringLiteral("Numeri: 0 3 12 45 80") << false;
}

void CerchioCiclometricoDialogTest::ridisegna()
{
    QFETCH(QStringList, digitati);
    QFETCH(QString, messaggio);
    QFETCH(QString, campiDopo);
    QFETCH(QString, numeri);
    QFETCH(bool, ridisegnaAttivo);

    m_dialogo->show();
    scrivi(digitati);
    QVERIFY(pulsanteRidisegna()->isEnabled());
    QTest::mouseClick(pulsanteRidisegna(), Qt::LeftButton);
    if (messaggio.isEmpty()) {
        QVERIFY(m_prova->messaggi.mostrati.empty());
    } else {
        QCOMPARE(m_prova->messaggi.mostrati.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m_prova->messaggi.ultimo()), messaggio);
        QCOMPARE(QString::fromStdString(m_prova->messaggi.mostrati.back().titolo),
                 QStringLiteral("Attenzione"));
        QCOMPARE(m_prova->messaggi.mostrati.back().icona, Icona::Avviso);
    }
    QCOMPARE(campi(), campiDopo);
    QCOMPARE(testo("numeriLabel"), numeri);
    QCOMPARE(pulsanteRidisegna()->isEnabled(), ridisegnaAttivo);
}

void CerchioCiclometricoDialogTest::pentagonoDisegnato()
{
    m_dialogo->show();
    auto* disegno = test::trova<DisegnoCerchio>(m_dialogo.get(), QStringLiteral("cerchioDisegnoCerchio"));
    const int lato = std::min(disegno->width(), disegno->height());
    const QPoint centro(lato / 2 - 1, lato / 2 - 1);
    const auto colore = [&] { return disegno->grab().toImage().pixelColor(centro); };
    // 5 23 41 59 77 are equally spaced: the centre lies inside the pentagon.
    QCOMPARE(colore(), QColor(0, 200, 0));
    // Straight below the centre, between the side 41-59 and the numbers: white.
    QCOMPARE(disegno->grab().toImage().pixelColor(centro.x(), centro.y() + 190), QColor(Qt::white));

    scrivi({QStringLiteral("0"), QStringLiteral("23"), QStringLiteral("41"), QStringLiteral("59"),
            QStringLiteral("77")});
    QTest::mouseClick(pulsanteRidisegna(), Qt::LeftButton);
    QCOMPARE(colore(), QColor(Qt::white));
}

void CerchioCiclometricoDialogTest::riaperturaConservaINumeri()
{
    m_dialogo->show();
    scrivi({QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"), QStringLiteral("6"),
            QStringLiteral("5")});
    QTest::mouseClick(pulsanteRidisegna(), Qt::LeftButton);
    m_dialogo->hide();
    m_dialogo->show();
    QCOMPARE(testo("numeriLabel"), QStringLiteral("Numeri: 5 6 7 8 9"));

    // A new draw in the archive: the next opening shows it.
    m_dialogo->hide();
    (void)m_prova->stato.archivio.InserisciEstrazione(
        Estrazione(2, 2, 2004, {1, 31, 61, 71, 81}, {1, 2, 3, 4, 5}));
    m_dialogo->show();
    QCOMPARE(test::trova<QScrollBar>(m_dialogo.get(), QStringLiteral("estrazioneScrollBar"))->maximum(), 4);
    QCOMPARE(testo("concorsoLabel"), QStringLiteral("Nº Concorso:4"));
    QCOMPARE(testo("numeriLabel"), QStringLiteral("Numeri: 1 31 61 71 81"));
}

void CerchioCiclometricoDialogTest::archivioVuoto()
{
    m_prova->stato.archivio.svuota();
    TCerchioCiclometrico vuoto(m_prova->stato, m_prova->servizi);
    vuoto.show();
    QVERIFY(!test::trova<QScrollBar>(&vuoto, QStringLiteral("estrazioneScrollBar"))->isEnabled());
    QCOMPARE(test::trova<QLabel>(&vuoto, QStringLiteral("dataLabel"))->text(), QStringLiteral("Del:"));
    QCOMPARE(test::trova<QLabel>(&vuoto, QStringLiteral("concorsoLabel"))->text(),
             QStringLiteral("Nº Concorso:"));
    QCOMPARE(test::trova<QLabel>(&vuoto, QStringLiteral("numeriLabel"))->text(),
             QStringLiteral("Numeri: 0 0 0 0 0"));
    // Changing the wheel with no draw changes nothing.
    test::trova<QComboBox>(&vuoto, QStringLiteral("ruotaComboBox"))->setCurrentIndex(3);
    QCOMPARE(test::trova<QLabel>(&vuoto, QStringLiteral("numeriLabel"))->text(),
             QStringLiteral("Numeri: 0 0 0 0 0"));
}

void CerchioCiclometricoDialogTest::guidaEChiusura()
{
    m_dialogo->show();
    QTest::mouseClick(test::trova<QPushButton>(m_dialogo.get(), QStringLiteral("guidaPushButton")),
                      Qt::LeftButton);
    QCOMPARE(m_prova->servizi.guide, std::vector<QString>{QStringLiteral("stats_ciclometria.htm")});
    QTest::keyClick(m_dialogo.get(), Qt::Key_Escape);
    QVERIFY(!m_dialogo->isVisible());
    m_dialogo->show();
    QTest::mouseClick(test::trova<QPushButton>(m_dialogo.get(), QStringLiteral("chiudiPushButton")),
                      Qt::LeftButton);
    QVERIFY(!m_dialogo->isVisible());
}

QTEST_MAIN(CerchioCiclometricoDialogTest)
#include "cerchio_ciclometrico_dialog_test.moc"
