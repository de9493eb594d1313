#include "ui/analisi_condizionata_dialog.h"

#include "editor/stato_applicazione.h"
#include "reductions/analisi_condizionata.h"
#include "reductions/messaggi_riduzioni.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <vector>

namespace {

constexpr const char* TopicGuida = "mdr_condizionata.htm";
constexpr int MargineBarra = 54;

QStringList RigheCriteri(bool conFisse)
{
    QStringList righe;
    for (Criterio c : Criteri) {
        righe << QString::fromUtf8(Descrizione(c).didascalia);
    }
    if (conFisse) {
        righe << QStringLiteral("Fisse");
    }
    return righe;
}

// The count cells: on white, a red bar as long as the count against the largest of the column (the
// cell width less 54 pixels), then the count in a small pale-yellow box. Rows that receive no count
// stay blank.
class DelegatoConteggi final : public QStyledItemDelegate
{
public:
    DelegatoConteggi(std::vector<bool> attive, QObject* genitore)
        : QStyledItemDelegate(genitore), m_attive(std::move(attive))
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& opzioni,
               const QModelIndex& indice) const override
    {
        const QRect r = opzioni.rect;
        painter->fillRect(r, Qt::white);
        const auto riga = static_cast<std::size_t>(indice.row());
        if (riga >= m_attive.size() || !m_attive[riga]) {
            return;
        }
        qint64 massimo = 0;
        for (int i = 0; i < indice.model()->rowCount(); ++i) {
            if (static_cast<std::size_t>(i) < m_attive.size() && m_attive[static_cast<std::size_t>(i)]) {
                massimo = std::max(massimo, indice.model()->index(i, 1).data().toString().toLongLong());
            }
        }
        const qint64 valore = indice.data().toString().toLongLong();
        const int lunghezzaMassima = std::max(0, r.width() - MargineBarra);
        const int lunghezza = massimo > 0 ? static_cast<int>(static_cast<double>(valore) /
                                                             static_cast<double>(massimo) * lunghezzaMassima)
                                          : 0;
        const QRect barra(r.left() + 2, r.top() + r.height() / 4, lunghezza, r.height() / 2);
        painter->fillRect(barra, QColor(220, 0, 0));
        const QString testo = QString::number(valore);
        const QFontMetrics metrica(opzioni.font);
        const int larghezza = metrica.horizontalAdvance(testo) + 6;
        const QRect scatola(barra.right() + 3, r.top() + 2, larghezza, r.height() - 4);
        painter->fillRect(scatola, QColor(255, 255, 200));
        painter->setPen(QColor(160, 160, 160));
        painter->drawRect(scatola.adjusted(0, 0, -1, -1));
        painter->setPen(Qt::black);
        painter->drawText(scatola, Qt::AlignCenter, testo);
    }

private:
    std::vector<bool> m_attive;
};

// The grid as both windows draw it: the title row grey and bold, the captions of criteria that are not
// enabled in grey, the count column drawn by DelegatoConteggi.
void PreparaGriglia(QDialog& finestra, const CondizioniRiduzione& condizioni, bool conFisse)
{
    auto* griglia = finestra.findChild<QTableWidget*>(QStringLiteral("analisiTableWidget"));
    if (griglia == nullptr) {
        return;
    }
    griglia->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #c0c0c0; font-weight: bold; }"));
    griglia->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    griglia->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    griglia->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    std::vector<bool> attive;
    for (int r = 0; r < griglia->rowCount(); ++r) {
        const bool attiva = r < CriteriCondizioni ? condizioni.abilitato(CriterioDi(r)) : conFisse;
        attive.push_back(attiva);
        if (QTableWidgetItem* voce = griglia->item(r, 0)) {
            voce->setForeground(attiva ? QColor(Qt::black) : QColor(150, 150, 150));
            voce->setBackground(Qt::white);
        }
    }
    griglia->setItemDelegateForColumn(1, new DelegatoConteggi(std::move(attive), griglia));
    // Every row in view at once.
    griglia->verticalHeader()->setDefaultSectionSize(griglia->fontMetrics().height() + 6);
    finestra.resize(640, 25 * (griglia->fontMetrics().height() + 6) + 170);
}

} // namespace

TAnalisiRidCondizionata::TAnalisiRidCondizionata(StatoApplicazione& stato, ServiziFinestre& servizi,
                                                 const CondizioniRiduzione& condizioni, ModoCondizionata modo,
                                                 bool consideraFisse, QWidget* parent)
    : TAnalisiDialog(stato.messaggi, servizi,
                     Testi{QStringLiteral("Analisi giocate"),
                           QStringLiteral("Nº giocate che non rispettano le condizioni"), RigheCriteri(true),
                           QString::fromUtf8(messaggi_riduzioni::GiocateValide),
                           QString::fromLatin1(TopicGuida), true},
                     parent),
      m_stato(stato), m_condizioni(condizioni), m_modo(modo),
      m_consideraFisse(consideraFisse && stato.sistema.numeroFisse > 0)
{
    PreparaGriglia(*this, m_condizioni, m_consideraFisse);
}

void TAnalisiRidCondizionata::calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi)
{
    AnalisiCondizioniGiocate(m_stato.sistema, m_stato.giocate, m_condizioni, m_modo, m_consideraFisse,
                             conteggi, controllo);
}

TAnalisiStoricaRidCond::TAnalisiStoricaRidCond(StatoApplicazione& stato, ServiziFinestre& servizi,
                                               const CondizioniRiduzione& condizioni, int sceltaRuota,
                                               int sceltaDimensione, QWidget* parent)
    : TAnalisiDialog(stato.messaggi, servizi,
                     Testi{QString::fromStdString(TitoloAnalisiStorica(sceltaRuota, sceltaDimensione)),
                           QStringLiteral("Nº estrazioni che non rispettano le condizioni"),
                           RigheCriteri(false), QString::fromUtf8(messaggi_riduzioni::EstrazioniValide),
                           QString::fromLatin1(TopicGuida)},
                     parent),
      m_stato(stato), m_condizioni(condizioni), m_ruota(sceltaRuota), m_dimensione(sceltaDimensione)
{
    PreparaGriglia(*this, m_condizioni, false);
}

void TAnalisiStoricaRidCond::calcola(ControlloEsecuzione& controllo, ConteggiAnalisi& conteggi)
{
    const CampioneStorico campione(m_stato.archivio, m_ruota, m_dimensione);
    AnalisiCondizioniStorica(campione, m_condizioni, conteggi, controllo);
}
