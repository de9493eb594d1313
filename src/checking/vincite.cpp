#include "checking/vincite.h"

#include "core/importi.h"
#include "core/testo.h"

#include <algorithm>
#include <cassert>

namespace pagamenti {

long double MoltiplicatoreClasse(int k)
{
    switch (k) {
    case 2:
        return Ambo;
    case 3:
        return Terno;
    case 4:
        return Quaterna;
    case 5:
        return Cinquina;
    default:
        return 0.0L;
    }
}

} // namespace pagamenti

namespace {

long double FattorialeEsteso(int n)
{
    long double f = 1.0L;
    for (int i = 2; i <= n; ++i) {
        f *= i;
    }
    return f;
}

double Limita(long double importo, double massimo)
{
    const double valore = static_cast<double>(importo);
    return valore > massimo ? massimo : valore;
}

std::uint8_t Circolare(int numero)
{
    if (numero > NumeroMassimo) {
        numero -= NumeroMassimo;
    }
    if (numero < 1) {
        numero += NumeroMassimo;
    }
    return static_cast<std::uint8_t>(numero);
}

bool Presente(const NumeriRuota& estratti, std::uint8_t numero)
{
    return numero != 0 && std::find(estratti.begin(), estratti.end(), numero) != estratti.end();
}

// The divisors under which the play is paid on the wheel: 1 for its own flag, 10 for Tutte (regional
// wheels only), both when both flags are set.
std::vector<int> Divisori(const SegniRuote& ruote, int ruota)
{
    std::vector<int> divisori;
    if (ruote[static_cast<std::size_t>(ruota - 1)] != 0) {
        divisori.push_back(pagamenti::DivisoreRuota);
    }
    if (ruota != Nazionale && ruote[Tutte - 1] != 0) {
        divisori.push_back(pagamenti::DivisoreTutte);
    }
    return divisori;
}

Puntata PuntataDi(int divisore)
{
    return divisore == pagamenti::DivisoreTutte ? Puntata::Tutte : Puntata::Ruota;
}

} // namespace

long double Combinazioni(int n, int k)
{
    if (k < 0 || k > n) {
        return 0.0L;
    }
    return FattorialeEsteso(n) / (FattorialeEsteso(n - k) * FattorialeEsteso(k));
}

Tipo_Vettore_AmboPerSpoglio CoppieGiocata(int n, const Tipo_Giocata& giocata)
{
    n = std::clamp(n, 0, NumeriMassimiPerGiocata);
    Tipo_Vettore_AmboPerSpoglio coppie;
    if (n >= 2) {
        coppie.reserve(static_cast<std::size_t>(n * (n - 1) / 2));
    }
    for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            coppie.push_back({giocata[static_cast<std::size_t>(i)], giocata[static_cast<std::size_t>(j)]});
        }
    }
    return coppie;
}

Tipo_Vettore_AmboPerSpoglio CoppieAmbetto(std::uint8_t x, std::uint8_t y)
{
    const std::array<std::array<std::uint8_t, 2>, 4> vicine{{
        {x, Circolare(y + 1)},
        {x, Circolare(y - 1)},
        {Circolare(x + 1), y},
        {Circolare(x - 1), y},
    }};
    Tipo_Vettore_AmboPerSpoglio coppie;
    for (const auto& c : vicine) {
        if (c[0] != c[1]) {
            coppie.push_back(c);
        }
    }
    return coppie;
}

ParametriVincite ParametriDaSistema(const Sistema& sistema, double vincitaMassima)
{
    ParametriVincite p;
    p.importi = sistema.importi;
    p.posizioni = sistema.posizioni;
    p.ruote = sistema.ruote;
    p.vincitaMassima = vincitaMassima;
    return p;
}

NumeriRuota NumeriEstrattiRuota(const std::array<std::uint8_t, 55>& numeri, int ruota)
{
    NumeriRuota estratti{};
    for (int p = 1; p <= 5; ++p) {
        estratti[static_cast<std::size_t>(p - 1)] =
            numeri[static_cast<std::size_t>((p - 1) * RuoteArchivio + ruota - 1)];
    }
    return estratti;
}

