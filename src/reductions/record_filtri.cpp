#include "reductions/record_filtri.h"

#include <algorithm>

namespace {

// Intervalli.def
constexpr std::size_t OffsetLimiti = 4;
constexpr std::size_t OffsetQuantita = 372;
constexpr std::size_t OffsetErroriIntervalli = 880;
// Filtri.def
constexpr std::size_t OffsetErroriFiltri = 4;
constexpr std::size_t OffsetFiltri = 8;
constexpr std::size_t DimensioneFiltro = 101;
// ConfSto.def
constexpr std::size_t OffsetEstrazioni = 4;
constexpr std::size_t OffsetPunteggiConfronti = 604;
constexpr std::size_t OffsetErroriConfronti = 1504;

constexpr int ValoriMassimi = 11; // counts and scores 0..10

// A count field, kept within the record's room (a damaged or foreign block never indexes beyond it).
template <std::size_t N> std::size_t Conteggio(const BloccoRecord<N>& blocco, std::size_t massimo)
{
    const std::int32_t n = LeggiCampoInt32(blocco, 0);
    return static_cast<std::size_t>(std::clamp<std::int32_t>(n, 0, static_cast<std::int32_t>(massimo)));
}

std::uint16_t Flags(const std::uint8_t* byte, int quanti)
{
    std::uint16_t flags = 0;
    for (int v = 0; v < quanti; ++v) {
        if (byte[v] != 0) {
            flags = static_cast<std::uint16_t>(flags | (1U << v));
        }
    }
    return flags;
}

void ScriviFlags(std::uint8_t* byte, std::uint16_t flags, int quanti)
{
    for (int v = 0; v < quanti; ++v) {
        byte[v] = static_cast<std::uint8_t>((flags >> v) & 1U);
    }
}

std::int32_t ErroriLetti(std::int32_t errori)
{
    return std::max<std::int32_t>(errori, 0);
}

} // namespace

std::string TestoMaschera(const Maschera90& maschera)
{
    std::string testo;
    for (int n = 1; n <= 90; ++n) {
        if (maschera.contiene(n)) {
            if (!testo.empty()) {
                testo += ' ';
            }
            testo += std::to_string(n);
        }
    }
    return testo;
}

std::string TestoValori(std::uint16_t flags)
{
    std::string testo;
    for (int v = 0; v < 16; ++v) {
        if (((flags >> v) & 1U) != 0) {
            if (!testo.empty()) {
                testo += ' ';
            }
            testo += std::to_string(v);
        }
    }
    return testo;
}

IntervalliNumeri IntervalliNumeri::daBlocco(const BloccoRecord<884>& blocco)
{
    IntervalliNumeri record;
    const std::size_t n = Conteggio(blocco, Massimo);
    for (std::size_t i = 0; i < n; ++i) {
        IntervalloNumeri intervallo;
        intervallo.basso = LeggiCampoInt32(blocco, OffsetLimiti + 8 * i);
        intervallo.alto = LeggiCampoInt32(blocco, OffsetLimiti + 8 * i + 4);
        intervallo.ammesse = Flags(blocco.data() + OffsetQuantita + ValoriMassimi * i, ValoriMassimi);
        record.intervalli.push_back(intervallo);
    }
    record.massimoErrori = ErroriLetti(LeggiCampoInt32(blocco, OffsetErroriIntervalli));
    return record;
}

BloccoRecord<884> IntervalliNumeri::blocco() const
{
    BloccoRecord<884> blocco{};
    const std::size_t n = std::min(intervalli.size(), Massimo);
    ScriviCampoInt32(blocco, 0, static_cast<std::int32_t>(n));
    for (std::size_t i = 0; i < n; ++i) {
        ScriviCampoInt32(blocco, OffsetLimiti + 8 * i, intervalli[i].basso);
        ScriviCampoInt32(blocco, OffsetLimiti + 8 * i + 4, intervalli[i].alto);
        ScriviFlags(blocco.data() + OffsetQuantita + ValoriMassimi * i, intervalli[i].ammesse, ValoriMassimi);
    }
    ScriviCampoInt32(blocco, OffsetErroriIntervalli, massimoErrori);
    return blocco;
}

int GruppiFissi::gruppiInUso() const
{
    return static_cast<int>(std::count(inUso.begin(), inUso.begin() + gruppi(), true));
}

GruppiFissi GruppiFissi::daBlocco(FamigliaGruppi famiglia, const std::uint8_t* dati, std::size_t dimensione)
{
    GruppiFissi record;
    record.famiglia = famiglia;
    const auto n = static_cast<std::size_t>(record.gruppi());
    if (dimensione < 12 * n + 4) {
        return record;
    }
    for (std::size_t g = 0; g < n; ++g) {
        record.inUso[g] = dati[g] != 0;
        record.ammesse[g] = Flags(dati + n + ValoriMassimi * g, ValoriMassimi);
    }
    std::int32_t errori = 0;
    std::memcpy(&errori, dati + 12 * n, sizeof errori);
    record.massimoErrori = ErroriLetti(errori);
    return record;
}

