#include "editor/sviluppo_integrale.h"

#include <algorithm>
#include <limits>
#include <utility>

std::vector<std::uint8_t> PronosticoOrdinato(const SegniNumeri& pronostico)
{
    std::vector<std::uint8_t> numeri;
    for (std::size_t i = 0; i < pronostico.size(); ++i) {
        if (pronostico[i] != 0) {
            numeri.push_back(static_cast<std::uint8_t>(i + 1));
        }
    }
    return numeri;
}

CombinazioniPronostico::CombinazioniPronostico(std::vector<std::uint8_t> numeri, int k)
    : m_numeri(std::move(numeri)), m_k(k),
      m_ultimo(static_cast<std::size_t>(std::clamp(k, 1, NumeriMassimiPerGiocata) - 1)),
      m_esiste(k >= 1 && k <= NumeriMassimiPerGiocata && m_numeri.size() >= static_cast<std::size_t>(k))
{
    riavvia();
}

double CombinazioniPronostico::totale() const
{
    return CombinazioniDouble(n(), m_k);
}

void CombinazioniPronostico::riavvia()
{
    m_giocata.fill(0);
    m_finita = !m_esiste;
    if (m_finita) {
        // avanza() still moves the last position: keep it past the end.
        m_posizioni.fill(m_numeri.size());
        return;
    }
    for (std::size_t i = 0; i < m_posizioni.size(); ++i) {
        m_posizioni[i] = i;
    }
    for (std::size_t i = 0; i <= m_ultimo; ++i) {
        m_giocata[i] = m_numeri[i];
    }
}

bool CombinazioniPronostico::avanzaPrefisso()
{
    const std::size_t n = m_numeri.size();
    if (m_finita) {
        m_posizioni[m_ultimo] = n;
        return false;
    }
    const int j = avanzaPosizioni(m_posizioni, n, m_ultimo + 1);
    if (j < 0) {
        m_finita = true;
        m_posizioni[m_ultimo] = n;
        return false;
    }
    for (std::size_t i = static_cast<std::size_t>(j); i <= m_ultimo; ++i) {
        m_giocata[i] = m_numeri[m_posizioni[i]];
    }
    return true;
}

MappaFisse::MappaFisse(const Sistema& sistema)
{
    const int quante = sistema.numeroFisse < 0 ? 0 : std::min<int>(sistema.numeroFisse, 9);
    for (int i = 0; i < quante; ++i) {
        const int numero = sistema.fisse[static_cast<std::size_t>(i)];
        // A number outside 1..90 can match no play; it still counts, so nothing passes.
        if (numero >= 1 && numero <= NumeroMassimo) {
            m_segni[static_cast<std::size_t>(numero)] = 1;
        }
    }
    m_numeroFisse = quante;
}

std::optional<Messaggio> EsitoSviluppo::messaggio() const
{
    if (codice == CodiceSviluppo::NessunaGiocata) {
        return Avviso(messaggi_sviluppo::NessunaGiocataAggiunta);
    }
    return std::nullopt;
}

namespace {

struct Risultato
{
    CodiceSviluppo codice;
    std::int32_t aggiunte;
};

// The run over every candidate, instantiated per filter so that the common case (no fixed numbers,
// empty list) is a plain loop of 10-byte stores.
template <bool Fisse, bool Duplicati>
Risultato Enumera(const CombinazioniPronostico& combinazioni, const MappaFisse& mappa, ElencoGiocate& giocate,
                  ControlloEsecuzione& controllo)
{
    const std::int32_t iniziali = giocate.conteggio();
    const int k = combinazioni.k();
    const double totale = combinazioni.totale();

    Tipo_Giocata* voci = giocate.dati() + iniziali; // slot count + 1
    std::int64_t spazio = static_cast<std::int64_t>(giocate.capacita()) - iniziali;
    std::int64_t prodotte = 0;
    std::int64_t elaborati = 0;
    // One-number plays are at most 90: no poll.
    std::int64_t finoAllaVerifica = k >= 2 ? IntervalloVerifica : std::numeric_limits<std::int64_t>::max();
    CodiceSviluppo fermata = CodiceSviluppo::Completato;

    combinazioni.perOgni([&](const Tipo_Giocata& candidata) {
        bool accettata = true;
        if constexpr (Fisse) {
            accettata = ContieneFisse(candidata, k, mappa);
        }
        if constexpr (Duplicati) {
            // Only the plays present before the run: those added now are distinct by construction.
            accettata = accettata && giocate.CercaGiocataTra(candidata, iniziali) == 0;
        }
        if (accettata) {
            if (prodotte == spazio) {
                if (!giocate.AmpliaElenco()) {
                    fermata = CodiceSviluppo::MemoriaInsufficiente;
                    return false;
                }
                // Growing may move the block.
                voci = giocate.dati() + iniziali;
                spazio = static_cast<std::int64_t>(giocate.capacita()) - iniziali;
            }
            voci[prodotte++] = candidata;
        }
        if (--finoAllaVerifica == 0) {
            finoAllaVerifica = IntervalloVerifica;
            elaborati += IntervalloVerifica;
            Avanzamento stato;
            stato.elaborati = static_cast<double>(elaborati);
            stato.totale = totale;
            stato.prodotti = prodotte;
            if (!controllo.verifica(stato)) {
                fermata = CodiceSviluppo::Interrotto;
                return false;
            }
        }
        return true;
    });

    if (fermata != CodiceSviluppo::Completato) {
        return {fermata, 0};
    }
    if (prodotte == 0) {
        return {CodiceSviluppo::NessunaGiocata, 0};
    }
    return {CodiceSviluppo::Completato, static_cast<std::int32_t>(prodotte)};
}

} // namespace

EsitoSviluppo SviluppoIntegrale(Sistema& sistema, bool consideraFisse, ElencoGiocate& giocate,
                                ControlloEsecuzione& controllo)
{
    const bool duplicati = !giocate.vuoto();
    if (duplicati) {
        giocate.CopiaPerAnnulla();
    }

    CombinazioniPronostico combinazioni(sistema.pronostico, sistema.numeriPerGiocata);
    if (!combinazioni.esiste()) {
        return {CodiceSviluppo::NessunaGiocata, 0};
    }
    const MappaFisse mappa = consideraFisse ? MappaFisse(sistema) : MappaFisse();
    const bool fisse = mappa.numeroFisse() > 0;

    Risultato r{};
    if (fisse) {
        r = duplicati ? Enumera<true, true>(combinazioni, mappa, giocate, controllo)
                      : Enumera<true, false>(combinazioni, mappa, giocate, controllo);
    } else {
        r = duplicati ? Enumera<false, true>(combinazioni, mappa, giocate, controllo)
                      : Enumera<false, false>(combinazioni, mappa, giocate, controllo);
    }
    if (r.codice != CodiceSviluppo::Completato) {
        return {r.codice, 0};
    }
    giocate.setConteggio(giocate.conteggio() + r.aggiunte);
    sistema.modificato = true;
    return {CodiceSviluppo::Completato, r.aggiunte};
}
