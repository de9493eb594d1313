#include "editor/importa_giocate.h"
#include "core/giocata.h"

#include "core/byte_io.h"
#include "core/file_binario.h"
#include "core/testo.h"
#include "editor/file_sistema.h"
#include "editor/messaggi_giocate.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <system_error>
#include <vector>

namespace ig = importa_giocate;

std::optional<Messaggio> EsitoImportazione::messaggio() const
{
    switch (codice) {
    case CodiceImportazione::FormatoNonValido:
        return Messaggio{messaggi_giocate::VersioneNonCompatibile, messaggi_giocate::TitoloErrore,
                         Icona::Avviso};
    case CodiceImportazione::NessunaNuova:
        return Avviso(messaggi_giocate::NessunaNuovaGiocata);
    case CodiceImportazione::TroppoGrande:
        return Avviso(messaggi_giocate::FileTestoTroppoGrande);
    case CodiceImportazione::Completata:
    case CodiceImportazione::NonLeggibile:
    case CodiceImportazione::Memoria:
        break;
    }
    return std::nullopt;
}

namespace {

EsitoImportazione Esito(CodiceImportazione codice)
{
    EsitoImportazione esito;
    esito.codice = codice;
    return esito;
}

// Room for `aggiunte` plays after the count; an impossible total is a memory failure like any other.
bool FaiSpazio(ElencoGiocate& giocate, std::int64_t aggiunte)
{
    const std::int64_t totale = static_cast<std::int64_t>(giocate.conteggio()) + aggiunte;
    if (totale > INT32_MAX) {
        return false;
    }
    return giocate.AssicuraCapacita(static_cast<std::int32_t>(totale));
}

// The common end of every import: plays n0+1..n0+importate are in place after the count n0.
EsitoImportazione Concludi(ElencoGiocate& giocate, std::int32_t importate, ControlloEsecuzione& controllo)
{
    const std::int32_t n0 = giocate.conteggio();
    EsitoImportazione esito;
    esito.lette = importate;
    Avanzamento avanzamento;
    avanzamento.totale = importate;
    std::int32_t rimaste = importate;
    std::int64_t esaminate = 0;
    for (std::int32_t i = 1; i <= rimaste;) {
        if (++esaminate % ig::PassoEsame == 0) {
            avanzamento.elaborati = static_cast<double>(esaminate);
            (void)controllo.verifica(avanzamento);
        }
        Tipo_Giocata& voce = giocate.voce(n0 + i);
        if (giocate.CercaGiocataTra(voce, n0) != 0) {
            voce = giocate.voce(n0 + rimaste);
            --rimaste;
        } else {
            ++i;
        }
    }
    giocate.CopiaPerAnnulla();
    giocate.setConteggio(n0 + rimaste);
    esito.aggiunte = rimaste;
    return esito;
}

// Copies checked plays of `dimensione` bytes per record (the play first) after the count.
EsitoImportazione Copia(const std::uint8_t* primo, std::int32_t quante, std::size_t dimensione,
                        std::int32_t passo, ElencoGiocate& giocate, ControlloEsecuzione& controllo)
{
    if (!FaiSpazio(giocate, quante)) {
        return Esito(CodiceImportazione::Memoria);
    }
    const std::int32_t n0 = giocate.conteggio();
    Avanzamento avanzamento;
    avanzamento.totale = quante;
    for (std::int32_t i = 0; i < quante; ++i) {
        std::memcpy(giocate.voce(n0 + 1 + i).data(), primo + dimensione * static_cast<std::size_t>(i),
                    sizeof(Tipo_Giocata));
        if ((i + 1) % passo == 0) {
            avanzamento.elaborati = i + 1;
            (void)controllo.verifica(avanzamento);
        }
    }
    return Concludi(giocate, quante, controllo);
}

} // namespace

namespace {

// The plays go straight from the source into the list after its count: a system of any size that
// could be saved can be imported without a second copy of it.
EsitoImportazione ImportaSorgenteSistema(SorgenteSistema& sorgente, ElencoGiocate& giocate,
                                         ControlloEsecuzione& controllo)
{
    auto letto = std::make_unique<Sistema>();
    std::int32_t quante = 0;
    if (LeggiIntestazioneSistema(sorgente, *letto, quante) != CodiceFileSistema::Ok) {
        return Esito(CodiceImportazione::FormatoNonValido);
    }
    switch (LeggiGiocateDopoConteggio(sorgente, quante, giocate, controllo)) {
    case CodiceGiocateFile::Ok:
        break;
    case CodiceGiocateFile::NonValide:
        return Esito(CodiceImportazione::FormatoNonValido);
    case CodiceGiocateFile::Memoria:
        return Esito(CodiceImportazione::Memoria);
    }
    return Concludi(giocate, quante, controllo);
}

} // namespace

