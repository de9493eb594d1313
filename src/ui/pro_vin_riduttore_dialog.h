#pragma once

#include "ui/probabilita_vincita_dialog.h"

#include <QString>

#include <cstdint>
#include <vector>

struct VoceRiduttore;

// "Calcola probabilità di vincita del riduttore": the winning-probability window on a reducer's numbers
// and plays (at most MassimoGiocateProbabilita) instead of the system's, with the caller's caption; help
// topic "mdr_applicarid.htm"; the chosen points shared with the system's window (CalcProVinID).
class TProVinRiduttore final : public TProbabilitaVincita
{
    Q_OBJECT

public:
    TProVinRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi, const QString& titolo,
                     std::vector<std::uint8_t> pronostico, std::vector<Tipo_Giocata> giocate,
                     QWidget* parent = nullptr);

    // For a listed reducer: the positions 1..m taken as numbers and the valid play lines, caption
    // "Calcola probabilità di vincita del riduttore " + file name. A reducer of more than 10000 plays gets
    // the warning instead, an unreadable one its message.
    static void ApriPerRiduttore(StatoApplicazione& stato, ServiziFinestre& servizi,
                                 const VoceRiduttore& voce, QWidget* parent);
};
