#include "editor/file_sistema.h"
#include "core/giocata.h"

#include "core/byte_io.h"
#include "core/file_binario.h"
#include "editor/file_riduzioni.h"
#include "editor/messaggi_sistema.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

using R = RecordRiduzioni;
static_assert(file_sistema::OffsetRecord + sizeof(R::condizionata) + sizeof(R::giocateFiltro) +
                      sizeof(R::probabilitaRitardi) + sizeof(R::probabilitaFrequenze) +
                      sizeof(R::probabilitaPersonali) + sizeof(R::frequenze) + sizeof(R::ritardi) +
                      sizeof(R::confrontoStorico) + sizeof(R::intervalli) + sizeof(R::cadenze) +
                      sizeof(R::figure) + sizeof(R::decine) ==
                  file_sistema::OffsetPosizioni,
              "the reduction records fill the file from offset 200 to the positions");

EsitoFileSistema Esito(CodiceFileSistema codice)
{
    switch (codice) {
    case CodiceFileSistema::Ok:
        return {};
    case CodiceFileSistema::VersioneNonCompatibile:
        return {codice, messaggi_sistema::VersioneNonCompatibile};
    case CodiceFileSistema::ErroreApertura:
        return {codice, messaggi_sistema::ErroreApertura};
    case CodiceFileSistema::ErroreSalvataggio:
        return {codice, messaggi_sistema::ErroreSalvataggio};
    }
    return {codice, messaggi_sistema::ErroreApertura};
}

template <typename Blocco> void ScriviRecord(ByteWriter& w, const Blocco& r)
{
    w.blocco(r.condizionata);
    w.blocco(r.giocateFiltro);
    w.blocco(r.probabilitaRitardi);
    w.blocco(r.probabilitaFrequenze);
    w.blocco(r.probabilitaPersonali);
    w.blocco(r.frequenze);
    w.blocco(r.ritardi);
    w.blocco(r.confrontoStorico);
    w.blocco(r.intervalli);
    w.blocco(r.cadenze);
    w.blocco(r.figure);
    w.blocco(r.decine);
}

template <typename Blocco> void LeggiRecord(ByteReader& r, Blocco& b)
{
    r.blocco(b.condizionata);
    r.blocco(b.giocateFiltro);
    r.blocco(b.probabilitaRitardi);
    r.blocco(b.probabilitaFrequenze);
    r.blocco(b.probabilitaPersonali);
    r.blocco(b.frequenze);
    r.blocco(b.ritardi);
    r.blocco(b.confrontoStorico);
    r.blocco(b.intervalli);
    r.blocco(b.cadenze);
    r.blocco(b.figure);
    r.blocco(b.decine);
}

template <std::size_t N> void NormalizzaSegni(std::array<std::uint8_t, N>& segni)
{
    for (auto& s : segni) {
        s = s != 0 ? 1 : 0;
    }
}

bool CampiValidi(const Sistema& s)
{
    for (double importo : s.importi) {
        if (!std::isfinite(importo) || importo < 0 || importo > file_sistema::ImportoMassimo) {
            return false;
        }
    }
    if (s.numeroFisse < 0 || s.numeroFisse > static_cast<std::int32_t>(s.fisse.size())) {
        return false;
    }
    for (std::int32_t i = 0; i < s.numeroFisse; ++i) {
        if (s.fisse[static_cast<std::size_t>(i)] < 1 ||
            s.fisse[static_cast<std::size_t>(i)] > NumeroMassimo) {
            return false;
        }
    }
    return s.numeriPerGiocata >= 1 && s.numeriPerGiocata <= NumeriMassimiPerGiocata;
}

} // namespace

std::vector<Messaggio> EsitoFileSistema::messaggi() const
{
    switch (codice) {
    case CodiceFileSistema::Ok:
        return {};
    case CodiceFileSistema::VersioneNonCompatibile:
        return {
            Errore(messaggi_sistema::VersioneNonCompatibile, Icona::Avviso),
            Messaggio{messaggi_sistema::ErroreApertura, messaggi_sistema::TitoloAttenzione, Icona::Errore}};
    case CodiceFileSistema::ErroreApertura:
        return {
            Messaggio{messaggi_sistema::ErroreApertura, messaggi_sistema::TitoloAttenzione, Icona::Errore}};
    case CodiceFileSistema::ErroreSalvataggio:
        return {Errore(messaggi_sistema::ErroreSalvataggio, Icona::Errore)};
    }
    return {};
}

namespace {

// Every field before the plays (46205 bytes), the play count included.
std::vector<std::uint8_t> Intestazione(const Sistema& sistema, std::int32_t conteggio, std::size_t riserva)
{
    ByteWriter w;
    w.dati().reserve(file_sistema::OffsetGiocate + riserva);
    w.u8(file_sistema::Versione);
    for (double importo : sistema.importi) {
        w.f64(importo);
    }
    w.blocco(sistema.ruote);
    w.i32(sistema.numeroFisse);
    w.blocco(sistema.fisse);
    w.blocco(sistema.pronostico);
    w.i32(sistema.numeriPerGiocata);
    ScriviRecord(w, sistema.riduzioni);
    w.blocco(sistema.posizioni);
    w.i32(conteggio);
    return std::move(w.dati());
}

std::span<const std::uint8_t> BloccoGiocate(const ElencoGiocate& giocate)
{
    const auto conteggio = static_cast<std::size_t>(giocate.conteggio());
    if (conteggio == 0) {
        return {};
    }
    return {reinterpret_cast<const std::uint8_t*>(giocate.dati()),
            file_sistema::DimensioneGiocata * conteggio};
}

} // namespace

