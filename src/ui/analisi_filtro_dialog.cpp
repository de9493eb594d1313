#include "ui/analisi_filtro_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/campione_storico.h"
#include "reductions/messaggi_riduzioni.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

// The grid shows up to this many rows without scrolling; fewer rows make a shorter window.
constexpr int RigheInVista = 20;

bool ConFisse(const StatoApplicazione& stato, bool consideraFisse)
{
    return consideraFisse && stato.sistema.numeroFisse > 0;
}

QStringList Righe(const FiltroRiduzione& filtro, bool conFisse)
{
    QStringList righe;
    for (const std::string& riga : filtro.righe()) {
        righe << QString::fromStdString(riga);
    }
    if (conFisse) {
        righe << QStringLiteral("Fisse");
    }
    return righe;
}

std::vector<bool> RigheInUso(const FiltroRiduzione& filtro, bool conFisse)
{
    std::vector<bool> inUso = filtro.righeInUso();
    if (conFisse) {
        inUso.push_back(true);
    }
    return inUso;
}

QString ColonnaConteggi(const char* cosa, const FiltroRiduzione& filtro)
{
    return QString::fromUtf8(cosa) + QStringLiteral(" con quantità di errori superiore a ") +
           QString::number(filtro.massimoErrori());
}

// Wide enough for the longest rows (filter plays, intervals), tall enough for every row up to 20.
void Dimensiona(QDialog& finestra, const QTableWidget& griglia, int extra)
{
    const int righe = std::clamp(griglia.rowCount(), 4, RigheInVista);
    finestra.resize(640, righe * (griglia.fontMetrics().height() + 6) + 170 + extra);
}

} // namespace

TAnalisiFiltroGiocate::TAnalisiFiltroGiocate(StatoApplicazione& stato, ServiziFinestre& servizi,
                                             FiltroRiduzione filtro, ModoFiltro modo, bool consideraFisse,
                                             QString topicGuida, QWidget* parent)
    : TAnalisiDialog(stato.messaggi, servizi,
                     Testi{QStringLiteral("Analisi giocate"), ColonnaConteggi("Nº giocate", filtro),
                           Righe(filtro, ConFisse(stato, consideraFisse)),
                           QString::fromUtf8(messaggi_riduzioni::GiocateValide), std::move(topicGuida), true,
                           QString::fromUtf8(filtro.titoloCriteri())},
                     parent),
      m_stato(stato), m_filtro(std::move(filtro)), m_modo(modo),
      m_consideraFisse(ConFisse(stato, consideraFisse))
{
    mostraConteggiABarre(RigheInUso(m_filtro, m_consideraFisse));
    Dimensiona(*this, *griglia(), 0);
}

void TAnalisiFiltroGiocate::calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi)
{
    AnalisiFiltroGiocate(m_stato.sistema, m_stato.giocate, m_filtro, m_modo, m_consideraFisse, conteggi,
                         controllo);
}

TAnalisiFiltroStorica::TAnalisiFiltroStorica(StatoApplicazione& stato, ServiziFinestre& servizi,
                                             FiltroRiduzione filtro, QString topicGuida, QWidget* parent)
    : TAnalisiDialog(stato.messaggi, servizi,
                     Testi{QStringLiteral("Analisi storica"), ColonnaConteggi("Nº estrazioni", filtro),
                           Righe(filtro, false), QString::fromUtf8(messaggi_riduzioni::EstrazioniValide),
                           std::move(topicGuida), false, QString::fromUtf8(filtro.titoloCriteri())},
                     parent),
      m_stato(stato), m_filtro(std::move(filtro))
{
    m_ruota = new QComboBox(this);
    m_ruota->setObjectName(QStringLiteral("ruotaComboBox"));
    for (int r = 0; r < CampioneStorico::SceltePossibili; ++r) {
        m_ruota->addItem(QString::fromUtf8(NomeSceltaRuota(r)));
    }
    m_ruota->setCurrentIndex(CampioneStorico::SceltaTutte);
    m_dimensione = new QComboBox(this);
    m_dimensione->setObjectName(QStringLiteral("dimensioneComboBox"));
    for (int d = 0; d < CampioneStorico::Dimensioni; ++d) {
        m_dimensione->addItem(QString::fromUtf8(NomeDimensione(d)));
    }
    m_dimensione->setCurrentIndex(0);
    m_aggiorna = new QPushButton(QStringLiteral("Aggiorna"), this);
    m_aggiorna->setObjectName(QStringLiteral("aggiornaPushButton"));
    m_aggiorna->setAutoDefault(false);

    auto* ruota = new QLabel(QStringLiteral("Ruota:"), this);
    ruota->setBuddy(m_ruota);
    auto* dimensione = new QLabel(QStringLiteral("Sviluppa estrazioni in:"), this);
    dimensione->setBuddy(m_dimensione);
    QHBoxLayout* scelte = areaScelte();
    scelte->addWidget(ruota);
    scelte->addWidget(m_ruota);
    scelte->addSpacing(12);
    scelte->addWidget(dimensione);
    scelte->addWidget(m_dimensione);
    scelte->addStretch(1);
    scelte->addWidget(m_aggiorna);
    connect(m_aggiorna, &QPushButton::clicked, this, &TAnalisiFiltroStorica::aggiorna);

    mostraConteggiABarre(RigheInUso(m_filtro, false));
    Dimensiona(*this, *griglia(), m_aggiorna->sizeHint().height() + 6);
}

void TAnalisiFiltroStorica::aggiorna()
{
    ricalcola();
}

void TAnalisiFiltroStorica::statoCalcolo(bool inCalcolo)
{
    for (QWidget* w : {static_cast<QWidget*>(m_ruota), static_cast<QWidget*>(m_dimensione),
                       static_cast<QWidget*>(m_aggiorna)}) {
        w->setEnabled(!inCalcolo);
    }
}

void TAnalisiFiltroStorica::calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi)
{
    const CampioneStorico campione(m_stato.archivio, m_ruota->currentIndex(), m_dimensione->currentIndex());
    AnalisiFiltroStorica(campione, m_filtro, conteggi, controllo);
}
