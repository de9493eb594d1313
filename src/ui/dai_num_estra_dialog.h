#pragma once

#include <QDialog>

#include <cstdint>

class ArchivioStorico;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

// "Specificare l'estrazione": chooses one archive draw, by its position on a scroll bar over 1..N or by
// its date (year, month, and the days of that month that hold a draw). The range follows the archive
// at every opening. After "OK" the caller reads posizione() (0 for an empty archive, where "OK" is off).
class TDaiNumEstra final : public QDialog
{
    Q_OBJECT

public:
    explicit TDaiNumEstra(const ArchivioStorico& archivio, QWidget* parent = nullptr);

    // Renews the range to the archive and shows draw `posizione` (clamped to 1..N; 0 or less: the newest).
    void mostraEstrazione(std::int32_t posizione);
    std::int32_t posizione() const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void barraSpostata(int valore);
    void dataScelta();
    void riempiGiorni(int anno, int mese, int giorno);
    void mostraConcorso();

    const ArchivioStorico& m_archivio;
    QScrollBar* m_barra = nullptr;
    QLabel* m_concorso = nullptr;
    QComboBox* m_anni = nullptr;
    QComboBox* m_mesi = nullptr;
    QComboBox* m_giorni = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_riempimento = false;
};
