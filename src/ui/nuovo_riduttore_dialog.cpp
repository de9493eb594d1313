#include "ui/nuovo_riduttore_dialog.h"

#include "core/file_binario.h"
#include "editor/stato_applicazione.h"
#include "ui/dlg_dai_stringa.h"
#include "ui/pro_vin_riduttore_dialog.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace mrp = messaggi_riduttori_personali;

TNuovoRiduttore::TNuovoRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent,
                                 std::optional<VoceRiduttore> esistente)
    : QDialog(parent), m_stato(stato), m_servizi(servizi), m_esistente(std::move(esistente))
{
    setWindowTitle(m_esistente
                       ? QStringLiteral("Modifica riduttore ") + QString::fromStdString(m_esistente->nomeFile)
                       : QStringLiteral("Nuovo riduttore personalizzato"));
    setModal(true);
    auto* principale = new QVBoxLayout(this);
    auto* gruppo = new QGroupBox(QStringLiteral(" Riduttore "), this);
    auto* layout = new QVBoxLayout(gruppo);

    auto* etichettaGiocate = new QLabel(QStringLiteral("Giocate riduttrici"), gruppo);
    layout->addWidget(etichettaGiocate);
    m_giocate = new QPlainTextEdit(gruppo);
    m_giocate->setObjectName(QStringLiteral("giocateTextEdit"));
    m_giocate->setPlaceholderText(
        QStringLiteral("Inserire una giocata in ogni riga separando i numeri con uno spazio."));
    m_giocate->setToolTip(m_giocate->placeholderText());
    m_giocate->installEventFilter(this);
    etichettaGiocate->setBuddy(m_giocate);
    layout->addWidget(m_giocate, 3);

    auto* riga = new QHBoxLayout;
    m_conteggio = new QLabel(gruppo);
    m_conteggio->setObjectName(QStringLiteral("conteggioLabel"));
    m_usaGiocate = new QCheckBox(QStringLiteral("Usa giocate attuali"), gruppo);
    m_usaGiocate->setObjectName(QStringLiteral("usaGiocateCheckBox"));
    m_usaGiocate->setEnabled(!stato.giocate.vuoto());
    riga->addWidget(m_conteggio);
    riga->addStretch(1);
    riga->addWidget(m_usaGiocate);
    layout->addLayout(riga);

    auto* etichettaCommenti = new QLabel(QStringLiteral("Commenti"), gruppo);
    layout->addWidget(etichettaCommenti);
    m_commenti = new QPlainTextEdit(gruppo);
    m_commenti->setObjectName(QStringLiteral("commentiTextEdit"));
    etichettaCommenti->setBuddy(m_commenti);
    layout->addWidget(m_commenti, 1);
    principale->addWidget(gruppo, 1);

    auto* pulsanti = new QHBoxLayout;
    const auto pulsante = [this, pulsanti](const char* nome, const QString& testo) {
        auto* p = new QPushButton(testo, this);
        p->setObjectName(QString::fromLatin1(nome));
        p->setAutoDefault(false);
        pulsanti->addWidget(p);
        return p;
    };
    QPushButton* salva = pulsante("salvaPushButton", QStringLiteral("Salva"));
    salva->setDefault(true);
    QPushButton* verifica = pulsante("verificaPushButton", QStringLiteral("Verifica"));
    QPushButton* probabilita = pulsante("probabilitaPushButton", QStringLiteral("Probabilità di vincita"));
    pulsanti->addStretch(1);
    QPushButton* guida = pulsante("guidaPushButton", QStringLiteral("Guida in linea"));
    QPushButton* annulla = pulsante("annullaPushButton", QStringLiteral("Annulla"));
    principale->addLayout(pulsanti);

    if (m_esistente) {
        m_ultimoNome = QString::fromStdString(m_esistente->nome());
        std::string commenti;
        std::vector<std::string> righe;
        if (RigheModificaRiduttore(m_esistente->percorso, commenti, righe)) {
            QStringList testo;
            for (const std::string& r : righe) {
                testo << QString::fromStdString(r);
            }
            m_giocate->setPlainText(testo.join(QLatin1Char('\n')));
            m_commenti->setPlainText(QString::fromStdString(commenti));
        }
    }

    connect(m_giocate, &QPlainTextEdit::textChanged, this, &TNuovoRiduttore::aggiornaConteggio);
    connect(m_usaGiocate, &QCheckBox::toggled, this, [this](bool usa) {
        m_giocate->setEnabled(!usa);
        aggiornaConteggio();
    });
    connect(salva, &QPushButton::clicked, this, &TNuovoRiduttore::salva);
    connect(verifica, &QPushButton::clicked, this, &TNuovoRiduttore::verifica);
    connect(probabilita, &QPushButton::clicked, this, &TNuovoRiduttore::probabilita);
    connect(guida, &QPushButton::clicked, this,
            [this] { m_servizi.apriGuida(QStringLiteral("mdr_crearid.htm")); });
    connect(annulla, &QPushButton::clicked, this, &TNuovoRiduttore::reject);
    aggiornaConteggio();
    resize(520, 520);
}