std::vector<std::uint8_t> ImmagineSistema(const Sistema& sistema, const ElencoGiocate& giocate)
{
    const auto giocateBlocco = BloccoGiocate(giocate);
    std::vector<std::uint8_t> immagine = Intestazione(sistema, giocate.conteggio(), giocateBlocco.size());
    immagine.insert(immagine.end(), giocateBlocco.begin(), giocateBlocco.end());
    return immagine;
}

EsitoFileSistema ScriviSistema(Sistema& sistema, const ElencoGiocate& giocate)
{
    // The plays are written straight from the list: a system of tens of millions of plays needs
    // no second copy of them in memory.
    const std::vector<std::uint8_t> intestazione = Intestazione(sistema, giocate.conteggio(), 0);
    if (sistema.nomeFile.empty() ||
        !ScriviFileAtomico(sistema.nomeFile, {intestazione, BloccoGiocate(giocate)})) {
        return Esito(CodiceFileSistema::ErroreSalvataggio);
    }
    sistema.modificato = false;
    return {};
}

namespace {

// Reads and checks every field of the image into `letto` and finds its plays, all checked for the
// canonical form; nothing outside `letto` is touched.
CodiceFileSistema LeggiCampi(std::span<const std::uint8_t> dati, Sistema& letto,
                             std::span<const std::uint8_t>& giocate)
{
    ByteReader r(dati);
    const std::uint8_t versione = r.u8();
    if (!r.ok()) {
        return CodiceFileSistema::ErroreApertura;
    }
    if (versione != file_sistema::Versione && versione != file_sistema::VersionePrecedente) {
        return CodiceFileSistema::VersioneNonCompatibile;
    }
    for (double& importo : letto.importi) {
        importo = r.f64();
    }
    r.blocco(letto.ruote);
    letto.numeroFisse = r.i32();
    r.blocco(letto.fisse);
    r.blocco(letto.pronostico);
    letto.numeriPerGiocata = r.i32();
    LeggiRecord(r, letto.riduzioni);
    if (versione == file_sistema::Versione) {
        r.blocco(letto.posizioni);
    } else {
        letto.posizioni.fill(0);
    }
    const std::int32_t conteggio = r.i32();
    if (!r.ok() || !CampiValidi(letto) || !ConteggiRecordValidi(letto.riduzioni) || conteggio < 0 ||
        r.rimanenti() / file_sistema::DimensioneGiocata != static_cast<std::size_t>(conteggio) ||
        r.rimanenti() % file_sistema::DimensioneGiocata != 0) {
        return CodiceFileSistema::ErroreApertura;
    }

    giocate = dati.subspan(r.posizione());
    for (std::int32_t i = 0; i < conteggio; ++i) {
        const std::size_t inizio = file_sistema::DimensioneGiocata * static_cast<std::size_t>(i);
        if (!GiocataCanonica(giocate.data() + inizio)) {
            return CodiceFileSistema::ErroreApertura;
        }
    }
    return CodiceFileSistema::Ok;
}

} // namespace

EsitoFileSistema LeggiImmagineSistema(std::span<const std::uint8_t> dati, Sistema& sistema,
                                      ElencoGiocate& giocate)
{
    sistema.modificato = false;
    giocate.svuota();

    // Read into a copy, so that a refused file leaves the system as it was.
    auto letto = std::make_unique<Sistema>(sistema);
    std::span<const std::uint8_t> giocateFile;
    const CodiceFileSistema codice = LeggiCampi(dati, *letto, giocateFile);
    if (codice != CodiceFileSistema::Ok) {
        return Esito(codice);
    }
    const auto conteggio = static_cast<std::int32_t>(giocateFile.size() / file_sistema::DimensioneGiocata);
    if (!giocate.AssicuraCapacita(conteggio)) {
        return Esito(CodiceFileSistema::ErroreApertura);
    }
    if (conteggio > 0) {
        std::memcpy(giocate.dati(), giocateFile.data(), giocateFile.size());
    }
    giocate.setConteggio(conteggio);

    NormalizzaSegni(letto->ruote);
    NormalizzaSegni(letto->pronostico);
    NormalizzaSegni(letto->posizioni);
    letto->nomeFile = std::move(sistema.nomeFile);
    letto->modificato = false;
    sistema = std::move(*letto);
    return {};
}

EsitoFileSistema GiocateImmagineSistema(std::span<const std::uint8_t> dati,
                                        std::span<const std::uint8_t>& giocate)
{
    giocate = {};
    auto letto = std::make_unique<Sistema>();
    std::span<const std::uint8_t> trovate;
    const CodiceFileSistema codice = LeggiCampi(dati, *letto, trovate);
    if (codice == CodiceFileSistema::Ok) {
        giocate = trovate;
    }
    return Esito(codice);
}

EsitoFileSistema LeggiSistema(Sistema& sistema, ElencoGiocate& giocate)
{
    auto dati = LeggiFileIntero(sistema.nomeFile, file_sistema::DimensioneMassima);
    if (!dati) {
        sistema.modificato = false;
        giocate.svuota();
        return Esito(CodiceFileSistema::ErroreApertura);
    }
    return LeggiImmagineSistema(*dati, sistema, giocate);
}
