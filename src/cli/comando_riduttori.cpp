// riduttori crea FILE (.ra2 | .ro2) [--v V] [--k K] [--garanzia G] TESTO... : builds an immediate-reducer
// file from text files of plays, one reducer per text file. Each line of a text file is one play written
// as positions 1..v separated by spaces (blank lines skipped). Unless given, k is the count of positions
// on the first line (every line must have k), v the largest position used, and g the highest guarantee
// the plays carry that the dialogs can ask for (2..5, at most k - 1 when k <= 5). A given g is checked too,
// so that no reducer that breaks its promise reaches a data file. The guarantee is that of the file's kind:
// ".ro2" orthogonal (every g positions lie inside a play), anything else the guarantee reductions (every
// min(k, 5) positions share g with a play).
//
// riduttori elenco FILE: one line per reducer, "v k g P".
//
// riduttori componi CARTELLA USCITA: the shipped Quarvin.ra2 and Quarvin.ro2 written into USCITA from the
// designs of CARTELLA (RaccogliRiduttori: every design checked, those the program's own algorithm beats
// left out, each such one named on standard error). The build runs it on data/riduttori.
//
// riduttori algoritmo --tipo garanzia|ortogonale --v V --k K --t T: the number of plays the program's own
// algorithm gives for the cell (GiocateSenzaRiduttore), "-" with status 1 when it is not computed.
//
// riduttori cerca --tipo garanzia|ortogonale --v V --k K --t T [--p P] [--secondi S | --mosse N] [--seme N]
// [--partenza FILE] [--obiettivo N] [--coperture CARTELLA] -o FILE.txt: searches a small design for the
// cell (CercaDisegno) and writes it as text, one block per line, through a temporary file; prints its
// size. p defaults to t for a covering and to min(k, 5) for a lotto design. The budget is S seconds (10
// when neither is given) or N moves, which makes the run repeatable for a seed; --obiettivo stops at a
// design of at most N blocks; --partenza starts from a design (the result is never larger than a valid
// one); --coperture names the folder of the best coverings found so far, one file per cell as the batch
// keeps them, used by the partition unions and the doubling constructions. Ctrl-C ends the search at its
// next poll with the best design found, written as usual ("interrotta" on the size line).
#include "cli/comandi_cli.h"
#include "cli/messaggi_cli.h"
#include "coperture/cerca_disegno.h"
#include "coperture/raccolta_riduttori.h"
#include "coperture/testo_disegno.h"
#include "core/giocata.h"
#include "platform/orologio_sistema.h"
#include "reductions/riduttori_immediati.h"
#include "reductions/riduttori_predefiniti.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

constexpr const char* UsoRiduttori =
    "indicare: riduttori crea FILE [--v V] [--k K] [--garanzia G] TESTO... oppure riduttori elenco FILE "
    "oppure riduttori cerca --tipo garanzia|ortogonale --v V --k K --t T [--p P] [--secondi S] [--seme N] "
    "[--partenza FILE] -o FILE.txt oppure riduttori componi CARTELLA USCITA oppure riduttori algoritmo "
    "--tipo garanzia|ortogonale --v V --k K --t T";

// Set by SIGINT: a search of hours interrupted with Ctrl-C keeps the best design it found.
volatile std::sig_atomic_t g_interruzione = 0;

extern "C" void SegnaInterruzione(int)
{
    g_interruzione = 1;
}

// Stops the run after Ctrl-C; the previous handler comes back when it ends.
class ArrestoDaTastiera final : public ControlloEsecuzione
{
public:
    ArrestoDaTastiera()
    {
        g_interruzione = 0;
        m_precedente = std::signal(SIGINT, SegnaInterruzione);
    }
    ~ArrestoDaTastiera() override { std::signal(SIGINT, m_precedente); }
    ArrestoDaTastiera(const ArrestoDaTastiera&) = delete;
    ArrestoDaTastiera& operator=(const ArrestoDaTastiera&) = delete;
    bool verifica(const Avanzamento&) override { return g_interruzione == 0; }

private:
    void (*m_precedente)(int) = SIG_DFL;
};

