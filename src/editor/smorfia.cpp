#include "editor/smorfia.h"

#include "core/byte_io.h"
#include "core/file_binario.h"
#include "core/testo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace smorfia {

namespace {

constexpr std::size_t RecordMassimi = 100000;

unsigned char MinuscolaLatin1(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    return c;
}

unsigned char MaiuscolaLatin1(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<unsigned char>(c - 0x20);
    }
    return c;
}

std::string Minuscole(std::string s)
{
    for (char& c : s) {
        c = static_cast<char>(MinuscolaLatin1(static_cast<unsigned char>(c)));
    }
    return s;
}

} // namespace

std::string Latin1DaUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::size_t lunghezza = 1;
        std::uint32_t codice = c;
        if (c >= 0xC0 && c < 0xE0) {
            lunghezza = 2;
            codice = c & 0x1Fu;
        } else if (c >= 0xE0 && c < 0xF0) {
            lunghezza = 3;
            codice = c & 0x0Fu;
        } else if (c >= 0xF0 && c < 0xF8) {
            lunghezza = 4;
            codice = c & 0x07u;
        } else if (c >= 0x80) {
            out.push_back('?'); // a stray continuation byte
            ++i;
            continue;
        }
        if (i + lunghezza > utf8.size()) {
            out.push_back('?');
            break;
        }
        for (std::size_t k = 1; k < lunghezza; ++k) {
            codice = (codice << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        }
        out.push_back(codice <= 0xFF ? static_cast<char>(codice) : '?');
        i += lunghezza;
    }
    return out;
}

std::string Utf8DaLatin1(std::string_view latin1)
{
    std::string out;
    out.reserve(latin1.size() + latin1.size() / 8);
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool LeggiSmorfia(const std::string& percorso, std::vector<Voce>& voci)
{
    const auto dati = LeggiFileIntero(percorso, RecordMassimi * DimensioneRecord);
    if (!dati) {
        return false;
    }
    voci.clear();
    ByteReader lettore(*dati);
    while (lettore.rimanenti() >= DimensioneRecord) {
        const std::size_t lunghezza = std::min<std::size_t>(lettore.u8(), LunghezzaMassima);
        char testo[LunghezzaMassima];
        (void)lettore.bytes(testo, LunghezzaMassima);
        const int numero = lettore.u8();
        if (numero >= 1 && numero <= 90) {
            voci.push_back({numero, Utf8DaLatin1(std::string_view(testo, lunghezza))});
        }
    }
    return true;
}

bool ScriviSmorfia(const std::string& percorso, const std::vector<Voce>& voci)
{
    ByteWriter scrittore;
    for (const Voce& v : voci) {
        std::string testo = Latin1DaUtf8(v.descrizione);
        testo.resize(std::min(testo.size(), LunghezzaMassima));
        scrittore.u8(static_cast<std::uint8_t>(testo.size()));
        testo.resize(LunghezzaMassima, '\0');
        scrittore.bytes(testo.data(), LunghezzaMassima);
        scrittore.u8(static_cast<std::uint8_t>(v.numero));
    }
    return ScriviFileAtomico(percorso, scrittore.dati());
}

std::vector<Voce> LeggiTestoSmorfia(std::string_view testo, std::vector<int>* scartate)
{
    std::vector<Voce> voci;
    int numeroRiga = 0;
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        std::size_t fine = testo.find('\n', inizio);
        if (fine == std::string_view::npos) {
            fine = testo.size();
        }
        std::string_view riga = testo.substr(inizio, fine - inizio);
        inizio = fine + 1;
        ++numeroRiga;
        if (!riga.empty() && riga.back() == '\r') {
            riga.remove_suffix(1);
        }
        if (testo::Trim(riga).empty() || riga.front() == '#') {
            continue;
        }
        const std::size_t tab = riga.find('\t');
        int numero = 0;
        const std::string descrizione =
            tab == std::string_view::npos ? std::string() : testo::Trim(riga.substr(tab + 1));
        if (tab == std::string_view::npos || !testo::LeggiIntero(testo::Trim(riga.substr(0, tab)), numero) ||
            numero < 1 || numero > 90 || descrizione.empty()) {
            if (scartate != nullptr) {
                scartate->push_back(numeroRiga);
            }
            continue;
        }
        voci.push_back({numero, descrizione});
    }
    return voci;
}

std::string PreparaSmorfiaPredefinita(const std::string& cartellaDati, const std::string& percorsoTesto)
{
    const std::string percorso = (std::filesystem::path(cartellaDati) / NomeFile).string();
    std::error_code errore;
    if (percorsoTesto.empty() || std::filesystem::exists(std::filesystem::symlink_status(percorso, errore)) ||
        !EsisteFile(percorsoTesto)) {
        return {};
    }
    std::ifstream file(percorsoTesto, std::ios::binary);
    std::ostringstream contenuto;
    contenuto << file.rdbuf();
    if (!file) {
        return "Impossibile leggere il file " + percorsoTesto;
    }
    const std::vector<Voce> voci = LeggiTestoSmorfia(contenuto.str());
    if (!ScriviSmorfia(percorso, voci)) {
        return "Impossibile scrivere il file " + percorso;
    }
    return {};
}

std::vector<Risultato> CercaSmorfia(const std::vector<Voce>& voci, std::string_view testo)
{
    std::vector<Risultato> risultati;
    const std::string pulito = testo::UnisciSpazi(testo::Trim(testo));
    if (pulito.empty()) {
        return risultati;
    }
    std::vector<std::string> termini;
    for (std::string_view t : testo::Dividi(pulito, ' ')) {
        termini.push_back(Minuscole(Latin1DaUtf8(t)));
    }
    std::vector<Risultato> inCima; // kept reversed: the last one put at the top comes first
    for (const Voce& v : voci) {
        const std::string descrizione = Latin1DaUtf8(v.descrizione);
        const std::string minuscola = Minuscole(descrizione);
        const std::string numero = std::to_string(v.numero);
        for (const std::string& termine : termini) {
            const bool eNumero = termine == numero;
            if (!eNumero && minuscola.find(termine) == std::string::npos) {
                continue;
            }
            std::string mostrata = descrizione;
            if (!mostrata.empty()) {
                mostrata[0] = static_cast<char>(MaiuscolaLatin1(static_cast<unsigned char>(mostrata[0])));
            }
            Risultato r{v.numero, "    " + numero, Utf8DaLatin1(mostrata)};
            if (eNumero || minuscola.starts_with(termine)) {
                inCima.push_back(std::move(r));
            } else {
                risultati.push_back(std::move(r));
            }
            break;
        }
    }
    risultati.insert(risultati.begin(), inCima.rbegin(), inCima.rend());
    return risultati;
}

} // namespace smorfia
