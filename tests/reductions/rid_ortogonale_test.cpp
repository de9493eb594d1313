#include "reductions/rid_ortogonale.h"

#include "reductions/messaggi_riduzioni.h"
#include "reductions/riduttori_immediati.h"
#include "support/cartella_temporanea.h"
#include "support/controllo_prova.h"
#include "support/giocate_prova.h"
#include "support/sistema_prova.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

using test::AllocatoreLimitato;
using test::giocata;
using test::Giocate;
using test::Primi;
using test::Pronostico;

void Riempi(ElencoGiocate& elenco, const std::vector<Tipo_Giocata>& giocate)
{
    ASSERT_TRUE(elenco.AssicuraCapacita(static_cast<std::int32_t>(std::max<std::size_t>(1, giocate.size()))));
    for (std::size_t i = 0; i < giocate.size(); ++i) {
        elenco.voce(static_cast<std::int32_t>(i + 1)) = giocate[i];
    }
    elenco.setConteggio(static_cast<std::int32_t>(giocate.size()));
}

SegniNumeri Usati(const std::vector<Tipo_Giocata>& giocate)
{
    SegniNumeri segni{};
    for (const Tipo_Giocata& g : giocate) {
        for (std::uint8_t n : g) {
            if (n != 0) {
                segni[n - 1U] = 1;
            }
        }
    }
    return segni;
}

std::vector<int> Numeri(const Tipo_Giocata& g)
{
    std::vector<int> v;
    for (std::uint8_t n : g) {
        if (n != 0) {
            v.push_back(n);
        }
    }
    return v;
}

// Every g-subset of the numbers, by brute force.
void Sottoinsiemi(const std::vector<int>& numeri, int g, std::size_t da, std::vector<int>& parziale,
                  std::vector<std::vector<int>>& esito)
{
    if (static_cast<int>(parziale.size()) == g) {
        esito.push_back(parziale);
        return;
    }
    for (std::size_t i = da; i < numeri.size(); ++i) {
        parziale.push_back(numeri[i]);
        Sottoinsiemi(numeri, g, i + 1, parziale, esito);
        parziale.pop_back();
    }
}

std::vector<std::vector<int>> Sottoinsiemi(const std::vector<int>& numeri, int g)
{
    std::vector<std::vector<int>> esito;
    std::vector<int> parziale;
    Sottoinsiemi(numeri, g, 0, parziale, esito);
    return esito;
}

bool Contiene(const Tipo_Giocata& g, const std::vector<int>& c)
{
    return std::all_of(c.begin(), c.end(),
                       [&](int n) { return std::find(g.begin(), g.end(), n) != g.end(); });
}

// The g-subsets of the reference that no play contains.
std::vector<std::vector<int>> Scoperte(const std::vector<int>& riferimento, int g,
                                       const std::vector<Tipo_Giocata>& giocate)
{
    std::vector<std::vector<int>> scoperte;
    for (const auto& c : Sottoinsiemi(riferimento, g)) {
        if (std::none_of(giocate.begin(), giocate.end(),
                         [&](const Tipo_Giocata& p) { return Contiene(p, c); })) {
            scoperte.push_back(c);
        }
    }
    return scoperte;
}

// A play in canonical form: k distinct numbers ascending, zeros after.
bool Canonica(const Tipo_Giocata& g, int k)
{
    return NumeriGiocata(g) == k && std::is_sorted(g.begin(), g.begin() + k) &&
           std::adjacent_find(g.begin(), g.begin() + k) == g.begin() + k;
}

using test::StopAl;

// Random plays of k numbers from 1..v, for the brute-force checks.
std::vector<Tipo_Giocata> GiocateCasuali(std::uint32_t& stato, int quante, int k, int v)
{
    const auto estrai = [&stato](int n) {
        stato = stato * 1103515245U + 12345U;
        return static_cast<int>((stato >> 16) % static_cast<std::uint32_t>(n));
    };
    std::vector<Tipo_Giocata> giocate;
    for (int i = 0; i < quante; ++i) {
        Tipo_Giocata g{};
        for (int j = 0; j < k;) {
            const auto n = static_cast<std::uint8_t>(estrai(v) + 1);
            if (std::find(g.begin(), g.begin() + j, n) == g.begin() + j) {
                g[static_cast<std::size_t>(j++)] = n;
            }
        }
        OrdinaGiocata(g);
        giocate.push_back(g);
    }
    return giocate;
}

