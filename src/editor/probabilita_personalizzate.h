#pragma once

#include "core/messaggi_servizio.h"
#include "editor/record_riduzioni.h"

#include <array>
#include <string>

// ProbabilitaPersonalizzate: the user's scores 0..100 of numbers 1..90 (index n - 1) for the
// reduction by custom probabilities. They live in that reduction's settings block, so a system file
// carries them and every new system starts them at 50 (CaricaRecordRiduzioni); these accessors read
// and write them there.
std::array<double, 90> ProbabilitaPersonalizzate(const RecordRiduzioni& record);
void PoniProbabilitaPersonalizzate(RecordRiduzioni& record, const std::array<double, 90>& probabilita);

// "Imposta come predefinite": writes the block's scores to Probabilita.def in the data folder,
// replacing it. Shows the confirmation (caption "OK", information icon) when the whole file was
// written, otherwise the disk error; returns whether the file was written.
[[nodiscard]] bool ImpostaProbabilitaPredefinite(const std::string& cartellaDati,
                                                 const RecordRiduzioni& record, ServizioMessaggi& messaggi);

enum class EsitoRipristino {
    NonRichiesto, // the user answered No
    Ripristinate, // the saved scores replaced the block's
    Assenti,      // no Probabilita.def: nothing changed
    Rifiutate,    // Probabilita.def is not 720 bytes of scores 0..100: nothing changed
};

// "Ripristina predefinite": asks the question (Yes/No); on Yes the scores of Probabilita.def replace
// the block's when the file exists and is sound. The caller shows the grid again in every case.
EsitoRipristino RipristinaProbabilitaPredefinite(const std::string& cartellaDati, RecordRiduzioni& record,
                                                 ServizioMessaggi& messaggi);
