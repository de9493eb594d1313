#include "ui/pri_window.h"

#include "core/impostazioni.h"
#include "core/messaggi.h"
#include "core/testo.h"
#include "editor/nuovo_sistema.h"
#include "editor/riepilogo.h"
#include "reductions/rid_probabilistiche.h"
#include "ui/comandi/comandi_archivio.h"
#include "ui/comandi/comandi_file.h"
#include "ui/comandi/comandi_giocate.h"
#include "ui/comandi/comandi_guida.h"
#include "ui/comandi/comandi_impostazioni.h"
#include "ui/comandi/comandi_pronostico.h"
#include "ui/comandi/comandi_riduzioni.h"
#include "ui/comandi/comandi_stampa.h"
#include "ui/comandi/comandi_statistiche.h"
#include "ui/comandi/comandi_verifica.h"
#include "ui/comandi/menu_principale.h"
#include "ui/filtro_tasti.h"
#include "ui/griglia_numeri.h"
#include "ui/pannello_numero.h"
#include "ui/servizi_finestre.h"
#include "ui/vista_giocate.h"
#include "ui/vista_statistica.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Order in which the nine fixed boxes are read (and filled).
constexpr std::array<const char*, 9> NomiFisse = {"fissa1LineEdit", "fissa2LineEdit", "fissa3LineEdit",
                                                  "fissa4LineEdit", "fissa5LineEdit", "fissa6LineEdit",
                                                  "fissa7LineEdit", "fissa8LineEdit", "fissa9LineEdit"};

// Wheels as the boxes show them: Bari..Venezia, Tutte, Nazionale.
constexpr std::array<int, NumeroRuote> OrdineRuoteMostrate = {
    Bari, Cagliari, Firenze, Genova, Milano, Napoli, Palermo, Roma, Torino, Venezia, Tutte, Nazionale};

// Spacing of the upper panels: tighter than the style's default, which would cost the chart below
// some forty pixels of height.
constexpr int MargineFinestra = 6;
constexpr int MarginePannello = 4;

// A group box with compact margins and spacing for its layout.
template <typename Layout> Layout* Compatto(Layout* layout)
{
    layout->setContentsMargins(MargineFinestra, MarginePannello, MargineFinestra, MargineFinestra);
    layout->setSpacing(MarginePannello);
    return layout;
}

// A box just wide enough for the sample text, its frame and its padding: the columns stay narrow and
// the plays view gets the width.
void LarghezzaPer(QLineEdit* casella, const char* campione)
{
    casella->setFixedWidth(casella->fontMetrics().horizontalAdvance(QString::fromLatin1(campione)) + 10);
}

QLabel* Etichetta(const char* nomeOggetto, QWidget* genitore)
{
    auto* etichetta = new QLabel(genitore);
    etichetta->setObjectName(QString::fromLatin1(nomeOggetto));
    return etichetta;
}

} // namespace

TPri::TPri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QMainWindow(parent), m_stato(stato), m_servizi(servizi), m_azioni(this)
{
    setObjectName(QStringLiteral("TPri"));
    setMinimumSize(700, 500);

    // The upper half edits the system in one row of four panels no taller than the number grid (the
    // grid; numbers per play, fixed numbers and stakes; wheels and summary; plays), so that the
    // statistics view below gets every pixel left over: on a 1280 x 720 laptop screen its chart keeps
    // a readable height. The panels cannot grow usefully (the grid and the plays view have a fixed
    // height), so the row never takes more than its natural height.
    auto* contenitore = new QWidget(this);
    auto* colonna = new QVBoxLayout(contenitore);
    colonna->setContentsMargins(MargineFinestra, MarginePannello, MargineFinestra, MarginePannello);
    colonna->setSpacing(MarginePannello);
    auto* riga = new QHBoxLayout;
    riga->setSpacing(MargineFinestra);
    riga->addWidget(creaPronostico());
    riga->addWidget(creaParametri());
    riga->addWidget(creaRiepilogo());
    riga->addWidget(creaGiocate(), 1);
    colonna->addLayout(riga);
    m_pannelloNumero = new PannelloNumero(this);
    m_pannelloNumero->hide();
    colonna->addWidget(creaVistaStatistica(), 1);
    // Only below the smallest screen the layout is made for (or a window restored below it) does the
    // window scroll instead of squeezing the grid or the chart.
    auto* scorrimento = new QScrollArea(this);
    scorrimento->setObjectName(QStringLiteral("finestraScrollArea"));
    scorrimento->setWidgetResizable(true);
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setWidget(contenitore);
    setCentralWidget(scorrimento);

    m_etichettaArchivio = new QLabel(this);
    m_etichettaArchivio->setObjectName(QStringLiteral("archivioLabel"));
    statusBar()->addPermanentWidget(m_etichettaArchivio);

    creaComandi();
}

