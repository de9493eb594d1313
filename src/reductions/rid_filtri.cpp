#include "reductions/rid_filtri.h"

#include "core/testo.h"
#include "editor/sviluppo_integrale.h"
#include "reductions/finestre_confronti.h"
#include "reductions/percorso_pronostico.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int64_t IntervalloVerificaStoricaFiltro = 153;

template <std::size_t N> std::vector<std::uint8_t> Byte(const BloccoRecord<N>& blocco)
{
    return {blocco.begin(), blocco.end()};
}

template <std::size_t N> void Copia(const std::vector<std::uint8_t>& byte, BloccoRecord<N>& blocco)
{
    std::memcpy(blocco.data(), byte.data(), std::min(byte.size(), N));
}

// The sets of the draws the comparisons look at: the latest N of the largest comparison.
std::unique_ptr<UsciteSottoinsiemi> UsciteRecenti(const FiltroRiduzione& filtro)
{
    const ArchivioStorico& archivio = *filtro.archivio();
    const std::int32_t d = archivio.conteggio();
    return UsciteArchivio(archivio, filtro.ruote(), d - filtro.confronti()->estrazioniMassime() + 1, d);
}

std::array<std::int32_t, 5> Ultime(const UsciteSottoinsiemi& uscite, const Tipo_Giocata& giocata)
{
    return uscite.ultime(giocata.data(), NumeriGiocata(giocata));
}

std::string TestoRiga(const IntervalloNumeri& intervallo)
{
    return "Quantità numeri da " + std::to_string(intervallo.basso) + " a " +
           std::to_string(intervallo.alto) + ": " + TestoValori(intervallo.ammesse);
}

} // namespace

IntervalliNumeri IntervalliDelSistema(const Sistema& sistema)
{
    return IntervalliNumeri::daBlocco(sistema.riduzioni.intervalli);
}

GruppiFissi GruppiDelSistema(const Sistema& sistema, FamigliaGruppi famiglia)
{
    switch (famiglia) {
    case FamigliaGruppi::Cadenze:
        return GruppiFissi::daBlocco(famiglia, sistema.riduzioni.cadenze);
    case FamigliaGruppi::Figure:
        return GruppiFissi::daBlocco(famiglia, sistema.riduzioni.figure);
    case FamigliaGruppi::Decine:
        break;
    }
    return GruppiFissi::daBlocco(famiglia, sistema.riduzioni.decine);
}

GiocateFiltro GiocateFiltroDelSistema(const Sistema& sistema)
{
    return GiocateFiltro::daBlocco(sistema.riduzioni.giocateFiltro);
}

ConfrontiStorico ConfrontiDelSistema(const Sistema& sistema)
{
    return ConfrontiStorico::daBlocco(sistema.riduzioni.confrontoStorico);
}

void ImpostaIntervalli(Sistema& sistema, const IntervalliNumeri& record)
{
    sistema.riduzioni.intervalli = record.blocco();
}

void ImpostaGruppi(Sistema& sistema, const GruppiFissi& record)
{
    switch (record.famiglia) {
    case FamigliaGruppi::Cadenze:
        Copia(record.byte(), sistema.riduzioni.cadenze);
        return;
    case FamigliaGruppi::Figure:
        Copia(record.byte(), sistema.riduzioni.figure);
        return;
    case FamigliaGruppi::Decine:
        Copia(record.byte(), sistema.riduzioni.decine);
        return;
    }
}

void ImpostaGiocateFiltro(Sistema& sistema, const GiocateFiltro& record)
{
    sistema.riduzioni.giocateFiltro = record.blocco();
}

void ImpostaConfronti(Sistema& sistema, const ConfrontiStorico& record)
{
    sistema.riduzioni.confrontoStorico = record.blocco();
}

FamigliaGruppi FamigliaDelMembro(MembroFiltro membro)
{
    switch (membro) {
    case MembroFiltro::Figure:
        return FamigliaGruppi::Figure;
    case MembroFiltro::Decine:
        return FamigliaGruppi::Decine;
    default:
        return FamigliaGruppi::Cadenze;
    }
}

