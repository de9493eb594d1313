#include "ui/griglia_numeri.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace {

// The point inside a number's cell, away from its grid lines.
QPoint centro(int numero)
{
    return GrigliaNumeri::rettangoloNumero(numero).center();
}

void invia(GrigliaNumeri& griglia, QEvent::Type tipo, const QPoint& punto, Qt::MouseButton pulsante,
           Qt::MouseButtons premuti)
{
    QMouseEvent evento(tipo, QPointF(punto), QPointF(griglia.mapToGlobal(punto)), pulsante, premuti,
                       Qt::NoModifier);
    QApplication::sendEvent(&griglia, &evento);
}

// Presses the button on the first number, drags over the others, releases on the last one.
void tratto(GrigliaNumeri& griglia, Qt::MouseButton pulsante, const std::vector<int>& numeri)
{
    invia(griglia, QEvent::MouseButtonPress, centro(numeri.front()), pulsante, pulsante);
    for (std::size_t i = 1; i < numeri.size(); ++i) {
        invia(griglia, QEvent::MouseMove, centro(numeri[i]), Qt::NoButton, pulsante);
    }
    invia(griglia, QEvent::MouseButtonRelease, centro(numeri.back()), pulsante, Qt::NoButton);
}

SegniNumeri segniDi(const std::vector<int>& numeri)
{
    SegniNumeri segni{};
    for (int n : numeri) {
        segni[static_cast<std::size_t>(n - 1)] = 1;
    }
    return segni;
}

