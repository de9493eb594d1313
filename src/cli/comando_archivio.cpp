#include "checking/manutenzione_archivio.h"
#include "cli/ambiente.h"
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "core/archivio_testo.h"
#include "core/messaggi_archivio.h"
#include "core/testo.h"

#include <array>
#include <ostream>

namespace cli {

namespace {

int Info(AmbienteCli& ambiente, std::ostream& out)
{
    const ArchivioStorico& archivio = ambiente.stato().archivio;
    out << messaggi_cli::InfoEstrazioni << archivio.conteggio() << '\n';
    if (!archivio.vuoto()) {
        out << messaggi_cli::InfoPrimaEstrazione << TestoData(archivio.estrazione(1)) << '\n';
        out << messaggi_cli::InfoUltimaEstrazione << TestoData(archivio.estrazione(archivio.conteggio()))
            << '\n';
    }
    return UscitaOk;
}

// Merges the text into the archive and saves it when something changed. Refused (status 1) when the file
// cannot be read or has no usable line, or when the save fails.
int Importa(AmbienteCli& ambiente, const std::string& percorso, std::ostream& err)
{
    ArchivioStorico& archivio = ambiente.stato().archivio;
    const EsitoImportazioneTesto esito = ImportaFileArchivioTesto(percorso, archivio);
    if (!esito.letto) {
        ambiente.mostra({Errore(esito.testo)});
        return UscitaRifiuto;
    }
    err << testo::RigheUnix(esito.descrizione()) << '\n';
    if (esito.modificato() && !ambiente.salvaArchivio()) {
        return UscitaRifiuto;
    }
    return esito.righe > esito.righeScartate ? UscitaOk : UscitaRifiuto;
}

int Esporta(AmbienteCli& ambiente, const std::string& percorso)
{
    if (!SalvaArchivioTesto(percorso, ambiente.stato().archivio)) {
        ambiente.mostra({Errore(messaggi_archivio::ErroreScritturaTesto + percorso)});
        return UscitaRifiuto;
    }
    return UscitaOk;
}

// Refused (the message printed) when draw i is not in the archive.
bool EstrazioneEsistente(AmbienteCli& ambiente, int i)
{
    const std::int32_t n = ambiente.stato().archivio.conteggio();
    if (i >= 1 && i <= n) {
        return true;
    }
    ambiente.mostra({Errore(messaggi_cli::EstrazioneInesistentePrima + std::to_string(i) +
                            messaggi_cli::EstrazioneInesistenteDopo + std::to_string(n) +
                            messaggi_cli::EstrazioneInesistenteFine)});
    return false;
}

// The date, then one line per wheel: "Bari<TAB>n1 n2 n3 n4 n5" (nothing after the tab for a wheel without
// data).
int Estrazione(AmbienteCli& ambiente, int i, std::ostream& out)
{
    if (!EstrazioneEsistente(ambiente, i)) {
        return UscitaRifiuto;
    }
    const Tipo_Estrazione& e = ambiente.stato().archivio.estrazione(i);
    out << TestoData(e) << '\n';
    for (const std::string& riga : RigheEstrazione(e)) {
        out << riga << '\n';
    }
    return UscitaOk;
}

// Deletes the draws da..a, never the last one left in the archive, and saves the archive.
int Elimina(AmbienteCli& ambiente, int da, int a, std::ostream& out)
{
    if (!EstrazioneEsistente(ambiente, da) || !EstrazioneEsistente(ambiente, a)) {
        return UscitaRifiuto;
    }
    if (da > a) {
        ambiente.mostra({Errore(messaggi_cli::IntervalloRovesciato)});
        return UscitaRifiuto;
    }
    ArchivioStorico& archivio = ambiente.stato().archivio;
    const std::int32_t eliminate = EliminaIntervallo(archivio, da, a);
    if (eliminate > 0 && !ambiente.salvaArchivio()) {
        return UscitaRifiuto;
    }
    out << messaggi_cli::EstrazioniEliminate << eliminate << '\n'
        << messaggi_cli::EstrazioniRimaste << archivio.conteggio() << '\n';
    return UscitaOk;
}

} // namespace

int ComandoArchivio(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (!riga.argomenti.empty() && riga.argomenti[0] == "aggiorna") {
        return ComandoArchivioAggiorna(riga, out, err);
    }
    ArgomentiComando argomenti;
    std::string errore;
    if (!argomenti.leggi(riga.argomenti, {}, errore)) {
        return ErroreUso(err, errore);
    }
    const std::vector<std::string>& parole = argomenti.parole();
    if (parole.empty()) {
        return ErroreUso(err, messaggi_cli::SottocomandoArchivioMancante);
    }
    const std::string& sottocomando = parole[0];
    const bool conFile = sottocomando == "importa" || sottocomando == "esporta";
    const bool estrazione = sottocomando == "estrazione";
    const bool elimina = sottocomando == "elimina";
    if (!conFile && !estrazione && !elimina && sottocomando != "info") {
        return ErroreUso(err, messaggi_cli::SottocomandoArchivioSconosciuto + sottocomando);
    }
    const std::size_t attese = elimina ? 3 : (conFile || estrazione ? 2 : 1);
    if (parole.size() < attese) {
        const char* manca = messaggi_cli::FileTestoMancante;
        if (estrazione) {
            manca = messaggi_cli::NumeroEstrazioneMancante;
        } else if (elimina) {
            manca = messaggi_cli::IntervalloMancante;
        }
        return ErroreUso(err, manca);
    }
    if (parole.size() > attese) {
        return ErroreUso(err, messaggi_cli::ArgomentoInatteso + parole[attese]);
    }
    std::array<int, 2> posizioni{};
    for (std::size_t i = 1; (estrazione || elimina) && i < attese; ++i) {
        if (!testo::LeggiIntero(parole[i], posizioni[i - 1])) {
            return ErroreUso(err, messaggi_cli::NumeroEstrazioneNonValido + parole[i]);
        }
    }

    AmbienteCli ambiente(riga, err);
    if (!ambiente.caricaArchivio()) {
        return UscitaRifiuto;
    }
    if (sottocomando == "info") {
        return Info(ambiente, out);
    }
    if (sottocomando == "importa") {
        return Importa(ambiente, parole[1], err);
    }
    if (estrazione) {
        return Estrazione(ambiente, posizioni[0], out);
    }
    if (elimina) {
        return Elimina(ambiente, posizioni[0], posizioni[1], out);
    }
    return Esporta(ambiente, parole[1]);
}

} // namespace cli
