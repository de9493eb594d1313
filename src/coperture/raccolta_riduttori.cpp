#include "coperture/raccolta_riduttori.h"

#include "coperture/testo_disegno.h"
#include "coperture/verifica_disegno.h"
#include "core/file_binario.h"
#include "reductions/rid_garanzia.h"
#include "reductions/riduttori_predefiniti.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <tuple>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t DimensioneMassimaGenerazione = 64;

// The cell a file name stands for; nullopt when the name is not exactly NomeFileCella of a cell.
std::optional<Cella> CellaDaNome(const std::string& nome, TipoDisegno tipo)
{
    Cella c;
    c.tipo = tipo;
    int letti = 0;
    if (std::sscanf(nome.c_str(), "v%2d-k%2d-p%1d-t%1d.txt%n", &c.v, &c.k, &c.p, &c.t, &letti) != 4 ||
        static_cast<std::size_t>(letti) != nome.size() || NomeFileCella(c) != nome) {
        return std::nullopt;
    }
    return c;
}

// Whether the file is one the collection must account for: a design file's name, or what looks like a
// mistyped one. Temporary files of the batch (".tmp-...") and anything else are left alone.
bool SembraDisegno(const std::string& nome)
{
    return nome.size() > 4 && nome.front() == 'v' && nome.compare(nome.size() - 4, 4, ".txt") == 0;
}

std::optional<std::uint32_t> LeggiGenerazione(const std::string& percorso)
{
    const auto byte = LeggiFileIntero(percorso, DimensioneMassimaGenerazione);
    if (!byte) {
        return std::nullopt;
    }
    std::string testo(byte->begin(), byte->end());
    while (!testo.empty() && (testo.back() == '\n' || testo.back() == '\r' || testo.back() == ' ')) {
        testo.pop_back();
    }
    if (testo.empty() || testo.size() > 9 || testo.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const auto n = static_cast<std::uint32_t>(std::stoul(testo));
    return n == 0 ? std::nullopt : std::optional<std::uint32_t>(n);
}

// The reducer of a checked design: each block's points, ascending.
RiduttoreDaScrivere Riduttore(const Cella& c, const Blocchi& blocchi)
{
    RiduttoreDaScrivere r{c.v, c.k, c.t, {}};
    r.posizioni.reserve(blocchi.size() * static_cast<std::size_t>(c.k));
    for (std::uint32_t b : blocchi) {
        for (std::uint32_t m = b; m != 0; m &= m - 1) {
            r.posizioni.push_back(static_cast<std::uint8_t>(std::countr_zero(m) + 1));
        }
    }
    return r;
}

// The design files of one kind's folder, by v, k, t; false with the reason when one is not a cell's.
bool ElencaDisegni(const fs::path& cartella, TipoDisegno tipo, std::vector<std::pair<Cella, fs::path>>& file,
                   std::string& errore)
{
    std::error_code e;
    if (!fs::is_directory(cartella, e)) {
        return true;
    }
    const std::size_t prima = file.size();
    for (fs::directory_iterator it(cartella, e), fine; !e && it != fine; it.increment(e)) {
        const std::string nome = it->path().filename().string();
        if (!SembraDisegno(nome)) {
            continue;
        }
        const auto cella = CellaDaNome(nome, tipo);
        if (!cella || ControllaCella(*cella)) {
            errore = it->path().string() + ": il nome non indica una cella valida";
            return false;
        }
        file.emplace_back(*cella, it->path());
    }
    if (e) {
        errore = "impossibile leggere la cartella " + cartella.string();
        return false;
    }
    std::sort(
        file.begin() + static_cast<std::ptrdiff_t>(prima), file.end(), [](const auto& a, const auto& b) {
            return std::tie(a.first.v, a.first.k, a.first.t) < std::tie(b.first.v, b.first.k, b.first.t);
        });
    return true;
}

} // namespace

RaccoltaRiduttori RaccogliRiduttori(const std::string& cartella)
{
    RaccoltaRiduttori raccolta;
    const fs::path radice(cartella);
    const auto generazione = LeggiGenerazione((radice / FileGenerazioneDisegni).string());
    if (!generazione) {
        raccolta.errore =
            (radice / FileGenerazioneDisegni).string() + ": manca o non contiene un numero positivo";
        return raccolta;
    }
    raccolta.generazione = *generazione;

    ConfrontoSenzaRiduttore confronto;
    std::vector<std::pair<Cella, fs::path>> file;
    for (const TipoDisegno tipo : {TipoDisegno::Garanzia, TipoDisegno::Ortogonale}) {
        if (!ElencaDisegni(radice / NomeTipo(tipo), tipo, file, raccolta.errore)) {
            return raccolta;
        }
    }

    for (const auto& [cella, percorso] : file) {
        VoceRaccolta voce{cella, 0, std::nullopt, false, {}};
        const LetturaDisegno lettura = LeggiDisegno(percorso.string(), cella);
        if (!lettura.errore.empty()) {
            raccolta.errore = lettura.errore;
            return raccolta;
        }
        if (lettura.blocchi.empty()) {
            raccolta.errore = percorso.string() + ": nessun blocco";
            return raccolta;
        }
        if (const std::uint64_t scoperti = ContaScoperti(cella, lettura.blocchi); scoperti != 0) {
            raccolta.errore = percorso.string() + ": il disegno non garantisce la cella (" +
                              std::to_string(scoperti) + " bersagli scoperti)";
            return raccolta;
        }
        voce.blocchi = lettura.blocchi.size();
        const bool ortogonale = cella.tipo == TipoDisegno::Ortogonale;
        if (cella.t < 2 || GaranziaAmmessa(cella.k, cella.t) != cella.t ||
            (!ortogonale && cella.p != PGaranzia(cella.k))) {
            voce.nota = "garanzia mai richiesta dai dialoghi";
        } else {
            voce.algoritmo = confronto.giocate(ortogonale, cella.v, cella.k, cella.t);
            if (voce.algoritmo && static_cast<std::int64_t>(voce.blocchi) > *voce.algoritmo) {
                voce.nota = "l'algoritmo del programma dà " + std::to_string(*voce.algoritmo) + " giocate";
            } else {
                voce.spedita = true;
                (ortogonale ? raccolta.ortogonali : raccolta.garanzia)
                    .push_back(Riduttore(cella, lettura.blocchi));
            }
        }
        raccolta.voci.push_back(std::move(voce));
    }
    for (const auto* riduttori : {&raccolta.garanzia, &raccolta.ortogonali}) {
        if (const auto motivo = ControllaRiduttori(*riduttori)) {
            raccolta.errore = *motivo;
            return raccolta;
        }
    }
    return raccolta;
}

std::optional<std::string> ScriviRaccolta(const RaccoltaRiduttori& raccolta, const std::string& cartella)
{
    if (!raccolta.errore.empty()) {
        return raccolta.errore;
    }
    std::error_code e;
    fs::create_directories(cartella, e);
    for (const auto& [nome, riduttori] : {std::pair{NomeFileRiduttoriGaranzia, &raccolta.garanzia},
                                          std::pair{NomeFileRiduttoriOrtogonali, &raccolta.ortogonali}}) {
        const std::string percorso = (fs::path(cartella) / nome).string();
        if (!ScriviRiduttoriImmediati(percorso, *riduttori, raccolta.generazione)) {
            return "impossibile scrivere " + percorso;
        }
    }
    return std::nullopt;
}