bool Intero(const std::string& testo, int minimo, int massimo, int& valore)
{
    if (testo.empty() || testo.size() > 2 || testo.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    valore = std::stoi(testo);
    return valore >= minimo && valore <= massimo;
}

int Garanzia(const std::string& testo)
{
    const std::vector<std::string> nomi{"ambo", "terno", "quaterna", "cinquina"};
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        if (testo == nomi[i]) {
            return static_cast<int>(i) + 2;
        }
    }
    int g = 0;
    return Intero(testo, 2, 5, g) ? g : 0;
}

bool FinisceCon(const std::string& testo, const std::string& fine)
{
    if (testo.size() < fine.size()) {
        return false;
    }
    return std::equal(fine.rbegin(), fine.rend(), testo.rbegin(), [](char a, char b) {
        return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
    });
}

// The plays of one text file; false with the reason.
bool LeggiTesto(const std::string& percorso, int kDato, int vDato, RiduttoreDaScrivere& r,
                std::string& errore)
{
    std::ifstream file(percorso);
    if (!file) {
        errore = "impossibile leggere " + percorso;
        return false;
    }
    std::string riga;
    int numeroRiga = 0;
    int v = 0;
    r.k = kDato;
    while (std::getline(file, riga)) {
        ++numeroRiga;
        if (riga.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        Tipo_Giocata g{};
        if (!LeggiGiocataDaTesto(riga, g)) {
            errore = percorso + ", riga " + std::to_string(numeroRiga) + ": giocata non valida";
            return false;
        }
        const int quanti = OrdinaGiocata(g);
        if (r.k == 0) {
            r.k = quanti;
        }
        if (quanti != r.k) {
            errore = percorso + ", riga " + std::to_string(numeroRiga) + ": attese " + std::to_string(r.k) +
                     " posizioni";
            return false;
        }
        r.posizioni.insert(r.posizioni.end(), g.begin(), g.begin() + quanti);
        v = std::max<int>(v, g[static_cast<std::size_t>(quanti - 1)]);
    }
    if (r.posizioni.empty()) {
        errore = percorso + ": nessuna giocata";
        return false;
    }
    if (vDato != 0 && v > vDato) {
        errore = percorso + ": posizione oltre " + std::to_string(vDato);
        return false;
    }
    r.v = vDato != 0 ? vDato : v;
    return true;
}

int Crea(const std::vector<std::string>& argomenti, std::ostream& err)
{
    std::string file;
    std::vector<std::string> testi;
    int v = 0;
    int k = 0;
    int g = 0;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& a = argomenti[i];
        if (a == "--v" || a == "--k" || a == "--garanzia") {
            if (i + 1 >= argomenti.size()) {
                return ErroreUso(err, std::string(messaggi_cli::ValoreMancante) + a);
            }
            const std::string& valore = argomenti[++i];
            const bool valido = a == "--v"   ? Intero(valore, 1, 90, v)
                                : a == "--k" ? Intero(valore, 1, 10, k)
                                             : (g = Garanzia(valore)) != 0;
            if (!valido) {
                return ErroreUso(err, "valore non valido per " + a + ": " + valore);
            }
        } else if (a.rfind("--", 0) == 0) {
            return ErroreUso(err, std::string(messaggi_cli::OpzioneSconosciuta) + a);
        } else if (file.empty()) {
            file = a;
        } else {
            testi.push_back(a);
        }
    }
    if (file.empty() || testi.empty()) {
        return ErroreUso(err, UsoRiduttori);
    }
    const bool ortogonale = FinisceCon(file, ".ro2");

    std::vector<RiduttoreDaScrivere> riduttori;
    for (const std::string& testo : testi) {
        RiduttoreDaScrivere r;
        std::string errore;
        if (!LeggiTesto(testo, k, v, r, errore)) {
            err << errore << '\n';
            return UscitaRifiuto;
        }
        if (g != 0) {
            r.g = g;
            if (!RiduttoreGarantisce(r, ortogonale)) {
                err << testo << ": le giocate non garantiscono il punteggio indicato\n";
                return UscitaRifiuto;
            }
        } else {
            for (int prova = r.k <= 5 ? r.k - 1 : 5; prova >= 2 && r.g == 0; --prova) {
                r.g = prova;
                if (!RiduttoreGarantisce(r, ortogonale)) {
                    r.g = 0;
                }
            }
            if (r.g == 0) {
                err << testo << ": le giocate non garantiscono nemmeno l'ambo\n";
                return UscitaRifiuto;
            }
        }
        riduttori.push_back(std::move(r));
    }
    if (const auto motivo = ControllaRiduttori(riduttori)) {
        err << *motivo << '\n';
        return UscitaRifiuto;
    }
    if (!ScriviRiduttoriImmediati(file, riduttori)) {
        err << "impossibile scrivere " << file << '\n';
        return UscitaRifiuto;
    }
    return UscitaOk;
}

