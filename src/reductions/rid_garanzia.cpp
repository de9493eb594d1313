#include "reductions/rid_garanzia.h"

#include "core/conta_bit.h"
#include "reductions/messaggi_riduzioni.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <unordered_set>
#include <utility>

namespace mg = messaggi_garanzia;

namespace {

constexpr std::size_t MassimoCandidati = 252;
constexpr std::int64_t IntervalloImmediato = 17;
constexpr std::int64_t IntervalloScansione = 77;
constexpr std::int64_t IntervalloPassataSingola = 93;
constexpr std::int64_t IntervalloCinquine = 64;

// The numbers of a play as 90 bits, so two plays' common numbers cost two popcounts.
struct Maschera
{
    std::uint64_t basso = 0;
    std::uint64_t alto = 0;

    void aggiungi(std::uint8_t numero)
    {
        if (numero <= 64) {
            basso |= std::uint64_t{1} << (numero - 1U);
        } else {
            alto |= std::uint64_t{1} << (numero - 65U);
        }
    }
    bool contiene(std::uint8_t numero) const
    {
        return numero <= 64 ? ((basso >> (numero - 1U)) & 1U) != 0 : ((alto >> (numero - 65U)) & 1U) != 0;
    }
    int comuni(const Maschera& m) const { return ContaBit(basso & m.basso) + ContaBit(alto & m.alto); }
};

Maschera MascheraDi(const Tipo_Giocata& g, int s)
{
    Maschera m;
    for (int i = 0; i < s && g[static_cast<std::size_t>(i)] != 0; ++i) {
        m.aggiungi(g[static_cast<std::size_t>(i)]);
    }
    return m;
}

struct ChiaveGiocata
{
    std::uint64_t basso = 0;
    std::uint16_t alto = 0;

