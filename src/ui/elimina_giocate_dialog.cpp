#include "ui/elimina_giocate_dialog.h"

#include "editor/messaggi_giocate.h"
#include "editor/modifica_giocate.h"
#include "editor/stato_applicazione.h"
#include "ui/filtro_tasti.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

TEliminaGiocate::TEliminaGiocate(StatoApplicazione& stato, int posizione, QWidget* parent)
    : QDialog(parent), m_stato(stato)
{
    setObjectName(QStringLiteral("TEliminaGiocate"));
    setWindowTitle(QStringLiteral("Selezionare l'intervallo"));

    const int conteggio = m_stato.giocate.conteggio();
    const int inizio = posizione >= 1 && posizione <= conteggio ? posizione : 1;
    m_prima = creaEstremo("prima", inizio);
    m_ultima = creaEstremo("ultima", inizio);
    m_selezionate = new QLabel(this);
    m_selezionate->setObjectName(QStringLiteral("selezionateLabel"));

    auto* griglia = new QGridLayout;
    int riga = 0;
    for (auto [titolo, estremo] :
         {std::pair{"Prima giocata:", &m_prima}, std::pair{"Ultima giocata:", &m_ultima}}) {
        griglia->addWidget(new QLabel(QString::fromUtf8(titolo), this), riga, 0);
        griglia->addWidget(estremo->casella, riga, 1);
        griglia->addWidget(estremo->giocata, riga, 2);
        griglia->addWidget(estremo->barra, riga + 1, 0, 1, 3);
        riga += 2;
    }
    griglia->setColumnStretch(2, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okPushButton"));
    ok->setDefault(true);
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("annullaPushButton"));
    annulla->setAutoDefault(false);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(griglia);
    layout->addWidget(m_selezionate);
    layout->addLayout(pulsanti);

    connect(m_prima.barra, &QScrollBar::valueChanged, this, [this] { estremoCambiato(true); });
    connect(m_ultima.barra, &QScrollBar::valueChanged, this, [this] { estremoCambiato(false); });
    connect(m_prima.casella, &QLineEdit::editingFinished, this, [this] { applicaCasella(m_prima); });
    connect(m_ultima.casella, &QLineEdit::editingFinished, this, [this] { applicaCasella(m_ultima); });
    connect(ok, &QPushButton::clicked, this, &TEliminaGiocate::conferma);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);

    estremoCambiato(true);
    setMinimumWidth(420);
}

TEliminaGiocate::Estremo TEliminaGiocate::creaEstremo(const char* nome, int posizione)
{
    Estremo e;
    e.barra = new QScrollBar(Qt::Horizontal, this);
    e.barra->setObjectName(QString::fromLatin1(nome) + QStringLiteral("ScrollBar"));
    e.barra->setRange(1, m_stato.giocate.conteggio() < 1 ? 1 : m_stato.giocate.conteggio());
    e.barra->setValue(posizione);
    e.casella = new QLineEdit(this);
    e.casella->setObjectName(QString::fromLatin1(nome) + QStringLiteral("LineEdit"));
    e.casella->setMaxLength(10);
    e.casella->setFixedWidth(90);
    e.casella->installEventFilter(FiltroTasti::Cifre(false, this));
    e.giocata = new QLabel(this);
    e.giocata->setObjectName(QString::fromLatin1(nome) + QStringLiteral("GiocataLabel"));
    return e;
}

int TEliminaGiocate::prima() const
{
    return m_prima.barra->value();
}

int TEliminaGiocate::ultima() const
{
    return m_ultima.barra->value();
}

void TEliminaGiocate::estremoCambiato(bool primo)
{
    // Setting the other bar calls this again for it, which finds the order right and just shows.
    if (primo && prima() > ultima()) {
        m_ultima.barra->setValue(prima());
    } else if (!primo && ultima() < prima()) {
        m_prima.barra->setValue(ultima());
    }
    mostra(m_prima);
    mostra(m_ultima);
    m_selezionate->setText(
        QString::fromStdString(messaggi_giocate::GiocateSelezionate(ultima() - prima() + 1)));
}

void TEliminaGiocate::mostra(const Estremo& estremo)
{
    const int indice = estremo.barra->value();
    estremo.casella->setText(QString::number(indice));
    const QString numeri = indice >= 1 && indice <= m_stato.giocate.conteggio()
                               ? QString::fromStdString(TestoGiocata(m_stato.giocate.voce(indice)))
                               : QString();
    estremo.giocata->setText(QLatin1Char('[') + numeri + QLatin1Char(']'));
}

void TEliminaGiocate::applicaCasella(const Estremo& estremo)
{
    bool ok = false;
    const int valore = estremo.casella->text().toInt(&ok);
    if (ok && valore >= 1 && valore <= m_stato.giocate.conteggio()) {
        estremo.barra->setValue(valore);
    }
    // A value out of range is forgotten: the box shows the position again.
    mostra(estremo);
}

void TEliminaGiocate::conferma()
{
    // Enter in a box confirms what was typed there before asking.
    applicaCasella(m_prima);
    applicaCasella(m_ultima);
    const int quante = ultima() - prima() + 1;
    const std::string domanda = quante == 1 ? messaggi_giocate::DomandaEliminaUna
                                            : messaggi_giocate::DomandaEliminaIntervallo(quante);
    const Messaggio m{domanda, messaggi_giocate::TitoloAttenzione, Icona::Domanda, Pulsanti::SiNo,
                      Risposta::Si};
    if (m_stato.messaggi.mostra(m) != Risposta::Si) {
        return;
    }
    EliminaGiocate(prima(), ultima(), m_stato.giocate);
    m_stato.sistema.modificato = true;
    accept();
}