EsitoImportazione ImportaImmagineSistema(std::span<const std::uint8_t> dati, ElencoGiocate& giocate,
                                         ControlloEsecuzione& controllo)
{
    SorgenteImmagine sorgente(dati);
    return ImportaSorgenteSistema(sorgente, giocate, controllo);
}

EsitoImportazione ImportaImmagineLpc(std::span<const std::uint8_t> dati, ElencoGiocate& giocate,
                                     ControlloEsecuzione& controllo)
{
    ByteReader versione(dati);
    if (versione.u8() != ig::VersioneLpc || !versione.ok() || dati.size() < ig::OffsetGiocateLpc) {
        return Esito(CodiceImportazione::FormatoNonValido);
    }
    ByteReader campo(dati.subspan(ig::OffsetConteggioLpc));
    const std::int32_t quante = campo.i32();
    // The count is believed only when its records are really there.
    const std::size_t disponibili = (dati.size() - ig::OffsetGiocateLpc) / ig::DimensioneRecordLpc;
    if (!campo.ok() || quante < 0 || quante > ig::MassimoGiocateLpc ||
        static_cast<std::size_t>(quante) > disponibili) {
        return Esito(CodiceImportazione::FormatoNonValido);
    }
    const std::uint8_t* primo = dati.data() + ig::OffsetGiocateLpc;
    for (std::int32_t i = 0; i < quante; ++i) {
        if (!GiocataCanonica(primo + ig::DimensioneRecordLpc * static_cast<std::size_t>(i))) {
            return Esito(CodiceImportazione::FormatoNonValido);
        }
    }
    return Copia(primo, quante, ig::DimensioneRecordLpc, ig::PassoLpc, giocate, controllo);
}

namespace {

// Reads lines from a stream in blocks, decoding UTF-16 to its ASCII part, and keeps at most
// LunghezzaMassimaRiga characters of a line.
class LettoreRighe
{
public:
    explicit LettoreRighe(std::istream& in) : m_in(in), m_blocco(1 << 16) { riconosciCodifica(); }

    // False at the end of the text. `troppoLunga` tells that the line was cut.
    bool riga(std::string& riga, bool& troppoLunga)
    {
        riga.clear();
        troppoLunga = false;
        int c = carattere();
        if (c < 0) {
            return false;
        }
        for (; c >= 0 && c != '\n' && c != '\r'; c = carattere()) {
            if (riga.size() < ig::LunghezzaMassimaRiga) {
                riga += static_cast<char>(c);
            } else {
                troppoLunga = true;
            }
        }
        if (c == '\r') {
            const int dopo = carattere();
            if (dopo >= 0 && dopo != '\n') {
                m_rimandato = dopo;
            }
        }
        return true;
    }

private:
    enum class Codifica { Byte, Utf16LE, Utf16BE };

    int byte()
    {
        if (m_pos == m_fine) {
            if (!m_in) {
                return -1;
            }
            m_in.read(m_blocco.data(), static_cast<std::streamsize>(m_blocco.size()));
            m_fine = static_cast<std::size_t>(m_in.gcount());
            m_pos = 0;
            if (m_fine == 0) {
                return -1;
            }
        }
        return static_cast<unsigned char>(m_blocco[m_pos++]);
    }

    int carattere()
    {
        if (m_rimandato >= 0) {
            const int c = m_rimandato;
            m_rimandato = -1;
            return c;
        }
        if (m_codifica == Codifica::Byte) {
            return byte();
        }
        const int a = byte();
        const int b = byte();
        if (a < 0 || b < 0) {
            return -1;
        }
        const int unita = m_codifica == Codifica::Utf16LE ? a | (b << 8) : (a << 8) | b;
        // Digits, spaces and line ends are ASCII; anything else only has to stay invalid.
        return unita < 0x80 ? unita : '?';
    }

    void riconosciCodifica()
    {
        const int a = byte();
        const int b = byte();
        if (a == 0xFF && b == 0xFE) {
            m_codifica = Codifica::Utf16LE;
            return;
        }
        if (a == 0xFE && b == 0xFF) {
            m_codifica = Codifica::Utf16BE;
            return;
        }
        std::vector<int> iniziali{a, b};
        if (a == 0xEF && b == 0xBB) {
            const int c = byte();
            if (c == 0xBF) {
                return;
            }
            iniziali.push_back(c);
        }
        // Not a mark: the bytes read go back in front of the text.
        for (auto it = iniziali.rbegin(); it != iniziali.rend(); ++it) {
            if (*it >= 0) {
                rimetti(*it);
            }
        }
    }

