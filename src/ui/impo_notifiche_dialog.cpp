#include "ui/impo_notifiche_dialog.h"

#include "core/impostazioni.h"
#include "editor/stato_applicazione.h"
#include "ui/pulsanti_impostazioni.h"
#include "ui/servizi_finestre.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* Guida = "imp_notifiche.htm";

struct Giorno
{
    int indice; // position in GiorniNotifica, Sunday = 0
    const char* nome;
    const char* oggetto;
};

// Monday first, as the user reads a week; the index keeps the stored order.
constexpr std::array<Giorno, 7> Settimana{{
    {1, "Lunedì", "lunediCheckBox"},
    {2, "Martedì", "martediCheckBox"},
    {3, "Mercoledì", "mercolediCheckBox"},
    {4, "Giovedì", "giovediCheckBox"},
    {5, "Venerdì", "venerdiCheckBox"},
    {6, "Sabato", "sabatoCheckBox"},
    {0, "Domenica", "domenicaCheckBox"},
}};

} // namespace

TImpoNotifiche::TImpoNotifiche(StatoApplicazione& stato, ServiziFinestre& servizi, QWidget* parent)
    : QDialog(parent), m_stato(stato), m_servizi(servizi)
{
    setObjectName(QStringLiteral("TImpoNotifiche"));
    setWindowTitle(QStringLiteral("Notifiche aggiornamenti"));
    const ImpostazioniGenerali& g = m_stato.generali;

    m_notifica =
        new QCheckBox(QStringLiteral("Avvisa all'avvio quando l'archivio storico non è aggiornato"), this);
    m_notifica->setObjectName(QStringLiteral("notificaCheckBox"));
    m_notifica->setChecked(g.notificaAggio == 1);

    m_gruppoGiorni = new QGroupBox(QStringLiteral(" Giorni di estrazione da controllare "), this);
    m_gruppoGiorni->setObjectName(QStringLiteral("giorniGroupBox"));
    auto* griglia = new QGridLayout(m_gruppoGiorni);
    for (std::size_t i = 0; i < Settimana.size(); ++i) {
        const Giorno& giorno = Settimana[i];
        auto* casella = new QCheckBox(QString::fromUtf8(giorno.nome), m_gruppoGiorni);
        casella->setObjectName(QString::fromLatin1(giorno.oggetto));
        const auto posto = static_cast<std::size_t>(giorno.indice);
        // A short or odd record (the loader refuses them, a caller might not) reads as "not watched".
        casella->setChecked(posto < g.giorniNotifica.size() && g.giorniNotifica[posto] == '1');
        m_giorni[posto] = casella;
        const int riga = static_cast<int>(i) % 4;
        const int colonna = static_cast<int>(i) / 4;
        griglia->addWidget(casella, riga, colonna);
    }

    auto* spiegazione = new QLabel(
        QStringLiteral("L'avviso compare quando l'ultima estrazione dell'archivio ha almeno quattro giorni, "
                       "oppure quando uno dei giorni scelti dell'ultima settimana è passato senza che "
                       "l'archivio ne abbia l'estrazione (il giorno stesso, dopo le 20:40)."),
        this);
    spiegazione->setObjectName(QStringLiteral("spiegazioneLabel"));
    spiegazione->setWordWrap(true);

    const RigaPulsantiImpostazioni pulsanti =
        CreaPulsantiImpostazioni(this, [this] { m_servizi.apriGuida(QString::fromLatin1(Guida)); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notifica);
    layout->addWidget(m_gruppoGiorni);
    layout->addWidget(spiegazione);
    layout->addLayout(pulsanti.riga);
    setMinimumWidth(420);

    connect(m_notifica, &QCheckBox::toggled, m_gruppoGiorni, &QWidget::setEnabled);
    connect(pulsanti.applica, &QPushButton::clicked, this, &TImpoNotifiche::applica);
    m_gruppoGiorni->setEnabled(m_notifica->isChecked());
}

void TImpoNotifiche::applica()
{
    ImpostazioniGenerali& g = m_stato.generali;
    g.notificaAggio = m_notifica->isChecked() ? 1 : 0;
    std::string giorni(m_giorni.size(), '0');
    for (std::size_t i = 0; i < m_giorni.size(); ++i) {
        giorni[i] = m_giorni[i]->isChecked() ? '1' : '0';
    }
    g.giorniNotifica = giorni;
    SalvaImpostazioniGenerali(m_stato.impostazioni, g);
    accept();
}
