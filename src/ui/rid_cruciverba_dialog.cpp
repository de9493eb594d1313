#include "ui/rid_cruciverba_dialog.h"

#include "core/file_binario.h"
#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "ui/filtro_tasti.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace mc = messaggi_cruciverba;

namespace {

constexpr const char* FiltroFileTesto = "File di testo (*.txt);;Tutti i file (*)";
constexpr const char* FileNonScrivibile = "Impossibile scrivere il file ";

struct Tipo
{
    const char* testo;
    const char* nome;
    const char* chiave;
    bool predefinito;
};
constexpr std::array<Tipo, 4> Tipi = {{
    {"Estrai sistemi orizzontali", "orizzontaliCheckBox", ChiaveOri, true},
    {"Estrai sistemi verticali", "verticaliCheckBox", ChiaveVer, true},
    {"Estrai sistemi diagonali", "diagonaliCheckBox", ChiaveDia, true},
    {"Estrai sistemi obliqui", "obliquiCheckBox", ChiaveObl, false},
}};

bool SuDiagonalePrincipale(int y, int x, int lato)
{
    return x == y || x == lato - 1 - y;
}

} // namespace

TRidCruciverba::TRidCruciverba(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : TRiduzioneDialog(stato, servizi, QStringLiteral("mdr_cruciverba.htm"),
                       QStringLiteral("Riduzione a Cruciverba"), parent, QStringLiteral("Sviluppa sistemi"))
{
    auto* corpo = new QHBoxLayout;
    auto* sinistra = new QVBoxLayout;

    auto* rigaLato = new QHBoxLayout;
    rigaLato->addWidget(new QLabel(QStringLiteral("Dimensione dei lati:"), this));
    m_lato = new QLineEdit(this);
    m_lato->setObjectName(QStringLiteral("Edit5"));
    m_lato->setMaxLength(2);
    m_lato->setFixedWidth(40);
    m_lato->installEventFilter(FiltroTasti::Cifre(false, m_lato));
    const int k = stato.sistema.numeriPerGiocata;
    m_lato->setText(QString::number(std::max(IDE_Intero(stato.impostazioni, ChiaveDimXY, 5, false), k)));
    rigaLato->addWidget(m_lato);
    m_meno = new QToolButton(this);
    m_meno->setObjectName(QStringLiteral("UpDown1Meno"));
    m_meno->setArrowType(Qt::LeftArrow);
    m_piu = new QToolButton(this);
    m_piu->setObjectName(QStringLiteral("UpDown1Piu"));
    m_piu->setArrowType(Qt::RightArrow);
    rigaLato->addWidget(m_meno);
    rigaLato->addWidget(m_piu);
    rigaLato->addStretch();
    sinistra->addLayout(rigaLato);
    for (QWidget* w : std::initializer_list<QWidget*>{m_lato, m_meno, m_piu}) {
        disabilitaInEsecuzione(w);
    }
    connect(m_lato, &QLineEdit::textEdited, this, [this] { cambiato(); });
    connect(m_meno, &QToolButton::clicked, this, [this] {
        const int l = m_lato->text().toInt();
        if (l > 3) {
            m_lato->setText(QString::number(l - 1));
            cambiato();
        }
    });
    connect(m_piu, &QToolButton::clicked, this, [this] {
        const int l = m_lato->text().toInt();
        if (l < 99) {
            m_lato->setText(QString::number(l + 1));
            cambiato();
        }
    });

    for (std::size_t i = 0; i < Tipi.size(); ++i) {
        auto* casella = new QCheckBox(QString::fromUtf8(Tipi[i].testo), this);
        casella->setObjectName(QString::fromLatin1(Tipi[i].nome));
        casella->setChecked(
            IDE_Intero(stato.impostazioni, Tipi[i].chiave, Tipi[i].predefinito ? 1 : 0, false) == 1);
        sinistra->addWidget(casella);
        disabilitaInEsecuzione(casella);
        connect(casella, &QCheckBox::clicked, this, [this, casella] { tipoCliccato(casella); });
        m_tipi[i] = casella;
    }
    if (std::none_of(m_tipi.begin(), m_tipi.end(), [](QCheckBox* c) { return c->isChecked(); })) {
        m_tipi[0]->setChecked(true);
    }

    m_ricalcola = new QPushButton(QStringLiteral("Ricalcola il cruciverba"), this);
    m_ricalcola->setObjectName(QStringLiteral("ricalcolaPushButton"));
    m_ricalcola->setAutoDefault(false);
    sinistra->addWidget(m_ricalcola);
    disabilitaInEsecuzione(m_ricalcola);
    connect(m_ricalcola, &QPushButton::clicked, this, [this] { ricalcola(); });

    auto* stampa = new QPushButton(QStringLiteral("Stampa"), this);
    stampa->setObjectName(QStringLiteral("stampaPushButton"));
    stampa->setAutoDefault(false);
    auto* esporta = new QPushButton(QStringLiteral("Esporta su file di testo"), this);
    esporta->setObjectName(QStringLiteral("esportaPushButton"));
    esporta->setAutoDefault(false);
    sinistra->addWidget(stampa);
    sinistra->addWidget(esporta);
    disabilitaInEsecuzione(stampa);
    disabilitaInEsecuzione(esporta);
    connect(stampa, &QPushButton::clicked, this, [this] { this->stampa(); });
    connect(esporta, &QPushButton::clicked, this, [this] { this->esporta(); });
    sinistra->addStretch();
    corpo->addLayout(sinistra);

    auto* centro = new QVBoxLayout;
    m_titoloGriglia = new QLabel(this);
    m_titoloGriglia->setObjectName(QStringLiteral("cruciverbaLabel"));
    centro->addWidget(m_titoloGriglia);
    m_tabella = new QTableWidget(this);
    m_tabella->setObjectName(QStringLiteral("crgr"));
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->setSelectionMode(QAbstractItemView::NoSelection);
    m_tabella->horizontalHeader()->hide();
    m_tabella->verticalHeader()->hide();
    m_tabella->setMinimumSize(300, 260);
    centro->addWidget(m_tabella, 1);
    corpo->addLayout(centro, 1);

    auto* destra = new QVBoxLayout;
    m_titoloSistemi = new QLabel(this);
    m_titoloSistemi->setObjectName(QStringLiteral("sistemiLabel"));
    destra->addWidget(m_titoloSistemi);
    m_lista = new QListWidget(this);
    m_lista->setObjectName(QStringLiteral("lisis"));
    m_lista->setMinimumWidth(200);
    destra->addWidget(m_lista, 1);
    corpo->addLayout(destra);
    areaParametri()->addLayout(corpo);

    m_consideraFisse = aggiungiConsideraFisse();
    mostraConteggio(QStringLiteral("Nº Giocate finali: "));
    mostraGriglia();
    mostraSistemi();
    resize(860, 460);
}

LineeCruciverba TRidCruciverba::linee() const
{
    return {m_tipi[0]->isChecked(), m_tipi[1]->isChecked(), m_tipi[2]->isChecked(), m_tipi[3]->isChecked()};
}

void TRidCruciverba::cambiato()
{
    m_ricalcola->setEnabled(true);
}

void TRidCruciverba::tipoCliccato(QCheckBox* casella)
{
    (void)casella;
    if (std::none_of(m_tipi.begin(), m_tipi.end(), [](QCheckBox* c) { return c->isChecked(); })) {
        m_tipi[0]->setChecked(true);
    }
    cambiato();
}

void TRidCruciverba::showEvent(QShowEvent* evento)
{
    TRiduzioneDialog::showEvent(evento);
    if (m_primaVolta) {
        m_primaVolta = false;
        // The first square is built as the window opens, once it is on screen.
        QTimer::singleShot(0, this, [this] { ricalcola(); });
    }
}

void TRidCruciverba::keyPressEvent(QKeyEvent* evento)
{
    // Enter in the side box rebuilds the square instead of starting the development.
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && focusWidget() == m_lato) {
        if (!inEsecuzione()) {
            ricalcola();
        }
        return;
    }
    TRiduzioneDialog::keyPressEvent(evento);
}

