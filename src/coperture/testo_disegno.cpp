#include "coperture/testo_disegno.h"

#include "coperture/verifica_disegno.h"
#include "core/conta_bit.h"
#include "core/file_binario.h"

#include <algorithm>
#include <bit>
#include <sstream>

namespace {

constexpr std::size_t DimensioneMassima = 4U << 20U;

// Lexicographic order of the ascending position lists of two blocks of the same size: the first
// difference is the smallest point in exactly one of them, and that block comes first.
bool PrimaLessicografica(std::uint32_t a, std::uint32_t b)
{
    const std::uint32_t diversi = a ^ b;
    return diversi != 0 && (a & diversi & (~diversi + 1U)) != 0;
}

} // namespace

std::string TestoDisegno(const Blocchi& blocchi)
{
    Blocchi ordinati = blocchi;
    std::sort(ordinati.begin(), ordinati.end(), PrimaLessicografica);
    std::string testo;
    for (const std::uint32_t b : ordinati) {
        bool primo = true;
        for (std::uint32_t m = b; m != 0; m &= m - 1) {
            if (!primo) {
                testo += ' ';
            }
            testo += std::to_string(std::countr_zero(m) + 1);
            primo = false;
        }
        testo += '\n';
    }
    return testo;
}

LetturaDisegno LeggiDisegno(const std::string& percorso, const Cella& cella)
{
    LetturaDisegno lettura;
    const auto dati = LeggiFileIntero(percorso, DimensioneMassima);
    if (!dati) {
        lettura.errore = "impossibile leggere " + percorso;
        return lettura;
    }
    std::istringstream in(std::string(dati->begin(), dati->end()));
    std::string riga;
    for (int numero = 1; std::getline(in, riga); ++numero) {
        if (riga.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        const std::string dove = percorso + ", riga " + std::to_string(numero) + ": ";
        std::istringstream campi(riga);
        std::string campo;
        std::uint32_t blocco = 0;
        int quanti = 0;
        while (campi >> campo) {
            if (campo.size() > 2 || campo.find_first_not_of("0123456789") != std::string::npos) {
                lettura.errore = dove + "posizione non valida";
                return lettura;
            }
            const int posizione = std::stoi(campo);
            if (posizione < 1 || posizione > cella.v) {
                lettura.errore = dove + "posizione fuori da 1.." + std::to_string(cella.v);
                return lettura;
            }
            blocco |= std::uint32_t{1} << (posizione - 1);
            ++quanti;
        }
        if (quanti != cella.k || ContaBit(blocco) != cella.k) {
            lettura.errore = dove + "attese " + std::to_string(cella.k) + " posizioni diverse";
            return lettura;
        }
        lettura.blocchi.push_back(blocco);
    }
    return lettura;
}

bool ScriviDisegno(const std::string& percorso, const Blocchi& blocchi)
{
    const std::string testo = TestoDisegno(blocchi);
    const auto* byte = reinterpret_cast<const std::uint8_t*>(testo.data());
    return ScriviFileAtomico(percorso, std::span<const std::uint8_t>(byte, testo.size()));
}

FornitoreCoperture FornitoreDaCartella(const std::string& cartella)
{
    return [cartella](int v, int k, int t) -> std::optional<Blocchi> {
        const Cella c{TipoDisegno::Ortogonale, v, k, t, t};
        if (ControllaCella(c)) {
            return std::nullopt;
        }
        LetturaDisegno lettura = LeggiDisegno(cartella + "/" + NomeFileCella(c), c);
        if (!lettura.errore.empty() || lettura.blocchi.empty() || ContaScoperti(c, lettura.blocchi) != 0) {
            return std::nullopt;
        }
        return std::move(lettura.blocchi);
    };
}
