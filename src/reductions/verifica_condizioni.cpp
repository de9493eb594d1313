#include "reductions/verifica_condizioni.h"

#include "core/conta_bit.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

constexpr std::size_t ValoriTabella = ValoreMassimoIntervallo + 1; // whole values 0..855
constexpr std::size_t RigheMedie = NumeriMassimiPerGiocata + 1;    // counts 0..10

// Interval criteria with whole values get a table over the values; the means one over count and sum.
constexpr bool Intero(Criterio c)
{
    return Descrizione(c).intervalli() && !Descrizione(c).reale;
}
constexpr bool Reale(Criterio c)
{
    return Descrizione(c).intervalli() && Descrizione(c).reale;
}
constexpr bool Parita(Criterio c)
{
    return Descrizione(c).parita;
}
constexpr std::size_t Quanti(bool (*scelta)(Criterio))
{
    return static_cast<std::size_t>(std::count_if(Criteri.begin(), Criteri.end(), scelta));
}

// The criteria that depend only on the parity of the numbers in their order.
constexpr auto CriteriParita = [] {
    std::array<Criterio, Quanti(Parita)> scelti{};
    std::copy_if(Criteri.begin(), Criteri.end(), scelti.begin(), Parita);
    return scelti;
}();

// The fast path looks the parity criteria up in one mask and tests the others by name: a criterion
// added to the table needs its place there.
constexpr bool NelPercorsoVeloce(Criterio c)
{
    return Parita(c) || Intero(c) || Reale(c) || c == Criterio::Consecutivi || c == Criterio::Simmetrie ||
           c == Criterio::Paralleli;
}
static_assert(Quanti(NelPercorsoVeloce) == CriteriCondizioni);

} // namespace

