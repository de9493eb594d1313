#pragma once

#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"

#include <QAction>
#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace test {

// Which of the program's folders point to the temporary folder; the others stay empty.
enum class QualiCartelle {
    Tutte,
    SoloDati,
};

// What a window test starts from: a temporary folder, the settings store in memory, the recording
// message service and the application state built on them.
struct StatoDiProva
{
    explicit StatoDiProva(QualiCartelle quali = QualiCartelle::Tutte);

    CartellaTemporanea cartella;
    ArchivioMemoria store;
    MessaggiRegistrati messaggi;
    StatoApplicazione stato;
};

// The child widget (or object) of `genitore` with the given object name; a missing one ends the test.
template <typename T> T* trova(const QObject* genitore, const QString& nome)
{
    T* figlio = genitore->findChild<T*>(nome);
    if (figlio == nullptr) {
        qFatal("widget %s not found", qPrintable(nome));
    }
    return figlio;
}

// The action of `finestra` with the given caption; a missing one ends the test.
QAction* azione(const QWidget* finestra, const QString& testo);

// Runs `fai` on the modal dialog of type T as soon as it is open (it is opened with exec()).
template <typename T> void quandoAperto(std::function<void(T*)> fai)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, fai] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            fai(d);
        }
    });
    timer->start();
}

} // namespace test
