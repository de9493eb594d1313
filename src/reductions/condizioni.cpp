#include "reductions/condizioni.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>

namespace mcn = messaggi_condizioni;

namespace {

constexpr std::array<const char*, VociCondizioni> Didascalie = {
    "Numeri pari",
    "Numeri dispari",
    "Sequenze di numeri pari",
    "Sequenze di numeri dispari",
    "Somma",
    "Somma numeri pari",
    "Somma numeri dispari",
    "Differenza tra somme",
    "Media",
    "Media numeri pari",
    "Media numeri dispari",
    "Differenza minima",
    "Differenza media",
    "Differenza massima",
    "Differenza totale",
    "Consecutività numeriche",
    "Interruzioni pari/dispari",
    "Interruzioni consecutive",
    "Simmetrie numeriche",
    "Simmetrie pari",
    "Simmetrie dispari",
    "Paralleli numerici",
    "Paralleli pari",
    "Paralleli dispari",
    "Errori consentiti",
};

constexpr std::size_t ValoriTabella = 856; // whole values 0..855
constexpr std::size_t RigheMedie = 11;     // counts 0..10
// The criteria that depend only on the parity of the numbers in their order.
constexpr std::array<int, 10> CriteriParita = {0, 1, 2, 3, 16, 17, 19, 20, 22, 23};
// Interval criteria with whole values, in the order of their tables.
constexpr std::array<int, 7> CriteriInteri = {4, 5, 6, 7, 11, 13, 14};

// The longest run of set bits among the first n.
int SequenzaMassima(unsigned bit, int n)
{
    // Walks the elements: an element of the wanted kind lengthens the current run, any other first
    // raises the best run, then resets the current one; the larger of the two at the end.
    int corrente = 0;
    int migliore = 0;
    for (int i = 0; i < n; ++i) {
        if ((bit >> i) & 1U) {
            ++corrente;
        } else {
            migliore = std::max(migliore, corrente);
            corrente = 0;
        }
    }
    return std::max(migliore, corrente);
}

// The parity values of a play of m numbers whose odd positions (bit i for number i + 1) are `dispari`.
void ValoriParita(int m, unsigned dispari, ValoriGiocata& v)
{
    const unsigned tutti = m >= 1 ? (1U << m) - 1U : 0U;
    const unsigned pari = ~dispari & tutti;
    v.dispari = std::popcount(dispari);
    v.pari = m - v.dispari;
    v.sequenzaPari = SequenzaMassima(pari, m);
    v.sequenzaDispari = SequenzaMassima(dispari, m);
    // Gap i joins numbers i and i + 1.
    const unsigned cambi = m >= 2 ? (dispari ^ (dispari >> 1)) & ((1U << (m - 1)) - 1U) : 0U;
    v.interruzioni = std::popcount(cambi);
    v.interruzioniConsecutive = SequenzaMassima(cambi, m - 1);
    v.simmetriePari = v.simmetrieDispari = v.paralleliPari = v.paralleliDispari = 0;
    const int meta = m / 2;
    for (int c = 0; c < meta; ++c) {
        const unsigned a = (dispari >> c) & 1U;
        const unsigned specchio = (dispari >> (m - 1 - c)) & 1U;
        const unsigned parallelo = (dispari >> (c + meta)) & 1U;
        v.simmetriePari += (a == 0 && specchio == 0) ? 1 : 0;
        v.simmetrieDispari += (a == 1 && specchio == 1) ? 1 : 0;
        v.paralleliPari += (a == 0 && parallelo == 0) ? 1 : 0;
        v.paralleliDispari += (a == 1 && parallelo == 1) ? 1 : 0;
    }
}

double Media(int somma, int quanti)
{
    return static_cast<double>(somma) / static_cast<double>(quanti);
}

std::string Riga(const char* prima, std::size_t riga, const char* dopo)
{
    return std::string(prima) + std::to_string(riga) + dopo;
}

std::string_view Rifila(std::string_view testo)
{
    const auto spazio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!testo.empty() && spazio(testo.front())) {
        testo.remove_prefix(1);
    }
    while (!testo.empty() && spazio(testo.back())) {
        testo.remove_suffix(1);
    }
    return testo;
}

