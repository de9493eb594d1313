#include "core/file_binario.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::vector<std::uint8_t>> LeggiFileIntero(const std::string& percorso, std::size_t limite)
{
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore)) {
        return std::nullopt;
    }
    auto dimensione = std::filesystem::file_size(percorso, errore);
    if (errore || dimensione > limite) {
        return std::nullopt;
    }
    std::ifstream in(percorso, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> dati(static_cast<std::size_t>(dimensione));
    in.read(reinterpret_cast<char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != dimensione) {
        return std::nullopt;
    }
    return dati;
}

namespace {

namespace fs = std::filesystem;

constexpr int CollegamentiMassimi = 40;
constexpr const char* SuffissoTemporaneo = ".tmp";

// The pid in the name of a temporary file of `nome` ("nome.tmp1234"), 0 when it is not one.
pid_t PidTemporaneo(const std::string& file, const std::string& nome)
{
    const std::string prefisso = nome + SuffissoTemporaneo;
    if (file.size() <= prefisso.size() || file.compare(0, prefisso.size(), prefisso) != 0 ||
        file.size() - prefisso.size() > 9) {
        return 0;
    }
    pid_t pid = 0;
    for (std::size_t i = prefisso.size(); i < file.size(); ++i) {
        if (file[i] < '0' || file[i] > '9') {
            return 0;
        }
        pid = pid * 10 + (file[i] - '0');
    }
    return pid;
}

bool ProcessoVivo(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

bool ScriviTutto(int fd, std::span<const std::uint8_t> dati)
{
    while (!dati.empty()) {
        const ssize_t scritti = ::write(fd, dati.data(), dati.size());
        if (scritti < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        dati = dati.subspan(static_cast<std::size_t>(scritti));
    }
    return true;
}

// Without this the rename may be lost by a power cut even though the data reached the disk.
void SincronizzaCartella(const fs::path& cartella)
{
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<std::string> DestinazioneSalvataggio(const std::string& percorso)
{
    fs::path corrente(percorso);
    for (int i = 0; i < CollegamentiMassimi; ++i) {
        std::error_code errore;
        if (!fs::is_symlink(fs::symlink_status(corrente, errore))) {
            return corrente.string();
        }
        const fs::path bersaglio = fs::read_symlink(corrente, errore);
        if (errore) {
            return corrente.string();
        }
        corrente = bersaglio.is_absolute() ? bersaglio : corrente.parent_path() / bersaglio;
    }
    return std::nullopt;
}

std::vector<std::string> FileTemporaneiOrfani(const std::string& destinazione)
{
    std::vector<std::string> orfani;
    const fs::path percorso(destinazione);
    const std::string nome = percorso.filename().string();
    const fs::path cartella = percorso.has_parent_path() ? percorso.parent_path() : fs::path(".");
    std::error_code errore;
    for (fs::directory_iterator it(cartella, errore), fine; !errore && it != fine; it.increment(errore)) {
        const pid_t pid = PidTemporaneo(it->path().filename().string(), nome);
        if (pid > 0 && pid != ::getpid() && !ProcessoVivo(pid)) {
            orfani.push_back(it->path().string());
        }
    }
    return orfani;
}

namespace {

// The temporary file of this process for a resolved destination, after removing those of dead ones.
std::string PreparaTemporaneo(const std::string& destinazione)
{
    for (const std::string& orfano : FileTemporaneiOrfani(destinazione)) {
        std::error_code ignorato;
        fs::remove(orfano, ignorato);
    }
    return destinazione + SuffissoTemporaneo + std::to_string(::getpid());
}

// Gives the open temporary file the owner, group and permission bits of the file it will replace.
bool CopiaPermessi(int fd, const std::string& destinazione)
{
    struct stat esistente = {};
    if (::stat(destinazione.c_str(), &esistente) != 0 || !S_ISREG(esistente.st_mode)) {
        return true;
    }
    // The owner can only be kept by a privileged process; the group often can. Changing them first,
    // because a change of owner clears the set-id bits that fchmod then restores.
    (void)::fchown(fd, esistente.st_uid, esistente.st_gid);
    return ::fchmod(fd, esistente.st_mode & 07777) == 0;
}

// The last steps of every save: the data is on the disk (fsync), the rename puts it in place at once,
// and the folder is flushed so the rename survives a power cut.
bool Concludi(int fd, bool ok, const std::string& temporaneo, const std::string& destinazione)
{
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporaneo.c_str(), destinazione.c_str()) == 0;
    if (!ok) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    const fs::path cartella = fs::path(destinazione).parent_path();
    SincronizzaCartella(cartella.empty() ? fs::path(".") : cartella);
    return true;
}

} // namespace

bool ScriviFileAtomico(const std::string& percorso, std::span<const std::uint8_t> dati)
{
    return ScriviFileAtomico(percorso, {dati});
}

bool ScriviFileAtomico(const std::string& percorso,
                       std::initializer_list<std::span<const std::uint8_t>> parti)
{
    const std::optional<std::string> destinazione = DestinazioneSalvataggio(percorso);
    if (!destinazione) {
        return false;
    }
    const std::string temporaneo = PreparaTemporaneo(*destinazione);
    const int fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = CopiaPermessi(fd, *destinazione);
    for (const auto& dati : parti) {
        ok = ok && ScriviTutto(fd, dati);
    }
    return Concludi(fd, ok, temporaneo, *destinazione);
}

std::optional<std::string> FileTemporaneoPer(const std::string& percorso)
{
    const std::optional<std::string> destinazione = DestinazioneSalvataggio(percorso);
    if (!destinazione) {
        return std::nullopt;
    }
    return PreparaTemporaneo(*destinazione);
}

bool SostituisciFile(const std::string& temporaneo, const std::string& percorso)
{
    const std::optional<std::string> destinazione = DestinazioneSalvataggio(percorso);
    const int fd = ::open(temporaneo.c_str(), O_RDONLY | O_CLOEXEC);
    if (!destinazione || fd < 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        ::unlink(temporaneo.c_str());
        return false;
    }
    return Concludi(fd, CopiaPermessi(fd, *destinazione), temporaneo, *destinazione);
}

bool EsisteFile(const std::string& percorso)
{
    std::error_code errore;
    return std::filesystem::is_regular_file(percorso, errore);
}
