#pragma once

#include "ui/comandi/area_comandi.h"

// The commands that edit the final plays directly: undo, manual editing, deletions, the imports and the
// text export (menu " Giocate finali " and " Metodi di riduzione " > "Elimina tutte le giocate").
class ComandiGiocate final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

    void modifica();
    void elimina();

private:
    enum class Importazione { Sistema, Lpc, Testo };

    void annullaUltimaOperazione();
    void inserimento();
    void eliminaTutte();
    void importa(Importazione tipo);
    void esporta();
};
