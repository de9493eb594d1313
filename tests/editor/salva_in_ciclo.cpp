// The child of the interrupted-save test: saves one kind of file through the program's own writers,
// alternating two contents, until it is killed.
//
//   salva_in_ciclo riferimenti TIPO CARTELLA   writes the two contents once, to CARTELLA/a and CARTELLA/b
//   salva_in_ciclo ciclo TIPO CARTELLA         saves the first content, prints "pronto <microseconds of
//                                              that save>", then saves the second, the first, ... forever
//   salva_in_ciclo una TIPO CARTELLA           saves the first content once and exits
//
// TIPO is sistema (a system of over a million plays), archivio (Quarvin.db) or impostazioni (Quarvin.con);
// the file is saved under its usual name in CARTELLA.

#include "core/file_archivio.h"
#include "editor/file_riduzioni.h"
#include "editor/file_sistema.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

// One of the two contents of a kind; `seconda` selects the other one (different sizes, so a file cut
// short or mixed from both can never pass for either).
class Contenuto
{
public:
    virtual ~Contenuto() = default;
    virtual bool salva(bool seconda) = 0;
};

class ContenutoSistema final : public Contenuto
{
public:
    explicit ContenutoSistema(const std::string& percorso)
    {
        m_sistema.nomeFile = percorso;
        riempi(m_prima, 1'000'000, 0);
        riempi(m_seconda, 1'200'000, 7);
    }
    bool salva(bool seconda) override
    {
        m_sistema.numeriPerGiocata = seconda ? 4 : 5;
        return ScriviSistema(m_sistema, seconda ? m_seconda : m_prima).ok();
    }

private:
    static void riempi(ElencoGiocate& elenco, std::int32_t n, int scarto)
    {
        if (!elenco.AssicuraCapacita(n)) {
            std::abort();
        }
        for (std::int32_t i = 1; i <= n; ++i) {
            const int a = 1 + (i + scarto) % 80;
            elenco.voce(i) =
                Tipo_Giocata{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(a + 1 + i % 9)};
        }
        elenco.setConteggio(n);
    }

    Sistema m_sistema;
    ElencoGiocate m_prima;
    ElencoGiocate m_seconda;
};

class ContenutoArchivio final : public Contenuto
{
public:
    explicit ContenutoArchivio(std::string percorso) : m_percorso(std::move(percorso))
    {
        riempi(m_prima, 10'000, 1);
        riempi(m_seconda, 12'000, 2);
    }
    bool salva(bool seconda) override
    {
        const std::uint8_t byte = seconda ? 0xB2 : 0xA1;
        return SalvaArchivio(m_percorso, seconda ? m_seconda : m_prima, [byte] { return byte; });
    }

private:
    static void riempi(ArchivioStorico& archivio, int n, int segno)
    {
        for (int i = 0; i < n; ++i) {
            Tipo_Estrazione e;
            e.giorno = static_cast<std::uint8_t>(1 + i % 28);
            e.mese = static_cast<std::uint8_t>(1 + (i / 28) % 12);
            e.setAnno(1900 + i / (28 * 12));
            for (int p = 1; p <= 5; ++p) {
                e.setNumero(1 + i % 11, p, static_cast<std::uint8_t>(segno + 10 * p));
            }
            (void)archivio.InserisciEstrazione(e);
        }
    }

    std::string m_percorso;
    ArchivioStorico m_prima;
    ArchivioStorico m_seconda;
};

class ContenutoImpostazioni final : public Contenuto
{
public:
    explicit ContenutoImpostazioni(std::string cartella) : m_cartella(std::move(cartella))
    {
        m_prima.fill(0x11);
        m_seconda.fill(0x22);
    }
    bool salva(bool seconda) override { return ScriviCondizioni(m_cartella, seconda ? m_seconda : m_prima); }

private:
    std::string m_cartella;
    BloccoRecord<17888> m_prima{};
    BloccoRecord<17888> m_seconda{};
};

std::unique_ptr<Contenuto> Crea(const std::string& tipo, const std::string& cartella)
{
    if (tipo == "sistema") {
        return std::make_unique<ContenutoSistema>(cartella + "/Sistema.qvs");
    }
    if (tipo == "archivio") {
        return std::make_unique<ContenutoArchivio>(cartella + "/" + file_archivio::NomeFile);
    }
    if (tipo == "impostazioni") {
        return std::make_unique<ContenutoImpostazioni>(cartella + "/");
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        return 2;
    }
    const std::string modo = argv[1];
    const std::string cartella = argv[3];
    if (modo == "riferimenti") {
        auto a = Crea(argv[2], cartella + "/a");
        auto b = Crea(argv[2], cartella + "/b");
        return a && b && a->salva(false) && b->salva(true) ? 0 : 1;
    }
    auto contenuto = Crea(argv[2], cartella);
    if (!contenuto) {
        return 2;
    }
    const auto inizio = std::chrono::steady_clock::now();
    if (!contenuto->salva(false)) {
        return 1;
    }
    if (modo == "una") {
        return 0;
    }
    const auto durata = std::chrono::steady_clock::now() - inizio;
    std::printf("pronto %lld\n", static_cast<long long>(
                                     std::chrono::duration_cast<std::chrono::microseconds>(durata).count()));
    std::fflush(stdout);
    for (bool seconda = true;; seconda = !seconda) {
        if (!contenuto->salva(seconda)) {
            return 1;
        }
    }
}
