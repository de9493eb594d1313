#include "ui/agg_eli_num_proba_dialog.h"

#include "editor/messaggi_giocate.h"

#include <QPushButton>

TAggEliNumPiuProba::TAggEliNumPiuProba(Verso verso, int massimo, ServizioMessaggi& messaggi,
                                       std::function<void()> impostazioni, QWidget* parent)
    : TQuantitaNumeri(QStringLiteral("TAggEliNumPiuProba"),
                      QString::fromUtf8(verso == Verso::Aggiungi ? messaggi_giocate::AggiungiProbabili
                                                                 : messaggi_giocate::EliminaMenoProbabili),
                      QString::fromUtf8(verso == Verso::Aggiungi
                                            ? messaggi_giocate::QuantitaDaAggiungere
                                            : messaggi_giocate::QuantitaDaEliminareProbabili),
                      massimo, true, true, messaggi, parent),
      m_impostazioni(std::move(impostazioni))
{
    pulsanteImpostazioni()->setEnabled(static_cast<bool>(m_impostazioni));
    connect(pulsanteImpostazioni(), &QPushButton::clicked, this, [this] {
        if (m_impostazioni) {
            m_impostazioni();
        }
    });
}