std::vector<std::uint8_t> GruppiFissi::byte() const
{
    const auto n = static_cast<std::size_t>(gruppi());
    std::vector<std::uint8_t> dati(12 * n + 4, 0);
    for (std::size_t g = 0; g < n; ++g) {
        dati[g] = inUso[g] ? 1 : 0;
        ScriviFlags(dati.data() + n + ValoriMassimi * g, ammesse[g], ValoriMassimi);
    }
    std::memcpy(dati.data() + 12 * n, &massimoErrori, sizeof massimoErrori);
    return dati;
}

Maschera90 NumeriGruppo(FamigliaGruppi famiglia, int gruppo)
{
    Maschera90 m;
    for (int n = 1; n <= 90; ++n) {
        bool dentro = false;
        switch (famiglia) {
        case FamigliaGruppi::Cadenze:
            dentro = n % 10 == gruppo % 10;
            break;
        case FamigliaGruppi::Figure:
            dentro = n % 9 == gruppo % 9;
            break;
        case FamigliaGruppi::Decine:
            dentro = (n - 1) / 10 + 1 == gruppo;
            break;
        }
        if (dentro) {
            m.aggiungi(n);
        }
    }
    return m;
}

GiocateFiltro GiocateFiltro::daBlocco(const BloccoRecord<15160>& blocco)
{
    GiocateFiltro record;
    const std::size_t n = Conteggio(blocco, Massimo);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t* voce = blocco.data() + OffsetFiltri + DimensioneFiltro * i;
        GiocataFiltro filtro;
        for (int numero = 1; numero <= 90; ++numero) {
            if (voce[numero - 1] != 0) {
                filtro.numeri.aggiungi(numero);
            }
        }
        filtro.punteggi = Flags(voce + 90, ValoriMassimi);
        record.filtri.push_back(filtro);
    }
    record.massimoErrori = ErroriLetti(LeggiCampoInt32(blocco, OffsetErroriFiltri));
    return record;
}

BloccoRecord<15160> GiocateFiltro::blocco() const
{
    BloccoRecord<15160> blocco{};
    const std::size_t n = std::min(filtri.size(), Massimo);
    ScriviCampoInt32(blocco, 0, static_cast<std::int32_t>(n));
    ScriviCampoInt32(blocco, OffsetErroriFiltri, massimoErrori);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint8_t* voce = blocco.data() + OffsetFiltri + DimensioneFiltro * i;
        for (int numero = 1; numero <= 90; ++numero) {
            voce[numero - 1] = filtri[i].numeri.contiene(numero) ? 1 : 0;
        }
        ScriviFlags(voce + 90, filtri[i].punteggi, ValoriMassimi);
    }
    return blocco;
}

std::string TestoGiocataFiltro(const GiocataFiltro& filtro)
{
    return TestoMaschera(filtro.numeri) + " - " + TestoValori(filtro.punteggi);
}

ConfrontiStorico ConfrontiStorico::daBlocco(const BloccoRecord<1508>& blocco)
{
    ConfrontiStorico record;
    const std::size_t n = Conteggio(blocco, Massimo);
    for (std::size_t i = 0; i < n; ++i) {
        ConfrontoStorico confronto;
        confronto.estrazioni = std::max<std::int32_t>(LeggiCampoInt32(blocco, OffsetEstrazioni + 4 * i), 1);
        confronto.punteggi =
            static_cast<std::uint8_t>(Flags(blocco.data() + OffsetPunteggiConfronti + 6 * i, 6));
        record.confronti.push_back(confronto);
    }
    record.massimoErrori = ErroriLetti(LeggiCampoInt32(blocco, OffsetErroriConfronti));
    return record;
}

BloccoRecord<1508> ConfrontiStorico::blocco() const
{
    BloccoRecord<1508> blocco{};
    const std::size_t n = std::min(confronti.size(), Massimo);
    ScriviCampoInt32(blocco, 0, static_cast<std::int32_t>(n));
    for (std::size_t i = 0; i < n; ++i) {
        ScriviCampoInt32(blocco, OffsetEstrazioni + 4 * i, confronti[i].estrazioni);
        ScriviFlags(blocco.data() + OffsetPunteggiConfronti + 6 * i, confronti[i].punteggi, 6);
    }
    ScriviCampoInt32(blocco, OffsetErroriConfronti, massimoErrori);
    return blocco;
}
