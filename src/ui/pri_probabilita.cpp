// Commands of the main window that edit the probability model's settings.
#include "ui/pri_window.h"

#include "ui/impo_frequenze_dialog.h"
#include "ui/impo_probabilita_dialog.h"

void TPri::collegaComandiProbabilita()
{
    m_comandi.collega(QStringLiteral("Calcolo delle probabilità"), this,
                      [this] { comandoImpostazioniProbabilita(); });
    m_comandi.collega(QStringLiteral("Calcolo delle frequenze"), this,
                      [this] { comandoImpostazioniFrequenze(); });
}

void TPri::comandoImpostazioniProbabilita()
{
    TImpoProbabilita dialogo(
        m_stato, [this](const std::string& topic) { m_apriGuida(QString::fromStdString(topic)); },
        [this] { ricalcolaStatistiche(); }, this);
    dialogo.exec();
}

void TPri::comandoImpostazioniFrequenze()
{
    TImpoFrequenze dialogo(
        m_stato, [this] { ricalcolaStatistiche(); }, this);
    dialogo.exec();
}