FiltroRiduzione FiltroRiduzione::DelSistema(MembroFiltro membro, const Sistema& sistema,
                                            const ArchivioStorico& archivio)
{
    switch (membro) {
    case MembroFiltro::Numeri:
        return DaIntervalli(IntervalliDelSistema(sistema));
    case MembroFiltro::Cadenze:
    case MembroFiltro::Figure:
    case MembroFiltro::Decine:
        return DaGruppi(GruppiDelSistema(sistema, FamigliaDelMembro(membro)));
    case MembroFiltro::GiocateFiltro:
        return DaGiocateFiltro(GiocateFiltroDelSistema(sistema));
    case MembroFiltro::ConfrontoStorico:
        break;
    }
    return DaConfronti(ConfrontiDelSistema(sistema), archivio, sistema.ruote);
}

FiltroRiduzione FiltroRiduzione::DaIntervalli(const IntervalliNumeri& record)
{
    FiltroRiduzione filtro(MembroFiltro::Numeri, FiltroNumeri::DaIntervalli(record));
    for (const auto& intervallo : record.intervalli) {
        filtro.m_righe.push_back(TestoRiga(intervallo));
        filtro.m_inUso.push_back(true);
    }
    return filtro;
}

FiltroRiduzione FiltroRiduzione::DaGruppi(const GruppiFissi& record)
{
    static constexpr std::array Membri{MembroFiltro::Cadenze, MembroFiltro::Figure, MembroFiltro::Decine};
    FiltroRiduzione filtro(Membri[static_cast<std::size_t>(record.famiglia)], FiltroNumeri::DaGruppi(record));
    for (int g = 1; g <= record.gruppi(); ++g) {
        filtro.m_righe.push_back(TestoMaschera(NumeriGruppo(record.famiglia, g)));
        filtro.m_inUso.push_back(record.inUso[static_cast<std::size_t>(g - 1)]);
    }
    return filtro;
}

FiltroRiduzione FiltroRiduzione::DaGiocateFiltro(const GiocateFiltro& record)
{
    FiltroRiduzione filtro(MembroFiltro::GiocateFiltro, FiltroNumeri::DaGiocateFiltro(record));
    for (const auto& f : record.filtri) {
        filtro.m_righe.push_back(TestoGiocataFiltro(f));
        filtro.m_inUso.push_back(true);
    }
    return filtro;
}

FiltroRiduzione FiltroRiduzione::DaConfronti(const ConfrontiStorico& record, const ArchivioStorico& archivio,
                                             const SegniRuote& ruote)
{
    FiltroRiduzione filtro(MembroFiltro::ConfrontoStorico, FiltroConfronti(record));
    filtro.m_archivio = &archivio;
    filtro.m_ruote = ruote;
    for (const auto& c : filtro.confronti()->confronti()) {
        filtro.m_righe.push_back("Nº estrazioni: " + std::to_string(c.estrazioni) +
                                 " - Punti: " + TestoValori(c.punteggi));
        filtro.m_inUso.push_back(true);
    }
    return filtro;
}

std::int32_t FiltroRiduzione::massimoErrori() const
{
    return numeri() != nullptr ? numeri()->massimoErrori() : confronti()->massimoErrori();
}

const char* FiltroRiduzione::titoloCriteri() const
{
    switch (m_membro) {
    case MembroFiltro::Numeri:
        return "Intervalli";
    case MembroFiltro::Cadenze:
        return "Cadenze";
    case MembroFiltro::Figure:
        return "Figure";
    case MembroFiltro::Decine:
        return "Decine";
    case MembroFiltro::GiocateFiltro:
        return "Giocate filtro";
    case MembroFiltro::ConfrontoStorico:
        break;
    }
    return "Confronti";
}

std::size_t RigheConteggi(const FiltroRiduzione& filtro)
{
    return filtro.righe().size() + 1;
}

