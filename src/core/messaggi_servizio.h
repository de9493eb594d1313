#pragma once

#include <string>

// Modal messages go through this seam: the windows show a message box, the command-line tool
// prints on standard error, tests record the text and answer as scripted.
enum class Icona { Nessuna, Avviso, Errore, Domanda, Informazione };
enum class Pulsanti { Ok, SiNo, SiNoAnnulla, OkAnnulla };
enum class Risposta { Ok, Si, No, Annulla };

struct Messaggio
{
    std::string testo; // exact text; "\r" separates lines
    std::string titolo = "Attenzione";
    Icona icona = Icona::Avviso;
    Pulsanti pulsanti = Pulsanti::Ok;
    Risposta predefinita = Risposta::Ok;
};

class ServizioMessaggi
{
public:
    virtual ~ServizioMessaggi() = default;
    virtual Risposta mostra(const Messaggio& messaggio) = 0;
};

inline Messaggio Avviso(std::string testo)
{
    return Messaggio{std::move(testo), "Attenzione", Icona::Avviso, Pulsanti::Ok, Risposta::Ok};
}

inline Messaggio Errore(std::string testo, Icona icona = Icona::Errore)
{
    return Messaggio{std::move(testo), "Errore", icona, Pulsanti::Ok, Risposta::Ok};
}
