// The reductions by cadences, figures and decades: the grid of the groups and of the counts each allows.
#include "ui/rid_gruppi_dialog.h"

#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct Famiglia
{
    MembroFiltro membro;
    const char* titolo;
    const char* topic;
    const char* scelta;
};

Famiglia Descrizione(FamigliaGruppi famiglia)
{
    switch (famiglia) {
    case FamigliaGruppi::Cadenze:
        return {MembroFiltro::Cadenze, "Riduzione in base alle cadenze", "mdr_cadenze.htm",
                "Grafici cadenza Nº"};
    case FamigliaGruppi::Figure:
        return {MembroFiltro::Figure, "Riduzione in base alle figure", "mdr_figure.htm", "Grafici figura Nº"};
    case FamigliaGruppi::Decine:
        break;
    }
    return {MembroFiltro::Decine, "Riduzione in base alle decine naturali", "mdr_decine.htm",
            "Grafici decina Nº"};
}

constexpr int Quantita = 11; // counts 0..10

} // namespace

TRidGruppiFissi::TRidGruppiFissi(StatoApplicazione& stato, ServiziFinestre& servizi, FamigliaGruppi famiglia,
                                 QWidget* parent)
    : TRidFiltroGruppi(stato, servizi, Descrizione(famiglia).membro,
                       QString::fromLatin1(Descrizione(famiglia).topic),
                       QString::fromUtf8(Descrizione(famiglia).titolo),
                       QString::fromUtf8(Descrizione(famiglia).scelta), parent),
      m_famiglia(famiglia)
{
    const GruppiFissi record = GruppiDelSistema(stato.sistema, famiglia);
    auto* riquadro = new QGroupBox(this);
    riquadro->setObjectName(QStringLiteral("gruppiGroupBox"));
    auto* griglia = new QGridLayout(riquadro);
    griglia->setHorizontalSpacing(1);
    griglia->setVerticalSpacing(1);
    auto* presenze = new QLabel(QStringLiteral("Presenze consentite"), riquadro);
    presenze->setAlignment(Qt::AlignCenter);
    griglia->addWidget(presenze, 0, 1, 1, Quantita);
    for (int q = 0; q < Quantita; ++q) {
        auto* titolo = new QLabel(QString::number(q), riquadro);
        titolo->setAlignment(Qt::AlignCenter);
        griglia->addWidget(titolo, 1, q + 1);
    }
    for (int g = 0; g < record.gruppi(); ++g) {
        const auto gi = static_cast<std::size_t>(g);
        auto* casella =
            new QCheckBox(QString::fromStdString(TestoMaschera(NumeriGruppo(famiglia, g + 1))), riquadro);
        casella->setObjectName(QStringLiteral("gruppo%1CheckBox").arg(g + 1));
        m_inUso[gi] = casella;
        griglia->addWidget(casella, g + 2, 0);
        griglia->setColumnMinimumWidth(0, casella->sizeHint().width() + 8);
        for (int q = 0; q < Quantita; ++q) {
            auto* cella = new QPushButton(QString::number(q), riquadro);
            cella->setObjectName(QStringLiteral("presenza%1_%2PushButton").arg(g + 1).arg(q));
            cella->setCheckable(true);
            cella->setAutoDefault(false);
            cella->setFocusPolicy(Qt::NoFocus);
            cella->setFixedSize(24, 22);
            cella->setStyleSheet(
                QStringLiteral("QPushButton { background: white; border: 1px solid #a0a0a0; }"
                               "QPushButton:checked { background: #2060c0; color: white; }"));
            m_presenze[gi][static_cast<std::size_t>(q)] = cella;
            griglia->addWidget(cella, g + 2, q + 1);
            connect(cella, &QPushButton::toggled, this,
                    [this, g](bool accesa) { presenzaCambiata(g, accesa); });
        }
    }
    griglia->setRowStretch(record.gruppi() + 2, 1);
    areaGruppi()->addWidget(riquadro, 1);
    disabilitaInEsecuzione(riquadro);

    limitaErrori(record.gruppi() - 1, 1);
    mostraRecord(record);
    ricostruisciSceltaGrafico();
    resize(1040, 560);
}

void TRidGruppiFissi::mostraRecord(const GruppiFissi& record)
{
    for (std::size_t g = 0; g < static_cast<std::size_t>(record.gruppi()); ++g) {
        m_inUso[g]->setChecked(record.inUso[g]);
        for (std::size_t q = 0; q < Quantita; ++q) {
            const QSignalBlocker blocco(m_presenze[g][q]);
            m_presenze[g][q]->setChecked(((record.ammesse[g] >> q) & 1U) != 0);
        }
    }
    mostraErrori(record.massimoErrori);
}

void TRidGruppiFissi::presenzaCambiata(int gruppo, bool accesa)
{
    const auto& riga = m_presenze[static_cast<std::size_t>(gruppo)];
    if (accesa ||
        std::any_of(riga.begin(), riga.end(), [](const QPushButton* p) { return p->isChecked(); })) {
        return;
    }
    // A group always allows some count: with the last one gone, 0 comes back.
    const QSignalBlocker blocco(riga.front());
    riga.front()->setChecked(true);
}

bool TRidGruppiFissi::accettaImpostazioni()
{
    std::array<bool, 10> inUso{};
    std::array<std::uint16_t, 10> ammesse{};
    const int gruppi = gruppiGrafico();
    for (std::size_t g = 0; g < static_cast<std::size_t>(gruppi); ++g) {
        inUso[g] = m_inUso[g]->isChecked();
        for (std::size_t q = 0; q < Quantita; ++q) {
            if (m_presenze[g][q]->isChecked()) {
                ammesse[g] = static_cast<std::uint16_t>(ammesse[g] | (1U << q));
            }
        }
    }
    const EsitoAccettazione<GruppiFissi> esito =
        AccettaGruppi(m_famiglia, campoErrori()->text().toStdString(), inUso, ammesse);
    if (!esito.ok()) {
        mostraRifiuto(*esito.messaggio, esito.focus == FocusAccettazione::Errori
                                            ? static_cast<QWidget*>(campoErrori())
                                            : m_inUso[0]);
        return false;
    }
    Sistema& sistema = stato().sistema;
    ImpostaGruppi(sistema, *esito.record);
    const std::string& cartella = stato().cartelle.dati;
    bool scritto = false;
    switch (m_famiglia) {
    case FamigliaGruppi::Cadenze:
        scritto = ScriviCadenze(cartella, sistema.riduzioni.cadenze);
        break;
    case FamigliaGruppi::Figure:
        scritto = ScriviFigure(cartella, sistema.riduzioni.figure);
        break;
    case FamigliaGruppi::Decine:
        scritto = ScriviDecine(cartella, sistema.riduzioni.decine);
        break;
    }
    if (!scritto) {
        // The settings stand for this session; the user learns that they were not saved.
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    mostraRecord(*esito.record);
    return true;
}

int TRidGruppiFissi::gruppiGrafico() const
{
    return m_famiglia == FamigliaGruppi::Cadenze ? 10 : 9;
}

std::pair<Maschera90, std::uint16_t> TRidGruppiFissi::gruppoGrafico(int g)
{
    const GruppiFissi record = GruppiDelSistema(stato().sistema, m_famiglia);
    return {NumeriGruppo(m_famiglia, g + 1), record.ammesse[static_cast<std::size_t>(g)]};
}
