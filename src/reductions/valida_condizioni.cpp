#include "reductions/valida_condizioni.h"

#include <charconv>
#include <string_view>

namespace mcn = messaggi_condizioni;

namespace {

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
    for (Criterio c : Criteri) {
        const DescrizioneCriterio& d = Descrizione(c);
        if (!d.intervalli()) {
            for (int v = 0; v < d.valoriInsieme(); ++v) {
                nuove.insieme(c)[static_cast<std::size_t>(v)] = pagine.valore(c, v) ? 1 : 0;
            }
            continue;
        }
        ListaIntervalli& lista = nuove.lista(c);
        const EsitoIntervalli letti = LeggiIntervalli(pagine.griglia(c), lista);
        if (!letti.ok) {
            esito.messaggio = letti.messaggio;
            esito.criterioFocus = c;
            return esito;
        }
        if (lista.numero == 0 && pagine.spunte[Indice(c)]) {
            esito.messaggio = Avviso(mcn::AlmenoUnIntervallo);
            esito.criterioFocus = c;
            return esito;
        }
    }
    for (int e = 0; e < CriteriCondizioni; ++e) {
        nuove.errori[static_cast<std::size_t>(e)] = pagine.valore(Criterio::ErroriConsentiti, e) ? 1 : 0;
    }
    bool qualcuno = false;
    for (Criterio c : VociCriteri) {
        nuove.setAbilitato(c, pagine.spunte[Indice(c)]);
        qualcuno = qualcuno || (c != Criterio::ErroriConsentiti && pagine.spunte[Indice(c)]);
    }
    if (!qualcuno) {
        esito.messaggio = Avviso(mcn::AlmenoUnaCondizione);
        return esito;
    }
    esito.ok = true;
    esito.condizioni = nuove;
    return esito;
}

std::optional<Messaggio> ControllaCondizioni(const CondizioniRiduzione& condizioni)
{
    for (Criterio c : Criteri) {
        if (Descrizione(c).intervalli() && condizioni.abilitato(c) && condizioni.lista(c).usati() == 0) {
            return Avviso(mcn::AlmenoUnIntervallo);
        }
    }
    for (Criterio c : Criteri) {
        if (condizioni.abilitato(c)) {
            return std::nullopt;
        }
    }
    return Avviso(mcn::AlmenoUnaCondizione);
}
