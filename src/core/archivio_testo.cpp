#include "core/archivio_testo.h"

#include "core/file_binario.h"
#include "core/messaggi_archivio.h"

#include <array>
#include <map>

namespace archivio_testo {

namespace {

// Codes by archive wheel 1..11.
constexpr std::array<std::string_view, RuoteArchivio + 1> Codici = {
    "", "BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE", "RN",
};

} // namespace

std::string_view CodiceRuota(int w)
{
    return w >= 1 && w <= RuoteArchivio ? Codici[static_cast<std::size_t>(w)] : std::string_view();
}

int RuotaDaCodice(std::string_view codice)
{
    for (int w = 1; w <= RuoteArchivio; ++w) {
        if (Codici[static_cast<std::size_t>(w)] == codice) {
            return w;
        }
    }
    return 0;
}

} // namespace archivio_testo

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool Cifra(char c)
{
    return c >= '0' && c <= '9';
}

bool Bisestile(int anno)
{
    return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
}

// "YYYY/MM/DD", a real calendar day of 1900..2100.
bool LeggiDataTesto(std::string_view campo, Tipo_Estrazione& e)
{
    if (campo.size() != 10 || campo[4] != '/' || campo[7] != '/') {
        return false;
    }
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (!Cifra(campo[i])) {
            return false;
        }
    }
    const auto cifre = [&](std::size_t da, std::size_t n) {
        int v = 0;
        for (std::size_t i = da; i < da + n; ++i) {
            v = v * 10 + (campo[i] - '0');
        }
        return v;
    };
    const int anno = cifre(0, 4);
    const int mese = cifre(5, 2);
    const int giorno = cifre(8, 2);
    constexpr std::array<int, 13> giorniMese = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (anno < 1900 || anno > 2100 || mese < 1 || mese > 12 || giorno < 1 ||
        giorno > giorniMese[static_cast<std::size_t>(mese)] ||
        (mese == 2 && giorno == 29 && !Bisestile(anno))) {
        return false;
    }
    e.setAnno(anno);
    e.mese = static_cast<std::uint8_t>(mese);
    e.giorno = static_cast<std::uint8_t>(giorno);
    return true;
}

// A plain decimal 1..90 ("7" or "07").
int LeggiNumero(std::string_view campo)
{
    if (campo.empty() || campo.size() > 2 || !Cifra(campo[0]) || (campo.size() == 2 && !Cifra(campo[1]))) {
        return 0;
    }
    const int n = campo.size() == 1 ? campo[0] - '0' : (campo[0] - '0') * 10 + (campo[1] - '0');
    return n >= 1 && n <= 90 ? n : 0;
}

// One line read: its date, wheel and five numbers, or false.
struct RigaEstrazione
{
    Tipo_Estrazione data; // only the date is set
    int ruota = 0;
    std::array<std::uint8_t, 5> numeri{};
};

bool LeggiRiga(std::string_view riga, RigaEstrazione& letta)
{
    std::array<std::string_view, 7> campi;
    std::size_t n = 0;
    std::size_t inizio = 0;
    while (true) {
        const auto tab = riga.find('\t', inizio);
        if (n == campi.size()) {
            return false; // more than seven fields
        }
        campi[n++] =
            riga.substr(inizio, tab == std::string_view::npos ? std::string_view::npos : tab - inizio);
        if (tab == std::string_view::npos) {
            break;
        }
        inizio = tab + 1;
    }
    if (n != campi.size() || !LeggiDataTesto(campi[0], letta.data)) {
        return false;
    }
    letta.ruota = archivio_testo::RuotaDaCodice(campi[1]);
    if (letta.ruota == 0) {
        return false;
    }
    std::array<bool, 91> visto{};
    for (std::size_t p = 0; p < 5; ++p) {
        const int numero = LeggiNumero(campi[p + 2]);
        if (numero == 0 || visto[static_cast<std::size_t>(numero)]) {
            return false;
        }
        visto[static_cast<std::size_t>(numero)] = true;
        letta.numeri[p] = static_cast<std::uint8_t>(numero);
    }
    return true;
}

// The draw of one date being built, with the wheels the text has already given.
struct Voce
{
    Tipo_Estrazione estrazione;
    std::uint16_t ruoteDate = 0; // bit w for wheel w
    bool inArchivio = false;
};

void Scarta(EsitoImportazioneTesto& esito, std::int32_t numeroRiga)
{
    ++esito.righeScartate;
    if (esito.primeRigheScartate.size() < archivio_testo::RigheScartateRicordate) {
        esito.primeRigheScartate.push_back(numeroRiga);
    }
}

void ScriviDueCifre(std::string& out, int v)
{
    out.push_back(static_cast<char>('0' + v / 10));
    out.push_back(static_cast<char>('0' + v % 10));
}

} // namespace

std::string EsitoImportazioneTesto::descrizione() const
{
    std::string righeTesto = "Estrazioni aggiunte: " + std::to_string(aggiunte) +
                             "\rEstrazioni aggiornate: " + std::to_string(aggiornate);
    if (righeScartate > 0) {
        righeTesto += "\rRighe non valide ignorate: " + std::to_string(righeScartate) + " (righe ";
        for (std::size_t i = 0; i < primeRigheScartate.size(); ++i) {
            righeTesto += (i > 0 ? ", " : "") + std::to_string(primeRigheScartate[i]);
        }
        righeTesto += static_cast<std::size_t>(righeScartate) > primeRigheScartate.size() ? ", ...)" : ")";
    }
    if (rifiutate > 0) {
        righeTesto += std::string("\r") + messaggi_archivio::ArchivioPieno +
                      "\rEstrazioni non inserite: " + std::to_string(rifiutate);
    }
    return righeTesto;
}

