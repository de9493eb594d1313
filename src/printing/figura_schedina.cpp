#include "printing/figura_schedina.h"

#include <algorithm>
#include <array>
#include <limits>

namespace stampa {

namespace {

constexpr std::array<const char*, 12> SigleRuote = {"BA", "CA", "FI", "GE", "MI", "NA",
                                                    "PA", "RM", "TO", "VE", "TT", "NZ"};
constexpr std::array<const char*, 13> ValoriCaselle = {"200", "100", "50",  "20",  "10",  "5",  "3",
                                                       "2",   "1",   ".50", ".20", ".10", ".05"};
constexpr std::array<const char*, 7> DurateAbbonamento = {"2", "3", "4", "5", "6", "9", "10"};

struct Casella
{
    Punto centro;
    std::string etichetta;
};

} // namespace

FiguraSchedina DisegnaFiguraSchedina(ModelloSchedina modello, Orientamento o,
                                     const CalibrazioneSchedina& record)
{
    const bool verticale = o == Orientamento::Verticale;
    const bool griglia = modello != ModelloSchedina::Simbolotto && modello != ModelloSchedina::Mdn;
    const double diametro = griglia ? record.campo(5) : 2.0;
    std::vector<Casella> caselle;
    auto aggiungi = [&](Punto p, std::string etichetta) {
        caselle.push_back({{p.x + diametro / 2, p.y + diametro / 2}, std::move(etichetta)});
    };
    for (int n = 1; n <= NumeroMassimo && !griglia; ++n) {
        aggiungi(modello == ModelloSchedina::LottoPiu ? PosizioneNumeroLottoPiu(o, record, n)
                                                      : PosizioneSegno(modello, o, tipo::Numero, n),
                 std::to_string(n));
    }
    if (modello == ModelloSchedina::Sng || modello == ModelloSchedina::Sci) {
        const bool sng = modello == ModelloSchedina::Sng;
        for (int n = 1; n <= NumeroMassimo; ++n) {
            aggiungi(sng ? PosizioneSng(o, record, 0, n) : PosizioneSci(o, record, 0, n), std::to_string(n));
            if (sng) {
                aggiungi(PosizioneSng(o, record, 3, n), std::to_string(n));
            }
        }
        for (int k = 1; k <= (sng ? 14 : 11); ++k) {
            aggiungi(sng ? PosizioneSng(o, record, 1, k) : PosizioneSci(o, record, 1, 1, k),
                     k <= 12 ? SigleRuote[static_cast<std::size_t>(k - 1)] : "");
        }
        if (!sng) {
            for (int a = 0; a <= 13; ++a) {
                aggiungi(PosizioneSci(o, record, 3, a), a == 0 ? "LI" : std::to_string(a));
            }
        }
    } else if (modello == ModelloSchedina::LottoPiu) {
        for (int n = 1; n <= NumeroMassimo; ++n) {
            aggiungi(PosizioneNumeroLottoPiu(o, record, n), std::to_string(n));
        }
        for (int r = 1; r <= 12; ++r) {
            // The flags in LottoPiù order: 11 Nazionale, 12 Tutte.
            aggiungi(PosizioneRuotaLottoPiu(o, record, r), SigleRuote[r == 11 ? 11 : (r == 12 ? 10 : r - 1)]);
        }
    } else {
        for (int r = 1; r <= 12; ++r) {
            aggiungi(PosizioneSegno(modello, o, tipo::Ruota, r), SigleRuote[static_cast<std::size_t>(r - 1)]);
        }
        const int ultimaRiga =
            modello == ModelloSchedina::Simbolotto ? tipo::Ambetto : tipo::PosizioniDeterminato;
        for (int k = tipo::Estratto; k <= ultimaRiga; ++k) {
            for (int a = 1; a <= 13; ++a) {
                if (k == tipo::PosizioniDeterminato) {
                    if (a >= 5 && a % 2 == 1) {
                        aggiungi(PosizioneSegno(modello, o, k, a), std::to_string((a - 3) / 2) + "ª");
                    }
                } else {
                    aggiungi(PosizioneSegno(modello, o, k, a),
                             ValoriCaselle[static_cast<std::size_t>(a - 1)]);
                }
            }
        }
        if (modello == ModelloSchedina::Simbolotto) {
            aggiungi(PosizioneSegno(modello, o, tipo::Simbolotto, 1), "S");
            for (int a = 1; a <= 7; ++a) {
                aggiungi(PosizioneSegno(modello, o, tipo::Abbonamento, a),
                         DurateAbbonamento[static_cast<std::size_t>(a - 1)]);
            }
        }
    }

    // Boxes a little smaller than the pitch of their grid.
    const double bw = griglia ? std::max(1.5, std::min(4.6, record.campo(3) * 0.8)) : (verticale ? 4.6 : 3.6);
    const double bh = griglia ? std::max(1.5, std::min(4.6, record.campo(4) * 0.8)) : (verticale ? 3.6 : 4.6);
    double minX = std::numeric_limits<double>::max(), minY = minX;
    double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
    for (const Casella& c : caselle) {
        minX = std::min(minX, c.centro.x - bw / 2);
        minY = std::min(minY, c.centro.y - bh / 2);
        maxX = std::max(maxX, c.centro.x + bw / 2);
        maxY = std::max(maxY, c.centro.y + bh / 2);
    }
    constexpr double Bordo = 5.0;
    FiguraSchedina f;
    f.origine = {minX - Bordo, minY - Bordo};
    f.disegno.larghezza = maxX - minX + 2 * Bordo;
    f.disegno.altezza = maxY - minY + 2 * Bordo;
    PaginaDisegno p;
    p.comandi.push_back(
        {TipoComando::Cornice, 0.5, 0.5, f.disegno.larghezza - 1, f.disegno.altezza - 1, 0, {}});
    for (const Casella& c : caselle) {
        const double x = c.centro.x - bw / 2 - f.origine.x;
        const double y = c.centro.y - bh / 2 - f.origine.y;
        p.comandi.push_back({TipoComando::Cornice, x, y, bw, bh, 0, {}});
        p.comandi.push_back(
            {TipoComando::Testo, x + 0.3, y + 0.4, 0, std::min(1.9, bh * 0.55), 0, c.etichetta});
    }
    f.disegno.pagine.push_back(std::move(p));
    return f;
}

} // namespace stampa