    explicit ChiaveGiocata(const Tipo_Giocata& g)
    {
        std::memcpy(&basso, g.data(), sizeof basso);
        std::memcpy(&alto, g.data() + 8, sizeof alto);
    }
    bool operator==(const ChiaveGiocata&) const = default;
};

struct HashGiocata
{
    std::size_t operator()(const ChiaveGiocata& c) const
    {
        std::uint64_t h = c.basso * 0x9E3779B97F4A7C15ULL;
        h ^= (std::uint64_t{c.alto} + 0x632BE59BD9B4E019ULL) * 0xC2B2AE3D27D4EB4FULL;
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};

std::vector<std::uint8_t> ListaBase(const SegniNumeri& segni)
{
    std::vector<std::uint8_t> base;
    for (std::size_t i = 0; i < segni.size(); ++i) {
        if (segni[i] != 0) {
            base.push_back(static_cast<std::uint8_t>(i + 1));
        }
    }
    return base;
}

Tipo_Giocata GiocataDaPosizioni(const std::uint8_t* posizioni, int k, const std::vector<std::uint8_t>& base)
{
    Tipo_Giocata g{};
    for (int i = 0; i < k; ++i) {
        g[static_cast<std::size_t>(i)] = base[posizioni[i] - 1U];
    }
    return g;
}

Messaggio NessunaGiocata()
{
    return Avviso(messaggi_riduzioni::NessunaGiocataAggiunta);
}

// The end of a run the index could not be reserved for: nothing changed.
EsitoGaranzia SenzaMemoria(EsecuzioneRiduzione& esecuzione)
{
    EsitoGaranzia e{esecuzione.concludi(), false};
    e.esito.codice = CodiceRiduzione::MemoriaInsufficiente;
    e.esito.messaggio.reset();
    return e;
}

EsitoGaranzia Danneggiato(EsecuzioneRiduzione& esecuzione)
{
    // Nothing is committed: concludi sees no play produced and leaves the count and the modified flag.
    EsitoGaranzia e{esecuzione.concludi(), true};
    e.esito.messaggio.reset();
    return e;
}

} // namespace

int GaranziaAmmessa(int k, int g)
{
    g = std::clamp(g, 2, 5);
    if (k <= 5 && g >= std::min(k, 5)) {
        g = std::max(2, k - 1);
    }
    return g;
}

std::array<int, 5> PuntiGarantiti(int k, int g)
{
    std::array<int, 5> punti{};
    for (int riga = 0; riga < 5; ++riga) {
        const int p = 5 - riga;
        punti[static_cast<std::size_t>(riga)] = std::max(0, std::min(k, g - (5 - p)));
    }
    return punti;
}

StimaRiduzione StimaRiduttore(const std::string& fileRiduttori, int n, int k, int g, bool consideraFisse)
{
    StimaRiduzione s{mg::StimaNonDisponibile, mg::TipoNonImmediata};
    if (consideraFisse) {
        s.tipo = mg::TipoControlloFisse;
        return s;
    }
    const RiduttoreImmediato r = CercaRiduttoreImmediato(fileRiduttori, n, k, g);
    if (r.disponibile()) {
        s.giocate = mg::Stima + std::to_string(r.giocate);
        s.tipo = mg::TipoImmediata;
    }
    return s;
}

bool ImmediatiAmmessi(const std::string& fileRiduttori, int v, int k, int g, bool consideraFisse)
{
    return !consideraFisse && CercaRiduttoreImmediato(fileRiduttori, v, k, g).disponibile();
}

SegniNumeri NumeriNelleGiocate(const ElencoGiocate& giocate)
{
    SegniNumeri segni{};
    for (std::int32_t i = 1; i <= giocate.conteggio(); ++i) {
        for (std::uint8_t numero : giocate.voce(i)) {
            if (numero == 0) {
                break;
            }
            if (numero <= NumeroMassimo) {
                segni[numero - 1U] = 1;
            }
        }
    }
    return segni;
}

std::int32_t AccorpamentoGiocate::accorpa(ElencoGiocate& giocate, const Tipo_Giocata& c, int s)
{
    const Maschera mc = MascheraDi(c, s);
    std::size_t scelta = m_aperte.size();
    int spazioMigliore = -1;
    for (std::size_t i = 0; i < m_aperte.size(); ++i) {
        const Aperta& a = m_aperte[i];
        const int m = ContaBit(a.basso & mc.basso) + ContaBit(a.alto & mc.alto);
        const int occupati = a.quanti + s - m;
        if (occupati <= m_k && m_k - occupati > spazioMigliore) {
            spazioMigliore = m_k - occupati;
            scelta = i;
        }
    }
    if (scelta == m_aperte.size()) {
        return 0;
    }
    Aperta& a = m_aperte[scelta];
    Tipo_Giocata& g = giocate.voce(a.posizione);
    Maschera ma{a.basso, a.alto};
    for (int i = 0; i < s; ++i) {
        const std::uint8_t numero = c[static_cast<std::size_t>(i)];
        if (!ma.contiene(numero)) {
            g[static_cast<std::size_t>(a.quanti++)] = numero;
            ma.aggiungi(numero);
        }
    }
    a.basso = ma.basso;
    a.alto = ma.alto;
    const std::int32_t posizione = a.posizione;
    if (a.quanti >= m_k) {
        m_aperte.erase(m_aperte.begin() + static_cast<std::ptrdiff_t>(scelta));
    }
    return posizione;
}

void AccorpamentoGiocate::nuova(std::int32_t posizione, const Tipo_Giocata& c, int s)
{
    const Maschera m = MascheraDi(c, s);
    const int quanti = NumeriOrdinati(c, s).quanti;
    if (quanti < m_k) {
        m_aperte.push_back({posizione, m.basso, m.alto, quanti});
    }
}

void CompletamentoCasuale(ElencoGiocate& giocate, std::int32_t prima, std::int32_t ultima, int k,
                          const std::vector<std::uint8_t>& base, bool daPronostico,
                          GeneratoreCasuale& generatore)
{
    if (static_cast<int>(base.size()) < k || base.empty()) {
        return;
    }
    std::array<bool, NumeroMassimo + 1> inBase{};
    for (std::uint8_t numero : base) {
        inBase[numero] = true;
    }
    const auto v = static_cast<std::uint32_t>(base.size());
    for (std::int32_t p = prima; p <= ultima; ++p) {
        Tipo_Giocata& g = giocate.voce(p);
        int quanti = NumeriGiocata(g);
        while (quanti < k) {
            std::uint8_t numero = 0;
            if (daPronostico) {
                numero = base[generatore.estrai(v)];
            } else {
                do {
                    numero = static_cast<std::uint8_t>(generatore.estrai(NumeroMassimo) + 1);
                } while (!inBase[numero]);
            }
            const auto fine = g.begin() + quanti;
            if (std::find(g.begin(), fine, numero) != fine) {
                continue;
            }
            g[static_cast<std::size_t>(quanti++)] = numero;
        }
        OrdinaGiocata(g);
    }
}

namespace {

// The immediate path of the prediction reduction: the reducer's plays, those already in the list skipped.
EsitoGaranzia ProImmediato(EsecuzioneRiduzione& esecuzione, const RiduttoreImmediato& riduttore,
                           const std::string& file)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    const LetturaRiduttore lettura = LeggiRiduttoreImmediato(file, riduttore);
    if (!lettura.integro) {
        return Danneggiato(esecuzione);
    }
    const std::int32_t iniziali = esecuzione.iniziali();
    std::unordered_set<ChiaveGiocata, HashGiocata> presenti;
    presenti.reserve(static_cast<std::size_t>(iniziali));
    for (std::int32_t i = 1; i <= iniziali; ++i) {
        presenti.emplace(giocate.voce(i));
    }
    const int k = riduttore.k;
    esecuzione.setTotale(static_cast<double>(riduttore.giocate));
    for (std::int64_t r = 0; r < riduttore.giocate; ++r) {
        const Tipo_Giocata g =
            GiocataDaPosizioni(lettura.posizioni.data() + r * k, k, esecuzione.pronostico());
        if ((iniziali == 0 || presenti.count(ChiaveGiocata(g)) == 0) && !esecuzione.aggiungi(g)) {
            return {esecuzione.concludi(), false};
        }
        if ((r + 1) % IntervalloImmediato == 0) {
            esecuzione.setElaborati(r + 1);
            esecuzione.setMostrate(iniziali + esecuzione.aggiunte());
            if (!esecuzione.verifica()) {
                return {esecuzione.concludi(), false};
            }
        }
    }
    return {esecuzione.concludi(NessunaGiocata()), false};
}

struct Candidato
{
    Tipo_Giocata giocata;
    Maschera maschera;
};

// The greedy path: CandidatiScoperti and SceltaCandidato.
EsitoGaranzia ProAvido(EsecuzioneRiduzione& esecuzione, IndiceCopertura& indice, int k, int g)
{
    const std::int32_t iniziali = esecuzione.iniziali();
    std::vector<Candidato> candidati;
    candidati.reserve(MassimoCandidati);
    std::vector<int> punteggi(MassimoCandidati);
    bool memoria = true;

    const auto sceltaCandidato = [&]() -> bool {
        const std::size_t m = candidati.size();
        std::fill(punteggi.begin(), punteggi.begin() + static_cast<std::ptrdiff_t>(m), 1);
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t j = i + 1; j < m; ++j) {
                if (candidati[i].maschera.comuni(candidati[j].maschera) >= g) {
                    ++punteggi[i];
                    ++punteggi[j];
                }
            }
        }
        std::size_t scelto = 0;
        for (std::size_t i = 1; i < m; ++i) {
            if (punteggi[i] > punteggi[scelto]) {
                scelto = i;
            }
        }
        const Candidato c = candidati[scelto];
        if (!esecuzione.aggiungi(c.giocata)) {
            return false;
        }
        indice.aggiungi(c.giocata);
        std::erase_if(candidati, [&](const Candidato& b) { return b.maschera.comuni(c.maschera) >= g; });
        esecuzione.setMostrate(iniziali + esecuzione.aggiunte());
        return true;
    };

    const CombinazioniPronostico combinazioni(esecuzione.pronostico(), k);
    esecuzione.setTotale(combinazioni.totale());
    esecuzione.setMostrate(iniziali);
    combinazioni.perOgni([&](const Tipo_Giocata& c) {
        if (esecuzione.conFisse(c) && !indice.coperta(c, k)) {
            candidati.push_back({c, MascheraDi(c, k)});
            if (candidati.size() == MassimoCandidati && !sceltaCandidato()) {
                memoria = false;
                return false;
            }
        }
        return esecuzione.esamina();
    });
    if (memoria && !esecuzione.interrotta()) {
        while (!candidati.empty()) {
            if (!sceltaCandidato()) {
                break;
            }
        }
    }
    return {esecuzione.concludi(NessunaGiocata()), false};
}