// A real number of the grid: digits with at most one "." (the only forms the cells accept), in 0..855.
bool LeggiReale(std::string_view testo, double& valore)
{
    testo = Rifila(testo);
    if (testo.empty() || testo.find_first_not_of("0123456789.") != std::string_view::npos) {
        return false;
    }
    const auto fine = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    return fine.ec == std::errc() && fine.ptr == testo.data() + testo.size() && valore >= 0.0 &&
           valore <= ValoreMassimoIntervallo;
}

} // namespace

const char* DidascaliaCriterio(int criterio)
{
    return criterio >= 0 && criterio < VociCondizioni ? Didascalie[static_cast<std::size_t>(criterio)] : "";
}

int ValoriInsieme(int criterio)
{
    if (criterio >= 0 && criterio <= 3) {
        return 11;
    }
    if (criterio >= 15 && criterio <= 17) {
        return 10;
    }
    if (criterio >= 18 && criterio <= 23) {
        return 6;
    }
    return criterio == CriterioErrori ? CriteriCondizioni : 0;
}

bool ListaIntervalli::contiene(double valore) const
{
    const int n = usati();
    for (int i = 0; i < n; ++i) {
        if (minimi[static_cast<std::size_t>(i)] <= valore && valore <= massimi[static_cast<std::size_t>(i)]) {
            return true;
        }
    }
    return false;
}

bool CondizioniRiduzione::ammesso(int criterio, int valore) const
{
    if (criterio == CriterioErrori) {
        return erroreAmmesso(valore);
    }
    if (criterio < 0 || criterio >= CriteriCondizioni || CriterioAIntervalli(criterio) || valore < 0 ||
        valore >= ValoriInsieme(criterio)) {
        return false;
    }
    return insiemi[static_cast<std::size_t>(criterio)][static_cast<std::size_t>(valore)] != 0;
}

bool CondizioniRiduzione::erroreAmmesso(int numero) const
{
    return numero >= 0 && numero < EsitoFisseMancanti && errori[static_cast<std::size_t>(numero)] != 0;
}

std::size_t offset_condizioni::Insieme(int criterio)
{
    assert(!CriterioAIntervalli(criterio) && criterio >= 0 && criterio < CriteriCondizioni);
    if (criterio <= 3) {
        return 25 + 11 * static_cast<std::size_t>(criterio);
    }
    return 17760 + 11 * static_cast<std::size_t>(criterio - 15);
}

CondizioniRiduzione CondizioniRiduzione::daBlocco(const BloccoRecord<Dimensione>& b)
{
    namespace o = offset_condizioni;
    CondizioniRiduzione c;
    std::memcpy(c.abilitati.data(), b.data() + o::Abilitati, c.abilitati.size());
    for (int k = 0; k < CriteriCondizioni; ++k) {
        if (!CriterioAIntervalli(k)) {
            std::memcpy(c.insiemi[static_cast<std::size_t>(k)].data(), b.data() + o::Insieme(k), 11);
        }
    }
    std::memcpy(c.riservati.data(), b.data() + o::Riservati, c.riservati.size());
    for (std::size_t l = 0; l < c.intervalli.size(); ++l) {
        const std::size_t base = o::Liste + l * o::DimensioneLista;
        ListaIntervalli& lista = c.intervalli[l];
        for (std::size_t i = 0; i < static_cast<std::size_t>(ListaIntervalli::Massimo); ++i) {
            lista.minimi[i] = LeggiCampoDouble(b, base + 8 * i);
            lista.massimi[i] = LeggiCampoDouble(b, base + 800 + 8 * i);
        }
        lista.numero = LeggiCampoInt32(b, base + o::ConteggioLista);
        std::memcpy(lista.riservati.data(), b.data() + base + o::ConteggioLista + 4, 4);
    }
    std::memcpy(c.errori.data(), b.data() + o::Errori, c.errori.size());
    return c;
}

