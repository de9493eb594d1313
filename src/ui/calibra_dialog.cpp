#include "ui/calibra_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "printing/figura_schedina.h"
#include "printing/messaggi_stampa.h"
#include "ui/anteprima_schedina.h"
#include "ui/servizi_finestre.h"
#include "ui/stampa/tela_stampa.h"
#include "ui/stampa_comune.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include <map>
#include <memory>

namespace {

QString T(const char* testo)
{
    return QString::fromUtf8(testo);
}

} // namespace

TCalibraSchedina::TCalibraSchedina(stampa::MembroCalibrazione membro, StatoApplicazione& stato,
                                   ServiziFinestre& servizi, StampanteCondivisa& stampante, QWidget* genitore)
    : QDialog(genitore), m_membro(membro), m_stato(stato), m_servizi(servizi), m_stampante(stampante)
{
    const stampa::DescrizioneCalibrazione& d = stampa::Descrizione(membro);
    setWindowTitle(T(d.titolo));
    m_stampante.stampante().setDocName(T(messaggi_stampa::TitoloLavoro));
    m_lavoro =
        stampa::RecordDiLavoro(membro, stampa::LeggiCalibrazione(stato.generali, d.modello, d.orientamento));
    m_riferimento = m_lavoro;
    m_centrale = stato.generali.msTipoBloccaggio == 1;

    auto* principale = new QHBoxLayout(this);
    m_anteprima = new AnteprimaSchedina(this);
    m_anteprima->setObjectName(QStringLiteral("anteprimaCalibrazione"));
    principale->addWidget(m_anteprima, 1);
    auto* destra = new QVBoxLayout;
    principale->addLayout(destra);

    auto* valido =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*[.,]?[0-9]*")), this);
    std::map<std::string, QGridLayout*> gruppi;
    for (std::size_t i = 0; i < d.campi.size(); ++i) {
        const stampa::CampoCalibrazione& c = d.campi[i];
        QGridLayout*& griglia = gruppi[c.gruppo];
        if (griglia == nullptr) {
            auto* gruppo = new QGroupBox(T(c.gruppo), this);
            griglia = new QGridLayout(gruppo);
            destra->addWidget(gruppo);
        }
        const int riga = griglia->rowCount();
        auto* campo = new QLineEdit(this);
        campo->setObjectName(QStringLiteral("campo%1LineEdit").arg(c.campo));
        campo->setValidator(valido);
        campo->setMaximumWidth(110);
        campo->installEventFilter(this);
        connect(campo, &QLineEdit::textEdited, campo, [campo](const QString& testo) {
            if (testo.contains(QLatin1Char(','))) {
                const int cursore = campo->cursorPosition();
                campo->setText(QString(testo).replace(QLatin1Char(','), QLatin1Char('.')));
                campo->setCursorPosition(cursore);
            }
        });
        m_campi.push_back(campo);
        auto freccia = [&](int verso) {
            auto* b = new QToolButton(this);
            // Sizes and vertical margins move up and down, the others left and right, as on the slip.
            const QString e = T(c.etichetta);
            const bool alto =
                e.contains(QStringLiteral("superiore")) || e.contains(QStringLiteral("righe")) ||
                e.contains(QStringLiteral("verticale")) || e.contains(QStringLiteral("scritta"));
            b->setArrowType(verso > 0 ? (alto ? Qt::DownArrow : Qt::RightArrow)
                                      : (alto ? Qt::UpArrow : Qt::LeftArrow));
            b->setObjectName(
                QStringLiteral("campo%1%2ToolButton").arg(c.campo).arg(verso > 0 ? "Su" : "Giu"));
            connect(b, &QToolButton::clicked, this, [this, i, verso] { this->freccia(i, verso); });
            return b;
        };
        griglia->addWidget(new QLabel(T(c.etichetta), this), riga, 0);
        griglia->addWidget(campo, riga, 1);
        griglia->addWidget(freccia(-1), riga, 2);
        griglia->addWidget(freccia(1), riga, 3);
    }

    auto* gruppoBlocco = new QGroupBox(QStringLiteral(" Tipo bloccaggio delle schedine "), this);
    auto* blocco = new QVBoxLayout(gruppoBlocco);
    m_laterale = new QRadioButton(QStringLiteral("Bloccaggio laterale"), gruppoBlocco);
    m_laterale->setObjectName(QStringLiteral("lateraleRadioButton"));
    m_centraleRadio = new QRadioButton(QStringLiteral("Bloccaggio centrale"), gruppoBlocco);
    m_centraleRadio->setObjectName(QStringLiteral("centraleRadioButton"));
    blocco->addWidget(m_laterale);
    blocco->addWidget(m_centraleRadio);
    (m_centrale ? m_centraleRadio : m_laterale)->setChecked(true);
    connect(m_centraleRadio, &QRadioButton::toggled, this, &TCalibraSchedina::bloccaggio);
    destra->addWidget(gruppoBlocco);

    auto* pulsanti = new QGridLayout;
    auto pulsante = [this](const char* nome, const char* testo) {
        auto* b = new QPushButton(T(testo), this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* prova = pulsante("provaPushButton", "Stampa schedina di prova");
    QPushButton* salvaPulsante = pulsante("salvaPushButton", "Salva e chiudi");
    QPushButton* originali = pulsante("ripristinaPushButton", "Ripristina valori originali");
    QPushButton* imposta = pulsante("impostaStampantePushButton", "Imposta stampante");
    QPushButton* guida = pulsante("guidaPushButton", "Guida in linea");
    QPushButton* annulla = pulsante("annullaPushButton", "Annulla");
    pulsanti->addWidget(prova, 0, 0);
    pulsanti->addWidget(salvaPulsante, 0, 1);
    pulsanti->addWidget(originali, 1, 0);
    pulsanti->addWidget(imposta, 1, 1);
    pulsanti->addWidget(guida, 2, 0);
    pulsanti->addWidget(annulla, 2, 1);
    destra->addStretch();
    destra->addLayout(pulsanti);
    connect(prova, &QPushButton::clicked, this, &TCalibraSchedina::stampaProva);
    connect(salvaPulsante, &QPushButton::clicked, this, &TCalibraSchedina::salva);
    connect(originali, &QPushButton::clicked, this, &TCalibraSchedina::ripristina);
    connect(imposta, &QPushButton::clicked, this, [this] { (void)m_stampante.scegli(m_servizi, this); });
    connect(guida, &QPushButton::clicked, this, [this, &d] { m_servizi.apriGuida(T(d.guida)); });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);

    m_anteprima->setFigura(stampa::DisegnaFiguraSchedina(d.modello, d.orientamento,
                                                         stampa::RecordDaMemorizzare(membro, m_riferimento)));
    mostraCampi();
}

void TCalibraSchedina::leggiCampi()
{
    const auto& campi = stampa::Descrizione(m_membro).campi;
    for (std::size_t i = 0; i < campi.size(); ++i) {
        double v = 0;
        if (stampa::LeggiValore(m_campi[i]->text().toStdString(), v)) {
            m_lavoro.campo(campi[i].campo) = v;
        }
    }
}

void TCalibraSchedina::mostraCampi()
{
    const auto& campi = stampa::Descrizione(m_membro).campi;
    for (std::size_t i = 0; i < campi.size(); ++i) {
        m_campi[i]->setText(QString::fromStdString(stampa::TestoValore(m_lavoro.campo(campi[i].campo))));
    }
    aggiornaAnteprima();
}

void TCalibraSchedina::aggiornaAnteprima()
{
    const auto& d = stampa::Descrizione(m_membro);
    const bool otto = stampa::CampiCalibrazione(d.modello) == 8;
    // The picture moves with the margins; the far corner marker shows the change of the sizes (or, on the
    // grids, where the last number now lands).
    m_anteprima->setSpostamento(
        {m_lavoro.campo(1) - m_riferimento.campo(1), m_lavoro.campo(2) - m_riferimento.campo(2)});
    stampa::Punto angolo;
    if (otto) {
        angolo = stampa::PosizioneSegno(d.modello, d.orientamento, stampa::tipo::EstrattoDeterminato, 13);
        angolo.x +=
            1 + (m_lavoro.campo(3) - m_riferimento.campo(3)) + (m_lavoro.campo(1) - m_riferimento.campo(1));
        angolo.y +=
            1 + (m_lavoro.campo(4) - m_riferimento.campo(4)) + (m_lavoro.campo(2) - m_riferimento.campo(2));
    } else {
        const auto r = stampa::RecordDaMemorizzare(m_membro, m_lavoro);
        angolo = d.modello == stampa::ModelloSchedina::LottoPiu
                     ? stampa::PosizioneNumeroLottoPiu(d.orientamento, r, 90)
                 : d.modello == stampa::ModelloSchedina::Sng ? stampa::PosizioneSng(d.orientamento, r, 3, 90)
                                                             : stampa::PosizioneSci(d.orientamento, r, 0, 90);
        angolo.x += r.campo(5) / 2;
        angolo.y += r.campo(5) / 2;
    }
    m_anteprima->setMarcatore(angolo, true);
}

void TCalibraSchedina::freccia(std::size_t indice, int verso)
{
    leggiCampi();
    stampa::Spingi(m_membro, m_lavoro, indice, verso);
    mostraCampi();
}

void TCalibraSchedina::bloccaggio(bool centrale)
{
    leggiCampi();
    stampa::CambiaBloccaggio(m_membro, m_lavoro, m_centrale, centrale);
    m_centrale = centrale;
    m_riferimento = m_lavoro;
    mostraCampi();
}

void TCalibraSchedina::stampaProva()
{
    leggiCampi();
    if (!m_stampante.assicura(m_servizi, this)) {
        return;
    }
    m_riferimento = m_lavoro;
    QPrinter& stampante = m_stampante.stampante();
    const stampa::Impaginazione imp = stampa::ImpaginaProva(
        m_membro, stampa::RecordDaMemorizzare(m_membro, m_lavoro), tela::PaginaDi(stampante));
    (void)tela::StampaImpaginazione(stampante, imp);
    m_lavoro = m_riferimento;
    mostraCampi();
}

void TCalibraSchedina::salva()
{
    leggiCampi();
    const auto& d = stampa::Descrizione(m_membro);
    stampa::ScriviCalibrazione(m_stato.generali, d.modello, d.orientamento,
                               stampa::RecordDaMemorizzare(m_membro, m_lavoro));
    m_stato.generali.msTipoBloccaggio = m_centrale ? 1 : 0;
    SalvaImpostazioniGenerali(m_stato.impostazioni, m_stato.generali);
    accept();
}

void TCalibraSchedina::ripristina()
{
    if (m_stato.messaggi.mostra(Messaggio{messaggi_stampa::RipristinaValori, "Attenzione", Icona::Domanda,
                                          Pulsanti::SiNo, Risposta::No}) != Risposta::Si) {
        return;
    }
    m_lavoro = stampa::ValoriOriginali(m_membro, m_centrale);
    m_riferimento = m_lavoro;
    mostraCampi();
}

bool TCalibraSchedina::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            leggiCampi();
            mostraCampi();
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void ApriCalibrazione(stampa::MembroCalibrazione membro, StatoApplicazione& stato, ServiziFinestre& servizi,
                      StampanteCondivisa& stampante, QWidget* genitore)
{
    using M = stampa::MembroCalibrazione;
    std::unique_ptr<TCalibraSchedina> dialogo;
    switch (membro) {
    case M::SimbolottoVerticale:
        dialogo = std::make_unique<TCalibraScheSimbolottoVer>(stato, servizi, stampante, genitore);
        break;
    case M::SimbolottoOrizzontale:
        dialogo = std::make_unique<TCalibraSimbolottoOr>(stato, servizi, stampante, genitore);
        break;
    case M::MdnVerticale:
        dialogo = std::make_unique<TCalibraNuoveVer>(stato, servizi, stampante, genitore);
        break;
    case M::MdnOrizzontale:
        dialogo = std::make_unique<TCalibraNuoveOr>(stato, servizi, stampante, genitore);
        break;
    case M::LottoPiuVerticale:
        dialogo = std::make_unique<TCalibLPiuVer>(stato, servizi, stampante, genitore);
        break;
    case M::LottoPiuOrizzontale:
        dialogo = std::make_unique<TCalibLPiuOr>(stato, servizi, stampante, genitore);
        break;
    case M::SngVerticale:
        dialogo = std::make_unique<TNewCalibraVer>(stato, servizi, stampante, genitore);
        break;
    case M::SngOrizzontale:
        dialogo = std::make_unique<TNewCalibra>(stato, servizi, stampante, genitore);
        break;
    case M::SciVerticale:
        dialogo = std::make_unique<TOldCalibraVer>(stato, servizi, stampante, genitore);
        break;
    case M::SciOrizzontale:
        dialogo = std::make_unique<TOldCalibra>(stato, servizi, stampante, genitore);
        break;
    }
    dialogo->setObjectName(QString::fromLatin1(stampa::Descrizione(membro).classe));
    servizi.esegui(*dialogo);
}
