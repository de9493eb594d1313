#include "platform/dati_programma.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString CartellaDatiProgramma(const QString& cartellaProgramma)
{
    const QDir programma(cartellaProgramma);
    QStringList candidate;
    candidate << programma.filePath(QStringLiteral("data"));
    // The program's own folder and up to three above it: bin/ under a prefix, and the build tree,
    // whose programs sit a folder or two below its share/quarvin.
    QString sopra = QStringLiteral(".");
    for (int livello = 0; livello <= 3; ++livello) {
        candidate << programma.filePath(sopra + QStringLiteral("/share/quarvin"));
        sopra += QStringLiteral("/..");
    }
    for (const QString& c : candidate) {
        const QFileInfo info(c);
        if (info.isDir()) {
            return QDir::cleanPath(info.absoluteFilePath());
        }
    }
    return {};
}
