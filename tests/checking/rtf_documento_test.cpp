#include "checking/rtf_documento.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Readable failures: a run prints as [b i u fs20 #rrggbb]"text".
void PrintTo(const TrattoRtf& tratto, std::ostream* os)
{
    const StileRtf& s = tratto.stile;
    *os << '[' << (s.grassetto ? "b " : "") << (s.corsivo ? "i " : "") << (s.sottolineato ? "u " : "") << "fs"
        << s.mezziPunti;
    if (s.colore) {
        *os << " #" << int(s.colore->rosso) << '.' << int(s.colore->verde) << '.' << int(s.colore->blu);
    }
    *os << "]\"" << tratto.testo << '"';
}

void PrintTo(const ParagrafoRtf& paragrafo, std::ostream* os)
{
    *os << "P" << static_cast<int>(paragrafo.allineamento) << '(';
    for (const TrattoRtf& t : paragrafo.tratti) {
        PrintTo(t, os);
    }
    *os << ')';
}

void PrintTo(const TabellaRtf& tabella, std::ostream* os)
{
    *os << "T{";
    for (const auto& riga : tabella.righe) {
        *os << '|';
        for (const CellaRtf& cella : riga) {
            for (const ParagrafoRtf& p : cella.paragrafi) {
                PrintTo(p, os);
            }
            *os << '|';
        }
    }
    *os << '}';
}

