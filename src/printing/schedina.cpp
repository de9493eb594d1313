#include "printing/schedina.h"

#include <cmath>

namespace stampa {

namespace {

struct Record
{
    double x0, y0, dx, dy;
};

// The box tables: numbers, wheels (and the Simbolotto box), amount grid, subscription row.
struct Tavola
{
    Record numeri, ruote, importi, abbonamento;
};

constexpr Tavola MdnVerticale{{0.0, 0.0, 7.0, 6.9}, {83.0, -0.3, 0.0, 5.18}, {14.5, 74.0, 5.75, 6.593}, {}};
constexpr Tavola MdnOrizzontale{{1.0, 84.0, 6.9, 7.0}, {0.0, 0.7, 5.18, 0.0}, {75.1, 0.0, 6.593, 5.75}, {}};
constexpr Tavola SimbVerticale{{0.0, 0.0, 7.0, 6.9},
                               {83.0, -0.3, 0.0, 5.18},
                               {14.1, 78.6151, 5.75, 6.58},
                               {42.85, 78.6151, 6.7452, 6.5}};
constexpr Tavola SimbOrizzontale{
    {1.0, 84.0, 6.9, 7.0}, {0.0, 0.7, 5.18, 0.0}, {79.7151, 0.5, 6.58, 5.75}, {79.7151, 0.5, 6.58, 6.7452}};

const Tavola& TavolaSchedina(ModelloSchedina modello, Orientamento o)
{
    const bool v = o == Orientamento::Verticale;
    if (modello == ModelloSchedina::Mdn) {
        return v ? MdnVerticale : MdnOrizzontale;
    }
    return v ? SimbVerticale : SimbOrizzontale;
}

template <std::size_t N> CalibrazioneSchedina DaArray(const std::array<double, N>& a)
{
    CalibrazioneSchedina c;
    for (std::size_t i = 0; i < N; ++i) {
        c.valori[i] = a[i];
    }
    return c;
}

template <std::size_t N> void InArray(const CalibrazioneSchedina& c, std::array<double, N>& a)
{
    for (std::size_t i = 0; i < N; ++i) {
        a[i] = c.valori[i];
    }
}

// Calls `fai` with the general settings' array of the model and orientation.
template <typename G, typename F> void ConArray(G& g, ModelloSchedina m, Orientamento o, F fai)
{
    const bool v = o == Orientamento::Verticale;
    switch (m) {
    case ModelloSchedina::Simbolotto:
        v ? fai(g.newCalsimbVer) : fai(g.newCalsimbOr);
        break;
    case ModelloSchedina::Mdn:
        v ? fai(g.newCalscheVer) : fai(g.newCalscheOr);
        break;
    case ModelloSchedina::LottoPiu:
        v ? fai(g.calVerLp) : fai(g.calOrLp);
        break;
    case ModelloSchedina::Sng:
        v ? fai(g.newCalVer) : fai(g.newCalOr);
        break;
    case ModelloSchedina::Sci:
        v ? fai(g.calVer) : fai(g.calOr);
        break;
    }
}

} // namespace

int CampiCalibrazione(ModelloSchedina modello)
{
    switch (modello) {
    case ModelloSchedina::Simbolotto:
    case ModelloSchedina::Mdn:
        return 8;
    case ModelloSchedina::Sci:
        return 10;
    default:
        return 5;
    }
}

std::string_view PrefissoCalibrazione(ModelloSchedina modello, Orientamento o)
{
    const bool v = o == Orientamento::Verticale;
    switch (modello) {
    case ModelloSchedina::Simbolotto:
        return v ? "new_calsimb_ver_" : "new_calsimb_or_";
    case ModelloSchedina::Mdn:
        return v ? "new_calsche_ver_" : "new_calsche_or_";
    case ModelloSchedina::LottoPiu:
        return v ? "cal_ver_lp_" : "cal_or_lp_";
    case ModelloSchedina::Sng:
        return v ? "new_cal_ver_" : "new_cal_or_";
    case ModelloSchedina::Sci:
        return v ? "cal_ver_" : "cal_or_";
    }
    return {};
}

CalibrazioneSchedina LeggiCalibrazione(const ImpostazioniGenerali& generali, ModelloSchedina modello,
                                       Orientamento orientamento)
{
    CalibrazioneSchedina c;
    ConArray(generali, modello, orientamento, [&c](const auto& a) { c = DaArray(a); });
    return c;
}

void ScriviCalibrazione(ImpostazioniGenerali& generali, ModelloSchedina modello, Orientamento orientamento,
                        const CalibrazioneSchedina& record)
{
    ConArray(generali, modello, orientamento, [&record](auto& a) { InArray(record, a); });
}

CalibrazioneSchedina CalibrazionePredefinita(ModelloSchedina modello, Orientamento orientamento)
{
    return LeggiCalibrazione(ImpostazioniGenerali{}, modello, orientamento);
}

Punto PosizioneSegno(ModelloSchedina modello, Orientamento orientamento, int tipoElemento, int a)
{
    const Tavola& t = TavolaSchedina(modello, orientamento);
    const bool v = orientamento == Orientamento::Verticale;
    switch (tipoElemento) {
    case tipo::Numero: {
        const Record& r = t.numeri;
        if (v) {
            return {r.x0 + ((a - 1) % 10) * r.dx, r.y0 + ((a - 1) / 10) * r.dy};
        }
        return {r.x0 + ((a - 1) / 10) * r.dx, r.y0 - ((a - 1) % 10) * r.dy};
    }
    case tipo::Ruota: {
        const Record& r = t.ruote;
        return v ? Punto{r.x0, r.y0 + (a - 1) * r.dy} : Punto{r.x0 + (a - 1) * r.dx, r.y0};
    }
    case tipo::Simbolotto: {
        const Record& r = t.ruote;
        return v ? Punto{r.x0, r.y0 + 12.4 * r.dy} : Punto{r.x0 + 12.4 * r.dx, r.y0};
    }
    case tipo::Abbonamento: {
        const Record& r = t.abbonamento;
        return v ? Punto{r.x0 + (a - 1) * r.dx, r.y0 + 8.82 * r.dy}
                 : Punto{r.x0 + 8.82 * r.dx, r.y0 + (7 - a) * r.dy};
    }
    default: {
        // The amount grid, kinds 3..10: one row per kind, one column per box.
        const Record& r = t.importi;
        const int riga = tipoElemento - tipo::Estratto;
        return v ? Punto{r.x0 + (a - 1) * r.dx, r.y0 + riga * r.dy}
                 : Punto{r.x0 + riga * r.dx, r.y0 + (13 - a) * r.dy};
    }
    }
}

Punto PosizioneNumeroLottoPiu(Orientamento o, const CalibrazioneSchedina& c, int a)
{
    const double l = c.campo(1), t = c.campo(2), col = c.campo(3), rig = c.campo(4);
    const int b = a - 1;
    if (o == Orientamento::Verticale) {
        return {l + col * (b % 10), t + rig * (b / 10)};
    }
    return {l + col * (b / 10), t + rig * (9 - b % 10)};
}

Punto PosizioneRuotaLottoPiu(Orientamento o, const CalibrazioneSchedina& c, int a)
{
    const double l = c.campo(1), t = c.campo(2), col = c.campo(3), rig = c.campo(4);
    const int d = (a - 1) / 2 + 1;
    // The wheel rows pair two wheels; Nazionale sits where an even wheel would, Tutte where an odd one would.
    const bool primaColonna = (a % 2 == 1 && a != 11) || a == 12;
    const double passo = 11 - 0.17 / 7 + 5.6 / 7 * d;
    if (o == Orientamento::Verticale) {
        return {l + col * (primaColonna ? -2 : 1), t + rig * passo};
    }
    return {l + col * passo, t + rig * (primaColonna ? 11 : 8)};
}

Punto PosizioneSng(Orientamento o, const CalibrazioneSchedina& c, int tipoElemento, int a, int riga)
{
    const double l = c.campo(1), t = c.campo(2), col = c.campo(3), rig = c.campo(4);
    const int b = a - 1;
    const bool v = o == Orientamento::Verticale;
    switch (tipoElemento) {
    case 0:
        return v ? Punto{l + col * (b % 15), t + rig * (b / 15)}
                 : Punto{l + col * (b / 15), t + rig * (14 - b % 15)};
    case 1:
        if (v) {
            return {l + 27 * col / 36 + (14 * col - 27 * col / 36) / 6 * (a > 7 ? a - 8 : a - 1),
                    t + rig * (a > 7 ? 8 : 7)};
        }
        return {l + col * (a > 7 ? 8 : 7), t + (14 * rig - 27 * rig / 36) / 6 * (a > 7 ? 14 - a : 7 - a)};
    case 2:
        if (v) {
            return {l + 54 * col / 36 + (14 * col - 54 * col / 36) / 17 * (a - 1), t + rig * (riga + 11)};
        }
        return {l + col * (riga + 11), t + (14 * rig - 54 * rig / 36) / 17 * (18 - a)};
    default:
        return v ? Punto{l + col * (b % 15), t + rig * (b / 15 + 28)}
                 : Punto{l + col * (b / 15 + 28), t + rig * (14 - b % 15)};
    }
}

Punto PosizioneSci(Orientamento o, const CalibrazioneSchedina& c, int tipoElemento, int a, int k)
{
    auto v = [&c](int i) { return c.campo(i); };
    const int b = a - 1;
    if (o == Orientamento::Verticale) {
        switch (tipoElemento) {
        case 0:
            return {v(1) + v(3) * (12 - b / 10), v(2) + v(4) * (b % 10)};
        case 1:
            return {v(1) + v(3) * (13 - k), v(10)};
        case 2:
            return {v(1) + v(3) * (13 - k), v(6) + v(4) * b};
        default:
            return a == 0 ? Punto{v(7), v(8)} : Punto{v(7) - v(3), v(4) * 8 + v(8) + b * v(9)};
        }
    }
    switch (tipoElemento) {
    case 0:
        return {v(1) + v(3) * (b % 10), v(2) + v(4) * (b / 10)};
    case 1:
        return {v(10), v(2) + v(4) * (k - 1)};
    case 2:
        return {v(6) + v(3) * b, v(2) + v(4) * (k - 1)};
    default:
        return a == 0 ? Punto{v(7), v(8)} : Punto{v(7) + 8 * v(3) + b * v(9), v(8) + v(4)};
    }
}

ImportoScomposto ScomponiImporto(double importo)
{
    ImportoScomposto esito;
    if (!std::isfinite(importo) || importo < 0 || importo > 1e9) {
        return esito;
    }
    std::int64_t resto = std::llround(importo * 1000.0);
    for (std::size_t i = 0; i < CaselleImporto.size(); ++i) {
        if (resto >= CaselleImporto[i]) {
            esito.caselle[i] = true;
            resto -= CaselleImporto[i];
        }
    }
    esito.stampabile = resto == 0;
    return esito;
}

PaginaMm MisuraPagina(const PaginaStampante& p)
{
    PaginaMm mm;
    if (p.larghezzaPx > 0 && p.dpiX > 0) {
        mm.larghezza = p.larghezzaPx * 25.4 / p.dpiX;
    }
    if (p.altezzaPx > 0 && p.dpiY > 0) {
        mm.altezza = p.altezzaPx * 25.4 / p.dpiY;
    }
    if (p.offsetXPx > 0 && p.dpiX > 0) {
        mm.sinistra = p.offsetXPx * 25.4 / p.dpiX;
    }
    if (p.offsetYPx > 0 && p.dpiY > 0) {
        mm.alto = p.offsetYPx * 25.4 / p.dpiY;
    }
    return mm;
}

} // namespace stampa
