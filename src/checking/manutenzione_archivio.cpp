#include "checking/manutenzione_archivio.h"

#include "core/file_archivio.h"
#include "core/messaggi_archivio.h"
#include "core/testo.h"

#include <algorithm>

namespace {

std::string NomeTraVirgolette(int ruota)
{
    return "\"" + std::string(NomiRuote[static_cast<std::size_t>(ruota)]) + "\"";
}

} // namespace

std::string MessaggioRuotaNonValida(int ruota)
{
    return messaggi_manutenzione::RuotaNonValidaPrima + NomeTraVirgolette(ruota) +
           messaggi_manutenzione::RuotaNonValidaDopo;
}

std::string MessaggioNumeriIdentici(int ruota)
{
    return messaggi_manutenzione::NumeriIdenticiPrima + NomeTraVirgolette(ruota) +
           messaggi_manutenzione::NumeriIdenticiDopo;
}

std::string DomandaEliminaIntervallo(std::int32_t prima, std::int32_t ultima)
{
    return messaggi_manutenzione::EliminaPrima + std::to_string(prima) + messaggi_manutenzione::EliminaMezzo +
           std::to_string(ultima) + messaggi_manutenzione::EliminaDopo;
}

std::string TestoDataBreve(const Tipo_Estrazione& estrazione)
{
    return std::to_string(estrazione.giorno) + "/" + std::to_string(estrazione.mese) + "/" +
           std::to_string(estrazione.anno());
}

EsitoEstrazioneDigitata LeggiEstrazioneDigitata(const EstrazioneDigitata& digitata)
{
    EsitoEstrazioneDigitata esito;
    int giorno = 0;
    int mese = 0;
    int anno = 0;
    if (!LeggiData(digitata.data, giorno, mese, anno)) {
        esito.messaggio = messaggi_archivio::DataNonValida;
        return esito;
    }
    Tipo_Estrazione& e = esito.estrazione;
    e.giorno = static_cast<std::uint8_t>(giorno);
    e.mese = static_cast<std::uint8_t>(mese);
    e.setAnno(anno);
    const auto vuota = [&digitata](int w) {
        const auto& celle = digitata.numeri[static_cast<std::size_t>(w - 1)];
        return std::all_of(celle.begin(), celle.end(),
                           [](const std::string& c) { return testo::Trim(c).empty(); });
    };
    bool tutteVuote = true;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        tutteVuote = tutteVuote && vuota(w);
    }
    for (int w = 1; w <= RuoteArchivio; ++w) {
        const auto& celle = digitata.numeri[static_cast<std::size_t>(w - 1)];
        // A wheel left wholly empty is a wheel without data (Nazionale before 2005, wartime gaps), as the
        // archive keeps it: old draws can be corrected without inventing numbers. A partly filled wheel, or a
        // draw without any number, is refused.
        if (!tutteVuote && vuota(w)) {
            continue;
        }
        for (int p = 1; p <= 5; ++p) {
            int numero = 0;
            const std::string cella = testo::Trim(celle[static_cast<std::size_t>(p - 1)]);
            if (!testo::LeggiIntero(cella, numero) || numero < 1 || numero > 90) {
                esito.messaggio = MessaggioRuotaNonValida(w);
                return esito;
            }
            e.setNumero(w, p, static_cast<std::uint8_t>(numero));
        }
    }
    for (int w = 1; w <= RuoteArchivio; ++w) {
        for (int p = 1; p <= 5 && e.haDati(w); ++p) {
            for (int q = p + 1; q <= 5; ++q) {
                if (e.numero(w, p) == e.numero(w, q)) {
                    esito.messaggio = MessaggioNumeriIdentici(w);
                    return esito;
                }
            }
        }
    }
    esito.valida = true;
    return esito;
}

