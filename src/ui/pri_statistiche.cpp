// The statistics views of the main window's lower half and their " Statistiche " menu.
#include "ui/pri_window.h"

#include "editor/viste_statistiche.h"
#include "ui/vista_giocate.h"
#include "ui/vista_statistica.h"

QWidget* TPri::creaVistaStatistica()
{
    m_vistaStatistica = new VistaStatistica(m_stato, m_apriGuida, this);
    m_vistaStatistica->setMinimumHeight(300);
    // The settings dialogs recompute the statistics themselves (and so this view, through
    // ricalcolaStatistiche); the view recomputes once more when they return.
    m_vistaStatistica->setApriImpostazioni([this](bool probabilita) {
        if (probabilita) {
            comandoImpostazioniProbabilita();
        } else {
            comandoImpostazioniFrequenze();
        }
    });
    m_vistaStatistica->setGiocataSelezionata([this] {
        const int indice = m_vistaGiocate->selezione().second;
        return indice >= 1 && indice <= m_stato.giocate.conteggio() ? m_stato.giocate.voce(indice)
                                                                    : Tipo_Giocata{};
    });
    return m_vistaStatistica;
}

void TPri::collegaComandiStatistiche()
{
    // Each item of the menu selects its view; the cyclometric circle has a window of its own.
    for (const viste::DescrizioneVista& d : viste::Viste()) {
        if (d.tipo == viste::TipoVista::CerchioCiclometrico) {
            continue;
        }
        m_comandi.collega(QString::fromUtf8(d.testo.data(), static_cast<qsizetype>(d.testo.size())), this,
                          [this, vista = d.vista] { m_vistaStatistica->selezionaVista(vista); });
    }
}

void TPri::aggiornaVistaStatistica()
{
    if (m_vistaStatistica != nullptr) {
        m_vistaStatistica->ricalcola();
    }
}

void TPri::mostraPrimaVistaStatistica()
{
    if (m_vistaStatistica != nullptr) {
        m_vistaStatistica->selezionaVista(viste::Vista::GraficoRitardi);
    }
}
