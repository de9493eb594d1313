#include "platform/impostazioni_qsettings.h"

#include <QByteArray>
#include <QSettings>
#include <QVariant>
#include <QtEndian>

#include <cstring>
#include <limits>

namespace {

QString Chiave(std::string_view nome)
{
    return QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size()));
}

std::unique_ptr<QSettings> ApriSettings(const QString& percorsoIni)
{
    QString percorso = percorsoIni;
    if (percorso.isEmpty()) {
        percorso = qEnvironmentVariable("QUARVIN_IMPOSTAZIONI");
    }
    if (!percorso.isEmpty()) {
        return std::make_unique<QSettings>(percorso, QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Calvestra"), QStringLiteral("Quarvin"));
}

} // namespace

ImpostazioniQSettings::ImpostazioniQSettings(const QString& percorsoIni)
    : m_settings(ApriSettings(percorsoIni))
{}

ImpostazioniQSettings::~ImpostazioniQSettings() = default;

bool ImpostazioniQSettings::disponibile() const
{
    return m_settings->status() == QSettings::NoError;
}

std::optional<std::string> ImpostazioniQSettings::leggiTesto(std::string_view nome) const
{
    const QVariant valore = m_settings->value(Chiave(nome));
    if (valore.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return valore.toString().toStdString();
}

std::optional<std::int32_t> ImpostazioniQSettings::leggiIntero(std::string_view nome) const
{
    const QVariant valore = m_settings->value(Chiave(nome));
    bool ok = false;
    qlonglong numero = 0;
    switch (valore.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        numero = valore.toLongLong(&ok);
        break;
    case QMetaType::QString:
        // An INI file keeps no types: an integer comes back as its digits.
        numero = valore.toString().toLongLong(&ok, 10);
        break;
    default:
        return std::nullopt;
    }
    if (!ok || numero < std::numeric_limits<std::int32_t>::min() ||
        numero > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(numero);
}

std::optional<double> ImpostazioniQSettings::leggiDouble(std::string_view nome) const
{
    const QVariant valore = m_settings->value(Chiave(nome));
    if (valore.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    const QByteArray immagine = valore.toByteArray();
    if (immagine.size() != static_cast<qsizetype>(sizeof(double))) {
        return std::nullopt;
    }
    return qFromLittleEndian<double>(immagine.constData());
}

void ImpostazioniQSettings::scriviTesto(std::string_view nome, std::string_view valore)
{
    m_settings->setValue(Chiave(nome),
                         QString::fromUtf8(valore.data(), static_cast<qsizetype>(valore.size())));
}

void ImpostazioniQSettings::scriviIntero(std::string_view nome, std::int32_t valore)
{
    m_settings->setValue(Chiave(nome), static_cast<int>(valore));
}

void ImpostazioniQSettings::scriviDouble(std::string_view nome, double valore)
{
    QByteArray immagine(static_cast<qsizetype>(sizeof valore), '\0');
    qToLittleEndian<double>(valore, immagine.data());
    m_settings->setValue(Chiave(nome), immagine);
}

void ImpostazioniQSettings::sincronizza()
{
    m_settings->sync();
}

QString ImpostazioniQSettings::percorso() const
{
    return m_settings->fileName();
}
