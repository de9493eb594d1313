#include "ui/perrtf_dialog.h"

#include "checking/aggiornamento.h"
#include "checking/messaggi_aggiornamento.h"
#include "checking/rtf_documento.h"
#include "checking/testo_rtf.h"
#include "core/file_binario.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextTable>
#include <QVBoxLayout>

#include <algorithm>
#include <variant>

namespace {

static_assert(DimensioneMassimaRtf >= aggiornamento::MessaggioMassimo,
              "the formatted reading takes every message the download accepts");

// A message never reaches outside the window: even a resource named by some future path into the
// document (an image, a style sheet) resolves to nothing instead of a file or a network address.
class DocumentoSenzaRisorse final : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

QTextCharFormat FormatoCarattere(const StileRtf& stile)
{
    QTextCharFormat formato;
    formato.setFontWeight(stile.grassetto ? QFont::Bold : QFont::Normal);
    formato.setFontItalic(stile.corsivo);
    formato.setFontUnderline(stile.sottolineato);
    formato.setFontPointSize(stile.mezziPunti / 2.0);
    if (stile.colore) {
        formato.setForeground(QColor(stile.colore->rosso, stile.colore->verde, stile.colore->blu));
    }
    return formato;
}

Qt::Alignment Allineamento(AllineamentoRtf allineamento)
{
    switch (allineamento) {
    case AllineamentoRtf::Centro:
        return Qt::AlignHCenter;
    case AllineamentoRtf::Destra:
        return Qt::AlignRight | Qt::AlignAbsolute;
    case AllineamentoRtf::Giustificato:
        return Qt::AlignJustify;
    case AllineamentoRtf::Sinistra:
        break;
    }
    return Qt::AlignLeft | Qt::AlignAbsolute;
}

// Writes the paragraph into the block under the cursor when that block is still empty (the first of
// the document or of a cell, the one after a table), otherwise into a new block.
void ScriviParagrafo(QTextCursor& cursore, const ParagrafoRtf& paragrafo, bool& bloccoLibero)
{
    QTextBlockFormat formato;
    formato.setAlignment(Allineamento(paragrafo.allineamento));
    if (bloccoLibero) {
        cursore.setBlockFormat(formato);
        bloccoLibero = false;
    } else {
        cursore.insertBlock(formato);
    }
    for (const TrattoRtf& tratto : paragrafo.tratti) {
        QString testo = QString::fromStdString(tratto.testo);
        testo.replace(QLatin1Char('\n'), QChar::LineSeparator);
        cursore.insertText(testo, FormatoCarattere(tratto.stile));
    }
}

void ScriviTabella(QTextCursor& cursore, const TabellaRtf& tabella)
{
    std::size_t colonne = 1;
    for (const auto& riga : tabella.righe) {
        colonne = std::max(colonne, riga.size());
    }
    QTextTableFormat formato;
    formato.setBorder(1);
    formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    formato.setBorderCollapse(true);
    formato.setCellPadding(3);
    formato.setCellSpacing(0);
    QTextTable* tavola =
        cursore.insertTable(static_cast<int>(tabella.righe.size()), static_cast<int>(colonne), formato);
    for (std::size_t r = 0; r < tabella.righe.size(); ++r) {
        const auto& riga = tabella.righe[r];
        for (std::size_t c = 0; c < riga.size(); ++c) {
            QTextCursor cella =
                tavola->cellAt(static_cast<int>(r), static_cast<int>(c)).firstCursorPosition();
            bool bloccoLibero = true;
            for (const ParagrafoRtf& paragrafo : riga[c].paragrafi) {
                ScriviParagrafo(cella, paragrafo, bloccoLibero);
            }
        }
    }
    cursore.movePosition(QTextCursor::End);
}

void ScriviDocumento(const DocumentoRtf& documento, QTextDocument& destinazione)
{
    destinazione.clear();
    QTextCursor cursore(&destinazione);
    bool bloccoLibero = true;
    for (const BloccoRtf& blocco : documento.blocchi) {
        if (const auto* paragrafo = std::get_if<ParagrafoRtf>(&blocco)) {
            ScriviParagrafo(cursore, *paragrafo, bloccoLibero);
        } else if (const auto* tabella = std::get_if<TabellaRtf>(&blocco);
                   tabella && !tabella->righe.empty()) {
            ScriviTabella(cursore, *tabella);
            bloccoLibero = true;
        }
    }
}

} // namespace

Tperrtf::Tperrtf(std::string_view messaggio, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tperrtf"));
    setWindowTitle(QString::fromUtf8(messaggi_aggiornamento::TitoloMessaggio));
    auto* layout = new QVBoxLayout(this);
    m_testo = new QTextEdit(this);
    m_testo->setObjectName(QStringLiteral("testoTextEdit"));
    m_testo->setReadOnly(true);
    m_testo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* documento = new DocumentoSenzaRisorse(m_testo);
    m_testo->setDocument(documento);
    const LetturaRtf lettura = LeggiDocumentoRtf(messaggio);
    if (lettura.letto()) {
        ScriviDocumento(lettura.documento, *documento);
    } else {
        m_testo->setPlainText(QString::fromStdString(TestoDaRtf(messaggio)));
    }
    layout->addWidget(m_testo, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okPushButton"));
    ok->setDefault(true);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addStretch(1);
    layout->addLayout(pulsanti);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(480, 360);
}

std::string Tperrtf::leggiFile(const QString& percorso)
{
    const auto byte = LeggiFileIntero(percorso.toStdString(), aggiornamento::MessaggioMassimo);
    if (!byte) {
        return {};
    }
    return std::string(byte->begin(), byte->end());
}
