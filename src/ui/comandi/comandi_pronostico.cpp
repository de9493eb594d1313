#include "ui/comandi/comandi_pronostico.h"

#include "editor/messaggi_giocate.h"
#include "editor/pronostico_aiuti.h"
#include "ui/agg_eli_num_casu_dialog.h"
#include "ui/agg_eli_num_proba_dialog.h"

#include <QAction>
#include <QDialog>

namespace mg = messaggi_giocate;

namespace {

Messaggio Domanda(std::string testo)
{
    return {std::move(testo), mg::TitoloAttenzione, Icona::Domanda, Pulsanti::SiNo, Risposta::Si};
}

} // namespace

std::vector<VoceComando> ComandiPronostico::voci()
{
    return {
        {Comando::AggiungiNumeriProbabili, "Aggiungi numeri più probabili",
         [this] { numeriProbabili(true); }},
        {Comando::EliminaNumeriMenoProbabili, "Elimina numeri meno probabili",
         [this] { numeriProbabili(false); }},
        {Comando::AggiungiNumeriCasualmente, "Aggiungi numeri casualmente", [this] { numeriCasuali(true); }},
        {Comando::EliminaNumeriCasualmente, "Elimina numeri casualmente", [this] { numeriCasuali(false); }},
        {Comando::PronosticoDaGiocate, "Pronostico da giocate", [this] { daGiocate(); }},
        {Comando::EliminaTuttiINumeri, "Elimina tutti i numeri", [this] { eliminaTutti(); }},
    };
}

void ComandiPronostico::numeriProbabili(bool aggiungi)
{
    const Verso verso = aggiungi ? Verso::Aggiungi : Verso::Elimina;
    const int disponibili = NumeriDisponibili(stato().sistema.pronostico, verso);
    if (disponibili == 0) {
        return;
    }
    // The settings dialog is reached through its menu command, which keeps the settings and the
    // statistics in step exactly as when it is opened from the menu.
    QAction* calcolo = &m_finestra.azione(Comando::ImpostazioniProbabilita);
    TAggEliNumPiuProba dialogo(
        verso, disponibili, messaggi(), [calcolo] { calcolo->trigger(); }, genitore());
    const bool accettato = dialogo.exec() == QDialog::Accepted;
    m_finestra.ricalcolaStatistiche();
    if (accettato) {
        (void)NumeriProbabili(stato().sistema.pronostico, dialogo.quantita(), verso,
                              stato().statistiche.probabilita);
        m_finestra.segnaModificato();
        m_finestra.ricalcolaStatistiche();
        m_finestra.aggiornaPronostico();
    }
    m_finestra.aggiornaRiepilogo();
}

void ComandiPronostico::numeriCasuali(bool aggiungi)
{
    const Verso verso = aggiungi ? Verso::Aggiungi : Verso::Elimina;
    const int disponibili = NumeriDisponibili(stato().sistema.pronostico, verso);
    if (disponibili == 0) {
        return;
    }
    TAggEliNumCasu dialogo(verso, disponibili, messaggi(), genitore());
    if (dialogo.exec() == QDialog::Accepted) {
        NumeriCasuali(stato().sistema.pronostico, dialogo.quantita(), verso, stato().generatore);
        m_finestra.segnaModificato();
        m_finestra.aggiornaPronostico();
    }
    m_finestra.aggiornaRiepilogo();
}

void ComandiPronostico::daGiocate()
{
    if (stato().giocate.vuoto()) {
        messaggi().mostra(Avviso(mg::ElencoVuoto));
        return;
    }
    if (messaggi().mostra(Domanda(mg::DomandaPronosticoDaGiocate)) != Risposta::Si) {
        return;
    }
    (void)PronosticoDaGiocate(stato().giocate, stato().sistema.pronostico);
    m_finestra.segnaModificato();
    m_finestra.aggiornaPronostico();
    m_finestra.aggiornaRiepilogo();
}

void ComandiPronostico::eliminaTutti()
{
    if (messaggi().mostra(Domanda(mg::DomandaSvuotaPronostico)) != Risposta::Si) {
        return;
    }
    stato().sistema.pronostico.fill(0);
    m_finestra.segnaModificato();
    m_finestra.aggiornaPronostico();
    m_finestra.aggiornaRiepilogo();
}
