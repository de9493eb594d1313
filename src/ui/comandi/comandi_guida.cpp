#include "ui/comandi/comandi_guida.h"

#include <QMessageBox>

std::vector<VoceComando> ComandiGuida::voci()
{
    return {
        {Comando::Sommario, "Sommario", [this] { servizi().apriGuida({}); }, QKeySequence(Qt::Key_F1),
         Icone::Guida, nullptr, "index.htm"},
        {Comando::Informazioni, "Informazioni su QUARVINA LOTTO", [this] { informazioni(); }},
    };
}

void ComandiGuida::informazioni()
{
    QMessageBox::about(genitore(), QStringLiteral("Informazioni su QUARVINA LOTTO"),
                       QStringLiteral("<h3>QUARVINA LOTTO</h3>"
                                      "<p>Sistemi, riduzioni, statistiche e stampa delle schedine "
                                      "per il gioco del Lotto.</p>"
                                      "<p>Versione %1</p>"
                                      "<p>Le vincite sono calcolate al lordo delle ritenute di legge.</p>")
                           .arg(QStringLiteral(QUARVIN_VERSIONE)));
}
