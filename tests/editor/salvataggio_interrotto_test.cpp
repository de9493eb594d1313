#include "core/file_binario.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Starts salva_in_ciclo; `uscita` (when given) receives its standard output.
pid_t Avvia(const char* modo, const char* tipo, const fs::path& cartella, std::FILE** uscita = nullptr)
{
    int tubo[2];
    if (::pipe(tubo) != 0) {
        return -1;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(tubo[1], STDOUT_FILENO);
        ::execl(QUARVIN_SALVA_IN_CICLO, QUARVIN_SALVA_IN_CICLO, modo, tipo, cartella.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(tubo[1]);
    if (uscita != nullptr) {
        *uscita = ::fdopen(tubo[0], "r");
    } else {
        ::close(tubo[0]);
    }
    return pid;
}

int Attendi(pid_t pid)
{
    int stato = -1;
    ::waitpid(pid, &stato, 0);
    return stato;
}

std::vector<std::string> AltriFile(const fs::path& cartella, const std::string& salvato)
{
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        if (voce.path().filename() != salvato) {
            nomi.push_back(voce.path().string());
        }
    }
    return nomi;
}

} // namespace

// A save killed at any moment leaves the file whole, old or new, and at most the temporary file of the
// killed process, which the next save of the file removes.
TEST(SalvataggioInterrotto, IlFileRestaVecchioONuovo)
{
    struct Riga
    {
        const char* tipo;
        const char* file;
        int uccisioni;
    };
    const Riga righe[] = {
        {"sistema", "Sistema.qvs", 30}, {"archivio", "Quarvin.db", 20}, {"impostazioni", "Quarvin.con", 20}};
    std::mt19937 casuale(std::random_device{}());
    int interrottiAMeta = 0;
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.tipo);
        test::CartellaTemporanea cartella;
        const fs::path rif = cartella.percorso() / "rif";
        const fs::path dati = cartella.percorso() / "dati";
        fs::create_directories(rif / "a");
        fs::create_directories(rif / "b");
        fs::create_directories(dati);
        ASSERT_EQ(Attendi(Avvia("riferimenti", riga.tipo, rif)), 0);
        const auto vecchio = test::LeggiFile((rif / "a" / riga.file).string());
        const auto nuovo = test::LeggiFile((rif / "b" / riga.file).string());
        const std::string bersaglio = (dati / riga.file).string();

        for (int i = 0; i < riga.uccisioni; ++i) {
            std::FILE* uscita = nullptr;
            const pid_t figlio = Avvia("ciclo", riga.tipo, dati, &uscita);
            long long durata = -1;
            const bool pronto = uscita != nullptr && std::fscanf(uscita, "pronto %lld", &durata) == 1;
            if (pronto) {
                // Anywhere in the next two saves.
                std::uniform_int_distribution<long long> attesa(0, 2 * durata + 200);
                std::this_thread::sleep_for(std::chrono::microseconds(attesa(casuale)));
            }
            ::kill(figlio, SIGKILL);
            Attendi(figlio);
            if (uscita != nullptr) {
                std::fclose(uscita);
            }
            ASSERT_TRUE(pronto);

            const auto scritto = test::LeggiFile(bersaglio);
            ASSERT_TRUE(scritto == vecchio || scritto == nuovo)
                << "kill " << i << ": " << scritto.size() << " bytes";
            // The leftovers of earlier kills went with the first save of this child.
            const auto altri = AltriFile(dati, riga.file);
            ASSERT_LE(altri.size(), 1u);
            if (!altri.empty()) {
                EXPECT_EQ(FileTemporaneiOrfani(bersaglio), altri);
                ++interrottiAMeta;
            }
        }
        ASSERT_EQ(Attendi(Avvia("una", riga.tipo, dati)), 0);
        EXPECT_TRUE(AltriFile(dati, riga.file).empty());
        EXPECT_EQ(test::LeggiFile(bersaglio), vecchio);
    }
    // The kills must really land inside saves, or the test proves nothing.
    EXPECT_GT(interrottiAMeta, 0);
}
