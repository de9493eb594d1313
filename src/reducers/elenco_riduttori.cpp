#include "reducers/elenco_riduttori.h"

#include "core/testo.h"
#include "reducers/riduttore_personale.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The header lies at the top of every file we write; 64 KB leave room for files edited by hand.
constexpr std::size_t LetturaIntestazione = 64 * 1024;

bool FinisceConRid(const std::string& nome)
{
    const std::string_view est = EstensioneRiduttore;
    return nome.size() > est.size() &&
           testo::UgualiSenzaMaiuscole(std::string_view(nome).substr(nome.size() - est.size()), est);
}

bool LeggiIntestazione(const fs::path& percorso, std::uintmax_t dimensione, VoceRiduttore& voce)
{
    if (dimensione > DimensioneMassimaRiduttore) {
        return false;
    }
    std::ifstream file(percorso, std::ios::binary);
    if (!file) {
        return false;
    }
    std::string dati(static_cast<std::size_t>(std::min<std::uintmax_t>(dimensione, LetturaIntestazione)),
                     '\0');
    file.read(dati.data(), static_cast<std::streamsize>(dati.size()));
    dati.resize(static_cast<std::size_t>(file.gcount()));
    if (dimensione > LetturaIntestazione) {
        // The last line may be cut: drop it.
        const std::size_t fine = dati.find_last_of("\r\n");
        dati.resize(fine == std::string::npos ? 0 : fine + 1);
    }
    const EsitoLetturaRiduttore esito = LeggiTestoRiduttore(dati, true);
    if (!esito) {
        return false;
    }
    voce.m = esito.riduttore.m;
    voce.p = esito.riduttore.p;
    return true;
}

std::int64_t ValoreNumerico(const std::string& s)
{
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9' || v > 100000000000LL) {
            break;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

std::string VoceRiduttore::nome() const
{
    return FinisceConRid(nomeFile) ? nomeFile.substr(0, nomeFile.size() - 4) : nomeFile;
}

std::vector<VoceRiduttore> ElencoRiduttori(const std::string& cartella)
{
    std::vector<VoceRiduttore> elenco;
    std::error_code errore;
    fs::directory_iterator it(cartella.empty() ? fs::path(".") : fs::path(cartella), errore);
    if (errore) {
        return elenco;
    }
    for (; it != fs::directory_iterator(); it.increment(errore)) {
        if (errore) {
            break;
        }
        std::error_code e;
        if (!it->is_regular_file(e) || e) {
            continue;
        }
        VoceRiduttore voce;
        voce.nomeFile = it->path().filename().string();
        if (!FinisceConRid(voce.nomeFile)) {
            continue;
        }
        const std::uintmax_t dimensione = it->file_size(e);
        if (e || !LeggiIntestazione(it->path(), dimensione, voce)) {
            continue;
        }
        voce.percorso = it->path().string();
        elenco.push_back(std::move(voce));
    }
    std::sort(elenco.begin(), elenco.end(),
              [](const VoceRiduttore& a, const VoceRiduttore& b) { return a.nomeFile < b.nomeFile; });
    return elenco;
}

std::vector<VoceRiduttore> RiduttoriApplicabili(const std::vector<VoceRiduttore>& elenco, int numeri)
{
    std::vector<VoceRiduttore> scelti;
    std::copy_if(elenco.begin(), elenco.end(), std::back_inserter(scelti),
                 [numeri](const VoceRiduttore& v) { return v.m == numeri; });
    return scelti;
}

void OrdinaRiduttori(std::vector<VoceRiduttore>& elenco, ColonnaRiduttori colonna, bool crescente)
{
    const auto chiave = [colonna](const VoceRiduttore& v) -> std::int64_t {
        switch (colonna) {
        case ColonnaRiduttori::Dimensione:
            return v.m;
        case ColonnaRiduttori::Giocate:
            return v.p;
        case ColonnaRiduttori::NomeFile:
            break;
        }
        return ValoreNumerico(v.nomeFile);
    };
    std::stable_sort(elenco.begin(), elenco.end(), [&](const VoceRiduttore& a, const VoceRiduttore& b) {
        return crescente ? chiave(a) < chiave(b) : chiave(b) < chiave(a);
    });
}

bool NomeRiduttoreValido(const std::string& nome)
{
    if (nome.empty() || nome.size() > 200 || nome.find("..") != std::string::npos) {
        return false;
    }
    for (char c : nome) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127 || std::string_view("/\\<>:\"|?*").find(c) != std::string_view::npos) {
            return false;
        }
    }
    const char ultimo = nome.back();
    return ultimo != '.' && ultimo != ' ' && nome.front() != ' ';
}

std::string PercorsoRiduttore(const std::string& cartella, const std::string& nome)
{
    return (fs::path(cartella) / (nome + EstensioneRiduttore)).string();
}

bool EliminaFileRiduttore(const std::string& percorso)
{
    std::error_code errore;
    return fs::remove(percorso, errore) && !errore;
}

std::string IndirizzoPaginaRiduttoriPersonali(const std::string& server, const std::string& pagina)
{
    std::string base = server;
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    const auto inizia = [&base](std::string_view prefisso) {
        return base.size() > prefisso.size() &&
               testo::UgualiSenzaMaiuscole(base.substr(0, prefisso.size()), prefisso);
    };
    if (!inizia("http://") && !inizia("https://")) {
        return {};
    }
    for (char c : base) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u >= 0x7F || c == '?' || c == '#' || c == '"' || c == '\\') {
            return {};
        }
    }
    return base + pagina;
}
