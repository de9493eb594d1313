// The child of the interrupted-save test: saves one kind of file (TIPO: sistema, archivio or
// impostazioni) in CARTELLA through the program's own writers.
//   salva_in_ciclo riferimenti TIPO CARTELLA   the two contents once, into CARTELLA/a and CARTELLA/b
//   salva_in_ciclo ciclo TIPO CARTELLA         the first content, then "pronto <microseconds it took>",
//                                              then the second, the first, ... until killed
//   salva_in_ciclo una TIPO CARTELLA           the first content once
// The two contents differ in size, so a file cut short or mixed from both passes for neither.

#include "core/file_archivio.h"
#include "editor/file_riduzioni.h"
#include "editor/file_sistema.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

using Salva = std::function<bool(const std::string& cartella, bool seconda)>;

Salva SalvaSistema()
{
    auto elenchi = std::make_shared<std::array<ElencoGiocate, 2>>();
    for (int e = 0; e < 2; ++e) {
        const std::int32_t n = e == 0 ? 1'000'000 : 1'200'000; // 10 and 12 MB
        if (!(*elenchi)[e].AssicuraCapacita(n)) {
            return nullptr;
        }
        for (std::int32_t i = 1; i <= n; ++i) {
            const auto a = static_cast<std::uint8_t>(1 + (i + e) % 80);
            (*elenchi)[e].voce(i) = Tipo_Giocata{a, static_cast<std::uint8_t>(a + 1 + i % 9)};
        }
        (*elenchi)[e].setConteggio(n);
    }
    return [elenchi](const std::string& cartella, bool seconda) {
        Sistema s;
        s.nomeFile = cartella + "/Sistema.qvs";
        return ScriviSistema(s, (*elenchi)[seconda ? 1 : 0]).ok();
    };
}

Salva SalvaArchivioStorico()
{
    auto archivi = std::make_shared<std::array<ArchivioStorico, 2>>();
    for (int e = 0; e < 2; ++e) {
        for (int i = 0; i < (e == 0 ? 10'000 : 12'000); ++i) {
            Tipo_Estrazione d;
            d.giorno = static_cast<std::uint8_t>(1 + i % 28);
            d.mese = static_cast<std::uint8_t>(1 + (i / 28) % 12);
            d.setAnno(1900 + i / (28 * 12));
            d.setNumero(1, 1, static_cast<std::uint8_t>(1 + e));
            (void)(*archivi)[e].InserisciEstrazione(d);
        }
    }
    return [archivi](const std::string& cartella, bool seconda) {
        return SalvaArchivio(cartella + "/" + file_archivio::NomeFile, (*archivi)[seconda ? 1 : 0],
                             [seconda] { return static_cast<std::uint8_t>(seconda ? 0xB2 : 0xA1); });
    };
}

bool SalvaCondizioni(const std::string& cartella, bool seconda)
{
    BloccoRecord<17888> record{};
    record.fill(seconda ? 0x22 : 0x11);
    return ScriviCondizioni(cartella + "/", record);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        return 2;
    }
    const std::string modo = argv[1];
    const std::string tipo = argv[2];
    const std::string cartella = argv[3];
    const Salva salva = tipo == "sistema"    ? SalvaSistema()
                        : tipo == "archivio" ? SalvaArchivioStorico()
                                             : Salva(&SalvaCondizioni);
    if (modo == "riferimenti") {
        return salva(cartella + "/a", false) && salva(cartella + "/b", true) ? 0 : 1;
    }
    const auto inizio = std::chrono::steady_clock::now();
    if (!salva(cartella, false)) {
        return 1;
    }
    if (modo == "una") {
        return 0;
    }
    const auto durata =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - inizio);
    std::printf("pronto %lld\n", static_cast<long long>(durata.count()));
    std::fflush(stdout);
    for (bool seconda = true;; seconda = !seconda) {
        if (!salva(cartella, seconda)) {
            return 1;
        }
    }
}
