#include "ui/vista_statistica.h"

#include "editor/stato_applicazione.h"
#include "editor/viste_statistiche.h"
#include "ui/cursore_occupato.h"
#include "ui/delegato_barra_valore.h"
#include "ui/servizi_finestre.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum Pagina { PaginaGrafico, PaginaGriglia, PaginaSmorfia, PaginaAnalisi };

QString Testo(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A read-only grid of texts; the value column may carry a number and a note for the bar delegate.
class ModelloTesti final : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void imposta(QStringList colonne, std::vector<QStringList> righe, std::vector<double> valori = {},
                 std::vector<QString> note = {})
    {
        beginResetModel();
        m_colonne = std::move(colonne);
        m_righe = std::move(righe);
        m_valori = std::move(valori);
        m_note = std::move(note);
        endResetModel();
    }

    int rowCount(const QModelIndex& genitore = {}) const override
    {
        return genitore.isValid() ? 0 : static_cast<int>(m_righe.size());
    }
    int columnCount(const QModelIndex& genitore = {}) const override
    {
        return genitore.isValid() ? 0 : static_cast<int>(m_colonne.size());
    }
    QVariant data(const QModelIndex& indice, int ruolo) const override
    {
        const auto riga = static_cast<std::size_t>(indice.row());
        if (!indice.isValid() || riga >= m_righe.size()) {
            return {};
        }
        const bool valore = indice.column() == static_cast<int>(m_colonne.size()) - 1;
        switch (ruolo) {
        case Qt::DisplayRole:
            return indice.column() < m_righe[riga].size() ? m_righe[riga].at(indice.column()) : QString();
        case DelegatoBarraValore::RuoloValore:
            return valore && riga < m_valori.size() ? QVariant(m_valori[riga]) : QVariant();
        case DelegatoBarraValore::RuoloNota:
            return valore && riga < m_note.size() ? QVariant(m_note[riga]) : QVariant();
        default:
            return {};
        }
    }
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo) const override
    {
        if (orientamento == Qt::Horizontal && ruolo == Qt::DisplayRole && sezione < m_colonne.size()) {
            return m_colonne.at(sezione);
        }
        return {};
    }

private:
    QStringList m_colonne;
    std::vector<QStringList> m_righe;
    std::vector<double> m_valori;
    std::vector<QString> m_note;
};

ModelloTesti* Modello(QTableView* vista)
{
    return static_cast<ModelloTesti*>(vista->model());
}

QTableView* Griglia(const char* nome, QWidget* genitore)
{
    auto* griglia = new QTableView(genitore);
    griglia->setObjectName(QString::fromLatin1(nome));
    griglia->setModel(new ModelloTesti(griglia));
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia->verticalHeader()->hide();
    griglia->verticalHeader()->setDefaultSectionSize(griglia->fontMetrics().height() + 6);
    griglia->horizontalHeader()->setStretchLastSection(true);
    griglia->horizontalHeader()->setSectionsClickable(false);
    return griglia;
}

} // namespace

