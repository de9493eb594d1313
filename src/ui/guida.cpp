#include "ui/guida.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Reads only local files inside the help folder, so a page cannot make the viewer fetch anything
// else (images or style sheets named by address, files elsewhere on the disk).
class BrowserGuida final : public QTextBrowser
{
public:
    BrowserGuida(const QString& cartella, QWidget* genitore) : QTextBrowser(genitore), m_radice(cartella) {}

    QVariant loadResource(int tipo, const QUrl& nome) override
    {
        if (!nome.isLocalFile() || m_radice.isEmpty()) {
            return {};
        }
        const QString percorso = QFileInfo(nome.toLocalFile()).canonicalFilePath();
        if (percorso.isEmpty() || !percorso.startsWith(m_radice + QLatin1Char('/'))) {
            return {};
        }
        return QTextBrowser::loadResource(tipo, nome);
    }

private:
    QString m_radice;
};

} // namespace

Guida::Guida(const QString& cartella, QWidget* genitore)
    : QWidget(genitore, Qt::Window), m_cartella(QFileInfo(cartella).canonicalFilePath())
{
    setObjectName(QStringLiteral("guidaWindow"));
    setWindowTitle(QStringLiteral("Guida in linea - QUARVINA LOTTO"));
    resize(760, 560);

    m_browser = new BrowserGuida(m_cartella, this);
    m_browser->setObjectName(QStringLiteral("guidaTextBrowser"));
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &Guida::seguiCollegamento);

    auto* sommarioButton = new QPushButton(QStringLiteral("Sommario"), this);
    sommarioButton->setObjectName(QStringLiteral("sommarioPushButton"));
    auto* indietroButton = new QPushButton(QStringLiteral("Indietro"), this);
    indietroButton->setObjectName(QStringLiteral("indietroPushButton"));
    indietroButton->setEnabled(false);
    auto* avantiButton = new QPushButton(QStringLiteral("Avanti"), this);
    avantiButton->setObjectName(QStringLiteral("avantiPushButton"));
    avantiButton->setEnabled(false);
    connect(sommarioButton, &QPushButton::clicked, this, &Guida::sommario);
    connect(indietroButton, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(avantiButton, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, indietroButton, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, avantiButton, &QPushButton::setEnabled);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(sommarioButton);
    pulsanti->addWidget(indietroButton);
    pulsanti->addWidget(avantiButton);
    pulsanti->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pulsanti);
    layout->addWidget(m_browser);
}

bool Guida::nellaCartella(const QString& percorso) const
{
    const QString canonico = QFileInfo(percorso).canonicalFilePath();
    return !m_cartella.isEmpty() && !canonico.isEmpty() && QFileInfo(canonico).isFile() &&
           canonico.startsWith(m_cartella + QLatin1Char('/'));
}

void Guida::apri(const QString& topic)
{
    // Topics are plain page names; anything naming another folder is not a topic.
    const bool nomeSemplice = !topic.isEmpty() && !topic.contains(QLatin1Char('/')) &&
                              !topic.contains(QLatin1Char('\\')) && topic != QStringLiteral("..");
    const QString percorso = QDir(m_cartella).filePath(topic);
    if (nomeSemplice && nellaCartella(percorso)) {
        apriFile(percorso);
    } else {
        sommario();
    }
}

void Guida::sommario()
{
    apriFile(QDir(m_cartella).filePath(QString::fromLatin1(PaginaIndice)));
}

void Guida::apriFile(const QString& percorso)
{
    if (nellaCartella(percorso)) {
        m_browser->setSource(QUrl::fromLocalFile(QFileInfo(percorso).canonicalFilePath()));
    } else {
        m_browser->clearHistory();
        m_browser->setHtml(QStringLiteral("<p>La guida in linea non è disponibile.</p>"));
    }
    mostra();
}

void Guida::mostra()
{
    // An open modal dialog blocks every window of the program but its own: the help window joins the
    // dialog as one of its windows while it is open, so it can be read, scrolled and closed beside it.
    QWidget* modale = QApplication::activeModalWidget();
    if (modale != nullptr && modale != this && modale != m_modale) {
        affidaA(modale);
    }
    show();
    raise();
    activateWindow();
}

void Guida::affidaA(QWidget* modale)
{
    if (m_modale != nullptr) {
        m_modale->removeEventFilter(this);
    }
    const QRect geometria = geometry();
    setParent(modale, Qt::Window);
    setGeometry(geometria);
    m_modale = modale;
    modale->installEventFilter(this);
}

bool Guida::eventFilter(QObject* oggetto, QEvent* evento)
{
    // Before the dialog goes (a dialog hides before it is destroyed) the help window leaves it, so it is
    // not destroyed with it; it stays open and joins the dialog below, if one is still open.
    if (oggetto == m_modale && evento->type() == QEvent::Hide) {
        const bool visibile = isVisible();
        const QRect geometria = geometry();
        m_modale->removeEventFilter(this);
        m_modale = nullptr;
        setParent(nullptr, Qt::Window);
        setGeometry(geometria);
        if (visibile) {
            QTimer::singleShot(0, this, &Guida::mostra);
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

void Guida::seguiCollegamento(const QUrl& url)
{
    const QString schema = url.scheme().toLower();
    if (schema == QLatin1String("http") || schema == QLatin1String("https") ||
        schema == QLatin1String("mailto")) {
        QDesktopServices::openUrl(url);
        return;
    }
    const QUrl risolto = m_browser->source().resolved(url);
    if (!risolto.isLocalFile() || !nellaCartella(risolto.toLocalFile())) {
        return;
    }
    if (risolto.adjusted(QUrl::RemoveFragment) == m_browser->source().adjusted(QUrl::RemoveFragment) &&
        risolto.hasFragment()) {
        m_browser->scrollToAnchor(risolto.fragment());
        return;
    }
    m_browser->setSource(risolto);
}

QString CartellaGuida(const QString& cartellaDati)
{
    if (cartellaDati.isEmpty()) {
        return {};
    }
    const QString cartella = QDir(cartellaDati).filePath(QStringLiteral("help/html"));
    if (!QFileInfo(QDir(cartella).filePath(QString::fromLatin1(Guida::PaginaIndice))).isFile()) {
        return {};
    }
    return QFileInfo(cartella).canonicalFilePath();
}
