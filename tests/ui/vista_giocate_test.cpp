#include "ui/vista_giocate.h"

#include "core/elenco_giocate.h"
#include "support/cartella_temporanea.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>

namespace {

// A list of n plays, play i being {i % 90 + 1}.
std::unique_ptr<ElencoGiocate> elencoDi(int n)
{
    auto elenco = std::make_unique<ElencoGiocate>();
    if (n > 0) {
        if (!elenco->AssicuraCapacita(n)) {
            return nullptr;
        }
        for (int i = 1; i <= n; ++i) {
            elenco->voce(i) = test::giocata({i % 90 + 1});
        }
    }
    elenco->setConteggio(n);
    return elenco;
}

// The middle of the row that shows the given play, found through the view's own hit test.
QPoint puntoDi(const VistaGiocate& vista, int indice)
{
    for (int y = 0; y < vista.height(); ++y) {
        if (vista.giocataNelPunto(QPoint(40, y)) == indice) {
            return {40, y + vista.altezzaRiga() / 2};
        }
    }
    return {-1, -1};
}

void clic(VistaGiocate& vista, int indice, Qt::KeyboardModifiers modificatori = Qt::NoModifier)
{
    const QPoint punto = puntoDi(vista, indice);
    QTest::mousePress(&vista, Qt::LeftButton, modificatori, punto);
    QTest::mouseRelease(&vista, Qt::LeftButton, modificatori, punto);
}

QScrollBar* barra(VistaGiocate& vista)
{
    return vista.findChild<QScrollBar*>(QStringLiteral("sbgioScrollBar"));
}

} // namespace

using Selezione = std::pair<int, int>;
Q_DECLARE_METATYPE(Selezione)

class VistaGiocateTest : public QObject
{
    Q_OBJECT

private slots:
    void barraSecondoIlConteggio_data();
    void barraSecondoIlConteggio();
    void cambioDelConteggioTornaAllaPrima();
    void selezioneDiUnIntervallo_data();
    void selezioneDiUnIntervallo();
    void tastiFrecciaScorronoConLaSelezione();
    void eliminaEDoppioClicSoloConGiocate();
    void righeSelezionateInBluSuBianco();
    void giocataDiDieciNumeriIntera();
};

void VistaGiocateTest::barraSecondoIlConteggio_data()
{
    QTest::addColumn<int>("conteggio");
    QTest::addColumn<int>("massimo");
    QTest::newRow("vuoto") << 0 << 1;
    QTest::newRow("undici entrano tutte") << 11 << 1;
    QTest::newRow("dodici") << 12 << 2;
    QTest::newRow("cento") << 100 << 90;
}

void VistaGiocateTest::barraSecondoIlConteggio()
{
    QFETCH(int, conteggio);
    QFETCH(int, massimo);
    auto elenco = elencoDi(conteggio);
    QVERIFY(elenco != nullptr);
    VistaGiocate vista;
    vista.setElenco(elenco.get());
    QVERIFY(barra(vista) != nullptr);
    QCOMPARE(barra(vista)->minimum(), 1);
    QCOMPARE(barra(vista)->maximum(), massimo);
    QCOMPARE(vista.primaVisibile(), 1);
    // At the far end the last play is on the last of the 11 rows.
    vista.setPrimaVisibile(conteggio);
    QCOMPARE(vista.primaVisibile(), massimo);
}

void VistaGiocateTest::cambioDelConteggioTornaAllaPrima()
{
    auto elenco = elencoDi(100);
    QVERIFY(elenco != nullptr);
    VistaGiocate vista;
    vista.resize(vista.sizeHint());
    vista.setElenco(elenco.get());
    vista.setPrimaVisibile(50);
    vista.setSelezione(52, 55);

    vista.aggiorna();
    QCOMPARE(vista.primaVisibile(), 50);
    QCOMPARE(vista.selezione(), Selezione(52, 55));

    elenco->setConteggio(60);
    vista.aggiorna();
    QCOMPARE(vista.primaVisibile(), 1);
    QCOMPARE(barra(vista)->maximum(), 50);
    QCOMPARE(vista.selezione(), Selezione(0, 0));

    // A list that shrank behind the view's back never yields a selection past its end.
    vista.setSelezione(55, 58);
    elenco->setConteggio(56);
    QCOMPARE(vista.selezione(), Selezione(55, 56));
}

void VistaGiocateTest::selezioneDiUnIntervallo_data()
{
    QTest::addColumn<QString>("azioni");
    QTest::addColumn<Selezione>("attesa");
    // c N: click on play N; s N: shift+click; t A B: drag from A to B.
    QTest::newRow("clic") << "c 3" << Selezione(3, 3);
    QTest::newRow("maiusc clic in avanti") << "c 3 s 6" << Selezione(3, 6);
    QTest::newRow("maiusc clic all'indietro") << "c 5 s 2" << Selezione(2, 5);
    QTest::newRow("maiusc clic dopo maiusc clic tiene l'ancora") << "c 5 s 8 s 4" << Selezione(4, 5);
    QTest::newRow("nuovo clic ricomincia") << "c 3 s 6 c 9" << Selezione(9, 9);
    QTest::newRow("trascinamento") << "t 2 7" << Selezione(2, 7);
    QTest::newRow("trascinamento verso l'alto") << "t 8 3" << Selezione(3, 8);
}

