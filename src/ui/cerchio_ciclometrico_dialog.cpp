#include "ui/cerchio_ciclometrico_dialog.h"

#include "core/messaggi_servizio.h"
#include "core/ruote.h"
#include "editor/stato_applicazione.h"
#include "tools/messaggi_strumenti.h"
#include "ui/filtro_tasti.h"
#include "ui/servizi_finestre.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Testo(const std::string& testo)
{
    return QString::fromStdString(testo);
}

QPointF Punto(const cerchio::Punto& p)
{
    return {p.x, p.y};
}

} // namespace

DisegnoCerchio::DisegnoCerchio(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(200, 200);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void DisegnoCerchio::setNumeri(const cerchio::Cinquina& numeri)
{
    m_numeri = numeri;
    update();
}

void DisegnoCerchio::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int lato = std::min(width(), height());
    p.translate((width() - lato) / 2, (height() - lato) / 2);
    const cerchio::GeometriaCerchio g = cerchio::CalcolaGeometria(lato, m_numeri);

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(QPointF(g.angoloAlto, g.angoloAlto), QPointF(g.angoloBasso, g.angoloBasso)));
    for (const cerchio::Tacca& t : g.tacche) {
        p.drawLine(Punto(t.interno), Punto(t.esterno));
    }

    if (!g.poligono.empty()) {
        QPolygonF poligono;
        for (const cerchio::Punto& punto : g.poligono) {
            poligono << Punto(punto);
        }
        p.setPen(QPen(Qt::red, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0, 200, 0));
        p.drawPolygon(poligono);
    }

    // The numbers stand in the margin outside the circle, clear of the pentagon; those shown are in
    // bold.
    QFont normale = font();
    normale.setPixelSize(std::clamp(lato / 52, 6, 10));
    QFont grassetto = normale;
    grassetto.setBold(true);
    const double raggio = g.raggioTacche + normale.pixelSize() * 0.75 + 1;
    const double mezzo = normale.pixelSize();
    p.setPen(Qt::black);
    for (int n = 1; n <= 90; ++n) {
        const bool mostrato = std::find(m_numeri.begin(), m_numeri.end(), n) != m_numeri.end();
        p.setFont(mostrato ? grassetto : normale);
        const QPointF centro = Punto(cerchio::PosizioneNumero(n, g.centro, raggio));
        p.drawText(QRectF(centro.x() - mezzo, centro.y() - mezzo, 2 * mezzo, 2 * mezzo), Qt::AlignCenter,
                   QString::number(n));
    }
}

TCerchioCiclometrico::TCerchioCiclometrico(StatoApplicazione& stato, ServiziFinestre& servizi,
                                           QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi)
{
    setWindowTitle(QString::fromUtf8(messaggi_strumenti::TitoloCerchio));
    setModal(true);
    auto* layout = new QHBoxLayout(this);

    auto* sinistra = new QVBoxLayout;
    m_disegno = new DisegnoCerchio(this);
    m_disegno->setObjectName(QStringLiteral("cerchioDisegnoCerchio"));
    m_disegno->setFixedSize(DisegnoCerchio::LatoPredefinito, DisegnoCerchio::LatoPredefinito);
    sinistra->addWidget(m_disegno);
    const auto etichetta = [this, sinistra](const char* nome) {
        auto* e = new QLabel(this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setTextInteractionFlags(Qt::TextSelectableByMouse);
        sinistra->addWidget(e);
        return e;
    };
    m_etichettaNumeri = etichetta("numeriLabel");
    m_etichettaLati = etichetta("latiLabel");
    m_etichettaDistanze = etichetta("distanzeLabel");
    m_etichettaDistanzeCiclometriche = etichetta("distanzeCiclometricheLabel");
    layout->addLayout(sinistra);

    auto* destra = new QVBoxLayout;
    auto* gruppo = new QGroupBox(QStringLiteral(" Impostazioni "), this);
    auto* impostazioni = new QVBoxLayout(gruppo);
    impostazioni->addWidget(new QLabel(QStringLiteral("Visualizza estrazione:"), gruppo));
    m_barra = new QScrollBar(Qt::Horizontal, gruppo);
    m_barra->setObjectName(QStringLiteral("estrazioneScrollBar"));
    impostazioni->addWidget(m_barra);
    m_data = new QLabel(gruppo);
    m_data->setObjectName(QStringLiteral("dataLabel"));
    impostazioni->addWidget(m_data);
    m_concorso = new QLabel(gruppo);
    m_concorso->setObjectName(QStringLiteral("concorsoLabel"));
    impostazioni->addWidget(m_concorso);

    impostazioni->addSpacing(8);
    impostazioni->addWidget(new QLabel(QStringLiteral("Ruota"), gruppo));
    m_ruota = new QComboBox(gruppo);
    m_ruota->setObjectName(QStringLiteral("ruotaComboBox"));
    for (int w = Bari; w <= Nazionale; ++w) {
        const std::string_view nome = NomiRuote[static_cast<std::size_t>(w)];
        m_ruota->addItem(QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size())));
    }
    impostazioni->addWidget(m_ruota);

    impostazioni->addSpacing(8);
    impostazioni->addWidget(new QLabel(QStringLiteral("Visualizza numeri:"), gruppo));
    auto* campi = new QHBoxLayout;
    auto* filtro = FiltroTasti::Cifre(false, this);
    for (std::size_t i = 0; i < m_campi.size(); ++i) {
        auto* campo = new QLineEdit(gruppo);
        campo->setObjectName(QStringLiteral("numero%1LineEdit").arg(i + 1));
        campo->setMaxLength(2);
        campo->setAlignment(Qt::AlignCenter);
        campo->setFixedWidth(campo->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        campo->installEventFilter(filtro);
        connect(campo, &QLineEdit::textEdited, this, [this] { m_ridisegna->setEnabled(true); });
        campi->addWidget(campo);
        m_campi[i] = campo;
    }
    campi->addStretch();
    impostazioni->addLayout(campi);
    m_ridisegna = new QPushButton(QStringLiteral("Ridisegna"), gruppo);
    m_ridisegna->setObjectName(QStringLiteral("ridisegnaPushButton"));
    m_ridisegna->setAutoDefault(false);
    m_ridisegna->setEnabled(false);
    impostazioni->addWidget(m_ridisegna);
    destra->addWidget(gruppo);
    destra->addStretch();

    auto* guida = new QPushButton(QStringLiteral("Guida in linea"), this);
    guida->setObjectName(QStringLiteral("guidaPushButton"));
    auto* chiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    chiudi->setObjectName(QStringLiteral("chiudiPushButton"));
    for (QPushButton* pulsante : {guida, chiudi}) {
        pulsante->setAutoDefault(false);
        destra->addWidget(pulsante);
    }
    layout->addLayout(destra);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_barra, &QScrollBar::valueChanged, this, &TCerchioCiclometrico::caricaEstrazione);
    connect(m_ruota, &QComboBox::currentIndexChanged, this, &TCerchioCiclometrico::caricaEstrazione);
    connect(m_ridisegna, &QPushButton::clicked, this, &TCerchioCiclometrico::ridisegna);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QString::fromLatin1(messaggi_strumenti::GuidaCerchio)); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);

    mostraNumeri(m_numeri);
    scriviCampi(m_numeri);
    preparaApertura();
}

