#include "reducers/riduttore_personale.h"

#include "core/file_binario.h"
#include "core/testo.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <span>

namespace mrp = messaggi_riduttori_personali;

namespace {

constexpr std::string_view Apri1 = "<<1>>";
constexpr std::string_view Apri2 = "<<2>>";
constexpr std::string_view Chiudi2 = "<</2>>";
constexpr std::string_view Apri3 = "<<3>>";
constexpr std::string_view Chiudi3 = "<</3>>";

// Marker lines are compared trimmed, so a file edited by hand with trailing blanks still reads.
bool Marcatore(std::string_view riga, std::string_view marcatore)
{
    return testo::Trim(riga) == marcatore;
}

// Index of the line after the first opening marker from line `da` on, or righe.size() when it is missing.
std::size_t InizioSezione(const std::vector<std::string_view>& righe, std::string_view apertura,
                          std::size_t da = 0)
{
    for (std::size_t i = da; i < righe.size(); ++i) {
        if (Marcatore(righe[i], apertura)) {
            return i + 1;
        }
    }
    return righe.size();
}

std::string TogliFinale(std::string s)
{
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') {
        s.pop_back();
    }
    return s;
}

// The first occurrence of each play, in the given order: a stable sort of the indexes keeps the earliest
// of equal plays in front.
std::vector<bool> Ripetute(const std::vector<Tipo_Giocata>& giocate)
{
    std::vector<std::int32_t> indici(giocate.size());
    std::iota(indici.begin(), indici.end(), 0);
    std::stable_sort(indici.begin(), indici.end(),
                     [&](std::int32_t a, std::int32_t b) { return giocate[a] < giocate[b]; });
    std::vector<bool> ripetuta(giocate.size(), false);
    for (std::size_t i = 1; i < indici.size(); ++i) {
        if (giocate[indici[i]] == giocate[indici[i - 1]]) {
            ripetuta[indici[i]] = true;
        }
    }
    return ripetuta;
}

EsitoValidazioneRiduttore Costruisci(std::vector<Tipo_Giocata> lette, std::string commenti)
{
    EsitoValidazioneRiduttore esito;
    const std::vector<bool> ripetuta = Ripetute(lette);
    std::array<std::uint8_t, NumeroMassimo + 1> usati{};
    for (std::size_t i = 0; i < lette.size(); ++i) {
        if (ripetuta[i]) {
            continue;
        }
        esito.giocate.push_back(lette[i]);
        for (std::uint8_t n : lette[i]) {
            usati[n] = 1;
        }
    }
    if (esito.giocate.empty()) {
        esito.errore = Avviso(mrp::NessunaGiocataValida);
        return esito;
    }
    std::array<std::uint8_t, NumeroMassimo + 1> posizione{};
    for (int n = 1; n <= NumeroMassimo; ++n) {
        if (usati[static_cast<std::size_t>(n)] != 0) {
            esito.numeri.push_back(static_cast<std::uint8_t>(n));
            posizione[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(esito.numeri.size());
        }
    }
    RiduttorePersonale& r = esito.riduttore;
    r.m = static_cast<int>(esito.numeri.size());
    r.commenti = std::move(commenti);
    r.giocate.reserve(esito.giocate.size());
    for (const Tipo_Giocata& g : esito.giocate) {
        Tipo_Giocata pos{};
        for (std::size_t i = 0; i < g.size() && g[i] != 0; ++i) {
            pos[i] = posizione[g[i]];
        }
        r.giocate.push_back(pos);
    }
    r.p = static_cast<std::int64_t>(r.giocate.size());
    return esito;
}

} // namespace

bool DividiRighe(std::string_view testo, std::vector<std::string_view>& righe)
{
    righe.clear();
    std::size_t inizio = 0;
    for (std::size_t i = 0; i <= testo.size(); ++i) {
        const bool fine = i == testo.size();
        const char c = fine ? '\n' : testo[i];
        if (c == '\0') {
            return false;
        }
        if (c != '\n' && c != '\r') {
            if (i - inizio >= LunghezzaMassimaRiga) {
                return false;
            }
            continue;
        }
        if (!fine || inizio < testo.size()) {
            righe.push_back(testo.substr(inizio, i - inizio));
        }
        if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') {
            ++i;
        }
        inizio = i + 1;
    }
    return true;
}

EsitoLetturaRiduttore LeggiTestoRiduttore(std::string_view testo, bool soloIntestazione)
{
    EsitoLetturaRiduttore esito;
    std::vector<std::string_view> righe;
    if (!DividiRighe(testo, righe)) {
        esito.errore = "righe troppo lunghe o contenuto binario";
        return esito;
    }
    const std::size_t h = InizioSezione(righe, Apri1);
    int m = 0;
    int p = 0;
    if (h + 1 >= righe.size() || !testo::LeggiIntero(testo::Trim(righe[h]), m) ||
        !testo::LeggiIntero(testo::Trim(righe[h + 1]), p) || m < 1 || m > NumeroMassimo) {
        esito.errore = "intestazione mancante o non valida";
        return esito;
    }
    RiduttorePersonale& r = esito.riduttore;
    r.m = m;
    r.p = p;
    esito.letto = true;
    if (soloIntestazione) {
        return esito;
    }

    // The sections are read in their order: the comments after the header, the plays after the comments.
    // Comments left open end at the plays' marker, so that the plays are not taken for comments and, once
    // saved again, read twice.
    std::size_t dopoCommenti = h + 2;
    std::string commenti;
    bool prima = true;
    const std::size_t inizioCommenti = InizioSezione(righe, Apri2, h + 2);
    for (std::size_t i = inizioCommenti; i < righe.size(); ++i) {
        dopoCommenti = i;
        if (Marcatore(righe[i], Chiudi2) || Marcatore(righe[i], Apri3)) {
            break;
        }
        if (!prima) {
            commenti += '\n';
        }
        prima = false;
        commenti += righe[i];
    }
    // Trimmed of blanks and line breaks at both ends.
    r.commenti = testo::Trim(commenti);

    for (std::size_t i = InizioSezione(righe, Apri3, dopoCommenti);
         i < righe.size() && !Marcatore(righe[i], Chiudi3); ++i) {
        Tipo_Giocata g{};
        // A position above m would index past the prediction when the reducer is applied.
        if (!LeggiGiocataDaTesto(testo::Trim(righe[i]), g) ||
            g[static_cast<std::size_t>(NumeriGiocata(g) - 1)] > m) {
            ++esito.righeScartate;
            continue;
        }
        r.giocate.push_back(g);
    }
    return esito;
}

