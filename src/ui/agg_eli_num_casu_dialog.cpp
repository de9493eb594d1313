#include "ui/agg_eli_num_casu_dialog.h"

#include "editor/messaggi_giocate.h"

TAggEliNumCasu::TAggEliNumCasu(Verso verso, int massimo, ServizioMessaggi& messaggi, QWidget* parent)
    : TQuantitaNumeri(QStringLiteral("TAggEliNumCasu"),
                      QString::fromUtf8(verso == Verso::Aggiungi ? messaggi_giocate::AggiungiCasualmente
                                                                 : messaggi_giocate::EliminaCasualmente),
                      QString::fromUtf8(verso == Verso::Aggiungi ? messaggi_giocate::QuantitaDaAggiungere
                                                                 : messaggi_giocate::QuantitaDaEliminare),
                      massimo, false, false, messaggi, parent)
{}
