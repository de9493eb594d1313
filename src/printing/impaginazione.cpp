#include "printing/impaginazione.h"

#include "core/importi.h"
#include "core/ruote.h"
#include "core/testo.h"
#include "printing/messaggi_stampa.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace stampa {

namespace {

bool SlipConTavola(ModelloSchedina m)
{
    return m == ModelloSchedina::Simbolotto || m == ModelloSchedina::Mdn;
}

void AggiungiImporto(std::vector<ElementoSegno>& elementi, int tipoRiga, double importo)
{
    const ImportoScomposto s = ScomponiImporto(importo);
    for (int c = 1; c <= 13; ++c) {
        if (s.caselle[static_cast<std::size_t>(c - 1)]) {
            elementi.push_back({tipoRiga, c});
        }
    }
}

bool PosizioneScelta(const Sistema& s)
{
    return std::any_of(s.posizioni.begin(), s.posizioni.end(), [](std::uint8_t p) { return p != 0; });
}

Messaggio NonStampabile(double importo, int decimali)
{
    return Avviso(std::string(messaggi_stampa::ImportoNonStampabilePrima) +
                  FormatoImporto(importo, true, decimali) + messaggi_stampa::ImportoNonStampabileDopo);
}

int FontAdattato(const MisuraTesto& misura, int larghezzaPx, int altezzaPx, int dMassimo)
{
    int altezzaFont = 1;
    for (int d = 61; d <= dMassimo; ++d) {
        altezzaFont = std::max(1, static_cast<int>(std::lround(static_cast<double>(altezzaPx) / d)));
        if (90 * misura.larghezza("H", altezzaFont) <= larghezzaPx) {
            break;
        }
    }
    return altezzaFont;
}

} // namespace

std::vector<ElementoSegno> ElementiSchedina(ModelloSchedina modello, const Sistema& sistema,
                                            const Tipo_Giocata& giocata, const OpzioniSchedina& opzioni)
{
    std::vector<ElementoSegno> elementi;
    for (int i = 0; i < NumeriMassimiPerGiocata && giocata[static_cast<std::size_t>(i)] != 0; ++i) {
        elementi.push_back({tipo::Numero, giocata[static_cast<std::size_t>(i)]});
    }
    const auto segno = [&sistema](int ruota) {
        return sistema.ruote[static_cast<std::size_t>(ruota - 1)] != 0;
    };
    if (!SlipConTavola(modello)) {
        for (int r = 1; r <= NumeroRuote; ++r) {
            if (segno(r)) {
                elementi.push_back({tipo::Ruota, r});
            }
        }
        return elementi;
    }
    for (int casella = 1; casella <= NumeroRuote; ++casella) {
        const int ruota = casella <= 10 ? casella : (casella == 11 ? Tutte : Nazionale);
        if (segno(ruota)) {
            elementi.push_back({tipo::Ruota, casella});
        }
    }
    for (int classe = Estratto; classe <= Cinquina; ++classe) {
        if (sistema.importo(static_cast<ClassePremio>(classe)) > 0) {
            AggiungiImporto(elementi, classe + 2, sistema.importo(static_cast<ClassePremio>(classe)));
        }
    }
    const double determinato = sistema.importo(EstrattoDeterminato);
    if (determinato > 0) {
        for (int p = 1; p <= NumeroPosizioni; ++p) {
            if (sistema.posizioni[static_cast<std::size_t>(p - 1)] != 0) {
                AggiungiImporto(elementi, tipo::EstrattoDeterminato, determinato);
                elementi.push_back({tipo::PosizioniDeterminato, 2 * p + 3});
            }
        }
    }
    if (modello == ModelloSchedina::Simbolotto) {
        if (sistema.importo(Ambetto) > 0) {
            AggiungiImporto(elementi, tipo::Ambetto, sistema.importo(Ambetto));
        }
        if (opzioni.simbolotto) {
            elementi.push_back({tipo::Simbolotto, 1});
        }
        if (opzioni.abbonamento >= 0 && opzioni.abbonamento < 7) {
            elementi.push_back({tipo::Abbonamento, opzioni.abbonamento + 1});
        }
    }
    return elementi;
}

