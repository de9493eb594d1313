#include "ui/analisi_probabilistiche_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/messaggi_riduzioni.h"
#include "ui/grafico_barre.h"
#include "ui/servizi_finestre.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor Verde(0, 170, 0);
const QColor Rosso(210, 0, 0);

QString Testo(const char* testo)
{
    return QString::fromUtf8(testo);
}

TAnalisiProbabilistica::Testi TestiGiocate(const ImpostazioniProbabilistiche& imp, QString topic)
{
    TAnalisiProbabilistica::Testi t{QStringLiteral("Analisi giocate"),
                                    Testo("Distribuzione delle probabilità nelle giocate"),
                                    Testo("Nº di giocate"),
                                    Testo("Probabilità (%)"),
                                    Testo(messaggi_riduzioni::GiocateValide),
                                    std::move(topic)};
    if (imp.membro == MembroProbabilistico::Frequenze) {
        t.titoloGrafico = Testo("Distribuzione delle frequenze nelle giocate");
        t.asseX = Testo("Frequenza media");
    } else if (imp.membro == MembroProbabilistico::Ritardi) {
        t.titoloGrafico = Testo("Distribuzione dei ritardi nelle giocate");
        t.asseX = Testo("Ritardo medio");
    }
    return t;
}

TAnalisiProbabilistica::Testi TestiStorica(const ImpostazioniProbabilistiche& imp, QString topic)
{
    TAnalisiProbabilistica::Testi t = TestiGiocate(imp, std::move(topic));
    t.titolo = QStringLiteral("Analisi storica");
    t.etichettaValide = Testo(messaggi_riduzioni::EstrazioniValide);
    switch (imp.membro) {
    case MembroProbabilistico::ProbabilitaPersonali:
        break; // the captions of the analysis of the plays
    case MembroProbabilistico::ProbabilitaRitardi:
    case MembroProbabilistico::ProbabilitaFrequenze:
        t.titoloGrafico = Testo("Distribuzione delle probabilità nelle estrazioni dell'archivio storico");
        t.asseY = Testo("Nº di estrazioni");
        break;
    case MembroProbabilistico::Frequenze:
        t.titoloGrafico = Testo("Distribuzione delle frequenze nelle estrazioni dell'archivio storico");
        t.asseY = Testo("Nº di estrazioni");
        break;
    case MembroProbabilistico::Ritardi:
        t.titoloGrafico = Testo("Distribuzione dei ritardi nelle estrazioni dell'archivio storico");
        t.asseY = Testo("Nº di estrazioni");
        break;
    }
    return t;
}

} // namespace

// The poll: the window's bar and stop question, the line with the bar, the chart every 3 seconds.
class TAnalisiProbabilistica::Controllo final : public ControlloEsecuzione
{
public:
    explicit Controllo(TAnalisiProbabilistica& finestra) : m_finestra(finestra) { m_grafico.start(); }

    bool verifica(const Avanzamento& stato) override
    {
        if (!m_riga.isValid() || m_riga.elapsed() >= ControlloEsecuzioneQt::IntervalloMs) {
            m_finestra.aggiornaRiga(false);
            m_riga.start();
        }
        if (m_grafico.elapsed() >= RidisegnoMs) {
            m_finestra.ridisegna();
            m_grafico.start();
        }
        return m_finestra.m_controllo.verifica(stato);
    }

private:
    TAnalisiProbabilistica& m_finestra;
    QElapsedTimer m_grafico;
    QElapsedTimer m_riga;
};

TAnalisiProbabilistica::TAnalisiProbabilistica(StatoApplicazione& stato, ServiziFinestre& servizi,
                                               ImpostazioniProbabilistiche impostazioni, bool storica,
                                               ModoFiltro modo, bool consideraFisse, Testi testi,
                                               QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_impostazioni(std::move(impostazioni)),
      m_giudizio(ValoriNumeri(m_impostazioni), m_impostazioni.intervalli), m_storica(storica), m_modo(modo),
      m_consideraFisse(consideraFisse && stato.sistema.numeroFisse > 0), m_testi(std::move(testi)),
      m_controllo(stato.messaggi), m_istogramma(ContenitoriDelMembro(m_impostazioni.membro))
{
    setWindowTitle(m_testi.titolo);
    setModal(true);
    auto* principale = new QVBoxLayout(this);
    m_grafico = new GraficoBarre(this);
    m_grafico->setObjectName(QStringLiteral("distribuzioneGrafico"));
    m_grafico->setClic(GraficoBarre::Clic::Nessuno);
    m_grafico->setTitolo(m_testi.titoloGrafico);
    m_grafico->setTitoloAsseY(m_testi.asseY);
    m_grafico->setTitoloAsseX(m_testi.asseX);
    m_grafico->setMinimumSize(560, 300);
    principale->addWidget(m_grafico, 1);

    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_barra->setRange(0, 100);
    m_barra->setValue(0);
    principale->addWidget(m_barra);
    m_controllo.setBarra(m_barra);

    auto* riga = new QHBoxLayout;
    auto* etichetta = new QLabel(m_testi.etichettaValide, this);
    m_valide = new QLabel(QString::fromStdString(TestoValide(0, 0)), this);
    m_valide->setObjectName(QStringLiteral("valideLabel"));
    riga->addWidget(etichetta);
    riga->addWidget(m_valide, 1);
    principale->addLayout(riga);

    auto* pulsanti = new QHBoxLayout;
    m_interrompi = new QPushButton(QStringLiteral("Interrompi"), this);
    m_interrompi->setObjectName(QStringLiteral("interrompiPushButton"));
    m_interrompi->setEnabled(false);
    auto* guida = new QPushButton(QStringLiteral("Guida in linea"), this);
    guida->setObjectName(QStringLiteral("guidaPushButton"));
    m_chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    m_chiudi->setObjectName(QStringLiteral("chiudiPushButton"));
    for (QPushButton* p : {m_interrompi, guida, m_chiudi}) {
        p->setAutoDefault(false);
    }
    pulsanti->addWidget(m_interrompi);
    pulsanti->addStretch(1);
    pulsanti->addWidget(guida);
    pulsanti->addWidget(m_chiudi);
    principale->addLayout(pulsanti);
    resize(760, 480);

    connect(m_interrompi, &QPushButton::clicked, this, [this] { m_controllo.richiediInterruzione(); });
    connect(m_chiudi, &QPushButton::clicked, this, &TAnalisiProbabilistica::reject);
    connect(guida, &QPushButton::clicked, this, [this] { m_servizi.apriGuida(m_testi.topic); });
    ridisegna();
}

void TAnalisiProbabilistica::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!m_avvioProgrammato) {
        m_avvioProgrammato = true;
        QTimer::singleShot(RitardoAvvioMs, this, &TAnalisiProbabilistica::avviaCalcolo);
    }
}

