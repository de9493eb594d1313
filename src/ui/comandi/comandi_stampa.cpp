#include "ui/comandi/comandi_stampa.h"

#include <QPageSetupDialog>
#include <QPrinter>

ComandiStampa::ComandiStampa(FinestraComandi& finestra) : AreaComandi(finestra) {}

ComandiStampa::~ComandiStampa() = default;

std::vector<VoceComando> ComandiStampa::voci()
{
    using C = Comando;
    return {
        {C::StampaSchedine, "Stampa giocate su schedine", {}, {}, Icone::Stampa},
        {C::StampaSchedineLottoPiu, "Stampa giocate su schedine LottoPiù", {}},
        {C::StampaCartaComune, "Stampa giocate su carta comune", {}},
        {C::ImpostaStampante, "Imposta stampante", [this] { impostaStampante(); }},
        {C::StampaSchedineMdn, "Stampa giocate su schedine (Mod. MDN)", {}},
        {C::CalibraVerticaleMdn, "Calibra la stampa verticale su schedine", {}},
        {C::CalibraOrizzontaleMdn, "Calibra la stampa orizzontale su schedine", {}},
        {C::CalibraVerticaleSng, "Calibra la stampa verticale su schedine", {}},
        {C::CalibraOrizzontaleSng, "Calibra la stampa orizzontale su schedine", {}},
        {C::CalibraVerticaleSci, "Calibra la stampa verticale su schedine", {}},
        {C::CalibraOrizzontaleSci, "Calibra la stampa orizzontale su schedine", {}},
        {C::CalibraVerticale, "Calibra la stampa verticale su schedine", {}},
        {C::CalibraOrizzontale, "Calibra la stampa orizzontale su schedine", {}},
        {C::CalibraVerticaleLottoPiu, "Calibra la stampa verticale su schedine LottoPiù", {}},
        {C::CalibraOrizzontaleLottoPiu, "Calibra la stampa orizzontale su schedine LottoPiù", {}},
    };
}

void ComandiStampa::impostaStampante()
{
    if (!m_stampante) {
        m_stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPageSetupDialog dialogo(m_stampante.get(), genitore());
    dialogo.exec();
}