ParametriOrtogonaleGiocate ParametriGiocate(const std::vector<Tipo_Giocata>& giocate, int k, int g)
{
    ParametriOrtogonaleGiocate p;
    p.garanzia = g;
    p.numeriPerGiocata = k;
    p.numeriUsati = Usati(giocate);
    return p;
}

} // namespace

TEST(RidOrtogonale, SeiNumeriCopronoTuttiGliAmbi)
{
    Sistema s = Pronostico({3, 11, 25, 40, 62, 88}, 3);
    ElencoGiocate elenco;
    GeneratoreCasuale generatore;
    generatore.imposta(1);
    EsecuzioneContinua continua;
    const EsitoOrtogonale esito = RiduzioneOrtogonale(s, elenco, {2, false, ""}, generatore, continua);
    ASSERT_TRUE(esito.esito.confermata());
    EXPECT_FALSE(esito.riduttoreDanneggiato);
    EXPECT_TRUE(s.modificato);
    const std::vector<Tipo_Giocata> giocate = Giocate(elenco);
    EXPECT_EQ(esito.esito.giocate, static_cast<std::int64_t>(giocate.size()));
    EXPECT_TRUE(Scoperte({3, 11, 25, 40, 62, 88}, 2, giocate).empty());
    for (const Tipo_Giocata& g : giocate) {
        EXPECT_TRUE(Canonica(g, 3));
    }
    // Fewer plays than the 20 of the full development.
    EXPECT_LT(giocate.size(), 20U);
}

TEST(RidOrtogonale, ProprietaOrtogonaleDelPronostico)
{
    std::uint32_t stato = 20260;
    for (int prova = 0; prova < 60; ++prova) {
        const int k = 3 + prova % 6; // 3..8
        const int g = GaranziaAmmessa(k, 2 + prova % 4);
        const int n = k + static_cast<int>(stato % 7U); // k..k+6
        stato = stato * 69069U + 1U;
        const int base = 1 + static_cast<int>(stato % 70U);
        std::vector<int> numeri;
        for (int i = 0; i < n; ++i) {
            numeri.push_back(base + i * (90 - base) / std::max(1, n));
        }
        numeri.erase(std::unique(numeri.begin(), numeri.end()), numeri.end());
        SCOPED_TRACE("prova " + std::to_string(prova) + " k " + std::to_string(k) + " g " +
                     std::to_string(g) + " n " + std::to_string(numeri.size()));
        if (static_cast<int>(numeri.size()) < k) {
            continue;
        }
        Sistema s = Pronostico(numeri, k);
        ElencoGiocate elenco;
        // Some runs start with plays already in the list: they count towards the guarantee and stay.
        std::vector<Tipo_Giocata> prima;
        if (prova % 3 == 0) {
            Tipo_Giocata p{};
            for (int i = 0; i < k; ++i) {
                p[static_cast<std::size_t>(i)] =
                    static_cast<std::uint8_t>(numeri[static_cast<std::size_t>(i)]);
            }
            prima = {p, giocata({1, 2})};
            Riempi(elenco, prima);
        }
        GeneratoreCasuale generatore;
        generatore.imposta(static_cast<std::uint32_t>(prova));
        EsecuzioneContinua continua;
        const EsitoOrtogonale esito = RiduzioneOrtogonale(s, elenco, {g, false, ""}, generatore, continua);
        if (esito.esito.codice == CodiceRiduzione::NessunRisultato) {
            // Only when the plays already there cover the prediction (a play holding all of it).
            EXPECT_TRUE(Scoperte(numeri, g, prima).empty());
            EXPECT_EQ(Giocate(elenco), prima);
            continue;
        }
        ASSERT_TRUE(esito.esito.confermata());
        const std::vector<Tipo_Giocata> dopo = Giocate(elenco);
        ASSERT_EQ(dopo.size(), prima.size() + static_cast<std::size_t>(esito.esito.giocate));
        EXPECT_TRUE(std::equal(prima.begin(), prima.end(), dopo.begin()));
        EXPECT_TRUE(Scoperte(numeri, g, dopo).empty());
        for (std::size_t i = prima.size(); i < dopo.size(); ++i) {
            EXPECT_TRUE(Canonica(dopo[i], k));
            for (int x : Numeri(dopo[i])) {
                EXPECT_EQ(s.pronostico[static_cast<std::size_t>(x - 1)], 1);
            }
        }
    }
}

