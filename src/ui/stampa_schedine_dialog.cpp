#include "ui/stampa_schedine_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "printing/figura_schedina.h"
#include "printing/messaggi_stampa.h"
#include "ui/anteprima_schedina.h"
#include "ui/calibra_dialog.h"
#include "ui/servizi_finestre.h"
#include "ui/stampa/tela_stampa.h"
#include "ui/stampa_comune.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

using stampa::ModelloSchedina;
using stampa::Orientamento;

QString T(const char* testo)
{
    return QString::fromUtf8(testo);
}

// The direction the slip enters the printer: the slip's outline with an arrow towards the printer.
QPixmap VersoDiIngresso(bool verticale)
{
    QPixmap figura(64, 64);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect schedina = verticale ? QRect(20, 18, 24, 42) : QRect(6, 26, 52, 30);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 250, 235));
    p.drawRect(schedina);
    p.setPen(QPen(QColor(200, 40, 40), 2));
    p.drawLine(32, 14, 32, 2);
    p.drawLine(32, 2, 27, 8);
    p.drawLine(32, 2, 37, 8);
    return figura;
}

} // namespace

TStampaSchedine::TStampaSchedine(ModelloSchedina modello, StatoApplicazione& stato, ServiziFinestre& servizi,
                                 StampanteCondivisa& stampante, QWidget* genitore)
    : QDialog(genitore), m_modello(modello), m_stato(stato), m_servizi(servizi), m_stampante(stampante)
{
    setWindowTitle(QStringLiteral("Stampa di %1 Giocate").arg(stato.giocate.conteggio()));
    costruisci();
    mostra(1);
}

