#include "reductions/accetta_giocate_filtro.h"

#include "core/file_binario.h"
#include "core/giocata.h"
#include "core/testo.h"

#include <algorithm>
#include <fstream>

namespace mgf = messaggi_giocate_filtro;
namespace igf = importa_giocate_filtro;

void RimuoviGiocateFiltroVuote(std::vector<GiocataFiltro>& filtri)
{
    std::erase_if(filtri, [](const GiocataFiltro& f) { return f.vuota(); });
}

std::int32_t ErroriMostrati(const GiocateFiltro& record)
{
    const auto n = static_cast<std::int64_t>(record.filtri.size());
    return record.massimoErrori >= 0 && record.massimoErrori < n ? record.massimoErrori : 0;
}

int RigaDopoRicostruzione(int selezionata, std::size_t filtri)
{
    const int invito = static_cast<int>(filtri);
    return selezionata >= 0 && selezionata <= invito ? selezionata : invito;
}

EsitoModifica ModificaGiocataFiltro(std::vector<GiocataFiltro>& filtri, std::size_t indice,
                                    const GiocataFiltro& valore)
{
    if (indice >= filtri.size()) {
        if (valore.vuota()) {
            return EsitoModifica::Nessuna;
        }
        filtri.push_back(valore);
        return EsitoModifica::Aggiunta;
    }
    if (valore.vuota()) {
        filtri.erase(filtri.begin() + static_cast<std::ptrdiff_t>(indice));
        return EsitoModifica::Rimossa;
    }
    filtri[indice] = valore;
    return EsitoModifica::Aggiornata;
}

EsitoAccettazioneFiltri AccettaGiocateFiltro(const std::vector<GiocataFiltro>& filtri,
                                             std::int32_t massimoErrori)
{
    EsitoAccettazioneFiltri esito;
    for (std::size_t i = 0; i < filtri.size(); ++i) {
        const GiocataFiltro& f = filtri[i];
        if (f.vuota()) {
            continue;
        }
        if (f.numeri.vuota() || f.punteggi == 0) {
            esito.messaggio = Avviso(mgf::PrivaDiNumeriOPunteggi);
            esito.riga = i;
            return esito;
        }
        esito.record.filtri.push_back(f);
    }
    const std::size_t n = esito.record.filtri.size();
    if (n == 0) {
        esito.messaggio = Avviso(mgf::AlmenoUna);
        return esito;
    }
    // The record has room for 150: a longer list would lose its tail at the first save.
    if (n > GiocateFiltro::Massimo) {
        esito.messaggio = Avviso(mgf::TroppeGiocateFiltro);
        return esito;
    }
    if (massimoErrori < 0 || static_cast<std::size_t>(massimoErrori) >= n) {
        esito.messaggio = Avviso(mgf::ErroriNonValidi);
        return esito;
    }
    esito.record.massimoErrori = massimoErrori;
    esito.ok = true;
    return esito;
}

std::string TestoFileGiocateFiltro(const std::vector<GiocataFiltro>& filtri)
{
    std::string testo;
    for (const GiocataFiltro& f : filtri) {
        testo += TestoGiocataFiltro(f);
        testo += '\n';
    }
    return testo;
}

bool EsportaGiocateFiltro(const std::vector<GiocataFiltro>& filtri, const std::string& percorso)
{
    const std::string testo = TestoFileGiocateFiltro(filtri);
    return ScriviFileAtomico(percorso,
                             std::span(reinterpret_cast<const std::uint8_t*>(testo.data()), testo.size()));
}

std::optional<GiocataFiltro> LeggiRigaGiocataFiltro(std::string_view riga)
{
    const std::string pulita = testo::Trim(riga);
    std::string_view numeri = pulita;
    std::string punteggi;
    if (const auto trattino = pulita.find('-'); trattino != std::string::npos) {
        numeri = std::string_view(pulita).substr(0, trattino);
        punteggi = testo::UnisciSpazi(testo::Trim(std::string_view(pulita).substr(trattino + 1)));
    }
    GiocataFiltro filtro;
    SegniNumeri segni{};
    const bool conNumeri = LeggiInsiemeNumeri(testo::Trim(numeri), segni) > 0;
    if (conNumeri) {
        for (int n = 1; n <= NumeroMassimo; ++n) {
            if (segni[static_cast<std::size_t>(n - 1)] != 0) {
                filtro.numeri.aggiungi(n);
            }
        }
    }
    for (std::string_view pezzo : testo::Dividi(punteggi, ' ')) {
        int valore = 0;
        if (testo::LeggiIntero(pezzo, valore) && valore >= 0 && valore <= 10) {
            filtro.punteggi = static_cast<std::uint16_t>(filtro.punteggi | (1U << valore));
        }
    }
    if (!conNumeri && filtro.punteggi == 0) {
        return std::nullopt;
    }
    return filtro;
}

