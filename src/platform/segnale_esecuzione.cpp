#include "platform/segnale_esecuzione.h"

#include <QDir>
#include <QLockFile>

SegnaleEsecuzione::SegnaleEsecuzione(const QString& nome)
    : m_percorso(QDir::temp().filePath(nome + QStringLiteral(".lock"))),
      m_blocco(std::make_unique<QLockFile>(m_percorso))
{
    // A lock left by a process that died is taken over; a live holder keeps it however long it runs.
    m_blocco->setStaleLockTime(0);
    m_detenuto = m_blocco->tryLock(0);
}

SegnaleEsecuzione::~SegnaleEsecuzione() = default;
