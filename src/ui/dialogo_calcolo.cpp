#include "ui/dialogo_calcolo.h"

#include "core/messaggi_servizio.h"
#include "editor/stato_applicazione.h"
#include "ui/servizi_finestre.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr const char* StampaNonRiuscita = "Impossibile avviare la stampa.";

} // namespace

TDialogoCalcolo::TDialogoCalcolo(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_controllo(stato.messaggi)
{}

void TDialogoCalcolo::stampaPagina(QPageLayout::Orientation orientamento)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("QUARVINA LOTTO"));
    stampante.setPageOrientation(orientamento);
    if (!m_servizi.scegliStampante(stampante, this)) {
        return;
    }
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        (void)m_stato.messaggi.mostra(Errore(StampaNonRiuscita));
        return;
    }
    disegnaPagina(pittore, pittore.viewport());
    pittore.end();
}

void TDialogoCalcolo::done(int risultato)
{
    if (!m_inCalcolo) {
        QDialog::done(risultato);
    }
}

void TDialogoCalcolo::reject()
{
    if (!m_inCalcolo) {
        QDialog::reject();
    }
}

void TDialogoCalcolo::closeEvent(QCloseEvent* evento)
{
    if (m_inCalcolo) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

QWidget* TDialogoCalcolo::creaAvanzamento()
{
    m_avanzamento = new QWidget(this);
    m_avanzamento->setObjectName(QStringLiteral("avanzamentoWidget"));
    auto* riga = new QHBoxLayout(m_avanzamento);
    riga->setContentsMargins(0, 0, 0, 0);
    m_barra = new QProgressBar(m_avanzamento);
    m_barra->setRange(0, 100);
    auto* interrompi = new QPushButton(QStringLiteral("Interrompi"), m_avanzamento);
    interrompi->setObjectName(QStringLiteral("interrompiPushButton"));
    interrompi->setAutoDefault(false);
    riga->addWidget(new QLabel(QStringLiteral("Stato avanzamento"), m_avanzamento));
    riga->addWidget(m_barra, 1);
    riga->addWidget(interrompi);
    m_avanzamento->hide();
    m_controllo.setBarra(m_barra);
    connect(interrompi, &QPushButton::clicked, this, [this] { m_controllo.richiediInterruzione(); });
    return m_avanzamento;
}

void TDialogoCalcolo::mostraAvanzamento(bool mostra)
{
    if (mostra) {
        m_barra->setValue(0);
    }
    m_avanzamento->setVisible(mostra);
}