// The merge path: needed five-number combinations merged into growing plays, then completed.
EsitoGaranzia ProAccorpa(EsecuzioneRiduzione& esecuzione, IndiceCopertura& indice, int k,
                         GeneratoreCasuale& generatore)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    const std::int32_t iniziali = esecuzione.iniziali();
    AccorpamentoGiocate accorpamento(k);
    const bool fisse = esecuzione.consideraFisse();
    bool memoria = true;

    const CombinazioniPronostico combinazioni(esecuzione.pronostico(), 5);
    esecuzione.setTotale(combinazioni.totale());
    esecuzione.setMostrate(iniziali);
    combinazioni.perOgni([&](const Tipo_Giocata& c) {
        if ((!fisse || ContieneFisse(c, 5, esecuzione.mappa())) && !indice.coperta(c, 5)) {
            std::int32_t posizione = accorpamento.accorpa(giocate, c, 5);
            if (posizione == 0) {
                if (!esecuzione.aggiungi(c)) {
                    memoria = false;
                    return false;
                }
                posizione = static_cast<std::int32_t>(iniziali + esecuzione.aggiunte());
                accorpamento.nuova(posizione, c, 5);
            }
            indice.aggiungi(giocate.voce(posizione));
            esecuzione.setMostrate(iniziali + esecuzione.aggiunte());
        }
        return esecuzione.esamina();
    });
    if (memoria && !esecuzione.interrotta()) {
        CompletamentoCasuale(giocate, iniziali + 1,
                             static_cast<std::int32_t>(iniziali + esecuzione.aggiunte()), k,
                             esecuzione.pronostico(), true, generatore);
    }
    return {esecuzione.concludi(NessunaGiocata()), false};
}

} // namespace

