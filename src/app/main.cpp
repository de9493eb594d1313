#include "core/archivio_predefinito.h"
#include "core/file_archivio.h"
#include "core/generatore_casuale.h"
#include "core/impostazioni.h"
#include "core/indice_combinazione.h"
#include "editor/smorfia.h"
#include "editor/stato_applicazione.h"
#include "platform/cartelle_standard.h"
#include "platform/dati_programma.h"
#include "platform/impostazioni_qsettings.h"
#include "platform/orologio_sistema.h"
#include "platform/segnale_esecuzione.h"
#include "reductions/riduttori_predefiniti.h"
#include "ui/guida.h"
#include "ui/pri_window.h"
#include "ui/schermata_avvio.h"
#include "ui/servizi_finestre_qt.h"
#include "ui/servizio_messaggi_qt.h"
#include "ui/traduzioni_qt.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <exception>
#include <iostream>

namespace {

// With QUARVIN_PROVA_AVVIO set (to milliseconds, 1500 if not a number) the program reports what it
// started with on standard output and quits: the check of an installed copy, run where nobody can close
// its windows. Its timer is armed before anything may open a modal message, whose loop it ends too.
void ProvaAvvio(const QString& datiProgramma, const StatoApplicazione& stato)
{
    if (!qEnvironmentVariableIsSet("QUARVIN_PROVA_AVVIO")) {
        return;
    }
    bool numero = false;
    const int attesa = qEnvironmentVariableIntValue("QUARVIN_PROVA_AVVIO", &numero);
    QTimer::singleShot(numero && attesa > 0 ? attesa : 1500, [datiProgramma, &stato] {
        std::cout << "dati del programma: " << datiProgramma.toStdString() << '\n'
                  << "archivio: " << stato.archivio.conteggio() << " estrazioni\n";
        for (const QWidget* finestra : QApplication::topLevelWidgets()) {
            if (!finestra->isVisible()) {
                continue;
            }
            std::cout << "finestra: " << finestra->metaObject()->className() << " \""
                      << finestra->windowTitle().toStdString() << '"';
            if (const auto* messaggio = qobject_cast<const QMessageBox*>(finestra)) {
                std::cout << ": " << messaggio->text().toStdString();
            }
            std::cout << '\n';
        }
        std::cout.flush();
        QCoreApplication::exit(0);
    });
}

// The start-up order: splash, generator, folders, settings, archive and statistics, undo buffer,
// rank tables, main window with a new system, event loop; the command-line system and the update
// notification wait for the window to be up.
int Avvia(QApplication& applicazione)
{
    SchermataAvvio avvio;
    avvio.show();
    QApplication::processEvents();

    OrologioSistema orologio;
    ImpostazioniQSettings store;
    ServizioMessaggiQt messaggi;
    const QString cartellaProgramma = QCoreApplication::applicationDirPath();
    StatoApplicazione stato(store, messaggi, RisolviCartelle(cartellaProgramma));
    stato.generatore.seminaDaOrologio(ContatoreAltaRisoluzione());
    stato.generali = CaricaImpostazioniGenerali(store);

    // A fresh installation gets its archive from the shipped draws, once.
    std::vector<std::string> avvisi;
    const std::string dati = stato.cartelle.dati;
    const QString datiProgramma = CartellaDatiProgramma(cartellaProgramma);
    const auto byteCasuale = [&stato] { return stato.generatore.byteCasuale(); };
    if (!datiProgramma.isEmpty()) {
        const auto predefinito = PreparaArchivioPredefinito(
            dati, (datiProgramma + QStringLiteral("/storico.txt")).toStdString(), byteCasuale);
        if (!predefinito.testo.empty()) {
            avvisi.push_back(predefinito.testo);
        }
        // The smorfia dictionary, likewise made once from the shipped text.
        const std::string problemaSmorfia = smorfia::PreparaSmorfiaPredefinita(
            dati, (datiProgramma + QStringLiteral("/smorfia.txt")).toStdString());
        if (!problemaSmorfia.empty()) {
            avvisi.push_back(problemaSmorfia);
        }
        // The immediate reducers: copied once, and again only when the program brings a newer generation.
        const auto riduttori = PreparaRiduttoriPredefiniti(dati, datiProgramma.toStdString());
        avvisi.insert(avvisi.end(), riduttori.problemi.begin(), riduttori.problemi.end());
        avvisi.insert(avvisi.end(), riduttori.sostituiti.begin(), riduttori.sostituiti.end());
    }
    const auto caricamento = CaricaArchivio(dati + "Quarvin.db", stato.archivio);
    avvisi.insert(avvisi.end(), caricamento.avvisi.begin(), caricamento.avvisi.end());
    stato.ricalcolaStatistiche();

    (void)stato.giocate.AllocaAnnulla(); // without the buffer the program simply runs without undo
    (void)Tabelle();

    SegnaleEsecuzione segnale;
    Guida guida(CartellaGuida(datiProgramma));
    ServiziFinestreQt servizi(guida, messaggi);
    TPri finestra(stato, servizi);
    messaggi.setGenitore(&finestra);
    stato.generatore.seminaDaOrologio(ContatoreAltaRisoluzione());
    finestra.iniziaNuovoSistema();
    finestra.aggiornaArchivio();
    // The size the window returns to when it is no longer maximised.
    finestra.setGeometry(5, 5, 1180, 780);
    finestra.showMaximized();
    ProvaAvvio(datiProgramma, stato);

    QTimer::singleShot(0, &finestra, [&] {
        avvio.finish(&finestra);
        for (const std::string& avviso : avvisi) {
            messaggi.mostra(Avviso(avviso));
        }
        finestra.primaAttivazione(QCoreApplication::arguments(), orologio);
    });
    return applicazione.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication applicazione(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Calvestra"));
    QCoreApplication::setApplicationName(QStringLiteral("Quarvin"));
    QTranslator traduzioniQt;
    if (CaricaTraduzioniQt(traduzioniQt)) {
        QApplication::installTranslator(&traduzioniQt);
    }
    try {
        return Avvia(applicazione);
    } catch (const std::exception& e) {
        std::cerr << "quarvin: " << e.what() << '\n';
        return 1;
    }
}
