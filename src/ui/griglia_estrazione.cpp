#include "ui/griglia_estrazione.h"

#include "core/ruote.h"
#include "ui/filtro_tasti.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

constexpr int Colonne = 5;

// The cells are edited in a two-digit line edit that lets through digits and backspace only.
class DelegatoNumero final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* genitore, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(genitore);
        editor->setMaxLength(2);
        editor->setAlignment(Qt::AlignCenter);
        editor->installEventFilter(FiltroTasti::Cifre(false, editor));
        return editor;
    }
};

} // namespace

QTableWidget* CreaGrigliaEstrazione(QWidget* genitore, int larghezzaCella, int altezzaRiga)
{
    auto* griglia = new QTableWidget(RuoteArchivio, Colonne, genitore);
    griglia->setObjectName(QStringLiteral("numeriTableWidget"));
    griglia->setItemDelegate(new DelegatoNumero(griglia));
    QStringList ruote;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        const std::string_view nome = NomiRuote[static_cast<std::size_t>(w)];
        ruote << QString::fromLatin1(nome.data(), static_cast<qsizetype>(nome.size()));
    }
    griglia->setVerticalHeaderLabels(ruote);
    griglia->setHorizontalHeaderLabels({QStringLiteral("1°"), QStringLiteral("2°"), QStringLiteral("3°"),
                                        QStringLiteral("4°"), QStringLiteral("5°")});
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia->horizontalHeader()->setDefaultSectionSize(larghezzaCella);
    griglia->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    griglia->verticalHeader()->setDefaultSectionSize(altezzaRiga);
    griglia->setEditTriggers(QAbstractItemView::AllEditTriggers);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < Colonne; ++c) {
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(Qt::AlignCenter);
            griglia->setItem(r, c, cella);
        }
    }
    griglia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia->setFixedSize(griglia->verticalHeader()->sizeHint().width() + Colonne * larghezzaCella +
                              2 * griglia->frameWidth(),
                          griglia->horizontalHeader()->sizeHint().height() + RuoteArchivio * altezzaRiga +
                              2 * griglia->frameWidth());
    return griglia;
}

void ScriviGrigliaEstrazione(QTableWidget& griglia, const TestiGrigliaEstrazione& testi)
{
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < Colonne; ++c) {
            griglia.item(r, c)->setText(
                QString::fromStdString(testi[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
        }
    }
}

void SvuotaGrigliaEstrazione(QTableWidget& griglia)
{
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < Colonne; ++c) {
            griglia.item(r, c)->setText(QString());
        }
    }
}

TestiGrigliaEstrazione LeggiGrigliaEstrazione(const QTableWidget& griglia)
{
    TestiGrigliaEstrazione testi;
    for (int r = 0; r < RuoteArchivio; ++r) {
        for (int c = 0; c < Colonne; ++c) {
            testi[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                griglia.item(r, c)->text().toStdString();
        }
    }
    return testi;
}
