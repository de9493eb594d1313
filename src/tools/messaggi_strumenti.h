#pragma once

// Texts of the statistics tools (cyclometric circle, number distribution), exactly as the user sees
// them ("\r" separates lines).
namespace messaggi_strumenti {

inline constexpr const char* TitoloCerchio = "Il cerchio ciclometrico";
inline constexpr const char* TitoloDistribuzione = "Distribuzione dei numeri nelle giocate";

// "Il " + position + "º numero non è valido!"
inline constexpr const char* NumeroNonValidoPrima = "Il ";
inline constexpr const char* NumeroNonValidoDopo = "º numero non è valido!";

inline constexpr const char* NessunaGiocata = "Non ci sono giocate da controllare!";
inline constexpr const char* StampaNonRiuscita = "Impossibile avviare la stampa.";

inline constexpr const char* EtichettaNumeri = "Numeri:";
inline constexpr const char* EtichettaLati = "Lati:";
inline constexpr const char* EtichettaDistanze = "Distanze:";
inline constexpr const char* EtichettaDistanzeCiclometriche = "Distanze ciclometriche:";
inline constexpr const char* EtichettaData = "Del:";
inline constexpr const char* EtichettaConcorso = "Nº Concorso:";

inline constexpr const char* GuidaCerchio = "stats_ciclometria.htm";
inline constexpr const char* GuidaDistribuzione = "gf_distrinu.htm";

} // namespace messaggi_strumenti
