#include "ui/riduzione_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/messaggi_riduzioni.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mr = messaggi_riduzioni;

ControlloRiduzioneQt::ControlloRiduzioneQt(ServizioMessaggi& messaggi, QProgressBar* barra)
    : m_qt(messaggi, barra)
{}

void ControlloRiduzioneQt::setEtichetta(QLabel* etichetta, const QString& prefisso)
{
    m_etichetta = etichetta;
    m_prefisso = prefisso;
}

void ControlloRiduzioneQt::azzera()
{
    m_qt.azzera();
    m_orologio.invalidate();
}

bool ControlloRiduzioneQt::verifica(const Avanzamento& stato)
{
    if (m_etichetta != nullptr &&
        (!m_orologio.isValid() || m_orologio.elapsed() >= ControlloEsecuzioneQt::IntervalloMs)) {
        m_etichetta->setText(m_prefisso + QString::number(stato.prodotti));
        m_orologio.start();
    }
    return m_qt.verifica(stato);
}

TRiduzioneDialog::TRiduzioneDialog(StatoApplicazione& stato, ServiziFinestre& servizi, QString topic,
                                   const QString& titolo, QWidget* parent, const QString& testoAvvio)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_topic(std::move(topic)),
      m_controllo(stato.messaggi, nullptr)
{
    setWindowTitle(titolo);
    setModal(true);

    auto* principale = new QVBoxLayout(this);
    m_parametri = new QVBoxLayout;
    principale->addLayout(m_parametri);

    m_statoAvanzamento = new QLabel(QString::fromUtf8(mr::StatoAvanzamento), this);
    m_statoAvanzamento->setObjectName(QStringLiteral("statoAvanzamentoLabel"));
    principale->addWidget(m_statoAvanzamento);
    m_barra = new QProgressBar(this);
    m_barra->setObjectName(QStringLiteral("avanzamentoProgressBar"));
    m_barra->setRange(0, 100);
    m_barra->setValue(0);
    principale->addWidget(m_barra);
    m_statoAvanzamento->setBuddy(m_barra);
    m_conteggio = new QLabel(this);
    m_conteggio->setObjectName(QStringLiteral("conteggioLabel"));
    m_conteggio->hide();
    principale->addWidget(m_conteggio);
    principale->addStretch(1);

    auto* pulsanti = new QHBoxLayout;
    m_avvia = new QPushButton(testoAvvio, this);
    m_avvia->setObjectName(QStringLiteral("avviaPushButton"));
    m_avvia->setDefault(true);
    m_interrompi = new QPushButton(QStringLiteral("Interrompi"), this);
    m_interrompi->setObjectName(QStringLiteral("interrompiPushButton"));
    m_interrompi->setEnabled(false);
    m_guida = new QPushButton(QStringLiteral("Guida in linea"), this);
    m_guida->setObjectName(QStringLiteral("guidaPushButton"));
    m_annulla = new QPushButton(QStringLiteral("Annulla"), this);
    m_annulla->setObjectName(QStringLiteral("annullaPushButton"));
    for (QPushButton* p : {m_interrompi, m_guida, m_annulla}) {
        p->setAutoDefault(false);
    }
    pulsanti->addWidget(m_avvia);
    pulsanti->addWidget(m_interrompi);
    pulsanti->addStretch(1);
    pulsanti->addWidget(m_guida);
    pulsanti->addWidget(m_annulla);
    principale->addLayout(pulsanti);

    m_controllo.setBarra(m_barra);

    connect(m_avvia, &QPushButton::clicked, this, &TRiduzioneDialog::avvia);
    connect(m_interrompi, &QPushButton::clicked, this, [this] { m_controllo.richiediInterruzione(); });
    connect(m_annulla, &QPushButton::clicked, this, &TRiduzioneDialog::reject);
    connect(m_guida, &QPushButton::clicked, this, [this] { m_servizi.apriGuida(m_topic); });
}

TRiduzioneDialog::~TRiduzioneDialog() = default;

QCheckBox* TRiduzioneDialog::aggiungiConsideraFisse(const QString& testo)
{
    auto* gruppo = new QGroupBox(QStringLiteral(" Opzioni "), this);
    gruppo->setObjectName(QStringLiteral("opzioniGroupBox"));
    auto* layout = new QVBoxLayout(gruppo);
    auto* casella = new QCheckBox(testo, gruppo);
    casella->setObjectName(QStringLiteral("consideraFisseCheckBox"));
    const bool conFisse = m_stato.sistema.numeroFisse > 0;
    casella->setEnabled(conFisse);
    casella->setChecked(conFisse);
    layout->addWidget(casella);
    m_parametri->addWidget(gruppo);
    disabilitaInEsecuzione(gruppo);
    return casella;
}

