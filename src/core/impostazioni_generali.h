#pragma once

#include <array>
#include <cstdint>
#include <string>

// The general settings ("group A"): read together at start-up, written together whenever one of
// their dialogs accepts. Member initialisers are the defaults of a first run.
struct ImpostazioniGenerali
{
    // i1..i18, the accepted stake amounts, ascending.
    std::array<double, 18> importiGiocata{0.05, 0.1, 0.2,  0.3,  0.4,  0.5,  1.0,  2.0,   3.0,
                                          4.0,  5.0, 10.0, 20.0, 30.0, 40.0, 50.0, 100.0, 200.0};
    double minimo = 1.0;               // Minimo: smallest total stake of a play
    double massimo = 200.0;            // Massimo: largest total stake of a play
    double multiplo = 0.5;             // Multiplo: the total must be a multiple of this
    std::int32_t decimali = 2;         // Decimali: decimals of money texts
    double vincitaMassima = 6000000.0; // VincitaMassima: cap of the win of one play

    std::int32_t notificaAggio = 1;         // notificaaggio
    std::string giorniNotifica = "0010101"; // GiorniNotifica, Sunday first

    std::string proxyServer;
    std::string proxyPorta;
    std::string proxyUsername;
    std::string proxyPassword;
    bool usaProxy = false;
    bool proxyAuth = false;
    // ServerAggiornamenti: the update server (scheme and host, optionally a port and a base path). A
    // club or a user can point the program at their own server.
    std::string serverAggiornamenti = "http://aggiornamenti.quarvina.example";
    // ServerRiduttori: the server of the immediate-reducer download page (scheme and host); only
    // http:// and https:// addresses are ever opened.
    std::string serverRiduttori = "http://riduttori.quarvina.example";
    // SitoWeb: the maker's web address, printed at the foot of the program's pages after
    // "QUARVINA LOTTO - ".
    std::string sitoWeb = "http://www.quarvina.example";

    bool stampaNumSchedina = true;

    // Slip calibration (10-, 5- and 8-value forms), defaults of the slip geometry.
    std::array<double, 10> calOr{12.4, 33.209559, 4.42, 4.486, 1.9, 97.3, 73.1, 9.3823529, 5.04, 67.3};
    std::array<double, 10> calVer{2.1, 12.3, 4.4, 4.5283845, 1.9, 98.4, 78.1, 73.6, 5.12, 67.951};
    std::array<double, 5> newCalOr{23.5, 6.0, 4.36, 5.9, 1.9};
    std::array<double, 5> newCalVer{6.0, 23.5, 6.0, 4.35, 1.9};
    std::array<double, 5> calOrLp{74.0, 10.5, 7.05, 6.3, 2.3};
    std::array<double, 5> calVerLp{24.7, 72.55, 6.38, 6.93, 2.3};
    std::array<double, 8> newCalscheOr{26.5, 7.5, 1.0, 1.0, 2.0, 10.0, 10.0, 3.0};
    std::array<double, 8> newCalscheVer{9.0, 27.5, 1.0, 1.0, 2.0, 10.0, 10.0, 3.0};
    std::array<double, 8> newCalsimbOr{26.5, 7.5, 1.0, 1.0, 2.0, 10.0, 10.0, 3.0};
    std::array<double, 8> newCalsimbVer{9.0, 27.5, 1.0, 1.0, 2.0, 10.0, 10.0, 3.0};

    std::int32_t msOrientamento = 1;
    std::int32_t msTipoBloccaggio = 0;
    std::int32_t msTipoBloccaggioVer = 0;

    // Probability model.
    bool ipUsaRit = true;
    bool ipRitDirProp = true;
    bool ipUsaFre = true;
    bool ipFreqInvProp = true;
    double ipPrMin = 0.0;
    double ipPrMax = 50.0;
    double ipPfMin = 0.0;
    double ipPfMax = 50.0;
    std::int32_t ifNumEstra = 100;

    double i1() const { return importiGiocata[0]; }
    double i18() const { return importiGiocata[17]; }
};
