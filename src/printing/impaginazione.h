#pragma once

#include "core/elenco_giocate.h"
#include "core/giocata.h"
#include "core/messaggi_servizio.h"
#include "editor/riepilogo.h"
#include "editor/sistema.h"
#include "printing/schedina.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Page layouts as lists of drawing commands. A layout has a frame (its width and height in its own unit:
// millimetres for the slips, device pixels for plain paper); a canvas maps a frame coordinate v onto the
// device as round(device size × v ÷ frame size), so one canvas serves printer, PDF and previews.
namespace stampa {

enum class TipoComando {
    Segno,   // filled black circle: bounding square at (x, y), side `larghezza` (mapped with the width)
    Testo,   // Arial, black: top-left at (x, y) (each raised to 0), font height `altezza`, then `riga`
             // times the height of "Hg" lower
    Cornice, // a framed rectangle (x, y, larghezza, altezza)
};

struct ComandoDisegno
{
    TipoComando tipo = TipoComando::Segno;
    double x = 0;
    double y = 0;
    double larghezza = 0;
    double altezza = 0;
    int riga = 0;
    std::string testo; // UTF-8
};

struct PaginaDisegno
{
    std::vector<ComandoDisegno> comandi;
};

struct Impaginazione
{
    double larghezza = 0; // the frame
    double altezza = 0;
    std::vector<PaginaDisegno> pagine;
};

// Text measurement in device pixels with Arial of the given pixel height; the canvas provides it.
class MisuraTesto
{
public:
    virtual ~MisuraTesto() = default;
    [[nodiscard]] virtual int larghezza(std::string_view testo, int altezzaFont) const = 0;
    [[nodiscard]] virtual int altezza(std::string_view testo, int altezzaFont) const = 0;
};

// What a slip carries besides the play.
struct OpzioniSchedina
{
    Orientamento orientamento = Orientamento::Verticale;
    bool numeroSchedina = true; // "Scheda Nº i"
    bool simbolotto = false;    // current slip: the Simbolotto box
    int abbonamento = -1;       // current slip: subscription length index 0..6, -1 none
};

struct ElementoSegno
{
    int tipo = 0;
    int a = 0;
    bool operator==(const ElementoSegno&) const = default;
};

// The marks of one slip in the order they are drawn. For the current slip and Mod. MDN the kinds of the
// box table: numbers, wheel boxes 1..12 (Tutte in 11, Nazionale in 12), the amount rows of the positive
// stakes, the estratto determinato with its positions, then (current slip) ambetto, Simbolotto,
// subscription. For LottoPiù kind 1 numbers and kind 2 wheel flags (11 Nazionale, 12 Tutte).
std::vector<ElementoSegno> ElementiSchedina(ModelloSchedina modello, const Sistema& sistema,
                                            const Tipo_Giocata& giocata, const OpzioniSchedina& opzioni);

// Where an element lands before the canvas: for the box-table slips PosizioneSegno (slip millimetres before
// calibration), for LottoPiù the millimetres of the nominal page from its record.
Punto PosizioneElemento(ModelloSchedina modello, Orientamento orientamento,
                        const CalibrazioneSchedina& record, const ElementoSegno& elemento);

// A mark of a box-table slip with the 8-value record, on the printer page in millimetres: the top-left
// corner of its square at X × field 3 + (field 1 − left offset), Y × field 4 + (field 2 − top offset), side
// field 5.
ComandoDisegno SegnoCalibrato(const Punto& p, const CalibrazioneSchedina& record, const PaginaMm& pagina);
// Line `riga` of the text block of the 8-value record.
ComandoDisegno TestoCalibrato(std::string testo, int riga, const CalibrazioneSchedina& record,
                              const PaginaMm& pagina);

// The layout of the slips of plays da..a (1-based, da <= a), one page each. The frame is the printer page in
// millimetres for the box-table slips, the nominal 205 × 288 mm page for LottoPiù.
Impaginazione ImpaginaSchedine(ModelloSchedina modello, const CalibrazioneSchedina& record,
                               const PaginaStampante& pagina, const MisuraTesto& misura,
                               const Sistema& sistema, const ElencoGiocate& giocate, int da, int a,
                               const OpzioniSchedina& opzioni);

// The entry checks of the box-table slips' print: the warnings about the estratto determinato (shown, the
// checks go on) and the first stake the amount boxes cannot represent (the print is refused).
struct ControlloImporti
{
    std::vector<Messaggio> avvisi;
    std::optional<Messaggio> rifiuto;
};
ControlloImporti ControllaImportiSchedine(ModelloSchedina modello, const Sistema& sistema, int decimali);

// What the plain-paper list prints.
struct DatiCartaComune
{
    std::vector<std::string> intestazione;
    bool fisse = true;
    bool pronostico = true;
    bool giocate = true;
    bool importiRuote = true;
    int decimali = 2;
};

// The plain-paper list of the system on pages of the given pixel size (the frame is the page in pixels).
Impaginazione ImpaginaCartaComune(const DatiCartaComune& dati, const Sistema& sistema,
                                  const ElencoGiocate& giocate, int larghezzaPx, int altezzaPx,
                                  const MisuraTesto& misura);

// The header lines the plain-paper dialog proposes: the system's name, then the summary texts.
std::vector<std::string> IntestazioneProposta(const Sistema& sistema, const Riepilogo& riepilogo);

} // namespace stampa
