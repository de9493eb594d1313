#include "core/impostazioni.h"
#include "core/indice_combinazione.h"
#include "editor/stato_applicazione.h"
#include "platform/cartelle_standard.h"
#include "platform/impostazioni_qsettings.h"
#include "ui/guida.h"
#include "ui/pri_window.h"
#include "ui/schermata_avvio.h"
#include "ui/servizio_messaggi_qt.h"

#include <QApplication>
#include <QFileInfo>

#include <exception>
#include <iostream>

namespace {

int Avvia(QApplication& applicazione)
{
    SchermataAvvio avvio;
    avvio.show();
    QApplication::processEvents();

    Cartelle cartelle = RisolviCartelle(QCoreApplication::applicationDirPath());
    ImpostazioniQSettings store;
    ServizioMessaggiQt messaggi;
    StatoApplicazione stato(store, messaggi, cartelle);
    stato.generali = CaricaImpostazioniGenerali(store);
    (void)stato.giocate.AllocaAnnulla(); // without the buffer the program simply runs without undo
    (void)Tabelle();

    Guida guida(CartellaGuida(QString::fromStdString(cartelle.programma)));
    TPri finestra(
        stato, [&guida](const QString& topic) { guida.apri(topic); }, [&guida](const QString&) { guida.sommario(); });
    messaggi.setGenitore(&finestra);
    finestra.iniziaNuovoSistema();
    // The size the window returns to when it is no longer maximised.
    finestra.setGeometry(5, 5, 1180, 780);
    finestra.showMaximized();

    // A system named on the command line opens once the window is up, when notifications are on.
    const QStringList argomenti = QCoreApplication::arguments();
    if (stato.generali.notificaAggio == 1 && argomenti.size() == 2 && QFileInfo(argomenti.at(1)).isFile()) {
        finestra.apriSistema(argomenti.at(1));
    }
    avvio.finish(&finestra);
    return applicazione.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication applicazione(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Calvestra"));
    QCoreApplication::setApplicationName(QStringLiteral("Quarvin"));
    try {
        return Avvia(applicazione);
    } catch (const std::exception& e) {
        std::cerr << "quarvin: " << e.what() << '\n';
        return 1;
    }
}
