#include "tools/cerchio_ciclometrico.h"

#include "core/testo.h"
#include "tools/messaggi_strumenti.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cerchio {

namespace {

template <std::size_t N> std::string Elenco(const char* didascalia, const std::array<int, N>& valori)
{
    std::string testo = didascalia;
    for (int v : valori) {
        testo += ' ';
        testo += std::to_string(v);
    }
    return testo;
}

} // namespace

Cinquina NumeriEstrazione(const Tipo_Estrazione& estrazione, int ruota)
{
    Cinquina numeri{};
    if (ruota < 1 || ruota > RuoteArchivio) {
        return numeri;
    }
    for (int p = 1; p <= NumeriCerchio; ++p) {
        numeri[static_cast<std::size_t>(p - 1)] = estrazione.numero(ruota, p);
    }
    std::sort(numeri.begin(), numeri.end());
    return numeri;
}

Lati CalcolaLati(const Cinquina& x)
{
    Lati lati{x[1] - x[0], x[2] - x[1], x[3] - x[2], x[4] - x[3], x[4] - x[0]};
    std::sort(lati.begin(), lati.end());
    return lati;
}

Distanze CalcolaDistanze(const Cinquina& x)
{
    Distanze distanze{};
    std::size_t k = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        for (std::size_t j = i + 1; j < x.size(); ++j) {
            distanze[k++] = x[j] - x[i];
        }
    }
    std::sort(distanze.begin(), distanze.end());
    return distanze;
}

Distanze CalcolaDistanzeCiclometriche(const Cinquina& numeri)
{
    Distanze distanze = CalcolaDistanze(numeri);
    for (int& d : distanze) {
        d = std::min(d, 90 - d);
    }
    std::sort(distanze.begin(), distanze.end());
    return distanze;
}

std::string TestoNumeri(const Cinquina& numeri)
{
    return Elenco(messaggi_strumenti::EtichettaNumeri, numeri);
}

std::string TestoLati(const Cinquina& numeri)
{
    return Elenco(messaggi_strumenti::EtichettaLati, CalcolaLati(numeri));
}

std::string TestoDistanze(const Cinquina& numeri)
{
    return Elenco(messaggi_strumenti::EtichettaDistanze, CalcolaDistanze(numeri));
}

std::string TestoDistanzeCiclometriche(const Cinquina& numeri)
{
    return Elenco(messaggi_strumenti::EtichettaDistanzeCiclometriche, CalcolaDistanzeCiclometriche(numeri));
}

std::string TestoDel(const Tipo_Estrazione& estrazione)
{
    return std::string(messaggi_strumenti::EtichettaData) + std::to_string(estrazione.giorno) + '/' +
           std::to_string(estrazione.mese) + '/' + std::to_string(estrazione.anno());
}

std::string TestoConcorso(std::int32_t posizione)
{
    return std::string(messaggi_strumenti::EtichettaConcorso) + std::to_string(posizione);
}

EsitoNumeri LeggiNumeriDigitati(const std::array<std::string, NumeriCerchio>& campi)
{
    EsitoNumeri esito;
    for (std::size_t i = 0; i < campi.size(); ++i) {
        int valore = 0;
        if (!testo::LeggiIntero(campi[i], valore) || valore > 90) {
            esito.campoErrato = static_cast<int>(i) + 1;
            return esito;
        }
        esito.numeri[i] = valore;
    }
    std::sort(esito.numeri.begin(), esito.numeri.end());
    esito.ordinati = true;
    for (std::size_t i = 1; i < esito.numeri.size(); ++i) {
        if (esito.numeri[i] == esito.numeri[i - 1]) {
            esito.campoErrato = static_cast<int>(i) + 1;
            return esito;
        }
    }
    return esito;
}

std::string MessaggioNumeroNonValido(int posizione)
{
    return std::string(messaggi_strumenti::NumeroNonValidoPrima) + std::to_string(posizione) +
           messaggi_strumenti::NumeroNonValidoDopo;
}

double AngoloNumero(int numero)
{
    return 4.0 * numero - 90.0;
}

Punto PosizioneNumero(int numero, double centro, double raggio)
{
    const double radianti = AngoloNumero(numero) * std::numbers::pi / 180.0;
    return {centro + raggio * std::cos(radianti), centro + raggio * std::sin(radianti)};
}

GeometriaCerchio CalcolaGeometria(int lato, const Cinquina& numeri)
{
    GeometriaCerchio g;
    g.lato = lato;
    g.centro = lato / 2 - 1;
    g.angoloBasso = lato - 17;
    g.raggioPoligono = (lato - 34) / 2.0;
    g.raggioTacche = (lato - 29) / 2.0;
    for (int n = 1; n <= 90; ++n) {
        g.tacche[static_cast<std::size_t>(n - 1)] = {PosizioneNumero(n, g.centro, g.raggioPoligono),
                                                     PosizioneNumero(n, g.centro, g.raggioTacche)};
    }
    if (numeri[0] != 0) {
        for (int x : numeri) {
            g.poligono.push_back(PosizioneNumero(x, g.centro, g.raggioPoligono));
        }
    }
    return g;
}

} // namespace cerchio
