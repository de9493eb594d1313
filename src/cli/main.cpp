#include "cli/comandi.h"

#include "cli/opzioni.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        std::vector<std::string> argomenti(argv + 1, argv + argc);
        // Gives the program's own folder; no event loop runs. Printing paints text, which needs the GUI
        // application; without a display it runs on the offscreen platform.
        cli::RigaComando riga;
        std::string errore;
        if (cli::LeggiRigaComando(argomenti, riga, errore) && riga.comando == "stampa") {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            QGuiApplication applicazione(argc, argv);
            return EseguiRigaComando(argomenti, std::cout, std::cerr);
        }
        QCoreApplication applicazione(argc, argv);
        return EseguiRigaComando(argomenti, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "quarvin-cli: " << e.what() << '\n';
        return 2;
    }
}