EsitoGaranzia RiduzionePronosticoGaranzia(Sistema& sistema, ElencoGiocate& giocate,
                                          const ParametriGaraPro& parametri, GeneratoreCasuale& generatore,
                                          ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(
        sistema, giocate, controllo,
        {ModoRiduzione::Aggiunge, parametri.consideraFisse, IntervalloVerificaCombinazioni, false});
    esecuzione.avvia();
    const int k = sistema.numeriPerGiocata;
    const int n = static_cast<int>(esecuzione.pronostico().size());
    const int g = GaranziaAmmessa(k, parametri.garanzia);
    if (k < 3 || k > NumeriMassimiPerGiocata || n < k) {
        return {esecuzione.concludi(NessunaGiocata()), false};
    }

    if (!esecuzione.consideraFisse() && !parametri.fileRiduttori.empty()) {
        const RiduttoreImmediato r = CercaRiduttoreImmediato(parametri.fileRiduttori, n, k, g);
        if (r.disponibile()) {
            return ProImmediato(esecuzione, r, parametri.fileRiduttori);
        }
    }

    IndiceCopertura indice;
    if (!indice.prenota(g)) {
        return SenzaMemoria(esecuzione);
    }
    for (std::int32_t i = 1; i <= esecuzione.iniziali(); ++i) {
        indice.aggiungi(giocate.voce(i));
    }
    if (k <= 5) {
        return ProAvido(esecuzione, indice, k, g);
    }
    return ProAccorpa(esecuzione, indice, k, generatore);
}

namespace {

// The immediate path of the play reduction: the reducer plays that cover a current play not yet covered.
EsitoGaranzia GioImmediato(EsecuzioneRiduzione& esecuzione, const RiduttoreImmediato& riduttore,
                           const std::string& file, const std::vector<std::uint8_t>& base, int k, int g)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    const LetturaRiduttore lettura = LeggiRiduttoreImmediato(file, riduttore);
    if (!lettura.integro) {
        return Danneggiato(esecuzione);
    }
    // A current play of up to five numbers is settled by one reducer play sharing g numbers with it, and
    // leaves the scan. A longer play needs g numbers of each of its five-number parts, which the lotto
    // design gives across several of its plays: asking one play for g + (k - 5) numbers, as a covering
    // would, drops plays the guarantee needs. There every reducer play sharing g numbers with some current
    // play is kept, and no current play leaves the scan.
    const int t = g;
    const bool segnaCoperte = k <= 5;
    const std::int32_t iniziali = esecuzione.iniziali();
    std::int32_t restanti = iniziali;
    std::int64_t scansionate = 0;
    esecuzione.setTotale(static_cast<double>(riduttore.giocate));

