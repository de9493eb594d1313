#include "ui/comandi/comandi_file.h"

#include "editor/file_recenti.h"
#include "editor/file_sistema.h"
#include "editor/messaggi_sistema.h"
#include "editor/nuovo_sistema.h"
#include "editor/viste_statistiche.h"
#include "ui/controllo_esecuzione_qt.h"
#include "ui/cursore_occupato.h"
#include "ui/vista_statistica.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

namespace {

const QString FiltroSistemi = QStringLiteral("Sistema Quarvina Lotto (*.qvs);;Tutti i file (*)");

Messaggio DomandaSalvataggio()
{
    return {messaggi_sistema::SistemaNonSalvato, messaggi_sistema::TitoloAttenzione, Icona::Domanda,
            Pulsanti::SiNoAnnulla, Risposta::Si};
}

} // namespace

std::vector<VoceComando> ComandiFile::voci()
{
    std::vector<VoceComando> voci{
        {Comando::Nuovo, "Nuovo", [this] { nuovo(); }, QKeySequence(Qt::CTRL | Qt::Key_N), Icone::Nuovo,
         "Nuovo sistema"},
        {Comando::Apri, "Apri", [this] { apri(); }, QKeySequence(Qt::CTRL | Qt::Key_A), Icone::Apri,
         "Apri un sistema"},
        {Comando::Salva, "Salva", [this] { salva(); }, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Comando::SalvaConNome, "Salva con nome", [this] { salvaConNome(); },
         QKeySequence(Qt::CTRL | Qt::Key_W), Icone::Salva, "Salva il sistema sul disco"},
        {Comando::Esci, "Esci", [this] { genitore()->close(); }, QKeySequence(Qt::ALT | Qt::Key_F4)},
    };
    // The nine recent files: their captions and paths come from the settings (aggiornaRecenti).
    for (int i = 0; i < NumeroFileRecenti; ++i) {
        voci.push_back(
            {static_cast<Comando>(IndiceComando(Comando::Recente1) + i), "", [this, i] { riapri(i); }});
    }
    return voci;
}

void ComandiFile::iniziaNuovoSistema()
{
    NuovoSistema(stato());
    m_finestra.ricalcolaStatistiche();
    m_finestra.riempiDaSistema();
    stato().sistema.modificato = false;
    m_finestra.aggiornaTitolo();
    aggiornaRecenti();
    m_finestra.aggiornaRiepilogo();
    m_finestra.vistaStatistica().selezionaVista(viste::Vista::GraficoRitardi);
}

bool ComandiFile::chiediSeSalvare()
{
    return salvaSeVoluto(false);
}

bool ComandiFile::puoChiudere()
{
    return salvaSeVoluto(true);
}

bool ComandiFile::salvaSeVoluto(bool chiudendo)
{
    if (!stato().sistema.modificato) {
        return true;
    }
    switch (messaggi().mostra(DomandaSalvataggio())) {
    case Risposta::Si:
        salvaConNome();
        return !stato().sistema.modificato;
    case Risposta::No:
        // Closing drops the changes for good, so nothing asks about them again.
        if (chiudendo) {
            stato().sistema.modificato = false;
        }
        return true;
    default:
        return false;
    }
}

void ComandiFile::nuovo()
{
    if (chiediSeSalvare()) {
        iniziaNuovoSistema();
    }
}

void ComandiFile::apri()
{
    if (!chiediSeSalvare()) {
        return;
    }
    const QString scelto = servizi().scegliFile(
        genitore(),
        ServiziFinestre::SceltaFile::Apri(QStringLiteral("Apri"),
                                          QString::fromStdString(stato().cartelle.documenti), FiltroSistemi));
    if (scelto.isEmpty() || !QFileInfo(scelto).isFile()) {
        return;
    }
    apriSistema(scelto);
}

void ComandiFile::apriSistema(const QString& percorso)
{
    NuovoSistema(stato());
    stato().sistema.nomeFile = percorso.toStdString();
    m_finestra.aggiornaTitolo();
    EsitoFileSistema esito;
    {
        CursoreOccupato occupato;
        // The plays are read in chunks with pending events run between them, so a large system keeps
        // the window painted; no command may touch the list meanwhile.
        genitore()->setEnabled(false);
        ControlloEsecuzioneQt controllo(messaggi());
        esito = LeggiSistema(stato().sistema, stato().giocate, controllo);
        genitore()->setEnabled(true);
    }
    for (const Messaggio& m : esito.messaggi()) {
        messaggi().mostra(m);
    }
    m_finestra.riempiDaSistema();
    // The statistics follow the wheels read from the file, so that they match what the window shows.
    m_finestra.ricalcolaStatistiche();
    stato().sistema.modificato = false;
    aggiornaRecenti();
    m_finestra.aggiornaRiepilogo();
    m_finestra.vistaStatistica().selezionaVista(viste::Vista::GraficoRitardi);
}

void ComandiFile::riapri(int indice)
{
    const Comando comando = static_cast<Comando>(IndiceComando(Comando::Recente1) + indice);
    const QString percorso = m_finestra.azione(comando).data().toString();
    if (percorso.isEmpty() || !QFileInfo(percorso).isFile()) {
        return;
    }
    if (chiediSeSalvare()) {
        apriSistema(percorso);
    }
}

void ComandiFile::salva()
{
    EsitoFileSistema esito;
    {
        CursoreOccupato occupato;
        esito = ScriviSistema(stato().sistema, stato().giocate);
    }
    if (esito.ok()) {
        aggiornaRecenti(stato().sistema.nomeFile);
    } else {
        for (const Messaggio& m : esito.messaggi()) {
            messaggi().mostra(m);
        }
    }
    m_finestra.aggiornaRiepilogo();
}

void ComandiFile::salvaConNome()
{
    const QString scelto = servizi().scegliFile(
        genitore(), ServiziFinestre::SceltaFile::Salva(QStringLiteral("Salva con nome"),
                                                       QString::fromStdString(stato().sistema.nomeFile),
                                                       FiltroSistemi, QStringLiteral("qvs")));
    if (!scelto.isEmpty()) {
        stato().sistema.nomeFile = scelto.toStdString();
        m_finestra.aggiornaTitolo();
        salva();
    }
    m_finestra.aggiornaRiepilogo();
}

void ComandiFile::aggiornaRecenti(const std::string& aggiunto)
{
    std::optional<std::string> nuovo;
    if (!aggiunto.empty()) {
        nuovo = aggiunto;
    }
    const VociRecenti voci = AggiornaFileRecenti(stato().impostazioni, stato().sistema.nomeFile, nuovo);
    bool qualcuna = false;
    for (int i = 0; i < NumeroFileRecenti; ++i) {
        QAction& voce = m_finestra.azione(static_cast<Comando>(IndiceComando(Comando::Recente1) + i));
        voce.setText(QString::fromStdString(voci[i].didascalia));
        voce.setData(QString::fromStdString(voci[i].percorso));
        voce.setVisible(voci[i].visibile);
        qualcuna = qualcuna || voci[i].visibile;
    }
    if (m_menuRecenti != nullptr) {
        m_menuRecenti->setEnabled(qualcuna);
    }
}
