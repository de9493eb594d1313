#pragma once

#include <string>

class ServiziFinestre;
struct StatoApplicazione;

// The immediate-reducer download page of the guarantee ('g') and orthogonal ('o') dialogs, on the server
// of the setting ServerRiduttori.
namespace pagina_riduttori {

// "Scarica riduttori": the page for the reducer file `file` (its size tells the server which it is).
void ApriScarica(StatoApplicazione& stato, ServiziFinestre& servizi, char metodo, const std::string& file);

// A damaged reducer: the error, then the question whether to open the download page ("No" by default,
// since the answer opens the browser).
void MostraDanneggiato(StatoApplicazione& stato, ServiziFinestre& servizi, char metodo);

} // namespace pagina_riduttori