Punto PosizioneElemento(ModelloSchedina modello, Orientamento orientamento,
                        const CalibrazioneSchedina& record, const ElementoSegno& e)
{
    if (SlipConTavola(modello)) {
        return PosizioneSegno(modello, orientamento, e.tipo, e.a);
    }
    return e.tipo == tipo::Numero ? PosizioneNumeroLottoPiu(orientamento, record, e.a)
                                  : PosizioneRuotaLottoPiu(orientamento, record, e.a);
}

ComandoDisegno SegnoCalibrato(const Punto& p, const CalibrazioneSchedina& c, const PaginaMm& pagina)
{
    ComandoDisegno d;
    d.tipo = TipoComando::Segno;
    d.x = p.x * c.campo(3) + (c.campo(1) - pagina.sinistra);
    d.y = p.y * c.campo(4) + (c.campo(2) - pagina.alto);
    d.larghezza = c.campo(5);
    d.altezza = c.campo(5);
    return d;
}

ComandoDisegno TestoCalibrato(std::string testo, int riga, const CalibrazioneSchedina& c,
                              const PaginaMm& pagina)
{
    ComandoDisegno d;
    d.tipo = TipoComando::Testo;
    d.x = c.campo(6) - pagina.sinistra;
    d.y = c.campo(7) - pagina.alto;
    d.altezza = c.campo(8);
    d.riga = riga;
    d.testo = std::move(testo);
    return d;
}

Impaginazione ImpaginaSchedine(ModelloSchedina modello, const CalibrazioneSchedina& record,
                               const PaginaStampante& pagina, const MisuraTesto& misura,
                               const Sistema& sistema, const ElencoGiocate& giocate, int da, int a,
                               const OpzioniSchedina& opzioni)
{
    Impaginazione imp;
    const PaginaMm mm = MisuraPagina(pagina);
    const bool tavola = SlipConTavola(modello);
    imp.larghezza = tavola ? mm.larghezza : LarghezzaNominale;
    imp.altezza = tavola ? mm.altezza : AltezzaNominale;
    da = std::max(da, 1);
    a = std::min(a, giocate.conteggio());
    for (int i = da; i <= a; ++i) {
        PaginaDisegno p;
        for (const ElementoSegno& e : ElementiSchedina(modello, sistema, giocate.voce(i), opzioni)) {
            const Punto punto = PosizioneElemento(modello, opzioni.orientamento, record, e);
            if (tavola) {
                p.comandi.push_back(SegnoCalibrato(punto, record, mm));
            } else {
                p.comandi.push_back(
                    {TipoComando::Segno, punto.x, punto.y, record.campo(5), record.campo(5), 0, {}});
            }
        }
        if (opzioni.numeroSchedina) {
            std::string testo = messaggi_stampa::Scheda + std::to_string(i);
            if (tavola) {
                p.comandi.push_back(TestoCalibrato(std::move(testo), 0, record, mm));
            } else {
                const int altezzaPx = pagina.altezzaPx > 0 ? pagina.altezzaPx : 1;
                const int font = FontAdattato(misura, pagina.larghezzaPx, altezzaPx, 501);
                p.comandi.push_back(
                    {TipoComando::Testo, 0, 0, 0, AltezzaNominale * font / altezzaPx, 0, std::move(testo)});
            }
        }
        imp.pagine.push_back(std::move(p));
    }
    return imp;
}

