#pragma once

#include <QString>

#include <memory>

class QLockFile;

// The sign "AM_Quarvin" that lets other programs see that the program is running: a lock file in
// the temporary folder holding the process id, held until the process ends. It does not prevent a
// second instance: when another one already holds it, this one simply runs without it.
class SegnaleEsecuzione
{
public:
    explicit SegnaleEsecuzione(const QString& nome = QStringLiteral("AM_Quarvin"));
    ~SegnaleEsecuzione();
    SegnaleEsecuzione(const SegnaleEsecuzione&) = delete;
    SegnaleEsecuzione& operator=(const SegnaleEsecuzione&) = delete;

    bool detenuto() const { return m_detenuto; }
    QString percorso() const { return m_percorso; }

private:
    QString m_percorso;
    std::unique_ptr<QLockFile> m_blocco;
    bool m_detenuto = false;
};