namespace {

// A style from its switches ("b", "i", "u" in any order), size in half-points and colour.
StileRtf S(std::string_view interruttori, int mezziPunti = 24, std::optional<ColoreRtf> colore = std::nullopt)
{
    StileRtf stile;
    stile.grassetto = interruttori.find('b') != std::string_view::npos;
    stile.corsivo = interruttori.find('i') != std::string_view::npos;
    stile.sottolineato = interruttori.find('u') != std::string_view::npos;
    stile.mezziPunti = mezziPunti;
    stile.colore = colore;
    return stile;
}

TrattoRtf T(std::string testo, StileRtf stile = {})
{
    return TrattoRtf{std::move(testo), stile};
}

ParagrafoRtf P(std::vector<TrattoRtf> tratti, AllineamentoRtf allineamento = AllineamentoRtf::Sinistra)
{
    return ParagrafoRtf{allineamento, std::move(tratti)};
}

CellaRtf C(std::string testo)
{
    return CellaRtf{{P({T(std::move(testo))})}};
}

// Every byte of a literal, NULs included.
template <std::size_t N> std::string Byte(const char (&testo)[N])
{
    return std::string(testo, N - 1);
}

constexpr ColoreRtf Rosso{255, 0, 0};
constexpr ColoreRtf Blu{0, 0, 255};

TEST(DocumentoRtf, ModelloDeiFrammenti)
{
    struct Riga
    {
        const char* nome;
        std::string rtf;
        std::vector<BloccoRtf> atteso;
    };
    const Riga righe[] = {
        {"grassetto, corsivo e sottolineato; la fine del gruppo li spegne",
         "{\\rtf1\\ansi Uno {\\b due} \\i tre\\i0  {\\ul quattro}\\ul cinque\\ulnone  sei\\par}",
         {P({T("Uno "), T("due", S("b")), T(" "), T("tre", S("i")), T(" "), T("quattrocinque", S("u")),
             T(" sei")})}},
        {"\\b0 e \\plain spengono, la sottolineatura con \\ulc non cambia",
         "{\\rtf1 \\b\\i\\uldb a\\b0 b\\ulc2 c\\plain d}",
         {P({T("a", S("biu")), T("bc", S("iu")), T("d")})}},
        {"dimensioni in mezzi punti, \\fs da solo torna a 12 punti, limiti",
         "{\\rtf1\\fs20 piccolo\\fs48 grande\\fs medio\\fs1 minimo\\fs5000 massimo}",
         {P({T("piccolo", S("", 20)), T("grande", S("", 48)), T("medio"), T("minimo", S("", 2)),
             T("massimo", S("", 400))})}},
        {"colori dalla tabella; 0 e gli indici assenti sono automatici",
         "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
         "\\cf1 rosso\\cf2 blu\\cf0 auto\\cf2 x\\cf9 fuori}",
         {P({T("rosso", S("", 24, Rosso)), T("blu", S("", 24, Blu)), T("auto"), T("x", S("", 24, Blu)),
             T("fuori")})}},
        {"allineamenti: le proprietà valgono alla fine del paragrafo, \\pard le azzera",
         "{\\rtf1\\qc centro\\par\\qr destra\\par\\pard sinistra\\par\\qj giusto}",
         {P({T("centro")}, AllineamentoRtf::Centro), P({T("destra")}, AllineamentoRtf::Destra),
          P({T("sinistra")}), P({T("giusto")}, AllineamentoRtf::Giustificato)}},
        {"righe vuote, \\line e \\tab restano nel paragrafo",
         "{\\rtf1 a\\line b\\tab c\\par\\par d\\par}",
         {P({T("a\nb\tc")}), P({}), P({T("d")})}},
        {"caratteri nella pagina di codici e unicode",
         "{\\rtf1\\ansi\\ansicpg1252 Citt\\'e0 perch\\'E9 \\'80 \\u8364? \\uc2\\u8364\\'80\\'81!"
         "\\uc0\\u232 \\uc1\\u-10179?\\u-8704?}",
         {P({T("Città perché € € €!è😀")})}},
        {"ISO 8859-15 ha l'euro in A4; una pagina sconosciuta dà il carattere di sostituzione",
         "{\\rtf1\\ansicpg28605\\'a4\\'e8{\\rtf1\\ansicpg1251\\'e8}}",
         {P({T("€è\xEF\xBF\xBD")})}},
        {"simboli di controllo e parole dei simboli",
         "{\\rtf1 \\{x\\}\\\\y\\~z\\-w \\emdash\\lquote q\\rquote\\ldblquote\\rdblquote\\bullet}",
         {P({T("{x}\\y\xC2\xA0zw "
               "\xE2\x80\x94\xE2\x80\x98q\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\xA2")})}},
        {"tabella di due righe, poi un paragrafo",
         "{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl A\\cell B\\cell\\row"
         "\\trowd\\cellx1000\\cellx2000\\pard\\intbl C\\par C2\\cell D\\cell\\row\\pard dopo\\par}",
         {TabellaRtf{{{C("A"), C("B")}, {CellaRtf{{P({T("C")}), P({T("C2")})}}, C("D")}}}, P({T("dopo")})}},
        {"due tabelle separate da un paragrafo, celle senza \\row alla fine",
         "{\\rtf1\\intbl a\\cell\\row\\pard x\\par\\intbl b\\cell c}",
         {TabellaRtf{{{C("a")}}}, P({T("x")}), TabellaRtf{{{C("b"), C("c")}}}}},
        {"un paragrafo fuori tabella chiude la riga senza entrarvi",
         "{\\rtf1\\intbl a\\par b\\pard c\\par}",
         {TabellaRtf{{{C("a")}}}, P({T("bc")})}},
        {"immagini, oggetti e forme saltati, anche con dati binari che contengono graffe",
         "{\\rtf1 prima{\\pict\\pngblip 89504e47}{\\pict\\bin3 }{x}"
         "{\\object\\objemb{\\*\\objdata 0102}{\\result{\\pict ff}}}{\\shp{\\shprslt testo}}dopo}",
         {P({T("primadopo")})}},
        {"campo: l'istruzione è saltata, il risultato è testo nel formato intorno al campo",
         "{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}Vai {\\b{\\field{\\*\\fldinst HYPERLINK "
         "\"file:///bin/sh\"}{\\fldrslt{\\ul\\cf1\\plain\\fs40 qui}}}} {\\field{\\fldinst INCLUDEPICTURE x}"
         "{\\fldrslt y}}\\ul z}",
         {P({T("Vai "), T("qui", S("b")), T(" y"), T("z", S("u"))})}},
        {"destinazioni ignorabili, tabelle di caratteri e stili, testo nascosto",
         "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\stylesheet{\\s0 Normal;}}{\\*\\generator G;}"
         "{\\info{\\title T}}{\\header H}a{\\v nascosto}b\\v c\\v0 d}",
         {P({T("abd")})}},
        {"caratteri di controllo e NUL scartati; spazi dopo la fine del documento",
         Byte("{\\rtf1 a\x01\\'00\\'07\x7F"
              "b}\r\n\0 "),
         {P({T("ab")})}},
        {"documento vuoto", "{\\rtf1}", {}},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const LetturaRtf lettura = LeggiDocumentoRtf(r.rtf);
        ASSERT_EQ(lettura.esito, EsitoDocumentoRtf::Letto);
        EXPECT_EQ(lettura.documento.blocchi, r.atteso);
    }
}

std::string Ripeti(std::string_view pezzo, std::size_t volte)
{
    std::string testo;
    for (std::size_t i = 0; i < volte; ++i) {
        testo += pezzo;
    }
    return testo;
}

// What the reader refuses is left to the plain-text reading.
TEST(DocumentoRtf, RifiutiPerLaLetturaSemplice)
{
    struct Riga
    {
        const char* nome;
        std::string rtf;
        EsitoDocumentoRtf esito;
    };
    const std::size_t interni = ProfonditaMassimaRtf - 1; // groups inside the document's own
    const std::string tabellaLarga =
        "{\\rtf1" + Ripeti("\\intbl x\\cell", 150) + "\\row" + Ripeti("\\intbl y\\cell\\row", 150) + "}";
    const Riga righe[] = {
        {"testo semplice", "Solo testo", EsitoDocumentoRtf::NonRtf},
        {"intestazione non all'inizio", " {\\rtf1 a}", EsitoDocumentoRtf::NonRtf},
        {"gruppo lasciato aperto", "{\\rtf1 {\\b a}", EsitoDocumentoRtf::GruppiSbilanciati},
        {"troncato in un gruppo", "{\\rtf1 {\\b a", EsitoDocumentoRtf::GruppiSbilanciati},
        {"graffe chiuse in eccesso", "{\\rtf1 a}}", EsitoDocumentoRtf::GruppiSbilanciati},
        {"testo dopo la fine", "{\\rtf1 a} b", EsitoDocumentoRtf::GruppiSbilanciati},
        {"annidamento al limite",
         "{\\rtf1 " + std::string(interni, '{') + "x" + std::string(interni, '}') + "}",
         EsitoDocumentoRtf::Letto},
        {"annidamento oltre il limite",
         "{\\rtf1 " + std::string(interni + 1, '{') + "x" + std::string(interni + 1, '}') + "}",
         EsitoDocumentoRtf::TroppoAnnidato},
        {"oltre la dimensione dello scaricamento", "{\\rtf1 " + std::string(DimensioneMassimaRtf, 'a') + "}",
         EsitoDocumentoRtf::TroppoGrande},
        {"troppi paragrafi", "{\\rtf1" + Ripeti("\\par", ElementiMassimiRtf + 1) + "}",
         EsitoDocumentoRtf::TroppoGrande},
        {"troppi tratti", "{\\rtf1" + Ripeti("\\b x\\b0 y", ElementiMassimiRtf / 2 + 1) + "}",
         EsitoDocumentoRtf::TroppoGrande},
        {"tabella con poche celle ma larga quanto la riga più larga", tabellaLarga,
         EsitoDocumentoRtf::TroppoGrande},
    };
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        const LetturaRtf lettura = LeggiDocumentoRtf(r.rtf);
        EXPECT_EQ(lettura.esito, r.esito);
        if (!lettura.letto()) {
            EXPECT_TRUE(lettura.documento.blocchi.empty());
        }
    }
}

} // namespace