EsitoImportazioneTesto ImportaArchivioTesto(std::string_view testo, ArchivioStorico& archivio)
{
    EsitoImportazioneTesto esito;
    esito.letto = true;
    if (testo.starts_with(Bom)) {
        testo.remove_prefix(Bom.size());
    }

    std::map<std::int32_t, Voce> voci;
    Voce* ultima = nullptr; // lines come grouped by date: most lookups stop here
    std::int32_t chiaveUltima = 0;
    std::int32_t numeroRiga = 0;
    std::size_t pos = 0;
    while (pos < testo.size()) {
        auto fine = testo.find('\n', pos);
        if (fine == std::string_view::npos) {
            fine = testo.size();
        }
        std::string_view riga = testo.substr(pos, fine - pos);
        pos = fine + 1;
        ++numeroRiga;
        if (riga.ends_with('\r')) {
            riga.remove_suffix(1);
        }
        if (riga.find_first_not_of(" \t") == std::string_view::npos) {
            continue;
        }
        ++esito.righe;
        RigaEstrazione letta;
        if (riga.size() > archivio_testo::LunghezzaMassimaRiga || !LeggiRiga(riga, letta)) {
            Scarta(esito, numeroRiga);
            continue;
        }
        const std::int32_t chiave = letta.data.chiaveData();
        if (ultima == nullptr || chiave != chiaveUltima) {
            auto [it, nuova] = voci.try_emplace(chiave);
            if (nuova) {
                const std::int32_t indice = archivio.indiceData(chiave);
                it->second.inArchivio = indice != 0;
                it->second.estrazione = indice != 0 ? archivio.estrazione(indice) : letta.data;
            }
            ultima = &it->second;
            chiaveUltima = chiave;
        }
        const auto bit = static_cast<std::uint16_t>(1u << letta.ruota);
        Tipo_Estrazione& e = ultima->estrazione;
        if ((ultima->ruoteDate & bit) != 0) {
            bool uguale = true;
            for (int p = 1; p <= 5; ++p) {
                uguale = uguale && e.numero(letta.ruota, p) == letta.numeri[static_cast<std::size_t>(p - 1)];
            }
            if (!uguale) {
                Scarta(esito, numeroRiga);
            }
            continue;
        }
        ultima->ruoteDate = static_cast<std::uint16_t>(ultima->ruoteDate | bit);
        for (int p = 1; p <= 5; ++p) {
            e.setNumero(letta.ruota, p, letta.numeri[static_cast<std::size_t>(p - 1)]);
        }
    }

    for (const auto& [chiave, voce] : voci) {
        if (voce.inArchivio) {
            const Tipo_Estrazione& attuale = archivio.estrazione(archivio.indiceData(chiave));
            if (attuale.numeri != voce.estrazione.numeri) {
                (void)archivio.InserisciEstrazione(voce.estrazione); // same date: replaced in place
                ++esito.aggiornate;
            }
        } else if (archivio.InserisciEstrazione(voce.estrazione) != 0) {
            ++esito.aggiunte;
        } else if (esito.rifiutate++ == 0) {
            esito.primaRifiutata = chiave;
        }
    }
    return esito;
}

EsitoImportazioneTesto ImportaFileArchivioTesto(const std::string& percorso, ArchivioStorico& archivio)
{
    auto dati = LeggiFileIntero(percorso, archivio_testo::DimensioneMassima);
    if (!dati) {
        EsitoImportazioneTesto esito;
        esito.testo = EsisteFile(percorso) ? messaggi_archivio::FileTestoTroppoGrande + percorso
                                           : messaggi_archivio::FileTestoNonTrovato + percorso;
        return esito;
    }
    const std::string_view testo(reinterpret_cast<const char*>(dati->data()), dati->size());
    return ImportaArchivioTesto(testo, archivio);
}

std::string EsportaArchivioTesto(const ArchivioStorico& archivio)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(archivio.conteggio()) * RuoteArchivio * 30);
    for (std::int32_t i = 1; i <= archivio.conteggio(); ++i) {
        const Tipo_Estrazione& e = archivio.estrazione(i);
        for (int w : archivio_testo::OrdineCodici) {
            if (!e.haDati(w)) {
                continue;
            }
            const int anno = e.anno();
            ScriviDueCifre(out, anno / 100);
            ScriviDueCifre(out, anno % 100);
            out.push_back('/');
            ScriviDueCifre(out, e.mese);
            out.push_back('/');
            ScriviDueCifre(out, e.giorno);
            out.push_back('\t');
            out.append(archivio_testo::CodiceRuota(w));
            for (int p = 1; p <= 5; ++p) {
                out.push_back('\t');
                out.append(std::to_string(e.numero(w, p)));
            }
            out.push_back('\n');
        }
    }
    return out;
}

bool SalvaArchivioTesto(const std::string& percorso, const ArchivioStorico& archivio)
{
    const std::string testo = EsportaArchivioTesto(archivio);
    return ScriviFileAtomico(
        percorso,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(testo.data()), testo.size()));
}
