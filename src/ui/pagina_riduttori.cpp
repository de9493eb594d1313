#include "ui/pagina_riduttori.h"

#include "editor/stato_applicazione.h"
#include "reductions/messaggi_riduzioni.h"
#include "reductions/riduttori_immediati.h"
#include "ui/servizi_finestre.h"

#include <QUrl>

namespace pagina_riduttori {

namespace {

void Apri(StatoApplicazione& stato, ServiziFinestre& servizi, char metodo, const std::string& idf)
{
    const std::string indirizzo = IndirizzoPaginaRiduttori(stato.generali.serverRiduttori, metodo, idf);
    if (!indirizzo.empty()) {
        servizi.apriIndirizzo(QUrl(QString::fromStdString(indirizzo)));
    }
}

} // namespace

void ApriScarica(StatoApplicazione& stato, ServiziFinestre& servizi, char metodo, const std::string& file)
{
    Apri(stato, servizi, metodo, IdfFileRiduttori(file));
}

void MostraDanneggiato(StatoApplicazione& stato, ServiziFinestre& servizi, char metodo)
{
    namespace mr = messaggi_riduttori;
    stato.messaggi.mostra(
        Messaggio{mr::Danneggiato, mr::TitoloDanneggiato, Icona::Errore, Pulsanti::Ok, Risposta::Ok});
    const Risposta risposta = stato.messaggi.mostra(
        Messaggio{mr::ApriPaginaRiduttori, "Attenzione", Icona::Domanda, Pulsanti::SiNo, Risposta::No});
    if (risposta == Risposta::Si) {
        Apri(stato, servizi, metodo, IdfRiduttoreDanneggiato);
    }
}

} // namespace pagina_riduttori
