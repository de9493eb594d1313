#pragma once

#include "ui/comandi/area_comandi.h"

#include <string>

class QMenu;

// The file commands: Nuovo, Apri, the recent files, Salva, Salva con nome, Esci, and the question about
// unsaved changes that closing the window shares with them.
class ComandiFile final : public AreaComandi
{
public:
    using AreaComandi::AreaComandi;

    std::vector<VoceComando> voci() override;

    // The "Riapri" submenu, enabled while it shows a file.
    void setMenuRecenti(QMenu* menu) { m_menuRecenti = menu; }

    // "Nuovo" without the question: the state of a freshly started program.
    void iniziaNuovoSistema();
    // Opens a file as "Apri" does after its dialog.
    void apriSistema(const QString& percorso);
    // When the system has unsaved changes, asks whether to save them; false when the user cancelled
    // (or the save failed), so whatever was about to replace the system must not happen.
    [[nodiscard]] bool chiediSeSalvare();
    // Closing the window: like chiediSeSalvare, but "No" also drops the changes.
    [[nodiscard]] bool puoChiudere();

private:
    void nuovo();
    void apri();
    void riapri(int indice);
    void salva();
    void salvaConNome();
    void aggiornaRecenti(const std::string& aggiunto = {});
    [[nodiscard]] bool salvaSeVoluto(bool chiudendo);

    QMenu* m_menuRecenti = nullptr;
};
