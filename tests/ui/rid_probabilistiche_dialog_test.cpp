#include "editor/file_riduzioni.h"
#include "editor/probabilita_personalizzate.h"
#include "editor/stato_applicazione.h"
#include "reductions/rid_probabilistiche.h"
#include "support/estrazione_prova.h"
#include "support/finestre_prova.h"
#include "ui/analisi_probabilistiche_dialog.h"
#include "ui/pri_window.h"
#include "ui/rid_probabilistiche_dialog.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>
#include <numeric>
#include <random>

// The dialogs of the reductions by delays, frequencies and custom scores, driven through their widgets.
class RidProbabilisticheDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void probaRitardiRifiutoEApplica();
    void frequenzeSpanEAnalisi();
    void personaliPunteggiEStorica();
    void comandiDelMenu();

private:
    template <typename T> T* trova(QObject* d, const QString& nome) const { return test::trova<T>(d, nome); }
    QString messaggio() const { return QString::fromStdString(m_prova->messaggi.ultimo()); }
    bool esiste(const char* file) const
    {
        return QFile::exists(QString::fromStdString(m_prova->cartella.file(file)));
    }
    void scrivi(QTableWidget* t, int riga, int colonna, const QString& testo)
    {
        t->setCurrentCell(riga, colonna);
        t->item(riga, colonna) != nullptr ? t->item(riga, colonna)->setText(testo)
                                          : t->setItem(riga, colonna, new QTableWidgetItem(testo));
    }
    void applica(QDialog& d) { trova<QPushButton>(&d, QStringLiteral("avviaPushButton"))->click(); }
    // The window as the user sees it, saved when QUARVIN_CATTURE names a folder.
    static void cattura(QWidget& w, const QString& nome)
    {
        const QString cartella = qEnvironmentVariable("QUARVIN_CATTURE");
        if (!cartella.isEmpty()) {
            w.grab().save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
        }
    }
    // Runs every analysis window the dialog opens and keeps what it counted.
    void registraAnalisi()
    {
        m_prova->servizi.dialogo = [this](QDialog& finestra) -> std::optional<int> {
            auto* analisi = qobject_cast<TAnalisiProbabilistica*>(&finestra);
            if (analisi == nullptr) {
                return std::nullopt;
            }
            analisi->show();
            analisi->avviaCalcolo();
            m_istogrammi.push_back(analisi->istogramma());
            cattura(*analisi, QString::fromLatin1(analisi->metaObject()->className()) +
                                  QString::number(m_istogrammi.size()));
            return QDialog::Accepted;
        };
    }

    std::unique_ptr<test::StatoDiProva> m_prova;
    std::vector<IstogrammaProbabilistico> m_istogrammi;
};

void RidProbabilisticheDialogTest::init()
{
    m_prova = std::make_unique<test::StatoDiProva>();
    StatoApplicazione& s = m_prova->stato;
    (void)CaricaRecordRiduzioni(m_prova->cartella.cartella(), m_prova->store, s.sistema.riduzioni);
    std::mt19937 caso(17);
    std::vector<std::uint8_t> numeri(90);
    for (int i = 0; i < 320; ++i) {
        Tipo_Estrazione e = test::estrazioneNumero(i);
        for (int w = 1; w <= RuoteArchivio; ++w) {
            std::iota(numeri.begin(), numeri.end(), std::uint8_t{1});
            std::shuffle(numeri.begin(), numeri.end(), caso);
            for (int p = 1; p <= 5; ++p) {
                e.setNumero(w, p, numeri[static_cast<std::size_t>(p - 1)]);
            }
        }
        s.archivio.InserisciEstrazione(e);
    }
    for (int n = 0; n < 20; ++n) {
        s.sistema.pronostico[static_cast<std::size_t>(n)] = 1;
    }
    s.sistema.numeriPerGiocata = 3;
    m_istogrammi.clear();
}

void RidProbabilisticheDialogTest::cleanup()
{
    m_prova.reset();
}

