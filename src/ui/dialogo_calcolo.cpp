#include "ui/dialogo_calcolo.h"

#include "core/messaggi_servizio.h"
#include "editor/stato_applicazione.h"
#include "ui/servizi_finestre.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPrinter>

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
