#include "ui/icone.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace Icone {

namespace {

// A rounded tile in the command family's colour with a short glyph.
QIcon Tessera(const QColor& colore, const QString& segno)
{
    QPixmap immagine(48, 48);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colore.darker(140), 2));
    p.setBrush(colore);
    p.drawRoundedRect(QRectF(3, 3, 42, 42), 9, 9);
    QFont carattere = QApplication::font();
    carattere.setBold(true);
    carattere.setPixelSize(segno.size() > 1 ? 19 : 26);
    p.setFont(carattere);
    p.setPen(Qt::white);
    p.drawText(QRect(3, 3, 42, 42), Qt::AlignCenter, segno);
    return QIcon(immagine);
}

} // namespace

QIcon Crea(Tipo tipo, const QPalette& tavolozza)
{
    (void)tavolozza;
    QStyle* stile = QApplication::style();
    const QColor riduzione(38, 94, 168);
    const QColor statistica(30, 132, 96);
    const QColor giocate(176, 96, 24);
    switch (tipo) {
    case Nuovo:
        return stile->standardIcon(QStyle::SP_FileIcon);
    case Apri:
        return stile->standardIcon(QStyle::SP_DialogOpenButton);
    case Salva:
        return stile->standardIcon(QStyle::SP_DialogSaveButton);
    case Garanzia:
        return Tessera(riduzione, QStringLiteral("G"));
    case Ortogonale:
        return Tessera(riduzione, QStringLiteral("⊥"));
    case Condizionata:
        return Tessera(riduzione, QStringLiteral("C"));
    case Filtro:
        return Tessera(riduzione, QStringLiteral("F"));
    case Ritardi:
        return Tessera(statistica, QStringLiteral("R"));
    case Frequenze:
        return Tessera(statistica, QStringLiteral("Fr"));
    case Ottimizza:
        return Tessera(statistica, QStringLiteral("%"));
    case Annulla:
        return stile->standardIcon(QStyle::SP_ArrowBack);
    case Elimina:
        return stile->standardIcon(QStyle::SP_TrashIcon);
    case Modifica:
        return Tessera(giocate, QStringLiteral("M"));
    case Spoglio:
        return Tessera(giocate, QStringLiteral("€"));
    case Probabilita:
        return Tessera(giocate, QStringLiteral("P"));
    case Stampa:
        return Tessera(giocate, QStringLiteral("S"));
    case Aggiorna:
        return stile->standardIcon(QStyle::SP_BrowserReload);
    }
    return {};
}

} // namespace Icone
