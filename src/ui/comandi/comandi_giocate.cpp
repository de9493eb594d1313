#include "ui/comandi/comandi_giocate.h"

#include "editor/esporta_giocate.h"
#include "editor/importa_giocate.h"
#include "editor/messaggi_giocate.h"
#include "editor/modifica_giocate.h"
#include "ui/controllo_esecuzione_qt.h"
#include "ui/cursore_occupato.h"
#include "ui/elimina_giocate_dialog.h"
#include "ui/mod_giocata_dialog.h"
#include "ui/nuova_giocata_dialog.h"

#include <QWidget>

namespace mg = messaggi_giocate;

namespace {

Messaggio Domanda(std::string testo)
{
    return {std::move(testo), mg::TitoloAttenzione, Icona::Domanda, Pulsanti::SiNo, Risposta::Si};
}

Messaggio Informazione(std::string testo, const char* titolo = mg::TitoloAttenzione)
{
    return {std::move(testo), titolo, Icona::Informazione, Pulsanti::Ok, Risposta::Ok};
}

const QString FiltroTesto = QStringLiteral("File di testo (*.txt);;Tutti i file (*)");

} // namespace

std::vector<VoceComando> ComandiGiocate::voci()
{
    return {
        {Comando::AnnullaUltimaOperazione,
         "Annulla ultima operazione",
         [this] { annullaUltimaOperazione(); },
         {},
         Icone::Annulla},
        {Comando::ModificaGiocate,
         "Modifica giocate manualmente",
         [this] { modifica(); },
         {},
         Icone::Modifica},
        {Comando::InserimentoGiocate, "Inserimento giocate da tastiera", [this] { inserimento(); }},
        {Comando::EliminaGiocate, "Elimina giocate", [this] { elimina(); }, {}, Icone::Elimina},
        {Comando::EliminaTutteLeGiocate, "Elimina tutte le giocate", [this] { eliminaTutte(); }},
        {Comando::ImportaDaSistema, "Importa giocate da un altro sistema",
         [this] { importa(Importazione::Sistema); }},
        {Comando::ImportaDaLpc, "Importa giocate da un sistema esterno (.lpc)",
         [this] { importa(Importazione::Lpc); }},
        {Comando::ImportaDaTesto, "Importa giocate da file di testo",
         [this] { importa(Importazione::Testo); }},
        {Comando::EsportaSuTesto, "Esporta giocate su file di testo", [this] { esporta(); }},
    };
}

void ComandiGiocate::annullaUltimaOperazione()
{
    ElencoGiocate& giocate = stato().giocate;
    if (giocate.conteggioAnnulla() == 0) {
        messaggi().mostra(Informazione(mg::NienteDaRipristinare));
        return;
    }
    if (messaggi().mostra(Domanda(mg::DomandaRipristino(giocate.conteggio(), giocate.conteggioAnnulla()))) !=
        Risposta::Si) {
        return;
    }
    giocate.RipristinaCopia();
    m_finestra.segnaModificato();
    m_finestra.aggiornaRiepilogo();
}

void ComandiGiocate::modifica()
{
    if (stato().giocate.vuoto()) {
        return;
    }
    TModGiocata dialogo(
        stato(), m_finestra.giocataSelezionata(), [this] { m_finestra.aggiornaRiepilogo(); }, genitore());
    dialogo.exec();
    m_finestra.aggiornaRiepilogo();
}

void ComandiGiocate::inserimento()
{
    TNuovaGiocata dialogo(
        stato(), [this] { m_finestra.aggiornaRiepilogo(); }, genitore());
    dialogo.exec();
    m_finestra.aggiornaRiepilogo();
}

void ComandiGiocate::elimina()
{
    if (stato().giocate.vuoto()) {
        messaggi().mostra(Informazione(mg::NessunaGiocataDaEliminare));
        return;
    }
    TEliminaGiocate dialogo(stato(), m_finestra.giocataSelezionata(), genitore());
    dialogo.exec();
    m_finestra.aggiornaRiepilogo();
}

void ComandiGiocate::eliminaTutte()
{
    if (stato().giocate.vuoto()) {
        messaggi().mostra(Avviso(mg::NessunaGiocataFinaleDaEliminare));
        return;
    }
    if (messaggi().mostra(Domanda(mg::DomandaEliminaTutte)) != Risposta::Si) {
        return;
    }
    EliminaTutteLeGiocate(stato().giocate);
    m_finestra.segnaModificato();
    m_finestra.aggiornaRiepilogo();
}

void ComandiGiocate::importa(Importazione tipo)
{
    const QString cartella = QString::fromStdString(stato().cartelle.documenti);
    ServiziFinestre::SceltaFile scelta;
    switch (tipo) {
    case Importazione::Sistema:
        scelta = ServiziFinestre::SceltaFile::Apri(
            QStringLiteral("Importa giocate da un altro sistema"), cartella,
            QStringLiteral("Sistema Quarvina Lotto (*.qvs);;Tutti i file (*)"));
        break;
    case Importazione::Lpc:
        scelta = ServiziFinestre::SceltaFile::Apri(QStringLiteral("Importa giocate da un sistema esterno"),
                                                   cartella, QStringLiteral("Sistema esterno (*.lpc)"));
        break;
    case Importazione::Testo:
        scelta = ServiziFinestre::SceltaFile::Apri(QStringLiteral("Importa giocate da file di testo"),
                                                   cartella, FiltroTesto);
        break;
    }
    const QString scelto = servizi().scegliFile(genitore(), scelta);
    if (scelto.isEmpty()) {
        return;
    }
    const std::string percorso = scelto.toStdString();
    EsitoImportazione esito;
    {
        CursoreOccupato occupato;
        // Pending events run during the import: no command may touch the list meanwhile.
        genitore()->setEnabled(false);
        ControlloEsecuzioneQt controllo(messaggi());
        switch (tipo) {
        case Importazione::Sistema:
            esito = ImportaGiocateDaSistema(percorso, stato().giocate, controllo);
            break;
        case Importazione::Lpc:
            esito = ImportaGiocateDaLpc(percorso, stato().giocate, controllo);
            break;
        case Importazione::Testo:
            esito = ImportaGiocateDaTesto(percorso, stato().giocate, controllo);
            break;
        }
        genitore()->setEnabled(true);
    }
    if (const auto messaggio = esito.messaggio()) {
        messaggi().mostra(*messaggio);
    }
    if (esito.modificato()) {
        m_finestra.segnaModificato();
    }
    m_finestra.aggiornaRiepilogo();
}

void ComandiGiocate::esporta()
{
    if (stato().giocate.vuoto()) {
        messaggi().mostra(Avviso(mg::NessunaGiocataDaSalvare));
        return;
    }
    const QString scelto = servizi().scegliFile(
        genitore(), ServiziFinestre::SceltaFile::Salva(QStringLiteral("Esporta giocate su file di testo"),
                                                       QString::fromStdString(stato().cartelle.documenti),
                                                       FiltroTesto, QStringLiteral("txt")));
    if (scelto.isEmpty()) {
        return;
    }
    bool scritto = false;
    {
        CursoreOccupato occupato;
        scritto = EsportaGiocate(stato().giocate, scelto.toStdString());
    }
    messaggi().mostra(scritto ? Informazione(mg::GiocateSalvate, mg::TitoloOk)
                              : Errore(mg::ErroreSalvataggioGiocate));
    m_finestra.aggiornaRiepilogo();
}
