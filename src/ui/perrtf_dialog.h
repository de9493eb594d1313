#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Messaggio": the message the update server sent with the draws, shown as plain text (an RTF file is
// read by TestoDaRtf: nothing it references is fetched, no link or object is active), and "OK".
class Tperrtf final : public QDialog
{
    Q_OBJECT

public:
    explicit Tperrtf(const QString& testo, QWidget* parent = nullptr);

    // The readable text of a message file (RTF or plain text), empty when it cannot be read.
    static QString testoDaFile(const QString& percorso);

private:
    QPlainTextEdit* m_testo;
};
