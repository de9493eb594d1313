#include "ui/comandi/comandi_statistiche.h"

#include "editor/viste_statistiche.h"
#include "ui/cerchio_ciclometrico_dialog.h"
#include "ui/vista_statistica.h"

#include <QAction>

ComandiStatistiche::ComandiStatistiche(FinestraComandi& finestra) : AreaComandi(finestra)
{
    m_cerchio = new TCerchioCiclometrico(stato(), servizi(), genitore());
    m_cerchio->setObjectName(QStringLiteral("TCerchioCiclometrico"));
    VistaStatistica& vista = m_finestra.vistaStatistica();
    vista.setApriCerchio([this] { cerchioCiclometrico(); });
    // The settings dialogs are reached through their menu commands, which keep the settings and the
    // statistics in step; the view recomputes once more when they return.
    vista.setApriImpostazioni([this](bool probabilita) {
        m_finestra.azione(probabilita ? Comando::ImpostazioniProbabilita : Comando::ImpostazioniFrequenze)
            .trigger();
    });
}

// The menu lists the views in selector order, from GraficoRitardi to CerchioCiclometrico.
static_assert(IndiceComando(Comando::CerchioCiclometrico) - IndiceComando(Comando::GraficoRitardi) ==
              static_cast<int>(viste::Vista::CerchioCiclometrico));

std::vector<VoceComando> ComandiStatistiche::voci()
{
    std::vector<VoceComando> voci;
    // The views with the selector's captions; the cyclometric circle opens its own window.
    for (const viste::DescrizioneVista& d : viste::Viste()) {
        const Comando comando =
            static_cast<Comando>(IndiceComando(Comando::GraficoRitardi) + static_cast<int>(d.vista));
        std::function<void()> esegui = [this, vista = d.vista] {
            m_finestra.vistaStatistica().selezionaVista(vista);
        };
        const char* guida = d.guida.empty() ? nullptr : d.guida.data();
        if (d.tipo == viste::TipoVista::CerchioCiclometrico) {
            esegui = [this] { cerchioCiclometrico(); };
            guida = "stats_ciclometria.htm";
        }
        voci.push_back({comando, d.testo.data(), std::move(esegui), {}, {}, nullptr, guida});
    }
    return voci;
}

void ComandiStatistiche::cerchioCiclometrico()
{
    m_cerchio->exec();
}