VistaStatistica::VistaStatistica(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QWidget(parent), m_stato(stato), m_servizi(servizi)
{
    setObjectName(QStringLiteral("vistaStatistica"));
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(4);
    colonna->addLayout(creaBarra());

    m_pagine = new QStackedWidget(this);
    m_grafico = new GraficoBarre(m_pagine);
    m_grafico->setObjectName(QStringLiteral("statisticheGraficoBarre"));
    QFont piccolo = m_grafico->font();
    piccolo.setPointSizeF(piccolo.pointSizeF() * 0.85);
    m_grafico->setFont(piccolo);
    m_grafico->setOrdinatore([](const std::vector<double>& chiavi, bool decrescente) {
        return viste::OrdinaPerScambio(chiavi, decrescente);
    });
    connect(m_grafico, &GraficoBarre::ordinamentoCambiato, this, [this](GraficoBarre::Ordinamento o) {
        if (m_vista && viste::Descrizione(*m_vista).tipo == viste::TipoVista::Grafico) {
            m_ordinamenti[viste::Indice(*m_vista)] = o;
        }
    });
    m_pagine->addWidget(m_grafico);

    m_griglia = Griglia("statisticheTableView", m_pagine);
    m_delegato = new DelegatoBarraValore(m_griglia);
    m_pagine->addWidget(m_griglia);
    m_pagine->addWidget(creaPaginaSmorfia());
    m_pagine->addWidget(creaPaginaAnalisi());
    m_pagine->setMinimumHeight(AltezzaMinimaGrafico);
    colonna->addWidget(m_pagine, 1);

    for (const viste::DescrizioneVista& d : viste::Viste()) {
        m_ordinamenti[viste::Indice(d.vista)] =
            d.decrescente() ? GraficoBarre::Ordinamento::Decrescente : GraficoBarre::Ordinamento::Crescente;
    }
    m_chiavi.fill(1);
}

VistaStatistica::~VistaStatistica() = default;

QHBoxLayout* VistaStatistica::creaBarra()
{
    auto* barra = new QHBoxLayout;
    barra->addWidget(new QLabel(QStringLiteral("Visualizza:"), this));
    m_selettore = new QComboBox(this);
    m_selettore->setObjectName(QStringLiteral("visualizzaComboBox"));
    m_selettore->setMaxVisibleItems(viste::NumeroViste);
    for (const auto& v : viste::Viste()) {
        m_selettore->addItem(Testo(v.testo));
    }
    auto* modello = qobject_cast<QStandardItemModel*>(m_selettore->model());
    modello->item(static_cast<int>(viste::Indice(viste::Vista::CerchioCiclometrico)))->setEnabled(false);
    barra->addWidget(m_selettore);
    connect(m_selettore, &QComboBox::activated, this, &VistaStatistica::vistaScelta);

    m_impostazioni = new QToolButton(this);
    m_impostazioni->setObjectName(QStringLiteral("impostazioniGraficoToolButton"));
    m_impostazioni->setText(QStringLiteral("Impostazioni del grafico"));
    m_impostazioni->setAutoRaise(true);
    barra->addWidget(m_impostazioni);
    connect(m_impostazioni, &QToolButton::clicked, this, &VistaStatistica::impostazioniGrafico);

    m_etichettaOrdina = new QLabel(QStringLiteral("Ordina per:"), this);
    barra->addWidget(m_etichettaOrdina);
    m_ordinaPer = new QComboBox(this);
    m_ordinaPer->setObjectName(QStringLiteral("ordinaPerComboBox"));
    m_ordinaPer->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    barra->addWidget(m_ordinaPer);
    connect(m_ordinaPer, &QComboBox::activated, this, &VistaStatistica::ordinaPerCambiato);

    m_guida = new QToolButton(this);
    m_guida->setObjectName(QStringLiteral("guidaToolButton"));
    m_guida->setText(QStringLiteral("?"));
    barra->addWidget(m_guida);
    connect(m_guida, &QToolButton::clicked, this, [this] {
        if (m_vista) {
            m_servizi.apriGuida(Testo(viste::Descrizione(*m_vista).guida));
        }
    });
    barra->addStretch(1);
    return barra;
}

QWidget* VistaStatistica::creaPaginaSmorfia()
{
    auto* pagina = new QWidget(m_pagine);
    auto* colonna = new QVBoxLayout(pagina);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* riga = new QHBoxLayout;
    m_smo = new QLineEdit(pagina);
    m_smo->setObjectName(QStringLiteral("smoLineEdit"));
    m_smo->setMaxLength(250);
    m_smo->setToolTip(QStringLiteral(" Inserire i termini o i numeri da ricercare "));
    m_smo->setPlaceholderText(m_smo->toolTip().trimmed());
    riga->addWidget(m_smo, 1);
    auto* cerca = new QPushButton(QStringLiteral("Cerca"), pagina);
    cerca->setObjectName(QStringLiteral("cercaPushButton"));
    riga->addWidget(cerca);
    colonna->addLayout(riga);
    m_risultatiSmorfia = Griglia("smorfiaTableView", pagina);
    Modello(m_risultatiSmorfia)->imposta({QStringLiteral("Numero"), QStringLiteral("Descrizione")}, {});
    m_risultatiSmorfia->setColumnWidth(0, 90);
    colonna->addWidget(m_risultatiSmorfia, 1);
    connect(cerca, &QPushButton::clicked, this, &VistaStatistica::cercaSmorfia);
    connect(m_smo, &QLineEdit::returnPressed, this, &VistaStatistica::cercaSmorfia);
    return pagina;
}

QWidget* VistaStatistica::creaPaginaAnalisi()
{
    auto* pagina = new QWidget(m_pagine);
    auto* colonna = new QVBoxLayout(pagina);
    colonna->setContentsMargins(0, 0, 0, 0);
    auto* riga = new QHBoxLayout;
    m_combinazione = new QLineEdit(pagina);
    m_combinazione->setObjectName(QStringLiteral("combinazioneLineEdit"));
    m_combinazione->setToolTip(
        QStringLiteral(" Inserire i numeri da analizzare separandoli con uno spazio "));
    m_combinazione->setPlaceholderText(m_combinazione->toolTip().trimmed());
    m_combinazione->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), m_combinazione));
    riga->addWidget(m_combinazione, 1);
    auto* pronostico = new QPushButton(QStringLiteral(" Inserisci i numeri del pronostico "), pagina);
    pronostico->setObjectName(QStringLiteral("pronosticoPushButton"));
    riga->addWidget(pronostico);
    auto* giocata = new QPushButton(QStringLiteral(" Inserisci i numeri della giocata selezionata "), pagina);
    giocata->setObjectName(QStringLiteral("giocataPushButton"));
    riga->addWidget(giocata);
    m_visualizza = new QPushButton(QStringLiteral("Visualizza"), pagina);
    m_visualizza->setObjectName(QStringLiteral("visualizzaPushButton"));
    m_visualizza->setEnabled(false);
    riga->addWidget(m_visualizza);
    colonna->addLayout(riga);
    m_analisi = Griglia("analisiTableView", pagina);
    colonna->addWidget(m_analisi, 1);
    // Before the first analysis the grid already shows its columns and the rows of the wheels.
    mostraAnalisi(viste::AnalisiIniziale());

    connect(m_combinazione, &QLineEdit::textChanged, this, [this] { m_visualizza->setEnabled(true); });
    connect(m_combinazione, &QLineEdit::returnPressed, this, &VistaStatistica::visualizzaAnalisi);
    connect(m_visualizza, &QPushButton::clicked, this, &VistaStatistica::visualizzaAnalisi);
    connect(pronostico, &QPushButton::clicked, this, &VistaStatistica::inserisciPronostico);
    connect(giocata, &QPushButton::clicked, this, &VistaStatistica::inserisciGiocata);
    return pagina;
}

