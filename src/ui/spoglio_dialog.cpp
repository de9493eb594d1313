#include "ui/spoglio_dialog.h"

#include "checking/manutenzione_archivio.h"
#include "checking/spoglio.h"
#include "core/messaggi_archivio.h"
#include "editor/stato_applicazione.h"
#include "ui/aggio_dialog.h"
#include "ui/dai_num_estra_dialog.h"
#include "ui/filtro_tasti.h"
#include "ui/griglia_estrazione.h"
#include "ui/servizi_finestre.h"
#include "ui/stampa_spoglio.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr const char* TopicGuida = "gf_spoglio.htm";
constexpr int LarghezzaCella = 40;
constexpr int AltezzaRiga = 22;

} // namespace

TSpoglio::TSpoglio(StatoApplicazione& stato, ServiziFinestre& servizi, ArchivioCambiato archivioCambiato,
                   QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_archivioCambiato(std::move(archivioCambiato))
{
    setWindowTitle(QString::fromUtf8(messaggi_spoglio::Titolo));
    setModal(true);
    m_scelta = new TDaiNumEstra(m_stato.archivio, this);

    auto* layout = new QGridLayout(this);

    // The draw: date with the arrows, the grid, the buttons that fill or store it.
    auto* sinistra = new QVBoxLayout;
    auto* rigaData = new QHBoxLayout;
    m_data = new QLineEdit(this);
    m_data->setObjectName(QStringLiteral("dataLineEdit"));
    m_data->setMaxLength(10);
    m_data->setFixedWidth(96);
    m_data->installEventFilter(FiltroTasti::Data(m_data));
    auto* etichettaData = new QLabel(QStringLiteral("Estrazione del:"), this);
    etichettaData->setBuddy(m_data);
    auto* precedente = new QToolButton(this);
    precedente->setObjectName(QStringLiteral("precedenteToolButton"));
    precedente->setArrowType(Qt::LeftArrow);
    precedente->setToolTip(QStringLiteral("Estrazione precedente"));
    auto* successiva = new QToolButton(this);
    successiva->setObjectName(QStringLiteral("successivaToolButton"));
    successiva->setArrowType(Qt::RightArrow);
    successiva->setToolTip(QStringLiteral("Estrazione successiva"));
    rigaData->addWidget(etichettaData);
    rigaData->addWidget(m_data);
    rigaData->addWidget(precedente);
    rigaData->addWidget(successiva);
    rigaData->addStretch();
    sinistra->addLayout(rigaData);

    m_numeri = CreaGrigliaEstrazione(this, LarghezzaCella, AltezzaRiga);
    sinistra->addWidget(m_numeri);

    const auto pulsante = [this](const char* nome, const char* testo) {
        auto* p = new QPushButton(QString::fromUtf8(testo), this);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        return p;
    };
    auto* pulsantiEstrazione = new QGridLayout;
    QPushButton* apriPulsante = pulsante("apriPushButton", "Apri");
    QPushButton* salvaPulsante = pulsante("salvaPushButton", "Salva");
    QPushButton* internetPulsante = pulsante("internetPushButton", "Internet");
    QPushButton* azzeraPulsante = pulsante("azzeraPushButton", "Azzera");
    pulsantiEstrazione->addWidget(apriPulsante, 0, 0);
    pulsantiEstrazione->addWidget(salvaPulsante, 0, 1);
    pulsantiEstrazione->addWidget(internetPulsante, 1, 0);
    pulsantiEstrazione->addWidget(azzeraPulsante, 1, 1);
    sinistra->addLayout(pulsantiEstrazione);
    sinistra->addStretch();
    layout->addLayout(sinistra, 0, 0, 2, 1);

    // The outcome: report above, summary and the commands below.
    m_testoResoconto = new QPlainTextEdit(this);
    m_testoResoconto->setObjectName(QStringLiteral("resocontoPlainTextEdit"));
    m_testoResoconto->setReadOnly(true);
    m_testoResoconto->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFont fisso = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_testoResoconto->setFont(fisso);
    m_testoResoconto->setMinimumWidth(QFontMetrics(fisso).horizontalAdvance(QString(80, QLatin1Char('M'))) +
                                      2 * m_testoResoconto->frameWidth() + 24);
    m_testoResoconto->setMinimumHeight(220);
    layout->addWidget(m_testoResoconto, 0, 1);

    auto* basso = new QHBoxLayout;
    auto* riepilogoColonna = new QVBoxLayout;
    m_riepilogo = new QTableWidget(9, 3, this);
    m_riepilogo->setObjectName(QStringLiteral("riepilogoTableWidget"));
    m_riepilogo->setHorizontalHeaderLabels({QString(), QString::fromUtf8(messaggi_spoglio::ColonnaVincite),
                                            QString::fromUtf8(messaggi_spoglio::ColonnaImporti)});
    m_riepilogo->verticalHeader()->hide();
    m_riepilogo->verticalHeader()->setDefaultSectionSize(20);
    m_riepilogo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_riepilogo->setSelectionMode(QAbstractItemView::NoSelection);
    m_riepilogo->setFocusPolicy(Qt::NoFocus);
    m_riepilogo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_riepilogo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_riepilogo->setColumnWidth(0, 150);
    m_riepilogo->setColumnWidth(1, 90);
    m_riepilogo->setColumnWidth(2, 130);
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 3; ++c) {
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                           : Qt::AlignRight | Qt::AlignVCenter);
            if (r == RigaTotaleSpoglio) {
                QFont grassetto = cella->font();
                grassetto.setBold(true);
                cella->setFont(grassetto);
            }
            m_riepilogo->setItem(r, c, cella);
        }
        m_riepilogo->item(r, 0)->setText(
            QString::fromUtf8(messaggi_spoglio::VociRiepilogo[static_cast<std::size_t>(r)]));
    }
    m_riepilogo->setFixedSize(150 + 90 + 130 + 2 * m_riepilogo->frameWidth(),
                              m_riepilogo->horizontalHeader()->sizeHint().height() + 9 * 20 +
                                  2 * m_riepilogo->frameWidth());
    riepilogoColonna->addWidget(m_riepilogo);
    auto* nota = new QLabel(QString::fromUtf8(messaggi_vincite::AlLordo), this);
    nota->setObjectName(QStringLiteral("notaLabel"));
    riepilogoColonna->addWidget(nota);
    basso->addLayout(riepilogoColonna);
    basso->addStretch();

    auto* comandi = new QVBoxLayout;
    m_verifica = pulsante("verificaPushButton", "Verifica");
    m_verifica->setDefault(true);
    QPushButton* stampaPulsante = pulsante("stampaPushButton", "Stampa");
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    QPushButton* chiudi = pulsante("chiudiPushButton", "Chiudi");
    comandi->addWidget(m_verifica);
    comandi->addWidget(stampaPulsante);
    comandi->addStretch();
    comandi->addWidget(guida);
    comandi->addWidget(chiudi);
    basso->addLayout(comandi);
    layout->addLayout(basso, 1, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);

    connect(precedente, &QToolButton::clicked, this, [this] { vicina(-1); });
    connect(successiva, &QToolButton::clicked, this, [this] { vicina(1); });
    connect(m_numeri, &QTableWidget::itemChanged, this, [this] { m_verifica->setEnabled(true); });
    connect(apriPulsante, &QPushButton::clicked, this, &TSpoglio::apri);
    connect(salvaPulsante, &QPushButton::clicked, this, &TSpoglio::salva);
    connect(internetPulsante, &QPushButton::clicked, this, &TSpoglio::internet);
    connect(azzeraPulsante, &QPushButton::clicked, this, &TSpoglio::azzera);
    connect(m_verifica, &QPushButton::clicked, this, &TSpoglio::verifica);
    connect(stampaPulsante, &QPushButton::clicked, this, &TSpoglio::stampa);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(TopicGuida)); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    mostraRiepilogo(EsitoSpoglio{});
}

