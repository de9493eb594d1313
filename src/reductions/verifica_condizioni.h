#pragma once

#include "core/giocata.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/condizioni_riduzione.h"

#include <array>
#include <cstdint>
#include <vector>

// VerificaCondizioni, the test of a play against the conditions, shared by the run, the historic chart
// and the two analyses.

// The failure flags of the last test, indexed by Criterio: one per failed test, and the entry of "Errori
// consentiti" when a fixed number was missing.
using EsitoCondizioni = std::array<std::uint8_t, VociCondizioni>;
// What VerificaCondizioni returns for a play that lacks a fixed number.
inline constexpr int EsitoFisseMancanti = 25;

// The conditions prepared for testing many plays: every criterion becomes a table look-up (the
// parity criteria one look-up for all of them, the interval criteria a table over the possible values,
// the means a table over sum and count), so a test allocates nothing and costs one pass over the
// play's numbers plus a few look-ups. Built in a few microseconds.
class VerificatoreCondizioni
{
public:
    explicit VerificatoreCondizioni(const CondizioniRiduzione& condizioni, const MappaFisse& mappa = {});

    // The full test: clears esito; when consideraFisse and the play lacks a fixed number sets the flag
    // of "Errori consentiti" and returns 25; otherwise flags every enabled test applied to the play that
    // it fails and returns how many (0..24).
    int VerificaCondizioni(const Tipo_Giocata& giocata, bool consideraFisse, EsitoCondizioni& esito) const;
    // Whether the play is accepted: the result of VerificaCondizioni is below 25 and its error count
    // allowed. Stops as soon as the allowed error counts settle the answer (with errors {0}, at the
    // first failed criterion), so the same answer costs less.
    bool accettata(const Tipo_Giocata& giocata, bool consideraFisse) const;
    bool erroreAmmesso(int risultato) const
    {
        return risultato >= 0 && risultato < EsitoFisseMancanti &&
               m_errori[static_cast<std::size_t>(risultato)];
    }

private:
    template <bool ConFlag> int valuta(const Tipo_Giocata& giocata, EsitoCondizioni* esito) const;
    // The plain evaluation through CalcolaValori, for plays out of canonical form (and as the reference
    // the tables reproduce).
    template <bool ConFlag> int piana(const Tipo_Giocata& giocata, EsitoCondizioni* esito) const;

    bool attivo(Criterio criterio) const { return m_abilitato[Indice(criterio)]; }
    // Decision after f failures with r enabled criteria still to test: +1 accepted whatever follows,
    // -1 rejected whatever follows, 0 open.
    std::int8_t decisione(int falliti, int restanti) const
    {
        return m_decisione[static_cast<std::size_t>(falliti * VociCondizioni + restanti)];
    }

    CondizioniRiduzione m_condizioni;
    MappaFisse m_mappa;
    std::array<bool, VociCondizioni + 1> m_errori{};
    std::array<std::int8_t, VociCondizioni * VociCondizioni> m_decisione{};
    // Failure mask of the parity criteria, by (1 << m) | odd-position mask.
    std::vector<std::uint32_t> m_parita;
    int m_abilitatiParita = 0;
    // Interval criteria over whole values 0..855, one table each, by criterion; -1 when disabled or
    // not such a criterion.
    std::vector<std::uint8_t> m_tabelle;
    std::array<int, CriteriCondizioni> m_tabella{};
    // Means, one table of 11 counts x 856 sums each, by criterion as m_tabella.
    std::vector<std::uint8_t> m_medie;
    std::array<int, CriteriCondizioni> m_media{};
    std::array<bool, CriteriCondizioni> m_abilitato{};
    std::array<std::array<bool, CondizioniRiduzione::ValoriPerInsieme>, CriteriCondizioni> m_insieme{};
    int m_abilitatiTotali = 0;
    int m_abilitatiCoppie = 0; // "Simmetrie numeriche" and "Paralleli numerici", tested last
};