void VistaStatistica::setApriCerchio(std::function<void()> apri)
{
    m_apriCerchio = std::move(apri);
    auto* modello = qobject_cast<QStandardItemModel*>(m_selettore->model());
    modello->item(static_cast<int>(viste::Indice(viste::Vista::CerchioCiclometrico)))
        ->setEnabled(static_cast<bool>(m_apriCerchio));
}

QSize VistaStatistica::sizeHint() const
{
    return {900, 360};
}

std::int32_t VistaStatistica::finestra()
{
    return viste::LimitaFinestra(m_stato.generali, m_stato.archivio.conteggio());
}

void VistaStatistica::vistaScelta(int indice)
{
    if (const std::optional<viste::Vista> vista = viste::VistaDaIndice(indice)) {
        selezionaVista(*vista);
    }
}

void VistaStatistica::apriCerchio()
{
    // The circle opens in its own window; the selector returns to the view shown before.
    m_selettore->setCurrentIndex(m_vista ? static_cast<int>(viste::Indice(*m_vista)) : -1);
    if (m_apriCerchio) {
        m_apriCerchio();
    }
}

void VistaStatistica::selezionaVista(viste::Vista vista)
{
    if (viste::Descrizione(vista).tipo == viste::TipoVista::CerchioCiclometrico) {
        apriCerchio();
        return;
    }
    m_vista = vista;
    m_selettore->setCurrentIndex(static_cast<int>(viste::Indice(vista)));
    ricalcola();
}