int Elenco(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err)
{
    if (argomenti.size() != 2) {
        return ErroreUso(err, UsoRiduttori);
    }
    for (const RiduttoreImmediato& r : ElencoRiduttoriImmediati(argomenti[1])) {
        out << r.v << ' ' << r.k << ' ' << r.g << ' ' << r.giocate << (r.danneggiato ? " danneggiato" : "")
            << '\n';
    }
    return UscitaOk;
}

// A whole number of at most 18 digits within the range.
bool Numero(const std::string& testo, std::uint64_t minimo, std::uint64_t massimo, std::uint64_t& valore)
{
    if (testo.empty() || testo.size() > 18 || testo.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    valore = std::stoull(testo);
    return valore >= minimo && valore <= massimo;
}

int Cerca(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi({argomenti.begin() + 1, argomenti.end()},
                 {"--tipo", "--v", "--k", "--t", "--p", "--secondi", "--mosse", "--seme", "--partenza",
                  "--obiettivo", "--coperture", "-o"},
                 errore)) {
        return ErroreUso(err, errore);
    }
    const auto tipo = a.valore("--tipo");
    const auto uscita = a.valore("-o");
    if (!a.parole().empty() || !tipo || !uscita || !a.valore("--v") || !a.valore("--k") || !a.valore("--t")) {
        return ErroreUso(err, UsoRiduttori);
    }
    ParametriRicerca p;
    if (*tipo == "ortogonale") {
        p.cella.tipo = TipoDisegno::Ortogonale;
    } else if (*tipo == "garanzia") {
        p.cella.tipo = TipoDisegno::Garanzia;
    } else {
        return ErroreUso(err, "valore non valido per --tipo: " + *tipo);
    }
    std::uint64_t secondi = 0;
    const struct
    {
        const char* nome;
        std::uint64_t massimo;
        std::uint64_t* destinazione;
    } numeri[] = {{"--secondi", 1000000, &secondi},
                  {"--mosse", std::uint64_t{1} << 50U, &p.mosse},
                  {"--seme", 0xFFFFFFFFULL, &p.seme},
                  {"--obiettivo", 1U << 20U, nullptr}};
    for (const auto& n : numeri) {
        std::uint64_t valore = 0;
        if (const auto testo = a.valore(n.nome)) {
            if (!Numero(*testo, 0, n.massimo, valore)) {
                return ErroreUso(err, std::string("valore non valido per ") + n.nome + ": " + *testo);
            }
            if (n.destinazione != nullptr) {
                *n.destinazione = valore;
            } else {
                p.obiettivo = static_cast<std::size_t>(valore);
            }
        }
    }
    for (const auto& [nome, destinazione] : {std::pair{"--v", &p.cella.v}, std::pair{"--k", &p.cella.k},
                                             std::pair{"--t", &p.cella.t}, std::pair{"--p", &p.cella.p}}) {
        if (const auto testo = a.valore(nome); testo && !Intero(*testo, 1, 99, *destinazione)) {
            return ErroreUso(err, std::string("valore non valido per ") + nome + ": " + *testo);
        }
    }
    if (p.cella.p == 0) {
        p.cella.p = p.cella.tipo == TipoDisegno::Ortogonale ? p.cella.t : PGaranzia(p.cella.k);
    }
    if (const auto motivo = ControllaCella(p.cella)) {
        return ErroreUso(err, *motivo);
    }
    if (const auto partenza = a.valore("--partenza")) {
        LetturaDisegno lettura = LeggiDisegno(*partenza, p.cella);
        if (!lettura.errore.empty()) {
            err << lettura.errore << '\n';
            return UscitaRifiuto;
        }
        p.partenza = std::move(lettura.blocchi);
    }
    if (const auto cartella = a.valore("--coperture")) {
        p.coperture = FornitoreDaCartella(*cartella);
    }
    const OrologioSistema orologio;
    if (p.mosse == 0) {
        p.millisecondi = (secondi != 0 ? secondi : 10) * 1000;
        p.orologio = &orologio;
    }
    ArrestoDaTastiera tastiera;
    const EsitoRicerca esito = CercaDisegno(p, tastiera);
    if (esito.blocchi.empty()) {
        err << "nessun disegno trovato\n";
        return UscitaRifiuto;
    }
    if (!ScriviDisegno(*uscita, esito.blocchi)) {
        err << "impossibile scrivere " << *uscita << '\n';
        return UscitaRifiuto;
    }
    err << NomeTipo(p.cella.tipo) << ' ' << NomeFileCella(p.cella) << ": " << esito.blocchi.size()
        << " blocchi (" << esito.metodo << ", " << esito.mosse << " mosse"
        << (esito.interrotta ? ", interrotta" : "") << ")\n";
    out << esito.blocchi.size() << '\n';
    return UscitaOk;
}

