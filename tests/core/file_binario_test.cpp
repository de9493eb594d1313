#include "core/file_binario.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> Nuovo = {4, 5, 6, 7};

bool Salva(const fs::path& percorso)
{
    return ScriviFileAtomico(percorso.string(), std::span<const std::uint8_t>(Nuovo));
}

mode_t Permessi(const fs::path& percorso)
{
    struct stat info = {};
    ::stat(percorso.c_str(), &info);
    return info.st_mode & 07777;
}

// The pid of a process that has ended (and been reaped), so no process has it for now.
pid_t PidTerminato()
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(0);
    }
    ::waitpid(pid, nullptr, 0);
    return pid;
}

} // namespace

// Saving through a chain of links replaces the file at its end: every link stays a link, the file keeps
// its permission bits, and nothing is left beside it.
TEST(FileBinario, SalvataggioAttraversoICollegamentiConservaIPermessi)
{
    test::CartellaTemporanea cartella;
    const fs::path vera = cartella.percorso() / "archivio" / "Sistema.qvs";
    fs::create_directories(vera.parent_path());
    test::ScriviFile(vera.string(), {1, 2, 3});
    ::chmod(vera.c_str(), 0640);
    const fs::path primo = cartella.percorso() / "primo.qvs";
    const fs::path secondo = cartella.percorso() / "secondo.qvs";
    fs::create_symlink("archivio/Sistema.qvs", primo); // relative, from the link's folder
    fs::create_symlink(primo, secondo);                // absolute

    ASSERT_TRUE(Salva(secondo));
    EXPECT_TRUE(fs::is_symlink(secondo));
    EXPECT_TRUE(fs::is_symlink(primo));
    EXPECT_EQ(fs::read_symlink(primo), fs::path("archivio/Sistema.qvs"));
    EXPECT_EQ(test::LeggiFile(vera.string()), std::vector<unsigned char>(Nuovo.begin(), Nuovo.end()));
    EXPECT_EQ(Permessi(vera), mode_t{0640});
    EXPECT_EQ(std::distance(fs::directory_iterator(vera.parent_path()), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella.percorso()), fs::directory_iterator()), 3);

    // A read-only file is replaced (the folder allows it) and stays read-only.
    ::chmod(vera.c_str(), 0444);
    ASSERT_TRUE(Salva(vera));
    EXPECT_EQ(Permessi(vera), mode_t{0444});

    // A file another writer produced (a PDF) goes in place by the same rule.
    const std::optional<std::string> temporaneo = FileTemporaneoPer(secondo.string());
    ASSERT_TRUE(temporaneo.has_value());
    EXPECT_EQ(fs::path(*temporaneo).parent_path(), vera.parent_path());
    test::ScriviFile(*temporaneo, {42});
    ASSERT_TRUE(SostituisciFile(*temporaneo, secondo.string()));
    EXPECT_TRUE(fs::is_symlink(secondo));
    EXPECT_EQ(test::LeggiFile(vera.string()), std::vector<unsigned char>{42});
    EXPECT_EQ(Permessi(vera), mode_t{0444});
    EXPECT_FALSE(fs::exists(*temporaneo));

    // A link to a file not there yet creates the file and stays a link.
    const fs::path pendente = cartella.percorso() / "pendente.qvs";
    fs::create_symlink("creato.qvs", pendente);
    ASSERT_TRUE(Salva(pendente));
    EXPECT_TRUE(fs::is_symlink(pendente));
    EXPECT_EQ(fs::file_size(cartella.percorso() / "creato.qvs"), Nuovo.size());

    // A loop of links has no file to replace.
    fs::create_symlink("anello2", cartella.percorso() / "anello1");
    fs::create_symlink("anello1", cartella.percorso() / "anello2");
    EXPECT_FALSE(Salva(cartella.percorso() / "anello1"));
    EXPECT_TRUE(fs::is_symlink(cartella.percorso() / "anello1"));
}

// A temporary file left by a killed save is recognised by its name and the pid of a process that is gone,
// and the next save of the same file removes it; other files are never touched.
TEST(FileBinario, TemporaneiOrfaniRimossiAlSalvataggioSuccessivo)
{
    test::CartellaTemporanea cartella;
    const fs::path bersaglio = cartella.percorso() / "Quarvin.db";
    const std::string morto = bersaglio.string() + ".tmp" + std::to_string(PidTerminato());
    const std::vector<std::string> estranei = {
        bersaglio.string() + ".tmp" + std::to_string(::getppid()), // a live process may be saving now
        bersaglio.string() + ".tmpabc",
        bersaglio.string() + ".tmp",
        (cartella.percorso() / "Altro.db.tmp999999").string(),
        bersaglio.string() + ".bak",
    };
    test::ScriviFile(morto, {9});
    for (const std::string& nome : estranei) {
        test::ScriviFile(nome, {8});
    }

    EXPECT_EQ(FileTemporaneiOrfani(bersaglio.string()), std::vector<std::string>{morto});
    ASSERT_TRUE(Salva(bersaglio));
    EXPECT_FALSE(fs::exists(morto));
    for (const std::string& nome : estranei) {
        EXPECT_TRUE(fs::exists(nome)) << nome;
    }
    EXPECT_TRUE(FileTemporaneiOrfani(bersaglio.string()).empty());
}