TEST(RidOrtogonale, ProprietaOrtogonaleDelleGiocate)
{
    std::uint32_t stato = 77;
    for (int prova = 0; prova < 60; ++prova) {
        const int k = 3 + prova % 5; // 3..7
        const int g = GaranziaAmmessa(k, 2 + prova % 4);
        const int quante = 2 + prova % 9;
        const int v = k + 2 + prova % 8;
        SCOPED_TRACE("prova " + std::to_string(prova));
        const std::vector<Tipo_Giocata> attuali = GiocateCasuali(stato, quante, k, v);
        Sistema s;
        ElencoGiocate elenco;
        Riempi(elenco, attuali);
        GeneratoreCasuale generatore;
        generatore.imposta(static_cast<std::uint32_t>(prova));
        EsecuzioneContinua continua;
        const EsitoOrtogonale esito =
            RiduzioneOrtogonaleGiocate(s, elenco, ParametriGiocate(attuali, k, g), generatore, continua);
        ASSERT_TRUE(esito.esito.confermata());
        const std::vector<Tipo_Giocata> finali = Giocate(elenco);
        ASSERT_EQ(static_cast<std::int64_t>(finali.size()), esito.esito.giocate);
        const SegniNumeri usati = Usati(attuali);
        for (const Tipo_Giocata& p : finali) {
            EXPECT_TRUE(Canonica(p, k));
            for (int x : Numeri(p)) {
                EXPECT_EQ(usati[static_cast<std::size_t>(x - 1)], 1);
            }
        }
        for (const Tipo_Giocata& p : attuali) {
            EXPECT_TRUE(Scoperte(Numeri(p), g, finali).empty());
        }
    }
}