void TStampaSchedine::costruisci()
{
    auto* principale = new QHBoxLayout(this);
    auto* sinistra = new QVBoxLayout;
    m_anteprima = new AnteprimaSchedina(this);
    m_anteprima->setObjectName(QStringLiteral("anteprimaSchedina"));
    m_numeroSchedina = new QLabel(this);
    m_numeroSchedina->setObjectName(QStringLiteral("numeroSchedinaLabel"));
    sinistra->addWidget(m_anteprima, 1);
    sinistra->addWidget(m_numeroSchedina);
    principale->addLayout(sinistra, 1);

    auto* destra = new QVBoxLayout;
    auto* gruppoVerso = new QGroupBox(QStringLiteral(" Orientamento "), this);
    auto* verso = new QGridLayout(gruppoVerso);
    m_verticale = new QRadioButton(QStringLiteral("Stampa verticale"), gruppoVerso);
    m_verticale->setObjectName(QStringLiteral("verticaleRadioButton"));
    m_orizzontale = new QRadioButton(QStringLiteral("Stampa orizzontale"), gruppoVerso);
    m_orizzontale->setObjectName(QStringLiteral("orizzontaleRadioButton"));
    m_verso = new QLabel(gruppoVerso);
    verso->addWidget(m_verticale, 0, 0);
    verso->addWidget(m_orizzontale, 1, 0);
    verso->addWidget(m_verso, 0, 1, 2, 1);
    (m_stato.generali.msOrientamento == 1 ? m_verticale : m_orizzontale)->setChecked(true);
    connect(m_verticale, &QRadioButton::toggled, this, &TStampaSchedine::orientamentoCambiato);
    destra->addWidget(gruppoVerso);

    m_stampaNumero = new QCheckBox(QStringLiteral("Stampa il numero della schedina"), this);
    m_stampaNumero->setObjectName(QStringLiteral("stampaNumeroCheckBox"));
    m_stampaNumero->setChecked(m_stato.generali.stampaNumSchedina);
    connect(m_stampaNumero, &QCheckBox::toggled, this, [this](bool attivo) {
        m_stato.generali.stampaNumSchedina = attivo;
        SalvaImpostazioniGenerali(m_stato.impostazioni, m_stato.generali);
    });
    destra->addWidget(m_stampaNumero);

    if (m_modello == ModelloSchedina::Simbolotto) {
        const stampa::OpzioniSimbolotto o = stampa::LeggiOpzioniSimbolotto(m_stato.impostazioni);
        m_simbolotto = new QCheckBox(QStringLiteral("Gioca ruota Simbolotto del mese"), this);
        m_simbolotto->setObjectName(QStringLiteral("simbolottoCheckBox"));
        m_simbolotto->setChecked(o.ruotaSimbolotto);
        m_abbonamento = new QCheckBox(QStringLiteral("Abbonamento"), this);
        m_abbonamento->setObjectName(QStringLiteral("abbonamentoCheckBox"));
        m_abbonamento->setChecked(o.abbonamento);
        m_durata = new QComboBox(this);
        m_durata->setObjectName(QStringLiteral("abbonamentoComboBox"));
        m_durata->addItems({"2", "3", "4", "5", "6", "9", "10"});
        m_durata->setCurrentIndex(o.numeroAbbonamento);
        m_durata->setEnabled(o.abbonamento);
        auto* riga = new QHBoxLayout;
        riga->addWidget(m_abbonamento);
        riga->addWidget(m_durata);
        riga->addStretch();
        destra->addWidget(m_simbolotto);
        destra->addLayout(riga);
        connect(m_simbolotto, &QCheckBox::toggled, this, [this] { mostra(m_mostrata); });
        connect(m_abbonamento, &QCheckBox::toggled, this, [this](bool attivo) {
            m_durata->setEnabled(attivo);
            mostra(m_mostrata);
        });
        connect(m_durata, &QComboBox::currentIndexChanged, this, [this] { mostra(m_mostrata); });
    }

    const int n = m_stato.giocate.conteggio();
    auto* solo = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this);
    auto campo = [this, solo](const char* nome, int valore) {
        auto* c = new QLineEdit(QString::number(valore), this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setValidator(solo);
        c->setMaximumWidth(90);
        return c;
    };
    auto pulsante = [this](const char* nome, const char* testo) {
        auto* b = new QPushButton(T(testo), this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        return b;
    };
    m_una = campo("unaLineEdit", 1);
    m_da = campo("daLineEdit", 1);
    m_a = campo("aLineEdit", n);
    auto* gruppoStampa = new QGroupBox(QStringLiteral(" Stampa "), this);
    auto* griglia = new QGridLayout(gruppoStampa);
    QPushButton* una = pulsante("stampaUnaPushButton", "Stampa giocata nº");
    QPushButton* intervallo = pulsante("stampaDallaPushButton", "Stampa dalla nº");
    griglia->addWidget(una, 0, 0);
    griglia->addWidget(m_una, 0, 1);
    griglia->addWidget(intervallo, 1, 0);
    griglia->addWidget(m_da, 1, 1);
    griglia->addWidget(new QLabel(QStringLiteral("alla nº"), gruppoStampa), 1, 2);
    griglia->addWidget(m_a, 1, 3);
    m_interrompiPulsante = pulsante("interrompiPushButton", "Interrompi stampa");
    m_interrompiPulsante->setVisible(false);
    griglia->addWidget(m_interrompiPulsante, 2, 0, 1, 4);
    destra->addWidget(gruppoStampa);
    connect(una, &QPushButton::clicked, this, &TStampaSchedine::stampaUna);
    connect(intervallo, &QPushButton::clicked, this, &TStampaSchedine::stampaIntervallo);
    connect(m_interrompiPulsante, &QPushButton::clicked, this, [this] { m_interrompi = true; });
    connect(m_una, &QLineEdit::textEdited, this, [this] { numeroScritto(m_una); });
    connect(m_da, &QLineEdit::textEdited, this, [this] { numeroScritto(m_da); });

    auto* pulsanti = new QGridLayout;
    QPushButton* anteprimaPulsante = pulsante("anteprimaPushButton", "Anteprima di stampa");
    QPushButton* pdf = pulsante("pdfPushButton", "Stampa su PDF");
    QPushButton* calibraPulsante = pulsante("calibraPushButton", "Calibra stampa");
    QPushButton* imposta = pulsante("impostaStampantePushButton", "Imposta stampante");
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    QPushButton* chiudiPulsante = pulsante("chiudiPushButton", "Chiudi");
    pulsanti->addWidget(anteprimaPulsante, 0, 0);
    pulsanti->addWidget(pdf, 0, 1);
    pulsanti->addWidget(calibraPulsante, 1, 0);
    pulsanti->addWidget(imposta, 1, 1);
    pulsanti->addWidget(guida, 2, 0);
    pulsanti->addWidget(chiudiPulsante, 2, 1);
    destra->addStretch();
    destra->addLayout(pulsanti);
    principale->addLayout(destra);
    connect(anteprimaPulsante, &QPushButton::clicked, this, &TStampaSchedine::anteprima);
    connect(pdf, &QPushButton::clicked, this, &TStampaSchedine::suPdf);
    connect(calibraPulsante, &QPushButton::clicked, this, &TStampaSchedine::calibra);
    connect(imposta, &QPushButton::clicked, this, [this] { (void)m_stampante.scegli(m_servizi, this); });
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QStringLiteral("stampa_sunuove_sche.htm")); });
    connect(chiudiPulsante, &QPushButton::clicked, this, &TStampaSchedine::chiudi);
    orientamentoCambiato();
}