void TCerchioCiclometrico::showEvent(QShowEvent* evento)
{
    preparaApertura();
    QDialog::showEvent(evento);
}

void TCerchioCiclometrico::preparaApertura()
{
    const std::int32_t n = m_stato.archivio.conteggio();
    if (n == m_conteggioArchivio) {
        return;
    }
    m_conteggioArchivio = n;
    {
        const QSignalBlocker blocco(m_barra);
        m_barra->setRange(n > 0 ? 1 : 0, n);
        m_barra->setPageStep(std::max(1, n / 20));
        m_barra->setValue(n);
        m_barra->setEnabled(n > 0);
    }
    caricaEstrazione();
}

void TCerchioCiclometrico::caricaEstrazione()
{
    const std::int32_t posizione = m_barra->value();
    if (posizione < 1 || posizione > m_stato.archivio.conteggio()) {
        m_data->setText(QString::fromUtf8(messaggi_strumenti::EtichettaData));
        m_concorso->setText(QString::fromUtf8(messaggi_strumenti::EtichettaConcorso));
        return;
    }
    const Tipo_Estrazione& estrazione = m_stato.archivio.estrazione(posizione);
    m_data->setText(Testo(cerchio::TestoDel(estrazione)));
    m_concorso->setText(Testo(cerchio::TestoConcorso(posizione)));
    const cerchio::Cinquina numeri = cerchio::NumeriEstrazione(estrazione, m_ruota->currentIndex() + 1);
    scriviCampi(numeri);
    mostraNumeri(numeri);
    m_ridisegna->setEnabled(false);
}

void TCerchioCiclometrico::ridisegna()
{
    std::array<std::string, cerchio::NumeriCerchio> testi;
    for (std::size_t i = 0; i < m_campi.size(); ++i) {
        testi[i] = m_campi[i]->text().toStdString();
    }
    const cerchio::EsitoNumeri esito = cerchio::LeggiNumeriDigitati(testi);
    if (esito.ordinati) {
        scriviCampi(esito.numeri);
    }
    if (!esito.valido()) {
        (void)m_stato.messaggi.mostra(Avviso(cerchio::MessaggioNumeroNonValido(esito.campoErrato)));
        m_campi[static_cast<std::size_t>(esito.campoErrato - 1)]->setFocus();
        return;
    }
    mostraNumeri(esito.numeri);
    m_ridisegna->setEnabled(false);
}

void TCerchioCiclometrico::mostraNumeri(const cerchio::Cinquina& numeri)
{
    m_numeri = numeri;
    m_etichettaNumeri->setText(Testo(cerchio::TestoNumeri(numeri)));
    m_etichettaLati->setText(Testo(cerchio::TestoLati(numeri)));
    m_etichettaDistanze->setText(Testo(cerchio::TestoDistanze(numeri)));
    m_etichettaDistanzeCiclometriche->setText(Testo(cerchio::TestoDistanzeCiclometriche(numeri)));
    m_disegno->setNumeri(numeri);
}

void TCerchioCiclometrico::scriviCampi(const cerchio::Cinquina& numeri)
{
    for (std::size_t i = 0; i < m_campi.size(); ++i) {
        m_campi[i]->setText(QString::number(numeri[i]));
    }
}
