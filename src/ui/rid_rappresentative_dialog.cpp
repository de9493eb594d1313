#include "ui/rid_rappresentative_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/opzioni_riduzione.h"
#include "reductions/rid_rappresentative.h"
#include "ui/filtro_tasti.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QVBoxLayout>

namespace mr = messaggi_rappresentative;

namespace {

QLineEdit* CampoQuante(QWidget* genitore, ArchivioImpostazioni& store, const char* chiave)
{
    auto* campo = new QLineEdit(genitore);
    campo->setObjectName(QStringLiteral("giocateLineEdit"));
    campo->setMaxLength(8);
    campo->installEventFilter(FiltroTasti::Cifre(false, campo));
    campo->setText(QString::fromStdString(LeggiConteggioDialogo(store, chiave, 1)));
    return campo;
}

} // namespace

TRidGenio::TRidGenio(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QStringLiteral("mdr_piurappre.htm"),
                       QStringLiteral("Aggiungi colonne più rappresentative"), parent)
{
    m_consideraFisse = aggiungiConsideraFisse();

    auto* campi = new QFormLayout;
    m_quante = CampoQuante(this, stato.impostazioni, ChiaveNumNewGenio);
    campi->addRow(QStringLiteral("Nº di giocate da aggiungere:"), m_quante);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_quante);

    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel(QStringLiteral("Precisione"), this));
    m_cursore = new QSlider(Qt::Horizontal, this);
    m_cursore->setObjectName(QStringLiteral("TKBSlider"));
    m_cursore->setRange(0, 100);
    m_cursore->setToolTip(QStringLiteral("Rapporto precisione/velocità"));
    m_cursore->setValue(std::clamp(IDE_Intero(stato.impostazioni, ChiaveTKBGenio, 50, false), 0, 100));
    riga->addWidget(m_cursore, 1);
    riga->addWidget(new QLabel(QStringLiteral("Velocità"), this));
    areaParametri()->addLayout(riga);
    disabilitaInEsecuzione(m_cursore);

    m_stima = new QLabel(this);
    m_stima->setObjectName(QStringLiteral("stimaLabel"));
    areaParametri()->addWidget(m_stima);
    m_tempo = new QProgressBar(this);
    m_tempo->setObjectName(QStringLiteral("tempoProgressBar"));
    m_tempo->setRange(0, 100);
    m_tempo->setValue(0);
    m_tempo->setTextVisible(false);
    areaParametri()->addWidget(m_tempo);
    mostraConteggio(QStringLiteral("Stato avanzamento, nº colonne aggiunte: "));

    connect(m_quante, &QLineEdit::textChanged, this, [this] { aggiornaStima(); });
    connect(m_cursore, &QSlider::valueChanged, this, [this] { aggiornaStima(); });
    aggiornaStima();
    resize(460, sizeHint().height());
}

void TRidGenio::aggiornaStima()
{
    const auto n = LeggiQuanteRappresentative(m_quante->text().toStdString());
    m_stima->setText(n ? QString::fromStdString(TestoTempoPrevisto(*n, TempoPerGiocata(m_cursore->value())))
                       : QString());
}

bool TRidGenio::controllaParametri()
{
    const auto n = LeggiQuanteRappresentative(m_quante->text().toStdString());
    if (!n) {
        stato().messaggi.mostra(Avviso(mr::AggiuntaNonValida));
        m_quante->setFocus();
        return false;
    }
    m_richieste = *n;
    return true;
}

EsitoRiduzione TRidGenio::esegui(ControlloEsecuzione& controllo)
{
    ParametriGenio parametri;
    parametri.giocate = m_richieste;
    parametri.consideraFisse = consideraFisse(m_consideraFisse);
    parametri.millisecondi = TempoPerGiocata(m_cursore->value());
    parametri.tempoGiocata = [this](double quota) {
        const int valore = static_cast<int>(quota * 100.0);
        if (m_tempo->value() != valore) {
            m_tempo->setValue(valore);
        }
    };
    const EsitoRiduzione esito = AggiungiPiuRappresentative(stato().sistema, stato().giocate, parametri,
                                                            stato().generatore, controllo);
    m_tempo->setValue(0);
    return esito;
}

void TRidGenio::salvaOpzioni()
{
    SalvaConteggioDialogo(stato().impostazioni, ChiaveNumNewGenio, m_quante->text().toStdString());
    IDE_Intero(stato().impostazioni, ChiaveTKBGenio, m_cursore->value(), true);
}

TRidMenoRappre::TRidMenoRappre(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QStringLiteral("mdr_menorappre.htm"),
                       QStringLiteral("Elimina giocate meno rappresentative"), parent)
{
    auto* campi = new QFormLayout;
    m_quante = CampoQuante(this, stato.impostazioni, ChiaveNumNewMenoRapp);
    campi->addRow(QStringLiteral("Nº di giocate da eliminare:"), m_quante);
    areaParametri()->addLayout(campi);
    disabilitaInEsecuzione(m_quante);
    resize(420, sizeHint().height());
}

bool TRidMenoRappre::controllaParametri()
{
    const auto n = LeggiQuanteRappresentative(m_quante->text().toStdString());
    if (!n) {
        stato().messaggi.mostra(
            Avviso(mr::EliminazioneNonValida + std::to_string(stato().giocate.conteggio())));
        m_quante->setFocus();
        return false;
    }
    m_richieste = std::min(*n, stato().giocate.conteggio());
    return true;
}

EsitoRiduzione TRidMenoRappre::esegui(ControlloEsecuzione& controllo)
{
    return EliminaMenoRappresentative(stato().sistema, stato().giocate, m_richieste, controllo);
}

void TRidMenoRappre::salvaOpzioni()
{
    SalvaConteggioDialogo(stato().impostazioni, ChiaveNumNewMenoRapp, m_quante->text().toStdString());
}