void VistaStatistica::ricalcola()
{
    if (!m_vista) {
        return;
    }
    const viste::DescrizioneVista& d = viste::Descrizione(*m_vista);
    m_impostazioni->setEnabled(d.impostazioni);
    m_guida->setVisible(!d.guida.empty());
    m_guida->setToolTip(Testo(d.spiegazione));
    const bool multi = d.serie > 1;
    m_etichettaOrdina->setVisible(multi);
    m_ordinaPer->setVisible(multi);
    switch (d.tipo) {
    case viste::TipoVista::Grafico:
        m_pagine->setCurrentIndex(PaginaGrafico);
        mostraGrafico();
        break;
    case viste::TipoVista::Griglia:
        m_pagine->setCurrentIndex(PaginaGriglia);
        mostraGriglia();
        break;
    case viste::TipoVista::Smorfia:
        m_pagine->setCurrentIndex(PaginaSmorfia);
        break;
    case viste::TipoVista::AnalisiCombinazioni:
        m_pagine->setCurrentIndex(PaginaAnalisi);
        break;
    case viste::TipoVista::CerchioCiclometrico:
        break;
    }
}

void VistaStatistica::mostraGrafico()
{
    const viste::ContestoViste contesto{m_stato.archivio, m_stato.statistiche, m_stato.sistema.ruote,
                                        finestra()};
    const viste::DatiGrafico dati = viste::CalcolaGrafico(*m_vista, contesto);
    std::vector<double> valori;
    valori.reserve(dati.valori.size() * static_cast<std::size_t>(dati.serie));
    for (const auto& v : dati.valori) {
        for (int s = 0; s < dati.serie; ++s) {
            valori.push_back(v[static_cast<std::size_t>(s)]);
        }
    }
    m_grafico->setTitolo(Testo(dati.titolo));
    m_grafico->setDati(std::move(valori), dati.serie);
    QStringList nomi;
    for (std::size_t i = 1; i < dati.ordinaPer.size(); ++i) {
        nomi << Testo(dati.ordinaPer[i]);
    }
    m_grafico->setNomiSerie(nomi);
    const auto k = viste::Indice(*m_vista);
    // Every view keeps the chart's own series colours (blue, green, orange, red, purple), so that the
    // minimum, mean and maximum series are green, orange and red, as the help pages say.
    if (dati.serie == 1) {
        m_grafico->setClic(GraficoBarre::Clic::Ciclo);
        m_grafico->setSerieChiave(0);
        m_grafico->setLarghezzaMinimaBarra(0);
    } else {
        m_grafico->setClic(GraficoBarre::Clic::InvertiDirezione);
        // Four or five bars per number stay readable: the chart scrolls instead of squeezing them.
        m_grafico->setLarghezzaMinimaBarra(6);
        m_ordinaPer->clear();
        for (const std::string& voce : dati.ordinaPer) {
            m_ordinaPer->addItem(Testo(voce));
        }
        m_ordinaPer->setCurrentIndex(m_chiavi[k]);
        m_grafico->setSerieChiave(m_chiavi[k] - 1);
    }
    m_grafico->setOrdinamento(m_ordinamenti[k]);
}

void VistaStatistica::ordinaPerCambiato(int indice)
{
    if (!m_vista || viste::Descrizione(*m_vista).serie <= 1 || indice < 0) {
        return;
    }
    m_chiavi[viste::Indice(*m_vista)] = indice;
    m_grafico->setSerieChiave(indice - 1);
}

void VistaStatistica::mostraGriglia()
{
    CursoreOccupato occupato;
    const viste::ContestoViste contesto{m_stato.archivio, m_stato.statistiche, m_stato.sistema.ruote,
                                        finestra()};
    const viste::TabellaVista tabella = viste::CalcolaTabella(*m_vista, contesto);
    QStringList colonne;
    for (const std::string& c : tabella.colonne) {
        colonne << Testo(c);
    }
    std::vector<QStringList> righe;
    std::vector<double> valori;
    std::vector<QString> note;
    righe.reserve(tabella.righe.size());
    valori.reserve(tabella.righe.size());
    const QString maiUscito = QString::fromUtf8(viste::AmboMaiUscito);
    double massimo = 0;
    for (const viste::RigaTabella& r : tabella.righe) {
        QStringList celle;
        for (std::size_t c = 0; c < tabella.colonne.size(); ++c) {
            celle << QString::fromStdString(viste::TestoCella(tabella, r, c));
        }
        righe.push_back(std::move(celle));
        valori.push_back(r.valore);
        massimo = std::max(massimo, static_cast<double>(r.valore));
        note.push_back(r.maiUscito ? maiUscito : QString());
    }
    Modello(m_griglia)->imposta(colonne, std::move(righe), std::move(valori), std::move(note));
    const int ultima = static_cast<int>(colonne.size()) - 1;
    for (int c = 0; c < ultima; ++c) {
        m_griglia->setItemDelegateForColumn(c, nullptr);
        m_griglia->setColumnWidth(c, c == 0 && ultima == 1 ? 90 : c == 1 ? 110 : 80);
    }
    m_delegato->setMassimo(massimo);
    m_griglia->setItemDelegateForColumn(ultima, m_delegato);
    m_griglia->scrollToTop();
}

