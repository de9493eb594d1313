#include "reductions/rid_ortogonale.h"

#include "core/messaggi.h"
#include "reductions/indice_copertura.h"
#include "reductions/messaggi_riduzioni.h"
#include "reductions/rid_garanzia.h"
#include "reductions/riduttori_immediati.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

constexpr std::int64_t IntervalloImmediatoPronostico = 17;
constexpr std::int64_t IntervalloLetturaRiduttore = 129;
constexpr std::int64_t IntervalloSelezione = 29;
constexpr std::int64_t IntervalloGiocate = 64;

// The numbers of a play as two words of flags, bit number - 1: "holds every number of c" costs two ANDs.
struct Maschera
{
    std::uint64_t basso = 0; // numbers 1..64
    std::uint64_t alto = 0;  // numbers 65..90

    void segna(int numero)
    {
        if (numero <= 64) {
            basso |= std::uint64_t{1} << (numero - 1);
        } else {
            alto |= std::uint64_t{1} << (numero - 65);
        }
    }
    bool contiene(const Maschera& altra) const
    {
        return (basso & altra.basso) == altra.basso && (alto & altra.alto) == altra.alto;
    }
};

Maschera MascheraDi(const Tipo_Giocata& giocata)
{
    Maschera m;
    for (std::uint8_t numero : giocata) {
        if (numero == 0) {
            break;
        }
        m.segna(numero);
    }
    return m;
}

// Calls visita(c) for every t-number combination of the s ascending numbers, in lexicographic order of
// positions, c a zero-filled play; stops as soon as visita returns false (and then returns false).
template <typename Visita> bool PerOgniCombinazione(const std::uint8_t* numeri, int s, int t, Visita&& visita)
{
    if (t < 1 || t > NumeriMassimiPerGiocata || s < t) {
        return true;
    }
    std::array<int, NumeriMassimiPerGiocata> p{};
    for (int i = 0; i < t; ++i) {
        p[static_cast<std::size_t>(i)] = i;
    }
    Tipo_Giocata c{};
    for (;;) {
        for (int i = 0; i < t; ++i) {
            c[static_cast<std::size_t>(i)] = numeri[p[static_cast<std::size_t>(i)]];
        }
        if (!visita(static_cast<const Tipo_Giocata&>(c))) {
            return false;
        }
        int j = t - 1;
        while (j >= 0 && p[static_cast<std::size_t>(j)] == s - t + j) {
            --j;
        }
        if (j < 0) {
            return true;
        }
        ++p[static_cast<std::size_t>(j)];
        for (int i = j + 1; i < t; ++i) {
            p[static_cast<std::size_t>(i)] = p[static_cast<std::size_t>(i - 1)] + 1;
        }
    }
}

// The merge of an uncovered combination into the plays added by the run (AccorpaCombinazione), keeping
// the coverage index in step with the plays as they grow.
class Accorpamento
{
public:
    Accorpamento(EsecuzioneRiduzione& esecuzione, ElencoGiocate& giocate, int k, IndiceCopertura& indice)
        : m_esecuzione(esecuzione), m_giocate(giocate), m_aperte(k), m_indice(indice)
    {}

    // c holds s numbers ascending. False when the list could not grow for a new play.
    [[nodiscard]] bool accorpa(const Tipo_Giocata& c, int s)
    {
        std::int32_t posizione = m_aperte.accorpa(m_giocate, c, s);
        if (posizione == 0) {
            if (!m_esecuzione.aggiungi(c)) {
                return false;
            }
            posizione = static_cast<std::int32_t>(m_esecuzione.iniziali() + m_esecuzione.aggiunte());
            m_aperte.nuova(posizione, c, s);
        }
        m_indice.aggiungi(m_giocate.voce(posizione));
        return true;
    }

private:
    EsecuzioneRiduzione& m_esecuzione;
    ElencoGiocate& m_giocate;
    AccorpamentoGiocate m_aperte;
    IndiceCopertura& m_indice;
};

// The outcome of a damaged reducer: nothing added, nothing committed, the messages left to the caller.
EsitoOrtogonale RiduttoreDanneggiato(EsecuzioneRiduzione& esecuzione)
{
    EsitoOrtogonale esito{esecuzione.concludi(), true};
    esito.esito.messaggio.reset();
    return esito;
}