void TPri::creaComandi()
{
    FinestraComandi& finestra = *this;
    auto file = std::make_unique<ComandiFile>(finestra);
    m_comandiFile = file.get();
    m_aree.push_back(std::move(file));
    m_aree.push_back(std::make_unique<ComandiPronostico>(finestra));
    m_aree.push_back(std::make_unique<ComandiRiduzioni>(finestra));
    auto giocate = std::make_unique<ComandiGiocate>(finestra);
    connect(m_vistaGiocate, &VistaGiocate::doppioClic, this, [g = giocate.get()] { g->modifica(); });
    connect(m_vistaGiocate, &VistaGiocate::eliminaRichiesta, this, [g = giocate.get()] { g->elimina(); });
    m_aree.push_back(std::move(giocate));
    m_aree.push_back(std::make_unique<ComandiVerifica>(finestra));
    m_aree.push_back(std::make_unique<ComandiStatistiche>(finestra));
    m_aree.push_back(std::make_unique<ComandiStampa>(finestra));
    m_aree.push_back(std::make_unique<ComandiArchivio>(finestra));
    m_aree.push_back(std::make_unique<ComandiImpostazioni>(finestra));
    m_aree.push_back(std::make_unique<ComandiGuida>(finestra));
    for (const auto& area : m_aree) {
        m_azioni.registra(area->voci());
    }
    m_azioni.verificaComplete();
    // Help answers F1 in every window of the program, dialogs included.
    m_azioni.azione(Comando::Sommario).setShortcutContext(Qt::ApplicationShortcut);

    auto* strumenti = addToolBar(QStringLiteral("Strumenti"));
    strumenti->setObjectName(QStringLiteral("strumentiToolBar"));
    strumenti->setMovable(false);
    strumenti->setIconSize(QSize(24, 24));
    m_comandiFile->setMenuRecenti(CreaMenuPrincipale(m_azioni, menuBar(), strumenti));
}

TPri::~TPri() = default;

QWidget* TPri::creaPronostico()
{
    auto* gruppo = new QGroupBox(QStringLiteral(" Pronostico iniziale "), this);
    auto* layout = Compatto(new QVBoxLayout(gruppo));
    m_griglia = new GrigliaNumeri(gruppo);
    m_griglia->setObjectName(QStringLiteral("vssGrigliaNumeri"));
    layout->addWidget(m_griglia);
    layout->addStretch(1);
    connect(m_griglia, &GrigliaNumeri::numeroCambiato, this, &TPri::numeroCambiato);
    connect(m_griglia, &GrigliaNumeri::numeroIndicato, this, &TPri::numeroIndicato);
    connect(m_griglia, &GrigliaNumeri::puntatoreUscito, this, [this] { m_pannelloNumero->hide(); });
    return gruppo;
}

QWidget* TPri::creaParametri()
{
    auto* pannello = new QWidget(this);
    auto* layout = new QVBoxLayout(pannello);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(MarginePannello);

    auto* rigaK = new QHBoxLayout;
    rigaK->addWidget(new QLabel(QStringLiteral("Numeri per giocata:"), pannello));
    m_numeriPerGiocata = new QComboBox(pannello);
    m_numeriPerGiocata->setObjectName(QStringLiteral("numpergioComboBox"));
    for (int k = 1; k <= NumeriMassimiPerGiocata; ++k) {
        m_numeriPerGiocata->addItem(QString::number(k));
    }
    rigaK->addWidget(m_numeriPerGiocata);
    rigaK->addStretch(1);
    layout->addLayout(rigaK);
    connect(m_numeriPerGiocata, &QComboBox::currentIndexChanged, this, &TPri::numeriPerGiocataCambiati);

    layout->addWidget(creaFisse(pannello));
    layout->addWidget(creaImporti(pannello));
    layout->addStretch(1);
    return pannello;
}