VerificatoreCondizioni::VerificatoreCondizioni(const CondizioniRiduzione& c, const MappaFisse& mappa)
    : m_condizioni(c), m_mappa(mappa), m_parita(2048, 0), m_tabelle(Quanti(Intero) * ValoriTabella, 0),
      m_medie(Quanti(Reale) * RigheMedie * ValoriTabella, 0)
{
    for (int e = 0; e < EsitoFisseMancanti; ++e) {
        m_errori[static_cast<std::size_t>(e)] = c.erroreAmmesso(e);
    }
    for (Criterio k : Criteri) {
        const auto i = Indice(k);
        m_abilitato[i] = c.abilitato(k);
        m_abilitatiTotali += m_abilitato[i] ? 1 : 0;
        for (std::size_t v = 0; v < m_insieme[i].size(); ++v) {
            m_insieme[i][v] = c.ammesso(k, static_cast<int>(v));
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

    for (Criterio k : CriteriParita) {
        m_abilitatiParita += attivo(k) ? 1 : 0;
    }
    for (int m = 0; m <= NumeriMassimiPerGiocata; ++m) {
        for (unsigned dispari = 0; dispari < (1U << m); ++dispari) {
            ValoriGiocata v;
            v.m = m;
            ValoriParita(m, dispari, v);
            std::uint32_t falliti = 0;
            for (Criterio k : CriteriParita) {
                if (attivo(k) && CriterioValutato(k, v) &&
                    !c.ammesso(k, static_cast<int>(ValoreCriterio(k, v)))) {
                    falliti |= 1U << Indice(k);
                }
            }
            m_parita[(1U << m) | dispari] = falliti;
        }
    }

    m_tabella.fill(-1);
    m_media.fill(-1);
    std::size_t interi = 0;
    std::size_t medie = 0;
    for (Criterio k : Criteri) {
        if (Intero(k)) {
            const std::size_t t = interi++;
            if (!attivo(k)) {
                continue;
            }
            m_tabella[Indice(k)] = static_cast<int>(t);
            for (std::size_t x = 0; x < ValoriTabella; ++x) {
                m_tabelle[t * ValoriTabella + x] = c.lista(k).contiene(static_cast<double>(x)) ? 1 : 0;
            }
        } else if (Reale(k)) {
            const std::size_t t = medie++;
            if (!attivo(k)) {
                continue;
            }
            m_media[Indice(k)] = static_cast<int>(t);
            for (std::size_t q = 1; q < RigheMedie; ++q) {
                for (std::size_t x = 0; x < ValoriTabella; ++x) {
                    const double valore = MediaDi(static_cast<int>(x), static_cast<int>(q));
                    m_medie[(t * RigheMedie + q) * ValoriTabella + x] = c.lista(k).contiene(valore) ? 1 : 0;
                }
            }
        }
    }
    m_abilitatiCoppie = (attivo(Criterio::Simmetrie) ? 1 : 0) + (attivo(Criterio::Paralleli) ? 1 : 0);
}

template <bool ConFlag>
int VerificatoreCondizioni::valuta(const Tipo_Giocata& g, EsitoCondizioni* esito) const
{
    using enum Criterio;
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
    int falliti = ContaBit(maschera);
    if constexpr (ConFlag) {
        for (Criterio k : CriteriParita) {
            (*esito)[Indice(k)] = static_cast<std::uint8_t>((maschera >> Indice(k)) & 1U);
        }
    } else {
        const std::int8_t d = decisione(falliti, m_abilitatiTotali - m_abilitatiParita);
        if (d != 0) {
            return d > 0 ? 1 : 0;
        }
    }

    const auto prova = [&](Criterio k, bool ammesso) {
        if (!ammesso) {
            ++falliti;
            if constexpr (ConFlag) {
                (*esito)[Indice(k)] = 1;
            }
        }
    };
    const auto tabella = [&](Criterio k, int x) {
        const auto t = static_cast<std::size_t>(m_tabella[Indice(k)]);
        return m_tabelle[t * ValoriTabella + static_cast<std::size_t>(x)] != 0;
    };
    const auto media = [&](Criterio k, int quanti, int x) {
        const auto t = static_cast<std::size_t>(m_media[Indice(k)]);
        return m_medie[(t * RigheMedie + static_cast<std::size_t>(quanti)) * ValoriTabella +
                       static_cast<std::size_t>(x)] != 0;
    };
    const int quantiDispari = ContaBit(dispari);
    const int quantiPari = m - quantiDispari;
    const int sommaPari = somma - sommaDispari;
    if (attivo(Somma)) {
        prova(Somma, tabella(Somma, somma));
    }
    if (attivo(SommaPari)) {
        prova(SommaPari, tabella(SommaPari, sommaPari));
    }
    if (attivo(SommaDispari)) {
        prova(SommaDispari, tabella(SommaDispari, sommaDispari));
    }
    if (attivo(DifferenzaTraSomme)) {
        prova(DifferenzaTraSomme, tabella(DifferenzaTraSomme, std::abs(sommaPari - sommaDispari)));
    }
    if (attivo(Media)) {
        prova(Media, media(Media, m, somma));
    }
    if (attivo(MediaPari) && quantiPari > 0) {
        prova(MediaPari, media(MediaPari, quantiPari, sommaPari));
    }
    if (attivo(MediaDispari) && quantiDispari > 0) {
        prova(MediaDispari, media(MediaDispari, quantiDispari, sommaDispari));
    }
    if (m >= 2) {
        const int totale = precedente - g[0];
        if (attivo(DifferenzaMinima)) {
            prova(DifferenzaMinima, tabella(DifferenzaMinima, differenzaMinima));
        }
        if (attivo(DifferenzaMedia)) {
            prova(DifferenzaMedia, media(DifferenzaMedia, m - 1, totale));
        }
        if (attivo(DifferenzaMassima)) {
            prova(DifferenzaMassima, tabella(DifferenzaMassima, differenzaMassima));
        }
        if (attivo(DifferenzaTotale)) {
            prova(DifferenzaTotale, tabella(DifferenzaTotale, totale));
        }
    }
    if (attivo(Consecutivi)) {
        prova(Consecutivi, m_insieme[Indice(Consecutivi)][static_cast<std::size_t>(consecutivi)]);
    }
    if constexpr (!ConFlag) {
        // Only the two pair criteria are left.
        const std::int8_t d = decisione(falliti, m_abilitatiCoppie);
        if (d != 0) {
            return d > 0 ? 1 : 0;
        }
    }

    if (m_abilitatiCoppie > 0 && m >= 2) {
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
        if (attivo(Simmetrie)) {
            prova(Simmetrie, m_insieme[Indice(Simmetrie)][static_cast<std::size_t>(simmetrie)]);
        }
        if (attivo(Paralleli)) {
            prova(Paralleli, m_insieme[Indice(Paralleli)][static_cast<std::size_t>(paralleli)]);
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
    for (Criterio k : Criteri) {
        if (!attivo(k) || !CriterioValutato(k, v)) {
            continue;
        }
        const double x = ValoreCriterio(k, v);
        const bool ammesso = Descrizione(k).intervalli() ? m_condizioni.lista(k).contiene(x)
                                                         : m_condizioni.ammesso(k, static_cast<int>(x));
        if (!ammesso) {
            ++falliti;
            if constexpr (ConFlag) {
                (*esito)[Indice(k)] = 1;
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
        esito[Indice(Criterio::ErroriConsentiti)] = 1;
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