    void rimetti(int c)
    {
        // Only called while the first block is in place, right after reading its first bytes.
        --m_pos;
        m_blocco[m_pos] = static_cast<char>(c);
    }

    std::istream& m_in;
    std::vector<char> m_blocco;
    std::size_t m_pos = 0;
    std::size_t m_fine = 0;
    int m_rimandato = -1;
    Codifica m_codifica = Codifica::Byte;
};

} // namespace

EsitoImportazione ImportaTesto(std::istream& in, ElencoGiocate& giocate, ControlloEsecuzione& controllo)
{
    const std::int32_t n0 = giocate.conteggio();
    LettoreRighe lettore(in);
    std::string riga;
    bool troppoLunga = false;
    std::int32_t importate = 0;
    std::int32_t scartate = 0;
    std::int64_t righe = 0;
    Avanzamento avanzamento;
    while (lettore.riga(riga, troppoLunga)) {
        if (++righe % ig::PassoEsame == 0) {
            avanzamento.elaborati = static_cast<double>(righe);
            (void)controllo.verifica(avanzamento);
        }
        Tipo_Giocata g{};
        if (troppoLunga) {
            ++scartate;
            continue;
        }
        if (!LeggiGiocataDaTesto(riga, g)) {
            if (!testo::Trim(riga).empty()) {
                ++scartate;
            }
            continue;
        }
        if (importate == INT32_MAX - n0 ||
            (giocate.capacita() < n0 + importate + 1 && !giocate.AmpliaElenco())) {
            return Esito(CodiceImportazione::Memoria);
        }
        giocate.voce(n0 + importate + 1) = g;
        ++importate;
    }
    EsitoImportazione esito = Concludi(giocate, importate, controllo);
    esito.righeScartate = scartate;
    if (esito.aggiunte == 0) {
        esito.codice = CodiceImportazione::NessunaNuova;
    }
    return esito;
}

namespace {

std::optional<std::uintmax_t> DimensioneFile(const std::string& percorso)
{
    std::error_code errore;
    if (!std::filesystem::is_regular_file(percorso, errore)) {
        return std::nullopt;
    }
    const auto dimensione = std::filesystem::file_size(percorso, errore);
    if (errore) {
        return std::nullopt;
    }
    return dimensione;
}

template <typename Lettore>
EsitoImportazione ImportaFileBinario(const std::string& percorso, std::size_t limite, Lettore leggi)
{
    const auto dimensione = DimensioneFile(percorso);
    if (!dimensione) {
        return Esito(CodiceImportazione::NonLeggibile);
    }
    if (*dimensione > limite) {
        return Esito(CodiceImportazione::FormatoNonValido);
    }
    const auto dati = LeggiFileIntero(percorso, limite);
    if (!dati) {
        return Esito(CodiceImportazione::NonLeggibile);
    }
    return leggi(std::span<const std::uint8_t>(*dati));
}

} // namespace

EsitoImportazione ImportaGiocateDaSistema(const std::string& percorso, ElencoGiocate& giocate,
                                          ControlloEsecuzione& controllo)
{
    const auto sorgente = SorgenteFile::apri(percorso);
    if (!sorgente) {
        return Esito(CodiceImportazione::NonLeggibile);
    }
    return ImportaSorgenteSistema(*sorgente, giocate, controllo);
}

EsitoImportazione ImportaGiocateDaLpc(const std::string& percorso, ElencoGiocate& giocate,
                                      ControlloEsecuzione& controllo)
{
    return ImportaFileBinario(percorso, ig::DimensioneMassimaLpc, [&](std::span<const std::uint8_t> dati) {
        return ImportaImmagineLpc(dati, giocate, controllo);
    });
}

EsitoImportazione ImportaGiocateDaTesto(const std::string& percorso, ElencoGiocate& giocate,
                                        ControlloEsecuzione& controllo)
{
    const auto dimensione = DimensioneFile(percorso);
    if (!dimensione) {
        return Esito(CodiceImportazione::NonLeggibile);
    }
    if (*dimensione > ig::DimensioneMassimaTesto) {
        return Esito(CodiceImportazione::TroppoGrande);
    }
    std::ifstream in(percorso, std::ios::binary);
    if (!in) {
        return Esito(CodiceImportazione::NonLeggibile);
    }
    return ImportaTesto(in, giocate, controllo);
}
