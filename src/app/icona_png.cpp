// Build tool: renders the program's SVG icon to the PNG sizes desktops look up in the hicolor theme
// (<uscita>/<N>x<N>/apps/<nome>.png), so the drawings are the only source and no PNG is committed.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "uso: quarvin-icona-png DISEGNO.svg USCITA NOME [LATO...]\n");
        return 2;
    }
    // Rendering needs no display: the offscreen platform serves a build machine without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication applicazione(argc, argv);
    QSvgRenderer disegno(QString::fromLocal8Bit(argv[1]));
    if (!disegno.isValid()) {
        std::fprintf(stderr, "quarvin-icona-png: disegno non valido: %s\n", argv[1]);
        return 1;
    }
    const QString uscita = QString::fromLocal8Bit(argv[2]);
    const QString nome = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int lato = std::atoi(argv[i]);
        if (lato <= 0 || lato > 1024) {
            std::fprintf(stderr, "quarvin-icona-png: lato non valido: %s\n", argv[i]);
            return 2;
        }
        const QString cartella = QStringLiteral("%1/%2x%2/apps").arg(uscita).arg(lato);
        QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        {
            QPainter pittore(&immagine);
            pittore.setRenderHint(QPainter::Antialiasing);
            disegno.render(&pittore, QRectF(0, 0, lato, lato));
        }
        if (!QDir().mkpath(cartella) ||
            !immagine.save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"))) {
            std::fprintf(stderr, "quarvin-icona-png: impossibile scrivere in %s\n", qPrintable(cartella));
            return 1;
        }
    }
    return 0;
}