// The bits of the coverage index could not be reserved: nothing changed, and the user reads the same
// warning as for a list that cannot grow.
EsitoOrtogonale SenzaMemoria(EsecuzioneRiduzione& esecuzione)
{
    EsitoOrtogonale esito{esecuzione.concludi(), false};
    esito.esito.codice = CodiceRiduzione::MemoriaInsufficiente;
    esito.esito.messaggio = Avviso(messaggi::MemoriaInsufficiente);
    return esito;
}

EsitoOrtogonale Concluso(EsitoRiduzione esito)
{
    EsitoOrtogonale e;
    e.esito = std::move(esito);
    return e;
}

// The reducer for the triple, when the immediate path applies; giocate 0 otherwise.
RiduttoreImmediato RiduttorePer(const std::string& file, bool usabile, int v, int k, int g)
{
    if (!usabile || file.empty()) {
        return {};
    }
    return CercaRiduttoreImmediato(file, v, k, g);
}

// Moves plays da+1..da+n to 1..n; the two ranges overlap when n > da, hence memmove.
void PortaInTesta(ElencoGiocate& giocate, std::int32_t da, std::int64_t n)
{
    if (n > 0 && da > 0) {
        std::memmove(giocate.dati(), giocate.dati() + da, static_cast<std::size_t>(n) * sizeof(Tipo_Giocata));
    }
}

EsitoOrtogonale ImmediatoPronostico(EsecuzioneRiduzione& esecuzione, const std::string& file,
                                    const RiduttoreImmediato& riduttore)
{
    if (riduttore.danneggiato) {
        return RiduttoreDanneggiato(esecuzione);
    }
    const LetturaRiduttore lettura = LeggiRiduttoreImmediato(file, riduttore);
    if (!lettura.integro) {
        return RiduttoreDanneggiato(esecuzione);
    }
    ElencoGiocate& giocate = esecuzione.giocate();
    const std::vector<std::uint8_t>& pronostico = esecuzione.pronostico();
    const auto k = static_cast<std::size_t>(riduttore.k);
    const std::int32_t iniziali = esecuzione.iniziali();
    esecuzione.setTotale(static_cast<double>(riduttore.giocate));
    for (std::int64_t i = 0; i < riduttore.giocate; ++i) {
        Tipo_Giocata g{};
        for (std::size_t j = 0; j < k; ++j) {
            g[j] = pronostico[lettura.posizioni[static_cast<std::size_t>(i) * k + j] - 1U];
        }
        if ((iniziali == 0 || giocate.CercaGiocataTra(g, iniziali) == 0) && !esecuzione.aggiungi(g)) {
            break;
        }
        if ((i + 1) % IntervalloImmediatoPronostico == 0) {
            esecuzione.setElaborati(i + 1);
            esecuzione.setMostrate(iniziali + esecuzione.aggiunte());
            if (!esecuzione.verifica()) {
                break;
            }
        }
    }
    return Concluso(esecuzione.concludi(Avviso(messaggi_riduzioni::NessunaGiocataAggiunta)));
}