void TRidCruciverba::ricalcola()
{
    if (inEsecuzione()) {
        return;
    }
    const auto lato = LeggiLato(m_lato->text().toStdString(), stato().sistema.numeriPerGiocata);
    if (!lato) {
        Messaggio errore = Errore(mc::LatoNonValido);
        errore.titolo = "Errore";
        stato().messaggi.mostra(errore);
        m_lato->setFocus();
        return;
    }
    std::vector<std::uint8_t> pronostico;
    for (std::size_t i = 0; i < stato().sistema.pronostico.size(); ++i) {
        if (stato().sistema.pronostico[i] != 0) {
            pronostico.push_back(static_cast<std::uint8_t>(i + 1));
        }
    }
    GrigliaCruciverba nuova;
    EsitoCostruzione esito = EsitoCostruzione::Impossibile;
    setCursor(Qt::BusyCursor);
    calcolaInEsecuzione([&](ControlloEsecuzione& controllo) {
        esito = CostruisciCruciverba(*lato, pronostico, stato().generatore, controllo, nuova);
        return esito != EsitoCostruzione::Interrotta;
    });
    unsetCursor();
    if (esito == EsitoCostruzione::Costruita) {
        m_griglia = std::move(nuova);
        m_sistemi = SistemiCruciverba(m_griglia, linee());
        mostraGriglia();
        mostraSistemi();
        m_ricalcola->setEnabled(false);
    } else if (esito == EsitoCostruzione::Impossibile) {
        Messaggio avviso = Avviso(mc::Impossibile);
        avviso.icona = Icona::Informazione;
        stato().messaggi.mostra(avviso);
        m_lato->setFocus();
    }
}

