#include "ui/spoglio_storico_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "ui/dai_num_estra_dialog.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int LarghezzaData = 100;
constexpr int LarghezzaConteggio = 96;
constexpr int AltezzaRiga = 20;

QString Testo(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

void Centra(QTableWidget& tabella, int riga)
{
    for (int c = 0; c < tabella.columnCount(); ++c) {
        auto* cella = new QTableWidgetItem;
        cella->setTextAlignment(Qt::AlignCenter);
        cella->setBackground(Qt::white);
        tabella.setItem(riga, c, cella);
    }
}

QTableWidget* Tabella(QWidget* genitore, const char* nome, int righe)
{
    auto* t = new QTableWidget(righe, 6, genitore);
    t->setObjectName(QString::fromLatin1(nome));
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(AltezzaRiga);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setColumnWidth(0, LarghezzaData);
    for (int c = 1; c < 6; ++c) {
        t->setColumnWidth(c, LarghezzaConteggio);
    }
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return t;
}

} // namespace

// At each poll of the run: the gauge and the totals so far, then the window's poll with the stop question.
class TSpoglioStorico::Controllo final : public ControlloEsecuzione
{
public:
    explicit Controllo(TSpoglioStorico& finestra) : m_finestra(finestra) {}

    bool verifica(const Avanzamento& stato) override
    {
        if (static_cast<int>(stato.elaborati) != m_finestra.m_barra->value()) {
            m_finestra.m_barra->setValue(static_cast<int>(stato.elaborati));
            m_finestra.mostraTotali(m_finestra.m_esito.totali);
        }
        return m_finestra.m_controllo.verifica(stato);
    }

private:
    TSpoglioStorico& m_finestra;
};

