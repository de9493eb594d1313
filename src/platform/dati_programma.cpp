#include "platform/dati_programma.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString CartellaDatiProgramma(const QString& cartellaProgramma)
{
    const QDir programma(cartellaProgramma);
    QStringList candidate;
    candidate << programma.filePath(QStringLiteral("data"))
              << programma.filePath(QStringLiteral("../share/quarvin"));
#ifdef QUARVIN_CARTELLA_DATI_SORGENTE
    candidate << QStringLiteral(QUARVIN_CARTELLA_DATI_SORGENTE);
#endif
    for (const QString& c : candidate) {
        const QFileInfo info(c);
        if (info.isDir()) {
            return QDir::cleanPath(info.absoluteFilePath());
        }
    }
    return {};
}