QWidget* TPri::creaFisse(QWidget* genitore)
{
    // Nine two-digit boxes on one line: under the grid they would make the whole upper half taller.
    auto* gruppo = new QGroupBox(QStringLiteral(" Numeri fissi "), genitore);
    auto* riga = Compatto(new QHBoxLayout(gruppo));
    riga->setSpacing(3);
    for (int i = 0; i < 9; ++i) {
        auto* casella = new QLineEdit(gruppo);
        casella->setObjectName(QString::fromLatin1(NomiFisse[i]));
        casella->setMaxLength(2);
        LarghezzaPer(casella, "00");
        casella->setAlignment(Qt::AlignCenter);
        casella->setToolTip(
            QStringLiteral("Le fisse sono quei numeri che saranno presenti in tutte le giocate"));
        casella->installEventFilter(this);
        riga->addWidget(casella);
        connect(casella, &QLineEdit::textChanged, this, [this, i] { fissaCambiata(i); });
        m_fisse[i] = casella;
    }
    riga->addStretch(1);
    return gruppo;
}

QWidget* TPri::creaImporti(QWidget* genitore)
{
    // Two columns of three stakes, in the order of the prize classes, then the Estratto determinato.
    auto* importi = new QGroupBox(QStringLiteral(" Importo di giocata "), genitore);
    auto* griglia = Compatto(new QGridLayout(importi));
    griglia->setHorizontalSpacing(MargineFinestra);
    struct Casella
    {
        int slot;
        const char* etichetta;
        const char* nome;
    };
    const Casella caselle[] = {
        {Estratto, "Estratto:", "estrattoLineEdit"}, {Ambo, "Ambo:", "amboLineEdit"},
        {Terno, "Terno:", "ternoLineEdit"},          {Quaterna, "Quaterna:", "quaternaLineEdit"},
        {Cinquina, "Cinquina:", "cinquinaLineEdit"}, {Ambetto, "Ambetto:", "ambettoLineEdit"},
    };
    int indice = 0;
    for (const Casella& c : caselle) {
        auto* casella = new QLineEdit(importi);
        casella->setObjectName(QString::fromLatin1(c.nome));
        casella->setMaxLength(static_cast<int>(LunghezzaCasellaImporto));
        LarghezzaPer(casella, "0000,00");
        casella->installEventFilter(FiltroTasti::Importo(casella));
        const int riga = indice % 3;
        const int colonna = indice / 3 * 2;
        griglia->addWidget(new QLabel(QString::fromUtf8(c.etichetta), importi), riga, colonna);
        griglia->addWidget(casella, riga, colonna + 1);
        connect(casella, &QLineEdit::textChanged, this, &TPri::importoCambiato);
        m_importi[c.slot] = casella;
        ++indice;
    }

    auto* determinato = new QGroupBox(QStringLiteral(" Estratto determinato "), importi);
    auto* colonna = Compatto(new QVBoxLayout(determinato));
    colonna->setSpacing(2);
    auto* rigaImporto = new QHBoxLayout;
    rigaImporto->addWidget(new QLabel(QStringLiteral("Importo:"), determinato));
    auto* casellaDet = new QLineEdit(determinato);
    casellaDet->setObjectName(QStringLiteral("determinatoLineEdit"));
    casellaDet->setMaxLength(static_cast<int>(LunghezzaCasellaImporto));
    LarghezzaPer(casellaDet, "0000,00");
    casellaDet->installEventFilter(FiltroTasti::Importo(casellaDet));
    connect(casellaDet, &QLineEdit::textChanged, this, &TPri::importoCambiato);
    rigaImporto->addWidget(casellaDet);
    rigaImporto->addStretch(1);
    colonna->addLayout(rigaImporto);
    m_importi[EstrattoDeterminato] = casellaDet;
    auto* rigaPosizioni = new QHBoxLayout;
    const char* posizioni[] = {"1ª", "2ª", "3ª", "4ª", "5ª"};
    for (int p = 0; p < NumeroPosizioni; ++p) {
        auto* casella = new QCheckBox(QString::fromUtf8(posizioni[p]), determinato);
        casella->setObjectName(QStringLiteral("posizione%1CheckBox").arg(p + 1));
        rigaPosizioni->addWidget(casella);
        connect(casella, &QCheckBox::toggled, this, &TPri::posizioneCambiata);
        m_posizioni[p] = casella;
    }
    rigaPosizioni->addStretch(1);
    colonna->addLayout(rigaPosizioni);
    griglia->addWidget(determinato, 3, 0, 1, 4);
    return importi;
}

