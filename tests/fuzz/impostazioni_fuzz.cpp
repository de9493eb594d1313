// The settings files of the data folder: the records of the reductions (Quarvin.con and the .def files),
// the interval files, the custom scores, the probabilistic blocks a system file carries, the filter
// plays text, the substitution table text and the dictionary (Quarvin.smo and its shipped text). The first
// byte chooses the reader. The fixed-size records are read from an input cut or zero-padded to their size: a
// file of another size is refused at once, so only records of the right size reach the checks of their
// contents.
#include "editor/file_riduzioni.h"
#include "editor/record_riduzioni.h"
#include "editor/smorfia.h"
#include "fuzz_comune.h"
#include "reductions/accetta_giocate_filtro.h"
#include "reductions/condizioni_riduzione.h"
#include "reductions/record_filtri.h"
#include "reductions/rid_probabilistiche.h"
#include "reductions/rid_sostituzione.h"
#include "reductions/valida_condizioni.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace {

template <std::size_t N> BloccoRecord<N> Blocco(std::span<const std::uint8_t> dati)
{
    BloccoRecord<N> blocco{};
    std::copy_n(dati.begin(), std::min(N, dati.size()), blocco.begin());
    return blocco;
}

// Writes the input, fitted to the record's size, as the file `nome` of the data folder.
template <std::size_t N> void ScriviRecord(const char* nome, std::span<const std::uint8_t> dati)
{
    const BloccoRecord<N> blocco = Blocco<N>(dati);
    (void)fuzz::CartellaDiLavoro().scrivi(nome, blocco);
}

void Condizioni(std::span<const std::uint8_t> dati)
{
    ScriviRecord<17888>(file_riduzioni::Condizioni, dati);
    BloccoRecord<17888> record{};
    if (LeggiCondizioni(fuzz::CartellaDiLavoro().percorso(), record) == EsitoLettura::Letto) {
        const CondizioniRiduzione condizioni = CondizioniRiduzione::daBlocco(record);
        (void)ControllaCondizioni(condizioni);
        fuzz::Verifica(CondizioniRiduzione::daBlocco(condizioni.blocco()).blocco() == condizioni.blocco());
    }
}

void GiocateDiFiltro(std::span<const std::uint8_t> dati)
{
    ScriviRecord<15160>(file_riduzioni::GiocateFiltro, dati);
    BloccoRecord<15160> record{};
    if (LeggiGiocateFiltro(fuzz::CartellaDiLavoro().percorso(), record) != EsitoLettura::Letto) {
        return;
    }
    // Every filter play of the record exports to a line that imports back the same.
    for (const GiocataFiltro& filtro : GiocateFiltro::daBlocco(record).filtri) {
        if (filtro.vuota()) {
            continue;
        }
        const auto riletta = LeggiRigaGiocataFiltro(TestoGiocataFiltro(filtro));
        fuzz::Verifica(riletta && riletta->numeri == filtro.numeri && riletta->punteggi == filtro.punteggi);
    }
}

void Gruppi(std::span<const std::uint8_t> dati, int quale)
{
    const std::string cartella = fuzz::CartellaDiLavoro().percorso();
    switch (quale % 3) {
    case 0: {
        ScriviRecord<124>(file_riduzioni::Cadenze, dati);
        BloccoRecord<124> record{};
        if (LeggiCadenze(cartella, record) == EsitoLettura::Letto) {
            fuzz::Verifica(GruppiFissi::daBlocco(FamigliaGruppi::Cadenze, record).byte().size() ==
                           record.size());
        }
        break;
    }
    case 1: {
        ScriviRecord<112>(file_riduzioni::Figure, dati);
        BloccoRecord<112> record{};
        if (LeggiFigure(cartella, record) == EsitoLettura::Letto) {
            (void)GruppiFissi::daBlocco(FamigliaGruppi::Figure, record).gruppiInUso();
        }
        break;
    }
    default: {
        ScriviRecord<112>(file_riduzioni::Decine, dati);
        BloccoRecord<112> record{};
        if (LeggiDecine(cartella, record) == EsitoLettura::Letto) {
            (void)GruppiFissi::daBlocco(FamigliaGruppi::Decine, record).gruppiInUso();
        }
        break;
    }
    }
}

