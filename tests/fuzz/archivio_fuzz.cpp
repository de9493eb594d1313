// The readers of the draws: the archive file (Quarvin.db), the archive text, and the update, whose server
// answer, draws file and RTF message come from the network. The first byte chooses the reader. The whole
// update runs against a server that answers with the input: its parts, split at "|||", are the answers
// to the successive requests (answer, draws file, message, ...), each cut to the request's limit as the
// HTTP client cuts it.
#include "checking/aggiornamento.h"
#include "checking/client_http.h"
#include "checking/rtf_documento.h"
#include "checking/testo_rtf.h"
#include "core/archivio_storico.h"
#include "core/archivio_testo.h"
#include "core/file_archivio.h"
#include "core/file_binario.h"
#include "fuzz_comune.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The window's path for a message: the formatted reading, and the plain text when it refuses.
void LeggiMessaggio(std::string_view rtf)
{
    if (!LeggiDocumentoRtf(rtf).letto()) {
        (void)TestoDaRtf(rtf);
    }
}

class ServerDiProva final : public ClientHttp
{
public:
    explicit ServerDiProva(std::string_view risposte)
    {
        constexpr std::string_view Separatore = "|||";
        while (true) {
            const auto fine = risposte.find(Separatore);
            m_risposte.push_back(risposte.substr(0, fine));
            if (fine == std::string_view::npos) {
                break;
            }
            risposte.remove_prefix(fine + Separatore.size());
        }
    }

    EsitoHttp get(const RichiestaHttp& richiesta) override
    {
        EsitoHttp esito;
        if (m_prossima >= m_risposte.size()) {
            return esito; // no answer: a failed connection
        }
        const std::string_view corpo = m_risposte[m_prossima++];
        if (corpo.size() > richiesta.dimensioneMassima) {
            esito.codice = CodiceHttp::TroppoGrande;
            return esito;
        }
        if (richiesta.avanzamento && !richiesta.avanzamento(corpo.size(), corpo.size())) {
            esito.codice = CodiceHttp::Annullata;
            return esito;
        }
        if (richiesta.ricevi) {
            // Blocks of a few bytes, so that a line or a marker may be split between two of them.
            for (std::size_t i = 0; i < corpo.size(); i += 7) {
                if (!richiesta.ricevi(corpo.substr(i, 7))) {
                    esito.codice = CodiceHttp::ErroreScrittura;
                    return esito;
                }
            }
        } else {
            esito.corpo = std::string(corpo);
        }
        esito.codice = CodiceHttp::Ok;
        esito.stato = 200;
        return esito;
    }

private:
    std::vector<std::string_view> m_risposte;
    std::size_t m_prossima = 0;
};

class AmbienteDiProva final : public aggiornamento::AmbienteAggiornamento
{
public:
    explicit AmbienteDiProva(Risposta scelta) : m_scelta(scelta) {}

    void avanzamento(int) override {}
    Risposta mostra(const Messaggio& messaggio) override
    {
        return messaggio.pulsanti == Pulsanti::Ok ? Risposta::Ok : m_scelta;
    }
    void apriGuida(const std::string&) override {}
    void apriIndirizzo(const std::string& indirizzo) override
    {
        fuzz::Verifica(aggiornamento::IndirizzoWeb(indirizzo));
    }
    void aggiornaSoftware(const std::string&) override {}
    void mostraMessaggio(const std::string& percorso) override
    {
        const auto byte = LeggiFileIntero(percorso, aggiornamento::MessaggioMassimo);
        if (byte) {
            LeggiMessaggio(fuzz::Testo(*byte));
        }
    }
    bool salvaArchivio() override { return true; }

private:
    Risposta m_scelta;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione)
{
    if (dimensione == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> file(dati + 1, dimensione - 1);
    const std::string_view testo = fuzz::Testo(file);
    ArchivioStorico archivio;
    switch (dati[0] % 6) {
    case 0:
        (void)CaricaArchivioDaDati(file, archivio);
        break;
    case 1:
        (void)ImportaArchivioTesto(testo, archivio);
        break;
    case 2: {
        const auto risposta = aggiornamento::AnalizzaRisposta(testo);
        (void)risposta;
        break;
    }
    case 3: {
        const auto estrazioni = aggiornamento::LeggiFileEstrazioni(testo);
        const auto unione = aggiornamento::UnisciEstrazioni(archivio, estrazioni.estrazioni);
        fuzz::Verifica(archivio.conteggio() <= ArchivioStorico::Capacita);
        for (std::int32_t i = 1; i < archivio.conteggio(); ++i) {
            fuzz::Verifica(archivio.estrazione(i).chiaveData() < archivio.estrazione(i + 1).chiaveData());
        }
        (void)unione;
        break;
    }
    case 4:
        LeggiMessaggio(testo);
        break;
    default: {
        ServerDiProva server(testo);
        AmbienteDiProva ambiente((dati[0] / 6) % 2 == 0 ? Risposta::Si : Risposta::No);
        aggiornamento::ParametriAggiornamento parametri;
        parametri.server = "http://127.0.0.1";
        parametri.percorsoMessaggio = fuzz::CartellaDiLavoro().percorso() + "/Msg.rtf";
        (void)aggiornamento::EseguiAggiornamento(parametri, archivio, server, ambiente);
        break;
    }
    }
    return 0;
}