BloccoRecord<CondizioniRiduzione::Dimensione> CondizioniRiduzione::blocco() const
{
    namespace o = offset_condizioni;
    BloccoRecord<Dimensione> b{};
    std::memcpy(b.data() + o::Abilitati, abilitati.data(), abilitati.size());
    for (int k = 0; k < CriteriCondizioni; ++k) {
        if (!CriterioAIntervalli(k)) {
            std::memcpy(b.data() + o::Insieme(k), insiemi[static_cast<std::size_t>(k)].data(), 11);
        }
    }
    std::memcpy(b.data() + o::Riservati, riservati.data(), riservati.size());
    for (std::size_t l = 0; l < intervalli.size(); ++l) {
        const std::size_t base = o::Liste + l * o::DimensioneLista;
        const ListaIntervalli& lista = intervalli[l];
        for (std::size_t i = 0; i < static_cast<std::size_t>(ListaIntervalli::Massimo); ++i) {
            ScriviCampoDouble(b, base + 8 * i, lista.minimi[i]);
            ScriviCampoDouble(b, base + 800 + 8 * i, lista.massimi[i]);
        }
        ScriviCampoInt32(b, base + o::ConteggioLista, lista.numero);
        std::memcpy(b.data() + base + o::ConteggioLista + 4, lista.riservati.data(), 4);
    }
    std::memcpy(b.data() + o::Errori, errori.data(), errori.size());
    return b;
}

ValoriGiocata CalcolaValori(const Tipo_Giocata& giocata)
{
    ValoriGiocata v;
    unsigned dispari = 0;
    while (v.m < NumeriMassimiPerGiocata && giocata[static_cast<std::size_t>(v.m)] != 0) {
        const int a = giocata[static_cast<std::size_t>(v.m)];
        if (a % 2 != 0) {
            dispari |= 1U << v.m;
            v.sommaDispari += a;
        } else {
            v.sommaPari += a;
        }
        v.somma += a;
        ++v.m;
    }
    ValoriParita(v.m, dispari, v);
    if (v.m >= 2) {
        v.differenzaMinima = 1000;
        for (int i = 1; i < v.m; ++i) {
            const int d = giocata[static_cast<std::size_t>(i)] - giocata[static_cast<std::size_t>(i - 1)];
            v.differenzaMinima = std::min(v.differenzaMinima, d);
            v.differenzaMassima = std::max(v.differenzaMassima, d);
            v.consecutivi += d == 1 ? 1 : 0;
        }
        v.differenzaTotale = giocata[static_cast<std::size_t>(v.m - 1)] - giocata[0];
    }
    for (int i = 0; i < v.m; ++i) {
        for (int j = i + 1; j < v.m; ++j) {
            const int a = giocata[static_cast<std::size_t>(i)];
            const int b = giocata[static_cast<std::size_t>(j)];
            v.simmetrie += a + b == 91 ? 1 : 0;
            v.paralleli += std::abs(b - a) == 45 ? 1 : 0;
        }
    }
    return v;
}

bool CriterioValutato(int criterio, const ValoriGiocata& v)
{
    switch (criterio) {
    case 9:
        return v.pari > 0;
    case 10:
        return v.dispari > 0;
    case 11:
    case 12:
    case 13:
    case 14:
        return v.m >= 2;
    default:
        return criterio >= 18 ? v.m >= 2 : true;
    }
}

double ValoreCriterio(int criterio, const ValoriGiocata& v)
{
    switch (criterio) {
    case 0:
        return v.pari;
    case 1:
        return v.dispari;
    case 2:
        return v.sequenzaPari;
    case 3:
        return v.sequenzaDispari;
    case 4:
        return v.somma;
    case 5:
        return v.sommaPari;
    case 6:
        return v.sommaDispari;
    case 7:
        return std::abs(v.sommaPari - v.sommaDispari);
    case 8:
        return v.m > 0 ? Media(v.somma, v.m) : 0.0;
    case 9:
        return v.pari > 0 ? Media(v.sommaPari, v.pari) : 0.0;
    case 10:
        return v.dispari > 0 ? Media(v.sommaDispari, v.dispari) : 0.0;
    case 11:
        return v.differenzaMinima;
    case 12:
        return v.m >= 2 ? Media(v.differenzaTotale, v.m - 1) : 0.0;
    case 13:
        return v.differenzaMassima;
    case 14:
        return v.differenzaTotale;
    case 15:
        return v.consecutivi;
    case 16:
        return v.interruzioni;
    case 17:
        return v.interruzioniConsecutive;
    case 18:
        return v.simmetrie;
    case 19:
        return v.simmetriePari;
    case 20:
        return v.simmetrieDispari;
    case 21:
        return v.paralleli;
    case 22:
        return v.paralleliPari;
    case 23:
        return v.paralleliDispari;
    default:
        return 0.0;
    }
}

