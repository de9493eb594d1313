#include "ui/applica_riduttore_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "reducers/applica_riduttore.h"
#include "reducers/elenco_riduttori.h"
#include "ui/elenco_riduttori_widget.h"
#include "ui/gestione_riduttori_dialog.h"
#include "ui/pro_vin_riduttore_dialog.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace mrp = messaggi_riduttori_personali;

TApplicaRiduttore::TApplicaRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QStringLiteral("mdr_applicarid.htm"),
                       QStringLiteral("Applica riduttore"), parent, QStringLiteral("Applica riduttore"))
{
    for (std::uint8_t segno : stato.sistema.pronostico) {
        m_numeri += segno != 0 ? 1 : 0;
    }
    auto* gruppo = new QGroupBox(QStringLiteral(" Elenco riduttori "), this);
    gruppo->setObjectName(QStringLiteral("elencoGroupBox"));
    auto* layout = new QVBoxLayout(gruppo);
    m_elenco = new ElencoRiduttoriWidget(gruppo);
    layout->addWidget(m_elenco);
    areaParametri()->addWidget(gruppo, 1);
    disabilitaInEsecuzione(gruppo);

    m_consideraFisse = aggiungiConsideraFisse();
    m_filtro =
        new QCheckBox(QStringLiteral("Visualizza solo i riduttori applicabili al pronostico attuale"), this);
    m_filtro->setObjectName(QStringLiteral("filtroCheckBox"));
    m_filtro->setChecked(IDE_Intero(stato.impostazioni, ChiaveApplicaRidCB1, 0, false) != 0);
    areaParametri()->addWidget(m_filtro);
    disabilitaInEsecuzione(m_filtro);

    m_probabilita = aggiungiPulsanteRiga(QStringLiteral("Probabilità di vincita"),
                                         QStringLiteral("probabilitaPushButton"));
    m_gestione =
        aggiungiPulsanteRiga(QStringLiteral("Gestione riduttori"), QStringLiteral("gestionePushButton"));
    mostraConteggio(QStringLiteral("Nº Giocate finali: "));

    connect(m_elenco, &ElencoRiduttoriWidget::selezioneCambiata, this, &TApplicaRiduttore::aggiornaPulsanti);
    connect(m_filtro, &QCheckBox::toggled, this, [this] {
        ricarica();
        // The new list starts without a choice: the user picks the reducer to apply.
        m_elenco->deseleziona();
    });
    connect(m_probabilita, &QPushButton::clicked, this, &TApplicaRiduttore::probabilita);
    connect(m_gestione, &QPushButton::clicked, this, &TApplicaRiduttore::gestione);
    resize(560, 560);
    ricarica();
}

void TApplicaRiduttore::ricarica()
{
    std::vector<VoceRiduttore> voci = ElencoRiduttori(stato().cartelle.personale);
    if (m_filtro->isChecked()) {
        voci = RiduttoriApplicabili(voci, m_numeri);
    }
    m_elenco->imposta(std::move(voci));
    aggiornaPulsanti();
}

void TApplicaRiduttore::aggiornaPulsanti()
{
    const VoceRiduttore* v = m_elenco->selezionato();
    pulsanteAvvia()->setEnabled(!inEsecuzione() && v != nullptr && v->m == m_numeri);
    m_probabilita->setEnabled(v != nullptr);
}

bool TApplicaRiduttore::controllaParametri()
{
    const VoceRiduttore* v = m_elenco->selezionato();
    if (v == nullptr || v->m != m_numeri) {
        return false;
    }
    EsitoLetturaRiduttore esito = LeggiFileRiduttore(v->percorso);
    if (!esito) {
        stato().messaggi.mostra(Avviso(std::string(mrp::FileIlleggibile) + v->nomeFile));
        return false;
    }
    m_riduttore = std::move(esito.riduttore);
    if (const auto rifiuto = RiduttoreNonAdatto(m_riduttore, stato().sistema)) {
        stato().messaggi.mostra(*rifiuto);
        return false;
    }
    return true;
}

EsitoRiduzione TApplicaRiduttore::esegui(ControlloEsecuzione& controllo)
{
    return ApplicaRiduttore(stato().sistema, stato().giocate, m_riduttore, consideraFisse(m_consideraFisse),
                            controllo);
}

void TApplicaRiduttore::salvaOpzioni()
{
    (void)IDE_Intero(stato().impostazioni, ChiaveApplicaRidCB1, m_filtro->isChecked() ? 1 : 0, true);
}

void TApplicaRiduttore::probabilita()
{
    if (const VoceRiduttore* v = m_elenco->selezionato()) {
        const VoceRiduttore voce = *v;
        TProVinRiduttore::ApriPerRiduttore(stato(), servizi(), voce, this);
    }
}

void TApplicaRiduttore::gestione()
{
    TGestioneRiduttori dialogo(stato(), servizi(), this);
    servizi().esegui(dialogo);
    ricarica();
}