bool TNuovoRiduttore::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == m_giocate && evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        const QString testo = tasto->text();
        // Keys without text (arrows, Delete, shortcuts) keep their meaning; of the typed characters only
        // what a play line needs gets through.
        const bool ammesso = testo.isEmpty() || tasto->key() == Qt::Key_Backspace ||
                             tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter ||
                             (testo.size() == 1 && (testo[0].isDigit() || testo[0] == QLatin1Char(' ')));
        // Shortcuts (copy, paste, undo) keep working; pasted text is validated like typed text.
        if (!ammesso && (tasto->modifiers() & Qt::ControlModifier) == 0) {
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TNuovoRiduttore::aggiornaConteggio()
{
    qint64 righe = 0;
    if (m_usaGiocate->isChecked()) {
        righe = m_stato.giocate.conteggio();
    } else if (!m_giocate->toPlainText().isEmpty()) {
        righe = m_giocate->document()->blockCount();
    }
    m_conteggio->setText(QStringLiteral("Nº giocate: ") + QString::number(righe));
}

std::optional<EsitoValidazioneRiduttore> TNuovoRiduttore::valida()
{
    const std::string commenti = m_commenti->toPlainText().toStdString();
    EsitoValidazioneRiduttore esito;
    if (m_usaGiocate->isChecked()) {
        esito = ValidaGiocateRiduttore(m_stato.giocate.dati(), m_stato.giocate.conteggio(), commenti);
    } else {
        std::vector<std::string> righe;
        for (const QString& r : m_giocate->toPlainText().split(QLatin1Char('\n'))) {
            righe.push_back(r.toStdString());
        }
        esito = ValidaRigheRiduttore(righe, commenti);
    }
    if (esito.valida()) {
        return esito;
    }
    m_stato.messaggi.mostra(*esito.errore);
    if (!m_usaGiocate->isChecked()) {
        m_giocate->setFocus();
        if (esito.rigaErrata >= 0) {
            const QTextBlock blocco = m_giocate->document()->findBlockByNumber(esito.rigaErrata);
            QTextCursor cursore(blocco);
            cursore.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            m_giocate->setTextCursor(cursore);
        }
    }
    return std::nullopt;
}

std::optional<std::string> TNuovoRiduttore::scegliNome(bool chiedi)
{
    if (m_esistente && !chiedi) {
        return m_esistente->nome();
    }
    while (true) {
        TDlgDaiStringa nome(m_ultimoNome, this);
        if (m_servizi.esegui(nome) != QDialog::Accepted || nome.testo().isEmpty()) {
            return std::nullopt;
        }
        m_ultimoNome = nome.testo();
        const std::string scelto = m_ultimoNome.toStdString();
        if (!NomeRiduttoreValido(scelto)) {
            m_stato.messaggi.mostra(Avviso(mrp::NomeNonValido));
            continue;
        }
        if (EsisteFile(PercorsoRiduttore(m_stato.cartelle.personale, scelto))) {
            const Messaggio domanda{std::string(mrp::SovrascriviPrima) + scelto + mrp::SovrascriviDopo,
                                    "Attenzione", Icona::Domanda, Pulsanti::SiNo, Risposta::No};
            if (m_stato.messaggi.mostra(domanda) != Risposta::Si) {
                return std::nullopt;
            }
        }
        return scelto;
    }
}

void TNuovoRiduttore::salva()
{
    bool chiedi = false;
    while (true) {
        const std::optional<std::string> nome = scegliNome(chiedi);
        if (!nome) {
            return;
        }
        // Validated before anything is written: a refused save leaves an earlier file as it was.
        const std::optional<EsitoValidazioneRiduttore> esito = valida();
        if (!esito) {
            return;
        }
        if (ScriviFileRiduttore(PercorsoRiduttore(m_stato.cartelle.personale, *nome), esito->riduttore)) {
            accept();
            return;
        }
        m_stato.messaggi.mostra(Avviso(mrp::NomeNonValido));
        chiedi = true;
    }
}

void TNuovoRiduttore::verifica()
{
    if (const auto esito = valida()) {
        m_stato.messaggi.mostra(MessaggioVerifica(esito->riduttore));
    }
}

void TNuovoRiduttore::probabilita()
{
    std::optional<EsitoValidazioneRiduttore> esito = valida();
    if (!esito) {
        return;
    }
    if (static_cast<std::int64_t>(esito->giocate.size()) > MassimoGiocateProbabilita) {
        m_stato.messaggi.mostra(Avviso(mrp::TroppeGiocate));
        return;
    }
    TProVinRiduttore dialogo(m_stato, m_servizi,
                             QStringLiteral("Calcola probabilità di vincita del riduttore personalizzato"),
                             std::move(esito->numeri), std::move(esito->giocate), this);
    m_servizi.esegui(dialogo);
}

void TNuovoRiduttore::reject()
{
    if (!m_giocate->toPlainText().isEmpty()) {
        const Messaggio domanda{mrp::ChiudiSenzaSalvare, "Attenzione", Icona::Domanda, Pulsanti::SiNo,
                                Risposta::No};
        if (m_stato.messaggi.mostra(domanda) != Risposta::Si) {
            return;
        }
    }
    QDialog::reject();
}
