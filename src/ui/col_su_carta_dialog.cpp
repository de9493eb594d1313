#include "ui/col_su_carta_dialog.h"

#include "core/importi.h"
#include "editor/riepilogo.h"
#include "editor/stato_applicazione.h"
#include "ui/servizi_finestre.h"
#include "ui/stampa/tela_stampa.h"
#include "ui/stampa_comune.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

TColSuCarta::TColSuCarta(StatoApplicazione& stato, ServiziFinestre& servizi, StampanteCondivisa& stampante,
                         QWidget* genitore)
    : QDialog(genitore), m_stato(stato), m_servizi(servizi), m_stampante(stampante)
{
    setWindowTitle(QStringLiteral("Stampa giocate su carta comune"));
    auto* principale = new QVBoxLayout(this);
    principale->addWidget(new QLabel(QStringLiteral("Stampa anche la seguente intestazione:"), this));
    m_intestazione = new QPlainTextEdit(this);
    m_intestazione->setObjectName(QStringLiteral("intestazionePlainTextEdit"));
    const EsitoImporti importi =
        ValidaImporti(CaselleDaSistema(stato.sistema), stato.sistema.posizioni, stato.generali);
    const Riepilogo riepilogo =
        AggiornaRiepilogo(stato.sistema, stato.giocate.conteggio(), importi, stato.generali.decimali);
    QStringList righe;
    for (const std::string& r : stampa::IntestazioneProposta(stato.sistema, riepilogo)) {
        righe << QString::fromStdString(r);
    }
    m_intestazione->setPlainText(righe.join(QLatin1Char('\n')));
    m_intestazione->setMinimumSize(420, 180);
    principale->addWidget(m_intestazione);

    auto opzione = [this, principale](const char* nome, const QString& testo, bool possibile) {
        auto* c = new QCheckBox(testo, this);
        c->setObjectName(QString::fromLatin1(nome));
        c->setChecked(possibile);
        c->setEnabled(possibile);
        principale->addWidget(c);
        return c;
    };
    m_fisse = opzione("fisseCheckBox", QStringLiteral("Stampa fisse"), stato.sistema.numeroFisse > 0);
    m_pronostico = opzione("pronosticoCheckBox", QStringLiteral("Stampa pronostico"),
                           stato.sistema.numeriPronostico() > 0);
    m_giocate = opzione("giocateCheckBox", QStringLiteral("Stampa giocate"), stato.giocate.conteggio() > 0);
    m_importi = opzione("importiCheckBox", QStringLiteral("Stampa importi e ruote"), true);

    auto* pulsanti = new QHBoxLayout;
    auto pulsante = [this, pulsanti](const char* nome, const QString& testo) {
        auto* b = new QPushButton(testo, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        pulsanti->addWidget(b);
        return b;
    };
    connect(pulsante("stampaPushButton", QStringLiteral("Stampa")), &QPushButton::clicked, this,
            &TColSuCarta::stampa);
    connect(pulsante("anteprimaPushButton", QStringLiteral("Anteprima di stampa")), &QPushButton::clicked,
            this, [this] {
                AnteprimaDiStampa(m_servizi, this, m_stampante.stampante(),
                                  [this](QPrinter& p) { stampaSu(p); });
            });
    connect(pulsante("pdfPushButton", QStringLiteral("Stampa su PDF")), &QPushButton::clicked, this,
            [this] { (void)StampaSuPdf(m_servizi, this, [this](QPrinter& p) { stampaSu(p); }); });
    connect(pulsante("guidaPushButton", QStringLiteral("Guida in linea")), &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QStringLiteral("stampa_sucarta.htm")); });
    connect(pulsante("chiudiPushButton", QStringLiteral("Chiudi")), &QPushButton::clicked, this,
            &QDialog::reject);
    principale->addLayout(pulsanti);
}

stampa::DatiCartaComune TColSuCarta::dati() const
{
    stampa::DatiCartaComune d;
    const QString testo = m_intestazione->toPlainText();
    if (!testo.isEmpty()) {
        for (const QString& riga : testo.split(QLatin1Char('\n'))) {
            d.intestazione.push_back(riga.toStdString());
        }
    }
    d.fisse = m_fisse->isChecked();
    d.pronostico = m_pronostico->isChecked();
    d.giocate = m_giocate->isChecked();
    d.importiRuote = m_importi->isChecked();
    d.decimali = m_stato.generali.decimali;
    return d;
}

void TColSuCarta::stampaSu(QPrinter& stampante) const
{
    const tela::MisuraQt misura(&stampante);
    const stampa::Impaginazione imp = stampa::ImpaginaCartaComune(
        dati(), m_stato.sistema, m_stato.giocate, stampante.width(), stampante.height(), misura);
    (void)tela::StampaImpaginazione(stampante, imp);
}

void TColSuCarta::stampa()
{
    if (m_stampante.scegli(m_servizi, this)) {
        stampaSu(m_stampante.stampante());
    }
}
