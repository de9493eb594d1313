#include "ui/gestione_riduttori_dialog.h"

#include "editor/stato_applicazione.h"
#include "reducers/elenco_riduttori.h"
#include "reducers/riduttore_personale.h"
#include "ui/elenco_riduttori_widget.h"
#include "ui/nuovo_riduttore_dialog.h"
#include "ui/pro_vin_riduttore_dialog.h"
#include "ui/servizi_finestre.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace mrp = messaggi_riduttori_personali;

TGestioneRiduttori::TGestioneRiduttori(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi)
{
    setWindowTitle(QStringLiteral("Gestione riduttori"));
    setModal(true);
    auto* principale = new QHBoxLayout(this);
    auto* gruppo = new QGroupBox(QStringLiteral(" Elenco riduttori "), this);
    auto* layoutGruppo = new QVBoxLayout(gruppo);
    m_elenco = new ElencoRiduttoriWidget(gruppo);
    layoutGruppo->addWidget(m_elenco);
    principale->addWidget(gruppo, 1);

    auto* colonna = new QVBoxLayout;
    const auto pulsante = [this, colonna](const char* nome, const QString& testo) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        colonna->addWidget(p);
        return p;
    };
    QPushButton* nuovo = pulsante("nuovoPushButton", QStringLiteral("Nuovo"));
    m_modifica = pulsante("modificaPushButton", QStringLiteral("Modifica"));
    m_elimina = pulsante("eliminaPushButton", QStringLiteral("Elimina"));
    m_probabilita = pulsante("probabilitaPushButton", QStringLiteral("Probabilità di vincita"));
    colonna->addSpacing(12);
    QPushButton* scarica = pulsante("scaricaPushButton", QStringLiteral("Scarica da Internet"));
    QPushButton* pubblica = pulsante("pubblicaPushButton", QStringLiteral("Pubblica su Internet"));
    colonna->addStretch(1);
    QPushButton* guida = pulsante("guidaPushButton", QStringLiteral("Guida in linea"));
    QPushButton* chiudi = pulsante("chiudiPushButton", QStringLiteral("Chiudi"));
    principale->addLayout(colonna);

    connect(m_elenco, &ElencoRiduttoriWidget::selezioneCambiata, this, &TGestioneRiduttori::aggiornaPulsanti);
    connect(nuovo, &QPushButton::clicked, this, &TGestioneRiduttori::nuovo);
    connect(m_modifica, &QPushButton::clicked, this, &TGestioneRiduttori::modifica);
    connect(m_elimina, &QPushButton::clicked, this, &TGestioneRiduttori::elimina);
    connect(m_probabilita, &QPushButton::clicked, this, &TGestioneRiduttori::probabilita);
    connect(scarica, &QPushButton::clicked, this, [this] { apriPagina(PaginaScaricaRiduttori); });
    connect(pubblica, &QPushButton::clicked, this, [this] { apriPagina(PaginaPubblicaRiduttori); });
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QStringLiteral("mdr_gestrid.htm")); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 440);
    ricarica();
}

void TGestioneRiduttori::ricarica()
{
    m_elenco->imposta(ElencoRiduttori(m_stato.cartelle.personale));
    aggiornaPulsanti();
}

void TGestioneRiduttori::aggiornaPulsanti()
{
    const bool scelto = m_elenco->selezionato() != nullptr;
    for (QPushButton* p : {m_modifica, m_elimina, m_probabilita}) {
        p->setEnabled(scelto);
    }
}

void TGestioneRiduttori::nuovo()
{
    TNuovoRiduttore editor(m_stato, m_servizi, this);
    m_servizi.esegui(editor);
    ricarica();
}

void TGestioneRiduttori::modifica()
{
    const VoceRiduttore* v = m_elenco->selezionato();
    if (v == nullptr) {
        return;
    }
    TNuovoRiduttore editor(m_stato, m_servizi, this, *v);
    m_servizi.esegui(editor);
    ricarica();
}

void TGestioneRiduttori::elimina()
{
    const VoceRiduttore* v = m_elenco->selezionato();
    if (v == nullptr) {
        return;
    }
    const VoceRiduttore voce = *v;
    const Messaggio domanda{std::string(mrp::EliminaPrima) + voce.nome() + mrp::EliminaMezzo + voce.nomeFile +
                                mrp::EliminaDopo,
                            "Attenzione", Icona::Avviso, Pulsanti::SiNo, Risposta::No};
    if (m_stato.messaggi.mostra(domanda) != Risposta::Si) {
        return;
    }
    if (!EliminaFileRiduttore(voce.percorso)) {
        m_stato.messaggi.mostra(Errore(std::string(mrp::EliminazioneNonRiuscita) + voce.nomeFile + "\"."));
    }
    ricarica();
}

void TGestioneRiduttori::probabilita()
{
    if (const VoceRiduttore* v = m_elenco->selezionato()) {
        const VoceRiduttore voce = *v;
        TProVinRiduttore::ApriPerRiduttore(m_stato, m_servizi, voce, this);
    }
}

void TGestioneRiduttori::apriPagina(const char* pagina)
{
    const std::string indirizzo = IndirizzoPaginaRiduttoriPersonali(m_stato.generali.serverRiduttori, pagina);
    if (!indirizzo.empty()) {
        m_servizi.apriIndirizzo(QUrl(QString::fromStdString(indirizzo)));
    }
}
