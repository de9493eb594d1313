#include "ui/comandi/menu_principale.h"

#include "ui/comandi/azioni_principali.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <bitset>
#include <initializer_list>

namespace {

using C = Comando;

// In a menu's list: a line between groups.
constexpr Comando Separatore = Comando::Numero;

class Disposizione
{
public:
    explicit Disposizione(const AzioniPrincipali& azioni) : m_azioni(azioni) {}

    void aggiungi(QMenu* menu, std::initializer_list<Comando> comandi)
    {
        for (Comando c : comandi) {
            if (c == Separatore) {
                menu->addSeparator();
                continue;
            }
            if (m_posti.test(static_cast<std::size_t>(IndiceComando(c)))) {
                qFatal("command %d placed twice in the menus", IndiceComando(c));
            }
            m_posti.set(static_cast<std::size_t>(IndiceComando(c)));
            menu->addAction(&m_azioni.azione(c));
        }
    }

    void barra(QToolBar* strumenti, std::initializer_list<Comando> comandi)
    {
        for (Comando c : comandi) {
            if (c == Separatore) {
                strumenti->addSeparator();
            } else {
                strumenti->addAction(&m_azioni.azione(c));
            }
        }
    }

    void verificaTutti() const
    {
        for (int i = 0; i < NumeroComandi; ++i) {
            if (!m_posti.test(static_cast<std::size_t>(i))) {
                qFatal("command %d has no place in the menus", i);
            }
        }
    }

private:
    const AzioniPrincipali& m_azioni;
    std::bitset<NumeroComandi> m_posti;
};

} // namespace

