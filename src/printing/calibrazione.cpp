#include "printing/calibrazione.h"

#include "core/testo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace stampa {

namespace {

constexpr double SenzaLimite = -1e300;

std::vector<CampoCalibrazione> CampiOttoValori()
{
    const char* area = " Area di stampa  (in millimetri) ";
    const char* testo = " Stampa Nome - Nº - Costo ";
    return {
        {1, area, "Margine sinistro:", 0.5, SenzaLimite},
        {2, area, "Margine superiore:", 0.5, SenzaLimite},
        {3, area, "Dimensione orizzontale:", 0.5, SenzaLimite},
        {4, area, "Dimensione verticale:", 0.5, SenzaLimite},
        {5, area, "Diametro dei segni:", 0.1, 0.1},
        {6, testo, "Margine sinistro:", 1, SenzaLimite},
        {7, testo, "Margine superiore:", 1, SenzaLimite},
        {8, testo, "Dimensione scritta:", 1, 0},
    };
}

// The 5-value fields; the steps are the millimetres of one pixel of the member's preview.
std::vector<CampoCalibrazione> CampiCinqueValori(std::array<double, 4> passi)
{
    const char* g = " Valori di calibrazione in millimetri ";
    return {
        {1, g, "Margine sinistro:", passi[0], 0},        {2, g, "Margine superiore:", passi[1], 0},
        {3, g, "Distanza tra le colonne:", passi[2], 0}, {4, g, "Distanza tra le righe:", passi[3], 0},
        {5, g, "Diametro dei segni:", 0.1, 0.1},
    };
}

std::vector<CampoCalibrazione> CampiDieciValori(bool verticale)
{
    const char* numeri = " Stampa numeri ";
    const char* importi = " Stampa importi ";
    const char* istantaneo = " Lotto Istantaneo ";
    const char* ruote = " Stampa ruote ";
    const char* margineMobile = verticale ? "Margine superiore:" : "Margine sinistro:";
    return {
        {1, numeri, "Margine sinistro:", 0.35, 0},
        {2, numeri, "Margine superiore:", 0.35, 0},
        {3, numeri, "Distanza tra le colonne:", 0.025, 0},
        {4, numeri, "Distanza tra le righe:", 0.025, 0},
        {5, numeri, "Diametro dei segni:", 0.1, 0.1},
        {6, importi, margineMobile, 0.35, 0},
        {7, istantaneo, "Margine sinistro:", 0.35, 0},
        {8, istantaneo, "Margine superiore:", 0.35, 0},
        {9, istantaneo, verticale ? "Distanza tra le righe:" : "Distanza tra le colonne:", 0.025, 0},
        {10, ruote, margineMobile, 0.35, 0},
    };
}

using M = ModelloSchedina;
using O = Orientamento;

const std::array<DescrizioneCalibrazione, NumeroMembriCalibrazione>& Membri()
{
    static const std::array<DescrizioneCalibrazione, NumeroMembriCalibrazione> membri = {{
        {"TCalibraScheSimbolottoVer",
         "Calibra la stampa verticale",
         M::Simbolotto,
         O::Verticale,
         "stampa_calibra_nuove_ver.htm",
         56.5,
         {1, 6},
         CampiOttoValori()},
        {"TCalibraSimbolottoOr",
         "Calibra la stampa orizzontale",
         M::Simbolotto,
         O::Orizzontale,
         "stampa_calibra_nuove_or.htm",
         56.5,
         {1, 6},
         CampiOttoValori()},
        {"TCalibraNuoveVer",
         "Calibra la stampa verticale",
         M::Mdn,
         O::Verticale,
         "stampa_calibra_nuove_ver.htm",
         56.5,
         {1, 6},
         CampiOttoValori()},
        {"TCalibraNuoveOr",
         "Calibra la stampa orizzontale",
         M::Mdn,
         O::Orizzontale,
         "stampa_calibra_nuove_or.htm",
         56.5,
         {1, 6},
         CampiOttoValori()},
        {"TCalibLPiuVer",
         "Calibra la stampa verticale su schedine LottoPiù",
         M::LottoPiu,
         O::Verticale,
         "stampa_calibra_ver_lp.htm",
         55.5,
         {1},
         CampiCinqueValori({0.34516129, 0.34660422, 0.03851158, 0.04332553})},
        {"TCalibLPiuOr",
         "Calibra la stampa orizzontale su schedine LottoPiù",
         M::LottoPiu,
         O::Orizzontale,
         "stampa_calibra_or_lp.htm",
         55.5,
         {1},
         CampiCinqueValori({0.34660422, 0.34516129, 0.04332553, 0.03851158})},
        {"TNewCalibraVer",
         "Calibra la stampa verticale su schedine",
         M::Sng,
         O::Verticale,
         "stampa_calibra_ver.htm",
         56.5,
         {1},
         CampiCinqueValori({0.35, 0.35, 0.025, 0.025})},
        {"TNewCalibra",
         "Calibra la stampa orizzontale su schedine",
         M::Sng,
         O::Orizzontale,
         "stampa_calibra_or.htm",
         56.5,
         {1},
         CampiCinqueValori({0.35, 0.35, 0.025, 0.025})},
        {"TOldCalibraVer",
         "Calibra la stampa verticale su schedine",
         M::Sci,
         O::Verticale,
         "stampa_calibra_ver.htm",
         56.5,
         {1, 6, 7, 10},
         CampiDieciValori(true)},
        {"TOldCalibra",
         "Calibra la stampa orizzontale su schedine",
         M::Sci,
         O::Orizzontale,
         "stampa_calibra_or.htm",
         0.8,
         {1, 6, 7, 10},
         CampiDieciValori(false)},
    }};
    return membri;
}

bool OttoValori(MembroCalibrazione m)
{
    return CampiCalibrazione(Descrizione(m).modello) == 8;
}

} // namespace

