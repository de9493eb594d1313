#include "checking/spoglio.h"

#include "checking/manutenzione_archivio.h"
#include "core/importi.h"
#include "core/testo.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::size_t LarghezzaRuota = 22;
constexpr std::size_t LarghezzaClasse = 50;
constexpr std::size_t LarghezzaSeparatore = 74;
constexpr std::size_t RientroTotale = 43;

// Characters, not bytes: the class texts hold "º", two bytes in UTF-8.
std::size_t Caratteri(const std::string& s)
{
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void Allinea(std::string& s, std::size_t larghezza)
{
    const std::size_t n = Caratteri(s);
    if (n < larghezza) {
        s.append(larghezza - n, ' ');
    }
}

std::string TestoClasse(const Tipo_Vincita& v)
{
    switch (v.classe) {
    case Cinquina:
        return messaggi_spoglio::Cinquine + std::to_string(v.quantita);
    case Quaterna:
        return messaggi_spoglio::Quaterne + std::to_string(v.quantita);
    case Terno:
        return messaggi_spoglio::Terni + std::to_string(v.quantita);
    case Ambo:
        return messaggi_spoglio::Ambi + std::to_string(v.quantita);
    case Estratto:
        return messaggi_spoglio::Estratti + std::to_string(v.quantita);
    case EstrattoDeterminato:
        return messaggi_spoglio::PosizioneDeterminato + std::to_string(v.posizione);
    case Ambetto:
        return messaggi_spoglio::AmbettoPrima + std::to_string(v.coppia[0]) + "," +
               std::to_string(v.coppia[1]) + messaggi_spoglio::AmbettoDopo;
    }
    return {};
}

// What the check needs to know about one wheel of the draw before looking at the plays.
struct RuotaSpoglio
{
    bool giocata = false;               // the play is staked there (own flag, or Tutte on a regional wheel)
    std::array<bool, 91> estratto{};    // by number: drawn on this wheel
    std::array<bool, 91> determinato{}; // by number: drawn at a position flagged for the estratto det.
};

// Whether a play of n numbers with h hits on the wheel can have a win line there, so that
// VinciteGiocataRuota is asked only when it may answer something.
bool PuoVincere(const ParametriVincite& p, const RuotaSpoglio& r, const Tipo_Giocata& g, int n, int h)
{
    const auto puntata = [&p](ClassePremio c) { return p.importi[static_cast<std::size_t>(c - 1)] > 0; };
    if (puntata(Estratto)) {
        return true;
    }
    for (int k = 2; k <= std::min(h, 5); ++k) {
        if (puntata(static_cast<ClassePremio>(k))) {
            return true;
        }
    }
    if (puntata(Ambetto) && h < n) {
        return true;
    }
    if (puntata(EstrattoDeterminato)) {
        for (int i = 0; i < n; ++i) {
            if (r.determinato[g[static_cast<std::size_t>(i)]]) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int RigaClasseSpoglio(ClassePremio classe)
{
    switch (classe) {
    case Cinquina:
        return 0;
    case Quaterna:
        return 1;
    case Terno:
        return 2;
    case Ambo:
        return 3;
    case Ambetto:
        return 4;
    case Estratto:
        return 5;
    case EstrattoDeterminato:
        return 6;
    }
    return 0;
}

EsitoGrigliaSpoglio LeggiGrigliaSpoglio(const CelleSpoglio& celle)
{
    EsitoGrigliaSpoglio esito;
    bool qualcuno = false;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        for (int p = 1; p <= 5; ++p) {
            const std::string cella =
                testo::Trim(celle[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(p - 1)]);
            if (cella.empty()) {
                continue;
            }
            int numero = 0;
            if (!testo::LeggiIntero(cella, numero) || numero < 1 || numero > NumeroMassimo) {
                esito.messaggio = MessaggioRuotaNonValida(w);
                return esito;
            }
            esito.numeri[static_cast<std::size_t>((p - 1) * RuoteArchivio + w - 1)] =
                static_cast<std::uint8_t>(numero);
            qualcuno = true;
        }
    }
    for (int w = 1; w <= RuoteArchivio; ++w) {
        const NumeriRuota estratti = NumeriEstrattiRuota(esito.numeri, w);
        for (std::size_t p = 0; p < estratti.size(); ++p) {
            if (estratti[p] != 0 && std::find(estratti.begin() + static_cast<std::ptrdiff_t>(p) + 1,
                                              estratti.end(), estratti[p]) != estratti.end()) {
                esito.messaggio = MessaggioNumeriIdentici(w);
                return esito;
            }
        }
    }
    if (!qualcuno) {
        esito.messaggio = messaggi_spoglio::InserireNumeri;
        return esito;
    }
    esito.valida = true;
    return esito;
}

std::int64_t EsitoSpoglio::vinciteTotali() const
{
    return std::accumulate(vincite.begin(), vincite.end(), std::int64_t{0});
}

std::string RigaVincitaSpoglio(const Tipo_Vincita& vincita, int decimali)
{
    std::string riga =
        messaggi_spoglio::Ruota + std::string(NomiRuote[static_cast<std::size_t>(vincita.ruota)]);
    Allinea(riga, LarghezzaRuota);
    riga += TestoClasse(vincita);
    Allinea(riga, LarghezzaClasse);
    riga +=
        messaggi_spoglio::Vincita + FormatoImporto(vincita.importo, true, decimali) + messaggi_spoglio::Euro;
    return riga;
}

EsitoSpoglio Spoglio(const ElencoGiocate& giocate, const std::array<std::uint8_t, 55>& numeri,
                     const ParametriVincite& parametri, int decimali)
{
    EsitoSpoglio esito;
    std::array<RuotaSpoglio, RuoteArchivio> ruote{};
    for (int w = 1; w <= RuoteArchivio; ++w) {
        RuotaSpoglio& r = ruote[static_cast<std::size_t>(w - 1)];
        r.giocata = parametri.ruote[static_cast<std::size_t>(w - 1)] != 0 ||
                    (w != Nazionale && parametri.ruote[Tutte - 1] != 0);
        const NumeriRuota estratti = NumeriEstrattiRuota(numeri, w);
        for (std::size_t p = 0; p < estratti.size(); ++p) {
            r.estratto[estratti[p]] = estratti[p] != 0;
            r.determinato[estratti[p]] = estratti[p] != 0 && parametri.posizioni[p] != 0;
        }
    }

    const std::string separatore(LarghezzaSeparatore, '-');
    esito.resoconto.push_back(separatore);
    std::vector<Tipo_Vincita> linee;
    long double totale = 0;
    const Tipo_Giocata* voci = giocate.dati();
    for (std::int32_t i = 0; i < giocate.conteggio(); ++i) {
        const Tipo_Giocata& g = voci[i];
        const int n = NumeriGiocata(g);
        linee.clear();
        for (int w = 1; w <= RuoteArchivio; ++w) {
            const RuotaSpoglio& r = ruote[static_cast<std::size_t>(w - 1)];
            if (!r.giocata) {
                continue;
            }
            int h = 0;
            for (int k = 0; k < n; ++k) {
                h += r.estratto[g[static_cast<std::size_t>(k)]] ? 1 : 0;
            }
            if (h == 0 || !PuoVincere(parametri, r, g, n, h)) {
                continue;
            }
            const std::vector<Tipo_Vincita> ruota =
                VinciteGiocataRuota(g, w, NumeriEstrattiRuota(numeri, w), parametri);
            linee.insert(linee.end(), ruota.begin(), ruota.end());
        }
        if (linee.empty()) {
            continue;
        }
        esito.resoconto.push_back(messaggi_spoglio::Giocata + std::to_string(i + 1));
        for (const Tipo_Vincita& v : linee) {
            const auto riga = static_cast<std::size_t>(RigaClasseSpoglio(v.classe));
            esito.vincite[riga] += v.quantita;
            esito.importi[riga] += v.importo;
            esito.resoconto.push_back(RigaVincitaSpoglio(v, decimali));
        }
        esito.resoconto.push_back(separatore);
        totale += TotaleVincite(linee, parametri.vincitaMassima);
    }
    esito.totale = static_cast<double>(totale);

    if (!(esito.totale > 0)) {
        return EsitoSpoglio{};
    }
    esito.resoconto.push_back(std::string(RientroTotale, ' ') + messaggi_spoglio::VincitaTotale +
                              FormatoImporto(esito.totale, true, decimali) + messaggi_spoglio::Euro);
    return esito;
}

std::array<VoceRiepilogoSpoglio, 9> RiepilogoSpoglio(const EsitoSpoglio& esito, int decimali)
{
    std::array<VoceRiepilogoSpoglio, 9> righe;
    for (std::size_t r = 0; r < righe.size(); ++r) {
        righe[r].voce = messaggi_spoglio::VociRiepilogo[r];
    }
    for (std::size_t r = 0; r < static_cast<std::size_t>(RigheClassiSpoglio); ++r) {
        righe[r].vincite = std::to_string(esito.vincite[r]);
        righe[r].importo = FormatoImporto(esito.importi[r], true, decimali);
    }
    righe[RigaTotaleSpoglio].vincite = std::to_string(esito.vinciteTotali());
    righe[RigaTotaleSpoglio].importo = FormatoImporto(esito.totale, true, decimali);
    return righe;
}
