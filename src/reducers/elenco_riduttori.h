#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The reducers of the personal folder and what the windows do with their files.

struct VoceRiduttore
{
    int m = 0;            // "Dim. pronostico"
    std::int64_t p = 0;   // "Nº giocate", as the header states it
    std::string nomeFile; // "Nome file", with its extension
    std::string percorso; // folder + nomeFile

    // The name without ".rid" (the name the editor shows and the delete question quotes).
    std::string nome() const;
};

// `ElencoRiduttori`: every regular file of the folder whose name ends in ".rid" (any case) and whose header
// is readable, in name order (the folder listing has no order of its own on every platform). Reads only the
// first 64 KB of each file, so a large or hostile file costs no more than a small one; a file over the size
// limit, binary or with over-long lines is left out. An unreadable folder gives an empty list.
std::vector<VoceRiduttore> ElencoRiduttori(const std::string& cartella);

// The rows whose m equals the prediction's n ("Visualizza solo i riduttori applicabili al pronostico
// attuale").
std::vector<VoceRiduttore> RiduttoriApplicabili(const std::vector<VoceRiduttore>& elenco, int numeri);

enum class ColonnaRiduttori { Dimensione, Giocate, NomeFile };
// Sorts the rows by a column read as a number (a file name that does not start with digits counts as 0,
// as the header click of the windows does), stable, ascending or descending.
void OrdinaRiduttori(std::vector<VoceRiduttore>& elenco, ColonnaRiduttori colonna, bool crescente);

// Whether a typed name can be a file of the personal folder: not empty, no folder separators, no "..",
// no characters that some platform refuses in a file name (< > : " | ? * and controls), not ending in a
// point or a blank, at most 200 characters. Checked before anything is written, so that no file lands
// outside the personal folder.
[[nodiscard]] bool NomeRiduttoreValido(const std::string& nome);

// folder + name + ".rid".
std::string PercorsoRiduttore(const std::string& cartella, const std::string& nome);

// Removes a reducer file; false when it could not be removed.
[[nodiscard]] bool EliminaFileRiduttore(const std::string& percorso);

// The pages of the personal reducers on the reducer server: "Scarica da Internet" and "Pubblica su Internet".
inline constexpr const char* PaginaScaricaRiduttori = "/lotto/riduttori_personalizzati/index.php";
inline constexpr const char* PaginaPubblicaRiduttori = "/lotto/riduttori_personalizzati/invia.php";
// server (scheme and host, a trailing "/" dropped) + page; empty unless the server is an http:// or https://
// address without blanks, controls, quotes, backslashes, queries or fragments, so nothing else is ever
// handed to the desktop to open.
std::string IndirizzoPaginaRiduttoriPersonali(const std::string& server, const std::string& pagina);
