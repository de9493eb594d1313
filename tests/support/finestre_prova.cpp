#include "support/finestre_prova.h"

#include "platform/http_client.h"

#include <QDialog>

namespace test {

namespace {

Cartelle CartelleDiProva(const CartellaTemporanea& cartella, QualiCartelle quali)
{
    const std::string c = cartella.cartella();
    if (quali == QualiCartelle::SoloDati) {
        Cartelle cartelle;
        cartelle.dati = c;
        return cartelle;
    }
    return Cartelle{c, c, c, c};
}

} // namespace

ServiziRegistrati::ServiziRegistrati(ServizioMessaggi& messaggi) : m_messaggi(messaggi) {}

ServiziRegistrati::~ServiziRegistrati() = default;

QString ServiziRegistrati::scegliFile(QWidget*, const SceltaFile& scelta)
{
    scelteFile.push_back(scelta);
    return file;
}

bool ServiziRegistrati::scegliStampante(QPrinter& p, QWidget*)
{
    return stampante ? stampante(p) : false;
}

int ServiziRegistrati::esegui(QDialog& d)
{
    dialoghi.push_back(QString::fromLatin1(d.metaObject()->className()));
    if (dialogo) {
        if (const auto risposta = dialogo(d)) {
            return *risposta;
        }
    }
    return d.exec();
}

ClientHttp& ServiziRegistrati::clientHttp()
{
    if (!m_client) {
        m_client = std::make_unique<HttpClient>();
    }
    return *m_client;
}

StatoDiProva::StatoDiProva(QualiCartelle quali) : stato(store, messaggi, CartelleDiProva(cartella, quali)) {}

QAction* azione(const QWidget* finestra, const QString& testo)
{
    for (QAction* a : finestra->findChildren<QAction*>()) {
        if (a->text() == testo) {
            return a;
        }
    }
    qFatal("action not found");
}

} // namespace test
