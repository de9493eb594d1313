#include "ui/comandi/comandi_stampa.h"

#include "printing/impaginazione.h"
#include "printing/messaggi_stampa.h"
#include "ui/calibra_dialog.h"
#include "ui/col_su_carta_dialog.h"
#include "ui/stampa_comune.h"
#include "ui/stampa_schedine_dialog.h"

ComandiStampa::ComandiStampa(FinestraComandi& finestra)
    : AreaComandi(finestra), m_stampante(std::make_unique<StampanteCondivisa>())
{}

ComandiStampa::~ComandiStampa() = default;

std::vector<VoceComando> ComandiStampa::voci()
{
    using C = Comando;
    using M = stampa::ModelloSchedina;
    using K = stampa::MembroCalibrazione;
    const char* nuove = "stampa_sunuove_sche.htm";
    return {
        {C::StampaSchedine,
         "Stampa giocate su schedine",
         [this] { schedine(M::Simbolotto); },
         {},
         Icone::Stampa,
         nullptr,
         nuove},
        {C::StampaSchedineLottoPiu,
         "Stampa giocate su schedine LottoPiù",
         [this] { schedine(M::LottoPiu); },
         {},
         {},
         nullptr,
         nuove},
        {C::StampaCartaComune,
         "Stampa giocate su carta comune",
         [this] { cartaComune(); },
         {},
         {},
         nullptr,
         "stampa_sucarta.htm"},
        {C::ImpostaStampante, "Imposta stampante", [this] { impostaStampante(); }},
        {C::StampaSchedineMdn,
         "Stampa giocate su schedine (Mod. MDN)",
         [this] { schedine(M::Mdn); },
         {},
         {},
         nullptr,
         nuove},
        {C::CalibraVerticaleMdn,
         "Calibra la stampa verticale su schedine",
         [this] { calibra(K::MdnVerticale); },
         {},
         {},
         nullptr,
         "stampa_calibra_nuove_ver.htm"},
        {C::CalibraOrizzontaleMdn,
         "Calibra la stampa orizzontale su schedine",
         [this] { calibra(K::MdnOrizzontale); },
         {},
         {},
         nullptr,
         "stampa_calibra_nuove_or.htm"},
        {C::CalibraVerticaleSng,
         "Calibra la stampa verticale su schedine",
         [this] { calibra(K::SngVerticale); },
         {},
         {},
         nullptr,
         "stampa_calibra_ver.htm"},
        {C::CalibraOrizzontaleSng,
         "Calibra la stampa orizzontale su schedine",
         [this] { calibra(K::SngOrizzontale); },
         {},
         {},
         nullptr,
         "stampa_calibra_or.htm"},
        {C::CalibraVerticaleSci,
         "Calibra la stampa verticale su schedine",
         [this] { calibra(K::SciVerticale); },
         {},
         {},
         nullptr,
         "stampa_calibra_ver.htm"},
        {C::CalibraOrizzontaleSci,
         "Calibra la stampa orizzontale su schedine",
         [this] { calibra(K::SciOrizzontale); },
         {},
         {},
         nullptr,
         "stampa_calibra_or.htm"},
        {C::CalibraVerticale,
         "Calibra la stampa verticale su schedine",
         [this] { calibra(K::SimbolottoVerticale); },
         {},
         {},
         nullptr,
         "stampa_calibra_nuove_ver.htm"},
        {C::CalibraOrizzontale,
         "Calibra la stampa orizzontale su schedine",
         [this] { calibra(K::SimbolottoOrizzontale); },
         {},
         {},
         nullptr,
         "stampa_calibra_nuove_or.htm"},
        {C::CalibraVerticaleLottoPiu,
         "Calibra la stampa verticale su schedine LottoPiù",
         [this] { calibra(K::LottoPiuVerticale); },
         {},
         {},
         nullptr,
         "stampa_calibra_ver_lp.htm"},
        {C::CalibraOrizzontaleLottoPiu,
         "Calibra la stampa orizzontale su schedine LottoPiù",
         [this] { calibra(K::LottoPiuOrizzontale); },
         {},
         {},
         nullptr,
         "stampa_calibra_or_lp.htm"},
    };
}

void ComandiStampa::impostaStampante()
{
    (void)m_stampante->scegli(servizi(), genitore());
}

void ComandiStampa::schedine(stampa::ModelloSchedina modello)
{
    if (stato().giocate.vuoto()) {
        (void)messaggi().mostra(Messaggio{messaggi_stampa::NessunaGiocata, "Attenzione", Icona::Informazione,
                                          Pulsanti::Ok, Risposta::Ok});
        return;
    }
    if (modello != stampa::ModelloSchedina::LottoPiu) {
        const EsitoImporti importi = m_finestra.leggiImporti();
        if (!importi.valido) {
            (void)messaggi().mostra(Errore(MessaggioImportiNonValidi(stato().generali), Icona::Avviso));
            return;
        }
        const stampa::ControlloImporti controllo =
            stampa::ControllaImportiSchedine(modello, stato().sistema, stato().generali.decimali);
        for (const Messaggio& avviso : controllo.avvisi) {
            (void)messaggi().mostra(avviso);
        }
        if (controllo.rifiuto) {
            (void)messaggi().mostra(*controllo.rifiuto);
            return;
        }
    }
    std::unique_ptr<TStampaSchedine> dialogo;
    switch (modello) {
    case stampa::ModelloSchedina::Mdn:
        dialogo = std::make_unique<TNewGiocateSuSche>(stato(), servizi(), *m_stampante, genitore());
        break;
    case stampa::ModelloSchedina::LottoPiu:
        dialogo = std::make_unique<TColSuSche_lp>(stato(), servizi(), *m_stampante, genitore());
        break;
    default:
        dialogo = std::make_unique<TGiocateSuScheSimbolotto>(stato(), servizi(), *m_stampante, genitore());
        break;
    }
    servizi().esegui(*dialogo);
}

void ComandiStampa::cartaComune()
{
    TColSuCarta dialogo(stato(), servizi(), *m_stampante, genitore());
    servizi().esegui(dialogo);
}

void ComandiStampa::calibra(stampa::MembroCalibrazione membro)
{
    ApriCalibrazione(membro, stato(), servizi(), *m_stampante, genitore());
}