void VistaGiocateTest::selezioneDiUnIntervallo()
{
    QFETCH(QString, azioni);
    QFETCH(Selezione, attesa);
    auto elenco = elencoDi(30);
    QVERIFY(elenco != nullptr);
    VistaGiocate vista;
    vista.resize(vista.sizeHint());
    vista.setElenco(elenco.get());

    const QStringList parti = azioni.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < parti.size(); i += 2) {
        const int n = parti[i + 1].toInt();
        if (parti[i] == QLatin1String("c")) {
            clic(vista, n);
        } else if (parti[i] == QLatin1String("s")) {
            clic(vista, n, Qt::ShiftModifier);
        } else {
            const int fine = parti[i + 2].toInt();
            QTest::mousePress(&vista, Qt::LeftButton, Qt::NoModifier, puntoDi(vista, n));
            QMouseEvent movimento(QEvent::MouseMove, QPointF(puntoDi(vista, fine)), QPointF(), Qt::NoButton,
                                  Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&vista, &movimento);
            QTest::mouseRelease(&vista, Qt::LeftButton, Qt::NoModifier, puntoDi(vista, fine));
            ++i;
        }
    }
    QCOMPARE(vista.selezione(), attesa);
}

void VistaGiocateTest::tastiFrecciaScorronoConLaSelezione()
{
    auto elenco = elencoDi(40);
    QVERIFY(elenco != nullptr);
    VistaGiocate vista;
    vista.resize(vista.sizeHint());
    vista.setElenco(elenco.get());

    QTest::keyClick(&vista, Qt::Key_Down);
    QCOMPARE(vista.selezione(), Selezione(1, 1));
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(&vista, Qt::Key_Down, Qt::ShiftModifier);
    }
    QCOMPARE(vista.selezione(), Selezione(1, 12));
    QCOMPARE(vista.primaVisibile(), 2);

    QTest::keyClick(&vista, Qt::Key_End);
    QCOMPARE(vista.selezione(), Selezione(40, 40));
    QCOMPARE(vista.primaVisibile(), 30);
    QTest::keyClick(&vista, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(vista.selezione(), Selezione(39, 40));
    QTest::keyClick(&vista, Qt::Key_Home);
    QCOMPARE(vista.selezione(), Selezione(1, 1));
    QCOMPARE(vista.primaVisibile(), 1);
}

void VistaGiocateTest::eliminaEDoppioClicSoloConGiocate()
{
    struct Riga
    {
        const char* nome;
        int conteggio;
        int attesi;
    };
    for (const Riga& riga : {Riga{"elenco vuoto", 0, 0}, Riga{"con giocate", 5, 1}}) {
        auto elenco = elencoDi(riga.conteggio);
        QVERIFY(elenco != nullptr);
        VistaGiocate vista;
        vista.resize(vista.sizeHint());
        vista.setElenco(elenco.get());
        QSignalSpy elimina(&vista, &VistaGiocate::eliminaRichiesta);
        QSignalSpy doppio(&vista, &VistaGiocate::doppioClic);

        QTest::keyClick(&vista, Qt::Key_Delete);
        QTest::keyClick(&vista, Qt::Key_Backspace);
        QTest::mouseDClick(&vista, Qt::LeftButton, Qt::NoModifier, QPoint(40, vista.altezzaRiga() * 2));
        QVERIFY2(elimina.count() == 2 * riga.attesi, riga.nome);
        QVERIFY2(doppio.count() == riga.attesi, riga.nome);
    }
}

void VistaGiocateTest::righeSelezionateInBluSuBianco()
{
    auto elenco = elencoDi(20);
    QVERIFY(elenco != nullptr);
    VistaGiocate vista;
    vista.resize(vista.sizeHint());
    vista.setElenco(elenco.get());
    vista.setPrimaVisibile(5);
    vista.setSelezione(6, 7);

    const QImage immagine = vista.grab().toImage();
    // Sample the far right of the row, where no text is drawn.
    const auto colore = [&](int indice) {
        return immagine.pixelColor(vista.width() - barra(vista)->width() - 4, puntoDi(vista, indice).y());
    };
    QCOMPARE(colore(6), QColor(0, 0, 128));
    QCOMPARE(colore(7), QColor(0, 0, 128));
    QCOMPARE(colore(5), QColor(Qt::white));
    QCOMPARE(colore(8), QColor(Qt::white));
}

// A play of ten numbers keeps every number in view as the column narrows: two spaces apart, then one
// (narrower still, the row shares its room in ten equal cells).
void VistaGiocateTest::giocataDiDieciNumeriIntera()
{
    ElencoGiocate elenco;
    QVERIFY(elenco.AssicuraCapacita(1));
    elenco.voce(1) = test::giocata({81, 82, 83, 84, 85, 86, 87, 88, 89, 90});
    elenco.setConteggio(1);
    VistaGiocate vista;
    vista.setElenco(&elenco);
    vista.show(); // a hidden widget gets its resize events only when shown
    const QFontMetrics misure = vista.fontMetrics();
    const QString larga = QStringLiteral("81  82  83  84  85  86  87  88  89  90");
    const QString stretta = QStringLiteral("81 82 83 84 85 86 87 88 89 90");
    // Widens or narrows the view until its plays column has the given room.
    const auto conSpazio = [&](int spazio) {
        vista.resize(vista.sizeHint());
        vista.resize(vista.width() + spazio - vista.larghezzaGiocata(), vista.height());
    };

    conSpazio(misure.horizontalAdvance(larga));
    QCOMPARE(vista.testoRiga(1), larga);
    conSpazio(misure.horizontalAdvance(larga) - 1);
    QCOMPARE(vista.testoRiga(1), stretta);
}

QTEST_MAIN(VistaGiocateTest)
#include "vista_giocate_test.moc"
