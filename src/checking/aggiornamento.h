#pragma once

#include "checking/client_http.h"
#include "core/archivio_storico.h"
#include "core/messaggi_servizio.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The archive update over the Internet: the request with the date of the newest draw, the dispatch of
// the server's answer, the draws file with its "esl", "rtf" and "url" lines, and the merge.
namespace aggiornamento {

inline constexpr const char* PercorsoRichiesta = "/aggiorna.php";
inline constexpr const char* ParametriRichiesta = "idp=19&ver=51&duel=";
// Sent instead of a date when the archive is empty: the server then offers every draw it has.
inline constexpr const char* DataArchivioVuoto = "00000000";
inline constexpr const char* UserAgentAggiornamento =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows 32; Ostralis; V1000)";
inline constexpr const char* UserAgentSoftware =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows 32; Calvestra; V1000)";
inline constexpr const char* NomeFileMessaggio = "Msg.rtf";
inline constexpr const char* NomeFileSoftware = "QuarvinUPD.exe";

// Size limits of what the server may send. A full archive as draw lines is about 1.5 MB.
inline constexpr std::uint64_t RispostaMassima = 64 * 1024;
inline constexpr std::uint64_t FileEstrazioniMassimo = 16 * 1024 * 1024;
inline constexpr std::uint64_t MessaggioMassimo = 1024 * 1024;
inline constexpr std::uint64_t SoftwareMassimo = 512ull * 1024 * 1024;
// Texts of the server shown in a message box are cut to this many bytes.
inline constexpr std::size_t TestoMostratoMassimo = 4000;

// A silent server does not hang the program: the update requests give up after this long without a
// byte, the download of a new version after 20 s.
inline constexpr std::chrono::milliseconds AttesaConnessione{30000};
inline constexpr std::chrono::milliseconds AttesaLetturaAggiornamento{60000};
inline constexpr std::chrono::milliseconds AttesaLetturaSoftware{20000};

// The address of the update request: the server (trailing "/" dropped), the request path and the
// query with the date of the newest draw as yyyymmdd ("...&duel=20090305").
std::string IndirizzoAggiornamento(std::string_view server, const ArchivioStorico& archivio);

// True for an address the program may open or fetch: "http://" or "https://" (any case) followed by
// a host, with no spaces or control characters.
bool IndirizzoWeb(std::string_view indirizzo);

// The server's answer, dispatched on its first characters.
enum class TipoRisposta {
    FileEstrazioni, // begins with "http" (exact case): the address of the draws file
    NuovaVersione,  // "nnn" (any case): new version at `indirizzo`, message, optional draws address
    Informazione,   // "ccc": information with a link
    Avviso,         // "kkk": warning with a link
    Altro,          // anything else: shown as it is
};

struct RispostaServer
{
    TipoRisposta tipo = TipoRisposta::Altro;
    std::string indirizzo;  // draws file (FileEstrazioni), download (NuovaVersione), link (ccc, kkk)
    std::string estrazioni; // the "ddd" draws address, empty when none
    std::string messaggio;  // the message; for Altro the whole answer
};

// The answer is trimmed first. For "nnn", "ccc" and "kkk" the text after the leading marker up to the
// next marker (any case; the end when there is none) is the address (trimmed for "nnn" only); the rest
// is the tail. A tail beginning with "ddd" carries the draws address up to the next "ddd" (trimmed),
// the message after it; otherwise the whole tail is the message.
RispostaServer AnalizzaRisposta(std::string_view risposta);

// The draws file read: every draw line, and the last "rtf" and "url" addresses.
struct FileEstrazioni
{
    std::vector<Tipo_Estrazione> estrazioni; // in file order
    std::int32_t righeNonValide = 0;         // "esl" lines that are not a real draw, skipped
    std::int32_t primaRigaNonValida = 0;     // 1-based line number of the first of them
    std::string rtf;
    std::string url;
};

// Lines are split at "\n", "\r\n" or "\r" and trimmed; a leading UTF-8 byte-order mark is dropped; lines
// of three characters or fewer are ignored; the first three characters, in any case, give the kind.
FileEstrazioni LeggiFileEstrazioni(std::string_view testo);

// The draw of the value of an "esl" line (the line after "esl"): yyyymmdd, then two digits per number,
// wheel by wheel (Bari..Nazionale), five per wheel. Refused (nullopt) unless the first 118 characters
// are digits, the date is a real calendar date in 1900..2100, every wheel is either all zeros (no data)
// or five different numbers 1..90, and at least one wheel has data. Characters after the 118th are
// ignored.
std::optional<Tipo_Estrazione> LeggiRigaEstrazione(std::string_view valore);

struct EsitoUnione
{
    bool modificato = false;      // at least one draw was added or replaced
    std::int32_t nuove = 0;       // draws that made the archive grow
    std::int32_t sostituite = 0;  // draws that replaced a stored draw of the same date
    std::int32_t nonInserite = 0; // new dates refused by a full archive
};

// Every draw through InserisciEstrazione, in order: later draws are appended, older ones go to their
// place by date, a draw of a stored date replaces it.
EsitoUnione UnisciEstrazioni(ArchivioStorico& archivio, const std::vector<Tipo_Estrazione>& estrazioni);

// What the update needs from the window (or the command-line tool) that runs it.
class AmbienteAggiornamento
{
public:
    virtual ~AmbienteAggiornamento() = default;
    virtual void avanzamento(int percentuale) = 0;
    virtual Risposta mostra(const Messaggio& messaggio) = 0;
    virtual void apriGuida(const std::string& topic) = 0;
    // Opens a web address in the browser; only addresses that pass IndirizzoWeb get here.
    virtual void apriIndirizzo(const std::string& indirizzo) = 0;
    // The offer of a new version was accepted: the new-version window with its address (web only).
    virtual void aggiornaSoftware(const std::string& indirizzo) = 0;
    // Shows the downloaded message file (the RTF shown as plain text).
    virtual void mostraMessaggio(const std::string& percorso) = 0;
    // Writes the archive (and recomputes what depends on it); false when it could not be written.
    [[nodiscard]] virtual bool salvaArchivio() = 0;
    // Called during every transfer, so a window can repaint; false stops the transfer.
    virtual bool inAttesa() { return true; }
};

struct ParametriAggiornamento
{
    std::string server;
    ProxyHttp proxy;
    std::string percorsoMessaggio; // CartellaPersonale + "Msg.rtf"
};

struct EsitoAggiornamento
{
    bool tieniAperto = false; // a step asked the window to stay open (failure, link opened)
    bool connessioneFallita = false;
    bool archivioSalvato = false;    // the archive changed and was written
    bool salvataggioFallito = false; // the archive could not be written (memory left as before)
    EsitoUnione unione;
    std::int32_t righeNonValide = 0;
};

// The whole update: request, dispatch, draws download, merge, save, final message, RTF message and
// web address. Network failures and a failed save leave the archive as it was (in memory and on disk);
// the archive is written only when a draw line was accepted. Blocks while each transfer runs.
EsitoAggiornamento EseguiAggiornamento(const ParametriAggiornamento& parametri, ArchivioStorico& archivio,
                                       ClientHttp& client, AmbienteAggiornamento& ambiente);

// The request every transfer of the update uses: fixed user agent and limits, the proxy.
RichiestaHttp RichiestaAggiornamento(std::string indirizzo, const ProxyHttp& proxy, std::uint64_t limite);

} // namespace aggiornamento
