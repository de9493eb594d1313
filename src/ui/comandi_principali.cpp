#include "ui/comandi_principali.h"

#include "ui/icone.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <map>

namespace {

// A command of a function that is not built yet: shown, not usable.
QAction* NonDisponibile(QMenu* menu, const QString& testo)
{
    QAction* azione = menu->addAction(testo);
    azione->setEnabled(false);
    return azione;
}

void NonDisponibili(QMenu* menu, std::initializer_list<const char*> testi)
{
    for (const char* testo : testi) {
        NonDisponibile(menu, QString::fromUtf8(testo));
    }
}

QAction* Comando(QMenu* menu, const char* testo, const QKeySequence& scorciatoia = {})
{
    QAction* azione = menu->addAction(QString::fromUtf8(testo));
    azione->setShortcut(scorciatoia);
    return azione;
}

} // namespace

void ComandiPrincipali::crea(QWidget* proprietario, QMenuBar* barra, QToolBar* strumenti)
{
    auto registra = [this](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator() && a->menu() == nullptr) {
                m_perPercorso.emplace(a->text(), a);
                m_perPercorso.emplace(menu->title().trimmed() + QLatin1Char('/') + a->text(), a);
            }
        }
    };

    QMenu* file = barra->addMenu(QStringLiteral(" File "));
    nuovo = Comando(file, "Nuovo", QKeySequence(Qt::CTRL | Qt::Key_N));
    apri = Comando(file, "Apri", QKeySequence(Qt::CTRL | Qt::Key_A));
    riapri = file->addMenu(QStringLiteral("Riapri"));
    for (int i = 1; i <= 9; ++i) {
        QAction* voce = riapri->addAction(QString());
        voce->setObjectName(QStringLiteral("ria%1").arg(i));
        voce->setVisible(false);
        recenti.push_back(voce);
    }
    salva = Comando(file, "Salva", QKeySequence(Qt::CTRL | Qt::Key_S));
    salvaConNome = Comando(file, "Salva con nome", QKeySequence(Qt::CTRL | Qt::Key_W));
    file->addSeparator();
    esci = Comando(file, "Esci", QKeySequence(Qt::ALT | Qt::Key_F4));
    registra(file);

    QMenu* pronostico = barra->addMenu(QStringLiteral(" Pronostico iniziale "));
    NonDisponibili(pronostico, {"Aggiungi numeri più probabili", "Elimina numeri meno probabili",
                                "Aggiungi numeri casualmente", "Elimina numeri casualmente",
                                "Pronostico da giocate", "Elimina tutti i numeri"});

    QMenu* metodi = barra->addMenu(QStringLiteral(" Metodi di riduzione "));
    NonDisponibile(metodi, QStringLiteral("Sviluppo integrale del pronostico"));
    metodi->addSeparator();
    QMenu* matematici = metodi->addMenu(QStringLiteral("Metodi matematici"));
    NonDisponibili(matematici, {"Riduzione ortogonale del pronostico", "Riduzione del pronostico a garanzia",
                                "Riduzione ortogonale delle giocate", "Riduzione delle giocate a garanzia",
                                "Aggiungi giocate più rappresentative",
                                "Elimina giocate meno rappresentative", "Ottimizza probabilità di vincita"});
    QMenu* statistici = metodi->addMenu(QStringLiteral("Metodi statistici"));
    NonDisponibili(statistici,
                   {"Riduzione probabilistica in base alle frequenze",
                    "Riduzione probabilistica in base ai ritardi",
                    "Riduzione in base a probabilità personalizzate", "Riduzione in base alle frequenze",
                    "Riduzione in base ai ritardi", "Riduzione tramite il confronto con l'archivio storico"});
    QMenu* misti = metodi->addMenu(QStringLiteral("Metodi a base mista"));
    NonDisponibili(misti,
                   {"Riduzione condizionata", "Riduzione tramite giocate filtro", "Riduzione cruciverba",
                    "Riduzione in base ai numeri", "Riduzione in base alle cadenze",
                    "Riduzione in base alle figure", "Riduzione in base alle decine",
                    "Sostituzione combinazioni di numeri", "Normalizza distribuzione dei numeri"});
    QMenu* casuali = metodi->addMenu(QStringLiteral("Metodi a base casuale"));
    NonDisponibili(casuali, {"Aggiungi giocate casuali", "Elimina giocate casualmente"});
    QMenu* personali = metodi->addMenu(QStringLiteral("Metodi personali"));
    NonDisponibili(personali, {"Applica riduttore", "Gestione riduttori"});
    apriCartellaRiduttori = Comando(personali, "Apri cartella riduttori personalizzati");
    metodi->addSeparator();
    NonDisponibile(metodi, QStringLiteral("Elimina tutte le giocate"));
    for (QMenu* m : {metodi, matematici, statistici, misti, casuali, personali}) {
        registra(m);
    }

    QMenu* giocate = barra->addMenu(QStringLiteral(" Giocate finali "));
    NonDisponibili(giocate, {"Spoglio delle giocate", "Spoglio con l'archivio storico",
                             "Calcola probabilità di vincita", "Visualizza distribuzione dei numeri"});
    giocate->addSeparator();
    NonDisponibili(giocate, {"Annulla ultima operazione", "Modifica giocate manualmente",
                             "Inserimento giocate da tastiera", "Elimina giocate"});
    giocate->addSeparator();
    NonDisponibili(giocate,
                   {"Importa giocate da un altro sistema", "Importa giocate da un sistema esterno (.lpc)",
                    "Importa giocate da file di testo", "Esporta giocate su file di testo"});
    registra(giocate);

    registra(pronostico);

    QMenu* statistiche = barra->addMenu(QStringLiteral(" Statistiche "));
    NonDisponibili(statistiche,
                   {"Grafico dei ritardi", "Grafico delle frequenze", "Grafico delle probabilità",
                    "I numeri più ritardatari", "I numeri meno frequenti",
                    "Ritardi Attuali/Minimi/Medi/Massimi", "Frequenze Attuali/Minime/Medie/Massime",
                    "Ritardi nelle 5 posizioni", "Frequenze nelle 5 posizioni",
                    "I numeri più ritardatari nelle 5 posizioni", "I numeri meno frequenti nelle 5 posizioni",
                    "I ritardi dei 4005 ambi", "Le frequenze dei 4005 ambi", "La smorfia",
                    "Analisi combinazioni", "Cerchio ciclometrico"});
    registra(statistiche);

    QMenu* stampa = barra->addMenu(QStringLiteral(" Stampa "));
    NonDisponibili(stampa, {"Stampa giocate su schedine", "Stampa giocate su schedine LottoPiù",
                            "Stampa giocate su carta comune"});
    impostaStampante = Comando(stampa, "Imposta stampante");
    QMenu* vecchie = stampa->addMenu(QStringLiteral("Stampa su vecchie schedine"));
    QMenu* mdn = vecchie->addMenu(QStringLiteral("Mod. MDN"));
    NonDisponibili(mdn, {"Stampa giocate su schedine (Mod. MDN)", "Calibra la stampa verticale su schedine",
                         "Calibra la stampa orizzontale su schedine"});
    QMenu* sng = vecchie->addMenu(QStringLiteral("Mod. SNG"));
    NonDisponibili(sng,
                   {"Calibra la stampa verticale su schedine", "Calibra la stampa orizzontale su schedine"});
    QMenu* sci = vecchie->addMenu(QStringLiteral("Mod. SCI"));
    NonDisponibili(sci,
                   {"Calibra la stampa verticale su schedine", "Calibra la stampa orizzintale su schedine"});
    stampa->addSeparator();
    NonDisponibili(stampa,
                   {"Calibra la stampa verticale su schedine", "Calibra la stampa orizzontale su schedine",
                    "Calibra la stampa verticale su schedine LottoPiù",
                    "Calibra la stampa orizzontale su schedine LottoPiù"});
    for (QMenu* m : {stampa, vecchie, mdn, sng, sci}) {
        registra(m);
    }

    QMenu* archivio = barra->addMenu(QStringLiteral(" Archivio storico "));
    NonDisponibili(archivio, {"Aggiorna da Internet", "Visualizza/Modifica"});
    registra(archivio);

    QMenu* impostazioni = barra->addMenu(QStringLiteral(" Impostazioni "));
    NonDisponibili(impostazioni,
                   {"Calcolo delle probabilità", "Calcolo delle frequenze", "Connessione ad Internet"});
    modificaImporti = Comando(impostazioni, "Modifica importi di giocata");
    NonDisponibili(impostazioni, {"Calcola vincite", "Notifiche aggiornamenti"});
    registra(impostazioni);

    QMenu* guida = barra->addMenu(QStringLiteral(" Guida in linea "));
    sommario = Comando(guida, "Sommario", QKeySequence(Qt::Key_F1));
    sommario->setShortcutContext(Qt::ApplicationShortcut);
    informazioni = Comando(guida, "Informazioni su QUARVINA LOTTO");

    // The toolbar repeats menu commands: the same actions, so enabling follows the menu.
    struct Pulsante
    {
        const char* comando;
        const char* suggerimento;
        Icone::Tipo icona;
    };
    const Pulsante pulsanti[] = {
        {"Nuovo", "Nuovo sistema", Icone::Nuovo},
        {"Apri", "Apri un sistema", Icone::Apri},
        {"Salva con nome", "Salva il sistema sul disco", Icone::Salva},
        {nullptr, nullptr, Icone::Nuovo},
        {"Riduzione del pronostico a garanzia", nullptr, Icone::Garanzia},
        {"Riduzione ortogonale del pronostico", nullptr, Icone::Ortogonale},
        {"Riduzione condizionata", nullptr, Icone::Condizionata},
        {"Riduzione tramite giocate filtro", nullptr, Icone::Filtro},
        {"Riduzione probabilistica in base ai ritardi", nullptr, Icone::Ritardi},
        {"Riduzione probabilistica in base alle frequenze", nullptr, Icone::Frequenze},
        {"Ottimizza probabilità di vincita", nullptr, Icone::Ottimizza},
        {nullptr, nullptr, Icone::Nuovo},
        {"Annulla ultima operazione", nullptr, Icone::Annulla},
        {"Elimina giocate", nullptr, Icone::Elimina},
        {"Modifica giocate manualmente", nullptr, Icone::Modifica},
        {nullptr, nullptr, Icone::Nuovo},
        {"Spoglio delle giocate", nullptr, Icone::Spoglio},
        {"Calcola probabilità di vincita", nullptr, Icone::Probabilita},
        {"Stampa giocate su schedine", nullptr, Icone::Stampa},
        {"Aggiorna da Internet", nullptr, Icone::Aggiorna},
    };
    for (const Pulsante& p : pulsanti) {
        if (p.comando == nullptr) {
            strumenti->addSeparator();
            continue;
        }
        QAction* comando = azione(QString::fromUtf8(p.comando));
        if (comando == nullptr) {
            continue;
        }
        comando->setIcon(Icone::Crea(p.icona, proprietario->palette()));
        comando->setToolTip(QString::fromUtf8(p.suggerimento != nullptr ? p.suggerimento : p.comando));
        strumenti->addAction(comando);
    }
}

QAction* ComandiPrincipali::azione(const QString& percorso) const
{
    auto trovata = m_perPercorso.find(percorso);
    return trovata == m_perPercorso.end() ? nullptr : trovata->second;
}