EstrazioneDigitata EstrazioneInTesto(const Tipo_Estrazione& estrazione)
{
    EstrazioneDigitata d;
    d.data = TestoDataBreve(estrazione);
    for (int w = 1; w <= RuoteArchivio; ++w) {
        for (int p = 1; p <= 5; ++p) {
            const int numero = estrazione.numero(w, p);
            d.numeri[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(p - 1)] =
                numero != 0 ? std::to_string(numero) : std::string();
        }
    }
    return d;
}

std::int32_t MemorizzaEstrazione(ArchivioStorico& archivio, const Tipo_Estrazione& estrazione,
                                 std::int32_t modificata)
{
    if (modificata >= 1 && modificata <= archivio.conteggio()) {
        archivio.EliminaEstrazione(modificata);
    }
    return archivio.InserisciEstrazione(estrazione);
}

std::int32_t EliminaIntervallo(ArchivioStorico& archivio, std::int32_t prima, std::int32_t ultima)
{
    prima = std::max(prima, 1);
    ultima = std::min(ultima, archivio.conteggio());
    std::int32_t eliminate = 0;
    for (std::int32_t i = ultima; i >= prima && archivio.conteggio() > 1; --i) {
        archivio.EliminaEstrazione(i);
        ++eliminate;
    }
    return eliminate;
}

std::vector<int> AnniArchivio(const ArchivioStorico& archivio)
{
    std::vector<int> anni;
    if (archivio.vuoto()) {
        return anni;
    }
    for (int a = archivio.estrazione(archivio.conteggio()).anno(); a >= archivio.estrazione(1).anno(); --a) {
        anni.push_back(a);
    }
    return anni;
}

std::vector<int> GiorniConEstrazione(const ArchivioStorico& archivio, int anno, int mese)
{
    // The draws are in date order: the month is one contiguous run, found by binary search on the key.
    const std::int32_t inizio = anno * 10000 + mese * 100;
    const Tipo_Estrazione* primo = archivio.dati();
    const Tipo_Estrazione* fine = primo + archivio.conteggio();
    const Tipo_Estrazione* da = std::partition_point(
        primo, fine, [inizio](const Tipo_Estrazione& e) { return e.chiaveData() < inizio; });
    std::vector<int> giorni;
    for (const Tipo_Estrazione* e = da; e != fine && e->chiaveData() < inizio + 100; ++e) {
        giorni.push_back(e->giorno);
    }
    return giorni;
}

std::int32_t PosizioneData(const ArchivioStorico& archivio, int anno, int mese, int giorno)
{
    if (archivio.vuoto()) {
        return 0;
    }
    if (giorno > 0) {
        if (const std::int32_t esatta = archivio.indiceData(anno * 10000 + mese * 100 + giorno); esatta > 0) {
            return esatta;
        }
    }
    const std::int32_t inizio = anno * 10000 + mese * 100;
    const Tipo_Estrazione* primo = archivio.dati();
    const Tipo_Estrazione* fine = primo + archivio.conteggio();
    const Tipo_Estrazione* da = std::partition_point(
        primo, fine, [inizio](const Tipo_Estrazione& e) { return e.chiaveData() < inizio; });
    if (da != fine && da->chiaveData() < inizio + 100) {
        return static_cast<std::int32_t>(da - primo) + 1;
    }
    return archivio.conteggio();
}

std::vector<std::string> RigheEstrazione(const Tipo_Estrazione& estrazione)
{
    std::vector<std::string> righe;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        std::string riga = std::string(NomiRuote[static_cast<std::size_t>(w)]) + "\t";
        if (estrazione.haDati(w)) {
            for (int p = 1; p <= 5; ++p) {
                riga += (p > 1 ? " " : "") + std::to_string(estrazione.numero(w, p));
            }
        }
        righe.push_back(riga);
    }
    return righe;
}

bool SalvaArchivioStato(StatoApplicazione& stato)
{
    if (SalvaArchivio(stato.cartelle.dati + file_archivio::NomeFile, stato.archivio,
                      [&stato] { return stato.generatore.byteCasuale(); })) {
        return true;
    }
    stato.messaggi.mostra(Errore(messaggi_archivio::ErroreSalvataggioArchivio));
    return false;
}