EsitoIntervalli LeggiIntervalli(const std::vector<RigaIntervallo>& righe, ListaIntervalli& lista)
{
    lista.numero = 0;
    for (std::size_t r = 0; r < righe.size(); ++r) {
        const std::size_t numero = r + 1;
        if (Rifila(righe[r].minimo).empty() && Rifila(righe[r].massimo).empty()) {
            continue;
        }
        double minimo = 0;
        double massimo = 0;
        if (!LeggiReale(righe[r].minimo, minimo)) {
            return {false, Avviso(Riga(mcn::MinimoNonValido, numero, mcn::NonValido))};
        }
        if (!LeggiReale(righe[r].massimo, massimo)) {
            return {false, Avviso(Riga(mcn::MassimoNonValido, numero, mcn::NonValido))};
        }
        if (minimo > massimo) {
            return {false, Avviso(Riga(mcn::MinimoNonValido, numero, mcn::MinimoMaggiore))};
        }
        if (lista.numero >= ListaIntervalli::Massimo) {
            // The grid never grows past 100 rows; a longer list is cut, not overrun.
            break;
        }
        lista.minimi[static_cast<std::size_t>(lista.numero)] = minimo;
        lista.massimi[static_cast<std::size_t>(lista.numero)] = massimo;
        ++lista.numero;
    }
    return {};
}

EsitoValidazione ValidaCondizioni(const PagineCondizioni& pagine, const CondizioniRiduzione& attuale)
{
    EsitoValidazione esito;
    CondizioniRiduzione nuove = attuale;
    const auto copiaInsieme = [&](int c) {
        auto& insieme = nuove.insiemi[static_cast<std::size_t>(c)];
        for (int v = 0; v < ValoriInsieme(c); ++v) {
            insieme[static_cast<std::size_t>(v)] =
                pagine.valori[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)] ? 1 : 0;
        }
    };
    for (int c = 0; c <= 3; ++c) {
        copiaInsieme(c);
    }
    for (int c = PrimoCriterioIntervalli; c <= UltimoCriterioIntervalli; ++c) {
        ListaIntervalli& lista = nuove.lista(c);
        const EsitoIntervalli letti =
            LeggiIntervalli(pagine.griglie[static_cast<std::size_t>(c - PrimoCriterioIntervalli)], lista);
        if (!letti.ok) {
            esito.messaggio = letti.messaggio;
            esito.criterioFocus = c;
            return esito;
        }
        if (lista.numero == 0 && pagine.spunte[static_cast<std::size_t>(c)]) {
            esito.messaggio = Avviso(mcn::AlmenoUnIntervallo);
            esito.criterioFocus = c;
            return esito;
        }
    }
    for (int c = 15; c < CriteriCondizioni; ++c) {
        copiaInsieme(c);
    }
    for (int e = 0; e < CriteriCondizioni; ++e) {
        nuove.errori[static_cast<std::size_t>(e)] =
            pagine.valori[CriterioErrori][static_cast<std::size_t>(e)] ? 1 : 0;
    }
    bool qualcuno = false;
    for (int c = 0; c < VociCondizioni; ++c) {
        nuove.abilitati[static_cast<std::size_t>(c)] = pagine.spunte[static_cast<std::size_t>(c)] ? 1 : 0;
        qualcuno = qualcuno || (c < CriteriCondizioni && pagine.spunte[static_cast<std::size_t>(c)]);
    }
    if (!qualcuno) {
        esito.messaggio = Avviso(mcn::AlmenoUnaCondizione);
        esito.criterioFocus = -1;
        return esito;
    }
    esito.ok = true;
    esito.condizioni = nuove;
    return esito;
}

