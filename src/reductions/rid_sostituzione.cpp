#include "reductions/rid_sostituzione.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace ms = messaggi_sostituzione;

namespace {

constexpr std::size_t OffsetNuove = 1000;
constexpr std::size_t OffsetConteggio = 2000;
constexpr std::size_t OffsetParziale = 2004;

// A play as two integers, for the set of the plays kept so far.
struct Chiave
{
    std::uint64_t basso = 0;
    std::uint16_t alto = 0;

    explicit Chiave(const Tipo_Giocata& g)
    {
        std::memcpy(&basso, g.data(), sizeof basso);
        std::memcpy(&alto, g.data() + 8, sizeof alto);
    }
    bool operator==(const Chiave&) const = default;
};

struct HashChiave
{
    std::size_t operator()(const Chiave& c) const
    {
        std::uint64_t h = c.basso * 0x9E3779B97F4A7C15ULL;
        h ^= (std::uint64_t{c.alto} + 0x632BE59BD9B4E019ULL) * 0xC2B2AE3D27D4EB4FULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

Messaggio RigaErrata(int riga)
{
    return Avviso(std::string(ms::RigaNonValida) + std::to_string(riga) + ms::RigaNonValidaFine);
}

} // namespace

TabellaSostituzioni TabellaDaRecord(const BloccoRecord<2008>& record)
{
    TabellaSostituzioni tabella;
    tabella.parziale = record[OffsetParziale] == 1;
    const std::int32_t quante = LeggiCampoInt32(record, OffsetConteggio);
    if (quante < 0 || quante > MassimoSostituzioni) {
        return tabella;
    }
    for (std::int32_t i = 0; i < quante; ++i) {
        Sostituzione s;
        std::memcpy(s.vecchia.data(), record.data() + i * 10, 10);
        std::memcpy(s.nuova.data(), record.data() + OffsetNuove + i * 10, 10);
        if (GiocataCanonica(s.vecchia.data()) && GiocataCanonica(s.nuova.data()) &&
            NumeriGiocata(s.vecchia) == NumeriGiocata(s.nuova)) {
            tabella.voci.push_back(s);
        }
    }
    return tabella;
}

void TabellaInRecord(const TabellaSostituzioni& tabella, BloccoRecord<2008>& record)
{
    record.fill(0);
    const auto quante =
        static_cast<std::int32_t>(std::min<std::size_t>(tabella.voci.size(), MassimoSostituzioni));
    for (std::int32_t i = 0; i < quante; ++i) {
        const Sostituzione& s = tabella.voci[static_cast<std::size_t>(i)];
        std::memcpy(record.data() + i * 10, s.vecchia.data(), 10);
        std::memcpy(record.data() + OffsetNuove + i * 10, s.nuova.data(), 10);
    }
    ScriviCampoInt32(record, OffsetConteggio, quante);
    record[OffsetParziale] = tabella.parziale ? 1 : 0;
}

LetturaSostituzioni LeggiRigheSostituzioni(const std::vector<RigaSostituzione>& righe, bool parziale)
{
    LetturaSostituzioni lettura;
    lettura.tabella.parziale = parziale;
    const auto vuota = [](const std::string& t) { return t.find_first_not_of(" \t") == std::string::npos; };
    for (std::size_t r = 0; r < righe.size(); ++r) {
        const RigaSostituzione& riga = righe[r];
        if (vuota(riga.vecchia) && vuota(riga.nuova)) {
            continue;
        }
        SegniNumeri vecchi{};
        SegniNumeri nuovi{};
        const int quantiVecchi = LeggiElencoNumeri(riga.vecchia, vecchi);
        const int quantiNuovi = LeggiElencoNumeri(riga.nuova, nuovi);
        if (quantiVecchi == 0 || quantiVecchi > NumeriMassimiPerGiocata || quantiVecchi != quantiNuovi) {
            lettura.rifiuto = RigaErrata(static_cast<int>(r) + 1);
            lettura.rigaErrata = static_cast<int>(r);
            return lettura;
        }
        lettura.tabella.voci.push_back({GiocataDaSegni(vecchi), GiocataDaSegni(nuovi)});
        if (static_cast<int>(lettura.tabella.voci.size()) == MassimoSostituzioni) {
            lettura.avviso =
                Avviso(std::string(ms::Troppe) + std::to_string(MassimoSostituzioni) + ms::TroppeFine);
            break;
        }
    }
    if (lettura.tabella.voci.empty()) {
        lettura.rifiuto = Avviso(ms::Nessuna);
    }
    return lettura;
}

std::vector<RigaSostituzione> RigheDaTesto(std::string_view testo)
{
    std::vector<RigaSostituzione> righe;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        std::string_view linea = testo.substr(0, fine);
        testo = fine == std::string_view::npos ? std::string_view() : testo.substr(fine + 1);
        if (!linea.empty() && linea.back() == '\r') {
            linea.remove_suffix(1);
        }
        const std::size_t separatore = linea.find(';');
        if (separatore == std::string_view::npos) {
            righe.push_back({std::string(linea), std::string()});
        } else {
            righe.push_back(
                {std::string(linea.substr(0, separatore)), std::string(linea.substr(separatore + 1))});
        }
    }
    return righe;
}

EsitoSostituzione SostituisciGiocata(const Tipo_Giocata& giocata, const TabellaSostituzioni& tabella,
                                     bool conFisse, Tipo_Giocata& risultato)
{
    if (!conFisse) {
        return EsitoSostituzione::Rimossa;
    }
    // Bit x - 1 for number x.
    std::uint64_t segni[2] = {0, 0};
    const auto segnato = [&](std::uint8_t x) {
        return ((segni[(x - 1U) >> 6] >> ((x - 1U) & 63U)) & 1U) != 0;
    };
    const auto segna = [&](std::uint8_t x) { segni[(x - 1U) >> 6] |= std::uint64_t{1} << ((x - 1U) & 63U); };
    const auto togli = [&](std::uint8_t x) {
        segni[(x - 1U) >> 6] &= ~(std::uint64_t{1} << ((x - 1U) & 63U));
    };
    for (std::uint8_t x : giocata) {
        if (x >= 1 && x <= NumeroMassimo) {
            segna(x);
        }
    }

    bool applicata = false;
    for (const Sostituzione& s : tabella.voci) {
        const int quanti = NumeriGiocata(s.vecchia);
        std::uint16_t scelti = 0; // slots whose old number is replaced
        for (int j = 0; j < quanti; ++j) {
            if (segnato(s.vecchia[static_cast<std::size_t>(j)])) {
                scelti |= static_cast<std::uint16_t>(1U << j);
            }
        }
        const auto tutti = static_cast<std::uint16_t>((1U << quanti) - 1U);
        if (scelti == 0 || (!tabella.parziale && scelti != tutti)) {
            continue;
        }
        for (int j = 0; j < quanti; ++j) {
            if ((scelti >> j) & 1U) {
                togli(s.vecchia[static_cast<std::size_t>(j)]);
            }
        }
        for (int j = 0; j < quanti; ++j) {
            if ((scelti >> j) & 1U) {
                segna(s.nuova[static_cast<std::size_t>(j)]);
            }
        }
        applicata = true;
    }
    if (!applicata) {
        return EsitoSostituzione::Invariata;
    }
    risultato.fill(0);
    std::size_t slot = 0;
    for (std::uint8_t x = 1; x <= NumeroMassimo && slot < risultato.size(); ++x) {
        if (segnato(x)) {
            risultato[slot++] = x;
        }
    }
    return EsitoSostituzione::Cambiata;
}

EsitoRiduzione SostituisciCombinazioni(Sistema& sistema, ElencoGiocate& giocate,
                                       const TabellaSostituzioni& tabella, bool consideraFisse,
                                       ControlloEsecuzione& controllo, std::int64_t intervallo)
{
    EsecuzioneRiduzione esecuzione(
        sistema, giocate, controllo,
        {ModoRiduzione::Riscrive, consideraFisse, std::max<std::int64_t>(1, intervallo), true});
    esecuzione.avvia();

    // The plays kept so far are exactly plays 1..i-1: a set of them answers the search among those
    // plays without scanning them for every play.
    std::unordered_set<Chiave, HashChiave> tenute;
    tenute.reserve(static_cast<std::size_t>(giocate.conteggio()));
    std::int32_t i = 1;
    std::int64_t esaminate = 0;
    while (i <= giocate.conteggio()) {
        Tipo_Giocata& g = giocate.voce(i);
        Tipo_Giocata risultato = g;
        const EsitoSostituzione esito = SostituisciGiocata(g, tabella, esecuzione.conFisse(g), risultato);
        if (esito != EsitoSostituzione::Rimossa && tenute.emplace(risultato).second) {
            if (esito == EsitoSostituzione::Cambiata) {
                g = risultato;
                esecuzione.riscritta();
            }
            ++i;
        } else {
            const std::int32_t ultima = giocate.conteggio();
            std::swap(g, giocate.voce(ultima));
            giocate.setConteggio(ultima - 1);
            // A removed play changes the list as much as a rewritten one.
            esecuzione.riscritta();
        }
        esecuzione.setTotale(giocate.conteggio());
        esecuzione.setMostrate(giocate.conteggio());
        esecuzione.setElaborati(i - 1);
        if (++esaminate % intervallo == 0 && !esecuzione.verifica()) {
            break;
        }
    }
    EsitoRiduzione esito = esecuzione.concludi();
    if (esito.confermata() && giocate.conteggio() == 0) {
        esito.codice = CodiceRiduzione::NessunRisultato;
        esito.messaggio = Avviso(ms::TutteEliminate);
    }
    return esito;
}
