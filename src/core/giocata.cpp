#include "core/giocata.h"
#include "core/testo.h"

#include <algorithm>

int OrdinaGiocata(Tipo_Giocata& giocata)
{
    int n = NumeriGiocata(giocata);
    std::sort(giocata.begin(), giocata.begin() + n);
    return n;
}

bool GiocataCanonica(const std::uint8_t* g)
{
    int precedente = 0;
    int i = 0;
    for (; i < NumeriMassimiPerGiocata && g[i] != 0; ++i) {
        if (g[i] > NumeroMassimo || g[i] <= precedente) {
            return false;
        }
        precedente = g[i];
    }
    if (i == 0) {
        return false;
    }
    for (; i < NumeriMassimiPerGiocata; ++i) {
        if (g[i] != 0) {
            return false;
        }
    }
    return true;
}

int NumeriGiocata(const Tipo_Giocata& giocata)
{
    int n = 0;
    while (n < NumeriMassimiPerGiocata && giocata[n] != 0) {
        ++n;
    }
    return n;
}

bool LeggiGiocataDaTesto(std::string_view testo, Tipo_Giocata& giocata)
{
    giocata.fill(0);
    std::string pulito = testo::Trim(testo::Primi(testo::Trim(testo), 255));
    std::replace(pulito.begin(), pulito.end(), '\t', ' ');
    pulito = testo::UnisciSpazi(pulito);
    int n = 0;
    for (std::string_view token : testo::Dividi(pulito, ' ')) {
        if (n == NumeriMassimiPerGiocata) {
            return false;
        }
        int valore = 0;
        if (!testo::LeggiIntero(token, valore) || valore < 1 || valore > NumeroMassimo) {
            return false;
        }
        giocata[n++] = static_cast<std::uint8_t>(valore);
    }
    std::sort(giocata.begin(), giocata.begin() + n);
    if (std::adjacent_find(giocata.begin(), giocata.begin() + n) != giocata.begin() + n) {
        return false;
    }
    return n > 0;
}

int LeggiElencoNumeri(std::string_view testo, SegniNumeri& segni)
{
    return LeggiInsiemeNumeri(testo::Primi(testo::Trim(testo), 255), segni);
}

int LeggiInsiemeNumeri(std::string_view testo, SegniNumeri& segni)
{
    segni.fill(0);
    std::string pulito = testo::UnisciSpazi(testo::Trim(testo));
    std::array<bool, NumeroMassimo + 1> visti{};
    int letti = 0;
    for (std::string_view token : testo::Dividi(pulito, ' ')) {
        int valore = 0;
        if (!testo::LeggiIntero(token, valore) || valore < 1 || valore > NumeroMassimo) {
            return 0;
        }
        if (visti[valore]) {
            return 0;
        }
        visti[valore] = true;
        ++letti;
    }
    for (int numero = 1; numero <= NumeroMassimo; ++numero) {
        segni[numero - 1] = visti[numero] ? 1 : 0;
    }
    return letti;
}

Tipo_Giocata GiocataDaSegni(const SegniNumeri& segni)
{
    Tipo_Giocata giocata{};
    int n = 0;
    for (int numero = 1; numero <= NumeroMassimo && n < NumeriMassimiPerGiocata; ++numero) {
        if (segni[numero - 1] != 0) {
            giocata[n++] = static_cast<std::uint8_t>(numero);
        }
    }
    return giocata;
}

std::string TestoGiocata(const Tipo_Giocata& giocata, std::string_view separatore)
{
    std::string risultato;
    for (int i = 0; i < NumeriMassimiPerGiocata && giocata[i] != 0; ++i) {
        if (i > 0) {
            risultato += separatore;
        }
        risultato += std::to_string(giocata[i]);
    }
    return risultato;
}

std::int32_t Fattoriale(int n)
{
    std::int32_t risultato = 1;
    for (int i = 2; i <= n; ++i) {
        risultato *= i;
    }
    return risultato;
}

double CombinazioniDouble(int n, int k)
{
    if (n < 1 || n < k || k < 0) {
        return 0.0;
    }
    double prodotto = 1.0;
    for (int i = k + 1; i <= n; ++i) {
        prodotto *= i;
    }
    double divisore = 1.0;
    for (int i = 2; i <= n - k; ++i) {
        divisore *= i;
    }
    return prodotto / divisore;
}
