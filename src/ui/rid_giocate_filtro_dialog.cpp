#include "ui/rid_giocate_filtro_dialog.h"

#include "core/impostazioni.h"
#include "editor/file_riduzioni.h"
#include "editor/stato_applicazione.h"
#include "reductions/accetta_giocate_filtro.h"
#include "reductions/rid_filtri.h"
#include "ui/analisi_filtro_dialog.h"
#include "ui/gruppo_modo_filtro.h"
#include "ui/imposta_punteggi_dialog.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mgf = messaggi_giocate_filtro;

namespace {

constexpr const char* TopicGuida = "mdr_giofiltro.htm";
constexpr const char* ChiaveSoloPronostico = "RidFiltroCB1";
constexpr const char* FiltroFileTesto = "File di testo (*.txt);;Tutti i file (*)";

QTableWidgetItem* Cella(const QString& testo)
{
    auto* cella = new QTableWidgetItem(testo);
    cella->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cella;
}

} // namespace

QPushButton* PulsanteValore(const QString& testo, QWidget* genitore)
{
    auto* p = new QPushButton(testo, genitore);
    p->setCheckable(true);
    p->setAutoDefault(false);
    p->setFocusPolicy(Qt::TabFocus);
    p->setFixedSize(28, 24);
    p->setStyleSheet(QStringLiteral("QPushButton { background: white; border: 1px solid #a0a0a0; }"
                                    "QPushButton:checked { background: #2060c0; color: white; }"
                                    "QPushButton:disabled { background: #e8e8e8; color: #a0a0a0; }"
                                    "QPushButton:checked:disabled { background: #8da8d8; color: white; }"));
    return p;
}

TRidGiocateFiltro::TRidGiocateFiltro(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QString::fromLatin1(TopicGuida),
                       QStringLiteral("Riduzione tramite giocate filtro"), parent,
                       QStringLiteral("Applica riduzione")),
      m_filtri(GiocateFiltroDelSistema(stato.sistema))
{
    m_modo = new GruppoModoFiltro(Qt::Horizontal, stato, this);
    disabilitaInEsecuzione(m_modo);
    areaParametri()->addWidget(m_modo);
    areaParametri()->addWidget(creaElenco(), 1);

    const PulsantiAnalisi analisi = aggiungiPulsantiAnalisi();
    connect(analisi.giocate, &QPushButton::clicked, this, &TRidGiocateFiltro::apriAnalisiGiocate);
    connect(analisi.storica, &QPushButton::clicked, this, &TRidGiocateFiltro::apriAnalisiStorica);

    mostraConteggio(QString::fromUtf8(messaggi_filtro::GiocateFinali));
    m_selezionata = 0;
    ricostruisci();
    resize(minimumSizeHint().expandedTo(QSize(900, 640)));
}

QWidget* TRidGiocateFiltro::creaElenco()
{
    auto* gruppo = new QGroupBox(QStringLiteral(" Elenco giocate filtro "), this);
    gruppo->setObjectName(QStringLiteral("elencoGroupBox"));
    auto* layout = new QVBoxLayout(gruppo);
    auto* corpo = new QHBoxLayout;

    m_elenco = new QTableWidget(0, 3, gruppo);
    m_elenco->setObjectName(QStringLiteral("giocateFiltroTableWidget"));
    m_elenco->setHorizontalHeaderLabels(
        {QStringLiteral("Nº"), QStringLiteral("Giocata filtro"), QStringLiteral("Punteggi consentiti")});
    m_elenco->verticalHeader()->hide();
    m_elenco->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_elenco->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_elenco->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_elenco->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_elenco->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_elenco->setSelectionMode(QAbstractItemView::SingleSelection);
    m_elenco->setWordWrap(false);
    m_elenco->setMinimumWidth(300);
    corpo->addWidget(m_elenco, 1);
    corpo->addWidget(creaEditor());
    layout->addLayout(corpo, 1);

    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel(QStringLiteral("Numero massimo di errori consentiti:"), gruppo));
    m_errori = new QComboBox(gruppo);
    m_errori->setObjectName(QStringLiteral("erroriComboBox"));
    m_errori->setMinimumContentsLength(4);
    riga->addWidget(m_errori);
    riga->addStretch(1);
    layout->addLayout(riga);

    auto* pulsanti = new QHBoxLayout;
    const auto pulsante = [&](const char* testo, const char* nome, const char* suggerimento) {
        auto* p = new QPushButton(QString::fromUtf8(testo), gruppo);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        if (suggerimento != nullptr) {
            p->setToolTip(QString::fromUtf8(suggerimento));
        }
        pulsanti->addWidget(p);
        return p;
    };
    QPushButton* esportaP =
        pulsante("Esporta su file di testo", "esportaPushButton", " Salva giocate filtro su file di testo ");
    QPushButton* importaP =
        pulsante("Importa da file di testo", "importaPushButton", " Carica giocate filtro da file di testo ");
    QPushButton* eliminaP = pulsante("Elimina tutte", "eliminaTuttePushButton", nullptr);
    QPushButton* punteggiP = pulsante("Modifica tutti i punteggi", "modificaPunteggiPushButton",
                                      " Permette di impostare gli stessi punteggi consentiti per tutte le "
                                      "combinazioni filtro inserendoli una sola volta ");
    pulsanti->addStretch(1);
    layout->addLayout(pulsanti);
    disabilitaInEsecuzione(gruppo);

    connect(m_elenco, &QTableWidget::currentCellChanged, this,
            [this](int corrente, int, int, int) { selezionaRiga(corrente); });
    connect(esportaP, &QPushButton::clicked, this, &TRidGiocateFiltro::esporta);
    connect(importaP, &QPushButton::clicked, this, &TRidGiocateFiltro::importa);
    connect(eliminaP, &QPushButton::clicked, this, &TRidGiocateFiltro::eliminaTutte);
    connect(punteggiP, &QPushButton::clicked, this, &TRidGiocateFiltro::modificaPunteggi);
    return gruppo;
}