const DescrizioneCalibrazione& Descrizione(MembroCalibrazione membro)
{
    return Membri()[static_cast<std::size_t>(membro)];
}

MembroCalibrazione MembroDi(ModelloSchedina modello, Orientamento orientamento)
{
    for (int i = 0; i < NumeroMembriCalibrazione; ++i) {
        const auto& d = Membri()[static_cast<std::size_t>(i)];
        if (d.modello == modello && d.orientamento == orientamento) {
            return static_cast<MembroCalibrazione>(i);
        }
    }
    return MembroCalibrazione::SimbolottoVerticale;
}

double DimensioneNominale(ModelloSchedina modello, Orientamento orientamento, int asse)
{
    const Punto fine = PosizioneSegno(modello, orientamento, tipo::EstrattoDeterminato, 13);
    const Punto inizio = PosizioneSegno(modello, orientamento, tipo::Numero, 1);
    return asse == 0 ? fine.x - inizio.x : fine.y - inizio.y;
}

CalibrazioneSchedina RecordDiLavoro(MembroCalibrazione membro, const CalibrazioneSchedina& memorizzato)
{
    CalibrazioneSchedina r = memorizzato;
    if (OttoValori(membro)) {
        const auto& d = Descrizione(membro);
        r.campo(3) *= DimensioneNominale(d.modello, d.orientamento, 0);
        r.campo(4) *= DimensioneNominale(d.modello, d.orientamento, 1);
    }
    return r;
}

CalibrazioneSchedina RecordDaMemorizzare(MembroCalibrazione membro, const CalibrazioneSchedina& lavoro)
{
    CalibrazioneSchedina r = lavoro;
    if (OttoValori(membro)) {
        const auto& d = Descrizione(membro);
        r.campo(3) /= DimensioneNominale(d.modello, d.orientamento, 0);
        r.campo(4) /= DimensioneNominale(d.modello, d.orientamento, 1);
    }
    return r;
}

void CambiaBloccaggio(MembroCalibrazione membro, CalibrazioneSchedina& lavoro, bool centraleOra,
                      bool centrale)
{
    if (centraleOra == centrale) {
        return;
    }
    const auto& d = Descrizione(membro);
    for (int campo : d.campiCentrali) {
        if (centrale) {
            lavoro.campo(campo) += d.spostamentoCentrale;
        } else {
            lavoro.campo(campo) = std::max(0.0, lavoro.campo(campo) - d.spostamentoCentrale);
        }
    }
}

void Spingi(MembroCalibrazione membro, CalibrazioneSchedina& lavoro, std::size_t indice, int verso)
{
    const auto& campi = Descrizione(membro).campi;
    if (indice >= campi.size()) {
        return;
    }
    const CampoCalibrazione& c = campi[indice];
    double& v = lavoro.campo(c.campo);
    v += verso * c.passo;
    // Steps like 0.1 leave binary noise behind; values are shown and stored to a few decimals anyway.
    v = std::round(v * 1e9) / 1e9;
    v = std::max(v, c.minimo);
}