TEST(RidOrtogonale, Fisse)
{
    struct Riga
    {
        const char* nome;
        std::vector<int> numeri;
        int k;
        int g;
        std::vector<int> fisse;
        bool attesaGiocata;
    };
    const std::vector<Riga> righe = {
        {"una fissa, ambo", Primi(8), 3, 2, {4}, true},
        {"due fisse, terno", Primi(10), 5, 3, {2, 9}, true},
        {"fisse quante g", Primi(9), 4, 2, {1, 2}, true},
        {"più fisse di g", Primi(9), 4, 2, {1, 2, 3}, false},
        {"sei fisse con cinquina", Primi(12), 8, 5, {1, 2, 3, 4, 5, 6}, false},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        Sistema s = Pronostico(riga.numeri, riga.k);
        for (int f : riga.fisse) {
            s.fisse[static_cast<std::size_t>(s.numeroFisse++)] = static_cast<std::uint8_t>(f);
        }
        ElencoGiocate elenco;
        Riempi(elenco, {giocata({80, 81, 82})});
        GeneratoreCasuale generatore;
        EsecuzioneContinua continua;
        const EsitoOrtogonale esito =
            RiduzioneOrtogonale(s, elenco, {riga.g, true, ""}, generatore, continua);
        if (!riga.attesaGiocata) {
            EXPECT_EQ(esito.esito.codice, CodiceRiduzione::NessunRisultato);
            ASSERT_TRUE(esito.esito.messaggio.has_value());
            EXPECT_EQ(esito.esito.messaggio->testo, messaggi_riduzioni::NessunaGiocataAggiunta);
            EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{giocata({80, 81, 82})}));
            EXPECT_FALSE(s.modificato);
            continue;
        }
        ASSERT_TRUE(esito.esito.confermata());
        std::vector<Tipo_Giocata> aggiunte = Giocate(elenco);
        aggiunte.erase(aggiunte.begin());
        // Every added play holds the fixed numbers, and every g-combination that holds them is covered.
        for (const Tipo_Giocata& p : aggiunte) {
            EXPECT_TRUE(Canonica(p, riga.k));
            for (int f : riga.fisse) {
                EXPECT_NE(std::find(p.begin(), p.end(), f), p.end());
            }
        }
        for (const auto& c : Sottoinsiemi(riga.numeri, riga.g)) {
            const bool conFisse = std::all_of(riga.fisse.begin(), riga.fisse.end(), [&](int f) {
                return std::find(c.begin(), c.end(), f) != c.end();
            });
            if (conFisse) {
                EXPECT_TRUE(std::any_of(aggiunte.begin(), aggiunte.end(),
                                        [&](const Tipo_Giocata& p) { return Contiene(p, c); }));
            }
        }
    }

    // The plays dialog with more fixed numbers than g discards everything and keeps the list.
    const std::vector<Tipo_Giocata> attuali = {giocata({1, 2, 3, 4}), giocata({2, 5, 6, 7}),
                                               giocata({1, 3, 8, 9})};
    Sistema s = Pronostico(Primi(9), 4, {1, 2, 3});
    ElencoGiocate elenco;
    Riempi(elenco, attuali);
    GeneratoreCasuale generatore;
    EsecuzioneContinua continua;
    ParametriOrtogonaleGiocate p = ParametriGiocate(attuali, 4, 2);
    p.consideraFisse = true;
    const EsitoOrtogonale esito = RiduzioneOrtogonaleGiocate(s, elenco, p, generatore, continua);
    EXPECT_EQ(esito.esito.codice, CodiceRiduzione::NessunRisultato);
    ASSERT_TRUE(esito.esito.messaggio.has_value());
    EXPECT_EQ(esito.esito.messaggio->testo,
              "Sono state scartate tutte le giocate!\rVerificare la presenza delle fisse nel pronostico.");
    EXPECT_EQ(Giocate(elenco), attuali);
    EXPECT_FALSE(s.modificato);
}

TEST(RidOrtogonale, LeGiocateRestanoSeLaRiduzioneNonSiConclude)
{
    // Twelve plays of six numbers: the storage holds them and little more, so the run fails while it
    // grows the list; a stop at the first poll; neither may lose or reorder a play.
    std::uint32_t stato = 5;
    const std::vector<Tipo_Giocata> dodici = GiocateCasuali(stato, 12, 6, 30);
    std::vector<Tipo_Giocata> molte = GiocateCasuali(stato, 200, 6, 40);

    struct Riga
    {
        const char* nome;
        std::size_t limite; // plays of storage, 0 unlimited
        std::vector<Tipo_Giocata> giocate;
        bool immediati;
        CodiceRiduzione atteso;
    };
    const std::vector<Riga> righe = {
        {"crescita fallita alla prima giocata", 12, dodici, false, CodiceRiduzione::MemoriaInsufficiente},
        {"crescita fallita dopo due giocate", 14, dodici, false, CodiceRiduzione::MemoriaInsufficiente},
        {"interrotta", 0, molte, false, CodiceRiduzione::Interrotta},
    };
    for (const Riga& riga : righe) {
        SCOPED_TRACE(riga.nome);
        AllocatoreLimitato allocatore(riga.limite == 0 ? 100000000 : riga.limite);
        ElencoGiocate elenco(&allocatore);
        test::MessaggiRegistrati messaggi;
        elenco.setServizioMessaggi(&messaggi);
        ASSERT_TRUE(elenco.AmpliaElenco());
        ASSERT_GE(elenco.capacita(), static_cast<std::int32_t>(riga.giocate.size()));
        Riempi(elenco, riga.giocate);
        Sistema s;
        GeneratoreCasuale generatore;
        StopAl stop(1);
        const EsitoOrtogonale esito =
            RiduzioneOrtogonaleGiocate(s, elenco, ParametriGiocate(riga.giocate, 6, 3), generatore, stop);
        EXPECT_EQ(esito.esito.codice, riga.atteso);
        EXPECT_EQ(Giocate(elenco), riga.giocate);
        EXPECT_FALSE(s.modificato);
        if (riga.atteso == CodiceRiduzione::MemoriaInsufficiente) {
            EXPECT_EQ(messaggi.mostrati.size(), 1U);
        } else {
            EXPECT_EQ(stop.polls, 1);
        }
    }

    // The prediction: a stop drops the added plays and keeps the list.
    Sistema s = Pronostico(Primi(40), 6);
    ElencoGiocate elenco;
    Riempi(elenco, {giocata({1, 2, 3})});
    GeneratoreCasuale generatore;
    StopAl stop(3);
    const EsitoOrtogonale esito = RiduzioneOrtogonale(s, elenco, {3, false, ""}, generatore, stop);
    EXPECT_EQ(esito.esito.codice, CodiceRiduzione::Interrotta);
    EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{giocata({1, 2, 3})}));
    EXPECT_FALSE(s.modificato);
}

