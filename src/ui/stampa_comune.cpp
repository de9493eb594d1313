#include "ui/stampa_comune.h"

#include "core/file_binario.h"
#include "printing/messaggi_stampa.h"
#include "ui/servizi_finestre.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

StampanteCondivisa::StampanteCondivisa() : m_stampante(QPrinter::HighResolution)
{
    m_stampante.setDocName(QString::fromUtf8(messaggi_stampa::TitoloLavoro));
}

bool StampanteCondivisa::scegli(ServiziFinestre& servizi, QWidget* genitore)
{
    if (!servizi.scegliStampante(m_stampante, genitore)) {
        return false;
    }
    m_stampante.setDocName(QString::fromUtf8(messaggi_stampa::TitoloLavoro));
    m_scelta = true;
    return true;
}

void AnteprimaDiStampa(ServiziFinestre& servizi, QWidget* genitore, QPrinter& stampante,
                       const PagineDiStampa& pagine)
{
    QPrintPreviewDialog anteprima(&stampante, genitore);
    anteprima.setObjectName(QStringLiteral("anteprimaDiStampa"));
    anteprima.setWindowTitle(QStringLiteral("Anteprima di stampa"));
    QObject::connect(&anteprima, &QPrintPreviewDialog::paintRequested, &anteprima,
                     [&pagine](QPrinter* p) { pagine(*p); });
    servizi.esegui(anteprima);
}

bool StampaSuPdf(ServiziFinestre& servizi, QWidget* genitore, const PagineDiStampa& pagine)
{
    const QString file = servizi.scegliFile(
        genitore,
        ServiziFinestre::SceltaFile::Salva(QStringLiteral("Stampa su PDF"), QString(),
                                           QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("pdf")));
    if (file.isEmpty()) {
        return false;
    }
    // Drawn into a temporary file renamed over the chosen one at the end, like every save: an
    // interrupted print never leaves a cut PDF in place of a good one.
    const std::optional<std::string> temporaneo = FileTemporaneoPer(file.toStdString());
    if (!temporaneo) {
        return false;
    }
    {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(QString::fromStdString(*temporaneo));
        pdf.setDocName(QString::fromUtf8(messaggi_stampa::TitoloLavoro));
        pagine(pdf);
    }
    return SostituisciFile(*temporaneo, file.toStdString());
}
