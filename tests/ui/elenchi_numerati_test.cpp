#include "ui/elenchi_numerati.h"

#include <QComboBox>
#include <QTableWidget>
#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(std::vector<QString>)

namespace {

// The table with one row per entry: "a" fills column 1, "" leaves the row empty.
void riempi(QTableWidget& tabella, const std::vector<QString>& righe)
{
    tabella.setRowCount(static_cast<int>(righe.size()));
    for (int r = 0; r < tabella.rowCount(); ++r) {
        tabella.setItem(r, 1, new QTableWidgetItem(righe[static_cast<std::size_t>(r)]));
    }
}

std::vector<QString> righe(const QTableWidget& tabella)
{
    std::vector<QString> testi;
    for (int r = 0; r < tabella.rowCount(); ++r) {
        const QTableWidgetItem* voce = tabella.item(r, 1);
        testi.push_back(voce != nullptr ? voce->text() : QString());
    }
    return testi;
}

} // namespace

class ElenchiNumeratiTest : public QObject
{
    Q_OBJECT

private slots:
    void sistemaLeRighe_data();
    void sistemaLeRighe();
    void laTabellaSegueLeModifiche();
    void ilSelettoreTieneLaScelta();
};

void ElenchiNumeratiTest::sistemaLeRighe_data()
{
    QTest::addColumn<std::vector<QString>>("prima");
    QTest::addColumn<int>("corrente");
    QTest::addColumn<int>("massimo");
    QTest::addColumn<std::vector<QString>>("dopo");
    const QString v;
    const QString a = QStringLiteral("a");
    const QString b = QStringLiteral("b");
    QTest::newRow("vuota") << std::vector<QString>{} << -1 << 99 << std::vector<QString>{v};
    QTest::newRow("riga vuota in coda")
        << std::vector<QString>{a, b} << -1 << 99 << std::vector<QString>{a, b, v};
    QTest::newRow("vuote in mezzo") << std::vector<QString>{v, a, v, v, b, v, v} << -1 << 99
                                    << std::vector<QString>{a, b, v};
    QTest::newRow("resta quella in modifica")
        << std::vector<QString>{a, v, b, v} << 1 << 99 << std::vector<QString>{a, v, b, v};
    QTest::newRow("nessuna oltre il massimo")
        << std::vector<QString>{a, b, v, a} << -1 << 3 << std::vector<QString>{a, b, a};
}

void ElenchiNumeratiTest::sistemaLeRighe()
{
    QFETCH(std::vector<QString>, prima);
    QFETCH(int, corrente);
    QFETCH(int, massimo);
    QFETCH(std::vector<QString>, dopo);
    QTableWidget tabella(0, 3);
    riempi(tabella, prima);
    SistemaRigheNumerate(&tabella, corrente, massimo);
    QCOMPARE(righe(tabella), dopo);
    for (int r = 0; r < tabella.rowCount(); ++r) {
        QCOMPARE(tabella.item(r, 0)->text(), QString::number(r + 1));
        QCOMPARE(tabella.item(r, 0)->flags(), Qt::ItemIsEnabled);
    }
}

// Filling the last row adds an empty one; leaving an emptied row drops it.
void ElenchiNumeratiTest::laTabellaSegueLeModifiche()
{
    QTableWidget tabella(0, 3);
    SeguiRigheNumerate(&tabella);
    SistemaRigheNumerate(&tabella, -1);
    tabella.setCurrentCell(0, 1);
    tabella.setItem(0, 1, new QTableWidgetItem(QStringLiteral("1")));
    QCOMPARE(tabella.rowCount(), 2);
    tabella.setCurrentCell(1, 2);
    tabella.setItem(1, 2, new QTableWidgetItem(QStringLiteral("2")));
    QCOMPARE(tabella.rowCount(), 3);
    tabella.setCurrentCell(0, 1);
    tabella.item(0, 1)->setText(QString());
    QCOMPARE(tabella.rowCount(), 3);
    tabella.setCurrentCell(1, 1);
    QCOMPARE(righe(tabella), (std::vector<QString>{QString(), QString()}));
    QCOMPARE(tabella.item(0, 2)->text(), QStringLiteral("2"));
    QCOMPARE(tabella.currentRow(), 0);
}

void ElenchiNumeratiTest::ilSelettoreTieneLaScelta()
{
    QComboBox selettore;
    RiempiSelettoreNumerato(&selettore, 0);
    QCOMPARE(selettore.currentIndex(), -1);
    RiempiSelettoreNumerato(&selettore, 4);
    QCOMPARE(selettore.count(), 4);
    QCOMPARE(selettore.currentText(), QStringLiteral("1"));
    selettore.setCurrentIndex(3);
    RiempiSelettoreNumerato(&selettore, 5);
    QCOMPARE(selettore.currentText(), QStringLiteral("4"));
    RiempiSelettoreNumerato(&selettore, 3);
    QCOMPARE(selettore.currentText(), QStringLiteral("1"));
}

QTEST_MAIN(ElenchiNumeratiTest)
#include "elenchi_numerati_test.moc"