    const auto scansiona = [&]() {
        ++scansionate;
        return scansionate % IntervalloScansione != 0 || esecuzione.verifica();
    };
    const auto togli = [&](std::int32_t j) {
        if (j != restanti) {
            std::swap(giocate.voce(j), giocate.voce(restanti));
        }
        --restanti;
    };

    for (std::int64_t r = 0; r < riduttore.giocate; ++r) {
        const Tipo_Giocata rid = GiocataDaPosizioni(lettura.posizioni.data() + r * k, k, base);
        const SegniCandidato segni(rid, k);
        std::int32_t j = 1;
        while (j <= restanti && segni.comuni(giocate.voce(j)) < t) {
            ++j;
            if (!scansiona()) {
                return {esecuzione.concludi(), false};
            }
        }
        if (j <= restanti) {
            if (!esecuzione.aggiungi(rid)) {
                return {esecuzione.concludi(), false};
            }
            if (segnaCoperte) {
                togli(j);
                while (j <= restanti) {
                    if (segni.comuni(giocate.voce(j)) >= t) {
                        togli(j);
                    } else {
                        ++j;
                    }
                    if (!scansiona()) {
                        return {esecuzione.concludi(), false};
                    }
                }
            }
        }
        if ((r + 1) % IntervalloImmediato == 0) {
            esecuzione.setElaborati(r + 1);
            if (!esecuzione.verifica()) {
                return {esecuzione.concludi(), false};
            }
        }
    }
    // The added plays, after the count, become the list.
    const auto aggiunte = static_cast<std::int32_t>(esecuzione.aggiunte());
    if (aggiunte > 0) {
        std::memmove(giocate.dati(), giocate.dati() + iniziali,
                     static_cast<std::size_t>(aggiunte) * sizeof(Tipo_Giocata));
    }
    esecuzione.setMantenute(aggiunte);
    return {esecuzione.concludi(NessunaGiocata()), false};
}

EsitoGaranzia GioPassataSingola(EsecuzioneRiduzione& esecuzione, IndiceCopertura& indice, int k)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    const std::int32_t quante = esecuzione.iniziali();
    const bool fisse = esecuzione.consideraFisse();
    esecuzione.setTotale(quante);
    for (std::int32_t i = 1; i <= quante; ++i) {
        const Tipo_Giocata& c = giocate.voce(i);
        if ((!fisse || ContieneFisse(c, k, esecuzione.mappa())) && !indice.coperta(c, k)) {
            esecuzione.mantieni(i);
            indice.aggiungi(giocate.voce(static_cast<std::int32_t>(esecuzione.mantenute())));
        }
        if (!esecuzione.esamina()) {
            break;
        }
    }
    return {esecuzione.concludi(NessunaGiocata()), false};
}

