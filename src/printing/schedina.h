#pragma once

#include "core/impostazioni_generali.h"

#include <array>
#include <cstdint>
#include <string_view>

// Geometry of the paper slips: where the box of every element lies, in millimetres, how a calibration
// record moves and stretches it, and how a stake is split into the amount boxes.
namespace stampa {

// The slip models. Simbolotto is the current slip (with the Simbolotto and subscription boxes); Sng and Sci
// are only calibrated, never printed with plays.
enum class ModelloSchedina { Simbolotto, Mdn, LottoPiu, Sng, Sci };
enum class Orientamento { Verticale, Orizzontale };

// How many values the calibration record of a model has: 8 (slips with a box table), 5 (grids), 10.
int CampiCalibrazione(ModelloSchedina modello);
// The settings key prefix of a record ("new_calsimb_ver_"); the field number 1..N follows it.
std::string_view PrefissoCalibrazione(ModelloSchedina modello, Orientamento orientamento);

// One calibration record; field i (1-based) is valori[i - 1], the fields past the form's size stay 0.
struct CalibrazioneSchedina
{
    std::array<double, 10> valori{};
    double campo(int i) const { return valori[static_cast<std::size_t>(i - 1)]; }
    double& campo(int i) { return valori[static_cast<std::size_t>(i - 1)]; }
    bool operator==(const CalibrazioneSchedina&) const = default;
};

// The record of a model and orientation as the general settings hold it, and back.
CalibrazioneSchedina LeggiCalibrazione(const ImpostazioniGenerali& generali, ModelloSchedina modello,
                                       Orientamento orientamento);
void ScriviCalibrazione(ImpostazioniGenerali& generali, ModelloSchedina modello, Orientamento orientamento,
                        const CalibrazioneSchedina& record);
// The built-in defaults.
CalibrazioneSchedina CalibrazionePredefinita(ModelloSchedina modello, Orientamento orientamento);

struct Punto
{
    double x = 0;
    double y = 0;
};

// Element kinds of the slips with a box table (Simbolotto and Mdn).
namespace tipo {
constexpr int Numero = 1;   // a = 1..90
constexpr int Ruota = 2;    // a = box 1..12 in slip order (11 Tutte, 12 Nazionale)
constexpr int Estratto = 3; // 3..10: amount rows, a = column 1..13
constexpr int EstrattoDeterminato = 8;
constexpr int PosizioniDeterminato = 9; // position p in a = 2p + 3
constexpr int Ambetto = 10;             // current slip only
constexpr int Simbolotto = 20;          // current slip only
constexpr int Abbonamento = 30;         // current slip only, a = 1..7
} // namespace tipo

// The box of an element of the Simbolotto or Mdn slip, in slip millimetres before calibration.
Punto PosizioneSegno(ModelloSchedina modello, Orientamento orientamento, int tipo, int a);

// LottoPiù: number a (1..90) or wheel flag a (1..10 the named wheels, 11 Nazionale, 12 Tutte), in
// millimetres of the nominal page, from its 5-value record.
Punto PosizioneNumeroLottoPiu(Orientamento orientamento, const CalibrazioneSchedina& c, int a);
Punto PosizioneRuotaLottoPiu(Orientamento orientamento, const CalibrazioneSchedina& c, int a);
// Mod. SNG: kind 0 upper grid, 1 wheel row (a = 1..14), 2 amounts (column a, row riga), 3 lower grid.
Punto PosizioneSng(Orientamento orientamento, const CalibrazioneSchedina& c, int tipo, int a, int riga = 0);
// Mod. SCI: kind 0 numbers, 1 wheels (column k), 2 amounts (a, column k), 3 instant block (a = 0 its
// heading box).
Punto PosizioneSci(Orientamento orientamento, const CalibrazioneSchedina& c, int tipo, int a, int k = 0);

// The 13 amount boxes of a row, from 200 down to 0.05 euro, in thousandths of a euro.
inline constexpr std::array<std::int64_t, 13> CaselleImporto = {
    200000, 100000, 50000, 20000, 10000, 5000, 3000, 2000, 1000, 500, 200, 100, 50};

struct ImportoScomposto
{
    std::array<bool, 13> caselle{};
    bool stampabile = false; // nothing remained: the ticked boxes add up to the amount
};

// Ticks, from 200 down to 0.05, each box whose value still fits into what remains of the amount (taken to
// the nearest thousandth of a euro). Each box is used at most once, so 391.85 is the largest amount.
ImportoScomposto ScomponiImporto(double importo);

// The printer page as the printer reports it, in device pixels.
struct PaginaStampante
{
    int larghezzaPx = 0;
    int altezzaPx = 0;
    int dpiX = 0;
    int dpiY = 0;
    int offsetXPx = 0; // physical offset of the printable area from the paper's edge
    int offsetYPx = 0;
};

// The same page in millimetres. A value that cannot be computed (a non-positive size, resolution or offset)
// takes its default: width 200, height 290, offsets 10, so a printer without offsets counts as 10 mm.
struct PaginaMm
{
    double larghezza = 200;
    double altezza = 290;
    double sinistra = 10;
    double alto = 10;
};
PaginaMm MisuraPagina(const PaginaStampante& pagina);

// The nominal page the 5- and 10-value models are placed on, without offsets.
inline constexpr double LarghezzaNominale = 205.0;
inline constexpr double AltezzaNominale = 288.0;

} // namespace stampa
