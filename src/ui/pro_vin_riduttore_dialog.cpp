#include "ui/pro_vin_riduttore_dialog.h"

#include "editor/stato_applicazione.h"
#include "reducers/elenco_riduttori.h"
#include "reducers/riduttore_personale.h"
#include "ui/servizi_finestre.h"

namespace mrp = messaggi_riduttori_personali;

TProVinRiduttore::TProVinRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi, const QString& titolo,
                                   std::vector<std::uint8_t> pronostico, std::vector<Tipo_Giocata> giocate,
                                   QWidget* parent)
    : TProbabilitaVincita(
          stato, servizi,
          Origine{std::move(pronostico), std::move(giocate), titolo, QStringLiteral("mdr_applicarid.htm")},
          parent)
{}

void TProVinRiduttore::ApriPerRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi,
                                        const VoceRiduttore& voce, QWidget* parent)
{
    if (voce.p > MassimoGiocateProbabilita) {
        stato.messaggi.mostra(Avviso(mrp::TroppeGiocate));
        return;
    }
    EsitoLetturaRiduttore esito = LeggiFileRiduttore(voce.percorso);
    if (!esito) {
        stato.messaggi.mostra(Avviso(std::string(mrp::FileIlleggibile) + voce.nomeFile));
        return;
    }
    // The header may understate the plays of a file edited by hand.
    if (static_cast<std::int64_t>(esito.riduttore.giocate.size()) > MassimoGiocateProbabilita) {
        stato.messaggi.mostra(Avviso(mrp::TroppeGiocate));
        return;
    }
    std::vector<std::uint8_t> posizioni;
    for (int i = 1; i <= esito.riduttore.m; ++i) {
        posizioni.push_back(static_cast<std::uint8_t>(i));
    }
    TProVinRiduttore dialogo(stato, servizi,
                             QStringLiteral("Calcola probabilità di vincita del riduttore ") +
                                 QString::fromStdString(voce.nomeFile),
                             std::move(posizioni), std::move(esito.riduttore.giocate), parent);
    servizi.esegui(dialogo);
}