void TSpoglio::showEvent(QShowEvent* evento)
{
    if (!evento->spontaneous()) {
        attiva();
    }
    QDialog::showEvent(evento);
}

void TSpoglio::keyPressEvent(QKeyEvent* evento)
{
    // Escape closes only while "Verifica" can run; after a check it does nothing.
    if (evento->key() == Qt::Key_Escape && !m_verifica->isEnabled()) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TSpoglio::attiva()
{
    // The plays or the stakes may have changed since the last opening: what it showed no longer holds.
    m_resoconto.clear();
    mostraResoconto();
    mostraRiepilogo(EsitoSpoglio{});
    m_verifica->setEnabled(true);
    m_scelta->mostraEstrazione(0);
}

void TSpoglio::mostraEstrazione(std::int32_t i)
{
    if (i < 1 || i > m_stato.archivio.conteggio()) {
        return;
    }
    const EstrazioneDigitata d = EstrazioneInTesto(m_stato.archivio.estrazione(i));
    m_data->setText(QString::fromStdString(d.data));
    ScriviGrigliaEstrazione(*m_numeri, d.numeri);
    m_verifica->setEnabled(true);
}

void TSpoglio::vicina(int passo)
{
    const std::int32_t n = m_stato.archivio.conteggio();
    if (n == 0) {
        return;
    }
    int giorno = 0;
    int mese = 0;
    int anno = 0;
    std::int32_t i = n;
    if (LeggiData(m_data->text().toStdString(), giorno, mese, anno)) {
        i = m_stato.archivio.indiceData(anno * 10000 + mese * 100 + giorno);
        if (i == 0) {
            i = n;
        }
        i = std::clamp(i + passo, 1, n);
    }
    mostraEstrazione(i);
}

void TSpoglio::apri()
{
    if (m_scelta->exec() == QDialog::Accepted) {
        mostraEstrazione(m_scelta->posizione());
    }
}

void TSpoglio::salva()
{
    EstrazioneDigitata d;
    d.data = m_data->text().toStdString();
    d.numeri = LeggiGrigliaEstrazione(*m_numeri);
    const EsitoEstrazioneDigitata esito = LeggiEstrazioneDigitata(d);
    if (!esito.valida) {
        (void)m_stato.messaggi.mostra(Avviso(esito.messaggio));
        return;
    }
    if (MemorizzaEstrazione(m_stato.archivio, esito.estrazione) == 0) {
        (void)m_stato.messaggi.mostra(Avviso(messaggi_archivio::ArchivioPieno));
        return;
    }
    // SalvaArchivioStato tells a failed write itself; the draw stays in the archive in memory, so the
    // statistics follow it either way.
    (void)SalvaArchivioStato(m_stato);
    archivioModificato();
}

void TSpoglio::internet()
{
    const std::int32_t prima = m_stato.archivio.conteggio();
    TAggio dialogo(
        m_stato, m_servizi, [this] { archivioModificato(); }, this);
    m_servizi.esegui(dialogo);
    if (m_stato.archivio.conteggio() != prima) {
        mostraEstrazione(m_stato.archivio.conteggio());
    }
}

void TSpoglio::azzera()
{
    Messaggio domanda{messaggi_manutenzione::AzzeraEstrazione, "Attenzione", Icona::Domanda, Pulsanti::SiNo,
                      Risposta::No};
    if (m_stato.messaggi.mostra(domanda) != Risposta::Si) {
        return;
    }
    m_data->clear();
    SvuotaGrigliaEstrazione(*m_numeri);
    m_verifica->setEnabled(false);
}

void TSpoglio::verifica()
{
    if (!m_verifica->isEnabled()) {
        return;
    }
    const CelleSpoglio celle = LeggiGrigliaEstrazione(*m_numeri);
    const EsitoGrigliaSpoglio griglia = LeggiGrigliaSpoglio(celle);
    if (!griglia.valida) {
        (void)m_stato.messaggi.mostra(Avviso(griglia.messaggio));
        return;
    }
    const EsitoSpoglio esito = Spoglio(m_stato.giocate, griglia.numeri,
                                       ParametriDaSistema(m_stato.sistema, m_stato.generali.vincitaMassima),
                                       m_stato.generali.decimali);
    m_resoconto = esito.resoconto;
    mostraResoconto();
    if (m_resoconto.empty()) {
        // A check that found nothing says so, instead of looking as if it never ran.
        m_testoResoconto->setPlainText(QString::fromUtf8(messaggi_spoglio::NessunaVincita));
    }
    mostraRiepilogo(esito);
    m_verifica->setEnabled(false);
}

void TSpoglio::stampa()
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("Quarvin"));
    if (!m_servizi.scegliStampante(stampante, this)) {
        return;
    }
    StampaSpoglioDati dati;
    dati.data = m_data->text();
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < 5; ++c) {
            dati.celle[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                m_numeri->item(r, c)->text();
        }
    }
    for (int r = 0; r < 9; ++r) {
        VoceRiepilogoSpoglio& voce = dati.riepilogo[static_cast<std::size_t>(r)];
        voce.voce = m_riepilogo->item(r, 0)->text().toStdString();
        voce.vincite = m_riepilogo->item(r, 1)->text().toStdString();
        voce.importo = m_riepilogo->item(r, 2)->text().toStdString();
    }
    dati.resoconto = m_resoconto;
    (void)StampaSpoglio(stampante, dati);
}

void TSpoglio::archivioModificato()
{
    if (m_archivioCambiato) {
        m_archivioCambiato();
    } else {
        m_stato.ricalcolaStatistiche();
    }
}

void TSpoglio::mostraRiepilogo(const EsitoSpoglio& esito)
{
    const auto righe = RiepilogoSpoglio(esito, m_stato.generali.decimali);
    for (int r = 0; r < 9; ++r) {
        const VoceRiepilogoSpoglio& voce = righe[static_cast<std::size_t>(r)];
        m_riepilogo->item(r, 1)->setText(QString::fromStdString(voce.vincite));
        m_riepilogo->item(r, 2)->setText(QString::fromStdString(voce.importo));
    }
}

void TSpoglio::mostraResoconto()
{
    QString testo;
    for (std::size_t i = 0; i < m_resoconto.size(); ++i) {
        if (i > 0) {
            testo += QLatin1Char('\n');
        }
        testo += QString::fromStdString(m_resoconto[i]);
    }
    m_testoResoconto->setPlainText(testo);
}