EsitoOrtogonale ImmediatoGiocate(EsecuzioneRiduzione& esecuzione, const std::string& file,
                                 const RiduttoreImmediato& riduttore, const std::vector<std::uint8_t>& base,
                                 int g)
{
    if (riduttore.danneggiato) {
        return RiduttoreDanneggiato(esecuzione);
    }
    const LetturaRiduttore lettura = LeggiRiduttoreImmediato(file, riduttore);
    if (!lettura.integro) {
        return RiduttoreDanneggiato(esecuzione);
    }
    const Messaggio nessuna = Avviso(messaggi_ortogonale::TutteScartate);
    ElencoGiocate& giocate = esecuzione.giocate();
    const std::int32_t conteggio = esecuzione.iniziali();
    const std::int64_t p = riduttore.giocate;
    const auto k = static_cast<std::size_t>(riduttore.k);
    esecuzione.setTotale(static_cast<double>(conteggio + p));

    // The reducer plays go after the current ones, which stay untouched until the commit.
    std::vector<Maschera> maschere;
    maschere.reserve(static_cast<std::size_t>(p));
    for (std::int64_t i = 0; i < p; ++i) {
        Tipo_Giocata r{};
        for (std::size_t j = 0; j < k; ++j) {
            r[j] = base[lettura.posizioni[static_cast<std::size_t>(i) * k + j] - 1U];
        }
        if (!esecuzione.aggiungi(r)) {
            return Concluso(esecuzione.concludi(nessuna));
        }
        maschere.push_back(MascheraDi(r));
        if ((i + 1) % IntervalloLetturaRiduttore == 0) {
            esecuzione.setElaborati(i + 1);
            esecuzione.setMostrate(i + 1);
            if (!esecuzione.verifica()) {
                return Concluso(esecuzione.concludi(nessuna));
            }
        }
    }

    // Selection: the selected reducer plays gather at the front of the reducer area, so the scan "the
    // selected ones first, then the others in their current order" is a scan from the front.
    InsiemeCombinazioni viste;
    const bool conMappa = viste.prenota(g);
    std::int64_t selezionate = 0;
    for (std::int32_t i = 1; i <= conteggio && selezionate < p; ++i) {
        const NumeriOrdinati numeri(giocate.voce(i));
        PerOgniCombinazione(numeri.numeri.data(), numeri.quanti, g, [&](const Tipo_Giocata& c) {
            if (conMappa && !viste.segnaSeNuova(RangoCombinazione(c.data(), g))) {
                return true;
            }
            const Maschera mc = MascheraDi(c);
            for (std::int64_t j = 0; j < p; ++j) {
                if (!maschere[static_cast<std::size_t>(j)].contiene(mc)) {
                    continue;
                }
                if (j >= selezionate) {
                    std::swap(maschere[static_cast<std::size_t>(j)],
                              maschere[static_cast<std::size_t>(selezionate)]);
                    std::swap(giocate.voce(static_cast<std::int32_t>(conteggio + 1 + j)),
                              giocate.voce(static_cast<std::int32_t>(conteggio + 1 + selezionate)));
                    ++selezionate;
                }
                break;
            }
            return selezionate < p;
        });
        if (i % IntervalloSelezione == 0) {
            esecuzione.setElaborati(p + i);
            esecuzione.setMostrate(selezionate);
            if (!esecuzione.verifica()) {
                return Concluso(esecuzione.concludi(nessuna));
            }
        }
    }
    if (selezionate > 0) {
        PortaInTesta(giocate, conteggio, selezionate);
    }
    esecuzione.setMantenute(static_cast<std::int32_t>(selezionate));
    return Concluso(esecuzione.concludi(nessuna));
}

} // namespace

int PuntiRigaOrtogonale(int g, int riga)
{
    return riga >= 1 && riga <= g ? g - riga + 1 : 0;
}

EsitoOrtogonale RiduzioneOrtogonale(Sistema& sistema, ElencoGiocate& giocate,
                                    const ParametriOrtogonale& parametri, GeneratoreCasuale& generatore,
                                    ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(
        sistema, giocate, controllo,
        {ModoRiduzione::Aggiunge, parametri.consideraFisse, IntervalloVerificaCombinazioni, false});
    esecuzione.avvia();
    const int k = std::clamp(sistema.numeriPerGiocata, 1, NumeriMassimiPerGiocata);
    const int g = GaranziaAmmessa(k, parametri.garanzia);
    const std::vector<std::uint8_t>& pronostico = esecuzione.pronostico();
    const int n = static_cast<int>(pronostico.size());
    const Messaggio nessuna = Avviso(messaggi_riduzioni::NessunaGiocataAggiunta);

    const RiduttoreImmediato riduttore =
        RiduttorePer(parametri.fileRiduttori, !esecuzione.consideraFisse(), n, k, g);
    if (riduttore.disponibile()) {
        return ImmediatoPronostico(esecuzione, parametri.fileRiduttori, riduttore);
    }
    if (g >= k || n < g) {
        return Concluso(esecuzione.concludi(nessuna));
    }

    IndiceCopertura indice;
    if (!indice.prenota(g)) {
        return SenzaMemoria(esecuzione);
    }
    const std::int32_t iniziali = esecuzione.iniziali();
    for (std::int32_t i = 1; i <= iniziali; ++i) {
        indice.aggiungi(giocate.voce(i));
    }

    Accorpamento accorpamento(esecuzione, giocate, k, indice);
    CombinazioniPronostico combinazioni(pronostico, g);
    esecuzione.setTotale(combinazioni.totale());
    const bool fisse = esecuzione.consideraFisse();
    const bool completa = combinazioni.perOgni([&](const Tipo_Giocata& c) {
        if ((!fisse || ContieneFisse(c, g, esecuzione.mappa())) && !indice.contenuta(c.data()) &&
            !accorpamento.accorpa(c, g)) {
            return false;
        }
        esecuzione.setMostrate(iniziali + esecuzione.aggiunte());
        return esecuzione.esamina();
    });
    if (completa) {
        CompletamentoCasuale(giocate, iniziali + 1,
                             static_cast<std::int32_t>(iniziali + esecuzione.aggiunte()), k, pronostico, true,
                             generatore);
    }
    return Concluso(esecuzione.concludi(nessuna));
}