std::vector<Tipo_Vincita> VinciteGiocataRuota(const Tipo_Giocata& giocata, int ruota,
                                              const NumeriRuota& estratti, const ParametriVincite& parametri)
{
    assert(ruota >= 1 && ruota <= RuoteArchivio);
    std::vector<Tipo_Vincita> vincite;
    const int n = NumeriGiocata(giocata);
    int h = 0;
    for (int i = 0; i < n; ++i) {
        h += Presente(estratti, giocata[static_cast<std::size_t>(i)]) ? 1 : 0;
    }
    const std::vector<int> divisori = Divisori(parametri.ruote, ruota);
    if (h == 0 || divisori.empty()) {
        return vincite;
    }
    const auto importo = [&parametri](ClassePremio classe) {
        return static_cast<long double>(parametri.importi[static_cast<std::size_t>(classe - 1)]);
    };
    const auto aggiungi = [&](int divisore, ClassePremio classe, int quantita, long double valore) {
        Tipo_Vincita v;
        v.ruota = ruota;
        v.puntata = PuntataDi(divisore);
        v.classe = classe;
        v.quantita = quantita;
        v.importo = Limita(valore, parametri.vincitaMassima);
        vincite.push_back(v);
        return &vincite.back();
    };

    for (int k = 5; k >= 2; --k) {
        const auto classe = static_cast<ClassePremio>(k);
        if (h < k || importo(classe) <= 0) {
            continue;
        }
        const long double vinte = Combinazioni(h, k);
        for (int r : divisori) {
            aggiungi(r, classe, static_cast<int>(vinte + 0.5L),
                     vinte / Combinazioni(n, k) * pagamenti::MoltiplicatoreClasse(k) / r * importo(classe));
        }
    }

    if (importo(Estratto) > 0) {
        for (int r : divisori) {
            aggiungi(r, Estratto, h,
                     static_cast<long double>(h) / n * pagamenti::Estratto / r * importo(Estratto));
        }
    }

    if (importo(EstrattoDeterminato) > 0) {
        for (int r : divisori) {
            for (int p = 1; p <= NumeroPosizioni; ++p) {
                const std::uint8_t numero = estratti[static_cast<std::size_t>(p - 1)];
                if (parametri.posizioni[static_cast<std::size_t>(p - 1)] == 0 || numero == 0 ||
                    std::find(giocata.begin(), giocata.begin() + n, numero) == giocata.begin() + n) {
                    continue;
                }
                aggiungi(r, EstrattoDeterminato, 1,
                         1.0L / n * pagamenti::EstrattoDeterminato / r * importo(EstrattoDeterminato))
                    ->posizione = p;
            }
        }
    }

    if (importo(Ambetto) > 0 && h < n) {
        const Tipo_Vettore_AmboPerSpoglio coppie = CoppieGiocata(n, giocata);
        const auto quante = static_cast<long double>(coppie.size());
        for (const auto& coppia : coppie) {
            const int presenti =
                (Presente(estratti, coppia[0]) ? 1 : 0) + (Presente(estratti, coppia[1]) ? 1 : 0);
            if (presenti != 1) {
                continue;
            }
            const Tipo_Vettore_AmboPerSpoglio vicine = CoppieAmbetto(coppia[0], coppia[1]);
            const auto a = static_cast<long double>(vicine.size());
            for (const auto& vicina : vicine) {
                if (!Presente(estratti, vicina[0]) || !Presente(estratti, vicina[1])) {
                    continue;
                }
                for (int r : divisori) {
                    aggiungi(r, Ambetto, 1, 1.0L / (quante * a) * pagamenti::Ambetto / r * importo(Ambetto))
                        ->coppia = vicina;
                }
            }
        }
    }
    return vincite;
}

std::vector<Tipo_Vincita> VinciteGiocata(const Tipo_Giocata& giocata,
                                         const std::array<std::uint8_t, 55>& numeri,
                                         const ParametriVincite& parametri)
{
    std::vector<Tipo_Vincita> vincite;
    for (int ruota = 1; ruota <= RuoteArchivio; ++ruota) {
        std::vector<Tipo_Vincita> linee =
            VinciteGiocataRuota(giocata, ruota, NumeriEstrattiRuota(numeri, ruota), parametri);
        vincite.insert(vincite.end(), linee.begin(), linee.end());
    }
    return vincite;
}

double TotaleVincite(const std::vector<Tipo_Vincita>& vincite, double vincitaMassima)
{
    long double totale = 0;
    for (const Tipo_Vincita& v : vincite) {
        totale += v.importo;
    }
    return Limita(totale, vincitaMassima);
}

RisultatoCalcolo CalcolaVincita(int numeriGiocati, int indovinati, const std::array<double, 5>& importi,
                                int divisore, double vincitaMassima)
{
    RisultatoCalcolo risultato;
    const int n = std::clamp(numeriGiocati, 1, NumeriMassimiPerGiocata);
    const int h = std::clamp(indovinati, 0, n);
    const int r = divisore > 0 ? divisore : pagamenti::DivisoreRuota;
    long double totale = 0;
    for (int k = 1; k <= 5; ++k) {
        if (h < k || n < k) {
            continue;
        }
        const long double moltiplicatore =
            k == 1 ? pagamenti::EstrattoCalcolatore : pagamenti::MoltiplicatoreClasse(k);
        const long double vincita = Combinazioni(h, k) / Combinazioni(n, k) / r * moltiplicatore *
                                    static_cast<long double>(importi[static_cast<std::size_t>(k - 1)]);
        risultato.vincite[static_cast<std::size_t>(k - 1)] = Limita(vincita, vincitaMassima);
        totale += risultato.vincite[static_cast<std::size_t>(k - 1)];
    }
    risultato.totale = Limita(totale, vincitaMassima);
    return risultato;
}

ImportiCalcolatore LeggiImportiCalcolatore(const std::array<std::string, 5>& testi)
{
    ImportiCalcolatore letti;
    double somma = 0;
    for (std::size_t k = 0; k < testi.size(); ++k) {
        if (!LeggiImporto(testo::Trim(testi[k]), letti.importi[k])) {
            letti.errore = messaggi_vincite::ImportiNonValidi[k];
            letti.campo = static_cast<int>(k);
            return letti;
        }
        somma += letti.importi[k];
    }
    if (!(somma > 0)) {
        letti.errore = messaggi_vincite::ImportiZero;
    }
    return letti;
}