QWidget* TPri::creaRiepilogo()
{
    // The wheels sit over the summary, which shows their count: the two together are as tall as the
    // grid, while the parameters' column is already full.
    auto* pannello = new QWidget(this);
    auto* layout = new QVBoxLayout(pannello);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(MarginePannello);
    layout->addWidget(creaRuote(pannello));

    auto* riepilogo = new QGroupBox(QStringLiteral(" Riepilogo sistema "), pannello);
    auto* righe = Compatto(new QVBoxLayout(riepilogo));
    // No stretch under the labels: the spare height of the row spreads them evenly.
    righe->setSpacing(1);
    m_etichettaPronostico = Etichetta("pronosticoLabel", riepilogo);
    m_etichettaNumeri = Etichetta("numeriPerGiocataLabel", riepilogo);
    m_etichettaSviluppo = Etichetta("sviluppoLabel", riepilogo);
    m_etichettaRuote = Etichetta("ruoteLabel", riepilogo);
    m_etichettaPercentuale = Etichetta("percentualeLabel", riepilogo);
    m_etichettaImporto = Etichetta("importoLabel", riepilogo);
    m_etichettaGiocate = Etichetta("giocateFinaliLabel", riepilogo);
    m_etichettaCosto = Etichetta("costoLabel", riepilogo);
    m_etichettaStato = Etichetta("statoLabel", riepilogo);
    for (QLabel* e : {m_etichettaPronostico, m_etichettaNumeri, m_etichettaSviluppo, m_etichettaRuote,
                      m_etichettaPercentuale, m_etichettaImporto, m_etichettaGiocate, m_etichettaCosto,
                      m_etichettaStato}) {
        righe->addWidget(e);
    }
    layout->addWidget(riepilogo, 1);
    return pannello;
}

QWidget* TPri::creaRuote(QWidget* genitore)
{
    // Three columns of four wheels: Bari..Genova, Milano..Roma, Torino..Nazionale.
    auto* ruote = new QGroupBox(QStringLiteral(" Ruote "), genitore);
    auto* griglia = Compatto(new QGridLayout(ruote));
    griglia->setVerticalSpacing(2);
    griglia->setHorizontalSpacing(MarginePannello);
    for (int posizione = 0; posizione < NumeroRuote; ++posizione) {
        int ruota = OrdineRuoteMostrate[posizione];
        auto* casella =
            new QCheckBox(QString::fromUtf8(NomiRuote[ruota].data(), NomiRuote[ruota].size()), ruote);
        casella->setObjectName(QStringLiteral("ruota%1CheckBox").arg(ruota));
        griglia->addWidget(casella, posizione % 4, posizione / 4);
        connect(casella, &QCheckBox::clicked, this, &TPri::ruotaCliccata);
        m_ruote[ruota] = casella;
    }
    return ruote;
}

QWidget* TPri::creaGiocate()
{
    auto* giocate = new QGroupBox(QStringLiteral(" Giocate finali "), this);
    auto* righe = Compatto(new QVBoxLayout(giocate));
    m_vistaGiocate = new VistaGiocate(giocate);
    m_vistaGiocate->setObjectName(QStringLiteral("sggioVistaGiocate"));
    m_vistaGiocate->setElenco(&m_stato.giocate);
    righe->addWidget(m_vistaGiocate);
    righe->addStretch(1);
    return giocate;
}

QWidget* TPri::creaVistaStatistica()
{
    m_vistaStatistica = new VistaStatistica(m_stato, m_servizi, this);
    m_vistaStatistica->setGiocataSelezionata([this] {
        const int indice = m_vistaGiocate->selezione().second;
        return indice >= 1 && indice <= m_stato.giocate.conteggio() ? m_stato.giocate.voce(indice)
                                                                    : Tipo_Giocata{};
    });
    return m_vistaStatistica;
}

void TPri::iniziaNuovoSistema()
{
    m_comandiFile->iniziaNuovoSistema();
}

void TPri::apriSistema(const QString& percorso)
{
    m_comandiFile->apriSistema(percorso);
}

void TPri::closeEvent(QCloseEvent* evento)
{
    if (m_comandiFile->puoChiudere()) {
        evento->accept();
    } else {
        evento->ignore();
    }
}

// --- widgets <-> system ---

