#include "cli/comandi.h"

#include <ostream>

int EseguiRigaComando(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err)
{
    (void)argomenti;
    (void)out;
    err << "uso: quarvin-cli [--dati DIR] [--personale DIR] COMANDO [ARGOMENTI]\n";
    return 2;
}