bool TRiduzioneDialog::consideraFisse(const QCheckBox* casella) const
{
    return casella != nullptr && casella->isChecked() && m_stato.sistema.numeroFisse > 0;
}

void TRiduzioneDialog::mostraConteggio(const QString& prefisso)
{
    m_conteggio->setText(prefisso + QStringLiteral("0"));
    m_conteggio->show();
    m_controllo.setEtichetta(m_conteggio, prefisso);
}

void TRiduzioneDialog::reject()
{
    if (!m_inEsecuzione) {
        QDialog::reject();
    }
}

void TRiduzioneDialog::done(int risultato)
{
    if (m_inEsecuzione) {
        return;
    }
    salvaOpzioni();
    QDialog::done(risultato);
}

void TRiduzioneDialog::closeEvent(QCloseEvent* evento)
{
    if (m_inEsecuzione) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TRiduzioneDialog::mostraInEsecuzione(bool inEsecuzione)
{
    m_inEsecuzione = inEsecuzione;
    for (const QPointer<QWidget>& w : m_daBloccare) {
        if (w != nullptr) {
            w->setEnabled(!inEsecuzione);
        }
    }
    m_avvia->setEnabled(!inEsecuzione);
    m_annulla->setEnabled(!inEsecuzione);
    m_interrompi->setEnabled(inEsecuzione);
    m_statoAvanzamento->setText(QString::fromUtf8(mr::StatoAvanzamento));
    // Clears the stop request and puts the bar back to 0.
    m_controllo.azzera();
}

void TRiduzioneDialog::avvia()
{
    if (m_inEsecuzione || !controllaParametri()) {
        return;
    }
    mostraInEsecuzione(true);
    m_esito = esegui(m_controllo);
    if (m_esito.messaggio) {
        m_stato.messaggi.mostra(*m_esito.messaggio);
    }
    mostraInEsecuzione(false);
    if (m_esito.confermata()) {
        accept();
    }
}

bool TRiduzioneDialog::calcolaInEsecuzione(const std::function<bool(ControlloEsecuzione&)>& calcolo)
{
    if (m_inEsecuzione) {
        return false;
    }
    // The count label belongs to the runs: hidden meanwhile, and then as it was.
    const bool conConteggio = !m_conteggio->isHidden();
    const QString testoConteggio = m_conteggio->text();
    m_conteggio->hide();
    mostraInEsecuzione(true);
    const bool esito = calcolo(m_controllo);
    mostraInEsecuzione(false);
    m_conteggio->setText(testoConteggio);
    m_conteggio->setVisible(conConteggio);
    return esito;
}

QPushButton* TRiduzioneDialog::aggiungiPulsanteRiga(const QString& testo, const QString& nomeOggetto)
{
    auto* riga = new QHBoxLayout;
    auto* pulsante = new QPushButton(testo, this);
    pulsante->setObjectName(nomeOggetto);
    pulsante->setAutoDefault(false);
    riga->addWidget(pulsante);
    riga->addStretch(1);
    m_parametri->addLayout(riga);
    disabilitaInEsecuzione(pulsante);
    return pulsante;
}

TRiduzioneDialog::PulsantiAnalisi TRiduzioneDialog::aggiungiPulsantiAnalisi()
{
    auto* riga = new QHBoxLayout;
    PulsantiAnalisi pulsanti;
    pulsanti.giocate = new QPushButton(QStringLiteral("Analisi giocate"), this);
    pulsanti.giocate->setObjectName(QStringLiteral("analisiGiocatePushButton"));
    pulsanti.storica = new QPushButton(QStringLiteral("Analisi storica"), this);
    pulsanti.storica->setObjectName(QStringLiteral("analisiStoricaPushButton"));
    for (QPushButton* p : {pulsanti.giocate, pulsanti.storica}) {
        p->setAutoDefault(false);
        riga->addWidget(p);
        disabilitaInEsecuzione(p);
    }
    riga->addStretch(1);
    m_parametri->addLayout(riga);
    return pulsanti;
}

bool TRiduzioneDialog::conferma(std::string testo)
{
    Messaggio domanda = Avviso(std::move(testo));
    domanda.icona = Icona::Domanda;
    domanda.pulsanti = Pulsanti::SiNo;
    domanda.predefinita = Risposta::No;
    return m_stato.messaggi.mostra(domanda) == Risposta::Si;
}
