#pragma once

#include <string>

// The three folders the program works in, each with a trailing separator.
struct Cartelle
{
    std::string programma; // CartellaProgramma: the executable's folder (help pages)
    std::string dati;      // CartellaDati: archive, settings files of the reductions
    std::string personale; // CartellaPersonale: personal reducers, update messages
    std::string documenti; // initial folder of the system dialogs (documents, else personale)
};