void TAnalisiProbabilistica::reject()
{
    if (!m_inCalcolo) {
        QDialog::reject();
    }
}

void TAnalisiProbabilistica::closeEvent(QCloseEvent* evento)
{
    if (m_inCalcolo) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TAnalisiProbabilistica::avviaCalcolo()
{
    if (m_inCalcolo || m_calcolata) {
        return;
    }
    m_inCalcolo = true;
    m_chiudi->setEnabled(false);
    m_interrompi->setEnabled(true);
    m_controllo.azzera();
    m_istogramma = IstogrammaProbabilistico(ContenitoriDelMembro(m_impostazioni.membro));
    Controllo controllo(*this);
    if (m_storica) {
        AnalisiProbabilisticaStorica(m_stato.archivio, m_stato.sistema.ruote, m_impostazioni, m_istogramma,
                                     controllo);
    } else {
        AnalisiProbabilisticaGiocate(m_stato.sistema, m_stato.giocate, m_giudizio, m_modo, m_consideraFisse,
                                     m_istogramma, controllo);
    }
    m_inCalcolo = false;
    m_calcolata = true;
    ridisegna();
    aggiornaRiga(true);
    if (!m_istogramma.totali.interrotta) {
        m_barra->setValue(m_barra->maximum());
    }
    m_interrompi->setEnabled(false);
    m_chiudi->setEnabled(true);
}

void TAnalisiProbabilistica::ridisegna()
{
    const auto [primo, ultimo] = m_istogramma.mostrati(MembroInScala(m_impostazioni.membro));
    std::vector<double> valori;
    std::vector<QColor> colori;
    QStringList etichette;
    for (std::int32_t b = primo; b <= ultimo; ++b) {
        valori.push_back(static_cast<double>(m_istogramma.conteggi[static_cast<std::size_t>(b)]));
        colori.push_back(m_giudizio.consentito(b) ? Verde : Rosso);
        etichette << QString::number(b);
    }
    m_grafico->setDati(std::move(valori));
    m_grafico->setEtichette(etichette);
    m_grafico->setColoriBarre(std::move(colori));
}

void TAnalisiProbabilistica::aggiornaRiga(bool finale)
{
    const ConteggiAnalisi& t = m_istogramma.totali;
    // While running and at the end alike: P the nearest whole number.
    (void)finale;
    m_valide->setText(QString::fromStdString(TestoValideArrotondato(t.valide, t.esaminate)));
}

TAnalisiRidProba::TAnalisiRidProba(StatoApplicazione& stato, ServiziFinestre& servizi,
                                   ImpostazioniProbabilistiche impostazioni, ModoFiltro modo,
                                   bool consideraFisse, QString topic, QWidget* parent)
    : TAnalisiProbabilistica(stato, servizi, impostazioni, false, modo, consideraFisse,
                             TestiGiocate(impostazioni, std::move(topic)), parent)
{}

TAnalisiRidFreRit::TAnalisiRidFreRit(StatoApplicazione& stato, ServiziFinestre& servizi,
                                     ImpostazioniProbabilistiche impostazioni, ModoFiltro modo,
                                     bool consideraFisse, QString topic, QWidget* parent)
    : TAnalisiProbabilistica(stato, servizi, impostazioni, false, modo, consideraFisse,
                             TestiGiocate(impostazioni, std::move(topic)), parent)
{}

TAnalisiStoricaProbabilistica::TAnalisiStoricaProbabilistica(StatoApplicazione& stato,
                                                             ServiziFinestre& servizi,
                                                             ImpostazioniProbabilistiche impostazioni,
                                                             QString topic, QWidget* parent)
    : TAnalisiProbabilistica(stato, servizi, impostazioni, true, ModoFiltro::Giocate, false,
                             TestiStorica(impostazioni, std::move(topic)), parent)
{}