std::optional<Messaggio> ControllaCondizioni(const CondizioniRiduzione& condizioni)
{
    for (int c = PrimoCriterioIntervalli; c <= UltimoCriterioIntervalli; ++c) {
        if (condizioni.abilitato(c) && condizioni.lista(c).usati() == 0) {
            return Avviso(mcn::AlmenoUnIntervallo);
        }
    }
    for (int c = 0; c < CriteriCondizioni; ++c) {
        if (condizioni.abilitato(c)) {
            return std::nullopt;
        }
    }
    return Avviso(mcn::AlmenoUnaCondizione);
}

// --- VerificatoreCondizioni -------------------------------------------------------------------------

VerificatoreCondizioni::VerificatoreCondizioni(const CondizioniRiduzione& c, const MappaFisse& mappa)
    : m_condizioni(c), m_mappa(mappa), m_parita(2048, 0), m_tabelle(CriteriInteri.size() * ValoriTabella, 0),
      m_medie(4 * RigheMedie * ValoriTabella, 0)
{
    for (int e = 0; e < EsitoFisseMancanti; ++e) {
        m_errori[static_cast<std::size_t>(e)] = c.erroreAmmesso(e);
    }
    for (int k = 0; k < CriteriCondizioni; ++k) {
        const auto i = static_cast<std::size_t>(k);
        m_abilitato[i] = c.abilitato(k);
        m_abilitatiTotali += m_abilitato[i] ? 1 : 0;
        for (int v = 0; v < 11; ++v) {
            m_insieme[i][static_cast<std::size_t>(v)] = c.ammesso(k, v);
        }
    }
    for (int f = 0; f < VociCondizioni; ++f) {
        for (int r = 0; f + r < VociCondizioni; ++r) {
            bool qualcuno = false;
            bool tutti = true;
            for (int e = f; e <= f + r; ++e) {
                qualcuno = qualcuno || m_errori[static_cast<std::size_t>(e)];
                tutti = tutti && m_errori[static_cast<std::size_t>(e)];
            }
            m_decisione[static_cast<std::size_t>(f * VociCondizioni + r)] =
                static_cast<std::int8_t>(tutti ? 1 : (qualcuno ? 0 : -1));
        }
    }

    for (int k : CriteriParita) {
        m_abilitatiParita += m_abilitato[static_cast<std::size_t>(k)] ? 1 : 0;
    }
    for (int m = 0; m <= NumeriMassimiPerGiocata; ++m) {
        for (unsigned dispari = 0; dispari < (1U << m); ++dispari) {
            ValoriGiocata v;
            v.m = m;
            ValoriParita(m, dispari, v);
            std::uint32_t falliti = 0;
            for (int k : CriteriParita) {
                if (m_abilitato[static_cast<std::size_t>(k)] && CriterioValutato(k, v) &&
                    !c.ammesso(k, static_cast<int>(ValoreCriterio(k, v)))) {
                    falliti |= 1U << k;
                }
            }
            m_parita[(1U << m) | dispari] = falliti;
        }
    }

    m_tabella.fill(-1);
    for (std::size_t t = 0; t < CriteriInteri.size(); ++t) {
        const int k = CriteriInteri[t];
        if (!m_abilitato[static_cast<std::size_t>(k)]) {
            continue;
        }
        m_tabella[static_cast<std::size_t>(k)] = static_cast<int>(t);
        for (std::size_t x = 0; x < ValoriTabella; ++x) {
            m_tabelle[t * ValoriTabella + x] = c.lista(k).contiene(static_cast<double>(x)) ? 1 : 0;
        }
    }
    constexpr std::array<int, 4> CriteriMedie = {8, 9, 10, 12};
    for (std::size_t t = 0; t < CriteriMedie.size(); ++t) {
        const int k = CriteriMedie[t];
        if (!m_abilitato[static_cast<std::size_t>(k)]) {
            continue;
        }
        for (std::size_t q = 1; q < RigheMedie; ++q) {
            // Criterion 12 divides the total gap by m - 1.
            const int divisore = k == 12 ? static_cast<int>(q) - 1 : static_cast<int>(q);
            if (divisore <= 0) {
                continue;
            }
            for (std::size_t x = 0; x < ValoriTabella; ++x) {
                const double valore = Media(static_cast<int>(x), divisore);
                m_medie[(t * RigheMedie + q) * ValoriTabella + x] = c.lista(k).contiene(valore) ? 1 : 0;
            }
        }
    }
    m_coppie = m_abilitato[18] || m_abilitato[21];
}