void TPri::riempiDaSistema()
{
    const Sistema& s = m_stato.sistema;
    m_riempimento = true;
    m_griglia->setSegni(s.pronostico);
    for (int i = 0; i < 9; ++i) {
        m_fisse[i]->setText(i < s.numeroFisse ? QString::number(s.fisse[i]) : QString());
    }
    for (int ruota = 1; ruota <= NumeroRuote; ++ruota) {
        m_ruote[ruota]->setChecked(s.ruote[ruota - 1] != 0);
    }
    for (int slot = Estratto; slot <= Ambetto; ++slot) {
        m_importi[slot]->setText(QString::fromStdString(TestoImportoModificabile(s.importi[slot - 1])));
    }
    for (int p = 0; p < NumeroPosizioni; ++p) {
        m_posizioni[p]->setChecked(s.posizioni[p] != 0);
    }
    m_numeriPerGiocata->setCurrentIndex(s.numeriPerGiocata - 1);
    m_riempimento = false;
    applicaNumeriPerGiocata(s.numeriPerGiocata);
    m_vistaGiocate->aggiorna();
}

void TPri::applicaNumeriPerGiocata(int k)
{
    const auto abilitate = CaselleAbilitate(k);
    for (int slot = Estratto; slot <= Ambetto; ++slot) {
        m_importi[slot]->setEnabled(abilitate[slot]);
    }
}

CaselleFisse TPri::caselleFisse() const
{
    CaselleFisse caselle;
    for (int i = 0; i < 9; ++i) {
        caselle[i] = m_fisse[i]->text().toStdString();
    }
    return caselle;
}

SegniRuote TPri::ruoteDaCaselle() const
{
    SegniRuote segni{};
    for (int ruota = 1; ruota <= NumeroRuote; ++ruota) {
        segni[ruota - 1] = m_ruote[ruota]->isChecked() ? 1 : 0;
    }
    return segni;
}

CaselleImporti TPri::caselleImporti() const
{
    CaselleImporti caselle;
    for (int slot = Estratto; slot <= Ambetto; ++slot) {
        caselle.testi[slot] = m_importi[slot]->text().toStdString();
        caselle.abilitate[slot] = m_importi[slot]->isEnabled();
    }
    return caselle;
}

bool TPri::validaSistema()
{
    return ValidaSistema(m_stato.sistema, caselleFisse(), ruoteDaCaselle(), m_stato.messaggi);
}

EsitoImporti TPri::leggiImporti()
{
    EsitoImporti importi = ValidaImporti(caselleImporti(), m_stato.sistema.posizioni, m_stato.generali);
    m_stato.sistema.importi = importi.importi;
    return importi;
}

void TPri::focusNumeriPerGiocata()
{
    m_numeriPerGiocata->setFocus();
}

int TPri::giocataSelezionata() const
{
    const int ultima = m_vistaGiocate->selezione().second;
    return ultima >= 1 && ultima <= m_stato.giocate.conteggio() ? ultima : 1;
}

void TPri::aggiornaPronostico()
{
    m_griglia->setSegni(m_stato.sistema.pronostico);
}

void TPri::aggiornaTitolo()
{
    setWindowTitle(QString::fromStdString(TitoloFinestra(m_stato.sistema)));
}

void TPri::segnaModificato()
{
    m_stato.sistema.modificato = true;
}

void TPri::AggiornaRiepilogo()
{
    Sistema& s = m_stato.sistema;
    EsitoImporti importi = ValidaImporti(caselleImporti(), s.posizioni, m_stato.generali);
    s.importi = importi.importi;
    Riepilogo r = ::AggiornaRiepilogo(s, m_stato.giocate.conteggio(), importi, m_stato.generali.decimali);
    m_etichettaPronostico->setText(QString::fromStdString(r.pronostico));
    m_etichettaNumeri->setText(QString::fromStdString(r.numeriPerGiocata));
    m_etichettaSviluppo->setText(QString::fromStdString(r.sviluppo));
    m_etichettaRuote->setText(QString::fromStdString(r.ruote));
    m_etichettaPercentuale->setText(QString::fromStdString(r.percentuale));
    m_etichettaImporto->setText(QString::fromStdString(r.importo));
    m_etichettaImporto->setStyleSheet(r.importoRosso ? QStringLiteral("color: red;") : QString());
    m_etichettaGiocate->setText(QString::fromStdString(r.giocateFinali));
    m_etichettaCosto->setText(QString::fromStdString(r.costo));
    m_etichettaStato->setText(QString::fromStdString(r.stato));
    m_vistaGiocate->aggiorna();
    azione(Comando::Salva)
        .setText(QStringLiteral("Salva ") + QString::fromStdString(testo::NomeSenzaCartella(s.nomeFile)));
}

