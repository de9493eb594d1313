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

std::vector<VoceComando> ComandiStatistiche::voci()
{
    std::vector<VoceComando> voci;
    // The views in selector order, with the selector's captions.
    for (int k = 0; k < viste::NumeroViste; ++k) {
        const auto& vista = viste::Viste()[static_cast<std::size_t>(k)];
        const Comando comando = static_cast<Comando>(IndiceComando(Comando::GraficoRitardi) + k);
        std::function<void()> esegui = [this, k] { m_finestra.vistaStatistica().selezionaVista(k); };
        const char* guida = vista.guida.empty() ? nullptr : vista.guida.data();
        if (k == viste::CerchioCiclometrico) {
            esegui = [this] { cerchioCiclometrico(); };
            guida = "stats_ciclometria.htm";
        }
        voci.push_back({comando, vista.testo.data(), std::move(esegui), {}, {}, nullptr, guida});
    }
    return voci;
}

void ComandiStatistiche::cerchioCiclometrico()
{
    m_cerchio->exec();
}