EsitoRiduzione RiduzioneFiltro(Sistema& sistema, ElencoGiocate& giocate, const FiltroRiduzione& filtro,
                               ModoFiltro modo, bool consideraFisse, ControlloEsecuzione& controllo)
{
    EsecuzioneRiduzione esecuzione(sistema, giocate, controllo, OpzioniFiltro(modo, consideraFisse));
    esecuzione.avvia();
    const bool fisse = esecuzione.consideraFisse();
    const auto conFisse = [&](const Tipo_Giocata& g) { return !fisse || esecuzione.conFisse(g); };

    if (modo == ModoFiltro::Giocate) {
        EsitoRiduzione esito = [&] {
            if (const FiltroNumeri* numeri = filtro.numeri()) {
                return FiltraGiocate(esecuzione, [&](const Tipo_Giocata& g) {
                    return conFisse(g) && numeri->accettata(MascheraGiocata(g));
                });
            }
            const auto uscite = UsciteRecenti(filtro);
            const std::int32_t riferimento = filtro.archivio()->conteggio() + 1;
            return FiltraGiocate(esecuzione, [&](const Tipo_Giocata& g) {
                return conFisse(g) && filtro.confronti()->accettata(Ultime(*uscite, g), riferimento);
            });
        }();
        if (esito.codice == CodiceRiduzione::Completata) {
            sistema.modificato = true;
        }
        return esito;
    }

    std::vector<std::uint8_t> numeriFissi;
    if (fisse) {
        numeriFissi.assign(sistema.fisse.begin(),
                           sistema.fisse.begin() + std::clamp(sistema.numeroFisse, 0, 9));
    }
    esecuzione.setTotale(
        CombinazioniPronostico(esecuzione.pronostico(), esecuzione.numeriPerGiocata()).totale());
    RaccoltaCandidati raccolta(esecuzione);
    if (const FiltroNumeri* numeri = filtro.numeri()) {
        PrefissoNumeri stato(*numeri);
        PercorsoPronostico(esecuzione.pronostico(), esecuzione.numeriPerGiocata(), numeriFissi, stato)
            .esegui(raccolta);
    } else {
        const ArchivioStorico& archivio = *filtro.archivio();
        const std::int32_t riferimento = archivio.conteggio() + 1;
        const FiltroConfronti& confronti = *filtro.confronti();
        if (PrefissoFinestre::Adatto(confronti, riferimento)) {
            const auto tabelle =
                std::make_unique<FinestreSottoinsiemi>(PrefissoFinestre::Inizi(confronti, riferimento));
            for (std::int32_t e = riferimento - confronti.estrazioniMassime(); e < riferimento; ++e) {
                if (e >= 1) {
                    RegistraEstrazione(*tabelle, archivio, filtro.ruote(), e);
                }
            }
            PrefissoFinestre stato(*tabelle, confronti, riferimento);
            PercorsoPronostico(esecuzione.pronostico(), esecuzione.numeriPerGiocata(), numeriFissi, stato)
                .esegui(raccolta);
        } else {
            const auto uscite = UsciteRecenti(filtro);
            PrefissoConfronti stato(*uscite, confronti, riferimento);
            PercorsoPronostico(esecuzione.pronostico(), esecuzione.numeriPerGiocata(), numeriFissi, stato)
                .esegui(raccolta);
        }
    }
    return ConcludiFiltroPronostico(esecuzione);
}