std::vector<int> segnati(const SegniNumeri& segni)
{
    std::vector<int> numeri;
    for (int n = 1; n <= 90; ++n) {
        if (segni[static_cast<std::size_t>(n - 1)] != 0) {
            numeri.push_back(n);
        }
    }
    return numeri;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class GrigliaNumeriTest : public QObject
{
    Q_OBJECT

private slots:
    void trattiDipingonoECancellano_data();
    void trattiDipingonoECancellano();
    void unaPressioneNuovaRiprendeLaStessaCella();
    void puntoDiventaNumeroConBordiBloccati_data();
    void puntoDiventaNumeroConBordiBloccati();
    void setSegniNonEmetteEDisegnaISegnati();
};

void GrigliaNumeriTest::trattiDipingonoECancellano_data()
{
    QTest::addColumn<std::vector<int>>("prima");
    QTest::addColumn<int>("pulsante");
    QTest::addColumn<std::vector<int>>("percorso");
    QTest::addColumn<std::vector<int>>("dopo");
    QTest::addColumn<std::vector<int>>("cambiati");
    QTest::addColumn<bool>("selezionato");

    QTest::newRow("sinistro dipinge 1 2 3 13")
        << std::vector<int>{} << int(Qt::LeftButton) << std::vector<int>{1, 2, 3, 13}
        << std::vector<int>{1, 2, 3, 13} << std::vector<int>{1, 2, 3, 13} << true;
    QTest::newRow("destro cancella solo le celle attraversate")
        << std::vector<int>{4, 5, 6, 7, 50} << int(Qt::RightButton) << std::vector<int>{5, 6, 16}
        << std::vector<int>{4, 7, 50} << std::vector<int>{5, 6, 16} << false;
    QTest::newRow("cella già segnata conta nel tratto")
        << std::vector<int>{2} << int(Qt::LeftButton) << std::vector<int>{1, 2} << std::vector<int>{1, 2}
        << std::vector<int>{1, 2} << true;
    QTest::newRow("restare nella cella la segna una volta")
        << std::vector<int>{} << int(Qt::LeftButton) << std::vector<int>{90, 90, 90} << std::vector<int>{90}
        << std::vector<int>{90} << true;
    QTest::newRow("senza pulsante nulla cambia")
        << std::vector<int>{8} << int(Qt::NoButton) << std::vector<int>{7, 8, 9} << std::vector<int>{8}
        << std::vector<int>{} << false;
}

void GrigliaNumeriTest::trattiDipingonoECancellano()
{
    QFETCH(std::vector<int>, prima);
    QFETCH(int, pulsante);
    QFETCH(std::vector<int>, percorso);
    QFETCH(std::vector<int>, dopo);
    QFETCH(std::vector<int>, cambiati);
    QFETCH(bool, selezionato);

    GrigliaNumeri griglia;
    griglia.setSegni(segniDi(prima));
    QSignalSpy cambio(&griglia, &GrigliaNumeri::numeroCambiato);
    QSignalSpy indicato(&griglia, &GrigliaNumeri::numeroIndicato);

    const auto tasto = static_cast<Qt::MouseButton>(pulsante);
    if (tasto == Qt::NoButton) {
        for (int n : percorso) {
            invia(griglia, QEvent::MouseMove, centro(n), Qt::NoButton, Qt::NoButton);
        }
    } else {
        tratto(griglia, tasto, percorso);
    }

    QCOMPARE(segnati(griglia.segni()), dopo);
    QCOMPARE(cambio.count(), static_cast<int>(cambiati.size()));
    for (std::size_t i = 0; i < cambiati.size(); ++i) {
        QCOMPARE(cambio.at(static_cast<int>(i)).at(0).toInt(), cambiati[i]);
        QCOMPARE(cambio.at(static_cast<int>(i)).at(1).toBool(), selezionato);
    }
    // Every press and move tells the number under the pointer, with or without a button.
    QCOMPARE(indicato.count(), static_cast<int>(percorso.size()));
    QCOMPARE(indicato.last().at(0).toInt(), percorso.back());
}

void GrigliaNumeriTest::unaPressioneNuovaRiprendeLaStessaCella()
{
    GrigliaNumeri griglia;
    QSignalSpy cambio(&griglia, &GrigliaNumeri::numeroCambiato);
    tratto(griglia, Qt::LeftButton, {45});
    tratto(griglia, Qt::RightButton, {45});
    QCOMPARE(cambio.count(), 2);
    QCOMPARE(griglia.segni()[44], std::uint8_t{0});
}

void GrigliaNumeriTest::puntoDiventaNumeroConBordiBloccati_data()
{
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<int>("numero");
    QTest::newRow("angolo") << QPoint(0, 0) << 1;
    QTest::newRow("sopra e a sinistra") << QPoint(-20, -20) << 1;
    QTest::newRow("ultimo pixel della colonna va alla successiva") << QPoint(42, 5) << 2;
    QTest::newRow("ultimo pixel della riga va alla successiva") << QPoint(5, 29) << 11;
    QTest::newRow("fondo a destra") << QPoint(429, 269) << 90;
    QTest::newRow("oltre il fondo") << QPoint(600, 400) << 90;
    QTest::newRow("oltre la destra prima riga") << QPoint(1000, 3) << 10;
    QTest::newRow("sotto la prima colonna") << QPoint(3, 1000) << 81;
}

void GrigliaNumeriTest::puntoDiventaNumeroConBordiBloccati()
{
    QFETCH(QPoint, punto);
    QFETCH(int, numero);
    // A drag that leaves the grid keeps painting the edge cell it left through.
    GrigliaNumeri griglia;
    QSignalSpy indicato(&griglia, &GrigliaNumeri::numeroIndicato);
    invia(griglia, QEvent::MouseButtonPress, punto, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(indicato.count(), 1);
    QCOMPARE(indicato.at(0).at(0).toInt(), numero);
    QCOMPARE(segnati(griglia.segni()), std::vector<int>{numero});
}

void GrigliaNumeriTest::setSegniNonEmetteEDisegnaISegnati()
{
    GrigliaNumeri griglia;
    QSignalSpy cambio(&griglia, &GrigliaNumeri::numeroCambiato);
    griglia.setSegni(segniDi({7, 90}));
    QCOMPARE(cambio.count(), 0);
    QCOMPARE(griglia.size(), QSize(431, 271));

    const QImage immagine = griglia.grab().toImage();
    const auto sfondo = [&](int n) {
        return immagine.pixelColor(GrigliaNumeri::rettangoloNumero(n).topLeft() + QPoint(2, 2));
    };
    QCOMPARE(sfondo(7), QColor(0, 0, 128));
    QCOMPARE(sfondo(90), QColor(0, 0, 128));
    QCOMPARE(sfondo(8), QColor(Qt::white));
}

QTEST_MAIN(GrigliaNumeriTest)
#include "griglia_numeri_test.moc"
