#pragma once

#include "ui/comandi/area_comandi.h"

class QDialog;
struct ContestoIngresso;
struct EsitoIngresso;

// The reduction methods (menu " Metodi di riduzione "): each command runs the entry checks of its menu
// item (reductions/ingresso_riduzioni.h), then opens its dialog modally and refreshes the summary when the
// dialog closes, whatever happened in it.
class ComandiRiduzioni final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

private:
    // Runs an entry-check family; a failed check shows its message and, when it asks, moves the focus to
    // the numbers-per-play selector.
    EsitoIngresso ingresso(EsitoIngresso (*famiglia)(ContestoIngresso&));
    void apri(QDialog& dialogo);

    void sviluppoIntegrale();
    void ortogonalePronostico();
    void ortogonaleGiocate();
    void garanziaPronostico();
    void garanziaGiocate();
    void condizionata();
    void aggiungiCasuali();
    void eliminaCasualmente();
    // The reductions by numbers, cadences, figures and decades: the conditional reduction's entry check.
    template <typename Dialogo> void gruppi();
};
