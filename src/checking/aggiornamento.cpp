#include "checking/aggiornamento.h"

#include "checking/messaggi_aggiornamento.h"
#include "checking/testo_rtf.h"
#include "core/file_binario.h"
#include "core/messaggi_archivio.h"
#include "core/testo.h"

#include <cstdio>
#include <filesystem>
#include <span>
#include <system_error>

namespace aggiornamento {

namespace {

constexpr std::size_t LunghezzaValoreEstrazione = 8 + RuoteArchivio * 5 * 2;

bool IniziaSenzaMaiuscole(std::string_view testo, std::string_view prefisso)
{
    return testo.size() >= prefisso.size() &&
           testo::UgualiSenzaMaiuscole(testo.substr(0, prefisso.size()), prefisso);
}

// Position of the next marker (any case) from `da`, npos when there is none.
std::size_t CercaMarcatore(std::string_view testo, std::string_view marcatore, std::size_t da)
{
    for (std::size_t i = da; i + marcatore.size() <= testo.size(); ++i) {
        if (testo::UgualiSenzaMaiuscole(testo.substr(i, marcatore.size()), marcatore)) {
            return i;
        }
    }
    return std::string_view::npos;
}

// The text after the leading marker up to the next one, and what follows that one.
void Dividi(std::string_view testo, std::string_view marcatore, std::string& prima, std::string& resto)
{
    const std::string_view dopo = testo.substr(marcatore.size());
    const std::size_t fine = CercaMarcatore(dopo, marcatore, 0);
    if (fine == std::string_view::npos) {
        prima = std::string(dopo);
        resto.clear();
        return;
    }
    prima = std::string(dopo.substr(0, fine));
    resto = std::string(dopo.substr(fine + marcatore.size()));
}

RispostaServer ConMarcatore(TipoRisposta tipo, std::string_view testo, std::string_view marcatore)
{
    RispostaServer risposta;
    risposta.tipo = tipo;
    std::string coda;
    Dividi(testo, marcatore, risposta.indirizzo, coda);
    if (tipo == TipoRisposta::NuovaVersione) {
        risposta.indirizzo = testo::Trim(risposta.indirizzo);
    }
    if (IniziaSenzaMaiuscole(coda, "ddd")) {
        Dividi(coda, "ddd", risposta.estrazioni, risposta.messaggio);
        risposta.estrazioni = testo::Trim(risposta.estrazioni);
    } else {
        risposta.messaggio = std::move(coda);
    }
    return risposta;
}

bool Bisestile(int anno)
{
    return (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
}

int GiorniDelMese(int mese, int anno)
{
    static constexpr int Giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mese == 2 && Bisestile(anno) ? 29 : Giorni[mese - 1];
}

int Cifre(std::string_view testo, std::size_t inizio, std::size_t quante)
{
    int valore = 0;
    for (std::size_t i = inizio; i < inizio + quante; ++i) {
        valore = valore * 10 + (testo[i] - '0');
    }
    return valore;
}

// A message of the server as the user may see it: readable UTF-8, cut to a sane length.
std::string TestoServer(std::string_view testo)
{
    std::string risultato = TestoUtf8(testo);
    if (risultato.size() > TestoMostratoMassimo) {
        std::size_t taglio = TestoMostratoMassimo;
        while (taglio > 0 && (static_cast<unsigned char>(risultato[taglio]) & 0xC0) == 0x80) {
            --taglio;
        }
        risultato.resize(taglio);
    }
    return risultato;
}

Messaggio MessaggioOk(std::string testo)
{
    return Messaggio{std::move(testo), messaggi_aggiornamento::TitoloOk, Icona::Informazione, Pulsanti::Ok,
                     Risposta::Ok};
}

class Aggiornamento
{
public:
    Aggiornamento(const ParametriAggiornamento& parametri, ArchivioStorico& archivio, ClientHttp& client,
                  AmbienteAggiornamento& ambiente)
        : m_parametri(parametri), m_archivio(archivio), m_client(client), m_ambiente(ambiente)
    {}

    EsitoAggiornamento esegui()
    {
        m_ambiente.avanzamento(0);
        passi();
        m_ambiente.avanzamento(0);
        return m_esito;
    }

private:
    void passi()
    {
        std::string risposta;
        if (!scarica(IndirizzoAggiornamento(m_parametri.server, m_archivio), RispostaMassima, risposta)) {
            connessioneFallita();
            return;
        }
        m_ambiente.avanzamento(25);
        if (testo::Trim(risposta).empty()) {
            connessioneFallita();
            return;
        }
        const std::string indirizzoEstrazioni = dispatch(AnalizzaRisposta(risposta));
        if (m_fine || indirizzoEstrazioni.empty()) {
            return;
        }
        std::string testoEstrazioni;
        if (!scarica(indirizzoEstrazioni, FileEstrazioniMassimo, testoEstrazioni)) {
            connessioneFallita();
            return;
        }
        m_ambiente.avanzamento(50);
        unisci(LeggiFileEstrazioni(testoEstrazioni));
    }

    // The draws address to go on with, empty when the update ends here.
    std::string dispatch(const RispostaServer& r)
    {
        switch (r.tipo) {
        case TipoRisposta::FileEstrazioni:
            return r.indirizzo;
        case TipoRisposta::NuovaVersione:
            if (!r.messaggio.empty() && !r.indirizzo.empty()) {
                const Risposta scelta = m_ambiente.mostra(
                    Messaggio{TestoServer(r.messaggio), messaggi_aggiornamento::TitoloProgramma,
                              Icona::Informazione, Pulsanti::OkAnnulla, Risposta::Ok});
                if (scelta == Risposta::Ok) {
                    if (IndirizzoWeb(r.indirizzo)) {
                        m_ambiente.aggiornaSoftware(r.indirizzo);
                    }
                    m_fine = true;
                    return {};
                }
            }
            return r.estrazioni;
        case TipoRisposta::Informazione:
            if (!r.messaggio.empty()) {
                const Risposta scelta = m_ambiente.mostra(
                    Messaggio{TestoServer(r.messaggio), messaggi_aggiornamento::TitoloInformazione,
                              Icona::Informazione, Pulsanti::OkAnnulla, Risposta::Ok});
                if (scelta == Risposta::Ok) {
                    apri(r.indirizzo);
                    m_esito.tieniAperto = true;
                }
            }
            return r.estrazioni;
        case TipoRisposta::Avviso:
            if (!r.messaggio.empty()) {
                m_ambiente.mostra(Avviso(TestoServer(r.messaggio)));
                apri(r.indirizzo);
                m_esito.tieniAperto = true;
            }
            return r.estrazioni;
        case TipoRisposta::Altro:
            m_ambiente.mostra(Avviso(TestoServer(r.messaggio)));
            break;
        }
        return {};
    }

    void unisci(const FileEstrazioni& file)
    {
        m_esito.righeNonValide = file.righeNonValide;
        // A failed save must not leave memory ahead of the file.
        const ArchivioStorico prima = m_archivio;
        m_esito.unione = UnisciEstrazioni(m_archivio, file.estrazioni);
        m_ambiente.avanzamento(100);
        if (m_esito.unione.modificato) {
            if (!m_ambiente.salvaArchivio()) {
                m_archivio = prima;
                m_esito.unione = EsitoUnione{};
                m_esito.salvataggioFallito = true;
                m_ambiente.mostra(Errore(messaggi_archivio::ErroreSalvataggioArchivio));
                m_esito.tieniAperto = true;
                return;
            }
            m_esito.archivioSalvato = true;
        }
        if (m_esito.unione.nuove == 0) {
            m_ambiente.mostra(MessaggioOk(messaggi_aggiornamento::NessunAggiornamento));
        } else {
            m_ambiente.mostra(MessaggioOk(messaggi_aggiornamento::AggiornamentoRiuscito +
                                          std::to_string(m_esito.unione.nuove)));
        }
        if (file.righeNonValide == 1) {
            m_ambiente.mostra(Avviso(messaggi_aggiornamento::RigaNonValida));
        } else if (file.righeNonValide > 1) {
            m_ambiente.mostra(Avviso(messaggi_aggiornamento::RigheNonValidePrima +
                                     std::to_string(file.righeNonValide) +
                                     messaggi_aggiornamento::RigheNonValideDopo));
        }
        if (m_esito.unione.nonInserite > 0) {
            m_ambiente.mostra(Avviso(messaggi_archivio::ArchivioPieno));
        }
        if (!file.rtf.empty()) {
            messaggio(file.rtf);
        }
        if (!file.url.empty()) {
            apri(file.url);
        }
    }

    // The message file is fetched whole before it is written, so a failed transfer leaves no file.
    void messaggio(const std::string& indirizzo)
    {
        const std::string& percorso = m_parametri.percorsoMessaggio;
        std::error_code errore;
        std::filesystem::remove(percorso, errore);
        std::string contenuto;
        if (!scarica(indirizzo, MessaggioMassimo, contenuto)) {
            return;
        }
        const auto* byte = reinterpret_cast<const std::uint8_t*>(contenuto.data());
        if (!ScriviFileAtomico(percorso, std::span<const std::uint8_t>(byte, contenuto.size()))) {
            return;
        }
        if (EsisteFile(percorso)) {
            m_ambiente.mostraMessaggio(percorso);
        }
    }

    void apri(const std::string& indirizzo)
    {
        if (IndirizzoWeb(indirizzo)) {
            m_ambiente.apriIndirizzo(indirizzo);
        }
    }

    bool scarica(const std::string& indirizzo, std::uint64_t limite, std::string& corpo)
    {
        RichiestaHttp richiesta = RichiestaAggiornamento(indirizzo, m_parametri.proxy, limite);
        richiesta.avanzamento = [this](std::uint64_t, std::uint64_t) { return m_ambiente.inAttesa(); };
        EsitoHttp esito = m_client.get(richiesta);
        if (!esito.ok()) {
            return false;
        }
        corpo = std::move(esito.corpo);
        return true;
    }

    void connessioneFallita()
    {
        m_ambiente.mostra(Avviso(messaggi_aggiornamento::ConnessioneFallita));
        m_ambiente.apriGuida(messaggi_aggiornamento::GuidaConnessioneFallita);
        m_esito.tieniAperto = true;
        m_esito.connessioneFallita = true;
    }

    const ParametriAggiornamento& m_parametri;
    ArchivioStorico& m_archivio;
    ClientHttp& m_client;
    AmbienteAggiornamento& m_ambiente;
    EsitoAggiornamento m_esito;
    bool m_fine = false;
};

} // namespace

std::string IndirizzoAggiornamento(std::string_view server, const ArchivioStorico& archivio)
{
    std::string base = testo::Trim(server);
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    std::string data = DataArchivioVuoto;
    if (!archivio.vuoto()) {
        const Tipo_Estrazione& ultima = archivio.estrazione(archivio.conteggio());
        char testoData[16];
        std::snprintf(testoData, sizeof testoData, "%04d%02d%02d", ultima.anno(), ultima.mese, ultima.giorno);
        data = testoData;
    }
    return base + PercorsoRichiesta + "?" + ParametriRichiesta + data;
}

bool IndirizzoWeb(std::string_view indirizzo)
{
    std::size_t dopoSchema = 0;
    if (IniziaSenzaMaiuscole(indirizzo, "http://")) {
        dopoSchema = 7;
    } else if (IniziaSenzaMaiuscole(indirizzo, "https://")) {
        dopoSchema = 8;
    } else {
        return false;
    }
    for (char c : indirizzo) {
        if (static_cast<unsigned char>(c) <= 32 || c == 127) {
            return false;
        }
    }
    const std::string_view resto = indirizzo.substr(dopoSchema);
    const std::size_t fineHost = resto.find_first_of("/?#");
    const std::string_view host = resto.substr(0, fineHost);
    return !host.empty() && host.front() != ':' && host.front() != '@';
}

RispostaServer AnalizzaRisposta(std::string_view risposta)
{
    const std::string testo = testo::Trim(risposta);
    if (testo.starts_with("http")) {
        RispostaServer r;
        r.tipo = TipoRisposta::FileEstrazioni;
        r.indirizzo = testo;
        return r;
    }
    if (IniziaSenzaMaiuscole(testo, "nnn")) {
        return ConMarcatore(TipoRisposta::NuovaVersione, testo, "nnn");
    }
    if (IniziaSenzaMaiuscole(testo, "ccc")) {
        return ConMarcatore(TipoRisposta::Informazione, testo, "ccc");
    }
    if (IniziaSenzaMaiuscole(testo, "kkk")) {
        return ConMarcatore(TipoRisposta::Avviso, testo, "kkk");
    }
    RispostaServer r;
    r.messaggio = testo;
    return r;
}

std::optional<Tipo_Estrazione> LeggiRigaEstrazione(std::string_view valore)
{
    if (valore.size() < LunghezzaValoreEstrazione) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < LunghezzaValoreEstrazione; ++i) {
        if (valore[i] < '0' || valore[i] > '9') {
            return std::nullopt;
        }
    }
    const int anno = Cifre(valore, 0, 4);
    const int mese = Cifre(valore, 4, 2);
    const int giorno = Cifre(valore, 6, 2);
    if (anno < 1900 || anno > 2100 || mese < 1 || mese > 12 || giorno < 1 ||
        giorno > GiorniDelMese(mese, anno)) {
        return std::nullopt;
    }
    Tipo_Estrazione e;
    e.giorno = static_cast<std::uint8_t>(giorno);
    e.mese = static_cast<std::uint8_t>(mese);
    e.setAnno(anno);
    bool conDati = false;
    for (int w = 1; w <= RuoteArchivio; ++w) {
        for (int p = 1; p <= 5; ++p) {
            const std::size_t pos = 8 + static_cast<std::size_t>((w - 1) * 10 + (p - 1) * 2);
            const int n = Cifre(valore, pos, 2);
            e.setNumero(w, p, static_cast<std::uint8_t>(n));
            conDati = conDati || n != 0;
        }
    }
    if (!conDati || !EstrazioneValida(e)) {
        return std::nullopt;
    }
    return e;
}

FileEstrazioni LeggiFileEstrazioni(std::string_view testo)
{
    FileEstrazioni file;
    if (testo.starts_with("\xEF\xBB\xBF")) {
        testo.remove_prefix(3);
    }
    std::int32_t numeroRiga = 0;
    std::size_t inizio = 0;
    while (inizio <= testo.size()) {
        std::size_t fine = testo.find_first_of("\r\n", inizio);
        if (fine == std::string_view::npos) {
            fine = testo.size();
        }
        ++numeroRiga;
        const std::string riga = testo::Trim(testo.substr(inizio, fine - inizio));
        if (fine < testo.size() && testo[fine] == '\r' && fine + 1 < testo.size() &&
            testo[fine + 1] == '\n') {
            ++fine;
        }
        inizio = fine + 1;
        if (riga.size() <= 3) {
            continue;
        }
        const std::string_view tipo = std::string_view(riga).substr(0, 3);
        const std::string_view valore = std::string_view(riga).substr(3);
        if (testo::UgualiSenzaMaiuscole(tipo, "esl")) {
            if (auto e = LeggiRigaEstrazione(valore)) {
                file.estrazioni.push_back(*e);
            } else {
                if (file.righeNonValide == 0) {
                    file.primaRigaNonValida = numeroRiga;
                }
                ++file.righeNonValide;
            }
        } else if (testo::UgualiSenzaMaiuscole(tipo, "rtf")) {
            file.rtf = testo::Trim(valore);
        } else if (testo::UgualiSenzaMaiuscole(tipo, "url")) {
            file.url = testo::Trim(valore);
        }
    }
    return file;
}

EsitoUnione UnisciEstrazioni(ArchivioStorico& archivio, const std::vector<Tipo_Estrazione>& estrazioni)
{
    EsitoUnione esito;
    for (const Tipo_Estrazione& e : estrazioni) {
        const std::int32_t prima = archivio.conteggio();
        if (archivio.InserisciEstrazione(e) == 0) {
            ++esito.nonInserite;
            continue;
        }
        esito.modificato = true;
        if (archivio.conteggio() > prima) {
            ++esito.nuove;
        } else {
            ++esito.sostituite;
        }
    }
    return esito;
}

RichiestaHttp RichiestaAggiornamento(std::string indirizzo, const ProxyHttp& proxy, std::uint64_t limite)
{
    RichiestaHttp richiesta;
    richiesta.indirizzo = std::move(indirizzo);
    richiesta.userAgent = UserAgentAggiornamento;
    richiesta.proxy = proxy;
    richiesta.attesaConnessione = AttesaConnessione;
    richiesta.attesaLettura = AttesaLetturaAggiornamento;
    richiesta.dimensioneMassima = limite;
    return richiesta;
}

EsitoAggiornamento EseguiAggiornamento(const ParametriAggiornamento& parametri, ArchivioStorico& archivio,
                                       ClientHttp& client, AmbienteAggiornamento& ambiente)
{
    return Aggiornamento(parametri, archivio, client, ambiente).esegui();
}

} // namespace aggiornamento