QWidget* TRidGiocateFiltro::creaEditor()
{
    m_editor = new QGroupBox(this);
    m_editor->setObjectName(QStringLiteral("editorGroupBox"));
    auto* layout = new QVBoxLayout(m_editor);
    auto* griglia = new QGridLayout;
    griglia->setSpacing(1);
    for (int numero = 1; numero <= 90; ++numero) {
        QPushButton* p = PulsanteValore(QString::number(numero), m_editor);
        p->setObjectName(QStringLiteral("numero%1PushButton").arg(numero));
        griglia->addWidget(p, (numero - 1) / 10, (numero - 1) % 10);
        m_numeri[static_cast<std::size_t>(numero - 1)] = p;
        connect(p, &QPushButton::clicked, this,
                [this, numero](bool acceso) { modifica(numero, -1, acceso); });
    }
    layout->addLayout(griglia);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("Punteggi consentiti"), m_editor));
    auto* punteggi = new QHBoxLayout;
    punteggi->setSpacing(1);
    for (int s = 0; s <= 10; ++s) {
        QPushButton* p = PulsanteValore(QString::number(s), m_editor);
        p->setObjectName(QStringLiteral("punteggio%1PushButton").arg(s));
        punteggi->addWidget(p);
        m_punteggi[static_cast<std::size_t>(s)] = p;
        connect(p, &QPushButton::clicked, this, [this, s](bool acceso) { modifica(0, s, acceso); });
    }
    punteggi->addStretch(1);
    layout->addLayout(punteggi);
    layout->addSpacing(6);
    m_soloPronostico = new QCheckBox(QStringLiteral("Abilita solo numeri in pronostico"), m_editor);
    m_soloPronostico->setObjectName(QStringLiteral("soloPronosticoCheckBox"));
    m_soloPronostico->setChecked(IDE_Intero(stato().impostazioni, ChiaveSoloPronostico, 1, false) != 0);
    layout->addWidget(m_soloPronostico);
    layout->addStretch(1);
    connect(m_soloPronostico, &QCheckBox::toggled, this, &TRidGiocateFiltro::abilitaNumeri);
    return m_editor;
}

void TRidGiocateFiltro::scriviRiga(int riga)
{
    const auto i = static_cast<std::size_t>(riga);
    auto* numero = Cella(QString::number(riga + 1));
    numero->setTextAlignment(Qt::AlignCenter);
    m_elenco->setItem(riga, 0, numero);
    if (i < m_filtri.filtri.size()) {
        const GiocataFiltro& f = m_filtri.filtri[i];
        m_elenco->setItem(riga, 1, Cella(QString::fromStdString(TestoMaschera(f.numeri))));
        m_elenco->setItem(riga, 2, Cella(QString::fromStdString(TestoValori(f.punteggi))));
    } else {
        m_elenco->setItem(riga, 1,
                          Cella(QString::fromUtf8(mgf::InvitoInserimento) + QString::number(riga + 1)));
        m_elenco->setItem(riga, 2, Cella(QString()));
    }
}

