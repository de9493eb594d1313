#pragma once

#include "printing/impaginazione.h"
#include "printing/schedina.h"

#include <string>
#include <vector>

// The calibration dialogs are one family: each member names its record, the fields it shows, the points of
// its test print and how much the central clamping moves it. The working record of a member is the stored
// record, except that the 8-value form shows fields 3 and 4 as sizes in millimetres (scale × nominal size).
namespace stampa {

enum class MembroCalibrazione {
    SimbolottoVerticale, // TCalibraScheSimbolottoVer
    SimbolottoOrizzontale,
    MdnVerticale,
    MdnOrizzontale,
    LottoPiuVerticale,
    LottoPiuOrizzontale,
    SngVerticale,
    SngOrizzontale,
    SciVerticale,
    SciOrizzontale,
};
inline constexpr int NumeroMembriCalibrazione = 10;

struct CampoCalibrazione
{
    int campo = 1;          // 1-based field of the record
    const char* gruppo;     // the group box it sits in
    const char* etichetta;  // its label
    double passo = 0.5;     // arrow step, mm
    double minimo = -1e300; // after a click a smaller value becomes this
};

struct DescrizioneCalibrazione
{
    const char* classe; // the dialog's class name
    const char* titolo; // its caption
    ModelloSchedina modello;
    Orientamento orientamento;
    const char* guida;              // help topic
    double spostamentoCentrale;     // mm added by "Bloccaggio centrale"
    std::vector<int> campiCentrali; // the fields it is added to
    std::vector<CampoCalibrazione> campi;
};

const DescrizioneCalibrazione& Descrizione(MembroCalibrazione membro);
// The member of a model and orientation (Simbolotto, Mdn and LottoPiù are what the print dialogs open).
MembroCalibrazione MembroDi(ModelloSchedina modello, Orientamento orientamento);

// The nominal size of the 8-value slips: from number 1 to the last box of the estratto determinato amount
// row, along X (asse 0) or Y (asse 1); negative on the horizontal Y, whose number rows run upwards.
double DimensioneNominale(ModelloSchedina modello, Orientamento orientamento, int asse);

CalibrazioneSchedina RecordDiLavoro(MembroCalibrazione membro, const CalibrazioneSchedina& memorizzato);
CalibrazioneSchedina RecordDaMemorizzare(MembroCalibrazione membro, const CalibrazioneSchedina& lavoro);

// Switching the clamping: to central adds the member's offset to its fields; back to lateral subtracts it,
// a negative result becoming 0. A switch to the choice in force changes nothing.
void CambiaBloccaggio(MembroCalibrazione membro, CalibrazioneSchedina& lavoro, bool centraleOra,
                      bool centrale);

// One arrow click on the field at `indice` of the member's field list: the step up (+1) or down (-1), then
// the field's lower limit.
void Spingi(MembroCalibrazione membro, CalibrazioneSchedina& lavoro, std::size_t indice, int verso);

// The defaults in working form, moved for the central clamping when it is chosen.
CalibrazioneSchedina ValoriOriginali(MembroCalibrazione membro, bool centrale);

// A value as the fields show it: fixed notation, trailing zeros dropped but one decimal kept (9.0, 27.5,
// 111.5151).
std::string TestoValore(double valore);
// A typed value: digits and one point (a comma counts as a point); false when it is not a number.
[[nodiscard]] bool LeggiValore(const std::string& testo, double& valore);

// The test slip of a member from its stored-form record: the marks of its test points (the 8-value slips on
// the printer page, with the three text lines; the others on the nominal page, without text).
Impaginazione ImpaginaProva(MembroCalibrazione membro, const CalibrazioneSchedina& memorizzato,
                            const PaginaStampante& pagina);

} // namespace stampa