Orientamento TStampaSchedine::orientamento() const
{
    return m_verticale->isChecked() ? Orientamento::Verticale : Orientamento::Orizzontale;
}

stampa::OpzioniSchedina TStampaSchedine::opzioni() const
{
    stampa::OpzioniSchedina o;
    o.orientamento = orientamento();
    o.numeroSchedina = m_stampaNumero->isChecked();
    if (m_simbolotto != nullptr) {
        o.simbolotto = m_simbolotto->isChecked();
        o.abbonamento = m_abbonamento->isChecked() ? m_durata->currentIndex() : -1;
    }
    return o;
}

void TStampaSchedine::orientamentoCambiato()
{
    m_verso->setPixmap(VersoDiIngresso(orientamento() == Orientamento::Verticale));
    const auto record = stampa::LeggiCalibrazione(m_stato.generali, m_modello, orientamento());
    m_anteprima->setFigura(stampa::DisegnaFiguraSchedina(m_modello, orientamento(), record));
    mostra(m_mostrata);
}

void TStampaSchedine::mostra(int giocata)
{
    const int n = m_stato.giocate.conteggio();
    if (n == 0) {
        return;
    }
    m_mostrata = std::clamp(giocata, 1, n);
    m_numeroSchedina->setText(QStringLiteral("Schedina nº %1").arg(m_mostrata));
    const auto record = stampa::LeggiCalibrazione(m_stato.generali, m_modello, orientamento());
    std::vector<stampa::Punto> segni;
    for (const auto& e :
         stampa::ElementiSchedina(m_modello, m_stato.sistema, m_stato.giocate.voce(m_mostrata), opzioni())) {
        segni.push_back(stampa::PosizioneElemento(m_modello, orientamento(), record, e));
    }
    m_anteprima->setSegni(std::move(segni), m_modello == ModelloSchedina::LottoPiu ? record.campo(5) : 2.0);
}

void TStampaSchedine::numeroScritto(QLineEdit* campo)
{
    bool ok = false;
    const int v = campo->text().toInt(&ok);
    if (ok && v >= 1 && v <= m_stato.giocate.conteggio()) {
        mostra(v);
    }
}

void TStampaSchedine::erroreNumero(const char* testo, QLineEdit* campo)
{
    (void)m_stato.messaggi.mostra(
        Messaggio{testo, messaggi_stampa::TitoloErrore, Icona::Errore, Pulsanti::Ok, Risposta::Ok});
    campo->setFocus();
}

bool TStampaSchedine::stampaSu(QPrinter& stampante, int da, int a, const std::function<bool(int)>& prima)
{
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        return false;
    }
    const auto record = stampa::LeggiCalibrazione(m_stato.generali, m_modello, orientamento());
    const stampa::PaginaStampante pagina = tela::PaginaDi(stampante);
    const tela::MisuraQt misura(&stampante);
    const QRect area(0, 0, stampante.width(), stampante.height());
    for (int i = da; i <= a; ++i) {
        if (prima && !prima(i)) {
            break;
        }
        // One slip at a time: a range may cover every play of a large system.
        const stampa::Impaginazione imp = stampa::ImpaginaSchedine(
            m_modello, record, pagina, misura, m_stato.sistema, m_stato.giocate, i, i, opzioni());
        if (i > da) {
            stampante.newPage();
        }
        tela::DisegnaPagina(pittore, area, imp, imp.pagine.front());
    }
    return pittore.end();
}