TEST(RidOrtogonale, RiduttoriImmediati)
{
    test::CartellaTemporanea cartella;
    const std::string file = cartella.file(NomeFileRiduttoriOrtogonali);
    // (6, 3, 2): eight triples that together hold all 15 pairs of 6 positions; (5, 3, 2):
    // four plays of which two hold none of the pairs of the current plays below.
    const std::vector<std::uint8_t> sei = {1, 2, 3, 1, 4, 5, 1, 2, 6, 2, 4, 6,
                                           3, 4, 6, 3, 5, 6, 2, 3, 5, 1, 3, 4};
    const std::vector<std::uint8_t> cinque = {1, 2, 3, 2, 3, 4, 1, 4, 5, 2, 4, 5};
    ASSERT_TRUE(ScriviRiduttoriImmediati(file, {{6, 3, 2, sei}, {5, 3, 2, cinque}}));

    {
        SCOPED_TRACE("pronostico: le giocate già presenti non si ripetono");
        Sistema s = Pronostico({10, 20, 30, 40, 50, 60}, 3);
        ElencoGiocate elenco;
        Riempi(elenco, {giocata({10, 40, 50})});
        GeneratoreCasuale generatore;
        EsecuzioneContinua continua;
        const EsitoOrtogonale esito = RiduzioneOrtogonale(s, elenco, {2, false, file}, generatore, continua);
        ASSERT_TRUE(esito.esito.confermata());
        EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{giocata({10, 40, 50}), giocata({10, 20, 30}),
                                                              giocata({10, 20, 60}), giocata({20, 40, 60}),
                                                              giocata({30, 40, 60}), giocata({30, 50, 60}),
                                                              giocata({20, 30, 50}), giocata({10, 30, 40})}));
        EXPECT_EQ(generatore.seme(), 0U); // no random completion
    }
    {
        SCOPED_TRACE("pronostico: con le fisse il riduttore non si usa");
        Sistema s = Pronostico({10, 20, 30, 40, 50, 60}, 3, {10});
        ElencoGiocate elenco;
        GeneratoreCasuale generatore;
        EsecuzioneContinua continua;
        const EsitoOrtogonale esito = RiduzioneOrtogonale(s, elenco, {2, true, file}, generatore, continua);
        ASSERT_TRUE(esito.esito.confermata());
        for (const Tipo_Giocata& p : Giocate(elenco)) {
            EXPECT_EQ(p[0], 10);
        }
    }
    const std::vector<Tipo_Giocata> attuali = {giocata({11, 12, 13}), giocata({11, 14, 15})};
    {
        SCOPED_TRACE("giocate: le giocate del riduttore senza combinazioni si scartano");
        Sistema s;
        ElencoGiocate elenco;
        Riempi(elenco, attuali);
        GeneratoreCasuale generatore;
        EsecuzioneContinua continua;
        ParametriOrtogonaleGiocate p = ParametriGiocate(attuali, 3, 2);
        p.immediati = true;
        p.fileRiduttori = file;
        const EsitoOrtogonale esito = RiduzioneOrtogonaleGiocate(s, elenco, p, generatore, continua);
        ASSERT_TRUE(esito.esito.confermata());
        EXPECT_EQ(Giocate(elenco), (std::vector<Tipo_Giocata>{giocata({11, 12, 13}), giocata({11, 14, 15})}));
        EXPECT_TRUE(s.modificato);
    }
    {
        SCOPED_TRACE("giocate: modo normale, il riduttore non si usa");
        Sistema s;
        ElencoGiocate elenco;
        Riempi(elenco, attuali);
        GeneratoreCasuale generatore;
        EsecuzioneContinua continua;
        ParametriOrtogonaleGiocate p = ParametriGiocate(attuali, 3, 2);
        p.fileRiduttori = file;
        ASSERT_TRUE(RiduzioneOrtogonaleGiocate(s, elenco, p, generatore, continua).esito.confermata());
        EXPECT_EQ(Giocate(elenco).size(), 2U);
    }

    // A damaged reducer: the plays' bytes changed, so the checksum fails. Nothing is committed.
    std::vector<std::uint8_t> immagine = ImmagineRiduttori({{6, 3, 2, sei}, {5, 3, 2, cinque}});
    const RiduttoreImmediato voce = CercaRiduttoreImmediato(file, 6, 3, 2);
    ASSERT_TRUE(voce.disponibile());
    immagine[static_cast<std::size_t>(voce.posizione) + 2] = 4; // 1 2 3 -> 1 2 4
    const std::string danneggiato = cartella.file("danneggiato.ro2");
    test::ScriviFile(danneggiato, std::vector<unsigned char>(immagine.begin(), immagine.end()));
    for (bool giocate : {false, true}) {
        SCOPED_TRACE(giocate ? "giocate danneggiato" : "pronostico danneggiato");
        Sistema s = Pronostico({10, 20, 30, 40, 50, 60}, 3);
        ElencoGiocate elenco;
        const std::vector<Tipo_Giocata> prima = {giocata({10, 20, 30}), giocata({40, 50, 60})};
        Riempi(elenco, prima);
        GeneratoreCasuale generatore;
        EsecuzioneContinua continua;
        EsitoOrtogonale esito;
        if (giocate) {
            ParametriOrtogonaleGiocate p = ParametriGiocate(prima, 3, 2);
            p.immediati = true;
            p.fileRiduttori = danneggiato;
            esito = RiduzioneOrtogonaleGiocate(s, elenco, p, generatore, continua);
        } else {
            esito = RiduzioneOrtogonale(s, elenco, {2, false, danneggiato}, generatore, continua);
        }
        EXPECT_TRUE(esito.riduttoreDanneggiato);
        EXPECT_FALSE(esito.esito.confermata());
        EXPECT_FALSE(esito.esito.messaggio.has_value());
        EXPECT_EQ(Giocate(elenco), prima);
        EXPECT_FALSE(s.modificato);
    }
}