void FileIntervalliProbabilita(std::span<const std::uint8_t> dati, int quale)
{
    constexpr QualeFileIntervalli Quali[] = {QualeFileIntervalli::ProbabilitaRitardi,
                                             QualeFileIntervalli::ProbabilitaFrequenze,
                                             QualeFileIntervalli::ProbabilitaPersonali,
                                             QualeFileIntervalli::Frequenze, QualeFileIntervalli::Ritardi};
    const QualeFileIntervalli file = Quali[static_cast<std::size_t>(quale) % std::size(Quali)];
    ScriviRecord<1604>(NomeFileIntervalli(file), dati);
    FileIntervalli intervalli;
    if (CaricaIntervalli(fuzz::CartellaDiLavoro().percorso(), file, intervalli) == EsitoLettura::Letto) {
        fuzz::Verifica(intervalli.numero >= 0 && intervalli.numero <= FileIntervalli::Massimo);
    }
}

// The blocks of the probabilistic members come from the system file only: any bytes may be there.
void BlocchiProbabilistici(std::span<const std::uint8_t> dati)
{
    RecordRiduzioni record;
    record.probabilitaRitardi = Blocco<1968>(dati);
    record.probabilitaFrequenze = Blocco<1976>(dati);
    record.probabilitaPersonali = Blocco<2328>(dati);
    record.frequenze = Blocco<1968>(dati);
    record.ritardi = Blocco<1968>(dati);
    for (const MembroProbabilistico membro : MembriProbabilistici) {
        const auto impostazioni = ImpostazioniProbabilistiche::DalRecord(membro, record);
        fuzz::Verifica(impostazioni.intervalli.numero >= 0 &&
                       impostazioni.intervalli.numero <= ImpostazioniProbabilistiche::MassimoIntervalli);
        RecordRiduzioni riscritto;
        impostazioni.scriviIn(riscritto);
        (void)ImpostazioniProbabilistiche::DalRecord(membro, riscritto);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione)
{
    if (dimensione == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> file(dati + 1, dimensione - 1);
    const std::string cartella = fuzz::CartellaDiLavoro().percorso();
    const int variante = dati[0] / 16;
    switch (dati[0] % 13) {
    case 0:
        Condizioni(file);
        break;
    case 1:
        GiocateDiFiltro(file);
        break;
    case 2: {
        ScriviRecord<1508>(file_riduzioni::ConfrontoStorico, file);
        BloccoRecord<1508> record{};
        if (LeggiConfrontoStorico(cartella, record) == EsitoLettura::Letto) {
            fuzz::Verifica(ConfrontiStorico::daBlocco(record).confronti.size() <= ConfrontiStorico::Massimo);
        }
        break;
    }
    case 3: {
        ScriviRecord<884>(file_riduzioni::Intervalli, file);
        BloccoRecord<884> record{};
        if (LeggiIntervalliNumeri(cartella, record) == EsitoLettura::Letto) {
            fuzz::Verifica(IntervalliNumeri::daBlocco(record).intervalli.size() <= IntervalliNumeri::Massimo);
        }
        break;
    }
    case 4:
        Gruppi(file, variante);
        break;
    case 5: {
        ScriviRecord<2008>(file_riduzioni::Sostituzioni, file);
        BloccoRecord<2008> record{};
        if (LeggiSostituzioni(cartella, record) == EsitoLettura::Letto) {
            (void)TabellaDaRecord(record);
        }
        // Any bytes reach the table too: the record is not checked when the file is read.
        (void)TabellaDaRecord(Blocco<2008>(file));
        break;
    }
    case 6: {
        ScriviRecord<720>(file_riduzioni::Probabilita, file);
        std::array<double, 90> probabilita{};
        (void)LeggiProbabilitaPersonalizzate(cartella, probabilita);
        break;
    }
    case 7:
        FileIntervalliProbabilita(file, variante);
        break;
    case 8:
        BlocchiProbabilistici(file);
        break;
    case 9: {
        std::vector<GiocataFiltro> filtri;
        (void)ImportaGiocateFiltro(fuzz::CartellaDiLavoro().scrivi("filtri.txt", file), filtri);
        fuzz::Verifica(filtri.size() <= GiocateFiltro::Massimo);
        break;
    }
    case 10: {
        std::vector<smorfia::Voce> voci;
        (void)smorfia::LeggiSmorfia(fuzz::CartellaDiLavoro().scrivi("Quarvin.smo", file), voci);
        break;
    }
    case 11: {
        const auto lettura = LeggiRigheSostituzioni(RigheDaTesto(fuzz::Testo(file)), variante % 2 == 1);
        (void)lettura;
        break;
    }
    default: {
        std::vector<int> scartate;
        (void)smorfia::LeggiTestoSmorfia(fuzz::Testo(file), &scartate);
        break;
    }
    }
    return 0;
}