namespace {

// Lines of a byte stream in blocks, each kept up to the line limit (the rest of a longer line is read
// and dropped, never stored), over at most the import's size limit.
class RigheLimitate
{
public:
    explicit RigheLimitate(std::istream& in) : m_in(in), m_blocco(1 << 16) {}

    // False at the end of the text (or of the allowed bytes). troppoLunga: the line was cut.
    bool riga(std::string& riga, bool& troppoLunga)
    {
        riga.clear();
        troppoLunga = false;
        int c = byte();
        if (c < 0) {
            return false;
        }
        for (; c >= 0 && c != '\n' && c != '\r'; c = byte()) {
            if (riga.size() < igf::LunghezzaMassimaRiga) {
                riga += static_cast<char>(c);
            } else {
                troppoLunga = true;
            }
        }
        if (c == '\r' && guarda() == '\n') {
            (void)byte();
        }
        return true;
    }

    bool oltreIlLimite() const { return m_letti >= igf::DimensioneMassimaImportazione && !m_fineFile; }

private:
    int guarda()
    {
        const int c = byte();
        if (c >= 0) {
            --m_pos;
            --m_letti;
        }
        return c;
    }

    int byte()
    {
        if (m_letti >= igf::DimensioneMassimaImportazione) {
            return -1;
        }
        if (m_pos == m_fine) {
            m_in.read(m_blocco.data(), static_cast<std::streamsize>(m_blocco.size()));
            m_fine = static_cast<std::size_t>(m_in.gcount());
            m_pos = 0;
            if (m_fine == 0) {
                m_fineFile = true;
                return -1;
            }
        }
        ++m_letti;
        return static_cast<unsigned char>(m_blocco[m_pos++]);
    }

    std::istream& m_in;
    std::vector<char> m_blocco;
    std::size_t m_pos = 0;
    std::size_t m_fine = 0;
    std::size_t m_letti = 0;
    bool m_fineFile = false;
};

} // namespace

EsitoImportazioneFiltri ImportaGiocateFiltro(const std::string& percorso, std::vector<GiocataFiltro>& filtri)
{
    EsitoImportazioneFiltri esito;
    std::ifstream in(percorso, std::ios::binary);
    if (!in) {
        esito.messaggio = Avviso(std::string(mgf::FileNonApribile) + percorso);
        return esito;
    }
    esito.aperto = true;
    RigheLimitate righe(in);
    std::string riga;
    bool troppoLunga = false;
    bool prima = true;
    while (righe.riga(riga, troppoLunga)) {
        if (prima && riga.starts_with("\xEF\xBB\xBF")) {
            riga.erase(0, 3);
        }
        prima = false;
        if (troppoLunga) {
            ++esito.scartate;
            continue;
        }
        const std::optional<GiocataFiltro> filtro = LeggiRigaGiocataFiltro(riga);
        if (!filtro) {
            if (!testo::Trim(riga).empty()) {
                ++esito.scartate;
            }
            continue;
        }
        if (filtri.size() >= GiocateFiltro::Massimo) {
            esito.troncata = true;
            break;
        }
        filtri.push_back(*filtro);
        ++esito.prese;
    }
    if (esito.troncata) {
        esito.messaggio = Avviso(mgf::ImportazioneLimitata);
    } else if (esito.prese == 0) {
        esito.messaggio = Avviso(std::string(mgf::NessunaValidaPrima) + percorso + mgf::NessunaValidaDopo);
    } else if (righe.oltreIlLimite()) {
        esito.troncata = true;
        esito.messaggio = Avviso(mgf::FileTroppoGrande);
    }
    return esito;
}
