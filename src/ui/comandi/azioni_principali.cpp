#include "ui/comandi/azioni_principali.h"

#include <QAction>
#include <QWidget>

void AzioniPrincipali::registra(const std::vector<VoceComando>& voci)
{
    for (const VoceComando& voce : voci) {
        const int indice = IndiceComando(voce.comando);
        if (m_azioni[indice] != nullptr) {
            qFatal("command %d made twice", indice);
        }
        auto* azione = new QAction(QString::fromUtf8(voce.testo), m_proprietario);
        azione->setObjectName(QStringLiteral("comando%1").arg(indice));
        azione->setShortcut(voce.tasti);
        if (voce.icona) {
            azione->setIcon(Icone::Crea(*voce.icona, m_proprietario->palette()));
            azione->setToolTip(
                QString::fromUtf8(voce.suggerimento != nullptr ? voce.suggerimento : voce.testo));
        }
        azione->setEnabled(static_cast<bool>(voce.esegui));
        if (voce.esegui) {
            QObject::connect(azione, &QAction::triggered, m_proprietario, voce.esegui);
        }
        m_azioni[indice] = azione;
        m_guide[indice] = voce.guida != nullptr ? voce.guida : "";
    }
}

void AzioniPrincipali::verificaComplete() const
{
    for (int i = 0; i < NumeroComandi; ++i) {
        if (m_azioni[i] == nullptr) {
            qFatal("command %d has no action: its area's table lacks its row", i);
        }
    }
}

QAction& AzioniPrincipali::azione(Comando comando) const
{
    QAction* azione = m_azioni[IndiceComando(comando)];
    if (azione == nullptr) {
        qFatal("command %d asked before its area made it", IndiceComando(comando));
    }
    return *azione;
}

const char* AzioniPrincipali::guida(Comando comando) const
{
    const char* guida = m_guide[IndiceComando(comando)];
    return guida != nullptr ? guida : "";
}
