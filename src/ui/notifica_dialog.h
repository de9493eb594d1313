#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

// "Notifica Aggiornamento": tells that the archive is behind and offers the Internet update. When
// the update is not available, the window says so and offers only to close.
class TNotificaAggiornamento : public QDialog
{
    Q_OBJECT

public:
    TNotificaAggiornamento(const QString& testo, bool aggiornamentoDisponibile, QWidget* parent = nullptr);

    // "Non mostrare più questa scheda" was ticked.
    bool nonMostrarePiu() const;

private:
    QCheckBox* m_nonMostrare;
};
