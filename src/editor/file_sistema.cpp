#include "editor/file_sistema.h"
#include "core/giocata.h"

#include "core/byte_io.h"
#include "core/file_binario.h"
#include "editor/file_riduzioni.h"
#include "editor/messaggi_sistema.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include <sys/stat.h>

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

bool SorgenteImmagine::leggi(std::uint8_t* destinazione, std::size_t n)
{
    if (n > m_dati.size()) {
        return false;
    }
    if (n > 0) {
        std::memcpy(destinazione, m_dati.data(), n);
    }
    m_dati = m_dati.subspan(n);
    return true;
}

std::unique_ptr<SorgenteFile> SorgenteFile::apri(const std::string& percorso)
{
    std::FILE* file = std::fopen(percorso.c_str(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    // The size of the file opened, not of whatever the name leads to by the time it is asked again.
    struct stat info = {};
    if (::fstat(::fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<SorgenteFile>(new SorgenteFile(file, static_cast<std::uint64_t>(info.st_size)));
}

SorgenteFile::~SorgenteFile()
{
    std::fclose(m_file);
}

bool SorgenteFile::leggi(std::uint8_t* destinazione, std::size_t n)
{
    if (n > m_rimanenti) {
        return false;
    }
    // A file cut short while it is read gives fewer bytes than its size promised.
    const std::size_t letti = n > 0 ? std::fread(destinazione, 1, n, m_file) : 0;
    m_rimanenti -= letti;
    return letti == n;
}

CodiceFileSistema LeggiIntestazioneSistema(SorgenteSistema& sorgente, Sistema& letto, std::int32_t& conteggio)
{
    conteggio = 0;
    std::vector<std::uint8_t> intestazione(file_sistema::OffsetGiocate);
    if (!sorgente.leggi(intestazione.data(), 1)) {
        return CodiceFileSistema::ErroreApertura;
    }
    const std::uint8_t versione = intestazione[0];
    if (versione != file_sistema::Versione && versione != file_sistema::VersionePrecedente) {
        return CodiceFileSistema::VersioneNonCompatibile;
    }
    const std::size_t lunghezza =
        versione == file_sistema::Versione ? file_sistema::OffsetGiocate : file_sistema::OffsetGiocateV3;
    intestazione.resize(lunghezza);
    if (!sorgente.leggi(intestazione.data() + 1, lunghezza - 1)) {
        return CodiceFileSistema::ErroreApertura;
    }

    ByteReader r(intestazione);
    r.u8();
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
    const std::int32_t letti = r.i32();
    // The count is believed only when its plays are exactly what is left of the file.
    if (!r.ok() || !CampiValidi(letto) || !ConteggiRecordValidi(letto.riduzioni) || letti < 0 ||
        sorgente.rimanenti() != file_sistema::DimensioneGiocata * static_cast<std::uint64_t>(letti)) {
        return CodiceFileSistema::ErroreApertura;
    }
    conteggio = letti;
    return CodiceFileSistema::Ok;
}

CodiceGiocateFile LeggiGiocateDopoConteggio(SorgenteSistema& sorgente, std::int32_t quante,
                                            ElencoGiocate& giocate, ControlloEsecuzione& controllo)
{
    const std::int32_t n0 = giocate.conteggio();
    if (static_cast<std::int64_t>(n0) + quante > INT32_MAX) {
        return CodiceGiocateFile::Memoria;
    }
    if (!giocate.AssicuraCapacita(n0 + quante)) {
        return CodiceGiocateFile::Memoria;
    }
    Avanzamento avanzamento;
    avanzamento.totale = quante;
    for (std::int32_t letti = 0; letti < quante;) {
        const std::int32_t blocco = std::min(file_sistema::BloccoLettura, quante - letti);
        auto* primo = reinterpret_cast<std::uint8_t*>(giocate.dati() + n0 + letti);
        if (!sorgente.leggi(primo, file_sistema::DimensioneGiocata * static_cast<std::size_t>(blocco))) {
            return CodiceGiocateFile::NonValide;
        }
        for (std::int32_t i = 0; i < blocco; ++i) {
            if (!GiocataCanonica(primo + file_sistema::DimensioneGiocata * static_cast<std::size_t>(i))) {
                return CodiceGiocateFile::NonValide;
            }
        }
        letti += blocco;
        avanzamento.elaborati = letti;
        (void)controllo.verifica(avanzamento);
    }
    return CodiceGiocateFile::Ok;
}

EsitoFileSistema LeggiSorgenteSistema(SorgenteSistema& sorgente, Sistema& sistema, ElencoGiocate& giocate,
                                      ControlloEsecuzione& controllo)
{
    sistema.modificato = false;

    // Read into a copy, so that a refused file leaves the system as it was.
    auto letto = std::make_unique<Sistema>(sistema);
    std::int32_t conteggio = 0;
    const CodiceFileSistema codice = LeggiIntestazioneSistema(sorgente, *letto, conteggio);
    if (codice != CodiceFileSistema::Ok) {
        return Esito(codice);
    }
    const std::int32_t n0 = giocate.conteggio();
    if (LeggiGiocateDopoConteggio(sorgente, conteggio, giocate, controllo) != CodiceGiocateFile::Ok) {
        return Esito(CodiceFileSistema::ErroreApertura);
    }
    if (n0 > 0 && conteggio > 0) {
        std::memmove(giocate.dati(), giocate.dati() + n0,
                     file_sistema::DimensioneGiocata * static_cast<std::size_t>(conteggio));
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

EsitoFileSistema LeggiImmagineSistema(std::span<const std::uint8_t> dati, Sistema& sistema,
                                      ElencoGiocate& giocate)
{
    SorgenteImmagine sorgente(dati);
    EsecuzioneContinua continua;
    return LeggiSorgenteSistema(sorgente, sistema, giocate, continua);
}

EsitoFileSistema GiocateImmagineSistema(std::span<const std::uint8_t> dati,
                                        std::span<const std::uint8_t>& giocate)
{
    giocate = {};
    SorgenteImmagine sorgente(dati);
    auto letto = std::make_unique<Sistema>();
    std::int32_t conteggio = 0;
    const CodiceFileSistema codice = LeggiIntestazioneSistema(sorgente, *letto, conteggio);
    if (codice != CodiceFileSistema::Ok) {
        return Esito(codice);
    }
    const auto trovate =
        dati.subspan(dati.size() - file_sistema::DimensioneGiocata * static_cast<std::size_t>(conteggio));
    for (std::size_t i = 0; i < trovate.size(); i += file_sistema::DimensioneGiocata) {
        if (!GiocataCanonica(trovate.data() + i)) {
            return Esito(CodiceFileSistema::ErroreApertura);
        }
    }
    giocate = trovate;
    return {};
}

EsitoFileSistema LeggiSistema(Sistema& sistema, ElencoGiocate& giocate, ControlloEsecuzione& controllo)
{
    const auto sorgente = SorgenteFile::apri(sistema.nomeFile);
    if (!sorgente) {
        sistema.modificato = false;
        return Esito(CodiceFileSistema::ErroreApertura);
    }
    return LeggiSorgenteSistema(*sorgente, sistema, giocate, controllo);
}

EsitoFileSistema LeggiSistema(Sistema& sistema, ElencoGiocate& giocate)
{
    EsecuzioneContinua continua;
    return LeggiSistema(sistema, giocate, continua);
}
