#include "reductions/riduttori_immediati.h"

#include "core/byte_io.h"
#include "core/file_binario.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/indice_copertura.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <limits>
#include <new>
#include <set>
#include <tuple>

namespace {

constexpr std::array<char, 4> Firma{'Q', 'R', 'I', '1'};
constexpr std::array<char, 4> FirmaGenerazione{'Q', 'R', 'I', 'G'};

// An open file with its size; every read is checked against it.
class FileRiduttori
{
public:
    explicit FileRiduttori(const std::string& percorso) : m_file(percorso, std::ios::binary)
    {
        if (!m_file) {
            return;
        }
        m_file.seekg(0, std::ios::end);
        const std::streamoff fine = m_file.tellg();
        if (fine < 0) {
            return;
        }
        m_dimensione = static_cast<std::uint64_t>(fine);
        m_aperto = true;
    }

    bool aperto() const { return m_aperto; }
    std::uint64_t dimensione() const { return m_dimensione; }

    // Reads n bytes at the offset; false when they are not all within the file or the read failed.
    bool leggi(std::uint64_t offset, std::size_t n, void* destinazione)
    {
        if (!m_aperto || offset > m_dimensione || n > m_dimensione - offset) {
            return false;
        }
        m_file.clear();
        m_file.seekg(static_cast<std::streamoff>(offset));
        m_file.read(static_cast<char*>(destinazione), static_cast<std::streamsize>(n));
        return static_cast<std::size_t>(m_file.gcount()) == n;
    }

private:
    std::ifstream m_file;
    std::uint64_t m_dimensione = 0;
    bool m_aperto = false;
};

std::uint32_t U32(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

std::uint16_t U16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

void ScriviU32(ByteWriter& w, std::uint32_t v)
{
    w.i32(static_cast<std::int32_t>(v));
}

void ScriviU16(ByteWriter& w, std::uint16_t v)
{
    w.u8(static_cast<std::uint8_t>(v & 0xFFU));
    w.u8(static_cast<std::uint8_t>(v >> 8));
}

bool TriploValido(int v, int k, int g)
{
    return v >= 1 && v <= 90 && k >= 1 && k <= 10 && k <= v && g >= 1 && g <= 5;
}

// The directory, checked against the file size; empty when the file holds no reducer.
std::vector<RiduttoreImmediato> LeggiDirectory(FileRiduttori& file)
{
    std::vector<RiduttoreImmediato> voci;
    std::array<std::uint8_t, DimensioneIntestazioneRiduttori> intestazione{};
    if (!file.leggi(0, intestazione.size(), intestazione.data()) ||
        std::memcmp(intestazione.data(), Firma.data(), Firma.size()) != 0) {
        return voci;
    }
    const std::uint64_t quante = U32(intestazione.data() + 4);
    const std::uint64_t fineDirectory = DimensioneIntestazioneRiduttori + quante * DimensioneVoceRiduttori;
    if (fineDirectory > file.dimensione()) {
        return voci;
    }
    std::vector<std::uint8_t> directory(static_cast<std::size_t>(quante * DimensioneVoceRiduttori));
    if (!file.leggi(DimensioneIntestazioneRiduttori, directory.size(), directory.data())) {
        return voci;
    }
    voci.reserve(static_cast<std::size_t>(quante));
    for (std::size_t i = 0; i < quante; ++i) {
        const std::uint8_t* e = directory.data() + i * DimensioneVoceRiduttori;
        RiduttoreImmediato r;
        r.v = e[0];
        r.k = e[1];
        r.g = e[2];
        r.giocate = U32(e + 4);
        r.posizione = U32(e + 8);
        r.checksum = U16(e + 12);
        const std::uint64_t byteGiocate =
            static_cast<std::uint64_t>(r.giocate) * static_cast<std::uint64_t>(r.k);
        r.danneggiato = !TriploValido(r.v, r.k, r.g) || r.posizione < fineDirectory ||
                        r.posizione > file.dimensione() || byteGiocate > file.dimensione() - r.posizione;
        voci.push_back(r);
    }
    return voci;
}

} // namespace

RiduttoreImmediato CercaRiduttoreImmediato(const std::string& file, int v, int k, int g)
{
    RiduttoreImmediato nessuno;
    nessuno.v = v;
    nessuno.k = k;
    nessuno.g = g;
    if (!TriploValido(v, k, g)) {
        return nessuno;
    }
    FileRiduttori f(file);
    for (const RiduttoreImmediato& r : LeggiDirectory(f)) {
        if (r.v == v && r.k == k && r.g == g && r.giocate > 0) {
            return r;
        }
    }
    return nessuno;
}

std::vector<RiduttoreImmediato> ElencoRiduttoriImmediati(const std::string& file)
{
    FileRiduttori f(file);
    return LeggiDirectory(f);
}

std::uint32_t GenerazioneRiduttori(const std::string& file)
{
    FileRiduttori f(file);
    const std::vector<RiduttoreImmediato> voci = LeggiDirectory(f);
    if (voci.empty()) {
        return 0;
    }
    const std::uint64_t inizio =
        DimensioneIntestazioneRiduttori + std::uint64_t{DimensioneVoceRiduttori} * voci.size();
    for (const RiduttoreImmediato& r : voci) {
        if (r.posizione < inizio + DimensioneGenerazioneRiduttori) {
            return 0;
        }
    }
    std::array<std::uint8_t, DimensioneGenerazioneRiduttori> blocco{};
    if (!f.leggi(inizio, blocco.size(), blocco.data()) ||
        std::memcmp(blocco.data(), FirmaGenerazione.data(), FirmaGenerazione.size()) != 0) {
        return 0;
    }
    return U32(blocco.data() + 4);
}

std::uint16_t ChecksumPosizioni(const std::vector<std::uint8_t>& posizioni)
{
    std::uint32_t somma = 0;
    for (std::uint8_t p : posizioni) {
        somma += p;
    }
    return static_cast<std::uint16_t>(somma & 0xFFFFU);
}

LetturaRiduttore LeggiRiduttoreImmediato(const std::string& file, const RiduttoreImmediato& r)
{
    LetturaRiduttore esito;
    if (r.danneggiato || r.giocate <= 0 || !TriploValido(r.v, r.k, r.g)) {
        return esito;
    }
    FileRiduttori f(file);
    const std::uint64_t byteGiocate = static_cast<std::uint64_t>(r.giocate) * static_cast<std::uint64_t>(r.k);
    if (!f.aperto() || r.posizione > f.dimensione() || byteGiocate > f.dimensione() - r.posizione ||
        byteGiocate > std::numeric_limits<std::size_t>::max()) {
        return esito;
    }
    std::vector<std::uint8_t> posizioni;
    try {
        posizioni.resize(static_cast<std::size_t>(byteGiocate));
    } catch (const std::bad_alloc&) {
        return esito;
    }
    if (!f.leggi(r.posizione, posizioni.size(), posizioni.data())) {
        return esito;
    }
    const auto k = static_cast<std::size_t>(r.k);
    for (std::size_t i = 0; i < posizioni.size(); ++i) {
        const std::uint8_t p = posizioni[i];
        if (p < 1 || p > r.v || (i % k != 0 && p <= posizioni[i - 1])) {
            return esito;
        }
    }
    if (ChecksumPosizioni(posizioni) != r.checksum) {
        return esito;
    }
    esito.integro = true;
    esito.posizioni = std::move(posizioni);
    return esito;
}

std::optional<std::string> ControllaRiduttori(const std::vector<RiduttoreDaScrivere>& riduttori)
{
    std::set<std::tuple<int, int, int>> visti;
    std::uint64_t dimensione = DimensioneIntestazioneRiduttori + DimensioneGenerazioneRiduttori +
                               std::uint64_t{DimensioneVoceRiduttori} * riduttori.size();
    for (const RiduttoreDaScrivere& r : riduttori) {
        const std::string nome = std::to_string(r.v) + " " + std::to_string(r.k) + " " + std::to_string(r.g);
        if (!TriploValido(r.v, r.k, r.g)) {
            return "riduttore " + nome + ": v, k o g fuori intervallo";
        }
        const auto k = static_cast<std::size_t>(r.k);
        if (r.posizioni.empty() || r.posizioni.size() % k != 0) {
            return "riduttore " + nome + ": nessuna giocata o giocata incompleta";
        }
        if (r.posizioni.size() / k > std::numeric_limits<std::uint32_t>::max()) {
            return "riduttore " + nome + ": troppe giocate";
        }
        for (std::size_t i = 0; i < r.posizioni.size(); ++i) {
            const std::uint8_t p = r.posizioni[i];
            if (p < 1 || p > r.v || (i % k != 0 && p <= r.posizioni[i - 1])) {
                return "riduttore " + nome + ": posizioni non valide nella giocata " +
                       std::to_string(i / k + 1);
            }
        }
        if (!visti.emplace(r.v, r.k, r.g).second) {
            return "riduttore " + nome + ": ripetuto";
        }
        dimensione += r.posizioni.size();
    }
    if (dimensione > std::numeric_limits<std::uint32_t>::max()) {
        return std::string("file dei riduttori troppo grande");
    }
    return std::nullopt;
}

std::vector<std::uint8_t> ImmagineRiduttori(const std::vector<RiduttoreDaScrivere>& riduttori,
                                            std::uint32_t generazione)
{
    ByteWriter w;
    w.bytes(Firma.data(), Firma.size());
    ScriviU32(w, static_cast<std::uint32_t>(riduttori.size()));
    std::uint64_t offset = DimensioneIntestazioneRiduttori +
                           std::uint64_t{DimensioneVoceRiduttori} * riduttori.size() +
                           (generazione != 0 ? DimensioneGenerazioneRiduttori : 0U);
    for (const RiduttoreDaScrivere& r : riduttori) {
        w.u8(static_cast<std::uint8_t>(r.v));
        w.u8(static_cast<std::uint8_t>(r.k));
        w.u8(static_cast<std::uint8_t>(r.g));
        w.u8(0);
        ScriviU32(w, static_cast<std::uint32_t>(r.posizioni.size() / static_cast<std::size_t>(r.k)));
        ScriviU32(w, static_cast<std::uint32_t>(offset));
        ScriviU16(w, ChecksumPosizioni(r.posizioni));
        ScriviU16(w, 0);
        offset += r.posizioni.size();
    }
    if (generazione != 0) {
        w.bytes(FirmaGenerazione.data(), FirmaGenerazione.size());
        ScriviU32(w, generazione);
        ScriviU32(w, 0);
        ScriviU32(w, 0);
    }
    for (const RiduttoreDaScrivere& r : riduttori) {
        w.bytes(r.posizioni.data(), r.posizioni.size());
    }
    return std::move(w.dati());
}

bool RiduttoreGarantisce(const RiduttoreDaScrivere& r, bool ortogonale)
{
    if (!TriploValido(r.v, r.k, r.g) || r.posizioni.empty() ||
        r.posizioni.size() % static_cast<std::size_t>(r.k) != 0) {
        return false;
    }
    IndiceCopertura indice;
    if (!indice.prenota(r.g)) {
        return false;
    }
    const auto k = static_cast<std::size_t>(r.k);
    for (std::size_t i = 0; i < r.posizioni.size(); i += k) {
        Tipo_Giocata g{};
        std::copy_n(r.posizioni.begin() + static_cast<std::ptrdiff_t>(i), k, g.begin());
        indice.aggiungi(g);
    }
    std::vector<std::uint8_t> posizioni;
    for (int p = 1; p <= r.v; ++p) {
        posizioni.push_back(static_cast<std::uint8_t>(p));
    }
    const int s = ortogonale ? r.g : std::min(r.k, 5);
    if (s > r.v) {
        return false;
    }
    return CombinazioniPronostico(posizioni, s).perOgni([&](const Tipo_Giocata& c) {
        return indice.coperta(c, s);
    });
}

bool ScriviRiduttoriImmediati(const std::string& file, const std::vector<RiduttoreDaScrivere>& riduttori,
                              std::uint32_t generazione)
{
    if (ControllaRiduttori(riduttori)) {
        return false;
    }
    const std::vector<std::uint8_t> immagine = ImmagineRiduttori(riduttori, generazione);
    return ScriviFileAtomico(file, immagine);
}

std::string IndirizzoPaginaRiduttori(const std::string& server, char metodo, const std::string& idf)
{
    std::string base = server;
    const auto inizia = [&](const char* prefisso) {
        const std::size_t n = std::strlen(prefisso);
        if (base.size() <= n) {
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const char c = base[i];
            const char minuscola = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
            if (minuscola != prefisso[i]) {
                return false;
            }
        }
        return true;
    };
    if (!inizia("http://") && !inizia("https://")) {
        return {};
    }
    for (char c : base) {
        // No spaces, controls, queries or fragments in the server part.
        if (static_cast<unsigned char>(c) <= ' ' || c == '?' || c == '#' || c == '"' || c == '\\' ||
            static_cast<unsigned char>(c) >= 0x7F) {
            return {};
        }
    }
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base + PercorsoPaginaRiduttori + "?idm=" + std::string(1, metodo) + "&idf=" + idf;
}

std::string IdfFileRiduttori(const std::string& file)
{
    std::ifstream f(file, std::ios::binary | std::ios::ate);
    if (!f) {
        return "0";
    }
    const std::streamoff dimensione = f.tellg();
    return std::to_string(dimensione < 0 ? 0 : dimensione);
}