TEST(RidOrtogonale, InterruzioneDelPercorsoImmediatoDelleGiocate)
{
    // 300 reducer plays are read with a poll every 129: a stop at the second poll leaves the list as it was.
    test::CartellaTemporanea cartella;
    const std::string file = cartella.file(NomeFileRiduttoriOrtogonali);
    std::vector<std::uint8_t> posizioni;
    for (int i = 0; i < 300; ++i) {
        const auto a = static_cast<std::uint8_t>(1 + i % 4);
        posizioni.insert(posizioni.end(),
                         {a, static_cast<std::uint8_t>(a + 1), static_cast<std::uint8_t>(a + 2)});
    }
    ASSERT_TRUE(ScriviRiduttoriImmediati(file, {{6, 3, 2, posizioni}}));
    const std::vector<Tipo_Giocata> attuali = {giocata({1, 2, 3}), giocata({4, 5, 6}), giocata({1, 3, 5})};
    Sistema s;
    ElencoGiocate elenco;
    Riempi(elenco, attuali);
    GeneratoreCasuale generatore;
    StopAl stop(2);
    ParametriOrtogonaleGiocate p = ParametriGiocate(attuali, 3, 2);
    p.immediati = true;
    p.fileRiduttori = file;
    const EsitoOrtogonale esito = RiduzioneOrtogonaleGiocate(s, elenco, p, generatore, stop);
    EXPECT_EQ(esito.esito.codice, CodiceRiduzione::Interrotta);
    EXPECT_EQ(Giocate(elenco), attuali);
}
