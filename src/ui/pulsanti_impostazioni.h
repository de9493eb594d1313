#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;
class QPushButton;

// The button row of the settings windows: "Guida in linea" on the left, "Applica" (the default) and
// "Annulla" on the right. Annulla rejects the dialog, Guida in linea calls apriGuida. Returns the row
// for the dialog's layout and the Applica button, which the dialog connects to its own check.
struct RigaPulsantiImpostazioni
{
    QHBoxLayout* riga = nullptr;
    QPushButton* applica = nullptr;
};
RigaPulsantiImpostazioni CreaPulsantiImpostazioni(QDialog* dialogo, std::function<void()> apriGuida);