void RidProbabilisticheDialogTest::probaRitardiRifiutoEApplica()
{
    TRidProbaRit d(m_prova->stato, m_prova->servizi);
    d.show();
    cattura(d, QStringLiteral("TRidProbaRit"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione probabilistica in base ai ritardi"));
    auto* t = d.tabellaIntervalli();
    QCOMPARE(t->rowCount(), 2);
    QCOMPARE(t->item(0, 1)->text(), QStringLiteral("7.0"));
    QCOMPARE(t->item(0, 2)->text(), QStringLiteral("28.0"));
    // The list: sorted by score ascending, three columns.
    auto* numeri = d.tabellaNumeri();
    QCOMPARE(numeri->columnCount(), 3);
    QVERIFY(numeri->item(0, 2)->data(Qt::UserRole).toDouble() <=
            numeri->item(89, 2)->data(Qt::UserRole).toDouble());

    // 30 / 20 refused: no file, the block as it was.
    scrivi(t, 0, 1, QStringLiteral("30"));
    scrivi(t, 0, 2, QStringLiteral("20"));
    const auto prima = m_prova->stato.sistema.riduzioni.probabilitaRitardi;
    applica(d);
    QCOMPARE(messaggio(),
             QStringLiteral("La probabilità minima dell'intervallo nº 1 è maggiore di quella massima."));
    QVERIFY(!esiste("Quarvin.ipr"));
    QVERIFY(m_prova->stato.sistema.riduzioni.probabilitaRitardi == prima);
    QVERIFY(d.isVisible());

    // Middle delays first, [12.5, 60]: the window adds what the engine keeps.
    trova<QRadioButton>(&d, QStringLiteral("criterio2RadioButton"))->click();
    scrivi(t, 0, 1, QStringLiteral("12,5"));
    scrivi(t, 0, 2, QStringLiteral("60"));
    ImpostazioniProbabilistiche attese = ImpostazioniProbabilistiche::DalRecord(
        MembroProbabilistico::ProbabilitaRitardi, m_prova->stato.sistema.riduzioni);
    attese.criterio = 2;
    attese.intervalli.minimi[0] = 12.5;
    attese.intervalli.massimi[0] = 60;
    Sistema sistema = m_prova->stato.sistema;
    ElencoGiocate elenco;
    EsecuzioneContinua continua;
    QVERIFY(RiduzioneProbabilistica(sistema, elenco,
                                    GiudizioProbabilistico(ValoriNumeri(attese), attese.intervalli),
                                    ModoFiltro::Pronostico, false, continua)
                .confermata());
    applica(d);
    QCOMPARE(m_prova->stato.giocate.conteggio(), elenco.conteggio());
    QVERIFY(esiste("Quarvin.ipr"));
    QCOMPARE(m_prova->store.leggiIntero("IDE_ProRitTC").value_or(-1), 2);
}

void RidProbabilisticheDialogTest::frequenzeSpanEAnalisi()
{
    TRidFre d(m_prova->stato, m_prova->servizi);
    d.show();
    cattura(d, QStringLiteral("TRidFre"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Riduzione in base alle frequenze"));
    // A new system has no interval for the raw means.
    applica(d);
    QCOMPARE(messaggio(), QStringLiteral("Inserire almeno un intervallo consentito."));
    auto* t = d.tabellaIntervalli();
    scrivi(t, 0, 1, QStringLiteral("0"));
    scrivi(t, 0, 2, QStringLiteral("30"));
    auto* span = trova<QLineEdit>(&d, QStringLiteral("estrazioniLineEdit"));
    span->setText(QStringLiteral("0"));
    trova<QPushButton>(&d, QStringLiteral("aggiornaPushButton"))->click();
    QCOMPARE(
        messaggio(),
        QStringLiteral("Il numero di estrazioni non è valido.\rInserire un valore compreso tra 1 e 320"));
    QCOMPARE(span->text(), QStringLiteral("100"));
    QVERIFY(!esiste("Quarvin.irf"));
    // The interval read before the refusal does not stand in the block.
    QCOMPARE(ImpostazioniProbabilistiche::DalRecord(MembroProbabilistico::Frequenze,
                                                    m_prova->stato.sistema.riduzioni)
                 .intervalli.numero,
             0);

    span->setText(QStringLiteral("10"));
    registraAnalisi();
    trova<QPushButton>(&d, QStringLiteral("analisiGiocatePushButton"))->click();
    trova<QPushButton>(&d, QStringLiteral("analisiStoricaPushButton"))->click();
    QCOMPARE(m_prova->servizi.dialoghi,
             (std::vector<QString>{QStringLiteral("TAnalisiRidFreRit"),
                                   QStringLiteral("TAnalisiStoricaProbabilistica")}));
    QCOMPARE(d.impostazioni().estrazioni, 10);
    QVERIFY(esiste("Quarvin.irf"));
    QCOMPARE(m_istogrammi.size(), std::size_t{2});
    // Every candidate counted; every combination of 20 numbers in 3 has a mean frequency within [0, 30].
    QCOMPARE(m_istogrammi[0].totali.esaminate, 1140);
    QCOMPARE(m_istogrammi[0].totali.valide, 1140);
    QCOMPARE(m_istogrammi[0].conteggi.size(), std::size_t{10001});
    // The archive replay: targets 11..320, ten regional wheels each.
    QCOMPARE(m_istogrammi[1].totali.esaminate, 310 * 10);
    applica(d);
    QCOMPARE(m_prova->stato.giocate.conteggio(), 1140);
}

void RidProbabilisticheDialogTest::personaliPunteggiEStorica()
{
    // A score that is not a number, as a damaged system file could bring: read as 50 with a note.
    ScriviCampoDouble(m_prova->stato.sistema.riduzioni.probabilitaPersonali, 1608 + 8 * 4, std::nan(""));
    TRidProbaPer d(m_prova->stato, m_prova->servizi);
    QCOMPARE(messaggio(), QString::fromUtf8(messaggi_probabilistiche::ImpostazioniCorrette));
    QCOMPARE(ProbabilitaPersonalizzate(m_prova->stato.sistema.riduzioni)[4], 50.0);
    d.show();
    cattura(d, QStringLiteral("TRidProbaPer"));
    auto* numeri = d.tabellaNumeri();
    QCOMPARE(numeri->columnCount(), 4);
    QCOMPARE(numeri->item(2, 3)->text(), QStringLiteral("50.0"));
    scrivi(numeri, 2, 3, QStringLiteral("100.5"));
    applica(d);
    QCOMPARE(messaggio(),
             QStringLiteral(
                 "La probabilità del numero 3 non è valida.\rIndicare un numero compreso tra 0 e 100."));
    // Numbers 1..10 score 90: the plays of three of them pass [75, 100].
    for (int r = 0; r < 90; ++r) {
        scrivi(numeri, r, 3, r < 10 ? QStringLiteral("90") : QStringLiteral("10"));
    }
    registraAnalisi();
    trova<QPushButton>(&d, QStringLiteral("analisiGiocatePushButton"))->click();
    QCOMPARE(m_istogrammi.at(0).totali.valide, 120);
    QCOMPARE(m_istogrammi.at(0).conteggi[90], 120);
    trova<QPushButton>(&d, QStringLiteral("analisiStoricaPushButton"))->click();
    QCOMPARE(m_istogrammi.at(1).totali.esaminate, 320 * 10);
    applica(d);
    QCOMPARE(m_prova->stato.giocate.conteggio(), 120);
    QCOMPARE(ProbabilitaPersonalizzate(m_prova->stato.sistema.riduzioni)[0], 90.0);
}

void RidProbabilisticheDialogTest::comandiDelMenu()
{
    TPri finestra(m_prova->stato, m_prova->servizi);
    finestra.iniziaNuovoSistema();
    QVERIFY(m_prova->stato.giocate.AssicuraCapacita(1));
    m_prova->stato.giocate.voce(1) = test::giocata({1, 2, 3});
    m_prova->stato.giocate.setConteggio(1);
    const std::vector<std::pair<QString, QString>> voci{
        {QStringLiteral("Riduzione probabilistica in base ai ritardi"), QStringLiteral("TRidProbaRit")},
        {QStringLiteral("Riduzione probabilistica in base alle frequenze"), QStringLiteral("TRidProbaFre")},
        {QStringLiteral("Riduzione in base a probabilità personalizzate"), QStringLiteral("TRidProbaPer")},
        {QStringLiteral("Riduzione in base alle frequenze"), QStringLiteral("TRidFre")},
        {QStringLiteral("Riduzione in base ai ritardi"), QStringLiteral("TRidRit")},
    };
    for (const auto& [testo, classe] : voci) {
        QAction* azione = test::azione(&finestra, testo);
        QVERIFY(azione->isEnabled());
        QString aperta;
        QTimer::singleShot(0, this, [&] {
            if (auto* d = qobject_cast<TRidProbabilistica*>(QApplication::activeModalWidget())) {
                aperta = QString::fromLatin1(d->metaObject()->className());
                cattura(*d, aperta);
                d->reject();
            }
        });
        azione->trigger();
        QCOMPARE(aperta, classe);
    }
}

QTEST_MAIN(RidProbabilisticheDialogTest)
#include "rid_probabilistiche_dialog_test.moc"
