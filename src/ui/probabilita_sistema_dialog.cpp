#include "ui/probabilita_sistema_dialog.h"

#include "core/importi.h"
#include "core/messaggi_servizio.h"
#include "core/testo.h"
#include "editor/stato_applicazione.h"
#include "ui/servizi_finestre.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString Testo(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

constexpr const char* Classe = "Classe (o superiore)";
constexpr const char* Nota =
    "Il valore atteso è inferiore a 1: in media il gioco restituisce meno di quanto si gioca. "
    "Gioca con moderazione.";

// "0.002496879 (1 su 400,5)": the fraction and its odds.
QString Probabilita(double p)
{
    QString t = QString::fromStdString(TestoProbabilita(p));
    if (p > 0) {
        t += QStringLiteral(" (1 su ") + QString::fromStdString(FormatoImporto(1.0 / p, true, 1)) +
             QStringLiteral(")");
    }
    return t;
}

} // namespace

TProbabilitaSistema::TProbabilitaSistema(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TDialogoCalcolo(stato, servizi, parent)
{
    setWindowTitle(Testo(messaggi_probabilita_sistema::Titolo));
    setModal(true);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* pannello = new QWidget(this);
    auto* comandi = new QHBoxLayout(pannello);
    comandi->setContentsMargins(0, 0, 0, 0);
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

    m_tabella = new QTableWidget(5, 3, this);
    m_tabella->setObjectName(QStringLiteral("probabilitaTableWidget"));
    m_tabella->setHorizontalHeaderLabels({Testo(Classe), Testo(messaggi_probabilita_sistema::UnaRuota),
                                          Testo(messaggi_probabilita_sistema::RuoteSistema)});
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->verticalHeader()->hide();
    m_tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int k = 0; k < 5; ++k) {
        m_tabella->setItem(
            k, 0,
            new QTableWidgetItem(Testo(messaggi_probabilita_sistema::Classi[static_cast<std::size_t>(k)])));
        m_tabella->setItem(k, 1, new QTableWidgetItem());
        m_tabella->setItem(k, 2, new QTableWidgetItem());
    }
    layout->addWidget(m_tabella, 1);

    m_attesa = new QLabel(this);
    m_attesa->setObjectName(QStringLiteral("attesaLabel"));
    QFont grassetto = m_attesa->font();
    grassetto.setBold(true);
    m_attesa->setFont(grassetto);
    m_attesa->setWordWrap(true);
    layout->addWidget(m_attesa);
    m_nota = new QLabel(Testo(Nota), this);
    m_nota->setWordWrap(true);
    layout->addWidget(m_nota);
    resize(760, 360);

    connect(m_avvia, &QPushButton::clicked, this, &TProbabilitaSistema::avvia);
    connect(m_stampa, &QPushButton::clicked, this, &TProbabilitaSistema::stampa);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_probabilita_sistema::Guida)); });
    connect(m_chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

TProbabilitaSistema::~TProbabilitaSistema() = default;

void TProbabilitaSistema::avvia()
{
    if (m_inCalcolo) {
        return;
    }
    const std::initializer_list<QWidget*> spenti = {m_avvia, m_stampa, m_chiudi};
    for (QWidget* w : spenti) {
        w->setEnabled(false);
    }
    mostraAvanzamento(true);
    m_controllo.azzera();
    m_inCalcolo = true;
    ProbabilitaSistema(m_stato.giocate.dati(), m_stato.giocate.conteggio(),
                       ParametriDaSistema(m_stato.sistema, m_stato.generali.vincitaMassima), m_esito,
                       m_controllo);
    mostraEsito();
    m_inCalcolo = false;
    for (QWidget* w : spenti) {
        w->setEnabled(true);
    }
    mostraAvanzamento(false);
}

void TProbabilitaSistema::mostraEsito()
{
    for (int k = 0; k < 5; ++k) {
        m_tabella->item(k, 1)->setText(Probabilita(m_esito.unaRuota[static_cast<std::size_t>(k)]));
        m_tabella->item(k, 2)->setText(Probabilita(m_esito.sistema[static_cast<std::size_t>(k)]));
    }
    QString attesa = Testo(messaggi_probabilita_sistema::AttesaPrima) +
                     QString::fromStdString(FormatoImporto(m_esito.perEuro(), true, 4)) +
                     Testo(messaggi_probabilita_sistema::AttesaDopo);
    if (m_esito.interrotta) {
        attesa += QStringLiteral(" (calcolo interrotto: probabilità parziali)");
    }
    m_attesa->setText(attesa);
    m_stampa->setEnabled(true);
}

void TProbabilitaSistema::disegnaPagina(QPainter& painter, const QRect& area) const
{
    const QFontMetrics misure(font(), painter.device());
    const int riga = misure.height() * 3 / 2;
    painter.save();
    painter.setFont(font());
    painter.setPen(Qt::black);
    int y = area.y();
    painter.drawText(QRect(area.x(), y, area.width(), riga), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    y += riga * 2;
    const int colonna = area.width() / 3;
    for (int r = -1; r < 5; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QString testo =
                r < 0 ? m_tabella->horizontalHeaderItem(c)->text() : m_tabella->item(r, c)->text();
            painter.drawText(QRect(area.x() + c * colonna, y, colonna, riga),
                             Qt::AlignLeft | Qt::AlignVCenter, testo);
        }
        y += riga;
    }
    y += riga;
    painter.drawText(QRect(area.x(), y, area.width(), riga * 2), Qt::TextWordWrap | Qt::AlignLeft,
                     m_attesa->text());
    y += riga * 2;
    painter.drawText(QRect(area.x(), y, area.width(), riga * 2), Qt::TextWordWrap | Qt::AlignLeft,
                     m_nota->text());
    painter.restore();
}

void TProbabilitaSistema::stampa()
{
    stampaPagina(QPageLayout::Portrait);
}
