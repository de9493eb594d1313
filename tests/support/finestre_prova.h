#pragma once

#include "editor/stato_applicazione.h"
#include "support/archivio_memoria.h"
#include "support/cartella_temporanea.h"
#include "ui/servizi_finestre.h"

#include <QAction>
#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class HttpClient;

namespace test {

// Which of the program's folders point to the temporary folder; the others stay empty.
enum class QualiCartelle {
    Tutte,
    SoloDati,
};

// The window services of the tests: they record what a window asked for and answer as scripted. The
// file dialog answers `file` (empty: cancelled); the printer choice answers `stampante` (none: cancelled);
// nested dialogs run for real (exec) after being recorded, unless `dialogo` answers for them; the HTTP
// client is the real one (tests serve it from 127.0.0.1).
class ServiziRegistrati final : public ServiziFinestre
{
public:
    explicit ServiziRegistrati(ServizioMessaggi& messaggi);
    ~ServiziRegistrati() override;

    void apriGuida(const QString& topic) override { guide.push_back(topic); }
    QString scegliFile(QWidget* genitore, const SceltaFile& scelta) override;
    bool scegliStampante(QPrinter& stampante, QWidget* genitore) override;
    void apriIndirizzo(const QUrl& indirizzo) override { indirizzi.push_back(indirizzo); }
    int esegui(QDialog& dialogo) override;
    ClientHttp& clientHttp() override;
    ServizioMessaggi& messaggi() override { return m_messaggi; }

    std::vector<QString> guide;
    std::vector<QUrl> indirizzi;
    std::vector<SceltaFile> scelteFile;
    std::vector<QString> dialoghi; // class names of the nested dialogs, in order
    QString file;
    std::function<bool(QPrinter& stampante)> stampante;
    std::function<std::optional<int>(QDialog& dialogo)> dialogo;

private:
    ServizioMessaggi& m_messaggi;
    std::unique_ptr<HttpClient> m_client;
};

// What a window test starts from: a temporary folder, the settings store in memory, the recording
// message service and window services, and the application state built on them.
struct StatoDiProva
{
    explicit StatoDiProva(QualiCartelle quali = QualiCartelle::Tutte);

    CartellaTemporanea cartella;
    ArchivioMemoria store;
    MessaggiRegistrati messaggi;
    ServiziRegistrati servizi{messaggi};
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

// Runs `fai` on the modal dialog of type T as soon as it is open (it is opened with exec()). A dialog
// that does not open within `attesaMs` ends the test instead of leaving it waiting for ever.
template <typename T> void quandoAperto(std::function<void(T*)> fai, int attesaMs = 20000)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tentativi = std::make_shared<int>(attesaMs / 10);
    QObject::connect(timer, &QTimer::timeout, [timer, fai, tentativi] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            fai(d);
        } else if (--*tentativi <= 0) {
            qFatal("the awaited dialog %s never opened", T::staticMetaObject.className());
        }
    });
    timer->start();
}

} // namespace test
