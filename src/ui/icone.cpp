#include "ui/icone.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <array>

namespace Icone {

namespace {

struct Descrizione
{
    const char* file; // drawing in the program's resources, under :/icone/
    const char* tema; // freedesktop icon name, for the standard commands only
};

constexpr std::array<Descrizione, NumeroTipi> Descrizioni{{
    {"nuovo", "document-new"},
    {"apri", "document-open"},
    {"salva", "document-save-as"},
    {"garanzia", nullptr},
    {"ortogonale", nullptr},
    {"condizionata", nullptr},
    {"filtro", nullptr},
    {"ritardi", nullptr},
    {"frequenze", nullptr},
    {"ottimizza", nullptr},
    {"annulla", nullptr},
    {"elimina", nullptr},
    {"modifica", nullptr},
    {"spoglio", nullptr},
    {"probabilita", nullptr},
    {"stampa", "document-print"},
    {"aggiorna", nullptr},
    {"guida", "help-contents"},
}};

// The colour the drawings use for their strokes; replaced by the palette's text colour.
constexpr QLatin1StringView Inchiostro("#1f1f1f");

// The sizes a toolbar or menu asks for on ordinary and high-density screens.
constexpr std::array<int, 6> Lati{16, 20, 24, 32, 48, 64};

QByteArray Sorgente(Tipo tipo, const QPalette& tavolozza)
{
    QFile file(QStringLiteral(":/icone/%1.svg").arg(QLatin1StringView(Descrizioni[tipo].file)));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QColor testo = tavolozza.color(QPalette::Active, QPalette::WindowText);
    return file.readAll().replace(QByteArray(Inchiostro.data(), Inchiostro.size()),
                                  testo.name(QColor::HexRgb).toLatin1());
}

QPixmap Disegna(QSvgRenderer& disegno, int lato)
{
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore, QRectF(0, 0, lato, lato));
    return immagine;
}

} // namespace

QPixmap Disegno(Tipo tipo, int lato, const QPalette& tavolozza)
{
    QSvgRenderer disegno(Sorgente(tipo, tavolozza));
    if (!disegno.isValid()) {
        return {};
    }
    return Disegna(disegno, lato);
}

QIcon Crea(Tipo tipo, const QPalette& tavolozza)
{
    QIcon nostra;
    QSvgRenderer disegno(Sorgente(tipo, tavolozza));
    if (disegno.isValid()) {
        for (int lato : Lati) {
            nostra.addPixmap(Disegna(disegno, lato));
        }
    }
    const char* tema = Descrizioni[tipo].tema;
    if (tema == nullptr) {
        return nostra;
    }
    return QIcon::fromTheme(QString::fromLatin1(tema), nostra);
}

} // namespace Icone
