#include "core/file_archivio.h"

#include "core/byte_io.h"
#include "core/file_binario.h"
#include "core/messaggi_archivio.h"

#include <algorithm>
#include <array>

namespace {

std::string NoteCaricamento(const EsitoCaricaArchivio& esito)
{
    using namespace messaggi_archivio;
    if (esito.nonValide == 1) {
        return ArchivioDanneggiato + (UnaNonValidaPrima + std::to_string(esito.primaNonValida)) +
               UnaNonValidaDopo;
    }
    return ArchivioDanneggiato + std::to_string(esito.nonValide) + PiuNonValidePrima +
           std::to_string(esito.primaNonValida) + PiuNonValideDopo;
}

} // namespace

EsitoCaricaArchivio CaricaArchivioDaDati(std::span<const std::uint8_t> dati, ArchivioStorico& archivio)
{
    archivio.svuota();
    EsitoCaricaArchivio esito;
    esito.esiste = true;
    esito.letto = true;
    if (dati.size() < ArchivioStorico::DimensioneIntestazione) {
        return esito;
    }
    const std::size_t quanti =
        (dati.size() - ArchivioStorico::DimensioneIntestazione) / file_archivio::DimensioneRecord;
    esito.recordNelFile = static_cast<std::int32_t>(quanti);

    ByteReader lettore(dati.subspan(ArchivioStorico::DimensioneIntestazione));
    std::vector<Tipo_Estrazione> valide;
    valide.reserve(quanti);
    for (std::size_t i = 1; i <= quanti; ++i) {
        Tipo_Estrazione e;
        lettore.blocco(e.numeri);
        e.giorno = lettore.u8();
        e.mese = lettore.u8();
        lettore.u8(); // reserved: written as 0, whatever the file holds
        e.annoBasso = lettore.u8();
        e.annoAlto = lettore.u8();
        if (!lettore.ok()) {
            break; // cannot happen: the count was taken from the size
        }
        if (!EstrazioneValida(e)) {
            if (esito.nonValide++ == 0) {
                esito.primaNonValida = static_cast<std::int32_t>(i);
            }
            continue;
        }
        valide.push_back(e);
    }

    const auto primaData = [](const Tipo_Estrazione& a, const Tipo_Estrazione& b) {
        return a.chiaveData() < b.chiaveData();
    };
    // A file we wrote is already in order: the check is one pass and the sort never runs.
    if (!std::is_sorted(valide.begin(), valide.end(), primaData)) {
        std::stable_sort(valide.begin(), valide.end(), primaData);
    }
    // Of a run of equal dates keep the last one in the file (stable sort kept the file order).
    std::vector<Tipo_Estrazione> uniche;
    uniche.reserve(valide.size());
    for (const Tipo_Estrazione& e : valide) {
        if (!uniche.empty() && uniche.back().chiaveData() == e.chiaveData()) {
            uniche.back() = e;
            ++esito.doppie;
        } else {
            uniche.push_back(e);
        }
    }
    std::size_t inizio = 0;
    if (uniche.size() > static_cast<std::size_t>(ArchivioStorico::Capacita)) {
        inizio = uniche.size() - static_cast<std::size_t>(ArchivioStorico::Capacita);
        esito.oltreCapacita = static_cast<std::int32_t>(inizio);
    }
    for (std::size_t i = inizio; i < uniche.size(); ++i) {
        archivio.InserisciEstrazione(uniche[i]); // strictly ascending: every call appends
    }

    if (esito.nonValide > 0) {
        esito.avvisi.push_back(NoteCaricamento(esito));
    }
    if (esito.doppie > 0) {
        esito.avvisi.push_back(messaggi_archivio::ArchivioDanneggiato + std::to_string(esito.doppie) +
                               messaggi_archivio::DateDoppie);
    }
    if (esito.oltreCapacita > 0) {
        esito.avvisi.emplace_back(messaggi_archivio::OltreCapacita);
    }
    return esito;
}

EsitoCaricaArchivio CaricaArchivio(const std::string& percorso, ArchivioStorico& archivio)
{
    archivio.svuota();
    EsitoCaricaArchivio esito;
    if (!EsisteFile(percorso)) {
        return esito;
    }
    auto dati = LeggiFileIntero(percorso, file_archivio::DimensioneMassima);
    if (!dati) {
        esito.esiste = true;
        esito.avvisi.emplace_back(messaggi_archivio::ErroreLetturaArchivio);
        return esito;
    }
    return CaricaArchivioDaDati(*dati, archivio);
}

bool SalvaArchivio(const std::string& percorso, const ArchivioStorico& archivio,
                   const SorgenteByte& byteCasuale)
{
    std::array<std::uint8_t, ArchivioStorico::DimensioneIntestazione> intestazione{};
    for (auto& b : intestazione) {
        b = byteCasuale ? byteCasuale() : 0;
    }
    // The records are 60-byte images without padding (static_assert in estrazione.h): written as they lie in
    // memory, with the reserved byte as stored (0 for every record built or loaded).
    const auto* record = reinterpret_cast<const std::uint8_t*>(archivio.dati());
    const std::size_t dimensione =
        static_cast<std::size_t>(archivio.conteggio()) * file_archivio::DimensioneRecord;
    return ScriviFileAtomico(percorso, {std::span<const std::uint8_t>(intestazione),
                                        std::span<const std::uint8_t>(record, dimensione)});
}