int Componi(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err)
{
    if (argomenti.size() != 3) {
        return ErroreUso(err, UsoRiduttori);
    }
    const RaccoltaRiduttori raccolta = RaccogliRiduttori(argomenti[1]);
    if (const auto motivo = ScriviRaccolta(raccolta, argomenti[2])) {
        err << *motivo << '\n';
        return UscitaRifiuto;
    }
    for (const VoceRaccolta& v : raccolta.voci) {
        if (!v.spedita) {
            err << NomeTipo(v.cella.tipo) << '/' << NomeFileCella(v.cella) << " (" << v.blocchi
                << " blocchi) escluso: " << v.nota << '\n';
        }
    }
    out << NomeFileRiduttoriGaranzia << ": " << raccolta.garanzia.size() << " riduttori, "
        << NomeFileRiduttoriOrtogonali << ": " << raccolta.ortogonali.size() << " riduttori, generazione "
        << raccolta.generazione << '\n';
    return UscitaOk;
}

int Algoritmo(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err)
{
    ArgomentiComando a;
    std::string errore;
    if (!a.leggi({argomenti.begin() + 1, argomenti.end()}, {"--tipo", "--v", "--k", "--t"}, errore)) {
        return ErroreUso(err, errore);
    }
    const auto tipo = a.valore("--tipo");
    if (!a.parole().empty() || !tipo || (*tipo != "garanzia" && *tipo != "ortogonale")) {
        return ErroreUso(err, UsoRiduttori);
    }
    int v = 0;
    int k = 0;
    int t = 0;
    for (const auto& [nome, destinazione] :
         {std::pair{"--v", &v}, std::pair{"--k", &k}, std::pair{"--t", &t}}) {
        const auto testo = a.valore(nome);
        if (!testo || !Intero(*testo, 1, 90, *destinazione)) {
            return ErroreUso(err, std::string("valore non valido per ") + nome);
        }
    }
    const auto giocate = GiocateSenzaRiduttore(*tipo == "ortogonale", v, k, t);
    if (!giocate) {
        out << "-\n";
        return UscitaRifiuto;
    }
    out << *giocate << '\n';
    return UscitaOk;
}

} // namespace

int ComandoRiduttori(const RigaComando& riga, std::ostream& out, std::ostream& err)
{
    if (riga.argomenti.empty()) {
        return ErroreUso(err, UsoRiduttori);
    }
    if (riga.argomenti.front() == "crea") {
        return Crea(riga.argomenti, err);
    }
    if (riga.argomenti.front() == "elenco") {
        return Elenco(riga.argomenti, out, err);
    }
    if (riga.argomenti.front() == "cerca") {
        return Cerca(riga.argomenti, out, err);
    }
    if (riga.argomenti.front() == "componi") {
        return Componi(riga.argomenti, out, err);
    }
    if (riga.argomenti.front() == "algoritmo") {
        return Algoritmo(riga.argomenti, out, err);
    }
    return ErroreUso(err, UsoRiduttori);
}

} // namespace cli