ControlloImporti ControllaImportiSchedine(ModelloSchedina modello, const Sistema& s, int decimali)
{
    ControlloImporti esito;
    const double determinato = s.importo(EstrattoDeterminato);
    const bool posizioni = PosizioneScelta(s);
    if (posizioni && determinato <= 0) {
        esito.avvisi.push_back(Avviso(messaggi_stampa::PosizioniSenzaImporto));
    }
    if (determinato > 0 && !posizioni) {
        esito.avvisi.push_back(Avviso(messaggi_stampa::ImportoSenzaPosizioni));
    }
    for (int classe = Estratto; classe <= Cinquina; ++classe) {
        const double importo = s.importo(static_cast<ClassePremio>(classe));
        if (importo > 0 && !ScomponiImporto(importo).stampabile) {
            esito.rifiuto = NonStampabile(importo, decimali);
            return esito;
        }
    }
    if (determinato > 0 && posizioni && !ScomponiImporto(determinato).stampabile) {
        esito.rifiuto = NonStampabile(determinato, decimali);
        return esito;
    }
    // The ambetto is a bet like the others: a stake its boxes cannot hold (or, on a slip without its row, any
    // stake) would print a different bet from the system's, so it is refused too.
    const double ambetto = s.importo(Ambetto);
    if (ambetto > 0 && (modello != ModelloSchedina::Simbolotto || !ScomponiImporto(ambetto).stampabile)) {
        esito.rifiuto = NonStampabile(ambetto, decimali);
    }
    return esito;
}

namespace {

// Lays out the plain-paper lines in device pixels.
class RigheCarta
{
public:
    RigheCarta(Impaginazione& imp, const MisuraTesto& misura, int font)
        : m_imp(imp), m_misura(misura), m_font(font)
    {
        m_imp.pagine.emplace_back();
    }

    int larghezza(std::string_view t) const { return m_misura.larghezza(t, m_font); }

    void testo(int x, int y, std::string t)
    {
        m_imp.pagine.back().comandi.push_back({TipoComando::Testo, static_cast<double>(x),
                                               static_cast<double>(y), 0, static_cast<double>(m_font), 0,
                                               std::move(t)});
    }
    void centrato(int y, std::string t)
    {
        const int x = (static_cast<int>(m_imp.larghezza) - larghezza(t)) / 2;
        testo(x, y, std::move(t));
    }
    void cornice(int x, int y, int w, int h)
    {
        m_imp.pagine.back().comandi.push_back({TipoComando::Cornice,
                                               static_cast<double>(x),
                                               static_cast<double>(y),
                                               static_cast<double>(w),
                                               static_cast<double>(h),
                                               0,
                                               {}});
    }
    void nuovaPagina() { m_imp.pagine.emplace_back(); }

private:
    Impaginazione& m_imp;
    const MisuraTesto& m_misura;
    int m_font;
};

// Items joined on centred lines: an item that would make the line reach the page width less W starts a new
// line (the line printed without its trailing `coda`).
void RigheAVoci(RigheCarta& r, int& y, int passo, int limite, std::string inizio,
                const std::vector<std::string>& voci, std::string_view coda)
{
    std::string riga = std::move(inizio);
    for (const std::string& voce : voci) {
        if (r.larghezza(riga + voce) >= limite) {
            r.centrato(y, riga.substr(0, riga.size() - std::min(riga.size(), coda.size())));
            y += passo;
            riga = voce;
        } else {
            riga += voce;
        }
    }
    r.centrato(y, riga.substr(0, riga.size() - std::min(riga.size(), coda.size())));
    y += passo;
}

} // namespace

