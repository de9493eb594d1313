#include "cli/comandi.h"

#include <QCoreApplication>

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        // Gives the program's own folder; no event loop runs.
        QCoreApplication applicazione(argc, argv);
        std::vector<std::string> argomenti(argv + 1, argv + argc);
        return EseguiRigaComando(argomenti, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "quarvin-cli: " << e.what() << '\n';
        return 2;
    }
}
