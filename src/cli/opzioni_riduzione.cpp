#include "cli/opzioni_riduzione.h"

#include "cli/messaggi_cli.h"

#include <array>
#include <string_view>

namespace cli {

namespace {

struct Descrizione
{
    OpzioneRiduzione opzione;
    std::string_view nome;
    bool conValore;
};

constexpr std::array Opzioni = {
    Descrizione{OpzN, "--n", true},
    Descrizione{OpzSeme, "--seme", true},
    Descrizione{OpzGaranzia, "--garanzia", true},
    Descrizione{OpzConsideraFisse, "--considera-fisse", false},
    Descrizione{OpzImmediati, "--immediati", false},
    Descrizione{OpzDaPronostico, "--da-pronostico", false},
    Descrizione{OpzDaGiocate, "--da-giocate", false},
    Descrizione{OpzModo, "--modo", true},
    Descrizione{OpzCondizioni, "--condizioni", true},
    Descrizione{OpzCandidati, "--candidati", true},
    Descrizione{OpzMillisecondi, "--millisecondi", true},
    Descrizione{OpzPassi, "--passi", true},
    Descrizione{OpzM, "--m", true},
    Descrizione{OpzLato, "--lato", true},
    Descrizione{OpzLinee, "--righe", false},
    Descrizione{OpzLinee, "--colonne", false},
    Descrizione{OpzLinee, "--diagonali", false},
    Descrizione{OpzLinee, "--oblique", false},
    Descrizione{OpzTabella, "--tabella", true},
    Descrizione{OpzParziale, "--parziale", false},
};

constexpr const char* CandidatiOMillisecondi = "indicare --candidati oppure --millisecondi (uno solo)";
constexpr const char* SemeNonValido = "il seme deve essere un numero da 0 a 4294967295: ";
constexpr const char* GaranziaNonValida = "la garanzia deve essere ambo, terno, quaterna o cinquina: ";
constexpr const char* ModiEsclusivi = "indicare un solo modo: --modo pronostico oppure --modo giocate";
constexpr const char* ModoNonValido = "il modo deve essere pronostico o giocate: ";

std::optional<std::uint32_t> LeggiSeme(const std::string& testo)
{
    if (testo.empty() || testo.size() > 10 || testo.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const unsigned long long valore = std::stoull(testo);
    if (valore > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(valore);
}

// ambo, terno, quaterna, cinquina -> 2..5; 0 for anything else.
int LeggiGaranzia(std::string_view testo)
{
    constexpr std::array<std::string_view, 4> nomi{"ambo", "terno", "quaterna", "cinquina"};
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        if (testo == nomi[i]) {
            return static_cast<int>(i) + 2;
        }
    }
    return 0;
}

} // namespace

bool LeggiOpzioniRiduzione(const std::vector<std::string>& argomenti, unsigned accettate,
                           unsigned obbligatorie, ArgomentiSistema& a, OpzioniRiduzione& o,
                           std::string& errore)
{
    std::vector<std::string_view> conValore;
    std::vector<std::string_view> interruttori;
    for (const Descrizione& d : Opzioni) {
        if ((accettate & d.opzione) != 0) {
            (d.conValore ? conValore : interruttori).push_back(d.nome);
        }
    }
    if (!LeggiArgomentiSistema(argomenti, conValore, interruttori, a, errore)) {
        return false;
    }
    for (const Descrizione& d : Opzioni) {
        const bool data = d.conValore ? a.valore(d.nome).has_value() : a.acceso(d.nome);
        if ((obbligatorie & d.opzione) != 0 && !data) {
            errore = std::string(messaggi_cli::OpzioneObbligatoria) + std::string(d.nome);
            return false;
        }
    }
    // A run with a time budget per play takes it either as candidates or as milliseconds.
    if ((accettate & OpzCandidati) != 0 && (accettate & OpzMillisecondi) != 0 &&
        a.valore("--candidati").has_value() == a.valore("--millisecondi").has_value()) {
        errore = CandidatiOMillisecondi;
        return false;
    }
    o.n = a.valore("--n").value_or(std::string());
    if (const auto garanzia = a.valore("--garanzia")) {
        o.garanzia = LeggiGaranzia(*garanzia);
        if (o.garanzia == 0) {
            errore = GaranziaNonValida + *garanzia;
            return false;
        }
    }
    if (const auto seme = a.valore("--seme")) {
        o.seme = LeggiSeme(*seme);
        if (!o.seme) {
            errore = SemeNonValido + *seme;
            return false;
        }
    }
    o.consideraFisse = a.acceso("--considera-fisse");
    o.immediati = a.acceso("--immediati");
    o.daPronostico = a.acceso("--da-pronostico");
    o.daGiocate = a.acceso("--da-giocate");
    if (const auto modo = a.valore("--modo")) {
        if (*modo != "pronostico" && *modo != "giocate") {
            errore = ModoNonValido + *modo;
            return false;
        }
        const bool pronostico = *modo == "pronostico";
        if ((pronostico && o.daGiocate) || (!pronostico && o.daPronostico)) {
            errore = ModiEsclusivi;
            return false;
        }
        (pronostico ? o.daPronostico : o.daGiocate) = true;
    }
    o.condizioni = a.valore("--condizioni").value_or(std::string());
    o.candidati = a.valore("--candidati").value_or(std::string());
    o.millisecondi = a.valore("--millisecondi").value_or(std::string());
    o.passi = a.valore("--passi").value_or(std::string());
    o.m = a.valore("--m").value_or(std::string());
    o.lato = a.valore("--lato").value_or(std::string());
    o.righe = a.acceso("--righe");
    o.colonne = a.acceso("--colonne");
    o.diagonali = a.acceso("--diagonali");
    o.oblique = a.acceso("--oblique");
    o.tabella = a.valore("--tabella").value_or(std::string());
    o.parziale = a.acceso("--parziale");
    if (o.daPronostico && o.daGiocate) {
        errore = ModiEsclusivi;
        return false;
    }
    return true;
}

} // namespace cli
