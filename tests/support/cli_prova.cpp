#include "support/cli_prova.h"

#include "cli/comandi.h"
#include "core/file_archivio.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace test {

ProvaRigaComando::ProvaRigaComando()
{
    ::setenv("QUARVIN_IMPOSTAZIONI", m_cartella.file("impostazioni.ini").c_str(), 1);
}

ProvaRigaComando::~ProvaRigaComando()
{
    ::unsetenv("QUARVIN_IMPOSTAZIONI");
}

EsitoRigaComando ProvaRigaComando::esegui(std::vector<std::string> argomenti)
{
    argomenti.insert(argomenti.begin(), {"--dati", file("dati"), "--personale", file("pers")});
    std::ostringstream out;
    std::ostringstream err;
    Risultato r;
    r.uscita = EseguiRigaComando(argomenti, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

void ProvaRigaComando::creaDati() const
{
    std::filesystem::create_directories(file("dati"));
}

bool ProvaRigaComando::salvaArchivio(const ArchivioStorico& archivio) const
{
    creaDati();
    return SalvaArchivio(fileArchivio(), archivio, [] { return std::uint8_t{0}; });
}

std::string ProvaRigaComando::fileArchivio() const
{
    return file("dati") + "/" + file_archivio::NomeFile;
}

} // namespace test
