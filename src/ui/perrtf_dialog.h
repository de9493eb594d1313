#pragma once

#include <QDialog>

#include <string>
#include <string_view>

class QTextEdit;

// "Messaggio": the message the update server sent with the draws, in a read-only rich-text view, and
// "OK". An RTF message is shown with its paragraphs, runs and tables as LeggiDocumentoRtf reads them;
// one that reader refuses, or a plain-text message, is shown as the plain text of TestoDaRtf. The view
// holds no image, no link and no object, and its document loads no resource: nothing is ever fetched.
class Tperrtf final : public QDialog
{
    Q_OBJECT

public:
    // `messaggio`: the bytes of the message file.
    explicit Tperrtf(std::string_view messaggio, QWidget* parent = nullptr);

    // The bytes of a message file; empty when it is missing, unreadable or over the download's cap.
    static std::string leggiFile(const QString& percorso);

private:
    QTextEdit* m_testo;
};
