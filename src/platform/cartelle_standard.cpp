#include "platform/cartelle_standard.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString ConSeparatore(QString cartella)
{
    cartella = QDir::cleanPath(cartella);
    if (!cartella.endsWith(QLatin1Char('/'))) {
        cartella += QLatin1Char('/');
    }
    return cartella;
}

// The given folder, else the variable's, else the platform's location (with "Quarvin" added where
// the location is not already the application's own), else the program's folder; created when
// missing.
QString Scegli(const QString& forzata, const char* variabile, const QString& piattaforma,
               const QString& programma)
{
    QString scelta = forzata.isEmpty() ? qEnvironmentVariable(variabile) : forzata;
    if (scelta.isEmpty()) {
        scelta = piattaforma;
    }
    if (scelta.isEmpty() || !QDir().mkpath(scelta)) {
        return programma;
    }
    return ConSeparatore(scelta);
}

QString Posizione(QStandardPaths::StandardLocation luogo, const QString& aggiunta)
{
    const QString base = QStandardPaths::writableLocation(luogo);
    return base.isEmpty() ? QString() : base + aggiunta;
}

} // namespace

Cartelle RisolviCartelle(const QString& cartellaProgramma, const QString& datiForzata,
                         const QString& personaleForzata)
{
    Cartelle cartelle;
    const QString programma = ConSeparatore(cartellaProgramma);
    cartelle.programma = programma.toStdString();
    // The shared data folder is the platform's generic data folder + "Quarvin"; the personal one is
    // the per-user application folder (organisation and application name already in it).
    cartelle.dati =
        Scegli(datiForzata, "QUARVIN_DATI",
               Posizione(QStandardPaths::GenericDataLocation, QStringLiteral("/Quarvin")), programma)
            .toStdString();
    cartelle.personale = Scegli(personaleForzata, "QUARVIN_PERSONALE",
                                Posizione(QStandardPaths::AppDataLocation, QString()), programma)
                             .toStdString();
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    cartelle.documenti = !documenti.isEmpty() && QDir(documenti).exists()
                             ? ConSeparatore(documenti).toStdString()
                             : cartelle.personale;
    return cartelle;
}
