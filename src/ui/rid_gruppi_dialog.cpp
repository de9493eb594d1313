#include "ui/rid_gruppi_dialog.h"

#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "ui/analisi_filtro_dialog.h"
#include "ui/campo_errori.h"
#include "ui/elenchi_numerati.h"
#include "ui/grafico_barre.h"
#include "ui/gruppo_modo_filtro.h"
#include "ui/servizi_finestre.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor Verde(0, 170, 0);
const QColor Rosso(210, 0, 0);

void MostraGrafico(GraficoBarre& grafico, const std::vector<BarraFiltro>& barre)
{
    std::vector<double> valori;
    std::vector<QColor> colori;
    QStringList etichette;
    for (const BarraFiltro& b : barre) {
        valori.push_back(static_cast<double>(b.conteggio));
        colori.push_back(b.ammessa ? Verde : Rosso);
        etichette << QString::number(b.valore);
    }
    grafico.setDati(std::move(valori));
    grafico.setEtichette(etichette);
    grafico.setColoriBarre(std::move(colori));
}

GraficoBarre* NuovoGrafico(const QString& nome, QWidget* genitore)
{
    auto* grafico = new GraficoBarre(genitore);
    grafico->setObjectName(nome);
    grafico->setClic(GraficoBarre::Clic::Nessuno);
    grafico->setMinimumSize(220, 200);
    return grafico;
}

} // namespace

TRidFiltroGruppi::TRidFiltroGruppi(StatoApplicazione& stato, ServiziFinestre& servizi, MembroFiltro membro,
                                   QString topic, const QString& titolo, const QString& sceltaGrafico,
                                   QWidget* parent)
    : TRiduzioneDialog(stato, servizi, topic, titolo, parent, QStringLiteral("Applica riduzione")),
      m_membro(membro), m_topic(std::move(topic))
{
    auto* corpo = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;
    m_modo = new GruppoModoFiltro(Qt::Vertical, stato, this);
    disabilitaInEsecuzione(m_modo);
    sinistra->addWidget(m_modo);
    m_gruppi = new QVBoxLayout;
    sinistra->addLayout(m_gruppi, 1);
    m_errori = new CampoErrori(this);
    disabilitaInEsecuzione(m_errori);
    sinistra->addWidget(m_errori);
    corpo->addLayout(sinistra);
    corpo->addWidget(creaGrafici(sceltaGrafico), 1);
    areaParametri()->addLayout(corpo, 1);

    const PulsantiAnalisi analisi = aggiungiPulsantiAnalisi();
    connect(analisi.giocate, &QPushButton::clicked, this, &TRidFiltroGruppi::apriAnalisiGiocate);
    connect(analisi.storica, &QPushButton::clicked, this, &TRidFiltroGruppi::apriAnalisiStorica);

    mostraConteggio(QString::fromUtf8(messaggi_filtro::GiocateFinali));
}

ModoFiltro TRidFiltroGruppi::modo() const
{
    return m_modo->modo();
}

QLineEdit* TRidFiltroGruppi::campoErrori() const
{
    return m_errori->campo();
}

void TRidFiltroGruppi::limitaErrori(int massimo, int caratteri)
{
    m_errori->setMassimo(massimo);
    m_errori->campo()->setMaxLength(caratteri > 0 ? caratteri : 9);
}

void TRidFiltroGruppi::mostraErrori(std::int32_t errori)
{
    m_errori->mostra(errori);
}

