#include "cli/comandi.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        std::vector<std::string> argomenti(argv + 1, argv + argc);
        return EseguiRigaComando(argomenti, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "quarvin-cli: " << e.what() << '\n';
        return 2;
    }
}
