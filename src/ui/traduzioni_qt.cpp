#include "ui/traduzioni_qt.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CaricaTraduzioniQt(QTranslator& traduttore)
{
    // The program speaks Italian whatever the desktop's language, so its dialogs do too.
    return traduttore.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                           QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