Impaginazione ImpaginaCartaComune(const DatiCartaComune& dati, const Sistema& sistema,
                                  const ElencoGiocate& giocate, int larghezzaPx, int altezzaPx,
                                  const MisuraTesto& misura)
{
    Impaginazione imp;
    imp.larghezza = std::max(1, larghezzaPx);
    imp.altezza = std::max(1, altezzaPx);
    const int font = FontAdattato(misura, larghezzaPx, std::max(1, altezzaPx), 200);
    const int alt = misura.altezza("Hq", font);
    const int l = std::max(1, static_cast<int>(std::lround(alt * 1.2)));
    const int w = misura.larghezza("H", font);
    const int f = w - w / 2;
    const int limite = larghezzaPx - w;
    RigheCarta r(imp, misura, font);
    int y = l / 2;

    for (const std::string& riga : dati.intestazione) {
        r.centrato(y, riga);
        y += l;
    }
    if (!dati.intestazione.empty()) {
        y += l;
    }
    if (dati.pronostico) {
        std::vector<std::string> voci;
        for (int n = 1; n <= NumeroMassimo; ++n) {
            if (sistema.pronostico[static_cast<std::size_t>(n - 1)] != 0) {
                voci.push_back(std::to_string(n) + " ");
            }
        }
        RigheAVoci(r, y, l, limite, "Pronostico: ", voci, "");
        y += l;
    }
    if (dati.importiRuote) {
        std::vector<std::string> ruote;
        for (int ruota : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) {
            if (sistema.ruote[static_cast<std::size_t>(ruota - 1)] != 0) {
                ruote.push_back(std::string(NomiRuote[static_cast<std::size_t>(ruota)]) + " ");
            }
        }
        RigheAVoci(r, y, l, limite, "Ruote: ", ruote, "");
        y += l;
        static constexpr std::array<const char*, 6> Etichette = {"Estratto", "Ambo",     "Terno",
                                                                 "Quaterna", "Cinquina", "Estratto det."};
        std::vector<std::string> importi;
        for (int classe = Estratto; classe <= EstrattoDeterminato; ++classe) {
            const double v = sistema.importo(static_cast<ClassePremio>(classe));
            if (v > 0) {
                importi.push_back(std::string(Etichette[static_cast<std::size_t>(classe - 1)]) + ": " +
                                  FormatoImporto(v, true, dati.decimali) + " €, ");
            }
        }
        if (!importi.empty()) {
            RigheAVoci(r, y, l, limite, "Importi: ", importi, ", ");
            y += l;
        }
    }
    if (dati.fisse && sistema.numeroFisse > 0) {
        std::string riga = "Fisse: ";
        for (int i = 0; i < sistema.numeroFisse; ++i) {
            riga += (i > 0 ? " " : "") + std::to_string(sistema.fisse[static_cast<std::size_t>(i)]);
        }
        r.centrato(y, riga);
        y += 2 * l;
    }
    if (dati.giocate && giocate.conteggio() > 0) {
        const int n = giocate.conteggio();
        const int cellaNumero = f + r.larghezza(n >= 10 ? std::to_string(n) : std::string("Nº")) + w;
        const int fineGiocata = r.larghezza("00 00 00 00 00 00 00 00 00 00") + cellaNumero + w;
        const int passo = fineGiocata + w - f;
        const int sinistra = std::max(0, (larghezzaPx - (2 * passo + fineGiocata)) / 2);
        const int abbassa = static_cast<int>(std::lround(0.09 * l));
        auto intestazioneTabella = [&] {
            for (int j = 0; j < 3; ++j) {
                const int x = sinistra + j * passo;
                r.cornice(x, y, cellaNumero, l);
                r.cornice(x + cellaNumero, y, fineGiocata - cellaNumero, l);
                r.testo(x + f, y + abbassa, "Nº");
                r.testo(x + cellaNumero + f, y + abbassa, "GIOCATA");
            }
            y += l;
        };
        intestazioneTabella();
        for (int i = 1; i <= n; ++i) {
            const int j = (i - 1) % 3;
            const int x = sinistra + j * passo;
            r.cornice(x, y, cellaNumero, l);
            r.cornice(x + cellaNumero, y, fineGiocata - cellaNumero, l);
            r.testo(x + f, y + abbassa, std::to_string(i));
            r.testo(x + cellaNumero + f, y + abbassa, TestoGiocata(giocate.voce(i)));
            if (j == 2 || i == n) {
                y += l;
                if (i < n && y + l > altezzaPx - 4 * l) {
                    r.nuovaPagina();
                    y = l;
                    intestazioneTabella();
                }
            }
        }
    }
    return imp;
}

std::vector<std::string> IntestazioneProposta(const Sistema& sistema, const Riepilogo& riepilogo)
{
    std::string nome = testo::NomeSenzaCartella(sistema.nomeFile);
    if (const auto punto = nome.rfind('.'); punto != std::string::npos) {
        nome.erase(punto);
    }
    for (char& c : nome) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (!nome.empty()) {
        nome[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(nome[0])));
    }
    return {"Nome del sistema: " + nome, riepilogo.pronostico, riepilogo.numeriPerGiocata,
            riepilogo.sviluppo,          riepilogo.ruote,      riepilogo.importo,
            riepilogo.giocateFinali,     riepilogo.costo,      riepilogo.percentuale};
}

} // namespace stampa
