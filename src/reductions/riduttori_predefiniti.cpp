#include "reductions/riduttori_predefiniti.h"

#include "core/elenco_giocate.h"
#include "core/esecuzione.h"
#include "core/file_binario.h"
#include "core/generatore_casuale.h"
#include "editor/sistema.h"
#include "reductions/rid_garanzia.h"
#include "reductions/rid_ortogonale.h"
#include "reductions/riduttori_immediati.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace {

constexpr std::size_t DimensioneMassimaSpedita = 64U << 20U;

namespace fs = std::filesystem;

enum class Scrittura {
    No,
    Si,
    // Only after the unreadable file has been copied aside.
    DopoCopia,
};

// Whether the user's entry may be (re)written with the shipped file of the given generation.
Scrittura DaScrivere(const fs::path& utente, std::uint32_t generazioneSpedita)
{
    std::error_code errore;
    const fs::file_status stato = fs::symlink_status(utente, errore);
    if (!fs::exists(stato)) {
        // A status that cannot be read is not "missing": the entry may well be there. A file standing where
        // the data folder should be is: the write is tried, and its failure reported.
        const bool mancante =
            !errore || errore == std::errc::no_such_file_or_directory || errore == std::errc::not_a_directory;
        return mancante ? Scrittura::Si : Scrittura::No;
    }
    if (!fs::is_regular_file(stato)) {
        return Scrittura::No;
    }
    if (ElencoRiduttoriImmediati(utente.string()).empty()) {
        return Scrittura::DopoCopia;
    }
    const std::uint32_t generazioneUtente = GenerazioneRiduttori(utente.string());
    return generazioneUtente != 0 && generazioneSpedita > generazioneUtente ? Scrittura::Si : Scrittura::No;
}

// Copies the file to the first free name among file.danneggiato, file.danneggiato.1, ...; the copy's path,
// or nullopt when none could be made.
std::optional<fs::path> CopiaDaParte(const fs::path& file)
{
    constexpr int NomiProvati = 100;
    for (int i = 0; i < NomiProvati; ++i) {
        fs::path copia = file;
        copia += i == 0 ? ".danneggiato" : ".danneggiato." + std::to_string(i);
        std::error_code errore;
        if (fs::exists(fs::symlink_status(copia, errore))) {
            continue;
        }
        if (fs::copy_file(file, copia, fs::copy_options::none, errore)) {
            return copia;
        }
        // The name taken in the meantime belongs to someone else: the next one.
        if (errore == std::errc::file_exists) {
            continue;
        }
        // A copy cut short must not pass for the user's file.
        fs::remove(copia, errore);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

EsitoRiduttoriPredefiniti PreparaRiduttoriPredefiniti(const std::string& cartellaDati,
                                                      const std::string& cartellaDatiProgramma)
{
    EsitoRiduttoriPredefiniti esito;
    if (cartellaDatiProgramma.empty() || cartellaDati.empty()) {
        return esito;
    }
    for (const char* nome : {NomeFileRiduttoriGaranzia, NomeFileRiduttoriOrtogonali}) {
        const fs::path spedito = fs::path(cartellaDatiProgramma) / nome;
        const fs::path utente = fs::path(cartellaDati) / nome;
        if (ElencoRiduttoriImmediati(spedito.string()).empty()) {
            continue;
        }
        const Scrittura scrittura = DaScrivere(utente, GenerazioneRiduttori(spedito.string()));
        if (scrittura == Scrittura::No) {
            continue;
        }
        const auto byte = LeggiFileIntero(spedito.string(), DimensioneMassimaSpedita);
        if (!byte) {
            continue;
        }
        std::optional<fs::path> copia;
        if (scrittura == Scrittura::DopoCopia) {
            copia = CopiaDaParte(utente);
            if (!copia) {
                esito.problemi.push_back(messaggi_riduttori::InstallazioneNonRiuscita + utente.string());
                continue;
            }
        }
        std::error_code errore;
        fs::create_directories(cartellaDati, errore);
        if (!ScriviFileAtomico(utente.string(), *byte)) {
            esito.problemi.push_back(messaggi_riduttori::InstallazioneNonRiuscita + utente.string());
            continue;
        }
        esito.installati.push_back(utente.string());
        if (copia) {
            esito.sostituiti.push_back(messaggi_riduttori::IlleggibileSostituito + copia->string());
        }
    }
    return esito;
}

std::uint64_t CombinazioniSenzaRiduttore(bool ortogonale, int v, int k, int g)
{
    const int s = ortogonale ? g : std::min(k, 5);
    if (v < 0 || s < 0 || s > v) {
        return 0;
    }
    // C(v, s) step by step: each partial product is itself a binomial coefficient, so the division is exact.
    std::uint64_t c = 1;
    for (int i = 1; i <= s; ++i) {
        c = c * static_cast<std::uint64_t>(v - s + i) / static_cast<std::uint64_t>(i);
    }
    return c;
}

std::optional<std::int64_t> GiocateSenzaRiduttore(bool ortogonale, int v, int k, int g)
{
    ConfrontoSenzaRiduttore confronto;
    return confronto.giocate(ortogonale, v, k, g);
}

std::optional<std::int64_t> ConfrontoSenzaRiduttore::giocate(bool ortogonale, int v, int k, int g)
{
    if (k < 3 || k > NumeriMassimiPerGiocata || v < k || v > NumeroMassimo || g < 2 || g > 5 ||
        GaranziaAmmessa(k, g) != g ||
        CombinazioniSenzaRiduttore(ortogonale, v, k, g) > CombinazioniMassimeSenzaRiduttore) {
        return std::nullopt;
    }
    Sistema sistema;
    for (int i = 0; i < v; ++i) {
        sistema.pronostico[static_cast<std::size_t>(i)] = 1;
    }
    sistema.numeriPerGiocata = k;
    ElencoGiocate& giocate = m_giocate;
    // Every run starts as on a fresh list: no play, every slot empty.
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        giocate.voce(i) = Tipo_Giocata{};
    }
    giocate.svuota();
    GeneratoreCasuale generatore;
    generatore.imposta(1);
    EsecuzioneContinua continua;
    bool confermata = false;
    if (ortogonale) {
        ParametriOrtogonale p;
        p.garanzia = g;
        confermata = RiduzioneOrtogonale(sistema, giocate, p, generatore, continua).esito.confermata();
    } else {
        ParametriGaraPro p;
        p.garanzia = g;
        confermata =
            RiduzionePronosticoGaranzia(sistema, giocate, p, generatore, continua).esito.confermata();
    }
    if (!confermata) {
        return std::nullopt;
    }
    return giocate.conteggio();
}