QWidget* TRidFiltroGruppi::creaGrafici(const QString& sceltaGrafico)
{
    auto* riquadro = new QGroupBox(QStringLiteral(" Grafici "), this);
    riquadro->setObjectName(QStringLiteral("graficiGroupBox"));
    auto* layout = new QVBoxLayout(riquadro);
    auto* scelta = new QHBoxLayout;
    auto* etichetta = new QLabel(sceltaGrafico, riquadro);
    m_sceltaGrafico = new QComboBox(riquadro);
    m_sceltaGrafico->setObjectName(QStringLiteral("sceltaGraficoComboBox"));
    m_sceltaGrafico->setMinimumContentsLength(3);
    etichetta->setBuddy(m_sceltaGrafico);
    auto* aggiorna = new QPushButton(QStringLiteral("Aggiorna"), riquadro);
    aggiorna->setObjectName(QStringLiteral("aggiornaPushButton"));
    aggiorna->setAutoDefault(false);
    scelta->addWidget(etichetta);
    scelta->addWidget(m_sceltaGrafico);
    scelta->addStretch(1);
    scelta->addWidget(aggiorna);
    layout->addLayout(scelta);

    auto* grafici = new QGridLayout;
    grafici->addWidget(new QLabel(QStringLiteral("Giocate"), riquadro), 0, 0);
    grafici->addWidget(new QLabel(QStringLiteral("Archivio storico"), riquadro), 0, 1);
    m_graficoGiocate = NuovoGrafico(QStringLiteral("graficoGiocate"), riquadro);
    m_graficoArchivio = NuovoGrafico(QStringLiteral("graficoArchivio"), riquadro);
    grafici->addWidget(m_graficoGiocate, 1, 0);
    grafici->addWidget(m_graficoArchivio, 1, 1);
    m_giocateValide = new QLabel(QString::fromStdString(m_datiGiocate.testo(GiocateValideGrafico)), riquadro);
    m_giocateValide->setObjectName(QStringLiteral("giocateValideLabel"));
    m_estrazioniValide =
        new QLabel(QString::fromStdString(m_datiArchivio.testo(EstrazioniValideGrafico)), riquadro);
    m_estrazioniValide->setObjectName(QStringLiteral("estrazioniValideLabel"));
    grafici->addWidget(m_giocateValide, 2, 0);
    grafici->addWidget(m_estrazioniValide, 2, 1);
    grafici->setRowStretch(1, 1);
    layout->addLayout(grafici, 1);
    disabilitaInEsecuzione(m_sceltaGrafico);
    disabilitaInEsecuzione(aggiorna);
    connect(aggiorna, &QPushButton::clicked, this, &TRidFiltroGruppi::aggiornaGrafici);
    return riquadro;
}

void TRidFiltroGruppi::ricostruisciSceltaGrafico()
{
    RiempiSelettoreNumerato(m_sceltaGrafico, gruppiGrafico());
}

void TRidFiltroGruppi::mostraRifiuto(const Messaggio& messaggio, QWidget* focus)
{
    stato().messaggi.mostra(messaggio);
    if (focus != nullptr) {
        focus->setFocus();
    }
}

bool TRidFiltroGruppi::accetta()
{
    if (!accettaImpostazioni()) {
        return false;
    }
    ricostruisciSceltaGrafico();
    return true;
}

void TRidFiltroGruppi::aggiornaGrafici()
{
    if (inEsecuzione() || !accetta()) {
        return;
    }
    const int g = m_sceltaGrafico->currentIndex();
    if (g < 0) {
        return;
    }
    const auto [gruppo, ammessi] = gruppoGrafico(g);
    GraficoFiltro giocate;
    GraficoFiltro archivio;
    const ModoFiltro scelto = modo();
    const bool completati = calcolaInEsecuzione([&](ControlloEsecuzione& controllo) {
        return GraficoGiocateGruppo(stato().sistema, stato().giocate, scelto, gruppo, ammessi, giocate,
                                    controllo) &&
               GraficoArchivioGruppo(stato().archivio, gruppo, ammessi, archivio, controllo);
    });
    if (!completati) {
        return;
    }
    m_datiGiocate = giocate;
    m_datiArchivio = archivio;
    mostraGrafici();
}

void TRidFiltroGruppi::mostraGrafici()
{
    MostraGrafico(*m_graficoGiocate, BarreGiocate(m_datiGiocate));
    MostraGrafico(*m_graficoArchivio,
                  m_datiArchivio.calcolato ? m_datiArchivio.barre(5) : std::vector<BarraFiltro>{});
    m_giocateValide->setText(QString::fromStdString(m_datiGiocate.testo(GiocateValideGrafico)));
    m_estrazioniValide->setText(QString::fromStdString(m_datiArchivio.testo(EstrazioniValideGrafico)));
}

FiltroRiduzione TRidFiltroGruppi::filtro()
{
    return FiltroRiduzione::DelSistema(m_membro, stato().sistema, stato().archivio);
}

EsitoRiduzione TRidFiltroGruppi::esegui(ControlloEsecuzione& controllo)
{
    EsitoRiduzione esito = RiduzioneFiltro(stato().sistema, stato().giocate, filtro(), modo(),
                                           consideraFisse(m_modo->casellaFisse()), controllo);
    if (!esito.confermata()) {
        m_modo->aggiorna(stato().giocate.conteggio());
    }
    return esito;
}

void TRidFiltroGruppi::apriAnalisiGiocate()
{
    if (!accetta()) {
        return;
    }
    TAnalisiFiltroGiocate finestra(stato(), servizi(), filtro(), modo(),
                                   consideraFisse(m_modo->casellaFisse()), m_topic, this);
    servizi().esegui(finestra);
}

void TRidFiltroGruppi::apriAnalisiStorica()
{
    if (!accetta()) {
        return;
    }
    TAnalisiFiltroStorica finestra(stato(), servizi(), filtro(), m_topic, this);
    servizi().esegui(finestra);
}