QMenu* CreaMenuPrincipale(const AzioniPrincipali& azioni, QMenuBar* barra, QToolBar* strumenti)
{
    Disposizione d(azioni);

    QMenu* file = barra->addMenu(QStringLiteral(" File "));
    d.aggiungi(file, {C::Nuovo, C::Apri});
    QMenu* riapri = file->addMenu(QStringLiteral("Riapri"));
    d.aggiungi(riapri, {C::Recente1, C::Recente2, C::Recente3, C::Recente4, C::Recente5, C::Recente6,
                        C::Recente7, C::Recente8, C::Recente9});
    d.aggiungi(file, {C::Salva, C::SalvaConNome, Separatore, C::Esci});

    QMenu* pronostico = barra->addMenu(QStringLiteral(" Pronostico iniziale "));
    d.aggiungi(pronostico,
               {C::AggiungiNumeriProbabili, C::EliminaNumeriMenoProbabili, C::AggiungiNumeriCasualmente,
                C::EliminaNumeriCasualmente, C::PronosticoDaGiocate, C::EliminaTuttiINumeri});

    QMenu* metodi = barra->addMenu(QStringLiteral(" Metodi di riduzione "));
    d.aggiungi(metodi, {C::SviluppoIntegrale, Separatore});
    d.aggiungi(metodi->addMenu(QStringLiteral("Metodi matematici")),
               {C::RiduzioneOrtogonalePronostico, C::RiduzioneGaranziaPronostico,
                C::RiduzioneOrtogonaleGiocate, C::RiduzioneGaranziaGiocate,
                C::AggiungiGiocatePiuRappresentative, C::EliminaGiocateMenoRappresentative,
                C::OttimizzaProbabilitaVincita});
    d.aggiungi(metodi->addMenu(QStringLiteral("Metodi statistici")),
               {C::RiduzioneProbabilisticaFrequenze, C::RiduzioneProbabilisticaRitardi,
                C::RiduzioneProbabilitaPersonalizzate, C::RiduzioneFrequenze, C::RiduzioneRitardi,
                C::RiduzioneConfrontoStorico});
    d.aggiungi(metodi->addMenu(QStringLiteral("Metodi a base mista")),
               {C::RiduzioneCondizionata, C::RiduzioneGiocateFiltro, C::RiduzioneCruciverba,
                C::RiduzioneNumeri, C::RiduzioneCadenze, C::RiduzioneFigure, C::RiduzioneDecine,
                C::SostituzioneCombinazioni, C::NormalizzaDistribuzione});
    d.aggiungi(metodi->addMenu(QStringLiteral("Metodi a base casuale")),
               {C::AggiungiGiocateCasuali, C::EliminaGiocateCasualmente});
    d.aggiungi(metodi->addMenu(QStringLiteral("Metodi personali")),
               {C::ApplicaRiduttore, C::GestioneRiduttori, C::ApriCartellaRiduttori});
    d.aggiungi(metodi, {Separatore, C::EliminaTutteLeGiocate});

    QMenu* giocate = barra->addMenu(QStringLiteral(" Giocate finali "));
    d.aggiungi(giocate,
               {C::SpoglioGiocate, C::SpoglioStorico, C::ProbabilitaVincita, C::VerificaGaranzia,
                C::BilancioStorico, C::ProbabilitaSistema, C::DistribuzioneNumeri, Separatore,
                C::AnnullaUltimaOperazione, C::ModificaGiocate, C::InserimentoGiocate, C::EliminaGiocate,
                Separatore, C::ImportaDaSistema, C::ImportaDaLpc, C::ImportaDaTesto, C::EsportaSuTesto});

    QMenu* statistiche = barra->addMenu(QStringLiteral(" Statistiche "));
    d.aggiungi(statistiche,
               {C::GraficoRitardi, C::GraficoFrequenze, C::GraficoProbabilita, C::NumeriPiuRitardatari,
                C::NumeriMenoFrequenti, C::RitardiAttualiMinimiMediMassimi,
                C::FrequenzeAttualiMinimeMedieMassime, C::RitardiPosizioni, C::FrequenzePosizioni,
                C::NumeriPiuRitardatariPosizioni, C::NumeriMenoFrequentiPosizioni, C::RitardiAmbi,
                C::FrequenzeAmbi, C::Smorfia, C::AnalisiCombinazioni, C::CerchioCiclometrico});

    QMenu* stampa = barra->addMenu(QStringLiteral(" Stampa "));
    d.aggiungi(stampa,
               {C::StampaSchedine, C::StampaSchedineLottoPiu, C::StampaCartaComune, C::ImpostaStampante});
    QMenu* vecchie = stampa->addMenu(QStringLiteral("Stampa su vecchie schedine"));
    d.aggiungi(vecchie->addMenu(QStringLiteral("Mod. MDN")),
               {C::StampaSchedineMdn, C::CalibraVerticaleMdn, C::CalibraOrizzontaleMdn});
    d.aggiungi(vecchie->addMenu(QStringLiteral("Mod. SNG")),
               {C::CalibraVerticaleSng, C::CalibraOrizzontaleSng});
    d.aggiungi(vecchie->addMenu(QStringLiteral("Mod. SCI")),
               {C::CalibraVerticaleSci, C::CalibraOrizzontaleSci});
    d.aggiungi(stampa, {Separatore, C::CalibraVerticale, C::CalibraOrizzontale, C::CalibraVerticaleLottoPiu,
                        C::CalibraOrizzontaleLottoPiu});

    d.aggiungi(barra->addMenu(QStringLiteral(" Archivio storico ")),
               {C::AggiornaDaInternet, C::VisualizzaModificaArchivio});

    d.aggiungi(barra->addMenu(QStringLiteral(" Impostazioni ")),
               {C::ImpostazioniProbabilita, C::ImpostazioniFrequenze, C::ConnessioneInternet,
                C::ModificaImporti, C::CalcolaVincite, C::NotificheAggiornamenti});

    d.aggiungi(barra->addMenu(QStringLiteral(" Guida in linea ")), {C::Sommario, C::Informazioni});
    d.verificaTutti();

    d.barra(strumenti, {C::Nuovo,
                        C::Apri,
                        C::SalvaConNome,
                        Separatore,
                        C::RiduzioneGaranziaPronostico,
                        C::RiduzioneOrtogonalePronostico,
                        C::RiduzioneCondizionata,
                        C::RiduzioneGiocateFiltro,
                        C::RiduzioneProbabilisticaRitardi,
                        C::RiduzioneProbabilisticaFrequenze,
                        C::OttimizzaProbabilitaVincita,
                        Separatore,
                        C::AnnullaUltimaOperazione,
                        C::EliminaGiocate,
                        C::ModificaGiocate,
                        Separatore,
                        C::SpoglioGiocate,
                        C::ProbabilitaVincita,
                        C::StampaSchedine,
                        C::AggiornaDaInternet});
    return riapri;
}