CalibrazioneSchedina ValoriOriginali(MembroCalibrazione membro, bool centrale)
{
    const auto& d = Descrizione(membro);
    CalibrazioneSchedina r = RecordDiLavoro(membro, CalibrazionePredefinita(d.modello, d.orientamento));
    CambiaBloccaggio(membro, r, false, centrale);
    return r;
}

std::string TestoValore(double valore)
{
    std::string t = testo::Fisso(valore, 8);
    if (t.empty()) {
        return t;
    }
    while (t.size() > 2 && t.back() == '0' && t[t.size() - 2] != '.') {
        t.pop_back();
    }
    return t == "-0.0" ? "0.0" : t;
}

bool LeggiValore(const std::string& testo, double& valore)
{
    std::string t = testo::Trim(testo);
    std::replace(t.begin(), t.end(), ',', '.');
    if (t.empty() || t.size() > 30 || std::count(t.begin(), t.end(), '.') > 1) {
        return false;
    }
    std::size_t inizio = t[0] == '-' ? 1 : 0;
    if (inizio == t.size()) {
        return false;
    }
    for (std::size_t i = inizio; i < t.size(); ++i) {
        if (t[i] != '.' && (t[i] < '0' || t[i] > '9')) {
            return false;
        }
    }
    if (t == "." || t == "-.") {
        return false;
    }
    // from_chars ignores the process locale (an Italian desktop would make strtod stop at the point).
    const auto [fine, errore] = std::from_chars(t.data(), t.data() + t.size(), valore);
    if (errore != std::errc() || fine != t.data() + t.size()) {
        return false;
    }
    return std::isfinite(valore);
}

Impaginazione ImpaginaProva(MembroCalibrazione membro, const CalibrazioneSchedina& c,
                            const PaginaStampante& pagina)
{
    const auto& d = Descrizione(membro);
    Impaginazione imp;
    PaginaDisegno p;
    if (OttoValori(membro)) {
        const PaginaMm mm = MisuraPagina(pagina);
        imp.larghezza = mm.larghezza;
        imp.altezza = mm.altezza;
        p.comandi.push_back(
            SegnoCalibrato(PosizioneSegno(d.modello, d.orientamento, tipo::Numero, 1), c, mm));
        p.comandi.push_back(
            SegnoCalibrato(PosizioneSegno(d.modello, d.orientamento, tipo::EstrattoDeterminato, 13), c, mm));
        p.comandi.push_back(TestoCalibrato("Nome", 0, c, mm));
        p.comandi.push_back(TestoCalibrato("Schedina Nº 0", 1, c, mm));
        p.comandi.push_back(TestoCalibrato("0,00 €", 2, c, mm));
        imp.pagine.push_back(std::move(p));
        return imp;
    }
    imp.larghezza = LarghezzaNominale;
    imp.altezza = AltezzaNominale;
    std::vector<Punto> punti;
    const O o = d.orientamento;
    switch (d.modello) {
    case M::LottoPiu:
        punti = {PosizioneNumeroLottoPiu(o, c, 1), PosizioneNumeroLottoPiu(o, c, 90),
                 PosizioneRuotaLottoPiu(o, c, 1), PosizioneRuotaLottoPiu(o, c, 11)};
        break;
    case M::Sng:
        punti = {PosizioneSng(o, c, 0, 1), PosizioneSng(o, c, 0, 15), PosizioneSng(o, c, 3, 76),
                 PosizioneSng(o, c, 3, 90)};
        break;
    default:
        punti = {PosizioneSci(o, c, 0, 1),    PosizioneSci(o, c, 0, 90),    PosizioneSci(o, c, 1, 1, 11),
                 PosizioneSci(o, c, 2, 1, 1), PosizioneSci(o, c, 2, 18, 9), PosizioneSci(o, c, 3, 0),
                 PosizioneSci(o, c, 3, 1),    PosizioneSci(o, c, 3, 13)};
        break;
    }
    for (const Punto& q : punti) {
        p.comandi.push_back({TipoComando::Segno, q.x, q.y, c.campo(5), c.campo(5), 0, {}});
    }
    imp.pagine.push_back(std::move(p));
    return imp;
}

} // namespace stampa
