#include "support/finestre_prova.h"

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
