#pragma once

#include "ui/rid_gruppi_dialog.h"

class QTableWidget;

// "Riduzione in base ai numeri": the intervals of numbers typed in a table ("10-20" and the allowed
// quantities "0 1 2"), one row per interval and always exactly one empty row at the end; "Elimina tutti"
// clears the record (without writing Intervalli.def).
class TRidNumeri final : public TRidFiltroGruppi
{
    Q_OBJECT

public:
    TRidNumeri(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent = nullptr);

protected:
    bool accettaImpostazioni() override;
    int gruppiGrafico() const override;
    std::pair<Maschera90, std::uint16_t> gruppoGrafico(int g) override;

private:
    void mostraRecord(const IntervalliNumeri& record);
    void eliminaTutti();

    QTableWidget* m_tabella = nullptr;
    int m_intervalli = 0; // intervals of the record in use
};
