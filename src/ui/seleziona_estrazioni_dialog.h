#pragma once

#include <QDialog>

#include <cstdint>

class ArchivioStorico;
class QLabel;
class QScrollBar;

// "Selezionare le estrazioni": a range of archive draws chosen with two scroll bars over 1..N. The
// first cannot pass the last: moving one past the other drags the other along. After "OK" the caller
// reads prima() and ultima().
class TSelezionaEstrazioni final : public QDialog
{
    Q_OBJECT

public:
    // `spiegazione` is the text shown above the bars; the bars start on prima and ultima (clamped to 1..N).
    TSelezionaEstrazioni(const ArchivioStorico& archivio, std::int32_t prima, std::int32_t ultima,
                         const QString& spiegazione, QWidget* parent = nullptr);

    std::int32_t prima() const;
    std::int32_t ultima() const;

private:
    void primaSpostata(int valore);
    void ultimaSpostata(int valore);
    void mostra();

    const ArchivioStorico& m_archivio;
    QScrollBar* m_prima = nullptr;
    QScrollBar* m_ultima = nullptr;
    QLabel* m_etichettaPrima = nullptr;
    QLabel* m_etichettaUltima = nullptr;
    QLabel* m_etichettaQuante = nullptr;
};