EsitoLetturaRiduttore LeggiFileRiduttore(const std::string& percorso, bool soloIntestazione)
{
    const auto dati = LeggiFileIntero(percorso, DimensioneMassimaRiduttore);
    if (!dati) {
        EsitoLetturaRiduttore esito;
        esito.errore = "file mancante, non leggibile o troppo grande";
        return esito;
    }
    const std::string_view testo(reinterpret_cast<const char*>(dati->data()), dati->size());
    return LeggiTestoRiduttore(testo, soloIntestazione);
}

std::string TestoRiduttore(const RiduttorePersonale& riduttore)
{
    std::string t;
    t.reserve(64 + riduttore.commenti.size() + riduttore.giocate.size() * 16);
    const auto riga = [&t](std::string_view s) {
        t += s;
        t += "\r\n";
    };
    riga(Apri1);
    riga(std::to_string(riduttore.m));
    riga(std::to_string(riduttore.giocate.size()));
    riga("<</1>>");
    riga(Apri2);
    const std::string commenti = TogliFinale(testo::RigheUnix(riduttore.commenti));
    std::size_t inizio = 0;
    do {
        const std::size_t fine = std::min(commenti.find('\n', inizio), commenti.size());
        const std::string_view commento = std::string_view(commenti).substr(inizio, fine - inizio);
        // A comment line that reads as the end of the comments or the start of the plays would cut the
        // sections apart: it is kept behind an apostrophe.
        if (Marcatore(commento, Chiudi2) || Marcatore(commento, Apri3)) {
            t += '\'';
        }
        riga(commento);
        inizio = fine + 1;
    } while (inizio <= commenti.size());
    riga(Chiudi2);
    riga(Apri3);
    for (const Tipo_Giocata& g : riduttore.giocate) {
        riga(TestoGiocata(g));
    }
    riga(Chiudi3);
    return t;
}

bool ScriviFileRiduttore(const std::string& percorso, const RiduttorePersonale& riduttore)
{
    const std::string t = TestoRiduttore(riduttore);
    return ScriviFileAtomico(
        percorso, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()));
}

EsitoValidazioneRiduttore ValidaRigheRiduttore(const std::vector<std::string>& righe, std::string commenti)
{
    std::vector<Tipo_Giocata> lette;
    lette.reserve(righe.size());
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const std::string riga = testo::Trim(righe[i]);
        if (riga.empty()) {
            continue;
        }
        Tipo_Giocata g{};
        if (!LeggiGiocataDaTesto(riga, g)) {
            EsitoValidazioneRiduttore esito;
            esito.errore = Avviso(std::string(mrp::GiocataNonValidaPrima) + riga + mrp::GiocataNonValidaDopo);
            esito.rigaErrata = static_cast<int>(i);
            return esito;
        }
        lette.push_back(g);
    }
    return Costruisci(std::move(lette), std::move(commenti));
}

EsitoValidazioneRiduttore ValidaGiocateRiduttore(const Tipo_Giocata* giocate, std::int64_t quante,
                                                 std::string commenti)
{
    std::vector<Tipo_Giocata> lette(giocate, giocate + std::max<std::int64_t>(quante, 0));
    return Costruisci(std::move(lette), std::move(commenti));
}

Messaggio MessaggioVerifica(const RiduttorePersonale& riduttore)
{
    return Messaggio{std::string(mrp::VerificaPrima) + std::to_string(riduttore.m) + mrp::VerificaMezzo +
                         std::to_string(riduttore.giocate.size()),
                     "OK", Icona::Informazione, Pulsanti::Ok, Risposta::Ok};
}

bool RigheModificaRiduttore(const std::string& percorso, std::string& commenti,
                            std::vector<std::string>& giocate)
{
    commenti.clear();
    giocate.clear();
    const auto dati = LeggiFileIntero(percorso, DimensioneMassimaRiduttore);
    std::vector<std::string_view> righe;
    if (!dati ||
        !DividiRighe(std::string_view(reinterpret_cast<const char*>(dati->data()), dati->size()), righe)) {
        return false;
    }
    bool prima = true;
    for (std::size_t i = InizioSezione(righe, Apri2); i < righe.size() && !Marcatore(righe[i], Chiudi2);
         ++i) {
        if (!prima) {
            commenti += '\n';
        }
        prima = false;
        commenti += testo::Trim(righe[i]);
    }
    commenti = TogliFinale(std::move(commenti));
    for (std::size_t i = InizioSezione(righe, Apri3); i < righe.size() && !Marcatore(righe[i], Chiudi3);
         ++i) {
        giocate.push_back(testo::Trim(righe[i]));
    }
    return true;
}
