#include "ui/modimpo_dialog.h"

#include "core/archivio_impostazioni.h"
#include "core/importi.h"
#include "core/impostazioni.h"
#include "core/impostazioni_generali.h"
#include "core/messaggi_servizio.h"

#include "ui/filtro_tasti.h"
#include "ui/servizi_finestre.h"

#include "ui_modimpo_dialog.h"

#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidgetItem>

#include <array>

namespace {

constexpr const char* TopicGuida = "imp_importi.htm";

constexpr const char* ImportoGiocataNonValido = "Uno degli importi delle giocate non è valido.";
constexpr const char* MinimoNonValido = "L'importo minimo di giocata non è valido.";
constexpr const char* MassimoNonValido = "L'importo massimo di giocata non è valido.";
constexpr const char* MultiploNonValido = "Il multiplo delle giocate non è valido.";
constexpr const char* VincitaMassimaNonValida = "La vincita massima per giocata non è valida.";

constexpr int RigheImporti = 18;

// The grid cells are edited in a line edit that gets the same key filter as the boxes, so a key
// typed on the grid, which opens the editor and is forwarded to it, is filtered too.
class DelegatoImporto final : public QStyledItemDelegate
{
public:
    DelegatoImporto(QObject* filtro, QObject* genitore) : QStyledItemDelegate(genitore), m_filtro(filtro) {}

    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem& opzioni,
                          const QModelIndex& indice) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(genitore, opzioni, indice);
        if (editor != nullptr) {
            editor->installEventFilter(m_filtro);
        }
        return editor;
    }

private:
    QObject* m_filtro;
};

// The amount as the user reads it (FormatoImporto without separators). When the settings' decimals
// would cut it, so that "Applica" would store a different amount, the exact text is shown instead.
QString TestoCasella(double x, int decimali)
{
    std::string testo = FormatoImporto(x, false, decimali);
    double riletto = 0;
    if (!LeggiImporto(testo, riletto) || ArrotondaImporto(riletto) != ArrotondaImporto(x)) {
        testo = TestoImportoModificabile(x);
    }
    return QString::fromStdString(testo);
}

[[nodiscard]] bool Leggi(const QString& testo, double& valore)
{
    return LeggiImporto(testo.toStdString(), valore);
}

} // namespace

TModimpo::TModimpo(ImpostazioniGenerali& impostazioni, ArchivioImpostazioni& archivio,
                   ServizioMessaggi& messaggi, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TModimpo>()), m_impostazioni(impostazioni),
      m_archivio(archivio), m_messaggi(messaggi), m_servizi(servizi)
{
    m_ui->setupUi(this);

    auto* filtro = FiltroTasti::Importo(this);
    for (QLineEdit* casella : {m_ui->minimoLineEdit, m_ui->multiploLineEdit, m_ui->massimoLineEdit,
                               m_ui->vincitaMassimaLineEdit}) {
        casella->installEventFilter(filtro);
    }
    m_ui->importiTableWidget->setItemDelegate(new DelegatoImporto(filtro, m_ui->importiTableWidget));
    m_ui->importiTableWidget->setRowCount(RigheImporti);
    m_ui->importiTableWidget->setColumnCount(1);

    connect(m_ui->applicaPushButton, &QPushButton::clicked, this, &TModimpo::applica);
    connect(m_ui->guidaPushButton, &QPushButton::clicked, this, &TModimpo::apriGuida);
    connect(m_ui->annullaPushButton, &QPushButton::clicked, this, &QDialog::reject);

    mostraImpostazioni();
}

TModimpo::~TModimpo() = default;

void TModimpo::mostraImpostazioni()
{
    const int decimali = m_impostazioni.decimali;
    for (int riga = 0; riga < RigheImporti; ++riga) {
        // Row 1 holds i18, the last row i1.
        const double importo =
            m_impostazioni.importiGiocata[static_cast<std::size_t>(RigheImporti - 1 - riga)];
        auto* item = new QTableWidgetItem(TestoCasella(importo, decimali));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_ui->importiTableWidget->setItem(riga, 0, item);
    }
    m_ui->minimoLineEdit->setText(TestoCasella(m_impostazioni.minimo, decimali));
    m_ui->multiploLineEdit->setText(TestoCasella(m_impostazioni.multiplo, decimali));
    m_ui->massimoLineEdit->setText(TestoCasella(m_impostazioni.massimo, decimali));
    m_ui->vincitaMassimaLineEdit->setText(TestoCasella(m_impostazioni.vincitaMassima, decimali));
}

void TModimpo::applica()
{
    // Everything is read into a copy first: a refused value leaves the settings in use exactly as
    // they were, so cancelling after an error changes nothing, and a later save of the general
    // settings by another window cannot store half of this edit.
    ImpostazioniGenerali nuove = m_impostazioni;

    for (int riga = 0; riga < RigheImporti; ++riga) {
        const QTableWidgetItem* item = m_ui->importiTableWidget->item(riga, 0);
        double valore = 0;
        if (!Leggi(item != nullptr ? item->text() : QString(), valore)) {
            m_messaggi.mostra(Errore(ImportoGiocataNonValido));
            return;
        }
        nuove.importiGiocata[static_cast<std::size_t>(RigheImporti - 1 - riga)] = valore;
    }

    struct Limite
    {
        QLineEdit* casella;
        double* valore;
        const char* messaggio;
    };
    const std::array<Limite, 4> limiti{{
        {m_ui->minimoLineEdit, &nuove.minimo, MinimoNonValido},
        {m_ui->massimoLineEdit, &nuove.massimo, MassimoNonValido},
        {m_ui->multiploLineEdit, &nuove.multiplo, MultiploNonValido},
        {m_ui->vincitaMassimaLineEdit, &nuove.vincitaMassima, VincitaMassimaNonValida},
    }};
    for (const Limite& limite : limiti) {
        if (!Leggi(limite.casella->text(), *limite.valore)) {
            m_messaggi.mostra(Errore(limite.messaggio));
            limite.casella->setFocus();
            return;
        }
    }

    m_impostazioni = nuove;
    SalvaImpostazioniGenerali(m_archivio, m_impostazioni);
    accept();
}

void TModimpo::apriGuida()
{
    m_servizi.apriGuida(QString::fromLatin1(TopicGuida));
}
