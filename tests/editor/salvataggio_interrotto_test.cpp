#include "core/file_binario.h"
#include "support/cartella_temporanea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Runs the saving child (salva_in_ciclo) and waits for its first save; kill() ends it with SIGKILL.
class Figlio
{
public:
    Figlio(const std::string& modo, const std::string& tipo, const std::string& cartella)
    {
        int tubo[2];
        if (::pipe(tubo) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(tubo[1], STDOUT_FILENO);
            ::close(tubo[0]);
            ::close(tubo[1]);
            ::execl(QUARVIN_SALVA_IN_CICLO, QUARVIN_SALVA_IN_CICLO, modo.c_str(), tipo.c_str(),
                    cartella.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(tubo[1]);
        m_uscita = ::fdopen(tubo[0], "r");
    }
    ~Figlio()
    {
        if (m_uscita != nullptr) {
            std::fclose(m_uscita);
        }
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            aspetta();
        }
    }
    Figlio(const Figlio&) = delete;
    Figlio& operator=(const Figlio&) = delete;

    // Microseconds of the first save, once the child is saving in a loop; -1 when it failed.
    long long pronto()
    {
        long long durata = -1;
        if (m_uscita == nullptr || std::fscanf(m_uscita, "pronto %lld", &durata) != 1) {
            return -1;
        }
        return durata;
    }
    void uccidi()
    {
        ::kill(m_pid, SIGKILL);
        aspetta();
    }
    // The exit status, after waiting for the end.
    int aspetta()
    {
        int stato = 0;
        if (m_pid > 0) {
            ::waitpid(m_pid, &stato, 0);
            m_pid = -1;
        }
        return stato;
    }

private:
    pid_t m_pid = -1;
    std::FILE* m_uscita = nullptr;
};

std::vector<std::string> Contenuto(const fs::path& cartella)
{
    std::vector<std::string> nomi;
    for (const auto& voce : fs::directory_iterator(cartella)) {
        nomi.push_back(voce.path().filename().string());
    }
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

} // namespace

// A save killed at any moment leaves the file whole, old or new, and at most the temporary file of the
// killed process, which the next save removes.
TEST(SalvataggioInterrotto, IlFileResta_VecchioONuovo)
{
    struct Riga
    {
        const char* tipo;
        const char* file;
        int uccisioni;
    };
    const Riga righe[] = {
        {"sistema", "Sistema.qvs", 30},
        {"archivio", "Quarvin.db", 20},
        {"impostazioni", "Quarvin.con", 20},
    };
    std::mt19937 casuale(std::random_device{}());
    int interrottiAMeta = 0;
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.tipo);
        test::CartellaTemporanea cartella;
        const fs::path riferimenti = cartella.percorso() / "riferimenti";
        const fs::path dati = cartella.percorso() / "dati";
        fs::create_directories(riferimenti / "a");
        fs::create_directories(riferimenti / "b");
        fs::create_directories(dati);
        ASSERT_EQ(Figlio("riferimenti", riga.tipo, riferimenti.string()).aspetta(), 0);
        const auto vecchio = test::LeggiFile((riferimenti / "a" / riga.file).string());
        const auto nuovo = test::LeggiFile((riferimenti / "b" / riga.file).string());
        ASSERT_NE(vecchio, nuovo);
        const std::string bersaglio = (dati / riga.file).string();

        for (int i = 0; i < riga.uccisioni; ++i) {
            SCOPED_TRACE("uccisione " + std::to_string(i + 1));
            Figlio figlio("ciclo", riga.tipo, dati.string());
            const long long durata = figlio.pronto();
            ASSERT_GE(durata, 0);
            // Anywhere in the next two saves.
            std::uniform_int_distribution<long long> attesa(0, 2 * durata + 200);
            std::this_thread::sleep_for(std::chrono::microseconds(attesa(casuale)));
            figlio.uccidi();

            const auto scritto = test::LeggiFile(bersaglio);
            ASSERT_TRUE(scritto == vecchio || scritto == nuovo) << "size " << scritto.size();
            std::vector<std::string> altri = Contenuto(dati);
            std::erase(altri, riga.file);
            // The leftovers of earlier kills went with the first save of this child.
            ASSERT_LE(altri.size(), 1u);
            if (!altri.empty()) {
                EXPECT_EQ(FileTemporaneiOrfani(bersaglio),
                          std::vector<std::string>{(dati / altri[0]).string()});
                ++interrottiAMeta;
            }
        }
        ASSERT_EQ(Figlio("una", riga.tipo, dati.string()).aspetta(), 0);
        EXPECT_EQ(Contenuto(dati), std::vector<std::string>{riga.file});
        EXPECT_EQ(test::LeggiFile(bersaglio), vecchio);
    }
    // The kills must really land inside saves, or the test proves nothing.
    EXPECT_GT(interrottiAMeta, 0);
}