// Rebuilds the list from the filter plays: empty ones go, the inviting row follows, the maximum-errors
// list offers 0 .. count - 1 with the stored value when it is still in range.
void TRidGiocateFiltro::ricostruisci()
{
    RimuoviGiocateFiltroVuote(m_filtri.filtri);
    m_invito = GiocataFiltro{};
    const int n = static_cast<int>(m_filtri.filtri.size());
    {
        const QSignalBlocker blocco(m_elenco);
        m_elenco->setRowCount(n + 1);
        for (int r = 0; r <= n; ++r) {
            scriviRiga(r);
        }
    }
    m_errori->clear();
    for (int e = 0; e < n; ++e) {
        m_errori->addItem(QString::number(e));
    }
    m_errori->setCurrentIndex(n > 0 ? ErroriMostrati(m_filtri) : -1);
    m_selezionata = RigaDopoRicostruzione(m_selezionata, m_filtri.filtri.size());
    {
        const QSignalBlocker blocco(m_elenco);
        m_elenco->setCurrentCell(m_selezionata, 1);
    }
    mostraEditor();
}

void TRidGiocateFiltro::selezionaRiga(int riga)
{
    if (riga < 0) {
        return;
    }
    m_selezionata = riga;
    mostraEditor();
}

void TRidGiocateFiltro::mostraEditor()
{
    const auto i = static_cast<std::size_t>(m_selezionata);
    const GiocataFiltro& f = i < m_filtri.filtri.size() ? m_filtri.filtri[i] : m_invito;
    m_editor->setTitle(QStringLiteral("Giocata filtro Nº ") + QString::number(m_selezionata + 1));
    for (int numero = 1; numero <= 90; ++numero) {
        m_numeri[static_cast<std::size_t>(numero - 1)]->setChecked(f.numeri.contiene(numero));
    }
    for (int s = 0; s <= 10; ++s) {
        m_punteggi[static_cast<std::size_t>(s)]->setChecked(((f.punteggi >> s) & 1U) != 0);
    }
    abilitaNumeri();
}

void TRidGiocateFiltro::abilitaNumeri()
{
    const bool solo = m_soloPronostico->isChecked();
    for (int numero = 1; numero <= 90; ++numero) {
        m_numeri[static_cast<std::size_t>(numero - 1)]->setEnabled(
            !solo || stato().sistema.pronostico[static_cast<std::size_t>(numero - 1)] != 0);
    }
}

// One toggle (a number, or a score when punteggio >= 0) written at once into the selected filter play.
void TRidGiocateFiltro::modifica(int numero, int punteggio, bool acceso)
{
    const auto i = static_cast<std::size_t>(m_selezionata);
    GiocataFiltro valore = i < m_filtri.filtri.size() ? m_filtri.filtri[i] : m_invito;
    if (punteggio >= 0) {
        const auto bit = static_cast<std::uint16_t>(1U << punteggio);
        valore.punteggi = static_cast<std::uint16_t>(acceso ? valore.punteggi | bit : valore.punteggi & ~bit);
    } else {
        Maschera90 numeri;
        for (int n = 1; n <= 90; ++n) {
            if (n == numero ? acceso : valore.numeri.contiene(n)) {
                numeri.aggiungi(n);
            }
        }
        valore.numeri = numeri;
    }
    switch (ModificaGiocataFiltro(m_filtri.filtri, i, valore)) {
    case EsitoModifica::Nessuna:
        m_invito = valore;
        break;
    case EsitoModifica::Aggiornata:
        scriviRiga(m_selezionata);
        break;
    case EsitoModifica::Aggiunta: {
        m_invito = GiocataFiltro{};
        const QSignalBlocker blocco(m_elenco);
        const int n = static_cast<int>(m_filtri.filtri.size());
        m_elenco->setRowCount(n + 1);
        scriviRiga(n - 1);
        scriviRiga(n);
        m_errori->addItem(QString::number(n - 1));
        if (m_errori->currentIndex() < 0) {
            m_errori->setCurrentIndex(0);
        }
        break;
    }
    case EsitoModifica::Rimossa:
        ricostruisci();
        break;
    }
    salvaNelSistema();
}

// The record keeps the edits at once (the first 150 filter plays, the stored maximum errors), without
// writing Filtri.def.
void TRidGiocateFiltro::salvaNelSistema()
{
    ImpostaGiocateFiltro(stato().sistema, m_filtri);
}