void TStampaSchedine::stampaUna()
{
    bool ok = false;
    const int n = m_stato.giocate.conteggio();
    const int i = m_una->text().toInt(&ok);
    if (!ok || i < 1 || i > n) {
        erroreNumero(messaggi_stampa::SchedinaNonValida, m_una);
        return;
    }
    if (!m_stampante.assicura(m_servizi, this)) {
        return;
    }
    (void)stampaSu(m_stampante.stampante(), i, i);
    const int prossima = i < n ? i + 1 : 1;
    m_una->setText(QString::number(prossima));
    mostra(prossima);
}

bool TStampaSchedine::leggiIntervallo(int& da, int& a)
{
    const int n = m_stato.giocate.conteggio();
    bool ok = false;
    da = m_da->text().toInt(&ok);
    if (!ok || da < 1 || da > n) {
        erroreNumero(messaggi_stampa::SchedinaNonValida, m_da);
        return false;
    }
    a = m_a->text().toInt(&ok);
    if (!ok || a < 1 || a > n) {
        erroreNumero(messaggi_stampa::UltimaNonValida, m_a);
        return false;
    }
    if (a < da) {
        erroreNumero(messaggi_stampa::IntervalloNonValido, m_da);
        return false;
    }
    return true;
}

void TStampaSchedine::stampaIntervallo()
{
    int da = 0;
    int a = 0;
    if (!leggiIntervallo(da, a) || !m_stampante.assicura(m_servizi, this)) {
        return;
    }
    m_interrompiPulsante->setVisible(true);
    m_interrompi = false;
    (void)stampaSu(m_stampante.stampante(), da, a, [this](int i) {
        QApplication::processEvents();
        // The request stays set: after a No the question comes again before the next slip.
        if (m_interrompi && m_stato.messaggi.mostra(Messaggio{
                                messaggi_stampa::ConfermaInterruzione, messaggi_stampa::TitoloConferma,
                                Icona::Domanda, Pulsanti::SiNo, Risposta::No}) == Risposta::Si) {
            return false;
        }
        mostra(i);
        m_una->setText(QString::number(i));
        m_da->setText(QString::number(i));
        return true;
    });
    m_interrompiPulsante->setVisible(false);
}

void TStampaSchedine::anteprima()
{
    int da = 0;
    int a = 0;
    if (!leggiIntervallo(da, a)) {
        return;
    }
    AnteprimaDiStampa(m_servizi, this, m_stampante.stampante(),
                      [this, da, a](QPrinter& p) { (void)stampaSu(p, da, a); });
}

void TStampaSchedine::suPdf()
{
    int da = 0;
    int a = 0;
    if (!leggiIntervallo(da, a)) {
        return;
    }
    (void)StampaSuPdf(m_servizi, this, [this, da, a](QPrinter& p) { (void)stampaSu(p, da, a); });
}

void TStampaSchedine::calibra()
{
    ApriCalibrazione(stampa::MembroDi(m_modello, orientamento()), m_stato, m_servizi, m_stampante, this);
    orientamentoCambiato();
}

void TStampaSchedine::chiudi()
{
    m_stato.generali.msOrientamento = orientamento() == Orientamento::Verticale ? 1 : 0;
    if (m_simbolotto != nullptr) {
        stampa::ScriviOpzioniSimbolotto(
            m_stato.impostazioni,
            {m_simbolotto->isChecked(), m_abbonamento->isChecked(), m_durata->currentIndex()});
    }
    SalvaImpostazioniGenerali(m_stato.impostazioni, m_stato.generali);
    accept();
}

void TStampaSchedine::reject()
{
    chiudi();
}
