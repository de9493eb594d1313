#include "ui/bilancio_storico_dialog.h"

#include "core/importi.h"
#include "core/impostazioni.h"
#include "core/messaggi_servizio.h"
#include "editor/stato_applicazione.h"
#include "ui/grafico_barre.h"
#include "ui/servizi_finestre.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Testo(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString Testo(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

constexpr const char* TitoloGrafico = "Saldo progressivo";
constexpr const char* AsseX = "Estrazioni";
constexpr const char* AsseY = "Saldo (euro)";
// Columns of the table: the date, the cost, the win lines by class, the won and the balance.
const QStringList Colonne = {
    QStringLiteral("Data"),     QStringLiteral("Costo"),       QStringLiteral("Estratto"),
    QStringLiteral("Ambo"),     QStringLiteral("Terno"),       QStringLiteral("Quaterna"),
    QStringLiteral("Cinquina"), QStringLiteral("Determinato"), QStringLiteral("Ambetto"),
    QStringLiteral("Vinto"),    QStringLiteral("Saldo"),
};

QString Data(const Tipo_Estrazione& e)
{
    return QStringLiteral("%1/%2/%3").arg(e.giorno).arg(e.mese).arg(e.anno());
}

} // namespace

TBilancioStorico::TBilancioStorico(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TDialogoCalcolo(stato, servizi, parent)
{
    setWindowTitle(Testo(messaggi_bilancio_storico::Titolo));
    setModal(true);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    m_avvertenza = new QLabel(Testo(messaggi_bilancio_storico::Avvertenza), this);
    m_avvertenza->setObjectName(QStringLiteral("avvertenzaLabel"));
    m_avvertenza->setWordWrap(true);
    QFont grassetto = m_avvertenza->font();
    grassetto.setBold(true);
    m_avvertenza->setFont(grassetto);
    layout->addWidget(m_avvertenza);

    auto* pannello = new QWidget(this);
    auto* comandi = new QHBoxLayout(pannello);
    comandi->setContentsMargins(0, 0, 0, 0);
    // The number of draws of the last run, and the newest draws for it.
    const std::string estrazioni =
        IDE_Testo(m_stato.impostazioni, ChiaveBilStoEstrazioni, EstrazioniPredefinite, false);
    m_estrazioni = new QLineEdit(QString::fromStdString(estrazioni), pannello);
    m_estrazioni->setObjectName(QStringLiteral("estrazioniLineEdit"));
    m_partenza = new QLineEdit(QString::number(PartenzaPredefinita(estrazioni, m_stato.archivio.conteggio())),
                               pannello);
    m_partenza->setObjectName(QStringLiteral("partenzaLineEdit"));
    for (QLineEdit* casella : {m_estrazioni, m_partenza}) {
        casella->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    }
    const auto campo = [pannello, comandi](const char* testo, QWidget* w) {
        auto* etichetta = new QLabel(Testo(testo), pannello);
        etichetta->setBuddy(w);
        comandi->addWidget(etichetta);
        comandi->addWidget(w);
    };
    campo(messaggi_spoglio_storico::Estrazioni, m_estrazioni);
    campo(messaggi_spoglio_storico::Partenza, m_partenza);
    comandi->addStretch(1);
    const auto pulsante = [pannello, comandi](const char* nome, const char* testo) {
        auto* p = new QPushButton(Testo(testo), pannello);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        comandi->addWidget(p);
        return p;
    };
    m_avvia = pulsante("avviaPushButton", "Avvia");
    m_avvia->setDefault(true);
    m_stampa = pulsante("stampaPushButton", "Stampa");
    m_stampa->setEnabled(false);
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    m_chiudi = pulsante("chiudiPushButton", "Chiudi");
    layout->addWidget(pannello);

    layout->addWidget(creaAvanzamento());

    m_totali = new QLabel(this);
    m_totali->setObjectName(QStringLiteral("totaliLabel"));
    m_totali->setWordWrap(true);
    m_totali->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_totali);

    auto* divisore = new QSplitter(Qt::Vertical, this);
    m_tabella = new QTableWidget(0, static_cast<int>(Colonne.size()), divisore);
    m_tabella->setObjectName(QStringLiteral("bilancioTableWidget"));
    m_tabella->setHorizontalHeaderLabels(Colonne);
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->verticalHeader()->hide();
    m_tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grafico = new GraficoBarre(divisore);
    m_grafico->setObjectName(QStringLiteral("bilancioGraficoBarre"));
    m_grafico->setClic(GraficoBarre::Clic::Nessuno);
    m_grafico->setTitolo(Testo(TitoloGrafico));
    m_grafico->setTitoloAsseX(Testo(AsseX));
    m_grafico->setTitoloAsseY(Testo(AsseY));
    m_grafico->setNomiSerie({Testo(TitoloGrafico)});
    m_grafico->setDecimali(2);
    m_grafico->setMostraValori(false);
    divisore->addWidget(m_tabella);
    divisore->addWidget(m_grafico);
    divisore->setStretchFactor(0, 1);
    divisore->setStretchFactor(1, 1);
    layout->addWidget(divisore, 1);
    resize(1000, 700);

    connect(m_avvia, &QPushButton::clicked, this, &TBilancioStorico::avvia);
    connect(m_stampa, &QPushButton::clicked, this, &TBilancioStorico::stampa);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_bilancio_storico::Guida)); });
    connect(m_chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

TBilancioStorico::~TBilancioStorico() = default;

void TBilancioStorico::avvia()
{
    if (m_inCalcolo) {
        return;
    }
    const IntervalloEstrazioni intervallo = IntervalloSpoglioStorico(
        m_estrazioni->text().toStdString(), m_partenza->text().toStdString(), m_stato.archivio.conteggio());
    m_estrazioni->setText(QString::number(intervallo.quante()));
    m_partenza->setText(QString::number(intervallo.prima));
    (void)IDE_Testo(m_stato.impostazioni, ChiaveBilStoEstrazioni, m_estrazioni->text().toStdString(), true);
    const std::initializer_list<QWidget*> spenti = {m_estrazioni, m_partenza, m_avvia, m_stampa, m_chiudi};
    for (QWidget* w : spenti) {
        w->setEnabled(false);
    }
    mostraAvanzamento(true);
    m_controllo.azzera();
    m_inCalcolo = true;
    BilancioStorico(m_stato.giocate.dati(), m_stato.giocate.conteggio(), m_stato.archivio, intervallo,
                    ParametriDaSistema(m_stato.sistema, m_stato.generali.vincitaMassima), m_esito,
                    m_controllo);
    mostraEsito();
    m_inCalcolo = false;
    for (QWidget* w : spenti) {
        w->setEnabled(true);
    }
    mostraAvanzamento(false);
}

void TBilancioStorico::mostraEsito()
{
    const int decimali = m_stato.generali.decimali;
    const auto importo = [decimali](double x) { return Testo(FormatoImporto(x, true, decimali)); };
    m_tabella->setRowCount(static_cast<int>(m_esito.righe.size()));
    for (int r = 0; r < static_cast<int>(m_esito.righe.size()); ++r) {
        const RigaBilancio& riga = m_esito.righe[static_cast<std::size_t>(r)];
        QStringList celle = {Data(m_stato.archivio.estrazione(riga.estrazione)), importo(riga.costo)};
        for (double classe : riga.perClasse) {
            celle << importo(classe);
        }
        celle << importo(riga.vinto) << importo(riga.saldo);
        for (int c = 0; c < celle.size(); ++c) {
            auto* cella = new QTableWidgetItem(celle.at(c));
            cella->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
            m_tabella->setItem(r, c, cella);
        }
    }
    QStringList totali;
    for (const std::string& riga : RigheBilancio(m_stato.archivio, m_esito, decimali)) {
        // Only the totals: the rows of the draws are in the table.
        const std::string etichetta = riga.substr(0, riga.find('\t'));
        if (etichetta.find('/') == std::string::npos) {
            totali << Testo(etichetta) + QStringLiteral(": ") + Testo(riga.substr(riga.find('\t') + 1));
        }
    }
    if (m_esito.interrotto) {
        totali << QStringLiteral("(interrotto)");
    }
    m_totali->setText(totali.join(QStringLiteral("   ")));

    // One bar per draw, or per group of draws when they are too many to tell apart.
    const int n = static_cast<int>(m_esito.righe.size());
    const int gruppo = std::max(1, (n + BarreMassime - 1) / BarreMassime);
    std::vector<double> saldi;
    std::vector<QColor> colori;
    QStringList etichette;
    for (int i = gruppo - 1; i < n + gruppo - 1; i += gruppo) {
        const RigaBilancio& riga = m_esito.righe[static_cast<std::size_t>(std::min(i, n - 1))];
        saldi.push_back(riga.saldo);
        colori.push_back(riga.saldo >= 0 ? QColor(0, 140, 0) : QColor(200, 0, 0));
        etichette << Data(m_stato.archivio.estrazione(riga.estrazione));
    }
    m_grafico->setDati(std::move(saldi));
    m_grafico->setEtichette(etichette);
    m_grafico->setColoriBarre(std::move(colori));
    m_stampa->setEnabled(n > 0);
}

void TBilancioStorico::disegnaPagina(QPainter& painter, const QRect& area) const
{
    const QFontMetrics misure(font(), painter.device());
    const int alto = misure.height() * 5;
    painter.save();
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.x(), area.y(), area.width(), alto), Qt::TextWordWrap | Qt::AlignLeft,
                     m_avvertenza->text() + QStringLiteral("\n\n") + m_totali->text());
    painter.restore();
    m_grafico->disegnaInScala(painter, QRect(area.x(), area.y() + alto, area.width(), area.height() - alto));
}

void TBilancioStorico::stampa()
{
    stampaPagina(QPageLayout::Landscape);
}