template <bool ConFlag>
int VerificatoreCondizioni::valuta(const Tipo_Giocata& g, EsitoCondizioni* esito) const
{
    // Returns the failures when ConFlag, else 1 (accepted) or 0 (rejected).
    if constexpr (!ConFlag) {
        const std::int8_t subito = decisione(0, m_abilitatiTotali);
        if (subito != 0) {
            return subito > 0 ? 1 : 0;
        }
    }

    // One pass over the numbers. A play out of canonical form (numbers not ascending in 1..90) takes
    // the plain path, so that no look-up leaves its table.
    int m = 0;
    unsigned dispari = 0;
    int somma = 0;
    int sommaDispari = 0;
    int consecutivi = 0;
    int differenzaMinima = 1000;
    int differenzaMassima = 0;
    int precedente = 0;
    bool canonica = true;
    for (; m < NumeriMassimiPerGiocata; ++m) {
        const int a = g[static_cast<std::size_t>(m)];
        if (a == 0) {
            break;
        }
        const auto d = static_cast<unsigned>(a & 1);
        dispari |= d << m;
        somma += a;
        sommaDispari += a & -static_cast<int>(d);
        const int gap = a - precedente;
        canonica = canonica && gap > 0 && a <= NumeroMassimo;
        if (m > 0) {
            differenzaMinima = std::min(differenzaMinima, gap);
            differenzaMassima = std::max(differenzaMassima, gap);
            consecutivi += gap == 1 ? 1 : 0;
        }
        precedente = a;
    }
    if (!canonica || m == 0) {
        return piana<ConFlag>(g, esito);
    }

    // Parity criteria, all at once.
    const std::uint32_t maschera = m_parita[(1U << m) | dispari];
    int falliti = std::popcount(maschera);
    int restanti = m_abilitatiTotali - m_abilitatiParita;
    if constexpr (ConFlag) {
        for (int k : CriteriParita) {
            (*esito)[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>((maschera >> k) & 1U);
        }
    } else {
        const std::int8_t d = decisione(falliti, restanti);
        if (d != 0) {
            return d > 0 ? 1 : 0;
        }
    }

    const auto prova = [&](int k, bool ammesso) {
        if (!ammesso) {
            ++falliti;
            if constexpr (ConFlag) {
                (*esito)[static_cast<std::size_t>(k)] = 1;
            }
        }
    };
    const auto tabella = [&](int k, int x) {
        const auto t = static_cast<std::size_t>(m_tabella[static_cast<std::size_t>(k)]);
        return m_tabelle[t * ValoriTabella + static_cast<std::size_t>(x)] != 0;
    };
    const auto media = [&](std::size_t t, int quanti, int x) {
        return m_medie[(t * RigheMedie + static_cast<std::size_t>(quanti)) * ValoriTabella +
                       static_cast<std::size_t>(x)] != 0;
    };
    const int quantiDispari = std::popcount(dispari);
    const int quantiPari = m - quantiDispari;
    const int sommaPari = somma - sommaDispari;
    if (m_abilitato[4]) {
        prova(4, tabella(4, somma));
    }
    if (m_abilitato[5]) {
        prova(5, tabella(5, sommaPari));
    }
    if (m_abilitato[6]) {
        prova(6, tabella(6, sommaDispari));
    }
    if (m_abilitato[7]) {
        prova(7, tabella(7, std::abs(sommaPari - sommaDispari)));
    }
    if (m_abilitato[8]) {
        prova(8, m > 0 && media(0, m, somma));
    }
    if (m_abilitato[9] && quantiPari > 0) {
        prova(9, media(1, quantiPari, sommaPari));
    }
    if (m_abilitato[10] && quantiDispari > 0) {
        prova(10, media(2, quantiDispari, sommaDispari));
    }
    if (m >= 2) {
        const int totale = precedente - g[0];
        if (m_abilitato[11]) {
            prova(11, tabella(11, differenzaMinima));
        }
        if (m_abilitato[12]) {
            prova(12, media(3, m, totale));
        }
        if (m_abilitato[13]) {
            prova(13, tabella(13, differenzaMassima));
        }
        if (m_abilitato[14]) {
            prova(14, tabella(14, totale));
        }
    }
    if (m_abilitato[15]) {
        prova(15, m_insieme[15][static_cast<std::size_t>(consecutivi)]);
    }
    restanti -= (m_abilitato[4] ? 1 : 0) + (m_abilitato[5] ? 1 : 0) + (m_abilitato[6] ? 1 : 0) +
                (m_abilitato[7] ? 1 : 0) + (m_abilitato[8] ? 1 : 0) + (m_abilitato[9] ? 1 : 0) +
                (m_abilitato[10] ? 1 : 0) + (m_abilitato[11] ? 1 : 0) + (m_abilitato[12] ? 1 : 0) +
                (m_abilitato[13] ? 1 : 0) + (m_abilitato[14] ? 1 : 0) + (m_abilitato[15] ? 1 : 0);
    if constexpr (!ConFlag) {
        const std::int8_t d = decisione(falliti, restanti);
        if (d != 0) {
            return d > 0 ? 1 : 0;
        }
    }

    if (m_coppie && m >= 2) {
        // Numbers of the play as bits; a <= 45 pairs with 91 - a (sum 91) and with a + 45 (difference 45).
        std::uint64_t basso = 0;
        std::uint64_t alto = 0;
        for (int i = 0; i < m; ++i) {
            const unsigned a = g[static_cast<std::size_t>(i)];
            (a < 64 ? basso : alto) |= std::uint64_t{1} << (a & 63U);
        }
        const auto presente = [&](unsigned a) { return (((a < 64 ? basso : alto) >> (a & 63U)) & 1U) != 0; };
        int simmetrie = 0;
        int paralleli = 0;
        for (int i = 0; i < m; ++i) {
            const unsigned a = g[static_cast<std::size_t>(i)];
            if (a > 45) {
                break;
            }
            simmetrie += presente(91 - a) ? 1 : 0;
            paralleli += presente(a + 45) ? 1 : 0;
        }
        if (m_abilitato[18]) {
            prova(18, m_insieme[18][static_cast<std::size_t>(simmetrie)]);
        }
        if (m_abilitato[21]) {
            prova(21, m_insieme[21][static_cast<std::size_t>(paralleli)]);
        }
    }
    if constexpr (ConFlag) {
        return falliti;
    } else {
        return erroreAmmesso(falliti) ? 1 : 0;
    }
}

template <bool ConFlag> int VerificatoreCondizioni::piana(const Tipo_Giocata& g, EsitoCondizioni* esito) const
{
    const ValoriGiocata v = CalcolaValori(g);
    int falliti = 0;
    for (int k = 0; k < CriteriCondizioni; ++k) {
        if (!m_abilitato[static_cast<std::size_t>(k)] || !CriterioValutato(k, v)) {
            continue;
        }
        const double x = ValoreCriterio(k, v);
        const bool ammesso = CriterioAIntervalli(k) ? m_condizioni.lista(k).contiene(x)
                                                    : m_condizioni.ammesso(k, static_cast<int>(x));
        if (!ammesso) {
            ++falliti;
            if constexpr (ConFlag) {
                (*esito)[static_cast<std::size_t>(k)] = 1;
            }
        }
    }
    if constexpr (ConFlag) {
        return falliti;
    } else {
        return erroreAmmesso(falliti) ? 1 : 0;
    }
}

int VerificatoreCondizioni::VerificaCondizioni(const Tipo_Giocata& giocata, bool consideraFisse,
                                               EsitoCondizioni& esito) const
{
    esito.fill(0);
    // Empty slots look up number 0, never fixed: the first 10 slots count as the play's numbers.
    if (consideraFisse && !ContieneFisse(giocata, NumeriMassimiPerGiocata, m_mappa)) {
        esito[CriterioErrori] = 1;
        return EsitoFisseMancanti;
    }
    return valuta<true>(giocata, &esito);
}

bool VerificatoreCondizioni::accettata(const Tipo_Giocata& giocata, bool consideraFisse) const
{
    if (consideraFisse && !ContieneFisse(giocata, NumeriMassimiPerGiocata, m_mappa)) {
        return false;
    }
    return valuta<false>(giocata, nullptr) != 0;
}