TSpoglioStorico::TSpoglioStorico(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_controllo(stato.messaggi)
{
    setWindowTitle(Testo(messaggi_spoglio_storico::Titolo));
    setModal(true);
    m_scelta = new TDaiNumEstra(m_stato.archivio, this);
    auto* layout = new QVBoxLayout(this);

    auto* impostazioni = new QGroupBox(QStringLiteral(" Impostazioni "), this);
    auto* griglia = new QGridLayout(impostazioni);
    m_estrazioni = new QLineEdit(impostazioni);
    m_estrazioni->setObjectName(QStringLiteral("estrazioniLineEdit"));
    m_estrazioni->setFixedWidth(80);
    m_partenza = new QLineEdit(impostazioni);
    m_partenza->setObjectName(QStringLiteral("partenzaLineEdit"));
    m_partenza->setFixedWidth(80);
    m_apri = new QPushButton(QStringLiteral("Apri"), impostazioni);
    m_apri->setObjectName(QStringLiteral("apriPushButton"));
    m_apri->setAutoDefault(false);
    m_tutte = new QCheckBox(Testo(messaggi_spoglio_storico::TutteLeRuote), impostazioni);
    m_tutte->setObjectName(QStringLiteral("tutteRuoteCheckBox"));
    m_tutte->setToolTip(Testo(messaggi_spoglio_storico::SuggerimentoTutte));
    auto* etichettaEstrazioni = new QLabel(Testo(messaggi_spoglio_storico::Estrazioni), impostazioni);
    etichettaEstrazioni->setBuddy(m_estrazioni);
    auto* etichettaPartenza = new QLabel(Testo(messaggi_spoglio_storico::Partenza), impostazioni);
    etichettaPartenza->setBuddy(m_partenza);
    griglia->addWidget(etichettaEstrazioni, 0, 0);
    griglia->addWidget(m_estrazioni, 0, 1);
    griglia->addWidget(etichettaPartenza, 1, 0);
    griglia->addWidget(m_partenza, 1, 1);
    griglia->addWidget(m_apri, 1, 2);
    griglia->addWidget(m_tutte, 2, 0, 1, 3);
    griglia->setColumnStretch(3, 1);

    auto* pulsanti = new QVBoxLayout;
    const auto pulsante = [this, pulsanti](const char* nome, const char* testo) {
        auto* p = new QPushButton(Testo(testo), this);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        pulsanti->addWidget(p);
        return p;
    };
    m_avvia = pulsante("avviaPushButton", "Avvia");
    m_avvia->setDefault(true);
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    QPushButton* chiudi = pulsante("chiudiPushButton", "Chiudi");
    pulsanti->addStretch();
    auto* alto = new QHBoxLayout;
    alto->addWidget(impostazioni, 1);
    alto->addLayout(pulsanti);
    layout->addLayout(alto);

    auto* risultati = new QGroupBox(QStringLiteral(" Risultati "), this);
    auto* colonna = new QVBoxLayout(risultati);
    m_griglia = Tabella(risultati, "risultatiTableWidget", 1);
    QStringList intestazioni;
    for (const char* c : messaggi_spoglio_storico::Colonne) {
        intestazioni << Testo(c);
    }
    m_griglia->setHorizontalHeaderLabels(intestazioni);
    m_griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int larghezza = LarghezzaData + 5 * LarghezzaConteggio + 2 * m_griglia->frameWidth() +
                          m_griglia->verticalScrollBar()->sizeHint().width();
    m_griglia->setFixedWidth(larghezza);
    m_griglia->setMinimumHeight(12 * AltezzaRiga);
    // The grid is hidden while the run fills it; the window keeps its shape meanwhile.
    QSizePolicy politica = m_griglia->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    m_griglia->setSizePolicy(politica);
    Centra(*m_griglia, 0);
    colonna->addWidget(m_griglia, 1);

    m_totali = Tabella(risultati, "totaliTableWidget", 1);
    m_totali->horizontalHeader()->hide();
    m_totali->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_totali->setFocusPolicy(Qt::NoFocus);
    m_totali->setFixedSize(larghezza, AltezzaRiga + 2 * m_totali->frameWidth());
    Centra(*m_totali, 0);
    m_totali->item(0, 0)->setText(Testo(messaggi_spoglio_storico::Totale));
    QFont grassetto = m_totali->font();
    grassetto.setBold(true);
    for (int c = 0; c < 6; ++c) {
        m_totali->item(0, c)->setFont(grassetto);
    }
    colonna->addWidget(m_totali);

    auto* avanzamento = new QHBoxLayout;
    m_etichettaAvanzamento = new QLabel(QStringLiteral("Stato avanzamento"), risultati);
    m_etichettaAvanzamento->setObjectName(QStringLiteral("avanzamentoLabel"));
    m_barra = new QProgressBar(risultati);
    m_barra->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_barra->setRange(0, 1);
    m_barra->setValue(0);
    m_interrompi = new QPushButton(QStringLiteral("Interrompi"), risultati);
    m_interrompi->setObjectName(QStringLiteral("interrompiPushButton"));
    m_interrompi->setAutoDefault(false);
    avanzamento->addWidget(m_etichettaAvanzamento);
    avanzamento->addWidget(m_barra, 1);
    avanzamento->addWidget(m_interrompi);
    colonna->addLayout(avanzamento);
    layout->addWidget(risultati, 1);

    // The settings of the last use, and the newest draws for the typed number.
    m_estrazioni->setText(QString::fromStdString(
        IDE_Testo(m_stato.impostazioni, ChiaveSpoStoEstrazioni, EstrazioniPredefinite, false)));
    m_partenza->setText(QString::number(
        PartenzaPredefinita(m_estrazioni->text().toStdString(), m_stato.archivio.conteggio())));
    m_tutte->setChecked(IDE_Booleano(m_stato.impostazioni, ChiaveSpoStoTutte, true, false));
    mostraTotali({});
    abilita(true);

    connect(m_avvia, &QPushButton::clicked, this, &TSpoglioStorico::avvia);
    connect(m_apri, &QPushButton::clicked, this, &TSpoglioStorico::apri);
    connect(m_interrompi, &QPushButton::clicked, this, [this] { m_controllo.richiediInterruzione(); });
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_spoglio_storico::Guida)); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
}