EsitoGaranzia GioCinquine(EsecuzioneRiduzione& esecuzione, IndiceCopertura& indice, int k,
                          InsiemeCombinazioni* mappaCinquine, const std::vector<std::uint8_t>& base,
                          GeneratoreCasuale& generatore)
{
    ElencoGiocate& giocate = esecuzione.giocate();
    const std::int32_t quante = esecuzione.iniziali();
    const bool fisse = esecuzione.consideraFisse();
    InsiemeCombinazioni* mappa =
        mappaCinquine != nullptr && mappaCinquine->t() == 5 && mappaCinquine->prenotato() ? mappaCinquine
                                                                                          : nullptr;
    if (mappa != nullptr) {
        mappa->svuota();
    }
    AccorpamentoGiocate accorpamento(k);
    std::int32_t aggiunte = 0;
    esecuzione.setTotale(quante);

    // Plays 1..fino, moved behind the list, go back to their places: the list as it was.
    const auto ripristina = [&](std::int32_t fino) {
        for (std::int32_t j = 1; j <= fino; ++j) {
            giocate.voce(j) = giocate.voce(quante + j);
        }
    };
    const auto senzaRisultato = [&](CodiceRiduzione codice) {
        esecuzione.setMantenute(0);
        EsitoGaranzia e{esecuzione.concludi(), false};
        e.esito.codice = codice;
        return e;
    };

    for (std::int32_t i = 1; i <= quante; ++i) {
        if (quante + i > giocate.capacita() && !giocate.AssicuraCapacita(quante + i)) {
            ripristina(i - 1);
            return senzaRisultato(CodiceRiduzione::MemoriaInsufficiente);
        }
        giocate.voce(quante + i) = giocate.voce(i);
        giocate.voce(i) = Tipo_Giocata{};
        const NumeriOrdinati numeri(giocate.voce(quante + i), k);
        // The five-number combinations in lexicographic order of positions.
        std::array<int, 5> p{0, 1, 2, 3, 4};
        const int m = numeri.quanti;
        while (m >= 5) {
            Tipo_Giocata c{};
            for (std::size_t j = 0; j < 5; ++j) {
                c[j] = numeri.numeri[static_cast<std::size_t>(p[j])];
            }
            const bool nuova = mappa == nullptr || mappa->segnaSeNuova(RangoCombinazione(c.data(), 5));
            if (nuova && (!fisse || ContieneFisse(c, 5, esecuzione.mappa())) && !indice.coperta(c, 5)) {
                std::int32_t posizione = accorpamento.accorpa(giocate, c, 5);
                if (posizione == 0) {
                    // One new play at most per current play, so it never reaches an unread play.
                    posizione = ++aggiunte;
                    giocate.voce(posizione) = c;
                    accorpamento.nuova(posizione, c, 5);
                }
                indice.aggiungi(giocate.voce(posizione));
            }
            int j = 4;
            while (j >= 0 && p[static_cast<std::size_t>(j)] == m - 5 + j) {
                --j;
            }
            if (j < 0) {
                break;
            }
            ++p[static_cast<std::size_t>(j)];
            for (int q = j + 1; q < 5; ++q) {
                p[static_cast<std::size_t>(q)] = p[static_cast<std::size_t>(q - 1)] + 1;
            }
        }
        if (i % IntervalloCinquine == 0) {
            esecuzione.setElaborati(i);
            esecuzione.setMostrate(aggiunte);
            if (!esecuzione.verifica()) {
                ripristina(i);
                return senzaRisultato(CodiceRiduzione::Interrotta);
            }
        }
    }
    if (aggiunte == 0) {
        ripristina(quante);
        esecuzione.setMantenute(0);
        return {esecuzione.concludi(NessunaGiocata()), false};
    }
    CompletamentoCasuale(giocate, 1, aggiunte, k, base, false, generatore);
    esecuzione.setMantenute(aggiunte);
    return {esecuzione.concludi(NessunaGiocata()), false};
}

} // namespace

EsitoGaranzia RiduzioneGiocateGaranzia(Sistema& sistema, ElencoGiocate& giocate,
                                       const ParametriGaraGio& parametri, InsiemeCombinazioni* mappaCinquine,
                                       GeneratoreCasuale& generatore, ControlloEsecuzione& controllo)
{
    const int k = parametri.numeriGiocate;
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo,
                                   {ModoRiduzione::Mantiene, parametri.consideraFisse,
                                    k <= 5 ? IntervalloPassataSingola : IntervalloCinquine, false});
    esecuzione.avvia();
    const int g = GaranziaAmmessa(k, parametri.garanzia);
    const std::vector<std::uint8_t> base = ListaBase(parametri.numeriUsati);
    const auto v = static_cast<int>(base.size());
    if (k < 3 || k > NumeriMassimiPerGiocata || v < k || giocate.conteggio() == 0) {
        return {esecuzione.concludi(NessunaGiocata()), false};
    }

    if (parametri.immediati && !esecuzione.consideraFisse() && !parametri.fileRiduttori.empty()) {
        const RiduttoreImmediato r = CercaRiduttoreImmediato(parametri.fileRiduttori, v, k, g);
        if (r.disponibile()) {
            return GioImmediato(esecuzione, r, parametri.fileRiduttori, base, k, g);
        }
    }

    IndiceCopertura indice;
    if (!indice.prenota(g)) {
        return SenzaMemoria(esecuzione);
    }
    if (k <= 5) {
        return GioPassataSingola(esecuzione, indice, k);
    }
    return GioCinquine(esecuzione, indice, k, mappaCinquine, base, generatore);
}