void VistaStatistica::impostazioniGrafico()
{
    if (!m_vista) {
        return;
    }
    const viste::DescrizioneVista& d = viste::Descrizione(*m_vista);
    if (m_apriImpostazioni) {
        m_apriImpostazioni(d.probabilita);
    }
    if (d.tipo == viste::TipoVista::AnalisiCombinazioni) {
        m_visualizza->setEnabled(true);
    } else {
        ricalcola();
    }
}

void VistaStatistica::cercaSmorfia()
{
    const std::string testo = m_smo->text().toStdString();
    if (QString::fromStdString(testo).trimmed().isEmpty()) {
        return;
    }
    Modello(m_risultatiSmorfia)->imposta({QStringLiteral("Numero"), QStringLiteral("Descrizione")}, {});
    if (!m_dizionario) {
        std::vector<smorfia::Voce> voci;
        if (!smorfia::LeggiSmorfia(m_stato.cartelle.dati + smorfia::NomeFile, voci)) {
            return;
        }
        m_dizionario = std::move(voci);
    }
    std::vector<QStringList> righe;
    for (const smorfia::Risultato& r : smorfia::CercaSmorfia(*m_dizionario, testo)) {
        righe.push_back({QString::fromStdString(r.testoNumero), QString::fromStdString(r.descrizione)});
    }
    Modello(m_risultatiSmorfia)
        ->imposta({QStringLiteral("Numero"), QStringLiteral("Descrizione")}, std::move(righe));
}

void VistaStatistica::visualizzaAnalisi()
{
    SegniNumeri insieme{};
    if (LeggiElencoNumeri(m_combinazione->text().toStdString(), insieme) == 0) {
        m_stato.messaggi.mostra(Avviso(viste::NumeriNonValidi));
        m_combinazione->setFocus();
        return;
    }
    CursoreOccupato occupato;
    mostraAnalisi(viste::AnalizzaCombinazioni(m_stato.archivio, insieme, finestra()));
    m_analisi->selectRow(m_analisi->model()->rowCount() - 1);
    m_analisi->scrollToBottom();
    m_visualizza->setEnabled(false);
}

void VistaStatistica::mostraAnalisi(const std::vector<viste::RigaAnalisi>& analisi)
{
    std::vector<QStringList> righe;
    righe.reserve(analisi.size());
    for (const viste::RigaAnalisi& r : analisi) {
        QStringList celle{QString::fromStdString(r.etichetta)};
        for (std::int32_t c : r.conteggi) {
            celle << (r.vuota ? QString() : QString::number(c));
        }
        righe.push_back(std::move(celle));
    }
    Modello(m_analisi)->imposta({QStringLiteral("Data/Ruota"), QStringLiteral("Nº estratti"),
                                 QStringLiteral("Nº ambi"), QStringLiteral("Nº terni"),
                                 QStringLiteral("Nº quaterne"), QStringLiteral("Nº cinquine")},
                                std::move(righe));
    for (int c = 0; c < 6; ++c) {
        m_analisi->setColumnWidth(c, c == 0 ? 110 : 95);
    }
}

void VistaStatistica::inserisciPronostico()
{
    QStringList numeri;
    for (int n = 1; n <= NumeroMassimo; ++n) {
        if (m_stato.sistema.pronostico[static_cast<std::size_t>(n - 1)] != 0) {
            numeri << QString::number(n);
        }
    }
    m_combinazione->setText(numeri.join(QLatin1Char(' ')));
}

void VistaStatistica::inserisciGiocata()
{
    const Tipo_Giocata giocata = m_giocataSelezionata ? m_giocataSelezionata() : Tipo_Giocata{};
    if (NumeriGiocata(giocata) > 0) {
        m_combinazione->setText(QString::fromStdString(TestoGiocata(giocata)));
    }
}