EsitoOrtogonale RiduzioneOrtogonaleGiocate(Sistema& sistema, ElencoGiocate& giocate,
                                           const ParametriOrtogonaleGiocate& parametri,
                                           GeneratoreCasuale& generatore, ControlloEsecuzione& controllo)
{
    // Mantiene: the new plays are produced after the current ones (aggiungi writes them there) and are
    // moved to the front only when the run completes; every other ending leaves the list as it was.
    EsecuzioneRiduzione esecuzione(
        sistema, giocate, controllo,
        {ModoRiduzione::Mantiene, parametri.consideraFisse, IntervalloGiocate, false});
    esecuzione.avvia();
    const int k = std::clamp(parametri.numeriPerGiocata, 1, NumeriMassimiPerGiocata);
    const int g = GaranziaAmmessa(k, parametri.garanzia);
    const Messaggio nessuna = Avviso(messaggi_ortogonale::TutteScartate);
    const std::vector<std::uint8_t> base = PronosticoOrdinato(parametri.numeriUsati);
    const int v = static_cast<int>(base.size());
    const std::int32_t conteggio = esecuzione.iniziali();

    const RiduttoreImmediato riduttore =
        RiduttorePer(parametri.fileRiduttori, parametri.immediati && !esecuzione.consideraFisse(), v, k, g);
    if (riduttore.disponibile()) {
        return ImmediatoGiocate(esecuzione, parametri.fileRiduttori, riduttore, base, g);
    }
    if (g >= k) {
        return Concluso(esecuzione.concludi(nessuna));
    }

    IndiceCopertura indice;
    if (!indice.prenota(g)) {
        return SenzaMemoria(esecuzione);
    }
    // The combinations already met in an earlier play; without the memory every combination is looked
    // at again, which changes nothing but the time.
    InsiemeCombinazioni viste;
    const bool conMappa = viste.prenota(g);
    Accorpamento accorpamento(esecuzione, giocate, k, indice);
    const bool fisse = esecuzione.consideraFisse();
    esecuzione.setTotale(conteggio);
    bool completa = true;
    for (std::int32_t i = 1; i <= conteggio && completa; ++i) {
        const NumeriOrdinati numeri(giocate.voce(i), k);
        completa = PerOgniCombinazione(numeri.numeri.data(), numeri.quanti, g, [&](const Tipo_Giocata& c) {
            if (conMappa && !viste.segnaSeNuova(RangoCombinazione(c.data(), g))) {
                return true;
            }
            if (fisse && !ContieneFisse(c, g, esecuzione.mappa())) {
                return true;
            }
            return indice.contenuta(c.data()) || accorpamento.accorpa(c, g);
        });
        if (completa && i % IntervalloGiocate == 0) {
            esecuzione.setElaborati(i);
            esecuzione.setMostrate(esecuzione.aggiunte());
            completa = esecuzione.verifica();
        }
    }
    if (!completa) {
        // A confirmed stop or a failed growth: nothing was moved, concludi leaves the list as it was.
        return Concluso(esecuzione.concludi(nessuna));
    }

    const std::int64_t aggiunte = esecuzione.aggiunte();
    CompletamentoCasuale(giocate, conteggio + 1, static_cast<std::int32_t>(conteggio + aggiunte), k, base,
                         false, generatore);
    PortaInTesta(giocate, conteggio, aggiunte);
    esecuzione.setMantenute(static_cast<std::int32_t>(aggiunte));
    return Concluso(esecuzione.concludi(nessuna));
}
