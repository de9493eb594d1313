#include "ui/new_mod_estra_dialog.h"

#include "checking/manutenzione_archivio.h"
#include "core/messaggi_archivio.h"
#include "editor/stato_applicazione.h"
#include "ui/filtro_tasti.h"
#include "ui/griglia_estrazione.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TNewModEstra::TNewModEstra(StatoApplicazione& stato, std::int32_t posizione, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_posizione(posizione)
{
    setWindowTitle(posizione > 0 ? QStringLiteral("Modifica estrazione nº ") + QString::number(posizione)
                                 : QStringLiteral("Nuova estrazione"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* riga = new QHBoxLayout;
    m_data = new QLineEdit(this);
    m_data->setObjectName(QStringLiteral("dataLineEdit"));
    m_data->setMaxLength(10);
    m_data->setFixedWidth(110);
    m_data->setToolTip(QStringLiteral("Inserire la data dell'estrazione nel formato gg/mm/aaaa"));
    m_data->installEventFilter(FiltroTasti::Data(m_data));
    auto* etichetta = new QLabel(QStringLiteral("Estrazione del:"), this);
    etichetta->setBuddy(m_data);
    riga->addWidget(etichetta);
    riga->addWidget(m_data);
    riga->addStretch();
    layout->addLayout(riga);

    m_numeri = CreaGrigliaEstrazione(this, 44, 24);
    layout->addWidget(m_numeri);

    auto* pulsanti = new QHBoxLayout;
    auto* azzera = new QPushButton(QStringLiteral("Azzera"), this);
    azzera->setObjectName(QStringLiteral("azzeraPushButton"));
    azzera->setAutoDefault(false);
    auto* applica = new QPushButton(QStringLiteral("Applica"), this);
    applica->setObjectName(QStringLiteral("applicaPushButton"));
    applica->setAutoDefault(false);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);
    pulsanti->addWidget(azzera);
    pulsanti->addStretch();
    pulsanti->addWidget(applica);
    pulsanti->addWidget(annulla);
    layout->addLayout(pulsanti);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(applica, &QPushButton::clicked, this, &TNewModEstra::applica);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(azzera, &QPushButton::clicked, this, &TNewModEstra::azzera);

    if (posizione >= 1 && posizione <= stato.archivio.conteggio()) {
        riempi(posizione);
    }
}

void TNewModEstra::riempi(std::int32_t posizione)
{
    const EstrazioneDigitata d = EstrazioneInTesto(m_stato.archivio.estrazione(posizione));
    m_data->setText(QString::fromStdString(d.data));
    ScriviGrigliaEstrazione(*m_numeri, d.numeri);
}

void TNewModEstra::azzera()
{
    Messaggio domanda{messaggi_manutenzione::AzzeraEstrazione, "Attenzione", Icona::Domanda, Pulsanti::SiNo,
                      Risposta::No};
    if (m_stato.messaggi.mostra(domanda) != Risposta::Si) {
        return;
    }
    m_data->clear();
    SvuotaGrigliaEstrazione(*m_numeri);
}

void TNewModEstra::applica()
{
    EstrazioneDigitata d;
    d.data = m_data->text().toStdString();
    d.numeri = LeggiGrigliaEstrazione(*m_numeri);
    const EsitoEstrazioneDigitata esito = LeggiEstrazioneDigitata(d);
    if (!esito.valida) {
        m_stato.messaggi.mostra(Avviso(esito.messaggio));
        return;
    }
    const std::int32_t indice = MemorizzaEstrazione(m_stato.archivio, esito.estrazione, m_posizione);
    if (indice == 0) {
        m_stato.messaggi.mostra(Avviso(messaggi_archivio::ArchivioPieno));
        return;
    }
    m_memorizzato = indice;
    // A failed save is told by SalvaArchivioStato; the draw stays in memory and the editor closes, so the
    // window behind shows the archive as it now is.
    (void)SalvaArchivioStato(m_stato);
    accept();
}