TSpoglioStorico::~TSpoglioStorico() = default;

void TSpoglioStorico::apri()
{
    std::int32_t s = 0;
    if (LeggiNumeroDigitato(m_partenza->text().toStdString(), s) && s >= 1 &&
        s <= m_stato.archivio.conteggio()) {
        m_scelta->mostraEstrazione(s);
    }
    if (m_servizi.esegui(*m_scelta) == QDialog::Accepted && !m_stato.archivio.vuoto()) {
        m_partenza->setText(QString::number(m_scelta->posizione()));
    }
}

void TSpoglioStorico::avvia()
{
    if (m_inCorso) {
        return;
    }
    const IntervalloEstrazioni intervallo = IntervalloSpoglioStorico(
        m_estrazioni->text().toStdString(), m_partenza->text().toStdString(), m_stato.archivio.conteggio());
    if (intervallo.quante() == 0) {
        return;
    }
    m_estrazioni->setText(QString::number(intervallo.quante()));
    m_partenza->setText(QString::number(intervallo.prima));

    m_inCorso = true;
    abilita(false);
    m_griglia->setRowCount(1);
    Centra(*m_griglia, 0);
    m_griglia->hide();
    mostraTotali({});
    m_barra->setRange(0, intervallo.quante());
    m_barra->setValue(0);
    m_controllo.azzera();

    ParametriSpoglioStorico parametri;
    parametri.tutteLeRuote = m_tutte->isChecked();
    parametri.ruote = m_stato.sistema.ruote;
    Controllo controllo(*this);
    SpoglioStorico(m_stato.giocate, m_stato.archivio, intervallo, parametri, m_esito, controllo);

    mostraRighe();
    mostraTotali(m_esito.totali);
    m_inCorso = false;
    m_barra->setValue(0);
    m_griglia->show();
    abilita(true);
}

void TSpoglioStorico::mostraRighe()
{
    const auto righe = static_cast<int>(m_esito.righe.size());
    m_griglia->setRowCount(std::max(1, righe));
    for (int r = 0; r < righe; ++r) {
        Centra(*m_griglia, r);
        const auto celle =
            CelleRigaSpoglioStorico(m_stato.archivio, m_esito.righe[static_cast<std::size_t>(r)]);
        for (int c = 0; c < 6; ++c) {
            m_griglia->item(r, c)->setText(QString::fromStdString(celle[static_cast<std::size_t>(c)]));
        }
    }
}

void TSpoglioStorico::mostraTotali(const ConteggiClassi& totali)
{
    const auto testi = TestiTotaliSpoglioStorico(totali);
    for (int c = 1; c < 6; ++c) {
        m_totali->item(0, c)->setText(QString::fromStdString(testi[static_cast<std::size_t>(c - 1)]));
    }
}

void TSpoglioStorico::abilita(bool inAttesa)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_avvia, m_apri, m_estrazioni, m_partenza, m_tutte}) {
        w->setEnabled(inAttesa);
    }
    m_etichettaAvanzamento->setEnabled(!inAttesa);
    m_barra->setEnabled(!inAttesa);
    m_interrompi->setEnabled(!inAttesa);
}

void TSpoglioStorico::done(int risultato)
{
    if (m_inCorso) {
        return;
    }
    (void)IDE_Testo(m_stato.impostazioni, ChiaveSpoStoEstrazioni, m_estrazioni->text().toStdString(), true);
    (void)IDE_Booleano(m_stato.impostazioni, ChiaveSpoStoTutte, m_tutte->isChecked(), true);
    QDialog::done(risultato);
}

void TSpoglioStorico::reject()
{
    if (!m_inCorso) {
        QDialog::reject();
    }
}

void TSpoglioStorico::closeEvent(QCloseEvent* evento)
{
    if (m_inCorso) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}