void TRidCruciverba::mostraGriglia()
{
    const int l = m_griglia.lato;
    m_titoloGriglia->setText(QStringLiteral("Cruciverba: %1 x %1").arg(l));
    m_tabella->clear();
    m_tabella->setRowCount(l);
    m_tabella->setColumnCount(l);
    const int lato = std::clamp(l > 0 ? 300 / l : 30, 22, 40);
    for (int y = 0; y < l; ++y) {
        m_tabella->setRowHeight(y, lato);
        for (int x = 0; x < l; ++x) {
            auto* voce = new QTableWidgetItem(QString::number(m_griglia.cella(y, x)));
            voce->setTextAlignment(Qt::AlignCenter);
            if (SuDiagonalePrincipale(y, x, l)) {
                voce->setBackground(Qt::black);
                voce->setForeground(Qt::white);
            }
            m_tabella->setItem(y, x, voce);
        }
    }
    for (int x = 0; x < l; ++x) {
        m_tabella->setColumnWidth(x, lato);
    }
}

void TRidCruciverba::mostraSistemi()
{
    m_lista->clear();
    for (const auto& sistema : m_sistemi) {
        m_lista->addItem(QString::fromStdString(TestoSistema(sistema)));
    }
    m_titoloSistemi->setText(QStringLiteral("Sistemi estratti: %1").arg(m_sistemi.size()));
}

bool TRidCruciverba::controllaParametri()
{
    // Nothing to develop without a square.
    return !m_sistemi.empty();
}

EsitoRiduzione TRidCruciverba::esegui(ControlloEsecuzione& controllo)
{
    return SviluppaSistemi(stato().sistema, stato().giocate, m_sistemi, consideraFisse(m_consideraFisse),
                           controllo);
}

void TRidCruciverba::salvaOpzioni()
{
    bool ok = false;
    const int l = m_lato->text().toInt(&ok);
    IDE_Intero(stato().impostazioni, ChiaveDimXY, ok ? l : 5, true);
    for (std::size_t i = 0; i < Tipi.size(); ++i) {
        IDE_Intero(stato().impostazioni, Tipi[i].chiave, m_tipi[i]->isChecked() ? 1 : 0, true);
    }
}

void TRidCruciverba::disegna(QPainter& pittore, const QRect& area, QPrinter* stampante) const
{
    const QFontMetrics metrica(pittore.font());
    const int l = m_griglia.lato;
    const int cella = std::max(metrica.height() * 2, metrica.horizontalAdvance(QStringLiteral("888")));
    int y0 = area.top();
    pittore.setPen(Qt::black);
    for (int y = 0; y < l; ++y) {
        for (int x = 0; x < l; ++x) {
            const QRect r(area.left() + x * cella, y0 + y * cella, cella, cella);
            if (SuDiagonalePrincipale(y, x, l)) {
                pittore.fillRect(r, Qt::black);
                pittore.setPen(Qt::white);
            }
            pittore.drawText(r, Qt::AlignCenter, QString::number(m_griglia.cella(y, x)));
            pittore.setPen(Qt::black);
            pittore.drawRect(r);
        }
    }
    y0 += l * cella + metrica.height();
    const auto riga = [&](const QString& testo) {
        // A long list of systems goes on to the next pages.
        if (stampante != nullptr && y0 + metrica.lineSpacing() > area.bottom()) {
            stampante->newPage();
            y0 = area.top();
        }
        pittore.drawText(area.left(), y0 + metrica.ascent(), testo);
        y0 += metrica.lineSpacing();
    };
    riga(QStringLiteral("Nº sistemi estratti: %1").arg(m_sistemi.size()));
    for (std::size_t i = 0; i < m_sistemi.size(); ++i) {
        riga(QStringLiteral("Sistema nº %1:  ").arg(i + 1) +
             QString::fromStdString(TestoSistema(m_sistemi[i])));
    }
}

void TRidCruciverba::stampa()
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(windowTitle());
    if (!servizi().scegliStampante(stampante, this)) {
        return;
    }
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        stato().messaggi.mostra(Errore("Impossibile avviare la stampa."));
        return;
    }
    QFont carattere = pittore.font();
    carattere.setPointSize(10);
    pittore.setFont(carattere);
    disegna(pittore, pittore.viewport(), &stampante);
    pittore.end();
}

void TRidCruciverba::esporta()
{
    const QString percorso = servizi().scegliFile(
        this,
        ServiziFinestre::SceltaFile::Salva(QStringLiteral("Esporta su file di testo"), QString(),
                                           QString::fromLatin1(FiltroFileTesto), QStringLiteral("txt")));
    if (percorso.isEmpty()) {
        return;
    }
    const std::string testo = TestoSistemi(m_sistemi);
    const std::span<const std::uint8_t> byte(reinterpret_cast<const std::uint8_t*>(testo.data()),
                                             testo.size());
    if (!ScriviFileAtomico(percorso.toStdString(), byte)) {
        stato().messaggi.mostra(Avviso(std::string(FileNonScrivibile) + percorso.toStdString()));
    }
}