bool TRidGiocateFiltro::accetta()
{
    const EsitoAccettazioneFiltri esito = AccettaGiocateFiltro(m_filtri.filtri, m_errori->currentIndex());
    if (!esito.ok) {
        if (esito.riga) {
            m_elenco->setCurrentCell(static_cast<int>(*esito.riga), 1);
        }
        stato().messaggi.mostra(*esito.messaggio);
        return false;
    }
    m_filtri = esito.record;
    salvaNelSistema();
    if (!ScriviGiocateFiltro(stato().cartelle.dati, stato().sistema.riduzioni.giocateFiltro)) {
        stato().messaggi.mostra(MessaggioErroreScritturaDisco());
    }
    ricostruisci();
    return true;
}

bool TRidGiocateFiltro::controllaParametri()
{
    return accetta();
}

EsitoRiduzione TRidGiocateFiltro::esegui(ControlloEsecuzione& controllo)
{
    EsitoRiduzione esito =
        RiduzioneFiltro(stato().sistema, stato().giocate, FiltroRiduzione::DaGiocateFiltro(m_filtri),
                        m_modo->modo(), consideraFisse(m_modo->casellaFisse()), controllo);
    if (!esito.confermata()) {
        m_modo->aggiorna(stato().giocate.conteggio());
    }
    return esito;
}

void TRidGiocateFiltro::salvaOpzioni()
{
    (void)IDE_Intero(stato().impostazioni, ChiaveSoloPronostico, m_soloPronostico->isChecked() ? 1 : 0, true);
}

void TRidGiocateFiltro::esporta()
{
    if (!accetta()) {
        return;
    }
    const QString percorso = servizi().scegliFile(
        this,
        ServiziFinestre::SceltaFile::Salva(QStringLiteral("Esporta su file di testo"), QString(),
                                           QString::fromLatin1(FiltroFileTesto), QStringLiteral("txt")));
    if (percorso.isEmpty()) {
        return;
    }
    if (!EsportaGiocateFiltro(m_filtri.filtri, percorso.toStdString())) {
        stato().messaggi.mostra(Avviso(std::string(mgf::FileNonScrivibile) + percorso.toStdString()));
    }
}

void TRidGiocateFiltro::importa()
{
    const QString percorso = servizi().scegliFile(
        this, ServiziFinestre::SceltaFile::Apri(QStringLiteral("Importa da file di testo"), QString(),
                                                QString::fromLatin1(FiltroFileTesto)));
    if (percorso.isEmpty()) {
        return;
    }
    // Imported filter plays may hold any number: all of them must be editable.
    m_soloPronostico->setChecked(false);
    ricostruisci();
    const EsitoImportazioneFiltri esito = ImportaGiocateFiltro(percorso.toStdString(), m_filtri.filtri);
    ricostruisci();
    salvaNelSistema();
    if (esito.messaggio) {
        stato().messaggi.mostra(*esito.messaggio);
    }
}

void TRidGiocateFiltro::eliminaTutte()
{
    if (!conferma(mgf::EliminareTutte)) {
        return;
    }
    m_filtri = GiocateFiltro{};
    salvaNelSistema();
    ricostruisci();
}

void TRidGiocateFiltro::modificaPunteggi()
{
    if (m_filtri.filtri.empty()) {
        return;
    }
    TImpostaPunteggi dialogo(this);
    if (servizi().esegui(dialogo) != QDialog::Accepted) {
        return;
    }
    ricostruisci();
    for (GiocataFiltro& f : m_filtri.filtri) {
        f.punteggi = dialogo.punteggi();
    }
    ricostruisci();
    salvaNelSistema();
}

void TRidGiocateFiltro::apriAnalisiGiocate()
{
    if (!accetta()) {
        return;
    }
    TAnalisiFiltroGiocate finestra(stato(), servizi(), FiltroRiduzione::DaGiocateFiltro(m_filtri),
                                   m_modo->modo(), consideraFisse(m_modo->casellaFisse()),
                                   QString::fromLatin1(TopicGuida), this);
    servizi().esegui(finestra);
}

void TRidGiocateFiltro::apriAnalisiStorica()
{
    if (!accetta()) {
        return;
    }
    TAnalisiFiltroStorica finestra(stato(), servizi(), FiltroRiduzione::DaGiocateFiltro(m_filtri),
                                   QString::fromLatin1(TopicGuida), this);
    servizi().esegui(finestra);
}