// --- handlers ---

void TPri::numeroCambiato(int numero, bool selezionato)
{
    segnaModificato();
    m_stato.sistema.pronostico[numero - 1] = selezionato ? 1 : 0;
    AggiornaRiepilogo();
}

void TPri::numeroIndicato(int numero)
{
    m_pannelloNumero->mostraNumero(numero, m_stato.statistiche, m_stato.generali.ifNumEstra);
    if (!m_pannelloNumero->isVisible()) {
        // Below the grid's group, where it covers nothing the pointer needs.
        const QWidget* gruppo = m_griglia->parentWidget();
        m_pannelloNumero->move(gruppo->mapToGlobal(QPoint(0, gruppo->height() + 4)));
        m_pannelloNumero->show();
    }
}

void TPri::ricalcolaStatistiche()
{
    m_stato.ricalcolaStatistiche();
    if (m_pannelloNumero->numero() != 0) {
        m_pannelloNumero->mostraNumero(m_pannelloNumero->numero(), m_stato.statistiche,
                                       m_stato.generali.ifNumEstra, true);
    }
    m_vistaStatistica->ricalcola();
}

void TPri::fissaCambiata(int indice)
{
    if (m_riempimento) {
        return;
    }
    (void)LeggiFisse(caselleFisse(), m_stato.sistema);
    QLineEdit* casella = m_fisse[indice];
    const std::string testo = casella->text().toStdString();
    if (!testo.empty() && !FissaValida(testo)) {
        m_stato.messaggi.mostra(Avviso(messaggi::ValoreNonValido));
        casella->clear();
    }
}

void TPri::numeriPerGiocataCambiati(int indice)
{
    if (m_riempimento || indice < 0) {
        return;
    }
    const int k = indice + 1;
    m_stato.sistema.numeriPerGiocata = k;
    (void)IDE_Intero(m_stato.impostazioni, "NumxGio", k - 1, true);
    applicaNumeriPerGiocata(k);
    segnaModificato();
    AggiornaRiepilogo();
}

void TPri::ruotaCliccata()
{
    if (m_riempimento) {
        return;
    }
    bool almenoUna = false;
    for (int ruota = 1; ruota <= NumeroRuote; ++ruota) {
        almenoUna = almenoUna || m_ruote[ruota]->isChecked();
    }
    if (!almenoUna) {
        m_ruote[Tutte]->setChecked(true);
    }
    m_stato.sistema.ruote = ruoteDaCaselle();
    SegnaCacheDaCalcolare(m_stato.sistema.riduzioni);
    segnaModificato();
    AggiornaRiepilogo();
    ricalcolaStatistiche();
}

void TPri::importoCambiato()
{
    if (m_riempimento) {
        return;
    }
    segnaModificato();
    AggiornaRiepilogo();
}

void TPri::posizioneCambiata()
{
    if (m_riempimento) {
        return;
    }
    for (int p = 0; p < NumeroPosizioni; ++p) {
        m_stato.sistema.posizioni[p] = m_posizioni[p]->isChecked() ? 1 : 0;
    }
    segnaModificato();
    AggiornaRiepilogo();
}

bool TPri::eventFilter(QObject* oggetto, QEvent* evento)
{
    auto* casella = qobject_cast<QLineEdit*>(oggetto);
    const auto trovata = std::find(m_fisse.begin(), m_fisse.end(), casella);
    if (casella == nullptr || trovata == m_fisse.end()) {
        return QMainWindow::eventFilter(oggetto, evento);
    }
    if (evento->type() == QEvent::KeyPress) {
        // Any key marks the system modified; printable keys other than digits are discarded.
        segnaModificato();
        const QString testo = static_cast<QKeyEvent*>(evento)->text();
        const char16_t c = testo.isEmpty() ? 0 : testo.at(0).unicode();
        if (c > 13 && (c < u'0' || c > u'9')) {
            return true;
        }
    } else if (evento->type() == QEvent::FocusOut && !m_controlloFisse && !m_riempimento) {
        if (LeggiFisse(caselleFisse(), m_stato.sistema) != 0) {
            // The box keeps the focus until the fixed numbers are valid again.
            m_controlloFisse = true;
            m_stato.messaggi.mostra(Avviso(messaggi::ValoreNonValido));
            casella->clear();
            casella->setFocus();
            m_controlloFisse = false;
        }
    }
    return QMainWindow::eventFilter(oggetto, evento);
}
