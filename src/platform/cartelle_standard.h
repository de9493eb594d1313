#pragma once

#include "core/cartelle.h"

#include <QString>

// Resolves the program's folders from the platform's standard locations and creates the missing
// ones. QUARVIN_DATI and QUARVIN_PERSONALE (or the explicit overrides, when not empty) replace the
// data and personal folders; tests and portable installs use them.
Cartelle RisolviCartelle(const QString& cartellaProgramma, const QString& datiForzata = {},
                         const QString& personaleForzata = {});