void AnalisiFiltroGiocate(const Sistema& sistema, const ElencoGiocate& giocate, const FiltroRiduzione& filtro,
                          ModoFiltro modo, bool consideraFisse, ConteggiAnalisi& conteggi,
                          ControlloEsecuzione& controllo)
{
    const bool fisse = consideraFisse && sistema.numeroFisse > 0;
    const MappaFisse mappa = fisse ? MappaFisse(sistema) : MappaFisse();
    const std::size_t rigaFisse = filtro.righe().size();
    conteggi.nonRispettate.assign(RigheConteggi(filtro), 0);
    std::unique_ptr<UsciteSottoinsiemi> uscite;
    if (filtro.confronti() != nullptr) {
        uscite = UsciteRecenti(filtro);
    }
    const std::int32_t riferimento = filtro.archivio() != nullptr ? filtro.archivio()->conteggio() + 1 : 0;
    const int k = sistema.numeriPerGiocata;
    const auto valuta = [&](const Tipo_Giocata& g, ConteggiAnalisi& c) {
        if (fisse && !ContieneFisse(g, k, mappa)) {
            ++c.nonRispettate[rigaFisse];
            return false;
        }
        if (const FiltroNumeri* numeri = filtro.numeri()) {
            return numeri->conta(MascheraGiocata(g), c.nonRispettate.data());
        }
        return filtro.confronti()->conta(Ultime(*uscite, g), riferimento, c.nonRispettate.data());
    };
    if (modo == ModoFiltro::Giocate) {
        AnalizzaGiocate(giocate, conteggi, controllo, valuta);
        return;
    }
    const CombinazioniPronostico combinazioni(sistema.pronostico, k);
    AnalizzaCombinazioni(combinazioni, conteggi, controllo, valuta);
}

void AnalisiFiltroStorica(const CampioneStorico& campione, const FiltroRiduzione& filtro,
                          ConteggiAnalisi& conteggi, ControlloEsecuzione& controllo)
{
    conteggi.nonRispettate.assign(filtro.righe().size(), 0);
    const ArchivioStorico& archivio = campione.archivio();
    const double estrazioni = archivio.conteggio();
    const FiltroConfronti* confronti = filtro.confronti();
    // The comparisons judge target draw t against the draws before it: the sets are registered one draw
    // behind the targets, and the first targets, whose windows would reach before the archive, skipped.
    std::unique_ptr<UsciteSottoinsiemi> uscite;
    std::int32_t registrate = 0;
    const std::int32_t primoBersaglio = confronti != nullptr ? confronti->estrazioniMassime() + 1 : 1;
    if (confronti != nullptr) {
        uscite = std::make_unique<UsciteSottoinsiemi>();
    }
    std::int64_t finoAllaVerifica = IntervalloVerificaStoricaFiltro;
    campione.perOgni([&](const Tipo_Giocata& g, std::int32_t indice) {
        bool valida = false;
        if (confronti == nullptr) {
            valida = filtro.numeri()->conta(MascheraGiocata(g), conteggi.nonRispettate.data());
        } else {
            if (indice < primoBersaglio) {
                return true;
            }
            for (; registrate < indice - 1;) {
                RegistraEstrazione(*uscite, archivio, filtro.ruote(), ++registrate);
            }
            valida = confronti->conta(Ultime(*uscite, g), indice, conteggi.nonRispettate.data());
        }
        ++conteggi.esaminate;
        if (valida) {
            ++conteggi.valide;
        }
        if (--finoAllaVerifica == 0) {
            finoAllaVerifica = IntervalloVerificaStoricaFiltro;
            Avanzamento stato;
            stato.elaborati = indice;
            stato.totale = estrazioni;
            stato.prodotti = conteggi.valide;
            if (!controllo.verifica(stato)) {
                conteggi.interrotta = true;
                return false;
            }
        }
        return true;
    });
}

const char* MessaggioNessunCriterio(MembroFiltro membro)
{
    switch (membro) {
    case MembroFiltro::Numeri:
        return "Inserire almeno un intervallo.";
    case MembroFiltro::Cadenze:
        return "Selezionare almeno una cadenza!";
    case MembroFiltro::Figure:
        return "Selezionare almeno una figura!";
    case MembroFiltro::Decine:
        return "Selezionare almeno una decina!";
    case MembroFiltro::GiocateFiltro:
        return "Inserire almeno una giocata filtro.";
    case MembroFiltro::ConfrontoStorico:
        break;
    }
    return "Inserire almeno un confronto.";
}

bool HaCriteri(const FiltroRiduzione& filtro)
{
    return filtro.numeri() != nullptr ? !filtro.numeri()->criteri().empty()
                                      : !filtro.confronti()->confronti().empty();
}
