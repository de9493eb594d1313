#include "ui/schermata_avvio.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

QPixmap Immagine()
{
    QPixmap immagine(420, 180);
    QPainter p(&immagine);
    QLinearGradient sfondo(0, 0, 0, 180);
    sfondo.setColorAt(0, QColor(28, 70, 140));
    sfondo.setColorAt(1, QColor(12, 36, 84));
    p.fillRect(immagine.rect(), sfondo);
    p.setPen(Qt::white);
    QFont titolo = QApplication::font();
    titolo.setPixelSize(34);
    titolo.setBold(true);
    p.setFont(titolo);
    p.drawText(QRect(0, 30, 420, 60), Qt::AlignCenter, QStringLiteral("QUARVINA LOTTO"));
    QFont testo = QApplication::font();
    testo.setPixelSize(15);
    p.setFont(testo);
    p.drawText(QRect(0, 110, 420, 30), Qt::AlignCenter, QStringLiteral("Caricamento archivi in corso ..."));
    return immagine;
}

} // namespace

SchermataAvvio::SchermataAvvio() : QSplashScreen(Immagine()) {}
